#include "exchange/mappings.h"

#include "annotation/formtag.h"
#include "common/strings.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace pelmora::exchange {

namespace {

using D = Direction;

// Several codes share a UPOS tag; the row read back is the one marked Both (or FromUd).
constexpr std::array<PartOfSpeechRow, 25> kPartsOfSpeech{{
    {"V", "VERB", D::Both},
    {"Va", "AUX", D::Both},
    {"Mn", "AUX", D::ToUd},
    {"S", "NOUN", D::Both},
    {"H", "PROPN", D::Both},
    {"ProS", "PRON", D::Both},
    {"Pre", "ADP", D::ToUd},
    {"Post", "ADP", D::Both},
    {"Adv", "ADV", D::Both},
    {"Adva", "ADV", D::ToUd},
    {"ProAdv", "ADV", D::ToUd},
    {"ModAdv", "ADV", D::ToUd},
    {"A", "ADJ", D::Both},
    {"ProA", "DET", D::Both},
    {"Ms", "ADV", D::ToUd},
    {"Numj", "ADJ", D::ToUd},
    {"Nump", "NUM", D::Both},
    {"ProNum", "NUM", D::ToUd},
    {"Konj", "CCONJ", D::Both},
    {"Konj", "SCONJ", D::FromUd},
    {"Intr", "PRON", D::ToUd},
    {"Par", "PART", D::Both},
    {"Intj", "INTJ", D::Both},
    {"Ono", "INTJ", D::ToUd},
    {"Suht", "INTJ", D::ToUd},
}};

// In the canonical order of the form-tag editor. The participles stand for several features at once.
constexpr std::array<FormTagRow, 49> kFormTags{{
    {"pers.", "Voice=Act"},
    {"ips.", "Voice=Pass"},
    {"pas.", "Voice=PersPass"},
    {"ind.", "Mood=Ind"},
    {"knd.", "Mood=Cnd"},
    {"imp.", "Mood=Imp"},
    {"jus.", "Mood=Jus"},
    {"kvt.", "Mood=Qot"},
    {"pot.", "Mood=Pot"},
    {"pr.", "Tense=Pres"},
    {"ipf.", "Tense=Past"},
    {"fut.", "Tense=Fut"},
    {"inf.", "VerbForm=Inf"},
    {"ger.", "VerbForm=Conv"},
    {"sup.", "VerbForm=Sup"},
    {"tav.", "Tense=Pres|VerbForm=Part|Voice=Pass"},
    {"nud.", "Tense=Past|VerbForm=Part|Voice=Act"},
    {"tud.", "Tense=Past|VerbForm=Part|Voice=Pass"},
    {"vpts.", "Tense=Pres|VerbForm=Part|Voice=Act"},
    {"sg.", "Number=Sing"},
    {"pl.", "Number=Plur"},
    {"1.", "Person=1"},
    {"2.", "Person=2"},
    {"3.", "Person=3"},
    {"nom.", "Case=Nom"},
    {"gen.", "Case=Gen"},
    {"dat.", "Case=Dat"},
    {"part.", "Case=Par"},
    {"ill.", "Case=Ill"},
    {"in.", "Case=Ine"},
    {"el.", "Case=Ela"},
    {"all.", "Case=All"},
    {"ad.", "Case=Ade"},
    {"abl.", "Case=Abl"},
    {"tr.", "Case=Tra"},
    {"ter.", "Case=Ter"},
    {"es.", "Case=Ess"},
    {"ab.", "Case=Abe"},
    {"kom.", "Case=Com"},
    {"inst.", "Case=Istr"},
    {"instl.", "Case=Ins"},
    {"deb.", "Mood=Nec"},
    {"cmp.", "Degree=Cmp"},
    {"sprl.", "Degree=Sup"},
    {"prf.", "Prefix=Yes"},
    {"ag.", "Derivation=Agt"},
    {"poss.", "Poss=Yes"},
    {"neg.", "Polarity=Neg"},
    {"cli.", "Clitic=Yes"},
}};

constexpr std::array<ReasonRow, 7> kReasons{{
    {"vahemärk", "PUNCT", "", D::Both},
    {"number", "NUM", "", D::ToUd},
    {"muukeelne", "X", "Foreign=Yes", D::Both},
    {"intervjueerija", "X", "", D::ToUd},
    {"kommentaar", "X", "", D::ToUd},
    {"poolik sõna", "X", "", D::ToUd},
    {"muu", "X", "", D::ToUd},
}};

bool readsForward(Direction d) { return d != Direction::FromUd; }
bool readsBackward(Direction d) { return d != Direction::ToUd; }

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return toLowerAscii(a) < toLowerAscii(b);
}

bool contains(const std::vector<Feature>& features, const Feature& feature)
{
    return std::find(features.begin(), features.end(), feature) != features.end();
}

// The form-tag rows, those standing for the most features first, so that a participle takes its
// three features before the voice or the tense alone can take one of them.
const std::vector<std::pair<std::size_t, std::vector<Feature>>>& rowsMostFeaturesFirst()
{
    static const auto rows = [] {
        std::vector<std::pair<std::size_t, std::vector<Feature>>> all;
        for (std::size_t i = 0; i < kFormTags.size(); ++i)
            all.emplace_back(i, parseFeatures(kFormTags[i].features));
        std::stable_sort(all.begin(), all.end(),
                         [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
        return all;
    }();
    return rows;
}

}  // namespace

std::span<const PartOfSpeechRow> partOfSpeechRows() { return kPartsOfSpeech; }
std::span<const FormTagRow> formTagRows() { return kFormTags; }
std::span<const ReasonRow> reasonRows() { return kReasons; }

std::vector<Feature> parseFeatures(std::string_view feats)
{
    std::vector<Feature> features;
    if (feats == "_")
        return features;
    for (const std::string& piece : split(feats, '|')) {
        const std::size_t equals = piece.find('=');
        if (equals == std::string::npos || equals == 0)
            continue;
        for (const std::string& value : split(std::string_view(piece).substr(equals + 1), ','))
            if (!value.empty())
                features.push_back({piece.substr(0, equals), value});
    }
    return features;
}

std::string formatFeatures(std::vector<Feature> features)
{
    const auto key = [](const Feature& f) {
        return std::tuple(toLowerAscii(f.name), f.name, toLowerAscii(f.value), f.value);
    };
    std::sort(features.begin(), features.end(), [&](const Feature& a, const Feature& b) { return key(a) < key(b); });
    features.erase(std::unique(features.begin(), features.end()), features.end());
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < features.size(); ++i) {
        if (i > 0 && features[i].name == features[i - 1].name) {
            entries.back() += "," + features[i].value;
            continue;
        }
        entries.push_back(features[i].name + "=" + features[i].value);
    }
    // The validator wants the entries in the order of their lower-cased text.
    std::stable_sort(entries.begin(), entries.end(), lessIgnoringCase);
    std::string out;
    for (const std::string& entry : entries)
        out += (out.empty() ? "" : "|") + entry;
    return out.empty() ? "_" : out;
}

UposOfToken uposOfToken(std::string_view partOfSpeech, std::string_view reason)
{
    const ReasonRow* reasonRow = nullptr;
    for (const ReasonRow& row : kReasons)
        if (row.reason == reason && readsForward(row.direction))
            reasonRow = &row;
    for (const PartOfSpeechRow& row : kPartsOfSpeech) {
        if (row.code != partOfSpeech || !readsForward(row.direction))
            continue;
        // A foreign word keeps its mark beside its part of speech.
        const bool foreign = reasonRow != nullptr && reasonRow->upos == "X" && !reasonRow->features.empty();
        return {row.upos, foreign ? reasonRow->features : std::string_view()};
    }
    if (reasonRow != nullptr)
        return {reasonRow->upos, reasonRow->features};
    return {"X", {}};
}

std::string_view partOfSpeechOfUpos(std::string_view upos)
{
    for (const PartOfSpeechRow& row : kPartsOfSpeech)
        if (row.upos == upos && readsBackward(row.direction))
            return row.code;
    return {};
}

std::string_view partOfSpeechOfLabel(std::string_view label)
{
    if (label.empty())
        return {};
    if (label == "-" || label == "*")
        return label == "-" ? "-" : "*";  // the list's empty and any entries, stored as they are
    // Every other code of the vocabulary stands in the table, so its views outlive the call.
    for (const PartOfSpeechRow& row : kPartsOfSpeech)
        if (row.code == label)
            return row.code;
    const std::string lower = toLowerAscii(label);
    for (const PartOfSpeechRow& row : kPartsOfSpeech)
        if (toLowerAscii(row.code) == lower)
            return row.code;
    std::string upper(label);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return partOfSpeechOfUpos(upper);
}

std::string_view reasonOfUpos(std::string_view upos, const std::vector<Feature>& features)
{
    for (const ReasonRow& row : kReasons) {
        if (row.upos != upos || !readsBackward(row.direction))
            continue;
        if (row.features.empty())
            return row.reason;
        const std::vector<Feature> needed = parseFeatures(row.features);
        if (std::all_of(needed.begin(), needed.end(), [&](const Feature& f) { return contains(features, f); }))
            return row.reason;
    }
    return {};
}

std::vector<Feature> featuresOfFormTag(std::string_view tag)
{
    std::vector<Feature> features;
    const FormTagTicks ticks = takeApartFormTag(tag);
    for (std::size_t i = 0; i < kFormTags.size(); ++i) {
        if (!ticks.ticked.test(i))
            continue;
        for (Feature& feature : parseFeatures(kFormTags[i].features))
            features.push_back(std::move(feature));
    }
    return features;
}

FormTagOfFeatures formTagOfFeatures(const std::vector<Feature>& features)
{
    std::vector<bool> taken(features.size(), false);
    FormTagTicks ticks;
    for (const auto& [row, needed] : rowsMostFeaturesFirst()) {
        std::vector<std::size_t> at;
        for (const Feature& feature : needed) {
            const auto found = std::find(features.begin(), features.end(), feature);
            if (found == features.end())
                break;
            at.push_back(static_cast<std::size_t>(found - features.begin()));
        }
        if (at.size() != needed.size())
            continue;
        // Every feature is taken once: after "nud." has taken its voice, "pers." finds none.
        if (std::any_of(at.begin(), at.end(), [&](std::size_t i) { return taken[i]; }))
            continue;
        for (const std::size_t i : at)
            taken[i] = true;
        ticks.ticked.set(row);
    }
    FormTagOfFeatures result;
    result.tag = putTogetherFormTag(ticks);
    for (std::size_t i = 0; i < features.size(); ++i)
        if (!taken[i])
            result.unmapped.push_back(features[i]);
    return result;
}

}  // namespace pelmora::exchange
