// The command "info": a text's metadata as JSON, and accepting new metadata from JSON.
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"
#include "metadatajson.h"

#include "common/files.h"
#include "text/metadata.h"
#include "text/pelmoradoc.h"

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct InfoOptions {
    std::string text;
    std::string metadataFile;
    std::string output;
};

int runShow(const std::string& path)
{
    return withText(path, [](CPelmoraDoc& doc, CliPrompter&) {
        std::cout << metadataToJson(readTextMetadata(doc)).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                  << '\n';
        return kExitOk;
    });
}

int runSet(const InfoOptions& options)
{
    std::string bytes;
    std::string error;
    if (!readWholeFile(options.metadataFile, bytes, &error)) {
        std::cerr << options.metadataFile << ": " << error << '\n';
        return kExitFailed;
    }
    const nlohmann::json input = nlohmann::json::parse(bytes, nullptr, false);
    if (input.is_discarded()) {
        std::cerr << options.metadataFile << ": not valid JSON\n";
        return kExitFailed;
    }

    CliPrompter prompter(std::cerr);
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(options.text))
        return kExitFailed;
    TextMetadata metadata = readTextMetadata(doc);
    if (!applyMetadataJson(input, metadata, error)) {
        std::cerr << options.metadataFile << ": " << error << '\n';
        return kExitFailed;
    }
    const MetadataAcceptResult result = acceptTextMetadata(doc, metadata);
    if (result.status != MetadataAcceptStatus::Accepted)
        return kExitFailed;
    if (!doc.saveDocument(options.output))
        return kExitFailed;
    // Like the dialog, a refused part does not stop the rest from being saved; the status still
    // tells that not everything asked for was stored.
    return result.complete() ? kExitOk : kExitFailed;
}

}  // namespace

void addInfoCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<InfoOptions>();
    CLI::App* info = app.add_subcommand(
        "info",
        "Print a text's metadata as JSON, or with --set accept metadata from a JSON file as the text-information "
        "dialog does and save the text to OUT. Keys missing from the JSON keep their values. Exit 1 when the "
        "metadata is refused (nothing written) or when a part of it was not stored (the rest is written).");
    info->add_option("TEXT", options->text, "Corpus text")->required();
    CLI::Option* set = info->add_option("--set", options->metadataFile, "Metadata JSON to accept");
    CLI::Option* output = info->add_option("-o,--output", options->output, "File to save the changed text to");
    set->needs(output);
    output->needs(set);
    info->callback([options, &state] {
        state.exitCode = options->metadataFile.empty() ? runShow(options->text) : runSet(*options);
    });
}

}  // namespace pelmora::cli
