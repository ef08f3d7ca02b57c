// The suggester's word comparisons: the same word, and the same word up to listed endings.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace pelmora {

// True when the two words are equal after lower-casing, or after lower-casing and dropping
// markup; that is, when their word-form keys are equal.
bool isSameWord(std::string_view a, std::string_view b);

// The endings list of the settings (" a b ck ... ", blank-separated, framed by blanks) ready for
// matching. An ending `r` is listed when " r " occurs in the text.
class EndingsList {
public:
    explicit EndingsList(std::string text = {});

    // True when the rest is empty or occurs framed by blanks in the list.
    bool lists(std::u32string_view rest) const;

    // The distinct endings of the list, shortest first, and the length of the longest.
    const std::vector<std::u32string>& endings() const { return m_endings; }
    std::size_t longest() const { return m_longest; }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
    std::vector<std::u32string> m_endings;
    std::size_t m_longest = 0;
};

// A word-form key as code points.
std::u32string toCodePoints(std::string_view utf8);
std::string fromCodePoints(std::u32string_view text);

// Same word up to endings, for two word-form keys given as code points: with i the length of
// their common beginning, both rests after i characters (or, failing that, both rests after
// i-1 characters) must be empty or listed.
bool isSameWordUpToEndings(std::u32string_view keyA, std::u32string_view keyB, const EndingsList& endings);

// Every key that can match `key` up to endings: the key with a listed (or empty) ending cut off
// and any listed (or empty) ending put on. A superset of the matches; check each with
// isSameWordUpToEndings. The key itself is among them.
std::vector<std::u32string> endingVariants(std::u32string_view key, const EndingsList& endings);

}  // namespace pelmora
