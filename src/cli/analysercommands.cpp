// Commands of the analysers: analyse (the online analyser, or a local transducer with ranked
// analyses) and preannotate.
#include "analysercommands.h"
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"

#include "annotation/analyserclient.h"
#include "annotation/confirmedanalyses.h"
#include "annotation/localanalyser.h"
#include "annotation/preannotation.h"
#include "annotation/proposalranking.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/pelmoradoc.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct AnalyserOptions {
    std::vector<std::string> words;
    std::string url;
    std::string fst;
    std::string dictionary;
    std::vector<std::string> texts;
    std::string format = "tsv";
    std::string text;
    double factor = kDefaultPreannotationFactor;
    std::string output;
    bool inPlace = false;
};

int runOnlineAnalyse(const std::vector<std::string>& words, const std::string& url)
{
    CliPrompter prompter(std::cerr);
    AnalyserClient client(url);
    bool failed = false;
    for (const std::string& word : words) {
        for (const AnalyserResult& result : client.analyse(word, prompter))
            std::cout << result.lemma << '\t' << result.partOfSpeech << '\t' << result.form << '\n';
        failed = failed || client.lastRequestFailed();
    }
    return failed ? kExitFailed : kExitOk;
}

// The words of the command line; "-" stands for the lines of standard input.
std::vector<std::string> wordsToAnalyse(const std::vector<std::string>& arguments)
{
    std::vector<std::string> words;
    for (const std::string& argument : arguments) {
        if (argument != "-") {
            words.push_back(argument);
            continue;
        }
        for (std::string line; std::getline(std::cin, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            words.push_back(std::move(line));
        }
    }
    return words;
}

// The analyser and the optional dictionary both commands work with.
struct AnalyserTools {
    std::shared_ptr<LocalAnalyser> analyser;
    std::unique_ptr<CDictionary> dictionary;

    // Loads both; false, the message written, when either does not load.
    bool load(const AnalyserOptions& o, Prompter& prompter)
    {
        analyser = loadAnalyserForCli(o.fst, prompter);
        return analyser && openOptionalDictionary(o.dictionary, prompter, dictionary);
    }
};

int runLocalAnalyse(const AnalyserOptions& o)
{
    CliPrompter prompter(std::cerr);
    AnalyserTools tools;
    if (!tools.load(o, prompter))
        return kExitFailed;
    const std::shared_ptr<LocalAnalyser>& analyser = tools.analyser;
    std::optional<ConfirmedAnalyses> texts;
    if (!o.texts.empty())
        texts = ConfirmedAnalyses::build(o.texts);
    const Evidence evidence{tools.dictionary.get(), nullptr, texts ? &*texts : nullptr, {}};

    const bool json = o.format == "json";
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (const std::string& word : wordsToAnalyse(o.words)) {
        for (const RankedAnalysis& ranked : rankAnalyses(word, analyser->analyse(word), evidence)) {
            const std::string_view source = proposalSourceCode(ranked.source);
            if (json) {
                lines.push_back({{"word", word},
                                 {"lemma", ranked.reading.lemma},
                                 {"pos", ranked.reading.partOfSpeech},
                                 {"form", ranked.reading.form},
                                 {"source", source}});
            } else {
                std::cout << word << '\t' << ranked.reading.lemma << '\t' << ranked.reading.partOfSpeech << '\t'
                          << ranked.reading.form << '\t' << source << '\n';
            }
        }
    }
    if (json)
        std::cout << lines.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    std::cout.flush();
    return std::cout ? kExitOk : kExitFailed;
}

int runPreannotate(const AnalyserOptions& o)
{
    return withText(o.text, [&](CPelmoraDoc& doc, CliPrompter& prompter) {
        AnalyserTools tools;
        if (!tools.load(o, prompter))
            return kExitFailed;
        // The batch tool offers no undo, so the run keeps no history of its changes.
        const CPelmoraDoc::UnrecordedChanges unrecorded(doc);
        const PreannotationResult result = preannotateText(doc, *tools.analyser, tools.dictionary.get(), o.factor);
        if (!doc.saveDocument(o.inPlace ? o.text : o.output))
            return kExitFailed;
        std::cout << preannotationReport(result) << '\n';
        return kExitOk;
    });
}

}  // namespace

std::shared_ptr<LocalAnalyser> loadAnalyserForCli(const std::string& path, Prompter& prompter)
{
    AnalyserLoad load = LocalAnalyser::load(path);
    if (!load.analyser) {
        prompter.error(load.message);
        return nullptr;
    }
    load.analyser->setTagLog(
        [](const std::string& tag) { std::cerr << formatMessage(kAnalyserUnknownTag, "+" + tag) << '\n'; });
    return load.analyser;
}

void addAnalyserCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<AnalyserOptions>();

    CLI::App* analyse = app.add_subcommand(
        "analyse", "Analyse words: with --url ask the online analyser (lemma, part of speech, form); with --fst "
                   "look them up in a local transducer, one line per analysis, best first: WORD LEMMA POS-CODE "
                   "FORM-TAG SOURCE");
    analyse->add_option("WORD", o->words, "Word forms; \"-\" reads one word per line from standard input")->required();
    CLI::Option* url = analyse->add_option("--url", o->url, "Address of the online analyser server");
    CLI::Option* fst = analyse->add_option("--fst", o->fst, "Local analyser (HFST transducer, .hfstol)");
    url->excludes(fst);
    analyse->add_option("--dict", o->dictionary, "Dictionary whose analyses rank the local analyser's first");
    analyse->add_option("--texts", o->texts, "Corpus texts whose annotated tokens rank the analyses")->expected(1, -1);
    analyse->add_option("--format", o->format, "tsv or json (with --fst)")->check(CLI::IsMember({"tsv", "json"}));
    analyse->callback([o, url, fst, &state] {
        if (url->count() == 0 && fst->count() == 0)
            throw CLI::RequiredError("--url URL or --fst PATH");
        state.exitCode = url->count() > 0 ? runOnlineAnalyse(o->words, o->url) : runLocalAnalyse(*o);
    });

    CLI::App* preannotate = app.add_subcommand(
        "preannotate", "Fill every token without a lemma that the local analyser reads unambiguously, marked auto=\"+\" "
                       "for review, and report how many were filled and left ambiguous");
    preannotate->add_option("TEXT", o->text, "Corpus text")->required();
    preannotate->add_option("--fst", o->fst, "Local analyser (HFST transducer, .hfstol)")->required();
    preannotate->add_option("--dict", o->dictionary, "Dictionary: its weights decide between analyses and it gives "
                                                     "meanings and equivalents");
    preannotate->add_option("--factor", o->factor, "How many times the dictionary's best analysis must outweigh the "
                                                   "others together (default 3)")
        ->check(CLI::PositiveNumber);
    CLI::Option* output = preannotate->add_option("-o", o->output, "File to write");
    CLI::Option* inPlace = preannotate->add_flag("--in-place", o->inPlace, "Save over TEXT");
    output->excludes(inPlace);
    preannotate->callback([o, output, inPlace, &state] {
        if (output->count() == 0 && inPlace->count() == 0)
            throw CLI::RequiredError("-o OUT or --in-place");
        state.exitCode = runPreannotate(*o);
    });
}

}  // namespace pelmora::cli
