#!/usr/bin/env bash
# Rows per second and peak memory of hygra --batch and hygra --epw: a year of
# hours (8760 rows) and a million rows, (TDB, RH) -> W, HM, TWB, TDEW, VM, and
# an EnergyPlus weather file of 8760 hours. Not a test; the figures go in the
# README. Usage: bench/tool_batch.sh [path/to/hygra]   (a Release build)
set -euo pipefail

hygra=${1:-build/hygra}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Rows of a plausible year: dry bulb -10..35 degC, RH 0.2..0.95.
make_csv() {
  awk -v n="$1" 'BEGIN {
    print "time,TDB,RH";
    for (i = 0; i < n; i++)
      printf "%d,%.1f,%.3f\n", i, 12.5 + 22.5 * sin(i / 8760 * 6.2832) + 5 * sin(i / 24 * 6.2832),
             0.575 + 0.375 * cos(i / 24 * 6.2832);
  }'
}

# The same year as an EnergyPlus weather file, dew point from the Magnus formula.
make_epw() {
  awk 'BEGIN {
    print "LOCATION,Benchville,ST,XXX,Synthetic,999999,40.0,-105.0,-7.0,1600.0";
    print "DESIGN CONDITIONS,0"; print "TYPICAL/EXTREME PERIODS,0"; print "GROUND TEMPERATURES,0";
    print "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0"; print "COMMENTS 1,synthetic"; print "COMMENTS 2,";
    print "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31";
    for (i = 0; i < 8760; i++) {
      t = 12.5 + 22.5 * sin(i / 8760 * 6.2832) + 5 * sin(i / 24 * 6.2832);
      rh = 0.575 + 0.375 * cos(i / 24 * 6.2832);
      g = log(rh) + 17.62 * t / (243.12 + t);
      printf "1999,%d,%d,%d,60,?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9*9*9,%.1f,%.1f,%d,83400", \
             int(i / 730) + 1, int(i / 24) % 28 + 1, i % 24 + 1, t, 243.12 * g / (17.62 - g), rh * 100;
      print ",0,0,312,0,0,0,0,0,0,0,190,2.6,2,2,16.1,77777,9,999999999,17,0.089,0,88,0.16,0,1";
    }
  }'
}

run() {  # label, then the arguments of hygra
  local label=$1
  shift
  local rows=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$hygra" "$@" > /dev/null 2> "$work/err" || true
  read -r seconds kib < "$work/time"
  awk -v l="$label" -v r="$rows" -v s="$seconds" -v k="$kib" \
    'BEGIN { printf "%-34s %9d rows %8.2f s %10.0f rows/s %8.1f MB max RSS\n", l, r, s, r / (s > 0 ? s : 0.01), k / 1024 }'
}

make_csv 8760 > "$work/year.csv"
make_csv 1000000 > "$work/million.csv"
make_epw > "$work/year.epw"

run "TDB, RH -> W HM TWB TDEW VM" 8760 --batch "$work/year.csv" W HM TWB TDEW VM
run "TDB, RH -> W HM TWB TDEW VM" 1000000 --batch "$work/million.csv" W HM TWB TDEW VM
run "EPW TDB, TDEW -> W HM TWB RH VM" 8760 --epw "$work/year.epw" W HM TWB RH VM
run "TDB, RH -> all 46 properties" 8760 --batch "$work/year.csv"
