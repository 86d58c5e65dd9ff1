// The new bank: programs picked from any loaded banks into slots, in order,
// renamed in place, marked where they are the same sound as another, and
// written in the chosen format by the engine.
import { button, count, element, plural } from './dom.js';
import { bankById, emit, formatByLetter, programName, readable, sameSounds, soundOf, state, where } from './state.js';

// { compose(format) -> promise of the engine's answer, download() }
let actions = null;
const ui = {};
let reportTimer = null;
let reportRound = 0;

export function setUpBuilder(pageActions) {
  actions = pageActions;
  for (const id of ['builder-slots', 'builder-summary', 'builder-report', 'bank-name', 'add-empty', 'write-new', 'clear-new']) {
    ui[id] = document.getElementById(id);
  }
  ui['bank-name'].addEventListener('change', () => {
    state.newBank.name = ui['bank-name'].value;
    changed();
  });
  ui['add-empty'].addEventListener('click', () => {
    if (!roomLeft()) return;
    state.newBank.slots.push(null);
    changed(state.newBank.slots.length - 1);
  });
  ui['write-new'].addEventListener('click', () => actions.download());
  ui['clear-new'].addEventListener('click', () => {
    state.newBank.slots = [];
    changed();
  });
}

function capacity() {
  const format = formatByLetter(state.settings.format);
  return format ? format.capacity : 0;
}

function roomLeft() {
  if (state.newBank.slots.length < capacity()) return true;
  const format = formatByLetter(state.settings.format);
  actions.say(`The new bank is full: a ${format.name} holds ${plural(format.capacity, 'program')}.`);
  return false;
}

// Adds a program at the end; answers whether there was room.
export function addToNewBank(bankId, program) {
  if (!roomLeft()) return false;
  state.newBank.slots.push({ bankId, program, name: null });
  changed(state.newBank.slots.length - 1);
  const bank = bankById(bankId);
  actions.say(`Added ${where(bank, program)} to the new bank as slot ${state.newBank.slots.length - 1}.`);
  return true;
}

function changed(focusSlot) {
  emit('newBank', focusSlot);
}

function move(k, by) {
  const slots = state.newBank.slots;
  const to = k + by;
  if (to < 0 || to >= slots.length) return;
  [slots[k], slots[to]] = [slots[to], slots[k]];
  changed({ slot: to, control: by < 0 ? 'up' : 'down' });
}

// The program a slot holds and what marks it: the same sound as another
// slot, or as a program of a bank it does not come from.
function sameSoundMark(slot, k) {
  const sound = soundOf(slot.bankId, slot.program);
  if (!sound) return '';
  const twin = state.newBank.slots.findIndex((s, i) => i !== k && s && soundOf(s.bankId, s.program) === sound);
  if (twin >= 0) return `same sound as slot ${twin}`;
  const bank = bankById(slot.bankId);
  const elsewhere = sameSounds(sound, bank, slot.program).filter((hit) => hit.bank !== bank);
  return elsewhere.length ? `same sound as ${where(elsewhere[0].bank, elsewhere[0].program)}` : '';
}

function slotItem(slot, k) {
  const controls = [
    button('Up', () => move(k, -1), { label: `Move slot ${k} up`, disabled: k === 0, dataset: { control: 'up' } }),
    button('Down', () => move(k, 1), { label: `Move slot ${k} down`, disabled: k === state.newBank.slots.length - 1, dataset: { control: 'down' } }),
    button('Empty', () => { state.newBank.slots[k] = null; changed({ slot: k, control: 'up' }); },
      { label: `Empty slot ${k}`, disabled: slot === null }),
    button('Remove', () => { state.newBank.slots.splice(k, 1); changed({ slot: Math.min(k, state.newBank.slots.length - 1), control: 'remove' }); },
      { label: `Remove slot ${k}`, dataset: { control: 'remove' } }),
  ];
  const number = element('span', { className: 'slot-number', textContent: String(k) });
  if (slot === null) {
    return element('li', { className: 'slot empty' }, number,
      element('span', { className: 'slot-source', textContent: 'empty: the format’s default program' }),
      element('span', { className: 'slot-controls' }, ...controls));
  }
  const bank = bankById(slot.bankId);
  if (!readable(bank)) {
    return element('li', { className: 'slot missing' }, number,
      element('span', { className: 'problem', textContent: 'Its bank was removed: remove this slot or empty it.' }),
      element('span', { className: 'slot-controls' }, ...controls));
  }
  const own = programName(bank, slot.program);
  const name = element('input', { type: 'text', value: slot.name ?? own, maxLength: 27, spellcheck: false,
    attrs: { 'aria-label': `Name of slot ${k}` } });
  name.addEventListener('change', () => {
    slot.name = name.value === own ? null : name.value;
    changed();
  });
  const mark = sameSoundMark(slot, k);
  return element('li', { className: 'slot' }, number, name,
    element('span', { className: 'slot-source', textContent: `from ${where(bank, slot.program)}` }),
    mark ? element('span', { className: 'same', textContent: mark }) : null,
    element('span', { className: 'slot-controls' }, ...controls));
}

// Draws the slots; `focus` names a slot (and which of its controls) to
// keep the keyboard where the user was.
export function renderBuilder(focus) {
  ui['bank-name'].value = state.newBank.name;
  const slots = state.newBank.slots;
  ui['builder-slots'].replaceChildren(...slots.map(slotItem));
  const format = formatByLetter(state.settings.format);
  const filled = slots.filter(Boolean).length;
  ui['builder-summary'].textContent = !format ? '' : slots.length === 0
    ? `Empty. Add programs from the banks’ names, the search or a program’s view. A ${format.name} holds ${plural(format.capacity, 'program')}.`
    : `${plural(slots.length, 'slot')} (${count(filled)} with a program); ${count(Math.max(format.capacity - slots.length, 0))} left in a ${format.name}.`;
  ui['write-new'].disabled = slots.length === 0;
  ui['clear-new'].disabled = slots.length === 0;
  if (focus && typeof focus === 'object' && focus.slot >= 0) {
    const item = ui['builder-slots'].children[focus.slot];
    const control = item && (item.querySelector(`[data-control="${focus.control}"]:not(:disabled)`) || item.querySelector('button:not(:disabled)'));
    if (control) control.focus();
  }
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
    let answer;
    try {
      answer = await actions.compose(state.settings.format);
    } catch (error) {
      answer = { exitCode: -1, message: `The engine stopped (${error.message}).` };
    }
    if (round !== reportRound) return;
    ui['builder-report'].textContent = answer.exitCode === 0 ? answer.report.text : `Cannot be written: ${answer.message}`;
    ui['builder-report'].classList.toggle('problem', answer.exitCode !== 0);
  }, 120);
}
