// The vocabulary of the dictionary file: element and attribute names, the three sections, the
// template of a new dictionary, and the rules for weights and for reading and setting an
// analysis's attributes.
#pragma once

#include "xml/xmldocument.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace pelmora {

// The names of the dictionary file.
namespace dict {
inline constexpr const char* kRoot = "pelmora";
inline constexpr const char* kType = "tyyp";
inline constexpr const char* kTypeValue = "sonastik";
inline constexpr const char* kWordForms = "soned";
inline constexpr const char* kLemmas = "lemmad";
inline constexpr const char* kCombinations = "yhendid";
inline constexpr const char* kWordForm = "sone";
inline constexpr const char* kLemma = "lemma";
inline constexpr const char* kCombination = "yhend";
inline constexpr const char* kId = "id";
inline constexpr const char* kWeight = "kaal";
// Word-form analyses.
inline constexpr const char* kFormLemma = "lemma";
inline constexpr const char* kForm = "vorm";
// Lemma analyses.
inline constexpr const char* kMeaning = "tahendus";
inline constexpr const char* kPartOfSpeech = "liik";
inline constexpr const char* kLatvian = "lati";
inline constexpr const char* kEnglish = "ingl";
// Combination analyses.
inline constexpr const char* kCombinationMeaning = "ytahendus";
inline constexpr const char* kCombinationPartOfSpeech = "yliik";
}  // namespace dict

// The three sections, in file order.
enum class DictSection { WordForms = 0, Lemmas = 1, Combinations = 2 };

inline constexpr std::array<DictSection, 3> kDictSections{DictSection::WordForms, DictSection::Lemmas,
                                                          DictSection::Combinations};
inline std::size_t sectionIndex(DictSection section) { return static_cast<std::size_t>(section); }

// The section's element name ("soned", ...) and its entries' element name ("sone", ...).
const char* sectionName(DictSection section);
const char* entryName(DictSection section);
// The section whose name is given ("soned", "lemmad", "yhendid"); false when there is none.
bool sectionFromName(std::string_view name, DictSection& section);
// The attributes of an analysis of the section, in file-format order (id first, weight last).
const std::vector<const char*>& sectionAttributes(DictSection section);
// The attributes that tell one analysis of an entry from another (all but id and weight).
const std::vector<const char*>& identifyingAttributes(DictSection section);

// The bytes of a new dictionary: one placeholder entry "__" per section.
std::string_view dictionaryTemplate();

// The id of the placeholder entries, which keep every section of a new dictionary non-empty.
// They are no analyses: editors, tables and exports leave them out.
inline constexpr std::string_view kPlaceholderId = "__";
// Whether the analysis is a placeholder entry (or one stored under its id); false for null.
bool isPlaceholder(XmlNode analysis);

// The weight of an analysis: the leading integer of its "kaal" (0 when absent or not a number).
long long analysisWeight(XmlNode analysis);
// One more confirmation: the weight goes up by one ("1" when the analysis had none).
void raiseWeight(XmlNode analysis);

// Sets an attribute, or removes it for an empty value (an empty value is never stored).
void setOrRemove(XmlNode node, const char* name, std::string_view value);

// A new analysis element with the id, appended to the parent.
XmlNode newAnalysis(XmlNode parent, const char* name, std::string_view id);

// The values of several attributes, read in one pass over the node's attributes ("" when absent).
template <std::size_t N>
std::array<std::string_view, N> readAttributes(XmlNode node, const std::array<const char*, N>& names)
{
    std::array<std::string_view, N> values{};
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        for (std::size_t i = 0; i < N; ++i) {
            if (name[0] == names[i][0] && std::strcmp(name, names[i]) == 0) {
                values[i] = attribute.value();
                break;
            }
        }
    }
    return values;
}

// --- How a store meets the analyses stored under its id ---------------------------------------
// A store first meets the entry (the top-level analysis): "EntryTakes" is true when the entry
// took it (its weight raised, or a missing value filled in as no new confirmation) or the store
// would only lose values of it. Otherwise each further analysis in turn: "AnalysisTakes" is true
// when it took the store. When none did, a new analysis gets the values and the weight 1.
// Values compare as sameText does.

bool wordFormEntryTakes(XmlNode entry, std::string_view lemma, std::string_view form);
bool wordFormAnalysisTakes(XmlNode analysis, std::string_view lemma, std::string_view form);
void setWordFormValues(XmlNode analysis, std::string_view lemma, std::string_view form);

// A lemma analysis's values after the id.
struct LemmaValues {
    std::string_view meaning;
    std::string_view partOfSpeech;
    std::string_view latvian;
    std::string_view english;
};
bool lemmaEntryTakes(XmlNode entry, const LemmaValues& values);
bool lemmaAnalysisTakes(XmlNode analysis, const LemmaValues& values);
void setLemmaValues(XmlNode analysis, const LemmaValues& values);

// A combination analysis is confirmed by an equal one and has no weight.
bool isCombination(XmlNode analysis, std::string_view meaning, std::string_view partOfSpeech);
void setCombinationValues(XmlNode analysis, std::string_view meaning, std::string_view partOfSpeech);

}  // namespace pelmora
