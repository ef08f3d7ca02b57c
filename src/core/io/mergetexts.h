// Merging texts: several corpus text files joined into one new text with continued sentence numbers.
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <string>
#include <vector>

namespace pelmora {

struct MergeSettings {
    std::vector<std::string> files;  // joined in this order; the first gives the metadata
    std::string newPath;             // "Uue faili nimi:"
    bool prefixPages = false;        // "Leheküljenumbri ees teksti ID"
};

// Joins the files into the document, which then holds the merged text with the new path saved.
// Shows the unfinished-command warning first. Refuses, with the dialog's message, a new path that
// is one of the files to join. The first file is opened as the document (its open message on
// failure); every further file is read with CorpusFileReader (an invalid one asks the skip-or-stop
// question) and its sentences are appended with continued numbers, each token keeping its
// position number. Returns false when nothing was merged (refusal, first file or save failed).
bool mergeTexts(CPelmoraDoc& doc, const MergeSettings& settings, Prompter& prompter);

}  // namespace pelmora
