// The pages of the dictionary editor without their widgets: which analysis a page shows, how its
// buttons change the dictionary through the store, and the messages they give.
#pragma once

#include "common/prompter.h"
#include "dictionary/dictionary.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pelmora {

// The fields of a page: the analysis's id, then its values in file order. Word forms: id, lemma,
// form tag. Lemmas: id, meaning, part-of-speech code, Latvian, English. Combinations: id,
// meaning, part-of-speech code. A part of speech that is not chosen is "" (or "-"); fields a
// section does not have stay empty.
using EditorFields = std::array<std::string, 5>;

// The fields of an analysis of the section (all empty for null).
EditorFields analysisFields(DictSection section, XmlNode analysis);
// The analysis stored under the fields' id whose fields are exactly these, or null. Finds an
// analysis again after a reload of the dictionary.
XmlNode findAnalysis(const CDictionary& dictionary, DictSection section, const EditorFields& fields);

// Where a page stands in its section: the analysis it shows, taken under a load of the
// dictionary (its load serial). A position from an earlier load stands for the section's first
// entry, so the pages start again at the top after every reload.
struct EditorPosition {
    XmlNode entry;
    std::uint64_t loadSerial = 0;
};
// The positions of the three pages, kept by whoever opens the editor, so that it opens again where
// it was left.
using EditorPositions = std::array<EditorPosition, 3>;

// One page ("Sõned", "Lemmad" or "Ühendid"). It shows the analysis at its current-entry position
// and remembers what it showed, so that it can tell an edit from plain navigation. Every button
// returns the fields to show next: the analysis that is then current (all empty when there is
// none). The placeholder entries of a new dictionary are never shown: every move, the search
// and the place after a delete pass over them.
class DictionaryEditorPage {
public:
    // The page keeps its position in `position`, which must outlive it.
    DictionaryEditorPage(CDictionary& dictionary, DictSection section, Prompter& prompter, EditorPosition& position);
    // The page keeps a position of its own, starting at the first entry.
    DictionaryEditorPage(CDictionary& dictionary, DictSection section, Prompter& prompter);
    DictionaryEditorPage(const DictionaryEditorPage&) = delete;
    DictionaryEditorPage& operator=(const DictionaryEditorPage&) = delete;

    DictSection section() const { return m_section; }
    // How many of the fields the section uses (3 or 5).
    std::size_t fieldCount() const;

    // The analysis at the current-entry position, now the one shown.
    const EditorFields& show();
    // The current-entry position: an analysis of the section, or null past the end, in a
    // section of placeholders only, or on an invalid dictionary.
    XmlNode current();
    const EditorFields& displayed() const { return m_displayed; }
    // "kirje 2/3" when the analysis shown is one of several stored under its id (the second of
    // three); "" otherwise.
    std::string variantText();
    // What the last "Lisa" did, for the page's status line; "" after any other button.
    const std::string& status() const { return m_status; }

    // True when the fields differ from what was shown.
    bool isEdited(const EditorFields& fields) const;
    // True when the user emptied the analysis: word forms with an empty word form, or both lemma
    // and form tag empty; lemmas with an empty headword or with meaning, Latvian and English empty and
    // no part of speech; combinations with an empty headword.
    bool isEmptied(const EditorFields& fields) const;

    // "Lisa": stores the fields as an analysis (a new one, or a confirmation of one present).
    // The analysis that holds them becomes current, so the page shows what the dictionary now
    // holds (a confirmation shows the stored analysis with its raised weight), and the status
    // says so. A store that did not run leaves the position where it was.
    const EditorFields& add(const EditorFields& fields);
    // "Otsi": the entry whose id is exactly the text (no key is made of it) becomes current;
    // otherwise "Ei leidnud." and the first entry.
    const EditorFields& find(const std::string& text);
    // ">>" and "<<": unedited fields move to the next / previous analysis in pre-order (after the
    // last: "Pole rohkem sõnesid" and the first entry). Emptied fields delete the analysis shown;
    // other edits replace it (the shown one deleted, the fields stored with weight 1).
    const EditorFields& next(const EditorFields& fields);
    const EditorFields& previous(const EditorFields& fields);
    // "X": deletes the analysis shown (refused with the store's message for the last entry of a
    // section).
    const EditorFields& remove();

private:
    const EditorFields& step(const EditorFields& fields, Direction direction);
    void moveTo(XmlNode analysis);
    // The first analysis of the section that is no placeholder, or null.
    XmlNode firstShown() const;
    ChangeResult deleteShown(Direction direction);
    ChangeResult store(const EditorFields& fields);
    // Tells the user that another process changed the file (the positions went back to the start).
    void reportChange(const ChangeResult& result, bool afterEmptiedStep = false);

    CDictionary& m_dictionary;
    DictSection m_section;
    Prompter& m_prompter;
    EditorPosition m_ownPosition;
    EditorPosition& m_position;
    EditorFields m_displayed{};
    std::string m_status;
};

}  // namespace pelmora
