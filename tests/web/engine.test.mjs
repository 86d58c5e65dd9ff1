// The engine module under node against the native tool: the same exit codes,
// the same output byte for byte and the same files, run after run on one
// engine, on the calling thread and in a worker thread.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';

import { Worker } from 'node:worker_threads';

import { bytesToText, createVornak, createVornakWorker, textToBytes, VornakError } from '../../web/engine/node.js';
import { corpusFiles, exampleFiles, exportSwitches, random, randomBankFiles, root, runNative, sameBytes, toolMessage } from './support.mjs';

const vornak = await createVornak();

function agree(args, files, label = args.join(' ')) {
  const native = runNative(args, files);
  const engine = vornak.run(args, files);
  assert.equal(engine.exitCode, native.exitCode, `${label}: exit code`);
  assert.ok(sameBytes(engine.stdoutBytes, native.stdoutBytes), `${label}: output differs:\n${engine.stdout}`);
  assert.deepEqual(Object.keys(engine.files).sort(), Object.keys(native.files).sort(), `${label}: files written`);
  for (const [name, bytes] of Object.entries(native.files)) {
    assert.ok(sameBytes(engine.files[name], bytes), `${label}: ${name} differs`);
  }
  return engine;
}

// Switches a user may add to a run: ranges in every spelling, groups, model
// hints, verbose and listing.
function randomOptions(rng) {
  const options = [];
  const n = rng.int(130);
  const choices = [`/P${n}-${rng.int(130)}`, `/P-${n}`, `/P${n}`, `-p${n}-`, '/GB', '/ga', '/2.2', '/2.3', '-v', '-L'];
  for (let k = rng.int(4); k > 0; k--) options.push(rng.pick(choices));
  return options;
}

test('random banks in every input format are listed and exported with every switch as the tool does', () => {
  const rng = random(20261207);
  for (let bank = 0; bank < 5; bank++) {
    for (const [name, bytes] of Object.entries(randomBankFiles(rng, `bank${bank}`))) {
      agree([...randomOptions(rng), name], { [name]: bytes });
      for (const [letter, extension] of Object.entries(exportSwitches)) {
        agree([`/${letter}out${extension}`, ...randomOptions(rng), name], { [name]: bytes });
      }
    }
  }
});

test('damaged, foreign and random files give the same messages and codes', () => {
  const rng = random(7);
  const inputs = { ...exampleFiles(), ...corpusFiles(), 'empty.bin': new Uint8Array(0) };
  const magics = [[0xf0, 0x29, 0x01, 0x0d], [...'CcnK'].map((c) => c.charCodeAt(0)), [0x57, 0x42], [0x02], []];
  for (const magic of magics) {
    for (const size of [3, 200, 5119, 5120, 9000]) {
      const bytes = rng.bytes(size);
      bytes.set(magic.slice(0, size));
      inputs[`random-${magic.length}-${size}.bin`] = bytes;
    }
  }
  for (const [name, bytes] of Object.entries(exampleFiles())) {
    inputs[`cut-${name}`] = bytes.slice(0, 1 + rng.int(bytes.length - 1));
  }
  for (const [name, bytes] of Object.entries(inputs)) {
    agree([name], { [name]: bytes });
    agree(['/Wout.crv', name], { [name]: bytes });
  }
  for (const args of [[], ['/?'], ['missing.syx'], ['/S', 'x'], ['/Snot-there/out.syx', 'demo23.syx']]) {
    agree(args, { 'demo23.syx': exampleFiles()['demo23.syx'] });
  }
});

test('an export over its own input replaces it, and only written files are answered', () => {
  const syx = exampleFiles()['demo23.syx'];
  const fxb = exampleFiles()['demo23-o.fxb'];
  const run = agree(['/Sbank.syx', 'bank.syx'], { 'bank.syx': fxb, 'other.syx': syx });
  assert.deepEqual(Object.keys(run.files), ['bank.syx']);
  // Only files are found in the answer, whatever a name asks for.
  assert.equal(Object.getPrototypeOf(run.files), null);
  assert.ok(sameBytes(run.files['bank.syx'], runNative(['/Sout.syx', 'in.fxb'], { 'in.fxb': fxb }).files['out.syx']));
  assert.throws(() => vornak.run(['x'], { '../x': syx }), TypeError);
});

test('any file name is only a name, and bytes may come in any view', () => {
  const syx = exampleFiles()['demo23.syx'];
  for (const name of ['__proto__', 'hasOwnProperty', 'constructor', '-x.syx', '%41 ü.syx']) {
    const input = name.startsWith('-') ? `./${name}` : name;
    agree([`/W${name}.crv`, '-L', input], { [name]: syx });
    agree([`/S${name}`, input], { [name]: syx });
  }
  agree(['/S./sub/../out.syx', 'in'], { in: syx, 'sub/x': syx });
  const view = new DataView(syx.buffer, syx.byteOffset, syx.byteLength);
  for (const bytes of [view, syx.slice().buffer]) {
    assert.ok(sameBytes(vornak.run(['/Bout', 'in'], { in: bytes }).files.out, runNative(['/Bout', 'in'], { in: syx }).files.out));
  }
  assert.throws(() => vornak.run(['in'], { in: 'text' }), TypeError);
});

test('describe answers the format, the model and the programs of a bank, or the message', () => {
  const files = exampleFiles();
  const syx = vornak.describe('demo23.syx', files['demo23.syx']);
  assert.equal(syx.exitCode, 0);
  assert.equal(syx.format, 'V8 SysEx dump');
  assert.equal(syx.model, '2.3');
  assert.equal(syx.programs, 87);
  assert.equal(syx.combis, 20);
  assert.equal(syx.names.length, 87);
  assert.equal(syx.names[5], 'PPG Program 005');
  assert.equal(vornak.describe('demo23.syx', files['demo23.syx'], { model: 2 }).model, '2.2');
  const v2 = vornak.describe('demo23-n.fxb', files['demo23-n.fxb']);
  assert.deepEqual([v2.format, v2.model, v2.programs, v2.combis], ['Waldorf 2.V parameter bank', '2.V', 128, 0]);
  const crv = vornak.describe('demo23.crv', files['demo23.crv']);
  assert.equal(crv.format, 'Corvel bank');
  const bad = vornak.describe('x.fxb', files['demo23-o.fxb'].slice(0, 300));
  assert.deepEqual([bad.ok, bad.exitCode, bad.reason, bad.message], [false, 3, 'damaged', "Can't load .fxb file"]);
  assert.deepEqual([syx.ok, syx.reason], [true, '']);
  const none = vornak.compose({ banks: {}, programs: [{ bank: 'x', program: 0 }] });
  const unread = vornak.compose({ banks: { x: new Uint8Array(3) }, programs: [{ bank: 'x', program: 0 }] });
  assert.deepEqual([none.ok, none.reason, unread.exitCode, unread.reason], [false, 'bad-request', 6, 'unknown-format']);
  assert.deepEqual([vornak.run(['x']).ok, vornak.run(['/?']).exitCode], [false, 1]);
});

test('a run leaves nothing behind, and an export name that leaves the run\'s folder is a failed export', async () => {
  const syx = exampleFiles()['demo23.syx'];
  const fresh = await createVornak();
  // The tool's answer to an export it cannot write.
  const failed = runNative(['/Snot-there/x.syx', 'in.syx'], { 'in.syx': syx });
  assert.equal(failed.exitCode, 1);
  // Every folder and device of the file system around a run (but the run's
  // own folder), as the engine's code lists them.
  const made = [...readFileSync(join(root, 'src/io/memory_files.cpp'), 'utf8').matchAll(/"(\/[a-z0-9_/]+)"/g)].map((m) => m[1])
    .filter((path) => path !== '/run');
  assert.ok(made.includes('/dev') && made.includes('/proc/self/fd') && made.includes('/dev/null'), `folders found: ${made}`);
  const targets = [...['/', ...made].map((dir) => `${dir.replace(/\/$/, '')}/x.syx`), '../x.syx', 'sub/../../x.syx', '../../tmp/x.syx'];
  for (const target of targets) {
    const run = vornak.run([`/S${target}`, 'in.syx'], { 'in.syx': syx, 'sub/a': syx });
    assert.equal(run.exitCode, failed.exitCode, `${target}: exit code`);
    assert.ok(sameBytes(run.stdoutBytes, failed.stdoutBytes), `${target}: output`);
    assert.deepEqual(Object.keys(run.files), [], target);
  }
  // Nothing written, created or given before is there for a later run, by
  // any name: it answers as a new engine does.
  for (const name of [...targets.filter((t) => t.startsWith('/')), '/x.syx', '/tmp/x.syx', 'in.syx', 'sub/a', '/run1/in.syx']) {
    assert.ok(sameBytes(vornak.run([name]).stdoutBytes, fresh.run([name]).stdoutBytes), `${name} is seen again`);
  }
  // Nothing comes from outside: standard input is empty, and no terminal is
  // attached.
  const empty = vornak.run(['empty'], { empty: new Uint8Array(0) });
  assert.equal(empty.exitCode, 6);
  assert.ok(sameBytes(vornak.run(['/dev/stdin']).stdoutBytes, empty.stdoutBytes));
  assert.ok(sameBytes(vornak.run(['/dev/tty']).stdoutBytes, vornak.run(['missing']).stdoutBytes));
  fresh.dispose();
});

// (The table itself is compared with a browser's windows-1252 decoder in
// package.test.mjs: node's decodes that label as ISO 8859-1.)
test('text is one character for each byte, the same whatever the other bytes, and gives its bytes back', () => {
  const all = Uint8Array.from({ length: 256 }, (_, i) => i);
  const text = bytesToText(all);
  assert.equal(new Set(text).size, 256);
  assert.ok(sameBytes(textToBytes(text), all));
  assert.throws(() => textToBytes('\u20ad'), RangeError);

  // A name with a windows-1252 letter, bytes that read as UTF-8 elsewhere, and
  // a control byte that the tool shows as "?".
  const bank = exampleFiles()['demo23-n.fxb'].slice();
  const name = [0x43, 0x61, 0x66, 0xe9, 0x20, 0xc3, 0xa9, 0x07, 0x80, 0x81, 0xff];
  bank.set([...name, 0], Buffer.from(bank).indexOf('PPG Program 000'));
  const run = agree(['in.fxb'], { 'in.fxb': bank });
  const shown = Uint8Array.from(name, (b) => (b < 0x20 ? 0x3f : b));
  assert.ok(Buffer.from(run.stdoutBytes).includes(Buffer.from(shown)));
  assert.equal(run.stdout, [...run.stdoutBytes].map((b) => text[b]).join(''));
  assert.equal(vornak.describe('in.fxb', bank).names[0], [...shown].map((b) => text[b]).join(''));
});

test('the arguments of run and describe: what they take, and a TypeError that says what is expected', () => {
  const syx = exampleFiles()['demo23.syx'];
  const listed = vornak.run(['in.syx'], { 'in.syx': syx });
  assert.ok(sameBytes(vornak.run(['in.syx'], new Map([['in.syx', syx]])).stdoutBytes, listed.stdoutBytes));
  assert.ok(sameBytes(vornak.run(['/?'], null).stdoutBytes, runNative(['/?']).stdoutBytes));
  for (const [model, shown] of [['2.2', '2.2'], ['2.3', '2.3'], [2, '2.2'], [3, '2.3'], [undefined, '2.3']]) {
    assert.equal(vornak.describe('in.bin', exampleFiles()['demo23.bin'], { model }).model, shown, `model ${model}`);
  }
  const refused = [
    () => vornak.describe('in.syx', syx, { model: '2.4' }),
    () => vornak.describe('in.syx', syx, { model: 'Wave 2.2' }),
    () => vornak.run(['in\0.syx'], { 'in.syx': syx }),
    () => vornak.run('in.syx', { 'in.syx': syx }),
    () => vornak.run([1], {}),
    () => vornak.run(['x'], ['in.syx']),
    () => vornak.run(['x'], { '../x': syx }),
    () => vornak.run(['x'], { x: syx, 'x/y': syx }),
    () => vornak.run(['x'], new Map([[1, syx]])),
  ];
  for (const call of refused) assert.throws(call, TypeError, String(call));
  assert.throws(() => vornak.describe('in.syx', syx, { model: 'x' }), /'2\.2' or '2\.3'/);
  // The engine goes on after them.
  assert.ok(sameBytes(vornak.run(['in.syx'], { 'in.syx': syx }).stdoutBytes, listed.stdoutBytes));
});

test('an engine in a worker thread answers as the engine does, and dispose ends it', async () => {
  const files = exampleFiles();
  const worker = await createVornakWorker();
  for (const args of [['/Oout.fxb', '-L', 'demo23.syx'], ['demo23.crv'], ['/Wout.crv', 'demo23-m.fxb']]) {
    const [, ...names] = args;
    const inputs = Object.fromEntries(names.filter((n) => n in files).map((n) => [n, files[n]]));
    const got = await worker.run(args, inputs);
    const want = vornak.run(args, inputs);
    assert.equal(got.exitCode, want.exitCode);
    assert.equal(got.stdout, want.stdout);
    assert.deepEqual(Object.keys(got.files), Object.keys(want.files));
    for (const name of Object.keys(want.files)) assert.ok(sameBytes(got.files[name], want.files[name]), name);
  }
  assert.deepEqual(await worker.describe('in.syx', files['demo23.syx'], { model: '2.2' }),
    vornak.describe('in.syx', files['demo23.syx'], { model: '2.2' }));
  await assert.rejects(worker.run(['x'], { '../x': files['demo23.syx'] }), TypeError);
  await assert.rejects(createVornakWorker({ inputLimit: -1 }), TypeError);
  const waiting = worker.run(['demo23.syx'], { 'demo23.syx': files['demo23.syx'] });
  worker.dispose();
  await assert.rejects(waiting, /disposed/);
  await assert.rejects(worker.run(['/?']), /disposed/);
});

test('an input above the engine\'s limit gets the tool\'s answer for an input it has no memory for', async () => {
  const image = exampleFiles()['demo23.bin'];
  const bigger = new Uint8Array(image.length + 1);
  bigger.set(image);
  const native = runNative(['in.bin'], { 'in.bin': image });
  const bannerText = bytesToText(native.stdoutBytes).split('\n').slice(0, 4).join('\n');
  for (const make of [createVornak, createVornakWorker]) {
    const engine = await make({ inputLimit: image.length });
    const files = { 'in.bin': image, 'big.bin': bigger };
    const atLimit = await engine.run(['in.bin'], files);
    assert.ok(sameBytes(atLimit.stdoutBytes, native.stdoutBytes), `${make.name}: at the limit`);
    const above = await engine.run(['big.bin'], files);
    assert.equal(above.exitCode, 2, make.name);
    assert.equal(above.stdout, `${bannerText}\nError allocating buffer\n`, make.name);
    const described = await engine.describe('big.bin', bigger);
    assert.deepEqual([described.exitCode, described.reason, described.message], [2, 'too-large', 'Error allocating buffer'], make.name);
    engine.dispose();
  }
  // Inputs of 2 GiB and more, whatever the limit (their pages are never
  // touched: the engine refuses them by their size).
  for (const inputLimit of [undefined, Infinity]) {
    const engine = await createVornak({ inputLimit });
    for (const size of [2 ** 31, 2 ** 32]) {
      const huge = new Uint8Array(size);
      const run = engine.run(['/v', 'big.bin'], { 'big.bin': huge });
      assert.equal(run.exitCode, 2, `${size} bytes, limit ${inputLimit}`);
      assert.match(run.stdout, /\nError allocating buffer\n$/);
      assert.equal(engine.describe('big.bin', huge).reason, 'too-large');
    }
    engine.dispose();
  }
});

test('convert writes the bytes the tool writes, with what they keep, or the tool\'s message and an explanation', () => {
  const files = exampleFiles();
  const native = (args, name, bytes) => runNative([...args, name], { [name]: bytes });
  for (const format of vornak.formats()) {
    const out = `out${format.extension}`;
    for (const name of ['demo23.syx', 'demo23-o.fxb']) {
      const got = vornak.convert(files[name], { to: format.letter.toLowerCase(), name });
      assert.ok(sameBytes(got.bytes, native([`/${format.letter}${out}`], name, files[name]).files[out]), `${name} to ${format.letter}`);
      assert.equal(got.fileName, name.replace(/\.[^.]*$/, format.extension));
      assert.equal(got.keeps.letter, format.letter);
    }
    // A range, a group and a model reach the tool where the format takes them.
    const options = { to: format.letter, first: 10, last: 20, group: 'B', model: '2.2' };
    const args = [`/${format.letter}${out}`, ...(format.range ? ['/P10-20'] : []), ...(format.group ? ['/GB'] : []), '/2.2'];
    const got = vornak.convert(files['demo23.bin'], options);
    assert.ok(sameBytes(got.bytes, native(args, 'in.bin', files['demo23.bin']).files[out]), args.join(' '));
    assert.deepEqual([got.keeps.first, got.keeps.programs], format.range ? [10, 11] : [0, 100], args.join(' '));
    assert.equal(got.fileName, `bank${format.extension}`);
  }
  for (const [options, switches] of [[{ to: 'a', first: 90 }, ['/P90']], [{ to: 'n', last: 3, model: '2.3' }, ['/P-3', '/2.3']]]) {
    const args = [`/${options.to}out`, ...switches];
    assert.ok(sameBytes(vornak.convert(files['demo23.bin'], options).bytes, native(args, 'in.bin', files['demo23.bin']).files.out), args.join(' '));
  }
  const cut = vornak.convert(files['demo23.syx'].slice(0, 2000), { to: 'W' });
  assert.deepEqual(cut.notes.map((n) => n.code), ['short-dump']);

  for (const bytes of [files['demo23-o.fxb'].slice(0, 300), new Uint8Array(0), files['demo23-a.usr'].slice(0, 40)]) {
    const tool = native(['/Sout.syx'], 'in', bytes);
    const got = vornak.convert(bytes, { to: 'S' });
    assert.deepEqual([got.exitCode, got.message, got.bytes], [tool.exitCode, toolMessage(bytesToText(tool.stdoutBytes)), null]);
    assert.notEqual(tool.exitCode, 0);
    assert.equal(got.explanation, vornak.describe('in', bytes).explanation);
    assert.notEqual(got.explanation, '');
  }

  const syx = files['demo23.syx'];
  const refused = [undefined, {}, { to: 'x' }, { to: 'SY' }, { to: 5 }, { to: 'S', first: -1 }, { to: 'S', last: 1.5 },
    { to: 'S', first: '3' }, { to: 'S', first: 5, last: 4 }, { to: 'O', group: 'b' }, { to: 'S', model: '2.4' },
    { to: 'S', name: 5 }, { to: 'S', name: '' }];
  for (const options of refused) assert.throws(() => vornak.convert(syx, options), TypeError, JSON.stringify(options));
  assert.throws(() => vornak.convert('bank', { to: 'S' }), TypeError);
  assert.throws(() => vornak.convert(syx, { to: 'x' }), /S, A, B, F, N, O, M, W/);
  assert.equal(vornak.convert(syx, { to: 'S' }).exitCode, 0);
});

test('formats, compose and convert in a worker thread answer as on the calling thread', async () => {
  const files = exampleFiles();
  const worker = await createVornakWorker();
  assert.deepEqual(await worker.formats(), vornak.formats());
  const request = {
    banks: { 'a.syx': files['demo23.syx'], 'b.fxb': files['demo23-o.fxb'] },
    programs: [{ bank: 'b.fxb', program: 2, name: 'Two' }, null, { bank: 'a.syx', program: 40 }],
    format: 'O',
    group: 'B',
  };
  for (const asked of [request, { ...request, programs: [{ bank: 'c', program: 0 }] }]) {
    assert.deepEqual(await worker.compose(asked), vornak.compose(asked));
  }
  for (const options of [{ to: 'f', first: 3, group: 'B', name: 'x.syx' }, { to: 'W' }]) {
    for (const bytes of [files['demo23.syx'], files['demo23.syx'].slice(0, 3)]) {
      assert.deepEqual(await worker.convert(bytes, options), vornak.convert(bytes, options));
    }
  }
  await assert.rejects(worker.convert(files['demo23.syx'], { to: 'x' }), TypeError);
  await assert.rejects(worker.convert(files['demo23.syx'], { to: 'S', first: 2, last: 1 }), TypeError);
  worker.dispose();
});

test('names and paths that the tool\'s system refuses, and names like its temporary files, are answered as the tool answers them', () => {
  const syx = exampleFiles()['demo23.syx'];
  const files = { 'in.syx': syx, 'sub/x': syx };
  // Names too long for a file or a path; exports onto the input and reads
  // through it as if it were a folder; the run's own files named as the
  // temporary files of exports are (natively, the process id differs).
  const taken = { 'bank.syx': syx };
  for (let i = 0; i < 100; i++) taken[`.vornak-42-${i}.tmp`] = syx;
  const cases = [[`/S${'x'.repeat(300)}`, 'in.syx'], [`/S${'d/'.repeat(2100)}x`, 'in.syx'], ['x'.repeat(300)],
    ['/Sin.syx/', 'in.syx'], ['/Sin.syx/../out.syx', 'in.syx'], ['/Smissing/../out.syx', 'in.syx'], ['in.syx/'], ['sub/./x']];
  for (const args of cases) agree(args, files, args.join(' ').slice(0, 50));
  agree(['/Sbank.syx', 'bank.syx'], taken);
  agree(['/Wout.crv', 'bank.syx'], taken);
  // A name of 16 MiB is refused as one of 300 characters is (the tool's
  // system would not even start the tool with such an argument).
  const long = vornak.run([`/S${'x'.repeat(2 ** 24)}`, 'in.syx'], files);
  assert.deepEqual([long.exitCode, Object.keys(long.files)], [1, []]);
});

test('a failure of the engine or of its worker is a VornakError with its code', async () => {
  // A failure inside the engine (here: bytes that cannot say their length)
  // stops it for good.
  class Unviewable extends Uint8Array {
    get length() {
      throw new Error('no length');
    }
  }
  const engine = await createVornak();
  let stopped;
  try {
    engine.run(['in.syx'], { 'in.syx': Unviewable.from(exampleFiles()['demo23.syx']) });
  } catch (error) {
    stopped = error;
  }
  assert.ok(stopped instanceof VornakError && stopped.code === 'stopped', String(stopped));
  assert.throws(() => engine.formats(), (error) => error === stopped);
  // Text longer than a string may be (the bytes are never touched).
  assert.throws(() => bytesToText(new Uint8Array(2 ** 30)),
    (error) => error instanceof RangeError && error instanceof VornakError && error.code === 'too-large');
  // A worker that fails as it starts, and one that does not serve the engine.
  const failing = new Worker('throw new Error("not the engine")', { eval: true });
  await assert.rejects(createVornakWorker({ worker: failing }), (error) => error.code === 'worker-failed' && /not the engine/.test(error.message));
  const deaf = new Worker("require('worker_threads').parentPort.on('message', () => {})", { eval: true });
  await assert.rejects(createVornakWorker({ worker: deaf, startTimeout: 200 }), (error) => error.code === 'worker-timeout');
});

test('transfer: true hands the bytes over to the worker: the caller\'s buffers are detached, the answers the same', async () => {
  const files = exampleFiles();
  const worker = await createVornakWorker({ transfer: true });
  const syx = files['demo23.syx'];
  const given = () => syx.slice();
  // A view of a part of a buffer goes as a copy: the rest of it stays the caller's.
  const larger = new Uint8Array(syx.length + 10);
  larger.set(syx, 10);
  const inputs = [given(), given(), given(), given(), larger.subarray(10)];
  const asked = [
    [(e, b) => e.run(['/Oout.fxb', 'in.syx'], { 'in.syx': b }), given],
    [(e, b) => e.describe('in.syx', b, { model: '2.2' }), given],
    [(e, b) => e.convert(b, { to: 'W' }), given],
    [(e, b) => e.compose({ banks: { a: b }, programs: [{ bank: 'a', program: 3 }], format: 'N' }), given],
    [(e, b) => e.convert(b, { to: 'A', first: 5 }), given],
  ];
  for (const [i, [call, fresh]] of asked.entries()) {
    assert.deepEqual(await call(worker, inputs[i]), call(vornak, fresh()), String(call));
  }
  assert.deepEqual(inputs.map((b) => b.byteLength), [0, 0, 0, 0, syx.length]);
  assert.equal(larger.byteLength, syx.length + 10);
  worker.dispose();
});

test('similar finds the nearest sounds by the engine\'s distance, the same in a worker, and reads a list once', async () => {
  const files = exampleFiles();
  const sounds = [];
  for (const name of ['demo23.syx', 'demo23-o.fxb', 'demo23.crv']) sounds.push(...vornak.describe(name, files[name], { parameters: false, conversions: false }).sounds);
  const target = sounds[5];
  const near = vornak.similar(target, sounds, { count: 4 });
  assert.equal(near.length, 4);
  assert.ok(near.every((n) => sounds[n.index] !== target && n.distance > 0), 'the same sound is not its own neighbour');
  assert.deepEqual(near.map((n) => n.distance), near.map((n) => n.distance).sort((a, b) => a - b));
  assert.deepEqual(vornak.similar(target, sounds.slice(), { count: 4 }), near, 'an equal list searched again');
  const other = sounds.slice(0, 20);
  assert.ok(vornak.similar(target, other).every((n) => n.index < 20), 'a new list is read anew');
  assert.throws(() => vornak.similar(target, ['a\nb']), TypeError);
  // One text of the sounds, a line each, finds what the list finds.
  const text = sounds.join('\n');
  assert.deepEqual(vornak.similar(target, text, { count: 4 }), near);
  assert.deepEqual(vornak.similar(target, `${text}\n`, { count: 4 }), near, 'a line break at the end');
  // A line that is no sound, in characters beyond ASCII, stands in its
  // place: every other sound is read whole (all of them asked for).
  const few = sounds.slice(1, 30);
  const all = vornak.similar(target, ['x', ...few], { count: 29 });
  assert.equal(all.length, few.length - few.filter((s) => s === target).length);
  assert.deepEqual(vornak.similar(target, ['é€ ±', ...few].join('\n'), { count: 29 }), all);
  assert.throws(() => vornak.similar(target, 5), TypeError);
  const worker = await createVornakWorker();
  try {
    assert.deepEqual(await worker.similar(target, sounds, { count: 4 }), near);
    assert.deepEqual(await worker.similar(target, sounds, { count: 4 }), near, 'the list kept by the worker');
    assert.deepEqual(await worker.similar(sounds[7], text), vornak.similar(sounds[7], sounds));
    assert.deepEqual(await worker.similar(sounds[7], text), vornak.similar(sounds[7], sounds), 'the text kept by the worker');
    assert.deepEqual(await worker.similar(sounds[7], other), vornak.similar(sounds[7], other));
  } finally {
    worker.dispose();
  }
});

test('convert with names writes what the tool writes, but for the names given', () => {
  const dump = exampleFiles()['demo23.syx'];
  for (const to of ['O', 'W', 'S']) {
    const plain = vornak.convert(dump, { to });
    assert.ok(sameBytes(vornak.convert(dump, { to, names: [] }).bytes, plain.bytes), `${to}: no names, the tool's bytes`);
    const named = vornak.convert(dump, { to, names: ['Solar Brass 37', null, 'Pad'] });
    const back = vornak.describe('back', named.bytes, { parameters: false, conversions: false });
    const kept = vornak.formats().find((f) => f.letter === to).names;
    assert.deepEqual(back.names.slice(0, 3), kept ? ['Solar Brass 37', 'PPG Program 001', 'Pad'] : ['PPG Program 000', 'PPG Program 001', 'PPG Program 002']);
    // What the file keeps is said of the bank as renamed.
    assert.equal(named.keeps.names, kept, to);
    assert.equal(/program names are not kept/.test(named.keeps.text), !kept, named.keeps.text);
  }
  const long = vornak.convert(dump, { to: 'O', names: ['x'.repeat(28)] });
  assert.equal(long.ok, false);
  assert.match(long.message, /28 characters long/);
});

test('listing is the tool\'s listing, and the formats say what their files do not hold', () => {
  const files = exampleFiles();
  const listed = vornak.listing('-demo23.syx', files['demo23.syx'], { model: '2.2', first: 3, last: 4 });
  const native = runNative(['/P3-4', '/2.2', './-demo23.syx'], { '-demo23.syx': files['demo23.syx'] });
  assert.equal(listed.ok, true);
  assert.ok(sameBytes(textToBytes(listed.text), native.stdoutBytes));
  const unknown = vornak.listing('x', new Uint8Array(3));
  assert.deepEqual([unknown.exitCode, unknown.text], [6, bytesToText(runNative(['x'], { x: new Uint8Array(3) }).stdoutBytes)]);
  const formats = Object.fromEntries(vornak.formats().map((f) => [f.letter, f]));
  assert.deepEqual([formats.O.groups, formats.O.valuesNotHeld], [1, ['KEYB-SPLIT']]);
  assert.deepEqual([formats.S.groups, formats.S.valuesNotHeld], [2, ['TTUNE']]);
  assert.deepEqual(formats.W.valuesNotHeld, []);
  assert.equal(vornak.describe('d', files['demo23.syx'], { parameters: false, conversions: false }).holdsNames, false);
  assert.equal(vornak.describe('c', files['demo23.crv'], { parameters: false, conversions: false }).holdsNames, true);
  // How far a bank can be trusted: a dump cut at 5,000 bytes holds programs 0 to 47 whole.
  const facts = (bytes) => {
    const d = vornak.describe('d', bytes, { parameters: false, conversions: false });
    return [d.damage, d.untrusted];
  };
  assert.deepEqual(facts(files['demo23.syx']), ['', []]);
  assert.deepEqual(facts(files['demo23.syx'].subarray(0, 5000)), ['cut', Array.from({ length: 52 }, (_, i) => 48 + i)]);
});

test('a worker takes a pooled Buffer without its pool, keeps inputs above its limit, and starts from any node module', async () => {
  const syx = exampleFiles()['demo23.syx'];
  const worker = await createVornakWorker({ transfer: true, inputLimit: 5000 });
  // A small node Buffer is a view of a pool that other Buffers share: handed
  // over, it goes as a copy, and the pool stays the caller's.
  const pooled = Buffer.from(syx.subarray(0, 3000));
  const neighbour = Buffer.from('neighbour');
  assert.deepEqual(await worker.convert(pooled, { to: 'W' }), vornak.convert(syx.subarray(0, 3000), { to: 'W' }));
  assert.deepEqual([pooled.length, neighbour.toString()], [3000, 'neighbour']);
  // An input above the limit is answered by its length alone: its bytes do
  // not go to the worker (they are not even handed over).
  const above = syx.slice();
  const described = await worker.describe('big.syx', above);
  const ran = await worker.run(['big.syx'], { 'big.syx': above });
  assert.deepEqual([described.reason, ran.exitCode, toolMessage(ran.stdout), above.byteLength], ['too-large', 2, 'Error allocating buffer', syx.length]);
  worker.dispose();
  // A worker of its own, from a program run as an ES module by node -e.
  const module = new URL('../../web/engine/node.js', import.meta.url).href;
  const script = `import { createVornakWorker } from '${module}'; const w = await createVornakWorker(); console.log((await w.formats()).length); w.dispose();`;
  const started = spawnSync(process.execPath, ['--input-type=module', '-e', script], { encoding: 'utf8' });
  assert.equal(started.stdout, '8\n', started.stderr);
});
