// Measures the page as a librarian with a large collection (numbers for
// docs/performance.md; nothing here passes or fails), in headless Chromium
// with a browser profile of its own:
//   - the engine describing a 66 KB bank with every program's values, in a
//     worker of the page;
//   - 100 banks given at once, from the file chooser to all of them read;
//   - a kept collection of 1,000 banks: the page opened again, from the start
//     of navigation to "Ready." with the first cards drawn;
//   - a name search across the 1,000 banks, from the keystroke to the hits;
//   - the programs of the same sound across them, from the click to the list;
//   - a new bank of 128 programs composed and written, from the click to the
//     download.
// The banks are made here: random memory images written by the engine as 2.V
// chunk banks and Corvel banks.
// Usage: node scripts/measure-collection.mjs [banks] [rounds]   (after scripts/build-web)
import { randomBytes } from 'node:crypto';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

import { createVornak } from '../web/vornak.mjs';

const root = new URL('..', import.meta.url).pathname;
const total = Number(process.argv[2] || 1000);
const rounds = Number(process.argv[3] || 10);
const ms = (value) => `${value.toFixed(1)} ms`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const engine = await createVornak();
const banks = [];
for (let i = 0; i < total; i++) {
  const image = new Uint8Array(randomBytes(5120));
  image[0] &= 0x1f; // no magic of another format (a 02 would be read as a FLEX record)
  if (image[0] === 0x02) image[0] = 0;
  for (let c = 0; c < 20; c++) image[4480 + 32 * c + 31] = i % 2 && c < 5 ? 0x55 : 0;
  const [letter, extension] = i % 2 ? ['W', '.crv'] : ['O', '.fxb'];
  const name = `bank${String(i).padStart(4, '0')}${extension}`;
  banks.push({ name, mimeType: 'application/octet-stream', buffer: Buffer.from(engine.run([`/${letter}${name}`, 'in.bin'], { 'in.bin': image }).files[name]) });
}
console.log(`Measured ${new Date().toISOString().slice(0, 10)}: ${total} banks made (2.V and Corvel, ${Math.round(banks.reduce((n, b) => n + b.buffer.length, 0) / 1e6)} MB).`);

const profile = mkdtempSync(join(tmpdir(), 'vornak-profile-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.VORNAK_CHROMIUM || '/usr/bin/chromium',
  args: ['--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [])],
  acceptDownloads: true,
});
// Marks taken inside the page: every text of the status line and of the
// search summary, the first card drawn, a download offered.
await context.addInitScript(() => {
  window.vornakMarks = [];
  const mark = (name) => window.vornakMarks.push([name, performance.now()]);
  window.vornakMark = mark;
  document.addEventListener('DOMContentLoaded', () => {
    const watch = (id, name) => new MutationObserver(() => mark(name(document.getElementById(id))))
      .observe(document.getElementById(id), { subtree: true, childList: true, characterData: true });
    watch('status', (node) => node.textContent);
    watch('search-summary', (node) => `found: ${node.textContent}`);
    watch('files', (node) => (node.querySelector('li.file .state') ? 'card' : 'no card'));
    watch('duplicate-list', (node) => (node.querySelector('ol') ? 'duplicates listed' : 'no duplicates'));
    new MutationObserver((records) => {
      if (records.some((r) => [...r.addedNodes].some((n) => n.download))) mark('download');
    }).observe(document.body, { childList: true });
    document.addEventListener('change', (event) => mark(`change ${event.target.id}`), true);
    document.addEventListener('input', (event) => mark(`input ${event.target.id}`), true);
    document.addEventListener('click', (event) => mark(`click ${event.target.id}`), true);
  });
});
const page = context.pages()[0] || await context.newPage();
page.on('dialog', (dialog) => dialog.accept());
const marks = () => page.evaluate(() => window.vornakMarks);
const clear = () => page.evaluate(() => { window.vornakMarks = []; });
const waitFor = (text) => page.waitForFunction((t) => window.vornakMarks.some(([name]) => name.startsWith(t)), text, { timeout: 120_000 })
  .catch(async (error) => {
    throw new Error(`waiting for "${text}", the status says "${await page.locator('#status').textContent()}": ${error.message}`);
  });
const first = (m, text, after = -1) => m.find(([name, at]) => name.startsWith(text) && at > after);
await page.goto(`file://${join(root, 'web/vornak.html')}`);
await waitFor('Ready.');

// The engine in a worker of the page, as the page runs it: a 66 KB bank
// described with every program's values.
const halvic = [...readFileSync(join(root, 'examples/demo23-m.fxb'))];
const describeTimes = await page.evaluate(async ({ bytes, rounds }) => {
  const url = URL.createObjectURL(new Blob([document.getElementById('engine-worker').textContent]));
  const worker = new Worker(url);
  await new Promise((resolve) => { worker.onmessage = ({ data }) => { if (data.ready) resolve(); }; });
  const call = (id) => new Promise((resolve) => {
    worker.onmessage = ({ data }) => { if (data.id === id) resolve(data.answer); };
    worker.postMessage({ id, method: 'describe', args: ['demo23-m.fxb', new Uint8Array(bytes), { parameters: true }] });
  });
  const times = [];
  for (let i = 0; i < rounds + 3; i++) {
    const start = performance.now();
    const answer = await call(i);
    if (answer.parameters.length !== answer.programs) throw new Error('not every program was described');
    if (i >= 3) times.push(performance.now() - start);
  }
  worker.terminate();
  return times;
}, { bytes: halvic, rounds });
console.log(`page worker: describe of demo23-m.fxb (65,928 bytes) with every program's values: ${ms(median(describeTimes))}`);

// 100 banks at once, then the rest in steps of 100 (those not timed).
for (let start = 0; start < total; start += 100) {
  await clear();
  await page.locator('#file-input').setInputFiles(banks.slice(start, start + 100));
  await waitFor(`${Math.min(100, total - start)} files read.`);
  if (start === 0) {
    const m = await marks();
    const from = first(m, 'change file-input')[1];
    console.log(`page: 100 banks given at once, read and shown: ${ms(first(m, '100 files read.')[1] - from)} (first card drawn after ${ms(first(m, 'card')[1] - from)})`);
  }
}

// The kept collection, opened again.
const opened = [];
for (let i = 0; i < Math.min(rounds, 5); i++) {
  await page.reload();
  await waitFor('Ready.');
  await page.waitForFunction(() => document.querySelector('#files li.file .state'));
  const m = await marks();
  opened.push(Math.max(first(m, 'Ready.')[1], first(m, 'card')[1]));
}
console.log(`page: a kept collection of ${total} banks opened, "Ready." with the first cards drawn: ${ms(median(opened))} after the start of navigation`);

// A name search across all banks, one keystroke at a time.
const searches = [];
for (let i = 0; i < rounds; i++) {
  await page.getByLabel('Search program names in all banks').fill('');
  await clear();
  await page.getByLabel('Search program names in all banks').fill(`program 0${i % 10}`);
  await waitFor('found: ');
  const m = await marks();
  searches.push(first(m, 'found: ')[1] - first(m, 'input search')[1]);
}
console.log(`page: name search across ${total} banks, keystroke to hits shown: ${ms(median(searches))}`);

// The programs that are the same sound, across all banks. The first click
// builds the index of sounds; later ones reuse it until banks change.
const listed = [];
for (let i = 0; i < Math.min(rounds, 5); i++) {
  await page.reload();
  await waitFor('Ready.');
  await clear();
  await page.getByRole('button', { name: 'List programs that are the same sound' }).click();
  await waitFor('duplicates listed');
  const m = await marks();
  listed.push(first(m, 'duplicates listed')[1] - first(m, 'click duplicates')[1]);
}
console.log(`page: programs of the same sound across ${total} banks, click to list: ${ms(median(listed))}`);

// A new bank of 128 programs from one 2.V bank, written as a 2.V bank.
await page.getByLabel('Output format').selectOption('O');
const source = page.locator('li.file').filter({ has: page.getByRole('heading', { name: 'bank0000.fxb', exact: true }) });
await source.getByText('Program names (128)').click();
const adds = source.getByRole('button', { name: /^Add program/ });
for (let p = 0; p < 128; p++) await adds.nth(p).click();
const composed = [];
for (let i = 0; i < rounds; i++) {
  // The page settles first: the bank written last round is read and its
  // card drawn, and the new bank's report is asked for again.
  await page.waitForTimeout(1000);
  await clear();
  await page.getByRole('button', { name: 'Download new bank' }).click();
  await waitFor('New bank written');
  const m = await marks();
  composed.push(first(m, 'download')[1] - first(m, 'click write-new')[1]);
}
console.log(`page: new bank of 128 programs composed and written (2.V), click to download: ${ms(median(composed))}`);

await context.close();
rmSync(profile, { recursive: true, force: true });
