#!/usr/bin/env bash
# Runs one fuzz target on a copy of its seed folder for a while (default 180 s), one job.
# Usage: fuzz/run_fuzz.sh <build-dir> <target> <seed-folder> [seconds]
# New interesting inputs collect in <build-dir>/fuzz-corpus/<target>; crashes land in
# <build-dir>/fuzz-artifacts/<target>/.
set -euo pipefail
build="$(realpath "$1")"
target="$2"
seeds="$(realpath "$3")"
seconds="${4:-180}"
corpus="$build/fuzz-corpus/$target"
artifacts="$build/fuzz-artifacts/$target"
mkdir -p "$corpus" "$artifacts"
cd "$artifacts" # -jobs writes its fuzz-<n>.log here
exec "$build/fuzz/$target" -max_total_time="$seconds" -jobs=1 -workers=1 -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$artifacts/" "$corpus" "$seeds"
