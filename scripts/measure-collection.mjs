// Measures the page as a librarian with a large collection (numbers for
// docs/performance.md; nothing here passes or fails), in headless Chromium
// at 1280 × 900 with a browser profile of its own:
//   - all the banks given at once: from the file chooser to the first bank
//     shown (its line with its format) and to all of them read, and the
//     longest task on the page's thread meanwhile (PerformanceObserver
//     "longtask");
//   - the same sounds across them, from the click to the list;
//   - the kept collection: the page opened again, from the start of
//     navigation to "Ready." with the first lines drawn;
//   - a name search across the banks, from the keystroke to the hits;
//   - a program opened, from the click to its values, then to its nearest
//     sounds, and the longest task from the click to them: the first program
//     after the page was opened again, then others;
//   - a new bank of 128 programs composed and written, from the click to the
//     download;
//   - the names of a received dump looked up: the SysEx dump of a bank of the
//     collection (a file without names) given, then chosen: from the click
//     on its line to its programs shown with the names the collection knows;
//   - the collection saved, from the click to the download, and the saved
//     file opened in a fresh browser profile, from the file chosen to its
//     banks shown ("Opening the saved collection") and to all of it kept in
//     the browser ("Opened the saved collection").
// The banks are made here: random memory images written by the engine as 2.V
// chunk banks and Corvel banks, every program with a name.
// Usage: node scripts/measure-collection.mjs [banks] [rounds]   (after scripts/build-web)
// VORNAK_PAGE names another page to measure (an earlier build, say).
import { randomBytes } from 'node:crypto';
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { launchWithProfile } from './chromium.mjs';

import { createVornak } from '../web/vornak.mjs';

const root = new URL('..', import.meta.url).pathname;
const total = Number(process.argv[2] || 1000);
const rounds = Number(process.argv[3] || 10);
const ms = (value) => `${value.toFixed(1)} ms`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const engine = await createVornak();
// The banks are files in a folder of their own: the file chooser takes
// paths (a test browser takes at most 50 MB of bytes).
const folder = mkdtempSync(join(tmpdir(), 'vornak-banks-'));
const banks = [];
let made = 0;
let dumped = null; // the first Corvel bank, as a SysEx dump of it
for (let i = 0; i < total; i++) {
  const image = new Uint8Array(randomBytes(5120));
  image[0] &= 0x1f; // no magic of another format (a 02 would be read as a FLEX record)
  if (image[0] === 0x02) image[0] = 0;
  for (let c = 0; c < 20; c++) image[4480 + 32 * c + 31] = i % 2 && c < 5 ? 0x55 : 0;
  const [letter, extension] = i % 2 ? ['W', '.crv'] : ['O', '.fxb'];
  const name = `bank${String(i).padStart(4, '0')}${extension}`;
  const names = Array.from({ length: 100 }, (_, p) => `Sound ${i}.${p}`);
  const path = join(folder, name);
  const bytes = engine.convert(image, { to: letter, names }).bytes;
  writeFileSync(path, bytes);
  made += bytes.length;
  banks.push({ name, path });
  // The dump is written from the Corvel bank, as one sent from it and
  // received back: the random image holds bits outside the packed fields
  // that a dump of the image keeps and the Corvel bank does not.
  if (letter === 'W' && !dumped) dumped = engine.convert(bytes, { to: 'S' }).bytes;
}
console.log(`Measured ${new Date().toISOString().slice(0, 10)}: ${total} banks made (2.V and Corvel, ${Math.round(made / 1e6)} MB).`);

const profile = mkdtempSync(join(tmpdir(), 'vornak-profile-'));
const context = await launchWithProfile(profile, { acceptDownloads: true, viewport: { width: 1280, height: 900 } });
// Marks taken inside the page: every text of a status line, the first bank
// shown, the same sounds listed, a download offered, the user's actions;
// and every long task of the page's thread.
await context.addInitScript(() => {
  window.vornakMarks = [];
  window.vornakLongTasks = [];
  const mark = (name) => window.vornakMarks.push([name, performance.now()]);
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) window.vornakLongTasks.push([entry.startTime, entry.duration]);
  }).observe({ type: 'longtask', buffered: true });
  document.addEventListener('DOMContentLoaded', () => {
    new MutationObserver((records) => {
      for (const { target } of records) {
        const node = target.nodeType === 1 ? target : target.parentElement;
        const status = node.closest('[role=status]');
        if (status && status.textContent) mark(status.textContent);
      }
      if ([...document.querySelectorAll('#bank-list .bank-facts')].some((n) => n.textContent !== 'Reading…')) mark('bank shown');
      if (document.querySelector('#browse .groups')) mark('duplicates listed');
      // The program view's marks name the program shown, so that what the
      // view showed before the click is not taken for the answer.
      const shown = document.querySelector('#program-view .pick')?.textContent;
      if (document.querySelector('#program-view table.values')) mark(`values shown: ${shown}`);
      const near = document.querySelector('#program-view .near');
      if (near && !near.textContent.includes('Finding')) mark(`nearest shown: ${shown}`);
      if (document.querySelector('#browse .known') && document.querySelector('#bank-facts h3')?.textContent === 'received.syx') {
        mark('known names shown');
      }
      const hits = document.querySelector('#browse caption');
      if (hits && hits.textContent.includes('hold')) mark(`found: ${hits.textContent}`);
    }).observe(document.body, { subtree: true, childList: true, characterData: true });
    new MutationObserver((records) => {
      if (records.some((r) => [...r.addedNodes].some((n) => n.download))) mark('download');
    }).observe(document.body, { childList: true });
    for (const type of ['change', 'input', 'click']) {
      document.addEventListener(type, (event) => mark(`${type} ${event.target.id || event.target.getAttribute('aria-label')}`), true);
    }
  });
});
const page = context.pages()[0] || await context.newPage();
page.on('dialog', (dialog) => dialog.accept());
const marks = () => page.evaluate(() => window.vornakMarks);
const clear = () => page.evaluate(() => { window.vornakMarks = []; window.vornakLongTasks = []; });
const waitFor = (text) => page.waitForFunction((t) => window.vornakMarks.some(([name]) => name.startsWith(t)), text, { timeout: 120_000 })
  .catch(async (error) => {
    throw new Error(`waiting for "${text}", the status says "${await page.locator('#banks-status').textContent()}": ${error.message}`);
  });
const first = (m, text, after = -1) => m.find(([name, at]) => name.startsWith(text) && at > after);
const pagePath = process.env.VORNAK_PAGE || join(root, 'web/vornak.html');
await page.goto(`file://${pagePath}`);
await waitFor('Ready.');
await page.waitForTimeout(1000); // the page settles after it is ready

// The longest task of the page's thread between two moments.
const longestTask = async (from, to) => {
  const tasks = await page.evaluate(() => window.vornakLongTasks);
  const longest = Math.max(0, ...tasks.filter(([at, duration]) => at + duration >= from && at <= to).map(([, duration]) => duration));
  return longest ? ms(longest) : 'under 50 ms (none reported)';
};

// All banks given at once.
await clear();
await page.locator('#file-input').setInputFiles(banks.map((b) => b.path));
const allRead = `${total.toLocaleString('en')} files read.`;
await waitFor(allRead);
{
  const m = await marks();
  const from = first(m, 'change file-input')[1];
  const to = first(m, allRead)[1];
  console.log(`page: ${total} banks given at once: first bank shown after ${ms(first(m, 'bank shown')[1] - from)}, all read after ${ms(to - from)}; `
    + `longest task on the page's thread ${await longestTask(from, to)}`);
}
await page.waitForTimeout(1000);

const sameSounds = async () => {
  await page.locator('#programs .modes [data-mode=names]').click();
  await clear();
  await page.locator('#programs .modes [data-mode=duplicates]').click();
  await waitFor('duplicates listed');
  const m = await marks();
  return first(m, 'duplicates listed')[1] - first(m, 'click ')[1];
};

// The kept collection, opened again.
const opened = [];
for (let i = 0; i < Math.min(rounds, 5); i++) {
  await page.reload();
  await waitFor('Ready.');
  await page.waitForFunction(() => document.querySelector('#bank-list .bank-facts'));
  const m = await marks();
  opened.push(Math.max(first(m, 'Ready.')[1], first(m, 'bank shown')[1]));
}
console.log(`page: a kept collection of ${total} banks opened, "Ready." with the first banks drawn: ${ms(median(opened))} after the start of navigation`);
await page.waitForTimeout(1000);

// Programs opened from the names of the first bank, the first of them
// right after the page was opened again: click to values, values to the
// nearest sounds, and the longest task from the click to them.
await page.locator('#bank-list .pick').first().click();
await page.locator('#programs .modes [data-mode=names]').click();
const opening = [];
for (let i = 0; i < rounds; i++) {
  await clear();
  await page.getByRole('button', { name: `Show program ${20 + i} `, exact: false }).first().click();
  const values = `values shown: ${banks[0].name}, program ${20 + i} “`;
  const near = `nearest shown: ${banks[0].name}, program ${20 + i} “`;
  await waitFor(near);
  const m = await marks();
  const [click, shown, found] = [first(m, 'click ')[1], first(m, values)[1], first(m, near)[1]];
  opening.push([shown - click, found - shown, await longestTask(click, found)]);
}
const [once, ...then] = opening;
console.log(`page: a program opened among ${total} banks, the first after opening the page: click to values ${ms(once[0])}, `
  + `to the nearest sounds ${ms(once[1])} after, longest task ${once[2]}`);
console.log(`page: then: click to values ${ms(median(then.map(([v]) => v)))}, to the nearest sounds ${ms(median(then.map(([, n]) => n)))} after, `
  + `longest tasks ${then.map(([, , t]) => t).join(', ')}`);

// A name search across all banks, one keystroke at a time.
const searches = [];
for (let i = 0; i < rounds; i++) {
  await page.getByLabel('Search names, tags and notes in all banks').fill('');
  await clear();
  await page.getByLabel('Search names, tags and notes in all banks').fill(`sound ${i + 1}`);
  await waitFor('found: ');
  const m = await marks();
  searches.push(first(m, 'found: ')[1] - first(m, 'input search')[1]);
}
await page.getByLabel('Search names, tags and notes in all banks').fill('');
console.log(`page: name search across ${total} banks, keystroke to hits shown: ${ms(median(searches))}`);

const listed = [];
for (let i = 0; i < Math.min(rounds, 5); i++) listed.push(await sameSounds());
console.log(`page: the same sounds across ${total} banks, click to list: ${ms(median(listed))}`);

// A new bank of 128 programs from one 2.V bank, written as a 2.V bank.
await page.locator('#programs .modes [data-mode=names]').click();
await page.locator('#detail-switch [data-detail=builder]').click();
await page.getByLabel('Format of the new bank').selectOption('O');
const adds = page.locator('#browse').getByRole('button', { name: /^Add program/ });
for (let p = 0; p < 128; p++) await adds.nth(p).click();
const composed = [];
for (let i = 0; i < rounds; i++) {
  // The page settles first: the bank written last round is read and its
  // line drawn, and the new bank's report is asked for again.
  await page.waitForTimeout(1000);
  await clear();
  await page.getByRole('button', { name: 'Download new bank' }).click();
  await waitFor('New bank written');
  const m = await marks();
  composed.push(first(m, 'download')[1] - first(m, 'click write-new')[1]);
}
console.log(`page: new bank of 128 programs composed and written (2.V), click to download: ${ms(median(composed))}`);

await page.locator('#detail-switch [data-detail=program]').click();

// A received dump's names looked up.
await page.locator('#file-input').setInputFiles([{ name: 'received.syx', mimeType: 'application/octet-stream', buffer: Buffer.from(dumped) }]);
await waitFor('1 file read.');
const receivedLine = page.locator('#bank-list .pick').filter({ hasText: 'received.syx' });
while (!(await receivedLine.count())) await page.locator('#more-banks').click();
await page.waitForTimeout(1000);
await clear();
await receivedLine.click();
await waitFor('known names shown');
const looked = await marks();
console.log(`page: the names of a received dump looked up among ${total} banks, click on its line to its names shown: `
  + `${ms(first(looked, 'known names shown')[1] - first(looked, 'click ')[1])}`);

// The collection saved, then opened in a fresh profile.
const saves = [];
let saved = null;
for (let i = 0; i < Math.min(rounds, 3); i++) {
  await page.waitForTimeout(1000);
  await clear();
  const [file] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'Save the collection' }).click()]);
  await waitFor('download');
  const m = await marks();
  saves.push(first(m, 'download')[1] - first(m, 'click save-collection')[1]);
  saved = join(profile, 'saved.zip');
  await file.saveAs(saved);
}
console.log(`page: the collection saved (${Math.round(statSync(saved).size / 1e6)} MB), click to download: ${ms(median(saves))}`);
const opens = [];
for (let i = 0; i < Math.min(rounds, 3); i++) {
  const otherProfile = mkdtempSync(join(tmpdir(), 'vornak-profile-'));
  const other = await launchWithProfile(otherProfile, { viewport: { width: 1280, height: 900 } });
  await other.addInitScript(() => {
    window.vornakMarks = [];
    document.addEventListener('DOMContentLoaded', () => {
      new MutationObserver(() => {
        const status = document.getElementById('banks-status').textContent;
        if (status.includes('Opening the saved collection')) window.vornakMarks.push(['shown', performance.now()]);
        if (status.includes('Opened the saved collection')) window.vornakMarks.push(['opened', performance.now()]);
      }).observe(document.getElementById('banks-status'), { subtree: true, childList: true, characterData: true });
      document.getElementById('file-input').addEventListener('change', () => window.vornakMarks.push(['change', performance.now()]));
    });
  });
  const fresh = other.pages()[0] || await other.newPage();
  await fresh.goto(`file://${pagePath}`);
  await fresh.getByText('Ready.').waitFor();
  await fresh.locator('#file-input').setInputFiles(saved);
  await fresh.waitForFunction(() => window.vornakMarks.some(([name]) => name === 'opened'), null, { timeout: 120_000 });
  const m = await fresh.evaluate(() => window.vornakMarks);
  opens.push([first(m, 'shown')[1] - first(m, 'change')[1], first(m, 'opened')[1] - first(m, 'change')[1]]);
  console.log(`  opened: ${await fresh.locator('#banks-status').textContent()}`);
  await other.close();
  rmSync(otherProfile, { recursive: true, force: true });
}
console.log(`page: the saved collection opened in a fresh profile, file chosen to its banks shown ("Opening…"): `
  + `${ms(median(opens.map(([shown]) => shown)))}, to all kept in the browser ("Opened"): ${ms(median(opens.map(([, kept]) => kept)))}`);

await context.close();
rmSync(profile, { recursive: true, force: true });
rmSync(folder, { recursive: true, force: true });
