// Failing calls throw the exception of their result code with the library's
// own message, as the native library words it, and the module goes on working.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import {
  State, props, pressureAt, temperatureAt, HygraError, InvalidArgument, NoConvergence, OutOfRange,
} from '../src/index.js';
import { nativeStates, nativeAtmosphere } from './native.js';

// [inputs, state type, unit flag, first, second, pressure] of states the library refuses.
const refused = [
  [{ TDB: 400, RH: 0.5 }, 1, 0, 400, 0.5, 1.01325],
  [{ TDB: -120, W: 0.001 }, 2, 0, -120, 0.001, 1.01325],
  [{ TDB: 20, RH: 50 }, 1, 0, 20, 50, 1.01325],
  [{ TDB: 20, RH: 0.5, P: 60 }, 1, 0, 20, 0.5, 60],
  [{ TDB: 20, RH: 0.5, P: -1 }, 1, 0, 20, 0.5, -1],
  [{ TDB: 20, TWB: 25 }, 0, 0, 20, 25, 1.01325],
  [{ W: -0.01, TDB: 20 }, 8, 0, -0.01, 20, 1.01325],
  [{ TDB: 800, RH: 0.5, units: 'IP' }, 1, 1, 800, 0.5, 14.695948775513449],
  [{ TDB: Infinity, RH: 0.5 }, 1, 0, Infinity, 0.5, 1.01325],
];

test('a state the library refuses throws its typed error with the native message', () => {
  const expected = nativeStates(refused.map(([, ...request]) => request));
  refused.forEach(([inputs], i) => {
    const native = expected[i][0];
    assert.equal(typeof native, 'object', `native accepted ${JSON.stringify(inputs)}`);
    assert.throws(() => new State(inputs), (error) => {
      assert.ok(error instanceof HygraError && error instanceof Error);
      assert.equal(error.code, native.code);
      assert.equal(error.message, native.message);
      assert.ok(native.code !== 4 || error instanceof OutOfRange);
      assert.ok(native.code !== 2 || error instanceof NoConvergence);
      return true;
    }, JSON.stringify(inputs));
  });
  // Still working, with the cache and the last message of a good call.
  assert.equal(new State({ TDB: 20, RH: 0.5 }).TDB, 20);
});

test('many failing calls in a row, of every kind, leave the module working', () => {
  const reference = new State({ TDB: 20, RH: 0.5 }).toObject();
  for (let i = 0; i < 3000; ++i) {
    assert.throws(() => new State({ TDB: 400 + i, RH: 0.5 }), OutOfRange);
    assert.throws(() => new State({ TDB: 20, TWB: 25 + i * 1e-3 }), OutOfRange);
    assert.ok(Number.isNaN(props('W', { TDB: [20 + i * 1e-6, -200], RH: 0.5, errors: 'nan' })[1]));
  }
  assert.deepEqual(new State({ TDB: 20, RH: 0.5 }).toObject(), reference);
});

test('states whose searches recover from a failure inside still succeed, as natively', () => {
  // Dry cold air: the searches catch their solvers' errors on the way to the answer.
  const cases = [[1, 0, -15, 0.02, 1.01325], [1, 0, -60, 0.01, 1.01325], [7, 0, 0.0001, -30, 1.01325]];
  const expected = nativeStates(cases);
  cases.forEach(([type, flag, a, b, p], i) => {
    const names = [['TDB', 'RH'], ['TDB', 'RH'], ['W', 'TWB']][i];
    const state = new State({ [names[0]]: a, [names[1]]: b, P: p, units: flag ? 'IP' : 'SI' });
    assert.equal(type, state.stateType);
    assert.equal(state.TWB, expected[i][1]);
    assert.equal(state.TDEW, expected[i][2]);
  });
});

test('names and arguments the package refuses are InvalidArgument or TypeError, in words', () => {
  assert.throws(() => new State({ TDB: 20 }), /a state needs two inputs, 1 given; the pairs are TDB with TWB/);
  assert.throws(() => new State({ W: 0.01, TDEW: 10 }), /W and TDEW do not fix a state/);
  assert.throws(() => new State({ TDB: 20, RH: 0.5, P: 1, ALT: 0 }), /P or the altitude ALT, not both/);
  assert.throws(() => new State({ TDB: 20, tdb: 21, RH: 0.5 }), /TDB is given twice/);
  assert.throws(() => new State({ TDB: 20, XX: 0.5 }), (e) => e instanceof InvalidArgument && /XX is not an input/.test(e.message));
  assert.throws(() => new State({ TDB: 20, RH: 0.5, units: 'metric' }), /units must be 'SI' or 'IP'/);
  assert.throws(() => new State({ TDB: '20', RH: 0.5 }), TypeError);
  assert.throws(() => new State({ TDB: 20, RH: 0.5 }).get('XYZ'), (e) => e instanceof InvalidArgument && e.code === 1);
  assert.throws(() => props([], { TDB: 20, RH: 0.5 }), /no property names given/);
  assert.throws(() => props('W', { TDB: [20, 21], RH: [0.5, 0.6, 0.7] }), /TDB has 2 and RH has 3/);
  assert.throws(() => props('W', { TDB: [20, '21'], RH: 0.5 }), /TDB\[1\] must be a number/);
  assert.throws(() => props('W', { TDB: 20, RH: 0.5, errors: 'ignore' }), /errors must be 'raise' or 'nan'/);
});

test('props: a failing value throws with its place, or is NaN with errors nan', () => {
  const message = nativeStates([[1, 0, 400, 0.5, 1.01325]])[0][11].message;
  assert.throws(() => props('W', { TDB: [20, 400, 25], RH: 0.5 }),
    (e) => e instanceof OutOfRange && e.message === `element 1, property 11: ${message}`);
  const w = props('W', { TDB: [20, 400, 25], RH: 0.5, errors: 'nan' });
  assert.ok(w[0] > 0 && Number.isNaN(w[1]) && w[2] > w[0]);
  const high = props('W', { TDB: 20, RH: 0.5, ALT: [0, 20000], errors: 'nan' });
  assert.ok(high[0] > 0 && Number.isNaN(high[1]));
  assert.throws(() => props('W', { TDB: 20, RH: 0.5, ALT: [0, 20000] }), OutOfRange);
});

test('the standard atmosphere and its range, as natively', () => {
  const cases = [[0, 0], [0, 1500], [1, 5280], [0, -500], [0, 10000], [0, 12000], [1, -2000]];
  for (const [kind, fn] of [['pz', pressureAt], ['tz', temperatureAt]]) {
    const expected = nativeAtmosphere(kind, cases);
    cases.forEach(([flag, z], i) => {
      const units = flag ? 'IP' : 'SI';
      if (typeof expected[i] === 'number') assert.equal(fn(z, units), expected[i]);
      else assert.throws(() => fn(z, units), (e) => e instanceof OutOfRange && e.message === expected[i].message);
    });
  }
  const state = new State({ TDB: 68, TWB: 59, ALT: 5280, units: 'IP' });
  assert.equal(state.pressure, pressureAt(5280, 'IP'));
  assert.equal(state.P, state.pressure);
});
