// The new bank: programs picked from any banks into slots, in order,
// renamed in place (where the format keeps names, a program of a file
// without names takes the name the collection knows for its sound), marked
// where they are the same sound as another, and written in the format
// chosen for it by the engine.
import { button, count, element, formatOptions, keepingFocus, notesBox, plural, whenSettled } from './dom.js';
import { allKept } from './collection.js';
import { GROUP_WORDS, setSize } from './value-sets.js';
import { failure, succeeded } from './engine-client.js';
import { say } from './layout.js';
import { sameSounds, whenIndexed } from './sound-index.js';
import { undoKey, undoNewBank } from './undo-history.js';
import {
  addSlot, bankById, changeSettings, clearNewBank, distrust, emptySlot, formatByLetter, moveSlot, on, readable, removeSlot,
  renameNewBank, renameSlot, restoreNewBank, state, untrusted, where,
} from './state.js';

// { compose() -> promise of the engine's answer for the new bank, download(),
// slotName(slot) -> the name a slot's program gets unless renamed }
let actions = null;
const ui = {};
let reportTimer = null;
let reportRound = 0;

export function setUpBuilder(pageActions) {
  actions = pageActions;
  for (const id of ['builder-slots', 'builder-summary', 'builder-report', 'bank-name', 'bank-format', 'bank-group', 'add-empty',
    'write-new', 'clear-new', 'bank-names', 'undo-new']) ui[id] = document.getElementById(id);
  ui['bank-name'].addEventListener('change', () => renameNewBank(ui['bank-name'].value));
  ui['bank-format'].addEventListener('change', () => changeSettings('bank', { format: ui['bank-format'].value }));
  ui['bank-group'].addEventListener('change', () => changeSettings('bank', { group: ui['bank-group'].value }));
  ui['bank-names'].addEventListener('change', () => changeSettings('bank', { names: ui['bank-names'].checked }));
  ui['add-empty'].addEventListener('click', () => {
    if (!roomLeft('builder')) return;
    addSlot(null);
    say('builder', `Added an empty slot as slot ${state.newBank.slots.length - 1}.`);
  });
  ui['write-new'].addEventListener('click', () => actions.download());
  ui['clear-new'].addEventListener('click', () => {
    const undo = clearNewBank();
    say('builder', `The new bank is empty (it had ${plural(undo.slots.length, 'slot')}).`, {
      undo: () => {
        restoreNewBank(undo);
        ui['builder-slots'].querySelector('input, button:not(:disabled)')?.focus();
        return allKept().then(() => `The new bank has its ${plural(undo.slots.length, 'slot')} again.`);
      },
    });
    ui['add-empty'].focus();
  });
  // Undo of the slots' and names' changes: its button, or Ctrl+Z in the region.
  const undo = () => say('builder', undoNewBank() || 'Nothing to undo: the slots and names are as they were.');
  ui['undo-new'].addEventListener('click', undo);
  undoKey(document.getElementById('builder'), undo);
  on('ready', () => {
    ui['bank-format'].replaceChildren(...formatOptions(state.formats));
    ui['bank-name'].maxLength = state.limits.nameLength;
  });
  on('marks', () => bankNamesOn() && drawBuilder());
  on('settings', () => drawBuilder());
  // The slots' marks follow the other banks once they have settled.
  const drawSoon = whenSettled(() => whenIndexed(drawBuilder));
  on('banks', drawSoon);
  on('bank', drawSoon);
  on('newBank', (change) => (change && change.kind === 'renamed' ? drawSummary() : drawBuilder(change)));
}

const format = () => formatByLetter(state.settings.bank.format);
const bankNamesOn = () => state.ready && format().names && state.settings.bank.names;

// Whether one more slot fits the format; says why not in `region`.
function roomLeft(region) {
  const f = format();
  if (!f || state.newBank.slots.length < f.capacity) return true;
  say(region, `The new bank is full: a ${f.name} holds ${plural(f.capacity, 'program')}.`);
  return false;
}

// Adds a program at the end (with the values edited in `set`, and a name
// of its own, where given) and says so in the region it was asked from.
export function addToNewBank(bankId, program, region, set = null, name = null) {
  if (!roomLeft(region)) return;
  const slot = addSlot({ bankId, program, name, set });
  say(region, `Added ${where(bankById(bankId), program)}${set ? ' as edited' : ''} to the new bank as slot ${slot}.`);
}

// What marks a slot: its values edited, or the same sound as another slot,
// or as a program of a bank it does not come from.
function sameSoundMark(slot, k) {
  if (slot.set) return `edited: ${plural(setSize(slot.set), 'value')} changed`;
  const bank = bankById(slot.bankId);
  const sound = bank.summary.sounds[slot.program];
  const twin = state.newBank.slots.findIndex((s, i) => i !== k && s && readable(bankById(s.bankId))
    && bankById(s.bankId).summary.sounds[s.program] === sound);
  if (twin >= 0) return `same sound as slot ${twin}`;
  const elsewhere = sameSounds(bank, slot.program).filter((hit) => hit.bank !== bank);
  return elsewhere.length ? `same sound as ${where(elsewhere[0].bank, elsewhere[0].program)}` : '';
}

// The line of a slot, made for its kind ("program", "empty" or "missing",
// a slot whose bank was removed) and brought up to date in place by
// `fill(slot, k)`: the name being typed stays as it is.
function slotItem(kind) {
  const item = { kind, k: 0, given: null };
  const control = (text, act, key) => button(text, () => act(item.k), { className: 'quiet', dataset: { control: key } });
  const controls = [control('Up', (k) => moveSlot(k, -1), 'up'), control('Down', (k) => moveSlot(k, 1), 'down'),
    control('Empty', emptySlot, 'empty'), control('Remove', removeSlot, 'remove')];
  const number = element('span', { className: 'slot-number' });
  const source = element('span', { className: kind === 'missing' ? 'problem' : 'slot-source' });
  const mark = element('span', { className: 'same' });
  const damage = element('span', { className: 'damage' });
  const name = kind === 'program' ? element('input', { type: 'text', maxLength: state.limits.nameLength, spellcheck: false }) : null;
  name?.addEventListener('change', () => renameSlot(item.k, name.value, item.given));
  item.li = element('li', { className: kind === 'program' ? 'slot' : `slot ${kind}` }, number, name, source, mark, damage,
    element('span', { className: 'slot-controls' }, ...controls));
  item.fill = (slot, k) => {
    item.k = k;
    number.textContent = String(k);
    const labels = [`Move slot ${k} up`, `Move slot ${k} down`, `Empty slot ${k}`, `Remove slot ${k}`];
    const disabled = [k === 0, k === state.newBank.slots.length - 1, slot === null, false];
    controls.forEach((c, i) => {
      c.setAttribute('aria-label', labels[i]);
      c.dataset.key = `${k} ${c.dataset.control}`;
      c.disabled = disabled[i];
    });
    if (kind === 'empty') source.textContent = 'empty: the format’s default program';
    if (kind === 'missing') source.textContent = 'Its bank was removed: remove this slot or empty it.';
    if (kind !== 'program') return;
    const bank = bankById(slot.bankId);
    item.given = actions.slotName(slot);
    name.setAttribute('aria-label', `Name of slot ${k}`);
    name.dataset.key = `${k} name`;
    if (name !== document.activeElement) name.value = slot.name ?? item.given;
    source.textContent = `from ${where(bank, slot.program)}`;
    mark.textContent = sameSoundMark(slot, k);
    damage.textContent = untrusted(bank, slot.program) ? `This program ${distrust(bank)}.` : '';
  };
  return item;
}

const kindOf = (slot) => {
  if (slot === null) return 'empty';
  const bank = bankById(slot.bankId);
  return readable(bank) && slot.program < bank.summary.programs ? 'program' : 'missing';
};

// Draws the slots, each line in place where it is of the same kind; after a
// move or a removal the keyboard stays with the slot (and the control) the
// person was at.
let items = [];
function drawBuilder(change) {
  if (!state.ready) return;
  if (ui['bank-name'] !== document.activeElement) ui['bank-name'].value = state.newBank.name;
  ui['bank-format'].value = state.settings.bank.format;
  ui['bank-group'].value = state.settings.bank.group;
  ui['bank-group'].closest('.field').hidden = !format().group;
  ui['bank-names'].closest('.field').hidden = !format().names;
  ui['bank-names'].checked = state.settings.bank.names;
  const list = ui['builder-slots'];
  items = state.newBank.slots.map((slot, k) => {
    const kind = kindOf(slot);
    const item = items[k] && items[k].kind === kind ? items[k] : slotItem(kind);
    item.fill(slot, k);
    return item;
  });
  keepingFocus(list, () => {
    items.forEach((item, k) => {
      if (list.children[k] !== item.li) list.insertBefore(item.li, list.children[k] || null);
    });
    while (list.children.length > items.length) list.lastChild.remove();
  });
  if (change && change.slot >= 0 && change.control) {
    const item = list.children[change.slot];
    const target = item && (item.querySelector(`[data-control="${change.control}"]:not(:disabled)`) || item.querySelector('button:not(:disabled)'));
    if (target) target.focus();
  } else if (change && change.kind === 'removed' && !state.newBank.slots.length) {
    ui['add-empty'].focus();
  }
  drawSummary();
}

function drawSummary() {
  const slots = state.newBank.slots;
  const f = format();
  const filled = slots.filter(Boolean).length;
  ui['builder-summary'].textContent = slots.length === 0
    ? `Empty. Add programs from the Programs region or a program’s view. A ${f.name} holds ${plural(f.capacity, 'program')}.`
    : `${plural(slots.length, 'slot')} (${count(filled)} with a program); ${count(Math.max(f.capacity - slots.length, 0))} left in a ${f.name}.`;
  ui['write-new'].disabled = slots.length === 0;
  ui['clear-new'].disabled = slots.length === 0;
  document.querySelector('#detail-switch [data-detail="builder"]').textContent = slots.length ? `New bank (${count(slots.length)})` : 'New bank';
  scheduleReport();
}

// What writing the new bank keeps, asked of the engine a moment after the
// last change.
function scheduleReport() {
  clearTimeout(reportTimer);
  const round = ++reportRound;
  if (!state.newBank.slots.length) {
    ui['builder-report'].textContent = '';
    return;
  }
  reportTimer = setTimeout(async () => {
    let text;
    let ok = false;
    let notes = [];
    try {
      const answer = await actions.compose();
      ok = succeeded(answer);
      text = ok ? answer.report.text : `Cannot be written: ${failure(answer)}`;
      if (ok && answer.namesProblem) text += ` The names from the collection are left out: ${answer.namesProblem}`;
      if (ok) notes = answer.report.notes;
      // Edited values the format keeps otherwise.
      const rounded = ok ? answer.report.rounded || [] : [];
      if (rounded.length) {
        text += ` Kept otherwise in a ${format().name}: ${rounded.map((r) => `slot ${r.slot}, ${r.label} of ${GROUP_WORDS[r.part]}: ${r.asked} as ${r.written}`).join('; ')}.`;
      }
    } catch (error) {
      text = `Cannot be written: the engine stopped (${error.message}).`;
    }
    if (round !== reportRound) return;
    ui['builder-report'].replaceChildren(text,
      notes.length ? notesBox('the new bank', notes, 'The new bank would not read back as written', true) : '');
    ui['builder-report'].classList.toggle('problem', !ok);
  }, 120);
}
