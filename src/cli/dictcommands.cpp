// Commands on the shared dictionary: create, check, look up, complete, store, delete, walk,
// add a text, export. Each opens the dictionary, does one thing and exits.
#include "cliprompter.h"
#include "commands.h"

#include "common/files.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionaryexport.h"
#include "dictionary/textaddition.h"
#include "exchange/lift.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <chrono>
#include <iostream>
#include <memory>

namespace pelmora::cli {

namespace {

struct DictOptions {
    std::string path;
    bool create = false;
    double lockTimeout = -1;  // seconds; negative: wait without limit
    bool timings = false;
    std::string word;
    std::string second;
    std::string third;
    std::string meaning;
    std::string partOfSpeech;
    std::string latvian;
    std::string english;
    bool similar = false;
    std::string endings = kDefaultEndings;
    std::string section;
    int repeat = 1;
    bool force = false;
    bool preview = false;
};

using Clock = std::chrono::steady_clock;

// Passes everything on to the command-line prompter and remembers whether anything was said.
class CountingPrompter final : public Prompter {
public:
    explicit CountingPrompter(CliPrompter& inner) : m_inner(inner) {}
    void message(MessageKind kind, const std::string& title, const std::string& text) override
    {
        ++m_count;
        m_inner.message(kind, title, text);
    }
    bool askYesNo(const std::string& title, const std::string& text) override
    {
        ++m_count;
        return m_inner.askYesNo(title, text);
    }
    int count() const { return m_count; }

private:
    CliPrompter& m_inner;
    int m_count = 0;
};

// The dictionary of one command, with the prompter that writes its messages to standard error.
class Session {
public:
    explicit Session(const DictOptions& options)
        : m_options(options),
          m_prompter(std::cerr, options.create),
          m_counting(m_prompter),
          m_dictionary(m_counting),
          m_start(Clock::now())
    {
        if (options.lockTimeout >= 0) {
            const auto limit = std::chrono::duration<double>(options.lockTimeout);
            m_dictionary.setLockWaitCallback([limit](std::chrono::milliseconds waited) { return waited < limit; });
        }
    }
    ~Session()
    {
        if (!m_options.timings)
            return;
        const auto ns = [](auto d) { return std::chrono::duration_cast<std::chrono::nanoseconds>(d).count(); };
        // total: the whole command; operation: the store, delete or addition itself (with its
        // own reloads and saves); load and save: every read and write of the dictionary file.
        std::cerr << "timings: total_ns=" << ns(Clock::now() - m_start)
                  << " load_ns=" << ns(m_dictionary.timings().load) << " save_ns=" << ns(m_dictionary.timings().save)
                  << " operation_ns=" << ns(m_operation) << '\n';
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool open() { return m_dictionary.openWithPath(m_options.path); }
    CDictionary& dictionary() { return m_dictionary; }
    CliPrompter& prompter() { return m_prompter; }
    // Runs the command's own work and times it (reported by --timings as operation_ns).
    template <class Work>
    auto timed(Work work)
    {
        const auto start = Clock::now();
        auto result = work();
        m_operation += Clock::now() - start;
        return result;
    }
    // The number of messages and questions so far.
    int messageCount() const { return m_counting.count(); }

    // Exit status of a store or delete; prints "changed" when another process had changed the file.
    int finish(const ChangeResult& result)
    {
        if (result.changed)
            std::cout << "changed\n";
        return result.applied && result.saved ? kExitOk : kExitFailed;
    }

private:
    const DictOptions& m_options;
    CliPrompter m_prompter;
    CountingPrompter m_counting;
    CDictionary m_dictionary;
    Clock::time_point m_start;
    Clock::duration m_operation{0};
};

int runNew(const DictOptions& options)
{
    if (pathExists(options.path)) {
        std::cerr << formatMessage("Fail %s on juba olemas.", options.path) << '\n';
        return kExitFailed;
    }
    if (!createDictionaryFile(options.path)) {
        std::cerr << formatMessage("Ei saa avada/luua faili %s.\nVali uus fail.", options.path) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int runCheck(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    for (DictSection s : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations})
        std::cout << sectionName(s) << ": " << session.dictionary().entryCount(s) << " entries, "
                  << session.dictionary().analysisCount(s) << " analyses\n";
    return kExitOk;
}

int runLookup(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    const std::string endings = normalizeEndings(options.endings);
    for (XmlNode analysis : session.dictionary().lookUpWordForm(MakeWordFormKey(options.word), options.similar, endings))
        std::cout << attributeValue(analysis, dict::kId) << '\t' << attributeValue(analysis, dict::kFormLemma) << '\t'
                  << attributeValue(analysis, dict::kForm) << '\t' << attributeValue(analysis, dict::kWeight) << '\n';
    return kExitOk;
}

int runComplete(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    for (const std::string& id : session.dictionary().completeLemma(options.word))
        std::cout << id << '\n';
    return kExitOk;
}

int runWalk(const DictOptions& options)
{
    DictSection section{};
    if (!sectionFromName(options.section, section)) {
        std::cerr << "Tundmatu sõnastiku osa: " << options.section << '\n';
        return kExitUsage;
    }
    Session session(options);
    if (!session.open())
        return kExitFailed;
    const std::vector<const char*>& attributes = sectionAttributes(section);
    for (XmlNode entry = session.dictionary().firstEntry(section); entry; entry = CDictionary::nextEntry(entry)) {
        for (std::size_t i = 0; i < attributes.size(); ++i)
            std::cout << (i > 0 ? "\t" : "") << attributeValue(entry, attributes[i]);
        std::cout << '\n';
    }
    return kExitOk;
}

// Runs a store or delete on a freshly opened dictionary, `times` times over (each time a whole
// locked change: lock, change check, change, save).
template <class Operation>
int runChange(const DictOptions& options, Operation operation, int times = 1)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    ChangeResult all{true, false, true, {}};
    for (int i = 0; i < times; ++i) {
        const int before = session.messageCount();
        const ChangeResult result = session.timed([&] { return operation(session.dictionary()); });
        if (!result.applied && session.messageCount() == before)
            std::cerr << "Sõnastikku ei muudetud.\n";
        all.applied = all.applied && result.applied;
        all.saved = all.saved && result.saved;
        all.changed = all.changed || result.changed;
        if (!result.applied || !result.saved)
            break;
    }
    return session.finish(all);
}

int runAddText(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    CPelmoraDoc document(session.prompter());
    if (!document.openDocument(options.second))
        return kExitFailed;
    session.prompter().setAnswer(true);
    const bool added = session.timed([&] { return addTextToDictionary(document, session.dictionary(), session.prompter()); });
    return added ? kExitOk : kExitFailed;
}

int runExport(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    session.prompter().setAnswer(true);
    return exportDictionary(session.dictionary(), options.second, session.prompter()) ? kExitOk : kExitFailed;
}

int runExportLift(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    session.prompter().setAnswer(options.force);
    if (exchange::exportLift(session.dictionary(), options.second, session.prompter()))
        return kExitOk;
    if (!options.force && pathExists(options.second) && !session.prompter().sawError())
        std::cerr << "Ülekirjutamiseks lisa --force.\n";
    return kExitFailed;
}

int runImportLift(const DictOptions& options)
{
    Session session(options);
    if (!session.open())
        return kExitFailed;
    session.prompter().setAnswer(true);
    return exchange::importLift(session.dictionary(), options.second, session.prompter(), options.preview) ? kExitOk
                                                                                                          : kExitFailed;
}

}  // namespace

void addDictCommands(CLI::App& app, RunState& state)
{
    auto o = std::make_shared<DictOptions>();
    CLI::App* dict = app.add_subcommand("dict", "Work on a shared dictionary file");
    dict->require_subcommand(1);

    const auto command = [dict, o, &state](const char* name, const char* description, auto run) {
        CLI::App* sub = dict->add_subcommand(name, description);
        sub->add_option("PATH", o->path, "Dictionary file")->required();
        sub->add_flag("--create", o->create, "Create a missing dictionary without asking");
        sub->add_option("--lock-timeout", o->lockTimeout, "Give up after waiting this many seconds for the lock");
        sub->add_flag("--timings", o->timings, "Print the time spent in total, loading and saving");
        sub->callback([o, &state, run] { state.exitCode = run(*o); });
        return sub;
    };

    command("new", "Write a new dictionary (refuses an existing file)", runNew);
    command("check", "Validate and count entries and analyses per section", runCheck);

    CLI::App* lookup = command("lookup", "Print the analyses of a word form: id, lemma, vorm, kaal", runLookup);
    lookup->add_option("WORD", o->word, "Surface form")->required();
    lookup->add_flag("--similar", o->similar, "Also forms that differ only by endings");
    lookup->add_option("--endings", o->endings, "Blank-separated endings for --similar");

    CLI::App* complete = command("complete", "Print lemma ids that complete a prefix", runComplete);
    complete->add_option("PREFIX", o->word, "Beginning of a lemma")->required();

    CLI::App* storeForm = command("store-form", "Confirm a word-form analysis", [](const DictOptions& x) {
        return runChange(x, [&x](CDictionary& d) { return d.storeWordForm(x.word, x.second, x.third); }, x.repeat);
    });
    storeForm->add_option("--repeat", o->repeat, "Confirm the analysis this many times, each a separate locked store")
        ->check(CLI::Range(1, 1000000));
    storeForm->add_option("SURFACE", o->word, "Surface form")->required();
    storeForm->add_option("LEMMA", o->second, "Lemma")->required();
    storeForm->add_option("FORM", o->third, "Form tag");

    CLI::App* storeLemma = command("store-lemma", "Confirm a lemma analysis", [](const DictOptions& x) {
        return runChange(x, [&x](CDictionary& d) {
            return d.storeLemma(x.word, x.meaning, x.partOfSpeech, x.latvian, x.english);
        });
    });
    storeLemma->add_option("LEMMA", o->word, "Lemma")->required();

    CLI::App* storeCombination = command("store-combination", "Add a combination analysis", [](const DictOptions& x) {
        return runChange(x, [&x](CDictionary& d) { return d.storeCombination(x.word, x.meaning, x.partOfSpeech); });
    });
    storeCombination->add_option("ID", o->word, "Combination lemma")->required();

    CLI::App* deleteForm = command("delete-form", "Delete a word-form analysis", [](const DictOptions& x) {
        return runChange(x, [&x](CDictionary& d) { return d.deleteWordForm(x.word, x.second, x.third, Direction::Forward); });
    });
    deleteForm->add_option("ID", o->word, "Word-form key")->required();
    deleteForm->add_option("LEMMA", o->second, "Lemma")->required();
    deleteForm->add_option("FORM", o->third, "Form tag");

    CLI::App* deleteLemma = command("delete-lemma", "Delete a lemma analysis", [](const DictOptions& x) {
        return runChange(x, [&x](CDictionary& d) {
            return d.deleteLemma(x.word, x.meaning, x.partOfSpeech, x.latvian, x.english, Direction::Forward);
        });
    });
    deleteLemma->add_option("ID", o->word, "Lemma")->required();

    CLI::App* deleteCombination = command("delete-combination", "Delete a combination analysis", [](const DictOptions& x) {
        return runChange(x, [&x](CDictionary& d) {
            return d.deleteCombination(x.word, x.meaning, x.partOfSpeech, Direction::Forward);
        });
    });
    deleteCombination->add_option("ID", o->word, "Combination lemma")->required();

    for (CLI::App* sub : {storeLemma, deleteLemma}) {
        sub->add_option("--meaning", o->meaning, "Meaning (tahendus)");
        sub->add_option("--pos", o->partOfSpeech, "Part-of-speech code (liik)");
        sub->add_option("--lv", o->latvian, "Latvian equivalent (lati)");
        sub->add_option("--en", o->english, "English equivalent (ingl)");
    }
    for (CLI::App* sub : {storeCombination, deleteCombination}) {
        sub->add_option("--meaning", o->meaning, "Meaning (ytahendus)");
        sub->add_option("--pos", o->partOfSpeech, "Part-of-speech code (yliik)");
    }

    CLI::App* walk = command("walk", "Print every analysis of a section in order", runWalk);
    walk->add_option("SECTION", o->section, "soned, lemmad or yhendid")->required();

    CLI::App* addText = command("add-text", "Add a corpus text's annotated tokens and combinations", runAddText);
    addText->add_option("TEXT", o->second, "Corpus text")->required();

    CLI::App* exportCommand = command("export", "Export the dictionary as UTF-16 text", runExport);
    exportCommand->add_option("OUT", o->second, "Output file")->required();

    CLI::App* exportLift = command("export-lift", "Write the dictionary as a LIFT 0.13 lexicon", runExportLift);
    exportLift->add_option("OUT", o->second, "LIFT file to write")->required();
    exportLift->add_flag("--force", o->force, "Replace an existing OUT");

    CLI::App* importLift = command("import-lift", "Merge a LIFT lexicon into the dictionary (prints new/same/different)",
                                   runImportLift);
    importLift->add_option("IN", o->second, "LIFT file to read")->required();
    importLift->add_flag("--preview", o->preview, "Only count the new, same and different entries");
}

}  // namespace pelmora::cli
