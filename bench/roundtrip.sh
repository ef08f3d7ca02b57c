#!/usr/bin/env bash
# Round-trip benchmark: pelmora-cli versus the lxml reference.
#
# Usage: bench/roundtrip.sh [CLI] [WORKDIR]
#   CLI      path to pelmora-cli (default: build/release/bin/pelmora-cli)
#   WORKDIR  where corpora and outputs go (default: build/bench)
#
# Environment overrides: BENCH_TOKENS (default 1000000), BENCH_SEED (1),
# BENCH_RUNS (3), PYTHON (/usr/bin/python3), TIME (/usr/bin/time).
#
# Prints a timing table and the speed / peak-memory ratios. The targets are
# reported, not enforced: the script exits non-zero only when a command
# fails, an output is missing, or the tree check finds a difference.
set -euo pipefail

BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CLI="${1:-build/release/bin/pelmora-cli}"
WORK="${2:-build/bench}"
TOKENS="${BENCH_TOKENS:-1000000}"
SEED="${BENCH_SEED:-1}"
RUNS="${BENCH_RUNS:-3}"
PY="${PYTHON:-/usr/bin/python3}"
TIMECMD="${TIME:-/usr/bin/time}"
GEN="$BENCH_DIR/gen_corpus.py"
REF="$BENCH_DIR/reference/lxml_roundtrip.py"

die() { echo "roundtrip bench: $*" >&2; exit 1; }

[[ -x "$CLI" ]] || die "pelmora-cli not found or not executable: $CLI"
[[ -x "$TIMECMD" ]] || die "GNU time not found: $TIMECMD"
"$PY" -c 'import lxml.etree' 2>/dev/null || die "python3 lxml is not available ($PY)"
mkdir -p "$WORK"

# Generate a corpus unless an up-to-date copy with the same parameters exists.
corpus() { # tokens seed -> prints path
    local path="$WORK/corpus_t$1_s$2.xml"
    if [[ ! -s "$path" || "$GEN" -nt "$path" ]]; then
        "$PY" "$GEN" --tokens "$1" --seed "$2" "$path.tmp" >&2 \
            || die "corpus generation failed"
        mv "$path.tmp" "$path"
    fi
    echo "$path"
}

# ---------------------------------------------------------------- tree check
SMALL="$(corpus 2000 7)"
SMALL_OUT="$WORK/small_pelmora.xml"
rm -f "$SMALL_OUT"
"$CLI" roundtrip "$SMALL" "$SMALL_OUT" || die "pelmora-cli roundtrip failed on $SMALL"
[[ -s "$SMALL_OUT" ]] || die "pelmora-cli wrote no output for $SMALL"

"$PY" - "$SMALL" "$SMALL_OUT" <<'PY' || exit 1
import sys
from lxml import etree


def load(path):
    parser = etree.XMLParser(remove_blank_text=True, remove_comments=False,
                             remove_pis=False, resolve_entities=False)
    return etree.parse(path, parser)


def norm(text):
    # Whitespace-only text between elements is layout, not content.
    if text is None or text.strip() == "":
        return ""
    return text


def kind(node):
    if node.tag is etree.Comment:
        return ("comment",)
    if node.tag is etree.PI:
        return ("pi", node.target)
    return ("element", node.tag)


def fail(path, what, a, b):
    print("roundtrip tree check: FAILED at %s: %s differs" % (path, what))
    print("  input:  %r" % (a,))
    print("  output: %r" % (b,))
    sys.exit(1)


def compare(a, b, path):
    if kind(a) != kind(b):
        fail(path, "node kind/name", kind(a), kind(b))
    if norm(a.text) != norm(b.text):
        fail(path, "text", a.text, b.text)
    if kind(a)[0] == "element":
        if list(a.attrib.items()) != list(b.attrib.items()):
            fail(path, "attributes", list(a.attrib.items()),
                 list(b.attrib.items()))
    ca, cb = list(a), list(b)
    if len(ca) != len(cb):
        fail(path, "child count", len(ca), len(cb))
    for i, (x, y) in enumerate(zip(ca, cb)):
        sub = "%s/%s[%d]" % (path, kind(x)[-1] if kind(x)[0] != "comment"
                             else "comment()", i)
        compare(x, y, sub)
        if norm(x.tail) != norm(y.tail):
            fail(sub, "tail text", x.tail, y.tail)


def prolog(root):
    nodes = []
    n = root.getprevious()
    while n is not None:
        nodes.append(n)
        n = n.getprevious()
    nodes.reverse()
    n = root.getnext()
    while n is not None:
        nodes.append(n)
        n = n.getnext()
    return nodes


src, out = load(sys.argv[1]), load(sys.argv[2])
pa, pb = prolog(src.getroot()), prolog(out.getroot())
if [(kind(n), n.text) for n in pa] != [(kind(n), n.text) for n in pb]:
    fail("/", "nodes outside the root element",
         [(kind(n), n.text) for n in pa], [(kind(n), n.text) for n in pb])
compare(src.getroot(), out.getroot(), "/" + src.getroot().tag)
print("roundtrip tree check: ok")
PY

# ----------------------------------------------------------------- benchmark
BIG="$(corpus "$TOKENS" "$SEED")"
PEL_OUT="$WORK/big_pelmora.xml"
REF_OUT="$WORK/big_lxml.xml"

# Runs a command under GNU time; prints "<wall seconds> <max rss kB>".
measure() { # label logfile cmd...
    local label="$1" log="$2"
    shift 2
    if ! "$TIMECMD" -v -o "$log" "$@"; then
        cat "$log" >&2 || true
        die "$label failed: $*"
    fi
    awk -F': ' '
        /Elapsed \(wall clock\) time/ {
            n = split($NF, p, ":")
            if (n == 3) wall = p[1] * 3600 + p[2] * 60 + p[3]
            else if (n == 2) wall = p[1] * 60 + p[2]
            else wall = p[1]
        }
        /Maximum resident set size \(kbytes\)/ { rss = $NF }
        END {
            if (wall == "" || rss == "") exit 1
            printf "%.2f %d\n", wall, rss
        }' "$log" || die "could not read GNU time output in $log"
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {
    if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
maximum() { printf '%s\n' "$@" | sort -g | tail -n 1; }

pel_wall=() pel_rss=() ref_wall=() ref_rss=()
for ((run = 1; run <= RUNS; run++)); do
    rm -f "$PEL_OUT" "$REF_OUT"
    m="$(measure "pelmora-cli roundtrip" "$WORK/time_pelmora_$run.log" \
        "$CLI" roundtrip "$BIG" "$PEL_OUT")"
    read -r w r <<<"$m"
    [[ -s "$PEL_OUT" ]] || die "pelmora-cli produced no output ($PEL_OUT)"
    pel_wall+=("$w") pel_rss+=("$r")

    m="$(measure "lxml reference" "$WORK/time_lxml_$run.log" \
        "$PY" "$REF" "$BIG" "$REF_OUT")"
    read -r w r <<<"$m"
    [[ -s "$REF_OUT" ]] || die "lxml reference produced no output ($REF_OUT)"
    ref_wall+=("$w") ref_rss+=("$r")
done

pw="$(median "${pel_wall[@]}")" pr="$(maximum "${pel_rss[@]}")"
rw="$(median "${ref_wall[@]}")" rr="$(maximum "${ref_rss[@]}")"

in_mb="$(awk -v b="$(stat -c %s "$BIG")" 'BEGIN { printf "%.1f", b / 1048576 }')"
echo
echo "input: $BIG ($TOKENS tokens, $in_mb MiB), $RUNS runs each, alternating"
printf '%-22s %-24s %12s %14s\n' "tool" "wall times (s)" "median (s)" "max RSS (MiB)"
printf '%-22s %-24s %12s %14.1f\n' "pelmora-cli roundtrip" "${pel_wall[*]}" "$pw" \
    "$(awk -v k="$pr" 'BEGIN { print k / 1024 }')"
printf '%-22s %-24s %12s %14.1f\n' "lxml (reference)" "${ref_wall[*]}" "$rw" \
    "$(awk -v k="$rr" 'BEGIN { print k / 1024 }')"
echo
awk -v p="$pw" -v r="$rw" 'BEGIN {
    if (p <= 0) p = 0.01   # GNU time resolution is 10 ms
    printf "roundtrip speed: lxml/pelmora = %.2fx (target >= 3)\n", r / p }'
awk -v p="$pr" -v r="$rr" 'BEGIN {
    printf "roundtrip peak memory: pelmora/lxml = %.2f (target <= 0.5)\n", p / r }'
exit 0
