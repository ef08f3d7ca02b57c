#!/usr/bin/env bash
# The running text on a 500,000-token text against opening it in the core: first layout, moving
# the current token, a width change, painting a screen and peak memory, as ratios.
#
# Usage: bench/gui.sh [BINDIR] [WORKDIR]   (defaults: build/release/bin, build/bench)
# Environment overrides: BENCH_TOKENS (500000), BENCH_SEED (1), PYTHON (/usr/bin/python3).
set -euo pipefail
BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="${1:-build/release/bin}"
work="${2:-build/bench}"
tokens="${BENCH_TOKENS:-500000}"
seed="${BENCH_SEED:-1}"
py="${PYTHON:-/usr/bin/python3}"
[[ -x "$bin/gui_textview_bench" ]] || { echo "gui bench: $bin/gui_textview_bench not found" >&2; exit 1; }
mkdir -p "$work"
text="$work/corpus_t${tokens}_s${seed}.xml"
if [[ ! -s "$text" || "$BENCH_DIR/gen_corpus.py" -nt "$text" ]]; then
    "$py" "$BENCH_DIR/gen_corpus.py" --tokens "$tokens" --seed "$seed" "$text.tmp" >&2
    mv "$text.tmp" "$text"
fi
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-/usr/share/fonts/truetype/liberation}" \
    "$bin/gui_textview_bench" "$text"
