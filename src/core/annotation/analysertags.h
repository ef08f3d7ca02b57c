// The tags of a local finite-state analyser ("+N", "+Sg", "+Der/NomAg", ...) in the program's
// vocabulary: the online analyser's two tables first, then the one table of the rows they lack.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// What a tag says about an analysis.
enum class AnalyserTagRole {
    PartOfSpeech,  // the value is a part-of-speech code; the last one of an analysis counts
    Form,          // the value is one or more form abbreviations ("nud.", "kvt.sg.3.")
    Nothing,       // known, carries nothing for the annotation (homonym numbers, transitivity, ...)
    NonStandard,   // a non-standard spelling: kept, ranked lower
    Drop,          // the analysis is left out
    Guess,         // the analysis comes from a guesser: ranked after all others, shown as a guess
    Acronym,       // the word was read as an acronym (all capitals)
};

// One row of the table. `tags` is one tag, two tags joined by "+" (read together, before either
// alone), or a beginning followed by "*" (every tag that begins so).
struct AnalyserTagRow {
    std::string_view tags;
    AnalyserTagRole role;
    std::string_view value;  // a part-of-speech code or form abbreviations; "" for the other roles
};

// The rows the online analyser's tables lack, in the order they are tried.
std::span<const AnalyserTagRow> analyserTagRows();

// What the tags of one analysis come to.
struct MappedTags {
    std::string partOfSpeech;  // a code ("S", "Va", ...); "" when no tag names one
    std::string form;          // a form tag in canonical order; "" when no tag carries a form
    bool drop = false;
    bool guess = false;
    bool nonStandard = false;
    bool acronym = false;
    std::vector<std::string> unknown;  // tags no table knows, in order, each once; they are ignored
};

// Maps the tags of one analysis, in the order the analysis gives them (without their "+").
// A tag is looked up in this order: a two-tag row of our table with the tag after it, the online
// part-of-speech table, the online form table, the single rows of our table. The last
// part-of-speech tag counts (so after a derivation the derived word's part of speech, and
// "Pron+Interr", "Num+Ord", "N+Prop", "V+Aux" the more particular one). A finite verb form that
// names a mood but no voice is active: "pers." is added, as the program writes such forms.
MappedTags mapAnalyserTags(std::span<const std::string_view> tags);

}  // namespace pelmora
