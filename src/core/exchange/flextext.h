// FlexText, the interlinear texts of FLEx: a corpus text as one "interlinear-text", and back.
//
// The text's title and metadata are items of the interlinear text; a paragraph holds one speaker's
// turn (or one sentence of a text without speakers); a phrase is a sentence ("segnum" its id, its
// translations "gls" in et, lv, en, its audio position in milliseconds as begin-time-offset, the
// recording as media file, the speaker); a word is a token ("txt", or "punct" for punctuation, "gls"
// in et, lv, en, "pos", and items for the comment, style, reason, page, language and replacement
// mark); an annotated token has one root morph ("cf" the lemma, "gls" the meaning, "msa" the part
// of speech and the form tag). Combinations are phrase items grouped by their identifier.
#pragma once

#include "exchange/exchangereport.h"
#include "exchange/textbuilder.h"
#include "exchange/xmlwriter.h"
#include "xml/xmldocument.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

// Writes the FlexText document of the corpus text under `root` to the sink, in NFC; what it cannot
// hold is noted. False when the sink refused a piece.
bool writeFlexText(XmlNode root, ExchangeReport& report, const ExportSink& sink);

// Reads every interlinear text of a FlexText document into a builder of its own, with its title.
// False with the reason for input that is not FlexText.
bool readFlexText(std::string_view bytes, std::vector<std::unique_ptr<CorpusTextBuilder>>& texts,
                  std::vector<std::string>& titles, ExchangeReport& report, std::string& reason);
// The same for a document already parsed (its root "document").
bool readFlexTextDocument(const XmlDocument& xml, std::vector<std::unique_ptr<CorpusTextBuilder>>& texts,
                          std::vector<std::string>& titles, ExchangeReport& report, std::string& reason);

}  // namespace pelmora::exchange
