// Where banks come from, in Chromium: a FLEX disk image given to the page
// is opened as its banks (named after the disk and their file on it,
// grouped under the disk's line, the other files said), each sound says
// where it was first seen and where else it is, also after the page is
// opened again, and Print gives a sheet of the bank that only a print shows.
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { after, before, test } from 'node:test';

import { asCopied, flexDisk } from './flex-disk.mjs';
import {
  addFiles, decodeText, exampleFiles, launchChromium, listedValues, openPage, press, runNative, tempDir,
} from './support.mjs';
import { bankLine, browse, listingOf, openProfile, selectBank } from './workspace.mjs';

const examples = exampleFiles();
const disk = flexDisk();
disk.add('D001.USR', examples['demo23-a.usr']);
disk.add('README.TXT', new Uint8Array(300).fill(0x78));
const loop = disk.add('LOOP.USR', examples['demo23-a.usr']);
disk.link(loop[3], loop[1]);

let browser;
before(async () => {
  browser = await launchChromium();
});
after(async () => {
  await browser?.close();
});

const day = /\d{4}-\d{2}-\d{2}/.source;
const provenance = (page) => page.locator('#program-view .provenance');

test('a disk image is opened as its banks under the disk\'s line, and each sound says where it was first seen, also on the next visit', async () => {
  const dir = tempDir();
  try {
    let { context, page } = await openProfile(dir);
    await addFiles(page, { 'demo23.syx': examples['demo23.syx'] });
    await addFiles(page, { 'disk.dsk': disk.image });
    await page.getByRole('status').filter({ hasText: 'disk.dsk, disk “WAVETERM”, volume 1, 07-14-86: 1 bank added; also on it: '
      + 'README.TXT, not a bank (Unknown file format); LOOP.USR, cannot be read' }).waitFor();
    // The bank reads as the tool reads the file on the disk.
    const native = runNative(['disk.dsk/D001.USR'], { 'disk.dsk': disk.image });
    assert.equal(await listingOf(page, 'disk.dsk/D001.USR'), decodeText(native.stdoutBytes));
    const grouped = async () => {
      const lines = await page.locator('#bank-list > li').evaluateAll((items) => items.map((li) => li.textContent));
      assert.equal(lines.length, 3);
      assert.match(lines[1], /^disk\.dsk disk “WAVETERM”, volume 1, 07-14-86Also on the disk: README\.TXT, not a bank \(Unknown file format\); LOOP\.USR, cannot be read/);
      assert.match(lines[2], /^disk\.dsk\/D001\.USRWaveterm A file · 87 programs/);
    };
    await grouped();
    assert.equal(await page.locator('#failed-list li').count(), 0, 'the disk itself is no failed file');

    // Where program 5's sound was first seen: in the dump given first.
    const firstSeen = new RegExp(`^First seen in demo23\\.syx, program 5, on ${day}; also in disk\\.dsk/D001\\.USR, program 5\\.$`);
    const showFive = async () => {
      await selectBank(page, 'disk.dsk/D001.USR');
      await browse(page, 'Names');
      await press(page.getByRole('button', { name: 'Show program 5 PPG Program 005' }));
      await provenance(page).filter({ hasText: 'First seen' }).waitFor();
      assert.match(await provenance(page).textContent(), firstSeen);
    };
    await showFive();
    await context.close();

    ({ context, page } = await openProfile(dir));
    await grouped();
    await showFive();
    // Given again, the disk adds nothing.
    await addFiles(page, { 'again.dsk': disk.image });
    await page.getByRole('status').filter({ hasText: 'again.dsk, disk “WAVETERM”, volume 1, 07-14-86: 0 banks added; 1 bank on it is here already' })
      .waitFor();
    assert.equal(await bankLine(page, 'again.dsk/D001.USR').count(), 0);
    await context.close();
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('Print gives a sheet of the selected bank that only a print shows, its names, tags, notes and values within A4 and Letter', async () => {
  const context = await browser.newContext();
  const page = await openPage(context);
  await addFiles(page, { 'disk.dsk': disk.image });
  await selectBank(page, 'disk.dsk/D001.USR');
  // Program 6 edited: the sheet is of the bank as edited.
  const text = decodeText(runNative(['D001.USR'], { 'D001.USR': asCopied(examples['demo23-a.usr']) }).stdoutBytes);
  const wavetable = listedValues(text, 6, 0).WAVETABLE === '7' ? '8' : '7';
  await press(page.getByRole('button', { name: 'Show program 6 PPG Program 006' }));
  const field = page.getByRole('spinbutton', { name: 'WAVETABLE, program', exact: true });
  await field.fill(wavetable);
  await field.press('Tab');
  await press(page.getByRole('button', { name: 'Show program 5 PPG Program 005' }));
  await page.getByLabel('Tags', { exact: true }).fill('brass, 80s');
  await page.getByLabel('Note', { exact: true }).fill('from the Waveterm disk');
  await page.getByLabel('Note', { exact: true }).press('Tab');
  await page.evaluate(() => {
    window.print = () => {
      window.printed = (window.printed ?? 0) + 1;
    };
  });
  await press(page.getByRole('button', { name: 'Print a sheet of disk.dsk/D001.USR' }));
  await page.waitForFunction(() => window.printed === 1);
  const sheet = page.locator('#print-sheet');
  assert.equal(await sheet.isVisible(), false, 'the screen shows the workspace');
  await page.emulateMedia({ media: 'print' });
  assert.equal(await sheet.isVisible(), true);
  assert.equal(await page.locator('main').isVisible(), false, 'a print shows the sheet alone');
  await sheet.getByRole('heading', { name: 'disk.dsk/D001.USR' }).waitFor();
  await sheet.getByText('As edited, with 1 edited program.').waitFor();
  await sheet.getByText(/^From D001\.USR on disk\.dsk \(disk “WAVETERM”, volume 1, 07-14-86\), added .* · SHA-256 [0-9a-f]{64}$/).waitFor();
  const rows = sheet.locator('.sheet-programs tbody tr');
  assert.equal(await rows.count(), 87);
  // Program 5: its name, its own values as the tool lists them, its tags
  // and note; program 6's WAVETABLE as edited; combi 0's programs as the
  // tool lists them.
  const listed = listedValues(text, 5, 0);
  const combi = /^CP:0 +BK:(.*)$/m.exec(text)[1].match(/\d+/g).join(' ');
  assert.equal(await sheet.locator('.sheet-combis tbody tr').first().locator('td').nth(1).textContent(), combi);
  const cells = await rows.nth(5).locator('td').allTextContents();
  assert.deepEqual(cells, ['5', 'PPG Program 005', listed.WAVETABLE, listed['KEYB-SPLIT'], listed.KEYB, listed.TTUNE, 'brass, 80s',
    'from the Waveterm disk']);
  assert.equal(await rows.nth(6).locator('td').nth(2).textContent(), wavetable);
  // Within the printable width of A4 (186 mm) and Letter (192 mm).
  for (const width of [703, 725]) {
    await page.setViewportSize({ width, height: 1000 });
    const overflowing = await sheet.evaluate((node) => [...node.querySelectorAll('*')]
      .filter((e) => e.scrollWidth > e.clientWidth + 1 || e.getBoundingClientRect().right > node.clientWidth + 1).map((e) => e.textContent));
    assert.deepEqual(overflowing, [], `${width} px`);
  }
  await context.close();
});
