// Commands that carry texts in and out of the corpus: export, query, simple-dict, stats, merge.
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"

#include "common/files.h"
#include "common/strings.h"
#include "io/mergetexts.h"
#include "io/multifilequery.h"
#include "io/simpledictionary.h"
#include "io/textexport.h"
#include "text/pelmoradoc.h"

#include <iostream>
#include <map>
#include <memory>

namespace pelmora::cli {

namespace {

constexpr const char* kSameAsInput = "Väljundfail %s\non sama mis sisendfail.\nVali mõni muu fail.";

struct IoOptions {
    std::string text;
    std::string output;
    std::string mode = "plain";
    std::vector<std::string> files;
    std::vector<std::string> token1;
    std::vector<std::string> token2;
    QuerySettings query;
    bool allSpeakers = false;
    bool stopOnInvalid = false;
    bool noCombinations = false;
    bool noExamples = false;
    bool prefixPages = false;
};

// The output of a command that reads one text must not be that text.
bool refuseSameFile(const std::string& input, const std::string& output, Prompter& prompter)
{
    if (input != output && !isSameFile(input, output))
        return false;
    prompter.message(MessageKind::Warning, kTitleWarning, formatMessage(kSameAsInput, output));
    return true;
}

// Reads "FIELD=PATTERN[@KIND]" into the conditions; false with a reason for a bad item.
bool parseCondition(const std::string& item, TokenConditions& conditions, std::string& reason)
{
    static const std::map<std::string, QueryField> fields = {
        {"sone", QueryField::Text},         {"lemma", QueryField::Lemma}, {"tahendus", QueryField::Meaning},
        {"liik", QueryField::PartOfSpeech}, {"vorm", QueryField::Form},   {"kommentaar", QueryField::Comment}};
    const std::size_t equals = item.find('=');
    if (equals == std::string::npos) {
        reason = "expected FIELD=PATTERN[@KIND]: " + item;
        return false;
    }
    const auto field = fields.find(item.substr(0, equals));
    if (field == fields.end()) {
        reason = "unknown field '" + item.substr(0, equals) + "' (sone, lemma, tahendus, liik, vorm, kommentaar)";
        return false;
    }
    std::string pattern = item.substr(equals + 1);
    FieldPattern& target = conditions[field->second];
    const std::size_t at = pattern.rfind('@');
    if (at != std::string::npos) {
        target.kind = pattern.substr(at + 1);
        pattern.resize(at);
    }
    target.pattern = pattern;
    return true;
}

// Refuses an output that is the text itself, then runs `work` on the opened text.
int withTextAndOutput(const IoOptions& o, const std::function<int(CPelmoraDoc& doc, CliPrompter& prompter)>& work)
{
    CliPrompter prompter(std::cerr);
    if (refuseSameFile(o.text, o.output, prompter))
        return kExitFailed;
    return withText(o.text, work);
}

int runExport(const IoOptions& o)
{
    const ExportMode mode = o.mode == "annotated" ? ExportMode::Annotated
                            : o.mode == "search"  ? ExportMode::SearchForm
                                                  : ExportMode::Plain;
    return withTextAndOutput(o, [&](CPelmoraDoc& doc, CliPrompter& prompter) {
        return exportText(doc, o.output, mode, prompter) ? kExitOk : kExitFailed;
    });
}

int runQuery(IoOptions& o)
{
    QuerySettings& settings = o.query;
    settings.files = o.files;
    settings.outputPath = o.output;
    settings.speakersOnly = !o.allSpeakers;
    std::string reason;
    for (const auto& [items, conditions] : {std::pair{&o.token1, &settings.token1}, std::pair{&o.token2, &settings.token2}})
        for (const std::string& item : *items)
            if (!parseCondition(item, *conditions, reason)) {
                std::cerr << reason << '\n';
                return kExitUsage;
            }
    CliPrompter prompter(std::cerr, !o.stopOnInvalid);
    const QueryResult result = MultiFileQuery(settings, prompter);
    if (!result.ran)
        return kExitFailed;
    std::cout << "Leidsin " << result.lines << " rida.\n";
    return kExitOk;
}

int runSimpleDictionary(const IoOptions& o)
{
    SimpleDictionaryOptions options;
    options.outputPath = o.output;
    options.combinations = !o.noCombinations;
    options.examples = !o.noExamples;
    return withTextAndOutput(o, [&](CPelmoraDoc& doc, CliPrompter& prompter) {
        return buildSimpleDictionary(doc, options, prompter) ? kExitOk : kExitFailed;
    });
}

int runStatistics(const IoOptions& o)
{
    return withText(o.text, [](CPelmoraDoc& doc, CliPrompter& prompter) {
        const TextStatistics counts = countTextStatistics(doc, prompter);
        std::cout << "Sõnesid: " << counts.tokens << "\nMärksõnaga sõnesid: " << counts.lemmaTokens << '\n';
        return kExitOk;
    });
}

int runMerge(const IoOptions& o)
{
    CliPrompter prompter(std::cerr, !o.stopOnInvalid);
    CPelmoraDoc doc(prompter);
    MergeSettings settings;
    settings.files.push_back(o.text);
    settings.files.insert(settings.files.end(), o.files.begin(), o.files.end());
    settings.newPath = o.output;
    settings.prefixPages = o.prefixPages;
    return mergeTexts(doc, settings, prompter) ? kExitOk : kExitFailed;
}

}  // namespace

void addIoCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<IoOptions>();

    CLI::App* exportCommand = app.add_subcommand("export", "Export a corpus text as UTF-16 running text");
    exportCommand->add_option("TEXT", o->text, "Corpus text")->required();
    exportCommand->add_option("OUT", o->output, "File to write")->required();
    exportCommand->add_option("--mode", o->mode, "plain, annotated or search")
        ->check(CLI::IsMember({"plain", "annotated", "search"}));
    exportCommand->callback([o, &state] { state.exitCode = runExport(*o); });

    CLI::App* query = app.add_subcommand("query", "Search corpus files for tokens and write every hit as a line");
    query->add_option("--out", o->output, "Result file")->required();
    query->add_flag("--xml", o->query.xmlOutput, "XML result file");
    query->add_flag("--bom", o->query.byteOrderMark, "Start the file with a byte-order mark");
    query->add_option("--prefix", o->query.foundPrefix, "Put before found tokens (\\t for a tab)")
        ->check([](const std::string& v) {
            return codePointCount(v) > kMaxFoundPrefixLength ? std::string("at most 60 characters") : std::string();
        });
    query->add_flag("--found-info", o->query.foundTokenInfo, "Found token's values at the start of each line");
    query->add_flag("--markup", o->query.markupAllTokens, "Annotation of every token");
    query->add_flag("--file-info", o->query.fileInfo, "File information at the start of each line");
    query->add_flag("--all-speakers", o->allSpeakers, "Search interviewer and comment tokens too");
    query->add_option("--t1", o->token1, "Token 1 condition FIELD=PATTERN[@KIND]")->allow_extra_args(false);
    query->add_option("--relation", o->query.relation, "varem v. hiljem, varem or hiljem");
    query->add_option("--distance", o->query.distance, "At most this many tokens between (0-20)")
        ->check(CLI::Range(0, kMaxQueryDistance));
    query->add_option("--t2", o->token2, "Token 2 condition FIELD=PATTERN[@KIND]")->allow_extra_args(false);
    query->add_flag("--stop-on-invalid", o->stopOnInvalid, "Stop at an invalid file instead of skipping it");
    query->add_option("FILE", o->files, "Corpus files to search")->required();
    query->callback([o, &state] { state.exitCode = runQuery(*o); });

    CLI::App* simple = app.add_subcommand("simple-dict", "Write the simple dictionary of a corpus text");
    simple->add_option("TEXT", o->text, "Corpus text")->required();
    simple->add_option("OUT", o->output, "Result file")->required();
    simple->add_flag("--no-combinations", o->noCombinations, "Leave the combinations out");
    simple->add_flag("--no-examples", o->noExamples, "Leave the example sentences out");
    simple->callback([o, &state] { state.exitCode = runSimpleDictionary(*o); });

    CLI::App* stats = app.add_subcommand("stats", "Count the tokens of a corpus text");
    stats->add_option("TEXT", o->text, "Corpus text")->required();
    stats->callback([o, &state] { state.exitCode = runStatistics(*o); });

    CLI::App* merge = app.add_subcommand("merge", "Join corpus texts into a new text");
    merge->add_option("OUT", o->output, "New text")->required();
    merge->add_option("FIRST", o->text, "First text (gives the metadata)")->required();
    merge->add_option("MORE", o->files, "Texts to append");
    merge->add_flag("--prefix-pages", o->prefixPages, "Put the text identifier before page numbers");
    merge->add_flag("--stop-on-invalid", o->stopOnInvalid, "Stop at an invalid file instead of skipping it");
    merge->callback([o, &state] { state.exitCode = runMerge(*o); });
}

}  // namespace pelmora::cli
