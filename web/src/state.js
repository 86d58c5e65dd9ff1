// The page's state, in one place: the loaded banks, the new bank being
// built, the program on view and the choices. Views render from it and are
// told when a part of it changes.

export const state = {
  formats: [], // the engine's output formats, in the order offered
  // The output format is the engine's first until one is chosen.
  settings: { format: '', first: '', last: '', group: 'A', model: '' },
  // Each bank: { id, name, bytes, summary, reports, listing, outputs,
  // problem, convertProblem, generation, built }. `summary` is what the
  // engine answered when the bank was read (kept between visits).
  banks: [],
  // The new bank: its name and its slots in order; a slot is
  // { bankId, program, name } (name null: the program's own) or null (a
  // slot the format fills).
  newBank: { name: '', slots: [] },
  shown: null, // { bankId, program }: the program on view
  compared: null, // another one beside it
};

const listeners = new Map();

// Topics: "banks" (banks added or removed), "bank" (one bank's entry
// changed; the listener gets it), "newBank", "program", "settings".
export function on(topic, listener) {
  if (!listeners.has(topic)) listeners.set(topic, new Set());
  listeners.get(topic).add(listener);
}

export function emit(topic, detail) {
  if (topic === 'banks' || topic === 'bank') soundIndex = null;
  for (const listener of listeners.get(topic) || []) listener(detail);
}

export function bankById(id) {
  return state.banks.find((b) => b.id === id) || null;
}

export function readable(bank) {
  return Boolean(bank && bank.summary && bank.summary.exitCode === 0);
}

export function formatByLetter(letter) {
  return state.formats.find((f) => f.letter === letter) || null;
}

export function programName(bank, program) {
  return (readable(bank) && bank.summary.names[program]) || '';
}

// "demo23.syx, program 12"
export function where(bank, program) {
  return `${bank.name}, program ${program}`;
}

// ---- Same sounds ---------------------------------------------------------------

let soundIndex = null;

// Every program of every readable bank by its sound: sound to a list of
// { bank, program }, in the order of the banks.
function index() {
  if (soundIndex) return soundIndex;
  soundIndex = new Map();
  for (const bank of state.banks) {
    if (!readable(bank)) continue;
    const sounds = bank.summary.sounds;
    for (let p = 0; p < sounds.length; p++) {
      const list = soundIndex.get(sounds[p]);
      if (list) list.push({ bank, program: p });
      else soundIndex.set(sounds[p], [{ bank, program: p }]);
    }
  }
  return soundIndex;
}

// The other programs, in any loaded bank, with the same sound.
export function sameSounds(sound, bank, program) {
  return (index().get(sound) || []).filter((hit) => hit.bank !== bank || hit.program !== program);
}

// Every group of two or more programs with the same sound.
export function duplicateGroups() {
  return [...index().values()].filter((list) => list.length > 1);
}

export function soundOf(bankId, program) {
  const bank = bankById(bankId);
  return readable(bank) ? bank.summary.sounds[program] : null;
}

// ---- Search ------------------------------------------------------------------------

// Programs whose names hold the text (ignoring case), across all banks, at
// most `limit` of them; answers { hits, total }.
export function searchNames(text, limit = 200) {
  const wanted = text.trim().toLowerCase();
  const hits = [];
  let total = 0;
  if (!wanted) return { hits, total };
  for (const bank of state.banks) {
    if (!readable(bank)) continue;
    const lower = (bank.lowerNames ??= bank.summary.names.map((n) => n.toLowerCase()));
    for (let p = 0; p < lower.length; p++) {
      if (!lower[p].includes(wanted)) continue;
      total += 1;
      if (hits.length < limit) hits.push({ bank, program: p });
    }
  }
  return { hits, total };
}
