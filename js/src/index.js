// hygra: thermodynamic and transport properties of moist air, in JavaScript.
//
//   import { State, props } from 'hygra';
//   const s = new State({ TDB: 20, RH: 0.5 });      // 20 degC, 50 %, sea level
//   s.W, s.get('hm');                                // 0.00729..., 38.62...
//   props(['W', 'HM'], { TDB: [20, 25, 30], RH: 0.5 }).W;   // Float64Array
//
// The library runs as WebAssembly, loaded when this module is first imported.
import { wasm, text } from './module.js';

export { State } from './state.js';
export { props } from './props.js';
export { HygraError, InvalidArgument, NoConvergence, NotApplicable, OutOfRange } from './errors.js';
export { Property, properties, propertyInfo } from './properties.js';
export { limits, pressureAt, temperatureAt } from './model.js';
export { INPUTS, PAIRS, PRESSURE_INPUTS, resolve } from './pairs.js';
export { SI, IP } from './units.js';

/** The version of the library, "MAJOR.MINOR.PATCH". */
export function version() {
  return text(wasm._hygra_version());
}
