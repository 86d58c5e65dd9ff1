// What the page keeps of each bank's answer in the browser's store, and
// reads back when it is opened again: the answer made whole again is the
// engine's, for every example file and banks of random programs, from the
// form kept now and from the one an earlier page kept. The collection's
// sounds, as the engine is handed them. Where banks came from, in a saved
// collection.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { fromKept, toKept } from '../../web/src/collection.js';
import { cleanOrigin, originOf } from '../../web/src/provenance.js';
import { INDEX, readSaved, savedIndex } from '../../web/src/saved-file.js';
import { uniqueSounds } from '../../web/src/sound-index.js';
import { state } from '../../web/src/state.js';
import { createVornak } from '../../web/engine/module.js';
import { exampleFiles, random } from './support.mjs';

test('a bank\'s answer kept and read back is the engine\'s answer, records kept as empty lines where the sound begins with them', async () => {
  const engine = await createVornak();
  const rng = random(7);
  const image = rng.bytes(5120);
  image[0] &= 0x1f;
  const files = { ...exampleFiles(), 'random.crv': engine.convert(image, { to: 'W' }).bytes, 'random.fxb': engine.convert(image, { to: 'O' }).bytes };
  let shortened = 0;
  for (const [name, bytes] of Object.entries(files)) {
    const summary = engine.describe(name, bytes, { parameters: false, conversions: false });
    const { facts, sounds, lists } = toKept(summary);
    const lines = sounds.split('\n');
    assert.deepEqual(fromKept(facts, lists, lines), summary, `${name}, sounds read apart`);
    assert.equal(fromKept(facts, lists, lines).sounds, lines, `${name}: the sounds read apart are the answer's list`);
    // An earlier page kept the sounds and whole records with the other lists.
    const earlier = { ...lists, sounds, records: summary.records.join('\n') };
    assert.deepEqual(fromKept(facts, earlier, null), summary, `${name}, as an earlier page kept it`);
    shortened += lists.records.split('\n').filter((line) => line === '').length;
    // Lists of another length than the bank's programs are not taken.
    assert.equal(fromKept(facts, lists, lines.slice(1)), null, `${name}, a sound missing`);
    assert.equal(fromKept(facts, { ...lists, names: `${lists.names}\nmore` }, lines), null, `${name}, a name too many`);
  }
  assert.ok(shortened > 100, `${shortened} records kept as empty lines`);
  engine.dispose();
});

test('the collection\'s sounds, made a slice at a time, are each sound once in bank order without the fills, a line each', async () => {
  const rng = random(11);
  const pool = Array.from({ length: 3000 }, () => Array.from(rng.bytes(40), (b) => b.toString(16).padStart(2, '0')).join(''));
  state.fills = new Set([pool[0], pool[1]]);
  const banks = Array.from({ length: 3000 }, () => Array.from({ length: 100 }, () => rng.pick(pool)));
  const made = await uniqueSounds(banks);
  const expected = [...new Set(banks.flat())].filter((sound) => !state.fills.has(sound));
  assert.deepEqual(made.sounds, expected);
  assert.equal(made.text, expected.join('\n'));
  assert.equal(await uniqueSounds(banks), made, 'the same lists again: the same answer');
  assert.notEqual(await uniqueSounds(banks.map((list) => [...list])), made, 'other lists: made again');
});

test('a saved collection keeps where each bank came from, a disk\'s file by its path; one saved before opens without it', async () => {
  const engine = await createVornak();
  const limits = engine.limits();
  const bytes = exampleFiles()['demo23.syx'];
  const summary = engine.describe('d', bytes, { parameters: false, conversions: false });
  const origin = originOf({ file: 'disk.dsk', member: 'D001.USR',
    disk: { label: 'WAVETERM', volume: 1, date: '07-14-86', image: 'raw sector image', digest: null, others: [{ name: 'A.TXT', kind: 'not a bank', why: '' }] } });
  const banks = [{ name: 'disk.dsk/D001.USR', digest: null, built: false, received: false, sameAs: null, summary, origin },
    { name: 'old.syx', digest: null, built: false, received: false, sameAs: null, summary }];
  const { files, index } = savedIndex({ engine: '1', model: '', banks, marks: [], newBank: null });
  const json = JSON.parse(new TextDecoder().decode(index));
  delete json.banks[1].origin; // as a page before origins saved it
  json.banks[0].origin.disk.others.push({ name: 5 }); // a damaged entry is left out
  const archive = { files: new Map([...files.map((name) => [name, bytes]), [INDEX, new TextEncoder().encode(JSON.stringify(json))]]), damaged: [] };
  const saved = readSaved(archive, limits);
  assert.deepEqual(saved.damaged, []);
  assert.deepEqual(saved.banks.map((b) => [b.name, b.origin]), [['disk.dsk/D001.USR', origin], ['old.syx', null]]);
  assert.deepEqual(cleanOrigin({ file: 'a.syx', member: 7, added: 'yesterday', disk: { label: 'X' } }),
    { file: 'a.syx', member: null, disk: null, added: null });
  engine.dispose();
});
