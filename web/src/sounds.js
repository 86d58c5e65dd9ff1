// Questions asked of the collection: which programs are the same sound, the
// names a sound is known by, the programs that a search or a filter finds,
// and the groups of the same sounds in an order that helps. A sound is the
// engine's `sounds` string of a program: two programs are the same sound
// exactly when their strings are equal.
import { readable, markOf, state, where } from './state.js';
import { plural } from './dom.js';

let cached = { revision: -1, fills: null, index: null, placeholders: null };

// Every program of every readable bank by its sound: sound to a list of
// { bank, program }, in the order of the banks (the most recent last); and
// the names that files without names give their programs ("PPG Program
// 012"), which are no one's name for a sound. Made again when the banks
// change.
function index() {
  if (cached.revision === state.revision && cached.fills === state.fills) return cached.index;
  const sounds = new Map();
  const placeholders = new Set();
  for (const bank of state.banks) {
    if (!readable(bank)) continue;
    const list = bank.summary.sounds;
    if (!bank.summary.holdsNames) for (const name of bank.summary.names) placeholders.add(name);
    for (let p = 0; p < list.length; p++) {
      const members = sounds.get(list[p]);
      if (members) members.push({ bank, program: p });
      else sounds.set(list[p], [{ bank, program: p }]);
    }
  }
  cached = { revision: state.revision, fills: state.fills, index: sounds, placeholders, unique: null };
  return sounds;
}

// The programs of the collection that are this sound.
export const programsOf = (sound) => index().get(sound) || [];

// The names a sound is known by, the one to use first: the person's own,
// then those of the banks that hold names, the most recent bank's first;
// each once, and at most MOST_NAMES. [{ name, own: true } or { name, bank,
// program }]
const MOST_NAMES = 12;
export function knownNames(sound) {
  const members = programsOf(sound);
  const names = [];
  const seen = new Set();
  const own = markOf(sound)?.name;
  if (own) {
    names.push({ name: own, own: true });
    seen.add(own);
  }
  for (let i = members.length - 1; i >= 0 && names.length < MOST_NAMES; i--) {
    const { bank, program } = members[i];
    const name = bank.summary.holdsNames ? bank.summary.names[program] : '';
    if (!name.trim() || cached.placeholders.has(name) || seen.has(name)) continue;
    names.push({ name, bank, program });
    seen.add(name);
  }
  return names;
}

// "known as Solar Brass 37, from " and the bank's file name, or "known as …,
// your name for it"
export const knownAs = (known) => `known as ${known.name}, ${known.own ? 'your name for it' : `from ${known.bank.name}`}`;

// The name from the collection for a program: the first its sound is known
// by, where its bank holds no names or the person gave the sound a name of
// their own; null when there is none.
export function collectionName(bank, program) {
  const sound = bank.summary.sounds[program];
  if (bank.summary.holdsNames && !markOf(sound)?.name) return null;
  return knownNames(sound)[0] || null;
}

// The collection's sounds, each once (the default and blank programs left
// out): the same list while the banks are the same, as the engine's
// similar() wants it.
export function uniqueSounds() {
  index();
  cached.unique ??= [...cached.index.keys()].filter((sound) => !state.fills.has(sound));
  return cached.unique;
}

// The other programs, in any bank, with the same sound.
export function sameSounds(bank, program) {
  return (index().get(bank.summary.sounds[program]) || []).filter((hit) => hit.bank !== bank || hit.program !== program);
}

// "same sound as demo23.crv, program 12 and 3 others", or ''.
export function sameSoundText(bank, program) {
  const others = sameSounds(bank, program);
  if (!others.length) return '';
  const more = others.length > 1 ? ` and ${plural(others.length - 1, 'other')}` : '';
  return `same sound as ${where(others[0].bank, others[0].program)}${more}`;
}

// What else a program is found by, lower-cased: its sound's own name, tags
// and note, and (where its bank holds no names) the names the sound is
// known by. Kept while neither the banks nor the marks change.
let extras = { key: '', named: new Map(), nameless: new Map() };
function extraText(sound, holdsNames) {
  const key = `${state.revision} ${state.marksRevision}`;
  if (extras.key !== key) extras = { key, named: new Map(), nameless: new Map() };
  const kept = holdsNames ? extras.named : extras.nameless;
  let text = kept.get(sound);
  if (text === undefined) {
    const mark = markOf(sound);
    const parts = mark ? [mark.name, ...mark.tags, mark.note] : [];
    if (!holdsNames) parts.push(...knownNames(sound).map((n) => n.name));
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
// names their sound is known by, its tags or its note hold the text
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
        && ((holdsNames && !state.marks.has(sounds[p])) || !extraText(sounds[p], holdsNames).includes(wanted))) continue;
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
  const sounds = index();
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
