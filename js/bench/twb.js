// Benchmark (not a test): the wet-bulb temperature of new states, per call,
// natively, under Node and in Chromium; and the size of the module's files.
//
//   npm run bench            (builds first; about half a minute)
//
// Every call asks moistair_eval for TWB of a state not in the cache (dry bulb
// and relative humidity step a little each call), so each constructs its
// state and searches its wet bulb. The same loop runs in the three places:
// natively in test/native/reference.c, and here through the module's exports.
import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';

import { nativeBench } from '../test/native.js';

const COUNT = 100000;
const ROUNDS = 3;
const [TYPE, FLAG, TDB, RH, P] = [1, 0, 20, 0.5, 1.01325]; // TDB and RH, SI

// The loop, written once and run both under Node and in the page (as text).
function loop(wasm, type, flag, first, second, pressure, count) {
  const result = wasm._malloc(8);
  let sum = 0;
  const start = performance.now();
  for (let i = 0; i < count; ++i) {
    const x = second * (1 + 1e-9 * (i % 1000));
    const y = first + 1e-7 * Math.floor(i / 1000);
    if (wasm._moistair_eval(type, 1, flag, result, y, x, pressure) === 0) sum += wasm.HEAPF64[result >>> 3];
  }
  const ns = ((performance.now() - start) * 1e6) / count;
  wasm._free(result);
  return [ns, sum];
}

const best = (values) => Math.min(...values);

async function inNode() {
  const { wasm } = await import('../src/module.js');
  const times = [];
  for (let r = 0; r < ROUNDS; ++r) times.push(loop(wasm, TYPE, FLAG, TDB, RH, P, COUNT)[0]);
  return best(times);
}

async function inChromium() {
  const { serve } = await import('../browser-test/server.js');
  const { launch } = await import('../browser-test/browser.js');
  const server = await serve(fileURLToPath(new URL('../../web/', import.meta.url)));
  const chromium = await launch();
  try {
    const page = await chromium.browser.newPage();
    await page.goto(`${server.url}index.html`, { waitUntil: 'load' });
    await page.waitForSelector('body[data-ready=true]', { timeout: 30000 });
    const times = await page.evaluate(async (source, args, rounds) => {
      const { wasm } = await import('./hygra/src/module.js');
      const run = new Function(`return ${source}`)();
      const out = [];
      for (let r = 0; r < rounds; ++r) out.push(run(wasm, ...args)[0]);
      return out;
    }, loop.toString(), [TYPE, FLAG, TDB, RH, P, COUNT], ROUNDS);
    return best(times);
  } finally {
    await chromium.close();
    await server.close();
  }
}

async function size(path) {
  const bytes = await readFile(new URL(path, import.meta.url));
  return [bytes.length, gzipSync(bytes, { level: 9 }).length];
}

const native = best(Array.from({ length: ROUNDS }, () => nativeBench(TYPE, FLAG, TDB, RH, P, COUNT)));
const node = await inNode();
const chromium = await inChromium();
const kb = (n) => `${(n / 1024).toFixed(0)} KiB`;
const [wasmRaw, wasmGzip] = await size('../dist/hygra.wasm');
const [jsRaw, jsGzip] = await size('../dist/hygra.mjs');

console.log(`TWB of a new state (dry bulb and relative humidity, SI), best of ${ROUNDS} x ${COUNT} calls:`);
console.log(`  native    ${native.toFixed(0).padStart(6)} ns per call`);
console.log(`  Node      ${node.toFixed(0).padStart(6)} ns per call  (${(node / native).toFixed(2)} x native)  ${process.version}`);
console.log(`  Chromium  ${chromium.toFixed(0).padStart(6)} ns per call  (${(chromium / native).toFixed(2)} x native)`);
console.log('Files of the module:');
console.log(`  hygra.wasm  ${kb(wasmRaw)} raw, ${kb(wasmGzip)} gzip`);
console.log(`  hygra.mjs   ${kb(jsRaw)} raw, ${kb(jsGzip)} gzip`);
