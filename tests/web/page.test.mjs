// The page in Chromium, opened from its file as a person would open it, and
// driven through its controls: what it shows and writes must be what the
// native tool prints and writes.
import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { unzipSync } from 'fflate';

import { createVornak } from '../../web/engine/module.js';
import {
  addFiles, corpusFiles, decodeText, download, exampleFiles, exportSwitches, inputFiles, launchChromium, listedValues, openPage, pageUrl, press, random, reloadKept, root, runNative, sameBytes, tempDir, toolMessage,
} from './support.mjs';
import { bankLine, browse, failedItem, listingOf, selectBank, writeAll } from './workspace.mjs';

const artifacts = process.env.VORNAK_ARTIFACTS || join(root, 'build/web-test-artifacts');
const requests = [];
let browser;

before(async () => {
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
});

// Each test in a fresh browser profile: the page keeps its banks in the
// browser, and a test starts with none.
async function fresh(options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  context.on('request', (request) => requests.push(request.url()));
  const page = await openPage(context);
  page.on('dialog', (dialog) => dialog.accept());
  page.on('close', () => context.close().catch(() => {})); // the browser may be closing already
  return page;
}

// A single program (an FXP preset): "CcnK", its size, "FxCk", two floats.
function singleProgram() {
  const bytes = new Uint8Array(64);
  const view = new DataView(bytes.buffer);
  bytes.set([...'CcnK'].map((c) => c.charCodeAt(0)), 0);
  view.setUint32(4, 56);
  bytes.set([...'FxCkxxxxMDAx'].map((c) => c.charCodeAt(0)), 8);
  view.setUint32(12, 1);
  view.setUint32(24, 2);
  return bytes;
}

// Every example and corpus file, each with bytes of its own (the page loads
// a file once however often it is given).
const inputs = {};
for (const [name, bytes] of Object.entries({ ...exampleFiles(), ...corpusFiles() })) {
  if (!Object.values(inputs).some((b) => sameBytes(b, bytes))) inputs[name] = bytes;
}
const examples = exampleFiles();
const standIn = join(root, 'tests/web/midi-standin.js');
const engine = await createVornak();

test('every example and corpus bank is listed as the tool lists it, or fails with its message and words that fit', async () => {
  const page = await fresh();
  await addFiles(page, inputs);
  for (const [name, bytes] of Object.entries(inputs)) {
    const native = runNative([name], { [name]: bytes });
    if (native.exitCode === 0) {
      assert.equal(await listingOf(page, name), decodeText(native.stdoutBytes), `${name}: listing`);
    } else {
      await failedItem(page, name).getByText(toolMessage(decodeText(native.stdoutBytes)) || `exit code ${native.exitCode}`).waitFor();
    }
  }
  // A single program and an empty file are told what they are.
  await addFiles(page, { 'harp.fxp': singleProgram(), 'empty.syx': new Uint8Array(0) });
  await failedItem(page, 'empty.syx').getByText('The file is empty.').waitFor();
  await failedItem(page, 'harp.fxp').getByText(/single program/).waitFor();
  await page.close();
});

test('every readable bank converts to every format with the tool\'s bytes, under the engine\'s names, in one ZIP', async () => {
  const page = await fresh();
  await addFiles(page, inputs);
  const readable = Object.keys(inputs).filter((name) => runNative([name], { [name]: inputs[name] }).exitCode === 0);
  const dialog = await writeAll(page);
  for (const [letter, extension] of Object.entries(exportSwitches)) {
    await dialog.getByLabel('Output format').selectOption(letter);
    await press(dialog.getByRole('button', { name: 'Write', exact: true }));
    await dialog.getByRole('status').filter({ hasText: `Converted ${readable.length} banks` }).waitFor();
    const zip = await download(page, () => press(dialog.getByRole('button', { name: 'Download all as ZIP' })));
    assert.match(zip.name, /^Banks as .+\.zip$/);
    assert.ok(zip.name.includes(await dialog.locator('#format option:checked').textContent().then((t) => t.replace(/ \(\.\w+\)$/, ''))));
    const files = unzipSync(zip.bytes);
    // Each under the name the engine's convert gives it ("demo23.syx" as
    // 2.V is "demo23.fxb"), numbered where two inputs would share one.
    const expected = {};
    for (const name of readable) {
      const { fileName } = engine.convert(inputs[name], { to: letter, name });
      assert.ok(fileName.endsWith(extension));
      let unique = fileName;
      for (let n = 2; Object.keys(expected).some((k) => k.toLowerCase() === unique.toLowerCase()); n++) {
        unique = fileName.replace(/(\.[^.]*)$/, ` (${n})$1`);
      }
      expected[unique] = runNative([`/${letter}out`, name], { [name]: inputs[name] }).files.out;
    }
    assert.deepEqual(Object.keys(files).sort(), Object.keys(expected).sort(), `/${letter}: names in the ZIP`);
    for (const [outName, bytes] of Object.entries(expected)) assert.ok(sameBytes(files[outName], bytes), `/${letter}: ${outName}`);
  }
  await page.close();
});

test('before writing, a bank says what is worth knowing about its file, and "Write as…" what each file keeps', async () => {
  const page = await fresh();
  const rng = random(9);
  const noise = rng.bytes(9000);
  noise[0] = 0x11;
  await addFiles(page, { 'cut.syx': examples['demo23.syx'].slice(0, 5000), 'noise.bin': noise, 'demo23-o.fxb': examples['demo23-o.fxb'] });
  await (await selectBank(page, 'cut.syx')).getByRole('note').getByText('The dump ends after 2,498 of the 5,120 bytes').waitFor();
  await bankLine(page, 'cut.syx').getByText('1 note').waitFor();
  await bankLine(page, 'cut.syx').locator('.damage').getByText('cut', { exact: true }).waitFor();
  // The programs the cut file holds wholly, and those it does not.
  const row = (program) => page.locator('#browse tbody tr').filter({ has: page.getByRole('button', { name: `Show program ${program} ` }) });
  assert.equal(await row(47).locator('.damage').count(), 0);
  await row(48).getByText('cannot be trusted: the file is cut short').waitFor();
  const noiseNotes = (await selectBank(page, 'noise.bin')).getByRole('note');
  await noiseNotes.getByText('probably not a program bank').waitFor();
  await noiseNotes.getByText('3,880 bytes follow the memory image').waitFor();
  assert.equal(await (await selectBank(page, 'demo23-o.fxb')).getByRole('note').count(), 0, 'a file the tool wrote has no notes');
  assert.equal(await bankLine(page, 'demo23-o.fxb').locator('.mark').count(), 0);

  const dialog = await writeAll(page);
  const keeps = (name) => dialog.locator('#write-keeps li').filter({ hasText: `${name}: ` });
  await dialog.getByLabel('Output format').selectOption('S');
  await keeps('demo23-o.fxb').getByText('Writes 100 of 128 programs (0 to 99)').waitFor();
  await keeps('demo23-o.fxb').getByText(/program names are not kept/).waitFor();
  await dialog.getByLabel('Output format').selectOption('O');
  await dialog.getByLabel('2.V group').selectOption('B');
  await keeps('cut.syx').getByText(/drops group A of \d+ programs/).waitFor();
  await keeps('cut.syx').getByText('Programs 48–99 cannot be trusted: the file is cut short; they are written as the file holds them.').waitFor();
  await dialog.getByLabel('2.V group').selectOption('A');
  await page.close();
});

test('dropped files convert with the chosen range, group and model; a range in words is refused; the choices but the range are remembered', async () => {
  const page = await fresh();
  const files = { '-demo23.syx': examples['demo23.syx'], 'demo23-m.fxb': examples['demo23-m.fxb'] };
  const transfer = await page.evaluateHandle((list) => {
    const data = new DataTransfer();
    for (const [name, bytes] of list) data.items.add(new File([new Uint8Array(bytes)], name));
    return data;
  }, Object.entries(files).map(([name, bytes]) => [name, [...bytes]]));
  await page.dispatchEvent('main', 'drop', { dataTransfer: transfer });
  await page.getByRole('status').filter({ hasText: '2 files read.' }).waitFor();

  await page.getByLabel('Model of the data').selectOption({ label: 'PPG Wave 2.2' });
  await (await selectBank(page, '-demo23.syx')).getByText('V8 SysEx dump · PPG Wave 2.2 · 100 programs').waitFor();
  const dialog = await writeAll(page);
  const status = (text) => dialog.getByRole('status').filter({ hasText: text }).waitFor();
  const write = () => press(dialog.getByRole('button', { name: 'Write', exact: true }));
  await dialog.getByLabel('Output format').selectOption('O');
  await dialog.getByLabel('2.V group').selectOption('B');
  await dialog.getByLabel('From', { exact: true }).fill('abc');
  await write();
  await status('takes program numbers: 0, 1, 2 and so on, or nothing for the whole bank; “abc” is not one.');
  assert.equal(await dialog.getByRole('link').count(), 0, 'nothing written');
  await dialog.getByLabel('From', { exact: true }).fill('10');
  await dialog.getByLabel('to', { exact: true }).fill('3');
  await write();
  await status('the first number is above the last');
  await dialog.getByLabel('From', { exact: true }).fill('3');
  await dialog.getByLabel('to', { exact: true }).fill('10');
  await write();
  await status('Converted 2 banks');
  for (const name of Object.keys(files)) {
    const got = await download(page, () => dialog.getByRole('link', { name: `Download ${name.replace(/\.[^.]*$/, '.fxb')}` }).click());
    const native = runNative(['/Oout.fxb', '/P3-10', '/GB', '/2.2', `./${name}`], { [name]: files[name] });
    assert.ok(sameBytes(got.bytes, native.files['out.fxb']), `${name} converted`);
  }

  await reloadKept(page);
  assert.equal(await page.locator('#format').inputValue(), 'O');
  assert.equal(await page.locator('#group').inputValue(), 'B');
  assert.equal(await page.locator('#first').inputValue(), '', 'the range is not kept for the next visit');
  assert.equal(await page.getByLabel('Model of the data').inputValue(), '2.2');
  await page.close();
});

// The values shown: a table of two programs, or the fields of one (a
// switch as 0 or 1, a value the format does not hold as its text).
async function valueTable(page) {
  return page.locator('#program table.values tbody tr:not(.section)').evaluateAll((rows) => rows.map((row) => ({
    label: row.querySelector('th').firstChild.textContent,
    cells: [...row.querySelectorAll('td')].map((td) => {
      const field = td.querySelector('input');
      if (!field) return (td.querySelector('.fixed') || td).textContent;
      return field.type === 'checkbox' ? String(Number(field.checked)) : field.value;
    }),
    differs: row.classList.contains('differs'),
  })));
}

test('a program is shown under the listing\'s labels, group A beside group B, and compared with another', async () => {
  const page = await fresh();
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'demo23.crv': examples['demo23.crv'] });
  const listing = decodeText(runNative(['demo23.syx'], { 'demo23.syx': examples['demo23.syx'] }).stdoutBytes);
  await selectBank(page, 'demo23.syx');
  await press(page.getByRole('button', { name: 'Show program 3 PPG Program 003' }));
  await page.getByRole('heading', { name: 'Program', exact: true }).waitFor();
  await page.locator('#program table.values').waitFor();
  const shown = await valueTable(page);
  const [a, b] = [listedValues(listing, 3, 0), listedValues(listing, 3, 1)];
  assert.equal(shown.length, 55);
  for (const row of shown) {
    assert.equal(row.cells[0], a[row.label], `${row.label}, group A`);
    if (!['WAVETABLE', 'KEYB-SPLIT', 'KEYB', 'TTUNE'].includes(row.label)) assert.equal(row.cells[1], b[row.label], `${row.label}, group B`);
  }

  // The same sound from another file differs nowhere; another program does.
  await selectBank(page, 'demo23.crv');
  await press(page.getByRole('button', { name: 'Compare program 3 PPG Program 003' }));
  await page.getByText('0 of 55 values differ').waitFor();
  await press(page.getByRole('button', { name: 'Compare program 4 PPG Program 004' }));
  await page.getByText(/^[1-9]\d* of 55 values differ$/).waitFor();
  const compared = await valueTable(page);
  const other = listedValues(listing, 4, 0);
  for (const row of compared) {
    assert.equal(row.differs, row.cells[0] !== row.cells[2] || row.cells[1] !== row.cells[3], row.label);
    assert.equal(row.cells[2], other[row.label], `${row.label} of the second program`);
  }
  await page.close();
});

test('names are searched across banks, sorted, and programs of the same sound are marked and listed', async () => {
  const page = await fresh();
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'demo23-o.fxb': examples['demo23-o.fxb'] });
  await page.getByLabel('Search names, tags and notes in all banks').fill('program 01');
  await page.getByText('20 programs found.').waitFor();
  await page.getByRole('button', { name: 'Show PPG Program 012, demo23-o.fxb, program 12' }).waitFor();
  await page.getByRole('button', { name: 'Show PPG Program 012, demo23.syx, program 12' }).waitFor();

  await selectBank(page, 'demo23-o.fxb');
  const names = page.locator('#browse');
  await press(names.getByRole('button', { name: 'Name', exact: true }));
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Name', 'the keyboard stays on the sort button');
  const first = await names.locator('tbody tr').first().locator('td').nth(1).getByRole('button').textContent();
  assert.equal(first, 'Basic 2.2', 'sorted by name');
  // The 41 filler programs of the 2.V bank are one sound, whatever their names.
  const mark = names.locator('tbody tr').first().locator('.same');
  await mark.getByText(/^same sound as demo23.*, program \d+ and (\d+) others$/).waitFor();
  const others = /and (\d+) others/.exec(await mark.textContent())[1];
  assert.ok(Number(others) >= 40, `${others} others`);
  await browse(page, 'Same sounds');
  await names.getByText(/sounds? shared between banks/).waitFor();
  await page.close();
});

// Whether the element is wholly inside the viewport.
const inView = (locator) => locator.evaluate((node) => {
  const r = node.getBoundingClientRect();
  return r.width > 0 && r.top >= 0 && r.left >= 0 && r.bottom <= window.innerHeight && r.right <= window.innerWidth;
});

test('on a desktop, every answer is where the action was: files read, a program opened beside its bank\'s names', async () => {
  const page = await fresh({ viewport: { width: 1280, height: 900 } });
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'demo23-o.fxb': examples['demo23-o.fxb'] });
  assert.ok(await inView(bankLine(page, 'demo23.syx')), 'the first bank in view');
  assert.ok(await inView(page.getByRole('status').filter({ hasText: '2 files read.' })), 'the status in view');
  await selectBank(page, 'demo23-o.fxb');
  const show = page.getByRole('button', { name: 'Show program 12 PPG Program 012' });
  await press(show);
  const heading = page.getByRole('heading', { name: 'Program', exact: true });
  await page.locator('#program table.values').waitFor();
  assert.equal(await heading.evaluate((node) => node === document.activeElement), true, 'focus on the detail');
  assert.ok(await inView(heading));
  assert.ok(await inView(show), 'the names table beside it');
  assert.ok(await inView(page.locator('#program table.values th').first()));
  // The names table is one Tab stop; the arrow keys move inside it.
  assert.equal(await page.locator('#browse table [tabindex="0"]').count(), 1);
  await show.focus();
  await show.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Show program 13 PPG Program 013');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  await page.getByText(/^\d+ of 55 values differ$/).waitFor();
  assert.equal(await page.getByRole('heading', { name: 'Two programs compared' }).evaluate((node) => node === document.activeElement), true);
  await page.close();
});

test('files given while the engine starts are read when it is ready, in order', async () => {
  const context = await browser.newContext();
  // The engine's answers are held back until the test lets them through.
  await context.addInitScript(() => {
    const Real = window.Worker;
    const gate = new Promise((resolve) => { window.releaseEngine = resolve; });
    window.Worker = class extends Real {
      addEventListener(type, listener, options) {
        super.addEventListener(type, type === 'message' ? (event) => gate.then(() => listener(event)) : listener, options);
      }
    };
  });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.locator('#file-input').setInputFiles(inputFiles({ 'demo23.crv': examples['demo23.crv'] }));
  await page.locator('#file-input').setInputFiles(inputFiles({ 'demo23-o.fxb': examples['demo23-o.fxb'] }));
  await page.getByRole('status').filter({ hasText: 'Starting… your 2 files will be read.' }).waitFor();
  const receive = page.getByRole('button', { name: 'Receive from instrument' });
  assert.equal(await receive.isDisabled(), true, 'Receive waits for the engine');
  await page.getByText('Starting: the instrument and conversions are ready in a moment.').waitFor();
  await page.evaluate(() => window.releaseEngine());
  await page.getByRole('status').filter({ hasText: '2 files read.' }).waitFor();
  assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), ['demo23.crv', 'demo23-o.fxb']);
  assert.equal(await receive.isDisabled(), false);
  await context.close();
});

test('a bank removed while other files are still read is not kept again', async () => {
  const context = await browser.newContext();
  // The engine's answers of a bank after the first are held back until the
  // test lets them through.
  await context.addInitScript(() => {
    const Real = window.Worker;
    let answered = 0;
    const held = [];
    window.releaseBanks = () => held.splice(0).forEach((deliver) => deliver());
    window.Worker = class extends Real {
      addEventListener(type, listener, options) {
        super.addEventListener(type, type !== 'message' ? listener : (event) => {
          const bank = event.data?.result?.sounds;
          if (bank && window.releaseBanks && answered++ >= 1) held.push(() => listener(event));
          else listener(event);
        }, options);
      }
    };
  });
  const page = await openPage(context);
  await page.locator('#file-input').setInputFiles(inputFiles({ 'demo23.crv': examples['demo23.crv'], 'demo23-o.fxb': examples['demo23-o.fxb'] }));
  // The bank read first is removed while the other waits for the engine.
  const read = await (await page.waitForFunction(() => [...document.querySelectorAll('#bank-list > li')]
    .find((line) => !line.querySelector('.bank-facts').textContent.includes('Reading…'))?.querySelector('.bank-name').textContent)).jsonValue();
  const other = read === 'demo23.crv' ? 'demo23-o.fxb' : 'demo23.crv';
  await selectBank(page, read);
  await press(page.getByRole('button', { name: `Remove ${read}` }));
  await page.getByRole('status').filter({ hasText: `Removed ${read}.` }).waitFor();
  await page.evaluate(() => window.releaseBanks());
  await page.getByRole('status').filter({ hasText: '2 files read.' }).waitFor();
  await page.reload();
  await page.getByRole('status').filter({ hasText: '1 bank kept from before.' }).waitFor();
  assert.deepEqual(await page.locator('#bank-list .bank-name').allTextContents(), [other]);
  await context.close();
});

test('a newer version of the page opened in another tab gets the kept collection; this one says to reload', async () => {
  const page = await fresh();
  await addFiles(page, { 'demo23.crv': examples['demo23.crv'] });
  const other = await page.context().newPage();
  await other.goto(pageUrl);
  // The newer page's store, one version on: not blocked by this page.
  assert.equal(await other.evaluate(() => new Promise((resolve) => {
    const opening = indexedDB.open('vornak', 1000);
    opening.onsuccess = () => resolve('opened');
    opening.onblocked = () => resolve('blocked');
    opening.onerror = () => resolve('failed');
  })), 'opened');
  await addFiles(page, { 'demo23-o.fxb': examples['demo23-o.fxb'] });
  await page.getByText(/a newer version of this page was opened in another tab: reload this one/).waitFor();
  await page.close();
});

test('the same sounds of two banks come first, before repeats inside one bank; default programs are one line', async () => {
  const page = await fresh();
  const rng = random(24);
  const other = rng.bytes(5120);
  other[0] = 0;
  // A bank that repeats a sound of its own first, then holds five programs
  // of demo23.syx.
  const built = engine.compose({ banks: { other, demo: examples['demo23.syx'] }, format: 'W', programs: [
    { bank: 'other', program: 1 }, { bank: 'other', program: 1 }, { bank: 'other', program: 2 },
    ...[10, 20, 30, 40, 50].map((program) => ({ bank: 'demo', program }))] });
  assert.equal(built.exitCode, 0);
  await addFiles(page, { 'mix.crv': built.bytes, 'demo23.syx': examples['demo23.syx'] });
  await browse(page, 'Same sounds');
  const groups = page.locator('#browse .groups > li');
  await page.getByRole('status').filter({ hasText: '5 sounds shared between banks, 1 sound repeated inside one bank.' }).waitFor();
  for (const [i, program] of [10, 20, 30, 40, 50].entries()) {
    const group = groups.nth(i);
    await group.getByRole('button', { name: `Show PPG Program ${String(program).padStart(3, '0')}, demo23.syx, program ${program}` }).waitFor();
    await group.getByText(`mix.crv, program ${i + 3}`).waitFor();
  }
  await groups.nth(5).getByText('2 programs of mix.crv').waitFor();
  assert.equal(await groups.count(), 6);
  await page.locator('#browse').getByText(/^\d+ programs in 1 bank are the default program or a blank slot/).waitFor();

  // A copy of a bank with bytes after it is one line, not 87 groups.
  const tail = new Uint8Array([...examples['demo23.syx'], 1, 2, 3]);
  await addFiles(page, { 'demo23 with tail.syx': tail });
  await page.locator('#browse .wholes').getByText('demo23 with tail.syx holds the same 70 sounds as demo23.syx.').waitFor();
  assert.equal(await groups.count(), 6);
  await page.close();
});

// Everything on screen that is wider than the viewport, or scrolls
// sideways, and every control smaller than 24 × 24 px.
function measure() {
  const visible = (node) => node.getClientRects().length > 0 && getComputedStyle(node).visibility !== 'hidden';
  const name = (node) => `${node.tagName.toLowerCase()}${node.id ? `#${node.id}` : ''} “${(node.getAttribute('aria-label') || node.textContent).trim().slice(0, 40)}”`;
  const wide = [];
  const small = [];
  for (const node of document.querySelectorAll('body *')) {
    if (!visible(node) || node.closest('.visually-hidden')) continue;
    const r = node.getBoundingClientRect();
    if (r.right > window.innerWidth + 0.5 || r.left < -0.5) wide.push(`${name(node)} from ${r.left} to ${r.right}`);
    if (node.scrollWidth > node.clientWidth + 1 && ['auto', 'scroll'].includes(getComputedStyle(node).overflowX)) wide.push(`${name(node)} scrolls sideways`);
    if (node.matches('button, select, input:not([type=file]), a, summary') && (r.width < 24 || r.height < 24)) {
      small.push(`${name(node)} ${Math.round(r.width)}×${Math.round(r.height)}`);
    }
  }
  if (document.documentElement.scrollWidth > window.innerWidth) wide.push(`the page, ${document.documentElement.scrollWidth} px`);
  return { wide, small };
}

// The workspace with banks, a program compared with another and a new bank
// of two slots.
async function workspace(page) {
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'cut.syx': examples['demo23.syx'].slice(0, 5000), 'empty.bin': new Uint8Array(0) });
  await selectBank(page, 'demo23.syx');
  await press(page.getByRole('button', { name: 'Add program 2 PPG Program 002 to the new bank' }));
  await press(page.getByRole('button', { name: 'Add program 3 PPG Program 003 to the new bank' }));
  await press(page.getByRole('button', { name: 'Show program 2 PPG Program 002' }));
  await page.locator('#program table.values').waitFor();
}

const views = [['Banks'], ['Programs'], ['Program', 'Two programs compared'], ['New bank']];

test('on a phone nothing scrolls sideways and every control is at least 24 px; no serious accessibility fault at either width', async () => {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 }, bypassCSP: true });
  await context.addInitScript({ path: standIn });
  const page = await openPage(context);
  await workspace(page);
  await press(page.getByRole('button', { name: 'Compare program 4 PPG Program 004' }));
  await page.getByRole('heading', { name: 'Two programs compared' }).waitFor();
  await page.addScriptTag({ path: join(root, 'node_modules/axe-core/axe.min.js') });
  mkdirSync(artifacts, { recursive: true });
  const axe = async (where) => {
    const result = await page.evaluate(() => window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] }));
    const serious = result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical');
    assert.deepEqual(serious.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), [], where);
  };
  const sendDialog = async (where) => {
    await press(page.getByRole('button', { name: 'Send to instrument: demo23.syx' }));
    const dialog = page.getByRole('dialog', { name: 'Send demo23.syx to “Stand-in MIDI”?' });
    await dialog.getByText('slots 0–86: programs 0–86 of demo23.syx').waitFor();
    await axe(`${where}, the send dialog open`);
    const sizes = await page.evaluate(measure);
    await dialog.getByRole('button', { name: 'Cancel' }).click();
    return sizes;
  };

  await axe('at 1280 px');
  await page.screenshot({ path: join(artifacts, 'vornak-page-1280.png') });
  await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
  await axe('at 1280 px, the new bank shown');
  await sendDialog('at 1280 px');

  await page.setViewportSize({ width: 360, height: 740 });
  for (const [tab, heading] of views) {
    await press(page.locator('#tabs').getByRole('button', { name: tab, exact: true }));
    if (heading) await page.getByRole('heading', { name: heading }).waitFor();
    await page.waitForTimeout(100);
    const { wide, small } = await page.evaluate(measure);
    assert.deepEqual(wide, [], `${tab} at 360 px: wider than the viewport`);
    assert.deepEqual(small, [], `${tab} at 360 px: controls under 24 px`);
    await axe(`${tab} at 360 px`);
    await page.screenshot({ path: join(artifacts, `vornak-page-360-${tab.replace(' ', '-').toLowerCase()}.png`) });
  }
  await press(page.locator('#tabs').getByRole('button', { name: 'Banks', exact: true }));
  const inDialog = await sendDialog('at 360 px');
  assert.deepEqual(inDialog, { wide: [], small: [] }, 'the send dialog at 360 px');

  // One program: its values as fields, with Randomize and Blend open.
  await press(page.locator('#tabs').getByRole('button', { name: 'Program', exact: true }));
  await press(page.getByRole('button', { name: 'Stop comparing' }));
  await page.getByRole('spinbutton', { name: 'P:3, group A' }).waitFor();
  for (const tool of ['Randomize', 'Blend with another program']) await page.locator('#program summary').getByText(tool).click();
  for (const width of [360, 1280]) {
    await page.setViewportSize({ width, height: width === 360 ? 740 : 900 });
    assert.deepEqual(await page.evaluate(measure), { wide: [], small: [] }, `a program's fields at ${width} px`);
    await axe(`a program's fields at ${width} px`);
  }
  await page.screenshot({ path: join(artifacts, 'vornak-page-1280-program.png') });
  await context.close();
});

test('bad and very large files show their message and the page goes on with the next file', async () => {
  const page = await fresh();
  const dir = tempDir();
  const huge = join(dir, 'huge.bin');
  const rng = random(50);
  const block = rng.bytes(1 << 20);
  block[0] = 0; // not a magic: a bare memory image
  writeFileSync(huge, Buffer.concat(Array.from({ length: 50 }, () => block)));
  await addFiles(page, { 'random.bin': rng.bytes(3000).map((b, i) => (i === 0 ? 0x11 : b)), 'cut.fxb': examples['demo23-o.fxb'].slice(0, 400) });
  await failedItem(page, 'random.bin').getByText('Unknown file format').waitFor();
  await failedItem(page, 'cut.fxb').getByText('damaged or cut short').waitFor();

  await page.locator('#file-input').setInputFiles(huge);
  await bankLine(page, 'huge.bin').getByText('PPG memory image · 100 programs').waitFor({ timeout: 60_000 });
  const facts = await selectBank(page, 'huge.bin');
  await facts.getByText('PPG memory image · PPG Wave 2.2 · 100 programs').waitFor();
  await facts.getByText('52,423,680 bytes follow the memory image').waitFor();
  await addFiles(page, { 'demo23.crv': examples['demo23.crv'] });
  await (await selectBank(page, 'demo23.crv')).getByText('Corvel bank · PPG Wave 2.3 · 87 programs').waitFor();
  await page.close();
});

test('no request leaves the page, and its policy forbids connections', async () => {
  const page = await fresh();
  const answer = await page.evaluate(() => fetch('https://example.com/').then(() => 'sent', () => 'refused'));
  assert.equal(answer, 'refused');
  await page.close();
  const outside = requests.filter((url) => url !== pageUrl && !url.startsWith('blob:') && !url.startsWith('data:'));
  assert.deepEqual(outside, []);
  assert.ok(requests.includes(pageUrl));
});

