// Merging texts: several corpus text files joined into one new text with continued sentence numbers.
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pelmora {

struct MergeSettings {
    std::vector<std::string> files;  // joined in this order; the first gives the metadata
    std::string newPath;             // "Uue faili nimi:"
    bool prefixPages = false;        // "Leheküljenumbri ees teksti ID"
    // Shows the unfinished-command warning first; the window shows it before its dialog instead.
    bool warnFirst = true;
};

struct MergeProgress {
    std::size_t filesDone = 0;
    std::size_t fileCount = 0;
};

// Told before the first file and after every file; returning false stops the merge.
using MergeProgressCallback = std::function<bool(const MergeProgress&)>;

// The warning that the command is not finished (caption "Tekstide ühendamine").
void warnMergeUnfinished(Prompter& prompter);

// Joins the files into the document, which then holds the merged text with the new path saved
// (and marked modified). Shows the unfinished-command warning first when asked. Refuses, with the
// dialog's message, a new path that is one of the files to join. The first file is opened (its
// open message on failure); every further file is read with CorpusFileReader (an invalid one asks
// the skip-or-stop question) and its sentences are appended with continued numbers, each token
// keeping its position number. The text is put together aside and written once at the end, so
// returning false (refusal, first file or save failed, `progress` said stop) leaves the document
// and the new file's path exactly as they were.
bool mergeTexts(CPelmoraDoc& doc, const MergeSettings& settings, Prompter& prompter,
                const MergeProgressCallback& progress = {});

}  // namespace pelmora
