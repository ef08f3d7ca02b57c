// Fuzzes the transformations file reader: the input is the file. What was read must write back
// and read again as the same list, under both rules for lines without "!".
#include "annotation/transformations.h"
#include "common/prompter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

using namespace pelmora;

namespace {

const std::string& folder()
{
    static const std::string dir = [] {
        const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string d = base + "/pelmora-fuzz-vtf-" + std::to_string(::getpid());
        if (::mkdir(d.c_str(), 0700) != 0 && ::access(d.c_str(), W_OK) != 0)
            std::abort();
        return d;
    }();
    return dir;
}

void checkRoundTrip(const TransformationList& list, LineWithoutSeparator rule)
{
    for (const TransformationPair& pair : list)
        if (!isWritableTransformation(pair))
            __builtin_trap();  // a pair read from a file can always be written
    if (parseTransformations(formatTransformations(list), rule) != list)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The parser alone, on bytes that need not be text at all.
    for (const LineWithoutSeparator rule : {LineWithoutSeparator::RepeatSource, LineWithoutSeparator::ReplaceTarget})
        checkRoundTrip(parseTransformations(bytes, rule), rule);

    const std::string input = folder() + "/input.vtf";
    const std::string output = folder() + "/output.vtf";
    // A plain write: the input file is only the setup, and the machine's disk is shared.
    if (!(std::ofstream(input, std::ios::binary | std::ios::trunc) << bytes))
        std::abort();
    SilentPrompter prompter;
    for (const LineWithoutSeparator rule : {LineWithoutSeparator::RepeatSource, LineWithoutSeparator::ReplaceTarget}) {
        const auto messages = rule == LineWithoutSeparator::RepeatSource ? TransformationMessages::Settings
                                                                         : TransformationMessages::Dialog;
        TransformationList list{{"vana", "uus"}};
        if (!readTransformationsFile(input, list, prompter, messages, rule)) {
            if (!list.empty())
                __builtin_trap();  // a failed read leaves the list empty
            continue;
        }
        checkRoundTrip(list, rule);
        if (rule != LineWithoutSeparator::RepeatSource)
            continue;  // the file round trip is the same under both rules
        if (!writeTransformationsFile(output, list, prompter))
            __builtin_trap();
        TransformationList again;
        if (!readTransformationsFile(output, again, prompter, messages, rule) || again != list)
            __builtin_trap();  // the written file reads back as the same list
    }
    return 0;
}
