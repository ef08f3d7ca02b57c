#include "dictionary/dictionary.h"

#include "common/filemessages.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr const char* kQuestionTitle = "Pelmora";
constexpr const char* kNoPathMessage = QT_TRANSLATE_NOOP("core", "Sisesta sõnastikufaili nimi.");
constexpr const char* kCreateQuestion = QT_TRANSLATE_NOOP("core", "Ei leia faili %s. Kas loon uue sõnastiku?");
constexpr const char* kCannotOpenMessage = QT_TRANSLATE_NOOP("core", "Ei saa avada/luua faili %s.\nVali uus fail.");
constexpr const char* kNotDictionaryMessage =
    QT_TRANSLATE_NOOP("core", "Fail %s pole sõnastik.\nEi saa seda faili avada.\nVali uus fail.");
constexpr const char* kRefusedMessage = QT_TRANSLATE_NOOP("core", "Fail %s pole sõnastik.\nMuudatust ei tehtud.");
constexpr const char* kLockedMessage =
    QT_TRANSLATE_NOOP("core", "Sõnastikku %s muudab praegu teine kasutaja.\nMuudatust ei tehtud.");
constexpr std::size_t kCompletionCount = 20;

const char* const kOnlyOneMessages[] = {
    QT_TRANSLATE_NOOP("core", "Sõnastikus on ainult üks sõne,\nei saa seda kustutada"),
    QT_TRANSLATE_NOOP("core", "Sõnastikus on ainult üks lemma,\nei saa seda kustutada"),
    QT_TRANSLATE_NOOP("core", "Sõnastikus on ainult üks ühend,\nei saa seda kustutada"),
};

using Clock = std::chrono::steady_clock;

// Hands the analysis a store left its values in to whoever asked for it.
bool stored(XmlNode analysis, XmlNode* position)
{
    if (position)
        *position = analysis;
    return true;
}

}  // namespace

CDictionary::CDictionary(Prompter& prompter) : m_prompter(prompter) {}

// --- Open and save -----------------------------------------------------------------------------

bool CDictionary::openWithPath(const std::string& path)
{
    m_file.setPath(path);
    m_file.forget();
    return reopen();
}

void CDictionary::chooseAnother(ChooseReason reason)
{
    if (m_chooseAnother)
        m_chooseAnother(*this, reason);
}

void CDictionary::invalidate()
{
    m_valid = false;
    ++m_loadSerial;
    m_file.forget();
    for (EntryIndex& entries : m_index)
        entries.clear();
}

bool CDictionary::reopen()
{
    invalidate();
    if (trimBlanks(path()).empty()) {
        m_prompter.message(MessageKind::Plain, "", kNoPathMessage);
        chooseAnother(ChooseReason::NoPath);
        if (trimBlanks(path()).empty())
            return false;
    }

    using Outcome = DictionaryFile::LoadOutcome;
    const auto start = Clock::now();
    Outcome outcome = m_file.load(m_xml);
    if (outcome == Outcome::Missing) {
        if (!m_prompter.askYesNo(kQuestionTitle, formatMessage(kCreateQuestion, path()))) {
            chooseAnother(ChooseReason::Failed);
            return false;
        }
        // Someone else may have created it meanwhile: then load theirs.
        outcome = m_file.createFromTemplate() ? m_file.load(m_xml) : Outcome::Unreadable;
        if (outcome == Outcome::Missing)
            outcome = Outcome::Unreadable;
    }
    if (outcome == Outcome::Unreadable) {
        m_prompter.error(formatMessage(kCannotOpenMessage, path()));
        chooseAnother(ChooseReason::Failed);
        return false;
    }
    // A file that exists but is not XML is someone's file: refuse it, never write over it.
    const bool valid = outcome == Outcome::Loaded && validateAndIndex();
    m_timings.load += Clock::now() - start;
    if (!valid) {
        invalidate();
        m_prompter.error(formatMessage(kNotDictionaryMessage, path()));
        chooseAnother(ChooseReason::Failed);
        return false;
    }
    return true;
}

bool CDictionary::validateAndIndex()
{
    ++m_loadSerial;
    const XmlNode root = m_xml.root();
    if (!isElement(root, dict::kRoot))
        return false;
    std::array<XmlNode, 3> sections{};
    for (DictSection s : kDictSections) {
        sections[sectionIndex(s)] = firstChildElement(root, sectionName(s));
        if (!sections[sectionIndex(s)])
            return false;
    }
    for (DictSection s : kDictSections)
        if (!index(s).build(sections[sectionIndex(s)], entryName(s)))
            return false;
    m_valid = true;
    return true;
}

void CDictionary::settleAll() const
{
    for (const EntryIndex& entries : m_index)
        entries.settle();
}

bool CDictionary::saveFile()
{
    settleAll();
    const auto start = Clock::now();
    std::string error;
    const bool ok = m_file.save(m_xml, &error);
    m_timings.save += Clock::now() - start;
    if (!ok) {
        m_prompter.error(formatMessage(kSaveFailedMessage, path()));
        return false;
    }
    m_unsaved.clear();
    return true;
}

bool CDictionary::save()
{
    if (!m_valid) {
        m_prompter.error(formatMessage(kRefusedMessage, path()));
        return false;
    }
    return saveFile();
}

bool CDictionary::changeCheck()
{
    const auto start = Clock::now();
    const bool same = m_file.isUnchanged();
    m_timings.load += Clock::now() - start;
    if (same)
        return false;
    // Changes that never reached the file are made again on the reloaded tree.
    const std::vector<Change> unsaved = m_unsaved.take();
    if (reopen()) {
        for (const Change& change : unsaved)
            if (apply(change))
                m_unsaved.record(change);
    }
    return true;
}

bool CDictionary::lockAndCheck(bool& changed)
{
    if (!m_lock.held() && m_lock.acquire(path(), m_lockWait) == DictionaryLock::Status::GaveUp) {
        m_prompter.error(formatMessage(kLockedMessage, path()));
        return false;
    }
    changed = changeCheck();
    if (!m_valid) {
        m_prompter.error(formatMessage(kRefusedMessage, path()));
        m_lock.release();
        return false;
    }
    return true;
}

void CDictionary::restoreFromFile()
{
    // The file is as the check found it (the lock was held throughout): load it again, and make
    // the changes that had not reached it yet once more.
    m_file.forget();
    changeCheck();
    m_lock.release();
}

bool CDictionary::reloadIfChanged()
{
    bool ownLock = false;
    if (!m_lock.held()) {
        const DictionaryLock::Status status = m_lock.acquire(path(), m_lockWait);
        if (status == DictionaryLock::Status::GaveUp)
            return false;  // the tree as last loaded still serves
        ownLock = status == DictionaryLock::Status::Held;
    }
    const bool changed = changeCheck();
    if (ownLock)
        m_lock.release();
    return changed;
}

bool CDictionary::rewriteUnderLock(const std::function<bool(XmlNode root)>& edit)
{
    bool changed = false;
    if (!lockAndCheck(changed))
        return false;
    settleAll();
    if (!edit(m_xml.root()) || !validateAndIndex() || !saveFile()) {
        restoreFromFile();
        return false;
    }
    m_lock.release();
    return true;
}

// --- Lookups -----------------------------------------------------------------------------------

std::vector<XmlNode> CDictionary::lookUpWordForm(std::string_view key, bool similar, std::string_view endings) const
{
    std::vector<XmlNode> result;
    const EntryIndex& wordForms = index(DictSection::WordForms);
    if (const XmlNode entry = wordForms.find(key)) {
        result.push_back(entry);
        const auto take = [&result](XmlNode analysis) {
            if (analysisWeight(result.front()) < analysisWeight(analysis))
                result.insert(result.begin(), analysis);
            else
                result.push_back(analysis);
            return false;
        };
        for (XmlNode child = firstChildElement(entry, dict::kWordForm); child;
             child = nextSiblingElement(child, dict::kWordForm))
            take(child);
        wordForms.visitVariants(key, take);
        return result;
    }
    if (!similar)
        return result;
    for (const XmlNode entry : wordForms.similarEntries(key, endings)) {
        result.push_back(entry);
        for (XmlNode child = firstChildElement(entry, dict::kWordForm); child;
             child = nextSiblingElement(child, dict::kWordForm))
            result.push_back(child);
    }
    return result;
}

std::vector<XmlNode> CDictionary::analyses(DictSection section, std::string_view id) const
{
    std::vector<XmlNode> result;
    const XmlNode entry = find(section, id);
    if (!entry)
        return result;
    result.push_back(entry);
    for (XmlNode child = firstChildElement(entry, entryName(section)); child;
         child = nextSiblingElement(child, entryName(section)))
        result.push_back(child);
    index(section).visitVariants(id, [&result](XmlNode analysis) {
        result.push_back(analysis);
        return false;
    });
    return result;
}

CDictionary::VariantPosition CDictionary::variantPosition(DictSection section, XmlNode analysis) const
{
    if (!analysis)
        return {};
    const std::vector<XmlNode> all = analyses(section, attributeValue(analysis, dict::kId));
    const auto at = std::find(all.begin(), all.end(), analysis);
    if (at == all.end())
        return {};
    return {static_cast<std::size_t>(at - all.begin()) + 1, all.size()};
}

std::vector<std::string> CDictionary::completeLemma(std::string_view prefix) const
{
    if (prefix.empty())
        return {};  // every id would begin with it
    std::string storage;
    return index(DictSection::Lemmas).idsStartingWith(nfcView(prefix, storage), kCompletionCount);
}

std::size_t CDictionary::analysisCount(DictSection section) const
{
    std::size_t count = 0;
    for (XmlNode entry = firstEntry(section); entry; entry = nextEntry(entry))
        ++count;
    return count;
}

// --- Changes -----------------------------------------------------------------------------------

ChangeResult CDictionary::storeWordForm(std::string_view surface, std::string_view lemma, std::string_view form)
{
    const std::string key = surface.empty() || lemma.empty() ? std::string() : MakeWordFormKey(surface);
    return store({DictSection::WordForms, {surface, lemma, form, {}, {}}}, key);
}

ChangeResult CDictionary::storeLemma(std::string_view lemma, std::string_view meaning, std::string_view partOfSpeech,
                                     std::string_view latvian, std::string_view english)
{
    return store({DictSection::Lemmas, {lemma, meaning, partOfSpeech, latvian, english}}, {});
}

ChangeResult CDictionary::storeCombination(std::string_view id, std::string_view meaning,
                                           std::string_view partOfSpeech)
{
    return store({DictSection::Combinations, {id, meaning, partOfSpeech, {}, {}}}, {});
}

ChangeResult CDictionary::store(const StoreRequest& request, std::string_view key)
{
    Change change;
    if (!changeOfStore(request, key, change))
        return {};
    return runChange(change);
}

ChangeResult CDictionary::deleteWordForm(std::string_view id, std::string_view lemma, std::string_view form,
                                         Direction direction)
{
    Change change;
    change.set(Change::Kind::DeleteWordForm, {id, lemma, form, {}, {}}, direction);
    return runChange(change);
}

ChangeResult CDictionary::deleteLemma(std::string_view id, std::string_view meaning, std::string_view partOfSpeech,
                                      std::string_view latvian, std::string_view english, Direction direction)
{
    Change change;
    change.set(Change::Kind::DeleteLemma, {id, meaning, partOfSpeech, latvian, english}, direction);
    return runChange(change);
}

ChangeResult CDictionary::deleteCombination(std::string_view id, std::string_view meaning,
                                            std::string_view partOfSpeech, Direction direction)
{
    Change change;
    change.set(Change::Kind::DeleteCombination, {id, meaning, partOfSpeech, {}, {}}, direction);
    return runChange(change);
}

ChangeResult CDictionary::runChange(const Change& change)
{
    ChangeResult result;
    bool ownLock = false;
    if (!m_lock.held()) {
        const DictionaryLock::Status status = m_lock.acquire(path(), m_lockWait);
        if (status == DictionaryLock::Status::GaveUp) {
            m_prompter.error(formatMessage(kLockedMessage, path()));
            return result;
        }
        ownLock = status == DictionaryLock::Status::Held;
    }
    result.changed = changeCheck();
    if (!m_valid) {
        // Never write a tree that is not a dictionary.
        m_prompter.error(formatMessage(kRefusedMessage, path()));
    } else if (apply(change, &result.position)) {
        result.applied = true;
        m_unsaved.record(change);
        result.saved = saveFile();
    }
    if (ownLock)
        m_lock.release();
    return result;
}

bool CDictionary::addInBulk(const StoreSource& stores, const BulkProgress& progress)
{
    bool changed = false;
    if (!lockAndCheck(changed))
        return false;
    const std::size_t count = stores.size();
    // About two hundred reports over the run, and one at its end.
    const std::size_t reportEvery = std::max<std::size_t>(64, count / 200);
    const auto stopped = [&](std::size_t done) { return progress && !progress(done, count); };
    if (stopped(0)) {
        m_lock.release();
        return false;
    }
    m_deferInserts = true;
    const bool made = makeStores(stores, reportEvery, stopped);
    m_deferInserts = false;
    if (!made || stopped(count)) {
        restoreFromFile();
        return false;
    }
    const bool saved = save();
    m_lock.release();
    if (saved)
        return true;
    // Logged only now: a bulk addition that reaches the file needs no log.
    Change change;
    for (std::size_t i = 0; i < count; ++i) {
        const StoreRequest r = stores.request(i);
        const std::string key = r.section == DictSection::WordForms ? MakeWordFormKey(r.values[0]) : std::string();
        if (changeOfStore(r, key, change))
            m_unsaved.record(change);
    }
    return false;
}

bool CDictionary::makeStores(const StoreSource& stores, std::size_t reportEvery,
                             const std::function<bool(std::size_t done)>& stopped)
{
    const std::size_t count = stores.size();
    // The stores some way ahead, with their ids (word-form keys made once) and hashes: the slot
    // of one is fetched from memory, and the entry of one half as far, while this one is made.
    constexpr std::size_t kAhead = 16;
    struct Ahead {
        StoreRequest request;
        std::string key;
        std::string_view id;
        std::uint32_t hash = 0;
    };
    std::array<Ahead, kAhead> ahead;
    const auto fetchSlot = [&](std::size_t i) {
        Ahead& a = ahead[i % kAhead];
        a.request = stores.request(i);
        const StoreRequest& r = a.request;
        if (r.section == DictSection::WordForms) {
            a.key = !r.values[0].empty() && !r.values[1].empty() ? MakeWordFormKey(r.values[0]) : std::string();
            a.id = a.key;
        } else {
            a.id = r.values[0];
        }
        a.hash = IdTable::hashOf(a.id);
        index(r.section).exact().prefetchSlot(a.hash);
    };
    const auto fetchEntry = [&](std::size_t i) {
        const Ahead& a = ahead[i % kAhead];
        index(a.request.section).exact().prefetchEntry(a.id, a.hash);
    };
    for (std::size_t i = 0; i < std::min(kAhead, count); ++i)
        fetchSlot(i);
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kAhead / 2 < count)
            fetchEntry(i + kAhead / 2);
        const Ahead& a = ahead[i % kAhead];
        if (changeOfStore(a.request, a.key, m_bulkChange))
            apply(m_bulkChange);
        if (i + kAhead < count)
            fetchSlot(i + kAhead);
        if ((i + 1) % reportEvery == 0 && i + 1 < count && stopped(i + 1))
            return false;
    }
    return true;
}

bool CDictionary::apply(const Change& change, XmlNode* position)
{
    switch (change.kind) {
    case Change::Kind::StoreWordForm: return stored(applyStoreWordForm(change), position);
    case Change::Kind::StoreLemma: return stored(applyStoreLemma(change), position);
    case Change::Kind::StoreCombination: return stored(applyStoreCombination(change), position);
    case Change::Kind::DeleteWordForm:
    case Change::Kind::DeleteLemma:
    case Change::Kind::DeleteCombination: return applyDelete(change, position);
    }
    return false;
}

XmlNode CDictionary::insertEntry(DictSection section, std::string_view id)
{
    return index(section).insert(id, m_deferInserts);
}

template <typename TakesAtEntry, typename Takes, typename SetValues>
XmlNode CDictionary::applyStore(DictSection section, std::string_view id, TakesAtEntry takesAtEntry, Takes takes,
                                SetValues setValues)
{
    EntryIndex& entries = index(section);
    const XmlNode entry = entries.find(id);
    if (!entry) {
        const XmlNode added = insertEntry(section, id);
        setValues(added);
        return added;
    }
    if (takesAtEntry(entry))
        return entry;
    const char* name = entryName(section);
    for (XmlNode child = firstChildElement(entry, name); child; child = nextSiblingElement(child, name))
        if (takes(child))
            return child;
    XmlNode taker;
    const auto takenBy = [&](XmlNode analysis) {
        if (!takes(analysis))
            return false;
        taker = analysis;
        return true;
    };
    if (entries.visitVariants(id, takenBy))
        return taker;
    const XmlNode added = newAnalysis(entry, name, id);
    setValues(added);
    return added;
}

XmlNode CDictionary::applyStoreWordForm(const Change& c)
{
    const std::string_view lemma = c.values[1];
    const std::string_view form = c.values[2];
    return applyStore(
        DictSection::WordForms, c.values[3], [&](XmlNode entry) { return wordFormEntryTakes(entry, lemma, form); },
        [&](XmlNode analysis) { return wordFormAnalysisTakes(analysis, lemma, form); },
        [&](XmlNode analysis) { setWordFormValues(analysis, lemma, form); });
}

XmlNode CDictionary::applyStoreLemma(const Change& c)
{
    const LemmaValues values{c.values[1], c.values[2], c.values[3], c.values[4]};
    return applyStore(
        DictSection::Lemmas, c.values[0], [&](XmlNode entry) { return lemmaEntryTakes(entry, values); },
        [&](XmlNode analysis) { return lemmaAnalysisTakes(analysis, values); },
        [&](XmlNode analysis) { setLemmaValues(analysis, values); });
}

XmlNode CDictionary::applyStoreCombination(const Change& c)
{
    const std::string_view meaning = c.values[1];
    const std::string_view partOfSpeech = c.values[2];
    const auto same = [&](XmlNode analysis) { return isCombination(analysis, meaning, partOfSpeech); };
    return applyStore(DictSection::Combinations, c.values[0], same, same,
                      [&](XmlNode analysis) { setCombinationValues(analysis, meaning, partOfSpeech); });
}

bool CDictionary::applyDelete(const Change& c, XmlNode* position)
{
    const DictSection section = c.kind == Change::Kind::DeleteWordForm ? DictSection::WordForms
                                : c.kind == Change::Kind::DeleteLemma  ? DictSection::Lemmas
                                                                       : DictSection::Combinations;
    EntryIndex& entries = index(section);
    if (entries.size() < 2) {
        m_prompter.message(MessageKind::Plain, "", kOnlyOneMessages[sectionIndex(section)]);
        return false;
    }
    const std::string& id = c.values[0];
    const std::vector<const char*>& identifying = identifyingAttributes(section);
    const char* name = entryName(section);
    const auto matches = [&](XmlNode node) {
        for (std::size_t i = 0; i < identifying.size(); ++i)
            if (attributeValue(node, identifying[i]) != c.values[i + 1])
                return false;
        return true;
    };

    std::string storage;
    const std::string_view key = nfcView(id, storage);
    if (XmlNode entry = entries.entryFor(id, key)) {
        const XmlNode firstChild = firstChildElement(entry, name);
        if (matches(entry) && firstChild) {
            // The first alternative takes the entry's place, with its own weight.
            std::vector<const char*> moved = identifying;
            if (section != DictSection::Combinations)
                moved.push_back(dict::kWeight);
            for (const char* attribute : moved)
                setOrRemove(entry, attribute, std::string(attributeValue(firstChild, attribute)));
            entry.remove_child(firstChild);
        } else if (matches(entry)) {
            entries.remove(entry, id, key);
        } else {
            for (XmlNode child = firstChild; child; child = nextSiblingElement(child, name)) {
                if (matches(child)) {
                    entry.remove_child(child);
                    break;
                }
            }
        }
    }
    // The editor goes on from where the deleted analysis stood.
    if (position)
        *position = c.direction == Direction::Forward ? entries.atOrAfter(key) : entries.before(key);
    return true;
}

// --- Walking -----------------------------------------------------------------------------------

XmlNode CDictionary::firstEntry(DictSection section) const
{
    const EntryIndex& entries = index(section);
    entries.settle();
    return firstChildElement(entries.section(), entryName(section));
}

XmlNode CDictionary::nextEntry(XmlNode analysis)
{
    if (!analysis)
        return {};
    const char* name = analysis.name();
    if (const XmlNode child = firstChildElement(analysis, name))
        return child;
    if (const XmlNode sibling = nextSiblingElement(analysis, name))
        return sibling;
    const XmlNode parent = analysis.parent();
    return isElement(parent, name) ? nextSiblingElement(parent, name) : XmlNode();
}

XmlNode CDictionary::previousEntry(XmlNode analysis)
{
    if (!analysis)
        return {};
    const char* name = analysis.name();
    if (const XmlNode sibling = previousSiblingElement(analysis, name)) {
        const XmlNode last = lastChildElement(sibling, name);
        return last ? last : sibling;
    }
    const XmlNode parent = analysis.parent();
    return isElement(parent, name) ? parent : analysis;
}

}  // namespace pelmora
