// The edit command: structural edits and audio positions applied to a corpus text in order.
#include "cliprompter.h"
#include "commands.h"

#include "common/strings.h"
#include "annotation/vocabularies.h"
#include "search/tokenwalk.h"
#include "text/combinationediting.h"
#include "text/combinations.h"
#include "text/editing.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <charconv>
#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

constexpr const char* kTokenNotFound = "Ei leia sõnet %s.";
constexpr const char* kSentenceNotFound = "Ei leia soovitud lauset.";
constexpr const char* kSentenceWithoutTokens = "Lauses %s pole ühtegi sõnet.";
constexpr const char* kCombinationNotFound = "Ei leia ühendit %s.";

enum class EditKind { ModifyToken, AddToken, DeleteToken, Merge, Split, Audio, Combine, Uncombine };

struct OperationSpec {
    const char* name;
    EditKind kind;
    std::size_t arguments;
};

constexpr OperationSpec kOperations[] = {
    {"modify-token", EditKind::ModifyToken, 2}, {"add-token", EditKind::AddToken, 2},
    {"delete-token", EditKind::DeleteToken, 1}, {"merge", EditKind::Merge, 2},
    {"split", EditKind::Split, 1},              {"audio", EditKind::Audio, 3},
    {"combine", EditKind::Combine, 0},          {"uncombine", EditKind::Uncombine, 1},
};
constexpr const char* kOperationNames =
    "modify-token, add-token, delete-token, merge, split, audio, combine, uncombine";

struct Operation {
    EditKind kind = EditKind::Split;
    std::vector<std::string> arguments;
    int minutes = 0;
    int seconds = 0;
    CombinationFields combination;
};

struct EditOptions {
    std::string input;
    std::string output;
};

bool parseInt(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end;
}

// The operation of this name, or null.
const OperationSpec* findOperation(const std::string& word)
{
    for (const OperationSpec& spec : kOperations)
        if (word == spec.name)
            return &spec;
    return nullptr;
}

// "combine TOKEN_ID... --lemma L [--meaning T] [--pos P]" from words[at]; moves `at` past it.
bool parseCombine(const std::vector<std::string>& words, std::size_t& at, Operation& operation)
{
    operation.kind = EditKind::Combine;
    std::size_t i = at + 1;
    for (; i < words.size() && words[i].rfind("--", 0) != 0 && !findOperation(words[i]); ++i)
        operation.arguments.push_back(words[i]);
    bool lemmaGiven = false;
    while (i < words.size() && (words[i] == "--lemma" || words[i] == "--meaning" || words[i] == "--pos")) {
        if (i + 1 >= words.size()) {
            std::cerr << "edit: combine " << words[i] << " needs a value\n";
            return false;
        }
        const std::string& value = words[i + 1];
        if (words[i] == "--lemma") {
            operation.combination.lemma = value;
            lemmaGiven = true;
        } else if (words[i] == "--meaning") {
            operation.combination.meaning = value;
        } else {
            operation.combination.partOfSpeech = value;
        }
        i += 2;
    }
    if (operation.arguments.size() < 2) {
        std::cerr << "edit: combine needs at least two token identifiers\n";
        return false;
    }
    if (!lemmaGiven) {
        std::cerr << "edit: combine needs --lemma\n";
        return false;
    }
    const std::string& code = operation.combination.partOfSpeech;
    if (!code.empty() && code != "-" && partOfSpeechCode(partOfSpeechIndex(code)) != code) {
        std::cerr << "edit: combine --pos '" << code << "' is not a part-of-speech code\n";
        return false;
    }
    at = i;
    return true;
}

// Splits "NAME ARG... NAME ARG..." into operations; false with a message on a usage error.
bool parseOperations(const std::vector<std::string>& words, std::vector<Operation>& operations)
{
    for (std::size_t i = 0; i < words.size();) {
        const OperationSpec* spec = findOperation(words[i]);
        if (!spec) {
            std::cerr << "edit: unknown operation '" << words[i] << "' (" << kOperationNames << ")\n";
            return false;
        }
        if (spec->kind == EditKind::Combine) {
            Operation operation;
            if (!parseCombine(words, i, operation))
                return false;
            operations.push_back(std::move(operation));
            continue;
        }
        if (words.size() - i - 1 < spec->arguments) {
            std::cerr << "edit: " << spec->name << " needs " << spec->arguments << " argument(s)\n";
            return false;
        }
        Operation operation;
        operation.kind = spec->kind;
        operation.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                   words.begin() + static_cast<std::ptrdiff_t>(i + 1 + spec->arguments));
        if (spec->kind == EditKind::Audio &&
            (!parseInt(operation.arguments[1], operation.minutes) || !parseInt(operation.arguments[2], operation.seconds))) {
            std::cerr << "edit: audio needs whole numbers of minutes and seconds\n";
            return false;
        }
        operations.push_back(std::move(operation));
        i += 1 + spec->arguments;
    }
    if (operations.empty()) {
        std::cerr << "edit: no operation given\n";
        return false;
    }
    return true;
}

// The combination with this identifier in the sentence its prefix names, or null.
XmlNode findCombinationById(const CPelmoraDoc& doc, const std::string& id)
{
    const XmlNode sentence = findSentenceById(doc, id.substr(0, id.find('_')));
    for (XmlNode combination = firstChildElement(sentence, text::kCombination); combination;
         combination = nextSiblingElement(combination, text::kCombination))
        if (attributeValue(combination, text::kId) == id)
            return combination;
    return {};
}

// Writes or removes a combination; false with a message.
bool runCombination(CPelmoraDoc& doc, const Operation& operation)
{
    if (operation.kind == EditKind::Uncombine) {
        const XmlNode combination = findCombinationById(doc, operation.arguments.front());
        if (!combination) {
            std::cerr << formatMessage(kCombinationNotFound, operation.arguments.front()) << '\n';
            return false;
        }
        return removeCombination(doc, combination);
    }
    std::vector<XmlNode> words;
    for (const std::string& id : operation.arguments) {
        const XmlNode token = findTokenById(doc, id);
        if (!token) {
            std::cerr << formatMessage(kTokenNotFound, id) << '\n';
            return false;
        }
        words.push_back(token);
    }
    return static_cast<bool>(createCombination(doc, words, operation.combination));
}

// Makes the operation's token (or its sentence's first token) current; false with a message.
bool placeCurrent(CPelmoraDoc& doc, const Operation& operation)
{
    const std::string& id = operation.arguments.front();
    XmlNode token;
    if (operation.kind == EditKind::Merge || operation.kind == EditKind::Audio) {
        const XmlNode sentence = findSentenceById(doc, id);
        if (!sentence) {
            std::cerr << kSentenceNotFound << '\n';
            return false;
        }
        token = firstChildElement(sentence, text::kToken);
        if (!token) {
            std::cerr << formatMessage(kSentenceWithoutTokens, id) << '\n';
            return false;
        }
    } else {
        token = findTokenById(doc, id);
        if (!token) {
            std::cerr << formatMessage(kTokenNotFound, id) << '\n';
            return false;
        }
    }
    return doc.setCurrentToken(token);
}

int runEdit(const EditOptions& options, const std::vector<std::string>& words)
{
    std::vector<Operation> operations;
    if (!parseOperations(words, operations))
        return kExitUsage;
    CliPrompter prompter(std::cerr, true);
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(options.input))
        return kExitFailed;
    for (const Operation& operation : operations) {
        if (operation.kind == EditKind::Combine || operation.kind == EditKind::Uncombine) {
            if (!runCombination(doc, operation))
                return kExitFailed;
            continue;
        }
        if (!placeCurrent(doc, operation))
            return kExitFailed;
        bool done = true;
        switch (operation.kind) {
        case EditKind::ModifyToken: modifyToken(doc, operation.arguments[1]); break;
        case EditKind::AddToken: done = addToken(doc, operation.arguments[1]); break;
        case EditKind::DeleteToken: deleteToken(doc); break;
        case EditKind::Merge: mergeSentences(doc, operation.arguments[1]); break;
        case EditKind::Split: splitSentence(doc); break;
        case EditKind::Audio: setAudioPosition(doc, operation.minutes, operation.seconds); break;
        case EditKind::Combine:
        case EditKind::Uncombine: break;
        }
        // A refusal stops the run before anything is written.
        if (!done || prompter.sawError())
            return kExitFailed;
    }
    return doc.saveDocument(options.output) ? kExitOk : kExitFailed;
}

}  // namespace

void addEditCommands(CLI::App& app, RunState& state)
{
    auto options = std::make_shared<EditOptions>();
    CLI::App* edit = app.add_subcommand(
        "edit",
        "Apply edits in order and save: modify-token ID TEXT, add-token ID TEXT (after ID), delete-token ID, "
        "merge SENTENCE_ID OTHER_SENTENCE_ID, split TOKEN_ID, audio SENTENCE_ID MINUTES SECONDS "
        "(minutes -1 removes), combine TOKEN_ID... --lemma L [--meaning T] [--pos P] (two or more tokens of "
        "one sentence), uncombine COMBINATION_ID. Options go before the operations.");
    edit->add_option("IN", options->input, "Corpus text to read")->required();
    edit->add_option("-o,--output", options->output, "File to write")->required();
    // Everything after the input file is the operation list, read as it stands (texts and
    // numbers such as -1 included).
    edit->prefix_command();
    edit->callback([options, edit, &state] { state.exitCode = runEdit(*options, edit->remaining()); });
}

}  // namespace pelmora::cli
