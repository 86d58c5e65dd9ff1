// The workspace's regions: each answers in a status line of its own, which
// screen readers announce, with an Undo beside it for a while after
// something was removed, or what else the line offers to do; on a narrow
// screen one region is shown at a time, chosen in the tab bar.
import { button } from './dom.js';
import { on, setView, state } from './state.js';

// How long Undo stays beside its message.
const UNDO_MS = 20_000;
const undoTimers = new Map();

// Says `text` in a region's status line ("banks", "programs", "program",
// "builder", "write", "send"). With `undo`, an Undo button (named after the
// text) stands beside the line for UNDO_MS, whatever is said there
// meanwhile, until another Undo takes its place; pressing it calls undo()
// and says what it answers (or its promise gives). With `offer` ({ label,
// act }), a button that does `act()` (and says what it answers, when it
// answers words) stands beside the line until the line says something else.
export function say(region, text, { undo, offer } = {}) {
  const status = document.getElementById(`${region}-status`);
  status.textContent = text;
  const line = status.parentElement;
  line.querySelector('.offer')?.remove();
  if (offer) {
    const control = button(offer.label, () => {
      control.remove();
      Promise.resolve(offer.act()).then((answer) => typeof answer === 'string' && say(region, answer));
    }, { className: 'offer main' });
    line.append(control);
  }
  if (!undo) return;
  line.querySelector('.undo')?.remove();
  clearTimeout(undoTimers.get(region));
  const control = button('Undo', () => {
    control.remove();
    clearTimeout(undoTimers.get(region));
    Promise.resolve(undo()).then((text) => say(region, text));
  }, { className: 'undo', label: `Undo: ${text}` });
  line.append(control);
  undoTimers.set(region, setTimeout(() => control.remove(), UNDO_MS));
}

const tabs = () => document.querySelectorAll('#tabs button');

// What a narrow screen shows, and what the detail region shows, follow the
// state; the tab bar and the detail's switch ask for a change.
function showView() {
  document.body.dataset.view = state.view;
  document.body.dataset.detail = state.detail;
  for (const tab of tabs()) {
    const on = tab.dataset.view === state.view && (tab.dataset.view !== 'detail' || tab.dataset.detail === state.detail);
    tab.setAttribute('aria-pressed', String(on));
  }
  for (const control of document.querySelectorAll('#detail-switch button')) {
    control.setAttribute('aria-pressed', String(control.dataset.detail === state.detail));
  }
}

export function setUpLayout() {
  for (const control of [...tabs(), ...document.querySelectorAll('#detail-switch button')]) {
    control.addEventListener('click', () => setView(control.dataset.view || 'detail', control.dataset.detail || state.detail));
  }
  on('view', showView);
  showView();
}

// Whether the regions stand side by side (a wide screen) or one at a time.
export const sideBySide = () => window.matchMedia('(min-width: 1024px)').matches;
