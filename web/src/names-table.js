// A table of programs, { bank, program } each, as a grid that costs one
// Tab stop: its name opens it, "Compare" puts it beside the one shown,
// "Add" puts it into the new bank. Under each name: the name its sound is
// known by where the bank holds no names (or the person's own), whether it
// is edited, whether it is a favourite, its tags, whether it is the same sound as others, and
// whether its file can be trusted for it.
// Long tables are drawn a part at a time, as they are scrolled or moved
// through.
import { button, count, element } from './dom.js';
import { rove, settleStop } from './roving.js';
import { indexed, knownAs, knownNames, namesOfProgram, sameSoundText } from './sound-index.js';
import { programEdited } from './bank-edits.js';
import { distrust, markOf, untrusted, where } from './state.js';

const ROWS_AT_ONCE = 100;

// `actions`: { show(bankId, program), compare(bankId, program), add(bankId,
// program) }. `withBank`: a column that names each program's bank (the
// search's hits). Answers the table's element.
export function namesTable(entries, { caption, withBank, actions }) {
  const body = element('tbody');
  const header = (text) => element('th', { scope: 'col', textContent: text });
  const table = element('table', { className: 'names', attrs: { role: 'grid', 'aria-rowcount': String(entries.length + 1) } },
    element('caption', { className: 'visually-hidden', textContent: caption }),
    element('thead', {}, element('tr', {}, header('No.'), header('Name'), withBank ? header('Bank') : null, header('Actions'))),
    body);
  let drawn = 0;
  const more = () => {
    if (drawn >= entries.length) return false;
    const next = entries.slice(drawn, drawn + ROWS_AT_ONCE);
    body.append(...next.map((entry, i) => row(entry, drawn + i, withBank, actions)));
    drawn += next.length;
    sentinel.hidden = drawn >= entries.length;
    return true;
  };
  const sentinel = element('p', { className: 'hint', textContent: `More of the ${count(entries.length)} programs come as you scroll.` });
  more();
  settleStop(table);
  rove(table, 'tr', () => {
    const drew = more();
    if (drew) settleStop(table);
    return drew;
  });
  if (typeof IntersectionObserver === 'function' && drawn < entries.length) {
    const watcher = new IntersectionObserver((seen) => {
      if (!seen.some((s) => s.isIntersecting)) return;
      if (!more() || !table.isConnected) watcher.disconnect();
      settleStop(table);
    });
    queueMicrotask(() => watcher.observe(sentinel));
  }
  return element('div', { className: 'names-wrap' }, table, sentinel);
}

function row({ bank, program }, index, withBank, actions) {
  const name = bank.summary.names[program];
  const label = withBank ? `${name || '(no name)'}, ${where(bank, program)}` : `program ${program} ${name}`;
  const key = `${bank.id} ${program}`;
  // What needs the index of the collection comes when it is made.
  const all = indexed();
  const same = all ? sameSoundText(bank, program) : '';
  const sound = bank.summary.sounds[program];
  const mark = markOf(sound);
  const known = !all ? null : bank.summary.holdsNames ? (mark && mark.name && mark.name !== name ? knownNames(sound)[0] : null)
    : namesOfProgram(bank, program)[0];
  const marks = mark ? [mark.favourite ? '★ favourite' : '', mark.tags.join(', ')].filter(Boolean).join(' · ') : '';
  const cell = (text, control) => button(text, control, { className: 'quiet', dataset: { cell: '', key: `${key} ${text}` },
    label: text === 'Add' ? `Add ${label} to the new bank` : `${text} ${label}` });
  return element('tr', { attrs: { 'aria-rowindex': String(index + 2) } },
    element('td', { className: 'number', textContent: String(program) }),
    element('td', {}, button(name || '(no name)', () => actions.show(bank.id, program),
      { className: 'link', dataset: { cell: '', key: `${key} show` }, label: `Show ${label}` }),
    known ? element('span', { className: 'known', textContent: knownAs(known) }) : null,
    marks ? element('span', { className: 'tags', textContent: marks }) : null,
    same ? element('span', { className: 'same', textContent: same }) : null,
    programEdited(bank.id, program) ? element('span', { className: 'mark edited', textContent: 'edited' }) : null,
    untrusted(bank, program) ? element('span', { className: 'damage', textContent: distrust(bank) }) : null),
    withBank ? element('td', { className: 'where', textContent: bank.name }) : null,
    element('td', { className: 'row-actions' },
      cell('Compare', () => actions.compare(bank.id, program)),
      cell('Add', () => actions.add(bank.id, program))));
}
