// The same sounds of the collection, in the order that helps: sounds that
// different banks share, then sounds repeated inside one bank; a bank whose
// sounds are all in another bank is one line, and so are the default and
// blank programs. Every group can be reached: they come a page at a time.
import { button, count, element, plural } from './dom.js';
import { duplicateReport } from './sound-index.js';
import { state, where } from './state.js';

const GROUPS_AT_ONCE = 50;
// A sound that hundreds of programs share lists its first programs and
// counts the others.
const MEMBERS_SHOWN = 12;

let pages = 1;
let revision = -1;

// Draws the report into `into`; `actions`: { show(bankId, program),
// add(bankId, program), say(text) }.
export function drawDuplicates(into, actions) {
  if (revision !== state.revision) pages = 1;
  revision = state.revision;
  const report = duplicateReport();
  const { groups, wholes, fills } = report;
  if (!groups.length && !wholes.length && !fills.programs) {
    into.replaceChildren(element('p', { textContent: state.banks.length ? 'No two programs of the collection are the same sound.' : 'No banks are loaded.' }));
    return;
  }
  const inside = groups.length - report.shared;
  const summary = `${plural(report.shared, 'sound')} shared between banks, ${plural(inside, 'sound')} repeated inside one bank`
    + `${wholes.length ? `, ${plural(wholes.length, 'bank')} whose sounds are all in another bank` : ''}.`;
  const shown = groups.slice(0, pages * GROUPS_AT_ONCE);
  const list = element('ol', { className: 'groups', attrs: { 'aria-label': 'Sounds held by more than one program' } },
    ...shown.map((group, i) => groupItem(group, i < report.shared, actions)));
  const more = shown.length < groups.length ? button(`Show ${plural(Math.min(GROUPS_AT_ONCE, groups.length - shown.length), 'more sound')}`
    + ` (${count(shown.length)} of ${count(groups.length)} shown)`, () => {
    pages += 1;
    const first = shown.length;
    drawDuplicates(into, actions);
    into.querySelectorAll('.groups > li')[first]?.querySelector('button')?.focus();
  }, { className: 'quiet' }) : null;
  into.replaceChildren(...[
    element('h3', { textContent: 'Same sounds in the collection' }),
    element('p', { textContent: summary }),
    wholes.length ? element('ul', { className: 'wholes', attrs: { 'aria-label': 'Banks whose sounds are all in another bank' } },
      ...wholes.map(wholeItem)) : null,
    list,
    more,
    fills.programs ? element('p', { className: 'hint', textContent: `${plural(fills.programs, 'program')} in ${plural(fills.banks, 'bank')} `
      + `${fills.programs === 1 ? 'is' : 'are'} the default program or a blank slot; they are not listed.` }) : null].filter(Boolean));
  actions.say(summary);
}

function wholeItem({ bank, of, sounds, same }) {
  return element('li', { textContent: same ? `${bank.name} holds the same ${plural(sounds, 'sound')} as ${of.name}.`
    : `The ${plural(sounds, 'sound')} of ${bank.name} are all in ${of.name}.` });
}

function groupItem({ members, banks }, shared, actions) {
  const text = shared ? `${plural(members.length, 'program')} in ${plural(banks, 'bank')}` : `${plural(members.length, 'program')} of ${members[0].bank.name}`;
  return element('li', {}, element('p', { className: 'group-head', textContent: text }),
    element('ul', {}, ...members.slice(0, MEMBERS_SHOWN).map((hit) => memberItem(hit, actions))),
    members.length > MEMBERS_SHOWN
      ? element('p', { className: 'hint', textContent: `and ${plural(members.length - MEMBERS_SHOWN, 'more program')} of this sound` }) : null);
}

function memberItem({ bank, program }, actions) {
  const name = bank.summary.names[program] || '(no name)';
  const label = `${name}, ${where(bank, program)}`;
  return element('li', {},
    button(name, () => actions.show(bank.id, program), { className: 'link', label: `Show ${label}` }),
    element('span', { className: 'where', textContent: ` ${where(bank, program)} ` }),
    button('Add', () => actions.add(bank.id, program), { className: 'quiet', label: `Add ${label} to the new bank` }));
}
