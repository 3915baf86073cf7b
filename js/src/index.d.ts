// Type declarations of the hygra package.

/** A unit system: SI (degC, bar, kJ/kg, m, ...) or inch-pound (degF, psi, Btu/lb, ft, ...); any case. */
export type Units = 'SI' | 'IP' | 'si' | 'ip' | string;

/** The inputs a state may be given by. */
export type InputName = 'TDB' | 'TWB' | 'TDEW' | 'RH' | 'W' | 'HM' | 'SM' | 'VM';

/** What to do with a value that fails: throw its error, or give NaN for it. */
export type Errors = 'raise' | 'nan';

/**
 * Two inputs by name (any case), optionally P (bar or psi) or ALT (m or ft of
 * the standard atmosphere), and the unit system.
 */
export interface StateInputs {
  [name: string]: number | string | undefined;
  units?: Units;
}

/** A state of moist air; every property is a getter by its name. */
export class State {
  constructor(inputs: StateInputs);
  /** "SI" or "IP". */
  readonly units: 'SI' | 'IP';
  /** The library's state type of the pair of inputs. */
  readonly stateType: number;
  /** The inputs as given, under their upper-case names. */
  readonly inputs: Record<string, number>;
  /** The total pressure, bar or psi. */
  readonly pressure: number;
  /** A property by its name, in any case. */
  get(name: string): number;
  /** Every property by name, in the order of their codes. */
  toObject(options?: { errors?: Errors }): Record<string, number>;
  toJSON(): Record<string, number>;
  toString(): string;
  /** dry-bulb temperature (degC or degF). */
  readonly TDB: number;
  /** thermodynamic wet-bulb temperature (degC or degF). */
  readonly TWB: number;
  /** dew-point temperature (degC or degF). */
  readonly TDEW: number;
  /** total pressure (bar or psi). */
  readonly P: number;
  /** saturation pressure of water at the dry bulb (bar or psi). */
  readonly PWS: number;
  /** saturation pressure of water at the wet bulb (bar or psi). */
  readonly PWET: number;
  /** saturation pressure of water at the dew point (bar or psi). */
  readonly PDEW: number;
  /** mole fraction of water vapour. */
  readonly XW: number;
  /** mole fraction of dry air. */
  readonly XA: number;
  /** mass fraction of water vapour. */
  readonly MW: number;
  /** mass fraction of dry air. */
  readonly MA: number;
  /** humidity ratio, mass of water per mass of dry air. */
  readonly W: number;
  /** humidity ratio at saturation. */
  readonly WS: number;
  /** relative humidity, a fraction 0..1. */
  readonly RH: number;
  /** specific volume of dry air alone (m3/kg or ft3/lb). */
  readonly VA: number;
  /** specific volume of moist air, per mass of dry air (m3/kg or ft3/lb). */
  readonly VM: number;
  /** specific volume of ice or liquid water (m3/kg or ft3/lb). */
  readonly VW: number;
  /** specific volume of saturated water vapour (m3/kg or ft3/lb). */
  readonly VG: number;
  /** specific enthalpy of dry air alone (kJ/kg or Btu/lb). */
  readonly HA: number;
  /** specific enthalpy of moist air, per mass of dry air (kJ/kg or Btu/lb). */
  readonly HM: number;
  /** specific enthalpy of ice or liquid water (kJ/kg or Btu/lb). */
  readonly HW: number;
  /** specific enthalpy of saturated water vapour (kJ/kg or Btu/lb). */
  readonly HG: number;
  /** specific entropy of dry air alone (kJ/(kg K) or Btu/(lb degF)). */
  readonly SA: number;
  /** specific entropy of moist air, per mass of dry air (kJ/(kg K) or Btu/(lb degF)). */
  readonly SM: number;
  /** specific entropy of ice or liquid water (kJ/(kg K) or Btu/(lb degF)). */
  readonly SW: number;
  /** specific entropy of saturated water vapour (kJ/(kg K) or Btu/(lb degF)). */
  readonly SG: number;
  /** specific heat of dry air alone (kJ/(kg K) or Btu/(lb degF)). */
  readonly CPA: number;
  /** specific heat of moist air, per mass of dry air (kJ/(kg K) or Btu/(lb degF)). */
  readonly CPM: number;
  /** specific heat of liquid water (kJ/(kg K) or Btu/(lb degF)). */
  readonly CPW: number;
  /** specific heat of saturated water vapour (kJ/(kg K) or Btu/(lb degF)). */
  readonly CPG: number;
  /** dynamic viscosity of dry air (Pa s or lb/(ft h)). */
  readonly MUA: number;
  /** dynamic viscosity of moist air (Pa s or lb/(ft h)). */
  readonly MUM: number;
  /** dynamic viscosity of liquid water (Pa s or lb/(ft h)). */
  readonly MUW: number;
  /** dynamic viscosity of saturated water vapour (Pa s or lb/(ft h)). */
  readonly MUG: number;
  /** thermal conductivity of dry air (W/(m K) or Btu/(h ft degF)). */
  readonly KA: number;
  /** thermal conductivity of moist air (W/(m K) or Btu/(h ft degF)). */
  readonly KM: number;
  /** thermal conductivity of liquid water (W/(m K) or Btu/(h ft degF)). */
  readonly KW: number;
  /** thermal conductivity of saturated water vapour (W/(m K) or Btu/(h ft degF)). */
  readonly KG: number;
  /** Prandtl number of dry air. */
  readonly PRA: number;
  /** Prandtl number of moist air. */
  readonly PRM: number;
  /** Prandtl number of liquid water. */
  readonly PRW: number;
  /** Prandtl number of saturated water vapour. */
  readonly PRG: number;
  /** diffusion coefficient of water vapour in air (m2/s or ft2/h). */
  readonly DAW: number;
  /** Schmidt number of moist air. */
  readonly SCM: number;
  /** density of moist air, mass of moist air per volume (kg/m3 or lb/ft3). */
  readonly RHO: number;
  /** degree of saturation, W / WS. */
  readonly DS: number;
}

/** A column of inputs: a number, an array of numbers or a typed array. */
export type Column = number | ArrayLike<number>;

export interface PropsInputs {
  [name: string]: Column | string | undefined;
  units?: Units;
  errors?: Errors;
}

/**
 * Properties of many states of one pair in one call of the library. For one
 * name its values, for an array of names an object of name to values; the
 * values are a Float64Array, or a number when every input is a number.
 */
export function props(names: string, inputs: PropsInputs): Float64Array | number;
export function props(names: readonly string[], inputs: PropsInputs): Record<string, Float64Array | number>;

/** A call of hygra failed: code is the library's result code, message its words. */
export class HygraError extends Error {
  readonly code: number;
  constructor(message: string, code?: number);
}
/** Result code 1: an unknown name, pair, unit system or property; a wrong argument. */
export class InvalidArgument extends HygraError {}
/** Result code 2: a search for the state or a property found no answer. */
export class NoConvergence extends HygraError {}
/** Result code 3: the property does not apply to this state. */
export class NotApplicable extends HygraError {}
/** Result code 4: an input, the state or an intermediate quantity is outside the model's range. */
export class OutOfRange extends HygraError {}

/** One property: code, short name, meaning and units ("" when it has none). */
export class Property {
  readonly code: number;
  readonly name: string;
  readonly meaning: string;
  readonly unitSI: string;
  readonly unitIP: string;
  unit(units?: Units): string;
}
/** The properties, in the order of their codes. */
export function properties(): readonly Property[];
/** The Property of a name (any case) or a code. */
export function propertyInfo(nameOrCode: string | number): Property;

/** The range of the model, degC or degF and bar or psi. */
export interface Limits {
  readonly tdbMin: number;
  readonly tdbMax: number;
  readonly pMin: number;
  readonly pMax: number;
}
export function limits(units?: Units): Limits;
/** Pressure of the standard atmosphere, bar or psi, at an altitude in m or ft (-500 to 10000 m). */
export function pressureAt(altitude: number, units?: Units): number;
/** Temperature of the standard atmosphere, degC or degF, at an altitude in m or ft. */
export function temperatureAt(altitude: number, units?: Units): number;

/** The inputs a state may be given by. */
export const INPUTS: readonly InputName[];
/** The pairs of inputs in the order of the library's state types. */
export const PAIRS: readonly (readonly [string, string])[];
/** P and ALT. */
export const PRESSURE_INPUTS: readonly ['P', 'ALT'];
/** Named inputs resolved to the library's state type and order. */
export function resolve(inputs: Record<string, unknown>): {
  stateType: number;
  names: [string, string];
  pressureName: 'P' | 'ALT' | null;
  given: Record<string, unknown>;
};
export const SI: 'SI';
export const IP: 'IP';
/** The version of the library, "MAJOR.MINOR.PATCH". */
export function version(): string;
