// The page and the instrument over MIDI. These machines have no MIDI, so the
// instrument is tests/web/midi-standin.js, a stand-in for the Web MIDI API
// installed before the page's scripts: the tests play the instrument's part
// through it and compare what the page loads and sends with the native tool.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import {
  addFiles, decodeText, download, exampleFiles, launchChromium, pageUrl, press, reloadKept, root, runNative, sameBytes,
} from './support.mjs';
import { bankLine, listingOf, selectBank, writeAll } from './workspace.mjs';

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

const receivedNames = (page) => page.locator('#bank-list .bank-name').filter({ hasText: /^received \d{4}-\d\d-\d\d \d\d\.\d\d( \(\d\))?\.syx$/ });

// The received dump's bank, once it is read: its name, and that it lists,
// is kept and notes itself as the tool and its bytes say.
async function checkReceived(page, count, bytes) {
  await said(page, /^Received and kept as received /);
  const name = await receivedNames(page).nth(count - 1).textContent();
  const native = runNative([name], { [name]: bytes });
  assert.equal(await listingOf(page, name), decodeText(native.stdoutBytes), `${name}: listing`);
  const facts = page.locator('#bank-facts');
  assert.ok(sameBytes(await fetched(page, facts.getByRole('link', { name: `Download ${name}` })), bytes), `${name}: kept as it came`);
  const short = facts.getByRole('note').getByText(/^The dump's closing byte \(F7\) comes after/);
  assert.equal(await short.count(), bytes.length < dump.length ? 1 : 0, `${name}: note`);
  return name;
}

test('opening the page asks for nothing; without MIDI the page says so and goes on working', async () => {
  const page = await openPage();
  await addFiles(page, { 'demo23.syx': dump });
  assert.deepEqual(await page.evaluate(() => window.midiStandIn.requests), []);
  const send = page.getByRole('button', { name: 'Send to instrument: demo23.syx' });
  const cases = [
    [{ absent: true }, 'This browser offers no MIDI'],
    [{ failure: 'refused' }, 'MIDI access was refused'],
    [{ failure: 'platform' }, 'could not start MIDI on this computer (Platform dependent initialization failed.)'],
  ];
  for (const [setup, words] of cases) {
    await standInDo(page, 'setup', setup);
    await receive(page);
    await said(page, words);
    const dialog = await writeAll(page);
    await press(dialog.getByRole('button', { name: 'Write', exact: true }));
    await dialog.getByRole('status').filter({ hasText: 'Converted 1 bank' }).waitFor();
    await dialog.getByRole('button', { name: 'Close' }).click();
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
  await (await selectBank(page, await receivedNames(page).nth(2).textContent()))
    .getByText('The dump\'s closing byte (F7) comes after 5,996 of the 10,240 data bytes').waitFor();

  await reloadKept(page);
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
  assert.equal(await receivedNames(page).count(), 1);
  await page.close();
});

test('Send writes the tool\'s /S bytes of the whole bank unless its own dialog is given a range; the pause between messages', async () => {
  const page = await openPage();
  const files = { 'demo23.syx': dump, 'demo23-m.fxb': examples['demo23-m.fxb'] };
  await addFiles(page, files);
  await page.getByLabel('Model of the data').selectOption({ label: 'PPG Wave 2.2' });
  await said(page, '2 banks read again.');
  // A range chosen for writing files is not the instrument's.
  const write = await writeAll(page);
  await write.getByLabel('From', { exact: true }).fill('10');
  await write.getByLabel('to', { exact: true }).fill('20');
  await write.getByLabel('to', { exact: true }).press('Tab');
  await write.getByRole('button', { name: 'Close' }).click();
  await page.getByLabel('Choose all').uncheck();
  await page.getByText('Instrument: ports and pause').click();
  await page.getByLabel('Pause between messages (ms)').fill('300');
  await page.getByLabel('Pause between messages (ms)').press('Tab');
  const send = async (name) => {
    await selectBank(page, name);
    await press(page.getByRole('button', { name: `Send to instrument: ${name}` }));
    return page.getByRole('dialog', { name: `Send ${name} to “Stand-in MIDI”?` });
  };

  let dialog = await send('demo23.syx');
  await dialog.getByText('slots 0–99: programs 0–99 of demo23.syx').waitFor();
  await dialog.getByText('10,245 bytes take at least 3.3 s').waitFor();
  await dialog.getByText('overwrites the instrument’s whole program memory').waitFor();
  // Read as a Wave 2.2 memory it has no combis: a Wave 2.3 loses its own.
  await dialog.getByText('no combis: demo23.syx holds none. On a Wave 2.3 the dump overwrites the instrument’s combis with programs '
    + '87–99: receive its memory first to keep them').waitFor();
  await dialog.getByRole('button', { name: 'Cancel' }).click();
  await said(page, 'Nothing was sent');
  assert.equal((await page.evaluate(() => window.midiStandIn.sent)).length, 0);

  dialog = await send('demo23.syx');
  await dialog.getByText('slots 0–99: programs 0–99 of demo23.syx').waitFor();
  await dialog.getByRole('button', { name: 'Overwrite the instrument’s memory' }).click();
  dialog = await send('demo23-m.fxb');
  await dialog.getByLabel('Only programs…').check();
  await dialog.getByLabel('From', { exact: true }).fill('x3');
  await dialog.getByLabel('From', { exact: true }).press('Tab');
  await dialog.getByRole('status').filter({ hasText: '“Programs to send” takes program numbers' }).waitFor();
  assert.equal(await dialog.getByRole('button', { name: 'Overwrite the instrument’s memory' }).isDisabled(), true);
  await dialog.getByLabel('From', { exact: true }).fill('3');
  await dialog.getByLabel('to', { exact: true }).fill('10');
  await dialog.getByLabel('to', { exact: true }).press('Tab');
  await dialog.getByText('slots 0–7: programs 3–10 of demo23-m.fxb').waitFor();
  await dialog.getByText('slots 8–99: the default program').waitFor();
  await dialog.getByRole('button', { name: 'Overwrite the instrument’s memory' }).click();
  await said(page, 'Sent demo23-m.fxb to “Stand-in MIDI” (10,245 bytes).');
  const sent = await page.evaluate(() => window.midiStandIn.sent);
  assert.equal(sent.length, 2);
  const expected = [runNative(['/Sout.syx', '/2.2', 'demo23.syx'], { 'demo23.syx': dump }).files['out.syx'],
    runNative(['/Sout.syx', '/2.2', '/P3-10', 'demo23-m.fxb'], { 'demo23-m.fxb': files['demo23-m.fxb'] }).files['out.syx']];
  expected.forEach((bytes, i) => assert.ok(sameBytes(sent[i].data, bytes), `message ${i + 1}`));
  assert.ok(sent[1].at - sent[0].at >= cableMs(sent[0].data.length) + 300 - 1, 'the pause after the first message');

  const fallback = page.getByRole('link', { name: 'Download demo23-m.syx' });
  assert.ok(sameBytes(await fetched(page, fallback), sent[1].data));
  await page.getByText('amidi -p PORT -s "demo23-m.syx"').waitFor();
  await page.close();
});

test('a cut dump\'s dialog repeats its note, names the untrusted slots and sends only when that is confirmed; '
  + 'the instrument\'s memory can be received first, and is kept', async () => {
  const page = await openPage();
  await addFiles(page, { 'cut.syx': dump.slice(0, 6000), 'demo23-o.fxb': examples['demo23-o.fxb'] });
  await selectBank(page, 'cut.syx');
  await press(page.getByRole('button', { name: 'Send to instrument: cut.syx' }));
  let dialog = page.getByRole('dialog', { name: 'Send cut.syx to “Stand-in MIDI”?' });
  await dialog.getByRole('note').getByText('The dump ends after 2,998 of the 5,120 bytes').waitFor();
  await dialog.getByText('slots 0–57: programs 0–57 of cut.syx', { exact: true }).waitFor();
  await dialog.getByText('slots 58–99: programs 58–99 of cut.syx, which cannot be trusted: the file is cut short').waitFor();
  await dialog.getByText('The dump carries everything of the programs for slots 0–57; for slots 58–99 only what was read '
    + 'of programs that cannot be trusted: the file is cut short.', { exact: true }).waitFor();
  const overwrite = dialog.getByRole('button', { name: 'Overwrite the instrument’s memory' });
  const confirm = dialog.getByLabel('Slots 58–99 get programs that cannot be trusted: the file is cut short: send them all the same');
  assert.equal(await overwrite.isDisabled(), true, 'not without the confirmation');
  await dialog.getByLabel('Receive the instrument’s memory first').check();
  assert.equal(await overwrite.isDisabled(), true, 'receiving first is no confirmation');
  await confirm.check();
  assert.equal(await overwrite.isDisabled(), false);
  // Another range is another plan, confirmed again; one without untrusted
  // programs needs none.
  await dialog.getByLabel('Only programs…').check();
  await dialog.getByLabel('From', { exact: true }).fill('50');
  await dialog.getByLabel('From', { exact: true }).press('Tab');
  await dialog.getByText('slots 8–49: programs 58–99 of cut.syx, which cannot be trusted: the file is cut short').waitFor();
  assert.equal(await overwrite.isDisabled(), true);
  await dialog.getByLabel('From', { exact: true }).fill('60');
  await dialog.getByLabel('From', { exact: true }).press('Tab');
  await dialog.getByText('The dump carries only what was read of programs that cannot be trusted: the file is cut short.',
    { exact: true }).waitFor();
  await dialog.getByLabel('From', { exact: true }).fill('50');
  await dialog.getByLabel('to', { exact: true }).fill('57');
  await dialog.getByLabel('to', { exact: true }).press('Tab');
  await dialog.getByText('slots 0–7: programs 50–57 of cut.syx', { exact: true }).waitFor();
  await dialog.getByText('The dump carries everything of these programs.', { exact: true }).waitFor();
  assert.equal(await overwrite.isDisabled(), false);
  await dialog.getByRole('button', { name: 'Cancel' }).click();
  assert.equal((await page.evaluate(() => window.midiStandIn.sent)).length, 0);

  // A 2.V bank: what a dump cannot carry is said before sending; the
  // instrument's memory comes first, as a bank of its own even when it
  // holds the bytes of a loaded file.
  await addFiles(page, { 'demo23.syx': dump });
  await selectBank(page, 'demo23-o.fxb');
  await press(page.getByRole('button', { name: 'Send to instrument: demo23-o.fxb' }));
  dialog = page.getByRole('dialog', { name: 'Send demo23-o.fxb to “Stand-in MIDI”?' });
  await dialog.getByText('The dump cannot carry program names of 13 programs; the values only a 2.V bank holds of 100 programs.').waitFor();
  await dialog.getByText('not sent: programs 100–127 of demo23-o.fxb (the dump has 100 slots)').waitFor();
  await dialog.getByLabel('Receive the instrument’s memory first').check();
  await dialog.getByRole('button', { name: 'Overwrite the instrument’s memory' }).click();
  await dialog.getByRole('status').filter({ hasText: 'Waiting for a dump on “Stand-in MIDI”' }).waitFor();
  assert.equal((await page.evaluate(() => window.midiStandIn.sent)).length, 0, 'nothing sent before the memory came');
  await deliver(page, 'Stand-in MIDI', [dump]);
  await said(page, 'Sent demo23-o.fxb to “Stand-in MIDI”');
  const line = bankLine(page, (await receivedNames(page).first().textContent()));
  await line.getByText('same bytes as demo23.syx').waitFor();
  assert.equal(await page.locator('#bank-list > li').count(), 4, 'the received dump is a bank of its own');
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
