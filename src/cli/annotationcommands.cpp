// Commands on the annotation vocabularies and helpers: formtag, pos, rules, vtf.
#include "cliprompter.h"
#include "commands.h"

#include "annotation/formtag.h"
#include "annotation/inflectionrules.h"
#include "annotation/transformations.h"
#include "annotation/vocabularies.h"

#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct AnnotationOptions {
    std::vector<std::string> tags;
    bool colours = false;
    std::vector<std::string> texts;
    bool verb = false;
    bool nominal = false;
    std::string word;
    std::string file;
};

// A caption on one output line: its line break is written as the two characters "\n".
std::string oneLine(std::string_view caption)
{
    std::string line;
    for (const char c : caption) {
        if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

int runFormTag(const std::vector<std::string>& tags, bool colours)
{
    if (colours) {
        if (tags.size() != 1) {
            std::cerr << "formtag --colours takes exactly one TAG\n";
            return kExitUsage;
        }
        for (const CaptionColouring& entry : formTagColours(takeApartFormTag(tags.front())))
            std::cout << oneLine(entry.caption) << '\t' << captionColourName(entry.colour) << '\n';
        return kExitOk;
    }
    for (const std::string& tag : tags)
        std::cout << canonicalFormTag(tag) << '\n';
    return kExitOk;
}

int runPos(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        std::cout << togglePartOfSpeech(text) << '\n';
    return kExitOk;
}

int runRules(bool verb, bool nominal, const std::string& word)
{
    if (verb == nominal) {
        std::cerr << "rules needs one of --verb and --nominal\n";
        return kExitUsage;
    }
    for (const std::string& form : formsForWord(word, verb ? RuleSet::Verb : RuleSet::Nominal))
        std::cout << form << '\n';
    return kExitOk;
}

int runVtf(const std::string& file)
{
    CliPrompter prompter(std::cerr);
    TransformationList list;
    if (!readTransformationsFile(file, list, prompter))
        return kExitFailed;
    for (const TransformationPair& pair : list)
        std::cout << pair.source << '\t' << pair.target << '\n';
    return kExitOk;
}

}  // namespace

void addAnnotationCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<AnnotationOptions>();

    CLI::App* formtag = app.add_subcommand("formtag", "Print each form tag as the form-tag editor gives it back");
    formtag->add_option("TAG", options->tags, "Form tags")->required();
    formtag->add_flag("--colours", options->colours, "Print the colour of every coloured caption for one TAG");
    formtag->callback([options, &state] { state.exitCode = runFormTag(options->tags, options->colours); });

    CLI::App* pos = app.add_subcommand("pos", "Toggle each text between part-of-speech code and name");
    pos->add_option("TEXT", options->texts, "Codes or names")->required();
    pos->callback([options, &state] { state.exitCode = runPos(options->texts); });

    CLI::App* rules = app.add_subcommand("rules", "Print the forms the inflection rules list for a word");
    CLI::Option* verb = rules->add_flag("--verb", options->verb, "Use the verb rules");
    CLI::Option* nominal = rules->add_flag("--nominal", options->nominal, "Use the nominal rules");
    verb->excludes(nominal);
    rules->add_option("WORD", options->word, "Word form")->required();
    rules->callback([options, &state] { state.exitCode = runRules(options->verb, options->nominal, options->word); });

    CLI::App* vtf = app.add_subcommand("vtf", "Print the pairs of a transformations file");
    vtf->add_option("FILE", options->file, "Transformations file (.vtf)")->required();
    vtf->callback([options, &state] { state.exitCode = runVtf(options->file); });
}

}  // namespace pelmora::cli
