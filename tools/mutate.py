#!/usr/bin/env python3
"""Mutation testing of hygra's C++ sources: does the test suite notice a fault?

For each chosen source file the script lists every small fault it can make in
it -- a flipped comparison, an arithmetic operator or sign swapped, a constant
nudged in its last printed digit, an `if` branch dropped, a loop bound off by
one, two arguments of a call swapped -- draws a sample of them (deterministic
for a seed), and applies them one at a time: the file is rewritten, only what
it touches is rebuilt, and the tests that cover it run under a time limit.
Each mutant ends killed (a test failed), survived (every test passed), timed
out, or did not compile. The file is always put back.

Results are appended to a JSON-lines file as they come, so an interrupted run
resumes where it stopped; a mutant of a file whose text has changed since is
run again. At the end the script prints the mutation score per file and lists
every survivor.

    tools/mutate.py src/ashrae97 src/numeric --per-file 25 --seed 1
    tools/mutate.py --report            # the tables of the last run, nothing run

Only the Python standard library is used.
"""

import argparse
import hashlib
import json
import os
import random
import re
import resource
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import asdict, dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Which build targets a source tree needs and which test programs cover it,
# relative to the build folder. The first matching prefix wins.
SUITES = [
    ("tools/hygra/", ["hygra_cli", "hygra_tool_tests"], ["tests/tool/hygra_tool_tests"]),
    # The model and the toolkit are also held to the work of each search:
    # a fault that leaves answers right but searches longer is a fault too.
    ("src/ashrae97/", ["hygra_tests", "evaluation_count_test"],
     ["tests/hygra_tests", "tests/evaluation_count_test"]),
    ("src/numeric/", ["hygra_tests", "evaluation_count_test"],
     ["tests/hygra_tests", "tests/evaluation_count_test"]),
    ("src/", ["hygra_tests"], ["tests/hygra_tests"]),
]

# Outcomes of one mutant.
KILLED, SURVIVED, TIMED_OUT, NO_COMPILE = "killed", "survived", "timed out", "did not compile"


@dataclass(frozen=True)
class Mutant:
    file: str         # path relative to the repository
    line: int         # 1-based line number
    column: int       # 0-based column of the replaced text
    kind: str         # which operator made it
    before: str       # the replaced text
    after: str        # its replacement

    def key(self, digest):
        return f"{self.file}:{digest}:{self.line}:{self.column}:{self.kind}:{self.after}"

    def describe(self):
        return f"{self.file}:{self.line}  {self.kind}: '{self.before}' -> '{self.after}'"


# ---------------------------------------------------------------- the operators

def code_mask(lines):
    """For each line, its text with comments, string and character literals
    blanked out (same length), so operators never touch them; preprocessor
    lines are blanked whole."""
    masked, in_block = [], False
    for text in lines:
        out, i, n = [], 0, len(text)
        if not in_block and text.lstrip().startswith("#"):
            masked.append(" " * n)
            continue
        while i < n:
            if in_block:
                end = text.find("*/", i)
                stop = n if end < 0 else end + 2
                out.append(" " * (stop - i))
                in_block, i = end < 0, stop
            elif text.startswith("//", i):
                out.append(" " * (n - i))
                i = n
            elif text.startswith("/*", i):
                in_block = True
            elif text[i] in "\"'":
                quote, j = text[i], i + 1
                while j < n and text[j] != quote:
                    j += 2 if text[j] == "\\" else 1
                stop = min(j + 1, n)
                out.append(text[i] + " " * (stop - i - 2) + text[stop - 1] if stop - i >= 2 else " ")
                i = stop
            else:
                out.append(text[i])
                i += 1
        masked.append("".join(out))
    return masked


RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*="}
# Binary operators are only recognised with a blank on each side, as the code
# is formatted; that keeps template brackets, pointers and << out of reach.
BINARY_OP = re.compile(r"(?<= )(<=|>=|==|!=|\+=|-=|\*=|/=|<|>|\+|-|\*|/)(?= )")
UNARY_MINUS = re.compile(r"(?:(?<=[(,=?:\[])|(?<=return )|(?<=[=(,] ))-(?=[\w(.])")
FLOAT = re.compile(r"(?<![\w.])(\d+\.\d*|\.\d+|\d+(?=[eE]))([eE][+-]?\d+)?(?![\w.])")
CALL2 = re.compile(r"\b(\w+)\(\s*([\w.:>\[\]-]+)\s*,\s*([\w.:>\[\]-]+)\s*\)")
NOT_CALLS = {"if", "for", "while", "switch", "return", "sizeof", "catch",
             "min", "max", "fmin", "fmax", "hypot", "swap", "static_cast"}
SIMPLE_ARG = re.compile(r"^[A-Za-z_][\w.:]*(?:->\w+)*(?:\[\w+\])?$|^-?\d+(?:\.\d*)?(?:[eE][+-]?\d+)?$")


def matching_paren(text, open_at):
    depth = 0
    for i in range(open_at, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def nudge_last_digit(literal):
    """The literal with the last digit of its mantissa moved by one; where that
    does not change the double (a constant written to 17 digits), the digit
    before it, and so on, so that the mutant is never the same number."""
    mantissa_end = re.search(r"[eE]", literal)
    end = mantissa_end.start() if mantissa_end else len(literal)
    for i in range(end - 1, -1, -1):
        if literal[i].isdigit():
            digit = int(literal[i])
            nudged = literal[:i] + str(digit + 1 if digit < 9 else digit - 1) + literal[i + 1:]
            if float(nudged) != float(literal):
                return nudged
    return literal


def mutants_of_line(path, number, text, code):
    """Every mutant of one line; `code` is the line with comments and literals
    blanked, used to find places, `text` gives the replaced text."""
    found = []

    def add(col, before, after, kind):
        if before != after:
            found.append(Mutant(path, number, col, kind, before, after))

    in_for = re.search(r"\bfor\s*\(", code)
    for m in BINARY_OP.finditer(code):
        op = m.group(1)
        if op in RELATIONAL:
            add(m.start(), op, RELATIONAL[op], "comparison")
        elif op in ARITHMETIC:
            add(m.start(), op, ARITHMETIC[op], "arithmetic")
    for m in UNARY_MINUS.finditer(code):
        add(m.start(), "-", "", "sign")
    for m in FLOAT.finditer(code):
        literal = text[m.start():m.end()]
        add(m.start(), literal, nudge_last_digit(literal), "constant")
    for m in re.finditer(r"\bif\s*\(", code):
        close = matching_paren(code, m.end() - 1)
        if close > 0:
            condition = text[m.end():close]
            add(m.end(), condition, "false", "dropped if")
    if in_for:
        close = matching_paren(code, in_for.end() - 1)
        header = code[in_for.end():close] if close > 0 else ""
        parts = header.split(";")
        if len(parts) == 3 and re.search(r"[<>]", parts[1]):
            start = in_for.end() + len(parts[0]) + 1
            bound = text[start:start + len(parts[1])]
            add(start, bound, bound.rstrip() + " + 1", "loop bound")
    for m in CALL2.finditer(code):
        name, a, b = m.group(1), m.group(2), m.group(3)
        if name in NOT_CALLS or a == b:
            continue
        if not (SIMPLE_ARG.match(a) and SIMPLE_ARG.match(b)):
            continue
        start = m.start(2)
        before = text[start:m.end(3)]
        add(start, before, f"{b}, {a}", "swapped arguments")
    return found


def mutants_of_file(path, source):
    lines = source.split("\n")
    code = code_mask(lines)
    found = []
    for i, (text, masked) in enumerate(zip(lines, code)):
        found.extend(mutants_of_line(path, i + 1, text, masked))
    return found


def apply(source, mutant):
    lines = source.split("\n")
    text = lines[mutant.line - 1]
    end = mutant.column + len(mutant.before)
    assert text[mutant.column:end] == mutant.before, mutant
    lines[mutant.line - 1] = text[:mutant.column] + mutant.after + text[end:]
    return "\n".join(lines)


def sample(mutants, path, seed, per_file):
    ordered = sorted(mutants, key=lambda m: (m.line, m.column, m.kind, m.after))
    random.Random(f"{seed}:{path}").shuffle(ordered)
    return ordered[:per_file]


# ---------------------------------------------------------------- running them

def suite_of(path):
    for prefix, targets, tests in SUITES:
        if path.startswith(prefix):
            return targets, tests
    sys.exit(f"mutate: no tests are known for {path}; add its folder to SUITES")


# The build or test program running now, in a process group of its own, so
# that a run stopped by a signal takes it along: a build left running would
# finish compiling the mutant after the file was put back, and its objects,
# newer than the file, would pass for up to date.
running = None


def run_child(command, timeout, **options):
    global running
    with subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          start_new_session=True, **options) as child:
        running = child
        try:
            return child.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(child.pid, signal.SIGKILL)
            child.wait()
            raise
        finally:
            running = None


def stop_running_child():
    if running is not None and running.poll() is None:
        os.killpg(running.pid, signal.SIGKILL)
        running.wait()


def build(build_dir, targets, timeout):
    try:
        return run_child(["cmake", "--build", str(build_dir), "-j2", "--target", *targets], timeout) == 0
    except subprocess.TimeoutExpired:
        return False


def cpu_seconds_of_children():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run_tests(build_dir, tests, timeout):
    """KILLED, SURVIVED or TIMED_OUT; the test programs stop at their first failure.

    The limit is on processor time, so that a machine busy with other work
    does not turn a slow survivor into a time-out; a wall-clock limit ten
    times as long catches a program that waits without computing."""
    spent = 0.0
    for test in tests:
        left = timeout - spent
        if left <= 0:
            return TIMED_OUT
        limit = max(1, int(left + 0.5))
        before = cpu_seconds_of_children()
        try:
            status = run_child([str(build_dir / test), "--gtest_fail_fast", "--gtest_brief=1"], 10 * left,
                               preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_CPU, (limit, limit)))
        except subprocess.TimeoutExpired:
            return TIMED_OUT
        spent += cpu_seconds_of_children() - before
        if status in (-signal.SIGXCPU, -signal.SIGKILL) or spent > timeout:
            return TIMED_OUT
        if status != 0:
            return KILLED
    return SURVIVED


class Restorer:
    """Keeps the original text of the file being mutated, on disk as well, so
    that an interrupted run (a signal, a crash, a power cut) puts it back: at
    exit, on SIGINT/SIGTERM, or at the start of the next run."""

    def __init__(self, backup):
        self.backup = backup
        self.path = None
        self.original = None

    def recover(self):
        if self.backup.exists():
            saved = json.loads(self.backup.read_text())
            (ROOT / saved["file"]).write_text(saved["text"])
            self.backup.unlink()
            print(f"mutate: put back {saved['file']} from an interrupted run", file=sys.stderr)

    def hold(self, path, original):
        self.backup.write_text(json.dumps({"file": path, "text": original}))
        self.path, self.original = path, original

    def put_back(self):
        if self.path is not None:
            (ROOT / self.path).write_text(self.original)
            self.path = None
            self.backup.unlink(missing_ok=True)


def load_results(results):
    done = {}
    if results.exists():
        for row in results.read_text().splitlines():
            if row.strip():
                entry = json.loads(row)
                done[entry["key"]] = entry
    return done


def source_files(paths):
    files = []
    for p in paths:
        full = (ROOT / p).resolve()
        if full.is_dir():
            files += sorted(f for f in full.rglob("*") if f.suffix in (".cpp", ".h"))
        elif full.is_file():
            files.append(full)
        else:
            sys.exit(f"mutate: {p} is neither a file nor a folder")
    return [str(f.relative_to(ROOT)) for f in files]


def configure(build_dir):
    if (build_dir / "CMakeCache.txt").exists():
        return
    # Optimised a little, so the searches in the tests run fast, but not so
    # much that every rebuild is slow; benchmarks are not needed.
    # ccache, where installed, makes the rebuild of a file put back after
    # its mutant a cache hit, halving the compiling.
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build_dir), "-DCMAKE_BUILD_TYPE=Release",
                    "-DCMAKE_CXX_FLAGS_RELEASE=-O1", "-DCMAKE_C_FLAGS_RELEASE=-O1",
                    "-DHYGRA_BUILD_BENCHMARKS=OFF", *launcher], check=True, stdout=subprocess.DEVNULL)


EQUIVALENT = "equivalent"
EQUIVALENT_LINE = re.compile(r"^(\S+):(\d+)\s+(.+?): '(.*)' -> '(.*)'\s+--\s+(.+)$")


def load_equivalent(path):
    """Survivors judged equivalent mutants -- no test can tell them from the
    original -- each with the reason, keyed as the report names them."""
    known = {}
    if path.exists():
        for text in path.read_text().splitlines():
            found = EQUIVALENT_LINE.match(text)
            if found:
                file, line, kind, before, after, why = found.groups()
                known[(file, int(line), kind, before, after)] = why
    return known


def report(done, equivalent):
    rows = {}
    for entry in done.values():
        rows.setdefault(entry["file"], []).append(entry)
    print(f"{'file':48} {'mutants':>7} {'killed':>6} {'surv.':>5} {'equiv':>5} {'t/o':>4} {'n/c':>4} {'score':>6}")
    totals = {KILLED: 0, SURVIVED: 0, EQUIVALENT: 0, TIMED_OUT: 0, NO_COMPILE: 0}
    folders = {}
    survivors, equivalents = [], []
    for path in sorted(rows):
        count = dict.fromkeys(totals, 0)
        for e in rows[path]:
            why = equivalent.get((e["file"], e["line"], e["kind"], e["before"], e["after"]))
            if e["outcome"] == SURVIVED and why:
                count[EQUIVALENT] += 1
                equivalents.append((e, why))
            else:
                count[e["outcome"]] += 1
                if e["outcome"] == SURVIVED:
                    survivors.append(e)
        folder = folders.setdefault(str(Path(path).parent), dict.fromkeys(totals, 0))
        for k in totals:
            totals[k] += count[k]
            folder[k] += count[k]
        print(row(path, count))
    for name in sorted(folders):
        print(row(name + "/", folders[name]))
    print(row("all", totals))
    key = lambda e: (e["file"], e["line"], e["column"])
    if survivors:
        print("\nsurvivors:")
        for e in sorted(survivors, key=key):
            print(f"  {e['file']}:{e['line']}  {e['kind']}: '{e['before']}' -> '{e['after']}'")
    if equivalents:
        print("\nequivalent, not scored:")
        for e, why in sorted(equivalents, key=lambda x: key(x[0])):
            print(f"  {e['file']}:{e['line']}  {e['kind']}: '{e['before']}' -> '{e['after']}'  -- {why}")


def row(name, count):
    return (f"{name:48} {sum(count.values()):7} {count[KILLED]:6} {count[SURVIVED]:5} {count[EQUIVALENT]:5} "
            f"{count[TIMED_OUT]:4} {count[NO_COMPILE]:4} {score(count):>6}")


def score(count):
    """Killed (timed-out counts as killed) over all that compiled and are not
    known to be equivalent."""
    ran = count[KILLED] + count[SURVIVED] + count[TIMED_OUT]
    return "-" if ran == 0 else f"{100.0 * (count[KILLED] + count[TIMED_OUT]) / ran:.0f}%"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("paths", nargs="*", help="source files or folders, relative to the repository")
    ap.add_argument("--build", default="build-mutate", help="build folder (configured if new)")
    ap.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    ap.add_argument("--per-file", type=int, default=20, help="mutants drawn per file (default 20)")
    ap.add_argument("--timeout", type=float, default=0,
                    help="processor seconds a mutant's tests may use (default: 5x the unmutated run, at least 20)")
    ap.add_argument("--budget", type=float, default=3600,
                    help="stop starting mutants after this many seconds (default 3600)")
    ap.add_argument("--results", help="JSON lines of outcomes, which a run resumes from "
                    "(default: mutation-results.jsonl in the build folder)")
    ap.add_argument("--report", action="store_true",
                    help="print the tables of the results only, of the sample of the paths if given")
    ap.add_argument("--equivalent", default=str(ROOT / "tools" / "equivalent_mutants.txt"),
                    help="survivors known to be equivalent mutants, with the reason, left out of the "
                    "scores (default tools/equivalent_mutants.txt)")
    ap.add_argument("--list", action="store_true", help="print the sampled mutants, run nothing")
    args = ap.parse_args()

    build_dir = Path(args.build).resolve()
    results = Path(args.results).resolve() if args.results else build_dir / "mutation-results.jsonl"
    done = load_results(results)
    equivalent = load_equivalent(Path(args.equivalent))
    if args.report and not args.paths:
        report(done, equivalent)
        return 0
    if not args.paths:
        ap.error("name the source files or folders to mutate")

    files = source_files(args.paths)
    plan = []
    for path in files:
        source = (ROOT / path).read_text()
        digest = hashlib.sha1(source.encode()).hexdigest()[:12]
        for m in sample(mutants_of_file(path, source), path, args.seed, args.per_file):
            plan.append((m, digest))
    if args.list:
        for m, _ in plan:
            print(m.describe())
        return 0
    if args.report:
        report({m.key(d): done[m.key(d)] for m, d in plan if m.key(d) in done}, equivalent)
        return 0

    build_dir.mkdir(parents=True, exist_ok=True)
    restorer = Restorer(results.with_suffix(".backup.json"))
    restorer.recover()

    def on_signal(signum, _frame):
        stop_running_child()
        restorer.put_back()
        print(f"\nmutate: stopped by signal {signum}; results so far are in {results}", file=sys.stderr)
        sys.exit(128 + signum)

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)

    configure(build_dir)
    timeout = args.timeout
    suites = {tuple(suite_of(p)[0]): suite_of(p) for p in files}
    for targets, tests in suites.values():
        if not build(build_dir, targets, 1800):
            sys.exit(f"mutate: the unmutated tree does not build in {build_dir}")
        started = cpu_seconds_of_children()
        if run_tests(build_dir, tests, 1800) != SURVIVED:
            sys.exit("mutate: the unmutated tree fails its tests; fix them first")
        if not args.timeout:
            timeout = max(timeout, 20.0, 5 * (cpu_seconds_of_children() - started))

    todo = [(m, d) for m, d in plan if m.key(d) not in done]
    print(f"mutate: {len(plan)} mutants in {len(files)} files, {len(plan) - len(todo)} already done, "
          f"tests limited to {timeout:.0f} processor seconds each", file=sys.stderr)
    began = time.monotonic()
    with results.open("a") as out:
        for i, (m, digest) in enumerate(todo, 1):
            if time.monotonic() - began > args.budget:
                print(f"mutate: the budget of {args.budget:.0f} s is spent; run again to go on",
                      file=sys.stderr)
                break
            targets, tests = suite_of(m.file)
            original = (ROOT / m.file).read_text()
            restorer.hold(m.file, original)
            try:
                (ROOT / m.file).write_text(apply(original, m))
                if not build(build_dir, targets, 600):
                    outcome = NO_COMPILE
                else:
                    outcome = run_tests(build_dir, tests, timeout)
            finally:
                restorer.put_back()
            entry = {"key": m.key(digest), "outcome": outcome, **asdict(m)}
            done[entry["key"]] = entry
            out.write(json.dumps(entry) + "\n")
            out.flush()
            print(f"[{i}/{len(todo)}] {outcome:15} {m.describe()}", file=sys.stderr)

    # Leave the build folder matching the sources again.
    for targets, _ in suites.values():
        build(build_dir, targets, 1800)
    report({m.key(d): done[m.key(d)] for m, d in plan if m.key(d) in done}, equivalent)
    return 0


if __name__ == "__main__":
    sys.exit(main())
