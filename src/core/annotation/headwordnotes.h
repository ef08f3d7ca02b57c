// The headword notes file: one note per headword, kept as `info` elements under the root
// `pelmora`, sorted by their `lemma` attribute in ordinal (UTF-16 code-unit) order.
#pragma once

#include "common/prompter.h"
#include "common/translation.h"
#include "xml/xmldocument.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr const char* kNotesRoot = "pelmora";
inline constexpr const char* kNoteElement = "info";
inline constexpr const char* kNoteHeadword = "lemma";
// The caption of the message that a save failed; its text is the file's path.
inline constexpr const char* kNotesSaveFailedTitle = QT_TRANSLATE_NOOP("core", "Viga salvestamisel");

// One note as the notes window shows it.
struct HeadwordNote {
    std::string headword;
    std::string text;
    bool operator==(const HeadwordNote&) const = default;
};

// The notes file of one notes window. The file is read on first use, once; a file that cannot be
// read, whose root is not `pelmora` or that has no `info` note is reported as "Vigane fail %s."
// (caption "Viga") and leaves the notes unusable: lookups find nothing and saves do nothing.
class HeadwordNotes {
public:
    HeadwordNotes(std::string path, Prompter& prompter);

    const std::string& path() const { return m_path; }

    // Reads the file unless that was tried already. True when the notes are usable.
    bool ensureLoaded();
    bool isUsable() const { return m_state == State::Loaded; }

    // Where a headword stands among the notes: the note's index when found, else the index the
    // headword would be inserted at. Ordinal binary search; nothing found when not usable.
    struct Position {
        std::size_t index = 0;
        bool found = false;
    };
    Position find(std::string_view headword);

    // The note of the headword; false, with an empty note, when there is none.
    bool lookUp(std::string_view headword, HeadwordNote& note);
    // The note of the headword, else the file's first note (what opening and "&Otsi" show).
    // False, with an empty note, when the notes are not usable.
    bool lookUpOrFirst(std::string_view headword, HeadwordNote& note);

    // Gives the headword's note the text (a new note goes in at its sorted place), then writes the
    // whole file through the safe replacement. An empty headword changes no note. A failed save is
    // reported with the path as text and "Viga salvestamisel" as caption, and leaves the old file
    // whole. False when nothing was saved (not usable, or the save failed).
    bool store(std::string_view headword, std::string_view text);

    std::size_t size() const { return m_notes.size(); }

private:
    enum class State { NotRead, Loaded, Broken };
    HeadwordNote noteAt(std::size_t index) const;

    std::string m_path;
    Prompter& m_prompter;
    State m_state = State::NotRead;
    XmlDocument m_xml;
    // The `info` elements in headword order. A file edited by hand may hold other nodes between
    // them or be out of order; searching this index instead of the raw children keeps every note
    // findable, so a save never adds a second note for a headword that has one. Ordered by the
    // headword's normal form, so that another spelling of a headword finds its note.
    struct IndexedNote {
        XmlNode note;
        std::string key;
    };
    std::vector<IndexedNote> m_notes;
};

}  // namespace pelmora
