#!/usr/bin/env bash
# Search benchmark: the cost of matching every token (find, lint) next to only opening the text.
#
# Usage: bench/search.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the corpus goes (default: build/bench)
#
# Environment overrides: BENCH_TOKENS (default 300000), BENCH_SEED (1), BENCH_RUNS (3),
# PYTHON (/usr/bin/python3).
#
# Every command runs BENCH_RUNS times, interleaved; the table shows median wall times and the
# ratio of each to "check" (open the text and count its tokens), so a ratio of 1.2 means the
# search over all tokens costs a fifth of what reading the file costs.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
TOKENS="${BENCH_TOKENS:-300000}"
SEED="${BENCH_SEED:-1}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"

die() { echo "search bench: $*" >&2; exit 1; }
[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
mkdir -p "$WORK"

TEXT="$WORK/corpus_t${TOKENS}_s${SEED}.xml"
if [[ ! -s "$TEXT" || "$BENCH_DIR/gen_corpus.py" -nt "$TEXT" ]]; then
    "$PY" "$BENCH_DIR/gen_corpus.py" --tokens "$TOKENS" --seed "$SEED" "$TEXT.tmp" >&2 || die "corpus generation failed"
    mv "$TEXT.tmp" "$TEXT"
fi

labels=(
    "check (open only)"
    "find exact sone"
    "find exact lemma+vorm"
    "find contains 3 fields"
    "find ends sone"
    "lint"
)
commands=(
    "check $TEXT"
    "find $TEXT --field sone=kala"
    "find $TEXT --field lemma=kala --field vorm=sg."
    "find $TEXT --field sone=ka --field lemma=ka --field tahendus=ka --mode contains"
    "find $TEXT --field sone=ta --mode ends"
    "lint $TEXT"
)

# Wall time of one run in seconds.
seconds() {
    local start end
    start=$(date +%s.%N)
    # shellcheck disable=SC2086
    "$CLI" $1 >/dev/null || [[ "$1" == lint* ]] || die "failed: $1"
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

declare -A times
for ((run = 1; run <= RUNS; run++)); do
    for i in "${!commands[@]}"; do
        times[$i]+="$(seconds "${commands[$i]}") "
    done
done

median() { printf '%s\n' $1 | sort -g | awk '{v[NR] = $1} END {
    if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

base="$(median "${times[0]}")"
echo "input: $TEXT ($TOKENS tokens), $RUNS runs each, interleaved"
printf '%-26s %-26s %10s %12s\n' "command" "wall times (s)" "median" "ratio/check"
for i in "${!commands[@]}"; do
    m="$(median "${times[$i]}")"
    printf '%-26s %-26s %10s %12s\n' "${labels[$i]}" "${times[$i]}" "$m" \
        "$(awk -v m="$m" -v b="$base" 'BEGIN { if (b <= 0) b = 0.001; printf "%.2fx", m / b }')"
done
