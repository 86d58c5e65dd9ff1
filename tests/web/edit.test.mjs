// Values set by label through the engine: compose writes them as each
// format holds them, the file gives them back (to the engine and to the
// native tool), and the report names those that were rounded.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak } from '../../web/vornak.mjs';
import { exampleFiles, runNative } from './support.mjs';

const vornak = await createVornak();
const files = exampleFiles();
const dump = files['demo23.syx'];
const formats = vornak.formats();

test('P:3 of group A set to 40 in a 2.V bank: the native tool lists 40, and every format gives a value set back as it holds it', () => {
  const built = vornak.compose({ banks: { 'demo23.syx': dump }, programs: [{ bank: 'demo23.syx', program: 3, set: { a: { 'P:3': 40 } } }], format: 'N' });
  assert.equal(built.ok, true, built.message);
  assert.deepEqual(built.report.rounded, []);
  const native = new TextDecoder().decode(runNative(['/P0', 'new.fxb'], { 'new.fxb': built.bytes }).stdoutBytes);
  const listed = native.split('\n').find((line) => line.startsWith('P:0 '));
  assert.equal(listed.trim().split(/\s+/)[3], '40', listed);

  const { values } = vornak.limits();
  const labels = vornak.describe('demo23.syx', dump, { parameters: false, conversions: false }).parameterLabels;
  assert.deepEqual(values.program.map((v) => v.label), labels.program);
  assert.deepEqual(values.group.map((v) => v.label), labels.group);
  // Just inside the top of each range, and TTUNE and a switch.
  const asked = { program: { KEYB: 14, TTUNE: 447 }, a: { 'P:2': 41, 'P:3': 41, SW: 2, VL: 1 }, b: { 'GR:8': 61 } };
  for (const format of formats) {
    const result = vornak.compose({ banks: { 'demo23.syx': dump }, programs: [null, { bank: 'demo23.syx', program: 3, set: asked }], format: format.letter });
    assert.equal(result.ok, true, `${format.letter}: ${result.message}`);
    const back = vornak.describe('x', result.bytes, { parameters: [1], conversions: false }).parameters[0];
    const rounded = [];
    for (const [part, set] of Object.entries(asked)) {
      const shown = back[part];
      const order = part === 'program' ? labels.program : labels.group;
      for (const [label, value] of Object.entries(set)) {
        const held = format.values[part === 'program' ? 'program' : 'group'][label];
        if (!held || (format.groups === 1 && part === 'b')) continue;
        const written = Number(shown[order.indexOf(label)]);
        assert.ok(written >= held.min && written <= held.max && (written - held.min) % held.step === 0, `${format.letter} ${label}: ${written}`);
        assert.ok(Math.abs(written - value) <= held.step / 2 || written === held.max, `${format.letter} ${label}: ${written} for ${value}`);
        if (written !== value) rounded.push({ slot: 1, part, label, asked: value, written });
      }
    }
    assert.deepEqual(result.report.rounded, rounded, format.letter);
  }
});

test('each file says which output format writes its like', () => {
  for (const { letter } of formats) {
    const converted = vornak.convert(dump, { to: letter });
    assert.equal(vornak.describe('x', converted.bytes, { parameters: false, conversions: false }).writesAs, letter);
  }
  assert.equal(vornak.describe('x', new Uint8Array(3)).writesAs, undefined, 'none for a file that did not load');
});

test('a label not listed or a value beyond its range is a bad request; a malformed set is a bad option', () => {
  const compose = (set, format = 'S') => vornak.compose({ banks: { d: dump }, programs: [null, { bank: 'd', program: 0, set }], format });
  const refused = (set, message) => {
    const answer = compose(set);
    assert.deepEqual([answer.ok, answer.exitCode, answer.reason, answer.message, answer.bytes], [false, 1, 'bad-request', message, null]);
  };
  refused({ a: { 'P:12': 1 } }, 'Slot 1: group A has no value "P:12".');
  refused({ program: { 'P:3': 1 } }, 'Slot 1: the program has no value "P:3".');
  refused({ b: { 'P:3': 64 } }, 'Slot 1: P:3 of group B runs from 0 to 63, not 64.');
  refused({ program: { TTUNE: 40 } }, 'Slot 1: TTUNE of the program runs from 400 to 499, not 40.');
  refused({ a: { VL: 2 ** 53 } }, 'Slot 1: VL of group A runs from 0 to 1, not 9007199254740992.');
  refused({ a: { VL: -1e300 } }, 'Slot 1: VL of group A runs from 0 to 1, not -1e+300.');

  for (const [set, expected] of [
    [5, /the set of slot 1 must be an object/],
    [{ c: {} }, /unknown key "c" in the set of slot 1/],
    [{ a: [1] }, /a in the set of slot 1 must be an object of labels/],
    [{ a: { 'P:3': '4' } }, /P:3 of a in the set of slot 1 must be a whole number/],
    [{ a: { 'P:3': 4.5 } }, /must be a whole number/],
    [{ program: { KEYB: NaN } }, /must be a whole number/],
    [{ program: { KEYB: Infinity } }, /must be a whole number/],
  ]) {
    assert.throws(() => compose(set), (error) => error.code === 'bad-option' && expected.test(error.message), JSON.stringify(set));
  }
});
