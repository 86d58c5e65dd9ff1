// What a musician reaches for beside the fields: a group copied from
// another program (one Undo takes it back), the values as read while a key
// is held, programs found across the collection by a value (the same as
// the native tool lists them), and Undo for tags, names and slot moves.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { createVornak } from '../../web/engine/module.js';
import {
  addFiles, decodeText, exampleFiles, launchChromium, listedValues, openPage, press, runNative,
} from './support.mjs';
import { browse, selectBank } from './workspace.mjs';

const examples = exampleFiles();
const files = { 'demo23.syx': examples['demo23.syx'], 'demo23.crv': examples['demo23.crv'] };
const listing = (name) => decodeText(runNative([name], { [name]: files[name] }).stdoutBytes);
let browser;
let page;
let steps;

before(async () => {
  // A Corvel bank of one program whose P:1 and P:3 lie between a PPG memory's steps.
  const engine = await createVornak();
  files['odd.crv'] = engine.compose({ banks: { s: examples['demo23.syx'] }, format: 'W',
    programs: [{ bank: 's', program: 9, set: { a: { 'P:1': 33, 'P:3': 41 } } }] }).bytes;
  steps = engine.formats().find((f) => f.letter === 'S').values.group;
  engine.dispose();
  browser = await launchChromium();
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  page = await openPage(context);
  await addFiles(page, files);
});

after(async () => {
  await browser?.close();
});

const field = (label, group = 'A') => page.getByRole('spinbutton', { name: `${label}, group ${group}`, exact: true });
const status = (region, text) => page.locator(`#${region}-status`).getByText(text).waitFor();

async function show(bank, program) {
  await selectBank(page, bank);
  await browse(page, 'Names');
  await press(page.locator('#browse').getByRole('button', { name: new RegExp(`^Show program ${program} `) }));
  await field('P:3').waitFor();
}

// The values of a group as the fields show them, by label.
const groupShown = (group) => page.locator(`#program table.values.edit input[aria-label$=", group ${group}"]`).evaluateAll((inputs) => Object.fromEntries(
  inputs.map((i) => [i.getAttribute('aria-label').replace(/, group .$/, ''), String(i.type === 'checkbox' ? Number(i.checked) : i.value)])));

test('a group copied from a program of another bank, undone in one step; the values as read while B is held', async () => {
  const [syx, crv] = ['demo23.syx', 'demo23.crv'].map(listing);
  await show('demo23.syx', 2);
  const own = await groupShown('B');
  await page.locator('#program summary').getByText('Copy from another program').click();
  await page.getByLabel('Bank to copy from').selectOption({ label: 'demo23.crv' });
  await page.getByLabel('Program to copy from').fill('9');
  await page.getByLabel('Its group to copy').selectOption('a');
  await page.getByLabel('Into group of this program').selectOption('b');
  await press(page.getByRole('button', { name: 'Copy', exact: true }));
  await status('program', 'Copied Flags, Tuning, SEMIT, P:, GR: of group A of demo23.crv, program 9 into group B');
  const copied = await groupShown('B');
  const theirs = listedValues(crv, 9, 0);
  // A SysEx dump holds every value of a Corvel bank at its resolution or finer: all come over as listed.
  for (const [label, value] of Object.entries(copied)) assert.equal(value, theirs[label], label);
  assert.notDeepEqual(copied, own);
  assert.deepEqual(await groupShown('A'), Object.fromEntries(Object.keys(copied).map((l) => [l, listedValues(syx, 2, 0)[l]])));
  // Values between the SysEx dump's steps come onto them, as the fields step.
  await page.getByLabel('Bank to copy from').selectOption({ label: 'odd.crv' });
  await page.getByLabel('Program to copy from').fill('0');
  await press(page.getByRole('button', { name: 'Copy', exact: true }));
  await status('program', 'of group A of odd.crv, program 0 into group B');
  for (const [label, asked] of [['P:1', 33], ['P:3', 41]]) {
    const value = Number(await field(label, 'B').inputValue());
    const { min, step } = steps[label];
    assert.ok((value - min) % step === 0 && Math.abs(value - asked) < step, `${label} ${value} for ${asked}, steps of ${step}`);
  }
  await page.keyboard.press('Control+z');
  assert.deepEqual(await groupShown('B'), copied);

  // Held: the values as read; let go: the copy again.
  const p3 = field('P:3', 'B');
  await p3.focus();
  await page.keyboard.down('b');
  await page.getByRole('button', { name: 'Hold for the values as read', pressed: true }).waitFor();
  await status('program', 'Shown as the bank holds them');
  assert.deepEqual(await groupShown('B'), own);
  await page.keyboard.up('b');
  await status('program', 'The edited values are shown.');
  assert.deepEqual(await groupShown('B'), copied);
  // The button held from the keyboard does the same.
  const hold = page.getByRole('button', { name: 'Hold for the values as read' });
  await hold.focus();
  await page.keyboard.down(' ');
  assert.equal(await hold.getAttribute('aria-pressed'), 'true');
  assert.equal(await p3.inputValue(), own['P:3']);
  await page.keyboard.up(' ');
  assert.equal(await hold.getAttribute('aria-pressed'), 'false');

  await p3.focus();
  await page.keyboard.press('Control+z');
  assert.deepEqual(await groupShown('B'), own);
});

test('a search by value lists the programs the native tool lists with it, across banks; a query it cannot read is said', async () => {
  const query = page.getByLabel('Find by a value in all banks');
  const found = page.locator('#value-found');
  const hits = () => found.locator('tbody tr').evaluateAll((rows) => rows.map((r) => `${r.querySelector('.where').textContent} ${r.querySelector('.number').textContent}`));
  const expected = (test) => Object.keys(files).flatMap((name) => {
    const text = listing(name);
    const count = (text.match(/^PROG:\d+ *WAVETABLE/gm) || []).length;
    return Array.from({ length: count }, (_, p) => p).filter((p) => test(p, text)).map((p) => `${name} ${p}`);
  });
  await query.fill('P:3 of group A > 40');
  await query.press('Enter');
  await status('programs', /programs? with P:3 of group A > 40/);
  const wanted = expected((p, text) => Number(listedValues(text, p, 0)['P:3']) > 40);
  assert.ok(wanted.length > 1);
  assert.deepEqual(await hits(), wanted);
  // Two conditions, and a group value without a group (either group).
  await query.fill('wavetable = 3 and P:1 <= 20');
  await query.press('Enter');
  await status('programs', /with WAVETABLE = 3 and P:1 of group A or B <= 20/);
  assert.deepEqual(await hits(), expected((p, text) => listedValues(text, p, 0).WAVETABLE === '3'
    && [0, 1].some((g) => Number(listedValues(text, p, g)['P:1']) <= 20)));
  // A hit opens its program.
  const first = found.locator('tbody tr').first();
  if (await first.count()) {
    await press(first.getByRole('button', { name: /^Show / }));
    await page.locator('#program-title').getByText('Program').waitFor();
  }
  for (const [bad, said] of [['P:3 of group A is big', 'is not a comparison'], ['VOLUME > 3', 'There is no value “VOLUME”'],
    ['P:3 > forty', '“forty” in “P:3 > forty” is not a whole number'], ['WAVETABLE of group B = 2', 'WAVETABLE is the program’s own value']]) {
    await query.fill(bad);
    await query.press('Enter');
    await status('programs', said);
    await found.locator('.problem').getByText(said).waitFor();
  }
});

test('undo of a tag, of a name of one\'s own, and of a slot moved in the new bank', async () => {
  await show('demo23.syx', 4);
  const tags = page.getByRole('textbox', { name: 'Tags', exact: true });
  await tags.fill('pad');
  await tags.press('Tab');
  await tags.fill('pad, bass');
  await tags.press('Tab');
  const name = page.getByLabel('Your name for it');
  await name.fill('Deep');
  await name.press('Tab');
  await press(page.getByRole('button', { name: 'Undo a change of these' }));
  await status('program', 'Undone: it has no name of its own again.');
  assert.equal(await name.inputValue(), '');
  await tags.focus();
  await page.keyboard.press('Control+z');
  await status('program', 'Undone: the tags are “pad” again.');
  assert.equal(await tags.inputValue(), 'pad');
  // The tag as kept: the filter by it lists the program.
  await page.getByLabel('Filter').selectOption('tag:pad');
  await page.locator('#browse').getByRole('button', { name: /^Show .*demo23\.syx, program 4$/ }).waitFor();
  await page.getByLabel('Filter').selectOption('');

  // Slots: two added, the first moved down, renamed; undone one by one.
  for (const program of [5, 6]) {
    await show('demo23.syx', program);
    await press(page.locator('#program-view .pick').getByRole('button', { name: /^Add to new bank/ }));
  }
  await press(page.locator('#detail-switch').getByRole('button', { name: /^New bank/ }));
  const sources = () => page.locator('#builder-slots .slot-source').allTextContents();
  assert.deepEqual(await sources(), ['from demo23.syx, program 5', 'from demo23.syx, program 6']);
  await press(page.getByRole('button', { name: 'Move slot 0 down' }));
  assert.deepEqual(await sources(), ['from demo23.syx, program 6', 'from demo23.syx, program 5']);
  const slotName = page.getByLabel('Name of slot 1');
  await slotName.fill('Lead');
  await slotName.press('Tab');
  await page.keyboard.press('Control+z');
  await status('builder', 'Undone: slot 1 has its name before again.');
  assert.equal(await slotName.inputValue(), 'PPG Program 005');
  await press(page.getByRole('button', { name: 'Undo a change of the slots or names' }));
  await status('builder', 'Undone: slot 0 is back in its place (it was moved down).');
  assert.deepEqual(await sources(), ['from demo23.syx, program 5', 'from demo23.syx, program 6']);
});
