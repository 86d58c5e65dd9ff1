// Measures the web edition (numbers for docs/performance.md; nothing here
// passes or fails):
//   - the weight of web/vornak.html and web/vornak.mjs, plain and gzipped;
//   - the page opened from its file in headless Chromium: when its controls
//     are there (DOMContentLoaded) and when its engine is ready;
//   - in the page: reading and converting a 66 KB bank, from the user's
//     action to the result on screen. A read runs the engine twice (what
//     the bank holds, and its listing) and shows the file's card; the names
//     table and the listing text are drawn when the user opens them, which
//     is not timed. Reading is measured once from the file chooser (the
//     browser reads the file) and once from a change of the model hint (the
//     bytes are in the page already);
//   - the engine under node: one listing run and one conversion run; a
//     100 MiB input on the calling thread and in a worker thread, with the
//     memory held after it and after dispose().
// Usage: node --expose-gc scripts/measure-web.mjs [rounds]   (after scripts/build-web)
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { chromium } from 'playwright-core';

const root = new URL('..', import.meta.url).pathname;
const rounds = Number(process.argv[2] || 20);
const pagePath = join(root, 'web/vornak.html');
const bankName = 'demo23-m.fxb'; // the Halvic demo bank, 65,928 bytes
const bank = readFileSync(join(root, 'examples', bankName));

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const ms = (value) => `${value.toFixed(1)} ms`;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

console.log(`Measured ${new Date().toISOString().slice(0, 10)}, ${rounds} rounds, medians.`);
for (const name of ['vornak.html', 'vornak.mjs']) {
  const bytes = readFileSync(join(root, 'web', name));
  console.log(`web/${name}: ${kb(statSync(join(root, 'web', name)).size)}, gzipped ${kb(gzipSync(bytes, { level: 9 }).length)}`);
}

// Under node.
const { createVornak } = await import(join(root, 'web/vornak.mjs'));
let start = performance.now();
const engine = await createVornak();
console.log(`node: engine created in ${ms(performance.now() - start)}`);
const timeRuns = (args) => median(Array.from({ length: rounds }, () => {
  const t = performance.now();
  engine.run(args, { [bankName]: bank });
  return performance.now() - t;
}));
console.log(`node: listing of ${bankName}: ${ms(timeRuns([bankName]))}; /S conversion: ${ms(timeRuns(['/Sout.syx', bankName]))}`);
engine.dispose();

// A 100 MiB memory image listed on the calling thread and in a worker
// thread: how long the run takes, how long the calling thread is blocked, and
// what the process holds after the run and after dispose() (with --expose-gc,
// after a collection).
const { createVornakWorker } = await import(join(root, 'web/vornak-node.mjs'));
const mib = (bytes) => `${(bytes / 2 ** 20).toFixed(0)} MiB`;
const resident = () => {
  globalThis.gc?.();
  return process.memoryUsage().rss;
};
const big = new Uint8Array(100 * 2 ** 20);
for (const [where, make] of [['calling thread', createVornak], ['worker thread', createVornakWorker]]) {
  const took = [];
  const blocked = [];
  let held;
  let released;
  for (let i = 0; i < 5; i++) {
    const before = resident();
    const large = await make();
    start = performance.now();
    const answer = large.run(['big.bin'], { 'big.bin': big });
    blocked.push(performance.now() - start);
    await answer;
    took.push(performance.now() - start);
    held = resident() - before;
    large.dispose();
    await new Promise((resolve) => setTimeout(resolve, 100));
    released = resident() - before;
  }
  console.log(`node, ${where}: 100 MiB listed in ${ms(median(took))}, calling thread blocked ${ms(median(blocked))}; ` +
    `the process holds ${mib(held)} more after the run, ${mib(released)} after dispose()`);
}

// In Chromium. The marks are taken inside the page by an observer that the
// browser installs before the page's own scripts.
const browser = await chromium.launch({
  executablePath: process.env.VORNAK_CHROMIUM || '/usr/bin/chromium',
  args: ['--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [])],
});
const context = await browser.newContext();
await context.addInitScript(() => {
  window.vornakMarks = [];
  const mark = (name) => window.vornakMarks.push([name, performance.now()]);
  document.addEventListener('DOMContentLoaded', () => {
    mark('controls');
    new MutationObserver(() => mark(document.getElementById('status').textContent))
      .observe(document.getElementById('status'), { subtree: true, childList: true, characterData: true });
    for (const id of ['file-input', 'model', 'convert-form']) {
      document.getElementById(id).addEventListener(id === 'convert-form' ? 'submit' : 'change', () => mark(id), true);
    }
  });
});

// Time from the first mark named `from` to the first later mark that begins
// with `to`.
const between = (marks, from, to) => {
  const start = marks.findIndex(([name]) => name === from);
  const end = marks.findIndex(([name], i) => i > start && name.startsWith(to));
  return marks[end][1] - marks[start][1];
};

const samples = { controls: [], ready: [], chosen: [], reread: [], convert: [] };
for (let i = 0; i < rounds; i++) {
  const page = await context.newPage();
  const marks = () => page.evaluate(() => window.vornakMarks);
  const waitFor = (text) => page.waitForFunction((t) => window.vornakMarks.some(([name]) => name.startsWith(t)), text);
  await page.goto(`file://${pagePath}`);
  await waitFor('Ready.');
  await page.locator('#file-input').setInputFiles({ name: bankName, mimeType: 'application/octet-stream', buffer: bank });
  await waitFor('1 file read.');
  // Read again with a model hint: the bytes are in the page already.
  await page.getByLabel('Model of the data').selectOption(i % 2 ? '2' : '3');
  await waitFor('1 file read.');
  await page.waitForFunction(() => window.vornakMarks.filter(([name]) => name === '1 file read.').length === 2);
  await page.getByRole('button', { name: 'Convert all' }).click();
  await waitFor('Converted');
  const m = await marks();
  samples.controls.push(m.find(([name]) => name === 'controls')[1]);
  samples.ready.push(m.find(([name]) => name.startsWith('Ready.'))[1]);
  samples.chosen.push(between(m, 'file-input', '1 file read.'));
  samples.reread.push(between(m, 'model', '1 file read.'));
  samples.convert.push(between(m, 'convert-form', 'Converted'));
  await page.close();
}
await browser.close();
console.log(`page: controls there ${ms(median(samples.controls))} and engine ready ${ms(median(samples.ready))} after the start of navigation`);
console.log(`page: ${bankName} chosen to read, the browser's reading of the file included: ${ms(median(samples.chosen))}`);
console.log(`page: ${bankName} read again with another model hint: ${ms(median(samples.reread))}`);
console.log(`page: Convert all to its download link: ${ms(median(samples.convert))}`);
