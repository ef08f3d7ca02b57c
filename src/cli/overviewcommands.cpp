// The commands "overview" (counts per corpus text and their totals), "inconsistencies" (word
// forms annotated with different analyses) and "apply-analysis" (one analysis given to the tokens
// of a word form) over corpus files and folders.
#include "commands.h"

#include "common/orderedblocks.h"
#include "corpus/applyanalysis.h"
#include "corpus/overview.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

using nlohmann::ordered_json;

struct OverviewOptions {
    std::vector<std::string> paths;
    std::string format = "tsv";
    std::size_t minCount = 1;
};

struct ApplyOptions {
    std::vector<std::string> paths;
    AnalysisToApply analysis;
};

// "2026-03-01T12:00:00Z".
std::string utcTime(std::int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!gmtime_r(&time, &parts))
        return {};
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

std::string shareText(const TextCounts& counts)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.4f", annotatedShare(counts));
    return text;
}

// Tabs and line breaks within a value become blanks.
std::string cell(std::string value)
{
    for (char& c : value)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return value;
}

std::string joined(const std::vector<std::string>& values)
{
    std::string out;
    for (const std::string& value : values)
        out += (out.empty() ? "" : "; ") + value;
    return out;
}

void addCounts(ordered_json& object, const TextCounts& counts)
{
    object["tokens"] = counts.tokens;
    object["to_annotate"] = counts.toAnnotate;
    object["annotated"] = counts.annotated;
    object["annotated_share"] = annotatedShare(counts);
    object["combinations"] = counts.combinations;
}

ordered_json errorsJson(const std::vector<CorpusSkippedFile>& errors)
{
    ordered_json list = ordered_json::array();
    for (const CorpusSkippedFile& error : errors)
        list.push_back({{"file", error.file}, {"message", error.message}, {"reason", error.reason}});
    return list;
}

void writeOverviewJson(std::ostream& out, const CorpusOverview& overview)
{
    ordered_json texts = ordered_json::array();
    for (const TextOverview& text : overview.texts) {
        ordered_json object{{"file", text.file}, {"id", text.id}, {"type", text.type}, {"speakers", text.speakers}};
        addCounts(object, text.counts);
        object["modified"] = utcTime(text.modified);
        texts.push_back(std::move(object));
    }
    ordered_json totals{{"files", overview.texts.size()}};
    addCounts(totals, overview.totals);
    const ordered_json document{{"texts", std::move(texts)}, {"totals", std::move(totals)},
                                {"errors", errorsJson(overview.errors)}};
    // Bytes of a damaged file that are not UTF-8 are written as U+FFFD rather than failing.
    out << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

std::string countsTsv(const TextCounts& counts)
{
    return std::to_string(counts.tokens) + '\t' + std::to_string(counts.toAnnotate) + '\t' +
           std::to_string(counts.annotated) + '\t' + shareText(counts) + '\t' + std::to_string(counts.combinations);
}

// The texts under a header line, an empty line, then the totals under a header line of their own.
void writeOverviewTsv(std::ostream& out, const CorpusOverview& overview)
{
    out << "file\tid\ttype\tspeakers\ttokens\tto_annotate\tannotated\tannotated_share\tcombinations\tmodified\n";
    for (const TextOverview& text : overview.texts)
        out << cell(text.file) << '\t' << cell(text.id) << '\t' << cell(text.type) << '\t'
            << cell(joined(text.speakers)) << '\t' << countsTsv(text.counts) << '\t' << utcTime(text.modified) << '\n';
    out << "\nfiles\ttokens\tto_annotate\tannotated\tannotated_share\tcombinations\n"
        << overview.texts.size() << '\t' << countsTsv(overview.totals) << '\n';
}

void writeInconsistenciesJson(std::ostream& out, const std::vector<InconsistencyGroup>& groups)
{
    ordered_json list = ordered_json::array();
    for (const InconsistencyGroup& group : groups) {
        ordered_json analyses = ordered_json::array();
        for (const GroupAnalysis& analysis : group.analyses) {
            ordered_json tokens = ordered_json::array();
            for (const TokenPlace& token : analysis.tokens)
                tokens.push_back({{"file", token.file}, {"id", token.id}});
            analyses.push_back({{"lemma", analysis.lemma}, {"vorm", analysis.form}, {"liik", analysis.partOfSpeech},
                                {"count", analysis.tokens.size()}, {"tokens", std::move(tokens)}});
        }
        list.push_back({{"key", group.key}, {"analyses", std::move(analyses)}});
    }
    out << list.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// Appends the value as a cell: tabs and line breaks within it become blanks.
void appendCell(std::string& out, std::string_view value)
{
    const std::size_t from = out.size();
    out += value;
    for (std::size_t i = from; i < out.size(); ++i)
        if (out[i] == '\t' || out[i] == '\n' || out[i] == '\r')
            out[i] = ' ';
}

// The lines of the groups [from, to): one per token, its group's key, its analysis with that
// analysis's count, and its place. The analysis part is made once per analysis: there are many
// more tokens than analyses.
void appendInconsistencyLines(const InconsistencyIndex& index, std::size_t from, std::size_t to, std::string& text)
{
    std::vector<GroupAnalysisView> analyses;
    std::string start;
    std::string fileCell;
    for (std::size_t at = from; at < to; ++at) {
        index.analyses(at, analyses);
        for (const GroupAnalysisView& analysis : analyses) {
            start.clear();
            for (const std::string_view value : {index.key(at), std::string_view(analysis.lemma),
                                                 std::string_view(analysis.form), std::string_view(analysis.partOfSpeech)}) {
                appendCell(start, value);
                start += '\t';
            }
            start += std::to_string(analysis.tokens.size());
            start += '\t';
            const char* lastFile = nullptr;  // a file's tokens all view its one path in the read
            for (const TokenPlaceView& token : analysis.tokens) {
                if (token.file.data() != lastFile) {
                    fileCell.clear();
                    appendCell(fileCell, token.file);
                    lastFile = token.file.data();
                }
                text += start;
                text += fileCell;
                text += '\t';
                appendCell(text, token.id);
                text += '\n';
            }
        }
    }
}

// The lines of blocks of groups are made on several threads and written in order, so the output
// is the same as on one thread. A failed write shows in the stream's state.
void writeInconsistenciesTsv(std::ostream& out, const InconsistencyIndex& index)
{
    constexpr std::size_t kBlockGroups = 2048;
    out << "key\tlemma\tvorm\tliik\tcount\tfile\tid\n";
    const std::size_t threads = orderedBlockThreads(index.size(), kBlockGroups);
    std::vector<std::string> blocks(threads);
    makeInOrderedBlocks(
        index.size(), kBlockGroups, threads,
        [&](std::size_t slot, std::size_t from, std::size_t to) { appendInconsistencyLines(index, from, to, blocks[slot]); },
        [&](std::size_t slot) {
            out.write(blocks[slot].data(), static_cast<std::streamsize>(blocks[slot].size()));
            blocks[slot].clear();
            return static_cast<bool>(out);
        });
}

// Names every left-out file on standard error; the status tells a script that some were left out.
int finish(std::ostream& out, const std::vector<CorpusSkippedFile>& errors)
{
    for (const CorpusSkippedFile& error : errors) {
        std::cerr << error.message;
        if (!error.reason.empty())
            std::cerr << " (" << error.reason << ")";
        std::cerr << '\n';
    }
    out.flush();
    if (!out)
        return kExitFailed;
    return errors.empty() ? kExitOk : kExitFailed;
}

int runOverview(const OverviewOptions& o)
{
    const CorpusOverview overview = readCorpusOverview(o.paths);
    if (o.format == "json")
        writeOverviewJson(std::cout, overview);
    else
        writeOverviewTsv(std::cout, overview);
    return finish(std::cout, overview.errors);
}

int runInconsistencies(const OverviewOptions& o)
{
    CorpusCache cache;
    const CorpusRead read = cache.read(o.paths, true);
    if (o.format == "json") {
        const InconsistencyResult result = findInconsistencies(read, o.minCount);
        writeInconsistenciesJson(std::cout, result.groups);
        return finish(std::cout, result.errors);
    }
    const InconsistencyIndex index(read, o.minCount);
    writeInconsistenciesTsv(std::cout, index);
    return finish(std::cout, index.errors());
}

// One line per changed file (its path and the tokens changed), then the totals.
int runApplyAnalysis(const ApplyOptions& o)
{
    const ApplyAnalysisResult result = applyAnalysis(o.paths, o.analysis);
    if (!result.refused.empty()) {
        std::cerr << result.refused << '\n';
        return kExitUsage;
    }
    for (const AppliedFile& file : result.changed)
        std::cout << cell(file.file) << '\t' << file.tokens << '\n';
    std::cout << result.tokens << " tokens in " << result.changed.size() << " files "
              << (o.analysis.dryRun ? "would change (dry run, nothing written)" : "changed") << '\n';
    return finish(std::cout, result.skipped);
}

void addApplyAnalysisCommand(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<ApplyOptions>();
    CLI::App* command = app.add_subcommand(
        "apply-analysis", "Give the tokens to annotate of a word form (by word-form key) one lemma, form and part of speech");
    command->add_option("--form", o->analysis.wordForm, "Word form whose tokens are changed")->required();
    command->add_option("--lemma", o->analysis.lemma, "Lemma to write")->required();
    command->add_option("--vorm", o->analysis.form, "Form tag to write (\"\" or - removes it; left as it is when not given)");
    command->add_option("--liik", o->analysis.partOfSpeech,
                        "Part-of-speech code to write (\"\" removes it; left as it is when not given)");
    command->add_option("--only-lemma", o->analysis.onlyLemma,
                        "Change only tokens whose lemma is this (\"\" for tokens without a lemma)");
    command->add_flag("--dry-run", o->analysis.dryRun, "Count the tokens that would change and write nothing");
    command->add_option("FILE_OR_FOLDER", o->paths, "Corpus files, and folders whose .xml files are changed")
        ->required();
    command->callback([o, &state] { state.exitCode = runApplyAnalysis(*o); });
}

}  // namespace

void addOverviewCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<OverviewOptions>();
    const auto common = [&o](CLI::App* command) {
        command->add_option("--format", o->format, "tsv (with header lines) or json")
            ->check(CLI::IsMember({"tsv", "json"}));
        command->add_option("FILE_OR_FOLDER", o->paths, "Corpus files, and folders whose .xml files are read")
            ->required();
    };
    CLI::App* overview = app.add_subcommand(
        "overview", "Count the tokens, the tokens to annotate and the annotated ones of each corpus text, with totals");
    common(overview);
    overview->callback([o, &state] { state.exitCode = runOverview(*o); });

    CLI::App* inconsistencies = app.add_subcommand(
        "inconsistencies", "Word forms (by word-form key) whose annotated tokens carry different analyses");
    common(inconsistencies);
    inconsistencies
        ->add_option("--min-count", o->minCount, "Leave out groups of fewer tokens than this")
        ->check(CLI::PositiveNumber);
    inconsistencies->callback([o, &state] { state.exitCode = runInconsistencies(*o); });

    addApplyAnalysisCommand(app, state);
}

}  // namespace pelmora::cli
