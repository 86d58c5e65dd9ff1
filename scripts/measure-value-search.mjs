// Measures the search by value over a large collection (numbers for
// docs/performance.md; nothing here passes or fails), in headless Chromium
// at 1280 × 900: the banks given at once and read, then "P:3 of group A >
// 40" found, from the submit to the hits shown and said: the first time
// (every bank's values asked of the engine) and again (kept), with the
// longest task on the page's thread meanwhile.
// The banks are random memory images written by the engine as 2.V chunk
// banks and Corvel banks, as scripts/measure-collection.mjs makes them.
// Usage: node scripts/measure-value-search.mjs [banks] [rounds]   (after scripts/build-web)
import { randomBytes } from 'node:crypto';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { launchChromium } from './chromium.mjs';

import { createVornak } from '../web/vornak.mjs';

const root = new URL('..', import.meta.url).pathname;
const total = Number(process.argv[2] || 200);
const rounds = Number(process.argv[3] || 5);
const ms = (value) => `${value.toFixed(0)} ms`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const engine = await createVornak();
const folder = mkdtempSync(join(tmpdir(), 'vornak-banks-'));
const paths = [];
for (let i = 0; i < total; i++) {
  const image = new Uint8Array(randomBytes(5120));
  image[0] &= 0x1f;
  if (image[0] === 0x02) image[0] = 0;
  for (let c = 0; c < 20; c++) image[4480 + 32 * c + 31] = 0;
  const [letter, extension] = i % 2 ? ['W', '.crv'] : ['O', '.fxb'];
  const path = join(folder, `bank${String(i).padStart(4, '0')}${extension}`);
  writeFileSync(path, engine.convert(image, { to: letter }).bytes);
  paths.push(path);
}
engine.dispose();

const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
await page.addInitScript(() => {
  window.vornakLongTasks = [];
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) window.vornakLongTasks.push([entry.startTime, entry.duration]);
  }).observe({ type: 'longtask', buffered: true });
});
await page.goto(`file://${process.env.VORNAK_PAGE || join(root, 'web/vornak.html')}`);
await page.getByText('Ready.').waitFor();
await page.locator('#file-input').setInputFiles(paths);
await page.locator('#banks-status').getByText(`${total.toLocaleString('en')} files read.`).waitFor({ timeout: 300_000 });
await page.waitForTimeout(2000);

// From the submit to the hits said; answers [ms, longest task, hits said].
const search = (query) => page.evaluate(async (text) => {
  const status = document.getElementById('programs-status');
  document.getElementById('value-query').value = text;
  window.vornakLongTasks = [];
  const start = performance.now();
  const done = new Promise((resolve) => {
    const watcher = new MutationObserver(() => {
      if (!/ with .*\./.test(status.textContent) || status.textContent.startsWith('Looking')) return;
      watcher.disconnect();
      resolve(performance.now());
    });
    watcher.observe(status, { childList: true, characterData: true, subtree: true });
  });
  document.getElementById('value-search').requestSubmit();
  const end = await done;
  await new Promise((r) => setTimeout(r, 200));
  const longest = Math.max(0, ...window.vornakLongTasks.filter(([at]) => at >= start - 50).map(([, d]) => d));
  return [end - start, longest, status.textContent];
}, query);

const [first, firstLong, said] = await search('P:3 of group A > 40');
const again = [];
for (let i = 0; i < rounds; i++) again.push(await search(`P:3 of group A > ${40 + i}`));
console.log(`page: ${total} banks, "P:3 of group A > 40" (${said}): first search ${ms(first)} (longest task ${ms(firstLong)}), `
  + `then ${ms(median(again.map(([t]) => t)))} (longest task ${ms(Math.max(...again.map(([, l]) => l)))})`);
await browser.close();
rmSync(folder, { recursive: true, force: true });
