// Building a bank on the page from programs of two banks, by keyboard, and
// the collection that the browser keeps between visits: what the page writes
// must read back with the native tool as the slots say.
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { test } from 'node:test';

import { addFiles, decodeText, download, exampleFiles, inputFiles, press, runNative, tempDir } from './support.mjs';
import { bankLine, openProfile, selectBank } from './workspace.mjs';

const examples = exampleFiles();

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
    const add = async (bank, program) => {
      await selectBank(page, bank);
      await press(page.getByRole('button', { name: `Add program ${program} PPG Program ${String(program).padStart(3, '0')} to the new bank` }));
      await page.getByRole('status').filter({ hasText: `Added ${bank}, program ${program} to the new bank` }).waitFor();
    };
    await add('demo23.syx', 3);
    await add('demo23-o.fxb', 20);
    await add('demo23.syx', 3);
    await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
    await page.getByLabel('Format of the new bank').selectOption('O');
    await press(page.getByRole('button', { name: 'Add an empty slot' }));

    const slots = page.locator('#builder-slots > li');
    await slots.nth(2).getByText('same sound as slot 0').waitFor();
    await page.getByLabel('Name of slot 1').fill('My Pad');
    await page.getByLabel('Name of slot 1').press('Tab');
    // Renaming and Tab go on to the next control, never to the page.
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Move slot 1 up');
    await press(page.getByRole('button', { name: 'Move slot 1 up' }));
    await page.getByLabel('Bank name').fill('Test bank');
    await page.getByLabel('Bank name').press('Tab');
    await page.locator('#builder-report').getByText(/^Writes all 3 programs; 125 slots get the default program/).waitFor();

    const built = await download(page, () => press(page.getByRole('button', { name: 'Download new bank' })));
    assert.equal(built.name, 'Test bank.fxb');
    await bankLine(page, 'Test bank.fxb').getByText('Waldorf 2.V chunk bank · 128 programs · built here').waitFor();
    await (await selectBank(page, 'Test bank.fxb')).getByText('Waldorf 2.V chunk bank · Waldorf 2.V · 128 programs · built here').waitFor();

    // Read back by the tool: slot by slot the source program as a 2.V bank
    // holds it, under its name; the empty slot the default program.
    const listing = decodeText(runNative(['built.fxb'], { 'built.fxb': built.bytes }).stdoutBytes);
    assert.equal(block(listing, 0), alone('demo23-o.fxb', 20));
    assert.equal(block(listing, 1), alone('demo23.syx', 3));
    assert.equal(block(listing, 2), alone('demo23.syx', 3));
    assert.match(listing, /PROG:0 "My Pad"/);
    assert.match(listing, /PROG:3 "Basic 2\.2"/);
    await context.close();

    // Opened again: the banks and the new bank are there. A bank removed
    // and put back by Undo stays.
    ({ context, page } = await openProfile(dir));
    await page.getByRole('status').filter({ hasText: '3 banks kept from before.' }).waitFor();
    await bankLine(page, 'demo23-o.fxb').getByText('Waldorf 2.V chunk bank').waitFor();
    assert.equal(await page.getByLabel('Name of slot 0').inputValue(), 'My Pad');
    assert.equal(await page.locator('#builder-slots > li').count(), 4);
    await selectBank(page, 'demo23.syx');
    await press(page.getByRole('button', { name: 'Remove demo23.syx' }));
    await page.getByRole('status').filter({ hasText: 'Removed demo23.syx.' }).waitFor();
    assert.equal(await bankLine(page, 'demo23.syx').count(), 0);
    assert.equal(await page.evaluate(() => document.activeElement.querySelector('.bank-name')?.textContent), 'demo23-o.fxb', 'focus on the next bank');
    await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
    await page.getByText('Its bank was removed: remove this slot or empty it.').first().waitFor();
    await press(page.getByRole('button', { name: 'Undo: Removed demo23.syx.' }));
    await page.getByRole('status').filter({ hasText: 'demo23.syx is back.' }).waitFor();
    assert.equal(await page.evaluate(() => document.activeElement.querySelector('.bank-name')?.textContent), 'demo23.syx', 'focus on the bank put back');
    assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['demo23.syx', 'demo23-o.fxb', 'Test bank.fxb']);
    await page.getByLabel('Name of slot 1').waitFor();
    // The new bank emptied and put back.
    await press(page.getByRole('button', { name: 'Empty the new bank' }));
    assert.equal(await page.locator('#builder-slots > li').count(), 0);
    await press(page.getByRole('button', { name: 'Undo: The new bank is empty (it had 4 slots).' }));
    await page.getByRole('status').filter({ hasText: 'The new bank has its 4 slots again.' }).waitFor();
    assert.equal(await page.locator('#builder-slots > li').count(), 4);
    await context.close();

    ({ context, page } = await openProfile(dir));
    await page.getByRole('status').filter({ hasText: '3 banks kept from before.' }).waitFor();
    assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['demo23.syx', 'demo23-o.fxb', 'Test bank.fxb']);
    assert.equal(await page.locator('#builder-slots > li').count(), 4);
    // A file with a kept bank's name and size but other bytes is another
    // bank; a kept bank's own bytes under another name are noticed.
    const other = examples['demo23.syx'].slice();
    other[100] ^= 1;
    await addFiles(page, { 'demo23.syx': other });
    assert.equal(await bankLine(page, 'demo23.syx').count(), 2);
    await page.locator('#file-input').setInputFiles(inputFiles({ 'copy.fxb': examples['demo23-o.fxb'] }));
    await page.getByRole('status').filter({ hasText: 'copy.fxb is the same file as demo23-o.fxb' }).waitFor();
    await page.getByText(/kept in this browser, on this computer, until you remove them/).waitFor();
    // Remove all offers to save the collection first.
    await page.getByRole('button', { name: 'Remove all…' }).click();
    const confirm = page.getByRole('dialog', { name: 'Remove all?' });
    const saved = await download(page, () => press(confirm.getByRole('button', { name: 'Save the collection' })));
    assert.match(saved.name, /^Vornak collection \d{4}-\d\d-\d\d\.zip$/);
    await confirm.getByRole('status').filter({ hasText: 'Saved 4 banks' }).waitFor();
    await press(confirm.getByRole('button', { name: 'Remove all', exact: true }));
    await page.getByRole('status').filter({ hasText: 'All banks removed' }).waitFor();
    await context.close();

    ({ context, page } = await openProfile(dir));
    await page.getByRole('status').filter({ hasText: 'Ready. Drop bank files' }).waitFor();
    assert.equal(await page.locator('#builder-slots > li').count(), 0);
    assert.equal(await page.locator('#bank-list > li').count(), 0);
    await context.close();
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
