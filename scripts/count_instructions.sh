#!/usr/bin/env bash
# Counts the instructions of one engine call with callgrind.
# Usage: count_instructions.sh NATIVE_BUILD_DIR [--check]
# With --check it fails when a count is above its budget. A budget written
# +N:PROBE bounds the count's excess over that of the probe PROBE.
set -eu
build=$1
check=${2:-}
probe="$build/bench/tessavar_callgrind_probe"
[ -x "$probe" ] || { echo "no probe at $probe (build the native configuration)" >&2; exit 1; }
status=0
declare -A counts
for entry in ProbeLoadGameData:0 \
             ProbeOneObservationNoClues:20000 \
             ProbeThreeObservationsAllClues:80000 \
             ProbeOneObservationWithHints:30000 \
             ProbeLevel5WithHints:300000 \
             ProbeThreeObservationsAllCluesAnyNature:800000 \
             ProbeOneObservationUnknownEffort:+150000:ProbeOneObservationNoClues \
             ProbeMode9OneObservation:12000 \
             ProbeMode9ThreeObservationsPerStatTrained:25000; do
  name=${entry%%:*}
  budget=${entry#*:}
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect="$name" "$probe" >/dev/null 2>&1
  count=$(callgrind_annotate "$out" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
  rm -f "$out"
  case $count in
    ''|*[!0-9]*) echo "$name: no count (did the probe run?)" >&2; status=1; continue ;;
  esac
  counts[$name]=$count
  if [ "${budget:0:1}" = "+" ]; then
    base=${budget#*:}
    excess=$((count - ${counts[$base]}))
    budget=${budget%%:*}
    budget=${budget#+}
    echo "$name: $count instructions, $excess more than $base (budget $budget more)"
    if [ "$check" = "--check" ] && [ "$excess" -gt "$budget" ]; then status=1; fi
  elif [ "$budget" -gt 0 ]; then
    echo "$name: $count instructions (budget $budget)"
    if [ "$check" = "--check" ] && [ "$count" -gt "$budget" ]; then status=1; fi
  else
    echo "$name: $count instructions"
  fi
done
exit $status
