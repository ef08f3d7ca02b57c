#!/usr/bin/env bash
# Multi-file query benchmark: `pelmora-cli query` against `pelmora-cli check` over the same files
# (the cost of reading them) and against a reference query written in Python with lxml.
#
# Usage: bench/query.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the corpus and the results go (default: build/bench)
#
# Environment: BENCH_FILES (500), BENCH_FILE_TOKENS (2000), BENCH_RUNS (3), PYTHON (/usr/bin/python3).
# Prints the median times and two ratio lines; the targets are reported, not enforced. Fails when a
# command fails or the two queries' results differ.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
FILES="${BENCH_FILES:-500}"
TOKENS="${BENCH_FILE_TOKENS:-2000}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"
REF="$BENCH_DIR/reference/lxml_query.py"

die() { echo "query bench: $*" >&2; exit 1; }
[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
"$PY" -c 'import lxml.etree' 2>/dev/null || die "python3 lxml is not available ($PY)"

source "$BENCH_DIR/corpus.sh"
prepare_corpus

# A lemma beginning for token 1, a relation and a part of speech for token 2.
conditions=(--t1 "lemma=ka@Alguses" --relation "varem v. hiljem" --distance 3 --t2 "liik=V")

check_t=() query_t=() ref_t=()
for ((run = 1; run <= RUNS; run++)); do
    t0="$(now)"; "$CLI" check "${inputs[@]}" >/dev/null || die "pelmora-cli check failed"; t1="$(now)"
    check_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"
    "$CLI" query --out "$WORK/query_pelmora.txt" "${conditions[@]}" "${inputs[@]}" >"$WORK/query_pelmora.log" \
        || die "pelmora-cli query failed"
    t1="$(now)"
    query_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"
    "$PY" "$REF" "$WORK/query_lxml.txt" "${conditions[@]}" "${inputs[@]}" >"$WORK/query_lxml.log" \
        || die "lxml reference failed"
    t1="$(now)"
    ref_t+=("$(elapsed "$t0" "$t1")")
done

cmp -s "$WORK/query_pelmora.txt" "$WORK/query_lxml.txt" || die "the results differ: $WORK/query_pelmora.txt $WORK/query_lxml.txt"
cmp -s "$WORK/query_pelmora.log" "$WORK/query_lxml.log" || die "the line counts differ"

c="$(median "${check_t[@]}")" q="$(median "${query_t[@]}")" r="$(median "${ref_t[@]}")"
echo "query: $FILES files x $TOKENS tokens, $RUNS runs each; $(cat "$WORK/query_pelmora.log") (results identical)"
printf '%-24s %s  median %s s\n' "pelmora-cli check" "${check_t[*]}" "$c"
printf '%-24s %s  median %s s\n' "pelmora-cli query" "${query_t[*]}" "$q"
printf '%-24s %s  median %s s\n' "lxml query (reference)" "${ref_t[*]}" "$r"
awk -v q="$q" -v c="$c" 'BEGIN { printf "query time / check time = %.2f (target <= 1.5)\n", q / c }'
awk -v q="$q" -v r="$r" 'BEGIN { printf "query speed: lxml/pelmora = %.2fx (target >= 4)\n", r / q }'
