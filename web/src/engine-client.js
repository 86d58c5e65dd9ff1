// The page's engine: the package's own worker (createVornakWorker), made
// once and made again when it stops (out of memory, say), so that one bad
// file never stops the page. Every question the page asks the engine, and
// the reading of whether an answer is a success, goes through here. Many
// banks read at once are the engine's longest work: while the first engine
// is at work, a second one reads banks beside it.
import { createVornakWorker } from '../engine/module.js';

// `engine`: a promise of an engine, or null; `waiting`: questions asked of
// it and not yet answered.
const engines = [{ engine: null, waiting: 0 }];
if ((globalThis.navigator?.hardwareConcurrency || 1) > 1) engines.push({ engine: null, waiting: 0 });

function started(slot) {
  slot.engine ??= createVornakWorker({ transfer: true });
  const made = slot.engine;
  made.catch(() => {
    if (slot.engine === made) slot.engine = null; // the next question starts another
  });
  return made;
}

// Mistakes in a question are the page's own and leave the engine as it is;
// any other failure means the engine or its worker stopped.
const mistake = (error) => error instanceof TypeError || error instanceof RangeError;

// Banks are read by the engine with fewer questions waiting, the second
// started once the first is at work (reading other banks: a program opened
// meanwhile does not wait for it). The nearest sounds are asked of the
// second, which keeps the sounds that similar() was given last: the
// collection's 100,000 sounds take it a few hundred milliseconds to read,
// and the values of a program opened meanwhile come from the first.
// Everything else is asked of the first.
function slotFor(question) {
  const [first, second] = engines;
  if (question === 'similar') return second || first;
  if (question !== 'describe' || !second || (!second.engine && first.waiting === 0)) return first;
  return second.waiting < first.waiting ? second : first;
}

// The bytes of a question as the worker takes them: its own copy, handed
// over (transferred) rather than copied into the message, which takes the
// page's thread several times as long as the copy made here (a thousand
// banks read, half a second); the page keeps its bytes.
function own(value) {
  if (value instanceof ArrayBuffer) return value.slice(0);
  if (ArrayBuffer.isView(value)) return new Uint8Array(value.buffer, value.byteOffset, value.byteLength).slice();
  if (Array.isArray(value)) return value.map(own);
  if (value instanceof Map) return new Map([...value].map(([key, v]) => [key, own(v)]));
  if (value && typeof value === 'object') return Object.fromEntries(Object.entries(value).map(([key, v]) => [key, own(v)]));
  return value;
}

async function ask(question, ...given) {
  const args = given.map(own);
  const slot = slotFor(question);
  slot.waiting += 1;
  const current = started(slot);
  try {
    const made = await current;
    try {
      return await made[question](...args);
    } catch (error) {
      if (!mistake(error) && slot.engine === current) {
        slot.engine = null;
        made.dispose();
      }
      throw error;
    }
  } finally {
    slot.waiting -= 1;
  }
}

export const startEngine = () => started(engines[0]).then(() => undefined);

// Starts the second engine, where there is one, once the page is ready: it
// is handed the collection's sounds, and a program opened while the first
// is at work is read at once.
export function startHelper() {
  if (engines[1]) started(engines[1]).catch(() => {});
}

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

// What a disk image holds, as the tool lists it, with each file's bytes as
// copied off the disk.
export const disk = (bytes, hint) => ask('disk', bytes, { model: model(hint) });

// The tool's listing of a bank, as it prints it (its message, for a file
// it cannot read).
export async function listing(name, bytes, hint) {
  const answer = await ask('listing', name, bytes, { model: model(hint) });
  return answer.text;
}

// The sounds among `sounds` (a list, or one text of them a line) nearest to
// `sound`: [{ index, distance }]. The engine keeps the sounds it was given
// last: the same again are not sent.
export const similar = (sound, sounds, count) => ask('similar', sound, sounds, { count });
