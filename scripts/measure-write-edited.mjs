// Measures "Write as…" of a bank with edits (numbers for
// docs/performance.md; nothing here passes or fails): in headless Chromium
// at 1280 × 900, demo23.syx with two programs edited, written as a V8
// SysEx dump from the click on Write to the file downloaded, as edited and
// as read (the same dialog, its "with its edits" box unchecked).
// Usage: node scripts/measure-write-edited.mjs [rounds] [page]   (after
// scripts/build-web; the page is web/vornak.html unless another is named)
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

import { launchChromium } from './chromium.mjs';

const root = new URL('..', import.meta.url).pathname;
const rounds = Number(process.argv[2] || 15);
const bank = readFileSync(join(root, 'examples/demo23.syx'));

const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
await page.goto(`file://${resolve(process.argv[3] || join(root, 'web/vornak.html'))}`);
await page.getByText('Ready.').waitFor();
await page.locator('#file-input').setInputFiles({ name: 'demo23.syx', mimeType: 'application/octet-stream', buffer: bank });
await page.getByRole('status').filter({ hasText: / read/ }).waitFor();
for (const [program, value] of [[7, 3], [9, 40]]) {
  await page.getByRole('button', { name: `Show program ${program} PPG Program 00${program}` }).click();
  const field = page.getByRole('spinbutton', { name: 'P:3, group A', exact: true });
  await field.fill(String(value));
  await field.press('Tab');
}
await page.locator('#bank-list').getByText('2 edited programs').waitFor();

const dialog = page.getByRole('dialog');
// One write: the dialog opened, then the time from the click on Write to
// the file downloaded.
async function write(edited) {
  await page.locator('#write').click();
  await dialog.getByLabel('Output format').selectOption('S');
  const box = dialog.getByLabel('Write demo23.syx with its edits');
  if ((await box.isChecked()) !== edited) await box.setChecked(edited);
  await page.waitForTimeout(200);
  const t0 = await page.evaluate(() => performance.now());
  await dialog.getByRole('button', { name: 'Write', exact: true }).click();
  const [file] = await Promise.all([page.waitForEvent('download'), dialog.getByRole('link', { name: /^Download / }).click()]);
  await file.path();
  const ms = (await page.evaluate(() => performance.now())) - t0;
  await dialog.getByRole('button', { name: 'Close' }).click();
  return ms;
}

const quantile = (values, q) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(q * values.length))];
for (const edited of [true, false, true, false]) {
  const times = [];
  for (let i = 0; i < rounds; i++) times.push(await write(edited));
  console.log(`${edited ? 'as edited' : 'as read  '}: click to file, fastest ${Math.min(...times).toFixed(1)} ms, `
    + `median ${quantile(times, 0.5).toFixed(1)} ms, slowest ${Math.max(...times).toFixed(1)} ms`);
}
await browser.close();
