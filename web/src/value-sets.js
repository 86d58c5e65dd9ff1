// A program's values as the program view edits them: whole numbers in the
// units the listing shows, by the labels of describe's `parameterLabels`,
// in three parts ('program', 'a' and 'b'). An edit is kept as the values
// that differ from the program as its bank holds it (a `set`, as compose
// takes it). Every range and step is the engine's: the whole range of a
// value from limits().values, what a format holds of it from that format's
// `values`. Nothing here draws.

export const PARTS = ['program', 'a', 'b'];
export const partOf = (part) => (part === 'program' ? 'program' : 'group');
export const GROUP_WORDS = { program: 'program', a: 'group A', b: 'group B' };

// "P:3, group A": a value named by its label and where it is.
export const valueName = (part, label) => `${label}, ${GROUP_WORDS[part]}`;

// describe's values of a program, by part (a copy to edit).
export const numbersOf = (values) => Object.fromEntries(PARTS.map((part) => [part, values[part].slice()]));

// The values with the set applied.
export function applySet(base, labels, set) {
  return Object.fromEntries(PARTS.map((part) => {
    const given = (set && set[part]) || {};
    return [part, labels[partOf(part)].map((label, k) => (label in given ? given[label] : base[part][k]))];
  }));
}

// The set that makes `values` of `base`: the values that differ, or null
// when none does.
export function setOf(base, labels, values) {
  let any = false;
  const set = {};
  for (const part of PARTS) {
    labels[partOf(part)].forEach((label, k) => {
      if (values[part][k] === base[part][k]) return;
      set[part] ??= {};
      set[part][label] = values[part][k];
      any = true;
    });
  }
  return any ? set : null;
}

// How many values a set changes.
export const setSize = (set) => (set ? PARTS.reduce((n, part) => n + Object.keys(set[part] || {}).length, 0) : 0);

// The whole range of a value (the engine's limits().values): { label, min,
// max, flag }, or null for a label the engine does not know.
export function rangeOf(limits, part, label) {
  return (limits.values?.[partOf(part)] || []).find((r) => r.label === label) || null;
}

// What a format holds of a value ({ min, max, step }), or null where it
// holds none of it. A format that holds one group holds nothing of group B.
export function heldBy(format, part, label) {
  if (!format || !format.values) return null;
  if (part === 'b' && format.groups === 1) return null;
  return format.values[partOf(part)]?.[label] ?? null;
}

// A set as it comes from storage or a saved collection, kept only where
// every label is one the engine knows and every value a whole number in its
// range; null otherwise (and for no set at all).
export function cleanSet(raw, limits) {
  if (!raw || typeof raw !== 'object' || Array.isArray(raw)) return null;
  const set = {};
  for (const [part, given] of Object.entries(raw)) {
    if (!PARTS.includes(part) || !given || typeof given !== 'object' || Array.isArray(given)) return null;
    for (const [label, value] of Object.entries(given)) {
      const range = rangeOf(limits, part, label);
      if (!range || !Number.isInteger(value) || value < range.min || value > range.max) return null;
      set[part] ??= {};
      set[part][label] = value;
    }
  }
  return setSize(set) ? set : null;
}

// A program's values (numbers by part, in the order of the labels) as they
// come from storage: each a whole number within its range, or null.
function cleanValues(raw, limits) {
  if (!raw || typeof raw !== 'object') return null;
  const values = {};
  for (const part of PARTS) {
    const ranges = limits.values?.[partOf(part)] || [];
    const given = raw[part];
    if (!Array.isArray(given) || given.length !== ranges.length
      || !given.every((v, k) => Number.isInteger(v) && v >= ranges[k].min && v <= ranges[k].max)) return null;
    values[part] = given.slice();
  }
  return values;
}

// An edit as it comes from storage ({ bankId, program, now: { source, set
// } }, as the program view keeps it), checked whole against the engine's
// ranges; null for one that is not whole or changes nothing.
export function cleanEdit(raw, limits) {
  const isId = (id) => typeof id === 'string' && id.length > 0;
  if (!raw || typeof raw !== 'object' || !isId(raw.bankId) || !Number.isInteger(raw.program) || !raw.now) return null;
  const { source } = raw.now;
  const set = raw.now.set == null ? null : cleanSet(raw.now.set, limits);
  if (raw.now.set != null && !set) return null;
  let from = null;
  if (source != null) {
    const values = cleanValues(source.values, limits);
    if (!isId(source.bankId) || !Number.isInteger(source.program) || !values) return null;
    from = { bankId: source.bankId, program: source.program, values };
  }
  return set || from ? { bankId: raw.bankId, program: raw.program, now: { source: from, set } } : null;
}

// The value nearest `value` that the format's steps give, inside what it holds.
function onStep(value, held) {
  const steps = Math.round((value - held.min) / held.step);
  return Math.min(held.max, Math.max(held.min, held.min + steps * held.step));
}

// Each value a format holds that `take(part, label)` chooses, moved by
// `change(value, held, flag, k, part)` and put on the format's steps; the
// others as they are.
function each(values, labels, limits, format, change, take = () => true) {
  return Object.fromEntries(PARTS.map((part) => [part, values[part].map((value, k) => {
    const label = labels[partOf(part)][k];
    const held = heldBy(format, part, label);
    const range = rangeOf(limits, part, label);
    if (!held || !range || !take(part, label)) return value;
    const next = change(value, held, range.flag, k, part);
    return range.flag ? next : onStep(next, held);
  })]));
}

// Values moved at random by `amount` (0 to 1) of the way towards a value
// anywhere in what the format holds; a switch turned to a random side with
// that chance. `take(part, label)` chooses the values; `random()` is in [0, 1).
export function randomized(values, labels, limits, format, amount, take, random = Math.random) {
  return each(values, labels, limits, format, (value, held, flag) => {
    if (flag) return random() < amount ? (random() < 0.5 ? 0 : 1) : value;
    const target = held.min + random() * (held.max - held.min);
    return Math.round(value + amount * (target - value));
  }, take);
}

// The values `amount` (0 to 1) of the way from `from` to `to`; a switch as
// `to` has it from half way on.
export function blended(from, to, labels, limits, format, amount) {
  return each(from, labels, limits, format, (value, held, flag, k, part) => {
    if (flag) return amount >= 0.5 ? to[part][k] : value;
    return Math.round(value + amount * (to[part][k] - value));
  });
}

// Group `source`'s values ('a' or 'b') given to the other group.
export function copiedGroup(values, labels, limits, format, source) {
  const target = source === 'a' ? 'b' : 'a';
  return each(values, labels, limits, format, (value, held, flag, k) => values[source][k], (part) => part === target);
}
