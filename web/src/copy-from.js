// Copy from another program: a group of any program of the collection (a
// bank and its number), or the rows chosen of it, into a group of the
// program edited; its own values (the Program row) where that row is
// chosen. The values are stepped as the editor steps them (what the
// bank's own format keeps of each); a value that format does not hold stays
// as it is. One change: one Undo takes it back.
import { element, button } from './dom.js';
import { say } from './layout.js';
import { blended, numbersOf } from './value-sets.js';
import { bankById, readable, state, where } from './state.js';

let made = 0;

// `rows`: the editor's rows ({ name, part, labels }); `values()`: the
// values as edited now; `parameters(bank, program)`: a program's values as
// describe answers them; `apply(next, words)`: the change made.
export function copier({ bank, program, rows, labels, format, values, parameters, apply }) {
  const id = (name) => `copy-${name}-${made}`;
  made += 1;
  const bankChoice = element('select', { id: id('bank') });
  const number = element('input', { type: 'number', id: id('program'), min: 0, step: 1, value: String((program + 1) % bank.summary.programs),
    attrs: { inputmode: 'numeric' } });
  const groups = format.groups === 2 ? ['A', 'B'] : ['A'];
  const choice = (name, label, options) => {
    const select = element('select', { id: id(name) }, ...options.map((g) => element('option', { value: g.toLowerCase(), textContent: `Group ${g}` })));
    return [select, element('p', { className: 'field' }, element('label', { htmlFor: select.id, textContent: label }), select)];
  };
  const [from, fromField] = choice('from', 'Its group to copy', ['A', 'B']);
  const [into, intoField] = choice('into', 'Into group of this program', groups);
  const boxes = rows.map((row) => element('input', { type: 'checkbox', checked: row.part === 'group', dataset: { row: row.name } }));
  const go = button('Copy', () => copy(), { className: 'main', dataset: { key: 'copy from' } });
  const details = element('details', { className: 'tool' }, element('summary', { textContent: 'Copy from another program' }),
    element('p', { className: 'field' }, element('label', { htmlFor: bankChoice.id, textContent: 'Bank to copy from' }), bankChoice),
    element('p', { className: 'field' }, element('label', { htmlFor: number.id, textContent: 'Program to copy from' }), number),
    fromField, intoField,
    element('div', { className: 'field rows', attrs: { role: 'group', 'aria-labelledby': id('rows') } },
      element('span', { id: id('rows'), className: 'legend', textContent: 'Rows to copy' }), ...boxes.map((box) => element('label', { className: 'check' }, box, element('span', { textContent: box.dataset.row })))),
    element('p', { className: 'actions' }, go));
  // The banks are listed when it is opened: a thousand of them cost.
  details.addEventListener('toggle', () => {
    if (!details.open) return;
    const chosen = bankChoice.value || bank.id;
    bankChoice.replaceChildren(...state.banks.filter(readable).map((b) => element('option', { value: b.id, textContent: b.name })));
    bankChoice.value = chosen;
  });

  async function copy() {
    const other = bankById(bankChoice.value);
    const p = Number(number.value);
    if (!other || !readable(other)) {
      say('program', 'Choose the bank to copy from.');
      return;
    }
    if (!Number.isInteger(p) || p < 0 || p >= other.summary.programs) {
      say('program', `${other.name} has programs 0 to ${other.summary.programs - 1}.`);
      number.focus();
      return;
    }
    const chosen = rows.filter((row, i) => boxes[i].checked);
    if (!chosen.length) {
      say('program', 'Choose the rows to copy.');
      return;
    }
    let answer;
    try {
      answer = await parameters(other, p);
    } catch (error) {
      say('program', `${where(other, p)} cannot be copied from (${error.message}).`);
      return;
    }
    const theirs = numbersOf(answer.values);
    const now = values();
    const target = into.value;
    // Their group put where it goes, stepped as this bank's format keeps it.
    const to = { program: theirs.program, a: now.a, b: now.b, [target]: theirs[from.value] };
    const stepped = blended(now, to, labels, state.limits, format, 1);
    const taken = new Set(chosen.flatMap((row) => row.labels.map((label) => `${row.part} ${label}`)));
    const next = Object.fromEntries(Object.entries(now).map(([part, list]) => [part, list.map((value, k) => {
      const row = part === 'program' ? 'program' : 'group';
      const label = labels[row][k];
      return (part === 'program' || part === target) && taken.has(`${row} ${label}`) ? stepped[part][k] : value;
    })]));
    const what = chosen.map((row) => row.name).join(', ');
    const changed = Object.keys(now).reduce((n, part) => n + now[part].filter((v, k) => v !== next[part][k]).length, 0);
    if (!changed) {
      say('program', `${what} of group ${from.value.toUpperCase()} of ${where(other, p)} ${chosen.length === 1 ? 'is' : 'are'} as here already.`);
      return;
    }
    apply(next, `Copied ${what} of group ${from.value.toUpperCase()} of ${where(other, p)} into group ${target.toUpperCase()}: `
      + `${changed === 1 ? '1 value' : `${changed} values`} changed.`);
  }
  return details;
}
