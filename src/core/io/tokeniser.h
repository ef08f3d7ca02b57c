// Splitting a line of running text into tokens, the same way for every import that reads sentence
// text: the words, and every punctuation mark at their ends as a token of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One token of a split line.
struct SplitToken {
    std::string text;          // in NFC, never empty
    bool punctuation = false;  // no letter and no digit: the token is marked "vahemärk"
};

// Splits a line of UTF-8 text into tokens, in the order they stand. White space (any Unicode
// blank) separates tokens and is dropped; the undertie ‿ is a token of its own between the words it
// links. Every punctuation mark at either end of a token is split off as a token of its own, one
// per mark: brackets ( ) [ ] { }, . , ; : ! ? …, quotation marks and apostrophes (" ' „ “ ” ‘ ’ ‚
// « » ‹ ›) and the dashes – — ―. Kept inside the word are whatever stands between its letters
// (ʼ, ', hyphens), a hyphen at its end, and letters in parentheses at its edge when it has letters
// outside them: "(u)m", "lapsõ(n)". A pause mark, dots or dashes in parentheses ("(...)", "(--)"),
// is one token. The tokens come out in NFC (invalid UTF-8 bytes as U+FFFD); a blank line gives none.
std::vector<SplitToken> splitIntoTokens(std::string_view line);

}  // namespace pelmora
