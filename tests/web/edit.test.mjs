// Values set by label through the engine: compose writes them as each
// format holds them, the file gives them back (to the engine and to the
// native tool), and the report names those that were rounded.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak } from '../../web/engine/module.js';
import { exampleFiles, runNative } from './support.mjs';

const vornak = await createVornak();
const files = exampleFiles();
const dump = files['demo23.syx'];

test('P:3 of group A set to 40 in a 2.V bank: the native tool lists 40; a memory image gives 41 back as 40 and says so', () => {
  const built = vornak.compose({ banks: { 'demo23.syx': dump }, programs: [{ bank: 'demo23.syx', program: 3, set: { a: { 'P:3': 40 } } }], format: 'N' });
  assert.equal(built.ok, true, built.message);
  assert.deepEqual(built.report.rounded, []);
  const native = new TextDecoder().decode(runNative(['/P0', 'new.fxb'], { 'new.fxb': built.bytes }).stdoutBytes);
  const listed = native.split('\n').find((line) => line.startsWith('P:0 '));
  assert.equal(listed.trim().split(/\s+/)[3], '40', listed);

  const { values } = vornak.limits();
  const labels = vornak.describe('demo23.syx', dump, { parameters: false, conversions: false }).parameterLabels;
  assert.deepEqual([values.program.map((v) => v.label), values.group.map((v) => v.label)], [labels.program, labels.group]);

  // A memory image keeps P:3 in steps of 2 and no tuning: P:3 comes back as
  // 40, as its writer keeps 41 read from any file, and is listed as
  // rounded; TTUNE is not held, so not listed.
  const image = vornak.compose({ banks: { d: dump }, programs: [null, { bank: 'd', program: 3, set: { a: { 'P:3': 41, VL: 1 }, program: { TTUNE: 447 } } }] });
  assert.deepEqual(image.report.rounded, [{ slot: 1, part: 'a', label: 'P:3', asked: 41, written: 40 }]);
  const back = vornak.describe('x', image.bytes, { parameters: [1], conversions: false }).parameters[0];
  assert.deepEqual([back.a[labels.group.indexOf('P:3')], back.a[labels.group.indexOf('VL')]], [40, 1]);
  assert.match(image.report.text, /drops the tuning of 1 program/);
});

test('a label not listed or a value beyond its range is a bad request; a malformed set is a bad option', () => {
  const compose = (set) => vornak.compose({ banks: { d: dump }, programs: [null, { bank: 'd', program: 0, set }] });
  const refused = (set, message) => {
    const answer = compose(set);
    assert.deepEqual([answer.ok, answer.exitCode, answer.reason, answer.message, answer.bytes], [false, 1, 'bad-request', message, null]);
  };
  refused({ a: { 'P:12': 1 } }, 'Slot 1: group A has no value "P:12".');
  refused({ b: { 'P:3': 64 } }, 'Slot 1: P:3 of group B runs from 0 to 63, not 64.');
  refused({ a: { VL: 2 ** 53 } }, 'Slot 1: VL of group A runs from 0 to 1, not 9007199254740992.');

  for (const [set, expected] of [
    [5, /the set of slot 1 must be an object/],
    [{ c: {} }, /unknown key "c" in the set of slot 1/],
    [{ a: [1] }, /a in the set of slot 1 must be an object of labels/],
    [{ a: { 'P:3': '4' } }, /P:3 of a in the set of slot 1 must be a whole number/],
    [{ a: { 'P:3': 4.5 } }, /must be a whole number/],
    [{ program: { KEYB: NaN } }, /KEYB in program in set in .* must be a finite number/],
    [{ program: { KEYB: Infinity } }, /must be a finite number/],
  ]) {
    assert.throws(() => compose(set), (error) => error.code === 'bad-option' && expected.test(error.message), JSON.stringify(set));
  }
});
