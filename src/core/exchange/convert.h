// Exchange of corpus texts with CoNLL-U, FlexText and ELAN's EAF: choosing the format, exporting an
// open text, importing a file into new corpus texts, and converting one file into another safely.
#pragma once

#include "common/prompter.h"
#include "exchange/exchangereport.h"
#include "exchange/textbuilder.h"
#include "exchange/xmlwriter.h"
#include "xml/xmldocument.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {
class CPelmoraDoc;
}

namespace pelmora::exchange {

enum class ExchangeFormat { CorpusText, Conllu, FlexText, Eaf };

// The format a file name's extension names (".xml", ".conllu", ".flextext", ".eaf", in any case).
std::optional<ExchangeFormat> formatOfPath(std::string_view path);
// The format of a name as the batch tool takes it ("xml", "conllu", "flextext", "eaf").
std::optional<ExchangeFormat> formatOfName(std::string_view name);
// "Pelmora XML", "CoNLL-U", "FlexText", "EAF".
std::string_view formatTitle(ExchangeFormat format);

struct ExportOptions {
    // Where the text lies, for the recording's path in EAF ("" when it was never saved).
    std::string textPath;
    // The creation time EAF records (xsd:dateTime); "" means now.
    std::string date;
};

// Writes the corpus text under `root` in the format (not CorpusText) to the sink, piece by piece,
// with what the format could not hold noted. False when the sink refused a piece.
bool writeCorpusText(XmlNode root, ExchangeFormat format, const ExportOptions& options, ExchangeReport& report,
                     const ExportSink& sink);
// The same as one string.
std::string exportCorpusText(XmlNode root, ExchangeFormat format, const ExportOptions& options, ExchangeReport& report);

// Writes the corpus text under `root` in the format (not CorpusText) to the path through the safe
// replacement (never half a file); the caller has asked before an existing file is replaced. A
// failure is told with its reason; after a written file what the format could not hold is told.
// True when the file was written.
bool exportCorpusFile(XmlNode root, ExchangeFormat format, const std::string& path, const ExportOptions& options,
                      Prompter& prompter);

struct ImportOptions {
    // EAF: the transcription tier (its kind is taken on every speaker's tier); "" chooses one.
    std::string tier;
    // The text identifier to give; "" takes the file's own, else `fallbackId`.
    std::string textId;
    std::string fallbackId;
};

// One corpus text an import built.
struct ImportedText {
    std::unique_ptr<CorpusTextBuilder> builder;
    std::string title;  // FlexText: the text's title, for a choice between several
    std::size_t sentences = 0;
    std::size_t tokens = 0;
    std::size_t annotatedTokens = 0;  // tokens with a lemma
};

struct ImportResult {
    bool ok = false;
    std::string reason;               // why the input cannot be read, its line first where there is one
    std::vector<ImportedText> texts;  // one per text of the input (a FlexText file may hold several)
    std::vector<std::string> tiers;   // EAF: every tier of the file, for the choice of the transcription tier
    std::string chosenTier;           // EAF: the tier the sentences came from
    ExchangeReport report;            // what the import left out
};

// Reads a file's bytes in the format (not CorpusText). Never throws; input that is not of the format
// gives ok false and the reason.
ImportResult importExchangeBytes(std::string_view bytes, ExchangeFormat format, const ImportOptions& options);
// The same for a file; an XML file is read straight into the parser. A file that cannot be read
// gives the reason too.
ImportResult importExchangeFile(const std::string& path, ExchangeFormat format, const ImportOptions& options);

// Saves an imported text as a new corpus text at `path` (never over `source`, the file it was read
// from) and opens it in the document in place of the open text, unmodified. The open text stays as
// it was when the new one cannot be written or opened; every failure is told. True when opened.
bool openImportedText(CPelmoraDoc& doc, CorpusTextBuilder& builder, const std::string& source,
                      const std::string& path, Prompter& prompter);

struct ConvertOptions {
    std::optional<ExchangeFormat> from;  // none: by the input's extension
    std::optional<ExchangeFormat> to;    // none: by the output's extension
    ImportOptions import;
    // FlexText with several texts: the one to take (from 1); 0 writes each to "<output>-<n><extension>".
    std::size_t textNumber = 0;
};

// Converts a file: a corpus text into another format, a file of another format into corpus texts,
// or one format into another through a corpus text. An existing output is only replaced after Yes to
// "Fail %s on juba olemas.\nKas kirjutan selle üle?"; every output is written safely (never half a
// file), nothing is written when the input cannot be read, and what a format could not hold is
// told. Every failure is told through the prompter; true when all outputs were written.
bool convertFile(const std::string& input, const std::string& output, const ConvertOptions& options, Prompter& prompter);

}  // namespace pelmora::exchange
