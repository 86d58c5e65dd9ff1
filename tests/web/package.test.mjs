// The engine as a package that another project installs: packed by npm,
// installed in a folder of its own, a program using it checked by
// tsc --strict, then run by node (imported, and required from CommonJS),
// bundled by esbuild for node and for browsers, and loaded as it is by a
// page's <script type=module>, in Chromium under the Content-Security-Policy
// the README asks for; the README's worker recipes run as written. Every run
// must answer what the native tool answers.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { after, test } from 'node:test';

import { createVornak, textToBytes } from '../../web/engine/module.js';
import { exportSwitches, launchChromium, root, runNative, sameBytes, tempDir } from './support.mjs';

const run = (command, args, cwd) => execFileSync(command, args, { cwd, encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
const tool = (name) => join(root, 'node_modules', name);

// The program: every export and type in use, and mistakes the types must
// catch (an @ts-expect-error that catches nothing fails the check).
const program = {
  'main.ts': `
import createVornak, { bytesToText, createVornakWorker, textToBytes, version, VornakError } from 'vornak';
import type { Vornak, VornakComposeResult, VornakConvertResult, VornakDescription, VornakErrorCode, VornakFormat, VornakRunResult, VornakWorker } from 'vornak';
import { version as versionAlone } from 'vornak/version';
import { createVornakWorker as startFromFile, VornakError as ClientError } from 'vornak/client';

// The client has the module's types for what it shares with it.
export const client: { start: typeof createVornakWorker; error: typeof VornakError } = { start: startFromFile, error: ClientError };

// A bank of 100 programs: a memory image of zero bytes; and the same with
// one byte more, which the tool notes.
const bank = new Uint8Array(5120);
const longer = new Uint8Array(5121);

export async function check() {
  const vornak: Vornak = await createVornak({ inputLimit: 1 << 20 });
  const listed: VornakRunResult = vornak.run(['bank.bin'], { 'bank.bin': bank });
  const converted = vornak.run(['/Oout.fxb', 'bank.bin'], new Map([['bank.bin', bank]]));
  const described: VornakDescription = vornak.describe('bank.bin', bank.buffer, { model: '2.2', parameters: [1], first: 0, last: 9, group: 'B' });
  if (!described.ok) throw new Error(described.reason);
  const formats: VornakFormat[] = vornak.formats();
  const asFxb: VornakConvertResult = vornak.convert(longer, { to: 'o', first: 0, last: 9, group: 'B', model: '2.2', name: 'bank.bin' });
  const built: VornakComposeResult = vornak.compose({ banks: { 'bank.bin': bank }, programs: [{ bank: 'bank.bin', program: 1, name: 'One', set: { a: { 'P:3': 2 } } }, null], format: 'W' });
  const tuning: number = described.parameters[0].program[described.parameterLabels.program.indexOf('TTUNE')];
  const again = built.ok ? vornak.describe('built.crv', built.bytes, { parameters: false, conversions: false }) : null;
  const builtNames = again?.exitCode === 0 ? again.names : built.message;
  // A name that stands for no byte is refused in words, a reason the types name.
  const unnamed = vornak.convert(bank, { to: 'O', names: ['\u20ad'] });
  const refusedName = unnamed.ok ? '' : unnamed.reason === 'bad-request' ? unnamed.message : unnamed.reason;
  const failed = vornak.describe('bank.bin', bank.subarray(0, 3));
  const reason = failed.ok ? '' : failed.reason;
  let code: VornakErrorCode | '' = '';
  vornak.dispose();
  try {
    vornak.formats();
  } catch (error) {
    if (error instanceof VornakError) code = error.code;
  }
  const worker: VornakWorker = await createVornakWorker();
  const inWorker = await worker.run(['/Oout.fxb', 'bank.bin'], { 'bank.bin': bank });
  const convertedInWorker = await worker.convert(longer, { to: 'O', first: 0, last: 9, group: 'B', model: 2 });
  worker.dispose();
  const all = Uint8Array.from({ length: 256 }, (_, i) => i);
  return {
    version,
    versionAlone,
    listing: listed.stdout,
    exitCodes: [listed.exitCode, converted.exitCode, inWorker.exitCode, asFxb.exitCode, built.exitCode],
    described: [described.format, described.model, described.programs],
    parameters: described.parameters.map((p) => [p.number, p.program.length === described.parameterLabels.program.length,
      p.a.length === described.parameterLabels.group.length, p.b.length === described.parameterLabels.group.length]),
    sounds: new Set(described.sounds).size,
    conversions: described.conversions?.map((c) => c.letter + c.programs),
    formats: formats.map((f) => f.letter + f.extension),
    convertedFile: asFxb.exitCode === 0 ? [asFxb.fileName, asFxb.notes.map((n) => n.code), asFxb.keeps.programs] : asFxb.explanation,
    convertedBytes: Array.from(asFxb.bytes ?? []),
    convertedInWorker: [convertedInWorker.ok ? convertedInWorker.fileName : '', Array.from(convertedInWorker.bytes ?? [])],
    failures: [reason, code],
    refusedName,
    builtNames,
    converted: Array.from(converted.files['out.fxb'] ?? []),
    inWorker: Array.from(inWorker.files['out.fxb'] ?? []),
    textGivesItsBytes: textToBytes(bytesToText(all)).every((b, i) => b === i),
    tuning,
    builtSounds: built.ok ? built.sounds.length : 0,
    errorName: VornakError.name,
  };
}

export function misuse(vornak: Vornak, worker: VornakWorker): void {
  // @ts-expect-error: the model is '2.2' or '2.3'
  vornak.describe('bank.bin', bank, { model: '2.4' });
  // @ts-expect-error: the command line is an array of strings
  vornak.run('bank.bin');
  // @ts-expect-error: files are bytes
  vornak.run(['bank.bin'], { 'bank.bin': 'text' });
  // @ts-expect-error: an engine in a worker answers promises
  const code: number = worker.run([]).exitCode;
  // @ts-expect-error: a format is named by its switch letter
  vornak.convert(bank, { to: 'syx' });
  // @ts-expect-error: the model is '2.2' or '2.3'
  vornak.convert(bank, { to: 'S', model: '2.4' });
  // @ts-expect-error: the group is 'A' or 'B'
  vornak.convert(bank, { to: 'O', group: 'b' });
  // @ts-expect-error: a conversion that failed has no file name
  const name: string = vornak.convert(bank, { to: 'S' }).fileName;
  // @ts-expect-error: a slot names its bank
  vornak.compose({ banks: {}, programs: [{ program: 1 }] });
  // @ts-expect-error: a file that did not load has no programs
  const programs: number = vornak.describe('bank.bin', bank).programs;
  // @ts-expect-error: options take only their own keys
  vornak.describe('bank.bin', bank, { frist: 0 });
  // @ts-expect-error: a failed build has no report
  const report = vornak.compose({ banks: {}, programs: [null] }).report;
  // @ts-expect-error: there is no such model
  if (vornak.describe('bank.bin', bank).model === '2.4') void report;
  // @ts-expect-error: transfer is true or false
  void createVornakWorker({ transfer: 'yes' });
  // @ts-expect-error: no value of a group is labelled P:33
  vornak.compose({ banks: {}, programs: [{ bank: 'a', program: 0, set: { a: { 'P:33': 1 } } }] });
  // @ts-expect-error: a program's own values are not a group's
  vornak.compose({ banks: {}, programs: [{ bank: 'a', program: 0, set: { program: { 'P:3': 1 } } }] });
  void code;
  void name;
  void programs;
}

// Each error code narrows as the engine answers them.
export function codeOf(error: unknown): VornakErrorCode | 'other' {
  // @ts-expect-error: there is no such code
  if (error instanceof VornakError && error.code === 'disposd') return 'other';
  return error instanceof VornakError ? error.code : 'other';
}
`,
  'node.ts': `
import { check } from './main.js';
declare const console: { log(text: string): void };
check().then((report) => console.log(JSON.stringify(report)));
`,
  // The browser's own windows-1252 decoder is the reference for the table.
  'browser.ts': `
import { bytesToText } from 'vornak';
import { check } from './main.js';
declare class TextDecoder { constructor(label: string); decode(bytes: Uint8Array): string }
const all = Uint8Array.from({ length: 256 }, (_, i) => i);
const page = globalThis as { vornakReport?: unknown };
check().then(
  (report) => { page.vornakReport = { ...report, decoderAgrees: new TextDecoder('windows-1252').decode(all) === bytesToText(all) }; },
  (error: unknown) => { page.vornakReport = { error: String(error) }; },
);
`,
  // CommonJS, on the node versions that the package states.
  'required.cjs': `
const { createVornak, version, VornakError } = require('vornak');
createVornak().then((vornak) => {
  const listed = vornak.run(['bank.bin'], { 'bank.bin': new Uint8Array(5120) });
  vornak.dispose();
  console.log(JSON.stringify({ version, exitCode: listed.exitCode, error: typeof VornakError }));
});
`,
  // Only the version, from the module and from its own entry.
  'version.js': "import { version } from 'vornak'; console.log(version);",
  'version-alone.js': "import { version } from 'vornak/version'; console.log(version);",
  'tsconfig.json': JSON.stringify({
    compilerOptions: { strict: true, module: 'nodenext', target: 'es2022', lib: ['es2022'], types: [] },
    files: ['main.ts', 'node.ts', 'browser.ts'],
  }),
  'package.json': JSON.stringify({ name: 'uses-vornak', private: true, type: 'module' }),
};

const dir = tempDir();
const project = join(dir, 'project');
let browser;

after(async () => {
  await browser?.close();
  rmSync(dir, { recursive: true, force: true });
});

const expectedVersion = () => /project\(vornak VERSION ([\d.]+)/.exec(readFileSync(join(root, 'CMakeLists.txt'), 'utf8'))[1];

// What every run of the program must report.
function expectReport(report, where) {
  const bank = new Uint8Array(5120);
  const listed = runNative(['bank.bin'], { 'bank.bin': bank });
  const converted = runNative(['/Oout.fxb', 'bank.bin'], { 'bank.bin': bank }).files['out.fxb'];
  const longer = runNative(['/Oout.fxb', '/P0-9', '/GB', '/2.2', 'bank.bin'], { 'bank.bin': new Uint8Array(5121) }).files['out.fxb'];
  const version = expectedVersion();
  assert.equal(report.error, undefined, where);
  assert.equal(report.version, version, where);
  assert.ok(sameBytes(textToBytes(report.listing), listed.stdoutBytes), `${where}: listing`);
  assert.deepEqual(report.exitCodes, [0, 0, 0, 0, 0], where);
  assert.deepEqual(report.described, ['PPG memory image', '2.2', 100], where);
  assert.deepEqual(report.parameters, [[1, true, true, true]], `${where}: parameters`);
  assert.equal(report.sounds, 1, `${where}: the programs of a zero image all sound alike`);
  // Programs 0 to 9, or the whole bank where the format takes no range.
  assert.deepEqual(report.conversions, Object.keys(exportSwitches).map((l) => l + (l === 'W' ? 100 : 10)), where);
  assert.deepEqual(report.formats, Object.entries(exportSwitches).map(([l, e]) => l + e), where);
  assert.deepEqual(report.convertedFile, ['bank.fxb', ['bare-image', 'trailing-bytes'], 10], where);
  assert.ok(sameBytes(report.convertedBytes, longer), `${where}: convert`);
  assert.equal(report.convertedInWorker[0], 'bank.fxb', where);
  assert.ok(sameBytes(report.convertedInWorker[1], longer), `${where}: convert in a worker`);
  assert.deepEqual(report.builtNames, ['One', 'Basic'], `${where}: compose`);
  assert.ok(sameBytes(report.converted, converted), `${where}: conversion`);
  assert.ok(sameBytes(report.inWorker, converted), `${where}: conversion in a worker`);
  assert.equal(report.textGivesItsBytes, true, where);
  assert.equal(report.versionAlone, version, where);
  assert.deepEqual(report.failures, ['unknown-format', 'disposed'], where);
  assert.deepEqual([report.tuning, report.builtSounds, report.errorName], [440, 2, 'VornakError'], where);
  assert.match(report.refusedName, /a name cannot hold/, where);
}

test('npm pack gives the module, its workers, types, licence and the documents the README links, which another folder installs', () => {
  const [packed] = JSON.parse(run('npm', ['pack', '--json', '--pack-destination', dir], root));
  const paths = packed.files.map((f) => f.path).sort();
  assert.deepEqual(paths, ['LICENSE', 'README.md', 'docs/api.md', 'docs/formats.md', 'docs/fuzzing.md', 'docs/midi.md',
    'docs/performance.md', 'docs/values.md', 'package.json', 'web/vornak-client.d.ts', 'web/vornak-client.mjs', 'web/vornak-node.mjs',
    'web/vornak-version.d.ts', 'web/vornak-version.mjs', 'web/vornak-worker-node.mjs', 'web/vornak-worker.mjs', 'web/vornak.d.ts',
    'web/vornak.mjs', 'web/vornak.wasm']);
  const links = [...readFileSync(join(root, 'README.md'), 'utf8').matchAll(/\]\(([^)#:]+)\)/g)].map((m) => m[1]);
  assert.ok(links.length > 0);
  for (const link of links) assert.ok(paths.includes(link), `the README links ${link}, which the package lacks`);
  mkdirSync(project);
  for (const [name, text] of Object.entries(program)) writeFileSync(join(project, name), text);
  run('npm', ['install', '--offline', '--no-audit', '--no-fund', '--loglevel=error', join(dir, packed.filename)], project);
  const installed = JSON.parse(readFileSync(join(project, 'node_modules/vornak/package.json'), 'utf8'));
  assert.equal(installed.license, 'MIT');
});

test('tsc --strict accepts the program and catches its mistakes; node runs it, and requires the package from CommonJS', () => {
  run(process.execPath, [tool('typescript/bin/tsc'), '-p', project], project);
  expectReport(JSON.parse(run(process.execPath, ['node.js'], project)), 'node');
  const engines = JSON.parse(readFileSync(join(root, 'package.json'), 'utf8')).engines.node;
  const [major, minor] = process.versions.node.split('.').map(Number);
  assert.ok(engines === '^20.19.0 || >=22.12.0' && ((major === 20 && minor >= 19) || major >= 22 && (major > 22 || minor >= 12)),
    `node ${process.version} is not among the versions stated (${engines})`);
  const required = JSON.parse(run(process.execPath, ['required.cjs'], project));
  assert.deepEqual(required, { version: expectedVersion(), exitCode: 0, error: 'function' });
});

// The README's code block that begins with this comment, as it is written.
function recipe(firstLine) {
  const blocks = [...readFileSync(join(root, 'README.md'), 'utf8').matchAll(/```js\n([\s\S]*?)```/g)].map((m) => m[1]);
  const found = blocks.filter((block) => block.startsWith(firstLine));
  assert.equal(found.length, 1, firstLine);
  return found[0];
}

// What the recipes print for the demo bank as bank.syx.
const demo = readFileSync(join(root, 'examples/demo23.syx'));
async function recipeLine() {
  const vornak = await createVornak();
  const converted = vornak.convert(demo, { to: 'O', name: 'bank.syx' });
  vornak.dispose();
  return `${converted.fileName}: ${converted.keeps.text}`;
}

test('the README\'s worker recipe for node runs as written', async () => {
  writeFileSync(join(project, 'recipe.mjs'), recipe('// node: the engine in a worker thread'));
  writeFileSync(join(project, 'bank.syx'), demo);
  assert.equal(run(process.execPath, ['recipe.mjs'], project), `${await recipeLine()}\n`);
});

test('esbuild bundles it for node and for browsers without a warning, and node runs its bundle', () => {
  for (const [platform, outfile] of [['node', 'node-bundle.cjs'], ['browser', 'browser-bundle.js']]) {
    const bundled = spawnSync(tool('.bin/esbuild'), [`${platform}.js`, '--bundle', `--platform=${platform}`, `--outfile=${outfile}`, '--log-level=warning'],
      { cwd: project, encoding: 'utf8' });
    assert.equal(bundled.status, 0, bundled.stderr);
    assert.equal(bundled.stderr, '', platform);
  }
  assert.doesNotMatch(readFileSync(join(project, 'browser-bundle.js'), 'utf8'), /["']node:/);
  expectReport(JSON.parse(run(process.execPath, ['node-bundle.cjs'], project)), 'node bundle');
  // A page that runs the engine in a worker bundles the client alone.
  writeFileSync(join(project, 'client.js'), "import { createVornakWorker } from 'vornak/client'; globalThis.start = createVornakWorker;");
  const client = run(tool('.bin/esbuild'), ['client.js', '--bundle', '--platform=browser', '--minify', '--log-level=warning'], project);
  assert.ok(gzipSync(client).length < 30 * 1024 && !/WebAssembly\.(compile|instantiate)/.test(client), `the client: ${gzipSync(client).length} bytes gzipped`);
  // The version costs a bundle nothing, from the module or from its own entry.
  for (const entry of ['version.js', 'version-alone.js']) {
    const bundled = run(tool('.bin/esbuild'), [entry, '--bundle', '--platform=browser', '--minify', '--log-level=warning'], project);
    assert.ok(bundled.length < 200 && bundled.includes(`"${expectedVersion()}"`), `${entry}: ${bundled.length} bytes`);
  }
});

test('a page runs the browser bundle, and the module as it is, under a strict Content-Security-Policy', async () => {
  browser = await launchChromium();
  const context = await browser.newContext();
  const origin = 'http://vornak.test';
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript' };
  const pages = {
    '/bundle.html': '<!doctype html><title>bundle</title><script src="/browser-bundle.js"></script>',
    '/module.html': '<!doctype html><title>module</title><script type="module" src="/browser.js"></script>',
  };
  await context.route(`${origin}/**`, (route) => {
    const path = new URL(route.request().url()).pathname;
    let body = pages[path] ?? readFileSync(join(project, path));
    // A plain module script has no bare names: it imports the package's file.
    if (path === '/main.js' || path === '/browser.js') {
      body = String(body).replaceAll("from 'vornak'", "from '/node_modules/vornak/web/vornak.mjs'")
        .replaceAll("from 'vornak/version'", "from '/node_modules/vornak/web/vornak-version.mjs'")
        .replaceAll("from 'vornak/client'", "from '/node_modules/vornak/web/vornak-client.mjs'");
    }
    route.fulfill({
      body,
      contentType: types[extname(path)],
      headers: { 'Content-Security-Policy': "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; worker-src blob:" },
    });
  });
  for (const path of Object.keys(pages)) {
    const page = await context.newPage();
    const refused = [];
    page.on('console', (message) => message.type() === 'error' && refused.push(message.text()));
    await page.goto(origin + path);
    const report = await (await page.waitForFunction(() => globalThis.vornakReport, null, { timeout: 30_000 })).jsonValue();
    expectReport(report, path);
    assert.equal(report.decoderAgrees, true, `${path}: the text table is the browser's windows-1252`);
    assert.deepEqual(refused, [], path);
    await page.close();
  }
});

test('in Chromium, the README\'s page recipe runs as written with the worker file, a worker the page ends fails its calls, and a policy that forbids WebAssembly or blob: workers gives its code', async () => {
  browser ??= await launchChromium();
  const context = await browser.newContext();
  const origin = 'http://recipe.test';
  const policies = {
    '/recipe.html': "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; worker-src 'self'",
    '/no-wasm.html': "default-src 'none'; script-src 'self'; worker-src blob:",
    '/no-blob.html': "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; worker-src 'self'",
    '/ended.html': "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; worker-src 'self'; connect-src 'self'",
  };
  const probe = '<!doctype html><title>probe</title><script type="module" src="/probe.js"></script>';
  const bodies = {
    '/recipe.html': '<!doctype html><title>recipe</title><input type="file"><output></output><script type="module" src="/app.js"></script>',
    '/no-wasm.html': probe,
    '/no-blob.html': probe,
    '/ended.html': '<!doctype html><title>ended</title><script type="module" src="/ended.js"></script>',
    '/app.js': recipe('// A page: the engine in a worker'),
    // A worker the page ends itself (as a component's clean-up or a reload of
    // its module does), and the WebAssembly fetched as a file of its own.
    '/ended.js': `import { createVornak } from '/vornak/vornak.mjs';
import { createVornakWorker } from '/vornak/vornak-client.mjs';
const codeOf = (call) => call.then(() => 'none', (error) => error.code);
const worker = new Worker('/vornak/vornak-worker.mjs', { type: 'module' });
const engine = await createVornakWorker({ worker });
const pending = codeOf(engine.describe('bank.bin', new Uint8Array(5120)));
worker.terminate();
const streamed = await createVornak({ wasm: '/vornak/vornak.wasm' });
globalThis.vornakCodes = [...await Promise.all([pending, codeOf(engine.formats()), codeOf(engine.describe('bank.bin', new Uint8Array(5120)))]),
  streamed.describe('bank.bin', new Uint8Array(5120)).format];`,
    '/probe.js': `import { createVornak, createVornakWorker } from '/vornak/vornak.mjs';
const codeOf = (made) => made.then((engine) => { engine.dispose(); return 'none'; }, (error) => error.code);
Promise.all([codeOf(createVornak()), codeOf(createVornakWorker())]).then((codes) => { globalThis.vornakCodes = codes; });`,
  };
  await context.route(`${origin}/**`, (route) => {
    const path = new URL(route.request().url()).pathname;
    route.fulfill({
      body: bodies[path] ?? readFileSync(join(project, 'node_modules/vornak/web', path.replace(/^\/vornak\//, ''))),
      contentType: path.endsWith('.html') ? 'text/html' : path.endsWith('.wasm') ? 'application/wasm' : 'text/javascript',
      headers: { 'Content-Security-Policy': policies[path] ?? policies['/recipe.html'] },
    });
  });
  const page = await context.newPage();
  const refused = [];
  page.on('console', (message) => message.type() === 'error' && refused.push(message.text()));
  await page.goto(`${origin}/recipe.html`);
  await page.locator('input').setInputFiles({ name: 'bank.syx', mimeType: 'application/octet-stream', buffer: demo });
  await page.waitForFunction(() => document.querySelector('output').textContent !== '', null, { timeout: 30_000 });
  assert.equal(await page.locator('output').textContent(), await recipeLine());
  assert.deepEqual(refused, []);
  for (const [path, codes] of [['/no-wasm.html', ['wasm-blocked', 'wasm-blocked']], ['/no-blob.html', ['none', 'worker-failed']],
    ['/ended.html', ['worker-failed', 'worker-failed', 'worker-failed', 'PPG memory image']]]) {
    await page.goto(origin + path);
    assert.deepEqual(await (await page.waitForFunction(() => globalThis.vornakCodes, null, { timeout: 30_000 })).jsonValue(), codes, path);
  }
  await context.close();
});
