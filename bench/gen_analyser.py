#!/usr/bin/python3
"""Write the sources of a generated Livonian-like analyser, its words and a text of them.

Usage: gen_analyser.py --stems N [--tokens T] [--seed S] OUTDIR

Writes into OUTDIR:
  bench.lexc   N stems (nouns, verbs, adjectives) with their endings; the upper side is
               lemma+TAGS, the lower side the stem with the archiphoneme {õ} and the boundary >
  bench.twolc  the two-level rules: {õ} drops before an ending that starts with a vowel and
               is written õ elsewhere; the boundary is never written
  words.txt    one surface form per line (every stem once, in a random form), as the
               transducer reads them after the rules
  text.xml     a corpus text of T tokens drawn from the surface forms (frequent words more
               often), with some punctuation, tokens without any annotation
The output is deterministic for (N, T, S).
"""

import argparse
import os
import random

ONSETS = ["k", "p", "t", "v", "m", "n", "l", "s", "r", "j", "ļ", "ņ", "š", "ž", "d", "b", "g", "z"]
VOWELS = ["a", "e", "i", "o", "u", "õ", "ȯ", "ǟ", "ā", "ē", "ī", "ū", "ō", "ȱ", "ä"]
CODAS = ["", "", "n", "d", "l", "t", "s", "m", "ņ", "ļ", "ž"]
ALPHABET = sorted(set("".join(ONSETS + VOWELS + CODAS)))
VOWEL_SET = set(VOWELS)

NOUN = [("+Sg+Nom", ""), ("+Sg+Gen", ">n"), ("+Sg+Par", ">dõ"), ("+Sg+Dat", ">n"),
        ("+Sg+Ill", ">zõ"), ("+Sg+Ine", ">sõ"), ("+Sg+Ela", ">ist"), ("+Sg+Ins", ">ks"),
        ("+Pl+Nom", ">d"), ("+Pl+Gen", ">d"), ("+Pl+Par", ">i"), ("+Pl+Dat", ">dõn"),
        ("+Pl+Ill", ">iz"), ("+Pl+Ine", ">is"), ("+Pl+Ela", ">ist")]
VERB = [("+Inf", ""), ("+Ind+Prs+Sg1", ">b"), ("+Ind+Prs+Sg2", ">d"), ("+Ind+Prs+Sg3", ">b"),
        ("+Ind+Prs+Pl1", ">mõ"), ("+Ind+Prs+Pl2", ">tõ"), ("+Ind+Prt+Sg3", ">iz"),
        ("+Ind+Prt+Pl3", ">it"), ("+Cond+Sg3", ">ks"), ("+Sup", ">m"), ("+Ger", ">dõs"),
        ("+Act+PrfPrc+Sg", ">n"), ("+Pss+PrfPrc+Sg", ">dõd"), ("+Deb", ">mõst")]
ADJECTIVE = NOUN + [("+Comp+Sg+Nom", ">im"), ("+Superl+Sg+Nom", ">izt")]
CLASSES = [("N", "+N", NOUN), ("V", "+V", VERB), ("A", "+A", ADJECTIVE)]


def stem(rng):
    return "".join(rng.choice(ONSETS) + rng.choice(VOWELS) + rng.choice(CODAS)
                   for _ in range(rng.choice([1, 2, 2, 3])))


def surface(lower):
    # The rules: {õ} is dropped right before a boundary followed by a vowel, written õ elsewhere.
    out = []
    for i, part in enumerate(lower.split(">")):
        if i > 0 and out and out[-1].endswith("{õ}"):
            out[-1] = out[-1][:-3] + ("" if part[:1] in VOWEL_SET else "õ")
        out.append(part)
    text = "".join(out)
    return text.replace("{õ}", "õ")


def lexc_escape(text):
    return "".join("%" + c if c in "!;:<>%0" else c for c in text)


def write_sources(args):
    rng = random.Random(args.seed)
    seen = set()
    entries = []
    while len(entries) < args.stems:
        base = stem(rng)
        archi = rng.random() < 0.3
        lemma = base + ("õ" if archi else "")
        if lemma in seen:
            continue
        seen.add(lemma)
        name, tag, endings = rng.choice(CLASSES)
        entries.append((lemma, base + ("{õ}" if archi else ""), name, tag, endings))

    with open(os.path.join(args.outdir, "bench.lexc"), "w", encoding="utf-8") as lexc:
        tags = sorted({t for _, t, e in CLASSES for t in [t]} |
                      {part for _, _, e in CLASSES for upper, _ in e for part in
                       ["+" + p for p in upper.split("+") if p]})
        lexc.write("Multichar_Symbols\n" + " ".join(tags) + " %{õ%} %>\n\n")
        lexc.write("LEXICON Root\n")
        for lemma, lower, name, tag, _ in entries:
            lexc.write("%s%s:%s %s ;\n" % (lexc_escape(lemma), tag,
                                          lexc_escape(lower).replace("{õ}", "%{õ%}"), name))
        for name, _, endings in CLASSES:
            lexc.write("\nLEXICON %s\n" % name)
            for upper, lower in endings:
                lexc.write("%s:%s # ;\n" % (upper, lower.replace(">", "%>") or "0"))

    with open(os.path.join(args.outdir, "bench.twolc"), "w", encoding="utf-8") as twolc:
        twolc.write("Alphabet\n " + " ".join(ALPHABET) + "\n %{õ%}:õ %{õ%}:0 %>:0 ;\n")
        twolc.write("Sets\nVowel = " + " ".join(VOWELS) + " ;\n")
        twolc.write("Rules\n\"Stem vowel drops before a vowel ending\"\n%{õ%}:0 <=> _ %>: Vowel ;\n")

    words = []
    for lemma, lower, _, _, endings in entries:
        _, ending = rng.choice(endings)
        words.append(surface(lower + ending))
    with open(os.path.join(args.outdir, "words.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(words) + "\n")
    return rng, words


def write_text(rng, words, args):
    # Frequent words come often, as in real texts: a few hundred words make most of the tokens.
    weights = [1.0 / (rank + 1) for rank in range(len(words))]
    chosen = rng.choices(words, weights=weights, k=args.tokens)
    with open(os.path.join(args.outdir, "text.xml"), "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<pelmora>\n<sisu id="bench">\n')
        sentence, position = 1, 0
        out.write('<lause id="l1">\n')
        for word in chosen:
            position += 1
            out.write('<sone id="l%d_s%d">%s</sone>\n' % (sentence, position, word))
            if position >= 12 and rng.random() < 0.15:
                position += 1
                out.write('<sone id="l%d_s%d" meta="vahemärk">.</sone>\n</lause>\n' % (sentence, position))
                sentence, position = sentence + 1, 0
                out.write('<lause id="l%d">\n' % sentence)
        if position == 0:
            out.write('<sone id="l%d_s1" meta="vahemärk">.</sone>\n' % sentence)
        out.write("</lause>\n</sisu>\n</pelmora>\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stems", type=int, required=True)
    parser.add_argument("--tokens", type=int, default=200000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("outdir")
    args = parser.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    rng, words = write_sources(args)
    write_text(rng, words, args)


if __name__ == "__main__":
    main()
