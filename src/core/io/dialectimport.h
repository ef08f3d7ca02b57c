// Import of a text of the older dialect corpus (ISO-8859-1 XML, root "record"): the file is
// repaired as text, written as a UTF-8 copy, read as XML and converted into a new corpus text.
#pragma once

#include "common/prompter.h"
#include "io/importmetadata.h"
#include "text/pelmoradoc.h"

#include <string>
#include <string_view>

namespace pelmora {

// The mark written into the comment of every place the conversion could not handle.
inline constexpr std::string_view kImportErrorMark = "import: viga";

// Decodes Windows code page 1252 (how the old files' ISO-8859-1 is read) into UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);

// The textual repair: declaration and document type, line ends and tabs, spacing, and bare words
// in utterances and comments wrapped into "mark"/"sne" elements. Warnings about words in places
// where they cannot be wrapped go to the prompter; the words stay.
std::string repairDialectText(std::string_view text, Prompter& prompter);

// The repaired copy's path ("[1].xml" in place of the input's last four characters) and the
// converted text's path ("[UTF-8].xml" in their place).
std::string dialectRepairedPath(const std::string& inputPath);
std::string dialectOutputPath(const std::string& inputPath);

// Expands the old form abbreviations ("n.", "g.", "p.", "v.", "ps.") where they stand at the start
// or after a full stop.
std::string expandDialectForm(std::string_view form);

// Appends a sentence for every utterance and comment of the record (with at least one word) to
// the document's body and returns the number of places marked "import: viga". Interviewers are
// recognised by their exact identifier.
int convertDialectRecord(CPelmoraDoc& doc, XmlNode record, const std::vector<std::string>& interviewers);
// The same, telling `progress` of every child of the record done; -1 when it said stop (the
// document then holds part of the record).
int convertDialectRecord(CPelmoraDoc& doc, XmlNode record, const std::vector<std::string>& interviewers,
                         const ImportProgress& progress);

struct DialectImportResult {
    bool ok = false;
    bool stopped = false;  // the progress callback said stop
    int suspicious = 0;  // places marked "import: viga"
    std::string repairedPath;
    std::string outputPath;
};

// The whole import. Writes the repaired copy, asks for the text data (type "suuline", village and
// parish prefilled from the record when it starts with a comment; again after an answer without ID
// or type), and only once it is accepted writes the new-text file and
// opens it as the document, and converts every utterance and comment into a sentence. Refuses to
// write over the input. The text is built beside the open one, so a stop through `progress` (counted
// in children of the record) writes no new text and leaves the open one as it was; the repaired copy
// stays. The document is left open, modified and unsaved; the count of suspicious places is reported
// with its message when above 0.
DialectImportResult importDialectText(CPelmoraDoc& doc, const std::string& inputPath, Prompter& prompter,
                                      const TextMetadataRequest& askTextData, const ImportProgress& progress = {});

}  // namespace pelmora
