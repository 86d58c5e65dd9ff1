// The page and the instrument over MIDI. These machines have no MIDI, so the
// instrument is tests/web/midi-standin.js, a stand-in for the Web MIDI API
// installed before the page's scripts: the tests play the instrument's part
// through it and compare what the page loads and sends with the native tool.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import {
  addFiles, card, decodeText, download, exampleFiles, launchChromium, listingOf, pageUrl, root, runNative, sameBytes,
} from './support.mjs';

const standIn = join(root, 'tests/web/midi-standin.js');
const examples = exampleFiles();
const dump = examples['demo23.syx'];
// Another whole dump: the 2.V bank as the tool writes it with /S.
const otherDump = runNative(['/Sout.syx', 'demo23-o.fxb'], { 'demo23-o.fxb': examples['demo23-o.fxb'] }).files['out.syx'];
const cableMs = (bytes) => (bytes * 10 * 1000) / 31250;
let browser;

before(async () => {
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
});

// A fresh page in a context of its own (its own remembered settings).
async function openPage() {
  const context = await browser.newContext({ acceptDownloads: true });
  const page = await context.newPage();
  await page.addInitScript({ path: standIn });
  await page.goto(pageUrl);
  await page.getByText('Ready.').waitFor();
  return page;
}

const said = (page, text) => page.getByRole('status').filter({ hasText: text }).waitFor();
const receive = (page) => page.getByRole('button', { name: 'Receive from instrument' }).click();
const standInDo = (page, fn, ...args) => page.evaluate(([body, list]) => window.midiStandIn[body](...list), [fn, args]);
const deliver = (page, port, events, options = {}) =>
  standInDo(page, 'deliver', port, events.map((bytes) => [...bytes]), options);

// A link's download, as bytes.
async function fetched(page, link) {
  return (await download(page, () => link.click())).bytes;
}

// The received dump's card, once it is read: its name, and that it lists,
// is kept and notes itself as the tool and its bytes say.
async function checkReceived(page, count, bytes) {
  const heading = page.getByRole('heading', { name: /^received \d{4}-\d\d-\d\d \d\d\.\d\d( \(\d\))?\.syx$/ }).nth(count - 1);
  const name = await heading.textContent();
  await said(page, '1 file read.');
  const shown = card(page, name);
  const native = runNative([name], { [name]: bytes });
  assert.equal(await listingOf(page, name), decodeText(native.stdoutBytes), `${name}: listing`);
  assert.ok(sameBytes(await fetched(page, shown.getByRole('link', { name: `Download ${name}` })), bytes), `${name}: kept as it came`);
  const short = shown.getByRole('note').getByText(/^The dump ends after/);
  assert.equal(await short.count(), bytes.length < dump.length ? 1 : 0, `${name}: note`);
  return name;
}

test('opening the page asks for nothing; without MIDI the page says so and goes on working', async () => {
  const page = await openPage();
  await addFiles(page, { 'demo23.syx': dump });
  assert.deepEqual(await page.evaluate(() => window.midiStandIn.requests), []);
  const send = card(page, 'demo23.syx').getByRole('button', { name: 'Send to instrument: demo23.syx' });
  const cases = [
    [{ absent: true }, 'This browser offers no MIDI'],
    [{ failure: 'refused' }, 'MIDI access was refused'],
    [{ failure: 'platform' }, 'could not start MIDI on this computer (Platform dependent initialization failed.)'],
  ];
  for (const [setup, words] of cases) {
    await standInDo(page, 'setup', setup);
    await receive(page);
    await said(page, words);
    await page.getByRole('button', { name: 'Convert all' }).click();
    await said(page, 'Converted 1 bank');
    await send.click();
    await said(page, words);
  }
  // Access comes on a later press, asked with SysEx.
  await standInDo(page, 'setup', {});
  await receive(page);
  await said(page, 'Waiting for a dump on “Stand-in MIDI”');
  assert.deepEqual(await page.evaluate(() => window.midiStandIn.requests), Array(5).fill({ sysex: true }));
  await page.close();
});

const twoInputs = { inputs: ['Keyboard', 'PPG interface'], outputs: ['PPG interface'] };

test('a dump among other MIDI messages, whole or in parts, loads as its file does; the input is remembered', async () => {
  const page = await openPage();
  await standInDo(page, 'setup', twoInputs);
  await receive(page);
  await said(page, 'Choose the MIDI input');
  await page.getByLabel('MIDI input').selectOption({ label: 'PPG interface' });
  await receive(page);
  await said(page, 'Waiting for a dump on “PPG interface”');

  assert.equal(await deliver(page, 'Keyboard', [dump]), 0, 'only the chosen input is heard');
  const others = [[0xf8], [0xfe], [0x90, 60, 100], [0xf0, 0x43, 0x10, 0x01, 0xf7], [0x80, 60, 0], [0xf0, 0x29, 0x01, 0x0e, 0x01, 0xf7]];
  await deliver(page, 'PPG interface', [...others, dump, [0x90, 62, 100]]);
  const first = await checkReceived(page, 1, dump);

  // In parts, with real-time bytes between them; progress shows meanwhile.
  await receive(page);
  await deliver(page, 'PPG interface', [[0xfe], otherDump.slice(0, 1000), [0xf8]], { split: true });
  await page.getByText('1,000 of 10,245 bytes').waitFor();
  await deliver(page, 'PPG interface', [otherDump.slice(1000, 6000), [0xf8], otherDump.slice(6000)], { split: true });
  const second = await checkReceived(page, 2, otherDump);
  assert.notEqual(second, first);

  const short = Uint8Array.from([...dump.slice(0, 6000), 0xf7]);
  await receive(page);
  await deliver(page, 'PPG interface', [short]);
  await checkReceived(page, 3, short);
  await card(page, await page.getByRole('heading', { name: /^received / }).nth(2).textContent())
    .getByText('The dump ends after 2,998 of the 5,120 bytes').waitFor();

  await page.reload();
  await page.getByText('Ready.').waitFor();
  await standInDo(page, 'setup', twoInputs);
  await receive(page);
  await said(page, 'Waiting for a dump on “PPG interface”');
  await page.close();
});

test('receiving can be cancelled, times out, stops when the input goes, and drops a message that never ends', async () => {
  const page = await openPage();
  await receive(page);
  await deliver(page, 'Stand-in MIDI', [dump.slice(0, 3000)], { split: true });
  await page.getByText('3,000 of 10,245 bytes').waitFor();
  await page.getByRole('button', { name: 'Cancel receiving' }).click();
  await said(page, 'Receiving cancelled; nothing was loaded.');
  await deliver(page, 'Stand-in MIDI', [dump.slice(3000)], { split: true });

  await receive(page);
  await deliver(page, 'Stand-in MIDI', [dump.slice(0, 2000)], { split: true });
  await said(page, 'The dump stopped after 2,000 of 10,245 bytes');

  // Unplugged while listening, plugged in again: found again by itself.
  await receive(page);
  await standInDo(page, 'disconnect', 'input', 'Stand-in MIDI');
  await said(page, 'The MIDI input “Stand-in MIDI” was disconnected');
  await receive(page);
  await said(page, 'No MIDI input is connected');
  await standInDo(page, 'connect', 'input', 'Stand-in MIDI');
  await receive(page);
  const endless = new Uint8Array(20000);
  endless.set(dump.slice(0, 4));
  await deliver(page, 'Stand-in MIDI', [endless, dump], { split: true });
  await checkReceived(page, 1, dump);
  assert.equal(await page.getByRole('heading', { name: /^received / }).count(), 1);
  await page.close();
});

test('Send writes the tool\'s /S bytes with the page\'s choices after one confirmation, with the pause between messages', async () => {
  const page = await openPage();
  const files = { 'demo23.syx': dump, 'demo23-m.fxb': examples['demo23-m.fxb'] };
  await addFiles(page, files);
  await page.getByLabel('Model of the data').selectOption('2');
  await said(page, '2 banks read again.');
  await page.getByLabel('From').fill('3');
  await page.getByLabel('to', { exact: true }).fill('10');
  await page.getByLabel('Pause between messages (ms)').fill('300');
  await page.getByLabel('Pause between messages (ms)').press('Tab');
  const send = (name) => card(page, name).getByRole('button', { name: `Send to instrument: ${name}` }).click();
  const dialog = page.getByRole('dialog', { name: 'Overwrite the instrument’s memory?' });

  await send('demo23.syx');
  await dialog.getByText('overwrites the instrument’s whole program memory').waitFor();
  await dialog.getByText('10,245 bytes take at least 3.3 s').waitFor();
  await dialog.getByRole('button', { name: 'Cancel' }).click();
  await said(page, 'Nothing was sent');
  assert.equal((await page.evaluate(() => window.midiStandIn.sent)).length, 0);

  for (const name of Object.keys(files)) {
    await send(name);
    await dialog.getByRole('button', { name: 'Overwrite the instrument’s memory' }).click();
  }
  await said(page, 'Sent demo23-m.fxb to “Stand-in MIDI” (10,245 bytes).');
  const sent = await page.evaluate(() => window.midiStandIn.sent);
  assert.equal(sent.length, 2);
  Object.keys(files).forEach((name, i) => {
    const native = runNative(['/Sout.syx', '/2.2', '/P3-10', name], { [name]: files[name] }).files['out.syx'];
    assert.ok(sameBytes(sent[i].data, native), `${name}: bytes sent`);
  });
  assert.ok(sent[1].at - sent[0].at >= cableMs(sent[0].data.length) + 300 - 1, 'the pause after the first message');

  const fallback = page.getByRole('link', { name: 'Download demo23-m.syx' });
  assert.ok(sameBytes(await fetched(page, fallback), sent[1].data));
  await page.getByText('amidi -p PORT -s "demo23-m.syx"').waitFor();
  await page.close();
});

test('the stand-in refuses what Chromium refuses', async () => {
  const page = await openPage();
  const errors = await page.evaluate(async () => {
    const attempt = (output, data) => {
      try {
        output.send(data);
        return 'sent';
      } catch (error) {
        return error.name;
      }
    };
    const first = (access) => access.outputs.values().next().value;
    const plain = first(await navigator.requestMIDIAccess());
    const sysex = first(await navigator.requestMIDIAccess({ sysex: true }));
    return [
      attempt(plain, [0xf0, 0x29, 0xf7]), attempt(sysex, [0xf0, 0x29, 0x01]), attempt(sysex, [0xf0, 0x29, 0x90, 0xf7]),
      attempt(sysex, [0x90, 60, 100, 61, 100]), attempt(sysex, [0x90, 60]), attempt(sysex, [0xf4]), attempt(sysex, [256]),
      attempt(sysex, new Uint8Array([0x90, 60, 100, 0xf0, 0x29, 0xf7, 0xf8])),
    ];
  });
  assert.deepEqual(errors, ['InvalidAccessError', 'TypeError', 'TypeError', 'TypeError', 'TypeError', 'TypeError', 'TypeError', 'sent']);
  await page.close();
});
