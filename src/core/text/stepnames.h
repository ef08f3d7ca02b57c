// The names of the undo steps, as the menu shows them after "Võta tagasi: " and "Tee uuesti: ".
#pragma once

namespace pelmora::step {

inline constexpr const char* kRemember = "jäta meelde";
// Undo takes back the token's annotation only: what went into the dictionary stays there.
inline constexpr const char* kRememberIntoDictionary = "jäta meelde (sõnastik jääb)";
inline constexpr const char* kModifyToken = "muuda sõne";
inline constexpr const char* kAddToken = "lisa sõne";
inline constexpr const char* kDeleteToken = "kustuta sõne";
inline constexpr const char* kMergeSentences = "ühenda laused";
inline constexpr const char* kSplitSentence = "tükelda lause";
inline constexpr const char* kMetadata = "teksti andmed";
inline constexpr const char* kAudioPosition = "helifailiga sidumine";
inline constexpr const char* kReplace = "asenda";
inline constexpr const char* kRemoveAutomaticMarks = "eemalda automaatmuudatuste märgid";
inline constexpr const char* kLemmatise = "lemmatiseeri";
// The pre-annotation with the local analyser.
inline constexpr const char* kPreannotate = "eelmärgenda";
inline constexpr const char* kSentenceTranslations = "lause tõlked";
inline constexpr const char* kCreateCombination = "loo ühend";
// Undo takes the combination out of the text; the dictionary keeps what it stored.
inline constexpr const char* kCreateCombinationIntoDictionary = "loo ühend (sõnastik jääb)";
inline constexpr const char* kRemoveCombination = "kustuta ühend";
inline constexpr const char* kNormalise = "normaliseeri tähed";
// One analysis given to chosen tokens of the corpus view "Ebakõlad".
inline constexpr const char* kApplyAnalysis = "rakenda analüüs";

}  // namespace pelmora::step
