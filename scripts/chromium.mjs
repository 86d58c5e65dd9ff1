// Debian's Chromium as the tests and the measures drive it (playwright-core):
// the executable (VORNAK_CHROMIUM, or Debian's), without the background work
// a fresh profile would start, and without the sandbox when run as root.
import { chromium } from 'playwright-core';

export const chromiumOptions = {
  executablePath: process.env.VORNAK_CHROMIUM || '/usr/bin/chromium',
  args: ['--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [])],
};

export const launchChromium = () => chromium.launch(chromiumOptions);

// A browser with a profile of its own in `folder` (kept between launches).
export const launchWithProfile = (folder, options = {}) => chromium.launchPersistentContext(folder, { ...chromiumOptions, ...options });
