// The text data ("Teksti andmed") of a text being imported: asking for it before anything is
// written, and writing it into the new text with the text-information dialog's own acceptance.
#pragma once

#include "common/prompter.h"
#include "text/metadata.h"
#include "text/pelmoradoc.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// Shows the text data dialog filled with `prefilled`; the completed metadata, or nothing when the
// user cancels.
using TextMetadataRequest = std::function<std::optional<TextMetadata>(const TextMetadata& prefilled)>;

// Told how far an import has come (done of total, in the import's own units); returning false
// stops it. A stopped import writes no file and leaves the open text as it was.
using ImportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Asks until acceptTextMetadata takes the answer, as the dialog does: each answer is tried on a new
// text held in memory only, and a refused one ("Sisesta teksti ID\nja vali teksti tüüp.", shown
// through `prompter`) is asked again with the values entered. The accepted metadata, or nothing on
// cancel. Neither the open document nor any file is touched; the acceptance's warnings about
// fields it leaves out are shown only when the metadata is written into the new text.
std::optional<TextMetadata> askImportMetadata(const TextMetadata& prefilled, const TextMetadataRequest& ask,
                                              Prompter& prompter);

// Writes metadata accepted by askImportMetadata into the freshly opened new text through
// acceptTextMetadata (with its warnings). False when the acceptance refuses.
bool writeImportMetadata(CPelmoraDoc& doc, const TextMetadata& metadata);

// The identifiers of the interviewers stored in the text's metadata, in file order.
std::vector<std::string> storedInterviewers(const CPelmoraDoc& doc);

}  // namespace pelmora
