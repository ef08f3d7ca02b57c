// The command "concordance": every occurrence of a lemma, a word form or a combination in corpus files as KWIC lines.
#include "commands.h"

#include "search/concordance.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct ConcordanceOptions {
    std::string lemma;
    std::string form;
    std::string combination;
    int context = kDefaultConcordanceContext;
    std::string format = "tsv";
    std::vector<std::string> files;
};

void writeJsonLine(std::ostream& out, const ConcordanceLine& line, bool first)
{
    nlohmann::ordered_json object;
    const auto columns = concordanceColumns(line);
    for (std::size_t i = 0; i < columns.size(); ++i)
        object[kConcordanceColumns[i]] = *columns[i];
    // Bytes of a damaged file that are not UTF-8 are written as U+FFFD rather than failing.
    out << (first ? "\n  " : ",\n  ") << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

int runConcordanceCommand(const ConcordanceOptions& o)
{
    const int given = int(!o.lemma.empty()) + int(!o.form.empty()) + int(!o.combination.empty());
    if (given != 1) {
        std::cerr << "give one of --lemma, --form and --combination\n";
        return kExitUsage;
    }
    ConcordanceRequest request;
    request.by = !o.lemma.empty() ? ConcordanceBy::Lemma
                 : !o.form.empty() ? ConcordanceBy::WordForm
                                   : ConcordanceBy::Combination;
    request.word = !o.lemma.empty() ? o.lemma : !o.form.empty() ? o.form : o.combination;
    request.context = o.context;
    request.files = o.files;

    const bool json = o.format == "json";
    std::ostream& out = std::cout;
    bool first = true;
    ConcordanceSink sink;
    sink.line = [&](ConcordanceLine&& line) {
        if (json)
            writeJsonLine(out, line, first);
        else
            out << concordanceTsvLine(line);
        first = false;
    };
    // Every skipped file is named on standard error as it is met; the run goes on.
    sink.skipped = [](const ConcordanceSkippedFile& file) {
        std::cerr << file.message;
        if (!file.reason.empty())
            std::cerr << " (" << file.reason << ")";
        std::cerr << '\n';
    };

    if (json) {
        out << '[';
    } else {
        out << concordanceTsvHeader();
    }
    const ConcordanceResult result = runConcordance(request, sink);
    if (json)
        out << (first ? "]\n" : "\n]\n");
    out.flush();
    if (!out)
        return kExitFailed;
    // The lines of the readable files are written all the same; the status tells a script that
    // some files were left out.
    return result.skipped.empty() ? kExitOk : kExitFailed;
}

}  // namespace

void addConcordanceCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<ConcordanceOptions>();
    CLI::App* command =
        app.add_subcommand("concordance", "Every occurrence of a lemma, a word form or a combination in corpus files, as KWIC lines");
    CLI::Option* lemma = command->add_option("--lemma", o->lemma, "Tokens with this lemma");
    CLI::Option* form = command->add_option("--form", o->form, "Tokens with this word form (compared by word-form key)");
    CLI::Option* combination =
        command->add_option("--combination", o->combination, "Combinations (\"yhend\") with this lemma");
    lemma->excludes(form, combination);
    form->excludes(combination);
    command->add_option("--context", o->context, "Words of context on each side, within the sentence")
        ->check(CLI::Range(0, kMaxConcordanceContext));
    command->add_option("--format", o->format, "tsv (with a header line) or json")
        ->check(CLI::IsMember({"tsv", "json"}));
    command->add_option("FILE", o->files, "Corpus files to read")->required();
    command->callback([o, &state] { state.exitCode = runConcordanceCommand(*o); });
}

}  // namespace pelmora::cli
