#!/usr/bin/env bash
# Exchange benchmark: export of a corpus text to CoNLL-U, FlexText and EAF and import back, each
# against `pelmora-cli check` (open the text) of the same text.
#
# Usage: bench/exchange.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the corpus and the exports go (default: build/bench)
#
# Environment overrides: BENCH_TOKENS (default 200000), BENCH_SEED (1), BENCH_RUNS (3),
# PYTHON (/usr/bin/python3).
#
# Every command runs BENCH_RUNS times, interleaved; the table shows median wall times and the ratio of
# each to "check". Targets (<= 2 each) are reported, not enforced: the script fails only when a
# command fails.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
TOKENS="${BENCH_TOKENS:-200000}"
SEED="${BENCH_SEED:-1}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"

die() { echo "exchange bench: $*" >&2; exit 1; }
[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
mkdir -p "$WORK"

TEXT="$WORK/corpus_t${TOKENS}_s${SEED}.xml"
if [[ ! -s "$TEXT" || "$BENCH_DIR/gen_corpus.py" -nt "$TEXT" ]]; then
    "$PY" "$BENCH_DIR/gen_corpus.py" --tokens "$TOKENS" --seed "$SEED" "$TEXT.tmp" >&2 || die "corpus generation failed"
    mv "$TEXT.tmp" "$TEXT"
fi
OUT="$WORK/exchange"
mkdir -p "$OUT"

formats=(conllu flextext eaf)
labels=("check (open only)")
commands=("check $TEXT")
for f in "${formats[@]}"; do
    labels+=("export $f" "import $f")
    commands+=("convert --force $TEXT $OUT/text.$f" "convert --force $OUT/text.$f $OUT/back_$f.xml")
done

# Wall time of one run in seconds (the report of what a format leaves out goes to /dev/null).
seconds() {
    local start end
    start=$(date +%s.%N)
    # shellcheck disable=SC2086
    "$CLI" $1 >/dev/null 2>&1 || die "failed: $1"
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
printf '%-20s %-26s %10s %12s\n' "command" "wall times (s)" "median" "ratio/check"
for i in "${!commands[@]}"; do
    m="$(median "${times[$i]}")"
    printf '%-20s %-26s %10s %12s\n' "${labels[$i]}" "${times[$i]}" "$m" \
        "$(awk -v m="$m" -v b="$base" 'BEGIN { if (b <= 0) b = 0.001; printf "%.2fx", m / b }')"
done
for i in "${!commands[@]}"; do
    [[ $i -eq 0 ]] && continue
    awk -v m="$(median "${times[$i]}")" -v b="$base" -v l="${labels[$i]}" \
        'BEGIN { if (b <= 0) b = 0.001; printf "exchange %s: %s/check = %.2f (target <= 2)\n", l, l, m / b }'
done
