// CoNLL-U: a corpus text as Universal Dependencies' tab-separated sentences, and back.
//
// One block per sentence with "# sent_id", "# text" (the forms, with SpaceAfter=No where no blank
// stands), "# speaker", "# audio_start" and "# text_et|lv|en"; the first block also carries
// "# newdoc id" and the text's metadata as "# meta::<key>". Per word: FORM, LEMMA, UPOS and FEATS
// from the mapping tables, XPOS the part-of-speech code, HEAD, DEPREL and DEPS "_", and in MISC the
// other values (GlossEt, GlossLv, Gloss, FormTag, Reason, Style, Comment, Page, Language, Auto,
// Combination, CombinationMeaning, CombinationPos). docs/exchange.md has the whole mapping.
#pragma once

#include "exchange/exchangereport.h"
#include "exchange/textbuilder.h"
#include "exchange/xmlwriter.h"
#include "xml/xmldocument.h"

#include <string>
#include <string_view>

namespace pelmora::exchange {

// Writes the CoNLL-U text of the corpus text under `root` to the sink, in NFC with LF line ends;
// what the format cannot hold is noted in the report. False when the sink refused a piece.
bool writeConllu(XmlNode root, ExchangeReport& report, const ExportSink& sink);

// Reads CoNLL-U into the builder. Multi-word tokens give their words (the first word's comment
// names the written form), empty nodes and syntax are left out and noted. False with the reason,
// its line first, for input that is not CoNLL-U; the builder is then to be dropped.
bool readConllu(std::string_view bytes, CorpusTextBuilder& builder, ExchangeReport& report, std::string& reason);

// Whether Python's str.isspace, which the UD validator uses, holds for the character.
bool isUdSpace(char32_t c);

// A value for MISC (`inMisc`) or a comment: "\" as "\\", "|" as "\p" (in MISC), tab, line feed and
// carriage return as "\t", "\n", "\r", a blank at either end or next to other white space as "\s",
// other white space as "\uXXXX". unescapeValue reverses it; other "\" sequences stay as they are.
void appendEscapedValue(std::string& out, std::string_view value, bool inMisc);
std::string unescapeValue(std::string_view value);

}  // namespace pelmora::exchange
