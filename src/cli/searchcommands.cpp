// The commands "find" and "lint": the text view's search, and its suspected-errors check and the
// normal-form check over files.
#include "cliprompter.h"
#include "commands.h"
#include "textfiles.h"

#include "dictionary/dictionary.h"
#include "search/searchcriteria.h"
#include "search/tokenwalk.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"
#include "text/textnormalisation.h"

#include <iostream>
#include <map>
#include <memory>

namespace pelmora::cli {

namespace {

// The fourth column of a value that is not in the normal form.
constexpr const char* kNotNormalised = "pole NFC-kujul";

struct SearchOptions {
    std::string text;
    std::vector<std::string> fields;
    std::string mode = "exact";
    std::vector<std::string> files;
};

// The token's identifier; one made from its position when the token has none.
std::string identifierOf(XmlNode token)
{
    const std::string_view id = attributeValue(token, text::kId);
    if (!id.empty())
        return std::string(id);
    int sentenceNumber = 0;
    for (XmlNode s = token.parent(); s; s = previousSiblingElement(s, text::kSentence))
        ++sentenceNumber;
    int tokenNumber = 0;
    for (XmlNode t = token; t; t = previousSiblingElement(t, text::kToken))
        ++tokenNumber;
    return "l" + std::to_string(sentenceNumber) + "_s" + std::to_string(tokenNumber);
}

// A value for one column of a tab-separated line: tabs and line breaks become blanks.
std::string column(std::string_view value)
{
    std::string out(value);
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return out;
}

bool buildCriteria(const SearchOptions& options, SearchCriteria& criteria)
{
    static const std::map<std::string, SearchMode> modes = {
        {"exact", SearchMode::Dialog},
        {"begins", SearchMode::Begins},
        {"ends", SearchMode::Ends},
        {"contains", SearchMode::Contains},
    };
    criteria.mode = modes.at(options.mode);
    for (const std::string& field : options.fields) {
        const std::size_t equals = field.find('=');
        const auto which = searchFieldFromName(field.substr(0, equals));
        if (equals == std::string::npos || !which) {
            std::cerr << "--field " << field << ": expected FIELD=VALUE with FIELD one of sone, lemma, tahendus, "
                      << "liik, vorm, meta, stiil, lati, ingl, kommentaar\n";
            return false;
        }
        if (criteria.isChecked(*which)) {
            std::cerr << "--field " << field << ": the field is given twice\n";
            return false;
        }
        const std::string value = field.substr(equals + 1);
        // The fields the search dialog offers as lists take "-" for no value, as there.
        if (*which == SearchField::PartOfSpeech || *which == SearchField::Meta || *which == SearchField::Style)
            criteria.setChoice(*which, value);
        else
            criteria.set(*which, value);
    }
    return true;
}

int runFind(const SearchOptions& options)
{
    SearchCriteria criteria;
    if (!buildCriteria(options, criteria))
        return kExitUsage;
    const TokenMatcher matcher(criteria);
    return withText(options.text, [&](CPelmoraDoc& doc, CliPrompter&) {
        forEachToken(doc, [&](XmlNode token) {
            if (matcher.matches(token))
                std::cout << identifierOf(token) << '\n';
        });
        return kExitOk;
    });
}

int runLint(const std::vector<std::string>& files)
{
    const TokenMatcher matcher(suspectedErrorsCriteria());
    // Every finding makes the status kExitFailed.
    const auto reportUnnormalised = [](const std::string& file, XmlNode root) {
        int status = kExitOk;
        for (const UnnormalisedValue& value : findUnnormalisedValues(root)) {
            std::cout << column(file) << '\t' << column(value.element) << '\t' << column(value.field) << '\t'
                      << kNotNormalised << '\n';
            status = kExitFailed;
        }
        return status;
    };
    return runOnEachFile(files, [&](const std::string& file) {
        if (isDictionaryFile(file)) {
            XmlDocument dictionary;
            dictionary.load(file);
            return reportUnnormalised(file, dictionary.root());
        }
        return withText(file, [&](CPelmoraDoc& doc, CliPrompter&) {
            int status = reportUnnormalised(file, doc.xml().root());
            forEachToken(doc, [&](XmlNode token) {
                if (!matcher.matches(token))
                    return;
                std::cout << column(file) << '\t' << identifierOf(token) << '\t' << column(elementText(token)) << '\t'
                          << column(attributeValue(token, text::kPartOfSpeech)) << '\t'
                          << column(attributeValue(token, text::kForm)) << '\n';
                status = kExitFailed;
            });
            return status;
        });
    });
}

}  // namespace

void addSearchCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<SearchOptions>();

    CLI::App* find = app.add_subcommand(
        "find",
        "Print the identifiers of the tokens that match, one per line in text order. exact (the search dialog): "
        "every field must match (sone by word-form key, vorm by containment, others exactly, \"*\" any value); "
        "begins/ends/contains (part-of-word search, ignoring case): any field is enough");
    find->add_option("TEXT", options->text, "Corpus text")->required();
    find->add_option("--field", options->fields, "FIELD=VALUE; FIELD is sone or a token attribute")->required();
    find->add_option("--mode", options->mode, "exact, begins, ends or contains")
        ->check(CLI::IsMember({"exact", "begins", "ends", "contains"}));
    find->callback([options, &state] { state.exitCode = runFind(*options); });

    CLI::App* lint = app.add_subcommand(
        "lint",
        "Report values not in Unicode NFC (file, element id, field, \"pole NFC-kujul\"; `normalise` mends them; "
        "also for a dictionary), then tokens with a suspicious part of speech or form tag: file, id, text, liik, "
        "vorm separated by tabs. "
        "Exit 1 when any was found or a file could not be read");
    lint->add_option("TEXT", options->files, "Corpus texts or dictionaries")->required();
    lint->callback([options, &state] { state.exitCode = runLint(options->files); });
}

}  // namespace pelmora::cli
