// The package's surface: properties by name, all at once, vectorised, the
// property table and units.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { State, props, properties, propertyInfo, limits, version, PAIRS, INPUTS } from '../src/index.js';
import { nativeStates } from './native.js';

test('the property table is the library\'s: 46 names with meanings and units in both systems', () => {
  const all = properties();
  assert.equal(all.length, 46);
  assert.deepEqual(all.slice(0, 4).map((p) => p.name), ['TDB', 'TWB', 'TDEW', 'P']);
  assert.equal(propertyInfo('hm').unit('IP'), 'Btu/lb');
  assert.equal(propertyInfo(' HM ').unitSI, 'kJ/kg');
  assert.equal(propertyInfo(44).name, 'RHO');
  assert.equal(propertyInfo('RH').unit('SI'), '');
  assert.match(propertyInfo('TWB').meaning, /wet-bulb/);
  assert.throws(() => propertyInfo(46), /property code 46 is not one of 0 to 45/);
  assert.ok(all.every((p, code) => p.code === code && p.meaning.length > 0));
});

test('a state reads each property by getter, by name in any case and all at once, alike', () => {
  const s = new State({ rh: 0.5, tdb: 20 });
  const all = s.toObject();
  assert.deepEqual(Object.keys(all), properties().map((p) => p.name));
  for (const p of properties()) {
    assert.equal(s[p.name], all[p.name]);
    assert.equal(s.get(p.name.toLowerCase()), all[p.name]);
  }
  assert.deepEqual(s.inputs, { RH: 0.5, TDB: 20 });
  assert.equal(s.units, 'SI');
  assert.equal(s.stateType, PAIRS.findIndex(([a, b]) => a === 'RH' && b === 'TDB'));
  assert.match(String(s), /HM\s+38\.6211\s+kJ\/kg\s+specific enthalpy/);
  assert.deepEqual(JSON.parse(JSON.stringify(s)).W, all.W);
});

test('inch-pound states are the native inch-pound states', () => {
  const s = new State({ TDB: 68, RH: 0.5, units: 'ip' });
  const native = nativeStates([[1, 1, 68, 0.5, s.pressure]])[0];
  properties().forEach((p) => assert.equal(s[p.name], native[p.code], p.name));
  assert.ok(Math.abs(s.pressure - 14.696) < 1e-3);
  const si = new State({ TDB: 20, RH: 0.5 });
  // Enthalpy has one zero in both systems: only the unit changes (the pressures differ in the last digits).
  assert.ok(Math.abs(s.HM / (si.HM * 0.42992261392949266) - 1) < 1e-6);
});

test('props: typed arrays and arrays in, Float64Array out, numbers repeat, shapes follow the inputs', () => {
  const tdb = new Float32Array([10, 20, 30]);
  const out = props(['W', 'hm'], { TDB: tdb, RH: [0.5] });
  assert.deepEqual(Object.keys(out), ['W', 'HM']);
  assert.ok(out.W instanceof Float64Array && out.W.length === 3);
  [10, 20, 30].forEach((t, i) => {
    const s = new State({ TDB: t, RH: 0.5 });
    assert.equal(out.W[i], s.W);
    assert.equal(out.HM[i], s.HM);
  });
  assert.equal(typeof props('W', { TDB: 20, RH: 0.5 }), 'number');
  assert.equal(props('W', { TDB: 20, RH: 0.5 }), new State({ TDB: 20, RH: 0.5 }).W);
  assert.equal(props('W', { TDB: [], RH: 0.5 }).length, 0);
  const ip = props('TWB', { TDB: [68, 86], W: 0.008, ALT: 5280, units: 'IP' });
  assert.equal(ip[1], new State({ TDB: 86, W: 0.008, ALT: 5280, units: 'IP' }).TWB);
  const many = props('TWB', { TDB: new Float64Array(10000).fill(25), RH: 0.4 });
  assert.ok(many.every((v) => v === many[0]));
});

test('limits, version and the inputs', () => {
  const si = limits();
  [[si.tdbMin, -100], [si.tdbMax, 372], [si.pMin, 0], [si.pMax, 50]]
    .forEach(([value, expected]) => assert.ok(Math.abs(value - expected) < 1e-12, `${value} for ${expected}`));
  assert.ok(Math.abs(limits('IP').tdbMin + 148) < 1e-12);
  assert.match(version(), /^\d+\.\d+\.\d+$/);
  assert.ok(PAIRS.flat().every((name) => INPUTS.includes(name)));
});
