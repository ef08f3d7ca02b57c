// Commands of the suggester: suggest (the form's lists for one token) and lemmatise.
#include "analysercommands.h"
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"

#include "annotation/analyserclient.h"
#include "annotation/combining.h"
#include "annotation/confirmedanalyses.h"
#include "annotation/lemmatiser.h"
#include "annotation/suggester.h"
#include "annotation/vocabularies.h"
#include "dictionary/dictionary.h"
#include "search/tokenwalk.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct SuggestOptions {
    std::string text;
    std::string token;
    std::string source = "text";
    std::string dictionary;
    bool compareWithoutEndings = false;
    std::string endings;
    int onlyIf = 1;
    bool noLatvian = false;
    bool noEnglish = false;
    int morf = 1;
    std::string analyser;
    std::string fst;
    std::vector<std::string> texts;
    bool skipAmbiguous = false;
    std::string output;
    bool inPlace = false;
};

// The settings the suggester runs with, from the command's options.
Settings suggestSettings(const SuggestOptions& options)
{
    Settings settings;
    settings.suggestionType = options.source == "dictionary" ? 1 : options.source == "none" ? 2 : 0;
    settings.dictionaryPathName = options.dictionary;
    settings.compareWithoutEndings = options.compareWithoutEndings ? 1 : 0;
    if (!options.endings.empty())
        settings.endings = normalizeEndings(options.endings);
    settings.onlyIf = options.onlyIf;
    settings.noLatvian = options.noLatvian ? 1 : 0;
    settings.noEnglish = options.noEnglish ? 1 : 0;
    settings.morf = options.morf;
    settings.analyserUrl = options.analyser;
    return settings;
}

// The proposed fields, the lists and the sources of their items.
nlohmann::ordered_json suggestionJson(const Suggester& suggester)
{
    const SuggestionFields& fields = suggester.fields();
    const auto listItems = [&](SuggestionList which) { return suggester.list(which).items(); };
    nlohmann::ordered_json out;
    out["fields"] = {
        {"lemma", fields.lemma},
        {"tahendus", fields.meaning},
        {"liik", fields.partOfSpeech < 0 ? std::string() : partOfSpeechName(fields.partOfSpeech)},
        {"vorm", fields.form},
        {"lati", fields.latvian},
        {"ingl", fields.english},
        {"meta", reasonValue(fields)},
        {"stiil", styleValue(fields)},
    };
    out["lists"] = {
        {"lemma", listItems(SuggestionList::Lemma)},
        {"tahendus", listItems(SuggestionList::Meaning)},
        {"liik", listItems(SuggestionList::PartOfSpeech)},
        {"vorm", listItems(SuggestionList::Form)},
        {"lati", listItems(SuggestionList::Latvian)},
        {"ingl", listItems(SuggestionList::English)},
    };
    const auto listSources = [&](SuggestionList which) {
        std::vector<std::string> codes;
        const CandidateList& list = suggester.list(which);
        for (std::size_t i = 0; i < list.size(); ++i)
            codes.emplace_back(list.sourceOf(i) ? proposalSourceCode(*list.sourceOf(i)) : "");
        return codes;
    };
    out["sources"] = {
        {"lemma", listSources(SuggestionList::Lemma)},
        {"liik", listSources(SuggestionList::PartOfSpeech)},
        {"vorm", listSources(SuggestionList::Form)},
    };
    return out;
}

int runSuggest(const SuggestOptions& options)
{
    CliPrompter prompter(std::cerr);
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(options.text))
        return kExitFailed;
    if (!options.token.empty()) {
        const XmlNode token = findTokenById(doc, options.token);
        if (!token) {
            std::cerr << "Sõne " << options.token << " ei leitud.\n";
            return kExitFailed;
        }
        doc.setCurrentToken(token);
    }

    Settings settings = suggestSettings(options);

    std::unique_ptr<CDictionary> dictionary;
    if (!openOptionalDictionary(options.dictionary, prompter, dictionary))
        return kExitFailed;
    std::unique_ptr<AnalyserClient> analyser;
    if (!options.analyser.empty())
        analyser = std::make_unique<AnalyserClient>(options.analyser);
    LocalAnalyserHolder localAnalyser;
    std::shared_ptr<LocalAnalyser> local;
    if (!options.fst.empty()) {
        local = loadAnalyserForCli(options.fst, prompter);
        if (!local)
            return kExitFailed;
        settings.analyserFile = options.fst;
        localAnalyser.setPath(options.fst);
        localAnalyser.adopt(options.fst, {local, {}});
    }
    std::optional<ConfirmedAnalyses> texts;
    if (!options.texts.empty())
        texts = ConfirmedAnalyses::build(options.texts);

    SuggestionSources sources{dictionary.get(), analyser.get(), &localAnalyser, texts ? &*texts : nullptr, options.text};
    Suggester suggester(doc, settings, sources, prompter);
    suggester.showCurrentToken();

    nlohmann::ordered_json out = suggestionJson(suggester);
    if (analyser || local) {
        nlohmann::ordered_json proposals = nlohmann::ordered_json::array();
        for (const Suggester::AnalyserProposal& proposal : suggester.analyserProposals())
            proposals.push_back({{"lemma", proposal.result.lemma},
                                 {"liik", proposal.result.partOfSpeech},
                                 {"vorm", proposal.result.form},
                                 {"source", proposal.source ? proposalSourceCode(*proposal.source) : "online"}});
        out["analyser"] = proposals;
    }
    if (local && doc.currentToken()) {
        nlohmann::ordered_json combinations = nlohmann::ordered_json::array();
        for (const AnalyserCombination& found : analyserCombinations(*local, doc.currentToken())) {
            std::vector<std::string> ids;
            for (const XmlNode word : found.words)
                ids.emplace_back(attributeValue(word, text::kId));
            combinations.push_back({{"words", ids}, {"ylemma", found.reading.lemma}, {"yliik", found.reading.partOfSpeech}});
        }
        out["yhendid"] = combinations;
    }
    std::cout << out.dump(2) << '\n';
    return kExitOk;
}

int runLemmatise(const SuggestOptions& options)
{
    CliPrompter prompter(std::cerr);
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(options.text))
        return kExitFailed;
    CDictionary dictionary(prompter);
    if (!dictionary.openWithPath(options.dictionary))
        return kExitFailed;
    lemmatiseText(doc, dictionary, options.skipAmbiguous);
    return doc.saveDocument(options.inPlace ? options.text : options.output) ? kExitOk : kExitFailed;
}

}  // namespace

void addSuggestCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<SuggestOptions>();

    CLI::App* suggest = app.add_subcommand("suggest", "Print the annotation form's fields and candidate lists for a token as JSON");
    suggest->add_option("TEXT", options->text, "Corpus text")->required();
    suggest->add_option("--token", options->token, "Identifier of the token (default: the first token)");
    suggest->add_option("--source", options->source, "Where candidates come from")
        ->check(CLI::IsMember({"text", "dictionary", "none"}));
    suggest->add_option("--dict", options->dictionary, "Dictionary file");
    suggest->add_flag("--compare-without-endings", options->compareWithoutEndings, "Compare words without the listed endings");
    suggest->add_option("--endings", options->endings, "Blank-separated endings (default: the built-in list)");
    suggest->add_option("--only-if", options->onlyIf, "Take fields the token already has from the token")
        ->check(CLI::Range(0, 1));
    suggest->add_flag("--no-latvian", options->noLatvian, "Do not suggest Latvian equivalents");
    suggest->add_flag("--no-english", options->noEnglish, "Do not suggest English equivalents");
    suggest->add_option("--morf", options->morf, "Suggest forms from the word's ending")->check(CLI::Range(0, 1));
    CLI::Option* online = suggest->add_option("--analyser", options->analyser, "Address of the online analyser (default: not asked)");
    suggest->add_option("--fst", options->fst, "Local analyser (HFST transducer, .hfstol) instead of the online one")
        ->excludes(online);
    suggest->add_option("--texts", options->texts, "Corpus texts whose annotated tokens rank the analyser's proposals")
        ->expected(1, -1);
    suggest->callback([options, &state] { state.exitCode = runSuggest(*options); });

    CLI::App* lemmatise = app.add_subcommand("lemmatise", "Fill lemma, form, meaning and part of speech of Estonian tokens from the dictionary");
    lemmatise->add_option("TEXT", options->text, "Corpus text")->required();
    lemmatise->add_option("--dict", options->dictionary, "Dictionary file")->required();
    lemmatise->add_flag("--skip-ambiguous", options->skipAmbiguous, "Write nothing when the dictionary has several analyses");
    auto* output = lemmatise->add_option("-o", options->output, "File to write");
    auto* inPlace = lemmatise->add_flag("--in-place", options->inPlace, "Save over TEXT");
    output->excludes(inPlace);
    lemmatise->callback([options, output, inPlace, &state] {
        if (output->count() == 0 && inPlace->count() == 0)
            throw CLI::RequiredError("-o OUT or --in-place");
        state.exitCode = runLemmatise(*options);
    });
}

}  // namespace pelmora::cli
