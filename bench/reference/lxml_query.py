#!/usr/bin/python3
"""Reference multi-file query with lxml, for the query benchmark.

Usage: lxml_query.py OUT --t1 FIELD=PATTERN[@KIND] --relation REL --distance N
                     --t2 FIELD=PATTERN[@KIND] FILE...

Writes the same tab-separated result as `pelmora-cli query` with the same
options (no XML output, no prefix or extra columns; only the speaker's own
tokens are token 1 candidates) and prints "Leidsin N rida.".
"""

import argparse
import sys

from lxml import etree

from markup import nfc, remove_markup

FIELDS = ["sone", "lemma", "tahendus", "liik", "vorm", "kommentaar"]
LABELS = ["sõne: ", "lemma: ", "tähendus: ", "sõnaliik: ", "vorm: ", "kommentaar: "]
DEFAULT_KINDS = ["Täpne vaste"] * 4 + ["Keskel", "Täpne vaste"]


def ascii_lower(text):
    return text.translate(ASCII_LOWER)


ASCII_LOWER = {c: c + 32 for c in range(ord("A"), ord("Z") + 1)}


def match_value(value, pattern, kind):
    value, pattern = nfc(value), nfc(pattern)
    if kind == "Täpne vaste":
        v, p = value.lower(), pattern.lower()
        return v == p or remove_markup(v) == remove_markup(p)
    if kind == "Alguses":
        return ascii_lower(value).startswith(ascii_lower(pattern))
    if kind == "Keskel":
        return ascii_lower(pattern) in ascii_lower(value)
    if kind == "Lõpus":
        return ascii_lower(value).endswith(ascii_lower(pattern))
    return True


def parse_conditions(items):
    patterns = [("", k) for k in DEFAULT_KINDS]
    for item in items or []:
        field, _, rest = item.partition("=")
        index = FIELDS.index(field)
        kind = patterns[index][1]
        if "@" in rest:
            rest, _, kind = rest.rpartition("@")
        patterns[index] = (rest, kind)
    return patterns


def value_of(token, index):
    if index == 0:
        return token.text or ""
    return token.get(FIELDS[index], "")


def meets(token, patterns):
    for index, (pattern, kind) in enumerate(patterns):
        if pattern and not match_value(value_of(token, index), pattern, kind):
            return False
    return True


def describe(patterns, first):
    out = []
    for index, (pattern, kind) in enumerate(patterns):
        if pattern:
            label = "kommentaar=" if first and index == 5 else LABELS[index]
            out.append("%s%s [%s] " % (label, pattern, kind))
    return "".join(out)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out")
    ap.add_argument("--t1", action="append")
    ap.add_argument("--relation", default="")
    ap.add_argument("--distance", type=int, default=10)
    ap.add_argument("--t2", action="append")
    ap.add_argument("files", nargs="+")
    args = ap.parse_args()
    t1, t2 = parse_conditions(args.t1), parse_conditions(args.t2)
    rel = args.relation
    backwards = rel in ("varem", "varem v. hiljem")
    forwards = rel in ("hiljem", "varem v. hiljem")

    head = describe(t1, True)
    if rel:
        head += "ja samas lauses %s mitte kaugemal kui %d sona " % (rel, args.distance)
        head += describe(t2, False)
    lines = 0
    with open(args.out, "w", encoding="utf-8", newline="") as out:
        out.write("Päring: %s\r\n" % head)
        for path in args.files:
            root = etree.parse(path).getroot()
            body = root.find("sisu")
            text_id = body.get("id", "")
            for sentence in body.iterchildren("lause"):
                tokens = list(sentence.iterchildren("sone"))
                if not tokens:
                    break
                for position, token in enumerate(tokens):
                    if not meets(token, t1):
                        continue
                    if token.get("meta", "") in ("intervjueerija", "kommentaar"):
                        continue
                    if rel:
                        found = False
                        lo = max(0, position - args.distance - 1)
                        hi = min(len(tokens), position + args.distance + 2)
                        if backwards and any(meets(t, t2) for t in tokens[lo:position]):
                            found = True
                        if forwards and any(meets(t, t2) for t in tokens[position + 1:hi]):
                            found = True
                        if not found:
                            continue
                    out.write("%s»%s:\t" % (text_id, sentence.get("koneleja", "")))
                    out.write("".join((t.text or "") + " " for t in tokens))
                    out.write("\r\n")
                    lines += 1
    print("Leidsin %d rida." % lines)
    return 0


if __name__ == "__main__":
    sys.exit(main())
