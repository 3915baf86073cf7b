// Which pair of named inputs fixes which state type of the library: the one
// table of pairs of the package and of the calculator page.
//
// PAIRS lists the pairs in the order of the library's state types
// (HYGRA_TDRY_TWET = 0, ...): the state type of a pair is its place in the
// list, and the library takes the pair's inputs in the order given here.
// Where both orders of two inputs are state types (TDB and W, TDB and RH, W
// and RH) the order the caller gives chooses between them; they describe the
// same state.
import { InvalidArgument } from './errors.js';

/** The inputs a state may be given by, named as the library names its properties. */
export const INPUTS = Object.freeze(['TDB', 'TWB', 'TDEW', 'RH', 'W', 'HM', 'SM', 'VM']);

/** The pairs of inputs, in the order of the library's state types. */
export const PAIRS = Object.freeze([
  ['TDB', 'TWB'], ['TDB', 'RH'], ['TDB', 'W'], ['TDB', 'HM'], ['TDB', 'SM'], ['TDB', 'VM'],
  ['TDB', 'TDEW'],
  ['W', 'TWB'], ['W', 'TDB'], ['W', 'RH'], ['W', 'HM'], ['W', 'SM'], ['W', 'VM'],
  ['RH', 'TWB'], ['RH', 'TDB'], ['RH', 'W'], ['RH', 'HM'], ['RH', 'SM'], ['RH', 'VM'],
  ['TDEW', 'TWB'], ['TDEW', 'RH'], ['TDEW', 'HM'], ['TDEW', 'SM'], ['TDEW', 'VM'],
  ['TWB', 'HM'], ['TWB', 'SM'], ['TWB', 'VM'], ['HM', 'SM'], ['HM', 'VM'], ['SM', 'VM'],
].map((pair) => Object.freeze(pair)));

/** The inputs that give the total pressure: P itself or the altitude ALT. */
export const PRESSURE_INPUTS = Object.freeze(['P', 'ALT']);

const stateTypes = new Map(PAIRS.map((pair, type) => [pair.join(' '), type]));

/** "TDB with TWB, RH or W; W with ..." for messages: the pairs grouped by their first input. */
export function pairsText() {
  const groups = new Map();
  for (const [first, second] of PAIRS) {
    if (!groups.has(first)) groups.set(first, []);
    groups.get(first).push(second);
  }
  return [...groups].map(([first, seconds]) =>
    `${first} with ${seconds.length > 1 ? `${seconds.slice(0, -1).join(', ')} or ` : ''}${seconds.at(-1)}`).join('; ');
}

/** The state type of two inputs in the library's order, or undefined. */
export function stateTypeOf(first, second) {
  return stateTypes.get(`${first} ${second}`);
}

/**
 * Resolves named inputs (names in any case) to a request: the state type, the
 * pair's names in the library's order, the pressure input ('P', 'ALT' or
 * null) and the inputs as given under their upper-case names. Values are not
 * looked at. InvalidArgument when the names fix no state.
 */
export function resolve(inputs) {
  const given = {};
  for (const [key, value] of Object.entries(inputs)) {
    const name = key.toUpperCase();
    if (name in given) throw new InvalidArgument(`${name} is given twice`);
    if (!INPUTS.includes(name) && !PRESSURE_INPUTS.includes(name)) {
      throw new InvalidArgument(`${key} is not an input; a state is given by two of ${INPUTS.join(', ')}, `
        + 'and optionally P (total pressure) or ALT (altitude)');
    }
    given[name] = value;
  }
  const pressures = Object.keys(given).filter((name) => PRESSURE_INPUTS.includes(name));
  if (pressures.length > 1) throw new InvalidArgument('give the total pressure P or the altitude ALT, not both');
  const pair = Object.keys(given).filter((name) => INPUTS.includes(name));
  if (pair.length !== 2) {
    throw new InvalidArgument(`a state needs two inputs, ${pair.length} given; the pairs are ${pairsText()}`);
  }
  let names = pair;
  if (stateTypeOf(...names) === undefined) names = [pair[1], pair[0]];
  const stateType = stateTypeOf(...names);
  if (stateType === undefined) {
    throw new InvalidArgument(`${pair[0]} and ${pair[1]} do not fix a state; the pairs that do are ${pairsText()}`);
  }
  return { stateType, names, pressureName: pressures[0] ?? null, given };
}
