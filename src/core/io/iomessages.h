// Messages shared by several import, export and query operations.
#pragma once

#include "common/translation.h"

#include <string>

namespace pelmora {

// The address that the warnings of unfinished commands end with.
inline constexpr const char* kContactAddress = "pelmora@example.org";

// The caption of those warnings (all of them use the merge's caption).
inline constexpr const char* kUnfinishedCaption = QT_TRANSLATE_NOOP("core", "Tekstide ühendamine");

// The warning text of an unfinished command: its beginning in the interface's language, then the
// contact address.
inline std::string unfinishedWarning(const char* beginning)
{
    return translatedText(beginning) + kContactAddress;
}

}  // namespace pelmora
