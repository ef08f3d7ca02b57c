// The reversible record of a text's changes: what undo and redo replay.
//
// Changes address nodes by their place in the tree (child positions from the document node), not
// by handle, because undo and redo remove and re-create nodes. A removed subtree is kept as a copy
// of that subtree only, and a renumbering of the body keeps only the identifiers it could not
// recompute, so one step costs about the part of the text it touched.
#pragma once

#include "xml/xmldocument.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace pelmora {

// A node's place: the positions among all child nodes (of any kind), from the document node down.
using NodePath = std::vector<std::uint32_t>;

// Whether and where an attribute stood, and its value.
struct AttributeState {
    bool present = false;
    std::string value;
    std::uint32_t position = 0;  // index among the element's attributes
    bool operator==(const AttributeState&) const = default;
};

// The state of one attribute of an element; absent for a null handle.
AttributeState attributeState(XmlNode element, const char* name);
// Puts the attribute into the state: removes it, sets its value in place, or inserts it at its
// former position (after the others when there are fewer).
void applyAttributeState(XmlNode element, const char* name, const AttributeState& state);

// The identifiers a renumbering of the body changed, as far as they cannot be recomputed: runs of
// sentences that were regularly numbered with a shift (the usual case after a merge or split),
// and for other changed sentences their old "id" and the tokens and combinations whose old
// identifier was not the old sentence identifier followed by their own suffix.
struct RenumberRecord {
    // Sentences first .. first+count-1 were "l<ordinal + 1 + offset>", their children regular.
    struct Run {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
        long long offset = 0;
    };
    struct Child {
        std::uint32_t ordinal = 0;  // among the sentence's "sone" and "yhend" children
        AttributeState before;
    };
    struct Sentence {
        std::uint32_t ordinal = 0;  // among the body's "lause" children
        AttributeState before;
        std::vector<Child> exceptions;
    };
    std::vector<Sentence> sentences;  // the irregular ones, in order
    std::vector<Run> runs;            // in order
    bool empty() const { return sentences.empty() && runs.empty(); }
};

// Gives the k-th sentence of the body "l<k>", each of its tokens "l<k>_" and the token's own
// suffix, each of its combinations "l<k>_" and the combination's own suffix. Fills the record when
// one is given. Returns true when any identifier changed.
bool renumberSentenceIds(XmlNode body, RenumberRecord* record);

class ChangeHistory {
public:
    // `aboutToRemove` is called before undo or redo removes a node, while its handle is valid.
    explicit ChangeHistory(std::function<void(XmlNode)> aboutToRemove);
    ~ChangeHistory();
    ChangeHistory(const ChangeHistory&) = delete;
    ChangeHistory& operator=(const ChangeHistory&) = delete;

    // --- Grouping ------------------------------------------------------------------------------
    // Opens a step (nestable); `current` is the current token before the change. Only the
    // outermost open and close count. A step without changes leaves no trace.
    void open(XmlNode current);
    // Names the open step for the menu ("tükelda lause"). The first name given wins, so the
    // outermost command names the step and the primitive changes inside it do not rename it;
    // renameOpenStep() replaces the name whatever it was (a command that learns late what it did).
    void nameOpenStep(std::string_view name);
    void renameOpenStep(std::string_view name);
    // Closes a step; `current` is the current token after the change. True when the outermost
    // step closed with changes (it is now on the undo stack and the redo stack is dropped).
    bool close(XmlNode current);
    bool isOpen() const { return m_depth > 0; }
    // Undoes the changes recorded so far in the open step and forgets them (a command that failed
    // half-way). Returns the current token the step started with (may be null).
    XmlNode cancelOpenStep(XmlNode documentNode);

    // --- Recording (call only while a step is open) -----------------------------------------
    // After an attribute changed; `before` is its state before.
    void attributeChanged(XmlNode element, const char* name, AttributeState before);
    // After an element's text changed; `hadTextNode` tells whether its first child was text before.
    void textChanged(XmlNode element, bool hadTextNode, std::string before, std::string_view after);
    // Before an element is inserted, and after it (still empty).
    void aboutToInsert();
    void inserted(XmlNode node);
    // Before a node is removed.
    void aboutToRemove(XmlNode node);
    // Before a node moves: remember where it stands. Call moved() after the move.
    void aboutToMove(XmlNode node);
    void moved(XmlNode node);
    // After renumberBody changed identifiers.
    void renumbered(XmlNode body, RenumberRecord record);

    // --- Undo and redo -----------------------------------------------------------------------
    bool canUndo() const { return !m_undo.empty() && m_depth == 0; }
    bool canRedo() const { return !m_redo.empty() && m_depth == 0; }
    // The names of the steps undo and redo would take ("" when there is none or it is unnamed).
    std::string undoName() const { return canUndo() ? m_undo.back().name : std::string(); }
    std::string redoName() const { return canRedo() ? m_redo.back().name : std::string(); }
    // Reverts the newest step on the tree under `documentNode`; returns false when there is none.
    // `current` receives the current token as it was before the step (null when it cannot be found).
    bool undo(XmlNode documentNode, XmlNode& current);
    // Applies the newest undone step again; `current` receives the current token after it.
    bool redo(XmlNode documentNode, XmlNode& current);

    // Identifies the state of the text: equal values mean an equal tree (as far as recorded).
    std::uint64_t stateSerial() const;

    // Forgets every step (a new text was opened, or a change that cannot be undone happened).
    void clear();
    // The most steps kept; older ones are forgotten. At least 1.
    void setLimit(std::size_t steps);
    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }
    // Approximate bytes the recorded steps hold.
    std::size_t memoryUse() const;

    // Handles into the tree became unreliable for position lookups (a structural change).
    void invalidatePositions() { forgetPositions(); }

private:
    // The changes of one element's attributes that followed one another (a token filled with
    // lemma, form tag, part of speech, ... at once keeps one path for all of them), packed into
    // one string (name, state before, state after, per change) so a million of them stay small;
    // replayed in order, reverted in reverse order.
    struct AttributeChange {
        NodePath element;
        std::string edits;
    };
    struct TextChange {
        NodePath element;
        bool hadTextNode = false;
        std::string before;
        std::string after;
    };
    struct InsertChange {
        NodePath node;
        std::string name;
    };
    struct RemoveChange {
        NodePath node;
        XmlNode copy;  // a copy of the removed subtree in the attic
    };
    struct MoveChange {
        NodePath fromParent;
        std::uint32_t fromIndex = 0;
        NodePath to;
    };
    struct RenumberChange {
        NodePath body;
        RenumberRecord record;
    };
    using Change = std::variant<AttributeChange, TextChange, InsertChange, RemoveChange, MoveChange, RenumberChange>;

    struct Step {
        std::deque<Change> changes;
        NodePath currentBefore;
        NodePath currentAfter;
        bool hasCurrentBefore = false;
        bool hasCurrentAfter = false;
        std::uint64_t serial = 0;
        std::string name;
    };

    NodePath pathOf(XmlNode node);
    std::uint32_t indexOf(XmlNode node);
    void forgetPositions();
    XmlNode resolve(XmlNode documentNode, const NodePath& path) const;
    void add(Change change);
    void takeCurrent();
    void revert(XmlNode documentNode, const Change& change);
    void apply(XmlNode documentNode, const Change& change);
    void discard(Step& step);
    void trimToLimit();

    std::function<void(XmlNode)> m_aboutToRemove;
    pugi::xml_document m_attic;  // copies of removed subtrees
    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
    Step m_open;
    XmlNode m_openCurrent;
    bool m_openCurrentTaken = false;
    int m_depth = 0;
    std::size_t m_limit = 200;
    std::uint64_t m_nextSerial = 1;
    std::uint64_t m_baseSerial = 0;  // the state when the undo stack is empty
    std::unordered_map<const void*, std::uint32_t> m_indexCache;
    XmlNode m_lastIndexed;  // the node indexOf() last answered for, and its index
    std::uint32_t m_lastIndex = 0;
    XmlNode m_pathParent;  // the parent of the node pathOf() last answered for, and its path
    NodePath m_pathParentPath;
    NodePath m_moveFromParent;  // between aboutToMove and moved
    XmlNode m_lastAttributeElement;  // the element of the open step's last change, when it is an AttributeChange
    std::uint32_t m_moveFromIndex = 0;
};

}  // namespace pelmora
