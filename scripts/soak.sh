#!/usr/bin/env bash
# Long random-input soak of the real Tessavar.exe under Wine: runs the soak
# driver (tests/soak) over successive seeds, three minutes each, until
# MINUTES have passed, then prints the figures: steps, seeds, crashes, hangs,
# other failures, message boxes by text, and the program's working set at
# the start and end of each seed's run.
# Usage: soak.sh MINUTES [BUILD_DIR [FIRST_SEED]]
#   BUILD_DIR   the mingw build folder (default build/mingw; built here)
#   FIRST_SEED  seed of the first run (default 1000)
# Each seed's action log is BUILD_DIR/soak/soak-SEED.log. A failing seed
# replays exactly with --seed SEED --steps N, N being its log's last step.
# Exits non-zero when any seed failed.
set -eu -o pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(realpath "$0")" "$@"
fi
cd "$(dirname "$0")/.."
minutes=${1:?usage: soak.sh MINUTES [BUILD_DIR [FIRST_SEED]]}
build=$(realpath -m "${2:-build/mingw}")
seed=${3:-1000}
per_seed=180

[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tessavar_soak >/dev/null

out="$build/soak"
mkdir -p "$out"
summary="$out/summary.txt"
: >"$summary"
end=$((SECONDS + minutes * 60))
while ((SECONDS + 10 < end)); do
  run=$((end - SECONDS < per_seed ? end - SECONDS : per_seed))
  (cd "$out" && "$OLDPWD/scripts/wine-run.sh" "$build" \
    "$build/tests/soak/tessavar_soak.exe" --seed "$seed" --seconds "$run" \
    --exe "Z:$build/Tessavar.exe" --log "soak-$seed.log") \
    >>"$summary" 2>"$out/soak-$seed.err" || true
  seed=$((seed + 1))
done

awk -v minutes="$minutes" -v out="$out" '
  /^soak-run / {
    for (i = 2; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] }
    seeds++; steps += v["steps"]; result[v["result"]]++
    if (seeds == 1) first = v["seed"]
    last = v["seed"]
    if (v["result"] != "ok") failed = failed " " v["seed"] " (" v["result"] ")"
    if (seeds == 1 || v["ws_start_kb"] < s0) s0 = v["ws_start_kb"]
    if (v["ws_start_kb"] > s1) s1 = v["ws_start_kb"]
    if (v["ws_end_kb"] > 0 && (e0 == "" || v["ws_end_kb"] < e0)) e0 = v["ws_end_kb"]
    if (v["ws_end_kb"] > e1) e1 = v["ws_end_kb"]
  }
  /^soak-box / {
    count = $2; sub(/^count=/, "", count)
    text = $0; sub(/^soak-box count=[0-9]+ text=/, "", text)
    boxes[text] += count
  }
  END {
    printf "soak: %s minutes, %d seeds (%s..%s), %d steps\n", minutes, seeds, first, last, steps
    printf "soak: crashes %d, hangs %d, other failures %d\n", result["crash"], result["hang"], result["fail"]
    printf "soak: working set at start %d..%d KB, at end %d..%d KB\n", s0, s1, e0, e1
    print "soak: message boxes by text:"
    for (text in boxes) printf "  %7d  %s\n", boxes[text], text
    if (failed != "") { print "soak: failing seeds:" failed ", logs in " out; exit 1 }
  }' "$summary"
