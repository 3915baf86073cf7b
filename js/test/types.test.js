// The TypeScript declarations compile with a strict caller (test/types/usage.ts).
// Needs the development package typescript (npm ci); skipped without it, so that
// the package's other tests run with nothing installed.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const tsc = fileURLToPath(new URL('../node_modules/typescript/bin/tsc', import.meta.url));

test('the TypeScript declarations serve a strict caller', { skip: !existsSync(tsc) && 'typescript is not installed (npm ci)' }, () => {
  const usage = fileURLToPath(new URL('types/usage.ts', import.meta.url));
  const run = spawnSync(process.execPath, [tsc, '--noEmit', '--strict', '--target', 'es2022', '--module', 'nodenext',
    '--moduleResolution', 'nodenext', '--skipLibCheck', usage], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stdout + run.stderr);
});
