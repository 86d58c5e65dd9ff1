// The sound of the program on view: where it was first seen and where else
// it is, the names it is known by, what the
// person adds to it (kept for the sound, so every program of the same sound
// shares it: a favourite mark, a name of their own, tags, a note), the
// other programs of the same sound or that the PPG holds the same, the 2.V
// programs linked to it, and the nearest sounds of the collection. The
// section is made once for a program (and for each sound it is edited to)
// and brought up to date in place when the banks or the marks change: a
// field being typed in is never touched.
import { textToBytes } from '../engine/text.js';
import { button, element, plural, redraw } from './dom.js';
import { say } from './layout.js';
import { heldOnlyBy, linksOf, sameRecord } from './links.js';
import { MOST_TAGS, NOTE_LENGTH, TAG_LENGTH, cleanMark, parseTags, tagsText } from './marks.js';
import { provenanceText } from './provenance.js';
import { indexed, knownAs, knownNames, namesOfProgram, programsByRecord, programsOf, sameSounds } from './sound-index.js';
import { markOf, programName, state, where } from './state.js';
import { markWords, rememberMark, undoKey, undoMark } from './undo-history.js';

// A sound that many programs share lists its first ones and counts the others.
const LISTED = 8;
// The engine's distance adds up how far apart two programs' values lie,
// each over its range (another wavetable, or a switch of a group, counts
// one whole value): 1 is one value moved from one end of its range to the
// other. Sounds further apart than this are not alike, and are not listed.
const ALIKE = 6;
const nearness = (distance) => (distance < 0.5 ? 'nearly the same' : distance < 2 ? 'close' : 'alike');

// `actions`: { show, compare, mark(sound, mark), similar(sound) -> promise
// of [{ bank, program, holders, distance }], parameters(bank, program) ->
// promise of { labels, values } }. `edited`: the sound and record of the
// program as edited ({ sound, record }), or null for the program as its
// bank holds it. Answers { section, update() }.
export function soundSection(bank, program, actions, edited = null) {
  const sound = edited ? edited.sound : bank.summary.sounds[program];
  const known = element('div');
  const origin = element('p', { className: 'provenance' });
  const form = marksForm(sound, actions, edited ? bank.summary.sounds[program] : null);
  const lists = [element('div'), element('div'), element('div')];
  const near = element('ol', { className: 'near', attrs: { 'aria-labelledby': 'near-title' } },
    element('li', { className: 'hint', textContent: 'Finding the nearest sounds…' }));
  const section = element('section', { className: 'sound', attrs: { 'aria-labelledby': 'sound-title' } },
    element('h3', { id: 'sound-title', textContent: edited ? 'The sound as edited' : 'The sound' }), origin, known, form.element, ...lists,
    element('h4', { id: 'near-title', textContent: 'Nearest sounds in the collection' }),
    element('p', { className: 'hint', textContent: `The distance adds up how far apart the values lie, each over its range: 1 is one value `
      + `moved from one end to the other (or another wavetable, or one switch). Only sounds within ${ALIKE} are listed.` }),
    near);
  let asked = null; // the revision the nearest sounds were last asked for
  // What needs the index of the collection is drawn once it is made.
  const update = () => {
    form.update();
    if (!indexed()) return;
    if (!edited) redraw(origin, [provenanceText(bank, program)]);
    redraw(known, [knownLine(bank, program, edited, actions)]);
    redraw(lists[0], programList('Same sound', edited ? programsOf(sound) : sameSounds(bank, program), () => '', actions));
    redraw(lists[1], programList('The PPG holds these the same', edited
      ? programsByRecord(edited.record).filter((hit) => hit.bank.summary.sounds[hit.program] !== sound) : sameRecord(bank, program),
    (hit) => `differs in ${heldOnlyBy([{ bank, program }, hit])}`, actions));
    redraw(lists[2], edited ? [] : linkList(bank, program, actions));
    if (asked === state.revision) return;
    const mine = asked = state.revision;
    actions.similar(sound).then((found) => {
      if (mine !== asked) return; // asked again meanwhile
      const alike = found.filter((hit) => hit.distance <= ALIKE);
      redraw(near, alike.length ? alike.map((hit) => item(hit, `${nearness(hit.distance)} (distance ${hit.distance.toPrecision(2)})`
        + (hit.holders > 1 ? `, and ${plural(hit.holders - 1, 'other program')} of this sound` : ''), actions))
        : [element('li', { className: 'hint', textContent: found.length ? `No sound of the collection is alike: the nearest is `
          + `${found[0].distance.toPrecision(2)} away.` : 'No other sound is in the collection.' })]);
    }, (error) => mine === asked && redraw(near, [element('li', { className: 'problem', textContent: `Not found (${error.message}).` })]));
  };
  update();
  return { section, update };
}

// The names the program (as edited) is known by; where the first is that
// of a program the PPG holds the same (a file without names holds the
// record alone), what that program holds more, once the engine has said.
function knownLine(bank, program, edited, actions) {
  const names = (edited ? knownNames(edited.sound, bank.summary.holdsNames ? null : edited.record) : namesOfProgram(bank, program))
    .filter((n) => n.own || n.bank !== bank || n.program !== program);
  if (!names.length) return null;
  const [first, ...others] = names;
  const words = knownAs(first);
  const line = element('p', { className: 'known' }, element('strong', { textContent: `${words[0].toUpperCase()}${words.slice(1)}` }),
    others.length ? `; also ${others.map((n) => `${n.name}${n.own ? '' : ` (${n.bank.name})`}`).join(', ')}` : '');
  if (first.byRecord && !edited) {
    const more = element('span', { className: 'more' });
    line.append('. ', more);
    holdsMore(bank, program, first, actions).then((text) => { more.textContent = text; }, () => {});
  }
  return line;
}

// Where a named program that the PPG holds the same as a program of a file
// without names holds more: "tuned to 442 there; a V8 SysEx dump cannot
// hold it". The values that differ are the engine's (describe's values of
// both); which of them a file without names cannot hold, its formats'.
const WORDS = { TTUNE: (value) => `tuned to ${value}` };
async function holdsMore(bank, program, known, actions) {
  const [mine, theirs] = await Promise.all([actions.parameters(bank, program), actions.parameters(known.bank, known.program)]);
  const notHeld = new Set(state.formats.filter((f) => !f.names).flatMap((f) => f.valuesNotHeld));
  const { labels } = mine;
  const differing = [...labels.program.map((label, k) => [label, mine.values.program[k], theirs.values.program[k]]),
    ...labels.group.flatMap((label, k) => [[label, mine.values.a[k], theirs.values.a[k]], [label, mine.values.b[k], theirs.values.b[k]]])]
    .filter(([label, a, b]) => a !== b && notHeld.has(label));
  const format = bank.summary.format;
  if (!differing.length) return `It holds settings there that a ${format} cannot hold.`;
  const parts = [...new Map(differing.map(([label, , value]) => [label, (WORDS[label] || ((v) => `${label} ${v}`))(value)])).values()];
  const list = parts.length > 1 ? `${parts.slice(0, -1).join(', ')} and ${parts.at(-1)}` : parts[0];
  return `${list[0].toUpperCase()}${list.slice(1)} there; a ${format} cannot hold ${parts.length > 1 ? 'them' : 'it'}.`;
}

// The person's marks of the sound, changed as each field is left. Answers
// { element, update() }: update() shows the marks as they are now in every
// field but the one the person is in. `before`: the sound the edited one
// was edited from, whose name of one's own stays with it until the edited
// sound has one (it is taken on when the edit is kept).
function marksForm(sound, actions, before = null) {
  const none = { name: '', tags: [], favourite: false, note: '' };
  const now = () => markOf(sound) || none;
  const change = (changes) => {
    rememberMark(sound);
    actions.mark(sound, cleanMark({ ...now(), ...changes }, state.limits.nameLength));
  };
  const favourite = element('input', { type: 'checkbox', dataset: { key: 'favourite' } });
  favourite.addEventListener('change', () => change({ favourite: favourite.checked }));
  const name = element('input', { type: 'text', id: 'own-name', maxLength: state.limits.nameLength, spellcheck: false,
    dataset: { key: 'own-name' } });
  name.addEventListener('change', () => {
    const given = name.value.trim();
    try {
      textToBytes(given);
    } catch {
      say('program', `“${given}” holds a character that a name in a bank cannot hold; the name was not changed.`);
      name.value = now().name;
      return;
    }
    change({ name: given });
  });
  const tags = element('input', { type: 'text', id: 'own-tags', spellcheck: false,
    maxLength: MOST_TAGS * (TAG_LENGTH + 2), dataset: { key: 'own-tags' }, attrs: { 'aria-describedby': 'own-tags-hint' } });
  tags.addEventListener('change', () => change({ tags: parseTags(tags.value) }));
  const note = element('textarea', { id: 'own-note', maxLength: NOTE_LENGTH, rows: 2, dataset: { key: 'own-note' } });
  note.addEventListener('change', () => change({ note: note.value }));
  const fields = [[favourite, 'checked', (m) => m.favourite], [name, 'value', (m) => m.name], [tags, 'value', (m) => tagsText(m.tags)],
    [note, 'value', (m) => m.note]];
  const from = element('span', { className: 'hint edited-from' });
  // `all`: the field the person is in too (after an Undo).
  const update = (all = false) => {
    const mark = now();
    for (const [field, property, of] of fields) if ((all || field !== document.activeElement) && field[property] !== of(mark)) field[property] = of(mark);
    const earlier = before && !mark.name ? markOf(before)?.name : '';
    if (from.textContent !== (earlier ? ` edited from “${earlier}”` : '')) from.textContent = earlier ? ` edited from “${earlier}”` : '';
    if (name.placeholder !== (earlier || '')) name.placeholder = earlier || '';
  };
  const undo = () => {
    const was = undoMark(sound);
    if (!was) {
      say('program', 'Nothing to undo: the name, tags, favourite and note are as they were.');
      return;
    }
    const mark = now();
    actions.mark(sound, was.mark);
    update(true);
    say('program', markWords(mark, was.mark));
  };
  update();
  const field = (label, control, hint) => element('p', { className: 'field' },
    element('label', { htmlFor: control.id, textContent: label }), control, hint || null);
  const marks = element('div', { className: 'marks' },
    element('label', { className: 'check' }, favourite, element('span', { textContent: 'Favourite' })),
    field('Your name for it', name, from),
    field('Tags', tags, element('span', { id: 'own-tags-hint', className: 'hint', textContent: 'Words separated by commas: pad, bass 80s' })),
    field('Note', note),
    element('p', { className: 'hint', textContent: 'Kept for the sound: every program of the same sound shares them.' }),
    button('Undo a change of these', undo, { className: 'quiet', attrs: { 'aria-keyshortcuts': 'Control+Z' }, dataset: { key: 'undo-marks' } }));
  undoKey(marks, undo);
  return { update, element: marks };
}

// A program in a list: its name and where it is, with Show and Compare.
function item({ bank, program }, extra, actions) {
  const name = programName(bank, program) || '(no name)';
  const label = `${name}, ${where(bank, program)}`;
  const key = `${bank.id} ${program}`;
  return element('li', {}, button(name, () => actions.show(bank.id, program), { className: 'link', label: `Show ${label}`,
    dataset: { key: `${key} show` } }),
  element('span', { className: 'where', textContent: ` ${where(bank, program)}${extra ? `: ${extra}` : ''} ` }),
  button('Compare', () => actions.compare(bank.id, program), { className: 'quiet', label: `Compare ${label}`, dataset: { key: `${key} compare` } }));
}

// A list of programs under a title: the first LISTED, and a button that
// shows the others. Answers the title, the list and the button.
function listed(title, hits, render) {
  const list = element('ul', { className: 'related' }, ...hits.slice(0, LISTED).map(render));
  const more = hits.length > LISTED ? button(`Show ${plural(hits.length - LISTED, 'more program')}`, () => {
    list.append(...hits.slice(LISTED).map(render));
    list.children[LISTED].querySelector('button').focus();
    more.remove();
  }, { className: 'quiet' }) : null;
  return [element('h4', { textContent: `${title} (${plural(hits.length, 'program')})` }), list, more];
}

function programList(title, hits, extra, actions) {
  return hits.length ? listed(title, hits, (hit) => item(hit, extra(hit), actions)) : [];
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
  if (!links.length) return [];
  return listed(links[0].holder ? 'As a 2.V program' : 'From a PPG program', links, (link) => item(link, linkWords(link), actions));
}
