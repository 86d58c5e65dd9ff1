// The engine's contract: one request a call, read and checked by the engine
// in words, alike on the calling thread and in a worker; answers that spare
// a second call; calls that can be aborted and never hang.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { Worker } from 'node:worker_threads';

import {
  bytesToText, createVornak, createVornakWorker, serveVornak, VornakError, vornakWorkerScript,
} from '../../web/engine/node.js';
import { exampleFiles, listedValues, runNative } from './support.mjs';

const vornak = await createVornak();
const files = exampleFiles();
const syx = files['demo23.syx'];
const cut = syx.subarray(0, 5000); // programs 48 to 86 not wholly in it

// A call's mistake: a TypeError that is a VornakError with the code
// bad-option, whose message says what was wrong.
async function refused(call, pattern, label) {
  let error;
  try {
    await call();
  } catch (caught) {
    error = caught;
  }
  assert.ok(error instanceof TypeError && error instanceof VornakError, `${label}: ${error}`);
  assert.equal(error.code, 'bad-option', label);
  assert.match(error.message, pattern, label);
}

const codeOf = async (call) => {
  try {
    await call();
    return 'none';
  } catch (error) {
    return error.code;
  }
};

test('every request is checked by the engine in words, alike on the calling thread and in a worker', async () => {
  const mistakes = [
    // The shape of each call's options, as the engine reads it.
    [(e) => e.describe('in.syx', syx, { frist: 0 }), /"frist".*first/],
    [(e) => e.describe('in.syx', syx, { conversions: 'Z' }), /conversions.*S, A, B/],
    [(e) => e.describe('in.syx', syx, { first: 50, last: 10 }), /first must not be above last/],
    [(e) => e.describe('in.syx', syx, { parameters: [null] }), /entry 0 is none/],
    [(e) => e.describe('d.syx', syx, { parameters: new Array(65537).fill(1) }), /at most 65536/],
    [(e) => e.convert(syx, { to: 'S', conversion: false }), /"conversion"/],
    [(e) => e.convert(syx, { to: 'Z' }), /to must be/],
    [(e) => e.compose({ banks: { a: syx }, programs: [null], format: 'Z' }), /format must be/],
    [(e) => e.compose({ banks: { a: syx }, programs: [{ bank: 'a', program: 0, nmae: 'x' }] }), /"nmae".*bank, program, name/],
    [(e) => e.compose({ banks: { a: syx }, programs: new Array(65537).fill(null) }), /at most 65536/],
    [(e) => e.run(['x'], { ['x'.repeat(256)]: syx }), /too long/],
    [(e) => e.run(['x'], { x: syx, 'x/y': syx }), /a file and of a folder/],
    [(e) => e.run('x'), /args/],
    [(e) => e.listing('in.syx', syx, { model: '2.4' }), /'2\.2' or '2\.3'/],
    [(e) => e.disk(syx, { to: 'S' }), /"to" in the options of disk: the keys are model/],
    [(e) => e.similar('zz', ['zz']), /sound must be a sound.*no sound/],
    [(e) => e.similar(`${'0'.repeat(102)};p13=999`, ['zz']), /program value 13 is 999, beyond 0 to 99/],
    [(e) => e.similar(`${'0'.repeat(102)}`, ['zz'], { count: 65537 }), /count must be a whole number from 1 to 65536/],
    // What JSON cannot carry, by one rule for every call: undefined or a
    // hole in a list, a number that is not finite, an object that is not
    // plain.
    [(e) => e.convert(syx, { to: 'O', names: [undefined] }), /entry 0 of names.*is none/],
    [(e) => e.describe('d.syx', syx, { parameters: [1, , 2] }), /entry 1 of parameters.*is none/], // eslint-disable-line no-sparse-arrays
    [(e) => e.compose({ banks: { a: syx }, programs: [undefined] }), /entry 0 of programs.*is none/],
    [(e) => e.convert(syx, { to: 'O', first: NaN }), /first in the options of convert must be a finite number, not NaN/],
    [(e) => e.describe('d.syx', syx, { parameters: new Set([1]) }), /parameters.*\[object Set\], which a request cannot hold/],
    [(e) => e.describe('d.syx', syx, { signal: 'stop' }), /signal must be an AbortSignal/],
  ];
  const worker = await createVornakWorker();
  for (const [call, pattern] of mistakes) {
    for (const [where, engine] of [['calling thread', vornak], ['worker', worker]]) await refused(() => call(engine), pattern, `${where}: ${call}`);
  }
  // A name the engine takes as null keeps the program's own; the engines
  // go on after their mistakes.
  assert.deepEqual(await worker.convert(syx, { to: 'O', names: [null, 'Two'] }), vornak.convert(syx, { to: 'O', names: [null, 'Two'] }));
  // After dispose(), every call is refused as disposed.
  for (const engine of [await createVornak(), worker]) {
    engine.dispose();
    for (const call of [(e) => e.describe('in.syx', syx, { frist: 0 }), (e) => e.formats(), (e) => e.convert(syx, { to: 'S' })]) {
      assert.equal(await codeOf(() => call(engine)), 'disposed', String(call));
    }
  }
  await refused(() => createVornak({ inputlimit: 5 }), /"inputlimit".*inputLimit/);
  await refused(() => createVornak({ wasm: 5 }), /wasm must be/);
  await refused(() => createVornakWorker({ transfer: 'yes' }), /transfer/);
  await refused(() => createVornakWorker({ startTimeout: 0 }), /startTimeout/);
  for (const port of [null, {}, { postMessage() {} }]) await refused(() => serveVornak(port), /serveVornak needs/, String(port));
  // The error class keeps its name (bundlers rename the class itself).
  assert.deepEqual([VornakError.name, new VornakError('stopped', 'x').name], ['VornakError', 'VornakError']);
});

test('a request that cannot be met is answered, not refused: a name that no byte stands for', () => {
  const unnamed = vornak.convert(syx, { to: 'O', names: [null, '\u20ad'] });
  assert.deepEqual([unnamed.ok, unnamed.exitCode, unnamed.reason, unnamed.bytes], [false, 1, 'bad-request', null]);
  assert.match(unnamed.message, /^The name of program 1 holds a character that a name cannot hold: "\u20ad"\.$/);
  const slot = vornak.compose({ banks: { a: syx }, programs: [{ bank: 'a', program: 0, name: '\u20ad' }] });
  assert.deepEqual([slot.ok, slot.reason], [false, 'bad-request']);
  assert.match(slot.message, /^The name of slot 0 holds a character/);
});

test('describe answers each value as a number in the listing\'s units', () => {
  const listing = bytesToText(runNative(['in.syx'], { 'in.syx': syx }).stdoutBytes);
  const { parameterLabels, parameters: [values] } = vornak.describe('in.syx', syx, { parameters: [3], conversions: false });
  for (const [part, group] of [['a', 0], ['b', 1]]) {
    const listed = listedValues(listing, 3, group);
    const labels = [...parameterLabels.program, ...parameterLabels.group];
    const got = [...values.program, ...values[part]];
    labels.forEach((label, k) => assert.equal(got[k], Number(listed[label]), `${label}, group ${part}`));
  }
  assert.ok(values.program.includes(440), 'TTUNE 440, not "440"');
});

test('convert and compose name the programs they write that cannot be trusted; compose answers what it wrote', () => {
  const { untrusted } = vornak.describe('cut.syx', cut, { parameters: false, conversions: false });
  const converted = vornak.convert(cut, { to: 'O' });
  assert.deepEqual(converted.keeps.untrusted, untrusted);
  assert.match(converted.keeps.text, /; 52 cannot be trusted \(programs 48 to 99\), as the file they come from does not wholly/);
  const some = vornak.convert(cut, { to: 'S', first: 40, last: 50 });
  assert.deepEqual(some.keeps.untrusted, [48, 49, 50]);
  assert.deepEqual(vornak.convert(syx, { to: 'O' }).keeps.untrusted, []);
  // Each report of describe says the same as the conversion.
  assert.deepEqual(vornak.describe('cut.syx', cut, { parameters: false, conversions: 'O' }).conversions[0], converted.keeps);

  const built = vornak.compose({
    banks: { cut, whole: syx },
    programs: [{ bank: 'whole', program: 3, set: { a: { 'P:3': 41 } } }, { bank: 'cut', program: 60 }, null],
    format: 'W',
  });
  assert.deepEqual(built.report.untrusted, [1]);
  assert.match(built.report.text, /; 1 cannot be trusted \(program 1\), as the file it comes from/);
  // The sounds and records of what it wrote, as reading the file gives them.
  const back = vornak.describe('built.crv', built.bytes, { parameters: false, conversions: false });
  assert.deepEqual([built.sounds, built.records], [back.sounds.slice(0, 3), back.records.slice(0, 3)]);
  // A memory image rounds the value set, and answers it so.
  const edited = vornak.compose({ banks: { whole: syx }, programs: [{ bank: 'whole', program: 3, set: { a: { 'P:3': 41 } } }] });
  const read = vornak.describe('edited.syx', edited.bytes, { parameters: [0], conversions: false });
  assert.deepEqual([edited.sounds[0], edited.records[0]], [read.sounds[0], read.records[0]]);
  assert.equal(read.parameters[0].a[read.parameterLabels.group.indexOf('P:3')], 40);
  assert.equal(edited.sounds.length, 1);
});

test('a call with an aborted signal is rejected with aborted, and the engine answers the next call', async () => {
  const done = AbortSignal.abort('stale');
  const described = vornak.describe('in.syx', syx, { conversions: false });
  const calls = [
    (e, signal) => e.describe('in.syx', syx, { conversions: false, signal }),
    (e, signal) => e.run(['in.syx'], { 'in.syx': syx }, { signal }),
    (e, signal) => e.compose({ banks: { a: syx }, programs: [null], signal }),
    (e, signal) => e.similar(described.sounds[0], described.sounds, { signal }),
    (e, signal) => e.formats({ signal }),
  ];
  const worker = await createVornakWorker();
  for (const engine of [vornak, worker]) {
    for (const call of calls) {
      let error;
      try {
        await call(engine, done);
      } catch (caught) {
        error = caught;
      }
      assert.ok(error instanceof VornakError && error.code === 'aborted' && error.cause === 'stale', String(call));
    }
  }
  // In a worker: a call aborted while it waits, and one aborted before it
  // begins, are rejected at once; the calls after them are answered.
  const first = new AbortController();
  const second = new AbortController();
  const busy = worker.compose({ banks: { a: syx }, programs: Array.from({ length: 87 }, (_, program) => ({ bank: 'a', program })), format: 'O', signal: first.signal });
  const waiting = worker.describe('in.syx', syx, { conversions: false, signal: second.signal });
  const after = worker.describe('in.syx', syx, { conversions: false });
  first.abort();
  second.abort();
  assert.deepEqual(await Promise.all([codeOf(() => busy), codeOf(() => waiting)]), ['aborted', 'aborted']);
  assert.deepEqual(await after, described);
  // A signal aborted after its answer came changes nothing.
  const late = new AbortController();
  assert.deepEqual(await worker.describe('in.syx', syx, { conversions: false, signal: late.signal }), described);
  late.abort();
  assert.deepEqual(await worker.describe('in.syx', syx, { conversions: false }), described);
  worker.dispose();
});

test('a worker ended from outside rejects the call it was at and every later one with worker-failed', async () => {
  const given = new Worker(vornakWorkerScript, { eval: true });
  const engine = await createVornakWorker({ worker: given });
  const pending = engine.compose({ banks: { a: syx }, programs: Array.from({ length: 87 }, (_, program) => ({ bank: 'a', program })), format: 'O' });
  given.terminate();
  assert.equal(await codeOf(() => pending), 'worker-failed');
  assert.equal(await codeOf(() => engine.describe('in.syx', syx)), 'worker-failed');
  assert.equal(await codeOf(() => engine.formats()), 'worker-failed');
});

test('the engine takes its WebAssembly as bytes, a URL or a compiled module, on the calling thread and in a worker', async () => {
  const url = new URL('../../web/vornak.wasm', import.meta.url);
  const bytes = readFileSync(url);
  const want = vornak.convert(syx, { to: 'W' });
  for (const wasm of [bytes, bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length), url, url.href, await WebAssembly.compile(bytes)]) {
    for (const make of [createVornak, createVornakWorker]) {
      const engine = await make({ wasm });
      assert.deepEqual(await engine.convert(syx, { to: 'W' }), want, `${make.name}: ${Object.prototype.toString.call(wasm)}`);
      engine.dispose();
    }
  }
  assert.equal(await codeOf(() => createVornak({ wasm: new Uint8Array(8) })), 'stopped');
});

test('the types name the note codes, failure reasons and value labels that the engine answers, no more and no fewer', () => {
  const types = readFileSync(new URL('../../web/vornak.d.ts', import.meta.url), 'utf8');
  const union = (name) => [...new RegExp(`export type ${name} =([^;]*);`).exec(types)[1].matchAll(/'([^']+)'/g)].map((m) => m[1]);
  const limits = vornak.limits();
  assert.deepEqual(union('VornakNoteCode'), limits.noteCodes);
  assert.deepEqual([...union('VornakLoadReason'), 'bad-request', 'no-memory'], limits.reasons);
  assert.deepEqual(union('VornakProgramLabel'), limits.values.program.map((v) => v.label));
  assert.deepEqual(union('VornakGroupLabel'), limits.values.group.map((v) => v.label));
});

// The engine gives names by a table of its own (src/web/text_rule.cpp);
// bytesToText and textToBytes by the JavaScript's: both give every byte alike.
test('names are given by the one text rule: every byte as bytesToText gives it', () => {
  const bank = files['demo23-n.fxb'].slice();
  const at = Buffer.from(bank).indexOf('PPG Program 000');
  const step = Buffer.from(bank).indexOf('PPG Program 001') - at;
  const all = Array.from({ length: 255 }, (_, i) => i + 1);
  for (let p = 0; p * 27 < all.length; p++) bank.set([...all.slice(p * 27, p * 27 + 27), 0], at + p * step);
  const { names } = vornak.describe('in.fxb', bank, { parameters: false, conversions: false });
  const shown = all.map((b) => (b < 0x20 || b === 0x7f ? 0x3f : b));
  assert.equal(names.slice(0, 10).join(''), bytesToText(Uint8Array.from(shown)));
});
