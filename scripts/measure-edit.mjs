// Measures editing a program on the page (numbers for docs/performance.md;
// nothing here passes or fails): in headless Chromium at 1280 × 900, with
// demo23.syx open at program 3, the work of
//   - a value changed (P:3 of group A stepped, as its arrow does), and
//   - a step of the blend slider (towards program 7),
// each as the page's own handlers do it (the script), then the browser's
// style, layout and paint of the frame that shows it. The engine's answer
// (the edited program's sound and what the format rounds) comes after, off
// that frame: it is measured apart, from the change to the sound shown,
// with the calls the page makes of its engine's workers for it.
// Usage: node scripts/measure-edit.mjs [rounds] [page]   (after scripts/build-web;
// the page is web/vornak.html unless another is named, to compare)
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

import { launchChromium } from './chromium.mjs';

const root = new URL('..', import.meta.url).pathname;
const rounds = Number(process.argv[2] || 40);
const bank = readFileSync(join(root, 'examples/demo23.syx'));

const browser = await launchChromium();
const page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
// Every request the page sends to its engine's workers, counted.
await page.addInitScript(() => {
  const post = Worker.prototype.postMessage;
  window.vornakCalls = [];
  Worker.prototype.postMessage = function counted(message, ...rest) {
    if (message && typeof message.call === 'string') window.vornakCalls.push(message.call);
    return post.call(this, message, ...rest);
  };
});
await page.goto(`file://${resolve(process.argv[3] || join(root, 'web/vornak.html'))}`);
await page.getByText('Ready.').waitFor();
await page.locator('#file-input').setInputFiles({ name: 'demo23.syx', mimeType: 'application/octet-stream', buffer: bank });
await page.getByRole('status').filter({ hasText: / read/ }).waitFor();
await page.getByRole('button', { name: 'Show program 3 PPG Program 003' }).click();
await page.getByRole('spinbutton', { name: 'P:3, group A' }).waitFor();
await page.locator('#program summary').getByText('Blend with another program').click();
const other = page.getByRole('spinbutton', { name: 'Program', exact: true });
await other.fill('7');
await other.press('Tab');

// In the page: `act()` done in an event handler's place, then the frame:
// the script's time, and the frame's rendering (from its animation frame
// to the task after it is painted).
const step = (what, i) => page.evaluate(async ({ what, i }) => {
  const field = document.querySelector('[aria-label="P:3, group A"]');
  const slider = document.getElementById('blend-amount');
  const acts = {
    nothing: () => {},
    value: (i) => {
      if (i % 2) field.stepDown();
      else field.stepUp();
      field.dispatchEvent(new Event('input', { bubbles: true }));
      field.dispatchEvent(new Event('change', { bubbles: true }));
    },
    blend: (i) => {
      slider.value = String(i % 101);
      slider.dispatchEvent(new Event('input', { bubbles: true }));
    },
  };
  const frame = () => new Promise((resolve) => requestAnimationFrame(() => {
    const start = performance.now();
    const channel = new MessageChannel();
    channel.port1.onmessage = () => resolve(performance.now() - start);
    channel.port2.postMessage(null);
  }));
  const t0 = performance.now();
  acts[what](i);
  const script = performance.now() - t0;
  return { script, render: await frame() };
}, { what, i });

// Each step alone: the engine's answer of the step before is in.
async function measure(what, n) {
  const results = [];
  for (let i = 1; i <= n; i++) {
    await new Promise((resolve) => setTimeout(resolve, 400));
    results.push(await step(what, i));
  }
  return results;
}

// From a change to the edited program's sound shown by the engine's answer
// (its section drawn anew), each change a value not asked for before.
const soundShown = (n) => page.evaluate(async (n) => {
  const field = document.querySelector('[aria-label="P:3, group A"]');
  field.value = field.max;
  field.dispatchEvent(new Event('change', { bubbles: true }));
  await new Promise((resolve) => setTimeout(resolve, 500));
  const times = [];
  const calls = [];
  for (let i = 1; i <= n; i++) {
    const before = document.querySelector('#program-view .sound');
    const called = window.vornakCalls.length;
    const t0 = performance.now();
    field.stepDown();
    field.dispatchEvent(new Event('change', { bubbles: true }));
    await new Promise((resolve) => {
      const check = () => (document.querySelector('#program-view .sound') !== before ? resolve() : setTimeout(check, 1));
      check();
    });
    times.push(performance.now() - t0);
    calls.push(window.vornakCalls.slice(called).join(', '));
  }
  return { times, calls };
}, n);

const quantile = (values, q) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(q * values.length))];
const line = (name, values) => console.log(`${name}: fastest ${Math.min(...values).toFixed(1)} ms, median ${quantile(values, 0.5).toFixed(1)} ms, `
  + `90th ${quantile(values, 0.9).toFixed(1)} ms, slowest ${Math.max(...values).toFixed(1)} ms`);

for (const what of ['nothing', 'value', 'blend']) {
  const results = await measure(what, rounds);
  line(`${what}: script`, results.map((r) => r.script));
  line(`${what}: rendering`, results.map((r) => r.render));
  line(`${what}: both`, results.map((r) => r.script + r.render));
}
const shown = await soundShown(15);
line('the sound of the edited program shown', shown.times);
console.log(`engine calls for each value changed: ${[...new Set(shown.calls)].join('; ')}`);
await browser.close();
