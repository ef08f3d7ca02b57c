// The command "normalise": rewrites corpus texts or a dictionary with every value in the Unicode
// normal form (NFC); "lint" reports what it would change.
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"

#include "common/files.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionarynormalisation.h"
#include "text/pelmoradoc.h"
#include "text/textnormalisation.h"

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct NormaliseOptions {
    std::vector<std::string> files;
    std::string output;
    bool inPlace = false;
};

int normaliseDictionaryFile(const std::string& file, const std::string& output)
{
    CliPrompter prompter(std::cerr);
    std::string target = file;
    if (!output.empty()) {
        // The copy is made first and then normalised under its own lock, like any dictionary.
        std::string bytes;
        std::string error;
        if (!readWholeFile(file, bytes, &error) || !replaceFileSafely(output, bytes, &error)) {
            std::cerr << error << '\n';
            return kExitFailed;
        }
        target = output;
    }
    CDictionary dictionary(prompter);
    if (!dictionary.openWithPath(target))
        return kExitFailed;
    DictionaryNormalisation result;
    if (!normaliseDictionary(dictionary, result))
        return kExitFailed;
    std::cout << file << ": " << result.values << " values changed, " << result.merged << " merged\n";
    return kExitOk;
}

int normaliseTextFile(const std::string& file, const std::string& output)
{
    return withText(file, [&](CPelmoraDoc& doc, CliPrompter&) {
        const std::size_t changed = normaliseText(doc);
        std::cout << file << ": " << changed << " values changed\n";
        if (output.empty() && changed == 0)
            return kExitOk;  // nothing to write: the file keeps its bytes and its time
        return doc.saveDocument(output.empty() ? file : output) ? kExitOk : kExitFailed;
    });
}

int runNormalise(const NormaliseOptions& options)
{
    if (options.inPlace == !options.output.empty()) {
        std::cerr << "normalise: give either -o OUT or --in-place\n";
        return kExitUsage;
    }
    if (!options.output.empty() && options.files.size() != 1) {
        std::cerr << "normalise: -o OUT takes one FILE\n";
        return kExitUsage;
    }
    return runOnEachFile(options.files, [&](const std::string& file) {
        return isDictionaryFile(file) ? normaliseDictionaryFile(file, options.output)
                                      : normaliseTextFile(file, options.output);
    });
}

}  // namespace

void addNormaliseCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<NormaliseOptions>();
    CLI::App* normalise = app.add_subcommand(
        "normalise",
        "Rewrite corpus texts or a dictionary with every value in Unicode NFC (precomposed letters where "
        "Unicode has them), printing how many values changed; a dictionary is changed under its lock, and "
        "entries or analyses that become one are merged with their weights added");
    normalise->add_option("FILE", options->files, "Corpus texts or a dictionary")->required();
    normalise->add_option("-o", options->output, "Write the result here (one FILE only)");
    normalise->add_flag("--in-place", options->inPlace, "Rewrite each FILE (a text is written only when it changed)");
    normalise->callback([options, &state] { state.exitCode = runNormalise(*options); });
}

}  // namespace pelmora::cli
