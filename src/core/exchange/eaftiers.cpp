#include "exchange/eaftiers.h"

#include "common/strings.h"

#include <algorithm>
#include <array>

namespace pelmora::exchange {

namespace {

using C = EafConstraint;

constexpr std::array<EafTierKind, kEafKindCount> kKinds{{
    {"lause", kEafNoParent, C::None},
    {"sone", kEafSentence, C::Subdivision},
    {"lk", kEafToken, C::Association},
    {"keel", kEafToken, C::Association},
    {"lemma", kEafToken, C::Association},
    {"tahendus", kEafToken, C::Association},
    {"lati", kEafToken, C::Association},
    {"ingl", kEafToken, C::Association},
    {"liik", kEafToken, C::Association},
    {"vorm", kEafToken, C::Association},
    {"meta", kEafToken, C::Association},
    {"stiil", kEafToken, C::Association},
    {"kommentaar", kEafToken, C::Association},
    {"auto", kEafToken, C::Association},
    {"eelause", kEafSentence, C::Association},
    {"ltlause", kEafSentence, C::Association},
    {"inglause", kEafSentence, C::Association},
    {"yhend", kEafSentence, C::Subdivision},
    {"ysonad", kEafCombination, C::Association},
    {"ytahendus", kEafCombination, C::Association},
    {"yliik", kEafCombination, C::Association},
}};

constexpr std::size_t kFirstField = 2;
constexpr std::size_t kFirstTranslation = 14;

// Names other corpora give tiers of a kind. Names ending in "-" match any name they begin.
struct Alias {
    std::string_view name;
    std::size_t kind;
};
constexpr std::array<Alias, 34> kAliases{{
    {"word", 1},       {"words", 1},        {"token", 1},      {"tokens", 1},   {"tx", 1},
    {"page", 2},       {"lg", 3},           {"lang", 3},       {"language", 3}, {"lem", 4},
    {"cf", 4},         {"gloss", 5},        {"gls", 5},        {"ge", 5},       {"meaning", 5},
    {"gloss-lv", 6},   {"gls-lv", 6},       {"gloss-en", 7},   {"gls-en", 7},   {"gloss-eng", 7},
    {"pos", 8},        {"ps", 8},           {"morph", 9},      {"msa", 9},      {"gram", 9},
    {"note", 12},      {"comment", 12},     {"ft-est", 14},    {"ft-et-", 14},  {"ft-lav", 15},
    {"ft-lv-", 15},    {"ft-eng", 16},      {"ft-en-", 16},    {"ft-est-", 14},
}};

constexpr std::array<std::string_view, 9> kTranscriptionNames{
    "lause", "orth", "transcription", "transcript", "txt", "text", "utterance", "utt", "sentence"};

// The lower-case name of a tier (before "@" or "(") and of its type (a trailing "T" dropped, and
// what follows "(").
std::string tierName(std::string_view tierId)
{
    return toLowerAscii(tierId.substr(0, std::min(tierId.find('@'), tierId.find('('))));
}

std::string typeName(std::string_view type)
{
    if (type.size() > 1 && type.back() == 'T')
        type.remove_suffix(1);
    return toLowerAscii(type.substr(0, type.find('(')));
}

std::size_t kindOfName(std::string_view name)
{
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind)
        if (kKinds[kind].name == name)
            return kind;
    for (const Alias& alias : kAliases) {
        if (alias.name == name)
            return alias.kind;
        // "ft-eng" stands also for "ft-eng-vaszolyi2001a": a translation tier with its source.
        if (alias.name.starts_with("ft-") && name.starts_with(alias.name) && name.size() > alias.name.size() &&
            (alias.name.back() == '-' || name[alias.name.size()] == '-'))
            return alias.kind;
    }
    return kEafNoParent;
}

}  // namespace

std::span<const EafTierKind> eafTierKinds() { return kKinds; }

std::size_t eafFieldKind(TokenField field) { return kFirstField + static_cast<std::size_t>(field); }

std::size_t eafTranslationKind(Translation translation)
{
    return kFirstTranslation + static_cast<std::size_t>(translation);
}

std::size_t eafKindOfTier(std::string_view tierId, std::string_view linguisticType)
{
    const std::size_t byName = kindOfName(tierName(tierId));
    return byName != kEafNoParent ? byName : kindOfName(typeName(linguisticType));
}

bool isTranscriptionTierName(std::string_view tierId, std::string_view linguisticType)
{
    const auto named = [](const std::string& name) {
        return std::find(kTranscriptionNames.begin(), kTranscriptionNames.end(), name) != kTranscriptionNames.end();
    };
    return named(tierName(tierId)) || named(typeName(linguisticType));
}

}  // namespace pelmora::exchange
