// A printable sheet of a bank: what it is and where it came from, then each
// program with its name, the person's name, tags and note for its sound, and
// its own values (by the engine's labels: wavetable, keyboard, tuning), and
// the bank's combis where the engine answers their values. The sheet is
// drawn into its place in the page, which only a print shows (the print
// style puts it in the workspace's place while it is there); it goes once
// printed, or when anything it shows changes.
import { version } from '../engine/version.js';
import { asEdited, editsText } from './bank-edits.js';
import { count, element, plural } from './dom.js';
import * as engine from './engine-client.js';
import { bytesOf } from './files.js';
import { tagsText } from './marks.js';
import { dayOf, originText } from './provenance.js';
import { collectionName } from './sound-index.js';
import { distrust, markOf, on, state, untrusted } from './state.js';

const sheet = () => document.getElementById('print-sheet');

function takeAway() {
  if (!document.body.classList.contains('has-sheet')) return;
  document.body.classList.remove('has-sheet');
  sheet().replaceChildren();
}

export function setUpPrintSheet() {
  for (const topic of ['selection', 'banks', 'bank', 'marks']) on(topic, takeAway);
  window.addEventListener('afterprint', takeAway);
}

// Makes the sheet of a bank, as the engine reads it with the model hint
// `model`, and asks the browser to print it. A bank with edits is printed
// as edited: written with them in its own format, and that file read.
export async function printSheet(bank, model) {
  let bytes = await bytesOf(bank);
  const edits = bank.summary.writesAs ? asEdited(bank) : undefined;
  if (edits) {
    const written = await engine.convert(bank.name, bytes, { to: bank.summary.writesAs, model, edits });
    if (!engine.succeeded(written)) throw new Error(engine.failure(written));
    bytes = written.bytes;
  }
  const answer = await engine.describe(bank.name, bytes, { model, conversions: false });
  if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
  sheet().replaceChildren(...sheetOf(bank, answer, edits ? editsText(bank.id) : ''));
  document.body.classList.add('has-sheet');
  window.print();
}

function sheetOf(bank, answer, edited) {
  const combis = answer.combis ? `, ${plural(answer.combis, 'combi')} (${count(answer.combisInUse)} in use)` : '';
  const named = answer.bankName ? ` · bank “${answer.bankName}”` : '';
  const digest = /^[0-9a-f]{64}$/.test(bank.digest ?? '') ? ` · SHA-256 ${bank.digest}` : '';
  return [
    element('header', {}, element('h1', { textContent: bank.name }),
      edited ? element('p', { textContent: `As edited, with ${edited}.` }) : null,
      element('p', { textContent: `${answer.format} · ${answer.modelName} · ${plural(answer.programs, 'program')}${combis}${named}` }),
      element('p', { className: 'origin', textContent: `From ${originText(bank)}${digest}` })),
    programsTable(bank, answer),
    combiSection(answer),
    element('footer', { textContent: `Printed from Vornak ${version} on ${dayOf(new Date().toISOString())}.` }),
  ].filter(Boolean);
}

// A line for each program: its number, its name (with the person's own, or
// the name the collection knows for a program of a file without names),
// its own values, and the tags and note of its sound.
function programsTable(bank, answer) {
  const labels = answer.parameterLabels.program;
  const head = element('tr', {}, ...['No.', 'Name', ...labels, 'Tags', 'Note'].map((text) => element('th', { scope: 'col', textContent: text })));
  const rows = answer.parameters.map(({ number, program }) => {
    const mark = markOf(answer.sounds[number]);
    const known = mark?.name || (answer.holdsNames ? '' : collectionName(bank, number)?.name) || '';
    const name = element('td', {}, `${mark?.favourite ? '★ ' : ''}${answer.names[number]}`,
      known && known !== answer.names[number] ? element('span', { className: 'known', textContent: `${mark?.name ? 'your name' : 'known as'}: ${known}` }) : null,
      untrusted(bank, number) ? element('span', { className: 'damage', textContent: distrust(bank) }) : null);
    return element('tr', {}, element('td', { textContent: String(number) }), name,
      ...program.map((value) => element('td', { className: 'value', textContent: String(value) })),
      element('td', { textContent: mark ? tagsText(mark.tags) : '' }), element('td', { className: 'note', textContent: mark?.note ?? '' }));
  });
  return element('table', { className: 'sheet-programs' },
    element('caption', { textContent: `The ${plural(answer.programs, 'program')} of ${bank.name}` }),
    element('thead', {}, head), element('tbody', {}, ...rows));
}

// The combis in use (those the listing shows), a line each, with the
// values describe answers for them (`combiValues`) under the engine's combi
// labels (limits().combiValues), in columns as the listing groups them: the
// eight programs, KBM, MULTI, then each group's.
function combiSection(answer) {
  const combis = answer.combiValues.filter((c) => c.used);
  if (!combis.length) return null;
  const columns = [];
  for (const { label } of state.limits.combiValues) {
    const [, group, rest] = /^(GR:[ab]) (.*)$/.exec(label) || [];
    const head = group ? `Group ${group.slice(3)}` : /^BK \d+$/.test(label) ? 'Programs' : label;
    const last = columns[columns.length - 1];
    const part = { label, shown: group ? rest : '' };
    if (last && last.head === head) last.parts.push(part);
    else columns.push({ head, parts: [part] });
  }
  // "BK 3 DET 0 SPL 51 95 55 …": each value's name once, before its run.
  const cell = (c, parts) => parts.map((p, i) => {
    const name = p.shown.replace(/ \d+$/, '');
    const named = name && (i === 0 || parts[i - 1].shown.replace(/ \d+$/, '') !== name);
    return `${named ? `${name} ` : ''}${c.values[p.label]}`;
  }).join(' ');
  const head = element('tr', {}, ...['Combi', ...columns.map((c) => c.head)].map((text) => element('th', { scope: 'col', textContent: text })));
  const rows = combis.map((c) => element('tr', {}, element('td', { textContent: `${c.combi}${c.name ? ` ${c.name}` : ''}` }),
    ...columns.map((column) => element('td', { className: 'value', textContent: cell(c, column.parts) }))));
  return element('section', { className: 'sheet-combis' }, element('h2', { textContent: `Combis (${count(combis.length)} in use)` }),
    element('table', {}, element('thead', {}, head), element('tbody', {}, ...rows)));
}
