// The engine module under node against the native tool: the same exit codes,
// the same output byte for byte and the same files, run after run on one
// engine.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak } from '../../web/vornak.mjs';
import { corpusFiles, exampleFiles, exportSwitches, random, randomBankFiles, runNative, sameBytes } from './support.mjs';

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
  assert.deepEqual([bad.exitCode, bad.message], [3, "Can't load .fxb file"]);
});
