// ELAN's EAF 3.0: a corpus text as time-aligned tiers, and back.
//
// Each speaker has a top tier "lause@<speaker>" with one annotation per sentence (from its position
// to the next later position, unaligned where there is none), a token tier "sone@<speaker>"
// subdividing it, one association tier per token value ("lemma@...", "tahendus@...", ...) and per
// translation ("eelause@...", ...), and a combination tier "yhend@..." with its words, meaning and
// part of speech. The recording is the media descriptor; the text's metadata are header properties.
#pragma once

#include "exchange/exchangereport.h"
#include "exchange/textbuilder.h"
#include "exchange/xmlwriter.h"
#include "xml/xmldocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

struct EafWriteOptions {
    std::string date;           // the document's DATE, an xsd:dateTime
    std::string recording;      // the recording as the text names it ("" for none)
    std::string recordingPath;  // that name as a path ("" when unknown)
};

// Writes the EAF document of the corpus text under `root` to the sink, in NFC; what it cannot hold
// is noted. False when the sink refused a piece.
bool writeEaf(XmlNode root, const EafWriteOptions& options, ExchangeReport& report, const ExportSink& sink);

struct EafReadResult {
    std::string reason;               // why the file cannot be read
    std::vector<std::string> tiers;   // every tier of the file, in file order
    std::string chosenTier;           // the tier (of the kind) the sentences came from
};

// Reads an EAF document (versions 2.7 to 3.0) into the builder: sentences from the tiers of the kind
// of the tier named `tier` (every speaker's), or of the transcription kind found when `tier` is
// empty; tokens from a subdivision tier below, else cut from the sentence; token values and
// translations from association tiers recognised by their names. False with the reason for input
// that is not EAF or whose references do not resolve.
bool readEaf(std::string_view bytes, std::string_view tier, CorpusTextBuilder& builder, ExchangeReport& report,
             EafReadResult& result);
// The same for a document already parsed (its root "ANNOTATION_DOCUMENT").
bool readEafDocument(const XmlDocument& xml, std::string_view tier, CorpusTextBuilder& builder, ExchangeReport& report,
                     EafReadResult& result);

}  // namespace pelmora::exchange
