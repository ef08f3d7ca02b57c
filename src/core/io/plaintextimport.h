// ImportPlainText: a UTF-16 or UTF-8 transcript or written text with light angle-bracket mark-up
// becomes a new corpus text, cut into sentences (lines, and on request sentence marks) and tokens.
#pragma once

#include "common/prompter.h"
#include "io/importmetadata.h"
#include "text/pelmoradoc.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One token as plain-text import delivers it.
struct ImportedToken {
    std::string text;
    std::string speaker = "?";  // "?" when the sentence has no named speaker
    std::string page;
    bool writtenText = false;
    bool other = false;        // meta "muu"
    bool note = false;         // stiil "märkus"
    bool heading = false;      // stiil "pealkiri"
    bool emphasis = false;     // stiil "esiletõst"
    bool comment = false;      // meta "kommentaar"
    bool interviewer = false;  // meta "intervjueerija"
};

// Builds the new text's sentences and tokens, counting them: the text starts at sentence 1,
// token 0. The document's current node is the insertion point: the new-text template's
// placeholder token (which the first token takes over) or the body. While the builder lives the
// document records nothing for undo; its history is forgotten.
class PlainTextBuilder {
public:
    explicit PlainTextBuilder(CPelmoraDoc& doc) : m_doc(doc), m_unrecorded(doc) {}
    // Ends the sentence being built, so that the next token opens a new one.
    void endSentence() { m_token = 0; }
    // Appends one token at the current token, which it becomes, with its attributes in the order
    // id, lk, meta, stiil and the automatic "vahemärk"/"number" rules. An empty or single-blank
    // text is ignored (false).
    bool append(const ImportedToken& token);

private:
    CPelmoraDoc& m_doc;
    CPelmoraDoc::UnrecordedChanges m_unrecorded;
    int m_sentence = 1;
    int m_token = 0;
};

// What the input's optional "<info>" header gives, and where the body starts (in code points
// after the byte-order mark).
struct PlainTextHeader {
    TextMetadata metadata;  // "Muu info", "Küla", "Pealkiri", "Ilmumisaasta" and the speakers
    std::size_t bodyStart = 0;
};

// The refusal of readPlainTextInput (io/plaintextinput.h), "" for acceptable input.
std::string checkPlainTextInput(std::string_view bytes);

// The text of readPlainTextInput: code points without the byte-order mark.
std::u32string decodePlainTextInput(std::string_view bytes);

// How the body is cut into sentences besides its lines.
struct PlainTextImportOptions {
    bool splitSentences = false;             // also at . ? ! … inside a line (io/sentencesplitting.h)
    std::vector<std::string> abbreviations;  // kept whole (parseAbbreviations); none when empty
};

// Reads the "<info>" header, when the text starts with one.
PlainTextHeader readPlainTextHeader(const std::u32string& text);

// Cuts the body into sentences and tokens and appends them to the document, which must hold a
// freshly opened new-text template (through a PlainTextBuilder). `progress` hears of every stretch
// of the body (in code points); false when it said stop (the document then holds part of the body).
// A sentence also ends at each position of `sentenceEnds` (blanks of the body, see sentenceEnds()).
bool tokenizePlainTextBody(CPelmoraDoc& doc, std::u32string_view body, bool writtenText,
                           const std::vector<std::string>& interviewers, const ImportProgress& progress = {},
                           const std::vector<std::size_t>& sentenceEnds = {});

// The whole import. Checks the input first (nothing is written for a refused input, and an output
// path that is the input is refused), asks for the text data through `askTextData` (again after an
// answer without ID or type), and only once it is accepted writes the new-text template to the
// output path (safe replacement) and opens the new text as the document, with the metadata written as
// the text information dialog does and the tokens appended. The text is built apart from the open
// one, so a stop through `progress` (false, no message) leaves the open text and the output path as
// they were. The document is left open, modified and unsaved; true then. Every refusal shows its
// message and returns false. `options` may split sentences at their marks as well.
bool ImportPlainText(CPelmoraDoc& doc, const std::string& inputPath, const std::string& outputPath,
                     Prompter& prompter, const TextMetadataRequest& askTextData,
                     const ImportProgress& progress = {}, const PlainTextImportOptions& options = {});

}  // namespace pelmora
