// Commands that bring outside material into the corpus: import-text, import-dialect.
#include "cliprompter.h"
#include "commands.h"

#include "common/files.h"
#include "common/strings.h"
#include "io/dialectimport.h"
#include "io/plaintextimport.h"
#include "io/sentencesplitting.h"
#include "text/pelmoradoc.h"

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

constexpr const char* kOutputExists = "Fail %s on juba olemas.\nÜlekirjutamiseks lisa --force.";

struct ImportOptions {
    std::string input;
    std::string output;
    std::string id;
    std::string type;
    bool force = false;
    bool splitSentences = false;
    std::string abbreviations = defaultAbbreviationList();
};

// The text data as the file gives it, completed by the flags; asked only once, since a command
// line cannot be filled in again.
TextMetadataRequest dataFromFlags(const ImportOptions& o)
{
    auto asked = std::make_shared<bool>(false);
    return [o, asked](const TextMetadata& prefilled) -> std::optional<TextMetadata> {
        if (*asked)
            return std::nullopt;
        *asked = true;
        TextMetadata data = prefilled;
        if (!o.id.empty())
            data.id = o.id;
        if (!o.type.empty())
            data.type = textTypeFromWord(o.type);
        return data;
    };
}

int runImportText(const ImportOptions& o)
{
    CliPrompter prompter(std::cerr);
    if (!o.force && pathExists(o.output)) {
        prompter.error(formatMessage(kOutputExists, o.output));
        return kExitFailed;
    }
    CPelmoraDoc doc(prompter);
    PlainTextImportOptions options;
    options.splitSentences = o.splitSentences;
    options.abbreviations = parseAbbreviations(o.abbreviations);
    if (!ImportPlainText(doc, o.input, o.output, prompter, dataFromFlags(o), {}, options))
        return kExitFailed;
    return doc.saveDocument(o.output) ? kExitOk : kExitFailed;
}

int runImportDialect(const ImportOptions& o)
{
    CliPrompter prompter(std::cerr);
    CPelmoraDoc doc(prompter);
    const DialectImportResult result = importDialectText(doc, o.input, prompter, dataFromFlags(o));
    if (!result.ok || !doc.saveDocument(result.outputPath))
        return kExitFailed;
    std::cout << "Kahtlasi kohti: " << result.suspicious << '\n';
    return kExitOk;
}

}  // namespace

void addImportCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<ImportOptions>();

    CLI::App* text = app.add_subcommand("import-text", "Import a marked-up UTF-8 or UTF-16 plain text as a new corpus text");
    text->add_option("IN", o->input, "Marked-up text, UTF-8 or UTF-16")->required();
    text->add_option("OUT", o->output, "New corpus text")->required();
    text->add_option("--id", o->id, "Text identifier");
    text->add_option("--type", o->type, "suuline or kirjalik")->check(CLI::IsMember({"suuline", "kirjalik"}));
    text->add_flag("--force", o->force, "Replace an existing OUT");
    text->add_flag("--split-sentences", o->splitSentences, "Also end sentences at . ? ! ... inside a line");
    text->add_option("--abbreviations", o->abbreviations,
                     "Abbreviations kept whole when splitting sentences, separated by blanks or commas")
        ->capture_default_str();
    text->callback([o, &state] { state.exitCode = runImportText(*o); });

    CLI::App* dialect = app.add_subcommand(
        "import-dialect", "Convert a dialect-corpus file (ISO-8859-1 XML) into IN[UTF-8].xml, repaired copy IN[1].xml");
    dialect->add_option("IN", o->input, "Dialect-corpus file")->required();
    dialect->add_option("--id", o->id, "Text identifier");
    dialect->callback([o, &state] { state.exitCode = runImportDialect(*o); });
}

}  // namespace pelmora::cli
