// Compiled by the declarations test (tsc --noEmit --strict): the package as a TypeScript caller uses it.
import { State, props, propertyInfo, OutOfRange, HygraError, PAIRS, limits } from '../../src/index.js';

const s = new State({ TDB: 20, RH: 0.5, units: 'SI' });
const w: number = s.W + s.get('hm') + s.pressure;
const all: Record<string, number> = s.toObject({ errors: 'nan' });
const column = props('W', { TDB: new Float64Array([20, 25]), RH: 0.5 });
const table = props(['W', 'HM'], { TDB: [20, 25], RH: [0.5], ALT: 1500 });
const unit: string = propertyInfo('HM').unit('IP');
const first: string = PAIRS[0][0];
const top: number = limits('IP').tdbMax;
try {
  new State({ TDB: 400, RH: 0.5 });
} catch (error) {
  if (error instanceof OutOfRange) console.log(error.code, error.message);
  else if (error instanceof HygraError) console.log(error.code);
}
console.log(w, all, column, table, unit, first, top);
