// What the caller gives, checked before the engine is touched, whether it
// runs or not, by the same rules on the calling thread and on the calling
// side of a worker. A mistake is a TypeError (bad-option) that says what was
// expected. `facts` are the engine's formats() and limits(), by which
// letters, ranges and names are checked. Each call's check answers the call
// in the engine's terms, and `message`: its arguments as they go to a worker.
import { bytesOf } from './bytes.js';
import { refuse, show } from './errors.js';
import { textToBytes } from './text.js';

// Options: an object (or nothing) with only the keys listed, answered as a
// plain object of the keys given.
function optionsOf(what, value, keys) {
  const plain = {};
  if (value === undefined || value === null) return plain;
  if (typeof value !== 'object' || Array.isArray(value)) refuse(`${what} must be an object, not ${show(value)}`);
  for (const key of Object.keys(value)) {
    if (!keys.includes(key)) refuse(`unknown key ${show(key)} in ${what}: the keys are ${keys.join(', ')}`);
  }
  for (const key of keys) if (value[key] !== undefined) plain[key] = value[key];
  return plain;
}

// A lone half of a surrogate pair has no UTF-8 form: it would reach the
// engine as another character.
const loneSurrogate = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(^|[^\uD800-\uDBFF])[\uDC00-\uDFFF]/;

function checkText(what, text) {
  if (typeof text !== 'string') refuse(`${what} must be a string, not ${show(text)}`);
  if (text.includes('\0')) refuse(`${what} holds a NUL character: ${show(text)}`);
  if (loneSurrogate.test(text)) refuse(`${what} holds half of a surrogate pair: ${show(text)}`);
  return text;
}

// The bytes of text as UTF-8, the form in which names reach the engine.
export const utf8 = /* @__PURE__ */ new TextEncoder();

// Whether a path is longer than the tool's system takes: a file name (a part
// between slashes) of more than `fileNameLength` bytes, or a path of more
// than `pathLength`.
function pathTooLong(path, limits) {
  if (path.length > limits.pathLength || utf8.encode(path).length > limits.pathLength) return true;
  return path.split('/').some((part) => part.length > limits.fileNameLength && utf8.encode(part).length > limits.fileNameLength);
}

// Input files: an object or a Map of names to bytes, or nothing. A name is a
// relative path below the run's folder ("bank.syx", "banks/a.syx") that the
// tool's system could hold; no name may be another's folder. Answers
// [name, bytes] pairs.
function inputFiles(files, facts) {
  let entries;
  if (files === undefined || files === null) entries = [];
  else if (files instanceof Map) entries = [...files];
  else if (typeof files === 'object' && !Array.isArray(files) && !ArrayBuffer.isView(files) && !(files instanceof ArrayBuffer)) {
    entries = Object.keys(files).map((name) => [name, files[name]]);
  } else {
    refuse(`files must be an object or a Map of file names to bytes, not ${show(files)}`);
  }
  const kinds = new Map();
  const claim = (path, kind) => {
    if ((kinds.get(path) ?? kind) !== kind) refuse(`${show(path)} is the name of a file and of a folder`);
    kinds.set(path, kind);
  };
  return entries.map(([given, bytes]) => {
    const name = checkText('a file name', given);
    const parts = name.split('/');
    if (parts.some((part) => part === '' || part === '.' || part === '..')) refuse(`not a plain relative file name: ${show(name)}`);
    if (pathTooLong(name, facts.limits)) {
      refuse(`a file name is too long for the tool's system (at most ${facts.limits.fileNameLength} bytes between slashes ` +
        `and ${facts.limits.pathLength} in all, as UTF-8): ${show(name)}`);
    }
    for (let i = 1; i < parts.length; i++) claim(parts.slice(0, i).join('/'), 'folder');
    claim(name, 'file');
    return [name, bytesOf(`the bytes of ${show(name)}`, bytes)];
  });
}

// The /2.x hint of describe, listing, convert and compose: one of the
// engine's models (limits().models), given by its text or its number; null
// lets the data decide.
function modelOf(o, facts) {
  const { model } = o;
  if (model === undefined || model === null) return null;
  const { models } = facts.limits;
  return models.find((m) => m.model === model || m.number === model) ??
    refuse(`model must be ${models.map((m) => `'${m.model}'`).join(' or ')} (or left out, for the data to decide), ` +
      `not ${show(model)}`);
}

// The model as the engine's functions take it: its number, or -1.
const modelHint = (o, facts) => modelOf(o, facts)?.number ?? -1;

// The group of /G: 0 for A (the default), 1 for B.
function groupOf(o) {
  const { group } = o;
  if (group === undefined || group === null || group === 'A') return 0;
  if (group === 'B') return 1;
  return refuse(`group must be 'A' or 'B', not ${show(group)}`);
}

function programNumber(what, value, fallback) {
  if (value === undefined || value === null) return fallback;
  if (typeof value !== 'number' || Math.floor(value) !== value || value < 0 || value > 2147483647) {
    refuse(`${what} must be a program number (a whole number from 0), not ${show(value)}`);
  }
  return value;
}

// The range of /P: `first` and `last`, not `first` above `last`; either left
// out is the tool's default (`from` and `to` are the range either way).
function rangeOf(o, facts) {
  const first = programNumber('first', o.first, undefined);
  const last = programNumber('last', o.last, undefined);
  if (first !== undefined && last !== undefined && first > last) refuse(`first must not be above last, not ${first} and ${last}`);
  return { first, last, from: first ?? facts.limits.firstProgram, to: last ?? facts.limits.lastProgram };
}

// An output format by its switch letter, in either case; `other` names
// what else the option may be.
function formatOf(what, letter, facts, other = '') {
  const found = typeof letter === 'string' && letter.length === 1 && facts.formats.find((f) => f.letter === letter.toUpperCase());
  return found || refuse(`${what} must be ${other}the switch letter of an output format ` +
    `(${facts.formats.map((f) => f.letter).join(', ')}), not ${show(letter)}`);
}

// A slot's program number: any whole number that the engine can take (it
// answers one that the bank does not hold in words).
function wholeNumber(what, value) {
  if (typeof value !== 'number' || Math.floor(value) !== value || value < -2147483648 || value > 2147483647) {
    refuse(`${what} must be a whole number, not ${show(value)}`);
  }
  return value;
}

// Names as the bank model holds them: text by the text rule. A name with a
// character that stands for no byte is a request that cannot be met, said in
// words (`refusal`, the first such), as the engine says its own.
function nameBytes() {
  const names = {
    refusal: null,
    of(what, text) {
      checkText(what, text);
      try {
        return textToBytes(text);
      } catch {
        names.refusal ??= `${what[0].toUpperCase()}${what.slice(1)} holds a character that a name cannot hold: ${JSON.stringify(text)}.`;
        return null;
      }
    },
  };
  return names;
}

// The /P switch for a range as the options give it (either end may be left
// out), in a list: none when both are.
function rangeSwitch(first, last) {
  if (first === undefined && last === undefined) return [];
  return [`/P${first ?? ''}${last === undefined ? '' : `-${last}`}`];
}

export function checkRun(facts, args, files) {
  if (!Array.isArray(args)) refuse(`args must be an array of strings, not ${show(args)}`);
  const inputs = inputFiles(files, facts);
  const checked = { args: args.map((arg) => checkText('an argument', arg)), inputs };
  return { ...checked, message: { args: checked.args, files: new Map(inputs) } };
}

// What describe is asked: the values of all programs (count -1), of none, or
// of the numbers listed (`only`); the conversion reports of all formats (1),
// of none (0), or of one (its letter's character code).
export function checkDescribe(facts, name, bytes, options) {
  const [file] = inputFiles(new Map([[name, bytes]]), facts);
  const o = optionsOf('the options of describe', options, ['model', 'parameters', 'conversions', 'first', 'last', 'group']);
  const parameters = o.parameters ?? true;
  if (typeof parameters !== 'boolean' && !Array.isArray(parameters)) {
    refuse(`parameters must be true, false or an array of program numbers, not ${show(parameters)}`);
  }
  const only = [];
  if (Array.isArray(parameters)) {
    // No bank holds more programs: a longer list is refused before it is
    // walked. Every entry is a number (not null, undefined or a hole).
    if (parameters.length > facts.limits.mostPrograms) {
      refuse(`parameters lists ${parameters.length} programs; a bank holds at most ${facts.limits.mostPrograms}`);
    }
    for (let i = 0; i < parameters.length; i++) {
      if (parameters[i] === undefined || parameters[i] === null) refuse(`parameters must list program numbers; entry ${i} is none`);
      only.push(programNumber('a program number in parameters', parameters[i]));
    }
  }
  let conversions = o.conversions ?? (o.conversions === null ? false : true);
  if (typeof conversions !== 'boolean') conversions = formatOf('conversions', conversions, facts, 'true, false or ').letter.charCodeAt(0);
  const range = rangeOf(o, facts);
  return {
    file,
    hint: modelHint(o, facts),
    only,
    count: parameters === true ? -1 : only.length,
    conversions: conversions === true ? 1 : conversions === false ? 0 : conversions,
    first: range.from,
    last: range.to,
    group: groupOf(o),
    message: { name: file[0], bytes: file[1], options: o },
  };
}

// The parts of a slot's `set`, in the order the engine numbers them.
const setParts = ['program', 'a', 'b'];

// A slot's new values: { program, a, b }, each an object of labels to whole
// numbers, answered as [part number, label, value] in order. Which labels
// there are and what they range over the engine says (a request that cannot
// be met); here only the form is checked.
function settingsOf(slot, set) {
  const parts = optionsOf(`the set of slot ${slot}`, set, setParts);
  const settings = [];
  setParts.forEach((part, number) => {
    const values = parts[part];
    if (values === undefined || values === null) return;
    if (typeof values !== 'object' || Array.isArray(values)) {
      refuse(`${part} in the set of slot ${slot} must be an object of labels to values, not ${show(values)}`);
    }
    for (const label of Object.keys(values)) {
      checkText(`a label in the set of slot ${slot}`, label);
      const value = values[label];
      if (typeof value !== 'number' || !Number.isInteger(value)) {
        refuse(`${label} of ${part} in the set of slot ${slot} must be a whole number, not ${show(value)}`);
      }
      settings.push([number, label, value]);
    }
  });
  return settings;
}

// A call of compose: the banks as input files, each slot { bank, program,
// name, set } with its name as bytes by the text rule and its new values
// (settingsOf), or null.
export function checkCompose(facts, request) {
  const o = optionsOf('the request of compose', request, ['banks', 'programs', 'format', 'model', 'group', 'bankName']);
  const banks = inputFiles(o.banks, facts);
  if (!Array.isArray(o.programs)) refuse(`programs must be an array of slots, not ${show(o.programs)}`);
  if (o.programs.length > facts.limits.mostPrograms) {
    refuse(`programs has ${o.programs.length} slots; a bank holds at most ${facts.limits.mostPrograms} programs`);
  }
  const names = nameBytes();
  const programs = o.programs.map((slot) => (slot === null || slot === undefined ? null : optionsOf('a slot', slot, ['bank', 'program', 'name', 'set'])));
  const slots = programs.map((s, i) => s && {
    bank: checkText('the bank of a slot', s.bank),
    program: wholeNumber('the program of a slot', s.program),
    name: s.name === undefined || s.name === null ? null : names.of(`the name of slot ${i}`, s.name),
    set: settingsOf(i, s.set),
  });
  const format = formatOf('format', o.format ?? facts.limits.defaultFormat, facts);
  const bankName = o.bankName === undefined || o.bankName === null ? null : names.of('the bank name', o.bankName);
  const hint = modelHint(o, facts);
  const group = groupOf(o);
  return {
    banks, slots, format, hint, group, bankName,
    refusal: names.refusal,
    message: { request: { ...o, banks: new Map(banks), programs } },
  };
}

// A call of listing: the tool's command line for it (the switches of the
// range and the model hint, then the file).
export function checkListing(facts, name, bytes, options) {
  const [file] = inputFiles(new Map([[name, bytes]]), facts);
  const o = optionsOf('the options of listing', options, ['model', 'first', 'last']);
  const range = rangeOf(o, facts);
  const model = modelOf(o, facts);
  const args = rangeSwitch(range.first, range.last);
  if (model) args.push(`/${model.model}`);
  // A name that starts like a switch is given as a path.
  args.push(/^[-/]/.test(file[0]) ? `./${file[0]}` : file[0]);
  return { args, inputs: [file], message: { name: file[0], bytes: file[1], options: o } };
}

// A call of similar: the sound, the sounds to search (as describe answers
// them: text without line breaks; a list, or one text of them a line), and
// how many to find (5 unless asked). `same`: the sounds are those of the
// last call (`last`, the list or text it was given), which the engine keeps
// read; they are not sent again.
export function checkSimilar(facts, sound, sounds, options, last) {
  const o = optionsOf('the options of similar', options, ['count']);
  const isSound = (what, text) => {
    if (typeof text !== 'string' || text.includes('\n')) refuse(`${what} must be a sound as describe answers it, not ${show(text)}`);
    return text;
  };
  isSound('sound', sound);
  const lines = typeof sounds === 'string';
  if (!lines && !Array.isArray(sounds)) refuse(`sounds must be an array of sounds or a text of them a line, not ${show(sounds)}`);
  const count = o.count ?? 5;
  if (typeof count !== 'number' || Math.floor(count) !== count || count < 1 || count > facts.limits.mostPrograms) {
    refuse(`count must be a whole number from 1 to ${facts.limits.mostPrograms}, not ${show(count)}`);
  }
  if (lines) {
    const same = last === sounds;
    return { sound, sounds, count, same, message: { sound, sounds: same ? null : sounds, options: o } };
  }
  let same = Array.isArray(last) && last.length === sounds.length;
  for (let i = 0; i < sounds.length; i++) {
    if (!(i in sounds)) refuse(`sounds must list sounds; entry ${i} is none`);
    if (same && last[i] === sounds[i]) continue;
    isSound('a sound in sounds', sounds[i]);
    same = false;
  }
  return { sound, sounds, count, same, message: { sound, sounds: same ? null : sounds, options: o } };
}

// A call of convert: the format, and the range, group and model that the
// format takes; `name` is the input's file name ("bank" when left out), and
// `names` new names for programs by their numbers (null keeps a program's
// own), as bytes by the text rule.
export function checkConvert(facts, bytes, options) {
  const input = bytesOf('bytes', bytes);
  const o = optionsOf('the options of convert', options, ['to', 'first', 'last', 'group', 'model', 'name', 'names']);
  if (o.to === undefined) refuse('convert needs the option to: the switch letter of an output format');
  const format = formatOf('to', o.to, facts);
  const range = rangeOf(o, facts);
  const hint = modelHint(o, facts);
  const group = groupOf(o);
  const name = o.name === undefined || o.name === null ? 'bank' : checkText('name', o.name);
  if (name === '') refuse('name must be a file name, not ""');
  const names = nameBytes();
  let given = null;
  if (o.names !== undefined && o.names !== null) {
    if (!Array.isArray(o.names) || o.names.length > facts.limits.mostPrograms) {
      refuse(`names must be an array of at most ${facts.limits.mostPrograms} names or nulls, not ${show(o.names)}`);
    }
    given = Array.from(o.names, (text, i) => (text === undefined || text === null ? null : names.of(`the name of program ${i}`, text)));
  }
  return {
    input,
    format,
    hint,
    // Only what the format takes reaches the writer, as the tool ignores the
    // rest.
    first: format.range ? range.from : facts.limits.firstProgram,
    last: format.range ? range.to : facts.limits.lastProgram,
    group: format.group ? group : 0,
    name,
    names: given,
    refusal: names.refusal,
    message: { bytes: input, options: o },
  };
}

// The name of a converted file: the input's name with the format's
// extension in place of its own.
export const outputName = (name, format) => name.replace(/([^/])\.[^./]*$/, '$1') + format.extension;

// The options of an engine: `inputLimit`, the most an input may bring (by
// default the engine's own, what the tool allows a pipe).
export function checkEngineOptions(options, keys = ['inputLimit']) {
  const o = optionsOf('the options of the engine', options, keys);
  const limit = o.inputLimit;
  if (limit !== undefined && (typeof limit !== 'number' || !(limit >= 0) || (limit !== Infinity && Math.floor(limit) !== limit))) {
    refuse(`inputLimit must be a whole number of bytes, 0 or more, or Infinity, not ${show(limit)}`);
  }
  return o;
}
