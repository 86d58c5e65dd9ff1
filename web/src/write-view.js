// "Write as…": the chosen banks written in one format, with the range and
// group chosen here, and where the format keeps names, the names the
// collection knows for programs of files without them; what each file
// keeps, and whether it would read back as written, is said before it is
// written, then each file downloads on its own, or all of them in one ZIP.
import { count, download, element, formatOptions, notesBox, numbered, plural } from './dom.js';
import { failure, succeeded } from './engine-client.js';
import { say } from './layout.js';
import { readRange } from './range.js';
import { asEdited, editsText, hasEdits, roundedText } from './bank-edits.js';
import { changeSettings, distrust, formatByLetter, on, readable, runs, state, targets } from './state.js';
import { zipFiles } from './zip.js';

const ui = {};
let actions = null;
let banks = [];
let outputs = []; // { bank, name, bytes, url, letter }
let keepsRound = 0; // the latest drawing of what the files keep
let writeRound = 0; // the latest writing: a change of the choices ends the one before

// `pageActions`: { report(bank, options) -> promise of the conversion
// report, convert(bank, options, named) -> promise of the engine's answer,
// collectionNames(bank) -> { names, count } }
export function setUpWriteView(pageActions) {
  actions = pageActions;
  for (const id of ['write-dialog', 'write-form', 'format', 'format-facts', 'first', 'last', 'group', 'range-hint', 'write-keeps',
    'write-files', 'zip', 'write-close', 'write-names', 'write-names-field', 'write-edited', 'write-edited-field', 'write-edited-hint',
    'write-edited-text']) ui[id] = document.getElementById(id);
  on('ready', () => {
    ui.format.replaceChildren(...formatOptions(state.formats));
    for (const key of ['format', 'group']) ui[key].value = state.settings.write[key];
  });
  for (const key of ['format', 'first', 'last', 'group']) {
    ui[key].addEventListener('change', () => {
      changeSettings('write', { [key]: ui[key].value });
      dropOutputs();
      drawChoices();
      drawKeeps();
    });
  }
  ui['write-names'].addEventListener('change', () => {
    changeSettings('write', { names: ui['write-names'].checked });
    dropOutputs();
    drawKeeps();
  });
  ui['write-edited'].addEventListener('change', () => {
    dropOutputs();
    drawKeeps();
  });
  ui['write-form'].addEventListener('submit', (event) => {
    event.preventDefault();
    writeAll();
  });
  ui.zip.addEventListener('click', downloadZip);
  ui['write-close'].addEventListener('click', () => ui['write-dialog'].close());
}

export function openWrite() {
  banks = targets().filter(readable);
  if (!banks.length) return;
  dropOutputs();
  for (const key of ['format', 'first', 'last', 'group']) ui[key].value = state.settings.write[key];
  document.getElementById('write-title').textContent = banks.length === 1 ? `Write ${banks[0].name} as…` : `Write ${plural(banks.length, 'bank')} as…`;
  // Banks with edits are written as edited unless the person chooses them as read.
  const edited = banks.filter((bank) => hasEdits(bank.id));
  ui['write-edited-field'].hidden = !edited.length;
  ui['write-edited'].checked = true;
  ui['write-edited-text'].textContent = edited.length === 1 ? `Write ${edited[0].name} with its edits` : 'Write the banks with their edits';
  ui['write-edited-hint'].textContent = `${edited.map((bank) => `${bank.name} with ${editsText(bank.id)}`).join('; ')}. `
    + 'Without this, each bank is written as it was read.';
  say('write', '');
  drawChoices();
  ui['write-dialog'].showModal();
  drawKeeps();
}

const format = () => formatByLetter(state.settings.write.format);

// Which choices apply to the format, in the engine's words.
function drawChoices() {
  const f = format();
  ui.group.disabled = !f.group;
  ui.first.disabled = ui.last.disabled = !f.range;
  ui['format-facts'].textContent = `A ${f.name} holds up to ${plural(f.capacity, 'program')}`
    + `${f.names ? ' with their names' : ', without their names'}${f.range ? '' : '; it always holds the whole bank'}.`;
  ui['range-hint'].textContent = f.range ? 'Leave empty for the whole bank.' : 'This format always holds the whole bank.';
  ui['write-names-field'].hidden = !f.names;
  ui['write-names'].checked = state.settings.write.names;
}

// The edits a bank is written with (none: as read).
const editsOf = (bank) => (ui['write-edited'].checked ? asEdited(bank) : undefined);
const editedWords = (bank) => (editsOf(bank) ? `, with ${editsText(bank.id)}` : '');

// Whether the programs take the names from the collection.
const named = () => format().names && state.settings.write.names;

// The options of the engine for these choices, or null with the problem said.
function options() {
  const f = format();
  const range = f.range ? readRange(ui.first.value, ui.last.value, 'Programs to write') : {};
  ui.first.setAttribute('aria-invalid', String(range.field === 'first'));
  ui.last.setAttribute('aria-invalid', String(range.field === 'last'));
  if (range.problem) {
    say('write', range.problem);
    return null;
  }
  return { to: f.letter, first: range.first, last: range.last, group: f.group ? state.settings.write.group : undefined };
}

async function drawKeeps() {
  const mine = ++keepsRound;
  const asked = options();
  const lines = banks.map((bank) => element('li', { textContent: `${bank.name}: …` }));
  ui['write-keeps'].replaceChildren(...lines);
  if (!asked) return;
  for (const [i, bank] of banks.entries()) {
    let text;
    let loses = false;
    let notes = [];
    let doubtful = [];
    let rounded = [];
    try {
      // A bank as edited: what convert with its edits keeps, and the values
      // set that the format keeps otherwise.
      const edits = editsOf(bank);
      const answer = edits ? await actions.convert(bank, { ...asked, edits }, named()) : null;
      if (answer && !succeeded(answer)) throw new Error(failure(answer));
      const report = answer ? answer.keeps : await actions.report(bank, asked);
      rounded = report.rounded || [];
      text = report.text;
      loses = report.dropped.length > 0;
      notes = report.notes;
      doubtful = bank.summary.untrusted.filter((p) => p >= report.first && p < report.first + report.programs);
    } catch (error) {
      text = `not known (${error.message})`;
    }
    if (mine !== keepsRound) return;
    const names = named() ? actions.collectionNames(bank).count : 0;
    const combis = bank.built && !bank.summary.combis ? ' It holds no combis: a bank built here from programs has none.' : '';
    lines[i].replaceChildren(element('strong', { textContent: `${bank.name}${editedWords(bank)}: ` }), text, combis, roundedText(rounded),
      doubtful.length ? element('strong', { className: 'damage', textContent: ` ${doubtful.length === 1 ? 'Program' : 'Programs'} `
        + `${runs(doubtful)} ${distrust(bank)}; ${doubtful.length === 1 ? 'it is' : 'they are'} written as the file holds ${doubtful.length === 1 ? 'it' : 'them'}.` }) : '',
      names ? ` ${plural(names, 'program')} ${names === 1 ? 'takes its name' : 'take their names'} from the collection.` : '',
      notes.length ? notesBox(bank.name, notes, `${bank.name} would not read back as written`, true) : '');
    lines[i].classList.toggle('loses', loses || notes.length > 0 || doubtful.length > 0);
  }
}

function dropOutputs() {
  writeRound += 1;
  for (const output of outputs) URL.revokeObjectURL(output.url);
  outputs = [];
  ui['write-files'].replaceChildren();
  ui.zip.disabled = true;
}

async function writeAll() {
  const asked = options();
  if (!asked) {
    (ui.first.getAttribute('aria-invalid') === 'true' ? ui.first : ui.last).focus();
    return;
  }
  dropOutputs();
  const mine = writeRound;
  const f = format();
  say('write', `Writing ${plural(banks.length, 'bank')} as ${f.name}…`);
  const used = new Set();
  const failed = [];
  for (const bank of banks) {
    let answer = null;
    let problem = null;
    try {
      answer = await actions.convert(bank, { ...asked, edits: editsOf(bank) }, named());
      if (!succeeded(answer)) problem = failure(answer);
    } catch (error) {
      problem = `the engine stopped on this bank (${error.message}); try again`;
    }
    if (mine !== writeRound) return;
    if (problem) {
      failed.push(bank);
      ui['write-files'].append(element('li', { className: 'problem', textContent: `${bank.name} was not written: ${problem}` }));
      continue;
    }
    // Each file under the engine's name for it, numbered when another has it.
    const name = numbered(answer.fileName, (n) => used.has(n.toLowerCase()));
    used.add(name.toLowerCase());
    const url = URL.createObjectURL(new Blob([answer.bytes], { type: 'application/octet-stream' }));
    outputs.push({ name, bytes: answer.bytes, url });
    ui['write-files'].append(element('li', {}, element('a', { href: url, download: name, textContent: `Download ${name}` }),
      ` (${count(answer.bytes.length)} bytes) from ${bank.name}${editedWords(bank)}`,
      answer.namesProblem ? element('span', { className: 'problem', textContent: `, without the names from the collection: ${answer.namesProblem}` }) : ''));
  }
  ui.zip.disabled = outputs.length === 0;
  say('write', `Converted ${plural(outputs.length, 'bank')} to ${f.name}${failed.length ? `; ${count(failed.length)} failed` : ''}.`);
}

async function downloadZip() {
  if (!outputs.length) return;
  const files = [...outputs];
  const f = format();
  say('write', 'Making the ZIP archive…');
  let zip;
  try {
    zip = await zipFiles(files);
  } catch (error) {
    say('write', `The ZIP archive could not be made (${error.message}); the files can still be downloaded one by one.`);
    return;
  }
  download(zip, `Banks as ${f.name}.zip`, 'application/zip');
  say('write', `ZIP archive of ${plural(files.length, 'file')} made.`);
}
