// The page's workspace as the browser tests drive it: a browser profile
// kept between visits, the Banks region's lines, the selected bank's facts
// and programs, the "Write as…" dialog.
import { launchWithProfile } from '../../scripts/chromium.mjs';
import { pageBuilt, pageUrl, press } from './support.mjs';

// A browser with a profile of its own in `dir`, kept when it is closed.
export async function openProfile(dir) {
  await pageBuilt();
  const context = await launchWithProfile(dir, { acceptDownloads: true });
  const page = context.pages()[0] || await context.newPage();
  page.on('dialog', (dialog) => dialog.accept());
  await page.goto(pageUrl);
  await page.getByText('Ready.').waitFor();
  return { context, page };
}

// A bank's line in the Banks region.
export function bankLine(page, name) {
  return page.locator('#bank-list > li').filter({ has: page.locator('.bank-name').getByText(name, { exact: true }) });
}

// Selects a bank from the keyboard; answers the Programs region's facts of it.
export async function selectBank(page, name) {
  await press(bankLine(page, name).locator('button.pick'));
  const facts = page.locator('#bank-facts');
  await facts.getByRole('heading', { name, exact: true }).waitFor();
  return facts;
}

// What the Programs region shows: "Names", "Listing" or "Same sounds".
export async function browse(page, mode) {
  await press(page.locator('#programs .modes').getByRole('button', { name: mode, exact: true }));
}

// A bank's listing, once the engine has made it.
export async function listingOf(page, name) {
  await selectBank(page, name);
  await browse(page, 'Listing');
  const pre = page.locator('#browse pre');
  await page.waitForFunction((node) => node.textContent !== 'Listing…', await pre.elementHandle());
  return pre.textContent();
}

// The failed file's item in the list of files that could not be read.
export function failedItem(page, name) {
  return page.locator('#failed-list li').filter({ hasText: name });
}

// Chooses every bank and opens "Write as…"; answers the dialog.
export async function writeAll(page) {
  const all = page.getByLabel('Choose all');
  if (!(await all.isChecked())) await all.check();
  await press(page.locator('#write'));
  const dialog = page.getByRole('dialog');
  await dialog.waitFor();
  return dialog;
}
