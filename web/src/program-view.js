// A program's values under the labels the listing uses, group A beside
// group B, as controls that edit them (program-editor.js), and its sound
// (sound-view.js), the edited program's once it is edited; with a second
// program (from any bank) beside it, a table of the two, where the values
// that differ are marked, and the table can show those alone. A 2.V
// program beside the PPG program it holds a group of is compared as a 2.V
// bank keeps it. The view is made when another program is shown; when the
// banks or the marks change, what depends on them is brought up to date
// in place.
import { button, element, keepingFocus, redraw, whenSettled } from './dom.js';
import { editOf, programEdited } from './bank-edits.js';
import { editor } from './program-editor.js';
import { applySet, numbersOf } from './value-sets.js';
import { heldOnlyBy, linkBetween } from './links.js';
import { soundSection } from './sound-view.js';
import { indexed, knownAs, namesOfProgram, sameSoundText, whenIndexed } from './sound-index.js';
import { bankById, closeProgram, distrust, on, programName, state, stopComparing, untrusted, where } from './state.js';

const ui = {};
let actions = null;
let differencesOnly = false;

// `pageActions`: { parameters(bank, program) -> promise of { labels,
// values }, add(bankId, program, region), and those of soundSection }
export function setUpProgramView(pageActions) {
  actions = pageActions;
  ui.view = document.getElementById('program-view');
  ui.title = document.getElementById('program-title');
  on('program', async (focus) => {
    await drawProgram();
    if (focus === 'focus') ui.title.focus();
  });
  // What follows the other banks, once they have settled.
  const drawSoon = whenSettled(() => whenIndexed(() => state.shown && drawProgram()));
  on('banks', drawSoon);
  on('bank', drawSoon);
  on('marks', () => state.shown && drawProgram());
}

function title(pick, compared = false) {
  const bank = bankById(pick.bankId);
  const name = programName(bank, pick.program);
  return `${where(bank, pick.program)}${name ? ` “${name}”` : ''}${compared && programEdited(pick.bankId, pick.program) ? ', as edited' : ''}`;
}

// Where a bank holds no names: the name the program is known by.
function known(bank, program) {
  const first = bank.summary.holdsNames ? null : namesOfProgram(bank, program)[0];
  return first ? element('span', { className: 'known', textContent: ` (${knownAs(first)})` }) : null;
}

// A 2.V program beside the PPG program it holds a group of: "Group B of
// demo23.syx, program 5 is identical in studio.fxb, program 5, as a Waldorf
// 2.V bank keeps it: KEYB-SPLIT and group A are not kept there, and KEYB is
// held otherwise." What a 2.V bank does not hold is the engine's (its
// formats of one group); what it holds otherwise, the values shown that
// differ all the same.
function linkSentence(pairs, answers) {
  const link = linkBetween(pairs[0], pairs[1]);
  if (!link) return null;
  const [p, v] = link.holder ? [0, 1] : [1, 0];
  const [ppg, twoV] = [pairs[p], pairs[v]];
  const notHeld = [...new Set(state.formats.filter((f) => f.groups === 1).flatMap((f) => f.valuesNotHeld))];
  const { labels } = answers[p];
  const [mine, theirs] = [answers[p].values, answers[v].values];
  const group = link.group === 'B' ? mine.b : mine.a;
  const otherwise = [...labels.program.filter((label, k) => mine.program[k] !== theirs.program[k]),
    ...labels.group.filter((label, k) => group[k] !== theirs.a[k])].filter((label) => !notHeld.includes(label));
  if (link.group !== 'A and B') notHeld.push(`group ${link.group === 'A' ? 'B' : 'A'}`);
  const words = (list) => (list.length > 1 ? `${list.slice(0, -1).join(', ')} and ${list.at(-1)} are` : `${list[0]} is`);
  return `${link.group === 'A and B' ? 'Groups A and B' : `Group ${link.group}`} of ${where(ppg.bank, ppg.program)} `
    + `${link.group === 'A and B' ? 'are' : 'is'} identical in ${where(twoV.bank, twoV.program)}, as a ${twoV.bank.summary.modelName} bank keeps `
    + `${link.group === 'A and B' ? 'them' : 'it'}: ${words(notHeld)} not kept there${otherwise.length ? `, and ${words(otherwise)} held otherwise` : ''}.`;
}

// Two programs of the same PPG program record that are not the same sound.
function recordSentence(pairs) {
  const [a, b] = pairs.map(({ bank, program }) => ({ record: bank.summary.records[program], sound: bank.summary.sounds[program] }));
  return a.record === b.record && a.sound !== b.sound ? `The PPG holds these the same; they differ in ${heldOnlyBy(pairs)}.` : null;
}

// What is drawn: the programs and the answers they were drawn from.
let drawn = { key: null, summaries: [], refresh: () => {} };
let drawing = '';

// Draws the view for state.shown (and state.compared), or brings the one
// drawn up to date.
export async function drawProgram() {
  const picks = [state.shown, state.compared].filter((p) => p && bankById(p.bankId));
  const summaries = picks.map((p) => bankById(p.bankId).summary);
  const wanted = picks.map((p) => `${p.bankId}/${p.program}`).join(' ');
  if (wanted === drawn.key && summaries.every((s, i) => s === drawn.summaries[i])) {
    drawn.refresh();
    return;
  }
  drawing = wanted;
  if (!picks.length) {
    drawn = { key: '', summaries: [], refresh: () => {} };
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
    drawn = { key: '', summaries: [], refresh: () => {} };
    ui.view.replaceChildren(element('p', { className: 'problem', textContent: `The program could not be shown (${error.message}).` }));
    return;
  }
  if (drawing !== wanted) return; // a later choice is being drawn
  const two = picks.length === 2;
  ui.title.textContent = two ? 'Two programs compared' : 'Program';
  const pairs = picks.map((p) => ({ bank: bankById(p.bankId), program: p.program }));
  // What depends on the other banks: the names the programs are known by,
  // their same sounds, how two are linked.
  const captions = element('div');
  const comparison = element('div');
  const drawCaptions = () => redraw(captions, pairs.map(({ bank, program }, i) => {
    const all = indexed();
    const same = all ? sameSoundText(bank, program) : '';
    return element('p', { className: 'pick' },
      two ? element('strong', { textContent: i === 0 ? 'First: ' : 'Second: ' }) : null, title(picks[i], two), all ? known(bank, program) : null, ' ',
      same ? element('span', { className: 'same', textContent: `(${same}) ` }) : null,
      untrusted(bank, program) ? element('strong', { className: 'damage', textContent: `This program ${distrust(bank)}. ` }) : null,
      button('Add to new bank', () => actions.add(bank.id, program, 'program'),
        { className: 'quiet', label: `Add to new bank: ${title(picks[i])}`, dataset: { key: `add ${i}` } }));
  }));
  // Two programs are compared as edited.
  const asEdited = (pick, answer) => {
    if (!programEdited(pick.bankId, pick.program)) return answer;
    const { now } = editOf(pick.bankId, pick.program);
    return { ...answer, values: applySet(now.source ? now.source.values : numbersOf(answer.values), answer.labels, now.set) };
  };
  const { table, differing, total } = two ? valuesTable(answers.map((answer, i) => asEdited(picks[i], answer))) : {};
  const drawComparison = () => {
    if (!two || !indexed()) return;
    const linked = linkSentence(pairs, answers);
    const record = recordSentence(pairs);
    redraw(comparison, [element('p', { className: linked ? 'linked' : '', textContent: linked || `${differing} of ${total} values differ` }),
      record ? element('p', { className: 'same', textContent: record }) : null]);
  };
  const controls = element('p', { className: 'actions' },
    two ? button('Stop comparing', () => stopComparing(), { className: 'quiet' }) : null,
    button('Close', () => closeProgram(), { className: 'quiet' }));
  let filter = null;
  let values;
  if (two) {
    const box = element('input', { type: 'checkbox', checked: differencesOnly });
    box.addEventListener('change', () => {
      differencesOnly = box.checked;
      table.classList.toggle('differences-only', differencesOnly);
    });
    filter = element('label', { className: 'check' }, box, element('span', { textContent: 'Only the values that differ' }));
    table.classList.toggle('differences-only', differencesOnly);
    values = element('div', { className: 'values-wrap', tabIndex: 0, attrs: { role: 'region', 'aria-label': 'Program values' } }, table);
  }
  // One program: its values edited, and the sound of the program as edited.
  let sound = null;
  const soundBox = element('div');
  if (!two) {
    const { bank, program } = pairs[0];
    let edited = null;
    const drawSound = () => {
      sound = soundSection(bank, program, actions, edited);
      keepingFocus(soundBox, () => soundBox.replaceChildren(sound.section));
    };
    drawSound();
    values = editor(bank, program, answers[0], { ...actions, edited: (found) => {
      if ((found && found.sound) === (edited && edited.sound)) return;
      edited = found;
      drawSound();
    } }).element;
  }
  const refresh = () => {
    drawCaptions();
    drawComparison();
    sound?.update();
  };
  drawCaptions();
  drawComparison();
  drawn = { key: wanted, summaries, refresh };
  if (!indexed()) whenIndexed(() => drawn.refresh === refresh && refresh());
  // Drawn again for the same program (its bank read again), a field being
  // typed in keeps the keyboard and the text.
  keepingFocus(ui.view, () => ui.view.replaceChildren(...[captions, filter, comparison, values, two ? null : soundBox, controls].filter(Boolean)));
}

// The table of two programs' values: for each its group A and group B
// column; program values are shown once per program (in its group A
// column; the group B column repeats them).
function valuesTable(answers) {
  const { labels } = answers[0];
  const columns = [];
  answers.forEach((a, i) => {
    const which = i === 0 ? 'First' : 'Second';
    columns.push({ head: `${which} A`, values: a.values.a, program: a.values.program });
    columns.push({ head: `${which} B`, values: a.values.b, program: a.values.program });
  });
  let differing = 0;
  const row = (label, cells) => {
    const differs = cells.some((c, i) => c !== cells[i % 2]);
    if (differs) differing += 1;
    return element('tr', { className: differs ? 'differs' : '' },
      element('th', { scope: 'row' }, label, differs ? element('span', { className: 'visually-hidden', textContent: ' (differs)' }) : null),
      ...cells.map((c, i) => element('td', { className: differs && c !== cells[(i + 2) % 4] ? 'changed' : '', textContent: c })));
  };
  const rows = [...labels.program.map((label, k) => row(label, columns.map((c) => c.program[k]))),
    ...labels.group.map((label, k) => row(label, columns.map((c) => c.values[k])))];
  const table = element('table', { className: 'values' },
    element('caption', { className: 'visually-hidden', textContent: 'The two programs’ values' }),
    element('thead', {}, element('tr', {}, element('th', { scope: 'col', textContent: 'Value' }),
      ...columns.map((c) => element('th', { scope: 'col', textContent: c.head })))),
    element('tbody', {}, ...rows));
  return { table, differing, total: rows.length };
}
