// The choices that apply to every bank (output format, programs to write,
// 2.V group, model of the data), the command lines they make for the
// engine, and "Convert all" with its downloads.
import { count, download, element, numbered, plural, say } from './dom.js';
import { formatByLetter, readable, state } from './state.js';

const SETTINGS_KEY = 'vornak.settings';
// Remembered between visits; the range is not, so that a page opened again
// never writes part of a bank without showing it.
const REMEMBERED = ['format', 'group', 'model'];
const ui = {};

export function setUpOptions(onChange) {
  for (const id of ['format', 'first', 'last', 'group', 'model', 'format-facts', 'range-hint']) ui[id] = document.getElementById(id);
  ui.format.replaceChildren(...state.formats.map((f) =>
    element('option', { value: f.letter, textContent: `${f.name} (${f.extension})` })));
  try {
    const saved = JSON.parse(localStorage.getItem(SETTINGS_KEY) || '{}');
    for (const key of REMEMBERED) if (typeof saved[key] === 'string') state.settings[key] = saved[key];
  } catch {
    // Storage may be switched off; the defaults stand.
  }
  if (!formatByLetter(state.settings.format)) state.settings.format = state.formats[0].letter;
  for (const key of Object.keys(state.settings)) {
    ui[key].value = state.settings[key];
    ui[key].addEventListener('change', () => {
      state.settings[key] = ui[key].value.trim();
      try {
        localStorage.setItem(SETTINGS_KEY, JSON.stringify(Object.fromEntries(REMEMBERED.map((k) => [k, state.settings[k]]))));
      } catch {
        // Not remembered, then.
      }
      showApplicable();
      onChange(key);
    });
  }
  showApplicable();
}

// What the chosen format is, in the engine's words, and which choices
// apply to it.
function showApplicable() {
  const format = formatByLetter(state.settings.format);
  ui.group.disabled = !format.group;
  ui.first.disabled = ui.last.disabled = !format.range;
  ui['format-facts'].textContent = `A ${format.name} holds up to ${plural(format.capacity, 'program')}`
    + `${format.names ? ' with their names' : ', without their names'}${format.range ? '' : '; it always holds the whole bank'}.`;
  ui['range-hint'].textContent = format.range ? 'Leave empty for the whole bank.' : 'This format always holds the whole bank.';
}

export function modelArgs() {
  return state.settings.model ? [`/2.${state.settings.model}`] : [];
}

// The /2.x hint as the engine's options take it.
export function modelOption() {
  return state.settings.model ? `2.${state.settings.model}` : undefined;
}

// The range and group as the engine's options and the switches take them.
export function rangeOptions() {
  const { first, last, group } = state.settings;
  return { first: first === '' ? 0 : Number(first), last: last === '' ? 255 : Number(last), group };
}

function rangeArgs() {
  const { first, last } = state.settings;
  if (first === '' && last === '') return [];
  if (first === '') return [`/P-${last}`];
  return [last === '' ? `/P${first}` : `/P${first}-${last}`];
}

// A name that begins with "-" or "/" would be read as a switch.
export function fileArg(name) {
  return /^[-/]/.test(name) ? `./${name}` : name;
}

// Program numbers are whole numbers from 0 up (larger than a bank holds is
// fine: the tool takes its last program); the first may not be above the last.
export function validRange() {
  let problem = '';
  for (const key of ['first', 'last']) {
    const bad = !/^\d{0,9}$/.test(state.settings[key]);
    ui[key].setAttribute('aria-invalid', String(bad));
    if (bad && !problem) {
      problem = '“Programs to write” takes program numbers: 0, 1, 2 and so on, or nothing for the whole bank.';
      ui[key].focus();
    }
  }
  const { first, last } = state.settings;
  if (!problem && first !== '' && last !== '' && Number(first) > Number(last)) {
    problem = `“Programs to write” from ${first} to ${last}: the first number is above the last. Swap them, or leave one empty.`;
    ui.first.setAttribute('aria-invalid', 'true');
    ui.first.focus();
  }
  if (problem) say(problem);
  return !problem;
}

export function convertArgs(bank, outName, letter = state.settings.format) {
  const format = formatByLetter(letter);
  const args = [`/${format.letter}${outName}`, ...modelArgs()];
  if (format.range) args.push(...rangeArgs());
  if (format.group && state.settings.group === 'B') args.push('/GB');
  args.push(fileArg(bank.name));
  return args;
}

// Download names that say which input each came from and never repeat: the
// input's name with its dot made a dash, then the output's extension; a
// name met again gets a number.
export function downloadNames(names, extension) {
  const used = new Set();
  return names.map((name) => {
    const dot = name.lastIndexOf('.');
    const base = dot > 0 ? `${name.slice(0, dot)}-${name.slice(dot + 1)}` : name;
    const unique = numbered(base, extension, (name) => used.has(name.toLowerCase()));
    used.add(unique.toLowerCase());
    return unique;
  });
}

export function dropOutputs(bank) {
  for (const output of bank.outputs) URL.revokeObjectURL(output.url);
  bank.outputs = [];
  bank.convertProblem = null;
}

// Converts every readable bank with the choices; `engine` runs the tool,
// `bytesOf` gives a bank's bytes, `refresh` redraws a bank.
export async function convertAll({ engine, bytesOf, refresh }) {
  if (!validRange()) return;
  const banks = state.banks.filter(readable);
  if (!banks.length) {
    say(state.banks.length ? 'No file could be read, so nothing was converted.' : 'Add bank files first.');
    return;
  }
  const format = formatByLetter(state.settings.format);
  const names = downloadNames(banks.map((b) => b.name), format.extension);
  say(`Converting ${plural(banks.length, 'bank')} to ${format.name}…`);
  let done = 0;
  let failed = 0;
  await Promise.all(banks.map(async (bank, i) => {
    const generation = ++bank.generation;
    dropOutputs(bank);
    const outName = `converted${format.extension}`;
    try {
      const result = await engine.call('run', convertArgs(bank, outName), { [bank.name]: await bytesOf(bank) });
      if (generation !== bank.generation) return;
      const bytes = result.files[outName];
      if (result.exitCode !== 0 || !bytes) {
        bank.convertProblem = 'The converted file could not be written.';
        failed += 1;
      } else {
        bank.outputs = [{ name: names[i], bytes, letter: format.letter, url: URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' })) }];
        done += 1;
      }
    } catch (error) {
      if (generation !== bank.generation) return;
      bank.convertProblem = `The engine stopped on this bank (${error.message}); try again.`;
      failed += 1;
    }
    refresh(bank);
  }));
  say(`Converted ${plural(done, 'bank')} to ${format.name}${failed ? `; ${count(failed)} failed` : ''}.`);
}

// Every converted file in one archive named after the format, made in the
// worker.
export async function downloadZip(engine) {
  const outputs = state.banks.flatMap((b) => b.outputs);
  if (!outputs.length) return;
  const files = Object.create(null); // any name, "__proto__" too, is only a name
  for (const { name, bytes } of outputs) files[name] = bytes;
  say('Making the ZIP archive…');
  let zip;
  try {
    zip = await engine.call('zip', files);
  } catch (error) {
    say(`The ZIP archive could not be made (${error.message}); the files can still be downloaded one by one.`);
    return;
  }
  const letters = new Set(outputs.map((o) => o.letter));
  const format = letters.size === 1 ? formatByLetter([...letters][0]) : null;
  download(zip, format ? `Banks as ${format.name}.zip` : 'Converted banks.zip', 'application/zip');
  say(`ZIP archive of ${plural(outputs.length, 'file')} made.`);
}
