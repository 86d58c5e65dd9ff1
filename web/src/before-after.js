// Before and after: while a button is held (pointer, Space or Enter), or
// the B key anywhere in the editor, the values are shown as the bank holds
// them; let go, the edited values come back. A click that holds nothing (a
// screen reader's) turns it on and off. The button's pressed state says
// which values are shown.
import { button } from './dom.js';

const typing = (target) => target instanceof HTMLTextAreaElement
  || (target instanceof HTMLInputElement && ['text', 'search'].includes(target.type));

// The window losing focus lets go of the editor on view.
let letGo = () => {};
window.addEventListener('blur', () => letGo());

// `area`: the element whose keys hold; `show(asRead)`: shows the values as
// read (true) or as edited (false). Answers { button, held() }.
export function beforeAfter(area, show) {
  let asRead = false;
  let holding = ''; // what holds it: 'pointer', 'key', 'b', or '' (a click's turn)
  let justLet = false;
  const set = (on, by) => {
    if (on === asRead) return;
    asRead = on;
    holding = on ? by : '';
    control.setAttribute('aria-pressed', String(on));
    show(on);
  };
  const control = button('Hold for the values as read', () => {
    if (!justLet) set(!asRead, '');
  }, { className: 'quiet', attrs: { 'aria-pressed': 'false', 'aria-keyshortcuts': 'B' }, dataset: { key: 'before' } });
  const let_ = (by) => {
    if (holding !== by) return;
    set(false, by);
    // The click that follows the release is not a turn of its own.
    justLet = by !== 'b';
    setTimeout(() => { justLet = false; }, 0);
  };
  control.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    control.setPointerCapture?.(event.pointerId);
    set(true, 'pointer');
  });
  for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) control.addEventListener(type, () => let_('pointer'));
  control.addEventListener('keydown', (event) => {
    if ((event.key === ' ' || event.key === 'Enter') && !event.repeat) {
      event.preventDefault();
      set(true, 'key');
    }
  });
  control.addEventListener('keyup', (event) => {
    if (event.key === ' ' || event.key === 'Enter') let_('key');
  });
  area.addEventListener('keydown', (event) => {
    if (event.key.toLowerCase() !== 'b' || event.ctrlKey || event.metaKey || event.altKey || typing(event.target)) return;
    event.preventDefault();
    if (!event.repeat) set(true, 'b');
  });
  area.addEventListener('keyup', (event) => {
    if (event.key.toLowerCase() === 'b') let_('b');
  });
  // Focus going elsewhere lets go of what the keys held.
  area.addEventListener('focusout', (event) => {
    if (!area.contains(event.relatedTarget)) let_('b');
  });
  letGo = () => ['b', 'key', 'pointer'].forEach(let_);
  return { button: control, held: () => asRead };
}
