// Sending a bank to the instrument, in a dialog of its own that borrows
// nothing from the other choices of the page: the whole bank unless a range
// is chosen here. Before anything is sent it says what lands in which slot,
// repeats what is worth knowing about the bank, names the slots that would
// get programs the file cannot be trusted for (and sends them only when the
// person confirms exactly that), and says what the dump cannot carry, from
// the engine's report on the dump it writes; it can receive the
// instrument's memory first, kept in the collection.
import { count, element, notesBox, plural } from './dom.js';
import { failure, succeeded } from './engine-client.js';
import { say } from './layout.js';
import { cableTime } from './midi.js';
import { readRange } from './range.js';
import { asEdited, editsText, hasEdits, roundedText } from './bank-edits.js';
import { distrust, runs, state, untrusted } from './state.js';

const ui = {};
let actions = null;
let sending = null; // { bank, output, dump }: the bank on the way, and its dump once written
let round = 0;

// `pageActions`: { output(tell) -> the MIDI output or null, dump(bank, {
// first, last, edits }) -> promise of the engine's answer, receive(tell) -> promise of the kept
// bank or null, send(output, label, dump, tell) -> promise,
// cancelReceiving() }
export function setUpSendView(pageActions) {
  actions = pageActions;
  for (const id of ['send-dialog', 'send-form', 'send-title', 'send-whole', 'send-part', 'send-range-inputs', 'send-first', 'send-last',
    'send-plan', 'send-notes', 'send-drops', 'send-readback', 'send-time', 'send-backup', 'send-cancel', 'send-go', 'send-untrusted',
    'send-untrusted-field', 'send-untrusted-text', 'send-edited', 'send-edited-field', 'send-edited-text', 'send-edited-hint']) {
    ui[id] = document.getElementById(id);
  }
  ui['send-untrusted'].addEventListener('change', allowed);
  for (const id of ['send-whole', 'send-part', 'send-first', 'send-last', 'send-edited']) ui[id].addEventListener('change', plan);
  ui['send-part'].addEventListener('change', () => ui['send-first'].focus());
  ui['send-cancel'].addEventListener('click', () => ui['send-dialog'].close());
  ui['send-dialog'].addEventListener('close', () => {
    if (sending && sending.receiving) actions.cancelReceiving();
    if (sending && !sending.going) say('banks', 'Nothing was sent; the instrument’s memory is as it was.');
    sending = null;
  });
  ui['send-form'].addEventListener('submit', (event) => {
    event.preventDefault();
    go();
  });
}

// What happens is said in the dialog while it is open, else in the Banks
// region, where Send was pressed.
const tell = (text) => say(ui['send-dialog'].open ? 'send' : 'banks', text);

export async function openSend(bank) {
  const output = await actions.output((text) => say('banks', text));
  if (!output) return;
  sending = { bank, output, dump: null };
  ui['send-whole'].checked = true;
  ui['send-first'].value = ui['send-last'].value = '';
  ui['send-backup'].checked = false;
  ui['send-title'].textContent = `Send ${bank.name} to “${output.name}”?`;
  // A bank with edits is sent as edited unless the person chooses it as read.
  ui['send-edited-field'].hidden = !hasEdits(bank.id);
  ui['send-edited'].checked = true;
  ui['send-edited-text'].textContent = `Send it with its edits (${editsText(bank.id)})`;
  ui['send-edited-hint'].textContent = 'Without this, the bank is sent as it was read.';
  const notes = bank.summary.notes;
  ui['send-notes'].replaceChildren(notes.length ? notesBox(bank.name, notes, `Worth knowing about ${bank.name}`) : '');
  say('send', '');
  clearPlan();
  ui['send-dialog'].showModal();
  ui['send-cancel'].focus();
  await plan();
}

// The edits the bank is sent with (none: as read).
const editsOf = (bank) => (ui['send-edited'].checked ? asEdited(bank) : undefined);

// Slots a to b, in words.
const span = (word, a, b) => (a === b ? `${word} ${a}` : `${word}s ${a}–${b}`);

// What lands where, from the engine's report on the dump: the programs
// written fill the first slots in order (in runs of those the file holds
// wholly and of those it cannot be trusted for), then come the slots the
// format fills with the default program, then those it leaves blank.
// Programs asked for that the dump has no slot for are said too.
function landing(bank, keeps, range) {
  const lines = [];
  const edits = editsOf(bank);
  const edited = new Set(Object.keys(edits?.programs || {}).map(Number));
  let slot = 0;
  for (let k = 1; k <= keeps.programs; k++) {
    const doubtful = untrusted(bank, keeps.first + slot);
    if (k < keeps.programs && untrusted(bank, keeps.first + k) === doubtful) continue;
    lines.push(`${span('slot', slot, k - 1)}: ${span('program', keeps.first + slot, keeps.first + k - 1)} of ${bank.name}`
      + `${doubtful ? `, which ${distrust(bank)}` : ''}`);
    slot = k;
  }
  if (keeps.filled) {
    lines.push(`${span('slot', slot, slot + keeps.filled - 1)}: the default program`);
    slot += keeps.filled;
  }
  if (keeps.blank) lines.push(`${span('slot', slot, slot + keeps.blank - 1)}: left blank (zero bytes)`);
  const changed = [...edited].filter((p) => p >= keeps.first && p < keeps.first + keeps.programs);
  if (changed.length) lines.push(`as edited: ${changed.length === 1 ? 'program' : 'programs'} ${runs(changed)}`);
  if (keeps.combis) {
    const combis = Object.keys(edits?.combis || {}).length;
    lines.push(`${plural(keeps.combis, 'combi')} of ${bank.name}${combis ? `, ${count(combis)} of them as edited` : ''}: `
      + 'they take the place of the instrument’s combis');
  } else {
    // A dump without combis has programs where a Wave 2.3 keeps its combis.
    const withCombis = state.limits.models.find((m) => m.combis > 0);
    const over = keeps.slots > withCombis.programs ? ` with programs ${withCombis.programs}–${keeps.slots - 1}` : '';
    lines.push(`no combis: ${bank.name} holds none${bank.built ? ' (a bank built here from programs has none)' : ''}. `
      + `On a ${withCombis.name.replace(/^PPG /, '')} the dump overwrites the instrument’s combis${over}: receive its memory first to keep them`);
  }
  const wanted = Math.min(range.last ?? Infinity, bank.summary.programs - 1);
  const after = keeps.first + keeps.programs;
  if (after <= wanted) lines.push(`not sent: ${span('program', after, wanted)} of ${bank.name} (the dump has ${plural(keeps.slots, 'slot')})`);
  return lines;
}

// Nothing is said to land anywhere while nothing can be sent.
function clearPlan() {
  ui['send-untrusted-field'].hidden = true;
  ui['send-plan'].replaceChildren();
  ui['send-readback'].replaceChildren();
  ui['send-drops'].textContent = ui['send-time'].textContent = '';
}

async function plan() {
  if (!sending) return;
  const mine = ++round;
  const { bank } = sending;
  sending.dump = null;
  ui['send-go'].disabled = true;
  ui['send-range-inputs'].hidden = !ui['send-part'].checked;
  let range = {};
  if (ui['send-part'].checked) {
    range = readRange(ui['send-first'].value, ui['send-last'].value, 'Programs to send');
    ui['send-first'].setAttribute('aria-invalid', String(range.field === 'first'));
    ui['send-last'].setAttribute('aria-invalid', String(range.field === 'last'));
    if (range.problem) {
      say('send', range.problem);
      clearPlan();
      return;
    }
  }
  let answer = null;
  let problem = null;
  try {
    answer = await actions.dump(bank, { first: range.first, last: range.last, edits: editsOf(bank) });
    if (!succeeded(answer)) problem = failure(answer);
  } catch (error) {
    problem = `the engine stopped (${error.message})`;
  }
  if (mine !== round || !sending) return;
  if (problem) {
    say('send', `${bank.name} cannot be written as a dump: ${problem}`);
    clearPlan();
    return;
  }
  sending.dump = { name: answer.fileName, bytes: answer.bytes };
  const { keeps } = answer;
  ui['send-plan'].replaceChildren(...landing(bank, keeps, range).map((line) => element('li', { textContent: line })),
    keeps.rounded?.length ? element('li', { textContent: roundedText(keeps.rounded).trim() }) : '');
  // The slots that would get untrusted programs, confirmed for this plan alone.
  const slots = bank.summary.untrusted.filter((p) => p >= keeps.first && p < keeps.first + keeps.programs).map((p) => p - keeps.first);
  sending.untrusted = slots.length > 0;
  ui['send-untrusted'].checked = false;
  ui['send-untrusted-field'].hidden = !slots.length;
  ui['send-untrusted-text'].textContent = `${slots.length === 1 ? `Slot ${slots[0]} gets a program` : `Slots ${runs(slots)} get programs`} `
    + `that ${distrust(bank)}: send ${slots.length === 1 ? 'it' : 'them'} all the same`;
  ui['send-drops'].textContent = keeps.dropped.length ? `The dump cannot carry ${keeps.dropped.join('; ')}.`
    : carried(bank, keeps.programs, slots);
  ui['send-drops'].classList.toggle('problem', keeps.dropped.length > 0);
  ui['send-readback'].replaceChildren(keeps.notes.length
    ? notesBox(bank.name, keeps.notes, 'The dump would not read back as it is written', true) : '');
  ui['send-time'].textContent = `It overwrites the instrument’s whole program memory: programs there that are not saved elsewhere are lost. `
    + `The ${count(answer.bytes.length)} bytes take at least ${cableTime(answer.bytes.length)} on a MIDI cable.`;
  say('send', '');
  allowed();
}

// What the dump carries when it drops nothing: everything of the programs
// the file holds wholly, but only what was read of those it cannot be
// trusted for.
function carried(bank, programs, slots) {
  if (!slots.length) return 'The dump carries everything of these programs.';
  const doubtful = `what was read of programs that ${distrust(bank)}`;
  if (slots.length === programs) return `The dump carries only ${doubtful}.`;
  const whole = [];
  for (let slot = 0; slot < programs; slot++) if (!slots.includes(slot)) whole.push(slot);
  return `The dump carries everything of the programs for ${whole.length === 1 ? 'slot' : 'slots'} ${runs(whole)}; `
    + `for ${slots.length === 1 ? 'slot' : 'slots'} ${runs(slots)} only ${doubtful}.`;
}

// Overwrite is allowed once there is a dump to send, and where it would put
// untrusted programs into slots, once the person has confirmed that.
function allowed() {
  ui['send-go'].disabled = !sending || !sending.dump || (sending.untrusted && !ui['send-untrusted'].checked);
}

async function go() {
  const current = sending;
  if (!current || !current.dump || (current.untrusted && !ui['send-untrusted'].checked)) return;
  ui['send-go'].disabled = true;
  if (ui['send-backup'].checked) {
    current.receiving = true;
    const kept = await actions.receive(tell);
    current.receiving = false;
    if (sending !== current) return; // the dialog was closed meanwhile
    if (!kept) {
      say('send', 'Nothing was sent: the instrument’s memory was not received first. Receive it again, or send without it.');
      allowed();
      return;
    }
  }
  current.going = true;
  ui['send-dialog'].close();
  await actions.send(current.output, current.bank.name, current.dump, tell);
}
