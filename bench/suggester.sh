#!/usr/bin/env bash
# The suggester's fills on a 200,000-token text, against the time to open it.
set -euo pipefail
bin="${1:-build/release/bin}"
work="${2:-build/bench}"
mkdir -p "$work"
text="$work/corpus_t200000_s3.xml"
if [ ! -s "$text" ] || [ bench/gen_corpus.py -nt "$text" ]; then
  /usr/bin/python3 bench/gen_corpus.py --tokens 200000 --seed 3 "$text"
fi
"$bin/suggester_bench" "$text" "$work"
