// Fuzzes the corpus text reader and everything that walks a loaded text: the document's open
// checks and navigation, the query's file walker and conditions, export and statistics.
#include "common/prompter.h"
#include "io/corpusfilereader.h"
#include "io/multifilequery.h"
#include "io/simpledictionary.h"
#include "io/textexport.h"
#include "text/pelmoradoc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SilentPrompter prompter;
    CPelmoraDoc doc(prompter);
    if (doc.openFromBuffer(bytes, "fuzz.xml")) {
        for (XmlNode token = doc.firstToken(); token; token = CPelmoraDoc::nextToken(token))
            (void)CPelmoraDoc::tokenText(token);
        for (const ExportMode mode : {ExportMode::Plain, ExportMode::Annotated, ExportMode::SearchForm})
            (void)exportTextContent(doc, mode);
        (void)countTextStatistics(doc, prompter);
    }

    CorpusFileReader reader;
    if (reader.openFromBuffer(bytes)) {
        TokenConditions conditions;
        conditions[QueryField::Form].pattern = "sg";
        conditions[QueryField::Text].pattern = "a";
        conditions[QueryField::Text].kind = "Alguses";
        std::size_t steps = 0;
        for (CorpusFileReader::Step step = reader.step(); step != CorpusFileReader::Step::End; step = reader.step()) {
            if (step == CorpusFileReader::Step::Token) {
                (void)tokenMeetsConditions(reader.current(), conditions);
                (void)CorpusFileReader::previousTokenInSentence(reader.current());
            }
            if (++steps > 1000000)
                __builtin_trap();  // the walk must end
        }
    }
    return 0;
}
