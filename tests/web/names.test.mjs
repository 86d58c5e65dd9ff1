// The collection remembers sounds: the names a sound has in banks that
// hold names reach programs of files that hold none, and the files written
// from them; 2.V programs are linked to the PPG programs whose group they
// hold; what a person adds to a sound stays between visits; the whole
// collection goes into one file and comes back from it in another browser.
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { after, before, test } from 'node:test';

import { strFromU8, strToU8, unzipSync, zipSync } from 'fflate';

import { createVornak } from '../../web/engine/module.js';
import {
  addFiles, decodeText, download, exampleFiles, inputFiles, launchChromium, openPage, press, random, runNative, sameBytes, tempDir,
} from './support.mjs';
import { bankLine, openProfile, selectBank } from './workspace.mjs';

const examples = exampleFiles();
const dump = examples['demo23.syx'];
const engine = await createVornak();
const described = engine.describe('demo23.syx', dump, { parameters: false, conversions: false });
// The dump's bank as a Corvel bank with names: one name for each sound.
const names = described.sounds.map((sound) => `Solar Brass ${described.sounds.indexOf(sound)}`);
const tour = engine.convert(dump, { to: 'W', names }).bytes;

let browser;
before(async () => {
  browser = await launchChromium();
});
after(async () => {
  await browser?.close();
});

async function fresh() {
  const context = await browser.newContext({ acceptDownloads: true });
  const page = await openPage(context);
  page.on('dialog', (dialog) => dialog.accept());
  return { context, page };
}

// The names of a 2.V bank's programs as the tool lists them.
function listedNames(bytes) {
  const listing = decodeText(runNative(['bank.fxb'], { 'bank.fxb': bytes }).stdoutBytes);
  return [...listing.matchAll(/^PROG:(\d+) "(.*)"$/gm)].map(([, , name]) => name);
}

test('a dump shows the names its sounds have in a Corvel bank, is found by them, and is written as a 2.V bank, or built into one, with them', async () => {
  const { context, page } = await fresh();
  await addFiles(page, { 'tour-1986.crv': tour, 'demo23.syx': dump });
  await selectBank(page, 'demo23.syx');
  const row = page.locator('#browse tbody tr').filter({ has: page.getByRole('button', { name: 'Show program 12 PPG Program 012' }) });
  await row.getByText(`known as ${names[12]}, from tour-1986.crv`).waitFor();

  await page.getByLabel('Search names, tags and notes in all banks').fill(names[12]);
  await page.getByRole('button', { name: `Show PPG Program 012, demo23.syx, program 12` }).waitFor();
  await page.getByRole('button', { name: `Show ${names[12]}, tour-1986.crv, program 12` }).waitFor();
  await page.getByLabel('Search names, tags and notes in all banks').fill('');

  await bankLine(page, 'demo23.syx').getByRole('checkbox').check();
  await press(page.locator('#write'));
  const dialog = page.getByRole('dialog');
  await dialog.getByLabel('Output format').selectOption('O');
  assert.equal(await dialog.getByLabel('Name programs from the collection').isChecked(), true, 'on by default');
  await dialog.locator('#write-keeps').getByText('87 programs take their names from the collection.').waitFor();
  await press(dialog.getByRole('button', { name: 'Write', exact: true }));
  const written = await download(page, () => dialog.getByRole('link', { name: 'Download demo23.fxb' }).click());
  assert.deepEqual(listedNames(written.bytes).slice(0, 87), names);

  // Off, the dump's own names are written, as the tool writes them.
  await dialog.getByLabel('Name programs from the collection').uncheck();
  await press(dialog.getByRole('button', { name: 'Write', exact: true }));
  const plain = await download(page, () => dialog.getByRole('link', { name: 'Download demo23.fxb' }).click());
  assert.ok(sameBytes(plain.bytes, runNative(['/Oout.fxb', 'demo23.syx'], { 'demo23.syx': dump }).files['out.fxb']));
  await dialog.getByRole('button', { name: 'Close' }).click();

  // A new bank built from the dump's programs takes the same names.
  await press(page.getByRole('button', { name: 'Add program 12 PPG Program 012 to the new bank' }));
  await press(page.getByRole('button', { name: 'Add program 30 PPG Program 030 to the new bank' }));
  await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
  await page.getByLabel('Format of the new bank').selectOption('O');
  assert.equal(await page.getByLabel('Name of slot 0').inputValue(), names[12]);
  const built = await download(page, () => press(page.getByRole('button', { name: 'Download new bank' })));
  assert.deepEqual(listedNames(built.bytes).slice(0, 2), [names[12], names[30]]);
  await context.close();
});

test('a dump of a tuned Corvel bank is known by the names of its PPG records, found by them and written with them', async () => {
  const { context, page } = await fresh();
  // The dump's bank as a Halvic bank tuned to 442 (the tuning byte is at
  // offset 13 of its chunk, which follows the 160 bytes of the FXB chunk
  // bank's header), then as a Corvel bank with names: every program tuned.
  const halvic = engine.convert(dump, { to: 'M' }).bytes.slice();
  halvic[160 + 13] = 42;
  const tuned = engine.convert(halvic, { to: 'W', names }).bytes;
  const corvel = engine.describe('tuned.crv', tuned, { parameters: [12], conversions: false });
  assert.equal(corvel.parameters[0].program[corvel.parameterLabels.program.indexOf('TTUNE')], 442);
  assert.equal(corvel.records[12], described.records[12]);
  assert.notEqual(corvel.sounds[12], described.sounds[12]);
  await addFiles(page, { 'tuned.crv': tuned, 'demo23.syx': dump });
  await selectBank(page, 'demo23.syx');
  const row = page.locator('#browse tbody tr').filter({ has: page.getByRole('button', { name: 'Show program 12 PPG Program 012' }) });
  await row.getByText(`known as ${names[12]}, by its PPG record, from tuned.crv`).waitFor();
  await press(page.getByRole('button', { name: 'Show program 12 PPG Program 012' }));
  await page.locator('#program-view .known').getByText('Tuned to 442 there; a V8 SysEx dump cannot hold it.').waitFor();
  await page.getByLabel('Search names, tags and notes in all banks').fill(names[12]);
  await page.getByRole('button', { name: 'Show PPG Program 012, demo23.syx, program 12' }).waitFor();
  await page.getByLabel('Search names, tags and notes in all banks').fill('');
  await bankLine(page, 'demo23.syx').getByRole('checkbox').check();
  await press(page.locator('#write'));
  const dialog = page.getByRole('dialog');
  await dialog.getByLabel('Output format').selectOption('O');
  await dialog.locator('#write-keeps').getByText('87 programs take their names from the collection.').waitFor();
  await press(dialog.getByRole('button', { name: 'Write', exact: true }));
  const written = await download(page, () => dialog.getByRole('link', { name: 'Download demo23.fxb' }).click());
  assert.deepEqual(listedNames(written.bytes).slice(0, 87), names);
  await context.close();
});

test('a ZIP of two banks gives two banks; a saved collection cut short or damaged gives what is whole', async () => {
  const { context, page } = await fresh();
  const other = examples['demo23-o.fxb'];
  await page.locator('#file-input').setInputFiles(inputFiles({ 'two banks.zip': zipSync({ 'banks/demo23.syx': dump, 'studio.fxb': other }) }));
  await page.getByRole('status').filter({ hasText: '2 files read. two banks.zip: 2 files in it.' }).waitFor();
  assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['demo23.syx', 'studio.fxb']);
  await bankLine(page, 'demo23.syx').getByText('V8 SysEx dump · 87 programs').waitFor();

  // Saved, then damaged: one bank's bytes changed in the archive; then cut
  // short before its index.
  const saved = await download(page, () => press(page.getByRole('button', { name: 'Save the collection' })));
  await press(page.getByRole('button', { name: 'Remove all…' }));
  await press(page.getByRole('dialog', { name: 'Remove all?' }).getByRole('button', { name: 'Remove all', exact: true }));
  await page.getByRole('status').filter({ hasText: 'All banks removed' }).waitFor();
  const files = unzipSync(saved.bytes);
  const dumpFile = Object.keys(files).find((name) => name.endsWith('demo23.syx'));
  files[dumpFile] = files[dumpFile].slice();
  files[dumpFile][100] ^= 1;
  await page.locator('#file-input').setInputFiles(inputFiles({ 'damaged.zip': zipSync(files, { level: 0 }) }));
  await page.getByRole('status').filter({ hasText: 'damaged.zip is a saved collection with damaged parts: the bytes of demo23.syx.' }).waitFor();
  assert.equal(await page.locator('#bank-list > li').count(), 0, 'nothing added before the person asks');
  await press(page.getByRole('button', { name: 'Add what is whole (1 bank)' }));
  await page.getByRole('status').filter({ hasText: 'Opened the saved collection damaged.zip: 1 bank added' }).waitFor();
  assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['studio.fxb']);

  const cut = saved.bytes.slice(0, saved.bytes.length - 2000);
  await page.locator('#file-input').setInputFiles(inputFiles({ 'cut.zip': cut }));
  await page.getByRole('status').filter({ hasText: 'cut.zip is a saved collection that cannot be opened whole: its vornak-collection.json is damaged '
    + '(the file ends early).' }).waitFor();
  await press(page.getByRole('button', { name: 'Add its 2 bank files' }));
  await page.getByRole('status').filter({ hasText: '1 file read. studio.fxb in cut.zip is the same file as studio.fxb, already loaded' }).waitFor();
  assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['studio.fxb', 'demo23.syx']);
  assert.equal(await page.locator('#bank-list').getByText(/PPG memory image/).count(), 0, 'no ZIP is read as a memory image');
  await context.close();
});

test('before writing, a file that would not read back as written says so', async () => {
  const { context, page } = await fresh();
  // A 2.2 bank whose program 88 holds what a 2.3 memory reads as a combi in use.
  const bank = examples['demo23-n.fxb'].slice();
  bank.set([0x3f, 0x22, 0x8a, 0x29, 0x3e, 0x22, 0x8a, 0x29], 36648);
  await addFiles(page, { 'wave22.fxb': bank });
  await bankLine(page, 'wave22.fxb').getByRole('checkbox').check();
  await press(page.locator('#write'));
  const dialog = page.getByRole('dialog');
  await dialog.getByLabel('Output format').selectOption('S');
  const [note] = engine.convert(bank, { to: 'S' }).keeps.notes;
  const box = dialog.getByRole('note', { name: 'wave22.fxb would not read back as written' });
  await box.getByText(note.text).waitFor();
  await context.close();
});

test('a 2.V bank written from group B of a dump is linked to the dump program by program', async () => {
  const { context, page } = await fresh();
  const groupB = engine.convert(dump, { to: 'O', group: 'B' }).bytes;
  await addFiles(page, { 'demo23.syx': dump, 'studio-b.fxb': groupB });
  await selectBank(page, 'studio-b.fxb');
  const view = page.locator('#program-view');
  for (let p = 0; p < described.programs; p++) {
    await press(page.getByRole('button', { name: `Show program ${p} PPG Program ${String(p).padStart(3, '0')}`, exact: true }));
    await view.locator('.pick').getByText(`studio-b.fxb, program ${p} “`).waitFor();
    const links = view.locator('.sound > div').filter({ has: page.getByRole('heading', { name: /^From a PPG program/ }) });
    const more = links.getByRole('button', { name: /^Show \d+ more programs?$/ });
    if (await more.count()) await press(more);
    const link = links.locator('li').filter({ hasText: `demo23.syx, program ${p}:` });
    await link.getByText(/this program is its groups? (A and )?B, as a 2.V program holds/).waitFor();
  }
  // Program 3's groups differ: the comparison says what a 2.V bank keeps.
  await press(page.getByRole('button', { name: 'Show program 3 PPG Program 003', exact: true }));
  await press(view.locator('.related').getByRole('button', { name: 'Compare PPG Program 003, demo23.syx, program 3' }));
  await page.getByText('Group B of demo23.syx, program 3 is identical in studio-b.fxb, program 3, as a Waldorf 2.V bank keeps it: '
    + 'KEYB-SPLIT and group A are not kept there, and KEYB is held otherwise.').waitFor();
  await context.close();
});

test('a name, tags and a note typed one after another by keyboard, click and tap, at 1280 and 360 px, are all kept', async () => {
  const context = await browser.newContext({ hasTouch: true, viewport: { width: 1280, height: 900 } });
  const page = await openPage(context);
  await addFiles(page, { 'demo23.syx': dump });
  await selectBank(page, 'demo23.syx');
  const field = (label) => page.getByLabel(label, { exact: true });
  // Programs of sounds of their own, one for each way of moving on.
  const programs = [...new Set(described.sounds)].map((sound) => described.sounds.indexOf(sound)).slice(3);
  const ways = [['keyboard', 1280], ['click', 1280], ['tap', 1280], ['keyboard', 360], ['tap', 360]];
  for (const [i, [way, width]] of ways.entries()) {
    await page.setViewportSize({ width, height: width > 1000 ? 900 : 740 });
    const p = programs[i];
    if (width < 1000) await press(page.locator('#tabs').getByRole('button', { name: 'Programs', exact: true }));
    await press(page.getByRole('button', { name: `Show program ${p} PPG Program ${String(p).padStart(3, '0')}`, exact: true }));
    await page.locator('#program-view .pick').getByText(`demo23.syx, program ${p} “`).waitFor();
    // Moving on, by the way of this round: each field left at once for the
    // next, and what is typed next goes into it.
    const moveTo = async (label) => {
      if (way === 'keyboard') await page.keyboard.press('Tab');
      else await field(label)[way]();
    };
    await field('Your name for it')[way === 'tap' ? 'tap' : 'click']();
    await page.keyboard.type(`Pad ${i}`);
    await moveTo('Tags');
    await page.keyboard.type(`warm, round ${i}`);
    await moveTo('Note');
    await page.keyboard.type(`for the intro ${i}`);
    await moveTo('Your name for it');
    // Tab from the note goes on to what follows it, never to the page.
    assert.equal(await page.evaluate(() => (document.activeElement.id === 'own-name' ? 'own-name'
      : document.getElementById('own-note').compareDocumentPosition(document.activeElement) & Node.DOCUMENT_POSITION_FOLLOWING ? 'after the note'
        : document.activeElement.tagName)), way === 'keyboard' ? 'after the note' : 'own-name', `${way} at ${width} px: the focus`);
    assert.deepEqual([await field('Your name for it').inputValue(), await field('Tags').inputValue(), await field('Note').inputValue()],
      [`Pad ${i}`, `warm, round ${i}`, `for the intro ${i}`], `${way} at ${width} px: what was typed`);
    await page.locator('#program-view').getByText(`Known as Pad ${i}, your name for it`, { exact: true }).waitFor();
  }
  // All kept for their sounds: shown again, each program has its own.
  for (const [i] of ways.entries()) {
    await press(page.locator('#tabs').getByRole('button', { name: 'Programs', exact: true }));
    const row = page.locator('#browse tbody tr').filter({ has: page.getByRole('button', { name: new RegExp(`^Show program ${programs[i]} `) }) });
    await row.getByText(`warm, round ${i}`).waitFor();
  }
  await context.close();
});

test('a tag and a favourite stay when the browser is closed, and filter the programs', async () => {
  const dir = tempDir();
  try {
    let { context, page } = await openProfile(dir);
    await addFiles(page, { 'demo23.syx': dump });
    await selectBank(page, 'demo23.syx');
    await press(page.getByRole('button', { name: 'Show program 7 PPG Program 007' }));
    await page.getByLabel('Favourite', { exact: true }).check();
    await page.getByLabel('Tags', { exact: true }).fill('pad, bass 80s');
    await page.getByLabel('Tags', { exact: true }).press('Tab');
    await page.locator('#browse tbody tr').filter({ hasText: '★ favourite · pad, bass 80s' }).first().waitFor();
    await context.close();

    ({ context, page } = await openProfile(dir));
    await page.getByLabel('Filter').selectOption({ label: 'Favourites, in all banks' });
    const found = page.locator('#browse tbody tr');
    await found.first().getByText('★ favourite · pad, bass 80s').waitFor();
    const same = described.sounds.filter((sound) => sound === described.sounds[7]).length;
    assert.equal(await found.count(), same, 'the programs of that sound');
    await page.getByLabel('Filter').selectOption({ label: 'Tagged “bass 80s”, in all banks' });
    await press(page.getByRole('button', { name: 'Show PPG Program 007, demo23.syx, program 7' }));
    assert.equal(await page.getByLabel('Tags', { exact: true }).inputValue(), 'pad, bass 80s');
    assert.equal(await page.getByLabel('Favourite', { exact: true }).isChecked(), true);
    await context.close();
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a kept collection of more banks than are read back at once comes back whole, its sounds indexed across all of them', async () => {
  // 30 Corvel banks of 100 named programs; the last holds the first one's
  // sounds under other names, and is kept as an earlier page kept banks
  // (its sounds with its other lists).
  const rng = random(31);
  const images = Array.from({ length: 29 }, () => {
    const image = rng.bytes(5120);
    image[0] &= 0x1f; // no other format's magic
    for (let c = 0; c < 20; c++) image[4480 + 32 * c + 31] = 0; // no combis: 100 programs
    return image;
  });
  images.push(images[0]);
  const files = Object.fromEntries(images.map((image, i) => [`kept${String(i).padStart(2, '0')}.crv`,
    engine.convert(image, { to: 'W', names: Array.from({ length: 100 }, (_, p) => `Kept ${i}.${p}`) }).bytes]));
  const dir = tempDir();
  let context;
  let page;
  try {
    ({ context, page } = await openProfile(dir));
    await page.locator('#file-input').setInputFiles(inputFiles(files));
    await page.getByRole('status').filter({ hasText: '30 files read.' }).waitFor();
    await page.evaluate(() => new Promise((resolve, reject) => {
      const opening = indexedDB.open('vornak');
      opening.onsuccess = () => {
        const tx = opening.result.transaction(['banks', 'answers', 'soundLists'], 'readwrite');
        tx.objectStore('banks').getAll().onsuccess = ({ target }) => {
          const { id } = target.result.find((bank) => bank.name === 'kept29.crv');
          tx.objectStore('soundLists').get(id).onsuccess = ({ target: { result: sounds } }) => {
            tx.objectStore('answers').get(id).onsuccess = ({ target: { result: lists } }) => {
              tx.objectStore('answers').put({ ...lists, sounds }, id);
              tx.objectStore('soundLists').delete(id);
            };
          };
        };
        tx.oncomplete = resolve;
        tx.onerror = () => reject(tx.error);
      };
    }));
    await context.close();

    ({ context, page } = await openProfile(dir));
    await page.getByText('30 banks kept from before.').waitFor();
    await selectBank(page, 'kept00.crv');
    await page.locator('#browse .same').first().getByText('same sound as kept29.crv, program 0').waitFor();
    assert.doesNotMatch(await page.locator('#banks-status').textContent(), /again/, 'kept29.crv is not read again by the engine');
    await press(page.getByRole('button', { name: 'Show program 1 Kept 0.1' }));
    await page.locator('#program-view .near li').first().filter({ hasNotText: 'Finding' }).waitFor();
    await page.getByLabel('Search names, tags and notes in all banks').fill('kept');
    await page.getByText('3,000 programs found; the first 2,000 are shown.').waitFor();
    // Read back, kept29.crv is kept again as this page keeps banks.
    const keptAgain = () => page.evaluate(() => new Promise((resolve) => {
      indexedDB.open('vornak').onsuccess = ({ target: { result: db } }) => {
        const tx = db.transaction(['banks', 'soundLists']);
        tx.objectStore('banks').getAll().onsuccess = ({ target }) => {
          const { id } = target.result.find((bank) => bank.name === 'kept29.crv');
          tx.objectStore('soundLists').get(id).onsuccess = ({ target: { result } }) => resolve(typeof result === 'string');
        };
      };
    }));
    for (let tries = 0; !(await keptAgain()) && tries < 50; tries++) await page.waitForTimeout(100);
    assert.ok(await keptAgain(), 'kept29.crv kept again with its sounds apart');
  } finally {
    await context?.close();
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a saved collection opened in another browser brings back the banks byte for byte and the tags; a newer one is refused', async () => {
  let { context, page } = await fresh();
  await addFiles(page, { 'tour-1986.crv': tour, 'demo23.syx': dump });
  await selectBank(page, 'demo23.syx');
  await press(page.getByRole('button', { name: 'Show program 4 PPG Program 004' }));
  await page.getByLabel('Tags', { exact: true }).fill('strings');
  await page.getByLabel('Tags', { exact: true }).press('Tab');
  await page.getByLabel('Filter').locator('option', { hasText: 'Tagged “strings”' }).waitFor({ state: 'attached' });
  const saved = await download(page, () => press(page.getByRole('button', { name: 'Save the collection' })));
  assert.match(saved.name, /^Vornak collection \d{4}-\d\d-\d\d\.zip$/);
  await context.close();

  ({ context, page } = await fresh());
  await page.locator('#file-input').setInputFiles(inputFiles({ [saved.name]: saved.bytes }));
  await page.getByRole('status').filter({ hasText: `Opened the saved collection ${saved.name}: 2 banks added` }).waitFor();
  assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['tour-1986.crv', 'demo23.syx']);
  await page.getByLabel('Filter').selectOption({ label: 'Tagged “strings”, in all banks' });
  await page.getByRole('button', { name: 'Show PPG Program 004, demo23.syx, program 4' }).waitFor();
  // Saved again from there, the banks are the bytes first given.
  const again = unzipSync((await download(page, () => press(page.getByRole('button', { name: 'Save the collection' })))).bytes);
  const banks = Object.keys(again).filter((name) => name.startsWith('banks/')).sort();
  assert.equal(banks.length, 2);
  assert.ok(sameBytes(again[banks[0]], tour) && sameBytes(again[banks[1]], dump));
  // The same collection again adds nothing.
  await page.locator('#file-input').setInputFiles(inputFiles({ [saved.name]: saved.bytes }));
  await page.getByRole('status').filter({ hasText: '0 banks added; 2 banks already here' }).waitFor();

  const files = unzipSync(saved.bytes);
  const index = JSON.parse(strFromU8(files['vornak-collection.json']));
  files['vornak-collection.json'] = strToU8(JSON.stringify({ ...index, version: index.version + 1 }));
  await page.locator('#file-input').setInputFiles(inputFiles({ 'newer.zip': zipSync(files) }));
  await page.getByRole('status').filter({ hasText: 'newer.zip is a saved collection that cannot be opened: a newer version of this page saved it' }).waitFor();
  assert.equal(await page.locator('#bank-list > li').count(), 2);
  await context.close();
});
