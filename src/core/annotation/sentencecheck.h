// The tagging check of a sentence: every token's text and annotation as one paragraph of
// formatted pieces, so that the linguist can read the sentence's tagging at a glance.
#pragma once

#include "annotation/formtag.h"
#include "xml/xmldocument.h"

#include <string>
#include <vector>

namespace pelmora {

// The seven strings a token contributes, as stored (the part of speech as its code).
struct TokenCheckRecord {
    std::string text;
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
    std::string form;
    std::string meta;
    std::string style;
    bool operator==(const TokenCheckRecord&) const = default;
};

// One record per token (`sone`) of the sentence, in order; none for a null sentence.
std::vector<TokenCheckRecord> sentenceCheckRecords(XmlNode sentence);

// How a run of characters is drawn.
struct CheckFormat {
    double pointSize = 11.0;
    bool bold = false;
    bool italic = false;
    Rgb colour{0, 0, 0};
    bool operator==(const CheckFormat&) const = default;
};

// A run of characters in one format.
struct CheckRun {
    std::string text;
    CheckFormat format;
    bool operator==(const CheckRun&) const = default;
};

// The sizes grow by this much when large fonts are on.
inline constexpr double kLargeFontsStep = 1.5;

// The paragraph of the check window. Per token, in order: " text " (bold, 12 pt), "lemma "
// (11 pt), "'meaning' " (11 pt, the apostrophes in the meaning's format), "code    " (italic,
// 11 pt), "form " (8 pt), "meta " and "style " (8 pt, dark blue 0/0/128). An empty value adds
// nothing, not even its blanks. Each blank takes the format of the characters before it (the
// plain 11 pt format at the very start). With large fonts every size is 1.5 pt larger.
// Neighbouring runs of one format are joined.
std::vector<CheckRun> sentenceCheckRuns(const std::vector<TokenCheckRecord>& records, bool largeFonts);

}  // namespace pelmora
