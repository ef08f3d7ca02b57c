// Text export: the open corpus text as a UTF-16 line-per-sentence file for other tools.
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <functional>
#include <string>

namespace pelmora {

enum class ExportMode {
    Plain,      // token texts only
    Annotated,  // "|" token "_MS:" lemma ... "_|"
    SearchForm  // "@" token "|" search form "@", for the web query system
};

struct ExportProgress {
    long long sentencesDone = 0;
    long long sentenceCount = 0;
};

// Told every few hundred sentences; returning false stops the export before anything is written.
using ExportProgressCallback = std::function<bool(const ExportProgress&)>;

// Asks the two questions that choose the mode ("Kas lisan faili märksõnad jm info?", then
// "Kas väljastan märksõnastamata teksti ... veebi päringusüsteemi jaoks?").
ExportMode askExportMode(Prompter& prompter);

// The export as UTF-8 text (without the byte-order mark); "" for a document without a body
// sentence holding a token. Reads the document only.
std::string exportTextContent(const CPelmoraDoc& doc, ExportMode mode);

// Writes the export as UTF-16LE with byte-order mark through the safe file replacement. Does
// nothing (true) without content; "Ei saanud faili avada" and false when the file cannot be written.
// When `progress` says stop: false without a message, and the file is not touched.
bool exportText(const CPelmoraDoc& doc, const std::string& path, ExportMode mode, Prompter& prompter,
                const ExportProgressCallback& progress = {});

}  // namespace pelmora
