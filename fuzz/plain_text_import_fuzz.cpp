// Fuzzes the plain-text import: the input checks, the header reader and the body tokeniser, for
// an oral and a written text; the imported text must save and open again. The body is also split
// as one line by the tokeniser every import shares: no token may be empty, hold a blank or leave NFC.
#include "common/normalisation.h"
#include "common/prompter.h"
#include "common/strings.h"
#include "io/plaintextimport.h"
#include "io/tokeniser.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!checkPlainTextInput(bytes).empty())
        return 0;
    const std::u32string text = decodePlainTextInput(bytes);
    const PlainTextHeader header = readPlainTextHeader(text);
    if (header.bodyStart > text.size())
        __builtin_trap();

    std::string line;
    for (const char32_t c : std::u32string_view(text).substr(header.bodyStart))
        appendUtf8(line, c);
    for (const SplitToken& token : splitIntoTokens(line)) {
        if (token.text.empty() || token.text.find_first_of(" \t\r\n") != std::string::npos ||
            !isNfc(token.text) || token.punctuation == hasLetterOrDigit(token.text))
            __builtin_trap();
    }

    SilentPrompter prompter;
    for (const bool written : {false, true}) {
        CPelmoraDoc doc(prompter);
        if (!doc.openFromBuffer(text::newTextTemplate(), "new.xml"))
            __builtin_trap();
        TextMetadata metadata = header.metadata;
        metadata.id = "F";
        metadata.type = written ? TextType::Written : TextType::Oral;
        // The speakers the header gives have no identifiers; one with an identifier makes the
        // interviewer marking take part.
        metadata.speakers.push_back({"intervjueerija", "I", "Küsija", "", "", "", "", ""});
        if (!writeImportMetadata(doc, metadata))
            __builtin_trap();
        tokenizePlainTextBody(doc, std::u32string_view(text).substr(header.bodyStart), written,
                              storedInterviewers(doc));
        CPelmoraDoc reopened(prompter);
        if (!reopened.openFromBuffer(doc.xml().serialize(), "saved.xml"))
            __builtin_trap();  // an import must never produce a text that cannot be opened again
    }
    return 0;
}
