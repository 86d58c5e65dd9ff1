// Edited programs as the engine writes them. Its sound is found by
// writing the one program with its new values in its bank's own format
// (compose with its `set`), whose answer says what the file gives back (its
// sound and record) and which values that format rounded: one call. A
// copy of its bank in its own format, the edited program in its place,
// joins the collection like any bank.
import { numbered } from './dom.js';
import * as engine from './engine-client.js';
import { addFiles, bytesOf } from './files.js';
import { bankById, formatByLetter, state } from './state.js';

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
const answers = new Map();

// The edited program as its format holds it: { sound, record, rounded }
// (`rounded` as compose reports it).
export function editedSound(bank, program, set, format) {
  const key = JSON.stringify([bank.id, bank.generation, program, set, format.letter, state.settings.model]);
  if (!answers.has(key)) {
    if (answers.size >= MOST_KEPT) answers.delete(answers.keys().next().value);
    const asked = (async () => {
      const composed = await engine.compose({ banks: { source: await bytesOf(bank) }, programs: [{ bank: 'source', program, set }],
        format: format.letter, model: state.settings.model });
      if (!engine.succeeded(composed)) throw new Error(engine.failure(composed));
      return { sound: composed.sounds[0], record: composed.records[0], rounded: composed.report.rounded };
    })();
    asked.catch(() => answers.delete(key));
    answers.set(key, asked);
  }
  return answers.get(key);
}

// A copy of the bank in `format` with the edited program in its place
// (`now` as the edit keeps it: its values set on its own record or on the
// record of the program blended with), added to the collection; answers
// the bank added (null when the collection holds those bytes already), its
// name and the engine's report.
export async function addBankCopy(bank, program, { source, set }, format) {
  const banks = { bank: await bytesOf(bank) };
  const from = source ? bankById(source.bankId) : bank;
  if (!from) throw new Error('the bank of the program blended with was removed');
  if (from !== bank) banks.source = await bytesOf(from);
  // The edited program keeps its own name where the format keeps names.
  const edited = { bank: from === bank ? 'bank' : 'source', program: source ? source.program : program, ...(set ? { set } : {}),
    ...(source && format.names && bank.summary.holdsNames ? { name: bank.summary.names[program] } : {}) };
  const programs = Array.from({ length: bank.summary.programs }, (_, p) => (p === program ? edited : { bank: 'bank', program: p }));
  const compose = (bankName) => engine.compose({ banks, programs, format: format.letter, model: state.settings.model, bankName });
  // The bank's name where the format keeps one, and without it where a
  // name of the file is not one the format takes.
  const named = (format.names && bank.summary.bankName) || undefined;
  let answer = await compose(named);
  if (!engine.succeeded(answer) && named) answer = await compose(undefined);
  if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
  const dot = bank.name.lastIndexOf('.');
  const stem = dot > 0 ? bank.name.slice(0, dot) : bank.name;
  const name = numbered(`${stem} edited${format.extension}`, (n) => state.banks.some((b) => b.name === n));
  const [added] = await addFiles([{ name, bytes: answer.bytes }], { built: true });
  return { added: added || null, name, report: answer.report };
}
