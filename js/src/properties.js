// Names, meanings and units of the properties, read from the library's own table.
import { wasm, text } from './module.js';
import { InvalidArgument } from './errors.js';
import { unitFlag } from './units.js';

/** One property: its code, short name, meaning and unit in each system ("" when it has none). */
export class Property {
  constructor(code) {
    this.code = code;
    this.name = text(wasm._hygra_property_name(code));
    this.meaning = text(wasm._hygra_property_meaning(code));
    this.unitSI = text(wasm._hygra_property_unit(code, 0));
    this.unitIP = text(wasm._hygra_property_unit(code, 1));
    Object.freeze(this);
  }

  /** The unit in a unit system, "SI" or "IP". */
  unit(units = 'SI') {
    return unitFlag(units) ? this.unitIP : this.unitSI;
  }
}

// Every code the library names, in order (it gives NULL past the last one).
const table = [];
for (let code = 0; wasm._hygra_property_name(code); ++code) table.push(new Property(code));
Object.freeze(table);
const codes = new Map(table.map((p) => [p.name, p.code]));

/** The properties, in the order of their codes. */
export function properties() {
  return table;
}

/** The code of a property name, in any case and with blanks around it; InvalidArgument for an unknown one. */
export function codeOf(name) {
  if (typeof name === 'string') {
    const code = codes.get(name.trim().toUpperCase());
    if (code !== undefined) return code;
  }
  throw new InvalidArgument(`${JSON.stringify(name)} is not the name of a property; the names are `
    + `${table.map((p) => p.name).join(', ')}`);
}

/** The Property of a name ("HM", "rh", ...) or of a code. */
export function propertyInfo(nameOrCode) {
  if (typeof nameOrCode === 'number') {
    if (Number.isInteger(nameOrCode) && nameOrCode >= 0 && nameOrCode < table.length) return table[nameOrCode];
    throw new InvalidArgument(`property code ${nameOrCode} is not one of 0 to ${table.length - 1}`);
  }
  return table[codeOf(nameOrCode)];
}
