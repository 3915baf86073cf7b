// Many states of one pair of inputs in one call of the library: props().
import { wasm, lastMessage } from './module.js';
import { errorFor, HygraError, InvalidArgument } from './errors.js';
import { resolve } from './pairs.js';
import { codeOf, properties } from './properties.js';
import { pressureAt, seaLevelPressure } from './model.js';
import { unitFlag, unitName } from './units.js';
import { errorsMode } from './state.js';

// A column of inputs: a number, or an array or typed array of numbers, as a Float64Array.
function column(name, value) {
  if (typeof value === 'number') return { scalar: true, values: Float64Array.of(value) };
  if (ArrayBuffer.isView(value) && !(value instanceof DataView) && typeof value[0] !== 'bigint') {
    return { scalar: false, values: Float64Array.from(value) };
  }
  if (Array.isArray(value)) {
    value.forEach((v, i) => {
      if (typeof v !== 'number') throw new TypeError(`${name}[${i}] must be a number, not ${v === null ? 'null' : typeof v}`);
    });
    return { scalar: false, values: Float64Array.from(value) };
  }
  throw new TypeError(`${name} must be a number, an array of numbers or a typed array`);
}

/**
 * Properties of many states of one pair of inputs, computed in one call of
 * the library (hygra_eval_batch).
 *
 *   props(['W', 'HM'], { TDB: [20, 25, 30], RH: 0.5 })
 *   props('TWB', { TDB: new Float64Array(temps), W: 0.008, ALT: 1500 })
 *
 * names   a property name or an array of names
 * inputs  two inputs by the library's names and optionally P or ALT, as for
 *         State; each a number, an array of numbers or a typed array. Numbers
 *         and one-element arrays repeat; longer arrays must be of one length.
 *         Also units ('SI' or 'IP') and errors: 'raise' throws the first
 *         failure, 'nan' gives NaN for each value that fails.
 *
 * Returns, for one name, its values; for an array of names, an object of
 * name to values in the order asked. The values are a Float64Array, or a
 * number when every input is a number.
 */
export function props(names, inputs) {
  if (inputs === null || typeof inputs !== 'object') {
    throw new TypeError('props needs an object of inputs, such as { TDB: [20, 25], RH: 0.5 }');
  }
  const single = typeof names === 'string';
  const requested = single ? [names] : Array.from(names ?? []);
  if (requested.length === 0) throw new InvalidArgument('no property names given');
  const codes = requested.map(codeOf);
  const keys = codes.map((code) => properties()[code].name);
  const { units = 'SI', errors = 'raise', ...named } = inputs;
  errorsMode(errors);
  const flag = unitFlag(units);
  const request = resolve(named);

  const columns = {};
  for (const [name, value] of Object.entries(request.given)) columns[name] = column(name, value);
  const lengths = Object.entries(columns).filter(([, c]) => !c.scalar && c.values.length !== 1);
  const distinct = new Set(lengths.map(([, c]) => c.values.length));
  if (distinct.size > 1) {
    const described = lengths.map(([name, c]) => `${name} has ${c.values.length}`).join(' and ');
    throw new InvalidArgument(`arrays of inputs must be of one length (or of one value): ${described}`);
  }
  const scalar = Object.values(columns).every((c) => c.scalar);
  const n = lengths.length ? lengths[0][1].values.length : 1;

  let pressure;
  if (request.pressureName === 'ALT') {
    const cache = new Map(); // the library is asked once for each distinct altitude
    pressure = columns.ALT.values.map((z) => {
      if (!cache.has(z)) {
        try {
          cache.set(z, pressureAt(z, unitName(flag)));
        } catch (error) {
          if (errors === 'raise' || !(error instanceof HygraError)) throw error;
          cache.set(z, NaN);
        }
      }
      return cache.get(z);
    });
  } else if (request.pressureName === 'P') {
    pressure = columns.P.values;
  } else {
    pressure = Float64Array.of(seaLevelPressure(flag));
  }

  const k = codes.length;
  const out = codes.map(() => new Float64Array(n));
  if (n > 0) batch(request.stateType, flag, n, k, codes,
    [columns[request.names[0]].values, columns[request.names[1]].values, pressure], errors, out);
  const values = scalar ? out.map((a) => a[0]) : out;
  if (single) return values[0];
  return Object.fromEntries(keys.map((key, j) => [key, values[j]]));
}

// Copies the inputs into the module's memory (a one-value column repeats),
// calls hygra_eval_batch and copies each property's values out.
function batch(stateType, flag, n, k, codes, inputColumns, errors, out) {
  const bytes = 8 * 3 * n + 4 * k + 8 * n * k + 4 * n * k;
  const base = wasm._malloc(bytes);
  if (!base) throw new HygraError(`not enough memory for ${n} states`, 2);
  try {
    const [first, second, pressure] = [0, 1, 2].map((i) => base + 8 * n * i);
    const results = base + 24 * n;
    const status = results + 8 * n * k;
    const codeArray = status + 4 * n * k;
    const f64 = wasm.HEAPF64;
    [first, second, pressure].forEach((pointer, i) => {
      const values = inputColumns[i];
      const view = f64.subarray(pointer >>> 3, (pointer >>> 3) + n);
      if (values.length === 1) view.fill(values[0]);
      else view.set(values);
    });
    f64.fill(NaN, results >>> 3, (results >>> 3) + n * k);
    wasm.HEAP32.set(codes, codeArray >>> 2);
    const rc = wasm._hygra_eval_batch(stateType, flag, n, first, second, pressure, codeArray, k, results, status);
    if (rc && errors === 'raise') throw errorFor(rc, lastMessage(rc));
    const values = wasm.HEAPF64.subarray(results >>> 3, (results >>> 3) + n * k);
    for (let j = 0; j < k; ++j) {
      const column = out[j];
      for (let i = 0; i < n; ++i) column[i] = values[i * k + j];
    }
  } finally {
    wasm._free(base);
  }
}
