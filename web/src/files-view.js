// The loaded banks: one card per bank that reads (what it is, what is worth
// knowing about it, what the chosen conversion keeps, its program names and
// its listing), and one compact list of the files that could not be read.
import { button, count, element, plural } from './dom.js';
import { formatByLetter, readable, sameSounds, state, where } from './state.js';

// Long collections are shown in part; more on request.
const CARDS_AT_ONCE = 40;
// Very large listings and banks are shown in part; copying takes all.
const LISTING_SHOWN = 1 << 20;
const NAMES_SHOWN = 2000;

// What the views need from the page: { listing(bank), report(bank),
// remove(bank), show(bankId, program), compare(bankId, program),
// add(bankId, program), cardExtras(bank) }.
let actions = null;
let shownCards = CARDS_AT_ONCE;
const ui = {};

export function setUpFilesView(pageActions) {
  actions = pageActions;
  ui.files = document.getElementById('files');
  ui.failed = document.getElementById('failed');
  ui.failedList = document.getElementById('failed-list');
  ui.more = document.getElementById('more-banks');
  ui.more.addEventListener('click', () => {
    shownCards += CARDS_AT_ONCE;
    renderFiles();
  });
}

function cardId(bank) {
  return `bank-${bank.id}`;
}

// Draws the lists again: cards for the banks that read (or are being read),
// then the failed files.
export function renderFiles() {
  const cards = state.banks.filter((b) => !failed(b));
  const shown = cards.slice(0, shownCards);
  ui.files.replaceChildren(...shown.map((bank) => (bank.card ??= buildCard(bank))));
  ui.more.hidden = cards.length <= shown.length;
  ui.more.textContent = `Show ${plural(Math.min(CARDS_AT_ONCE, cards.length - shown.length), 'more bank')} (${count(cards.length - shown.length)} not shown)`;

  const bad = state.banks.filter(failed);
  ui.failed.hidden = bad.length === 0;
  ui.failedList.replaceChildren(...bad.map(failedItem));
  document.getElementById('failed-title').textContent = `${plural(bad.length, 'file')} could not be read`;
}

function failed(bank) {
  return Boolean(bank.problem || (bank.summary && bank.summary.exitCode !== 0));
}

function failedItem(bank) {
  const s = bank.summary;
  const message = bank.problem ? '' : s.message || `exit code ${s.exitCode}`;
  return element('li', { id: cardId(bank) },
    element('strong', { textContent: bank.name }), ': ',
    message ? element('span', { className: 'message', textContent: message }) : null,
    ' ', element('span', { className: 'explain', textContent: bank.problem || s.explanation }),
    ' ', button('Remove', () => actions.remove(bank), { label: `Remove ${bank.name}` }));
}

// A card is built once and filled again when its bank changes.
function buildCard(bank) {
  const card = element('li', { className: 'file', id: cardId(bank) });
  bank.card = card;
  fillCard(bank);
  return card;
}

export function refreshBank(bank) {
  if (!state.banks.includes(bank)) return;
  if (failed(bank)) bank.card = null;
  if (bank.card) fillCard(bank);
  else renderFiles();
}

// Open tables of names mark the programs with the same sound in other
// banks: they are filled again when banks come or go.
const openTables = new Set();

export function refreshSameSounds() {
  for (const fill of openTables) {
    if (fill.table.isConnected) fill();
    else openTables.delete(fill);
  }
}

function fillCard(bank) {
  const { card, summary } = bank;
  const parts = [element('header', {},
    element('h3', { textContent: bank.name }),
    element('span', { className: 'card-actions' }, ...actions.cardExtras(bank),
      button('Remove', () => actions.remove(bank), { label: `Remove ${bank.name}` })))];

  if (!summary) {
    parts.push(element('p', { className: 'state', textContent: 'Reading…' }));
    card.replaceChildren(...parts);
    return;
  }
  const combis = summary.combis ? `, ${plural(summary.combis, 'combi')} (${summary.combisInUse} in use)` : '';
  const name = summary.bankName ? ` · bank “${summary.bankName}”` : '';
  const made = bank.built ? ' · built here' : '';
  parts.push(element('p', { className: 'state',
    textContent: `${summary.format} · ${summary.modelName || summary.model} · ${plural(summary.programs, 'program')}${combis}${name}${made}` }));
  if (summary.notes.length) {
    parts.push(element('div', { className: 'notes', attrs: { role: 'note', 'aria-label': `Worth knowing about ${bank.name}` } },
      element('p', { className: 'notes-title', textContent: 'Worth knowing' }),
      element('ul', {}, ...summary.notes.map((n) => element('li', { textContent: n.text, dataset: { code: n.code } })))));
  }
  if (bank.received && bank.bytes) {
    bank.receivedUrl ??= URL.createObjectURL(new Blob([bank.bytes], { type: 'application/octet-stream' }));
    parts.push(element('p', {}, element('a', { href: bank.receivedUrl, download: bank.name, textContent: `Download ${bank.name}` }),
      ` as it came (${count(bank.bytes.length)} bytes)`));
  }
  parts.push(keepsLine(bank));
  if (bank.convertProblem) parts.push(element('p', { className: 'state problem', textContent: `Not converted: ${bank.convertProblem}` }));
  if (bank.outputs.length) {
    parts.push(element('ul', { className: 'downloads' }, ...bank.outputs.map((o) =>
      element('li', {}, element('a', { href: o.url, download: o.name, textContent: `Download ${o.name}` }),
        ` (${count(o.bytes.length)} bytes)`))));
  }
  // The names and the listing keep their state (open, sorted) while the
  // rest of the card is drawn again, as long as the bank reads the same.
  if (!bank.details || bank.details.summary !== summary) {
    bank.details = { summary, names: namesDetails(bank), listing: listingDetails(bank) };
  }
  parts.push(bank.details.names, bank.details.listing);
  card.replaceChildren(...parts);
}

// Draws the keeps line of a bank's card again, once its report is known.
export function refreshReport(bank) {
  if (bank.keepsLine && bank.keepsLine.isConnected) bank.keepsLine.fillReport();
}

// What converting this bank with the chosen output and options keeps, as the
// engine reports it; asked for when the line comes into view, so that a long
// collection does not keep the engine busy with cards nobody looks at.
const reportWatcher = typeof IntersectionObserver === 'function'
  ? new IntersectionObserver((seen) => {
    for (const { isIntersecting, target } of seen) {
      if (!isIntersecting) continue;
      reportWatcher.unobserve(target);
      target.fillReport();
    }
  }) : null;

function keepsLine(bank) {
  const format = formatByLetter(state.settings.format);
  const line = element('p', { className: 'keeps' });
  if (!format) return line;
  line.fillReport = () => {
    const report = actions.report(bank);
    if (!report) return;
    line.replaceChildren(element('strong', { textContent: `As ${format.name}: ` }), report.text);
    line.classList.toggle('loses', report.dropped.length > 0);
  };
  line.textContent = `As ${format.name}: …`;
  bank.keepsLine = line;
  if (actions.report(bank, { cachedOnly: true })) line.fillReport();
  else if (reportWatcher) reportWatcher.observe(line);
  else line.fillReport();
  return line;
}

// The table and the listing are built when first opened: a large bank costs
// nothing until then.
function lazyDetails(label, build) {
  const details = element('details', {}, element('summary', { textContent: label }));
  details.addEventListener('toggle', () => {
    if (details.open && details.childElementCount === 1) details.append(...build(details));
  });
  return details;
}

function namesDetails(bank) {
  const names = bank.summary.names;
  return lazyDetails(`Program names (${names.length})`, () => {
    let order = 'number';
    const tbody = element('tbody');
    const sortButtons = {};
    const heading = (key, text) => {
      sortButtons[key] = button(text, () => { order = key; fill(); }, { className: 'sort' });
      return element('th', { scope: 'col' }, sortButtons[key]);
    };
    const table = element('table', {},
      element('caption', { className: 'visually-hidden', textContent: `Programs of ${bank.name}` }),
      element('thead', {}, element('tr', {}, heading('number', 'No.'), heading('name', 'Name'),
        element('th', { scope: 'col', textContent: 'Same sound' }), element('th', { scope: 'col', textContent: 'Actions' }))),
      tbody);
    function fill() {
      const numbers = names.map((_, i) => i);
      if (order === 'name') numbers.sort((a, b) => names[a].localeCompare(names[b]) || a - b);
      tbody.replaceChildren(...numbers.slice(0, NAMES_SHOWN).map((p) => nameRow(bank, p)));
      for (const [key, b] of Object.entries(sortButtons)) {
        b.parentElement.setAttribute('aria-sort', key === order ? 'ascending' : 'none');
      }
    }
    fill();
    fill.table = table;
    openTables.add(fill);
    const wrap = element('div', { className: 'table-wrap', tabIndex: 0, attrs: { role: 'region', 'aria-label': `Program names of ${bank.name}` } }, table);
    const more = names.length > NAMES_SHOWN
      ? element('p', { className: 'hint', textContent: `The first ${count(NAMES_SHOWN)} of ${count(names.length)} are shown; search finds them all.` }) : null;
    return [wrap, more].filter(Boolean);
  });
}

// "same sound as demo23.crv, program 12", for the first other program with
// the same sound; how many more there are.
export function sameSoundText(bank, program) {
  const others = sameSounds(bank.summary.sounds[program], bank, program);
  if (!others.length) return '';
  const first = others[0];
  const more = others.length > 1 ? ` and ${plural(others.length - 1, 'other')}` : '';
  return `same sound as ${where(first.bank, first.program)}${more}`;
}

function nameRow(bank, p) {
  const name = bank.summary.names[p];
  const label = `${p} ${name}`;
  const same = sameSoundText(bank, p);
  return element('tr', {},
    element('td', { textContent: String(p) }),
    element('td', {}, button(name || '(no name)', () => actions.show(bank.id, p), { className: 'link', label: `Show program ${label}` })),
    element('td', { className: same ? 'same' : '', textContent: same }),
    element('td', { className: 'row-actions' },
      button('Compare', () => actions.compare(bank.id, p), { label: `Compare program ${label}` }),
      button('Add', () => actions.add(bank.id, p), { label: `Add program ${label} to the new bank` })));
}

function listingDetails(bank) {
  return lazyDetails('Listing', (details) => {
    const pre = element('pre', { className: 'listing', tabIndex: 0, textContent: 'Listing…' });
    pre.setAttribute('role', 'region');
    pre.setAttribute('aria-label', `Listing of ${bank.name}`);
    const copy = button('Copy listing', () => copyText(bank.listing || '', copy));
    const more = element('p', { className: 'hint', hidden: true,
      textContent: 'The listing is long: its first part is shown; Copy listing copies all of it.' });
    actions.listing(bank).then((text) => {
      if (!details.isConnected && !bank.card) return;
      pre.textContent = text.length > LISTING_SHOWN ? text.slice(0, LISTING_SHOWN) : text;
      more.hidden = text.length <= LISTING_SHOWN;
    }, (error) => { pre.textContent = `The listing could not be made (${error.message}).`; });
    return [copy, more, pre];
  });
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
  control.textContent = 'Copied';
  setTimeout(() => { control.textContent = 'Copy listing'; }, 1500);
}

// Focus after a card went away: the next card's first control, or the
// file chooser.
export function focusAfterRemoval() {
  (ui.files.querySelector('button') || document.getElementById('choose')).focus();
}

