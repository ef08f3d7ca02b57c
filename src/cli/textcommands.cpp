// Commands on corpus texts: check, roundtrip, key.
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"

#include "common/strings.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct TextOptions {
    std::vector<std::string> files;
    std::string input;
    std::string output;
    std::vector<std::string> words;
};

int runCheck(const std::vector<std::string>& files)
{
    return runOnEachFile(files, [](const std::string& file) {
        return withText(file, [&](CPelmoraDoc& doc, CliPrompter&) {
            std::size_t sentences = 0;
            std::size_t tokens = 0;
            for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
                 sentence = nextSiblingElement(sentence, text::kSentence)) {
                ++sentences;
                for (XmlNode token = firstChildElement(sentence, text::kToken); token;
                     token = nextSiblingElement(token, text::kToken))
                    ++tokens;
            }
            std::cout << file << ": " << sentences << " sentences, " << tokens << " tokens\n";
            return kExitOk;
        });
    });
}

int runRoundtrip(const std::string& input, const std::string& output)
{
    return withText(input, [&](CPelmoraDoc& doc, CliPrompter&) {
        return doc.saveDocument(output) ? kExitOk : kExitFailed;
    });
}

int runKey(const std::vector<std::string>& words)
{
    for (const std::string& word : words)
        std::cout << MakeWordFormKey(word) << '\n';
    return kExitOk;
}

}  // namespace

void addTextCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<TextOptions>();

    CLI::App* check = app.add_subcommand("check", "Open each file as a corpus text and count its sentences and tokens");
    check->add_option("FILE", options->files, "Corpus text files")->required();
    check->callback([options, &state] { state.exitCode = runCheck(options->files); });

    CLI::App* roundtrip = app.add_subcommand("roundtrip", "Open a corpus text and save it to another file");
    roundtrip->add_option("IN", options->input, "Corpus text to read")->required();
    roundtrip->add_option("OUT", options->output, "File to write")->required();
    roundtrip->callback([options, &state] { state.exitCode = runRoundtrip(options->input, options->output); });

    CLI::App* key = app.add_subcommand("key", "Print the word-form key of each word");
    key->add_option("WORD", options->words, "Surface forms")->required();
    key->callback([options, &state] { state.exitCode = runKey(options->words); });
}

}  // namespace pelmora::cli
