// The page's ZIP reader (web/src/zip.js) on archives as other programs and
// the page itself write them, whole, damaged and cut short: every member
// that is whole comes back byte for byte, and nothing else.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { Zip, ZipDeflate, ZipPassThrough, zipSync } from 'fflate';

import { ZipRefused, readZip } from '../../web/src/zip.js';
import { random, sameBytes } from './support.mjs';

const rng = random(31);
const members = { 'banks/0001 a.syx': rng.bytes(10245), 'b.fxb': rng.bytes(3000), 'folder/': new Uint8Array(0) };
const bounds = { most: 10, limit: 1 << 20 };

// As the page streams an archive: sizes in descriptors after the data.
function streamed(files) {
  const parts = [];
  const archive = new Zip((error, data) => parts.push(data));
  for (const [name, bytes] of Object.entries(files)) {
    const entry = name.endsWith('.fxb') ? new ZipDeflate(name) : new ZipPassThrough(name);
    archive.add(entry);
    entry.push(bytes, true);
  }
  archive.end();
  return new Uint8Array(Buffer.concat(parts));
}

const whole = (got) => Object.fromEntries(got.files);

test('whole archives, listed or streamed, give their files; a damaged member is named, and the others come back', () => {
  const files = { 'banks/0001 a.syx': members['banks/0001 a.syx'], 'b.fxb': members['b.fxb'] };
  for (const bytes of [zipSync(members), zipSync(members, { level: 0 }), streamed(files)]) {
    const got = readZip(bytes, bounds);
    assert.deepEqual(Object.keys(whole(got)).sort(), Object.keys(files).sort());
    for (const [name, member] of got.files) assert.ok(sameBytes(member, files[name]), name);
    assert.deepEqual([got.damaged, got.cut], [[], false]);
  }
  const damaged = zipSync(files, { level: 0 });
  damaged[200] ^= 1; // inside the first member's data
  const got = readZip(damaged, bounds);
  assert.deepEqual([[...got.files.keys()], got.damaged], [['b.fxb'], ['banks/0001 a.syx']]);
});

test('an archive cut short gives the members before the cut, and names the one it cut', () => {
  const bytes = streamed({ 'one.syx': members['banks/0001 a.syx'], 'two.fxb': members['b.fxb'], 'three.bin': rng.bytes(5000) });
  for (const [end, kept, lost] of [[bytes.length - 30, ['one.syx', 'two.fxb', 'three.bin'], []], [12000, ['one.syx'], ['two.fxb']],
    [5000, [], ['one.syx']], [3, [], []]]) {
    const got = readZip(bytes.slice(0, end), bounds);
    assert.deepEqual([[...got.files.keys()], got.damaged], [kept, lost], `cut at ${end}`);
    for (const name of kept) assert.ok(got.files.get(name).length > 0);
  }
});

test('more members or more bytes than allowed are refused before anything is unpacked', () => {
  const many = zipSync(Object.fromEntries(Array.from({ length: 11 }, (_, i) => [`${i}.syx`, new Uint8Array(1)])));
  assert.throws(() => readZip(many, bounds), (error) => error instanceof ZipRefused && /more than 10 files/.test(error.message));
  const big = zipSync({ 'zeros.bin': new Uint8Array(2 << 20) });
  assert.throws(() => readZip(big, bounds), (error) => error instanceof ZipRefused && /unpacks to more/.test(error.message));
});
