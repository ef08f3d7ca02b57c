// The special-letter rows and the composition table of the annotation form.
#include "annotation/lettercomposition.h"

namespace pelmora {

namespace {

struct Composition {
    char16_t mark;
    char16_t letter;
    char16_t composed;
};

// Letter + mark pairs: cedilla, comma or ogonek (","), dot above ("."), macron ("-"),
// caron ("^") and diaeresis (":").
constexpr Composition kCompositions[] = {
    {u',', u'g', u'ģ'}, {u',', u'G', u'Ģ'}, {u',', u'k', u'ķ'}, {u',', u'K', u'Ķ'}, {u',', u'l', u'ļ'},
    {u',', u'L', u'Ļ'}, {u',', u'n', u'ņ'}, {u',', u'N', u'Ņ'}, {u',', u'r', u'ŗ'}, {u',', u'R', u'Ŗ'},
    {u',', u't', u'ț'}, {u',', u'T', u'Ț'}, {u',', u'd', u'ḑ'}, {u',', u'D', u'Ḑ'}, {u',', u'i', u'į'},
    {u',', u'I', u'Į'}, {u',', u'o', u'ǫ'}, {u',', u'O', u'Ǫ'}, {u',', u'ō', u'ǭ'}, {u',', u'Ō', u'Ǭ'},
    {u'.', u'o', u'ȯ'}, {u'.', u'O', u'Ȯ'}, {u'.', u'ō', u'ȱ'}, {u'.', u'Ō', u'Ȱ'},
    {u'-', u'a', u'ā'}, {u'-', u'A', u'Ā'}, {u'-', u'e', u'ē'}, {u'-', u'E', u'Ē'}, {u'-', u'i', u'ī'},
    {u'-', u'I', u'Ī'}, {u'-', u'o', u'ō'}, {u'-', u'O', u'Ō'}, {u'-', u'u', u'ū'}, {u'-', u'U', u'Ū'},
    {u'-', u'ä', u'ǟ'}, {u'-', u'Ä', u'Ǟ'}, {u'-', u'õ', u'ȭ'}, {u'-', u'Õ', u'Ȭ'}, {u'-', u'ǫ', u'ǭ'},
    {u'-', u'Ǫ', u'Ǭ'}, {u'-', u'ȯ', u'ȱ'}, {u'-', u'Ȯ', u'Ȱ'},
    {u'^', u'c', u'č'}, {u'^', u'C', u'Č'}, {u'^', u's', u'š'}, {u'^', u'S', u'Š'}, {u'^', u'z', u'ž'},
    {u'^', u'Z', u'Ž'},
    {u':', u'e', u'ë'}, {u':', u'E', u'Ë'},
};

}  // namespace

const std::array<SpecialLetterRow, 6>& specialLetterRows()
{
    static const std::array<SpecialLetterRow, 6> rows = {{
        {u"ŗțḑņļŖȚḐŅĻ"},
        {u"ȯāǟēīǫǭōūȭȱ"},
        {u"ȮĀǞĒĪǪǬŌŪȬȰ"},
        {u"ëžģščķį"},
        {u"ËŽĢŠČĶĮ"},
        {u"’"},
    }};
    return rows;
}

std::optional<char16_t> composeLetter(char16_t letter, char16_t mark)
{
    for (const Composition& c : kCompositions) {
        if (c.mark == mark && c.letter == letter)
            return c.composed;
    }
    return std::nullopt;
}

std::optional<TypingReplacement> replacementWhileTyping(std::u16string_view text, std::size_t caret, bool compose)
{
    if (caret == 0 || caret > text.size())
        return std::nullopt;
    const char16_t before = text[caret - 1];
    if (before == u'\'')
        return TypingReplacement{caret - 1, 1, u'’'};
    if (!compose || caret < 2)
        return std::nullopt;
    if (const std::optional<char16_t> composed = composeLetter(text[caret - 2], before))
        return TypingReplacement{caret - 2, 2, *composed};
    return std::nullopt;
}

}  // namespace pelmora
