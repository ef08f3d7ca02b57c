// The exchange with other programs' formats: convert between corpus texts and CoNLL-U, FlexText, EAF.
#include "cliprompter.h"
#include "commands.h"

#include "common/files.h"
#include "exchange/convert.h"

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct ConvertCommandOptions {
    std::string input;
    std::string output;
    std::string from;
    std::string to;
    std::string tier;
    std::string id;
    std::size_t text = 0;
    bool force = false;
};

int runConvert(const ConvertCommandOptions& o)
{
    CliPrompter prompter(std::cerr, o.force);
    exchange::ConvertOptions options;
    if (!o.from.empty())
        options.from = exchange::formatOfName(o.from);
    if (!o.to.empty())
        options.to = exchange::formatOfName(o.to);
    options.import.tier = o.tier;
    options.import.textId = o.id;
    options.textNumber = o.text;
    if (exchange::convertFile(o.input, o.output, options, prompter))
        return kExitOk;
    if (!o.force && pathExists(o.output) && !prompter.sawError())
        std::cerr << "Ülekirjutamiseks lisa --force.\n";
    return kExitFailed;
}

}  // namespace

void addExchangeCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<ConvertCommandOptions>();
    const auto formats = CLI::IsMember({"xml", "conllu", "flextext", "eaf"});

    CLI::App* convert = app.add_subcommand(
        "convert", "Convert between corpus texts (.xml) and CoNLL-U (.conllu), FlexText (.flextext), ELAN (.eaf)");
    convert->add_option("IN", o->input, "File to read")->required();
    convert->add_option("OUT", o->output, "File to write (several FlexText texts: OUT-1, OUT-2, ...)")->required();
    convert->add_option("--from", o->from, "Format of IN instead of its extension: xml, conllu, flextext, eaf")
        ->check(formats);
    convert->add_option("--to", o->to, "Format of OUT instead of its extension")->check(formats);
    convert->add_flag("--force", o->force, "Replace existing output files");
    convert->add_option("--tier", o->tier, "EAF: the transcription tier (its kind is read on every speaker's tier)");
    convert->add_option("--id", o->id, "Identifier of the new corpus text");
    convert->add_option("--text", o->text, "FlexText: import only the N-th text")->check(CLI::PositiveNumber);
    convert->callback([o, &state] { state.exitCode = runConvert(*o); });
}

}  // namespace pelmora::cli
