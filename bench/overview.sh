#!/usr/bin/env bash
# Corpus overview benchmark: `pelmora-cli overview` and `pelmora-cli inconsistencies` against
# `pelmora-cli check` over the same files (the cost of reading them).
#
# Usage: bench/overview.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the corpus and the results go (default: build/bench)
#
# Environment: BENCH_FILES (500), BENCH_FILE_TOKENS (2000), BENCH_RUNS (3), PYTHON (/usr/bin/python3).
# Prints the median times and two ratio lines; the targets are reported, not enforced. Fails when a
# command fails.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
FILES="${BENCH_FILES:-500}"
TOKENS="${BENCH_FILE_TOKENS:-2000}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"

die() { echo "overview bench: $*" >&2; exit 1; }
[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"

source "$BENCH_DIR/corpus.sh"
prepare_corpus

check_t=() over_t=() inco_t=()
for ((run = 1; run <= RUNS; run++)); do
    t0="$(now)"; "$CLI" check "${inputs[@]}" >/dev/null || die "pelmora-cli check failed"; t1="$(now)"
    check_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"; "$CLI" overview "${inputs[@]}" >"$WORK/overview.tsv" || die "pelmora-cli overview failed"; t1="$(now)"
    over_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"
    "$CLI" inconsistencies "${inputs[@]}" >"$WORK/inconsistencies.tsv" || die "pelmora-cli inconsistencies failed"
    t1="$(now)"
    inco_t+=("$(elapsed "$t0" "$t1")")
done

lines=$(($(wc -l <"$WORK/inconsistencies.tsv") - 1))
c="$(median "${check_t[@]}")" o="$(median "${over_t[@]}")" i="$(median "${inco_t[@]}")"
echo "overview: $FILES files x $TOKENS tokens, $RUNS runs each; $lines inconsistent tokens"
printf '%-32s %s  median %s s\n' "pelmora-cli check" "${check_t[*]}" "$c"
printf '%-32s %s  median %s s\n' "pelmora-cli overview" "${over_t[*]}" "$o"
printf '%-32s %s  median %s s\n' "pelmora-cli inconsistencies" "${inco_t[*]}" "$i"
awk -v o="$o" -v c="$c" 'BEGIN { printf "overview time / check time = %.2f (target <= 1.3)\n", o / c }'
awk -v i="$i" -v c="$c" 'BEGIN { printf "inconsistencies time / check time = %.2f (target <= 1.5)\n", i / c }'
