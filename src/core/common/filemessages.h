// Messages about a file that many operations give, each with the file's path for "%s".
#pragma once

#include "common/translation.h"

namespace pelmora {

inline constexpr const char* kInvalidFileMessage = QT_TRANSLATE_NOOP("core", "Vigane fail %s.");
inline constexpr const char* kFileNotFoundMessage = QT_TRANSLATE_NOOP("core", "Ei leidnud faili %s");
inline constexpr const char* kSaveFailedMessage = QT_TRANSLATE_NOOP("core", "Viga faili %s salvestamisel.");
inline constexpr const char* kOverwriteQuestion =
    QT_TRANSLATE_NOOP("core", "Fail %s on juba olemas.\nKas kirjutan selle üle?");
inline constexpr const char* kOutputIsInputMessage =
    QT_TRANSLATE_NOOP("core", "Väljundfail %s\non sama mis sisendfail.\nVali mõni muu fail.");
inline constexpr const char* kCannotCreateMessage = QT_TRANSLATE_NOOP("core", "Ei saa avada/luua faili %s");
// Without a path.
inline constexpr const char* kCannotWriteOutputMessage = QT_TRANSLATE_NOOP("core", "Ei saa väljundfaili kirjutada");

}  // namespace pelmora
