// Every input pair against the native library: the same states, the same
// values to 1e-12 relative, the same failures with the same messages.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { State, props, PAIRS, properties, HygraError } from '../src/index.js';
import { nativeStates, close } from './native.js';

const TDB_RH = 1; // the state type the grid of base states is given by

// Base states in each unit system: dry bulb, relative humidity, pressure.
const grids = {
  SI: { flag: 0, tdb: [-40, -15, 0.5, 20, 35, 60, 90], rh: [0.02, 0.3, 0.75, 1], p: [0.8, 1.01325, 3] },
  IP: { flag: 1, tdb: [-20, 33, 77, 150], rh: [0.1, 0.6, 1], p: [10, 14.696] },
};

function baseStates(grid) {
  const requests = [];
  for (const tdb of grid.tdb) for (const rh of grid.rh) for (const p of grid.p) requests.push([TDB_RH, grid.flag, tdb, rh, p]);
  return nativeStates(requests).map((values, i) => ({ request: requests[i], values }));
}

const names = properties().map((p) => p.name);
const codeOf = (name) => names.indexOf(name);

// The requests of one pair: its inputs read from the base states that the native library could compute.
function pairRequests(base, stateType, flag) {
  const [first, second] = PAIRS[stateType];
  return base
    .map(({ request, values }) => [values[codeOf(first)], values[codeOf(second)], request[4]])
    .filter(([a, b]) => typeof a === 'number' && typeof b === 'number')
    .map(([a, b, p]) => [stateType, flag, a, b, p]);
}

function describe(request) {
  const [type, flag, a, b, p] = request;
  return `${PAIRS[type].join('/')} ${flag ? 'IP' : 'SI'} ${a}, ${b} at ${p}`;
}

function wasmState(request) {
  const [type, flag, a, b, p] = request;
  const [first, second] = PAIRS[type];
  return new State({ [first]: a, [second]: b, P: p, units: flag ? 'IP' : 'SI' });
}

function assertSame(actual, expected, where) {
  if (typeof expected === 'number') {
    assert.ok(close(actual, expected), `${where}: ${actual} from WebAssembly, ${expected} native`);
  } else {
    assert.ok(actual instanceof HygraError, `${where}: ${actual} from WebAssembly, native failed: ${expected.message}`);
    assert.equal(actual.code, expected.code, `${where}: code`);
    assert.equal(actual.message, expected.message, `${where}: message`);
  }
}

for (const [units, grid] of Object.entries(grids)) {
  const base = baseStates(grid);

  test(`every pair gives the native values of every property (${units})`, () => {
    let compared = 0;
    for (let type = 0; type < PAIRS.length; ++type) {
      const requests = pairRequests(base, type, grid.flag);
      assert.ok(requests.length > base.length / 2, `${PAIRS[type].join('/')}: too few base states`);
      const expected = nativeStates(requests);
      requests.forEach((request, i) => {
        const where = describe(request);
        const constructed = expected[i][0];
        let state;
        try {
          state = wasmState(request);
        } catch (error) {
          assertSame(error, constructed, `${where}: construction`);
          return;
        }
        assert.equal(typeof constructed, 'number', `${where}: native failed, WebAssembly did not`);
        assert.equal(state.stateType, type);
        names.forEach((name, code) => {
          let value;
          try {
            value = state.get(name);
          } catch (error) {
            value = error;
          }
          assertSame(value, expected[i][code], `${where}: ${name}`);
          ++compared;
        });
      });
    }
    assert.ok(compared > 1000);
  });

  test(`props gives the native values through the batch call, for each pair (${units})`, () => {
    const set = ['TWB', 'TDEW', 'W', 'RH', 'HM', 'SM', 'VM', 'RHO', 'MUM', 'KM', 'DAW'];
    for (let type = 0; type < PAIRS.length; ++type) {
      const requests = pairRequests(base, type, grid.flag);
      const expected = nativeStates(requests);
      const [first, second] = PAIRS[type];
      const column = (k) => Float64Array.from(requests, (r) => r[k]);
      // Given in the reverse order: the pair is found either way.
      const got = props(set, { [second]: column(3), [first]: column(2), P: column(4), units, errors: 'nan' });
      for (const name of set) {
        assert.ok(got[name] instanceof Float64Array);
        assert.equal(got[name].length, requests.length);
        got[name].forEach((value, i) => {
          const native = expected[i][codeOf(name)];
          const where = `${describe(requests[i])}: ${name}`;
          if (typeof native === 'number') assert.ok(close(value, native), `${where}: ${value} vs ${native}`);
          else assert.ok(Number.isNaN(value), `${where}: ${value}, native failed`);
        });
      }
    }
  });
}

test('both orders of a pair make the same state', () => {
  for (const [first, second] of PAIRS) {
    const inputs = new State({ TDB: 24, RH: 0.4 });
    const given = new State({ [first]: inputs.get(first), [second]: inputs.get(second) });
    const reversed = new State({ [second]: inputs.get(second), [first]: inputs.get(first) });
    // Where both orders are state types the order given chooses; otherwise the pair's own.
    const both = PAIRS.findIndex(([a, b]) => a === second && b === first);
    assert.equal(reversed.stateType, both >= 0 ? both : given.stateType);
    const values = given.toObject();
    for (const [name, value] of Object.entries(reversed.toObject())) {
      assert.ok(close(value, values[name]), `${first}/${second} reversed: ${name} ${value} vs ${values[name]}`);
    }
    assert.ok(Math.abs(given.TDB - 24) < 1e-6 && Math.abs(given.RH - 0.4) < 1e-7,
      `${first}/${second}: back to ${given.TDB} degC, RH ${given.RH}`);
  }
});
