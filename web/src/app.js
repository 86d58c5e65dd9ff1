// The page: banks in, listings, descriptions, converted files and built
// banks out. Everything about the formats is the engine's; this module
// wires the views to the state and asks the engine (in a worker) for what
// they show.
import { setUpBuilder, addToNewBank, renderBuilder } from './builder-view.js';
import { forgetAll, forgetBank, keepBank, keepNewBank, keptBytes, loadCollection } from './collection.js';
import { convertAll, convertArgs, downloadZip, dropOutputs, fileArg, modelArgs, modelOption, rangeOptions, setUpOptions, validRange } from './convert.js';
import { button, download, numbered, plural, say } from './dom.js';
import { EngineClient } from './engine-client.js';
import { focusAfterRemoval, refreshBank, refreshReport, refreshSameSounds, renderFiles, setUpFilesView } from './files-view.js';
import { refreshFinder, setUpFinder } from './finder-view.js';
import { Instrument } from './midi.js';
import { renderProgram, setUpProgramView } from './program-view.js';
import { bankById, emit, formatByLetter, on, readable, state } from './state.js';

const $ = (id) => document.getElementById(id);
let ready = false;

const engine = new EngineClient($('engine-worker').textContent, (ok) => {
  if (!ok) say('The engine could not be started in this browser.');
  else if (!ready) start();
});

// ---- Banks -------------------------------------------------------------------

let nextId = 0;
function newId() {
  return `${Date.now().toString(36)}-${(++nextId).toString(36)}-${Math.random().toString(36).slice(2, 8)}`;
}

function entry(name, bytes, extra = {}) {
  return { id: newId(), name, bytes, size: bytes ? bytes.length : 0, summary: null, reports: null, listing: null, params: new Map(), outputs: [],
    problem: null, convertProblem: null, generation: 0, built: false, ...extra };
}

// A bank's bytes: in the page since it was given, or read again from the
// kept collection.
async function bytesOf(bank) {
  bank.bytes ??= await keptBytes(bank.id);
  if (!bank.bytes) throw new Error('its bytes are no longer kept in this browser');
  return bank.bytes;
}

function setSummary(bank, summary) {
  bank.summary = summary;
  bank.lowerNames = null;
  bank.reports = null;
  bank.listing = null;
  bank.params = new Map();
}

// What the bank holds, as the engine reads it with the model hint.
async function readBank(bank) {
  const generation = ++bank.generation;
  dropOutputs(bank);
  try {
    const summary = await engine.call('describe', bank.name, await bytesOf(bank),
      { model: modelOption(), parameters: false, conversions: false });
    if (generation !== bank.generation) return;
    setSummary(bank, summary);
    bank.problem = null;
  } catch (error) {
    if (generation !== bank.generation) return;
    bank.problem = bank.bytes ? `The engine stopped on this file (${error.message}). The other files are not affected; try this one again.`
      : 'The browser could not read this file. Try choosing it again.';
  }
  emit('bank', bank);
}

function sameBytes(a, b) {
  if (a.length !== b.length) return false;
  for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
  return true;
}

// Adds files (File objects, or { name, bytes }); the same file given again
// is noticed and not added twice.
async function addFiles(files, extra = {}) {
  const given = [...files];
  if (!given.length) return [];
  say(`Reading ${plural(given.length, 'file')}…`);
  const added = [];
  const repeated = [];
  for (const file of given) {
    let bytes;
    try {
      bytes = file instanceof Blob ? new Uint8Array(await file.arrayBuffer()) : file.bytes;
    } catch {
      const bank = entry(file.name, null, extra);
      bank.problem = 'The browser could not read this file. Try choosing it again.';
      state.banks.push(bank);
      continue;
    }
    // Kept banks whose bytes are not read yet are compared by name and size.
    const twin = state.banks.find((b) => b.bytes && sameBytes(b.bytes, bytes)) ||
      state.banks.find((b) => !b.bytes && b.name === file.name && b.size === bytes.length);
    if (twin) {
      repeated.push(`${file.name} is the same file as ${twin.name}`);
      continue;
    }
    const bank = entry(file.name, bytes, extra);
    state.banks.push(bank);
    added.push(bank);
  }
  emit('banks');
  await Promise.all(added.map(readBank));
  // Files that cannot be read are not kept for the next visit.
  for (const bank of added) if (readable(bank)) keep(() => keepBank(bank));
  const failed = added.filter((b) => !readable(b)).length;
  say(`${plural(added.length, 'file')} read${failed ? `, ${failed} failed` : ''}.`
    + (repeated.length ? ` ${repeated.join('; ')}, already loaded: not added again.` : ''));
  return added;
}

async function removeBank(bank) {
  bank.generation += 1;
  dropOutputs(bank);
  if (bank.receivedUrl) URL.revokeObjectURL(bank.receivedUrl);
  state.banks.splice(state.banks.indexOf(bank), 1);
  for (const key of ['shown', 'compared']) if (state[key] && state[key].bankId === bank.id) state[key] = null;
  keep(() => forgetBank(bank.id));
  emit('banks');
  emit('program');
  say(`Removed ${bank.name}.`);
  focusAfterRemoval();
}

async function removeAll() {
  if (!state.banks.length && !state.newBank.slots.length) return;
  if (!window.confirm('Remove every bank and the new bank from this page and from this browser’s memory?')) return;
  for (const bank of state.banks) {
    bank.generation += 1;
    dropOutputs(bank);
  }
  state.banks = [];
  state.newBank = { name: '', slots: [] };
  state.shown = state.compared = null;
  keep(forgetAll);
  emit('banks');
  emit('newBank');
  emit('program');
  say('All banks removed, from this page and from this browser.');
  $('choose').focus();
}

// ---- Answers asked for by the views ---------------------------------------

function optionsKey() {
  const { first, last, group } = rangeOptions();
  return `${state.settings.model}|${first}|${last}|${group}`;
}

// The chosen format's conversion report for a bank, or null while it is
// being asked for (or, with `cachedOnly`, when it is not known yet).
function report(bank, { cachedOnly = false } = {}) {
  const key = optionsKey();
  if (bank.reports && bank.reports.key === key) return bank.reports.list.find((r) => r.letter === state.settings.format) || null;
  if (cachedOnly || bank.reportsPending === key) return null;
  bank.reportsPending = key;
  (async () => {
    try {
      const answer = await engine.call('describe', bank.name, await bytesOf(bank),
        { model: modelOption(), parameters: false, conversions: true, ...rangeOptions() });
      if (answer.exitCode === 0) bank.reports = { key, list: answer.conversions };
    } catch {
      // The card keeps its placeholder; the next drawing asks again.
    }
    bank.reportsPending = null;
    if (bank.reports && bank.reports.key === optionsKey()) refreshReport(bank);
  })();
  return null;
}

async function listing(bank) {
  if (bank.listing !== null) return bank.listing;
  const result = await engine.call('run', [...modelArgs(), fileArg(bank.name)], { [bank.name]: await bytesOf(bank) });
  bank.listing = result.stdout;
  return bank.listing;
}

async function parameters(bank, program) {
  if (!bank.params.has(program)) {
    const answer = await engine.call('describe', bank.name, await bytesOf(bank),
      { model: modelOption(), parameters: [program], conversions: false });
    if (answer.exitCode !== 0 || !answer.parameters.length) throw new Error(answer.message || 'no such program');
    bank.params.set(program, { labels: answer.parameterLabels, values: answer.parameters[0] });
  }
  return bank.params.get(program);
}

// The new bank as the engine builds it: each source bank under its id. The
// last answer is kept: writing the bank that the builder has just reported
// on takes its bytes at once.
let lastComposed = { key: null, answer: null };

function composeKey(format) {
  return JSON.stringify([state.newBank, format, state.settings.model, state.settings.group]);
}

async function composeNewBank(format) {
  const key = composeKey(format);
  if (lastComposed.key === key) return lastComposed.answer;
  const banks = {};
  const programs = [];
  for (const slot of state.newBank.slots) {
    const bank = slot && bankById(slot.bankId);
    if (!slot) {
      programs.push(null);
      continue;
    }
    const name = `bank-${slot.bankId}`;
    if (bank && !(name in banks)) banks[name] = await bytesOf(bank);
    programs.push({ bank: name, program: slot.program, name: slot.name });
  }
  const answer = await engine.call('compose', { banks, programs, format, model: modelOption(), group: state.settings.group,
    bankName: state.newBank.name || undefined });
  if (answer.exitCode === 0) lastComposed = { key, answer };
  return answer;
}

// A name no loaded bank has: "New bank (2).syx" beside "New bank.syx".
function uniqueName(wanted) {
  const dot = wanted.lastIndexOf('.') > 0 ? wanted.lastIndexOf('.') : wanted.length;
  return numbered(wanted.slice(0, dot), wanted.slice(dot), (name) => state.banks.some((b) => b.name === name));
}

// Writes the new bank in the chosen format, offers it, and loads it like
// any other bank.
async function downloadNewBank() {
  const format = formatByLetter(state.settings.format);
  const answer = await composeNewBank(format.letter);
  if (answer.exitCode !== 0) {
    say(`The new bank cannot be written: ${answer.message}`);
    return;
  }
  const name = uniqueName(`${(state.newBank.name || 'New bank').trim() || 'New bank'}${format.extension}`);
  download(answer.bytes, name);
  await addFiles([{ name, bytes: answer.bytes }], { built: true });
  say(`New bank written as ${name} (${format.name}) and loaded: ${answer.report.text}`);
}

// ---- The instrument ------------------------------------------------------

// A received dump is a loaded bank like any other; its bytes as they came
// can be downloaded from its card.
// The format whose file is the instrument's dump, as the engine says.
const dumpFormat = () => state.formats.find((f) => f.dump);

let instrument = null;
function setUpInstrument() {
  const sysex = dumpFormat();
  instrument = new Instrument({
    say,
    received: (name, bytes) => addFiles([{ name: uniqueName(name), bytes }], { received: true }),
    dump: { ...sysex.dump, extension: sysex.extension },
  });
}

// The dump the tool's /S writes for the bank, with the page's model and range.
async function sysexDump(bank) {
  const { letter, extension } = dumpFormat();
  const outName = `send${extension}`;
  const result = await engine.call('run', convertArgs(bank, outName, letter), { [bank.name]: await bytesOf(bank) });
  if (result.exitCode !== 0 || !result.files[outName]) throw new Error('the dump could not be written');
  return { name: bank.name.replace(/(.)\.[^.]*$/, '$1') + extension, bytes: result.files[outName] };
}

function sendButton(bank) {
  return button('Send to instrument', () => {
    if (validRange()) instrument.send(bank.name, () => sysexDump(bank));
  }, { label: `Send to instrument: ${bank.name}` });
}

// ---- Keeping the collection ----------------------------------------------

let keeping = Promise.resolve();
let keptLine = '';
// Storage work runs one after another; a browser that keeps nothing says so
// once.
function keep(work) {
  keeping = keeping.then(work).catch((error) => {
    const line = `This browser does not keep the banks for this page (${error.message}): they are gone when it is closed.`;
    if (line !== keptLine) $('kept').textContent = keptLine = line;
  });
  return keeping;
}

let newBankTimer = null;
function keepNewBankSoon() {
  clearTimeout(newBankTimer);
  newBankTimer = setTimeout(() => keep(() => keepNewBank(state.newBank)), 200);
}

async function openCollection() {
  let kept;
  try {
    kept = await loadCollection();
  } catch (error) {
    $('kept').textContent = keptLine = `This browser does not keep the banks for this page (${error.message}): they are gone when it is closed.`;
    return;
  }
  for (const record of kept.banks) state.banks.push(entry(record.name, null, { id: record.id, size: record.size, summary: record.summary, built: record.built, order: record.order }));
  if (kept.newBank) state.newBank = kept.newBank;
  if (kept.banks.length) emit('banks');
  if (kept.newBank) emit('newBank');
  return kept.banks.length;
}

// ---- Wiring ------------------------------------------------------------------

const viewActions = {
  remove: removeBank,
  listing,
  report,
  parameters,
  say,
  show(bankId, program) {
    state.shown = { bankId, program };
    state.compared = null;
    emit('program', 'focus');
  },
  compare(bankId, program) {
    if (!state.shown) state.shown = { bankId, program };
    else state.compared = { bankId, program };
    emit('program', 'focus');
  },
  stopComparing() {
    state.compared = null;
    emit('program', 'focus');
  },
  close() {
    state.shown = state.compared = null;
    emit('program');
  },
  add: addToNewBank,
  compose: composeNewBank,
  download: downloadNewBank,
  cardExtras: (bank) => (readable(bank) ? [sendButton(bank)] : []),
};

on('banks', () => {
  lastComposed.key = null; // a source bank may have gone
  renderFiles();
  refreshSameSounds();
  refreshFinder();
  renderBuilder();
  $('remove-all').disabled = !state.banks.length && !state.newBank.slots.length;
  $('zip').disabled = !state.banks.some((b) => b.outputs.length);
});
on('bank', (bank) => {
  refreshBank(bank);
  $('zip').disabled = !state.banks.some((b) => b.outputs.length);
});
on('newBank', (focus) => {
  renderBuilder(focus);
  keepNewBankSoon();
  $('remove-all').disabled = !state.banks.length && !state.newBank.slots.length;
});
on('program', async (focus) => {
  await renderProgram();
  if (focus === 'focus' && !$('program').hidden) {
    $('program').scrollIntoView({ block: 'nearest' });
    $('program-title').focus();
  }
});

function settingsChanged(key) {
  if (key === 'model' && state.banks.length) {
    // The model decides how some files are read: read them again.
    say(`Reading ${plural(state.banks.length, 'bank')} again…`);
    Promise.all(state.banks.map(readBank)).then(() => {
      for (const bank of state.banks) if (readable(bank)) keep(() => keepBank(bank));
      emit('banks');
      emit('program');
      say(`${plural(state.banks.length, 'bank')} read again.`);
    });
    return;
  }
  for (const bank of state.banks) if (bank.card) refreshBank(bank);
  renderBuilder();
}

async function start() {
  ready = true;
  state.formats = await engine.call('formats');
  setUpOptions(settingsChanged);
  setUpFilesView(viewActions);
  setUpProgramView(viewActions);
  setUpFinder(viewActions);
  setUpBuilder(viewActions);
  setUpInstrument();
  const kept = await openCollection();
  renderBuilder();
  say(kept ? `Ready. ${plural(kept, 'bank')} kept from before.` : 'Ready. Drop bank files on the page, or choose them.');
}

$('choose').addEventListener('click', () => $('file-input').click());
$('file-input').addEventListener('change', () => {
  const files = [...$('file-input').files];
  $('file-input').value = '';
  if (ready) addFiles(files);
});

// Files dropped anywhere on the page are taken, never opened by the browser
// in place of the page.
for (const type of ['dragenter', 'dragover']) {
  document.addEventListener(type, (event) => {
    event.preventDefault();
    $('drop').classList.add('over');
  });
}
document.addEventListener('dragleave', (event) => {
  if (!event.relatedTarget) $('drop').classList.remove('over');
});
document.addEventListener('drop', (event) => {
  event.preventDefault();
  $('drop').classList.remove('over');
  if (ready && event.dataTransfer) addFiles(event.dataTransfer.files);
});

$('convert-form').addEventListener('submit', (event) => {
  event.preventDefault();
  convertAll({ engine, bytesOf, refresh: (bank) => emit('bank', bank) }).then(() => {
    $('zip').disabled = !state.banks.some((b) => b.outputs.length);
  });
});
$('zip').addEventListener('click', () => downloadZip(engine));
$('remove-all').addEventListener('click', removeAll);
say('Starting the engine…');
