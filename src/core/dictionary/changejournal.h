// The changes a process asks of the dictionary, and the journal that keeps them until they reach
// the file, so that a reload (another process changed the file) can make them again.
#pragma once

#include "dictionary/dictformat.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Where the editor goes on after a delete.
enum class Direction { Backward = 0, Forward = 1 };

// One store, its values in the order of the matching store call: word form (surface, lemma,
// form), lemma (lemma, meaning, part of speech, Latvian, English) or combination (id, meaning,
// part of speech).
struct StoreRequest {
    DictSection section = DictSection::WordForms;
    std::array<std::string_view, 5> values{};
};

// One requested change with copies of its values.
struct Change {
    enum class Kind { StoreWordForm, StoreLemma, StoreCombination, DeleteWordForm, DeleteLemma,
                      DeleteCombination };
    Kind kind = Kind::StoreWordForm;
    std::array<std::string, 5> values;
    Direction direction = Direction::Forward;

    // Refills the change (reusing its strings). The values are copied before anything changes:
    // a caller may pass views into the tree.
    void set(Kind newKind, const std::array<std::string_view, 5>& newValues, Direction newDirection);
};

// The change a store request makes, its values in the normal form; `key` is the word-form key of
// the surface (MakeWordFormKey), stored as the fourth value. False when the store would do
// nothing: an empty id or surface, a word form without a lemma or key, a lemma without any of
// its four values, a combination without a meaning and with no part of speech (or "-").
bool changeOfStore(const StoreRequest& request, std::string_view key, Change& change);

// The changes since the last successful save, packed one after another (kind, direction, then
// the values, each ended by a zero byte), so that a bulk addition logs cheaply.
class ChangeJournal {
public:
    void record(const Change& change);
    // The changes recorded, in order; the journal is empty afterwards.
    std::vector<Change> take();
    void clear() { m_packed.clear(); }
    bool empty() const { return m_packed.empty(); }

private:
    std::string m_packed;
};

}  // namespace pelmora
