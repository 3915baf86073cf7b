// The calculator page in Debian's Chromium: typed inputs, units, pairs,
// pressure or altitude, a process and an out-of-range input, each compared
// with the native library; copying as CSV; screenshots at desktop and phone
// width (written to js/screenshots/ to be looked at).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import { fileURLToPath } from 'node:url';

import { serve } from './server.js';
import { launch } from './browser.js';
import { nativeStates, nativeAtmosphere, close } from '../test/native.js';
import { PAIRS } from '../src/index.js';

const webRoot = fileURLToPath(new URL('../../web/', import.meta.url));
const shots = fileURLToPath(new URL('../screenshots/', import.meta.url));

let server;
let chromium;
let page;
const pageErrors = [];

before(async () => {
  server = await serve(webRoot);
  chromium = await launch();
  const context = chromium.browser.defaultBrowserContext();
  await context.overridePermissions(server.url.slice(0, -1), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  page = await chromium.browser.newPage();
  page.on('pageerror', (error) => pageErrors.push(error.message));
  page.on('requestfailed', (request) => pageErrors.push(`failed request ${request.url()}: ${request.failure()?.errorText}`));
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(server.url, { waitUntil: 'load' });
  await page.waitForSelector('body[data-ready=true]', { timeout: 30000 }).catch((error) => {
    throw new Error(`the page did not start: ${pageErrors.join('; ') || error.message}`);
  });
  await mkdir(shots, { recursive: true });
});

after(async () => {
  await chromium?.close();
  await server?.close();
});

// The page's values of state 1 (or 2), full precision, by name.
function tableValues(column = 1) {
  return page.$$eval('#table tbody tr', (rows, c) => Object.fromEntries(rows.map((row) =>
    [row.dataset.name, row.cells[1 + c].dataset.value])), column);
}

async function typeInto(selector, text) {
  await page.click(selector, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.type(selector, text);
}

const field = (id) => page.$eval(`#${id}`, (input) => Number(input.value));

// Compares the page's column with the native values of the state its fields give.
async function assertNative(where, { column = 1, suffix = '' } = {}) {
  const type = Number(await page.$eval('#pair', (s) => s.value));
  const flag = (await page.$eval('input[name=units]:checked', (r) => r.value)) === 'IP' ? 1 : 0;
  const kind = await page.$eval('input[name=pressure-kind]:checked', (r) => r.value);
  let pressure = await field('pressure');
  if (kind === 'ALT') pressure = nativeAtmosphere('pz', [[flag, pressure]])[0];
  const request = [type, flag, await field(`first${suffix}`), await field(`second${suffix}`), pressure];
  const expected = nativeStates([request])[0];
  const shown = await tableValues(column);
  let compared = 0;
  for (const [name, text] of Object.entries(shown)) {
    const native = expected[Object.keys(shown).indexOf(name)];
    if (typeof native === 'number') {
      assert.ok(close(Number(text), native), `${where}: ${name} ${text} on the page, ${native} native (${request})`);
      ++compared;
    } else {
      assert.equal(text, 'NaN', `${where}: ${name} shown though native failed`);
    }
  }
  assert.ok(compared > 40, `${where}: only ${compared} values`);
  assert.equal(await page.$eval('#message', (m) => m.textContent), '', `${where}: a message is shown`);
  return { request, shown };
}

test('the page loads offline from a static host and shows the native values of its first state', async () => {
  assert.deepEqual(pageErrors, []);
  assert.equal(await page.$$eval('#pair option', (o) => o.length), PAIRS.length);
  assert.equal(await page.$$eval('#table tbody tr', (rows) => rows.length), 46);
  await assertNative('initial state');
  await page.screenshot({ path: `${shots}desktop-initial.png`, fullPage: true });
});

test('typed values update the properties and the chart at once', async () => {
  await typeInto('#first', '25');
  await typeInto('#second', '0.4');
  const { shown } = await assertNative('25 degC, 40 %');
  const point = await page.$eval('#chart circle.point', (c) => ({ tdb: Number(c.dataset.tdb), w: Number(c.dataset.w) }));
  assert.equal(point.tdb, Number(shown.TDB));
  assert.equal(point.w, Number(shown.W));
});

test('switching to inch-pound converts the inputs and shows inch-pound values', async () => {
  await page.click('input[name=units][value=IP]');
  assert.ok(Math.abs(await field('first') - 77) < 1e-6);
  assert.ok(Math.abs(await field('pressure') - 14.6959) < 1e-3);
  assert.equal(await page.$eval('#first-unit', (u) => u.textContent), '°F');
  await assertNative('77 degF, 40 %, IP');
});

test('another pair keeps the state and gives the native values of its own inputs', async () => {
  const before = await tableValues();
  const type = PAIRS.findIndex(([a, b]) => a === 'W' && b === 'TWB');
  await page.select('#pair', String(type));
  assert.ok(close(await field('first'), Number(before.W), 1e-7));
  const { shown } = await assertNative('W and TWB, IP');
  assert.ok(Math.abs(Number(shown.TDB) - 77) < 1e-4);
  const rhTdb = PAIRS.findIndex(([a, b]) => a === 'RH' && b === 'HM');
  await page.select('#pair', String(rhTdb));
  await typeInto('#second', '30');
  await assertNative('RH and HM, IP');
});

test('an altitude gives the standard atmosphere\'s pressure', async () => {
  await page.click('input[name=pressure-kind][value=ALT]');
  assert.equal(await page.$eval('#pressure-unit', (u) => u.textContent), 'ft');
  await typeInto('#pressure', '5280');
  const { shown } = await assertNative('at 5280 ft');
  assert.ok(Math.abs(Number(shown.P) - 12.1) < 0.01);
  await page.click('input[name=pressure-kind][value=P]');
  assert.ok(close(await field('pressure'), Number(shown.P), 1e-7));
  await page.click('input[name=units][value=SI]');
  await page.select('#pair', String(PAIRS.findIndex(([a, b]) => a === 'TDB' && b === 'RH')));
});

test('an input outside the range shows the library\'s message and no values', async () => {
  await typeInto('#first', '400');
  const expected = nativeStates([[1, 0, 400, await field('second'), await field('pressure')]])[0][0];
  assert.equal(typeof expected, 'object');
  const message = await page.$eval('#message', (m) => m.textContent);
  assert.equal(message.toLowerCase(), expected.message.toLowerCase());
  assert.match(message, /^Dry-bulb temperature 400 degC is above the highest temperature of the model, 372 degC$/);
  assert.ok(Object.values(await tableValues()).every((v) => v === ''));
  assert.equal(await page.$eval('#copy', (b) => b.disabled), true);
  await page.screenshot({ path: `${shots}desktop-out-of-range.png`, fullPage: true });
  // A change of units carries what was typed: 400 degC is 752 degF, still too hot.
  await page.click('input[name=units][value=IP]');
  assert.equal(await field('first'), 752);
  assert.match(await page.$eval('#message', (m) => m.textContent), /^Dry-bulb temperature 752 degF is above .* 701\.6 degF$/);
  await page.click('input[name=units][value=SI]');
  assert.equal(await field('first'), 400);
  await typeInto('#first', '2O');
  assert.match(await page.$eval('#message', (m) => m.textContent), /"2O" is not a number/);
  await typeInto('#first', '24');
  await assertNative('back to 24 degC');
});

test('a process between two states: both columns native, an arrow on the chart', async () => {
  await page.click('#process');
  await typeInto('#first2', '13');
  await typeInto('#second2', '0.95');
  await assertNative('state 1 of the process');
  await assertNative('state 2 of the process', { column: 2, suffix: '2' });
  assert.equal(await page.$$eval('#chart circle.point', (c) => c.length), 2);
  assert.equal(await page.$$eval('#chart line.process', (l) => l.length), 1);
  const [one, two] = [await tableValues(1), await tableValues(2)];
  const summary = await page.$eval('#process-summary', (p) => p.textContent);
  const dh = Number(two.HM) - Number(one.HM);
  assert.ok(summary.includes(`enthalpy ${dh >= 0 ? '+' : '−'}${Math.abs(dh).toFixed(2)} kJ/kg of dry air`), summary);
  await page.screenshot({ path: `${shots}desktop-process.png`, fullPage: true });
});

test('copy as CSV gives every property to full precision', async () => {
  await page.click('#copy');
  await page.waitForFunction(() => document.getElementById('copied').textContent !== '');
  const text = await page.evaluate(() => navigator.clipboard.readText());
  const lines = text.trimEnd().split('\n');
  assert.equal(lines[0], 'name,meaning,state 1,state 2,unit');
  assert.equal(lines.length, 47);
  const shown = await tableValues(1);
  const hm = lines.find((line) => line.startsWith('HM,'));
  assert.match(hm, /^HM,"specific enthalpy of moist air, per mass of dry air",([^,]+),([^,]+),kJ\/kg$/);
  assert.equal(hm.split(',').at(-3), shown.HM);
});

test('on a phone-sized screen everything fits the width', async () => {
  const phone = await chromium.browser.newPage();
  phone.on('pageerror', (error) => pageErrors.push(error.message));
  await phone.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  await phone.goto(server.url, { waitUntil: 'load' });
  await phone.waitForSelector('body[data-ready=true]', { timeout: 30000 });
  await phone.tap('#process');
  await phone.click('#first2', { clickCount: 3 });
  await phone.keyboard.type('32');
  const widths = await phone.evaluate(() => ({
    page: document.documentElement.scrollWidth,
    chart: document.querySelector('#chart svg').getBoundingClientRect().width,
    points: document.querySelectorAll('#chart circle.point').length,
  }));
  assert.ok(widths.page <= 390, `the page is ${widths.page} px wide`);
  assert.ok(widths.chart > 300 && widths.chart <= 390);
  assert.equal(widths.points, 2);
  await phone.screenshot({ path: `${shots}phone.png`, fullPage: true });
  await phone.close();
  assert.deepEqual(pageErrors, []);
});
