// A bank edited and written whole by convert: the native tool lists the
// edits and everything else as a plain conversion writes it; a value set
// lands as the writer lands the same value read from another file.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak } from '../../web/engine/module.js';
import { exampleFiles, listedValues, runNative } from './support.mjs';

const vornak = await createVornak();
const files = exampleFiles();
const dump = files['demo23.syx'];
const decode = (bytes) => new TextDecoder().decode(bytes);
const nativeListing = (name, bytes) => decode(runNative([name], { [name]: bytes }).stdoutBytes);

// The listing's blocks by what they list: "CP:2" (its three lines), "PROG:7".
function blocks(listing) {
  const found = new Map();
  let key = null;
  for (const line of listing.split('\n')) {
    const start = /^(CP|PROG):(\d+)/.exec(line);
    if (start) key = `${start[1]}:${start[2]}`;
    if (key && !found.has(key)) found.set(key, []);
    if (key && line.trim() !== '') found.get(key).push(line);
  }
  return found;
}

test('two programs and two combis edited, written as SysEx and as a Corvel bank: the native tool lists the edits, and all else as a plain convert writes it', () => {
  const { sounds, combiValues } = vornak.describe('demo23.syx', dump, { parameters: false, conversions: false });
  assert.equal(combiValues[4].used, false);
  const edits = {
    programs: { 7: { a: { 'P:6': 3 }, b: { 'P:3': 41 } }, 11: { sound: sounds[20], program: { WAVETABLE: 9 } } },
    combis: { 2: { 'BK 1': 5, 'GR:a SPL 3': 60, KBM: 100 }, 4: { MULTI: 1 } },
  };
  for (const [to, name] of [['S', 'edited.syx'], ['W', 'edited.crv']]) {
    const plain = vornak.convert(dump, { to });
    const edited = vornak.convert(dump, { to, edits });
    assert.equal(edited.ok, true, edited.message);
    assert.deepEqual(edited.keeps.rounded, to === 'S' ? [{ program: 7, part: 'b', label: 'P:3', asked: 41, written: 40 }] : []);
    assert.equal(edited.keeps.text, plain.keeps.text);

    const listing = nativeListing(name, edited.bytes);
    const before = blocks(nativeListing(name, plain.bytes));
    const after = blocks(listing);
    const changed = [...after.keys()].filter((key) => after.get(key).join('\n') !== before.get(key)?.join('\n'));
    assert.deepEqual(changed, ['CP:2', 'CP:4', 'PROG:7', 'PROG:11'], to);
    assert.equal(after.size, before.size + 1, 'combi 4 is now in use and listed');
    assert.equal(after.size, 87 + 6);

    const a7 = listedValues(listing, 7, 0);
    const b7 = listedValues(listing, 7, 1);
    assert.deepEqual([a7['P:6'], b7['P:3']], ['3', to === 'S' ? '40' : '41'], to);
    for (const group of [0, 1]) {
      const blended = { ...listedValues(listing, 20, group), PROG: '11', WAVETABLE: '9' };
      assert.deepEqual(listedValues(listing, 11, group), blended, `program 11 has program 20's sound, group ${group}`);
    }
    assert.match(after.get('CP:2')[0], /^CP:2 +BK: 5a 12a/);
    assert.match(after.get('CP:2')[1], /GR:a=BK:4 DET:2 KBM:100 /);
    assert.match(after.get('CP:2')[2], /^MULTI:3 +SPL:69 55 60 59/);
    assert.match(after.get('CP:4')[2], /^MULTI:1 /);

    // describe reads the combis back by label, as the listing shows them.
    const back = vornak.describe(name, edited.bytes, { parameters: false, conversions: false }).combiValues;
    assert.deepEqual([back[2].values['BK 1'], back[2].values['GR:a SPL 3'], back[2].values.KBM, back[4].used], [5, 60, 100, true]);
  }
});

test('edits that set what the bank holds write the bytes a plain convert writes, in every format', () => {
  const { values } = vornak.limits();
  for (const [name, bytes] of Object.entries(files)) {
    const bank = vornak.describe(name, bytes, { parameters: [3], conversions: false });
    const used = bank.combiValues.find((c) => c.used);
    const held = (list, part) => Object.fromEntries(list.map(({ label }, i) => [label, bank.parameters[0][part][i]]));
    const edit = { sound: bank.sounds[3], program: held(values.program, 'program'), a: held(values.group, 'a'), b: held(values.group, 'b') };
    const edits = { programs: { 3: edit }, combis: used ? { [used.combi]: used.values } : {} };
    for (const { letter } of vornak.formats()) {
      const plain = vornak.convert(bytes, { to: letter });
      const edited = vornak.convert(bytes, { to: letter, edits });
      assert.deepEqual(Buffer.compare(edited.bytes, plain.bytes), 0, `${name} to ${letter}`);
      assert.deepEqual(vornak.convert(bytes, { to: letter, edits: {} }).bytes, plain.bytes);
    }
  }
});

// One value of each step a memory image keeps, not on a step: set in
// compose, set in convert's edits, and held by a Corvel bank converted.
test('a value set lands where the writer lands the same value read from another file, for each step size', () => {
  const held = vornak.formats().find((f) => f.letter === 'S').values.group;
  const labels = vornak.limits().values.group.map((v) => v.label);
  const bySteps = new Map();
  for (const [label, h] of Object.entries(held)) if (h && !bySteps.has(h.step)) bySteps.set(h.step, { label, ...h });
  assert.deepEqual([...bySteps.keys()].sort((x, y) => x - y), [1, 2, 4, 16]);
  for (const { label, step, max, rounding } of bySteps.values()) {
    assert.equal(rounding, 'down');
    const asked = Math.min(step * 2 + step - 1, max - 1);
    const expected = asked - (asked % step);
    const set = { a: { [label]: asked } };
    const composed = vornak.compose({ banks: { d: dump }, programs: [{ bank: 'd', program: 5, set }], format: 'S' });
    const edited = vornak.convert(dump, { to: 'S', edits: { programs: { 5: set } } });
    const corvel = vornak.convert(dump, { to: 'W', edits: { programs: { 5: set } } });
    const converted = vornak.convert(corvel.bytes, { to: 'S' });
    const valueOf = (bytes, program) => vornak.describe('x', bytes, { parameters: [program], conversions: false }).parameters[0].a[labels.indexOf(label)];
    assert.deepEqual([valueOf(corvel.bytes, 5), valueOf(converted.bytes, 5)], [asked, expected], label);
    assert.deepEqual([valueOf(composed.bytes, 0), valueOf(edited.bytes, 5)], [expected, expected], label);
    assert.deepEqual(edited.bytes, converted.bytes, `${label}: the same file either way`);
    const rounded = asked === expected ? [] : [{ part: 'a', label, asked, written: expected }];
    assert.deepEqual(edited.keeps.rounded, rounded.map((r) => ({ program: 5, ...r })), label);
    assert.deepEqual(composed.report.rounded, rounded.map((r) => ({ slot: 0, ...r })), label);
  }
});

test('edits the bank cannot take are bad requests in words; edits of another form are bad options', () => {
  const built = vornak.compose({ banks: { d: dump }, programs: [{ bank: 'd', program: 0 }], format: 'S' });
  for (const [bytes, edits, message] of [
    [dump, { programs: { 87: {} } }, 'The bank has no program 87 (it holds 87, numbered from 0).'],
    [dump, { programs: { 1: { b: { 'P:3': 64 } } } }, 'Program 1: P:3 of group B runs from 0 to 63, not 64.'],
    [dump, { programs: { 1: { program: { 'P:3': 1 } } } }, 'Program 1: the program has no value "P:3".'],
    [dump, { combis: { 20: { KBM: 1 } } }, 'The bank has no combi 20 (it holds 20, numbered from 0).'],
    [dump, { combis: { 0: { 'GR:c BK': 1 } } }, 'Combi 0: a combi has no value "GR:c BK".'],
    [dump, { combis: { 0: { 'GR:a DET': 4 } } }, 'Combi 0: GR:a DET runs from 0 to 3, not 4.'],
    [built.bytes, { combis: { 0: { MULTI: 1 } } }, 'The bank holds no combis (a Wave 2.2 memory and a 2.V bank have none), so it has no combi 0.'],
  ]) {
    const answer = vornak.convert(bytes, { to: 'W', edits });
    assert.deepEqual([answer.ok, answer.exitCode, answer.reason, answer.message, answer.bytes], [false, 1, 'bad-request', message, null]);
  }
  for (const [edits, expected] of [
    [[], /edits must be an object/],
    [{ programs: { '07': {} } }, /the programs in edits must be keyed by their numbers .* not "07"/],
    [{ programs: { 1: { c: {} } } }, /unknown key "c" in the edits of program 1/],
    [{ programs: { 1: { sound: 'not a sound' } } }, /sound in the edits of program 1 must be a sound as describe answers it/],
    [{ programs: { 1: { a: { 'P:3': 4.5 } } } }, /P:3 of a in the edits of program 1 must be a whole number/],
    [{ combis: { 1: 5 } }, /the edits of combi 1 must be an object/],
    [{ combis: { 1: { KBM: '5' } } }, /KBM in the edits of combi 1 must be a whole number/],
  ]) {
    assert.throws(() => vornak.convert(dump, { to: 'S', edits }), (e) => e.code === 'bad-option' && expected.test(e.message), JSON.stringify(edits));
  }
});
