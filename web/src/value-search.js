// Programs found by their values across the whole collection: "WAVETABLE =
// 7", "P:3 of group A > 40", several joined by "and". A label is one of the
// engine's (limits().values), a value what describe answers for each
// program (as the listing shows it); a group value asked without a group
// is found in either. Each bank's values are asked of the engine once and
// kept with its answer, packed: a thousand banks hold 100,000 programs.
import { count, element, plural, whenSettled } from './dom.js';
import * as engine from './engine-client.js';
import { bytesOf } from './files.js';
import { say } from './layout.js';
import { namesTable } from './names-table.js';
import { on, readable, state } from './state.js';

const HITS_SHOWN = 2000;
const OPERATORS = {
  '=': (a, b) => a === b, '==': (a, b) => a === b, '!=': (a, b) => a !== b, '<>': (a, b) => a !== b, '≠': (a, b) => a !== b,
  '<': (a, b) => a < b, '>': (a, b) => a > b, '<=': (a, b) => a <= b, '≤': (a, b) => a <= b, '>=': (a, b) => a >= b, '≥': (a, b) => a >= b,
};
const EXAMPLE = 'as “WAVETABLE = 7” or “P:3 of group A > 40”';

// A query read into conditions ({ part: 'program', 'a', 'b' or 'group'
// (either), k, label, test, value, words }), or { problem } in words.
// `ranges`: the engine's limits().values.
function readQuery(text, ranges) {
  const parts = text.trim().split(/\s+and\s+|\s*[,;]\s*/i).filter(Boolean);
  if (!parts.length) return { problem: `Write a value and a comparison, ${EXAMPLE}.` };
  const conditions = [];
  for (const part of parts) {
    const found = /^(.*?)\s*(<=|>=|==|!=|<>|[=<>≠≤≥])\s*(\S+)$/.exec(part);
    if (!found || !found[1]) return { problem: `“${part}” is not a comparison: write a value, a comparison and a number, ${EXAMPLE}.` };
    const [, left, op, number] = found;
    if (!/^-?\d+$/.test(number)) return { problem: `“${number}” in “${part}” is not a whole number.` };
    const value = Number(number);
    const named = /^(.*?)(?:\s+(?:of\s+)?(?:group\s+)?([AB]))?$/i.exec(left.trim());
    const wanted = named[1].replace(/\s+/g, ' ').toUpperCase();
    const group = named[2] ? named[2].toLowerCase() : '';
    const inProgram = ranges.program.findIndex((r) => r.label === wanted);
    const inGroup = ranges.group.findIndex((r) => r.label === wanted);
    if (inProgram < 0 && inGroup < 0) {
      return { problem: `There is no value “${named[1]}”: write a label as the listing shows it (${ranges.program[0].label}, `
        + `${ranges.group.find((r) => r.label.startsWith('P:'))?.label ?? ranges.group[0].label}, SEMIT 1, …).` };
    }
    if (inProgram >= 0 && group) return { problem: `${wanted} is the program’s own value: it has no group.` };
    const range = inProgram >= 0 ? ranges.program[inProgram] : ranges.group[inGroup];
    const where = inProgram >= 0 ? '' : group ? ` of group ${group.toUpperCase()}` : ' of group A or B';
    conditions.push({ part: inProgram >= 0 ? 'program' : group || 'group', k: inProgram >= 0 ? inProgram : inGroup, label: wanted,
      test: OPERATORS[op], value, words: `${wanted}${where} ${op} ${value}`, outside: value < range.min || value > range.max ? range : null });
  }
  return { conditions };
}

// A bank's values, packed: for each program its own values, then group A's,
// then group B's; kept with the bank's answer.
const packed = new WeakMap();
function valuesOf(bank) {
  const { summary } = bank;
  if (!packed.has(summary)) {
    const asked = (async () => {
      const answer = await engine.describe(bank.name, await bytesOf(bank), { model: state.settings.model, parameters: true, conversions: false });
      if (!engine.succeeded(answer)) throw new Error(engine.failure(answer));
      const own = answer.parameterLabels.program.length;
      const width = own + 2 * answer.parameterLabels.group.length;
      const values = new Int16Array(answer.parameters.length * width);
      answer.parameters.forEach((p, i) => values.set([...p.program, ...p.a, ...p.b], i * width));
      return { values, width, own, groupWidth: answer.parameterLabels.group.length, programs: answer.parameters.length };
    })();
    asked.catch(() => packed.delete(summary));
    packed.set(summary, asked);
  }
  return packed.get(summary);
}

// Whether program `p` of a packed bank meets every condition.
function meets({ values, width, own, groupWidth }, p, conditions) {
  const at = p * width;
  return conditions.every((c) => {
    if (c.part === 'program') return c.test(values[at + c.k], c.value);
    const a = c.test(values[at + own + c.k], c.value);
    if (c.part === 'a') return a;
    const b = c.test(values[at + own + groupWidth + c.k], c.value);
    return c.part === 'b' ? b : a || b;
  });
}

// Every program of the collection that meets the conditions, bank by bank
// in the collection's order: { hits, passed } (the banks whose values
// could not be had).
async function findByValue(conditions, isCurrent = () => true, progress = () => {}) {
  const banks = state.banks.filter(readable);
  const hits = [];
  const passed = [];
  let read = 0;
  // Asked all at once: the engine answers them one after another.
  const all = banks.map((bank) => valuesOf(bank).then((v) => {
    read += 1;
    if (isCurrent()) progress(read, banks.length);
    return v;
  }, () => null));
  for (const [i, bank] of banks.entries()) {
    const v = await all[i];
    if (!isCurrent()) return null;
    if (!v) {
      passed.push(bank);
      continue;
    }
    for (let p = 0; p < v.programs; p++) if (meets(v, p, conditions)) hits.push({ bank, program: p });
  }
  return { hits, passed };
}

const ui = {};
let asking = 0;

// `actions`: { show, compare, add } as the names table takes them.
export function setUpValueSearch(actions) {
  for (const id of ['value-search', 'value-query', 'value-found']) ui[id] = document.getElementById(id);
  ui['value-search'].addEventListener('submit', (event) => {
    event.preventDefault();
    search(ui['value-query'].value, actions);
  });
  ui['value-query'].addEventListener('input', () => {
    if (ui['value-query'].value.trim()) return;
    asking += 1;
    ui['value-found'].replaceChildren();
  });
  // Found again once the banks have settled: hits of banks removed are not
  // shown, and banks added are looked through.
  const again = whenSettled(() => ui['value-found'].querySelector('table, .found') && search(ui['value-query'].value, actions, true));
  on('banks', again);
}

async function search(text, actions, again = false) {
  const mine = ++asking;
  if (!state.ready) return;
  const read = readQuery(text, state.limits.values);
  if (read.problem) {
    ui['value-found'].replaceChildren(element('p', { className: 'problem', textContent: read.problem }));
    say('programs', read.problem);
    return;
  }
  const { conditions } = read;
  const what = conditions.map((c) => c.words).join(' and ');
  const outside = conditions.filter((c) => c.outside).map((c) => ` ${c.label} runs from ${c.outside.min} to ${c.outside.max}.`).join('');
  if (!again) say('programs', `Looking for ${what}…`);
  const found = await findByValue(conditions, () => mine === asking, (n, of) => {
    if (!again && n % 25 === 0 && n < of) say('programs', `Looking for ${what}: ${count(n)} of ${plural(of, 'bank')} read…`);
  });
  if (!found) return;
  const { hits, passed } = found;
  const shown = hits.slice(0, HITS_SHOWN);
  const words = `${hits.length ? plural(hits.length, 'program') : 'No program'} with ${what}`
    + `${hits.length > shown.length ? `; the first ${count(shown.length)} are shown` : ''}.${outside}`
    + `${passed.length ? ` ${plural(passed.length, 'bank')} could not be looked through: ${passed.map((b) => b.name).join(', ')}.` : ''}`;
  ui['value-found'].replaceChildren(element('p', { className: 'found', textContent: words }),
    shown.length ? namesTable(shown, { caption: `Programs with ${what}`, withBank: true, actions }) : '');
  if (!again) say('programs', words);
}
