// Questions asked of the collection: which programs are the same sound, the
// names a sound is known by, the programs that a search or a filter finds,
// and the groups of the same sounds in an order that helps. A sound is the
// engine's `sounds` string of a program: two programs are the same sound
// exactly when their strings are equal. A program's record (`records`) is
// what a PPG memory stores of it: a file without names holds no more, so its
// programs are known by the record too.
import { readable, markOf, state, where } from './state.js';
import { plural } from './dom.js';

// The index of the collection, made again when the banks change: every
// program of every readable bank by its sound and by its record, in the
// order the banks were indexed (the most recent last); the programs that
// are not 2.V programs by the sounds a 2.V bank makes of their groups
// (links.js); and the names that files without names give their programs
// ("PPG Program 012"), which are no one's name for a sound. A thousand
// banks hold 100,000 programs: banks added are added to the index, which is
// made anew only when banks went or were read again; it is made a part at
// a time once the banks have settled, or at once when a question comes
// first.
let cached = { revision: -1, indexed: null };
let building = null; // { revision, banks, at, index }: the index being made
const SLICE_MS = 8;

function push(map, key, value) {
  const list = map.get(key);
  if (list) list.push(value);
  else map.set(key, [value]);
}

function indexBank(ix, bank) {
  const { sounds, records, keptBy2V, names, holdsNames } = bank.summary;
  ix.indexed.set(bank, bank.summary);
  if (!holdsNames) for (const name of names) ix.placeholders.add(name);
  for (let p = 0; p < sounds.length; p++) {
    const hit = { bank, program: p };
    push(ix.sounds, sounds[p], hit);
    push(ix.records, records[p], hit);
    const { A, B } = keptBy2V[p];
    if (A === sounds[p]) continue; // a 2.V program keeps itself
    if (A === B) push(ix.kept, A, { ...hit, group: 'A and B' });
    else {
      push(ix.kept, A, { ...hit, group: 'A' });
      push(ix.kept, B, { ...hit, group: 'B' });
    }
  }
}

const fresh = () => cached.revision === state.revision;

// The index to make now: the one made, with the banks added since, where
// no bank it holds went or was read again; else a new one.
function started() {
  const banks = state.banks.filter(readable);
  const now = new Set(banks);
  const { indexed } = cached;
  const grows = indexed && [...indexed].every(([bank, summary]) => now.has(bank) && bank.summary === summary);
  const index = grows ? { ...cached }
    : { indexed: new Map(), sounds: new Map(), records: new Map(), kept: new Map(), placeholders: new Set() };
  return { revision: state.revision, at: 0, banks: grows ? banks.filter((bank) => !indexed.has(bank)) : banks, index };
}

// Goes on making the index until it is made or `until()` says stop;
// answers whether it is made.
function build(until) {
  if (!building || building.revision !== state.revision) building = started();
  const { banks, index } = building;
  while (building.at < banks.length) {
    indexBank(index, banks[building.at++]);
    if (until()) return false;
  }
  cached = { ...index, revision: building.revision };
  building = null;
  return true;
}

function index() {
  if (!fresh()) build(() => false);
  return cached;
}

// Makes the index while the page is idle, a slice at a time, as the banks
// come; then calls what waits for it. While files are read by the engine
// (`holdIndex`) it waits, and is made once they are read: grown with each
// bank read, it took an eighth of the page's thread from the engine's answers.
let slicing = 0;
let held = 0;
const waiting = [];
export function indexSoon() {
  if (slicing) return;
  slicing = setTimeout(function slice() {
    if (held) {
      slicing = 0;
      return;
    }
    const end = performance.now() + SLICE_MS;
    if (!fresh() && !build(() => performance.now() > end)) {
      slicing = setTimeout(slice, 0);
      return;
    }
    slicing = 0;
    for (const then of waiting.splice(0)) then();
  }, 0);
}

// Holds the index while files are read; answers what lets it go (once).
export function holdIndex() {
  held += 1;
  return () => {
    held -= 1;
    if (!held) indexSoon();
  };
}

// Whether the index is made for the banks as they are: what is drawn at
// once leaves out what needs it until then, rather than have it made at
// once (a long task while a thousand banks are read).
export const indexed = () => fresh();

// Calls `then` once the index is made: what follows other banks is drawn
// then, rather than having the index made at once.
export function whenIndexed(then) {
  if (fresh()) then();
  else {
    waiting.push(then);
    indexSoon();
  }
}

// The programs of the collection that are this sound; that hold this
// record; whose group a 2.V program of this sound holds ({ bank, program,
// group }).
export const programsOf = (sound) => index().sounds.get(sound) || [];
export const programsByRecord = (record) => index().records.get(record) || [];
export const groupsKeptAs = (sound) => index().kept.get(sound) || [];

// The names a sound is known by, the one to use first: the person's own,
// then those of the banks that hold names, the most recent bank's first;
// then, given the record of a program of a file without names, those of
// the named programs of that record ({ byRecord: true }) but the formats'
// default programs ("Basic 2.2" is a 2.V bank's name for a slot it fills);
// each once, and at most MOST_NAMES. [{ name, own: true } or { name, bank, program, byRecord }]
const MOST_NAMES = 12;
export function knownNames(sound, record = null) {
  const { placeholders } = index();
  const names = [];
  const seen = new Set();
  const own = markOf(sound)?.name;
  if (own) {
    names.push({ name: own, own: true });
    seen.add(own);
  }
  const take = (members, byRecord) => {
    for (let i = members.length - 1; i >= 0 && names.length < MOST_NAMES; i--) {
      const { bank, program } = members[i];
      const { holdsNames, names: theirs, sounds } = bank.summary;
      const name = holdsNames ? theirs[program] : '';
      if (!name.trim() || placeholders.has(name) || seen.has(name) || (byRecord && (sounds[program] === sound || state.fills.has(sounds[program])))) {
        continue;
      }
      names.push({ name, bank, program, byRecord });
      seen.add(name);
    }
  };
  take(programsOf(sound), false);
  if (record !== null) take(programsByRecord(record), true);
  return names;
}

// The names a program is known by: for a program of a file without names,
// by its record too.
export function namesOfProgram(bank, program) {
  const { sounds, records, holdsNames } = bank.summary;
  return knownNames(sounds[program], holdsNames ? null : records[program]);
}

// "known as Solar Brass 37, from " and the bank's file name ("…, from its
// PPG record in …" where the sound is not the same), or "known as …, your
// name for it"
export const knownAs = (known) => `known as ${known.name}, ${known.own ? 'your name for it'
  : `${known.byRecord ? 'by its PPG record, ' : ''}from ${known.bank.name}`}`;

// The name from the collection for a program: the first it is known by,
// where its bank holds no names or the person gave the sound a name of
// their own; null when there is none.
export function collectionName(bank, program) {
  if (bank.summary.holdsNames && !markOf(bank.summary.sounds[program])?.name) return null;
  return namesOfProgram(bank, program)[0] || null;
}

// The collection's sounds, each once (the default and blank programs left
// out) in the order of the banks: the same list while the banks' lists of
// sounds are the same, and the same text of them a line, as the engine's
// similar() takes them (one string crosses to the engine's worker at once,
// where 100,000 are copied one by one). `lists`: the banks' lists of sounds,
// those of the readable banks when left out (the page opened again hands
// the engine the sounds read back before the banks' other lists). Made a
// slice at a time: a hundred thousand sounds at once hold the page's thread
// for a tenth of a second; the lines of each slice are joined, and the
// slices joined.
let unique = { lists: [], fills: null, sounds: [], text: '' };
const readableSounds = () => state.banks.filter(readable).map((bank) => bank.summary.sounds);
const sameLists = (a, b) => Boolean(a) && a.length === b.length && b.every((list, i) => list === a[i]);
const isMade = (lists) => unique.fills === state.fills && sameLists(unique.lists, lists);
let making = { lists: null, promise: null };
export function uniqueSounds(lists = readableSounds()) {
  if (isMade(lists)) return Promise.resolve(unique);
  if (!sameLists(making.lists, lists)) making = { lists, promise: makeUnique(lists) };
  return making.promise;
}

async function makeUnique(lists) {
  const seen = new Set();
  const sounds = [];
  const parts = [];
  for (let at = 0; at < lists.length;) {
    await new Promise((resolve) => setTimeout(resolve, 0));
    const end = performance.now() + SLICE_MS;
    const from = sounds.length;
    while (at < lists.length && performance.now() < end) {
      for (const sound of lists[at++]) {
        if (state.fills.has(sound) || seen.has(sound)) continue;
        seen.add(sound);
        sounds.push(sound);
      }
    }
    if (sounds.length > from) parts.push(sounds.slice(from).join('\n'));
  }
  if (!isMade(lists)) unique = { lists, fills: state.fills, sounds, text: parts.join('\n') };
  return unique;
}

// The other programs, in any bank, with the same sound.
export function sameSounds(bank, program) {
  return programsOf(bank.summary.sounds[program]).filter((hit) => hit.bank !== bank || hit.program !== program);
}

// "same sound as demo23.crv, program 12 and 3 others", or ''.
export function sameSoundText(bank, program) {
  const others = sameSounds(bank, program);
  if (!others.length) return '';
  const more = others.length > 1 ? ` and ${plural(others.length - 1, 'other')}` : '';
  return `same sound as ${where(others[0].bank, others[0].program)}${more}`;
}

// What else a program is found by, lower-cased: its sound's own name, tags
// and note, and (where its bank holds no names) the names it is known by.
// Kept while neither the banks nor the marks change.
let extras = { key: '', named: new Map(), nameless: new Map() };
function extraText(bank, program) {
  const key = `${state.revision} ${state.marksRevision}`;
  if (extras.key !== key) extras = { key, named: new Map(), nameless: new Map() };
  const { sounds, holdsNames } = bank.summary;
  const sound = sounds[program];
  const kept = holdsNames ? extras.named : extras.nameless;
  let text = kept.get(sound);
  if (text === undefined) {
    const mark = markOf(sound);
    const parts = mark ? [mark.name, ...mark.tags, mark.note] : [];
    if (!holdsNames) parts.push(...namesOfProgram(bank, program).map((n) => n.name));
    text = parts.join('\n').toLowerCase();
    kept.set(sound, text);
  }
  return text;
}

// Whether a sound's marks pass the filter ('', 'favourites', 'untagged',
// 'tag:' and a tag).
function passes(sound, filter) {
  if (!filter) return true;
  const mark = markOf(sound);
  if (filter === 'favourites') return Boolean(mark && mark.favourite);
  if (filter === 'untagged') return !mark || !mark.tags.length;
  const tag = filter.slice(4).toLowerCase();
  return Boolean(mark && mark.tags.some((t) => t.toLowerCase() === tag));
}

// Programs, across all banks, that the filter passes and whose names, the
// names they are known by, their sound's tags or its note hold the text
// (ignoring case); answers { hits, total } with at most `limit` hits.
const lowerNames = new WeakMap();
export function findPrograms(text, filter, limit) {
  const wanted = text.trim().toLowerCase();
  const hits = [];
  let total = 0;
  if (!wanted && !filter) return { hits, total };
  for (const bank of state.banks) {
    if (!readable(bank)) continue;
    const { sounds, holdsNames } = bank.summary;
    let lower = lowerNames.get(bank.summary);
    if (!lower) lowerNames.set(bank.summary, lower = bank.summary.names.map((n) => n.toLowerCase()));
    for (let p = 0; p < lower.length; p++) {
      if (!passes(sounds[p], filter)) continue;
      if (wanted && !lower[p].includes(wanted)
        && ((holdsNames && !state.marks.has(sounds[p])) || !extraText(bank, p).includes(wanted))) continue;
      total += 1;
      if (hits.length < limit) hits.push({ bank, program: p });
    }
  }
  return { hits, total };
}

// The tags in use, in alphabetical order.
export function tagsInUse() {
  const tags = new Map();
  for (const mark of state.marks.values()) for (const tag of mark.tags) if (!tags.has(tag.toLowerCase())) tags.set(tag.toLowerCase(), tag);
  return [...tags.values()].sort((a, b) => a.localeCompare(b));
}

// The same sounds of the collection, in the order that helps most:
//   wholes: banks whose every sound (leaving out the formats' default and
//     blank programs) is in another bank: { bank, of, sounds, same }, one
//     line each; their programs are left out of the groups below;
//   shared: sounds held by programs of two or more banks, the most banks
//     first: [{ bank, program }];
//   inside: sounds repeated inside one bank only;
//   fills: the default and blank programs, { programs, banks }.
export function duplicateReport() {
  const { sounds } = index();
  const banks = state.banks.filter(readable);
  const own = new Map(banks.map((bank) => [bank, new Set(bank.summary.sounds.filter((s) => !state.fills.has(s)))]));
  const position = new Map(banks.map((bank, i) => [bank, i]));
  const wholes = [];
  const folded = new Set();
  for (const bank of banks) {
    const mine = own.get(bank);
    if (!mine.size) continue;
    // Only banks that hold its rarest sound can hold all of them.
    let rarest = null;
    for (const sound of mine) if (!rarest || sounds.get(sound).length < sounds.get(rarest).length) rarest = sound;
    const candidates = new Set(sounds.get(rarest).map((hit) => hit.bank));
    for (const other of candidates) {
      const theirs = own.get(other);
      if (other === bank || theirs.size < mine.size) continue;
      // Of two banks with the same sounds, the later one is the copy.
      if (theirs.size === mine.size && position.get(other) > position.get(bank)) continue;
      if (![...mine].every((s) => theirs.has(s))) continue;
      wholes.push({ bank, of: other, sounds: mine.size, same: theirs.size === mine.size });
      folded.add(bank);
      break;
    }
  }
  const shared = [];
  const inside = [];
  const fills = { programs: 0, banks: new Set() };
  for (const [sound, members] of sounds) {
    if (state.fills.has(sound)) {
      fills.programs += members.length;
      for (const m of members) fills.banks.add(m.bank);
      continue;
    }
    const kept = members.filter((m) => !folded.has(m.bank));
    if (kept.length < 2) continue;
    const holders = new Set(kept.map((m) => m.bank)).size;
    (holders > 1 ? shared : inside).push({ members: kept, banks: holders });
  }
  shared.sort((a, b) => b.banks - a.banks || b.members.length - a.members.length);
  inside.sort((a, b) => b.members.length - a.members.length);
  return { wholes, groups: [...shared, ...inside], shared: shared.length, fills: { programs: fills.programs, banks: fills.banks.size } };
}
