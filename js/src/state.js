// One state of moist air, fixed by a pair of inputs and its pressure.
import { wasm, callForDouble, lastMessage } from './module.js';
import { errorFor, InvalidArgument } from './errors.js';
import { resolve } from './pairs.js';
import { codeOf, properties } from './properties.js';
import { pressureAt, seaLevelPressure } from './model.js';
import { unitFlag, unitName } from './units.js';

/** A scalar input as a number; TypeError for anything else. */
export function inputNumber(name, value) {
  if (typeof value === 'number') return value;
  throw new TypeError(`${name} must be a number, not ${value === null ? 'null' : typeof value}`);
}

/** Checks the errors option: 'raise' or 'nan'. */
export function errorsMode(errors) {
  if (errors !== 'raise' && errors !== 'nan') {
    throw new InvalidArgument(`errors must be 'raise' or 'nan', not ${JSON.stringify(errors)}`);
  }
  return errors;
}

/**
 * A state of moist air.
 *
 *   new State({ TDB: 20, RH: 0.5 })                 // 20 degC, 50 %, sea level
 *   new State({ W: 0.008, HM: 45, P: 1.01325 })
 *   new State({ TDB: 68, TWB: 60, ALT: 5280, units: 'IP' })
 *
 * Two inputs by the library's names, in either order and in any case, and
 * optionally the total pressure P or the altitude ALT of the standard
 * atmosphere (sea level without either). A state that cannot be constructed
 * throws at once; a property that cannot be computed throws when it is read.
 * Every property is a getter by its name (state.HM) and is read by name with
 * state.get('hm').
 */
export class State {
  #flag;
  #type;
  #first;
  #second;
  #pressure;
  #given;
  #values = new Map();

  constructor(inputs) {
    if (inputs === null || typeof inputs !== 'object') {
      throw new TypeError('a State is made from an object of inputs, such as { TDB: 20, RH: 0.5 }');
    }
    const { units = 'SI', ...named } = inputs;
    const flag = unitFlag(units);
    const request = resolve(named);
    const given = {};
    for (const [name, value] of Object.entries(request.given)) given[name] = inputNumber(name, value);
    let pressure;
    if (request.pressureName === 'P') pressure = given.P;
    else if (request.pressureName === 'ALT') pressure = pressureAt(given.ALT, unitName(flag));
    else pressure = seaLevelPressure(flag);
    this.#flag = flag;
    this.#type = request.stateType;
    this.#first = given[request.names[0]];
    this.#second = given[request.names[1]];
    this.#pressure = pressure;
    this.#given = Object.freeze(given);
    this.#evaluate(0); // constructs the state: one that cannot be constructed fails here
  }

  /** The unit system, "SI" or "IP". */
  get units() {
    return unitName(this.#flag);
  }

  /** The library's state type of the pair of inputs. */
  get stateType() {
    return this.#type;
  }

  /** The inputs as given (upper-case names, P or ALT when given). */
  get inputs() {
    return { ...this.#given };
  }

  /** The total pressure, bar or psi (from the altitude when ALT was given). */
  get pressure() {
    return this.#pressure;
  }

  #evaluate(code) {
    let value = this.#values.get(code);
    if (value === undefined) {
      const [rc, result] = callForDouble((pointer) =>
        wasm._moistair_eval(this.#type, code, this.#flag, pointer, this.#first, this.#second, this.#pressure));
      if (rc) throw errorFor(rc, lastMessage(rc));
      value = result;
      this.#values.set(code, value);
    }
    return value;
  }

  /** A property by its name, in any case ("HM", "hm"); InvalidArgument for an unknown name. */
  get(name) {
    return this.#evaluate(codeOf(name));
  }

  /**
   * Every property, { name: value } in the order of their codes, in one call
   * of the library. errors 'raise' throws the first property that fails;
   * 'nan' gives NaN for it.
   */
  toObject({ errors = 'raise' } = {}) {
    errorsMode(errors);
    const all = properties();
    const count = all.length;
    const bytes = 8 * 4 + 8 * count + 4 * count * 2;
    const base = wasm._malloc(bytes);
    try {
      const first = base;
      const second = base + 8;
      const pressure = base + 16;
      const results = base + 32;
      const codes = results + 8 * count;
      const status = codes + 4 * count;
      const f64 = wasm.HEAPF64;
      const i32 = wasm.HEAP32;
      f64[first >>> 3] = this.#first;
      f64[second >>> 3] = this.#second;
      f64[pressure >>> 3] = this.#pressure;
      for (let j = 0; j < count; ++j) {
        f64[(results >>> 3) + j] = NaN;
        i32[(codes >>> 2) + j] = j;
      }
      const rc = wasm._hygra_eval_batch(this.#type, this.#flag, 1, first, second, pressure, codes, count,
        results, status);
      if (rc && errors === 'raise') {
        const failed = all.findIndex((p) => wasm.HEAP32[(status >>> 2) + p.code] !== 0);
        this.#evaluate(failed >= 0 ? failed : 0); // throws with the property's own message
        throw errorFor(rc, lastMessage(rc)); // not reached unless the library changed its mind
      }
      const out = {};
      for (const p of all) {
        const value = wasm.HEAPF64[(results >>> 3) + p.code];
        out[p.name] = value;
        if (wasm.HEAP32[(status >>> 2) + p.code] === 0) this.#values.set(p.code, value);
      }
      return out;
    } finally {
      wasm._free(base);
    }
  }

  toJSON() {
    return this.toObject({ errors: 'nan' });
  }

  /** A table of every property: name, value, unit and meaning. */
  toString() {
    const values = this.toObject({ errors: 'nan' });
    const lines = [this.#description()];
    for (const p of properties()) {
      const value = Number(values[p.name].toPrecision(6)).toString();
      lines.push(`  ${p.name.padEnd(5)}${value.padStart(14)}  ${p.unit(this.units).padEnd(14)}${p.meaning}`);
    }
    return lines.join('\n');
  }

  #description() {
    const parts = Object.entries(this.#given).map(([name, value]) => `${name}: ${value}`);
    if (!('P' in this.#given) && !('ALT' in this.#given)) parts.push(`P: ${this.#pressure}`);
    if (this.#flag) parts.push("units: 'IP'");
    return `State { ${parts.join(', ')} }`;
  }

  [Symbol.for('nodejs.util.inspect.custom')]() {
    return this.#description();
  }
}

// Each property is also a getter by its name: state.TDB, state.HM, ...
for (const p of properties()) {
  Object.defineProperty(State.prototype, p.name, {
    get() {
      return this.get(p.name);
    },
    enumerable: false,
    configurable: false,
  });
}
