// The model's range and the standard atmosphere.
import { wasm, callForDouble, lastMessage } from './module.js';
import { errorFor } from './errors.js';
import { unitFlag } from './units.js';

function valueOrThrow([rc, value]) {
  if (rc) throw errorFor(rc, lastMessage(rc));
  return value;
}

function altitudeNumber(altitude) {
  if (typeof altitude !== 'number') throw new TypeError(`the altitude must be a number, not ${typeof altitude}`);
  return altitude;
}

/** Pressure of the standard atmosphere (bar or psi) at an altitude (m or ft, -500 to 10000 m). */
export function pressureAt(altitude, units = 'SI') {
  const flag = unitFlag(units);
  const z = altitudeNumber(altitude);
  return valueOrThrow(callForDouble((result) => wasm._moistair_pz(flag, result, z)));
}

/** Temperature of the standard atmosphere (degC or degF) at an altitude (m or ft). */
export function temperatureAt(altitude, units = 'SI') {
  const flag = unitFlag(units);
  const z = altitudeNumber(altitude);
  return valueOrThrow(callForDouble((result) => wasm._moistair_tz(flag, result, z)));
}

// Selectors of moistair_const.
const TMIN = 2;
const TMAX = 3;
const PMIN = 4;
const PMAX = 5;

/** The range of the model: { tdbMin, tdbMax } in degC or degF and { pMin, pMax } in bar or psi. */
export function limits(units = 'SI') {
  const flag = unitFlag(units);
  const constant = (selector) => valueOrThrow(callForDouble((result) => wasm._moistair_const(selector, flag, result)));
  return Object.freeze({ tdbMin: constant(TMIN), tdbMax: constant(TMAX), pMin: constant(PMIN), pMax: constant(PMAX) });
}

const seaLevel = [pressureAt(0, 'SI'), pressureAt(0, 'IP')];

/** The default pressure of a state: the standard atmosphere at sea level (bar or psi). */
export function seaLevelPressure(flag) {
  return seaLevel[flag ? 1 : 0];
}
