// Undo for what the person names and arranges: the marks of a sound (its
// name of their own, tags, favourite, note), each sound's changes apart;
// and the new bank's slots (added, moved, emptied, removed, renamed) and
// its name. What each change undoes is the state as it was before it.
// Ctrl+Z undoes in those areas, except in a text field being typed in,
// whose own Undo the browser keeps.
import { plural } from './dom.js';
import { markOf, on, restoreNewBank, state } from './state.js';

// The most changes kept for Undo, in each area.
const MOST_UNDONE = 200;
const cap = (list) => {
  if (list.length > MOST_UNDONE) list.shift();
};

// ---- Marks ---------------------------------------------------------------

const marksBefore = new Map(); // sound: its marks before each change (null: none)
// Everything removed: nothing of it comes back by Undo.
on('marks', (sounds) => sounds === null && marksBefore.clear());

// A sound's marks are about to change.
export function rememberMark(sound) {
  if (!marksBefore.has(sound)) marksBefore.set(sound, []);
  const list = marksBefore.get(sound);
  list.push(markOf(sound));
  cap(list);
}

// The marks the sound had before its last change ({ mark }: null for
// none), taken off the history; null when there is nothing to undo.
export function undoMark(sound) {
  const list = marksBefore.get(sound);
  return list?.length ? { mark: list.pop() } : null;
}

// What changed between two marks, in words: "the tags are “pad” again".
export function markWords(now, was) {
  const none = { name: '', tags: [], favourite: false, note: '' };
  const [a, b] = [now || none, was || none];
  const parts = [];
  if (a.name !== b.name) parts.push(b.name ? `the name is “${b.name}” again` : 'it has no name of its own again');
  if (a.tags.join() !== b.tags.join()) parts.push(b.tags.length ? `the tags are “${b.tags.join(', ')}” again` : 'it has no tags again');
  if (a.favourite !== b.favourite) parts.push(b.favourite ? 'it is a favourite again' : 'it is no favourite again');
  if (a.note !== b.note) parts.push(b.note ? 'the note is as it was' : 'it has no note again');
  return parts.length ? `Undone: ${parts.join(', ')}.` : 'Undone.';
}

// ---- The new bank --------------------------------------------------------

const copyOf = (newBank) => ({ name: newBank.name, slots: newBank.slots.map((slot) => slot && { ...slot }) });
let last = copyOf(state.newBank);
const newBankBefore = []; // { before, words }
let restoring = false;

function undoneWords({ kind, slot, control }, before) {
  if (kind === 'added') return `slot ${before.slots.length} is taken out again`;
  if (kind === 'moved') {
    const from = control === 'up' ? slot + 1 : slot - 1;
    return `slot ${from} is back in its place (it was moved ${control})`;
  }
  if (kind === 'emptied') return `slot ${slot} holds its program again`;
  if (kind === 'removed') return `the slot removed is back (${plural(before.slots.length, 'slot')})`;
  if (kind === 'renamed' && slot >= 0) return `slot ${slot} has its name before again`;
  if (kind === 'renamed') return before.name ? `the new bank is named “${before.name}” again` : 'the new bank has no name again';
  return `the new bank has its ${plural(before.slots.length, 'slot')} again`;
}

on('newBank', (change) => {
  const kind = change?.kind;
  // Emptied all at once (not all removed, nor read back at start).
  const cleared = kind === 'all' && !state.newBank.slots.length && last.slots.length && state.banks.length;
  if (!restoring && (['added', 'moved', 'emptied', 'removed', 'renamed'].includes(kind) || cleared)) {
    newBankBefore.push({ before: last, words: undoneWords(change, last) });
    cap(newBankBefore);
  }
  if (kind === 'all' && !state.banks.length) newBankBefore.length = 0;
  last = copyOf(state.newBank);
});

// Undoes the last change of the new bank; answers what was undone in
// words, or null when nothing was.
export function undoNewBank() {
  const entry = newBankBefore.pop();
  if (!entry) return null;
  restoring = true;
  try {
    restoreNewBank(copyOf(entry.before));
  } finally {
    restoring = false;
  }
  return `Undone: ${entry.words}.`;
}

// ---- Ctrl+Z in an area ---------------------------------------------------

const typedIn = new WeakSet(); // text fields whose text is not taken yet

// Ctrl+Z (Cmd+Z) in `area` calls `undo()`, but in a text field that holds
// text not taken yet (no "change" since the last keystroke).
export function undoKey(area, undo) {
  area.addEventListener('input', (event) => typedIn.add(event.target));
  area.addEventListener('change', (event) => typedIn.delete(event.target), true);
  area.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || event.shiftKey || event.key.toLowerCase() !== 'z') return;
    if (typedIn.has(event.target)) return;
    event.preventDefault();
    undo();
  });
}
