// The page: banks in, listings, descriptions, converted files, built banks
// and dumps out. Everything about the formats is the engine's; this module
// starts the engine and the views, reads what is given, keeps the
// collection, and asks the engine for what the views show.
import { focusAfterRemoval, focusBank, placeOf, setUpBanksView } from './banks-view.js';
import { addToNewBank, setUpBuilder } from './builder-view.js';
import {
  allKept, forgetAll, forgetBank, keep, keepBank, keepChoices, keepNewBank, keptBytes, keptChoices, loadCollection, whenKeepingFails,
} from './collection.js';
import { download, fileBytes, numbered, plural } from './dom.js';
import * as engine from './engine-client.js';
import { say, setUpLayout } from './layout.js';
import { Instrument } from './midi.js';
import { setUpProgramView } from './program-view.js';
import { setUpProgramsView } from './programs-view.js';
import { openSend, setUpSendView } from './send-view.js';
import {
  addBank, addKept, bankById, compareProgram, engineReady, formatByLetter, keptNewBank, on, readable, removeBanks, removeEverything,
  nextReading, restoreBanks, setBytes, setFills, setModel, showProgram, state, updateBank,
} from './state.js';
import { openWrite, setUpWriteView } from './write-view.js';

const $ = (id) => document.getElementById(id);
const CANNOT_READ = 'The browser could not read this file. Try choosing it again.';

// ---- Keeping the collection ------------------------------------------------

whenKeepingFails((error) => {
  $('kept').textContent = `This browser does not keep the banks for this page (${error.message}): they are gone when it is closed.`;
});

// A bank's bytes: in the page since it was given, or read again from the
// kept collection.
async function bytesOf(bank) {
  if (!bank.bytes) setBytes(bank, await keptBytes(bank.id));
  if (!bank.bytes) throw new Error('its bytes are no longer kept in this browser');
  return bank.bytes;
}

// ---- Reading banks -----------------------------------------------------------

// What the bank holds, as the engine reads it with the model hint.
async function readBank(bank) {
  const generation = nextReading(bank);
  let changes;
  try {
    const summary = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: false, conversions: false });
    changes = { summary, problem: null };
  } catch (error) {
    changes = { problem: bank.bytes ? `The engine stopped on this file (${error.message}). The other files are not affected; try this one again.` : CANNOT_READ };
  }
  if (generation === bank.generation) updateBank(bank, changes);
}

// A digest of bytes, to find a bank with the same bytes quickly: the
// SHA-256 in hexadecimal, or where the browser offers none (a page served
// without https) a 32-bit FNV-1a with the length. Equal digests are
// confirmed byte by byte.
async function digestOf(bytes) {
  if (globalThis.crypto && crypto.subtle) {
    const hash = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
    return Array.from(hash, (b) => b.toString(16).padStart(2, '0')).join('');
  }
  let h = 0x811c9dc5;
  for (let i = 0; i < bytes.length; i++) h = Math.imul(h ^ bytes[i], 0x01000193);
  return `${bytes.length}-${(h >>> 0).toString(16)}`;
}

function sameBytes(a, b) {
  if (a.length !== b.length) return false;
  for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
  return true;
}

// The bank with these bytes, if one has them. Banks kept by an earlier
// version of the page have no digest: theirs is made when a file of their
// size comes.
async function twinOf(bytes, digest) {
  for (const bank of state.banks) {
    if (bank.size !== bytes.length) continue;
    const theirs = !bank.digest || bank.digest === digest ? await bytesOf(bank).catch(() => null) : null;
    if (!theirs) continue;
    if (!bank.digest) {
      updateBank(bank, { digest: await digestOf(theirs) });
      keep(() => keepBank(bank));
    }
    if (bank.digest === digest && sameBytes(theirs, bytes)) return bank;
  }
  return null;
}

// Adds files (File objects, or { name, bytes }), each read as soon as its
// bytes are there. The same file given again is noticed and not added
// twice; a received dump is always added, with a word when a bank has its
// bytes already. Answers the banks added.
async function addFiles(files, extra = {}) {
  say('banks', `Reading ${plural(files.length, 'file')}…`);
  const added = [];
  const repeated = [];
  const reads = [];
  for (const file of files) {
    const bytes = file instanceof Blob ? await fileBytes(file) : file.bytes;
    if (!bytes) {
      addBank(file.name, null, { problem: CANNOT_READ });
      continue;
    }
    const digest = await digestOf(bytes);
    const twin = await twinOf(bytes, digest);
    if (twin && !extra.received) {
      repeated.push(`${file.name} is the same file as ${twin.name}`);
      continue;
    }
    const bank = addBank(file.name, bytes, { ...extra, digest, sameAs: twin ? twin.name : null });
    added.push(bank);
    reads.push(readBank(bank));
  }
  await Promise.all(reads);
  // Files that cannot be read are not kept for the next visit.
  for (const bank of added) if (readable(bank)) keep(() => keepBank(bank));
  const failed = added.filter((b) => !readable(b)).length;
  say('banks', `${plural(added.length, 'file')} read${failed ? `, ${failed} failed` : ''}.`
    + (repeated.length ? ` ${repeated.join('; ')}, already loaded: not added again.` : ''));
  return added;
}

// Files given before the engine is ready wait, in the order given, and are
// read as soon as it is; files given later are read one batch after another.
const waiting = [];
let reading = Promise.resolve();

function give(files) {
  const list = [...files];
  if (!list.length) return;
  if (!state.ready) {
    waiting.push(...list);
    say('banks', `Starting… your ${plural(waiting.length, 'file')} will be read.`);
    return;
  }
  reading = reading.then(() => addFiles(list));
}

// ---- Removing, with Undo ---------------------------------------------------

// Banks go at once; the browser forgets them after their bytes are read,
// so that Undo can keep them again.
function remove(banks) {
  if (!banks.length) return;
  const place = placeOf(banks[0]);
  const undo = removeBanks(banks.map((b) => b.id));
  for (const bank of banks) {
    keep(async () => {
      await bytesOf(bank).catch(() => null);
      await forgetBank(bank.id);
    });
  }
  const names = banks.length === 1 ? banks[0].name : plural(banks.length, 'bank');
  say('banks', `Removed ${names}.`, {
    undo: () => {
      restoreBanks(undo);
      focusBank(undo.banks[0].bank);
      for (const { bank } of undo.banks) if (readable(bank)) keep(() => bank.bytes && keepBank(bank));
      return allKept().then(() => `${names} ${banks.length === 1 ? 'is' : 'are'} back.`);
    },
  });
  focusAfterRemoval(place);
}

async function removeAll() {
  if (!state.banks.length && !state.newBank.slots.length) return;
  if (!window.confirm('Remove every bank and the new bank from this page and from this browser’s memory?')) return;
  removeEverything();
  $('choose').focus();
  await keep(forgetAll);
  say('banks', 'All banks removed, from this page and from this browser.');
}

// ---- Answers asked for by the views ---------------------------------------

// Answers that depend only on a bank's summary are kept with it.
const cache = new WeakMap();
function cached(bank, key, make) {
  if (!cache.has(bank.summary)) cache.set(bank.summary, new Map());
  const answers = cache.get(bank.summary);
  if (!answers.has(key)) answers.set(key, make().catch((error) => {
    answers.delete(key);
    throw error;
  }));
  return answers.get(key);
}

const listing = (bank) => cached(bank, 'listing', async () => engine.listing(await bytesOf(bank), state.settings.model));

function parameters(bank, program) {
  return cached(bank, `values ${program}`, async () => {
    const answer = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: [program], conversions: false });
    if (!engine.succeeded(answer) || !answer.parameters.length) throw new Error(engine.failure(answer));
    return { labels: answer.parameterLabels, values: answer.parameters[0] };
  });
}

// What writing the bank with `options` ({ to, first, last, group }) keeps.
function report(bank, { to, ...range }) {
  return cached(bank, `report ${JSON.stringify([to, range])}`, async () => {
    const answer = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: false, conversions: to, ...range });
    if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
    return answer.conversions[0];
  });
}

const convert = async (bank, options) => engine.convert(bank.name, await bytesOf(bank), { model: state.settings.model, ...options });

// The new bank as the engine builds it: each source bank under its id. The
// last answer is kept: writing the bank that the builder has just reported
// on takes its bytes at once.
let lastComposed = { key: null, answer: null };
async function composeNewBank() {
  const { format, group } = state.settings.bank;
  const key = JSON.stringify([state.newBank, format, group, state.settings.model, state.revision]);
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
  const answer = await engine.compose({ banks, programs, format, model: state.settings.model, group: formatByLetter(format).group ? group : undefined,
    bankName: state.newBank.name || undefined });
  if (engine.succeeded(answer)) lastComposed = { key, answer };
  return answer;
}

// A name no bank has: "New bank (2).syx" beside "New bank.syx".
function uniqueName(wanted) {
  const dot = wanted.lastIndexOf('.') > 0 ? wanted.lastIndexOf('.') : wanted.length;
  return numbered(wanted.slice(0, dot), wanted.slice(dot), (name) => state.banks.some((b) => b.name === name));
}

// Writes the new bank, offers it, and adds it to the collection.
async function downloadNewBank() {
  const format = formatByLetter(state.settings.bank.format);
  const answer = await composeNewBank();
  if (!engine.succeeded(answer)) {
    say('builder', `The new bank cannot be written: ${engine.failure(answer)}`);
    return;
  }
  const name = uniqueName(`${state.newBank.name.trim() || 'New bank'}${format.extension}`);
  download(answer.bytes, name);
  const [added] = await addFiles([{ name, bytes: answer.bytes }], { built: true });
  say('builder', `New bank written as ${name} (${format.name})${added ? ' and added to the banks' : '; the banks hold its bytes already'}: `
    + answer.report.text);
}

// ---- The instrument ----------------------------------------------------------

let instrument = null;
const dumpFormat = () => state.formats.find((f) => f.dump);

// Receives a dump and keeps it as a bank of its own; answers the bank.
async function receive(tell) {
  const got = await instrument.receive(tell);
  if (!got) return null;
  const [bank] = await addFiles([{ name: uniqueName(got.name), bytes: got.bytes }], { received: true });
  await allKept();
  tell(`Received and kept as ${bank.name}${bank.sameAs ? `, with the same bytes as ${bank.sameAs}` : ''}.`);
  return bank;
}

const receivedUrls = new WeakMap();
function receivedLink(bank) {
  if (!receivedUrls.has(bank)) receivedUrls.set(bank, bytesOf(bank).then((bytes) => URL.createObjectURL(new Blob([bytes]))));
  const link = Object.assign(document.createElement('a'), { download: bank.name, textContent: `Download ${bank.name}` });
  receivedUrls.get(bank).then((url) => { link.href = url; }, () => link.replaceWith('(its bytes are no longer kept)'));
  return link;
}

// ---- Starting ------------------------------------------------------------------

const viewActions = {
  listing,
  parameters,
  receivedLink,
  say: (text) => say('programs', text),
  show: showProgram,
  compare: compareProgram,
  add: (bankId, program, region = 'programs') => addToNewBank(bankId, program, region),
  compose: composeNewBank,
  download: downloadNewBank,
  write: openWrite,
  send: openSend,
  remove,
  removeAll,
  report,
  convert,
};

const sendActions = {
  output: (tell) => instrument.output(tell),
  dump: async (bank, range) => engine.convert(bank.name, await bytesOf(bank), { to: dumpFormat().letter, model: state.settings.model, ...range }),
  receive,
  cancelReceiving: () => instrument.cancel(),
  send: (output, label, dump, tell) => instrument.send(output, label, dump, tell),
};

function keepSettings() {
  const { model, write, bank } = state.settings;
  keepChoices('settings', { model, write: { format: write.format, group: write.group }, bank });
}

async function openCollection() {
  try {
    const kept = await loadCollection();
    addKept(kept.banks);
    keptNewBank(kept.newBank);
    return kept.banks.length;
  } catch (error) {
    $('kept').textContent = `This browser does not keep the banks for this page (${error.message}): they are gone when it is closed.`;
    return 0;
  }
}

async function start() {
  // The engine starts first: its worker gets going while the views are set up.
  const starting = engine.startEngine().then(engine.formats);
  setUpLayout();
  setUpBanksView(viewActions);
  setUpProgramsView(viewActions);
  setUpProgramView(viewActions);
  setUpBuilder(viewActions);
  setUpWriteView(viewActions);
  setUpSendView(sendActions);
  // The kept collection is shown while the engine starts.
  const [kept, formats] = await Promise.all([openCollection(), starting]);
  engineReady(formats, keptChoices('settings'));
  const sysex = dumpFormat();
  instrument = new Instrument({ dump: { ...sysex.dump, extension: sysex.extension } });
  $('midi-receive').addEventListener('click', () => receive((text) => say('banks', text)));
  // A model chosen while the engine started is taken now.
  if ($('model').dataset.chosen) setModel($('model').value);
  else $('model').value = state.settings.model;
  on('settings', keepSettings);
  const given = waiting.splice(0);
  say('banks', kept ? `Ready. ${plural(kept, 'bank')} kept from before.` : 'Ready. Drop bank files on the page, or add them.');
  if (given.length) reading = reading.then(() => addFiles(given));
  // The sounds of default and blank programs, for the same sounds; asked
  // after the files given meanwhile.
  reading.then(() => engine.fillSounds(formats.map((f) => f.letter))).then(setFills, () => {});
}

on('newBank', () => keep(() => keepNewBank(state.newBank)));
on('settings', (part) => {
  if (part !== 'model') return;
  // The model decides how some files are read: read them again.
  const banks = state.banks.filter((b) => b.bytes || b.summary);
  if (!banks.length) return;
  say('banks', `Reading ${plural(banks.length, 'bank')} again…`);
  Promise.all(banks.map(readBank)).then(() => {
    for (const bank of banks) if (readable(bank)) keep(() => keepBank(bank));
    say('banks', `${plural(banks.length, 'bank')} read again.`);
  });
});

$('model').addEventListener('change', () => {
  if (state.ready) setModel($('model').value);
  else $('model').dataset.chosen = 'yes';
});

$('choose').addEventListener('click', () => $('file-input').click());
$('file-input').addEventListener('change', () => {
  const files = [...$('file-input').files];
  $('file-input').value = '';
  give(files);
});
// Files chosen before this script ran are still in the input.
if ($('file-input').files.length) $('file-input').dispatchEvent(new Event('change'));

// Files dropped anywhere on the page are taken, never opened by the browser
// in place of the page.
for (const type of ['dragenter', 'dragover']) {
  document.addEventListener(type, (event) => {
    event.preventDefault();
    document.body.classList.add('over');
  });
}
document.addEventListener('dragleave', (event) => {
  if (!event.relatedTarget) document.body.classList.remove('over');
});
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('over');
  if (event.dataTransfer) give(event.dataTransfer.files);
});

start().catch((error) => say('banks', `The engine could not be started in this browser (${error.message}).`));
