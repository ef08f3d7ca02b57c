// Fuzzes the dialect-corpus import: code page 1252 decoding, the textual repair and the
// conversion of the repaired record into a corpus text.
#include "common/files.h"
#include "common/prompter.h"
#include "io/dialectimport.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace pelmora;

namespace {

// The empty-body template on disk, since the body-only open reads a file.
const std::string& templatePath()
{
    static const std::string path = [] {
        std::string p = "/tmp/pelmora-fuzz-empty-" + std::to_string(::getpid()) + ".xml";
        if (!replaceFileSafely(p, text::emptyBodyTemplate()))
            std::abort();
        return p;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SilentPrompter prompter;
    const std::string repaired = repairDialectText(cp1252ToUtf8(bytes), prompter);
    XmlDocument old;
    if (!old.loadFromBuffer(repaired) || !isElement(old.root(), "record"))
        return 0;
    CPelmoraDoc doc(prompter);
    if (!doc.openDocumentBodyOnly(templatePath()))
        std::abort();
    const int suspicious = convertDialectRecord(doc, old.root(), {"I1"});
    if (suspicious < 0)
        __builtin_trap();
    if (doc.firstToken()) {
        CPelmoraDoc reopened(prompter);
        if (!reopened.openFromBuffer(doc.xml().serialize(), "converted.xml"))
            __builtin_trap();  // a converted text with tokens must open again
    }
    return 0;
}
