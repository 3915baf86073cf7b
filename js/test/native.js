// The native library's answers, from test/native/reference.c (built by
// scripts/build.sh), for comparing the WebAssembly module with.
import { spawnSync } from 'node:child_process';
import { resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

// In the native build folder that scripts/build.sh used (HYGRA_NATIVE_BUILD or ../build-native).
const nativeBuild = process.env.HYGRA_NATIVE_BUILD
  ? resolve(process.env.HYGRA_NATIVE_BUILD)
  : fileURLToPath(new URL('../../build-native', import.meta.url));
export const referenceProgram = `${nativeBuild}/hygra_reference`;

function ask(lines) {
  const run = spawnSync(referenceProgram, { input: `${lines.join('\n')}\n`, encoding: 'utf8', maxBuffer: 1 << 28 });
  if (run.error) throw run.error;
  if (run.status !== 0) throw new Error(`${referenceProgram} failed: ${run.stderr}`);
  return run.stdout.trimEnd().split('\n');
}

// A value, or { code, message } for a call that failed.
function parse(field) {
  if (!field.startsWith('!')) return Number(field);
  const space = field.indexOf(' ');
  return { code: Number(field.slice(1, space)), message: field.slice(space + 1) };
}

/** Every property of each request [stateType, unitFlag, first, second, pressure], as arrays of answers. */
export function nativeStates(requests) {
  return ask(requests.map((r) => `eval ${r.map(String).join(' ')}`)).map((line) => line.split('\t').map(parse));
}

/** The standard-atmosphere pressure ('pz') or temperature ('tz') of each [unitFlag, altitude]. */
export function nativeAtmosphere(kind, requests) {
  return ask(requests.map(([flag, z]) => `${kind} ${flag} ${z}`)).map(parse);
}

/** Nanoseconds per TWB call of new states natively (see reference.c). */
export function nativeBench(stateType, flag, first, second, pressure, count) {
  return Number(ask([`bench ${stateType} ${flag} ${first} ${second} ${pressure} ${count}`])[0].split(' ')[0]);
}

/** True when a and b agree within a relative tolerance (NaN agrees with NaN). */
export function close(a, b, tolerance = 1e-12) {
  if (Number.isNaN(a) && Number.isNaN(b)) return true;
  if (a === b) return true;
  return Math.abs(a - b) <= tolerance * Math.max(Math.abs(a), Math.abs(b));
}
