// The edited values that the page takes from storage or a saved collection
// (a set, as compose takes it, and a program's edit), checked against the
// engine's ranges.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak } from '../../web/engine/module.js';
import { cleanEdit, cleanSet } from '../../web/src/value-sets.js';

test('a kept set or edit is taken only whole: known labels, whole numbers within their ranges, the three parts', async () => {
  const engine = await createVornak();
  const limits = engine.limits();
  engine.dispose();
  const good = { program: { TTUNE: 499, WAVETABLE: 0 }, a: { 'P:3': 40, UW: 1 }, b: { 'GR:11': 63 } };
  assert.deepEqual(cleanSet(good, limits), good);
  assert.deepEqual(cleanSet(JSON.parse(JSON.stringify(good)), limits), good);
  for (const bad of [{ a: { 'P:3': 64 } }, { program: { TTUNE: 399 } }, { a: { UW: 2 } }, { a: { 'P:3': 4.5 } }, { a: { 'P:3': '40' } },
    { a: { 'P:12': 1 } }, { c: { 'P:3': 1 } }, { a: [40] }, { a: { 'P:3': 40 }, b: null }, [], 'a', { a: { 'P:3': Number.NaN } }]) {
    assert.equal(cleanSet(bad, limits), null, JSON.stringify(bad));
  }
  assert.equal(cleanSet({}, limits), null, 'nothing set');
  assert.equal(cleanSet(undefined, limits), null);

  // A kept edit: its set as above, and the values of a program blended
  // with, each within its range, as many as the engine has labels.
  const values = Object.fromEntries(['program', 'a', 'b'].map((part) => [part, limits.values[part === 'program' ? 'program' : 'group'].map((r) => r.max)]));
  const edit = { bankId: 'b1', program: 3, now: { source: { bankId: 'b2', program: 7, values }, set: good } };
  assert.deepEqual(cleanEdit(JSON.parse(JSON.stringify(edit)), limits), edit);
  const broken = (change) => cleanEdit({ ...edit, now: { ...edit.now, ...change } }, limits);
  assert.equal(broken({ set: { a: { 'P:3': 64 } } }), null);
  assert.equal(broken({ source: { ...edit.now.source, values: { ...values, a: values.a.slice(1) } } }), null);
  assert.equal(broken({ source: { ...edit.now.source, values: { ...values, b: values.b.map((v) => v + 1) } } }), null);
  assert.equal(broken({ source: null, set: null }), null, 'changes nothing');
  assert.equal(cleanEdit({ ...edit, program: '3' }, limits), null);
});
