// The page: files in, listings and converted files out. Everything about the
// formats is the engine's; this module builds command lines for it and shows
// what it answers.
import { EngineClient } from './engine-client.js';
import { explain } from './explain.js';
import { Instrument } from './midi.js';

// Output formats by switch letter: the extension each file gets.
const EXTENSIONS = { S: '.syx', A: '.usr', B: '.usr', F: '.fxb', N: '.fxb', O: '.fxb', M: '.fxb', W: '.crv' };
const TWO_V = new Set(['F', 'N', 'O']);
const MODEL_NAMES = { '2.2': 'PPG Wave 2.2', '2.3': 'PPG Wave 2.3', '2.V': 'Waldorf 2.V' };
// Very large listings and banks are shown in part; copying takes all.
const LISTING_SHOWN = 1 << 20;
const NAMES_SHOWN = 2000;
const SETTINGS_KEY = 'vornak.settings';

const $ = (id) => document.getElementById(id);
const ui = {
  drop: $('drop'), choose: $('choose'), input: $('file-input'), form: $('convert-form'),
  format: $('format'), first: $('first'), last: $('last'), group: $('group'), model: $('model'),
  zip: $('zip'), clear: $('clear'), status: $('status'), files: $('files'),
};
const settingControls = ['format', 'first', 'last', 'group', 'model'];

const engine = new EngineClient($('engine-worker').textContent, (ok) => {
  if (!ok) say('The engine could not be started in this browser.');
  else if (entries.length === 0) say('Ready. Drop bank files on the page, or choose them.');
});

// One entry per file: { id, name, file, bytes, summary, listing, outputs,
// problem, convertProblem, card, generation, note, keptUrl }. Every read,
// conversion and removal starts a new generation; an answer for an older one
// is dropped, so that what a card shows and offers always comes from the
// latest choices.
const entries = [];
let nextId = 0;

function say(text) {
  ui.status.textContent = text;
}

function element(tag, props = {}, ...children) {
  const node = Object.assign(document.createElement(tag), props);
  node.append(...children.filter((c) => c !== null && c !== undefined));
  return node;
}

// 65536 as "65,536". (Not toLocaleString: its first call loads locale data,
// which costs more than reading a bank.)
function count(n) {
  return String(n).replace(/\B(?=(\d{3})+(?!\d))/g, ',');
}

function plural(n, word) {
  return `${count(n)} ${word}${n === 1 ? '' : 's'}`;
}

// ---- Command lines -----------------------------------------------------------

// A name that begins with "-" or "/" would be read as a switch.
function fileArg(name) {
  return /^[-/]/.test(name) ? `./${name}` : name;
}

function outputName(name, extension) {
  const dot = name.lastIndexOf('.');
  return (dot > 0 ? name.slice(0, dot) : name) + extension;
}

function modelArgs() {
  return ui.model.value ? [`/2.${ui.model.value}`] : [];
}

function rangeArgs() {
  const first = ui.first.value.trim();
  const last = ui.last.value.trim();
  if (first === '' && last === '') return [];
  if (first === '') return [`/P-${last}`];
  return [last === '' ? `/P${first}` : `/P${first}-${last}`];
}

function convertArgs(entry, letter = ui.format.value) {
  const args = [`/${letter}${outputName(entry.name, EXTENSIONS[letter])}`, ...modelArgs()];
  if (letter !== 'W') args.push(...rangeArgs());
  if (TWO_V.has(letter) && ui.group.value === 'B') args.push('/GB');
  args.push(fileArg(entry.name));
  return args;
}

// The tool's own message: the last line it printed after its banner.
function toolMessage(stdout) {
  const lines = stdout.split('\n').slice(4).filter((line) => line.trim() !== '');
  return lines.length ? lines[lines.length - 1] : '';
}

// ---- Settings ----------------------------------------------------------------

function loadSettings() {
  try {
    const saved = JSON.parse(localStorage.getItem(SETTINGS_KEY) || '{}');
    for (const key of settingControls) {
      if (typeof saved[key] === 'string') ui[key].value = saved[key];
    }
  } catch {
    // Storage may be switched off; the defaults stand.
  }
  if (!EXTENSIONS[ui.format.value]) ui.format.value = 'S';
}

function saveSettings() {
  try {
    localStorage.setItem(SETTINGS_KEY, JSON.stringify(Object.fromEntries(settingControls.map((k) => [k, ui[k].value]))));
  } catch {
    // Not remembered, then.
  }
}

// Program numbers are whole numbers from 0 up (larger than a bank holds is
// fine: the tool takes its last program).
function validRange() {
  let valid = true;
  for (const input of [ui.first, ui.last]) {
    const bad = !/^\d{0,9}$/.test(input.value.trim());
    input.setAttribute('aria-invalid', String(bad));
    if (bad && valid) {
      valid = false;
      say('“Programs to write” takes program numbers: 0, 1, 2 and so on, or nothing for the whole bank.');
      input.focus();
    }
  }
  return valid;
}

function showApplicableOptions() {
  const letter = ui.format.value;
  ui.group.disabled = !TWO_V.has(letter);
  ui.first.disabled = ui.last.disabled = letter === 'W';
}

// ---- Cards -------------------------------------------------------------------

function renderCard(entry) {
  const card = element('li', { className: 'file', id: `file-${entry.id}` });
  entry.card = card;
  fillCard(entry);
  ui.files.append(card);
}

function fillCard(entry) {
  const { card, summary } = entry;
  const remove = element('button', { type: 'button', className: 'quiet', textContent: 'Remove' });
  remove.setAttribute('aria-label', `Remove ${entry.name}`);
  remove.addEventListener('click', () => removeEntry(entry));
  const readable = summary && summary.exitCode === 0;
  const parts = [element('header', {}, element('h3', { textContent: entry.name }),
    element('span', { className: 'card-actions' }, readable ? sendButton(entry) : null, remove))];

  const failed = entry.problem || (summary && summary.exitCode !== 0);
  card.classList.toggle('failed', Boolean(failed));
  if (!summary && !entry.problem) {
    parts.push(element('p', { className: 'state', textContent: 'Reading…' }));
  } else if (failed) {
    const problem = entry.problem || { message: summary.message, exitCode: summary.exitCode, format: summary.format };
    parts.push(
      element('p', { className: 'state' }, 'Failed: ',
        problem.message ? element('span', { className: 'message', textContent: problem.message }) : `exit code ${problem.exitCode}`),
      element('p', { className: 'explain', textContent: problem.explanation || explain(problem) }),
    );
  } else {
    const combis = summary.combis ? `, ${plural(summary.combis, 'combi')} (${summary.combisInUse} in use)` : '';
    const bank = summary.bankName ? ` · bank “${summary.bankName}”` : '';
    parts.push(element('p', { className: 'state',
      textContent: `${summary.format} · ${MODEL_NAMES[summary.model] || summary.model} · ${plural(summary.programs, 'program')}${combis}${bank}` }));
  }
  if (entry.note) parts.push(element('p', { className: 'state', textContent: entry.note }));
  if (entry.keptUrl) {
    parts.push(element('p', {}, element('a', { href: entry.keptUrl, download: entry.name, textContent: `Download ${entry.name}` }),
      ` as it came (${count(entry.file.size)} bytes)`));
  }
  if (entry.convertProblem) {
    parts.push(element('p', { className: 'state', textContent: `Not converted: ${entry.convertProblem}` }));
  }
  if (entry.outputs.length) {
    parts.push(element('ul', { className: 'downloads' }, ...entry.outputs.map((o) =>
      element('li', {}, element('a', { href: o.url, download: o.name, textContent: `Download ${o.name}` }),
        ` (${count(o.bytes.length)} bytes)`))));
  }
  if (readable) {
    parts.push(namesDetails(entry), listingDetails(entry));
  }
  card.replaceChildren(...parts);
}

// The table and the listing are built when first opened: a large bank costs
// nothing until then.
function lazyDetails(label, build) {
  const details = element('details', {}, element('summary', { textContent: label }));
  details.addEventListener('toggle', () => {
    if (details.open && details.childElementCount === 1) details.append(...build());
  });
  return details;
}

function namesDetails(entry) {
  const names = entry.summary.names;
  return lazyDetails(`Program names (${names.length})`, () => {
    const rows = names.slice(0, NAMES_SHOWN).map((name, i) =>
      element('tr', {}, element('td', { textContent: String(i) }), element('td', { textContent: name })));
    const table = element('table', {},
      element('caption', { className: 'visually-hidden', textContent: `Programs of ${entry.name}` }),
      element('thead', {}, element('tr', {}, element('th', { scope: 'col', textContent: 'No.' }),
        element('th', { scope: 'col', textContent: 'Name' }))),
      element('tbody', {}, ...rows));
    const more = names.length > NAMES_SHOWN
      ? element('p', { className: 'hint', textContent: `The first ${NAMES_SHOWN} of ${names.length} are shown.` }) : null;
    return [element('div', { className: 'table-wrap' }, table), more].filter(Boolean);
  });
}

function listingDetails(entry) {
  return lazyDetails('Listing', () => {
    const text = entry.listing;
    const pre = element('pre', { className: 'listing', tabIndex: 0,
      textContent: text.length > LISTING_SHOWN ? text.slice(0, LISTING_SHOWN) : text });
    pre.setAttribute('role', 'region');
    pre.setAttribute('aria-label', `Listing of ${entry.name}`);
    const copy = element('button', { type: 'button', className: 'quiet', textContent: 'Copy listing' });
    copy.addEventListener('click', () => copyText(text, copy));
    const more = text.length > LISTING_SHOWN
      ? element('p', { className: 'hint', textContent: 'The listing is long: its first part is shown; Copy listing copies all of it.' }) : null;
    return [copy, more, pre].filter(Boolean);
  });
}

async function copyText(text, button) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Without the clipboard interface: through a selection of the whole text.
    const area = element('textarea', { value: text, readOnly: true, className: 'visually-hidden' });
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
    button.focus();
  }
  button.textContent = 'Copied';
  setTimeout(() => { button.textContent = 'Copy listing'; }, 1500);
}

// ---- Work --------------------------------------------------------------------

function dropOutputs(entry) {
  for (const output of entry.outputs) URL.revokeObjectURL(output.url);
  entry.outputs = [];
  entry.convertProblem = null;
}

function discard(entry) {
  entry.generation += 1;
  dropOutputs(entry);
  if (entry.keptUrl) URL.revokeObjectURL(entry.keptUrl);
  entry.card.remove();
}

function removeEntry(entry) {
  discard(entry);
  entries.splice(entries.indexOf(entry), 1);
  afterChange();
  say(`Removed ${entry.name}.`);
  (ui.files.querySelector('button') || ui.choose).focus();
}

function afterChange() {
  ui.zip.disabled = !entries.some((e) => e.outputs.length);
  ui.clear.disabled = entries.length === 0;
}

function engineProblem(error) {
  return { message: '', exitCode: 0, explanation: `The engine stopped on this file (${error.message}). The other files are not affected; try this one again.` };
}

async function readEntry(entry) {
  const generation = ++entry.generation;
  dropOutputs(entry);
  entry.summary = null;
  entry.problem = null;
  fillCard(entry);
  try {
    entry.bytes ??= new Uint8Array(await entry.file.arrayBuffer());
    const reply = await engine.request(entry.name, entry.bytes, {
      describe: { model: ui.model.value ? Number(ui.model.value) : undefined },
      runs: [[...modelArgs(), fileArg(entry.name)]],
    });
    if (generation !== entry.generation) return;
    entry.summary = reply.summary;
    entry.listing = reply.results.length ? reply.results[0].stdout : '';
  } catch (error) {
    if (generation !== entry.generation) return;
    entry.problem = entry.bytes ? engineProblem(error)
      : { message: '', exitCode: 0, explanation: 'The browser could not read this file. Try choosing it again.' };
  }
  fillCard(entry);
}

// Files removed on the way are not counted.
function readSummary(list) {
  const present = list.filter((e) => entries.includes(e));
  const failed = present.filter((e) => e.problem || (e.summary && e.summary.exitCode !== 0)).length;
  return `${plural(present.length, 'file')} read${failed ? `, ${failed} failed` : ''}.`;
}

// `note` is shown on each card; with `keep`, each card offers its file's
// bytes as they came (a dump received over MIDI).
async function addFiles(files, { note = null, keep = false } = {}) {
  const added = [...files].map((file) => ({ id: ++nextId, name: file.name, file, bytes: null, outputs: [], generation: 0,
    note, keptUrl: keep ? URL.createObjectURL(file) : null }));
  if (!added.length) return;
  for (const entry of added) {
    entries.push(entry);
    renderCard(entry);
  }
  afterChange();
  say(`Reading ${plural(added.length, 'file')}…`);
  await Promise.all(added.map(readEntry));
  say(readSummary(added));
}

async function convertAll(event) {
  event.preventDefault();
  if (!validRange()) return;
  const readable = entries.filter((e) => e.summary && e.summary.exitCode === 0);
  if (!readable.length) {
    say(entries.length ? 'No file could be read, so nothing was converted.' : 'Add bank files first.');
    return;
  }
  const label = ui.format.selectedOptions[0].textContent;
  say(`Converting ${plural(readable.length, 'file')} to ${label}…`);
  let done = 0;
  let failed = 0;
  await Promise.all(readable.map(async (entry) => {
    const generation = ++entry.generation;
    dropOutputs(entry);
    try {
      const reply = await engine.request(entry.name, entry.bytes, { runs: [convertArgs(entry)] });
      if (generation !== entry.generation) return;
      const result = reply.results[0];
      if (result.exitCode !== 0) {
        entry.convertProblem = toolMessage(result.stdout) || explain({ message: '', exitCode: result.exitCode });
        failed += 1;
      } else {
        entry.outputs = Object.entries(result.files).map(([name, bytes]) =>
          ({ name, bytes, url: URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' })) }));
        done += 1;
      }
    } catch (error) {
      if (generation !== entry.generation) return;
      entry.convertProblem = engineProblem(error).explanation;
      failed += 1;
    }
    fillCard(entry);
  }));
  afterChange();
  say(`Converted ${plural(done, 'file')} to ${label}${failed ? `; ${failed} failed` : ''}.`);
}

// `name`, or with a number when `taken(name)`: "bank (2).syx".
function numbered(name, taken) {
  let unique = name;
  for (let n = 2; taken(unique); n++) unique = outputName(name, ` (${n})${name.slice(name.lastIndexOf('.'))}`);
  return unique;
}

// Every converted file in one archive, made in the worker; names that repeat
// get a number.
async function downloadZip() {
  const files = Object.create(null); // any name, "__proto__" too, is only a name
  for (const { name, bytes } of entries.flatMap((e) => e.outputs)) files[numbered(name, (n) => n in files)] = bytes;
  say('Making the ZIP archive…');
  let zip;
  try {
    zip = await engine.zip(files);
  } catch (error) {
    say(`The ZIP archive could not be made (${error.message}); the files can still be downloaded one by one.`);
    return;
  }
  const url = URL.createObjectURL(new Blob([zip], { type: 'application/zip' }));
  const link = element('a', { href: url, download: 'vornak-converted.zip' });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
  say(`ZIP archive of ${plural(Object.keys(files).length, 'file')} made.`);
}

// ---- The instrument ----------------------------------------------------------

// A received dump is a loaded file like any other.
const instrument = new Instrument({
  say,
  received: (name, bytes, note) => {
    const unique = numbered(name, (n) => entries.some((e) => e.name === n));
    return addFiles([new File([bytes], unique)], { note, keep: true });
  },
});

// The dump the tool's /S writes for the bank, with the page's model and range.
async function sysexDump(entry) {
  const reply = await engine.request(entry.name, entry.bytes, { runs: [convertArgs(entry, 'S')] });
  const { exitCode, stdout, files } = reply.results[0];
  const [name, bytes] = Object.entries(files)[0] || [];
  if (exitCode !== 0 || !bytes) throw new Error(toolMessage(stdout) || explain({ message: '', exitCode }));
  return { name, bytes };
}

function sendButton(entry) {
  const send = element('button', { type: 'button', className: 'quiet', textContent: 'Send to instrument' });
  send.setAttribute('aria-label', `Send ${entry.name} to instrument`);
  send.addEventListener('click', () => {
    if (validRange()) instrument.send(entry.name, () => sysexDump(entry));
  });
  return send;
}

// ---- Wiring ------------------------------------------------------------------

loadSettings();
showApplicableOptions();

ui.choose.addEventListener('click', () => ui.input.click());
ui.input.addEventListener('change', () => {
  addFiles(ui.input.files);
  ui.input.value = '';
});

// Files dropped anywhere on the page are taken, never opened by the browser
// in place of the page.
for (const type of ['dragenter', 'dragover']) {
  document.addEventListener(type, (event) => {
    event.preventDefault();
    ui.drop.classList.add('over');
  });
}
document.addEventListener('dragleave', (event) => {
  if (!event.relatedTarget) ui.drop.classList.remove('over');
});
document.addEventListener('drop', (event) => {
  event.preventDefault();
  ui.drop.classList.remove('over');
  if (event.dataTransfer) addFiles(event.dataTransfer.files);
});

ui.form.addEventListener('submit', convertAll);
ui.zip.addEventListener('click', downloadZip);
ui.clear.addEventListener('click', () => {
  for (const entry of entries) discard(entry);
  entries.length = 0;
  afterChange();
  say('All files removed.');
  ui.choose.focus();
});
for (const key of settingControls) {
  ui[key].addEventListener('change', () => {
    saveSettings();
    showApplicableOptions();
    // The model decides how some files are read: read them again.
    if (key === 'model' && entries.length) {
      say(`Reading ${plural(entries.length, 'file')} again…`);
      Promise.all(entries.map(readEntry)).then(() => say(readSummary(entries)));
    }
  });
}
say('Starting the engine…');
