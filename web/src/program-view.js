// A program's values as a labelled table, group A beside group B, under the
// labels the listing uses; with a second program (from any bank) beside it,
// the values that differ are marked, and the table can show those alone.
import { button, element, whenSettled } from './dom.js';
import { sameSoundText } from './sounds.js';
import { bankById, closeProgram, on, programName, state, stopComparing, where } from './state.js';

const ui = {};
let actions = null;
let differencesOnly = false;

// `pageActions`: { parameters(bank, program) -> promise of { labels,
// values }, add(bankId, program, region) }
export function setUpProgramView(pageActions) {
  actions = pageActions;
  ui.view = document.getElementById('program-view');
  ui.title = document.getElementById('program-title');
  on('program', async (focus) => {
    await drawProgram();
    if (focus === 'focus') ui.title.focus();
  });
  // The same-sound marks follow the other banks once they have settled.
  const drawSoon = whenSettled(() => state.shown && drawProgram());
  on('banks', drawSoon);
  on('bank', drawSoon);
}

function title(pick) {
  const bank = bankById(pick.bankId);
  const name = programName(bank, pick.program);
  return `${where(bank, pick.program)}${name ? ` “${name}”` : ''}`;
}

let drawing = '';

// Draws the view for state.shown (and state.compared).
export async function drawProgram() {
  const picks = [state.shown, state.compared].filter((p) => p && bankById(p.bankId));
  const wanted = picks.map((p) => `${p.bankId}/${p.program}`).join(' ');
  drawing = wanted;
  if (!picks.length) {
    ui.title.textContent = 'Program';
    ui.view.replaceChildren(element('p', { className: 'hint', textContent: 'Choose a program in the Programs region to see its values; '
      + '“Compare” puts a second one beside it.' }));
    return;
  }
  let answers;
  try {
    answers = await Promise.all(picks.map((p) => actions.parameters(bankById(p.bankId), p.program)));
  } catch (error) {
    if (drawing !== wanted) return;
    ui.view.replaceChildren(element('p', { className: 'problem', textContent: `The program could not be shown (${error.message}).` }));
    return;
  }
  if (drawing !== wanted) return; // a later choice is being drawn
  const two = picks.length === 2;
  ui.title.textContent = two ? 'Two programs compared' : 'Program';
  const captions = picks.map((p, i) => {
    const bank = bankById(p.bankId);
    const same = sameSoundText(bank, p.program);
    return element('p', { className: 'pick' },
      two ? element('strong', { textContent: i === 0 ? 'First: ' : 'Second: ' }) : null, title(p), ' ',
      same ? element('span', { className: 'same', textContent: `(${same}) ` }) : null,
      button('Add to new bank', () => actions.add(p.bankId, p.program, 'program'), { className: 'quiet', label: `Add to new bank: ${title(p)}` }));
  });
  const { table, differing, total } = valuesTable(answers, two);
  const controls = element('p', { className: 'actions' },
    two ? button('Stop comparing', () => stopComparing(), { className: 'quiet' }) : null,
    button('Close', () => closeProgram(), { className: 'quiet' }));
  let filter = null;
  if (two) {
    const box = element('input', { type: 'checkbox', checked: differencesOnly });
    box.addEventListener('change', () => {
      differencesOnly = box.checked;
      table.classList.toggle('differences-only', differencesOnly);
    });
    filter = element('label', { className: 'check' }, box, element('span', { textContent: 'Only the values that differ' }));
  }
  table.classList.toggle('differences-only', two && differencesOnly);
  ui.view.replaceChildren(...[...captions, filter, two ? element('p', { textContent: `${differing} of ${total} values differ` }) : null,
    element('div', { className: 'values-wrap', tabIndex: 0, attrs: { role: 'region', 'aria-label': 'Program values' } }, table),
    controls].filter(Boolean));
}

// The table of values: for each program its group A and group B column;
// program values are shown once per program (in its group A column; the
// group B column repeats them).
function valuesTable(answers, two) {
  const { labels } = answers[0];
  const columns = [];
  answers.forEach((a, i) => {
    const which = two ? (i === 0 ? 'First' : 'Second') : 'Group';
    columns.push({ head: `${which} A`, values: a.values.a, program: a.values.program });
    columns.push({ head: `${which} B`, values: a.values.b, program: a.values.program });
  });
  let differing = 0;
  const row = (label, cells) => {
    const differs = two && cells.some((c, i) => c !== cells[i % 2]);
    if (differs) differing += 1;
    return element('tr', { className: differs ? 'differs' : '' },
      element('th', { scope: 'row' }, label, differs ? element('span', { className: 'visually-hidden', textContent: ' (differs)' }) : null),
      ...cells.map((c, i) => element('td', { className: differs && c !== cells[(i + 2) % 4] ? 'changed' : '', textContent: c })));
  };
  const rows = [...labels.program.map((label, k) => row(label, columns.map((c) => c.program[k]))),
    ...labels.group.map((label, k) => row(label, columns.map((c) => c.values[k])))];
  const table = element('table', { className: 'values' },
    element('caption', { className: 'visually-hidden', textContent: two ? 'The two programs’ values' : 'Values as the listing shows them' }),
    element('thead', {}, element('tr', {}, element('th', { scope: 'col', textContent: 'Value' }),
      ...columns.map((c) => element('th', { scope: 'col', textContent: c.head })))),
    element('tbody', {}, ...rows));
  return { table, differing, total: rows.length };
}
