// The page in Chromium, opened from its file as a person would open it, and
// driven through its controls: what it shows and writes must be what the
// native tool prints and writes.
import assert from 'node:assert/strict';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { unzipSync } from 'fflate';

import {
  addFiles, card, corpusFiles, decodeText, download, exampleFiles, exportSwitches, launchChromium, listingOf, open,
  openPage, pageUrl, press, random, root, runNative, sameBytes, tempDir, toolMessage,
} from './support.mjs';

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

test('every example and corpus bank is listed as the tool lists it, or fails with its message and words that fit', async () => {
  const page = await fresh();
  await addFiles(page, inputs);
  for (const [name, bytes] of Object.entries(inputs)) {
    const native = runNative([name], { [name]: bytes });
    if (native.exitCode === 0) {
      assert.equal(await listingOf(page, name), decodeText(native.stdoutBytes), `${name}: listing`);
    } else {
      const failed = page.locator('#failed-list li').filter({ hasText: name });
      await failed.getByText(toolMessage(decodeText(native.stdoutBytes)) || `exit code ${native.exitCode}`).waitFor();
    }
  }
  // A single program and an empty file are told what they are.
  await addFiles(page, { 'harp.fxp': singleProgram(), 'empty.syx': new Uint8Array(0) });
  await page.locator('#failed-list li').filter({ hasText: 'empty.syx' }).getByText('The file is empty.').waitFor();
  await page.locator('#failed-list li').filter({ hasText: 'harp.fxp' }).getByText(/single program/).waitFor();
  await page.close();
});

test('every readable bank converts to every format with the tool\'s bytes, under names that say their source, in one ZIP', async () => {
  const page = await fresh();
  await addFiles(page, inputs);
  const readable = Object.keys(inputs).filter((name) => runNative([name], { [name]: inputs[name] }).exitCode === 0);
  for (const [letter, extension] of Object.entries(exportSwitches)) {
    await page.getByLabel('Output format').selectOption(letter);
    await page.getByRole('button', { name: 'Convert all' }).click();
    await page.getByRole('status').filter({ hasText: `Converted ${readable.length} banks` }).waitFor();
    const zip = await download(page, () => page.getByRole('button', { name: 'Download all as ZIP' }).click());
    assert.match(zip.name, /^Banks as .+\.zip$/);
    assert.ok(zip.name.includes(await page.locator('#format option:checked').textContent().then((t) => t.replace(/ \(\.\w+\)$/, ''))));
    const files = unzipSync(zip.bytes);
    // "demo23.syx" as SysEx is "demo23-syx.syx": never the input's own name.
    const expected = {};
    for (const name of readable) {
      const dot = name.lastIndexOf('.');
      expected[`${name.slice(0, dot)}-${name.slice(dot + 1)}${extension}`] = runNative([`/${letter}out`, name], { [name]: inputs[name] }).files.out;
    }
    assert.deepEqual(Object.keys(files).sort(), Object.keys(expected).sort(), `/${letter}: names in the ZIP`);
    for (const [outName, bytes] of Object.entries(expected)) assert.ok(sameBytes(files[outName], bytes), `/${letter}: ${outName}`);
  }
  await page.close();
});

test('before converting, a card says what is worth knowing about its file and what the conversion keeps', async () => {
  const page = await fresh();
  const rng = random(9);
  const noise = rng.bytes(9000);
  noise[0] = 0x11;
  await addFiles(page, { 'cut.syx': examples['demo23.syx'].slice(0, 5000), 'noise.bin': noise, 'demo23-o.fxb': examples['demo23-o.fxb'] });
  await card(page, 'cut.syx').getByRole('note').getByText('The dump ends after 2,498 of the 5,120 bytes').waitFor();
  const noiseNotes = card(page, 'noise.bin').getByRole('note');
  await noiseNotes.getByText('probably not a program bank').waitFor();
  await noiseNotes.getByText('3,880 bytes follow the memory image').waitFor();
  assert.equal(await card(page, 'demo23-o.fxb').getByRole('note').count(), 0, 'a file the tool wrote has no notes');

  // What a conversion keeps is asked for when a card comes into view.
  const keeps = (name) => card(page, name).locator('p.keeps').scrollIntoViewIfNeeded();
  await page.getByLabel('Output format').selectOption('S');
  await keeps('demo23-o.fxb');
  await card(page, 'demo23-o.fxb').getByText('As V8 SysEx dump: Writes 100 of 128 programs (0 to 99)').waitFor();
  await card(page, 'demo23-o.fxb').getByText(/program names are not kept/).waitFor();
  await page.getByLabel('Output format').selectOption('O');
  await page.getByLabel('2.V group').selectOption('B');
  await keeps('cut.syx');
  await card(page, 'cut.syx').getByText(/drops group A of \d+ programs/).waitFor();
  await page.getByLabel('2.V group').selectOption('A');
  await page.close();
});

test('dropped files convert with the chosen range, group and model; the choices but the range are remembered', async () => {
  const page = await fresh();
  const files = { '-demo23.syx': examples['demo23.syx'], 'demo23-m.fxb': examples['demo23-m.fxb'] };
  const transfer = await page.evaluateHandle((list) => {
    const data = new DataTransfer();
    for (const [name, bytes] of list) data.items.add(new File([new Uint8Array(bytes)], name));
    return data;
  }, Object.entries(files).map(([name, bytes]) => [name, [...bytes]]));
  await page.dispatchEvent('#drop', 'drop', { dataTransfer: transfer });
  await page.getByRole('status').filter({ hasText: '2 files read.' }).waitFor();

  await page.getByLabel('Model of the data').selectOption('2');
  await card(page, '-demo23.syx').getByText('V8 SysEx dump · PPG Wave 2.2 · 100 programs').waitFor();
  await page.getByLabel('Output format').selectOption('O');
  await page.getByLabel('2.V group').selectOption('B');
  await page.getByLabel('From').fill('10');
  await page.getByLabel('to', { exact: true }).fill('3');
  await page.getByRole('button', { name: 'Convert all' }).click();
  await page.getByRole('status').filter({ hasText: 'the first number is above the last' }).waitFor();
  await page.getByLabel('From').fill('3');
  await page.getByLabel('to', { exact: true }).fill('10');
  await page.getByRole('button', { name: 'Convert all' }).click();
  await page.getByRole('status').filter({ hasText: 'Converted 2 banks' }).waitFor();
  for (const name of Object.keys(files)) {
    const got = await download(page, () => card(page, name).getByRole('link').click());
    assert.equal(got.name, `${name.replace('.', '-')}.fxb`);
    const native = runNative(['/Oout.fxb', '/P3-10', '/GB', '/2.2', `./${name}`], { [name]: files[name] });
    assert.ok(sameBytes(got.bytes, native.files['out.fxb']), `${name} converted`);
  }

  await page.reload();
  await page.getByText('Ready.').waitFor();
  assert.equal(await page.getByLabel('Output format').inputValue(), 'O');
  assert.equal(await page.getByLabel('2.V group').inputValue(), 'B');
  assert.equal(await page.getByLabel('From').inputValue(), '', 'the range is not kept for the next visit');
  await page.getByLabel('Model of the data').selectOption('');
  await page.getByLabel('2.V group').selectOption('A');
  await page.close();
});

// The numbers of a program's block in the tool's listing, for group A (0)
// or B (1): labelled ones by label, the P: and GR: columns by position.
function listedValues(listing, program, group) {
  const lines = listing.split('\n');
  const at = lines.findIndex((line) => line.startsWith(`PROG:${String(program).padEnd(3)}WAVETABLE`));
  const block = lines.slice(at, at + 12).map((line) => line.split(/ {4}(?=PROG|GROUP|P:|GR:)/)[group] || line);
  const values = {};
  for (const line of block) {
    for (const [, label, value] of line.matchAll(/\b([A-Z][A-Z-]+):? *(-?\d+)/g)) if (!(label in values)) values[label] = value;
    const columns = /^(P|GR):(?:\d+ *|[ab] )(.*)$/.exec(line);
    if (columns) columns[2].match(/-?\d+/g).forEach((v, i) => { values[`${columns[1]}:${i + 1}`] = v; });
    const semit = /SEMIT:(.*)$/.exec(line);
    if (semit) semit[1].match(/-?\d+/g).forEach((v, i) => { values[`SEMIT ${i + 1}`] = v; });
  }
  values.TTUNE = /TTUNE:(\d+)/.exec(block.join('\n'))[1];
  return values;
}

async function valueTable(page) {
  return page.locator('#program table.values tbody tr').evaluateAll((rows) => rows.map((row) => ({
    label: row.querySelector('th').firstChild.textContent,
    cells: [...row.querySelectorAll('td')].map((td) => td.textContent),
    differs: row.classList.contains('differs'),
  })));
}

test('a program is shown under the listing\'s labels, group A beside group B, and compared with another', async () => {
  const page = await fresh();
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'demo23.crv': examples['demo23.crv'] });
  const listing = decodeText(runNative(['demo23.syx'], { 'demo23.syx': examples['demo23.syx'] }).stdoutBytes);
  await open(card(page, 'demo23.syx'), 'Program names (87)');
  await press(card(page, 'demo23.syx').getByRole('button', { name: 'Show program 3 PPG Program 003' }));
  await page.getByRole('heading', { name: 'Program', exact: true }).waitFor();
  const shown = await valueTable(page);
  const [a, b] = [listedValues(listing, 3, 0), listedValues(listing, 3, 1)];
  assert.equal(shown.length, 55);
  for (const row of shown) {
    assert.equal(row.cells[0], a[row.label], `${row.label}, group A`);
    if (!['WAVETABLE', 'KEYB-SPLIT', 'KEYB', 'TTUNE'].includes(row.label)) assert.equal(row.cells[1], b[row.label], `${row.label}, group B`);
  }

  // The same sound from another file differs nowhere; another program does.
  await open(card(page, 'demo23.crv'), 'Program names (87)');
  await press(card(page, 'demo23.crv').getByRole('button', { name: 'Compare program 3 PPG Program 003' }));
  await page.getByText('0 of 55 values differ').waitFor();
  await press(card(page, 'demo23.crv').getByRole('button', { name: 'Compare program 4 PPG Program 004' }));
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
  await page.getByLabel('Search program names in all banks').fill('program 01');
  await page.getByText('20 programs found.').waitFor();
  await page.getByRole('button', { name: 'Show PPG Program 012, demo23-o.fxb, program 12' }).waitFor();
  await page.getByRole('button', { name: 'Show PPG Program 012, demo23.syx, program 12' }).waitFor();

  const names = card(page, 'demo23-o.fxb');
  await open(names, 'Program names (128)');
  await press(names.getByRole('button', { name: 'Name' }));
  const first = await names.locator('tbody tr').first().locator('td').nth(1).textContent();
  assert.equal(first, 'Basic 2.2', 'sorted by name');
  // The 41 filler programs of the 2.V bank are one sound, whatever their names.
  await names.locator('tbody tr').first().getByText(/^same sound as demo23.*, program \d+ and (\d+) others$/).waitFor();
  const others = /and (\d+) others/.exec(await names.locator('tbody tr').first().locator('td.same').textContent())[1];
  assert.ok(Number(others) >= 40, `${others} others`);
  await page.getByRole('button', { name: 'List programs that are the same sound' }).click();
  await page.locator('#duplicate-list').getByText(/sounds? that more than one program holds/).waitFor();
  await page.close();
});

test('no serious accessibility fault with banks, a program and a new bank on screen, at desktop and phone width', async () => {
  const page = await fresh({ bypassCSP: true });
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'], 'cut.syx': examples['demo23.syx'].slice(0, 5000), 'empty.bin': new Uint8Array(0) });
  await open(card(page, 'demo23.syx'), 'Program names (87)');
  await press(card(page, 'demo23.syx').getByRole('button', { name: 'Add program 2 PPG Program 002 to the new bank' }));
  await press(card(page, 'demo23.syx').getByRole('button', { name: 'Show program 2 PPG Program 002' }));
  await open(card(page, 'demo23.syx'), 'Listing');
  await page.getByRole('heading', { name: 'Program', exact: true }).waitFor();
  await page.addScriptTag({ path: join(root, 'node_modules/axe-core/axe.min.js') });
  mkdirSync(artifacts, { recursive: true });
  for (const [width, height] of [[1280, 900], [390, 844]]) {
    await page.setViewportSize({ width, height });
    const result = await page.evaluate(() => window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }));
    const serious = result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical');
    assert.deepEqual(serious.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), [], `at ${width} px`);
    await page.screenshot({ path: join(artifacts, `vornak-page-${width}.png`), fullPage: true });
  }
  await page.close();
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
  await page.locator('#failed-list li').filter({ hasText: 'random.bin' }).getByText('Unknown file format').waitFor();
  await page.locator('#failed-list li').filter({ hasText: 'cut.fxb' }).getByText('damaged or cut short').waitFor();

  await page.locator('#file-input').setInputFiles(huge);
  await card(page, 'huge.bin').getByText('PPG memory image · PPG Wave 2.2 · 100 programs').waitFor({ timeout: 60_000 });
  await card(page, 'huge.bin').getByText('52,423,680 bytes follow the memory image').waitFor();
  await addFiles(page, { 'demo23.crv': examples['demo23.crv'] });
  await card(page, 'demo23.crv').getByText('Corvel bank · PPG Wave 2.3 · 87 programs').waitFor();
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

