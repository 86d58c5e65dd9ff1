// The page: banks in, listings, descriptions, converted files, built banks,
// saved collections and dumps out. Everything about the formats is the
// engine's; this module starts the engine and the views, keeps the
// collection, and hands the views what they ask for.
import * as answers from './answers.js';
import { discardEdits, editsText, hasEdits, keptEdits, keptForm, restoreEdits, savedForm } from './bank-edits.js';
import { addBankCopy, ownFormat } from './edited-programs.js';
import { focusAfterRemoval, focusBank, placeOf, setUpBanksView } from './banks-view.js';
import { addToNewBank, setUpBuilder } from './builder-view.js';
import {
  allKept, forgetAll, forgetBank, keep, keepBanks, keepChoices, keepEdits, keepMarks, keepLists, keepNewBank, keepSoon, keptAnswers,
  keptChoices, keptFiles, keptSounds, loadCollection, whenKeepingFails,
} from './collection.js';
import { coalesced, count, download, element, numbered, plural, whenSettled } from './dom.js';
import * as engine from './engine-client.js';
import { addFiles, bytesOf, give, readBank, readWaiting } from './files.js';
import { say, setUpLayout } from './layout.js';
import { Instrument } from './midi.js';
import { setUpProgramView } from './program-view.js';
import { setUpProgramsView } from './programs-view.js';
import { setUpValueSearch } from './value-search.js';
import { printSheet, setUpPrintSheet } from './print-sheet.js';
import { makeSaved, savedIndex } from './saved-file.js';
import { openSend, setUpSendView } from './send-view.js';
import { indexSoon, whenIndexed } from './sound-index.js';
import {
  addKept, addMarks, bankById, compareProgram, engineReady, formatByLetter, inCollection, keptNewBank, markSound, on, readable, removeBanks,
  removeEverything, restoreBanks, setModel, showProgram, state, updateBank,
} from './state.js';
import { version } from '../engine/version.js';
import { openWrite, setUpWriteView } from './write-view.js';

const $ = (id) => document.getElementById(id);

// ---- Keeping the collection ------------------------------------------------

const notKept = (error) => {
  $('kept').textContent = `This browser does not keep the banks for this page (${error.message}): they are gone when it is closed.`;
  $('persist').hidden = true;
};
whenKeepingFails(notKept);

// The browser may clear what a page keeps when its space runs short, unless
// it agrees to keep it: asked once, when files are first given (`ask`), and
// its answer said.
let asked = false;
async function keepingAsked(ask) {
  const storage = navigator.storage;
  if (!storage || !storage.persist) return;
  let kept = await storage.persisted().catch(() => false);
  if (!kept && ask && !asked) {
    asked = true;
    kept = await storage.persist().catch(() => false);
  }
  if (!kept && !asked) return;
  $('persist').textContent = kept ? 'The browser agreed to keep them even when its space runs short.'
    : 'The browser did not agree to keep them when its space runs short: “Save the collection” keeps a copy in a file.';
}

// What the person adds to a sound, kept at once.
function mark(sound, changed) {
  markSound(sound, changed);
  keep(() => keepMarks([[sound, changed]]));
}

// Everything in one file, to keep or to take to another browser. The bytes
// of banks not in the page are read from the browser's store while the
// index is made.
async function saveCollection() {
  say('banks', 'Saving the collection…');
  await answersRead;
  await allKept();
  const banks = state.banks.filter(readable);
  const missing = banks.filter((b) => !b.bytes);
  const reading = keptFiles(missing.map((b) => b.id));
  await null; // the store is asked before the index is made
  const indexOf = (list) => {
    const place = new Map(list.map((bank, i) => [bank.id, i]));
    return savedIndex({ engine: version, model: state.settings.model, banks: list, marks: [...state.marks], newBank: { name: state.newBank.name,
      slots: state.newBank.slots.map((s) => (s && place.has(s.bankId) ? { bank: place.get(s.bankId), program: s.program, name: s.name, set: s.set }
        : null)) }, edits: savedForm(place) });
  };
  let index = indexOf(banks);
  const kept = new Map((await reading).map((bytes, i) => [missing[i], bytes]));
  const bytes = banks.map((bank) => bank.bytes || kept.get(bank));
  // A bank whose bytes the browser no longer has is left out.
  const listed = banks.filter((bank, i) => bytes[i]);
  if (listed.length < banks.length) index = indexOf(listed);
  const zip = await makeSaved(index, bytes.filter(Boolean));
  const name = `Vornak collection ${new Date().toISOString().slice(0, 10)}.zip`;
  download(zip, name, 'application/zip');
  const lost = banks.length - listed.length;
  const edited = listed.filter((bank) => hasEdits(bank.id)).length;
  say('banks', `Saved ${plural(listed.length, 'bank')}${edited ? ` (${count(edited)} with their edits)` : ''}, `
    + `the names, tags and notes of ${plural(state.marks.size, 'sound')} and the new bank as ${name}`
    + `${lost ? ` (${plural(lost, 'bank')} left out: the browser no longer has their bytes)` : ''}. Give that file to this page, here or in another browser, to open it.`);
}

// ---- A bank's edits ---------------------------------------------------------

// The bank as edited, kept as a bank of its own in its own format; the bank
// itself as read again (Undo puts its edits back).
async function keepAsNew(bank) {
  const words = editsText(bank.id);
  const format = ownFormat(bank.summary.writesAs);
  say('programs', `Writing ${bank.name} with ${words} as a new bank…`);
  try {
    const { added, name, report } = await addBankCopy(bank, format);
    if (!added) {
      say('programs', `The banks hold a bank with the bytes of ${bank.name} as edited already; the edits stay.`);
      return;
    }
    const gone = discardEdits(bank.id);
    say('programs', `Kept as ${name} (${format.name}), with ${words}: ${report.text} ${bank.name} is as it was read.`, {
      undo: () => {
        restoreEdits(gone);
        return `${bank.name} has its ${words} again; ${name} stays among the banks.`;
      },
    });
  } catch (error) {
    say('programs', `${bank.name} could not be written as edited: ${error.message}`);
  }
}

function discard(bank) {
  const words = editsText(bank.id);
  const gone = discardEdits(bank.id);
  say('programs', `Discarded ${words} of ${bank.name}: it is as it was read.`, {
    undo: () => {
      restoreEdits(gone);
      return `${bank.name} has its ${words} again.`;
    },
  });
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
  // Their edits stay with them while Undo can bring them back.
  const edited = banks.filter((bank) => hasEdits(bank.id)).map((bank) => `${bank.name}’s ${editsText(bank.id)}`);
  say('banks', `Removed ${names}${edited.length ? `, and with ${banks.length === 1 ? 'it' : 'them'} ${edited.join(', ')}` : ''}.`, {
    undo: () => {
      restoreBanks(undo);
      focusBank(undo.banks[0].bank);
      const back = undo.banks.map((u) => u.bank).filter((bank) => readable(bank) && bank.bytes);
      keep(() => keepBanks(back));
      return allKept().then(() => `${names} ${banks.length === 1 ? 'is' : 'are'} back.`);
    },
  });
  focusAfterRemoval(place);
}

// Everything goes, after the person confirmed it in a dialog that offers to
// save the collection first.
function removeAll() {
  if (!state.banks.length && !state.newBank.slots.length && !state.marks.size) return;
  say('remove', '');
  const edited = state.banks.filter((bank) => hasEdits(bank.id));
  $('remove-edits').hidden = !edited.length;
  $('remove-edits').textContent = `Your edits go too: ${edited.map((bank) => `${bank.name} with ${editsText(bank.id)}`).join('; ')}. `
    + 'A saved collection keeps them.';
  $('remove-save').disabled = !state.ready;
  $('remove-dialog').showModal();
  $('remove-cancel').focus();
}

$('remove-save').addEventListener('click', async () => {
  await saveCollection();
  say('remove', `${$('banks-status').textContent} Remove all now, or keep it all.`);
});
$('remove-cancel').addEventListener('click', () => $('remove-dialog').close());
$('remove-form').addEventListener('submit', async (event) => {
  event.preventDefault();
  $('remove-dialog').close();
  removeEverything();
  $('choose').focus();
  await keep(forgetAll);
  say('banks', 'All banks removed, with your edits, names, tags and notes, from this page and from this browser.');
});

// A name no bank has.
const uniqueName = (wanted) => numbered(wanted, (name) => state.banks.some((b) => b.name === name));

// Writes the new bank, offers it, and adds it to the collection.
async function downloadNewBank() {
  const format = formatByLetter(state.settings.bank.format);
  const answer = await answers.composeNewBank();
  if (!engine.succeeded(answer)) {
    say('builder', `The new bank cannot be written: ${engine.failure(answer)}`);
    return;
  }
  const name = uniqueName(`${state.newBank.name.trim() || 'New bank'}${format.extension}`);
  download(answer.bytes, name);
  const [added] = await addFiles([{ name, bytes: answer.bytes }], { built: true });
  say('builder', `New bank written as ${name} (${format.name})${added ? ' and added to the banks' : '; the banks hold its bytes already'}: `
    + answer.report.text + (answer.namesProblem ? ` The names from the collection were left out: ${answer.namesProblem}` : ''));
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
  ...answers,
  receivedLink,
  say: (text) => say('programs', text),
  show: showProgram,
  compare: compareProgram,
  add: (bankId, program, region = 'programs', set = null, name = null) => addToNewBank(bankId, program, region, set, name),
  compose: answers.composeNewBank,
  download: downloadNewBank,
  save: saveCollection,
  mark,
  write: openWrite,
  send: openSend,
  print: (bank) => printSheet(bank, state.settings.model).then(() => say('banks', `The sheet of ${bank.name} was given to the browser to print.`),
    (error) => say('banks', `The sheet of ${bank.name} could not be made (${error.message}).`)),
  remove,
  removeAll,
  keepAsNew,
  discard,
};

const sendActions = {
  output: (tell) => instrument.output(tell),
  dump: (bank, range) => answers.convert(bank, { to: dumpFormat().letter, ...range }),
  receive,
  cancelReceiving: () => instrument.cancel(),
  send: (output, label, dump, tell) => instrument.send(output, label, dump, tell),
};

function keepSettings() {
  const { model, write, bank } = state.settings;
  keepChoices('settings', { model, write: { format: write.format, group: write.group, names: write.names }, bank });
}

// The kept collection, its banks with their facts; banks that an engine of
// another version (or an earlier page) read are read again once this one is
// ready. Answers how many banks it holds.
async function openCollection(limits) {
  try {
    const kept = await loadCollection(limits);
    addKept(kept.banks);
    keptNewBank(kept.newBank);
    keptEdits(kept.edits);
    addMarks(kept.marks);
    return kept.banks.length;
  } catch (error) {
    // Without the engine, the page says so where it starts.
    if (await limits.then(() => true, () => false)) notKept(error);
    return 0;
  }
}

// The whole answers of the kept banks, read back a part at a time once the
// page is ready, the selected bank's first; a bank whose answer is not
// there whole is read again. The browser's store reads the next parts while
// the page takes the one before. Banks an earlier page kept (their sounds
// among their other lists) are kept again as this page keeps them.
const ANSWERS_AT_ONCE = 25;
const ANSWERS_AHEAD = 4;
let answersRead = Promise.resolve();
async function readKeptAnswers() {
  const waiting = state.banks.filter((b) => b.facts && !b.summary);
  const first = waiting.indexOf(bankById(state.selected));
  if (first > 0) waiting.unshift(...waiting.splice(first, 1));
  // The sounds of the first part (the selected bank's names are shown at
  // once), then all the others' in one go, beside the other lists: where
  // every bank has them, the engine is handed the collection's sounds while
  // the other lists are read.
  const soundsOf = (banks) => keptSounds(banks).catch(() => banks.map(() => null));
  const firstSounds = soundsOf(waiting.slice(0, ANSWERS_AT_ONCE));
  const sounds = Promise.all([firstSounds, soundsOf(waiting.slice(ANSWERS_AT_ONCE))]).then(([a, b]) => [...a, ...b]);
  sounds.then((lists) => {
    const early = new Map(waiting.map((bank, i) => [bank, lists[i]]));
    if (!waiting.length || !state.banks.every((bank) => readable(bank) || early.get(bank))) return;
    answers.primeNearest(state.banks.map((bank) => (readable(bank) ? bank.summary.sounds : early.get(bank))));
  });
  const read = (at) => {
    const part = waiting.slice(at, at + ANSWERS_AT_ONCE);
    const theirs = at ? sounds.then((lists) => lists.slice(at, at + ANSWERS_AT_ONCE)) : firstSounds;
    // A bank read again meanwhile (the model changed) keeps its new answer.
    const readings = part.map((bank) => bank.generation);
    return { part, readings, theirs, found: keptAnswers(part, theirs).catch(() => part.map(() => null)) };
  };
  // A few parts are asked for ahead: the store answers them one after
  // another while the page takes each as it comes.
  const parts = [];
  for (let at = 0; at < waiting.length && parts.length < ANSWERS_AHEAD; at += ANSWERS_AT_ONCE) parts.push(read(at));
  const earlier = [];
  for (let at = 0; at < waiting.length; at += ANSWERS_AT_ONCE) {
    const { part, readings, theirs, found } = parts.shift();
    const ahead = at + ANSWERS_AHEAD * ANSWERS_AT_ONCE;
    if (ahead < waiting.length) parts.push(read(ahead));
    const [whole, apart] = await Promise.all([found, theirs]);
    part.forEach((bank, i) => {
      if (bank.generation !== readings[i]) return;
      updateBank(bank, whole[i] ? { summary: whole[i] } : { facts: null });
      if (whole[i] && !apart[i]) earlier.push([bank, bank.generation]);
    });
  }
  // Kept again only as read back: not a bank removed or read again since.
  const asRead = ([bank, reading]) => inCollection(bank) && bank.generation === reading;
  if (earlier.length) keep(() => keepLists(earlier.filter(asRead).map(([bank]) => bank)));
}

// Banks kept without what the engine answered, read again and kept.
async function readAgain(banks) {
  if (!banks.length) return;
  say('banks', `Reading ${plural(banks.length, 'bank')} again…`);
  await Promise.all(banks.map(readBank));
  await keep(() => keepBanks(banks.filter((bank) => readable(bank) && inCollection(bank))));
  say('banks', `${plural(banks.length, 'bank')} read again.`);
}

async function start() {
  // The engine starts first: its worker gets going while the views are set
  // up and the choices kept from before are read (the browser's store of
  // them opens slowly in a fresh profile).
  const starting = engine.startEngine();
  const facts = starting.then(() => Promise.all([engine.formats(), engine.limits()]));
  const choices = keptChoices('settings');
  // The kept collection is read while the engine starts (the browser's
  // store opened now, what it holds taken once the views are set up).
  const opening = openCollection(facts.then(([, l]) => l));
  setUpLayout();
  setUpBanksView(viewActions);
  setUpProgramsView(viewActions);
  setUpValueSearch(viewActions);
  setUpProgramView(viewActions);
  setUpBuilder(viewActions);
  setUpWriteView(viewActions);
  setUpSendView(sendActions);
  setUpPrintSheet();
  const [kept, [formats, limits]] = await Promise.all([opening, facts]);
  engineReady(formats, limits, choices);
  // The models a memory image may be read as are the engine's.
  $('model').append(...limits.models.map((m) => element('option', { value: m.model, textContent: m.name })));
  const sysex = dumpFormat();
  instrument = new Instrument({ dump: { ...sysex.dump, extension: sysex.extension, name: sysex.name } });
  $('midi-receive').addEventListener('click', () => receive((text) => say('banks', text)));
  // A model chosen while the engine started is taken now.
  if ($('model').dataset.chosen) setModel($('model').value);
  else $('model').value = state.settings.model;
  on('settings', keepSettings);
  say('banks', kept ? `Ready. ${plural(kept, 'bank')} kept from before.` : 'Ready. Drop bank files on the page, or add them.');
  keepingAsked(false);
  // Once the first banks are drawn (the next frame), the kept answers are
  // read, and the second engine starts meanwhile: it is handed the
  // collection's sounds as soon as they are all there, and a program opened
  // then finds its nearest sounds at once.
  answersRead = new Promise((drawn) => coalesced(drawn)()).then(() => {
    engine.startHelper();
    return readKeptAnswers();
  });
  answers.wholeOnce(answersRead);
  answersRead.then(() => whenIndexed(answers.primeNearest)).catch(() => {});
  // Banks kept by another engine, after the files given meanwhile.
  Promise.all([readWaiting(), answersRead]).then(() => readAgain(state.banks.filter((b) => !b.summary && !b.problem))).catch(() => {});
}

on('newBank', () => keep(() => keepNewBank(state.newBank)));
// The programs edited are kept a moment after the last change (a blend is
// many changes in a row).
const keepEditsSoon = keepSoon(250);
on('edit', () => keepEditsSoon(() => keepEdits(keptForm())));
// Once the banks have settled, the index of their sounds is made while the
// page is idle, and the engine is handed the collection's sounds, so that
// a program opened finds its nearest sounds at once.
const primeSoon = whenSettled(() => whenIndexed(answers.primeNearest), 1000);
for (const topic of ['banks', 'bank']) {
  on(topic, () => {
    indexSoon();
    primeSoon();
  });
}
on('settings', (part) => {
  if (part !== 'model') return;
  // The model decides how some files are read: read them again.
  const banks = state.banks.filter((b) => b.bytes || b.summary || b.facts);
  if (!banks.length) return;
  readAgain(banks);
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
  keepingAsked(true);
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
  if (event.dataTransfer) {
    give(event.dataTransfer.files);
    keepingAsked(true);
  }
});

start().catch((error) => say('banks', `The engine could not be started in this browser (${error.message}).`));
