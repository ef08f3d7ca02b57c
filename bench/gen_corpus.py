#!/usr/bin/python3
"""Write a synthetic Pelmora corpus text for benchmarks.

Usage: gen_corpus.py --tokens N [--seed S] OUT.xml

The output is deterministic for a given (N, S) pair and is written in a
streaming fashion, so memory use does not grow with N. The text mimics
real annotated material: Livonian word forms with lemma / meaning /
part-of-speech / morphology attributes, bare tokens, punctuation marked
with meta="vahemärk", occasional comments that need escaping, multi-word
units (<yhend>), XML comments and processing instructions.
"""

import argparse
import random
import sys

# Syllables for Livonian-looking word forms (with the special letters), in NFC as nearly all real
# text is; the spelling with combining marks has tests of its own.
LIV_ONSETS = ["", "k", "p", "t", "v", "m", "n", "l", "s", "r", "j", "ļ", "ņ",
              "ŗ", "š", "ž", "ț", "ḑ", "kj", "pl", "tr", "d", "b", "g", "z"]
LIV_VOWELS = ["a", "e", "i", "o", "u", "õ", "ȯ", "ǟ", "ā", "ē", "ī", "ū",
              "ō", "ȱ", "ä", "ö", "ü", "ai", "ie", "uo", "ȭ", "ä"]
LIV_CODAS = ["", "", "", "n", "d", "z", "l", "t", "s", "ks", "m", "ņ", "ļ", "ž"]

# Syllables for Estonian-looking meanings.
EST_SYL = ["ka", "la", "ma", "ja", "ta", "se", "le", "me", "ti", "ki", "pu",
           "mu", "õu", "õi", "ä", "ää", "öö", "üü", "va", "ne", "mi", "ku",
           "rä", "sõ", "tõ", "ha", "ri", "lu", "põ", "kä"]
ENG_WORDS = ["fish", "house", "sea", "boat", "go", "come", "say", "good",
             "big", "small", "water", "net", "shore", "village", "mother",
             "father", "child", "day", "night", "wind", "to be", "to have",
             "here", "there", "and", "but", "not", "with", "tree", "bread"]
LAT_SYL = ["zi", "vs", "ma", "ja", "ļa", "ņe", "ša", "ku", "gā", "ē", "ī",
           "tē", "rī", "pa", "la", "ži"]

LIIK = ["S", "S", "S", "V", "V", "V", "A", "A", "Adv", "Pron", "Num",
        "Konj", "Adp", "Intj", "Prtcl", "Prop"]
NOUN_FORMS = ["sg.nom.", "sg.gen.", "sg.part.", "sg.dat.", "sg.ill.",
              "sg.in.", "sg.el.", "sg.instr.", "pl.nom.", "pl.gen.",
              "pl.part.", "pl.dat.", "pl.in.", "pl.el."]
VERB_FORMS = ["ind.pr.1sg.", "ind.pr.3sg.", "ind.pr.3pl.", "ind.ipf.1sg.",
              "ind.ipf.3sg.", "ind.ipf.3pl.", "imp.2sg.", "inf.", "sup.ill.",
              "ger.", "pts.pr.akt.", "pts.ipf.akt.", "cond.pr.3sg.",
              "neg.ind.pr."]
KEEL = ["läti", "eesti", "vene", "saksa", "kura"]
STIIL = ["murd.", "van.", "harv.", "kõnek.", "luul.", "lastek."]
META = ["nimi", "arv", "võõr", "katkend", "ebaselge"]
KOMMENTAARID = [
    'vrd "kalā" & "kalā"',
    "hääldus <ebaselge>",
    'lindil: "ūž" < "vanā"',
    "vt ka lk 12 & 13",
    "salvestaja märkus: <vaikus>",
    'kirjapilt "ȯ" & "õ" segamini',
    "tõlge küsitav; vrd läti 'zivs'",
    "kõneleja parandab ise > kordab",
]
PUNCT = [".", ".", ".", ",", ",", ",", ",", "?", "!", ":", ";", "–", "…",
         "\"", "(", ")"]
RARE_TEXTS = ["R&D", "<kuuldamatu>", "a & b", "x>y"]


def esc_attr(value):
    return (value.replace("&", "&amp;").replace("<", "&lt;")
            .replace('"', "&quot;").replace(">", "&gt;"))


def esc_text(value):
    return value.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def liv_word(rng, syllables):
    return "".join(rng.choice(LIV_ONSETS) + rng.choice(LIV_VOWELS) +
                   rng.choice(LIV_CODAS) for _ in range(syllables))


def make_templates(rng, count):
    """Pre-render token bodies: (attrs-after-lk, '>text</sone>')."""
    lemmas = []
    for _ in range(count // 3):
        lemma = liv_word(rng, rng.choice((1, 2, 2, 2, 3, 3, 4)))
        meaning = "".join(rng.choice(EST_SYL)
                          for _ in range(rng.choice((1, 2, 2, 3, 3))))
        lemmas.append((lemma, meaning, rng.choice(LIIK)))

    templates = []
    for _ in range(count):
        kind = rng.random()
        if kind < 0.12:
            # Punctuation.
            text = rng.choice(PUNCT)
            templates.append((' meta="vahemärk"', ">" + esc_text(text) + "</sone>"))
            continue
        lemma, meaning, liik = rng.choice(lemmas)
        form = lemma
        if rng.random() < 0.6:
            form = lemma + rng.choice(["", "n", "d", "z", "s", "st", "l", "ks",
                                       "õ", "ō", "ist", "tõ"])
        if rng.random() < 0.08:
            form = form.capitalize()
        if kind < 0.004:
            form = rng.choice(RARE_TEXTS)
        if kind < 0.16:
            # Bare token, not yet annotated.
            templates.append(("", ">" + esc_text(form) + "</sone>"))
            continue
        attrs = []
        if rng.random() < 0.04:
            attrs.append(("keel", rng.choice(KEEL)))
        attrs.append(("lemma", lemma))
        attrs.append(("tahendus", meaning))
        attrs.append(("liik", liik))
        if liik in ("S", "A", "Pron", "Num", "Prop"):
            attrs.append(("vorm", rng.choice(NOUN_FORMS)))
        elif liik == "V":
            attrs.append(("vorm", rng.choice(VERB_FORMS)))
        if rng.random() < 0.07:
            attrs.append(("stiil", rng.choice(STIIL)))
        if rng.random() < 0.03:
            attrs.append(("meta", rng.choice(META)))
        if rng.random() < 0.55:
            attrs.append(("lati", "".join(rng.choice(LAT_SYL)
                                          for _ in range(rng.choice((2, 3))))))
        if rng.random() < 0.75:
            attrs.append(("ingl", rng.choice(ENG_WORDS)))
        if rng.random() < 0.02:
            attrs.append(("kommentaar", rng.choice(KOMMENTAARID)))
        head = "".join(' %s="%s"' % (k, esc_attr(v)) for k, v in attrs)
        templates.append((head, ">" + esc_text(form) + "</sone>"))
    return templates


HEADER = """<?xml version="1.0" encoding="UTF-8"?>
<?xml-stylesheet type="text/xsl" href="pelmora_tekst.xsl"?>
<pelmora>
<info><pealkiri>Sünteetiline tekst ({tokens} sõnet)</pealkiri><keel>liivi</keel><koguja>Pelmora võrdlustestid</koguja><koht>Kūolka</koht><aasta>1938</aasta><kirjeldus>Genereeritud seemnega {seed}; sisaldab märke &lt; &amp; &quot;</kirjeldus><kõnelejad><koneleja id="k1" nimi="Mārța Ķeņķis"/><koneleja id="k2" nimi="Pētõr Damberg"/><koneleja id="k3" nimi="Jānõ Belte"/></kõnelejad></info>
<sisu id="bench{seed}">
"""
FOOTER = "</sisu>\n</pelmora>\n"


def generate(out, tokens, seed):
    rng = random.Random(seed)
    templates = make_templates(rng, 6000)
    ntempl = len(templates)
    rand = rng.random
    randint = rng.randint
    speakers = ["k1", "k2", "k3"]
    pis = ['<?pelmora-marker lk="%d"?>', '<?pelmora-heli algus="%d.5"?>']
    comments = ["<!-- lk %d: lindi vahetus -->",
                "<!-- kontrollida: kõneleja %d, 'ȯ' vs 'õ' -->"]

    out.write(HEADER.format(tokens=tokens, seed=seed))
    buf = []
    written = 0
    sentence = 0
    page = 1
    while written < tokens:
        sentence += 1
        if sentence % 37 == 0:
            page += 1
        length = min(randint(5, 25), tokens - written)
        sid = "l%d" % sentence

        r = rand()
        if r < 0.01:
            buf.append(comments[sentence & 1] % page + "\n")
        elif r < 0.02:
            buf.append(pis[sentence & 1] % sentence + "\n")

        # Maybe a multi-word unit covering tokens a..b of this sentence.
        unit = None
        if length >= 3 and rand() < 0.15:
            a = randint(1, length - 1)
            b = min(length, a + randint(1, 2))
            unit = (a, b, "%s_s%d_s%d" % (sid, a, b))

        buf.append('<lause id="%s" koneleja="%s">' %
                   (sid, speakers[int(rand() * 3)]))
        for i in range(1, length + 1):
            head, tail = templates[int(rand() * ntempl)]
            lk = ' lk="%d"' % page if rand() < 0.8 else ""
            if unit is not None and unit[0] <= i <= unit[1]:
                tail = ' yhend="%s"%s' % (unit[2], tail)
            buf.append('<sone id="%s_s%d"%s%s%s' % (sid, i, lk, head, tail))
            if i == length // 2:
                # Early sentences always carry an inline comment and PI so
                # that even small texts exercise them.
                r = rand()
                if r < 0.01 or sentence == 2:
                    buf.append("<!-- paus -->")
                elif r < 0.013 or sentence == 3:
                    buf.append('<?pelmora-heli kestus="%d"?>' % i)
        if unit is not None:
            buf.append('<yhend id="%s" ylemma="%s" ytahendus="%s" yliik="%s"/>'
                       % (unit[2], liv_word(rng, 2) + " " + liv_word(rng, 2),
                          "".join(rng.choice(EST_SYL) for _ in range(3)),
                          rng.choice(("S", "V", "Adv"))))
        buf.append("</lause>\n")
        written += length
        if len(buf) > 4000:
            out.write("".join(buf))
            buf.clear()
    out.write("".join(buf))
    out.write(FOOTER)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--tokens", type=int, required=True,
                    help="number of <sone> elements to write")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("out", help="output file ('-' for stdout)")
    args = ap.parse_args()
    if args.tokens < 0:
        ap.error("--tokens must be >= 0")
    if args.out == "-":
        out = open(sys.stdout.fileno(), "w", encoding="utf-8", closefd=False,
                   newline="\n", buffering=1 << 20)
    else:
        out = open(args.out, "w", encoding="utf-8", newline="\n",
                   buffering=1 << 20)
    with out:
        generate(out, args.tokens, args.seed)


if __name__ == "__main__":
    main()
