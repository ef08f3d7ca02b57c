#!/usr/bin/env bash
# The dictionary table on a 60,000-entry dictionary: tables made, filter keystrokes, sorting and
# the usage count over a 200,000-token text.
#
# Usage: bench/dictionarytable.sh [BINDIR] [WORKDIR]   (defaults: build/release/bin, build/bench)
# Environment overrides: BENCH_FORMS (60000), BENCH_LEMMAS (30000), BENCH_TOKENS (200000).
set -euo pipefail
BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="${1:-build/release/bin}"
work="${2:-build/bench}"
forms="${BENCH_FORMS:-60000}"
lemmas="${BENCH_LEMMAS:-30000}"
tokens="${BENCH_TOKENS:-200000}"
py="${PYTHON:-/usr/bin/python3}"
[[ -x "$bin/gui_dictionarytable_bench" ]] || { echo "dictionary table bench: $bin/gui_dictionarytable_bench not found" >&2; exit 1; }
mkdir -p "$work"
dict="$work/table_dict_f${forms}_l${lemmas}.xml"
text="$work/table_text_t${tokens}.xml"
if [[ ! -s "$dict" || ! -s "$text" || "$BENCH_DIR/gen_dictionary.py" -nt "$dict" ]]; then
    "$py" "$BENCH_DIR/gen_dictionary.py" --forms "$forms" --lemmas "$lemmas" --tokens "$tokens" "$dict" "$text" >&2
fi
QT_QPA_PLATFORM=offscreen "$bin/gui_dictionarytable_bench" "$dict" "$text"
