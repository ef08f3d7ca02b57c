# Shared by the multi-file benchmarks (sourced): the generated corpus of FILES texts of TOKENS
# tokens (seeds 1 to FILES), made once under WORK and again when the generator changed, and the
# timing helpers. Needs BENCH_DIR, WORK, FILES, TOKENS, PY and die().

# Makes the corpus when missing and fills the array `inputs` with its files.
prepare_corpus() {
    CORPUS="$WORK/query_f${FILES}_t${TOKENS}"
    if [[ ! -f "$CORPUS/.done" || "$BENCH_DIR/gen_corpus.py" -nt "$CORPUS/.done" ]]; then
        rm -rf "$CORPUS"
        mkdir -p "$CORPUS"
        "$PY" - "$BENCH_DIR" "$CORPUS" "$FILES" "$TOKENS" <<'PY' || die "corpus generation failed"
import sys
sys.path.insert(0, sys.argv[1])
import gen_corpus
folder, files, tokens = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
for seed in range(1, files + 1):
    with open("%s/text%04d.xml" % (folder, seed), "w", encoding="utf-8", newline="\n") as out:
        gen_corpus.generate(out, tokens, seed)
PY
        touch "$CORPUS/.done"
    fi
    mapfile -t inputs < <(ls "$CORPUS"/text*.xml)
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END { print v[int((NR + 1) / 2)] }'; }
