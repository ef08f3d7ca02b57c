#include "annotation/analysertags.h"

#include "annotation/formtag.h"
#include "annotation/vocabularies.h"

#include <algorithm>
#include <initializer_list>

namespace pelmora {

namespace {

using Role = AnalyserTagRole;

// The rows the online analyser's tables lack (docs/design.md lists them with their reasons).
constexpr AnalyserTagRow kRows[] = {
    // Participles: voice and participle tag read together.
    {"Act+PrfPrc", Role::Form, "nud."},
    {"Act+PrsPrc", Role::Form, "vpts."},
    {"Pss+PrfPrc", Role::Form, "tud."},
    {"Pss+PrsPrc", Role::Form, "tav."},
    {"PrfPrc", Role::Form, "nud."},
    {"PrsPrc", Role::Form, "vpts."},
    // Parts of speech.
    {"Prop", Role::PartOfSpeech, "H"},
    {"Interr", Role::PartOfSpeech, "Intr"},
    {"Qnt", Role::PartOfSpeech, "ProNum"},
    {"Adp", Role::PartOfSpeech, "Post"},
    {"Conneg", Role::PartOfSpeech, "Mn"},
    // Pronoun kinds that keep the pronoun's part of speech.
    {"Pers", Role::Nothing, ""},
    {"Dem", Role::Nothing, ""},
    {"Indef", Role::Nothing, ""},
    {"Refl", Role::Nothing, ""},
    {"Rel", Role::Nothing, ""},
    {"Recipr", Role::Nothing, ""},
    // Forms.
    {"Deb", Role::Form, "deb."},
    {"Com", Role::Form, "kom."},
    {"QuoSg3", Role::Form, "kvt.sg.3."},
    {"Der/NomAg", Role::Form, "ag."},
    // Tags that carry nothing for the annotation.
    {"Der", Role::Nothing, ""},
    {"Hom*", Role::Nothing, ""},
    {"Sem/*", Role::Nothing, ""},
    {"IV", Role::Nothing, ""},
    {"TV", Role::Nothing, ""},
    {"Pos", Role::Nothing, ""},
    // Tags that change how the analysis is offered.
    {"Err/Orth", Role::NonStandard, ""},
    {"Use/NG", Role::Drop, ""},
    {"Guess", Role::Guess, ""},
    {"ACR", Role::Acronym, ""},
};

bool rowMatches(std::string_view rowTag, std::string_view tag)
{
    if (!rowTag.empty() && rowTag.back() == '*')
        return tag.substr(0, rowTag.size() - 1) == rowTag.substr(0, rowTag.size() - 1);
    return rowTag == tag;
}

// The row for two tags read together ("Act" followed by "PrfPrc"), or null.
const AnalyserTagRow* pairRow(std::string_view first, std::string_view second)
{
    for (const AnalyserTagRow& row : kRows) {
        const std::size_t plus = row.tags.find('+');
        if (plus != std::string_view::npos && row.tags.substr(0, plus) == first && row.tags.substr(plus + 1) == second)
            return &row;
    }
    return nullptr;
}

const AnalyserTagRow* singleRow(std::string_view tag)
{
    for (const AnalyserTagRow& row : kRows)
        if (row.tags.find('+') == std::string_view::npos && rowMatches(row.tags, tag))
            return &row;
    return nullptr;
}

// The code of a part-of-speech name of the online tables; "" for "-" and unknown names.
std::string codeOfName(std::string_view name)
{
    const int index = partOfSpeechIndex(name);
    return index > 0 ? partOfSpeechCode(index) : std::string();
}

bool hasAny(const FormTagTicks& ticks, std::initializer_list<std::string_view> abbreviations)
{
    return std::any_of(abbreviations.begin(), abbreviations.end(),
                       [&](std::string_view a) { return ticks.isTicked(a); });
}

}  // namespace

std::span<const AnalyserTagRow> analyserTagRows() { return kRows; }

MappedTags mapAnalyserTags(std::span<const std::string_view> tags)
{
    MappedTags mapped;
    std::string form;
    auto apply = [&](const AnalyserTagRow& row) {
        switch (row.role) {
        case Role::PartOfSpeech: mapped.partOfSpeech = row.value; break;
        case Role::Form: form += row.value; break;
        case Role::Nothing: break;
        case Role::NonStandard: mapped.nonStandard = true; break;
        case Role::Drop: mapped.drop = true; break;
        case Role::Guess: mapped.guess = true; break;
        case Role::Acronym: mapped.acronym = true; break;
        }
    };
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const std::string_view tag = tags[i];
        if (i + 1 < tags.size()) {
            if (const AnalyserTagRow* row = pairRow(tag, tags[i + 1])) {
                apply(*row);
                ++i;
                continue;
            }
        }
        if (const std::string name = onlinePartOfSpeechName(tag); !name.empty()) {
            mapped.partOfSpeech = codeOfName(name);
            continue;
        }
        if (const std::string value = onlineFormAbbreviation(tag); !value.empty()) {
            // A few rows of the online form table name a part of speech ("Aux", "Ord", "ConNeg").
            if (const std::string code = codeOfName(value); !code.empty())
                mapped.partOfSpeech = code;
            else
                form += value;
            continue;
        }
        if (const AnalyserTagRow* row = singleRow(tag)) {
            apply(*row);
            continue;
        }
        if (std::find(mapped.unknown.begin(), mapped.unknown.end(), tag) == mapped.unknown.end())
            mapped.unknown.emplace_back(tag);
    }
    FormTagTicks ticks = takeApartFormTag(form);
    if (hasAny(ticks, {"ind.", "knd.", "imp.", "jus.", "kvt.", "pot."}) && !hasAny(ticks, {"pers.", "ips.", "pas."}))
        ticks.set("pers.");
    mapped.form = putTogetherFormTag(ticks);
    return mapped;
}

}  // namespace pelmora
