// LIFT 0.13: the dictionary as a lexicon other programs (FLEx) read, and a lexicon merged into it.
//
// One entry per lemma (its lexical unit in Livonian): each lemma analysis a sense with the meaning
// and the Latvian and English equivalents as glosses, the part of speech as grammatical-info and the
// weight as trait "kaal"; each word form of the lemma a variant with its form tag and weight as
// traits. A combination is an entry of its own (trait morph-type "phrase") with a sense per analysis
// and relations "_component-lexeme" to the entries of its words.
#pragma once

#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "exchange/exchangereport.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

// The LIFT document of the dictionary, in NFC; what it cannot hold is noted.
std::string writeLift(const CDictionary& dictionary, ExchangeReport& report);

// One analysis a lexicon holds, with the values of the dictionary's store of its section (word form:
// surface, lemma, form tag; lemma: lemma, meaning, part of speech, Latvian, English; combination:
// id, meaning, part of speech) and its weight (1 when none is given).
struct LiftAnalysis {
    DictSection section = DictSection::Lemmas;
    std::array<std::string, 5> values;
    long long weight = 1;
};

struct LiftEntry {
    std::string headword;
    std::vector<LiftAnalysis> analyses;
};

// Reads a LIFT document. False with the reason for input that is not LIFT.
bool readLift(std::string_view bytes, std::vector<LiftEntry>& entries, ExchangeReport& report, std::string& reason);

// How a lexicon's entries stand to the dictionary: all analyses absent, all present as they are,
// or some new or changed.
struct LiftMergePreview {
    std::size_t newEntries = 0;
    std::size_t sameEntries = 0;
    std::size_t differentEntries = 0;
};

// The merge of a lexicon into the dictionary as the dictionary's own stores: a new or different
// analysis is stored as often as its weight says (so it arrives with that weight, or completes an
// analysis by the dictionary's rules); an analysis already present is raised to the lexicon's
// weight when that is higher. Nothing is changed here.
class LiftMerge final : public CDictionary::StoreSource {
public:
    LiftMerge(const CDictionary& dictionary, const std::vector<LiftEntry>& entries);
    const LiftMergePreview& preview() const { return m_preview; }
    std::size_t size() const override { return m_stores.size(); }
    CDictionary::StoreRequest request(std::size_t i) const override;

private:
    std::vector<const LiftAnalysis*> m_stores;
    LiftMergePreview m_preview;
};

// Writes the dictionary as LIFT to the path through the safe replacement, after Yes to replacing an
// existing file. Failures are told; true when the file was written.
bool exportLift(const CDictionary& dictionary, const std::string& path, Prompter& prompter);

// Reads a LIFT file, tells the preview ("uusi", "samu", "erinevaid") and, unless `previewOnly`, asks
// and merges it into the dictionary under its lock with one safe save. What the lexicon holds that
// the dictionary cannot is told. True when the dictionary holds the merge (or nothing was to merge).
bool importLift(CDictionary& dictionary, const std::string& path, Prompter& prompter, bool previewOnly = false);

}  // namespace pelmora::exchange
