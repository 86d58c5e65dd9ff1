// What the page keeps in this browser, and nothing else does: the collection
// (IndexedDB), so that the banks and the new bank are there again when the
// page is opened again, and the choices (localStorage). Nothing leaves the
// computer. What the engine answered for each bank is kept with it, so that
// opening the page needs no engine work: its facts with the bank, read when
// the page opens, its sounds apart and read just after in one go (the
// engine is handed the collection's sounds for the nearest sounds at once),
// its other lists (a hundred names and records each) apart again and read
// after them, a part at a time; the bytes are kept apart too and read when
// a bank is first used.
//   banks:   { id, name, size, facts, built, received, sameAs, digest, order,
//            engine, origin }: `facts` what the engine answered without its
//            lists, `engine` the version of the engine that answered,
//            `origin` where the bank came from (provenance.js; none in a
//            record an earlier page kept)
//   answers: the other lists, by the bank's id: { names, records, keptA,
//            keptB }, each one text of lines (what describe answers holds no
//            line breaks); keptA and keptB empty lines where a 2.V bank
//            keeps the program's own sound. Kept by an earlier page, the
//            record holds `sounds` too, and the bank nothing in soundLists
//   soundLists: the sounds, by the bank's id: one text of lines
//   files:   the bytes, by the bank's id
//   meta:    "newBank": the new bank's name and slots; "edits": the
//            programs edited (without their Undo); "combiEdits": the combis
//            edited
//   sounds:  what the person added to a sound (marks.js), by the sound
// Banks kept by an earlier page (with the whole answer in `summary`) are
// read again by the engine.
import { version } from '../engine/version.js';
import { cleanCombiEdit } from './bank-edits.js';
import { cleanEdit, cleanSet } from './value-sets.js';
import { cleanMark, isSound } from './marks.js';
import { cleanOrigin } from './provenance.js';

const DB_NAME = 'vornak';
const STORES = ['banks', 'answers', 'files', 'meta', 'sounds', 'soundLists'];

let opened = null;
let queue = Promise.resolve();
let failed = () => {};

// Storage work runs one after another; `report(error)` hears when the
// browser keeps nothing.
export function whenKeepingFails(report) {
  failed = report;
}

// Storage work asked for and not yet done, shown on the page's root as
// data-keeping while there is some: a page closed or reloaded meanwhile
// may lose it, so whoever drives the page can wait for it to settle.
let pending = 0;
function pendingBy(n) {
  pending += n;
  const root = globalThis.document?.documentElement;
  if (root && pending) root.dataset.keeping = String(pending);
  else if (root) delete root.dataset.keeping;
}

// Queues storage work; answers when it (and all before it) is done.
export function keep(work) {
  pendingBy(1);
  queue = queue.then(work).catch((error) => failed(error)).finally(() => pendingBy(-1));
  return queue;
}

// Storage work queued once `ms` have gone by without it being asked for
// again (a blend is many changes in a row): pending from the first ask.
export function keepSoon(ms) {
  let timer = 0;
  return (work) => {
    if (timer) clearTimeout(timer);
    else pendingBy(1);
    timer = setTimeout(() => {
      timer = 0;
      keep(work).finally(() => pendingBy(-1));
    }, ms);
  };
}

// Answers when all storage work asked for so far is done.
export const allKept = () => queue;

function request(req) {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

function open() {
  opened ??= new Promise((resolve, reject) => {
    if (typeof indexedDB === 'undefined') {
      reject(new Error('this browser keeps no data for pages'));
      return;
    }
    const req = indexedDB.open(DB_NAME, 4);
    req.onupgradeneeded = () => {
      const db = req.result;
      for (const name of STORES) {
        if (!db.objectStoreNames.contains(name)) db.createObjectStore(name, name === 'banks' ? { keyPath: 'id' } : undefined);
      }
    };
    req.onsuccess = () => {
      const db = req.result;
      // A newer page opened in another tab needs the store in its own
      // shape: this one lets it go and keeps nothing more until reloaded.
      db.onversionchange = () => {
        db.close();
        opened = Promise.reject(new Error('a newer version of this page was opened in another tab: reload this one'));
        opened.catch(() => {});
      };
      resolve(db);
    };
    req.onerror = () => reject(req.error);
    req.onblocked = () => reject(new Error('an earlier version of this page, open in another tab, holds the kept collection: '
      + 'close it, then reload this one'));
  });
  return opened;
}

// Runs `work(stores)` in one transaction and resolves when it is complete.
async function transaction(mode, work) {
  const db = await open();
  return new Promise((resolve, reject) => {
    const tx = db.transaction(STORES, mode);
    const stores = Object.fromEntries(STORES.map((name) => [name, tx.objectStore(name)]));
    let result;
    Promise.resolve(work(stores)).then((value) => { result = value; }, reject);
    tx.oncomplete = () => resolve(result);
    tx.onerror = () => reject(tx.error);
    tx.onabort = () => reject(tx.error || new Error('not kept'));
  });
}

let order = 0;

const isText = (value) => typeof value === 'string';
const isCount = (value) => Number.isInteger(value) && value >= 0;
const texts = (list, n) => Array.isArray(list) && list.length === n && list.every(isText);

// What the engine answered about a bank, as the page takes it from storage
// or from a saved collection: only in the shape the engine gives, every
// list as long as the bank has programs; `mostPrograms` bounds them.
export function summaryFits(s, mostPrograms) {
  return factsFit(s, mostPrograms) && texts(s.names, s.programs) && texts(s.sounds, s.programs) && texts(s.records, s.programs)
    && Array.isArray(s.keptBy2V) && s.keptBy2V.length === s.programs && s.keptBy2V.every((k) => k && isText(k.A) && isText(k.B));
}

// The same for the answer without its lists.
function factsFit(s, mostPrograms) {
  const n = s && s.programs;
  return Boolean(s && typeof s === 'object' && s.ok === true && s.exitCode === 0 && isText(s.format) && isCount(n) && n <= mostPrograms
    && typeof s.holdsNames === 'boolean' && isText(s.model) && isText(s.bankName) && isCount(s.combis) && isCount(s.combisInUse)
    && Array.isArray(s.notes) && s.notes.every((note) => note && isText(note.text) && isText(note.code))
    && ['', 'cut', 'damaged'].includes(s.damage) && Array.isArray(s.untrusted) && s.untrusted.every((p) => isCount(p) && p < n));
}

const LISTS = ['names', 'sounds', 'records', 'keptBy2V'];

// A sound's text before its first ';': describe's sounds begin with the
// program's record, and a record is kept as an empty line where it is that
// (about 12 KB a bank less to keep and to read back).
const headOf = (sound) => {
  const end = sound.indexOf(';');
  return end < 0 ? sound : sound.slice(0, end);
};

// An answer as it is kept: its facts, its sounds as lines, and its other
// lists as lines.
export function toKept(summary) {
  const facts = { ...summary };
  for (const list of LISTS) delete facts[list];
  const { sounds } = summary;
  const kept = (group) => summary.keptBy2V.map((k, p) => (k[group] === sounds[p] ? '' : k[group])).join('\n');
  const records = summary.records.map((record, p) => (record === headOf(sounds[p]) ? '' : record)).join('\n');
  return { facts, sounds: sounds.join('\n'), lists: { names: summary.names.join('\n'), records, keptA: kept('A'), keptB: kept('B') } };
}

const lines = (facts, text) => (facts.programs ? text.split('\n') : []);

// The answer made whole again from its facts (checked already), its sounds
// (read already, or in the lists where an earlier page kept them there) and
// its kept lists; null when they do not fit together.
export function fromKept(facts, lists, soundList) {
  if (!lists || !['names', 'records', 'keptA', 'keptB'].every((key) => isText(lists[key]))) return null;
  if (!soundList && !isText(lists.sounds)) return null;
  const sounds = soundList || lines(facts, lists.sounds);
  const [a, b] = [lines(facts, lists.keptA), lines(facts, lists.keptB)];
  const summary = { ...facts, names: lines(facts, lists.names), sounds,
    records: lines(facts, lists.records).map((record, p) => record || headOf(sounds[p] ?? '')),
    keptBy2V: sounds.map((sound, p) => ({ A: a[p] || sound, B: b[p] || sound })) };
  // The lines are texts: their number is what is left to check.
  const n = facts.programs;
  return [summary.names, sounds, summary.records, a, b].every((list) => list.length === n) ? summary : null;
}

// A record read back is taken only when it has the shape the page wrote: a
// damaged or foreign one is passed over, never shown half. One whose
// answer an engine of another version gave (or an earlier page, in
// another shape) is taken without it, to be read again.
function wellFormed(r) {
  return Boolean(r && isText(r.id) && isText(r.name) && isCount(r.size) && Number.isFinite(r.order));
}

// Everything kept but the banks' lists: { banks: [{ id, name, size, facts
// (null: to be read again), built, received, sameAs, order, digest, origin }],
// newBank, edits (as keepEdits keeps them, those whole and within the
// engine's ranges), marks: [[sound, mark]] }. `limits`: a promise of the engine's
// limits, by which what is read is checked (the store is read meanwhile).
export async function loadCollection(limits) {
  const [records, newBank, edits, combiEdits, keys, marks] = await transaction('readonly', ({ banks, meta, sounds }) => Promise.all([
    request(banks.getAll()), request(meta.get('newBank')), request(meta.get('edits')), request(meta.get('combiEdits')),
    request(sounds.getAllKeys()), request(sounds.getAll())]));
  const engineLimits = await limits;
  const { mostPrograms, nameLength } = engineLimits;
  const good = records.filter(wellFormed).map((r) => ({ id: r.id, name: r.name, size: r.size,
    facts: r.engine === version && factsFit(r.facts, mostPrograms) ? r.facts : null,
    built: r.built === true, received: r.received === true, sameAs: isText(r.sameAs) ? r.sameAs : null, order: r.order,
    digest: isText(r.digest) ? r.digest : null, origin: cleanOrigin(r.origin) }));
  good.sort((a, b) => a.order - b.order);
  order = good.length ? good[good.length - 1].order : 0;
  const kept = [];
  keys.forEach((sound, i) => {
    const mark = isSound(sound) ? cleanMark(marks[i], nameLength) : null;
    if (mark) kept.push([sound, mark]);
  });
  // The new bank's shape is checked where it is taken (state.js); its size
  // and its slots' edited values here.
  const fits = newBank && Array.isArray(newBank.slots) && newBank.slots.length <= mostPrograms;
  const slots = fits ? newBank.slots.map((slot) => (slot && typeof slot === 'object' ? { ...slot, set: cleanSet(slot.set, engineLimits) } : slot)) : [];
  return { banks: good, newBank: fits ? { ...newBank, slots } : null, edits: cleanEdits({ programs: edits, combis: combiEdits }, engineLimits),
    marks: kept };
}

// Edits as kept ({ programs, combis }, each a list), those whole and within
// the engine's ranges, at most MOST_EDITS of each.
export function cleanEdits({ programs, combis }, limits) {
  const clean = (list, check) => (Array.isArray(list) ? list.slice(0, MOST_EDITS).map((e) => check(e, limits)).filter(Boolean) : []);
  return { programs: clean(programs, cleanEdit), combis: clean(combis, cleanCombiEdit) };
}

// What one store keeps under each of these keys, read in one transaction.
const keptIn = (store, ids) => transaction('readonly', (stores) => Promise.all(ids.map((id) => request(stores[store].get(id)))));

// The sounds of kept banks ({ id, facts } each), read in one transaction:
// for each, its list, or null where it is not kept so (an earlier page kept
// it with the other lists) or does not fit.
export async function keptSounds(banks) {
  const found = await keptIn('soundLists', banks.map(({ id }) => id));
  return banks.map((bank, i) => {
    const sounds = isText(found[i]) ? lines(bank.facts, found[i]) : null;
    return sounds && sounds.length === bank.facts.programs ? sounds : null;
  });
}

// The whole answers of kept banks ({ id, facts } each), read in one
// transaction, with their sounds where they were read (`sounds`, or a
// promise of them: a list or null for each): for each, the answer, or null
// where its lists are missing or do not fit (to be read again).
export async function keptAnswers(banks, sounds = []) {
  const lists = await keptIn('answers', banks.map(({ id }) => id));
  const theirs = await sounds;
  return banks.map((bank, i) => fromKept(bank.facts, lists[i], theirs[i]));
}

// Banks' places in the kept collection, given in the order they were
// added (they are kept as they are read, which may be another order).
export function placeKept(banks) {
  for (const bank of banks) bank.order ??= ++order;
}

// Banks' answers kept a few at a time, each with what `put(stores, bank,
// facts)` keeps besides: the browser copies what is kept on the page's
// thread, and a thousand banks in one go would hold it up for seconds.
export const BANKS_KEPT_AT_ONCE = 16;
async function keepInParts(list, put) {
  for (let at = 0; at < list.length; at += BANKS_KEPT_AT_ONCE) {
    const part = list.slice(at, at + BANKS_KEPT_AT_ONCE).map((bank) => [bank, toKept(bank.summary)]);
    await transaction('readwrite', (stores) => {
      for (const [bank, { facts, sounds, lists }] of part) {
        stores.answers.put(lists, bank.id);
        stores.soundLists.put(sounds, bank.id);
        put(stores, bank, facts);
      }
    });
  }
}

// Banks kept whole: their facts, answers and bytes.
export const keepBanks = (list) => keepInParts(list, ({ banks, files }, bank, facts) => {
  banks.put({ id: bank.id, name: bank.name, size: bank.bytes.length, facts, built: bank.built, received: bank.received,
    sameAs: bank.sameAs, digest: bank.digest, order: bank.order ??= ++order, engine: version, origin: bank.origin });
  files.put(bank.bytes, bank.id);
});

// The lists of banks an earlier page kept with their sounds among them,
// kept again as this page keeps them (their sounds apart).
export const keepLists = (list) => keepInParts(list, () => {});

// What the person added to sounds: [[sound, mark or null]].
export function keepMarks(entries) {
  return transaction('readwrite', ({ sounds }) => {
    for (const [sound, mark] of entries) {
      if (mark) sounds.put(mark, sound);
      else sounds.delete(sound);
    }
  });
}

// A bank's bytes, or null when what is kept is not bytes.
export async function keptBytes(id) {
  const [bytes] = await keptFiles([id]);
  return bytes;
}

// The bytes of several banks, read in one transaction.
export async function keptFiles(ids) {
  return (await keptIn('files', ids)).map((bytes) => (bytes instanceof Uint8Array ? bytes : null));
}

export function forgetBank(id) {
  return transaction('readwrite', ({ banks, answers, soundLists, files }) => {
    banks.delete(id);
    answers.delete(id);
    soundLists.delete(id);
    files.delete(id);
  });
}

export function keepNewBank(newBank) {
  return transaction('readwrite', ({ meta }) => {
    meta.put(JSON.parse(JSON.stringify(newBank)), 'newBank');
  });
}

// The programs and combis edited ({ programs: [{ bankId, program, now }],
// combis: [{ bankId, combi, now }] }), at most MOST_EDITS of each.
export const MOST_EDITS = 10000;
export function keepEdits({ programs, combis }) {
  return transaction('readwrite', ({ meta }) => {
    meta.put(JSON.parse(JSON.stringify(programs)), 'edits');
    meta.put(JSON.parse(JSON.stringify(combis)), 'combiEdits');
  });
}

export function forgetAll() {
  return transaction('readwrite', (stores) => {
    for (const name of STORES) stores[name].clear();
  });
}

// ---- Choices (localStorage) --------------------------------------------------

// The choices kept under a name, or null; storage may be switched off.
export function keptChoices(name) {
  try {
    return JSON.parse(localStorage.getItem(`vornak.${name}`) || 'null');
  } catch {
    return null;
  }
}

export function keepChoices(name, value) {
  try {
    localStorage.setItem(`vornak.${name}`, JSON.stringify(value));
  } catch {
    // Not remembered, then.
  }
}
