#!/usr/bin/env bash
# Runs every fuzz target for a set time, starting from its seeds in the repository.
#
# Usage: fuzz/run.sh [BUILD_DIR] [SECONDS]
#   BUILD_DIR  the clang fuzz build (default build/fuzz)
#   SECONDS    time per target (default 300)
# New inputs that grow coverage collect in BUILD_DIR/corpus/<target>; the seeds stay as they are.
# Crashes are written to BUILD_DIR/crashes/<target>/ and make the script fail.
set -euo pipefail

FUZZ_SRC="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="${1:-build/fuzz}"
SECONDS_EACH="${2:-300}"
status=0

for binary in "$BUILD"/bin/fuzz_*; do
    name="$(basename "$binary")"
    target="${name#fuzz_}"
    work="$BUILD/corpus/$target"
    crashes="$BUILD/crashes/$target"
    mkdir -p "$work" "$crashes"
    log="$BUILD/$name.log"
    echo "== $name: ${SECONDS_EACH}s"
    if "$binary" -max_total_time="$SECONDS_EACH" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$work" "$FUZZ_SRC/seeds/$target" \
        $( [ -d "$BUILD/fuzz/seeds/$target" ] && echo "$BUILD/fuzz/seeds/$target" ) >"$log" 2>&1; then
        runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
        echo "$name: clean, ${runs:-?} executions"
    else
        echo "$name: FAILED, see $log and $crashes" >&2
        tail -n 30 "$log" >&2
        status=1
    fi
done
exit "$status"
