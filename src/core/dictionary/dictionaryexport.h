// The dictionary export: every analysis of the three sections as UTF-16 tab-separated text.
#pragma once

#include "common/prompter.h"

#include <functional>
#include <string>

namespace pelmora {

class CDictionary;

// Where users report problems with the unfinished functions.
inline constexpr const char* kContactAddress = "pelmora@example.org";

// The warning shown before the export (and by the dictionary analysis command), ending with the
// contact address; its caption is "Tekstide ühendamine".
std::string unfinishedFunctionWarning();

// The export text (UTF-8 here; written as UTF-16): the three headed sections, each analysis in
// pre-order on one line. The current-entry positions are not moved.
std::string dictionaryExportText(const CDictionary& dictionary);

// Shows the warning, asks "Kas ekspordin sõnastiku\n%s?" and on Yes writes the export to the
// path as UTF-16 little-endian with byte-order mark, through the safe replacement. On No nothing
// is written. A write failure gives "Ei saanud faili avada". True when the file was written.
bool exportDictionary(const CDictionary& dictionary, const std::string& outputPath, Prompter& prompter);

// The same with the file chosen after the warning: `choosePath` asks the user for it (the
// window's file dialog) and an empty path ends the export before the question.
bool exportDictionary(const CDictionary& dictionary, const std::function<std::string()>& choosePath,
                      Prompter& prompter);

}  // namespace pelmora
