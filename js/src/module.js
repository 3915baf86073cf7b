// The WebAssembly module of the library, loaded once when the package is first
// imported, and the small helpers that call into it.
//
// In a browser the module's own loader fetches hygra.wasm from beside
// hygra.mjs. Under Node the binary is read here and handed over, because the
// loader's Node path needs CommonJS globals that an ES module does not have.
import createHygraModule from '../dist/hygra.mjs';

async function nodeBinary() {
  const url = new URL('../dist/hygra.wasm', import.meta.url);
  const isNode = typeof process === 'object' && typeof process.versions?.node === 'string';
  if (!isNode || url.protocol !== 'file:') return undefined;
  const { readFile } = await import('node:fs/promises');
  return readFile(url);
}

/** The emscripten module: the C functions as _moistair_eval, ..., and the heap views. */
export const wasm = await createHygraModule({ wasmBinary: await nodeBinary() });

// One double for the result of the scalar calls, kept for the life of the module.
const resultPointer = wasm._malloc(8);

/** Calls fn(resultPointer) and returns [result code, value]. */
export function callForDouble(fn) {
  const rc = fn(resultPointer);
  return [rc, rc === 0 ? wasm.HEAPF64[resultPointer >>> 3] : undefined];
}

/** A C string of the module as a JavaScript string ("" for NULL). */
export function text(pointer) {
  return pointer ? wasm.UTF8ToString(pointer) : '';
}

/** The message of the last failed call, or the generic text of its code. */
export function lastMessage(code) {
  return text(wasm._hygra_last_error()) || text(wasm._hygra_strerror(code));
}
