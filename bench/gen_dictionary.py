#!/usr/bin/python3
"""Write a synthetic shared dictionary and an annotated text that draws on it.

Usage: gen_dictionary.py --forms N --lemmas M --tokens T [--seed S] [--known F] DICT.xml TEXT.xml

The dictionary holds N word-form entries (a fifth of them with a second
analysis) and M lemma entries, sorted by UTF-16 code units as the program
keeps them. The text holds T annotated tokens in sentences of 5 to 15; a
share F (default 0.8) repeats an analysis already in the dictionary, the
rest are new word forms and lemmas. Every tenth sentence ends with a
combination. Deterministic for given arguments.
"""

import argparse
import random
from xml.sax.saxutils import quoteattr, escape

ONSETS = ["", "k", "p", "t", "v", "m", "n", "l", "s", "r", "j", "ļ", "ņ", "š", "ž", "d", "b", "g", "z"]
VOWELS = ["a", "e", "i", "o", "u", "õ", "ȯ", "ǟ", "ā", "ē", "ī", "ū", "ō", "ȱ", "ä", "ai", "ie", "uo"]
CODAS = ["", "", "n", "d", "z", "l", "t", "s", "ks", "m"]
FORMS = ["sg.nom.", "sg.gen.", "sg.part.", "sg.dat.", "pl.nom.", "pl.gen.", "pers.ind.pr.sg.1.",
         "pers.ind.pr.sg.3.", "pers.ind.pt.sg.3.", ""]
POS = ["S", "V", "A", "Adv", "ProS", "Num", "Konj", "Post"]


def word(rng, syllables):
    return "".join(rng.choice(ONSETS) + rng.choice(VOWELS) + rng.choice(CODAS) for _ in range(syllables))


def unique_words(rng, count, taken):
    out = []
    while len(out) < count:
        w = word(rng, rng.randint(2, 4))
        if w not in taken:
            taken.add(w)
            out.append(w)
    return out


def ordinal(text):
    return text.encode("utf-16-be")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--forms", type=int, required=True)
    ap.add_argument("--lemmas", type=int, required=True)
    ap.add_argument("--tokens", type=int, required=True)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--known", type=float, default=0.8)
    ap.add_argument("dictionary")
    ap.add_argument("text")
    a = ap.parse_args()
    rng = random.Random(a.seed)
    taken = set()

    lemmas = unique_words(rng, a.lemmas, taken)
    lemma_info = {l: (word(rng, 2), rng.choice(POS), word(rng, 2), "en" + word(rng, 1)) for l in lemmas}
    forms = unique_words(rng, a.forms, taken)
    form_info = {}
    for f in forms:
        analyses = [(rng.choice(lemmas), rng.choice(FORMS))]
        if rng.random() < 0.2:
            analyses.append((rng.choice(lemmas), rng.choice(FORMS)))
        form_info[f] = analyses

    def attrs(pairs):
        return "".join(" %s=%s" % (k, quoteattr(v)) for k, v in pairs if v)

    with open(a.dictionary, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n'
                  '<?xml-stylesheet type="text/xsl" href="zobe_sonastik.xsl"?>\n'
                  '<pelmora tyyp="sonastik">\n<soned>\n')
        for f in sorted(forms + ["__"], key=ordinal):
            if f == "__":
                out.write('<sone id="__" lemma="__"/>\n')
                continue
            (l, v), rest = form_info[f][0], form_info[f][1:]
            head = "<sone" + attrs([("id", f), ("lemma", l), ("vorm", v), ("kaal", str(rng.randint(1, 9)))])
            if not rest:
                out.write(head + "/>\n")
            else:
                out.write(head + ">")
                for l2, v2 in rest:
                    out.write("<sone" + attrs([("id", f), ("lemma", l2), ("vorm", v2), ("kaal", "1")]) + "/>")
                out.write("</sone>\n")
        out.write("</soned>\n<lemmad>\n")
        for l in sorted(lemmas + ["__"], key=ordinal):
            if l == "__":
                out.write('<lemma id="__" tahendus="__"/>\n')
                continue
            t, k, lv, en = lemma_info[l]
            out.write("<lemma" + attrs([("id", l), ("tahendus", t), ("liik", k), ("lati", lv), ("ingl", en),
                                        ("kaal", str(rng.randint(1, 9)))]) + "/>\n")
        out.write('</lemmad>\n<yhendid>\n<yhend id="__" ytahendus="__"/>\n</yhendid></pelmora>')

    with open(a.text, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<pelmora>\n<sisu id="bench">\n')
        written = 0
        sentence = 0
        while written < a.tokens:
            sentence += 1
            n = min(rng.randint(5, 15), a.tokens - written)
            out.write('<lause id="l%d">\n' % sentence)
            for i in range(1, n + 1):
                if rng.random() < a.known:
                    f = rng.choice(forms)
                    l, v = rng.choice(form_info[f])
                    surface = f.capitalize() if i == 1 else f
                else:
                    surface = word(rng, 3)
                    l, v = word(rng, 3), rng.choice(FORMS)
                t, k, lv, en = lemma_info.get(l) or (word(rng, 2), rng.choice(POS), "", "")
                out.write('<sone%s>%s</sone>\n' % (attrs([("id", "l%d_s%d" % (sentence, i)), ("lemma", l),
                                                           ("tahendus", t), ("liik", k), ("lati", lv),
                                                           ("ingl", en), ("vorm", v)]), escape(surface)))
            if sentence % 10 == 0 and n >= 2:
                out.write('<yhend%s/>\n' % attrs([("id", "l%d_s1_s2" % sentence), ("ylemma", word(rng, 2) + " " + word(rng, 2)),
                                                 ("ytahendus", word(rng, 3)), ("yliik", rng.choice(POS))]))
            out.write("</lause>\n")
            written += n
        out.write("</sisu>\n</pelmora>\n")


if __name__ == "__main__":
    main()
