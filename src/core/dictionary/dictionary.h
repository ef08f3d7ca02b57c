// CDictionary: the shared dictionary of word forms, lemmas and combinations. It opens, searches,
// changes and saves the dictionary file; changes are serialised between processes by the lock
// file and detected through the file's stamp and, under the lock, its bytes.
//
// Node handles handed out (entries, analyses, current-entry positions) are nodes of the live tree.
// They stay valid until the next reload (open, reopen, or a change check that found another
// process's change) or until the analysis they point at is deleted.
#pragma once

#include "common/prompter.h"
#include "dictionary/dictionarylock.h"
#include "dictionary/idtable.h"
#include "xml/xmldocument.h"

#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The vocabulary of the dictionary file.
namespace dict {
inline constexpr const char* kRoot = "pelmora";
inline constexpr const char* kType = "tyyp";
inline constexpr const char* kTypeValue = "sonastik";
inline constexpr const char* kWordForms = "soned";
inline constexpr const char* kLemmas = "lemmad";
inline constexpr const char* kCombinations = "yhendid";
inline constexpr const char* kWordForm = "sone";
inline constexpr const char* kLemma = "lemma";
inline constexpr const char* kCombination = "yhend";
inline constexpr const char* kId = "id";
inline constexpr const char* kWeight = "kaal";
// Word-form analyses.
inline constexpr const char* kFormLemma = "lemma";
inline constexpr const char* kForm = "vorm";
// Lemma analyses.
inline constexpr const char* kMeaning = "tahendus";
inline constexpr const char* kPartOfSpeech = "liik";
inline constexpr const char* kLatvian = "lati";
inline constexpr const char* kEnglish = "ingl";
// Combination analyses.
inline constexpr const char* kCombinationMeaning = "ytahendus";
inline constexpr const char* kCombinationPartOfSpeech = "yliik";
}  // namespace dict

// The three sections, in file order.
enum class DictSection { WordForms = 0, Lemmas = 1, Combinations = 2 };

// The section's element name ("soned", ...) and its entries' element name ("sone", ...).
const char* sectionName(DictSection section);
const char* entryName(DictSection section);
// The section whose name is given ("soned", "lemmad", "yhendid"); false when there is none.
bool sectionFromName(std::string_view name, DictSection& section);
// The attributes of an analysis of the section, in file-format order (id first, weight last).
const std::vector<const char*>& sectionAttributes(DictSection section);
// The attributes that tell one analysis of an entry from another (all but id and weight).
const std::vector<const char*>& identifyingAttributes(DictSection section);

// The bytes of a new dictionary: one placeholder entry "__" per section.
std::string_view dictionaryTemplate();

// Writes the template to a new file. False when a file already exists at the path or the new
// one cannot be written (nothing is left behind then).
bool createDictionaryFile(const std::string& path);

// Whether the file is a dictionary: its root is "pelmora" with the type "sonastik" (a corpus text
// has the same root without the type). Reads the file; false when it cannot be read or parsed.
bool isDictionaryFile(const std::string& path);

// The weight of an analysis: the leading integer of its "kaal" (0 when absent or not a number).
long long analysisWeight(XmlNode analysis);

// The outcome of a store or delete.
struct ChangeResult {
    bool applied = false;  // the operation ran on a valid tree (it may still have found nothing to do)
    bool changed = false;  // another process had changed the file; the tree was reloaded first
    bool saved = false;    // the file now holds the change (never in bulk mode)
};

// Where the editor's current-entry position goes after a delete.
enum class Direction { Backward = 0, Forward = 1 };

// Why the user is asked to choose another dictionary.
enum class ChooseReason {
    NoPath,  // no path is set: name one with setPath(), the open then goes on with it
    Failed,  // the file could not be opened as a dictionary; open another with openWithPath()
};

class CDictionary {
public:
    explicit CDictionary(Prompter& prompter);
    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // --- Hooks --------------------------------------------------------------------------------
    // Called when the user must choose another dictionary (the GUI opens its settings dialog).
    void setChooseAnotherCallback(std::function<void(CDictionary&, ChooseReason)> callback)
    {
        m_chooseAnother = std::move(callback);
    }
    // Called every millisecond while another process holds the lock; returning false gives up
    // the change (reported, nothing changed). Empty: wait without limit.
    void setLockWaitCallback(LockWaitCallback callback) { m_lockWait = std::move(callback); }

    // --- Open and save ------------------------------------------------------------------------
    // Stores the path and loads it (see reopen). True when a valid dictionary is loaded.
    bool openWithPath(const std::string& path);
    // Loads the stored path again. A blank path: "Sisesta sõnastikufaili nimi." and the choose
    // callback. A missing file: asks whether to create a new dictionary and writes the template.
    // A file that cannot be read, is not XML or lacks a section or an entry is refused with a
    // message and never modified. Resets the three current-entry positions to the first entries.
    bool reopen();
    // Sets the path without loading (for the choose callback).
    void setPath(const std::string& path) { m_path = path; }
    const std::string& path() const { return m_path; }
    // True while a dictionary that passed validation is loaded; lookups on an invalid one find
    // nothing and changes are refused.
    bool isValid() const { return m_valid; }

    // Writes the whole tree to the file through the safe replacement and stamps it. A failure is
    // reported ("Viga faili %s salvestamisel."); the tree keeps the change. Refused (false) on an
    // invalid tree.
    bool save();
    // Loads the file again when another process changed it since this one last loaded or saved
    // it (the current-entry positions then go back to the first entries); otherwise keeps the
    // tree and the positions. Takes the lock for the check. True when the file was reloaded.
    bool reloadIfChanged();
    // Bulk mode start: takes the lock and runs the change check, keeping the lock until
    // saveAndStamp(). `applied` is false when the lock was given up or the tree is not valid.
    ChangeResult checkAndReload();
    // Bulk mode end: saves, stamps and releases the lock taken by checkAndReload().
    bool saveAndStamp();
    // Rewrites the whole tree at once: takes the lock, loads another process's change first, runs
    // `edit` on the root element, indexes the tree anew and saves it. When the edit returns false
    // or the save fails, the tree is loaded again as the file holds it (with this process's
    // unsaved changes made again). True when the file holds the edit.
    bool rewriteUnderLock(const std::function<bool(XmlNode root)>& edit);

    // --- Lookups (no lock; the tree as last loaded) --------------------------------------------
    // The top-level entry of the section with exactly this id, or null. O(log n).
    XmlNode find(DictSection section, std::string_view id) const;
    XmlNode findWordForm(std::string_view key) const { return find(DictSection::WordForms, key); }
    XmlNode findLemma(std::string_view id) const { return find(DictSection::Lemmas, id); }
    XmlNode findCombination(std::string_view id) const { return find(DictSection::Combinations, id); }

    // The `sone` analyses of a word-form key (make it with MakeWordFormKey): the entry and its
    // child analyses, the heaviest in front. When the key is absent and `similar` is set, the
    // neighbouring entries whose id differs from the key only by endings of the blank-framed
    // `endings` list, each with its children (no weight order). Empty when nothing is found.
    std::vector<XmlNode> lookUpWordForm(std::string_view key, bool similar = false,
                                        std::string_view endings = {}) const;

    // Every analysis stored under an id (the top-level entry, then its children in order);
    // empty when the id is absent. For lemmas: the meanings with weights, parts of speech,
    // Latvian and English; for combinations: meaning and part of speech.
    std::vector<XmlNode> analyses(DictSection section, std::string_view id) const;

    // Up to 20 lemma ids that are longer than the prefix and begin with it, in dictionary order
    // from the first such id. An empty prefix gives nothing.
    std::vector<std::string> completeLemma(std::string_view prefix) const;

    // Number of top-level entries of the section (0 on an invalid tree).
    std::size_t entryCount(DictSection section) const;
    // Number of analyses of the section (entries and their children). Walks the section.
    std::size_t analysisCount(DictSection section) const;

    // --- Changes ------------------------------------------------------------------------------
    // Each change (unless bulk) takes the lock, reloads the file when another process changed it,
    // changes the tree and saves at once. In bulk mode (between checkAndReload and saveAndStamp)
    // it only changes the tree.

    // Confirms the analysis surface -> lemma, form tag: same analysis raises its weight, a new
    // one is added (a new entry keyed by MakeWordFormKey(surface), or a child analysis).
    // Nothing happens (applied false) when the surface or the lemma is empty.
    ChangeResult storeWordForm(std::string_view surface, std::string_view lemma, std::string_view form,
                               bool bulk = false);
    // Confirms a lemma analysis. Nothing happens when the lemma is empty or all four values are.
    ChangeResult storeLemma(std::string_view lemma, std::string_view meaning, std::string_view partOfSpeech,
                            std::string_view latvian, std::string_view english, bool bulk = false);
    // Adds a combination analysis unless present. Nothing happens when the id is empty or both
    // the meaning is empty and the part of speech is empty or "-".
    ChangeResult storeCombination(std::string_view id, std::string_view meaning, std::string_view partOfSpeech,
                                  bool bulk = false);

    // One store of a bulk addition, its values in the order of the matching store call:
    // word form (surface, lemma, form), lemma (lemma, meaning, part of speech, Latvian,
    // English) or combination (id, meaning, part of speech).
    struct StoreRequest {
        DictSection section = DictSection::WordForms;
        std::array<std::string_view, 5> values{};
    };
    // The stores of a bulk addition, read in order when they are made (so that a long list
    // need not be built first) and once more when a failed save logs them.
    class StoreSource {
    public:
        virtual ~StoreSource() = default;
        virtual std::size_t size() const = 0;
        // The i-th store; its views stay valid while the source lives.
        virtual StoreRequest request(std::size_t i) const = 0;
    };
    // A whole bulk addition: takes the lock, runs the change check, makes the stores (with the
    // same outcome as storing each in turn) and saves once. The entries are looked up ahead, so
    // that the waits for memory overlap: a text's tokens hit the dictionary all over. When the
    // save fails the changes stay in memory and reach the file with the next successful save,
    // as with single stores. True when the file holds the changes.
    // `progress` is told (done, total) now and then; when it returns false the addition stops
    // and the tree is put back as the file holds it (with this process's unsaved changes made
    // again): nothing is saved and the function returns false.
    using BulkProgress = std::function<bool(std::size_t done, std::size_t total)>;
    bool addInBulk(const StoreSource& stores, const BulkProgress& progress = {});

    // Deletes the analysis identified by all given values; the first child analysis takes the
    // place of a deleted entry that has children. Refused with a message when the section has a
    // single entry. Moves the section's current-entry position by the direction.
    ChangeResult deleteWordForm(std::string_view id, std::string_view lemma, std::string_view form,
                                Direction direction);
    ChangeResult deleteLemma(std::string_view id, std::string_view meaning, std::string_view partOfSpeech,
                             std::string_view latvian, std::string_view english, Direction direction);
    ChangeResult deleteCombination(std::string_view id, std::string_view meaning, std::string_view partOfSpeech,
                                   Direction direction);

    // --- Walking a section in pre-order (entry, its children, next entry) -----------------------
    XmlNode firstEntry(DictSection section) const;
    // The analysis after / before the given one in pre-order; null after the last. The one before
    // the first entry is the first entry itself.
    static XmlNode nextEntry(XmlNode analysis);
    static XmlNode previousEntry(XmlNode analysis);

    // The editor's current-entry positions, one per section; reset to the first entries on load.
    XmlNode currentEntry(DictSection section) const { return m_current[index(section)]; }
    void setCurrentEntry(DictSection section, XmlNode analysis) { m_current[index(section)] = analysis; }
    // Move the section's position and return it (null when moved past the end).
    XmlNode moveToFirst(DictSection section);
    XmlNode moveToNext(DictSection section);
    XmlNode moveToPrevious(DictSection section);

    // --- Diagnostics --------------------------------------------------------------------------
    // Time spent reading and parsing, and serialising and writing, since construction.
    struct Timings {
        std::chrono::nanoseconds load{0};  // reading, parsing, validating and indexing
        std::chrono::nanoseconds save{0};  // serialising and the safe replacement
    };
    const Timings& timings() const { return m_timings; }
    const XmlDocument& xml() const { return m_xml; }
    Prompter& prompter() const { return m_prompter; }

private:
    // One requested change, kept until it reaches the file so that a reload can replay it.
    struct Change {
        enum class Kind { StoreWordForm, StoreLemma, StoreCombination, DeleteWordForm, DeleteLemma,
                          DeleteCombination };
        Kind kind = Kind::StoreWordForm;
        std::array<std::string, 5> values;
        Direction direction = Direction::Forward;
    };

    struct OrdinalLess {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // The top-level entries of a section by id: in ordinal order for insertion points,
    // completion and neighbours, and hashed for the exact lookups that every store and every
    // suggestion makes. Keys view the id attribute in the tree, which never changes while the
    // entry is indexed (entries leave the index before they leave the tree).
    struct Index {
        std::map<std::string_view, XmlNode, OrdinalLess> ordered;
        IdTable exact;
        // Entries of a hand-edited file whose id an earlier entry already has, in file order.
        // Not found by lookups; when the indexed entry is deleted the next of them takes its
        // place, as a reload of the saved file would find it.
        std::vector<XmlNode> shadowed;
        // Entries whose id is another spelling (normal form aside) of an earlier entry's id:
        // lookups read them as part of that entry. By the normal form of the id.
        std::multimap<std::string_view, XmlNode, OrdinalLess> variants;
        // The normal forms of ids not stored in NFC, for the keys above to view.
        std::deque<std::string> normalIds;
        void clear()
        {
            ordered.clear();
            exact.clear();
            shadowed.clear();
            variants.clear();
            normalIds.clear();
        }
        // The key of an entry's id: the id itself when it is in NFC, otherwise its normal form.
        std::string_view keyOf(std::string_view id);
        // Whether an indexed entry (or a variant) has exactly this id.
        bool holdsId(std::string_view key, std::string_view id) const;
    };

    static std::size_t index(DictSection s) { return static_cast<std::size_t>(s); }

    enum class LoadOutcome { Loaded, Missing, Unreadable, NotXml };
    LoadOutcome loadFile();
    bool validateAndIndex();
    void invalidate();
    void chooseAnother(ChooseReason reason);

    // Runs a change with copies of the values. Bulk changes refill one kept change, so that a long
    // bulk addition does not allocate for every token.
    ChangeResult request(Change::Kind kind, const std::array<std::string_view, 5>& values, bool bulk,
                         Direction direction = Direction::Forward);
    ChangeResult runChange(const Change& change, bool bulk);
    ChangeResult store(const StoreRequest& request, std::string_view key, bool bulk);
    static void setChange(Change& change, Change::Kind kind, const std::array<std::string_view, 5>& values,
                          Direction direction);
    // The change a store request makes (the word-form key given); false when the store would do
    // nothing (an empty id, or no values).
    static bool changeOf(const StoreRequest& request, std::string_view key, Change& change);
    bool changeCheck();  // true when the file had been changed and was reloaded
    // A stopped bulk addition: the tree back as the file holds it, the lock released; false.
    bool cancelBulk();
    bool apply(const Change& change);
    void applyStoreWordForm(const Change& c);
    void applyStoreLemma(const Change& c);
    void applyStoreCombination(const Change& c);
    bool applyDelete(const Change& c);
    XmlNode insertEntry(DictSection section, std::string_view id);
    // Puts the entries that bulk stores appended at the end of their sections into their sorted
    // places, in one merge per section.
    void settleNewEntries() const;
    // Calls `visit` with every entry filed under another spelling of the id (its normal form
    // aside) and with their child analyses, until it returns true; true then.
    template <typename Visit>
    bool visitVariants(DictSection section, std::string_view id, Visit visit) const;
    // After the indexed entry of an id was deleted: indexes the next entry with that id, or with
    // another spelling of it (`key` is the id's normal form), if any.
    static void promoteShadowed(Index& sectionIndex, std::string_view id, std::string_view key);
    bool saveFile();

    Prompter& m_prompter;
    std::string m_path;
    XmlDocument m_xml;
    bool m_valid = false;
    // The version of the file last loaded or saved: its stamp and the digest of its bytes.
    FileStamp m_stamp;
    ContentDigest m_digest;
    std::array<XmlNode, 3> m_sections{};
    mutable std::array<Index, 3> m_index{};
    // New top-level entries of bulk stores, appended at the end of their section and not yet in
    // the ordered index (they are in the exact one). Settled before anything needs the order.
    struct Unsettled {
        std::uint64_t prefix;  // ordinalPrefix of the id: sorts most pairs without reading the ids
        std::string_view id;
        XmlNode entry;
    };
    mutable std::array<std::vector<Unsettled>, 3> m_unsettled{};
    bool m_deferInserts = false;
    std::array<XmlNode, 3> m_current{};
    DictionaryLock m_lock;
    // The changes since the last successful save, packed one after another (kind, direction,
    // then the values, each ended by a zero byte), so that a bulk addition logs cheaply.
    std::string m_unsaved;
    static void pack(std::string& log, const Change& change);
    static std::vector<Change> unpack(std::string_view log);
    Change m_bulkChange{};
    std::function<void(CDictionary&, ChooseReason)> m_chooseAnother;
    LockWaitCallback m_lockWait;
    Timings m_timings;
};

}  // namespace pelmora
