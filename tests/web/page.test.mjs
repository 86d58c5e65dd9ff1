// The page in Chromium, opened from its file as a person would open it, and
// driven through its controls: what it shows and writes must be what the
// native tool prints and writes.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { unzipSync } from 'fflate';

import { bytesToText } from '../../web/vornak.mjs';
import { corpusFiles, exampleFiles, exportSwitches, launchChromium, pagePath, random, root, runNative, sameBytes, tempDir } from './support.mjs';

const pageUrl = `file://${pagePath}`;
const artifacts = process.env.VORNAK_ARTIFACTS || join(root, 'build/web-test-artifacts');
const requests = [];
let browser;
let context;

before(async () => {
  browser = await launchChromium();
  context = await browser.newContext({ acceptDownloads: true });
  context.on('request', (request) => requests.push(request.url()));
});

after(async () => {
  await browser?.close();
});

async function openPage() {
  const page = await context.newPage();
  await page.goto(pageUrl);
  await page.getByText('Ready.').waitFor();
  return page;
}

function inputFiles(files) {
  return Object.entries(files).map(([name, bytes]) => ({ name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) }));
}

async function addFiles(page, files) {
  await page.locator('#file-input').setInputFiles(inputFiles(files));
  await page.getByRole('status').filter({ hasText: / read/ }).waitFor();
}

function card(page, name) {
  return page.locator('li.file').filter({ has: page.getByRole('heading', { name, exact: true }) });
}


// The tool's message: what it printed after its four banner lines.
function toolMessage(text) {
  return text.split('\n').slice(4).filter(Boolean).pop() || '';
}

async function download(page, click) {
  const [file] = await Promise.all([page.waitForEvent('download'), click()]);
  return { name: file.suggestedFilename(), bytes: new Uint8Array(readFileSync(await file.path())) };
}

const inputs = { ...exampleFiles(), ...corpusFiles() };

test('every example and corpus bank is listed as the tool lists it, or fails with its message', async () => {
  const page = await openPage();
  await addFiles(page, inputs);
  for (const [name, bytes] of Object.entries(inputs)) {
    const native = runNative([name], { [name]: bytes });
    const shown = card(page, name);
    if (native.exitCode === 0) {
      await shown.getByText('Listing', { exact: true }).click();
      assert.equal(await shown.locator('pre').textContent(), bytesToText(native.stdoutBytes), `${name}: listing`);
    } else {
      const message = toolMessage(bytesToText(native.stdoutBytes)) || `exit code ${native.exitCode}`;
      await shown.getByText(`Failed: ${message}`).waitFor();
    }
  }
  await page.close();
});

test('every readable bank converts to every format with the tool\'s bytes, collected in one ZIP', async () => {
  const page = await openPage();
  await addFiles(page, inputs);
  const readable = Object.keys(inputs).filter((name) => runNative([name], { [name]: inputs[name] }).exitCode === 0);
  for (const [letter, extension] of Object.entries(exportSwitches)) {
    await page.getByLabel('Output format').selectOption(letter);
    await page.getByRole('button', { name: 'Convert all' }).click();
    await page.getByRole('status').filter({ hasText: `Converted ${readable.length} files` }).waitFor();
    const zip = unzipSync((await download(page, () => page.getByRole('button', { name: 'Download all as ZIP' }).click())).bytes);

    // Downloads are named after their inputs; a name met again gets a number.
    const expected = {};
    for (const name of readable) {
      const stem = name.slice(0, name.lastIndexOf('.'));
      let outName = stem + extension;
      for (let n = 2; outName in expected; n++) outName = `${stem} (${n})${extension}`;
      expected[outName] = runNative([`/${letter}out`, name], { [name]: inputs[name] }).files.out;
    }
    assert.deepEqual(Object.keys(zip).sort(), Object.keys(expected).sort(), `/${letter}: names in the ZIP`);
    for (const [outName, bytes] of Object.entries(expected)) assert.ok(sameBytes(zip[outName], bytes), `/${letter}: ${outName}`);
  }
  await page.close();
});

test('dropped files convert with the chosen range, group and model, download by name, and the choices are remembered', async () => {
  const page = await openPage();
  const files = { '-demo23.syx': inputs['demo23.syx'], 'demo23-m.fxb': inputs['demo23-m.fxb'] };
  const transfer = await page.evaluateHandle((list) => {
    const data = new DataTransfer();
    for (const [name, bytes] of list) data.items.add(new File([new Uint8Array(bytes)], name));
    return data;
  }, Object.entries(files).map(([name, bytes]) => [name, [...bytes]]));
  await page.dispatchEvent('#drop', 'drop', { dataTransfer: transfer });
  await page.getByRole('status').filter({ hasText: '2 files read.' }).waitFor();
  await card(page, '-demo23.syx').getByText('Program names (87)').click();
  mkdirSync(artifacts, { recursive: true });
  await page.screenshot({ path: join(artifacts, 'vornak-page.png'), fullPage: true });

  await page.getByLabel('Model of the data').selectOption('2');
  await card(page, '-demo23.syx').getByText('V8 SysEx dump · PPG Wave 2.2 · 100 programs').waitFor();
  await page.getByLabel('Output format').selectOption('O');
  await page.getByLabel('2.V group').selectOption('B');
  await page.getByLabel('From').fill('3');
  await page.getByLabel('to', { exact: true }).fill('10');
  await page.getByRole('button', { name: 'Convert all' }).click();
  await page.getByRole('status').filter({ hasText: 'Converted 2 files' }).waitFor();
  for (const name of Object.keys(files)) {
    const got = await download(page, () => card(page, name).getByRole('link').click());
    assert.equal(got.name, `${name.slice(0, name.lastIndexOf('.'))}.fxb`);
    const native = runNative(['/Oout.fxb', '/P3-10', '/GB', '/2.2', `./${name}`], { [name]: files[name] });
    assert.ok(sameBytes(got.bytes, native.files['out.fxb']), `${name} converted`);
  }

  await page.reload();
  await page.getByText('Ready.').waitFor();
  assert.equal(await page.getByLabel('Output format').inputValue(), 'O');
  assert.equal(await page.getByLabel('2.V group').inputValue(), 'B');
  await page.getByLabel('Model of the data').selectOption('');
  await page.close();
});

test('bad and very large files show their message and the page goes on with the next file', async () => {
  const page = await openPage();
  const dir = tempDir();
  const huge = join(dir, 'huge.bin');
  const rng = random(50);
  const block = rng.bytes(1 << 20);
  block[0] = 0; // not a magic: a bare memory image
  writeFileSync(huge, Buffer.concat(Array.from({ length: 50 }, () => block)));
  await addFiles(page, {
    'empty.syx': new Uint8Array(0),
    'random.bin': rng.bytes(3000).map((b, i) => (i === 0 ? 0x11 : b)),
    'cut.fxb': inputs['demo23-o.fxb'].slice(0, 400),
  });
  await card(page, 'empty.syx').getByText('Failed: Unknown file format').waitFor();
  await card(page, 'random.bin').getByText('Failed: Unknown file format').waitFor();
  await card(page, 'cut.fxb').getByText("Failed: Can't load .fxb file").waitFor();
  await card(page, 'cut.fxb').getByText('damaged or cut short').waitFor();

  await page.locator('#file-input').setInputFiles(huge);
  await card(page, 'huge.bin').getByText('PPG memory image · PPG Wave 2.2 · 100 programs').waitFor({ timeout: 60_000 });
  await addFiles(page, { 'demo23.crv': inputs['demo23.crv'] });
  await card(page, 'demo23.crv').getByText('Corvel bank · PPG Wave 2.3 · 87 programs').waitFor();
  await page.close();
});

test('no request leaves the page, and its policy forbids connections', async () => {
  const page = await openPage();
  const answer = await page.evaluate(() => fetch('https://example.com/').then(() => 'sent', () => 'refused'));
  assert.equal(answer, 'refused');
  await page.close();
  const outside = requests.filter((url) => url !== pageUrl && !url.startsWith('blob:') && !url.startsWith('data:'));
  assert.deepEqual(outside, []);
  assert.ok(requests.includes(pageUrl));
});
