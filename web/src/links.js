// Programs linked across formats, by what the engine answers for each:
//   - a 2.V program and the PPG program it holds a group of: describe's
//     keptBy2V gives, for every program, the sound of the 2.V program a 2.V
//     bank makes of its group A and of its group B; a 2.V program is one
//     whose sound is what a 2.V bank keeps of it;
//   - programs of the same PPG program record (describe's `records`) that
//     are not the same sound: the PPG holds them the same, and they differ
//     in settings that only the file of one of them holds.
// The questions are answered from the index of the collection (sound-index.js).
import { groupsKeptAs, programsByRecord, programsOf } from './sound-index.js';
import { state } from './state.js';

const is2V = (summary, program) => summary.sounds[program] === summary.keptBy2V[program].A;

// The group of a PPG program that a 2.V program of `sound` holds: 'A', 'B',
// 'A and B' (its two groups are kept alike), or null.
function groupHeld(summary, program, sound) {
  const { A, B } = summary.keptBy2V[program];
  if (A === sound) return A === B ? 'A and B' : 'A';
  return B === sound ? 'B' : null;
}

// The programs linked to a program, in the order of the banks: for a 2.V
// program, the PPG programs whose group it holds ({ bank, program, group,
// holder: false }); for a PPG program, the 2.V programs that hold one of its
// groups ({ bank, program, group, holder: true }). `group`: 'A', 'B', or
// 'A and B'.
export function linksOf(bank, program) {
  const s = bank.summary;
  let links;
  if (is2V(s, program)) links = groupsKeptAs(s.sounds[program]).map((hit) => ({ ...hit, holder: false }));
  else {
    const { A, B } = s.keptBy2V[program];
    const holding = (sound, group) => programsOf(sound).filter((hit) => is2V(hit.bank.summary, hit.program))
      .map((hit) => ({ ...hit, group, holder: true }));
    links = A === B ? holding(A, 'A and B') : [...holding(A, 'A'), ...holding(B, 'B')];
  }
  const place = new Map(state.banks.map((b, i) => [b, i]));
  return links.sort((x, y) => place.get(x.bank) - place.get(y.bank) || x.program - y.program);
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

// The other programs with the same PPG program record that are not the
// same sound.
export function sameRecord(bank, program) {
  const { records, sounds } = bank.summary;
  return programsByRecord(records[program]).filter((hit) => hit.bank.summary.sounds[hit.program] !== sounds[program]);
}

// The files among two programs of the same record that hold more of their
// program than the record ("Corvel bank"): those whose sound is more than
// the record, as the engine writes a sound (the record, then each value the
// record alone would not give). "settings only a Corvel bank holds"
export function heldOnlyBy(pairs) {
  const formats = [...new Set(pairs.filter(({ bank, program }) => bank.summary.sounds[program] !== bank.summary.records[program])
    .map(({ bank }) => bank.summary.format))];
  return formats.length ? `settings only ${formats.map((f) => `${/^[AEIOU]/.test(f) ? 'an' : 'a'} ${f}`).join(' or ')} holds`
    : 'settings a PPG’s memory does not hold';
}
