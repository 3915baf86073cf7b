// The two unit systems, named "SI" and "IP" (in any case) as the callers name them.
import { InvalidArgument } from './errors.js';

export const SI = 'SI';
export const IP = 'IP';

/** The library's unit flag of "SI" (0) or "IP" (1). */
export function unitFlag(units) {
  if (typeof units === 'string') {
    const name = units.trim().toUpperCase();
    if (name === SI) return 0;
    if (name === IP) return 1;
  }
  throw new InvalidArgument(`units must be 'SI' or 'IP', not ${JSON.stringify(units)}`);
}

export function unitName(flag) {
  return flag ? IP : SI;
}
