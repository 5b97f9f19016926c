#!/usr/bin/env bash
# Runs every built fuzz target for a short while (FUZZ_SECONDS each, default 20).
set -euo pipefail
dir=${1:-build/fuzz/tests/fuzz}
seconds=${FUZZ_SECONDS:-20}
status=0
for f in "$dir"/fuzz_*; do
  [ -x "$f" ] || continue
  echo "== $(basename "$f") (${seconds}s)"
  corpus="build/fuzz/corpus/$(basename "$f")"
  mkdir -p "$corpus"
  seeds="tests/fuzz/seeds/$(basename "$f")"
  extra=()
  [ -d "$seeds" ] && extra+=("$seeds")
  "$f" -max_total_time="$seconds" -print_final_stats=0 "$corpus" "${extra[@]}" || status=1
done
exit $status
