// The program view's values as controls: group A beside group B, row by row
// as the listing arranges a program (its own values, the flags, the tuning,
// SEMIT, P: and GR:); a number field for each value, stepping by what the
// bank's own format keeps of it, a switch for each flag; a value that format
// does not hold is shown, not offered. A changed value is marked with the
// value it had. Undo and Redo (also Ctrl+Z and Ctrl+Shift+Z), Revert, the
// copy of one group to the other, Randomize and Blend change the values.
// A change is shown at once; the engine is asked after, a moment later,
// what the bank's format writes of it (its sound, and what it rounded).
import { button, element, put } from './dom.js';
import { beforeAfter } from './before-after.js';
import { copier } from './copy-from.js';
import { addBankCopy, editedSound, ownFormat } from './edited-programs.js';
import {
  GROUP_WORDS, PARTS, applySet, blended, copiedGroup, heldBy, numbersOf, partOf, randomized, rangeOf, setOf, valueName,
} from './value-sets.js';
import { say } from './layout.js';
import { blendWith, changeEdit, chooseRandomize, editOf, edited, editsText, hasEdits, stepEdit } from './bank-edits.js';
import { bankById, markOf, on, readable, state, where } from './state.js';

// The rows of values, as the listing arranges them: the program's own
// values, then for each group its flags and modes, its tuning, and the
// numbered rows (SEMIT, P:, GR:).
function rowsOf(labels) {
  const rows = [{ name: 'Program', part: 'program', labels: labels.program }];
  for (const label of labels.group) {
    const stem = label.replace(/ ?\d+$/, '');
    const last = rows[rows.length - 1];
    const name = stem !== label ? stem : (label === 'DETU' || last.name === 'Tuning' ? 'Tuning' : 'Flags');
    if (last.name === name) last.labels.push(label);
    else rows.push({ name, part: 'group', labels: [label] });
  }
  return rows;
}

const article = (words) => `${/^[AEIOU]/.test(words) ? 'an' : 'a'} ${words}`;

let current = null; // the editor on view
on('edit', (edit) => current && current.edit === edit && current.update());

// The delay before the engine is asked about the values as they are.
const ASK_MS = 60;

// `answer`: the program's values as parameters() answers them ({ labels,
// values, writesAs }). `actions`: { parameters(bank, program), add(bankId,
// program, region, set, name), edited(found): the edited program's sound
// as the engine found it ({ sound, record }), or null for the program's
// own }. Answers { element }.
export function editor(bank, program, answer, actions) {
  const { labels } = answer;
  const base = numbersOf(answer.values);
  const format = ownFormat(answer.writesAs);
  const edit = editOf(bank.id, program);
  const cells = []; // { part, label, k, control, was, rounded, held, flag }
  // The values of what the edit keeps ({ source, set }: see state.js).
  const valuesOf = (now) => applySet(now.source ? now.source.values : base, labels, now.set);
  const values = () => valuesOf(edit.now);

  // One cell: the control, or the value alone where the format holds none of it.
  const cell = (part, label, k) => {
    const held = heldBy(format, part, label);
    const range = rangeOf(state.limits, part, label);
    const name = valueName(part, label);
    const c = { part, label, k, held, flag: Boolean(range && range.flag), was: element('span', { className: 'was' }),
      rounded: element('span', { className: 'rounded' }) };
    if (!held || !range) {
      c.control = element('span', { className: 'fixed', attrs: { 'aria-label': `${name}: not held` } });
      c.td = element('td', {}, c.control, element('span', { className: 'hint', textContent: ' not held' }));
    } else {
      c.control = c.flag
        ? element('input', { type: 'checkbox', attrs: { role: 'switch', 'aria-label': name }, dataset: { key: `${part} ${label}` } })
        : element('input', { type: 'number', min: held.min, max: held.max, step: held.step, className: 'value',
          attrs: { 'aria-label': name, inputmode: 'numeric' }, dataset: { key: `${part} ${label}` } });
      // A value is taken as it is typed, so that a button clicked while
      // the field still has the keyboard acts on it; said when the field
      // is left.
      if (!c.flag) c.control.addEventListener('input', () => typing(c));
      c.control.addEventListener('change', () => typed(c));
      c.td = element('td', {}, c.control, c.was, c.rounded);
    }
    cells.push(c);
    return c.td;
  };

  const rows = rowsOf(labels);
  const table = element('table', { className: 'values edit' },
    element('caption', { className: 'visually-hidden', textContent: 'The program’s values: group A beside group B' }),
    element('thead', {}, element('tr', {}, element('th', { scope: 'col', textContent: 'Value' }),
      element('th', { scope: 'col', textContent: 'Group A' }), element('th', { scope: 'col', textContent: 'Group B' }))),
    ...rows.map((row) => element('tbody', {}, element('tr', { className: 'section' }, element('th', { scope: 'colgroup', colSpan: 3, textContent: row.name })),
      ...row.labels.map((label) => {
        const k = labels[row.part].indexOf(label);
        const tr = element('tr', {}, element('th', { scope: 'row', textContent: label }));
        if (row.part === 'program') tr.append(Object.assign(cell('program', label, k), { colSpan: 2 }));
        else tr.append(cell('a', label, k), cell('b', label, k));
        return tr;
      }))));

  // A value typed or stepped: taken when it is a whole number in its range
  // (the format's rounding is the engine's, and is shown when it answers).
  const valueOf = (c) => {
    const value = c.flag ? Number(c.control.checked) : Number(c.control.value);
    const range = rangeOf(state.limits, c.part, c.label);
    return c.control.value !== '' && Number.isInteger(value) && value >= range.min && value <= range.max ? value : null;
  };
  const setWords = (c, value) => `${c.label} of ${GROUP_WORDS[c.part]} set to ${value}`
    + `${value === base[c.part][c.k] ? ' (as it was)' : ` (was ${base[c.part][c.k]})`}.`;
  // The value being typed, taken at each keystroke that makes one (a run of
  // them is one change for Undo); `typed.cell`: the field it was typed in.
  let typedIn = null;
  function typing(c) {
    if (before.held()) return update();
    const value = valueOf(c);
    const now = values();
    if (value === null || value === now[c.part][c.k]) return;
    now[c.part][c.k] = value;
    typedIn = c;
    change(now, `type ${c.part} ${c.label}`, '');
  }
  // What was said last of a value taken as its field was left, a moment
  // before a button's click: the button's words follow it.
  let taken = { words: '', at: 0 };
  function typed(c) {
    if (before.held()) return update();
    const now = values();
    const value = valueOf(c);
    const wasTyping = typedIn === c;
    typedIn = null;
    if (value === null) {
      const range = rangeOf(state.limits, c.part, c.label);
      say('program', `${c.label} of ${GROUP_WORDS[c.part]} takes whole numbers from ${range.min} to ${range.max}; it stays ${now[c.part][c.k]}.`);
      c.control.value = String(now[c.part][c.k]);
      return;
    }
    if (value === now[c.part][c.k]) {
      if (wasTyping) {
        taken = { words: setWords(c, value), at: performance.now() };
        say('program', taken.words);
      }
      return;
    }
    now[c.part][c.k] = value;
    change(now, 'value', setWords(c, value));
  }
  // Words said by a button, after those of the value taken as it was clicked.
  const afterTaken = (words) => {
    const recent = performance.now() - taken.at < 1000 ? `${taken.words} ` : '';
    taken = { words: '', at: 0 };
    return `${recent}${words}`;
  };

  function change(next, kind, words, source = edit.now.source) {
    changeEdit(edit, { source, set: setOf(source ? source.values : base, labels, next) }, kind);
    if (words) say('program', words);
  }

  const undoButton = button('Undo', () => step('undo'), { dataset: { key: 'undo' } });
  const redoButton = button('Redo', () => step('redo'), { dataset: { key: 'redo' } });
  const revertButton = button('Revert', () => change(base, 'revert', 'Every value is as the bank holds it again.', null), { dataset: { key: 'revert' } });
  function step(way) {
    if (!stepEdit(edit, way)) return;
    const now = values();
    const changed = PARTS.reduce((n, part) => n + now[part].filter((v, k) => v !== base[part][k]).length, 0);
    say('program', `${way === 'undo' ? 'Undone' : 'Redone'}: ${changed ? `${changed} ${changed === 1 ? 'value differs' : 'values differ'} from the bank’s` : 'every value is the bank’s'}.`);
  }
  const groups = format.groups === 2;
  const copyButtons = groups ? ['a', 'b'].map((from) => {
    const [source, target] = from === 'a' ? ['A', 'B'] : ['B', 'A'];
    return button(`Copy group ${source} to ${target}`, () => change(copiedGroup(values(), labels, state.limits, format, from), 'copy',
      `Group ${source}’s values copied to group ${target}.`), { dataset: { key: `copy ${from}` } });
  }) : [];

  const randomize = randomizer(rows, (amount, chosen) => {
    const taken = new Set(rows.filter((r) => chosen.includes(r.name)).flatMap((r) => r.labels.map((l) => `${r.part} ${l}`)));
    change(randomized(values(), labels, state.limits, format, amount / 100, (part, label) => taken.has(`${partOf(part)} ${label}`)), 'randomize',
      `Randomized by ${amount} %: ${chosen.join(', ')}.`);
  });
  // A blend moves the values from what they were when it began; from half
  // way on, the edited program is written from the other's record (its
  // bits that no value shows go with its switches).
  const blend = blender(bank, program, edit, actions.parameters, (other, amount) => {
    const to = numbersOf(other.values);
    const from = edit.last === 'blend' ? edit.from : edit.now;
    const self = other.pick.bankId === bank.id && other.pick.program === program;
    const source = amount < 50 ? from.source : self ? null : { ...other.pick, values: to };
    change(blended(valuesOf(from), to, labels, state.limits, format, amount / 100), 'blend', '', source);
  });

  const copyFrom = copier({ bank, program, rows, labels, format, values, parameters: actions.parameters,
    apply: (next, words) => change(next, 'copy', words) });

  // The edited program into the new bank, under the name of one's own of
  // its sound, or else of the sound it was edited from.
  const ownName = () => (shown && markOf(shown.sound)?.name) || markOf(bank.summary.sounds[program])?.name || null;
  const [addButton, copyBankButton] = [button('Add the edited program to the new bank', () => {
    const { source, set } = edit.now;
    const before = afterTaken('');
    actions.add(source ? source.bankId : bank.id, source ? source.program : program, 'program', set, ownName());
    if (before) say('program', `${before}${document.getElementById('program-status').textContent}`);
  }, { dataset: { key: 'add edited' } }),
    button(`Add a copy of ${bank.name} with it`, async () => {
      const words = editsText(bank.id);
      say('program', afterTaken(`Writing a copy of ${bank.name} with ${words} as ${article(format.name)}…`));
      try {
        const { added, name, report } = await addBankCopy(bank, format);
        say('program', added ? `Added ${name} to the banks, as ${bank.name} with ${words} and its combis: ${report.text} `
          + 'Write as… and Send take it from there.' : 'The banks hold a bank with these bytes already.');
      } catch (error) {
        say('program', `The copy could not be written: ${error.message}`);
      }
    }, { dataset: { key: 'copy bank' } })];

  const notHeld = [...new Set(cells.filter((c) => !c.held && (c.part !== 'b' || groups)).map((c) => c.label))];
  const formatWords = element('p', { className: 'hint' }, answer.writesAs
    ? `The fields step by what this bank’s format keeps of each value (${article(format.name)}).`
    : `The fields step by what ${article(format.name)} keeps of each value: no format writes files like this bank.`,
  groups ? '' : ' It holds one group: group B is shown, not offered.',
  notHeld.length ? ` It does not hold ${notHeld.join(', ')}: shown, not offered.` : '');

  const element_ = element('div', { className: 'editor' },
    formatWords,
    element('div', { className: 'actions', attrs: { role: 'group', 'aria-label': 'Changes' } }, undoButton, redoButton, revertButton, ...copyButtons),
    element('div', { className: 'values-wrap', attrs: { role: 'region', 'aria-label': 'Program values' } }, table),
    randomize, blend.element, copyFrom, element('div', { className: 'actions' }, addButton, copyBankButton));
  // Before and after: the values as read while held.
  const before = beforeAfter(element_, (asRead) => {
    table.classList.toggle('as-read', asRead);
    update();
    say('program', asRead ? 'Shown as the bank holds them, before the edits; let go for the edited values.' : 'The edited values are shown.');
  });
  element_.querySelector('.actions').append(before.button);
  element_.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
    const key = event.key.toLowerCase();
    if (key !== 'z' && key !== 'y') return;
    event.preventDefault();
    step(key === 'y' || event.shiftKey ? 'redo' : 'undo');
  });

  // What the engine answered last for the values: { sound, record, rounded }.
  let shown = null;
  let timer = 0;
  function ask() {
    clearTimeout(timer);
    const now = edit.now;
    if (!edited(edit)) {
      shown = null;
      actions.edited(null);
      markRounded([]);
      return;
    }
    const source = now.source ? bankById(now.source.bankId) : bank;
    if (!source) {
      say('program', 'The bank of the program blended with was removed: Undo or Revert the blend.');
      return;
    }
    timer = setTimeout(() => editedSound(source, now.source ? now.source.program : program, now.set, format).then((found) => {
      if (edit.now !== now || current?.edit !== edit) return;
      shown = found;
      markRounded(found.rounded);
      actions.edited(found);
    }, (error) => edit.now === now && say('program', `The edited program could not be written (${error.message}).`)), ASK_MS);
  }
  function markRounded(rounded) {
    for (const c of cells) {
      const r = rounded.find((x) => x.part === c.part && x.label === c.label);
      put(c.rounded, 'textContent', r ? ` written as ${r.written}` : '');
    }
  }

  // Brings the controls to the values: only what changed is written.
  function update() {
    const now = before.held() ? base : values();
    for (const c of cells) {
      const value = now[c.part][c.k];
      const was = base[c.part][c.k];
      if (!c.held) put(c.control, 'textContent', String(value));
      else if (c.flag) put(c.control, 'checked', value === 1);
      else if (c.control.value === '' || Number(c.control.value) !== value) c.control.value = String(value);
      put(c.was, 'textContent', value === was ? '' : ` was ${was}`);
      c.td.classList.toggle('changed', value !== was);
    }
    put(undoButton, 'disabled', !edit.undo.length);
    put(redoButton, 'disabled', !edit.redo.length);
    for (const control of [revertButton, addButton]) put(control, 'disabled', !edited(edit));
    put(copyBankButton, 'disabled', !hasEdits(bank.id));
    blend.update();
    ask();
  }

  current = { edit, update };
  update();
  return { element: element_ };
}

// Randomize: how far (1 to 100 %) and over which rows.
function randomizer(rows, act) {
  const amount = element('input', { type: 'number', id: 'random-amount', min: 1, max: 100, step: 1, value: state.randomize.amount,
    attrs: { inputmode: 'numeric' } });
  const boxes = rows.map((row) => {
    const box = element('input', { type: 'checkbox', checked: state.randomize.rows.includes(row.name), dataset: { row: row.name } });
    return element('label', { className: 'check' }, box, element('span', { textContent: row.name }));
  });
  const chosen = () => boxes.map((b) => b.firstChild).filter((b) => b.checked).map((b) => b.dataset.row);
  const go = button('Randomize', () => {
    const value = Number(amount.value);
    if (!Number.isInteger(value) || value < 1 || value > 100) {
      say('program', 'Randomize takes an amount from 1 to 100 %.');
      amount.focus();
      return;
    }
    if (!chosen().length) {
      say('program', 'Choose the rows to randomize.');
      return;
    }
    chooseRandomize({ amount: value, rows: chosen() });
    act(value, chosen());
  }, { className: 'main' });
  return element('details', { className: 'tool' }, element('summary', { textContent: 'Randomize' }),
    element('fieldset', { className: 'field' }, element('legend', { textContent: 'Rows to randomize' }), ...boxes),
    element('p', { className: 'field' }, element('label', { htmlFor: 'random-amount', textContent: 'Amount (%)' }), amount, go));
}

// Blend: another program (a bank and its number) and how far towards it.
function blender(bank, program, edit, parametersOf, act) {
  const bankChoice = element('select', { id: 'blend-bank' });
  const number = element('input', { type: 'number', id: 'blend-program', min: 0, step: 1, attrs: { inputmode: 'numeric' } });
  const slider = element('input', { type: 'range', id: 'blend-amount', min: 0, max: 100, step: 1, value: 0 });
  const output = element('output', { htmlFor: 'blend-amount', textContent: '0 %' });
  const details = element('details', { className: 'tool' }, element('summary', { textContent: 'Blend with another program' }),
    element('p', { className: 'field' }, element('label', { htmlFor: 'blend-bank', textContent: 'Bank' }), bankChoice),
    element('p', { className: 'field' }, element('label', { htmlFor: 'blend-program', textContent: 'Program' }), number),
    element('p', { className: 'field' }, element('label', { htmlFor: 'blend-amount', textContent: 'Blend' }), slider, output));
  const pick = () => edit.blendWith || { bankId: bank.id, program: (program + 1) % bank.summary.programs };
  // The banks are listed when the blend is opened: a thousand of them cost.
  details.addEventListener('toggle', () => {
    if (!details.open) return;
    const banks = state.banks.filter(readable);
    bankChoice.replaceChildren(...banks.map((b) => element('option', { value: b.id, textContent: b.name })));
    update();
  });
  const choose = () => {
    const other = bankById(bankChoice.value);
    const p = Number(number.value);
    if (!other || !Number.isInteger(p) || p < 0 || p >= other.summary.programs) {
      say('program', `${other ? other.name : 'The bank'} has programs 0 to ${other ? other.summary.programs - 1 : 0}.`);
      return;
    }
    blendWith(edit, { bankId: other.id, program: p });
    say('program', `Blending with ${where(other, p)}.`);
  };
  bankChoice.addEventListener('change', () => {
    number.value = '0';
    choose();
  });
  number.addEventListener('change', choose);
  let values = null; // the other program's values, once asked
  const shownAmount = (amount) => {
    output.textContent = `${amount} %`;
    slider.setAttribute('aria-valuetext', `${amount} %`);
  };
  slider.addEventListener('input', () => {
    const amount = Number(slider.value);
    shownAmount(amount);
    const with_ = pick();
    const other = bankById(with_.bankId);
    const key = `${with_.bankId} ${with_.program}`;
    if (!other) say('program', 'The bank of the program to blend with was removed.');
    else if (values && values.key === key) act(values, amount);
    else {
      parametersOf(other, with_.program).then((answer) => {
        values = { ...answer, key, pick: with_ };
        const still = pick();
        if (`${still.bankId} ${still.program}` === key) act(values, Number(slider.value));
      }, (error) => say('program', `${where(other, with_.program)} cannot be blended with (${error.message}).`));
    }
  });
  const update = () => {
    const with_ = pick();
    if (details.open && bankChoice.value !== with_.bankId) bankChoice.value = with_.bankId;
    if (document.activeElement !== number) number.value = String(with_.program);
    const other = bankById(with_.bankId);
    if (other) number.max = other.summary.programs - 1;
    // A change that is not a blend step begins another blend, from 0 %.
    if (edit.last !== 'blend' && slider.value !== '0') {
      slider.value = '0';
      shownAmount(0);
    }
  };
  return { element: details, update };
}
