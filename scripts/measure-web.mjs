// Measures the web edition (numbers for docs/performance.md; nothing here
// passes or fails):
//   - the weight of web/vornak.html and web/vornak.mjs, plain and gzipped;
//   - the page opened from its file in headless Chromium: when its controls
//     are there (DOMContentLoaded) and when its engine is ready;
//   - in the page: reading a 66 KB bank, from the user's action to its line
//     and its programs on screen, once from the file chooser (the browser
//     reads the file) and once from a change of the model hint (the bytes
//     are in the page already); writing it with "Write as…";
//   - in the page: each click of the workspace to its visible answer (the
//     answer in the page, then the next frame drawn): a bank selected, a
//     program opened, compared, added to the new bank, the same sounds
//     listed, "Write as…" with what the file keeps, "Send…" with what lands
//     where, Remove and Undo;
//   - the engine under node: one listing run and one conversion run; a
//     200 MiB input on the calling thread and in a worker thread (copied, or
//     handed over), with the memory held after it and after dispose(); a
//     run with an export name of 16 MiB;
//   - the engine in a page's worker in Chromium: the page's thread blocked
//     by a call with a 200 MiB input, copied or handed over;
//   - MIDI, with the Web MIDI stand-in of the tests as the instrument: from
//     the last byte of a received dump to its line in the Banks region, and
//     from the dialog's "Overwrite the instrument's memory" to the message
//     handed to the browser.
// Usage: node --expose-gc scripts/measure-web.mjs [rounds]   (after scripts/build-web)
import { readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { launchChromium } from './chromium.mjs';

const root = new URL('..', import.meta.url).pathname;
const rounds = Number(process.argv[2] || 20);
const pagePath = join(root, 'web/vornak.html');
const bankName = 'demo23-m.fxb'; // the Halvic demo bank, 65,928 bytes
const bank = readFileSync(join(root, 'examples', bankName));

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const ms = (value) => `${value.toFixed(1)} ms`;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

console.log(`Measured ${new Date().toISOString().slice(0, 10)}, ${rounds} rounds, medians.`);
for (const name of ['vornak.html', 'vornak.mjs']) {
  const bytes = readFileSync(join(root, 'web', name));
  console.log(`web/${name}: ${kb(statSync(join(root, 'web', name)).size)}, gzipped ${kb(gzipSync(bytes, { level: 9 }).length)}`);
}

// Under node.
const { createVornak } = await import(join(root, 'web/vornak.mjs'));
let start = performance.now();
const engine = await createVornak();
console.log(`node: engine created in ${ms(performance.now() - start)}`);
const timeRuns = (args) => median(Array.from({ length: rounds }, () => {
  const t = performance.now();
  engine.run(args, { [bankName]: bank });
  return performance.now() - t;
}));
console.log(`node: listing of ${bankName}: ${ms(timeRuns([bankName]))}; /S conversion: ${ms(timeRuns(['/Sout.syx', bankName]))}`);
engine.dispose();

// A 200 MiB memory image, its pages written as those of a file read from
// disk are, listed on the calling thread and in a worker thread (its bytes
// copied to the worker, or handed over with transfer: true): how long the
// run takes, how long the calling thread is blocked, and what the process
// holds after the run and after dispose(), beside the input, which the
// caller lets go of (with --expose-gc, after a collection). Each on a new engine; on the calling thread also the next run
// on the same engine, whose memory has grown already.
const { createVornakWorker } = await import(join(root, 'web/vornak-node.mjs'));
const size = 200;
const mib = (bytes) => `${(bytes / 2 ** 20).toFixed(0)} MiB`;
const perMib = (value) => `${(value / size).toFixed(2)} ms per MiB`;
// A few collections: WebAssembly memory that nothing holds any more is given
// back only after more than one.
const resident = async () => {
  for (let i = 0; i < 3; i++) {
    globalThis.gc?.();
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return process.memoryUsage().rss;
};
const written = () => {
  const bytes = new Uint8Array(size * 2 ** 20);
  for (let i = 0; i < bytes.length; i += 4096) bytes[i] = 1;
  return bytes;
};
const ways = [
  ['calling thread', () => createVornak()],
  ['worker thread, copied', () => createVornakWorker()],
  ['worker thread, transfer: true', () => createVornakWorker({ transfer: true })],
];
for (const [where, make] of ways) {
  const took = [];
  const blocked = [];
  const again = [];
  let held;
  let released;
  for (let i = 0; i < 5; i++) {
    const before = await resident();
    const large = await make();
    let input = written();
    start = performance.now();
    const answer = large.run(['big.bin'], { 'big.bin': input });
    blocked.push(performance.now() - start);
    await answer;
    took.push(performance.now() - start);
    if (where === 'calling thread') {
      start = performance.now();
      large.run(['big.bin'], { 'big.bin': input });
      again.push(performance.now() - start);
    }
    input = null;
    held = (await resident()) - before;
    large.dispose();
    released = (await resident()) - before;
  }
  console.log(`node, ${where}: ${size} MiB listed in ${ms(median(took))}` +
    (again.length ? ` (the next run on that engine ${ms(median(again))}, ${perMib(median(again))})` : '') +
    `, calling thread blocked ${ms(median(blocked))} (${perMib(median(blocked))}); ` +
    `the process holds ${mib(held)} more after the run, ${mib(released)} after dispose()`);
}

// An export name of 16 MiB, which the tool's system refuses (exit 1).
{
  const named = await createVornak();
  const name = `/S${'x'.repeat(16 * 2 ** 20)}`;
  const times = Array.from({ length: 5 }, () => {
    const t = performance.now();
    named.run([name, bankName], { [bankName]: bank });
    return performance.now() - t;
  });
  console.log(`node: a run with an export name of 16 MiB: ${ms(median(times))}`);
  named.dispose();
}

// In Chromium. The marks are taken inside the page by an observer that the
// browser installs before the page's own scripts.
const browser = await launchChromium();
// The engine in a page's worker, from the module as a page loads it: the
// page's thread blocked by a call with a 200 MiB input, copied or handed
// over.
{
  const context = await browser.newContext();
  await context.route('http://vornak.test/**', (route) => route.fulfill(route.request().url().endsWith('.mjs')
    ? { path: join(root, 'web/vornak.mjs'), contentType: 'text/javascript' }
    : { body: '<!doctype html><title>measure</title>', contentType: 'text/html' }));
  const page = await context.newPage();
  await page.goto('http://vornak.test/');
  const result = await page.evaluate(async (mib) => {
    const { createVornakWorker } = await import('/vornak.mjs');
    const figures = {};
    for (const transfer of [false, true]) {
      const blocked = [];
      for (let i = 0; i < 5; i++) {
        const worker = await createVornakWorker({ transfer });
        const input = new Uint8Array(mib * 2 ** 20);
        for (let k = 0; k < input.length; k += 4096) input[k] = 1;
        const start = performance.now();
        const answer = worker.run(['big.bin'], { 'big.bin': input });
        blocked.push(performance.now() - start);
        await answer;
        worker.dispose();
      }
      figures[transfer] = blocked.sort((a, b) => a - b)[2];
    }
    return figures;
  }, size);
  console.log(`Chromium, the engine in a worker: the page's thread blocked by a call with a ${size} MiB input: ` +
    `copied ${ms(result.false)} (${perMib(result.false)}), transfer: true ${ms(result.true)}`);
  await context.close();
}

// Each round in a fresh profile: the page keeps the banks it read.
async function freshContext() {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  await context.addInitScript({ path: join(root, 'tests/web/midi-standin.js') });
  await context.addInitScript(observer);
  return context;
}
const observer = () => {
  window.vornakMarks = [];
  const mark = (name) => window.vornakMarks.push([name, performance.now()]);
  document.addEventListener('DOMContentLoaded', () => {
    mark('controls');
    // Every text of a status line, and a received dump's line read.
    new MutationObserver((records) => {
      for (const { target } of records) {
        const status = (target.nodeType === 1 ? target : target.parentElement).closest('[role=status]');
        if (status && status.textContent) mark(status.textContent);
      }
      const line = [...document.querySelectorAll('#bank-list .pick')].find((p) => p.textContent.startsWith('received'));
      if (line && !line.textContent.includes('Reading…')) mark('received shown');
    }).observe(document.body, { subtree: true, childList: true, characterData: true });
    for (const id of ['file-input', 'model']) document.getElementById(id).addEventListener('change', () => mark(id), true);
    document.addEventListener('click', (event) => {
      if (event.target.id === 'convert') mark('convert');
      if (event.target.id === 'send-go') mark('confirmed');
    }, true);
  });
};

// Clicks `target` (a selector) inside the page and answers the time to the
// first element matching `answer.selector` (holding `answer.text`, when
// given) that is shown, and the next frame drawn.
const timeClick = (page, target, answer) => page.evaluate(async ({ target, answer }) => {
  const found = () => [...document.querySelectorAll(answer.selector)]
    .some((node) => node.getClientRects().length > 0 && (!answer.text || node.textContent.includes(answer.text)));
  const start = performance.now();
  const control = document.querySelector(target);
  if (!control) throw new Error(`${target} is not on the page`);
  control.click();
  await new Promise((resolve) => {
    if (found()) return resolve();
    const watch = new MutationObserver(() => {
      if (!found()) return;
      watch.disconnect();
      resolve();
    });
    watch.observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true });
  });
  await new Promise((resolve) => requestAnimationFrame(resolve));
  return performance.now() - start;
}, { target, answer });

// Time from the first mark named `from` to the first later mark that begins
// with `to`.
const between = (marks, from, to) => {
  const start = marks.findIndex(([name]) => name === from);
  const end = marks.findIndex(([name], i) => i > start && name.startsWith(to));
  return marks[end][1] - marks[start][1];
};

const label = (text) => `[aria-label="${text}"]`;
const clicks = [
  ['a bank selected: its facts and names', '#bank-list li:nth-child(2) .pick', { selector: '#browse caption', text: 'Programs of demo23.syx' }],
  ['a program opened: its values', label('Show program 5 PPG Program 005'), { selector: '#program-view table.values' }],
  ['a second program compared', label('Compare program 6 PPG Program 006'), { selector: '#program-view p', text: 'values differ' }],
  ['a program added to the new bank', label('Add program 7 PPG Program 007 to the new bank'), { selector: '#programs-status', text: 'as slot 0' }],
  ['the same sounds of the collection', '#programs .modes [data-mode=duplicates]', { selector: '#browse h3', text: 'Same sounds' }],
  ['"Write as…" with what the file keeps', '#write', { selector: '#write-keeps li', text: ': Writes' }],
  ['"Send…" with what lands where', '#send', { selector: '#send-plan li', text: 'slots 0' }],
  ['Remove', '#remove', { selector: '#banks-status', text: 'Removed' }],
  ['Undo', '#banks .undo', { selector: '#banks-status', text: 'is back' }],
];
const samples = { controls: [], ready: [], chosen: [], reread: [], convert: [], received: [], toSent: [] };
for (const [name] of clicks) samples[name] = [];
const dump = [...readFileSync(join(root, 'examples/demo23.syx'))];
for (let i = 0; i < rounds; i++) {
  const context = await freshContext();
  const page = await context.newPage();
  const marks = () => page.evaluate(() => window.vornakMarks);
  const waitFor = (text) => page.waitForFunction((t) => window.vornakMarks.some(([name]) => name.startsWith(t)), text);
  await page.goto(`file://${pagePath}`);
  await waitFor('Ready.');
  await page.locator('#file-input').setInputFiles({ name: bankName, mimeType: 'application/octet-stream', buffer: bank });
  await waitFor('1 file read.');
  // Read again with a model hint: the bytes are in the page already.
  await page.getByLabel('Model of the data').selectOption({ label: i % 2 ? 'PPG Wave 2.2' : 'PPG Wave 2.3' });
  await waitFor('1 bank read again.');
  await page.locator('#write').click();
  await page.locator('#convert').click();
  await waitFor('Converted');
  await page.getByRole('button', { name: 'Close' }).click();
  await page.locator('#file-input').setInputFiles({ name: 'demo23.syx', mimeType: 'application/octet-stream', buffer: Buffer.from(dump) });
  await page.locator('#bank-list li:nth-child(2) .bank-facts').filter({ hasText: 'V8 SysEx dump' }).waitFor();
  for (const [name, target, answer] of clicks) {
    samples[name].push(await timeClick(page, target, answer));
    if (!name.startsWith('"')) continue;
    // The dialog closes, and what closing it says is said, before the next click.
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !document.querySelector('dialog[open]'));
    await page.waitForTimeout(100);
  }
  await page.getByRole('button', { name: 'Receive from instrument' }).click();
  await waitFor('Waiting for a dump');
  await page.evaluate((bytes) => window.midiStandIn.deliver('Stand-in MIDI', [bytes]), dump);
  await waitFor('received shown');
  await page.locator('#send').click();
  await page.locator('#send-plan li').first().waitFor();
  await page.locator('#send-go').click();
  await page.waitForFunction(() => window.midiStandIn.sent.length === 1);
  const m = await marks();
  const midi = await page.evaluate(() => ({ delivered: window.midiStandIn.delivered, sent: window.midiStandIn.sent[0].at }));
  const at = (name) => m.find(([n]) => n === name)[1];
  samples.received.push(at('received shown') - midi.delivered);
  samples.toSent.push(midi.sent - at('confirmed'));
  samples.controls.push(at('controls'));
  samples.ready.push(m.find(([name]) => name.startsWith('Ready.'))[1]);
  samples.chosen.push(between(m, 'file-input', '1 file read.'));
  samples.reread.push(between(m, 'model', '1 bank read again.'));
  samples.convert.push(between(m, 'convert', 'Converted'));
  await context.close();
}
await browser.close();
console.log(`page: controls there ${ms(median(samples.controls))} and engine ready ${ms(median(samples.ready))} after the start of navigation`);
console.log(`page: ${bankName} chosen to read, the browser's reading of the file included: ${ms(median(samples.chosen))}`);
console.log(`page: ${bankName} read again with another model hint: ${ms(median(samples.reread))}`);
console.log(`page: Write (/S) to its download link: ${ms(median(samples.convert))}`);
for (const [name] of clicks) console.log(`page, click to its answer: ${name}: ${ms(median(samples[name]))} (slowest ${ms(Math.max(...samples[name]))})`);
console.log(`page: last byte of a received dump to its line in the Banks region: ${ms(median(samples.received))}`);
console.log(`page: "Overwrite the instrument's memory" to the message handed to the browser: ${ms(median(samples.toSent))}`);
