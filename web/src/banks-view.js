// The Banks region: the collection, one line per bank (its name, format,
// program count, a mark when the file is cut or damaged and one when it has
// notes), the banks of a disk image under a line of the disk's own (its
// label and date, and the files on it that are no banks), the files that
// could not be read, and the actions on the banks chosen: write, send,
// print, remove; the collection saved in one file, or removed.
import { diskHeading } from './disks.js';
import { button, coalesced, count, element, plural, put } from './dom.js';
import { failure } from './engine-client.js';
import { sideBySide } from './layout.js';
import { rove, settleStop } from './roving.js';
import { editedBanks } from './bank-edits.js';
import { bankById, on, readable, selectBank, setChecked, setView, state, targets } from './state.js';

// Long collections are drawn in part; more on request.
const BANKS_AT_ONCE = 100;
let drawn = BANKS_AT_ONCE;
const rows = new WeakMap(); // bank to its line
const headings = new Map(); // a disk's key to the line that heads its banks
const ui = {};

// `actions`: { write(), send(bank), print(bank), remove(banks), removeAll(), save() }
export function setUpBanksView(actions) {
  for (const id of ['bank-list', 'bank-count', 'check-all', 'more-banks', 'failed', 'failed-list', 'failed-title', 'write', 'send',
    'print', 'remove', 'remove-all', 'save-collection', 'midi-receive']) ui[id] = document.getElementById(id);
  ui['check-all'].addEventListener('change', () => setChecked(state.banks.filter(readable).map((b) => b.id), ui['check-all'].checked));
  ui['more-banks'].addEventListener('click', () => {
    drawn += BANKS_AT_ONCE;
    drawList();
  });
  ui.write.addEventListener('click', () => actions.write());
  ui.send.addEventListener('click', () => actions.send(bankById(state.selected)));
  ui.print.addEventListener('click', () => actions.print(bankById(state.selected)));
  ui.remove.addEventListener('click', () => actions.remove(targets()));
  ui['remove-all'].addEventListener('click', () => actions.removeAll());
  ui['save-collection'].addEventListener('click', () => actions.save());
  ui.actions = actions;
  rove(ui['bank-list'], 'li', () => {
    if (ui['more-banks'].hidden) return false;
    drawn += BANKS_AT_ONCE;
    drawList();
    return true;
  });
  const draw = coalesced(drawList);
  const drawActions = coalesced(drawChoice);
  on('banks', draw);
  // A bank read: its line, where it is drawn; the list, where it failed.
  on('bank', (bank) => {
    if (rows.has(bank) && !failed(bank)) fillRow(bank);
    else if (failed(bank) || rows.has(bank)) draw();
    drawActions();
  });
  on('selection', drawChoice);
  on('ready', drawChoice);
  on('newBank', drawChoice);
  on('marks', drawActions);
  // A bank's mark of its edits, where it changed.
  let marked = -1;
  on('edit', coalesced(() => {
    if (marked === state.editedRevision) return;
    marked = state.editedRevision;
    const banks = editedBanks();
    for (const bank of state.banks) {
      const r = rows.get(bank);
      if (r && r.edits !== (banks.get(bank.id) || '')) fillRow(bank);
    }
  }));
  drawList();
}

function failed(bank) {
  return Boolean(bank.problem || (bank.summary && !readable(bank)));
}

function drawList() {
  const good = state.banks.filter((b) => !failed(b));
  const banks = good.slice(0, drawn);
  const shown = withHeadings(banks);
  const list = ui['bank-list'];
  // Banks added at the end are appended: the lines there stay as they are.
  const kept = list.children.length <= shown.length && [...list.children].every((row, i) => row === shown[i]);
  if (kept) list.append(...shown.slice(list.children.length));
  else list.replaceChildren(...shown);
  settleStop(list, '.pick');
  put(document.getElementById('bank-keys'), 'hidden', !shown.length);
  const hidden = good.length - banks.length;
  put(ui['more-banks'], 'hidden', hidden <= 0);
  put(ui['more-banks'], 'textContent', `Show ${plural(Math.min(BANKS_AT_ONCE, hidden), 'more bank')} (${count(hidden)} not shown)`);
  const bad = state.banks.filter(failed);
  put(ui.failed, 'hidden', bad.length === 0);
  if (bad.length || ui['failed-list'].children.length) ui['failed-list'].replaceChildren(...bad.map(failedItem));
  put(ui['failed-title'], 'textContent', `${plural(bad.length, 'file')} could not be read`);
  drawChoice();
}

// The lines of banks, each disk's banks headed by a line of the disk's own
// where the first of them stands (they stand together, unless moved).
function withHeadings(banks) {
  const lines = [];
  const headed = new Set();
  for (const bank of banks) {
    const key = diskKey(bank);
    if (key && !headed.has(key)) {
      headed.add(key);
      lines.push(headingOf(key, bank.origin));
    }
    lines.push(rowOf(bank));
  }
  return lines;
}

// The disk image a bank is a file of, told apart from another of its name
// by its bytes and the moment it was given.
const diskKey = (bank) => (bank.origin?.disk ? JSON.stringify([bank.origin.file, bank.origin.disk.digest, bank.origin.added]) : null);

function headingOf(key, origin) {
  if (!headings.has(key)) {
    const { title, facts, others } = diskHeading(origin);
    headings.set(key, element('li', { className: 'disk' }, element('strong', { className: 'disk-name', textContent: title }),
      ' ', element('span', { className: 'bank-facts', textContent: facts }),
      others ? element('p', { className: 'hint disk-others', textContent: others }) : null));
  }
  return headings.get(key);
}

function rowOf(bank) {
  if (!rows.has(bank)) {
    const check = element('input', { type: 'checkbox', dataset: { cell: '', key: `check ${bank.id}` },
      attrs: { 'aria-label': `Choose ${bank.name}` } });
    check.addEventListener('change', () => setChecked([bank.id], check.checked));
    const pick = button('', () => openBank(bank), { className: 'pick', dataset: { cell: '', key: `pick ${bank.id}` } });
    const row = element('li', { className: bank.origin?.disk ? 'bank in-disk' : 'bank' }, element('span', { className: 'check' }, check), pick);
    rows.set(bank, { row, check, pick });
    fillRow(bank);
  }
  return rows.get(bank).row;
}

// A bank chosen: its programs are shown, on a narrow screen in place of
// the banks, from the bank's facts on.
function openBank(bank) {
  selectBank(bank.id);
  if (sideBySide()) return;
  setView('programs');
  document.getElementById('bank-facts').scrollIntoView({ block: 'start' });
}

function fillRow(bank) {
  const r = rows.get(bank);
  const { check, pick } = r;
  r.edits = editedBanks().get(bank.id) || '';
  const s = bank.summary || bank.facts;
  const facts = !s ? 'Reading…' : `${s.format} · ${plural(s.programs, 'program')}${bank.built ? ' · built here' : ''}`;
  pick.replaceChildren(element('strong', { className: 'bank-name', textContent: bank.name }),
    element('span', { className: 'bank-facts', textContent: facts }),
    s && s.damage ? element('span', { className: 'mark damage', textContent: s.damage }) : '',
    s && s.notes.length ? element('span', { className: 'mark', textContent: plural(s.notes.length, 'note') }) : '',
    bank.sameAs ? element('span', { className: 'mark same', textContent: `same bytes as ${bank.sameAs}` }) : '',
    r.edits ? element('span', { className: 'mark edited', textContent: r.edits }) : '');
  check.disabled = !readable(bank);
  check.checked = state.checked.has(bank.id);
  pick.setAttribute('aria-current', String(state.selected === bank.id));
}

function failedItem(bank) {
  const s = bank.summary;
  const message = bank.problem ? '' : failure({ ...s, explanation: '' });
  return element('li', {},
    element('strong', { textContent: bank.name }), ': ',
    message ? element('span', { className: 'message', textContent: message }) : null,
    ' ', element('span', { className: 'explain', textContent: bank.problem || s.explanation }),
    ' ', button('Remove', () => ui.actions.remove([bank]), { className: 'quiet danger', label: `Remove ${bank.name}` }));
}

// The marks of the choice and the actions it allows.
function drawChoice() {
  // Only what changed is touched: with a thousand lines drawn, writing them
  // all would have the browser work out the whole list's style again.
  for (const bank of state.banks) {
    const r = rows.get(bank);
    if (!r) continue;
    const checked = state.checked.has(bank.id);
    if (r.check.checked !== checked) r.check.checked = checked;
    const current = String(state.selected === bank.id);
    if (r.pick.getAttribute('aria-current') !== current) r.pick.setAttribute('aria-current', current);
  }
  const good = state.banks.filter(readable);
  const chosen = good.filter((b) => state.checked.has(b.id)).length;
  put(ui['check-all'], 'checked', good.length > 0 && chosen === good.length);
  put(ui['check-all'], 'indeterminate', chosen > 0 && chosen < good.length);
  put(ui['check-all'], 'disabled', good.length === 0);
  put(ui['bank-count'], 'textContent', state.banks.length ? `${plural(state.banks.length, 'bank')}${chosen ? `, ${count(chosen)} chosen` : ''}` : '');
  const work = targets();
  const selected = bankById(state.selected);
  put(ui.write, 'disabled', !state.ready || !work.some(readable));
  put(ui.write, 'textContent', work.length > 1 ? `Write ${plural(work.length, 'bank')} as…` : 'Write as…');
  put(ui.send, 'disabled', !state.ready || !readable(selected));
  put(ui.send, '@aria-label', selected ? `Send to instrument: ${selected.name}` : 'Send to instrument');
  put(ui.print, 'disabled', !state.ready || !readable(selected));
  put(ui.print, '@aria-label', selected ? `Print a sheet of ${selected.name}` : 'Print a sheet of the selected bank');
  put(ui.remove, 'disabled', work.length === 0);
  put(ui.remove, 'textContent', work.length > 1 ? `Remove ${plural(work.length, 'bank')}` : 'Remove');
  put(ui.remove, '@aria-label', work.length === 1 ? `Remove ${work[0].name}` : ui.remove.textContent);
  put(ui['remove-all'], 'disabled', !state.banks.length && !state.newBank.slots.length && !state.marks.size);
  put(ui['save-collection'], 'disabled', !state.ready || (!good.length && !state.marks.size));
  // While the engine starts, what waits for it says why.
  for (const control of [ui['midi-receive'], ui.write, ui.send]) {
    if (!state.ready) put(control, '@aria-describedby', 'starting-why');
    else if (control.hasAttribute('aria-describedby')) control.removeAttribute('aria-describedby');
  }
  put(ui['midi-receive'], 'disabled', !state.ready);
  put(document.getElementById('starting-why'), 'hidden', state.ready);
}

// The keyboard on a bank's line (one put back by Undo, say).
export function focusBank(bank) {
  drawList();
  rows.get(bank)?.pick.focus();
}

// Where a bank's line stands in the list (for the focus after removing).
export function placeOf(bank) {
  const r = rows.get(bank);
  return r ? [...ui['bank-list'].querySelectorAll('.pick')].indexOf(r.pick) : -1;
}

// After banks went away, the keyboard goes to the line that took the place
// of the first of them, or the one before, or "Add files…".
export function focusAfterRemoval(index) {
  drawList();
  const lines = [...ui['bank-list'].querySelectorAll('.pick')];
  (lines[Math.min(index, lines.length - 1)] || document.getElementById('choose')).focus();
}
