// Edited programs as the engine writes them. Its sound is found by
// writing the one program with its new values in its bank's own format
// (compose with its `set`), whose answer says what the file gives back (its
// sound and record) and which values that format rounded: one call. A
// copy of its bank as edited joins the collection like any bank.
import { numbered } from './dom.js';
import * as engine from './engine-client.js';
import { addFiles, bytesOf } from './files.js';
import { asEdited, editedPrograms } from './bank-edits.js';
import { keep, keepMarks } from './collection.js';
import { bankById, formatByLetter, markOf, markSound, readable, state } from './state.js';

// The format an edited program is written in: its bank's own (describe's
// `writesAs`); for a bank no format writes as it is, the first that holds
// every value in whole steps.
export function ownFormat(writesAs) {
  const whole = (held) => Object.values(held).every((h) => h && h.step === 1);
  return formatByLetter(writesAs)
    || state.formats.find((f) => f.values && f.groups === 2 && whole(f.values.program) && whole(f.values.group)) || state.formats[0];
}

// The last answers, a few of them: Undo and Redo come back to them.
const MOST_KEPT = 64;
const soundCache = new Map();

// The edited program as its format holds it: { sound, record, rounded }
// (`rounded` as compose reports it).
export function editedSound(bank, program, set, format) {
  const key = JSON.stringify([bank.id, bank.generation, program, set, format.letter, state.settings.model]);
  if (!soundCache.has(key)) {
    if (soundCache.size >= MOST_KEPT) soundCache.delete(soundCache.keys().next().value);
    const asked = (async () => {
      const composed = await engine.compose({ banks: { source: await bytesOf(bank) }, programs: [{ bank: 'source', program, set }],
        format: format.letter, model: state.settings.model });
      if (!engine.succeeded(composed)) throw new Error(engine.failure(composed));
      return { sound: composed.sounds[0], record: composed.records[0], rounded: composed.report.rounded };
    })();
    asked.catch(() => soundCache.delete(key));
    soundCache.set(key, asked);
  }
  return soundCache.get(key);
}

// A copy of the bank as edited (every edited program and combi of it, its
// combis, its model, its names), in `format`, added to the collection with
// the names of one's own of the sounds edited; answers the bank added (null
// when the collection holds those bytes already), its name and the
// engine's report.
export async function addBankCopy(bank, format) {
  const answer = await engine.convert(bank.name, await bytesOf(bank), { to: format.letter, model: state.settings.model, edits: asEdited(bank) });
  if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
  const dot = bank.name.lastIndexOf('.');
  const stem = dot > 0 ? bank.name.slice(0, dot) : bank.name;
  const name = numbered(`${stem} edited${format.extension}`, (n) => state.banks.some((b) => b.name === n));
  const [added] = await addFiles([{ name, bytes: answer.bytes }], { built: true });
  if (added && readable(added)) carryNames(bank, added);
  return { added: added || null, name, report: answer.keeps };
}

// A name of one's own given to a sound before it was edited goes with the
// edited program where its sound has none.
function carryNames(bank, copy) {
  for (const { program, now } of editedPrograms(bank.id)) {
    const from = now.source ? bankById(now.source.bankId) : bank;
    const before = from && markOf(from.summary.sounds[now.source ? now.source.program : program]);
    const sound = copy.summary.sounds[program];
    if (!before?.name || !sound || markOf(sound)?.name) continue;
    const mark = { ...(markOf(sound) || { tags: [], favourite: false, note: '' }), name: before.name };
    markSound(sound, mark);
    keep(() => keepMarks([[sound, mark]]));
  }
}
