#!/usr/bin/env python3
"""Times hygra chart --scatter on a year of hourly states and on parts and
multiples of it, and --points with every state labelled, to show that the
cost grows linearly with the points.

A benchmark, not a test: it prints figures and asserts nothing.

    python3 bench/chart_scatter.py [build/hygra]
    python3 bench/chart_scatter.py --year docs/year-hourly.csv

The states are a synthetic climate (a daily and a yearly swing of dry bulb and
dew point, with a deterministic jitter), written as CSV with the columns hour,
month, TDB and TDEW (degC), the file that --scatter reads.
"""
import math
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

HOURS_A_YEAR = 8760


def synthetic_year(hours):
    """Rows (hour, month, dry bulb, dew point) of a temperate year, repeated
    as needed to give `hours` rows: a yearly and a daily swing, and weather
    that wanders from day to day (a first-order autoregressive process from a
    seeded generator, so every run gives the same year)."""
    rng = random.Random(17)
    warm = 0.0  # the weather's departure of the dry bulb, degC
    damp = 0.0  # and of the dew point
    year = []
    for h in range(HOURS_A_YEAR):
        day = h / 24.0
        season = -math.cos(2 * math.pi * (day - 15) / 365.0)  # -1 mid-January, 1 mid-July
        daily = -math.cos(2 * math.pi * ((h % 24) - 3) / 24.0)  # coolest at 03:00
        warm = 0.985 * warm + rng.gauss(0.0, 0.45)
        damp = 0.99 * damp + rng.gauss(0.0, 0.3)
        tdb = 10.0 + 11.0 * season + (3.0 + 1.5 * season) * daily + warm
        tdew = min(tdb - 0.3, 3.5 + 8.0 * season + 0.4 * warm + damp - 0.5 * daily)
        month = min(12, int(day // 30.42) + 1)
        year.append((h, month, round(tdb, 2), round(tdew, 2)))
    return [year[k % HOURS_A_YEAR] for k in range(hours)]


def write_csv(path, rows, labelled=False):
    with open(path, "w") as f:
        f.write("hour,month,TDB,TDEW" + (",label" if labelled else "") + "\n")
        for r in rows:
            f.write("%d,%d,%s,%s" % r + (",h%d" % r[0] if labelled else "") + "\n")


def run(tool, csv, extra):
    """CPU seconds (user and system) and wall seconds of one chart."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    files = extra[:1] == ["--points"]
    subprocess.run([tool, "chart"] + ([] if files else ["--scatter", csv]) + extra, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu, wall


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--year":
        # The README's example year: python3 bench/chart_scatter.py --year docs/year-hourly.csv
        write_csv(sys.argv[2], synthetic_year(HOURS_A_YEAR))
        return
    tool = sys.argv[1] if len(sys.argv) > 1 else "build/hygra"
    with tempfile.TemporaryDirectory() as tmp:
        print("%9s  %-28s  %8s  %8s  %12s" % ("points", "options", "CPU s", "wall s", "us a point"))
        for n in (1000, 2000, 4000, HOURS_A_YEAR, 4 * HOURS_A_YEAR):
            csv = os.path.join(tmp, "year-%d.csv" % n)
            write_csv(csv, synthetic_year(n))
            labelled = os.path.join(tmp, "labelled-%d.csv" % n)
            write_csv(labelled, synthetic_year(n), labelled=True)
            for extra in ([], ["--colour-by", "month", "--zone", "summer", "--zone", "winter"],
                          ["--points", labelled]):
                best = min(run(tool, csv, extra) for _ in range(3))
                print("%9d  %-28s  %8.3f  %8.3f  %12.1f" % (
                    n, ("--points (labelled)" if extra[:1] == ["--points"]
                        else " ".join(extra)[:28]) or "(none)", best[0], best[1], 1e6 * best[0] / n))


if __name__ == "__main__":
    main()
