// Measures the engine's calls (numbers for docs/performance.md; nothing here
// passes or fails), of the web edition in a folder (default web/; another
// folder holds another build of it, to compare in the same hour):
//   - under node and in Chromium: an engine created (the first, which
//     compiles the WebAssembly, and the median of those after it), convert
//     of the demo dump (10 KB) to a 2.V bank against the tool's own run of
//     the same conversion in the same engine, describe of the dump, compose
//     of its programs with and without every value set, and an edit as the
//     page makes it (one program with a value set, written as a SysEx dump:
//     compose alone, and compose then describe of what it wrote), and
//     convert of the dump to a SysEx dump, plain and with two programs
//     edited;
//   - the page opened from its file in fresh browser profiles, to "Ready.";
//   - what a page that runs the engine in a worker bundles for it:
//     createVornakWorker from the module, and from its client where there is
//     one, minified by esbuild, plain and gzipped.
// Usage: node scripts/measure-engine.mjs [folder] [rounds]
import { existsSync, readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

import { build } from 'esbuild';
import { launchChromium } from './chromium.mjs';

const root = new URL('..', import.meta.url).pathname;
const folder = resolve(process.argv[2] || join(root, 'web'));
const rounds = Number(process.argv[3] || 8);
const dump = readFileSync(join(root, 'examples/demo23.syx'));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(2)} ms`;

// What the engine's calls take, where `createVornak` makes engines: run in
// node and, as its text, in a page.
async function engineFigures(createVornak, dump, rounds) {
  const now = () => performance.now();
  // A compose of the dump's 87 programs into a 2.V bank, with or without a
  // new value for every value of the listing (inside this function, which
  // the page is given as its text).
  const composed = (engine, dump, withValues) => {
    const { values } = engine.limits();
    const middle = (list) => Object.fromEntries(list.map((v) => [v.label, Math.round((v.min + v.max) / 2)]));
    const set = { program: middle(values.program), a: middle(values.group), b: middle(values.group) };
    const programs = Array.from({ length: 87 }, (_, program) => ({ bank: 'in.syx', program, ...(withValues ? { set } : {}) }));
    return { banks: { 'in.syx': dump }, programs, format: 'O' };
  };
  const edited = (dump) => ({ banks: { source: dump }, programs: [{ bank: 'source', program: 3, set: { a: { 'P:3': 41 } } }], format: 'S' });
  // The bank written whole with two programs edited, as the page writes a
  // bank with its edits.
  const edits = { programs: { 7: { a: { 'P:6': 3 } }, 9: { a: { 'P:3': 41 }, b: { 'P:3': 41 } } } };
  let start = now();
  const first = await createVornak();
  const created = [now() - start];
  for (let i = 0; i < rounds; i++) {
    start = now();
    (await createVornak()).dispose();
    created.push(now() - start);
  }
  // Once the engine's code is warm (the WebAssembly compiled by the
  // optimizing tier): the median of 100 calls after 200.
  const timed = (work) => {
    for (let i = 0; i < 200; i++) work();
    const times = [];
    for (let i = 0; i < 100; i++) {
      const t = now();
      work();
      times.push(now() - t);
    }
    return times.sort((a, b) => a - b)[50];
  };
  const figures = {
    firstEngine: created[0],
    engine: created.slice(1).sort((a, b) => a - b)[Math.floor(rounds / 2)],
    convert: timed(() => first.convert(dump, { to: 'O', name: 'in.syx' })),
    run: timed(() => first.run(['/Oout.fxb', 'in.syx'], { 'in.syx': dump })),
    describe: timed(() => first.describe('in.syx', dump)),
    describeBare: timed(() => first.describe('in.syx', dump, { parameters: false, conversions: false })),
    // A 2.V bank of the dump's 87 programs composed, as they are and with
    // every value of every program set (to the middle of its range).
    compose: timed(() => first.compose(composed(first, dump, false))),
    composeSet: timed(() => first.compose(composed(first, dump, true))),
    edit: timed(() => first.compose(edited(dump))),
    convertS: timed(() => first.convert(dump, { to: 'S' })),
    convertEdited: timed(() => first.convert(dump, { to: 'S', edits })),
    editRead: timed(() => first.describe('edited.syx', first.compose(edited(dump)).bytes, { parameters: false, conversions: false })),
  };
  first.dispose();
  return figures;
}

const show = (where, f) => console.log(`${where}: engine created ${ms(f.firstEngine)} (the first) / ${ms(f.engine)}; ` +
  `convert to /O ${ms(f.convert)}, run /O ${ms(f.run)} (convert / run ${(f.convert / f.run).toFixed(2)}); ` +
  `describe ${ms(f.describe)} (no values or reports: ${ms(f.describeBare)}); ` +
  `compose of 87 programs to /O ${ms(f.compose)}, with every value set ${ms(f.composeSet)}; ` +
  `an edit: compose ${ms(f.edit)}, compose and describe of what it wrote ${ms(f.editRead)}; ` +
  `convert to /S ${ms(f.convertS)}, with 2 programs edited ${ms(f.convertEdited)}`);

console.log(`Measured ${new Date().toISOString().slice(0, 16)} on ${folder}, ${rounds} rounds, medians.`);
const { createVornak } = await import(join(folder, 'vornak-node.mjs'));
show('node', await engineFigures(createVornak, dump, rounds));

// The page side of an app that runs the engine in a worker.
for (const [what, entry] of [['vornak.mjs', 'vornak.mjs'], ['vornak-client.mjs', 'vornak-client.mjs']]) {
  if (!existsSync(join(folder, entry))) continue;
  const bundled = await build({
    stdin: { contents: `import { createVornakWorker } from ${JSON.stringify(join(folder, entry))}; globalThis.start = createVornakWorker;`, resolveDir: root },
    bundle: true, minify: true, format: 'esm', platform: 'browser', write: false, logLevel: 'error',
  });
  const text = bundled.outputFiles[0].contents;
  console.log(`page side, createVornakWorker from ${what}: ${text.length} bytes minified, ${gzipSync(text, { level: 9 }).length} gzipped`);
}

const browser = await launchChromium();
{
  const context = await browser.newContext();
  await context.route('http://vornak.test/**', (route) => route.fulfill(route.request().url().endsWith('.mjs')
    ? { path: join(folder, 'vornak.mjs'), contentType: 'text/javascript' }
    : { body: '<!doctype html><title>measure</title>', contentType: 'text/html' }));
  const page = await context.newPage();
  await page.goto('http://vornak.test/');
  const figures = await page.evaluate(async ({ measure, dump, rounds }) => {
    const { createVornak } = await import('/vornak.mjs');
    // eslint-disable-next-line no-new-func
    return new Function(`return (${measure})`)()(createVornak, new Uint8Array(dump), rounds);
  }, { measure: engineFigures.toString(), dump: [...dump], rounds });
  show('Chromium', figures);
  await context.close();
}

// The page, opened from its file in a fresh profile each time (it keeps
// what it read), to "Ready." in its status line.
const ready = [];
for (let i = 0; i < rounds; i++) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  await context.addInitScript(() => {
    document.addEventListener('DOMContentLoaded', () => new MutationObserver(() => {
      if (!window.vornakReady && document.body.textContent.includes('Ready.')) window.vornakReady = performance.now();
    }).observe(document.body, { subtree: true, childList: true, characterData: true }));
  });
  const page = await context.newPage();
  await page.goto(`file://${join(folder, 'vornak.html')}`);
  ready.push(await (await page.waitForFunction(() => window.vornakReady)).jsonValue());
  await context.close();
}
await browser.close();
console.log(`page: "Ready." ${ms(median(ready))} after the start of navigation (${ready.map((t) => t.toFixed(0)).join(', ')})`);
