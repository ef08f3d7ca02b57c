// Opening the files a command works on: a corpus text with a prompter of its own, every file of a
// list in turn, an optional dictionary.
#pragma once

#include "cliprompter.h"

#include "dictionary/dictionary.h"
#include "text/pelmoradoc.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pelmora::cli {

// Opens the corpus text at `path` with a prompter of its own (messages to standard error) and
// returns what `work` returns; kExitFailed, the message written, when the text does not open.
int withText(const std::string& path, const std::function<int(CPelmoraDoc& doc, CliPrompter& prompter)>& work);

// Runs `run` on every file, also after one failed; the status of the last file that did not
// give kExitOk, or kExitOk.
int runOnEachFile(const std::vector<std::string>& files, const std::function<int(const std::string& file)>& run);

// Opens the dictionary at `path` into `dictionary`; an empty path opens none and succeeds. False,
// the message written through the prompter, when it does not open.
bool openOptionalDictionary(const std::string& path, Prompter& prompter, std::unique_ptr<CDictionary>& dictionary);

}  // namespace pelmora::cli
