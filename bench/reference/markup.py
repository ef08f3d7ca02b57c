"""Shared by the lxml references: the markup that word comparisons leave out, and the normal form."""

import unicodedata


def nfc(text):
    """Texts are compared, and the concordance shows them, in Unicode NFC."""
    return unicodedata.normalize("NFC", text)


def remove_markup(text):
    """Drops "+", "/", "[", "\\", "]", "_" and braced groups; an unclosed brace ends the text."""
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c in "+/[\\]_":
            i += 1
            continue
        if c == "{":
            close = text.find("}", i + 1)
            if close < 0:
                break
            i = close + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)
