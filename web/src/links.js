// Programs linked across formats, by what the engine answers for each:
//   - a 2.V program and the PPG program it holds a group of: describe's
//     keptBy2V gives, for every program, the sound of the 2.V program a 2.V
//     bank makes of its group A and of its group B; a 2.V program is one
//     whose sound is what a 2.V bank keeps of it;
//   - programs of the same PPG program record (describe's `records`) that
//     are not the same sound: they differ in values that the record, what a
//     PPG memory stores, does not hold.
// Each question walks the collection's answers once (string comparisons, a
// few milliseconds for 1,000 banks), which costs less than keeping an index.
import { readable, state } from './state.js';

const is2V = (summary, program) => summary.sounds[program] === summary.keptBy2V[program].A;

// The group of a PPG program that a 2.V program of `sound` holds: 'A', 'B',
// 'A and B' (its two groups are kept alike), or null.
function groupHeld(summary, program, sound) {
  const { A, B } = summary.keptBy2V[program];
  if (A === sound) return A === B ? 'A and B' : 'A';
  return B === sound ? 'B' : null;
}

// The programs linked to a program: for a 2.V program, the PPG programs
// whose group it holds ({ bank, program, group, holder: false }); for a PPG
// program, the 2.V programs that hold one of its groups ({ bank, program,
// group, holder: true }). `group`: 'A', 'B', or 'A and B'.
export function linksOf(bank, program) {
  const s = bank.summary;
  const twoV = is2V(s, program);
  const links = [];
  for (const other of state.banks) {
    if (!readable(other)) continue;
    const o = other.summary;
    for (let p = 0; p < o.programs; p++) {
      if (is2V(o, p) === twoV) continue;
      const group = twoV ? groupHeld(o, p, s.sounds[program]) : groupHeld(s, program, o.sounds[p]);
      if (group) links.push({ bank: other, program: p, group, holder: !twoV });
    }
  }
  return links;
}

// How two programs are linked: the link of the second as the first sees it,
// or null.
export function linkBetween(first, second) {
  const [a, b] = [first.bank.summary, second.bank.summary];
  if (is2V(a, first.program) === is2V(b, second.program)) return null;
  const twoV = is2V(a, first.program);
  const group = twoV ? groupHeld(b, second.program, a.sounds[first.program]) : groupHeld(a, first.program, b.sounds[second.program]);
  return group ? { ...second, group, holder: !twoV } : null;
}

// What sets apart two programs of the same record that are not the same sound.
export const RECORD_DIFFERENCE = 'values that the record (what a PPG’s memory stores) does not hold';

// The other programs with the same PPG program record that are not the
// same sound.
export function sameRecord(bank, program) {
  const { records, sounds } = bank.summary;
  const hits = [];
  for (const other of state.banks) {
    if (!readable(other)) continue;
    const o = other.summary;
    for (let p = 0; p < o.programs; p++) {
      if (o.records[p] === records[program] && o.sounds[p] !== sounds[program]) hits.push({ bank: other, program: p });
    }
  }
  return hits;
}
