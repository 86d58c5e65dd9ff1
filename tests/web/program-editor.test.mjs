// A program edited on the page by keyboard, as a person would: a value set,
// undone and redone, and written by the new bank in another format; a
// blend from one program to another; values randomized. What the page
// writes must read back with the native tool as its fields say.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { createVornak } from '../../web/engine/module.js';
import {
  addFiles, decodeText, download, exampleFiles, inputFiles, launchChromium, listedValues, openPage, press, reloadKept, runNative,
} from './support.mjs';
import { browse, listingOf, selectBank } from './workspace.mjs';

const examples = exampleFiles();
const listing = (name, bytes) => decodeText(runNative([name], { [name]: bytes }).stdoutBytes);
const demo = listing('demo23.syx', examples['demo23.syx']);
let browser;
let page;
let engine;

before(async () => {
  browser = await launchChromium();
  const context = await browser.newContext({ acceptDownloads: true, viewport: { width: 1280, height: 900 } });
  page = await openPage(context);
  await addFiles(page, { 'demo23.syx': examples['demo23.syx'] });
  engine = await createVornak();
});

after(async () => {
  engine?.dispose();
  await browser?.close();
});

const field = (label, group = 'A') => page.getByRole('spinbutton', { name: `${label}, group ${group}`, exact: true });
const status = (text) => page.locator('#program-status').getByText(text).waitFor();

async function show(program) {
  await selectBank(page, 'demo23.syx');
  await browse(page, 'Names');
  await press(page.getByRole('button', { name: `Show program ${program} PPG Program ${String(program).padStart(3, '0')}` }));
  await field('P:3').waitFor();
}

// Every value on view by its field's name ("P:3, group A"): a switch as 0
// or 1, a value not offered as its text.
function shownValues() {
  return page.locator('#program table.values.edit td').evaluateAll((cells) => Object.fromEntries(cells.map((td) => {
    const input = td.querySelector('input');
    const fixed = td.querySelector('.fixed');
    return input ? [input.getAttribute('aria-label'), input.type === 'checkbox' ? Number(input.checked) : Number(input.value)]
      : [fixed.getAttribute('aria-label').replace(/: not held$/, ''), Number(fixed.textContent)];
  })));
}

// The same, as the tool lists program `program` of a listing.
function listedAsShown(text, program) {
  const named = {};
  for (const [i, group] of ['A', 'B'].entries()) {
    for (const [label, value] of Object.entries(listedValues(text, program, i))) named[`${label}, group ${group}`] = Number(value);
  }
  for (const label of ['WAVETABLE', 'KEYB-SPLIT', 'KEYB', 'TTUNE']) named[`${label}, program`] = named[`${label}, group A`];
  return named;
}

// The fields' values are those listed; `except`: names of values that differ.
function sameAsListed(shown, listed, except = []) {
  for (const [name, value] of Object.entries(shown)) if (!except.includes(name)) assert.equal(value, listed[name], name);
}

async function newBankAs(letter) {
  await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
  await page.locator('#builder-slots').getByText(/^edited: /).waitFor();
  await page.getByLabel('Format of the new bank').selectOption(letter);
  const built = await download(page, () => press(page.getByRole('button', { name: 'Download new bank' })));
  await press(page.getByRole('button', { name: 'Empty the new bank' }));
  await press(page.locator('#detail-switch').getByRole('button', { name: 'Program', exact: true }));
  return listing(built.name, built.bytes);
}

test('a value set by keyboard is marked, undone and redone, and goes as a sound of its own into a 2.V bank and a copy of its bank', async () => {
  await show(3);
  const p3 = field('P:3');
  assert.equal(await p3.inputValue(), listedValues(demo, 3, 0)['P:3']);
  const was = `was ${await p3.inputValue()}`;
  await p3.fill('40');
  await p3.press('Tab');
  const cell = page.locator('td').filter({ has: p3 });
  await cell.getByText(was).waitFor();
  await status('P:3 of group A set to 40');
  await p3.focus();
  await page.keyboard.press('Control+z');
  assert.equal(await p3.inputValue(), was.slice(4));
  assert.equal(await cell.locator('.was').textContent(), '');
  await page.keyboard.press('Control+Shift+z');
  assert.equal(await p3.inputValue(), '40');
  await press(page.getByRole('button', { name: 'Undo', exact: true }));
  assert.equal(await p3.inputValue(), was.slice(4));
  await press(page.getByRole('button', { name: 'Redo', exact: true }));
  assert.equal(await p3.inputValue(), '40');
  // The arrows step by what a SysEx dump keeps of P:3.
  const held = engine.formats().find((f) => f.letter === 'S').values.group['P:3'];
  await p3.press('ArrowUp');
  assert.equal(await p3.inputValue(), String(40 + held.step));
  await page.keyboard.press('Control+z');
  assert.equal(await p3.inputValue(), '40');

  // A copy of its bank as edited, in the bank's own format, joins the
  // banks: its combis and every other program as they were.
  await press(page.getByRole('button', { name: 'Add a copy of demo23.syx with it' }));
  await status('Added demo23 edited.syx to the banks');
  const copy = await listingOf(page, 'demo23 edited.syx');
  assert.equal(listedValues(copy, 3, 0)['P:3'], '40');
  assert.equal(copy.slice(0, copy.indexOf('PROG:')), demo.slice(0, demo.indexOf('PROG:')), 'the combis');
  for (const p of [0, 3, 86]) {
    for (const group of [0, 1]) assert.deepEqual({ ...listedValues(copy, p, group), 'P:3': '' }, { ...listedValues(demo, p, group), 'P:3': '' });
  }

  // Its sound is its own: named, and added to the new bank under that name.
  await page.getByRole('heading', { name: 'The sound as edited' }).waitFor();
  const name = page.getByLabel('Your name for it');
  await name.fill('Edited Pad');
  await name.press('Tab');
  await press(page.getByRole('button', { name: 'Add the edited program to the new bank' }));
  await status('Added demo23.syx, program 3 as edited to the new bank as slot 0.');
  // The slot keeps its values when the page is opened again, and in a
  // saved collection opened into an empty new bank.
  await reloadKept(page);
  // So does the edit itself, in the program view.
  await show(3);
  assert.equal(await field('P:3').inputValue(), '40');
  await page.locator('td').filter({ has: field('P:3') }).getByText(was).waitFor();
  await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
  await page.locator('#builder-slots').getByText('edited: 1 value changed').waitFor();
  const saved = await download(page, () => press(page.getByRole('button', { name: 'Save the collection' })));
  await press(page.getByRole('button', { name: 'Empty the new bank' }));
  await page.locator('#file-input').setInputFiles(inputFiles({ [saved.name]: saved.bytes }));
  await page.locator('#banks-status').getByText('its new bank of 1 slot').waitFor();
  await page.locator('#builder-slots').getByText('edited: 1 value changed').waitFor();

  const written = await newBankAs('O');
  assert.match(written, /PROG:0 "Edited Pad"/);
  const alone = listing('one.fxb', runNative(['/Oone.fxb', '/P3-3', 'demo23.syx'], { 'demo23.syx': examples['demo23.syx'] }).files['one.fxb']);
  assert.equal(listedValues(written, 0, 0)['P:3'], '40');
  assert.deepEqual({ ...listedValues(written, 0, 0), 'P:3': '' }, { ...listedValues(alone, 0, 0), 'P:3': '' });
});

test('a blend at 100 % is the other program\'s sound, at 0 % the program\'s own; one Undo takes back the whole blend', async () => {
  await show(5);
  await page.locator('#program summary').getByText('Blend with another program').click();
  const other = page.getByRole('spinbutton', { name: 'Program', exact: true });
  await other.fill('7');
  await other.press('Tab');
  await status('Blending with demo23.syx, program 7.');
  const slider = page.getByRole('slider', { name: 'Blend' });
  await slider.focus();
  await slider.press('End');
  const sound = page.locator('#program-view .sound');
  await sound.getByRole('heading', { name: 'The sound as edited' }).waitFor();
  await sound.getByRole('heading', { name: /^Same sound \(\d+ programs?\)$/ }).waitFor();
  await sound.getByRole('button', { name: 'Show PPG Program 007, demo23.syx, program 7' }).waitFor();
  sameAsListed(await shownValues(), listedAsShown(demo, 7));
  await slider.press('Home');
  sameAsListed(await shownValues(), listedAsShown(demo, 5));
  assert.deepEqual(await page.locator('#program .was').evaluateAll((marks) => marks.map((m) => m.textContent).filter(Boolean)), []);
  await sound.getByRole('heading', { name: 'The sound', exact: true }).waitFor();
  assert.equal(await sound.getByRole('button', { name: 'Show PPG Program 007, demo23.syx, program 7' }).count(), 0);
  // The steps between went by: one Undo goes back to before the blend.
  await slider.press('PageUp');
  await slider.press('End');
  await page.keyboard.press('Control+z');
  sameAsListed(await shownValues(), listedAsShown(demo, 5));
});

test('randomized values stay within every range and step, and are written as shown', async () => {
  await show(10);
  const { values } = engine.limits();
  const held = engine.formats().find((f) => f.letter === 'S').values;
  await page.locator('#program summary').getByText('Randomize').click();
  for (const box of await page.locator('#program fieldset input[type=checkbox]').all()) await box.check();
  await page.getByLabel('Amount (%)').fill('100');
  for (let round = 0; round < 5; round++) {
    await press(page.getByRole('button', { name: 'Randomize', exact: true }));
    await status('Randomized by 100 %');
    const shown = await shownValues();
    for (const [name, value] of Object.entries(shown)) {
      const [label, where] = name.split(', ');
      const part = where === 'program' ? 'program' : 'group';
      const range = values[part].find((r) => r.label === label);
      assert.ok(value >= range.min && value <= range.max, `${name} ${value} in ${range.min}..${range.max}`);
      const step = held[part][label];
      if (step) assert.equal((value - step.min) % step.step, 0, `${name} ${value} on the steps of ${JSON.stringify(step)}`);
    }
    if (round === 4) {
      await press(page.getByRole('button', { name: 'Add the edited program to the new bank' }));
      sameAsListed(shown, listedAsShown(await newBankAs('S'), 0), ['TTUNE, program']);
    }
  }
});
