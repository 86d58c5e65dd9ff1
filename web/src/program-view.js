// A program's values as a labelled table, group A beside group B, under the
// labels the listing uses; with a second program (from any bank) beside it,
// the values that differ are marked.
import { button, element } from './dom.js';
import { sameSoundText } from './files-view.js';
import { bankById, programName, state, where } from './state.js';

// { parameters(bank, program) -> promise of { labels, values }, add(bankId,
// program), close() }
let actions = null;
let section = null;

export function setUpProgramView(pageActions) {
  actions = pageActions;
  section = document.getElementById('program');
}

function title(pick) {
  const bank = bankById(pick.bankId);
  const name = programName(bank, pick.program);
  return `${where(bank, pick.program)}${name ? ` “${name}”` : ''}`;
}

// Draws the view for state.shown (and state.compared); hides it without one.
export async function renderProgram() {
  const picks = [state.shown, state.compared].filter((p) => p && bankById(p.bankId));
  if (!picks.length) {
    section.hidden = true;
    section.replaceChildren();
    return;
  }
  const wanted = picks.map((p) => `${p.bankId}/${p.program}`).join(' ');
  section.dataset.showing = wanted;
  let answers;
  try {
    answers = await Promise.all(picks.map((p) => actions.parameters(bankById(p.bankId), p.program)));
  } catch (error) {
    section.replaceChildren(element('p', { className: 'problem', textContent: `The program could not be shown (${error.message}).` }));
    section.hidden = false;
    return;
  }
  if (section.dataset.showing !== wanted) return; // a later choice is being drawn
  const { labels } = answers[0];
  const heading = element('h2', { id: 'program-title', textContent: picks.length === 2 ? 'Two programs compared' : 'Program' });
  const captions = picks.map((p, i) => {
    const same = sameSoundText(bankById(p.bankId), p.program);
    return element('p', { className: 'pick' },
      picks.length === 2 ? element('strong', { textContent: i === 0 ? 'First: ' : 'Second: ' }) : null, title(p), ' ',
      same ? element('span', { className: 'same', textContent: `(${same}) ` }) : null,
      button('Add to new bank', () => actions.add(p.bankId, p.program), { label: `Add to new bank: ${title(p)}` }));
  });

  const columns = [];
  answers.forEach((a, i) => {
    const suffix = picks.length === 2 ? (i === 0 ? ' (first)' : ' (second)') : '';
    columns.push({ head: `Group A${suffix}`, values: a.values.a, program: a.values.program });
    columns.push({ head: `Group B${suffix}`, values: a.values.b, program: a.values.program });
  });
  const rows = [];
  let differing = 0;
  const row = (label, cells) => {
    const differs = picks.length === 2 && cells.some((c, i) => c !== cells[i % 2]) ;
    if (differs) differing += 1;
    return element('tr', { className: differs ? 'differs' : '' },
      element('th', { scope: 'row' }, label, differs ? element('span', { className: 'visually-hidden', textContent: ' (differs)' }) : null),
      ...cells.map((c, i) => element('td', { className: differs && c !== cells[(i + 2) % 4] ? 'changed' : '', textContent: c })));
  };
  // Program values are shown once per program (in its group A column; the
  // group B column repeats them).
  labels.program.forEach((label, k) => {
    rows.push(row(label, columns.map((c) => c.program[k])));
  });
  labels.group.forEach((label, k) => {
    rows.push(row(label, columns.map((c) => c.values[k])));
  });
  const table = element('table', { className: 'values' },
    element('caption', { textContent: picks.length === 2 ? `${differing} of ${rows.length} values differ` : 'Values as the listing shows them' }),
    element('thead', {}, element('tr', {}, element('th', { scope: 'col', textContent: 'Value' }),
      ...columns.map((c) => element('th', { scope: 'col', textContent: c.head })))),
    element('tbody', {}, ...rows));
  const controls = element('p', { className: 'actions' },
    picks.length === 2 ? button('Stop comparing', () => actions.stopComparing()) : null,
    button('Close', () => actions.close()));
  section.replaceChildren(heading, ...captions,
    element('div', { className: 'table-wrap values-wrap', tabIndex: 0, attrs: { role: 'region', 'aria-label': 'Program values' } }, table),
    controls);
  section.hidden = false;
  section.setAttribute('aria-labelledby', 'program-title');
}
