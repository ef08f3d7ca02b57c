// The names of the undo steps, as the menu shows them after "Võta tagasi: " and "Tee uuesti: ".
#pragma once

#include "common/translation.h"

namespace pelmora::step {

inline constexpr const char* kRemember = QT_TRANSLATE_NOOP("core", "jäta meelde");
// Undo takes back the token's annotation only: what went into the dictionary stays there.
inline constexpr const char* kRememberIntoDictionary = QT_TRANSLATE_NOOP("core", "jäta meelde (sõnastik jääb)");
inline constexpr const char* kModifyToken = QT_TRANSLATE_NOOP("core", "muuda sõne");
inline constexpr const char* kAddToken = QT_TRANSLATE_NOOP("core", "lisa sõne");
inline constexpr const char* kDeleteToken = QT_TRANSLATE_NOOP("core", "kustuta sõne");
inline constexpr const char* kMergeSentences = QT_TRANSLATE_NOOP("core", "ühenda laused");
inline constexpr const char* kSplitSentence = QT_TRANSLATE_NOOP("core", "tükelda lause");
inline constexpr const char* kMetadata = QT_TRANSLATE_NOOP("core", "teksti andmed");
inline constexpr const char* kAudioPosition = QT_TRANSLATE_NOOP("core", "helifailiga sidumine");
inline constexpr const char* kReplace = QT_TRANSLATE_NOOP("core", "asenda");
inline constexpr const char* kRemoveAutomaticMarks = QT_TRANSLATE_NOOP("core", "eemalda automaatmuudatuste märgid");
inline constexpr const char* kLemmatise = QT_TRANSLATE_NOOP("core", "lemmatiseeri");
// The pre-annotation with the local analyser.
inline constexpr const char* kPreannotate = QT_TRANSLATE_NOOP("core", "eelmärgenda");
inline constexpr const char* kSentenceTranslations = QT_TRANSLATE_NOOP("core", "lause tõlked");
inline constexpr const char* kCreateCombination = QT_TRANSLATE_NOOP("core", "loo ühend");
// Undo takes the combination out of the text; the dictionary keeps what it stored.
inline constexpr const char* kCreateCombinationIntoDictionary =
    QT_TRANSLATE_NOOP("core", "loo ühend (sõnastik jääb)");
inline constexpr const char* kRemoveCombination = QT_TRANSLATE_NOOP("core", "kustuta ühend");
inline constexpr const char* kNormalise = QT_TRANSLATE_NOOP("core", "normaliseeri tähed");
// One analysis given to chosen tokens of the corpus view "Ebakõlad".
inline constexpr const char* kApplyAnalysis = QT_TRANSLATE_NOOP("core", "rakenda analüüs");

}  // namespace pelmora::step
