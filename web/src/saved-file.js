// A saved collection: one ZIP archive that holds every bank's bytes as they
// were given (stored, not compressed, so that saving a large collection
// takes a moment) and one JSON file with the rest: each bank's name, where
// it came from (its origin, and whether it was received or built here) and
// what the engine answered about it, what the person added
// to sounds, and the new bank. A saved collection is known by that JSON
// file. Reading one checks all of it before anything is taken: what is
// damaged is said, part by part, so that what is whole can still be taken;
// one saved by a newer page is refused in words.
import { cleanEdits, summaryFits } from './collection.js';
import { cleanSet } from './value-sets.js';
import { cleanMark, isSound } from './marks.js';
import { cleanOrigin } from './provenance.js';
import { keptModel } from './state.js';
import { zipFiles } from './zip.js';

export const SAVED_VERSION = 1;
export const INDEX = 'vornak-collection.json';
const KIND = 'Vornak saved collection';
// Bounds on what a saved collection may hold, far above what a person keeps.
export const MOST_BANKS = 100_000;
const MOST_MARKS = 1_000_000;

const isText = (value) => typeof value === 'string';

// A bank's name as a file could have it, or a file on a disk image
// ("disk.dsk/D001.USR"): no NUL, no part empty or of dots.
const isFileName = (name, limits) => isText(name) && name.length > 0 && name.length <= limits.pathLength && !name.includes('\u0000')
  && name.split('/').every((part) => part.length > 0 && part.length <= limits.fileNameLength && part !== '.' && part !== '..');

// The index of a saved collection: `collection` is { engine, model, banks:
// [{ name, digest, summary, built, received, sameAs, origin }], marks: [[sound,
// mark]], newBank: { name, slots: [{ bank (its place in banks), program,
// name, set (the values edited, or null) } or null] }, edits: { programs:
// [{ bank, program, now: { set, source: { bank, program, values } or null }
// }], combis: [{ bank, combi, now }] } } (`bank`: a place in banks).
// Answers the names of the banks' files in the archive
// and the index's bytes, for makeSaved.
export function savedIndex(collection) {
  const files = collection.banks.map((bank, i) => `banks/${String(i + 1).padStart(4, '0')} ${bank.name.replace(/[\\/]/g, '_')}`);
  const index = {
    kind: KIND,
    version: SAVED_VERSION,
    saved: new Date().toISOString(),
    engine: collection.engine,
    model: collection.model,
    banks: collection.banks.map((bank, i) => ({ file: files[i], name: bank.name, digest: bank.digest, built: bank.built,
      received: bank.received, sameAs: bank.sameAs, origin: bank.origin ?? null, summary: compact(bank.summary) })),
    sounds: collection.marks,
    newBank: collection.newBank,
    edits: collection.edits,
  };
  return { files, index: new TextEncoder().encode(JSON.stringify(index)) };
}

// The archive: each bank's bytes (`bytes`, in the order of the index) and
// the index. Answers a Blob.
export function makeSaved({ files, index }, bytes) {
  return zipFiles([...files.map((name, i) => ({ name, bytes: bytes[i] })), { name: INDEX, bytes: index }], { stored: true });
}

// What the engine answered about a bank, a fifth shorter: what a 2.V bank
// keeps of a program (keptBy2V) is written '' where it is the program's
// own sound, as it is for every 2.V program. `full` makes it whole again.
function compact(summary) {
  const { sounds } = summary;
  return { ...summary, keptBy2V: summary.keptBy2V.map(({ A, B }, p) => ({ A: A === sounds[p] ? '' : A, B: B === sounds[p] ? '' : B })) };
}

function full(summary) {
  if (!summary || !Array.isArray(summary.keptBy2V) || !Array.isArray(summary.sounds)) return summary;
  return { ...summary, keptBy2V: summary.keptBy2V.map((kept, p) => (kept && typeof kept === 'object'
    ? { A: kept.A === '' ? summary.sounds[p] : kept.A, B: kept.B === '' ? summary.sounds[p] : kept.B } : kept)) };
}

class Refused extends Error {}
const refuse = (words) => {
  throw new Refused(words);
};

// The name of a bank's file in a saved collection, as savedIndex makes it
// ("banks/0012 studio dump"), without what savedIndex added; any other
// member's name without its folders.
export function memberName(path) {
  const name = path.slice(path.lastIndexOf('/') + 1);
  return path.startsWith('banks/') ? name.replace(/^\d{4,} (?=.)/, '') : name;
}

// The saved collection in a ZIP archive (zip.js's readZip), checked: {
// engine, model, banks: [{ name, bytes, digest, summary (null when it is not
// one the page can take), built, received, sameAs, origin } or null where the bank
// is damaged], marks, newBank, edits: { programs, combis } (each edit's
// bank as `#` and its place in banks), damaged: [what is damaged, in words] }; {
// broken: words } when its index cannot be read; null when the archive is
// not a saved collection. Throws an Error whose message says why one cannot
// be opened. `limits`: the engine's.
export function readSaved(archive, limits) {
  if (!archive.files.has(INDEX)) return archive.damaged.includes(INDEX) ? { broken: `its ${INDEX} is damaged` } : null;
  let index;
  try {
    index = JSON.parse(new TextDecoder('utf-8', { fatal: true }).decode(archive.files.get(INDEX)));
  } catch {
    return { broken: `its ${INDEX} is damaged` };
  }
  if (!index || index.kind !== KIND || !Number.isInteger(index.version) || index.version < 1) refuse(`its ${INDEX} is not one this page wrote`);
  if (index.version > SAVED_VERSION) {
    refuse(`a newer version of this page saved it (saved collection format ${index.version}; this page reads format ${SAVED_VERSION}). `
      + 'Open it with the newer page');
  }
  if (!Array.isArray(index.banks) || index.banks.length > MOST_BANKS) return { broken: 'its list of banks is damaged' };
  const damaged = [];
  const part = (words, read, none) => {
    try {
      return read();
    } catch (error) {
      if (!(error instanceof Refused)) throw error;
      damaged.push(error.message || words);
      return none;
    }
  };
  const banks = index.banks.map((entry, i) => part('', () => readBank(entry, i, archive.files, limits), null));
  return { engine: isText(index.engine) ? index.engine : '', model: keptModel(index.model, limits),
    banks, damaged, marks: part('its names, tags and notes', () => readMarks(index.sounds, limits), []),
    newBank: part('its new bank', () => readNewBank(index.newBank, banks.length, limits), null),
    edits: part('its edits', () => readEdits(index.edits, banks.length, limits), { programs: [], combis: [] }) };
}

// The edits, checked as those kept in the browser; none in a collection
// saved before edits were saved with their banks.
function readEdits(saved, banks, limits) {
  if (saved === undefined) return { programs: [], combis: [] };
  if (!saved || typeof saved !== 'object') refuse('');
  const place = (bank) => (Number.isInteger(bank) && bank >= 0 && bank < banks ? `#${bank}` : refuse(''));
  const lists = (list) => (list === undefined ? [] : Array.isArray(list) ? list : refuse(''));
  const programs = lists(saved.programs).map((e) => ({ ...e, bankId: place(e?.bank),
    now: e?.now?.source ? { ...e.now, source: { ...e.now.source, bankId: place(e.now.source.bank) } } : e?.now }));
  const combis = lists(saved.combis).map((e) => ({ ...e, bankId: place(e?.bank) }));
  return cleanEdits({ programs, combis }, limits);
}

function readBank(entry, i, files, limits) {
  if (!entry || typeof entry !== 'object' || !isFileName(entry.name, limits)) refuse(`bank ${i + 1} has no name a file could have`);
  const bytes = isText(entry.file) && entry.file !== INDEX ? files.get(entry.file) : undefined;
  if (!bytes) refuse(`the bytes of ${entry.name}`);
  const summary = full(entry.summary);
  return {
    name: entry.name,
    bytes,
    digest: isText(entry.digest) ? entry.digest : null,
    summary: summaryFits(summary, limits.mostPrograms) ? summary : null,
    built: entry.built === true,
    received: entry.received === true,
    sameAs: isFileName(entry.sameAs, limits) ? entry.sameAs : null,
    // None in a collection saved before banks kept their origin.
    origin: cleanOrigin(entry.origin),
  };
}

function readMarks(list, limits) {
  if (list === undefined) return [];
  if (!Array.isArray(list) || list.length > MOST_MARKS) refuse('');
  const marks = [];
  for (const entry of list) {
    if (!Array.isArray(entry) || entry.length !== 2 || !isSound(entry[0])) refuse('');
    const mark = cleanMark(entry[1], limits.nameLength);
    if (mark) marks.push([entry[0], mark]);
  }
  return marks;
}

function readNewBank(saved, banks, limits) {
  if (saved === undefined || saved === null) return null;
  const damaged = () => refuse('');
  if (typeof saved !== 'object' || !Array.isArray(saved.slots) || saved.slots.length > limits.mostPrograms) damaged();
  const slots = saved.slots.map((slot) => {
    if (slot === null) return null;
    if (!slot || !Number.isInteger(slot.bank) || slot.bank < 0 || slot.bank >= banks || !Number.isInteger(slot.program)
      || slot.program < 0 || (slot.name !== null && !isText(slot.name))) damaged();
    // Edited values: none in a collection saved before programs were edited.
    const set = slot.set === undefined || slot.set === null ? null : cleanSet(slot.set, limits) ?? damaged();
    return { bank: slot.bank, program: slot.program, name: slot.name === null ? null : slot.name.slice(0, limits.nameLength), set };
  });
  return { name: isText(saved.name) ? saved.name.slice(0, limits.nameLength) : '', slots };
}
