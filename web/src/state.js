// The page's state, in one place, and the only functions that change it.
// Views subscribe to a topic and draw from the state when it changes; they
// ask for changes through the functions below and never change it
// themselves. What is kept between visits is collection.js's, what the
// engine answers comes in through app.js.
import { succeeded } from './engine-client.js';
import { joinMarks } from './marks.js';

export const state = {
  ready: false, // the engine has answered its formats
  formats: [], // the engine's output formats, in the order offered
  limits: null, // the engine's limits and defaults (name length, default format, …)
  fills: new Set(), // the sounds of the programs that formats fill empty slots with, and of blank slots
  // model: the hint for data that do not say ('' or a model of the engine's
  // limits, '2.2'); write: the
  // choices of "Write as…"; bank: the format and group of the new bank;
  // `names`: programs named from the collection where the format keeps names.
  settings: { model: '', write: { format: '', first: '', last: '', group: 'A', names: true }, bank: { format: '', group: 'A', names: true } },
  // Each bank: { id, name, size, bytes, digest, summary, facts, problem,
  // built, received, sameAs, order, generation, origin }. `summary` is what the
  // engine answered when the bank was read (kept between visits); `facts`,
  // of a kept bank, that answer without its lists, there before the whole
  // answer is read back; `bytes` are read from the kept collection when
  // first needed.
  banks: [],
  revision: 0, // counts changes of the banks or of what they hold
  selected: null, // the bank whose programs are shown
  checked: new Set(), // banks chosen for work on several at once
  shown: null, // { bankId, program }: the program on view
  compared: null, // another one beside it
  detail: 'program', // or 'builder': what the detail region shows
  view: 'banks', // on a narrow screen, the one region shown: banks, programs or detail
  // mode: names, listing or duplicates; filter: '' (every program),
  // 'favourites', 'untagged' or 'tag:' and a tag.
  browse: { sort: 'number', search: '', mode: 'names', filter: '' },
  // What the person added to sounds: sound to { name, tags, favourite, note }
  // (marks.js); `marksRevision` counts their changes.
  marks: new Map(),
  marksRevision: 0,
  // The new bank: its name and its slots in order; a slot is
  // { bankId, program, name, set } (name null: the program's own; set: the
  // values edited, as compose takes them, or null) or null (a slot the
  // format fills).
  newBank: { name: '', slots: [] },
  // Programs edited in the program view, by editKey(): { bankId, program,
  // now, undo and redo (what `now` was before and after each change), last
  // (the kind of the last change: a run of blend steps is one change), from
  // (what `now` was when a blend began), blendWith (the program blended
  // with: { bankId, program } or null) }. `now` is { source, set }: the
  // values changed (as compose takes them, or null) of the program whose
  // record the edited one is written from: the program itself (source
  // null), or the one blended with from half way on ({ bankId, program,
  // values }, with its values as numbers).
  edits: new Map(),
  // Combis edited, by editKey(): { bankId, combi, now (the values changed,
  // { LABEL: value }, or null), undo, redo }.
  combiEdits: new Map(),
  // Each bank's combi edits in the order they were changed: { undo, redo }.
  combiSteps: new Map(),
  // Counts the changes of which programs and combis are edited (not of
  // their values): what marks them is drawn again when it changes.
  editedRevision: 0,
  // Randomize's choices: how far (1 to 100 %) and which rows of values.
  randomize: { amount: 20, rows: ['P:'] },
};

const listeners = new Map();

// Topics: "ready", "banks" (added, removed or reordered), "bank" (one
// bank's entry changed; the listener gets it), "selection", "program",
// "edit" (a program's or a combi's values edited, bank-edits.js; the
// listener gets the edit, or null for several),
// "newBank" (the listener gets what changed), "settings", "view", "browse",
// "marks" (the listener gets the sounds whose marks changed).
export function on(topic, listener) {
  if (!listeners.has(topic)) listeners.set(topic, new Set());
  listeners.get(topic).add(listener);
}

// Also for the modules the state owns (bank-edits.js): views never emit.
export function emit(topic, detail) {
  if (topic === 'banks' || topic === 'bank') state.revision += 1;
  if (topic === 'marks') state.marksRevision += 1;
  for (const listener of listeners.get(topic) || []) listener(detail);
}

export function bankById(id) {
  return state.banks.find((b) => b.id === id) || null;
}

// Whether a bank is still in the collection (not removed meanwhile).
export const inCollection = (bank) => state.banks.includes(bank);

export function readable(bank) {
  return Boolean(bank && bank.summary && succeeded(bank.summary));
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

// Whether the file holds a program wholly and reliably, as the engine says
// of a cut or damaged file (its `untrusted` programs).
const untrustedCache = new WeakMap();
export function untrusted(bank, program) {
  const s = bank.summary;
  if (!s || !s.untrusted?.length) return false;
  if (!untrustedCache.has(s)) untrustedCache.set(s, new Set(s.untrusted));
  return untrustedCache.get(s).has(program);
}

// Why, in words: "cannot be trusted: the file is cut short"
export const distrust = (bank) => `cannot be trusted: the file is ${bank.summary.damage === 'cut' ? 'cut short' : 'damaged'}`;

// Program numbers in runs: "3, 7–9, 58–99"
export function runs(numbers) {
  const parts = [];
  for (let i = 0; i < numbers.length; i++) {
    let j = i;
    while (j + 1 < numbers.length && numbers[j + 1] === numbers[j] + 1) j++;
    parts.push(j > i ? `${numbers[i]}–${numbers[j]}` : String(numbers[i]));
    i = j;
  }
  return parts.join(', ');
}

// The banks that work on several at once applies to: those checked, or
// else the one selected.
export function targets() {
  const checked = state.banks.filter((b) => state.checked.has(b.id));
  if (checked.length) return checked;
  const selected = bankById(state.selected);
  return selected ? [selected] : [];
}

// ---- Start --------------------------------------------------------------

export function engineReady(formats, limits, settings) {
  state.formats = formats;
  state.limits = limits;
  state.fills = new Set(formats.flatMap((f) => [f.fillSound, f.blankSound]).filter(Boolean));
  state.ready = true;
  mergeSettings(settings);
  emit('ready');
  emit('settings', 'all');
}

// Settings read back from storage are taken only where they make sense.
function mergeSettings(saved) {
  const s = state.settings;
  if (saved && typeof saved === 'object') {
    s.model = keptModel(saved.model, state.limits) ?? s.model;
    for (const part of ['write', 'bank']) {
      const from = saved[part] && typeof saved[part] === 'object' ? saved[part] : {};
      if (formatByLetter(from.format)) s[part].format = from.format;
      if (from.group === 'A' || from.group === 'B') s[part].group = from.group;
      if (typeof from.names === 'boolean') s[part].names = from.names;
    }
  }
  for (const part of ['write', 'bank']) if (!formatByLetter(s[part].format)) s[part].format = state.limits.defaultFormat;
}

// ---- Banks --------------------------------------------------------------

let nextId = 0;
function newId() {
  return `${Date.now().toString(36)}-${(++nextId).toString(36)}-${Math.random().toString(36).slice(2, 8)}`;
}

const entryOf = (given) => ({ id: newId(), size: given.bytes ? given.bytes.length : 0, summary: null, problem: null, built: false,
  received: false, sameAs: null, digest: null, order: null, generation: 0, origin: null, ...given });
// Adds banks, each { name, bytes } and what else is known of it; answers
// their entries.
export function addBanks(list) {
  const banks = list.map(entryOf);
  state.banks.push(...banks);
  if (!state.selected && banks.length) state.selected = banks[0].id;
  if (banks.length) emit('banks');
  return banks;
}

// Banks kept from an earlier visit, as collection.js reads them; their
// whole answers come a moment later (updateBank).
export function addKept(records) {
  for (const r of records) state.banks.push({ bytes: null, summary: null, problem: null, sameAs: null, generation: 0, ...r });
  if (!state.selected && state.banks.length) state.selected = state.banks[0].id;
  emit('banks');
  emit('selection');
}

// A bank's bytes, read again from the kept collection: nothing to draw.
export function setBytes(bank, bytes) {
  bank.bytes = bytes;
}

// A new reading of a bank begins: answers its number, so that only the
// answer of the latest reading is taken.
export function nextReading(bank) {
  bank.generation += 1;
  return bank.generation;
}

export function updateBank(bank, changes) {
  if (!state.banks.includes(bank)) return;
  Object.assign(bank, changes);
  emit('bank', bank);
}

export function selectBank(id) {
  state.selected = id;
  state.browse.mode = state.browse.mode === 'duplicates' ? 'names' : state.browse.mode;
  state.browse.search = '';
  state.browse.filter = '';
  emit('selection');
  emit('browse');
}

export function setChecked(ids, on) {
  for (const id of ids) {
    if (on) state.checked.add(id);
    else state.checked.delete(id);
  }
  emit('selection');
}

// Removes banks; answers what Undo needs to put them back where they were.
export function removeBanks(ids) {
  const removed = state.banks.map((bank, index) => ({ bank, index })).filter(({ bank }) => ids.includes(bank.id));
  const undo = { banks: removed, selected: state.selected, shown: state.shown, compared: state.compared };
  state.banks = state.banks.filter((b) => !ids.includes(b.id));
  for (const id of ids) state.checked.delete(id);
  if (ids.includes(state.selected)) {
    const after = removed[0].index;
    state.selected = (state.banks[Math.min(after, state.banks.length - 1)] || {}).id ?? null;
  }
  for (const key of ['shown', 'compared']) if (state[key] && ids.includes(state[key].bankId)) state[key] = null;
  if (!state.shown && state.compared) [state.shown, state.compared] = [state.compared, null];
  emit('banks');
  emit('selection');
  emit('program');
  emit('newBank', { kind: 'sources' });
  return undo;
}

export function restoreBanks(undo) {
  for (const { bank, index } of undo.banks) state.banks.splice(Math.min(index, state.banks.length), 0, bank);
  state.selected = undo.selected;
  state.shown = undo.shown;
  state.compared = undo.compared;
  emit('banks');
  emit('selection');
  emit('program');
  emit('newBank', { kind: 'sources' });
}

export function removeEverything() {
  state.banks = [];
  state.marks = new Map();
  state.checked.clear();
  state.selected = state.shown = state.compared = null;
  state.newBank = { name: '', slots: [] };
  state.edits.clear();
  state.combiEdits.clear();
  state.combiSteps.clear();
  state.editedRevision += 1;
  emit('banks');
  emit('selection');
  emit('program');
  emit('newBank', { kind: 'all' });
  emit('marks', null);
}

// ---- Disk images: their banks in their place (none, where all were here) -----
export function openedDisk(image, list) {
  const at = state.banks.indexOf(image);
  const banks = at < 0 ? [] : list.map(entryOf);
  if (at >= 0) state.banks.splice(at, 1, ...banks);
  if (state.selected === image.id) state.selected = (banks[0] || state.banks[Math.min(at, state.banks.length - 1)] || {}).id ?? null;
  emit('banks');
  emit('selection');
  return banks;
}

// ---- What a person adds to sounds ------------------------------------------

export const markOf = (sound) => state.marks.get(sound) || null;

// Marks kept from an earlier visit, or opened from a saved collection: added
// to those there, nothing of either lost. `marks`: [[sound, mark]], each
// checked already (marks.js).
export function addMarks(marks) {
  const changed = [];
  for (const [sound, mark] of marks) {
    state.marks.set(sound, joinMarks(markOf(sound), mark));
    changed.push(sound);
  }
  if (changed.length) emit('marks', changed);
}

// `mark`: the sound's whole mark, or null for none.
export function markSound(sound, mark) {
  if (mark) state.marks.set(sound, mark);
  else state.marks.delete(sound);
  emit('marks', [sound]);
}

// ---- What is on view ----------------------------------------------------------

export function showProgram(bankId, program) {
  state.shown = { bankId, program };
  state.compared = null;
  state.detail = 'program';
  state.view = 'detail';
  emit('program', 'focus');
  emit('view');
}

// The program beside the one shown (or the one shown, when none is).
export function compareProgram(bankId, program) {
  if (!state.shown) state.shown = { bankId, program };
  else state.compared = { bankId, program };
  state.detail = 'program';
  state.view = 'detail';
  emit('program', 'focus');
  emit('view');
}

export function stopComparing() {
  state.compared = null;
  emit('program', 'focus');
}

export function closeProgram() {
  state.shown = state.compared = null;
  emit('program', 'focus');
}

export function setView(view, detail = state.detail) {
  state.view = view;
  state.detail = detail;
  emit('view');
}

export function browse(changes) {
  Object.assign(state.browse, changes);
  emit('browse');
}

// `part`: "write" or "bank", whose choices change.
export function changeSettings(part, changes) {
  Object.assign(state.settings[part], changes);
  emit('settings', part);
  if (part === 'bank') emit('newBank', { kind: 'format' });
}

// The model hint as the page keeps it: '' (the data decide) or the `model`
// of one of the engine's limits().models. Pages before kept a model by its
// `number` ('2'), which is taken as that model. null for anything else.
export function keptModel(kept, limits) {
  if (kept === '') return '';
  const found = limits.models.find((m) => m.model === kept || String(m.number) === kept);
  return found ? found.model : null;
}

// The model hint for data that do not say ('' or a model, as keptModel).
export function setModel(model) {
  if (state.settings.model === model) return;
  state.settings.model = model;
  emit('settings', 'model');
}

// ---- The new bank -------------------------------------------------------------

function newBankChanged(kind, slot, control) {
  emit('newBank', { kind, slot, control });
}

export function addSlot(slot) {
  state.newBank.slots.push(slot);
  newBankChanged('added', state.newBank.slots.length - 1);
  return state.newBank.slots.length - 1;
}

export function moveSlot(k, by) {
  const slots = state.newBank.slots;
  const to = k + by;
  if (to < 0 || to >= slots.length) return;
  [slots[k], slots[to]] = [slots[to], slots[k]];
  newBankChanged('moved', to, by < 0 ? 'up' : 'down');
}

export function emptySlot(k) {
  state.newBank.slots[k] = null;
  newBankChanged('emptied', k, 'up');
}

export function removeSlot(k) {
  state.newBank.slots.splice(k, 1);
  newBankChanged('removed', Math.min(k, state.newBank.slots.length - 1), 'remove');
}

// A new name for a slot's program; null or `given` (the name it gets
// unless renamed) keeps that.
export function renameSlot(k, name, given) {
  const slot = state.newBank.slots[k];
  if (!slot) return;
  slot.name = name === given ? null : name;
  newBankChanged('renamed', k);
}

export function renameNewBank(name) {
  state.newBank.name = name;
  newBankChanged('renamed');
}

// Empties the new bank; answers what Undo needs.
export function clearNewBank() {
  const undo = state.newBank;
  state.newBank = { name: undo.name, slots: [] };
  newBankChanged('all');
  return undo;
}

export function restoreNewBank(newBank) {
  state.newBank = newBank;
  newBankChanged('all');
}

// The new bank kept from an earlier visit, checked as far as its shape goes.
export function keptNewBank(kept) {
  if (!kept || typeof kept !== 'object' || !Array.isArray(kept.slots)) return;
  // A slot's set is checked against the engine's ranges where it is read.
  const slots = kept.slots.map((s) => (s && typeof s === 'object' && typeof s.bankId === 'string' && Number.isInteger(s.program)
    ? { bankId: s.bankId, program: s.program, name: typeof s.name === 'string' ? s.name : null,
      set: s.set && typeof s.set === 'object' ? s.set : null } : null));
  state.newBank = { name: typeof kept.name === 'string' ? kept.name : '', slots };
  newBankChanged('all');
}
