// The edits of the banks' programs and combis, and the only functions that
// change them: part of the page's state (state.js holds them, in
// state.edits and state.combiEdits), kept here by their job. An edited
// bank is a bank: what the engine writes of it (Write as…, Send, a copy,
// the saved collection) takes every edited program and combi of it from
// asEdited(), as convert takes its `edits`.
import { bankById, emit, state } from './state.js';

const editKey = (bankId, number) => `${bankId} ${number}`;
// The most changes Undo goes back.
const MOST_UNDONE = 500;

// A change of which programs or combis are edited: the marks are drawn again.
function markedChanged(was, now) {
  if (was !== now) state.editedRevision += 1;
}

// ---- Programs ----------------------------------------------------------------

// The edit of a program, made when first asked for. See state.js for its shape.
export function editOf(bankId, program) {
  const key = editKey(bankId, program);
  if (!state.edits.has(key)) {
    state.edits.set(key, { bankId, program, now: { source: null, set: null }, undo: [], redo: [], last: '', from: null, blendWith: null });
  }
  return state.edits.get(key);
}

// Whether an edit (of a program or of a combi) changes anything.
export const edited = (edit) => Boolean('combi' in edit ? edit.now : edit.now.set || edit.now.source);

// Undo's steps: `now` pushed, the redo ones dropped.
function pushUndo(edit) {
  edit.undo.push(edit.now);
  if (edit.undo.length > MOST_UNDONE) edit.undo.shift();
  edit.redo = [];
}

// The values of an edited program changed: `now` as the edit keeps it,
// `kind` what changed it ('blend' for a step of the blend slider, 'type
// LABEL' for a value as it is typed: a run of either is one change for
// Undo).
export function changeEdit(edit, now, kind) {
  const was = edited(edit);
  const run = kind === 'blend' || kind.startsWith('type ');
  if (!run || edit.last !== kind) {
    pushUndo(edit);
    if (kind === 'blend') edit.from = edit.now;
  }
  edit.now = now;
  edit.last = kind;
  markedChanged(was, edited(edit));
  emit('edit', edit);
}

// Undo ('undo') or Redo ('redo') of a program's or a combi's edit; answers
// whether there was one.
export function stepEdit(edit, way) {
  const [from, to] = way === 'undo' ? [edit.undo, edit.redo] : [edit.redo, edit.undo];
  if (!from.length) return false;
  const was = edited(edit);
  to.push(edit.now);
  edit.now = from.pop();
  edit.last = '';
  markedChanged(was, edited(edit));
  emit('edit', edit);
  return true;
}

export function blendWith(edit, pick) {
  edit.blendWith = pick;
  edit.last = '';
  emit('edit', edit);
}

export function chooseRandomize(changes) {
  Object.assign(state.randomize, changes);
}

// ---- Combis ------------------------------------------------------------------

export function combiEditOf(bankId, combi) {
  const key = editKey(bankId, combi);
  if (!state.combiEdits.has(key)) state.combiEdits.set(key, { bankId, combi, now: null, undo: [], redo: [], last: '' });
  return state.combiEdits.get(key);
}

// The combis of a bank in the order they were changed, for its Undo and Redo.
function combiSteps(bankId) {
  if (!state.combiSteps.has(bankId)) state.combiSteps.set(bankId, { undo: [], redo: [] });
  return state.combiSteps.get(bankId);
}

// A combi's values changed: `now` { LABEL: value } of those that differ
// from the bank's, or null; `kind` as changeEdit's (a run of 'type LABEL'
// is one change).
export function changeCombi(edit, now, kind = 'value') {
  const was = edited(edit);
  if (!kind.startsWith('type ') || edit.last !== kind) {
    pushUndo(edit);
    const steps = combiSteps(edit.bankId);
    steps.undo.push(edit);
    if (steps.undo.length > MOST_UNDONE) steps.undo.shift();
    steps.redo = [];
  }
  edit.now = now && Object.keys(now).length ? now : null;
  edit.last = kind;
  markedChanged(was, edited(edit));
  emit('edit', edit);
}

// Undo or Redo of the last change of a bank's combis; answers the combi's
// edit, or null where there was none.
export function stepCombis(bankId, way) {
  const steps = combiSteps(bankId);
  const [from, to] = way === 'undo' ? [steps.undo, steps.redo] : [steps.redo, steps.undo];
  const edit = from.pop();
  if (!edit || !stepEdit(edit, way)) return null;
  to.push(edit);
  return edit;
}

export const combiStepsLeft = (bankId) => {
  const steps = state.combiSteps.get(bankId);
  return { undo: steps ? steps.undo.length : 0, redo: steps ? steps.redo.length : 0 };
};

// ---- A bank as edited ------------------------------------------------------------

const ofBank = (map, bankId) => [...map.values()].filter((e) => e.bankId === bankId && edited(e));

// The programs and combis of a bank that are edited, in order.
export const editedPrograms = (bankId) => ofBank(state.edits, bankId).sort((x, y) => x.program - y.program);
export const editedCombis = (bankId) => ofBank(state.combiEdits, bankId).sort((x, y) => x.combi - y.combi);
export const hasEdits = (bankId) => editedPrograms(bankId).length > 0 || editedCombis(bankId).length > 0;

// "2 edited programs and 1 edited combi"
export function editsText(bankId) {
  const [p, c] = [editedPrograms(bankId).length, editedCombis(bankId).length];
  const words = (n, what) => `${n} edited ${what}${n === 1 ? '' : 's'}`;
  return [p ? words(p, 'program') : '', c ? words(c, 'combi') : ''].filter(Boolean).join(' and ');
}

// The banks with edits, each with the words for them ("2 edited
// programs"): made once for each change of which are edited.
let editedBanksCache = { revision: -1, banks: new Map() };
export function editedBanks() {
  if (editedBanksCache.revision !== state.editedRevision) {
    const ids = new Set([...state.edits.values(), ...state.combiEdits.values()].filter(edited).map((e) => e.bankId));
    editedBanksCache = { revision: state.editedRevision, banks: new Map([...ids].map((id) => [id, editsText(id)])) };
  }
  return editedBanksCache.banks;
}

// Whether a program of a bank is edited.
export const programEdited = (bankId, program) => {
  const edit = state.edits.get(editKey(bankId, program));
  return Boolean(edit && edited(edit));
};

// The values set that a file keeps otherwise (convert's `keeps.rounded`),
// in words: " Kept otherwise: program 9, P:3 of group A 41 as 40."
export const roundedText = (rounded = []) => (rounded.length ? ` Kept otherwise: ${rounded.map((r) => `program ${r.program}, `
  + `${r.label}${r.part === 'program' ? '' : ` of group ${r.part.toUpperCase()}`} ${r.asked} as ${r.written}`).join('; ')}.` : '');

// A bank's edits as convert takes them ({ programs, combis }), or undefined
// where it has none. A program blended from another from half way on is
// that program's sound (as describe answers it), its values set on it.
export function asEdited(bank) {
  const programs = {};
  for (const { program, now } of editedPrograms(bank.id)) {
    const from = now.source ? bankById(now.source.bankId) : null;
    if (now.source && !from?.summary) continue; // its bank was removed: nothing of it can be written
    programs[program] = { ...(from ? { sound: from.summary.sounds[now.source.program] } : {}), ...(now.set || {}) };
  }
  const combis = Object.fromEntries(editedCombis(bank.id).map(({ combi, now }) => [combi, now]));
  const edits = { ...(Object.keys(programs).length ? { programs } : {}), ...(Object.keys(combis).length ? { combis } : {}) };
  return Object.keys(edits).length ? edits : undefined;
}

// Takes back a bank's edits (each a change Undo takes back in the program
// view); answers what restoreEdits needs to put them back.
export function discardEdits(bankId) {
  const gone = [...ofBank(state.edits, bankId), ...ofBank(state.combiEdits, bankId)].map((edit) => ({ edit, now: edit.now }));
  for (const { edit } of gone) {
    if ('combi' in edit) changeCombi(edit, null);
    else changeEdit(edit, { source: null, set: null }, 'revert');
  }
  return gone;
}

export function restoreEdits(gone) {
  for (const { edit, now } of gone) {
    if ('combi' in edit) changeCombi(edit, now);
    else changeEdit(edit, now, 'revert');
  }
}

// ---- Kept between visits and in a saved collection ------------------------------

// The edits kept (checked where they were read: programs as cleanEdit,
// combis as cleanCombiEdit), for the banks here, where the program or
// combi is not edited here already; without their Undo. `ids` maps the
// bank of each, as kept, to a bank here (none: as kept). Answers how many
// were taken.
export function keptEdits({ programs = [], combis = [] }, ids = (id) => id) {
  let taken = 0;
  for (const { bankId, program, now } of programs) {
    const source = now.source && { ...now.source, bankId: ids(now.source.bankId) };
    const edit = bankById(ids(bankId)) && (!source || bankById(source.bankId)) ? editOf(ids(bankId), program) : null;
    if (edit && !edited(edit)) {
      edit.now = { source, set: now.set };
      taken += 1;
    }
  }
  for (const { bankId, combi, now } of combis) {
    const edit = bankById(ids(bankId)) ? combiEditOf(ids(bankId), combi) : null;
    if (edit && !edited(edit)) {
      edit.now = now;
      taken += 1;
    }
  }
  if (taken) {
    state.editedRevision += 1;
    emit('edit', null);
  }
  return taken;
}

// The edits that change something, as they are kept: { programs: [{
// bankId, program, now }], combis: [{ bankId, combi, now }] }; `banks`
// chooses the banks (all of them).
export function keptForm(banks = null) {
  const take = (e) => edited(e) && (!banks || banks.has(e.bankId));
  return { programs: [...state.edits.values()].filter(take).map(({ bankId, program, now }) => ({ bankId, program, now })),
    combis: [...state.combiEdits.values()].filter(take).map(({ bankId, combi, now }) => ({ bankId, combi, now })) };
}

// The edits of the banks of a saved collection, as it keeps them: each
// bank by its place in the saved list (`place`: bank id to place); a
// program blended from a bank left out of it is left out too.
export function savedForm(place) {
  const { programs, combis } = keptForm(new Set(place.keys()));
  return {
    programs: programs.filter((e) => !e.now.source || place.has(e.now.source.bankId)).map(({ bankId, program, now }) => ({ bank: place.get(bankId),
      program, now: { set: now.set, source: now.source && { ...now.source, bankId: undefined, bank: place.get(now.source.bankId) } } })),
    combis: combis.map(({ bankId, combi, now }) => ({ bank: place.get(bankId), combi, now })),
  };
}

// A combi's edit as it comes from storage or a saved collection, checked
// against the engine's combi labels and ranges; null for one that is not
// whole or changes nothing.
export function cleanCombiEdit(raw, limits) {
  if (!raw || typeof raw !== 'object' || typeof raw.bankId !== 'string' || !raw.bankId || !Number.isInteger(raw.combi) || raw.combi < 0) return null;
  const { now } = raw;
  if (!now || typeof now !== 'object' || Array.isArray(now)) return null;
  const ranges = limits.combiValues || [];
  const entries = Object.entries(now);
  const fits = ([label, value]) => {
    const range = ranges.find((r) => r.label === label);
    return range && Number.isInteger(value) && value >= range.min && value <= range.max;
  };
  return entries.length && entries.every(fits) ? { bankId: raw.bankId, combi: raw.combi, now: Object.fromEntries(entries) } : null;
}
