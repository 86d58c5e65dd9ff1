// Finding programs across all loaded banks: by name as one types, and the
// groups of programs that are the same sound whatever their names.
import { button, count, element, plural } from './dom.js';
import { duplicateGroups, searchNames, state, where } from './state.js';

const HITS_SHOWN = 200;
const GROUPS_SHOWN = 200;
// A sound that hundreds of programs share (the default program, say) lists
// its first programs and counts the others.
const MEMBERS_SHOWN = 12;

// { show(bankId, program), add(bankId, program) }
let actions = null;
const ui = {};

export function setUpFinder(pageActions) {
  actions = pageActions;
  ui.search = document.getElementById('search');
  ui.hits = document.getElementById('search-hits');
  ui.summary = document.getElementById('search-summary');
  ui.duplicates = document.getElementById('duplicates');
  ui.list = document.getElementById('duplicate-list');
  ui.search.addEventListener('input', renderSearch);
  ui.duplicates.addEventListener('click', renderDuplicates);
}

function hitItem({ bank, program }) {
  const name = bank.summary.names[program];
  const label = `${name || '(no name)'}, ${where(bank, program)}`;
  return element('li', {},
    button(name || '(no name)', () => actions.show(bank.id, program), { className: 'link', label: `Show ${label}` }),
    element('span', { className: 'where', textContent: ` ${where(bank, program)}` }), ' ',
    button('Add', () => actions.add(bank.id, program), { label: `Add ${label} to the new bank` }));
}

export function renderSearch() {
  const text = ui.search.value;
  if (!text.trim()) {
    ui.hits.replaceChildren();
    ui.summary.textContent = '';
    return;
  }
  const { hits, total } = searchNames(text, HITS_SHOWN);
  ui.hits.replaceChildren(...hits.map(hitItem));
  ui.summary.textContent = total === 0 ? 'No program name holds that text.'
    : `${plural(total, 'program')} found${total > hits.length ? `; the first ${count(hits.length)} are shown` : ''}.`;
}

// Every group of programs that are the same sound, across all loaded banks.
export function renderDuplicates() {
  const groups = duplicateGroups();
  ui.list.hidden = false;
  if (!groups.length) {
    ui.list.replaceChildren(element('p', { textContent: state.banks.length ? 'No two loaded programs are the same sound.' : 'No banks are loaded.' }));
    return;
  }
  const heading = element('p', { textContent: `${plural(groups.length, 'sound')} that more than one program holds:` });
  const items = groups.slice(0, GROUPS_SHOWN).map((group) => element('li', {},
    element('ul', {}, ...group.slice(0, MEMBERS_SHOWN).map(hitItem)),
    group.length > MEMBERS_SHOWN ? element('p', { className: 'hint', textContent: `and ${plural(group.length - MEMBERS_SHOWN, 'more program')} of this sound` }) : null));
  const more = groups.length > GROUPS_SHOWN ? element('p', { className: 'hint', textContent: `The first ${GROUPS_SHOWN} are shown.` }) : null;
  ui.list.replaceChildren(heading, element('ol', { className: 'groups' }, ...items), more);
}

// Results follow the banks as they come and go.
export function refreshFinder() {
  if (ui.search.value.trim()) renderSearch();
  if (!ui.list.hidden) renderDuplicates();
}
