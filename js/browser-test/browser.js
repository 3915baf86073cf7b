// Debian's Chromium, headless, driven by puppeteer-core (which never downloads
// a browser of its own), in a fresh profile that is removed afterwards.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

/** Launches Chromium; resolves to { browser, close() }. */
export async function launch() {
  const profile = await mkdtemp(join(tmpdir(), 'hygra-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    timeout: 60000,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-dev-shm-usage', `--user-data-dir=${profile}`],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}
