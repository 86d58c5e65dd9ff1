// The page's engine: the package's own worker (createVornakWorker), made
// once and made again when it stops (out of memory, say), so that one bad
// file never stops the page. Every question the page asks the engine, and
// the reading of whether an answer is a success, goes through here.
import { createVornakWorker } from '../vornak.mjs';

let engine = null;

function started() {
  engine ??= createVornakWorker();
  const made = engine;
  made.catch(() => {
    if (engine === made) engine = null; // the next question starts another
  });
  return made;
}

// Mistakes in a question are the page's own and leave the engine as it is;
// any other failure means the engine or its worker stopped.
const mistake = (error) => error instanceof TypeError || error instanceof RangeError;

async function ask(question, ...args) {
  const current = started();
  const made = await current;
  try {
    return await made[question](...args);
  } catch (error) {
    if (!mistake(error) && engine === current) {
      engine = null;
      made.dispose();
    }
    throw error;
  }
}

export const startEngine = () => started().then(() => undefined);

// Whether the engine did what it was asked (its answers say so in `ok`);
// its message when it did not.
export const succeeded = (answer) => Boolean(answer) && answer.ok === true;
export const failure = (answer) => answer.message || answer.explanation || `exit code ${answer.exitCode}`;

export const formats = () => ask('formats');
export const limits = () => ask('limits');

// The engine's option for the page's model hint: '' lets the data decide.
const model = (hint) => hint || undefined;

// What a bank holds: `options` as describe takes them, the model as the
// page keeps it.
export function describe(name, bytes, { model: hint, ...options }) {
  return ask('describe', name, bytes, { model: model(hint), ...options });
}

// The bank written in the format `to`, with what it keeps.
export function convert(name, bytes, { model: hint, ...options }) {
  return ask('convert', bytes, { name, model: model(hint), ...options });
}

export function compose({ model: hint, ...request }) {
  return ask('compose', { model: model(hint), ...request });
}

// The tool's listing of a bank, as it prints it (its message, for a file
// it cannot read).
export async function listing(name, bytes, hint) {
  const answer = await ask('listing', name, bytes, { model: model(hint) });
  return answer.text;
}

// The sounds among `sounds` nearest to `sound`: [{ index, distance }]. The
// engine keeps the list it was given last: the same list again is not sent.
export const similar = (sound, sounds, count) => ask('similar', sound, sounds, { count });
