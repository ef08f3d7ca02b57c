#!/usr/bin/env bash
# Local analyser benchmark, on a generated analyser of 50,000 stems with two-level rules, compiled
# here with hfst-lexc, hfst-twolc, hfst-compose-intersect, hfst-invert and hfst-fst2fst:
#  1. lookups per second through the core (LocalAnalyser::analyse: lookup, reading, mapping) against
#     hfst-optimized-lookup on the same words (its time to load the transducer taken off);
#  2. pelmora-cli preannotate on a 200,000-token text of those words against pelmora-cli roundtrip.
#
# Usage: bench/analyser.sh [BINDIR] [WORKDIR]
#   BINDIR   release binaries: pelmora-cli and analyser_bench (default build/release/bin)
#   WORKDIR  where the sources, the transducer and the text go (default build/bench)
# Environment: BENCH_STEMS (50000), BENCH_TOKENS (200000), BENCH_RUNS (3), PYTHON (/usr/bin/python3).
# Prints the ratios; the targets are reported, not enforced. Fails when a command fails or the
# core and hfst-optimized-lookup do not find the same number of analyses.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BIN="${1:-build/release/bin}"
WORK="${2:-build/bench}"
STEMS="${BENCH_STEMS:-50000}"
TOKENS="${BENCH_TOKENS:-200000}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"
TIMECMD=/usr/bin/time

die() { echo "analyser bench: $*" >&2; exit 1; }
[[ -x "$BIN/pelmora-cli" && -x "$BIN/analyser_bench" ]] || die "pelmora-cli or analyser_bench missing in $BIN"
for tool in lexc twolc compose-intersect invert fst2fst optimized-lookup; do
    command -v "hfst-$tool" >/dev/null || die "hfst-$tool is missing: run scripts/install-deps"
done

DIR="$WORK/analyser_s${STEMS}_t${TOKENS}"
FST="$DIR/analyser.hfstol"
if [[ ! -s "$FST" || "$BENCH_DIR/gen_analyser.py" -nt "$FST" ]]; then
    mkdir -p "$DIR"
    "$PY" "$BENCH_DIR/gen_analyser.py" --stems "$STEMS" --tokens "$TOKENS" "$DIR" || die "generation failed"
    echo "compiling the analyser ($STEMS stems) with the hfst tools ..."
    hfst-lexc -q "$DIR/bench.lexc" -o "$DIR/lexicon.hfst"
    hfst-twolc -q "$DIR/bench.twolc" -o "$DIR/rules.hfst"
    hfst-compose-intersect -1 "$DIR/lexicon.hfst" -2 "$DIR/rules.hfst" -o "$DIR/generator.hfst"
    hfst-invert "$DIR/generator.hfst" -o "$DIR/analyser.hfst"
    hfst-fst2fst -O -i "$DIR/analyser.hfst" -o "$FST.tmp"
    mv "$FST.tmp" "$FST"
fi
WORDS="$DIR/words.txt"
count="$(wc -l <"$WORDS")"

# CPU seconds (user + system) of a command, its output to a file.
cpu_of() { # output command...
    local out="$1"
    shift
    "$TIMECMD" -f '%U %S' -o "$DIR/time.log" "$@" >"$out" || die "failed: $*"
    awk '{ printf "%.3f", $1 + $2 }' "$DIR/time.log"
}
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END { print v[int((NR + 1) / 2)] }'; }

# ---------------------------------------------------------------- lookups
core_cpu=() tool_cpu=() load_cpu=()
for ((run = 1; run <= RUNS; run++)); do
    read -r words passes cpu wall readings analyses < <("$BIN/analyser_bench" "$FST" "$WORDS") \
        || die "analyser_bench failed"
    core_cpu+=("$cpu")
    tool_cpu+=("$(cpu_of "$DIR/lookup.out" hfst-optimized-lookup "$FST" <"$WORDS")")
    load_cpu+=("$(cpu_of /dev/null hfst-optimized-lookup "$FST" </dev/null)")
done
tool_analyses="$(grep -c . "$DIR/lookup.out" || true)"
[[ "$tool_analyses" -eq "$analyses" ]] || die "hfst-optimized-lookup found $tool_analyses analyses, the core $analyses"
c="$(median "${core_cpu[@]}")" t="$(median "${tool_cpu[@]}")" l="$(median "${load_cpu[@]}")"
echo
echo "analyser: $count words, $analyses analyses ($readings readings), $RUNS runs (core: median of $passes passes per run)"
awk -v n="$count" -v c="$c" -v t="$t" -v l="$l" 'BEGIN {
    tool = t - l; if (tool <= 0) tool = 0.01; if (c <= 0) c = 0.001
    printf "  core (LocalAnalyser::analyse)      %9.0f words/s (%.3f s CPU)\n", n / c, c
    printf "  hfst-optimized-lookup              %9.0f words/s (%.3f s CPU, less %.3f s to load)\n", n / tool, t, l
    printf "analyser lookups: core/hfst-optimized-lookup = %.2f (target >= 1)\n", tool / c }'

# ---------------------------------------------------------------- pre-annotation
TEXT="$DIR/text.xml"
pre_t=() round_t=()
for ((run = 1; run <= RUNS; run++)); do
    t0="$(now)"; "$BIN/pelmora-cli" roundtrip "$TEXT" "$DIR/roundtrip.xml" || die "roundtrip failed"; t1="$(now)"
    round_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"
    "$BIN/pelmora-cli" preannotate "$TEXT" --fst "$FST" -o "$DIR/preannotated.xml" >"$DIR/preannotate.out" \
        || die "preannotate failed"
    t1="$(now)"
    pre_t+=("$(elapsed "$t0" "$t1")")
done
p="$(median "${pre_t[@]}")" r="$(median "${round_t[@]}")"
echo
echo "pre-annotation: $TOKENS tokens; $(tr '\n' ' ' <"$DIR/preannotate.out")"
printf '  %-24s %s (median %s s)\n' "pelmora-cli roundtrip" "${round_t[*]}" "$r" "pelmora-cli preannotate" "${pre_t[*]}" "$p"
awk -v p="$p" -v r="$r" 'BEGIN { if (r <= 0) r = 0.01
    printf "pre-annotation: preannotate/roundtrip = %.2f (target <= 3)\n", p / r }'
