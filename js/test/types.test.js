// The TypeScript declarations compile with a strict caller (test/types/usage.ts).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

test('the TypeScript declarations serve a strict caller', () => {
  const tsc = fileURLToPath(new URL('../node_modules/typescript/bin/tsc', import.meta.url));
  const usage = fileURLToPath(new URL('types/usage.ts', import.meta.url));
  const run = spawnSync(process.execPath, [tsc, '--noEmit', '--strict', '--target', 'es2022', '--module', 'nodenext',
    '--moduleResolution', 'nodenext', '--skipLibCheck', usage], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stdout + run.stderr);
});
