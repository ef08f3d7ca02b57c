// CDictionary: the shared dictionary of word forms, lemmas and combinations. It opens, searches,
// changes and saves the dictionary file; changes are serialised between processes by the lock
// file and detected through the file's stamp and, under the lock, its bytes. It composes the
// file's vocabulary (dictformat.h), the file on disk (dictionaryfile.h), one index per section
// (entryindex.h) and the journal of unsaved changes (changejournal.h).
//
// Node handles handed out (entries, analyses) are nodes of the live tree. They stay valid until
// the next reload (open, reopen, or a change check that found another process's change; the load
// serial then moves) or until the analysis they point at is deleted.
#pragma once

#include "common/prompter.h"
#include "dictionary/changejournal.h"
#include "dictionary/dictformat.h"
#include "dictionary/dictionaryfile.h"
#include "dictionary/dictionarylock.h"
#include "dictionary/entryindex.h"
#include "xml/xmldocument.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The outcome of a store or delete.
struct ChangeResult {
    bool applied = false;  // the operation ran on a valid tree (it may still have found nothing to do)
    bool changed = false;  // another process had changed the file; the tree was reloaded first
    bool saved = false;    // the file now holds the change
    // After a delete that ran: the top-level entry where the editor goes on, by the direction
    // from where the deleted analysis stood. After a store that ran: the analysis that now holds
    // the stored values (the one that took them, or the new one). Null otherwise.
    XmlNode position;
};

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
    // message and never modified. Moves the load serial.
    bool reopen();
    // Sets the path without loading (for the choose callback).
    void setPath(const std::string& path) { m_file.setPath(path); }
    const std::string& path() const { return m_file.path(); }
    // True while a dictionary that passed validation is loaded; lookups on an invalid one find
    // nothing and changes are refused.
    bool isValid() const { return m_valid; }
    // Moves whenever the tree is dropped or loaded and indexed anew (an open, a reload after
    // another process's change, a rewrite): node handles taken under another serial are stale.
    std::uint64_t loadSerial() const { return m_loadSerial; }

    // Writes the whole tree to the file through the safe replacement and stamps it. A failure is
    // reported ("Viga faili %s salvestamisel."); the tree keeps the change. Refused (false) on an
    // invalid tree.
    bool save();
    // Loads the file again when another process changed it since this one last loaded or saved
    // it (the load serial then moves); otherwise keeps the tree. Takes the lock for the check.
    // True when the file was reloaded.
    bool reloadIfChanged();
    // Rewrites the whole tree at once: takes the lock, loads another process's change first, runs
    // `edit` on the root element, indexes the tree anew and saves it. When the edit returns false
    // or the save fails, the tree is loaded again as the file holds it (with this process's
    // unsaved changes made again). True when the file holds the edit.
    bool rewriteUnderLock(const std::function<bool(XmlNode root)>& edit);

    // --- Lookups (no lock; the tree as last loaded) --------------------------------------------
    // The top-level entry of the section with exactly this id, or null. O(1).
    XmlNode find(DictSection section, std::string_view id) const { return index(section).find(id); }
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

    // Where an analysis stands among every analysis stored under its id (the order of
    // analyses()): position from 1, and their number. Found through the index, without a walk
    // of the section. {0, 0} for null or an analysis no lookup reaches (a shadowed duplicate).
    struct VariantPosition {
        std::size_t position = 0;
        std::size_t count = 0;
    };
    VariantPosition variantPosition(DictSection section, XmlNode analysis) const;

    // Up to 20 lemma ids that are longer than the prefix and begin with it, in dictionary order
    // from the first such id. An empty prefix gives nothing.
    std::vector<std::string> completeLemma(std::string_view prefix) const;

    // Number of top-level entries of the section (0 on an invalid tree).
    std::size_t entryCount(DictSection section) const { return index(section).size(); }
    // Number of analyses of the section (entries and their children). Walks the section.
    std::size_t analysisCount(DictSection section) const;

    // --- Changes ------------------------------------------------------------------------------
    // Each change takes the lock, reloads the file when another process changed it, changes the
    // tree and saves at once.

    // Confirms the analysis surface -> lemma, form tag: same analysis raises its weight, a new
    // one is added (a new entry keyed by MakeWordFormKey(surface), or a child analysis).
    // Nothing happens (applied false) when the surface or the lemma is empty.
    ChangeResult storeWordForm(std::string_view surface, std::string_view lemma, std::string_view form);
    // Confirms a lemma analysis. Nothing happens when the lemma is empty or all four values are.
    ChangeResult storeLemma(std::string_view lemma, std::string_view meaning, std::string_view partOfSpeech,
                            std::string_view latvian, std::string_view english);
    // Adds a combination analysis unless present. Nothing happens when the id is empty or both
    // the meaning is empty and the part of speech is empty or "-".
    ChangeResult storeCombination(std::string_view id, std::string_view meaning, std::string_view partOfSpeech);

    // One store of a bulk addition (see changejournal.h).
    using StoreRequest = pelmora::StoreRequest;
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
    // single entry. The result's position is the entry the direction leads to from the place
    // of the deleted analysis.
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
    const EntryIndex& index(DictSection s) const { return m_index[sectionIndex(s)]; }
    EntryIndex& index(DictSection s) { return m_index[sectionIndex(s)]; }

    bool validateAndIndex();
    void invalidate();
    void chooseAnother(ChooseReason reason);

    // Takes the lock (unless held) and runs the change check, keeping the lock. False, with
    // the message given and the lock released, when the lock was given up or the tree is not
    // valid; `changed` tells whether the file was reloaded.
    bool lockAndCheck(bool& changed);
    bool changeCheck();  // true when the file had been changed and was reloaded
    // The tree back as the file holds it (the lock held throughout), with this process's
    // unsaved changes made again; the lock released.
    void restoreFromFile();
    bool saveFile();

    ChangeResult store(const StoreRequest& request, std::string_view key);
    ChangeResult runChange(const Change& change);
    // Makes one change on the tree; a delete tells where the editor goes on.
    bool apply(const Change& change, XmlNode* position = nullptr);
    // A store: the entry of the id takes it, or one of its analyses (or of its other
    // spellings'), or a new analysis (a new entry when the id is absent) gets the values.
    // Returns the analysis that holds them.
    template <typename TakesAtEntry, typename Takes, typename SetValues>
    XmlNode applyStore(DictSection section, std::string_view id, TakesAtEntry takesAtEntry, Takes takes,
                    SetValues setValues);
    XmlNode applyStoreWordForm(const Change& c);
    XmlNode applyStoreLemma(const Change& c);
    XmlNode applyStoreCombination(const Change& c);
    bool applyDelete(const Change& c, XmlNode* position);
    // A new top-level entry: in its sorted place, or during a bulk addition at the section's end.
    XmlNode insertEntry(DictSection section, std::string_view id);
    // Makes the stores of a bulk addition, their entries looked up ahead. False when `stopped`,
    // asked every `reportEvery` stores, said to stop.
    bool makeStores(const StoreSource& stores, std::size_t reportEvery,
                    const std::function<bool(std::size_t done)>& stopped);
    void settleAll() const;

    Prompter& m_prompter;
    DictionaryFile m_file;
    XmlDocument m_xml;
    bool m_valid = false;
    std::uint64_t m_loadSerial = 0;
    std::array<EntryIndex, 3> m_index{};
    // True during a bulk addition: new entries go to the end of their section and are sorted in
    // before anything needs the order.
    bool m_deferInserts = false;
    DictionaryLock m_lock;
    // The changes since the last successful save.
    ChangeJournal m_unsaved;
    // The change a bulk store refills, so that a long addition does not allocate for every token.
    Change m_bulkChange{};
    std::function<void(CDictionary&, ChooseReason)> m_chooseAnother;
    LockWaitCallback m_lockWait;
    Timings m_timings;
};

}  // namespace pelmora
