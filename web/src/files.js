// What is given to the page: bank files (chosen, dropped, received from the
// instrument or built here), each read by the engine once and kept in the
// collection with where it came from; ZIP archives, whose files are read as
// if given one by one; disk images, whose banks take their place; and saved
// collections, which are opened and added to what is there. The same bytes
// given again are noticed and not added twice.
import { keptEdits } from './bank-edits.js';
import { BANKS_KEPT_AT_ONCE, allKept, forgetBank, keep, keepBanks, keepMarks, keptBytes, placeKept } from './collection.js';
import { diskBanks, diskWords, othersText } from './disks.js';
import { fileBytes, plural } from './dom.js';
import * as engine from './engine-client.js';
import { say } from './layout.js';
import { diskText, originOf } from './provenance.js';
import { INDEX, MOST_BANKS, memberName, readSaved } from './saved-file.js';
import {
  addBanks, addMarks, inCollection, keptNewBank, markOf, nextReading, openedDisk, readable, setBytes, state, updateBank,
} from './state.js';
import { holdIndex } from './sound-index.js';
import { ZipRefused, isZip, readZip } from './zip.js';
import { version } from '../engine/version.js';

const CANNOT_READ = 'The browser could not read this file. Try choosing it again.';

// A bank's bytes: in the page since it was given, or read again from the
// kept collection.
export async function bytesOf(bank) {
  if (!bank.bytes) setBytes(bank, await keptBytes(bank.id));
  if (!bank.bytes) throw new Error('its bytes are no longer kept in this browser');
  return bank.bytes;
}

// What the bank holds, as the engine reads it with the model hint; a disk
// image's banks are put in its place and read (answers what is to be said
// of it and its banks, or null for any other file).
export async function readBank(bank) {
  const disk = await describeBank(bank);
  return disk ? openDisk(bank, disk) : null;
}

// The engine's answer about a file, taken into its entry; for a disk image
// whose disk the engine reads, that answer instead.
async function describeBank(bank) {
  const generation = nextReading(bank);
  let changes;
  try {
    const bytes = await bytesOf(bank);
    const summary = await engine.describe(bank.name, bytes, { model: state.settings.model, parameters: false, conversions: false });
    if (summary.holdsFiles) {
      const disk = await engine.disk(bytes, state.settings.model);
      if (engine.succeeded(disk) && generation === bank.generation) return disk;
    }
    changes = { summary, problem: null };
  } catch (error) {
    changes = { problem: bank.bytes ? `The engine stopped on this file (${error.message}). The other files are not affected; try this one again.` : CANNOT_READ };
  }
  if (generation === bank.generation) updateBank(bank, changes);
  return null;
}

// A disk image's banks take its place in the collection, each read from its
// file's bytes as copied off the disk and kept; a bank whose bytes are here
// already is not added again. A disk without banks stays among the files
// that could not be read, with what is on it. Answers { banks, words }.
async function openDisk(image, answer) {
  const { banks, disk } = diskBanks(image, answer);
  if (!banks.length) {
    updateBank(image, { problem: `This is a disk image, ${diskText(disk)}, and none of its files is a bank`
      + `${disk.others.length ? `: ${othersText(disk.others, 5)}` : ''}.` });
    return { banks: [image], words: '' };
  }
  const digests = await Promise.all(banks.map((bank) => digestOf(bank.bytes)));
  const fresh = [];
  for (const [i, bank] of banks.entries()) {
    const twin = (await twinOf(bank.bytes, digests[i])) || fresh.find((f) => f.digest === digests[i] && sameBytes(f.bytes, bank.bytes));
    if (!twin) fresh.push({ ...bank, digest: digests[i] });
  }
  // In the image's place, also in the order the collection is kept in.
  const members = openedDisk(image, fresh.map((bank, i) => ({ ...bank, order: image.order === null ? null : image.order + (i + 1) / (fresh.length + 1) })));
  keep(() => forgetBank(image.id)); // an earlier page kept a disk image as a bank
  placeKept(members);
  const keeping = keptAsRead();
  await Promise.all(members.map((bank) => readInTurn(bank).then(() => keeping.read(bank))));
  keeping.rest();
  return { banks: members, words: diskWords(image.name, disk, members.length, banks.length - fresh.length) };
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

// The bank with these bytes (and for which `fits(bank)`), if one has them.
// Banks kept by an earlier version of the page have no digest: theirs is
// made when a file of their size comes.
async function twinOf(bytes, digest, fits = () => true) {
  for (const bank of state.banks) {
    if (bank.size !== bytes.length || !fits(bank)) continue;
    const theirs = !bank.digest || bank.digest === digest ? await bytesOf(bank).catch(() => null) : null;
    if (!theirs) continue;
    if (!bank.digest) {
      updateBank(bank, { digest: await digestOf(theirs) });
      keep(() => keepBanks([bank]));
    }
    if (bank.digest === digest && sameBytes(theirs, bytes)) return bank;
  }
  return null;
}

// Adds files (File objects, or { name, bytes }), each read as soon as its
// bytes are there. The same file given again is noticed and not added
// twice; a received dump is always added, with a word when a bank has its
// bytes already. The files of a ZIP archive are added in its place, and a
// saved collection is opened. Answers the banks added.
export async function addFiles(files, extra = {}) {
  const release = holdIndex();
  try {
    return await readFiles(files, extra);
  } finally {
    release();
  }
}

async function readFiles(files, extra) {
  say('banks', `Reading ${plural(files.length, 'file')}…`);
  const words = [];
  const offers = [];
  const added = [];
  const reads = [];
  // Said to be read once the browser has kept them.
  const keeping = keptAsRead();
  // The browser reads some files at once, and those are shown while the
  // next are read.
  const given = [...files];
  for (let at = 0; at < given.length; at += FILES_AT_ONCE) {
    const part = await Promise.all(given.slice(at, at + FILES_AT_ONCE).map(async (file) => ({ name: file.name, from: file.from, path: file.path,
      bytes: file instanceof Blob ? await fileBytes(file) : file.bytes })));
    const list = [];
    for (const file of part) {
      if (!file.bytes || extra.received || extra.built || !isZip(file.bytes)) list.push(file);
      else {
        const opened = await openArchive(file.name, file.bytes);
        if (opened.words) words.push(opened.words);
        if (opened.offer) offers.push(opened.offer);
        list.push(...opened.files);
      }
    }
    const digests = await Promise.all(list.map(({ bytes }) => bytes && digestOf(bytes)));
    const fresh = [];
    for (const [i, file] of list.entries()) {
      if (!file.bytes) {
        fresh.push({ name: file.name, bytes: null, problem: CANNOT_READ });
        continue;
      }
      if (file.from && isZip(file.bytes)) {
        words.push(`${file.name} in ${file.from} is a ZIP archive of its own: give it to the page on its own to open it`);
        continue;
      }
      const twin = (await twinOf(file.bytes, digests[i])) || fresh.find((f) => f.digest === digests[i] && sameBytes(f.bytes, file.bytes));
      if (twin && !extra.received) {
        words.push(`${file.name}${file.from ? ` in ${file.from}` : ''} is the same file as ${twin.name}, already loaded: not added again`);
        continue;
      }
      const origin = file.from ? originOf({ file: file.from, member: file.path ?? file.name }) : originOf({ file: file.name });
      fresh.push({ name: file.name, bytes: file.bytes, ...extra, digest: digests[i], sameAs: twin ? twin.name : null, origin });
    }
    const banks = addBanks(fresh);
    placeKept(banks);
    added.push(...banks);
    for (const bank of banks.filter((b) => b.bytes)) {
      reads.push(readInTurn(bank).then((disk) => {
        // A disk image: its banks, read and kept, in its place.
        if (disk) {
          added.splice(added.indexOf(bank), 1, ...disk.banks);
          if (disk.words) words.push(disk.words);
        } else keeping.read(bank);
      }));
    }
  }
  await Promise.all(reads);
  keeping.rest();
  await allKept();
  const failed = added.filter((bank) => !readable(bank)).length;
  const done = added.length || !words.length ? [`${plural(added.length, 'file')} read${failed ? `, ${failed} failed` : ''}.`] : [];
  say('banks', [...done, ...words.map((w) => `${w}.`)].join(' '), { offer: offers[0] });
  return added;
}

// Banks read are kept a few at a time as they are read (`read(bank)`), the
// rest when all are read (`rest()`); files that cannot be read are not kept
// for the next visit.
function keptAsRead() {
  const read = [];
  const keepRead = () => {
    const part = read.splice(0);
    if (part.length) keep(() => keepBanks(part.filter(inCollection)));
  };
  return {
    read(bank) {
      if (readable(bank) && read.push(bank) >= BANKS_KEPT_AT_ONCE) keepRead();
    },
    rest: keepRead,
  };
}

// Banks are handed to the engine a few at a time, each when one before it
// is answered: a thousand handed over at once would hold the page's thread
// while their bytes are copied to the engine's worker.
const FILES_AT_ONCE = 32;
const MOST_READING = 4;
let readingNow = 0;
const waitingTurn = [];
async function readInTurn(bank) {
  if (readingNow >= MOST_READING) await new Promise((resolve) => waitingTurn.push(resolve));
  readingNow += 1;
  let disk;
  try {
    disk = await describeBank(bank);
  } finally {
    readingNow -= 1;
    waitingTurn.shift()?.();
  }
  // A disk's banks are read in turn too, after its own turn.
  return disk ? openDisk(bank, disk) : null;
}

// ---- ZIP archives and saved collections ----------------------------------------

// The files a ZIP archive gives ({ name, bytes, from } each), what is to be
// said of it, and what is offered; a saved collection is opened, or offered
// where parts of it are damaged.
async function openArchive(name, bytes) {
  let archive;
  try {
    archive = readZip(bytes, { most: MOST_BANKS + 1, limit: state.limits.inputLimit });
  } catch (error) {
    if (!(error instanceof ZipRefused)) throw error;
    return { files: [], words: `${name} was not opened: ${error.message}. Nothing of it was added` };
  }
  const lost = archive.damaged.length ? `; ${plural(archive.damaged.length, 'file')} in it ${archive.damaged.length === 1 ? 'is' : 'are'} `
    + `damaged and ${archive.damaged.length === 1 ? 'was' : 'were'} not read (${archive.damaged.map(memberName).join(', ')})` : '';
  const cut = archive.cut ? ', which ends early: what followed is lost' : '';
  const members = () => [...archive.files].filter(([path]) => path !== INDEX)
    .map(([path, member]) => ({ name: memberName(path), bytes: member, from: name, path }));
  let saved;
  try {
    saved = readSaved(archive, state.limits);
  } catch (error) {
    return { files: [], words: `${name} is a saved collection that cannot be opened: ${error.message}. Nothing of it was added` };
  }
  if (saved && saved.broken) {
    const files = members();
    return { files: [], words: `${name} is a saved collection that cannot be opened whole: ${saved.broken}${archive.cut ? ' (the file ends early)' : ''}`,
      offer: files.length ? { label: `Add its ${plural(files.length, 'bank file')}`, act: () => addFiles(files) } : null };
  }
  if (saved) return openSaved(name, saved);
  if (!archive.files.size && !archive.damaged.length) return { files: [], words: `${name} is a ZIP archive that holds no files` };
  return { files: members(), words: `${name}${cut}: ${plural(archive.files.size, 'file')} in it${lost}` };
}

// Opens a saved collection and adds what it holds to the collection: banks
// not there yet (a bank whose bytes are there already is not added again;
// a received dump only when no bank of its name has its bytes), the marks
// of its sounds joined with those here, and its new bank where the new bank
// here is empty. What the engine answered about a bank is taken from the
// file where this engine answered it with the same model hint; otherwise
// the bank is read again. Where parts of it are damaged (a bank's bytes
// checked against its digest, its marks, its new bank), they are said and
// the rest is offered.
async function openSaved(name, saved) {
  // Every bank's bytes are checked before anything is added (where the
  // browser that saved them made its digest as this one does).
  const digests = await Promise.all(saved.banks.map((bank) => bank && digestOf(bank.bytes)));
  const sha = (digest) => /^[0-9a-f]{64}$/.test(digest);
  const damaged = [...saved.damaged];
  saved.banks.forEach((bank, i) => {
    if (bank && bank.digest && sha(bank.digest) === sha(digests[i]) && bank.digest !== digests[i]) {
      damaged.push(`the bytes of ${bank.name}`);
      saved.banks[i] = null;
    }
  });
  if (!damaged.length) return { files: [], words: await addSaved(name, saved, digests) };
  const whole = saved.banks.filter(Boolean).length;
  return { files: [], words: `${name} is a saved collection with damaged parts: ${damaged.join('; ')}`,
    offer: { label: `Add what is whole (${plural(whole, 'bank')})`, act: () => addSaved(name, saved, digests).then((words) => `${words}.`) } };
}

async function addSaved(name, saved, digests) {
  const sameAnswers = saved.engine === version && saved.model === state.settings.model;
  const ids = [];
  const fresh = [];
  let already = 0;
  for (const [i, entry] of saved.banks.entries()) {
    if (!entry) {
      ids.push('');
      continue;
    }
    const twin = await twinOf(entry.bytes, digests[i], (bank) => !entry.received || bank.name === entry.name);
    if (twin) {
      already += 1;
      ids.push(twin.id);
      continue;
    }
    // A collection saved before banks kept their origin: they came from it,
    // when is not known.
    fresh.push({ name: entry.name, bytes: entry.bytes, digest: digests[i], built: entry.built, received: entry.received,
      sameAs: entry.sameAs, summary: sameAnswers ? entry.summary : null,
      origin: entry.origin ?? originOf({ file: name, member: entry.name, added: null }) });
    ids.push(null);
  }
  const banks = addBanks(fresh);
  placeKept(banks);
  let next = 0;
  for (let i = 0; i < ids.length; i++) ids[i] ??= banks[next++].id;
  await Promise.all(banks.filter((bank) => !bank.summary).map(readBank));
  const good = banks.filter(readable);
  addMarks(saved.marks);
  const marked = saved.marks.map(([sound]) => [sound, markOf(sound)]);
  const parts = [`the saved collection ${name}: ${plural(good.length, 'bank')} added`];
  if (already) parts.push(`${plural(already, 'bank')} already here`);
  if (banks.length > good.length) parts.push(`${banks.length - good.length} could not be read`);
  if (saved.marks.length) parts.push(`names, tags or notes of ${plural(saved.marks.length, 'sound')}`);
  const slots = saved.newBank ? saved.newBank.slots.length : 0;
  if (slots && !state.newBank.slots.length) {
    keptNewBank({ name: saved.newBank.name, slots: saved.newBank.slots.map((s) => s && { bankId: ids[s.bank], program: s.program, name: s.name, set: s.set }) });
    parts.push(`its new bank of ${plural(slots, 'slot')}`);
  } else if (slots) {
    parts.push(`its new bank of ${plural(slots, 'slot')} was left out, since the new bank here has slots`);
  }
  // Edits of its banks, where those programs and combis are not edited here.
  const edits = keptEdits(saved.edits, (id) => ids[Number(id.slice(1))] || null);
  if (edits) parts.push(`${plural(edits, 'edit')} of programs and combis`);
  // Shown at once; said to be opened once the browser has kept it.
  say('banks', `Opening ${parts.join('; ')}. Keeping it in this browser…`);
  keep(() => keepBanks(good.filter(inCollection)));
  await keep(() => keepMarks(marked));
  return `Opened ${parts.join('; ')}`;
}

// ---- Files given while the page starts ---------------------------------------

// Files given before the engine is ready wait, in the order given, and are
// read as soon as it is; files given later are read one batch after another.
const waiting = [];
let reading = Promise.resolve();

export function give(files) {
  const list = [...files];
  if (!list.length) return;
  if (!state.ready) {
    waiting.push(...list);
    say('banks', `Starting… your ${plural(waiting.length, 'file')} will be read.`);
    return;
  }
  reading = reading.then(() => addFiles(list));
}

// Reads the files given while the engine started; answers when all given
// so far are read.
export function readWaiting() {
  const given = waiting.splice(0);
  if (given.length) reading = reading.then(() => addFiles(given));
  return reading;
}
