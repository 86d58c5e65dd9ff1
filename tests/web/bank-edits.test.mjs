// An edited bank is a bank: two programs of demo23.syx edited on the page
// are marked, written by "Write as…" and sent over MIDI with the bank's
// combis and every other program, and kept in a saved collection that
// another browser opens; a value typed and a button clicked at once; a
// combi edited and written. What the page writes must read back with the
// native tool as edited.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import {
  addFiles, decodeText, download, exampleFiles, inputFiles, launchChromium, listedValues, pageUrl, press, root, runNative, sameBytes,
} from './support.mjs';
import { bankLine, browse, selectBank } from './workspace.mjs';

const examples = exampleFiles();
const listing = (name, bytes) => decodeText(runNative([name], { [name]: bytes }).stdoutBytes);
const demo = listing('demo23.syx', examples['demo23.syx']);
let browser;

before(async () => {
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
});

// A page in a fresh context (a fresh profile), with the MIDI stand-in.
async function freshPage() {
  const context = await browser.newContext({ acceptDownloads: true, viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  await page.addInitScript({ path: join(root, 'tests/web/midi-standin.js') });
  await page.goto(pageUrl);
  await page.getByText('Ready.').waitFor();
  return page;
}

const field = (page, label) => page.getByRole('spinbutton', { name: `${label}, group A`, exact: true });

async function show(page, program) {
  await selectBank(page, 'demo23.syx');
  await browse(page, 'Names');
  await press(page.getByRole('button', { name: `Show program ${program} PPG Program ${String(program).padStart(3, '0')}` }));
  await field(page, 'P:3').waitFor();
}

async function setValue(page, program, label, value) {
  await show(page, program);
  await field(page, label).fill(String(value));
  await field(page, label).press('Tab');
  await page.locator('#program-status').getByText(`${label} of group A set to ${value}`).waitFor();
}

const programs = (text) => text.match(/^PROG:\d+ "/gm).length;
const combis = (text) => text.match(/^CP:\d+ /gm).length;

test('two edited programs go with their bank into Write as…, Send and a saved collection, with its combis', async () => {
  const page = await freshPage();
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'] });
  await setValue(page, 7, 'P:6', 3);
  await setValue(page, 9, 'P:3', 40);
  await bankLine(page, 'demo23.syx').getByText('2 edited programs').waitFor();
  await selectBank(page, 'demo23.syx');
  await page.locator('#bank-facts').getByText('With 2 edited programs').waitFor();
  assert.equal(await page.locator('#browse table.names .edited').count(), 2);

  // Write as… takes the bank as edited, and says so.
  await press(page.locator('#write'));
  const dialog = page.getByRole('dialog', { name: 'Write demo23.syx as…' });
  await dialog.getByLabel('Output format').selectOption('S');
  await dialog.getByText('demo23.syx, with 2 edited programs:').waitFor();
  assert.equal(await dialog.getByLabel('Write demo23.syx with its edits').isChecked(), true);
  await press(dialog.getByRole('button', { name: 'Write', exact: true }));
  const written = await download(page, () => dialog.getByRole('link', { name: /^Download demo23/ }).click());
  await dialog.getByRole('button', { name: 'Close' }).click();
  const text = listing(written.name, written.bytes);
  assert.deepEqual([listedValues(text, 7, 0)['P:6'], listedValues(text, 9, 0)['P:3']], ['3', '40']);
  assert.deepEqual([programs(text), combis(text)], [87, 5]);
  assert.equal(text.replace(/^(P:7 |P:9 ).*$/gm, ''), demo.replace(/^(P:7 |P:9 ).*$/gm, ''), 'all else as read');

  // Send gives the same bytes.
  await press(page.getByRole('button', { name: 'Send to instrument: demo23.syx' }));
  const send = page.getByRole('dialog', { name: 'Send demo23.syx to “Stand-in MIDI”?' });
  await send.getByText('as edited: programs 7, 9').waitFor();
  await send.getByText(/^\d+ combis of demo23\.syx: they take the place of the instrument’s combis$/).waitFor();
  await send.getByRole('button', { name: 'Overwrite the instrument’s memory' }).click();
  await page.getByRole('status').filter({ hasText: 'Sent demo23.syx' }).waitFor();
  const sent = await page.evaluate(() => window.midiStandIn.sent);
  assert.ok(sameBytes(sent[0].data, written.bytes));

  // The saved collection, opened in another browser, holds the edits.
  const saved = await download(page, () => press(page.getByRole('button', { name: 'Save the collection' })));
  const other = await freshPage();
  await other.locator('#file-input').setInputFiles(inputFiles({ [saved.name]: saved.bytes }));
  await other.locator('#banks-status').getByText('2 edits of programs and combis').waitFor();
  await bankLine(other, 'demo23.syx').getByText('2 edited programs').waitFor();
  await show(other, 7);
  assert.equal(await field(other, 'P:6').inputValue(), '3');
  await other.context().close();

  // Kept as a new bank, the original as read; Undo brings the edits back.
  await selectBank(page, 'demo23.syx');
  await press(page.getByRole('button', { name: 'Keep as a new bank: demo23.syx as edited' }));
  await page.locator('#programs-status').getByText('Kept as demo23 edited.syx').waitFor();
  await bankLine(page, 'demo23 edited.syx').waitFor();
  assert.equal(await bankLine(page, 'demo23.syx').locator('.edited').count(), 0);
  await page.locator('#programs').getByRole('button', { name: /^Undo: Kept as/ }).click();
  await bankLine(page, 'demo23.syx').getByText('2 edited programs').waitFor();
  // Remove all warns of them.
  await press(page.getByRole('button', { name: 'Remove all…' }));
  await page.getByRole('dialog', { name: 'Remove all?' }).getByText('Your edits go too: demo23.syx with 2 edited programs').waitFor();
  await page.context().close();
});

test('a value typed and a button clicked at once: the value is taken, the click acts, both are said, and the sound keeps its name', async () => {
  const page = await freshPage();
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'] });
  await show(page, 11);
  const name = page.getByLabel('Your name for it');
  await name.fill('Warm Pad');
  await name.press('Tab');
  await field(page, 'P:3').fill('30');
  await page.getByRole('button', { name: 'Add the edited program to the new bank' }).click();
  await page.locator('#program-status').getByText(
    /P:3 of group A set to 30 \(was \d+\)\. Added demo23\.syx, program 11 as edited to the new bank as slot 0\./).waitFor();
  // The name given to the sound before it was edited stays with it, and
  // the edit kept in the new bank takes it on.
  await page.locator('#program-view .sound').getByText('edited from “Warm Pad”').waitFor();
  assert.equal(await page.getByLabel('Name of slot 0').inputValue(), 'Warm Pad');
  await page.context().close();
});

test('a combi edited by keyboard is marked, undone and redone, and written with the bank', async () => {
  const page = await freshPage();
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'] });
  await selectBank(page, 'demo23.syx');
  await browse(page, 'Combis');
  const bk = page.getByRole('spinbutton', { name: 'BK 1, combi 0', exact: true });
  const was = /^CP:0 +BK: *(\d+)/m.exec(demo)[1];
  assert.equal(await bk.inputValue(), was);
  await bk.fill('12');
  await bk.press('Tab');
  await page.locator('#programs-status').getByText(`BK 1 of combi 0 set to 12 (was ${was}).`).waitFor();
  await page.locator('.combi-field').filter({ has: bk }).getByText(`was ${was}`).waitFor();
  await bk.focus();
  await page.keyboard.press('Control+z');
  assert.equal(await bk.inputValue(), was);
  await page.keyboard.press('Control+Shift+z');
  assert.equal(await bk.inputValue(), '12');
  await bankLine(page, 'demo23.syx').getByText('1 edited combi').waitFor();

  await press(page.locator('#write'));
  const dialog = page.getByRole('dialog', { name: 'Write demo23.syx as…' });
  await dialog.getByLabel('Output format').selectOption('S');
  await dialog.getByText('demo23.syx, with 1 edited combi:').waitFor();
  await press(dialog.getByRole('button', { name: 'Write', exact: true }));
  const written = await download(page, () => dialog.getByRole('link', { name: /^Download demo23/ }).click());
  const text = listing(written.name, written.bytes);
  assert.equal(/^CP:0 +BK: *(\d+)/m.exec(text)[1], '12');
  assert.equal(text.replace(/^CP:0 .*$/m, ''), demo.replace(/^CP:0 .*$/m, ''), 'all else as read');
  await page.context().close();
});
