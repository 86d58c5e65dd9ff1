// The sound of the program on view: the names it is known by, what the
// person adds to it (kept for the sound, so every program of the same sound
// shares it: a favourite mark, a name of their own, tags, a note), the
// other programs of the same sound or of the same PPG program record, the
// 2.V programs linked to it, and the five nearest sounds of the collection.
import { textToBytes } from '../vornak.mjs';
import { button, element, plural } from './dom.js';
import { say } from './layout.js';
import { RECORD_DIFFERENCE, linksOf, sameRecord } from './links.js';
import { MOST_TAGS, NOTE_LENGTH, TAG_LENGTH, cleanMark, parseTags, tagsText } from './marks.js';
import { knownAs, knownNames, sameSounds } from './sounds.js';
import { markOf, programName, state, where } from './state.js';

// A sound that many programs share lists its first ones and counts the others.
const LISTED = 8;

// `actions`: { show, compare, mark(sound, mark), similar(sound) -> promise
// of [{ bank, program, holders, distance }] }. Answers the section; the
// nearest sounds are filled in when the engine answers.
export function soundSection(bank, program, actions) {
  const sound = bank.summary.sounds[program];
  const section = element('section', { className: 'sound', attrs: { 'aria-labelledby': 'sound-title' } },
    element('h3', { id: 'sound-title', textContent: 'The sound' }),
    knownLine(sound, bank, program),
    marksForm(sound, actions),
    programList('Same sound', sameSounds(bank, program), '', actions),
    programList('Same PPG program record', sameRecord(bank, program),
      `differs in ${RECORD_DIFFERENCE}`, actions),
    linkList(bank, program, actions));
  const near = element('ol', { className: 'near', attrs: { 'aria-labelledby': 'near-title' } },
    element('li', { className: 'hint', textContent: 'Finding the nearest sounds…' }));
  section.append(element('h4', { id: 'near-title', textContent: 'Nearest sounds in the collection' }), near);
  actions.similar(sound).then((found) => {
    near.replaceChildren(...found.map((hit) => item(hit, `distance ${hit.distance.toPrecision(2)}`
      + (hit.holders > 1 ? `, and ${plural(hit.holders - 1, 'other program')} of this sound` : ''), actions)));
    if (!found.length) near.replaceChildren(element('li', { className: 'hint', textContent: 'No other sound is in the collection.' }));
  }, (error) => near.replaceChildren(element('li', { className: 'problem', textContent: `Not found (${error.message}).` })));
  return section;
}

function knownLine(sound, bank, program) {
  const names = knownNames(sound).filter((n) => n.own || n.bank !== bank || n.program !== program);
  if (!names.length) return null;
  const [first, ...others] = names;
  const words = knownAs(first);
  return element('p', { className: 'known' }, element('strong', { textContent: `${words[0].toUpperCase()}${words.slice(1)}` }),
    others.length ? `; also ${others.map((n) => `${n.name}${n.own ? '' : ` (${n.bank.name})`}`).join(', ')}` : '');
}

// The person's marks of the sound, changed as each field is left.
function marksForm(sound, actions) {
  const none = { name: '', tags: [], favourite: false, note: '' };
  const mark = markOf(sound) || none;
  const change = (changes) => actions.mark(sound, cleanMark({ ...(markOf(sound) || none), ...changes }, state.limits.nameLength));
  const favourite = element('input', { type: 'checkbox', checked: mark.favourite, dataset: { key: 'favourite' } });
  favourite.addEventListener('change', () => change({ favourite: favourite.checked }));
  const name = element('input', { type: 'text', id: 'own-name', value: mark.name, maxLength: state.limits.nameLength, spellcheck: false,
    dataset: { key: 'own-name' } });
  name.addEventListener('change', () => {
    const given = name.value.trim();
    try {
      textToBytes(given);
    } catch {
      say('program', `“${given}” holds a character that a name in a bank cannot hold; the name was not changed.`);
      name.value = (markOf(sound) || none).name;
      return;
    }
    change({ name: given });
  });
  const tags = element('input', { type: 'text', id: 'own-tags', value: tagsText(mark.tags), spellcheck: false,
    maxLength: MOST_TAGS * (TAG_LENGTH + 2), dataset: { key: 'own-tags' }, attrs: { 'aria-describedby': 'own-tags-hint' } });
  tags.addEventListener('change', () => change({ tags: parseTags(tags.value) }));
  const note = element('textarea', { id: 'own-note', value: mark.note, maxLength: NOTE_LENGTH, rows: 2, dataset: { key: 'own-note' } });
  note.addEventListener('change', () => change({ note: note.value }));
  const field = (label, control, hint) => element('p', { className: 'field' },
    element('label', { htmlFor: control.id, textContent: label }), control, hint || null);
  return element('div', { className: 'marks' },
    element('label', { className: 'check' }, favourite, element('span', { textContent: 'Favourite' })),
    field('Your name for it', name),
    field('Tags', tags, element('span', { id: 'own-tags-hint', className: 'hint', textContent: 'Words separated by commas: pad, bass 80s' })),
    field('Note', note),
    element('p', { className: 'hint', textContent: 'Kept for the sound: every program of the same sound shares them.' }));
}

// A program in a list: its name and where it is, with Show and Compare.
function item({ bank, program }, extra, actions) {
  const name = programName(bank, program) || '(no name)';
  const label = `${name}, ${where(bank, program)}`;
  return element('li', {}, button(name, () => actions.show(bank.id, program), { className: 'link', label: `Show ${label}` }),
    element('span', { className: 'where', textContent: ` ${where(bank, program)}${extra ? `: ${extra}` : ''} ` }),
    button('Compare', () => actions.compare(bank.id, program), { className: 'quiet', label: `Compare ${label}` }));
}

// A list of programs under a title: the first LISTED, and a button that
// shows the others.
function listed(title, hits, render) {
  const list = element('ul', { className: 'related' }, ...hits.slice(0, LISTED).map(render));
  const more = hits.length > LISTED ? button(`Show ${plural(hits.length - LISTED, 'more program')}`, () => {
    list.append(...hits.slice(LISTED).map(render));
    list.children[LISTED].querySelector('button').focus();
    more.remove();
  }, { className: 'quiet' }) : null;
  return element('div', {}, element('h4', { textContent: `${title} (${plural(hits.length, 'program')})` }), list, more);
}

function programList(title, hits, extra, actions) {
  return hits.length ? listed(title, hits, (hit) => item(hit, extra, actions)) : null;
}

// What links a program of the list to the one on view: "holds group B of
// this program, as a 2.V program holds it", or "this program is its group
// B, as a 2.V program holds it".
function linkWords({ group, holder }) {
  const groups = group === 'A and B' ? 'groups A and B' : `group ${group}`;
  const it = group === 'A and B' ? 'them' : 'it';
  return holder ? `holds ${groups} of this program, as a 2.V program holds ${it}` : `this program is its ${groups}, as a 2.V program holds ${it}`;
}

function linkList(bank, program, actions) {
  const links = linksOf(bank, program);
  if (!links.length) return null;
  return listed(links[0].holder ? 'As a 2.V program' : 'From a PPG program', links, (link) => item(link, linkWords(link), actions));
}
