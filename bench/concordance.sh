#!/usr/bin/env bash
# Concordance benchmark: `pelmora-cli concordance` of a frequent lemma against `pelmora-cli check`
# over the same files (the cost of reading them) and against a reference concordance written in
# Python with lxml that writes the same lines.
#
# Usage: bench/concordance.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the corpus and the results go (default: build/bench)
#
# Environment: BENCH_FILES (500), BENCH_FILE_TOKENS (2000), BENCH_RUNS (3), PYTHON (/usr/bin/python3).
# Prints the median times and two ratio lines; the targets are reported, not enforced. Fails when a
# command fails or the two results differ.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
FILES="${BENCH_FILES:-500}"
TOKENS="${BENCH_FILE_TOKENS:-2000}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"
REF="$BENCH_DIR/reference/lxml_concordance.py"

die() { echo "concordance bench: $*" >&2; exit 1; }
[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
"$PY" -c 'import lxml.etree' 2>/dev/null || die "python3 lxml is not available ($PY)"

source "$BENCH_DIR/corpus.sh"
prepare_corpus

# The most frequent lemma of the corpus (each file draws its own lemmas, so short ones recur).
LEMMA="$(cat "${inputs[@]}" | grep -o ' lemma="[^"]*"' | sort | uniq -c | sort -k1,1nr -k2 \
    | awk 'NR == 1 { sub(/.*lemma="/, ""); sub(/"$/, ""); print }')"
[[ -n "$LEMMA" ]] || die "no lemma found in the corpus"

check_t=() conc_t=() ref_t=()
for ((run = 1; run <= RUNS; run++)); do
    t0="$(now)"; "$CLI" check "${inputs[@]}" >/dev/null || die "pelmora-cli check failed"; t1="$(now)"
    check_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"
    "$CLI" concordance --lemma "$LEMMA" "${inputs[@]}" >"$WORK/concordance_pelmora.tsv" \
        || die "pelmora-cli concordance failed"
    t1="$(now)"
    conc_t+=("$(elapsed "$t0" "$t1")")
    t0="$(now)"
    "$PY" "$REF" --lemma "$LEMMA" "${inputs[@]}" >"$WORK/concordance_lxml.tsv" || die "lxml reference failed"
    t1="$(now)"
    ref_t+=("$(elapsed "$t0" "$t1")")
done

cmp -s "$WORK/concordance_pelmora.tsv" "$WORK/concordance_lxml.tsv" \
    || die "the results differ: $WORK/concordance_pelmora.tsv $WORK/concordance_lxml.tsv"

lines=$(($(wc -l <"$WORK/concordance_pelmora.tsv") - 1))
c="$(median "${check_t[@]}")" q="$(median "${conc_t[@]}")" r="$(median "${ref_t[@]}")"
echo "concordance: lemma \"$LEMMA\", $FILES files x $TOKENS tokens, $RUNS runs each; $lines lines (results identical)"
printf '%-28s %s  median %s s\n' "pelmora-cli check" "${check_t[*]}" "$c"
printf '%-28s %s  median %s s\n' "pelmora-cli concordance" "${conc_t[*]}" "$q"
printf '%-28s %s  median %s s\n' "lxml concordance (reference)" "${ref_t[*]}" "$r"
awk -v q="$q" -v c="$c" 'BEGIN { printf "concordance time / check time = %.2f (target <= 1.3)\n", q / c }'
awk -v q="$q" -v r="$r" 'BEGIN { printf "concordance speed: lxml/pelmora = %.2fx (target >= 8)\n", r / q }'
