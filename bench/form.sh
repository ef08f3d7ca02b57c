#!/usr/bin/env bash
# The annotation form on a 200,000-token text with a 100,000-entry dictionary, and on a text ten
# times longer: a remember-and-show-next step and a headword keystroke against the core open.
#
# Usage: bench/form.sh [BINDIR] [WORKDIR]   (defaults: build/release/bin, build/bench)
# Environment overrides: BENCH_TOKENS (200000), BENCH_FORMS (100000), PYTHON (/usr/bin/python3).
set -euo pipefail
BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="${1:-build/release/bin}"
work="${2:-build/bench}"
tokens="${BENCH_TOKENS:-200000}"
forms="${BENCH_FORMS:-100000}"
py="${PYTHON:-/usr/bin/python3}"
[[ -x "$bin/gui_form_bench" ]] || { echo "form bench: $bin/gui_form_bench not found" >&2; exit 1; }
mkdir -p "$work"
dictionary="$work/form_dict_f${forms}.xml"
text="$work/form_text_t${tokens}.xml"
longer="$work/form_text_t$((tokens * 10)).xml"
if [[ ! -s "$text" || ! -s "$dictionary" || "$BENCH_DIR/gen_dictionary.py" -nt "$text" ]]; then
    "$py" "$BENCH_DIR/gen_dictionary.py" --forms "$forms" --lemmas "$((forms / 2))" --tokens "$tokens" \
        "$dictionary.tmp" "$text.tmp" >&2
    mv "$dictionary.tmp" "$dictionary"
    mv "$text.tmp" "$text"
fi
if [[ ! -s "$longer" || "$BENCH_DIR/gen_dictionary.py" -nt "$longer" ]]; then
    "$py" "$BENCH_DIR/gen_dictionary.py" --forms "$forms" --lemmas "$((forms / 2))" --tokens "$((tokens * 10))" \
        "$longer.dict.tmp" "$longer.tmp" >&2
    rm -f "$longer.dict.tmp"
    mv "$longer.tmp" "$longer"
fi
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-/usr/share/fonts/truetype/liberation}" \
    "$bin/gui_form_bench" "$dictionary" "$text" "$longer"
