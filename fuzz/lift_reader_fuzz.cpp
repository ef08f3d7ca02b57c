// Fuzzes the LIFT reader and the merge's preview: any input is refused with a reason or gives
// entries whose analyses the dictionary's stores take, with weights the merge can make.
#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "exchange/lift.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

using namespace pelmora;

namespace {

// A dictionary with a few entries, made once in a folder of its own.
CDictionary& dictionary()
{
    static SilentPrompter prompter(true);
    static CDictionary made(prompter);
    static const bool opened = [] {
        const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        const std::string dir = base + "/pelmora-fuzz-lift-" + std::to_string(::getpid());
        if (::mkdir(dir.c_str(), 0700) != 0 && ::access(dir.c_str(), W_OK) != 0)
            std::abort();
        const std::string path = dir + "/sonastik.xml";
        ::unlink(path.c_str());
        if (!createDictionaryFile(path) || !made.openWithPath(path))
            std::abort();
        made.storeLemma("kalā", "kala", "S", "", "fish");
        made.storeWordForm("kalā", "kalā", "sg.nom.");
        made.storeCombination("jūrõ vīeres", "mere ääres", "Post");
        return true;
    }();
    (void)opened;
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<exchange::LiftEntry> entries;
    exchange::ExchangeReport report;
    std::string reason;
    if (!exchange::readLift(bytes, entries, report, reason)) {
        if (reason.empty())
            __builtin_trap();
        return 0;
    }
    const exchange::LiftMerge merge(dictionary(), entries);
    const exchange::LiftMergePreview& preview = merge.preview();
    if (preview.newEntries + preview.sameEntries + preview.differentEntries != entries.size())
        __builtin_trap();  // every entry is counted once
    for (std::size_t i = 0; i < merge.size() && i < 1000; ++i)
        if (merge.request(i).values[0].empty())
            __builtin_trap();  // every store names its entry
    return 0;
}
