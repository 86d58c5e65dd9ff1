// The Programs region: what the selected bank is (its format and model,
// what is worth knowing about it), then its programs' names, its listing,
// or the same sounds of the whole collection; a search across all banks (of
// names, tags and notes) takes the place of the names while it holds text,
// and so does a filter (favourites, untagged programs, one tag).
import { combisView } from './combis-view.js';
import { drawDuplicates } from './duplicates-view.js';
import { button, count, element, notesBox, plural, whenSettled } from './dom.js';
import { namesTable } from './names-table.js';
import { findPrograms, indexed, tagsInUse, whenIndexed } from './sound-index.js';
import { editedPrograms, editedCombis, editsText, hasEdits } from './bank-edits.js';
import { bankById, browse, on, readable, runs, state } from './state.js';

// Very large listings are shown in part; copying takes all.
const LISTING_SHOWN = 1 << 20;
const HITS_SHOWN = 2000;
const ui = {};
let actions = null;

// `pageActions`: { listing(bank), combiValues(bank), show, compare, add,
// say(text), keepAsNew(bank), discard(bank) }
export function setUpProgramsView(pageActions) {
  actions = pageActions;
  for (const id of ['search', 'filter', 'bank-facts', 'browse']) ui[id] = document.getElementById(id);
  ui.modes = [...document.querySelectorAll('#programs .modes button')];
  for (const control of ui.modes) control.addEventListener('click', () => browse({ mode: control.dataset.mode, search: '' }));
  ui.search.addEventListener('input', () => {
    browse({ search: ui.search.value });
    if (!ui.search.value.trim() && !state.browse.filter) said('');
  });
  ui.filter.addEventListener('change', () => {
    browse({ filter: ui.filter.value });
    if (!ui.filter.value && !state.browse.search.trim()) said('');
  });
  ui.fixedFilters = [...ui.filter.options];
  // What the person chose is drawn at once; what other banks change (the
  // same-sound marks, the hits) once they have settled, so that a hundred
  // banks being read do not draw the table a hundred times.
  on('selection', drawAll);
  on('browse', drawAll);
  const drawSoon = whenSettled(() => whenIndexed(drawAll));
  on('banks', drawSoon);
  on('bank', (bank) => (bank.id === state.selected ? drawAll() : drawSoon()));
  on('ready', drawAll);
  on('marks', () => {
    drawFilters();
    drawAll();
  });
  // Edits change the bank's facts and the names' marks; the combis, edited
  // in place, are not drawn again.
  let factsDrawn = -1;
  on('edit', whenSettled(() => {
    if (factsDrawn === state.editedRevision) return;
    factsDrawn = state.editedRevision;
    const { search, filter, mode } = state.browse;
    if (!search.trim() && !filter && mode !== 'duplicates') drawFacts(bankById(state.selected));
    drawAll();
  }, 100));
  drawAll();
}

let drawn = '';
// Each answer about a bank by a number of its own, so that a bank read
// again is drawn again.
const answerIds = new WeakMap();
let answers = 0;
const answerId = (bank) => {
  if (!bank || !bank.summary) return 0;
  if (!answerIds.has(bank.summary)) answerIds.set(bank.summary, ++answers);
  return answerIds.get(bank.summary);
};

// Draws the region for the state; drawing the same again keeps the place
// the person scrolled to and the control they were at. The listing depends
// on its bank alone; the rest on the other banks too (the same-sound marks).
function drawAll() {
  const { mode, search, sort, filter } = state.browse;
  const finding = Boolean(search.trim() || filter);
  // Whether the collection's index was there: a table drawn before it is
  // drawn again once it is.
  const others = finding || mode !== 'listing' ? [state.revision, state.fills.size, state.marksRevision, Boolean(indexed())] : [];
  const wanted = JSON.stringify([state.selected, mode, search, sort, filter, answerId(bankById(state.selected)),
    mode === 'combis' ? 0 : state.editedRevision, ...others]);
  if (wanted === drawn) return;
  const again = drawn && JSON.parse(drawn).slice(0, 5).join() === JSON.parse(wanted).slice(0, 5).join();
  drawn = wanted;
  const body = ui.browse.closest('.region-body');
  const scrolled = body.scrollTop; // read before anything changes: no layout forced
  const focusKey = ui.browse.contains(document.activeElement) ? document.activeElement.dataset.key : undefined;
  if (ui.search.value !== search) ui.search.value = search;
  if (ui.filter.value !== filter) drawFilters();
  const bank = bankById(state.selected);
  const combis = readable(bank) && bank.summary.combis > 0;
  for (const control of ui.modes) {
    control.setAttribute('aria-pressed', String(!finding && control.dataset.mode === mode));
    if (control.dataset.mode === 'combis') control.hidden = !combis;
  }
  drawFacts(finding || mode === 'duplicates' ? null : bank);
  if (finding) drawFound(search, filter);
  else if (mode === 'duplicates') drawDuplicates(ui.browse, { ...actions, say: said });
  else if (!readable(bank)) ui.browse.replaceChildren(element('p', { className: 'hint', textContent: bank && !bank.summary && !bank.problem
    ? 'Reading its programs…' : state.banks.length ? 'Choose a bank in the Banks region to see its programs.' : 'Add bank files to see their programs here.' }));
  else if (mode === 'listing') drawListing(bank);
  else if (mode === 'combis' && combis) drawCombis(bank);
  else drawNames(bank);
  if (again && scrolled) body.scrollTop = scrolled;
  else if (!again && scrolled) body.scrollTop = 0;
  if (focusKey && !ui.browse.contains(document.activeElement)) {
    ui.browse.querySelector(`[data-key="${CSS.escape(focusKey)}"]`)?.focus({ preventScroll: true });
  }
}

function drawFacts(bank) {
  if (!bank || !bank.summary) {
    ui['bank-facts'].replaceChildren();
    return;
  }
  const s = bank.summary;
  if (!readable(bank)) {
    ui['bank-facts'].replaceChildren(element('h3', { textContent: bank.name }), element('p', { className: 'problem',
      textContent: `${s.message || ''} ${s.explanation}`.trim() }));
    return;
  }
  const combis = s.combis ? `, ${plural(s.combis, 'combi')} (${count(s.combisInUse)} in use)` : '';
  const name = s.bankName ? ` · bank “${s.bankName}”` : '';
  const made = bank.built ? ' · built here' : '';
  const parts = [element('h3', { textContent: bank.name }),
    element('p', { className: 'facts', textContent: `${s.format} · ${s.modelName || s.model} · ${plural(s.programs, 'program')}${combis}${name}${made}` })];
  if (hasEdits(bank.id)) parts.push(editsBox(bank));
  if (s.notes.length) parts.push(notesBox(bank.name, s.notes));
  if (bank.received) {
    const same = bank.sameAs ? ` Its bytes are those of ${bank.sameAs}; it is kept as a bank of its own.` : '';
    parts.push(element('p', {}, actions.receivedLink(bank), ` as it came from the instrument (${count(bank.size)} bytes).${same}`));
  }
  ui['bank-facts'].replaceChildren(...parts);
}

// A bank's edits: which, that it is written and sent as edited, and what
// else can become of them.
function editsBox(bank) {
  const programs = editedPrograms(bank.id).map((e) => e.program);
  const combis = editedCombis(bank.id).map((e) => e.combi);
  const which = [programs.length ? `${programs.length === 1 ? 'program' : 'programs'} ${runs(programs)}` : '',
    combis.length ? `${combis.length === 1 ? 'combi' : 'combis'} ${runs(combis)}` : ''].filter(Boolean).join('; ');
  return element('div', { className: 'bank-edits' },
    element('p', {}, element('strong', { textContent: `With ${editsText(bank.id)}` }), ` (${which}). `
      + 'Write as…, Send and a saved collection take the bank as edited, and offer it as read.'),
    element('p', { className: 'actions' },
      button('Keep as a new bank', () => actions.keepAsNew(bank), { className: 'quiet', dataset: { key: 'keep edits' },
        label: `Keep as a new bank: ${bank.name} as edited` }),
      button('Discard the edits', () => actions.discard(bank), { className: 'quiet danger', dataset: { key: 'discard edits' },
        label: `Discard the edits of ${bank.name}` })));
}

function drawNames(bank) {
  const names = bank.summary.names;
  const numbers = names.map((_, i) => i);
  if (state.browse.sort === 'name') numbers.sort((a, b) => names[a].localeCompare(names[b]) || a - b);
  const sort = (key, text) => button(text, () => browse({ sort: key }), { className: 'quiet', dataset: { key: `sort ${key}` },
    attrs: { 'aria-pressed': String(state.browse.sort === key) } });
  ui.browse.replaceChildren(
    element('div', { className: 'actions sort', attrs: { role: 'group', 'aria-label': 'Sort the programs' } },
      element('span', { className: 'hint', textContent: 'Sort by' }), sort('number', 'Number'), sort('name', 'Name')),
    namesTable(numbers.map((program) => ({ bank, program })), { caption: `Programs of ${bank.name}`, actions }));
}

// The filter's choices: the fixed ones, then one for each tag in use.
function drawFilters() {
  const { filter } = state.browse;
  const tags = tagsInUse().map((tag) => element('option', { value: `tag:${tag}`, textContent: `Tagged “${tag}”, in all banks` }));
  if (filter.startsWith('tag:') && !tags.some((o) => o.value === filter)) {
    tags.push(element('option', { value: filter, textContent: `Tagged “${filter.slice(4)}”, in all banks` }));
  }
  ui.filter.replaceChildren(...ui.fixedFilters, ...tags);
  ui.filter.value = filter;
}

const filterWords = { favourites: 'favourites', untagged: 'programs without tags' };

function drawFound(text, filter) {
  const { hits, total } = findPrograms(text, filter, HITS_SHOWN);
  const what = [text.trim() ? `whose names, tags or notes hold “${text.trim()}”` : '',
    filter ? `among the ${filterWords[filter] || `programs tagged “${filter.slice(4)}”`}` : ''].filter(Boolean).join(' ');
  const summary = total === 0 ? `No program found ${what}.`
    : `${plural(total, 'program')} found${total > hits.length ? `; the first ${count(hits.length)} are shown` : ''}.`;
  ui.browse.replaceChildren(hits.length ? namesTable(hits, { caption: `Programs ${what}`, withBank: true, actions }) : '');
  said(summary);
}

// The status line, told again only when what it says changes.
function said(text) {
  if (document.getElementById('programs-status').textContent !== text) actions.say(text);
}

function drawCombis(bank) {
  const hint = element('p', { className: 'hint', textContent: 'Reading the combis…' });
  ui.browse.replaceChildren(hint);
  actions.combiValues(bank).then((combis) => {
    if (!ui.browse.contains(hint)) return; // another view was drawn meanwhile
    const ranges = state.limits.combiValues;
    if (!combis.length || !Array.isArray(ranges)) hint.textContent = 'The engine answers no values of these combis.';
    else ui.browse.replaceChildren(combisView(bank, combis, ranges));
  }, (error) => { hint.textContent = `The combis could not be read (${error.message}).`; });
}

function drawListing(bank) {
  const pre = element('pre', { className: 'listing', tabIndex: 0, textContent: 'Listing…',
    attrs: { role: 'region', 'aria-label': `Listing of ${bank.name}` } });
  const long = element('p', { className: 'hint', hidden: true,
    textContent: 'The listing is long: its first part is shown; Copy listing copies all of it.' });
  let text = '';
  const copy = button('Copy listing', () => copyText(text, copy), { className: 'quiet' });
  ui.browse.replaceChildren(copy, long, pre);
  actions.listing(bank).then((listing) => {
    text = listing;
    pre.textContent = listing.length > LISTING_SHOWN ? listing.slice(0, LISTING_SHOWN) : listing;
    long.hidden = listing.length <= LISTING_SHOWN;
  }, (error) => { pre.textContent = `The listing could not be made (${error.message}).`; });
}

async function copyText(text, control) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Without the clipboard interface: through a selection of the whole text.
    const area = element('textarea', { value: text, readOnly: true, className: 'visually-hidden' });
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
    control.focus();
  }
  actions.say('The listing is copied.');
}
