// The corpus files a many-file operation reads: folders listed for their corpus XML files, and
// each file loaded for reading with the user's message when it cannot be used.
#pragma once

#include "common/filemessages.h"
#include "common/translation.h"
#include "io/corpusfilereader.h"

#include <string>
#include <vector>

namespace pelmora {

// The messages for a file that is left out of a many-file operation.
inline constexpr const char* kCorpusEmptyFile = QT_TRANSLATE_NOOP("core", "Fail %s on tühi.");
inline constexpr const char* kCorpusInvalidFile = kInvalidFileMessage;
// Well-formed XML that is not a corpus text, such as the dictionary kept beside the texts.
inline constexpr const char* kCorpusNotACorpusText = QT_TRANSLATE_NOOP("core", "Fail %s ei ole korpuse tekst.");

// A file that was not read, and why (the user's message, then the reader's own reason).
struct CorpusSkippedFile {
    std::string file;
    std::string message;  // one of the three messages above, with the file's path
    std::string reason;   // e.g. the parser's error; may be empty

    bool operator==(const CorpusSkippedFile&) const = default;
};

// The ".xml" files of a folder (any case of the suffix), sorted by name; subfolders are not
// entered. Empty when the folder cannot be read.
std::vector<std::string> corpusFilesInFolder(const std::string& folder);

// Files as given and every folder replaced by its corpus files, in the order given.
std::vector<std::string> expandCorpusPaths(const std::vector<std::string>& paths);

// The files without the ones named again (also as "./a.xml"), in the order given.
std::vector<std::string> withoutRepeatedFiles(std::vector<std::string> files);

// Loads a corpus text into the reader without asking. False, with `skipped` filled, when the
// file is empty, cannot be read or parsed, or is not a corpus text.
bool loadCorpusText(CorpusFileReader& reader, const std::string& path, CorpusSkippedFile& skipped);

}  // namespace pelmora
