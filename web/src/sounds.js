// Questions asked of the collection: which programs are the same sound, the
// names that hold a text, and the groups of the same sounds in an order that
// helps. A sound is the engine's `sounds` string of a program: two programs
// are the same sound exactly when their strings are equal.
import { readable, state, where } from './state.js';
import { plural } from './dom.js';

let cached = { revision: -1, fills: null, index: null };

// Every program of every readable bank by its sound: sound to a list of
// { bank, program }, in the order of the banks. Made again when the banks
// change.
function index() {
  if (cached.revision === state.revision && cached.fills === state.fills) return cached.index;
  const sounds = new Map();
  for (const bank of state.banks) {
    if (!readable(bank)) continue;
    const list = bank.summary.sounds;
    for (let p = 0; p < list.length; p++) {
      const members = sounds.get(list[p]);
      if (members) members.push({ bank, program: p });
      else sounds.set(list[p], [{ bank, program: p }]);
    }
  }
  cached = { revision: state.revision, fills: state.fills, index: sounds };
  return sounds;
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

// Programs whose names hold the text (ignoring case), across all banks;
// answers { hits, total } with at most `limit` hits.
const lowerNames = new WeakMap();
export function searchNames(text, limit) {
  const wanted = text.trim().toLowerCase();
  const hits = [];
  let total = 0;
  if (!wanted) return { hits, total };
  for (const bank of state.banks) {
    if (!readable(bank)) continue;
    let lower = lowerNames.get(bank.summary);
    if (!lower) lowerNames.set(bank.summary, lower = bank.summary.names.map((n) => n.toLowerCase()));
    for (let p = 0; p < lower.length; p++) {
      if (!lower[p].includes(wanted)) continue;
      total += 1;
      if (hits.length < limit) hits.push({ bank, program: p });
    }
  }
  return { hits, total };
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
