// Shared by the web tests: the native tool to compare with, the shipped
// example banks, the corpus of real banks, and random banks in every format.
import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';

import { makeOutputs } from '../../web/build.mjs';
import { launchChromium as launch } from '../../scripts/chromium.mjs';


export const root = new URL('../../', import.meta.url).pathname;
export const nativeTool = process.env.VORNAK_BINARY || join(root, 'build/vornak');
export const corpusDir = join(root, '../shared/corpus');

// Export switches with the extension each output gets.
export const exportSwitches = { S: '.syx', A: '.usr', B: '.usr', F: '.fxb', N: '.fxb', O: '.fxb', M: '.fxb', W: '.crv' };

if (!existsSync(nativeTool)) throw new Error(`${nativeTool} is missing: build the tool first (cmake --build build)`);

export function tempDir() {
  return mkdtempSync(join(tmpdir(), 'vornak-web-'));
}

// Runs the native tool in a fresh folder that holds the input files, as the
// engine runs; answers what the engine's run answers: exit code, standard
// output and the files the run wrote (new ones, and inputs replaced or
// changed).
export function runNative(args, files = {}) {
  const dir = tempDir();
  try {
    const inputs = new Map();
    for (const [name, bytes] of Object.entries(files)) {
      mkdirSync(dirname(join(dir, name)), { recursive: true });
      writeFileSync(join(dir, name), bytes);
      inputs.set(name, statSync(join(dir, name)).ino);
    }
    const run = spawnSync(nativeTool, args, { cwd: dir, maxBuffer: 1 << 30 });
    if (run.error) throw run.error;
    const written = {};
    for (const name of readdirSync(dir)) {
      if (statSync(join(dir, name)).isDirectory()) continue;
      const bytes = readFileSync(join(dir, name));
      const replaced = inputs.get(name) !== statSync(join(dir, name)).ino;
      if (replaced || !bytes.equals(Buffer.from(files[name]))) {
        Object.defineProperty(written, name, { value: new Uint8Array(bytes), enumerable: true });
      }
    }
    return { exitCode: run.status, stdoutBytes: new Uint8Array(run.stdout), files: written };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// The example banks that ship with the project, and the real banks of the
// corpus when it is there: name to bytes.
export function exampleFiles() {
  const dir = join(root, 'examples');
  return Object.fromEntries(readdirSync(dir).sort().map((name) => [name, new Uint8Array(readFileSync(join(dir, name)))]));
}

export function corpusFiles() {
  if (!existsSync(corpusDir)) return {};
  const files = {};
  for (const sub of readdirSync(corpusDir, { withFileTypes: true })) {
    if (!sub.isDirectory()) continue;
    for (const name of readdirSync(join(corpusDir, sub.name)).sort()) {
      files[name] = new Uint8Array(readFileSync(join(corpusDir, sub.name, name)));
    }
  }
  return files;
}

// A small deterministic generator, so that a failure can be repeated.
export function random(seed) {
  let state = seed >>> 0 || 1;
  const next = () => {
    state ^= state << 13;
    state ^= state >>> 17;
    state ^= state << 5;
    return (state >>> 0) / 2 ** 32;
  };
  next.int = (n) => Math.floor(next() * n);
  next.bytes = (n) => Uint8Array.from({ length: n }, () => next.int(256));
  next.pick = (list) => list[next.int(list.length)];
  return next;
}

// A random 5120-byte memory image, with some combi slots marked in use or
// none, and the same bank written by the native tool in every format it
// writes: name to bytes.
export function randomBankFiles(rng, stem) {
  const image = rng.bytes(5120);
  const combis = rng.int(3) === 0 ? 0 : 1 + rng.int(20);
  for (let i = 0; i < 20; i++) image[4480 + 32 * i + 31] = i < combis ? 0x55 : rng.int(0x55);
  const files = { [`${stem}.bin`]: image };
  for (const [letter, extension] of Object.entries(exportSwitches)) {
    const name = `${stem}-${letter.toLowerCase()}${extension}`;
    const run = runNative([`/${letter}${name}`, `${stem}.bin`], { [`${stem}.bin`]: image });
    if (run.exitCode !== 0) throw new Error(`native export /${letter} failed`);
    files[name] = run.files[name];
  }
  return files;
}

export function sameBytes(a, b) {
  return Buffer.from(a).equals(Buffer.from(b));
}

// The numbers of a program's block in the tool's listing, for group A (0)
// or B (1): labelled ones by label, the P: and GR: columns by position.
export function listedValues(listing, program, group) {
  const lines = listing.split('\n');
  const at = lines.findIndex((line) => line.startsWith(`PROG:${String(program).padEnd(3)}WAVETABLE`));
  const block = lines.slice(at, at + 12).map((line) => line.split(/ {4}(?=PROG|GROUP|P:|GR:)/)[group] || line);
  const values = {};
  for (const line of block) {
    for (const [, label, value] of line.matchAll(/\b([A-Z][A-Z-]+):? *(-?\d+)/g)) if (!(label in values)) values[label] = value;
    const columns = /^(P|GR):(?:\d+ *|[ab] )(.*)$/.exec(line);
    if (columns) columns[2].match(/-?\d+/g).forEach((v, i) => { values[`${columns[1]}:${i + 1}`] = v; });
    const semit = /SEMIT:(.*)$/.exec(line);
    if (semit) semit[1].match(/-?\d+/g).forEach((v, i) => { values[`SEMIT ${i + 1}`] = v; });
  }
  values.TTUNE = /TTUNE:(\d+)/.exec(block.join('\n'))[1];
  return values;
}

// ---- The page in Chromium -------------------------------------------------

// The page as its sources make it now (web/build.mjs), written once for the
// tests of a process when Chromium is first launched: a change to the page
// or to the engine's JavaScript is tested without a build step.
const pageDir = mkdtempSync(join(tmpdir(), 'vornak-page-'));
process.on('exit', () => rmSync(pageDir, { recursive: true, force: true }));
export const pagePath = join(pageDir, 'vornak.html');
export const pageUrl = `file://${pagePath}`;
let pageMade = null;
export function pageBuilt() {
  pageMade ??= makeOutputs().then((outputs) => writeFileSync(pagePath, outputs['vornak.html']));
  return pageMade;
}

export async function launchChromium(...args) {
  await pageBuilt();
  return launch(...args);
}

// Opens the page from its file in the context and waits for its engine.
export async function openPage(context) {
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.getByText('Ready.').waitFor();
  return page;
}

// Reloads the page once what it keeps between visits is stored (it marks
// its root with data-keeping while storage work is pending).
export async function reloadKept(page) {
  await page.waitForFunction(() => !document.documentElement.dataset.keeping);
  await page.reload();
  await page.getByText('Ready.').waitFor();
}

export function inputFiles(files) {
  return Object.entries(files).map(([name, bytes]) => ({ name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) }));
}

// Gives the files to the page's file chooser and waits until they are read.
export async function addFiles(page, files) {
  await page.locator('#file-input').setInputFiles(inputFiles(files));
  await page.getByRole('status').filter({ hasText: / read/ }).waitFor();
}

export async function download(page, click) {
  const [file] = await Promise.all([page.waitForEvent('download'), click()]);
  return { name: file.suggestedFilename(), bytes: new Uint8Array(readFileSync(await file.path())) };
}

// Presses a button from the keyboard: it takes the focus, then Enter (a
// click could land beside a button of a card that is growing).
export async function press(button) {
  await button.focus();
  await button.press('Enter');
}

// The engine's rule for text, one character for each byte.
export { bytesToText as decodeText } from '../../web/engine/text.js';

// The tool's message: what it printed after its four banner lines.
export function toolMessage(text) {
  return text.split('\n').slice(4).filter(Boolean).pop() || '';
}
