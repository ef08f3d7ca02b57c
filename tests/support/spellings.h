// Test table: the Livonian letters with diacritics in their precomposed and decomposed spellings,
// and letters that exist only as sequences of a base and marks.
#pragma once

#include <string>
#include <vector>

namespace pelmora::test {

struct Spelling {
    const char* letter;      // as shown, for test names
    std::string composed;    // one code point (NFC)
    std::string decomposed;  // the base letter and its combining marks
    std::string partly;      // for two marks: the first mark composed, the second combining; else ""
};

inline const std::vector<Spelling>& livonianSpellings()
{
    static const std::vector<Spelling> table = {
    {"ā", "\u0101", "a\u0304", ""},
    {"Ā", "\u0100", "A\u0304", ""},
    {"ē", "\u0113", "e\u0304", ""},
    {"Ē", "\u0112", "E\u0304", ""},
    {"ī", "\u012B", "i\u0304", ""},
    {"Ī", "\u012A", "I\u0304", ""},
    {"ō", "\u014D", "o\u0304", ""},
    {"Ō", "\u014C", "O\u0304", ""},
    {"ū", "\u016B", "u\u0304", ""},
    {"Ū", "\u016A", "U\u0304", ""},
    {"ȯ", "\u022F", "o\u0307", ""},
    {"Ȯ", "\u022E", "O\u0307", ""},
    {"ȱ", "\u0231", "o\u0307\u0304", "\u022F\u0304"},
    {"Ȱ", "\u0230", "O\u0307\u0304", "\u022E\u0304"},
    {"ǟ", "\u01DF", "a\u0308\u0304", "\u00E4\u0304"},
    {"Ǟ", "\u01DE", "A\u0308\u0304", "\u00C4\u0304"},
    {"ȭ", "\u022D", "o\u0303\u0304", "\u00F5\u0304"},
    {"Ȭ", "\u022C", "O\u0303\u0304", "\u00D5\u0304"},
    {"õ", "\u00F5", "o\u0303", ""},
    {"Õ", "\u00D5", "O\u0303", ""},
    {"ä", "\u00E4", "a\u0308", ""},
    {"Ä", "\u00C4", "A\u0308", ""},
    {"ö", "\u00F6", "o\u0308", ""},
    {"Ö", "\u00D6", "O\u0308", ""},
    {"ü", "\u00FC", "u\u0308", ""},
    {"Ü", "\u00DC", "U\u0308", ""},
    {"š", "\u0161", "s\u030C", ""},
    {"Š", "\u0160", "S\u030C", ""},
    {"ž", "\u017E", "z\u030C", ""},
    {"Ž", "\u017D", "Z\u030C", ""},
    {"ļ", "\u013C", "l\u0327", ""},
    {"Ļ", "\u013B", "L\u0327", ""},
    {"ņ", "\u0146", "n\u0327", ""},
    {"Ņ", "\u0145", "N\u0327", ""},
    {"ŗ", "\u0157", "r\u0327", ""},
    {"Ŗ", "\u0156", "R\u0327", ""},
    {"ț", "\u021B", "t\u0326", ""},
    {"Ț", "\u021A", "T\u0326", ""},
    {"ḑ", "\u1E11", "d\u0327", ""},
    {"Ḑ", "\u1E10", "D\u0327", ""},
    {"ȫ", "\u022B", "o\u0308\u0304", "\u00F6\u0304"},
    {"Ȫ", "\u022A", "O\u0308\u0304", "\u00D6\u0304"},
    {"ǖ", "\u01D6", "u\u0308\u0304", "\u00FC\u0304"},
    {"Ǖ", "\u01D5", "U\u0308\u0304", "\u00DC\u0304"},
    };
    return table;
}

// Letters with no precomposed code point: NFC keeps them as a base (or composed) letter and marks.
// Each row gives spellings that must count as the same text, the normal form first.
struct SequenceSpelling {
    const char* letter;
    std::vector<std::string> spellings;
};

inline const std::vector<SequenceSpelling>& sequenceOnlySpellings()
{
    static const std::vector<SequenceSpelling> table = {
        {"ž́", {"\u017E\u0301", "z\u030C\u0301"}},
        {"t̕", {"t\u0315"}},
        // marks of different classes (below and above) in either order are one letter
        {"ņ́", {"\u0146\u0301", "n\u0327\u0301", "n\u0301\u0327", "\u0144\u0327"}},
    };
    return table;
}

}  // namespace pelmora::test
