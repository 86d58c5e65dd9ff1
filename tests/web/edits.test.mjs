// The edited values that the page takes from storage or a saved collection
// (a set, as compose takes it), checked against the engine's ranges.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak } from '../../web/vornak.mjs';
import { cleanSet } from '../../web/src/edits.js';

test('a kept set is taken only whole: known labels, whole numbers within their ranges, the three parts', async () => {
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
});
