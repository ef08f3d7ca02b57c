#!/usr/bin/env bash
# Dictionary benchmark: bulk addition of an annotated text and one ordinary store, each set
# against loading and saving the same dictionary, measured side by side in one run.
#
# Usage: bench/dictionary.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the generated files go (default: build/bench)
#
# Environment overrides: BENCH_FORMS (100000), BENCH_LEMMAS (50000), BENCH_TEXT_TOKENS (200000),
# BENCH_SEED (1), BENCH_RUNS (3), PYTHON (/usr/bin/python3).
#
# Prints the median times and two ratio lines. Targets are reported, not enforced: the script
# fails only when a command fails or prints no timings.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
FORMS="${BENCH_FORMS:-100000}"
LEMMAS="${BENCH_LEMMAS:-50000}"
TOKENS="${BENCH_TEXT_TOKENS:-200000}"
SEED="${BENCH_SEED:-1}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"
GEN="$BENCH_DIR/gen_dictionary.py"

die() { echo "dictionary bench: $*" >&2; exit 1; }

[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
mkdir -p "$WORK"

BASE="$WORK/dict_f${FORMS}_l${LEMMAS}_t${TOKENS}_s${SEED}"
DICT="$BASE.xml"
TEXT="${BASE}_text.xml"
if [[ ! -s "$DICT" || ! -s "$TEXT" || "$GEN" -nt "$DICT" ]]; then
    "$PY" "$GEN" --forms "$FORMS" --lemmas "$LEMMAS" --tokens "$TOKENS" --seed "$SEED" \
        "$DICT.tmp" "$TEXT.tmp" || die "generation failed"
    mv "$DICT.tmp" "$DICT"
    mv "$TEXT.tmp" "$TEXT"
fi
COPY="$WORK/dict_work.xml"

# Runs a dict command with --timings on a fresh copy; prints "total load save operation" in ns.
timed() {
    cp "$DICT" "$COPY"
    rm -f "$COPY.lock"
    local err
    err="$("$CLI" dict "$1" --timings "${@:2}" 2>&1 >/dev/null)" || die "pelmora-cli dict $* failed: $err"
    awk '/^timings:/ {
            for (i = 2; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] }
            print v["total_ns"], v["load_ns"], v["save_ns"], v["operation_ns"]; found = 1 }
         END { if (!found) exit 1 }' <<<"$err" || die "no timings from pelmora-cli dict $1"
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {
    if (NR % 2) print v[(NR + 1) / 2]; else printf "%.0f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

store_total=() store_load=() store_save=() bulk=() ratio=() share=()
for ((run = 1; run <= RUNS; run++)); do
    read -r t l s _ <<<"$(timed store-form "$COPY" "Benchvorm" "benchlemma" "sg.nom.")"
    store_total+=("$t") store_load+=("$l") store_save+=("$s")
    share+=("$(awk -v t="$t" -v l="$l" -v s="$s" 'BEGIN { printf "%.4f", (t - l - s) / t }')")
    read -r _ _ _ o <<<"$(timed add-text "$COPY" "$TEXT")"
    bulk+=("$o")
    ratio+=("$(awk -v o="$o" -v l="$l" -v s="$s" 'BEGIN { printf "%.4f", o / (l + s) }')")
done
rm -f "$COPY"

ms() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1e6 }'; }
echo
echo "dictionary: $FORMS word forms, $LEMMAS lemmas ($(stat -c %s "$DICT") bytes); text: $TOKENS tokens; $RUNS runs"
echo "one store: total $(ms "$(median "${store_total[@]}")") ms, load $(ms "$(median "${store_load[@]}")") ms, save $(ms "$(median "${store_save[@]}")") ms (medians)"
echo "bulk addition (lock, change check, stores, save): $(ms "$(median "${bulk[@]}")") ms (median)"
awk -v r="$(median "${ratio[@]}")" 'BEGIN { printf "dictionary bulk addition: bulk/(load+save) = %.2f (target <= 3)\n", r }'
awk -v p="$(median "${share[@]}")" 'BEGIN { printf "dictionary store: time outside load and save = %.2f%% (target < 5%%)\n", p * 100 }'
exit 0
