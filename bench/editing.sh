#!/usr/bin/env bash
# Editing benchmark: `pelmora-cli edit` with structural edits that renumber the whole text, side by
# side with a plain open-and-save of the same text, so the cost of the edits (and of the undo
# history they record) shows as a ratio over reading and writing the file.
#
# Usage: bench/editing.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where the corpus and outputs go (default: build/bench)
#
# Environment overrides: BENCH_TOKENS (default 300000), BENCH_SEED (1), BENCH_RUNS (3),
# BENCH_PAIRS (split/merge pairs at the start of the text, default 10), PYTHON, TIME.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
TOKENS="${BENCH_TOKENS:-300000}"
SEED="${BENCH_SEED:-1}"
RUNS="${BENCH_RUNS:-3}"
PAIRS="${BENCH_PAIRS:-10}"
PY="${PYTHON:-/usr/bin/python3}"
TIMECMD="${TIME:-/usr/bin/time}"

die() { echo "editing bench: $*" >&2; exit 1; }
[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
[[ -x "$TIMECMD" ]] || die "GNU time not found: $TIMECMD"
mkdir -p "$WORK"

BIG="$WORK/corpus_t${TOKENS}_s${SEED}.xml"
if [[ ! -s "$BIG" || "$BENCH_DIR/gen_corpus.py" -nt "$BIG" ]]; then
    "$PY" "$BENCH_DIR/gen_corpus.py" --tokens "$TOKENS" --seed "$SEED" "$BIG.tmp" >&2 || die "corpus generation failed"
    mv "$BIG.tmp" "$BIG"
fi

# Each split at the first token and merge back renumbers every sentence and token after it.
ops=()
for ((i = 0; i < PAIRS; i++)); do
    ops+=(split l1_s1 merge l1 l2)
done
ops+=(modify-token l1_s1 muudetud add-token l1_s1 lisatud delete-token l1_s2)

measure() { # log cmd... -> "<wall seconds> <max rss kB>"
    local log="$1"
    shift
    "$TIMECMD" -v -o "$log" "$@" 2>>"$WORK/editing_stderr.log" || { cat "$log" >&2; die "failed: $*"; }
    awk -F': ' '
        /Elapsed \(wall clock\) time/ { n = split($NF, p, ":"); wall = (n == 3) ? p[1] * 3600 + p[2] * 60 + p[3] : p[1] * 60 + p[2] }
        /Maximum resident set size \(kbytes\)/ { rss = $NF }
        END { printf "%.2f %d\n", wall, rss }' "$log"
}
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
maximum() { printf '%s\n' "$@" | sort -g | tail -n 1; }

open_wall=() open_rss=() edit_wall=() edit_rss=()
for ((run = 1; run <= RUNS; run++)); do
    read -r w r <<<"$(measure "$WORK/time_open_$run.log" "$CLI" roundtrip "$BIG" "$WORK/editing_open.xml")"
    open_wall+=("$w") open_rss+=("$r")
    read -r w r <<<"$(measure "$WORK/time_edit_$run.log" "$CLI" edit "$BIG" -o "$WORK/editing_edit.xml" "${ops[@]}")"
    edit_wall+=("$w") edit_rss+=("$r")
done
"$CLI" check "$WORK/editing_edit.xml" >/dev/null || die "the edited text does not open"

ow="$(median "${open_wall[@]}")" orss="$(maximum "${open_rss[@]}")"
ew="$(median "${edit_wall[@]}")" erss="$(maximum "${edit_rss[@]}")"
echo "input: $BIG ($TOKENS tokens), $RUNS runs each, alternating; edit = $((2 * PAIRS)) whole-text renumberings + 3 token edits"
printf '%-26s %-22s %10s %14s\n' "command" "wall times (s)" "median (s)" "max RSS (MiB)"
printf '%-26s %-22s %10s %14.1f\n' "roundtrip (open + save)" "${open_wall[*]}" "$ow" "$(awk -v k="$orss" 'BEGIN { print k / 1024 }')"
printf '%-26s %-22s %10s %14.1f\n' "edit (open + edits + save)" "${edit_wall[*]}" "$ew" "$(awk -v k="$erss" 'BEGIN { print k / 1024 }')"
awk -v e="$ew" -v o="$ow" 'BEGIN { if (o <= 0) o = 0.01; printf "edit time: edit/roundtrip = %.2fx\n", e / o }'
awk -v e="$erss" -v o="$orss" 'BEGIN { printf "edit peak memory: edit/roundtrip = %.2fx\n", e / o }'
