// The kinds of tier an EAF export writes, their parents and constraints, and the names by which an
// import recognises a tier of each kind in files other programs wrote.
#pragma once

#include "exchange/corpusreading.h"

#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

namespace pelmora::exchange {

enum class EafConstraint { None, Subdivision, Association };

inline constexpr std::size_t kEafNoParent = std::numeric_limits<std::size_t>::max();

// A kind of tier: its linguistic type (and tier name before "@<speaker>"), the kind of its parent
// tier and how its annotations hang on the parent's.
struct EafTierKind {
    std::string_view name;
    std::size_t parent;
    EafConstraint constraint;
};

inline constexpr std::size_t kEafKindCount = 21;

// Every kind, in the order the tiers of one speaker are written.
std::span<const EafTierKind> eafTierKinds();

inline constexpr std::size_t kEafSentence = 0;
inline constexpr std::size_t kEafToken = 1;
inline constexpr std::size_t kEafCombination = 17;
inline constexpr std::size_t kEafCombinationWords = 18;
inline constexpr std::size_t kEafCombinationMeaning = 19;
inline constexpr std::size_t kEafCombinationPartOfSpeech = 20;

// The kind of the association tier of a token field, and of a translation.
std::size_t eafFieldKind(TokenField field);
std::size_t eafTranslationKind(Translation translation);

// The kind a tier stands for, by its name (the part before "@" or "(") or else its linguistic type
// (a trailing "T" dropped), both compared without case: our own names and the usual names of other
// corpora ("word", "gloss", "pos", "ft-eng", "note", ...). kEafNoParent when neither is known.
std::size_t eafKindOfTier(std::string_view tierId, std::string_view linguisticType);

// Whether a tier's name or type names a transcription ("orth", "transcription", "utterance", ...).
bool isTranscriptionTierName(std::string_view tierId, std::string_view linguisticType);

}  // namespace pelmora::exchange
