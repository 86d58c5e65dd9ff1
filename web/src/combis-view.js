// A bank's combis (the combiprograms of a Wave 2.3 memory), in the
// Programs region: each combi's values as the listing arranges them (its
// eight program numbers, then each group's values), a number field each,
// the programs named where the bank names them. They are edited as
// programs are: a changed value is marked with the value it had, taken as
// it is typed; Undo and Redo (also Ctrl+Z and Ctrl+Shift+Z) go back through
// the changes of the bank's combis; a bank with edited combis is written
// and sent with them (bank-edits.js).
import { button, element, put } from './dom.js';
import { changeCombi, combiEditOf, combiStepsLeft, edited, stepCombis } from './bank-edits.js';
import { say } from './layout.js';
import { on, state } from './state.js';

let current = null; // the combis on view: { bankId, update(edit) }
on('edit', (edit) => current && (!edit || edit.bankId === current.bankId) && current.update(edit));

// The rows of a combi, as the listing arranges them: its eight programs
// ("BK 1" … "BK 8"), its own values (KBM, MULTI), then each group's ("GR:a
// BK", "GR:a DET", "GR:a SPL 1" …); each value under its short name.
function rowsOf(labels) {
  const rows = [];
  for (const label of labels) {
    const group = /^GR:([ab]) (.*)$/.exec(label);
    const [stem, short] = /^BK \d+$/.test(label) ? ['Programs', label.slice(3)] : group ? [`Group ${group[1]}`, group[2]] : ['Combi', label];
    const last = rows[rows.length - 1];
    if (last && last.stem === stem) last.labels.push({ label, short });
    else rows.push({ stem, labels: [{ label, short }] });
  }
  return rows;
}

// `combis`: describe's `combiValues` of the bank; `ranges`: the engine's
// combi labels with their ranges (limits().combiValues). Answers the
// view's element.
export function combisView(bank, combis, ranges) {
  const labels = ranges.map((r) => r.label);
  const rangeOf = (label) => ranges.find((r) => r.label === label);
  const cells = []; // { edit, read (the bank's values), label, control, was }
  const names = bank.summary.holdsNames ? bank.summary.names : null;
  // The BK entries are program numbers of the bank.
  const nameOf = (label, value) => (/^BK \d+$/.test(label) && names && names[value] !== undefined ? names[value] : '');

  const valuesOf = (edit, read) => ({ ...read, ...(edit.now || {}) });
  function take(c, kind) {
    const value = Number(c.control.value);
    const range = rangeOf(c.label);
    if (c.control.value === '' || !Number.isInteger(value) || value < range.min || value > range.max) {
      if (kind === 'typed') return false;
      say('programs', `${c.label} of combi ${c.edit.combi} takes whole numbers from ${range.min} to ${range.max}; `
        + `it stays ${valuesOf(c.edit, c.read)[c.label]}.`);
      c.control.value = String(valuesOf(c.edit, c.read)[c.label]);
      return false;
    }
    const now = valuesOf(c.edit, c.read);
    if (now[c.label] === value) return true;
    now[c.label] = value;
    const changed = Object.fromEntries(Object.entries(now).filter(([label, v]) => v !== c.read[label]));
    changeCombi(c.edit, changed, `type ${c.label}`);
    return true;
  }

  // Each combi a group of rows, each value a field with its label above it
  // (a row of eight program numbers wraps in a narrow region).
  const sections = combis.map((combi) => {
    const edit = combiEditOf(bank.id, combi.combi);
    const read = combi.values;
    const title = `Combi ${combi.combi}${combi.name ? ` “${combi.name}”` : ''}`;
    return element('fieldset', { className: 'combi' },
      element('legend', { textContent: `${title}${combi.used ? '' : ' (not in use: a value set puts it in use)'}` }),
      ...rowsOf(labels.filter((label) => label in read)).map((row) => element('div', { className: 'combi-row' },
        element('span', { className: 'combi-stem', textContent: row.stem }),
        ...row.labels.map(({ label, short }) => {
          const range = rangeOf(label);
          const c = { edit, read, label, was: element('span', { className: 'was' }), name: element('span', { className: 'known' }) };
          c.control = element('input', { type: 'number', min: range.min, max: range.max, step: 1, className: 'value',
            attrs: { 'aria-label': `${label}, combi ${combi.combi}`, inputmode: 'numeric' }, dataset: { key: `combi ${combi.combi} ${label}` } });
          c.control.addEventListener('input', () => take(c, 'typed'));
          c.control.addEventListener('change', () => {
            if (take(c, 'left') && c.edit.last === `type ${c.label}`) {
              say('programs', `${c.label} of combi ${combi.combi} set to ${c.control.value} (was ${read[label]}).`);
            }
          });
          cells.push(c);
          c.td = element('span', { className: 'combi-field' }, element('span', { className: 'hint', textContent: short, attrs: { 'aria-hidden': 'true' } }),
            c.control, c.name, c.was);
          return c.td;
        }))));
  });

  const undoButton = button('Undo', () => step('undo'), { dataset: { key: 'combis undo' }, label: 'Undo the last change of a combi' });
  const redoButton = button('Redo', () => step('redo'), { dataset: { key: 'combis redo' }, label: 'Redo a change of a combi' });
  function step(way) {
    const edit = stepCombis(bank.id, way);
    if (edit) say('programs', `${way === 'undo' ? 'Undone' : 'Redone'}: combi ${edit.combi} ${edited(edit) ? 'differs from the bank’s' : 'is as the bank holds it'}.`);
  }

  const view = element('div', { className: 'combis' },
    element('p', { className: 'hint', textContent: `The ${combis.length} combis of ${bank.name}, as the listing shows them`
      + `${names ? '; program numbers named' : ''}. A combi edited goes with the bank into Write as… and Send.` }),
    element('div', { className: 'actions', attrs: { role: 'group', 'aria-label': 'Changes of the combis' } }, undoButton, redoButton),
    ...sections);
  view.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || event.key.toLowerCase() !== 'z') return;
    event.preventDefault();
    step(event.shiftKey ? 'redo' : 'undo');
  });

  // Brings the fields to the values: only what changed is written.
  function update() {
    for (const c of cells) {
      const value = valuesOf(c.edit, c.read)[c.label];
      if (c.control.value === '' || Number(c.control.value) !== value) c.control.value = String(value);
      put(c.was, 'textContent', value === c.read[c.label] ? '' : ` was ${c.read[c.label]}`);
      put(c.name, 'textContent', nameOf(c.label, value) ? ` ${nameOf(c.label, value)}` : '');
      c.td.classList.toggle('changed', value !== c.read[c.label]);
    }
    const left = combiStepsLeft(bank.id);
    put(undoButton, 'disabled', !left.undo);
    put(redoButton, 'disabled', !left.redo);
  }
  current = { bankId: bank.id, update };
  update();
  return view;
}
