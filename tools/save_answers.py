#!/usr/bin/env python3
"""Save the answers of a build of the library on a fixed random sample of states.

    python3 tools/save_answers.py build/libhygra.so > tests/data/saved_answers.txt
    python3 tools/save_answers.py --properties build/libhygra.so > tests/data/saved_properties.txt

The sample (seeded, so the same on every run) spreads dry bulb, relative
humidity and pressure across the whole range of the model. For each state that
exists it writes, on one line: the pressure (bar), dry bulb (degC) and humidity
ratio of the state, its wet bulb and dew point as the getters give them, then
for each of the thirty input pairs, with the pair's inputs read from the
state: the result code, the dry bulb and the humidity ratio the pair gives back;
then the same in inch-pound units (pressure and dry bulb converted and written).
tests/api/saved_answers_test.cpp reads the file and asks the library being
tested the same questions, so that a change to a search that moves an answer
by more than the search's tolerance is caught.

With --properties it writes, for a smaller sample, every one of the 46
properties of each state given by dry bulb and humidity ratio, once in SI and
once in inch-pound units (the inputs converted and written too), with 13
significant digits, or "x" and the result code where a property fails.
tests/api/saved_properties_test.cpp holds every coefficient of every
correlation to those answers.
"""
import ctypes
import itertools
import math
import random
import sys

# property codes and state types of include/hygra.h
TDB, TWB, TDEW, W, RH, VM, HM, SM = 0, 1, 2, 11, 13, 15, 19, 23
PAIRS = [(TDB, TWB), (TDB, RH), (TDB, W), (TDB, HM), (TDB, SM), (TDB, VM), (TDB, TDEW),
         (W, TWB), (W, TDB), (W, RH), (W, HM), (W, SM), (W, VM), (RH, TWB), (RH, TDB),
         (RH, W), (RH, HM), (RH, SM), (RH, VM), (TDEW, TWB), (TDEW, RH), (TDEW, HM),
         (TDEW, SM), (TDEW, VM), (TWB, HM), (TWB, SM), (TWB, VM), (HM, SM), (HM, VM), (SM, VM)]
STATES = 1000
SEED = 19
PROPERTY_STATES = 250
PROPERTY_SEED = 46
PROPERTY_COUNT = 46
PSI_PER_BAR = 1e5 / 6894.757293168361


def random_state(rng):
    """Dry bulb (degC), relative humidity and pressure (bar) across the range,
    with some dry and some saturated air."""
    t = rng.uniform(-99.0, 371.0)
    u = rng.random()
    rh = 0.0 if u < 0.03 else 1.0 if u < 0.08 else rng.random()
    p = math.exp(rng.uniform(math.log(0.05), math.log(49.0)))
    return t, rh, p


def existing_states(ev, seed):
    """Dry bulb, humidity ratio and pressure of the random states that exist."""
    rng = random.Random(seed)
    while True:
        t, rh, p = random_state(rng)
        rc, w = ev(1, W, t, rh, p)
        if rc == 0:
            yield t, w, p


def save_properties(ev):
    print("# p_bar tdb_C w, 46 properties in SI, p_psi tdb_F, 46 properties in IP"
          " (x<code> where one fails)")
    for t, w, p in itertools.islice(existing_states(ev, PROPERTY_SEED), PROPERTY_STATES):
        fields = ["%.17g" % x for x in (p, t, w)]
        for units, a, pressure in ((0, t, p), (1, t * 1.8 + 32.0, p * PSI_PER_BAR)):
            if units:
                fields += ["%.17g" % pressure, "%.17g" % a]
            for code in range(PROPERTY_COUNT):
                rc, v = ev(2, code, a, w, pressure, units)
                fields.append("%.13g" % v if rc == 0 else "x%d" % rc)
        print(" ".join(fields))


def main():
    args = sys.argv[1:]
    properties = args[:1] == ["--properties"]
    if properties:
        args = args[1:]
    if len(args) != 1:
        sys.exit("usage: save_answers.py [--properties] PATH/TO/libhygra.so")
    lib = ctypes.CDLL(args[0])
    f = lib.moistair_eval
    f.restype = ctypes.c_int
    f.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_double),
                  ctypes.c_double, ctypes.c_double, ctypes.c_double]

    def ev(type_, code, a, b, p, units=0):
        v = ctypes.c_double(math.nan)
        rc = f(type_, code, units, ctypes.byref(v), a, b, p)
        return rc, v.value

    if properties:
        save_properties(ev)
        return

    print("# p_bar tdb_C w twb_C tdew_C, then per pair 0..29: rc tdb_C w;"
          " then p_psi tdb_F twb_F tdew_F and per pair 0..29: rc tdb_F w")
    written = 0
    for t, w, p in existing_states(ev, SEED):
        if written == STATES:
            break
        fields = ["%.17g" % x for x in (p, t, w)]
        ok = True
        for units, a, pressure in ((0, t, p), (1, t * 1.8 + 32.0, p * PSI_PER_BAR)):
            if units:
                fields += ["%.17g" % pressure, "%.17g" % a]
            props = {TDB: a, W: w}
            for code in (TWB, TDEW, RH, HM, SM, VM):
                rc, props[code] = ev(2, code, a, w, pressure, units)
                ok = ok and rc == 0
            fields += ["%.12g" % props[TWB], "%.12g" % props[TDEW]]
            for type_, (first, second) in enumerate(PAIRS):
                x, y = props[first], props[second]
                rc, t2 = ev(type_, TDB, x, y, pressure, units)
                _, w2 = ev(type_, W, x, y, pressure, units)
                fields += [str(rc), "%.12g" % t2 if rc == 0 else "0", "%.12g" % w2 if rc == 0 else "0"]
        if not ok:
            continue
        print(" ".join(fields))
        written += 1

if __name__ == "__main__":
    main()
