// The engine's answers that the views ask for: a bank's listing, a
// program's values, what writing a bank keeps, the bank written, the new
// bank built, the sounds nearest to one. Where a format keeps names, the
// programs can take the names the collection knows for their sounds.
import * as engine from './engine-client.js';
import { bytesOf } from './files.js';
import { collectionName, programsOf, uniqueSounds } from './sound-index.js';
import { bankById, formatByLetter, state } from './state.js';

// Answers that depend only on a bank's summary are kept with it.
const answerCache = new WeakMap();
function cached(bank, key, make) {
  if (!answerCache.has(bank.summary)) answerCache.set(bank.summary, new Map());
  const answers = answerCache.get(bank.summary);
  if (!answers.has(key)) answers.set(key, make().catch((error) => {
    answers.delete(key);
    throw error;
  }));
  return answers.get(key);
}

export const listing = (bank) => cached(bank, 'listing', async () => engine.listing(bank.name, await bytesOf(bank), state.settings.model));

export function parameters(bank, program) {
  return cached(bank, `values ${program}`, async () => {
    const answer = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: [program], conversions: false });
    if (!engine.succeeded(answer) || !answer.parameters.length) throw new Error(engine.failure(answer));
    return { labels: answer.parameterLabels, values: answer.parameters[0], writesAs: answer.writesAs ?? null };
  });
}

// A bank's combis with their values, as describe answers them: in the
// bank's answer already, unless it was kept without them.
export function combiValues(bank) {
  if (Array.isArray(bank.summary.combiValues)) return Promise.resolve(bank.summary.combiValues);
  return cached(bank, 'combis', async () => {
    const answer = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: false, conversions: false });
    if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
    return answer.combiValues || [];
  });
}

// What writing the bank with `options` ({ to, first, last, group }) keeps.
export function report(bank, { to, ...range }) {
  return cached(bank, `report ${JSON.stringify([to, range])}`, async () => {
    const answer = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: false, conversions: to, ...range });
    if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
    return answer.conversions[0];
  });
}

// The names the collection gives a bank's programs, by their numbers (null
// where a program keeps its own), and how many there are.
export function collectionNames(bank) {
  const names = bank.summary.names.map((own, p) => {
    const known = collectionName(bank, p);
    return known && known.name !== own ? known.name : null;
  });
  return { names, count: names.filter((n) => n !== null).length };
}

// Asks with the names from the collection, and without them when the engine
// refuses those names (a character or a length a name cannot have): the
// answer then carries `namesProblem`, the engine's words.
async function withNames(ask, named) {
  if (!named) return ask(false);
  let problem;
  try {
    const answer = await ask(true);
    if (engine.succeeded(answer)) return answer;
    problem = engine.failure(answer);
  } catch (error) {
    if (!(error instanceof TypeError || error instanceof RangeError)) throw error;
    problem = error.message;
  }
  const answer = await ask(false);
  return engine.succeeded(answer) ? { ...answer, namesProblem: problem } : answer;
}

// The bank written with `options` ({ to, first, last, group, edits: as
// convert takes them, or none for the bank as read }); with `named`, its
// programs take the names from the collection.
export async function convert(bank, { edits, ...options }, named = false) {
  const bytes = await bytesOf(bank);
  const { names, count } = named ? collectionNames(bank) : { count: 0 };
  return withNames((withThem) => engine.convert(bank.name, bytes, { model: state.settings.model, ...options, ...(edits ? { edits } : {}),
    ...(withThem ? { names } : {}) }), count > 0);
}

// Whether the new bank's programs take the names from the collection.
export const bankNamed = () => state.settings.bank.names && formatByLetter(state.settings.bank.format).names;

// The name a slot's program gets unless it is renamed.
export function slotName(slot) {
  const bank = bankById(slot.bankId);
  const known = bankNamed() ? collectionName(bank, slot.program) : null;
  return known ? known.name : bank.summary.names[slot.program];
}

// The new bank as the engine builds it: each source bank under its id. The
// last answer is kept: writing the bank that the builder has just reported
// on takes its bytes at once.
let composedCache = { key: null, answer: null };
export async function composeNewBank() {
  const { format, group } = state.settings.bank;
  const named = bankNamed();
  const key = JSON.stringify([state.newBank, format, group, named, state.settings.model, state.revision, named && state.marksRevision]);
  if (composedCache.key === key) return composedCache.answer;
  const banks = {};
  const programs = [];
  const given = [];
  for (const slot of state.newBank.slots) {
    const bank = slot && bankById(slot.bankId);
    if (!slot) {
      programs.push(null);
      given.push(null);
      continue;
    }
    const name = `bank-${slot.bankId}`;
    if (bank && !(name in banks)) banks[name] = await bytesOf(bank);
    programs.push({ bank: name, program: slot.program, name: slot.name, ...(slot.set ? { set: slot.set } : {}) });
    given.push(slot.name ?? (named && bank && engine.succeeded(bank.summary) ? collectionName(bank, slot.program)?.name ?? null : null));
  }
  const request = { banks, format, model: state.settings.model, group: formatByLetter(format).group ? group : undefined,
    bankName: state.newBank.name || undefined };
  const answer = await withNames((withThem) => engine.compose({ ...request, programs: withThem
    ? programs.map((p, i) => p && { ...p, name: given[i] }) : programs }), given.some((name, i) => name !== null && name !== programs[i]?.name));
  if (engine.succeeded(answer)) composedCache = { key, answer };
  return answer;
}

// The five sounds of the collection nearest to `sound`, each with a
// program that holds it (one of a bank with names where there is one), how
// many do, and the engine's distance: [{ bank, program, holders, distance }].
// Kept while the banks are the same.
let nearestCache = { revision: -1, answers: new Map() };
export function similar(sound) {
  if (nearestCache.revision !== state.revision) nearestCache = { revision: state.revision, answers: new Map() };
  if (!nearestCache.answers.has(sound)) {
    const asked = whole.then(async () => {
      const { sounds, text } = await uniqueSounds();
      return { sounds, found: await engine.similar(sound, text, 5) };
    }).then(({ sounds, found }) => found.map(({ index, distance }) => {
      const holders = programsOf(sounds[index]);
      const shown = holders.find((h) => h.bank.summary.holdsNames) || holders[0];
      return { ...shown, holders: holders.length, distance };
    }));
    const { answers } = nearestCache;
    asked.catch(() => answers.delete(sound));
    answers.set(sound, asked);
  }
  return nearestCache.answers.get(sound);
}

// Hands the engine the collection's sounds before a program asks for its
// nearest ones: they cross to the engine's worker once for each change of
// the banks, while the page is idle. `lists`: the banks' lists of sounds,
// as uniqueSounds takes them.
export async function primeNearest(lists) {
  const { sounds, text } = await uniqueSounds(lists);
  if (sounds.length) engine.similar(sounds[0], text, 1).catch(() => {});
}

// The collection is whole once the answers kept for its banks are read
// back: the nearest sounds are looked for among all of it, not among the
// banks read back so far.
let whole = Promise.resolve();
export function wholeOnce(promise) {
  whole = promise.catch(() => {});
}
