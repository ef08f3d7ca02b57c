#!/usr/bin/python3
"""Reference concordance with lxml, for the concordance benchmark.

Usage: lxml_concordance.py (--lemma L | --form W) [--context N] FILE...

Writes the same tab-separated lines, header first, as `pelmora-cli concordance`
with the same options to standard output.
"""

import argparse
import sys
import unicodedata

from lxml import etree

from markup import nfc, remove_markup

COLUMNS = ["left", "token", "right", "lemma", "form", "file", "sentence", "page", "token_id"]
OPENING = {"(", "[", "{", "„", "«", "‹", "‚", "¿", "¡"}
CLOSING = {")", "]", "}", "»", "›", "“", "”", "’", ".", ",", ";", ":", "!", "?", "…"}


def key(text):
    return nfc(remove_markup(text.lower()))


def is_punctuation(text):
    return bool(text) and all(unicodedata.category(c).startswith("P") for c in text)


def join(texts):
    out = []
    glue = True
    for text in texts:
        punct = is_punctuation(text)
        if not glue and not (punct and text in CLOSING):
            out.append(" ")
        out.append(text)
        glue = punct and text in OPENING
    return "".join(out)


def context(texts, at, words, before):
    if words <= 0:
        return ""
    picked = []
    counted = 0
    indices = range(at - 1, -1, -1) if before else range(at + 1, len(texts))
    lean = OPENING if before else CLOSING
    for i in indices:
        text = texts[i]
        punct = is_punctuation(text)
        if counted == words and not (punct and text in lean):
            break
        if not punct:
            counted += 1
        picked.append(text)
    if before:
        picked.reverse()
    return join(picked)


def column(value):
    return value.replace("\t", " ").replace("\n", " ").replace("\r", " ")


def first_child(node, name):
    for child in node:
        if child.tag == name:
            return child
    return None


def main():
    parser = argparse.ArgumentParser()
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--lemma")
    group.add_argument("--form")
    parser.add_argument("--context", type=int, default=5)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()

    word = args.lemma if args.lemma is not None else args.form
    wanted = key(word)
    by_lemma = args.lemma is not None
    out = sys.stdout
    out.write("\t".join(COLUMNS) + "\n")
    status = 0
    for path in args.files:
        try:
            root = etree.parse(path).getroot()
        except (OSError, etree.XMLSyntaxError):
            root = None
        body = first_child(root, "sisu") if root is not None and root.tag == "pelmora" else None
        first = first_child(body, "lause") if body is not None else None
        if first is None or first_child(first, "sone") is None:
            sys.stderr.write("Vigane fail %s.\n" % path)
            status = 1
            continue
        for sentence in body:
            if sentence.tag != "lause":
                continue
            tokens = [t for t in sentence if t.tag == "sone"]
            texts = [t.text or "" for t in tokens]
            for i, token in enumerate(tokens):
                if by_lemma:
                    lemma = token.get("lemma", "")
                    if not lemma or not word or (nfc(lemma) != nfc(word) and (not wanted or key(lemma) != wanted)):
                        continue
                elif not word or not wanted or key(texts[i]) != wanted:
                    continue
                values = [nfc(context(texts, i, args.context, True)), nfc(texts[i]),
                          nfc(context(texts, i, args.context, False)), nfc(token.get("lemma", "")),
                          nfc(token.get("vorm", "")), path, sentence.get("id", ""), token.get("lk", ""),
                          token.get("id", "")]
                out.write("\t".join(column(v) for v in values) + "\n")
    return status


if __name__ == "__main__":
    sys.exit(main())
