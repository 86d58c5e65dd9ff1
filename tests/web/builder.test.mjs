// Building a bank on the page from programs of two banks, by keyboard, and
// the collection that the browser keeps between visits: what the page writes
// must read back with the native tool as the slots say.
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { test } from 'node:test';

import { chromium } from 'playwright-core';

import { addFiles, card, chromiumArgs, decodeText, download, exampleFiles, open, pageUrl, press, runNative, tempDir } from './support.mjs';

const examples = exampleFiles();

// A browser with a profile of its own in `dir`, kept when it is closed.
async function openProfile(dir) {
  const context = await chromium.launchPersistentContext(dir, {
    executablePath: process.env.VORNAK_CHROMIUM || '/usr/bin/chromium', args: chromiumArgs, acceptDownloads: true,
  });
  const page = context.pages()[0] || await context.newPage();
  page.on('dialog', (dialog) => dialog.accept());
  await page.goto(pageUrl);
  await page.getByText('Ready.').waitFor();
  return { context, page };
}

// The block of program `n` in a listing, with its numbers taken out of the
// PROG:/P: labels so that blocks of different slots can be compared.
function block(listing, n) {
  const lines = listing.split('\n');
  const at = lines.findIndex((line) => line.startsWith(`PROG:${String(n).padEnd(3)}WAVETABLE`));
  return lines.slice(at, at + 12).join('\n').replace(/(PROG:|P:)\d+ */g, '$1');
}

// What a 2.V bank (/O) holds of one program of a file, as the tool lists it.
function alone(name, program) {
  const written = runNative(['/Oone.fxb', `/P${program}-${program}`, name], { [name]: examples[name] }).files['one.fxb'];
  return block(decodeText(runNative(['one.fxb'], { 'one.fxb': written }).stdoutBytes), 0);
}

test('a bank built by keyboard from two banks reads back as its slots say, and the collection stays until removed', async () => {
  const dir = tempDir();
  try {
    let { context, page } = await openProfile(dir);
    await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'demo23-o.fxb': examples['demo23-o.fxb'] });
    await page.getByLabel('Output format').selectOption('O');
    await open(card(page, 'demo23.syx'), 'Program names (87)');
    await open(card(page, 'demo23-o.fxb'), 'Program names (128)');
    await press(card(page, 'demo23.syx').getByRole('button', { name: 'Add program 3 PPG Program 003 to the new bank' }));
    await press(card(page, 'demo23-o.fxb').getByRole('button', { name: 'Add program 20 PPG Program 020 to the new bank' }));
    await press(card(page, 'demo23.syx').getByRole('button', { name: 'Add program 3 PPG Program 003 to the new bank' }));
    await press(page.getByRole('button', { name: 'Add an empty slot' }));

    const slots = page.locator('#builder-slots > li');
    await slots.nth(2).getByText('same sound as slot 0').waitFor();
    await page.getByLabel('Name of slot 1').fill('My Pad');
    await page.getByLabel('Name of slot 1').press('Tab');
    await press(page.getByRole('button', { name: 'Move slot 1 up' }));
    await page.getByLabel('Bank name').fill('Test bank');
    await page.getByLabel('Bank name').press('Tab');
    await page.locator('#builder-report').getByText(/^Writes all 4 programs; 124 slots get the default program/).waitFor();

    const built = await download(page, () => press(page.getByRole('button', { name: 'Download new bank' })));
    assert.equal(built.name, 'Test bank.fxb');
    await card(page, 'Test bank.fxb').getByText('Waldorf 2.V chunk bank · Waldorf 2.V · 128 programs · built here').waitFor();

    // Read back by the tool: slot by slot the source program as a 2.V bank
    // holds it, under its name; the empty slot the default program.
    const listing = decodeText(runNative(['built.fxb'], { 'built.fxb': built.bytes }).stdoutBytes);
    assert.equal(block(listing, 0), alone('demo23-o.fxb', 20));
    assert.equal(block(listing, 1), alone('demo23.syx', 3));
    assert.equal(block(listing, 2), alone('demo23.syx', 3));
    assert.match(listing, /PROG:0 "My Pad"/);
    assert.match(listing, /PROG:3 "Basic 2\.2"/);
    await context.close();

    // Opened again: the banks and the new bank are there.
    ({ context, page } = await openProfile(dir));
    await page.getByRole('status').filter({ hasText: '3 banks kept from before.' }).waitFor();
    await card(page, 'demo23-o.fxb').getByText('Waldorf 2.V chunk bank').waitFor();
    assert.equal(await page.getByLabel('Name of slot 0').inputValue(), 'My Pad');
    assert.equal(await page.locator('#builder-slots > li').count(), 4);
    await page.getByText(/kept in this browser, on this computer, until you remove them/).waitFor();
    await page.getByRole('button', { name: 'Remove all' }).click();
    await page.getByRole('status').filter({ hasText: 'All banks removed' }).waitFor();
    await context.close();

    ({ context, page } = await openProfile(dir));
    await page.getByRole('status').filter({ hasText: 'Ready. Drop bank files' }).waitFor();
    assert.equal(await page.locator('#builder-slots > li').count(), 0);
    assert.equal(await page.locator('li.file').count(), 0);
    await context.close();
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
