// Measures reading a full FLEX disk in the engine and in the page (numbers
// for docs/performance.md; nothing here passes or fails). The disk is the
// largest floppy a Waveterm user keeps: 80 tracks, double-sided, 18 sectors
// a side, filled with 135 Waveterm A files of 21 sectors, written as a raw
// image by the web tests' writer of images (tests/web/flex-disk.mjs) from
// random memory images that the engine writes as Waveterm A files.
//   - the engine under node, on the calling thread and in a worker: disk()
//     (the directory, every file copied off and loaded to tell what it
//     holds), and what the page asks of it for the image: describe of the
//     image, disk(), then describe of each bank;
//   - the page in headless Chromium at 1280 × 900, a fresh browser profile
//     each round: from the image chosen (the file input's change, inside the
//     page) to the status line that says its 135 banks are read and kept,
//     and the longest task on the page's thread meanwhile; beside it, the
//     same 135 files copied off the disk and chosen as files.
// Usage: node scripts/measure-disk.mjs [rounds]   (after scripts/build-web)
import { randomBytes } from 'node:crypto';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { launchWithProfile } from './chromium.mjs';
import { flexDisk } from '../tests/web/flex-disk.mjs';

import { createVornak, createVornakWorker } from '../web/vornak-node.mjs';

const root = new URL('..', import.meta.url).pathname;
const rounds = Number(process.argv[2] || 9);
const ms = (value) => `${value.toFixed(1)} ms`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const engine = await createVornak();
const disk = flexDisk({ tracks: 80, sectors: 36, label: 'FULL DISK', volume: 2, date: [5, 1, 88] });
for (let i = 0; i < 135; i++) {
  const image = new Uint8Array(randomBytes(5120));
  for (let c = 0; c < 20; c++) image[4480 + 32 * c + 31] = 0;
  disk.add(`D${String(i + 1).padStart(3, '0')}.USR`, engine.convert(image, { to: 'A' }).bytes);
}
const folder = mkdtempSync(join(tmpdir(), 'vornak-disk-'));
const path = join(folder, 'full.dsk');
writeFileSync(path, disk.image);
const listed = engine.disk(disk.image);
const copies = listed.files.map((f) => {
  const at = join(folder, f.name);
  writeFileSync(at, f.bytes);
  return at;
});
console.log(`Measured ${new Date().toISOString().slice(0, 10)}: a raw image of ${disk.image.length.toLocaleString('en')} bytes, `
  + `${listed.files.length} files, ${listed.banks} banks.`);

// As the page asks: the image described (it holds files), its disk, then
// each bank described from its bytes.
const asThePage = async (e) => {
  await e.describe('full.dsk', disk.image, { parameters: false, conversions: false });
  const answer = await e.disk(disk.image);
  await Promise.all(answer.files.map((f) => e.describe(`full.dsk/${f.name}`, f.bytes, { parameters: false, conversions: false })));
};
const timed = async (work) => {
  const times = [];
  for (let i = 0; i < rounds + 2; i++) {
    const start = performance.now();
    await work();
    times.push(performance.now() - start);
  }
  return median(times.slice(2));
};
console.log(`engine, calling thread: disk() ${ms(await timed(() => engine.disk(disk.image)))}; as the page asks `
  + `(describe, disk(), 135 describes) ${ms(await timed(() => asThePage(engine)))}`);
const worker = await createVornakWorker();
console.log(`engine, worker: disk() ${ms(await timed(() => worker.disk(disk.image)))}; as the page asks `
  + `${ms(await timed(() => asThePage(worker)))}`);
worker.dispose();

// The page, a fresh profile each round: from the files chosen to the
// status line that says they are read (and kept), both marked inside the
// page (the test browser takes a while to hand the files over before).
const pagePath = process.env.VORNAK_PAGE || join(root, 'web/vornak.html');
async function inThePage(files, said) {
  const results = [];
  for (let i = 0; i < rounds; i++) {
    const profile = mkdtempSync(join(tmpdir(), 'vornak-profile-'));
    const context = await launchWithProfile(profile, { viewport: { width: 1280, height: 900 } });
    await context.addInitScript(() => {
      window.vornakLongTasks = [];
      window.vornakMarks = [];
      const mark = (name) => window.vornakMarks.push([name, performance.now()]);
      new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) window.vornakLongTasks.push([entry.startTime, entry.duration]);
      }).observe({ type: 'longtask', buffered: true });
      document.addEventListener('change', (event) => event.target.id === 'file-input' && mark('chosen'), true);
      document.addEventListener('DOMContentLoaded', () => {
        const status = document.getElementById('banks-status');
        new MutationObserver(() => mark(status.textContent)).observe(status, { subtree: true, childList: true, characterData: true });
      });
    });
    const page = context.pages()[0] || await context.newPage();
    await page.goto(`file://${pagePath}`);
    await page.getByText('Ready.').waitFor();
    await page.waitForTimeout(1000);
    await page.locator('#file-input').setInputFiles(files);
    await page.getByRole('status').filter({ hasText: said }).waitFor({ timeout: 60_000 }).catch(async (error) => {
      throw new Error(`the status says "${await page.locator('#banks-status').textContent()}"`, { cause: error });
    });
    const [marks, tasks] = await page.evaluate(() => [window.vornakMarks, window.vornakLongTasks]);
    const from = marks.find(([name]) => name === 'chosen')[1];
    const to = marks.find(([name]) => name.includes(said))[1];
    results.push([to - from, Math.max(0, ...tasks.filter(([at]) => at >= from).map(([, d]) => d))]);
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
  return `${ms(median(results.map(([t]) => t)))} (${results.map(([t]) => Math.round(t)).join(', ')}); `
    + `longest task ${median(results.map(([, l]) => l)) ? ms(median(results.map(([, l]) => l))) : 'none over 50 ms'}`;
}
console.log(`page: the image chosen to its 135 banks read and kept: ${await inThePage(path, '135 files read. full.dsk, disk')}`);
console.log(`page: the 135 files copied off the disk, chosen as files: ${await inThePage(copies, '135 files read.')}`);
engine.dispose();
rmSync(folder, { recursive: true, force: true });
