// CPelmoraDoc: the open corpus text as its element tree, with the current token, the modified flag
// and the layout revision. Every change of the tree goes through the generic changes of this
// class; the linguist's edits are free functions over it (text/editing.h,
// text/combinationediting.h, text/metadata.h).
#pragma once

#include "common/prompter.h"
#include "text/changehistory.h"
#include "xml/xmldocument.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Told about changes of the document. Views and every other holder of node handles implement it.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // The text or the current token changed: redraw.
    virtual void documentUpdated() {}
    // The node and everything below it is about to leave the tree: drop or move every handle
    // that points into it. Called before the removal, while the handles are still valid.
    virtual void nodeAboutToBeRemoved(XmlNode /*node*/) {}
    // The whole tree is about to be dropped (delete contents, open, close).
    virtual void documentAboutToBeCleared() {}
    // An attribute of the element changed (set, changed or removed); `oldValue` is what it held
    // before ("" when it was absent). Called after the change.
    virtual void attributeChanged(XmlNode /*element*/, const char* /*name*/, std::string_view /*oldValue*/) {}
    // The undo history changed: the outermost change group closed, a step was undone or redone,
    // or the history was forgotten. canUndo(), canRedo() and the step names may differ now.
    virtual void historyChanged() {}
};

// The token attributes the annotation form writes.
enum class TokenAttribute { Lemma, Meaning, Comment, PartOfSpeech, Form, Meta, Latvian, English, Style };

// The attribute name of a token attribute ("lemma", "tahendus", ...).
const char* attributeName(TokenAttribute attribute);

class CPelmoraDoc {
public:
    explicit CPelmoraDoc(Prompter& prompter);
    CPelmoraDoc(const CPelmoraDoc&) = delete;
    CPelmoraDoc& operator=(const CPelmoraDoc&) = delete;

    // --- Observers -------------------------------------------------------------------------
    // Observers are not owned; remove one before it is destroyed.
    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);
    // Tells every observer to redraw.
    void updateAllViews();

    // The text view registers here whether a combination-word selection is under way; while it
    // returns true, setCurrentToken refuses.
    void setCombinationSelectionCheck(std::function<bool()> check) { m_selectionCheck = std::move(check); }

    // --- Open, save, close ----------------------------------------------------------------
    // Opens a corpus text. The file is read and checked first and replaces the open text only when
    // it opens; the first token is then current. A file that cannot be read, is not well-formed,
    // has another root or lacks the body, a sentence or a token gives "Vigane fail PATH: rida 6:
    // <reason>" (see invalidFileMessage) and false, and the open text stays as it was.
    bool openDocument(const std::string& path);

    // Opens a text for the dialect-corpus import: only the body is required and the body element
    // becomes the current node. Same message on failure.
    bool openDocumentBodyOnly(const std::string& path);

    // Opens a text from bytes in memory, with the checks of openDocument; `name` stands in the
    // message. For tests and for texts built in memory.
    bool openFromBuffer(std::string_view bytes, const std::string& name);
    // The same with the checks of openDocumentBodyOnly: the body element becomes the current node.
    bool openBodyFromBuffer(std::string_view bytes, const std::string& name);
    // Opens recovered bytes as the text at `path` with unsaved changes: the document is modified,
    // and no undo step leads back to a saved state, since the file on disk holds another tree.
    bool openRecovered(std::string_view bytes, const std::string& path);

    // Writes the tree to the path through the safe file replacement. On failure: "Viga faili %s
    // salvestamisel: <reason>." (saveFailureMessage), false, and the tree, the modified flag and the
    // old file stay as they were. On success the modified flag is cleared.
    bool saveDocument(const std::string& path);
    // The same without the message: on failure the message goes to `failure` for the caller to show.
    bool trySave(const std::string& path, std::string* failure);

    // Drops the current token and the whole tree; bumps the layout revision.
    void deleteContents();
    // Drops the current token, bumps the layout revision and empties the document.
    void closeDocument();

    // True when the tree has a root element.
    bool hasText() const { return static_cast<bool>(m_xml.root()); }

    // --- Navigation (a null handle means none) --------------------------------------------
    XmlNode body() const;                              // the first "sisu" of the root
    XmlNode firstToken() const;                        // first token of the first sentence
    XmlNode lastToken() const;                         // last token of the last sentence
    static XmlNode nextToken(XmlNode token);           // stops (null) at a sentence without tokens
    static XmlNode previousToken(XmlNode token);
    static XmlNode lastTokenOfSentence(XmlNode token);
    static XmlNode sentenceOf(XmlNode token);          // the parent sentence

    // --- Reading --------------------------------------------------------------------------
    static std::string tokenText(XmlNode token);
    static std::string attribute(XmlNode node, const char* name);

    // --- Changes --------------------------------------------------------------------------
    // Sets the token's text; marks the document modified and bumps the layout revision.
    bool setTokenText(XmlNode token, std::string_view text);

    // Sets one token attribute: nothing for a null token or an unchanged value; an empty value
    // removes the attribute; otherwise the value is set in place (a new attribute goes last).
    // Sets the modified flag; a style or meta change also bumps the layout revision (the running
    // text measures a token in the font they choose).
    void setTokenAttribute(XmlNode token, TokenAttribute which, std::string_view value);
    void setLemma(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Lemma, v); }
    void setMeaning(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Meaning, v); }
    void setComment(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Comment, v); }
    void setPartOfSpeech(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::PartOfSpeech, v); }
    void setForm(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Form, v); }
    void setMeta(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Meta, v); }
    void setLatvian(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Latvian, v); }
    void setEnglish(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::English, v); }
    void setStyle(XmlNode t, std::string_view v) { setTokenAttribute(t, TokenAttribute::Style, v); }

    // --- Generic tree changes ---------------------------------------------------------------
    // The building blocks of every other change (structural edits, metadata, imports). Each marks
    // the document modified; none redraws (the caller ends its command with updateAllViews()).
    // Sets an attribute of any element; an empty value removes it, or with EmptyValue::Stays
    // leaves it there empty. False for a null handle. On a token, a style or meta change bumps the
    // layout revision, as the token setter does.
    enum class EmptyValue { Removes, Stays };
    bool setNodeAttribute(XmlNode element, const char* name, std::string_view value,
                          EmptyValue empty = EmptyValue::Removes);
    // Sets the text of any element (see setElementText). False for a null handle.
    bool setNodeText(XmlNode element, std::string_view text);
    // Makes a new element and puts it as the last child of the parent, or before / after a
    // reference node that must be a child of the parent. Returns the new element or null.
    XmlNode appendElement(XmlNode parent, const char* name);
    XmlNode insertElementBefore(XmlNode parent, const char* name, XmlNode before);
    XmlNode insertElementAfter(XmlNode parent, const char* name, XmlNode after);
    // Removes a node with everything below it; observers are told first, and the current token
    // is dropped when it lies inside. False for a null handle or the document node.
    bool removeNode(XmlNode node);
    // Moves an element (with everything below it) right after another node, or to the end of a
    // parent. Handles stay valid. False for null handles or when `after` lies inside `node`.
    bool moveNodeAfter(XmlNode node, XmlNode after);
    bool moveNodeToEnd(XmlNode node, XmlNode parent);
    // Gives the k-th sentence of the body the identifier "l<k>" and its tokens and combinations
    // identifiers that start with it (their own suffixes kept). True when any identifier changed.
    bool renumberBody();

    // --- Undo and redo ----------------------------------------------------------------------
    // Every change above is recorded. Changes made between beginChange() and the matching
    // endChange() form one undo step (groups nest; only the outermost counts); a change made
    // outside a group is a step of its own. Opening a text, closing it and plain-text import
    // forget the history.
    // A name given to a group names the step in the menu ("tükelda lause"); the outermost named
    // group names it, nested ones do not rename it. renameChange() replaces the open step's name.
    void beginChange(std::string_view name = {});
    void endChange();
    void renameChange(std::string_view name) { m_history.renameOpenStep(name); }
    // Undoes the changes of the open group so far (a command that failed half-way) and puts the
    // current token back; the group stays open.
    void cancelChanges();
    // Groups the changes of one command for its lifetime.
    class ChangeGroup {
    public:
        explicit ChangeGroup(CPelmoraDoc& doc, std::string_view name = {}) : m_doc(doc) { m_doc.beginChange(name); }
        ~ChangeGroup() { m_doc.endChange(); }
        ChangeGroup(const ChangeGroup&) = delete;
        ChangeGroup& operator=(const ChangeGroup&) = delete;

    private:
        CPelmoraDoc& m_doc;
    };
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // The names of the steps undo and redo would take ("" when none or unnamed).
    std::string undoName() const { return m_history.undoName(); }
    std::string redoName() const { return m_history.redoName(); }
    // Reverts the newest step: the tree, the current token as it was before the step, and the
    // modified flag (cleared when this is the state last saved or opened). Redraws. False when
    // there is nothing to undo or a group is open.
    bool undo();
    // Applies the newest undone step again, with the current token it left. Redraws.
    bool redo();
    // The most undo steps kept (older ones are forgotten); at least 1.
    void setUndoLimit(std::size_t steps) { m_history.setLimit(steps); }
    std::size_t undoCount() const { return m_history.undoCount(); }
    std::size_t redoCount() const { return m_history.redoCount(); }
    // Approximate bytes the undo and redo steps hold.
    std::size_t undoMemoryUse() const { return m_history.memoryUse(); }
    // Changes made while one lives are not recorded, and the history is forgotten when it starts
    // and ends: a new text being built (plain-text import) is not undone step by step.
    class UnrecordedChanges {
    public:
        explicit UnrecordedChanges(CPelmoraDoc& doc);
        ~UnrecordedChanges();
        UnrecordedChanges(const UnrecordedChanges&) = delete;
        UnrecordedChanges& operator=(const UnrecordedChanges&) = delete;

    private:
        CPelmoraDoc& m_doc;
    };

    // --- Current token --------------------------------------------------------------------
    XmlNode currentToken() const { return m_current; }
    // Makes the token current and redraws, unless a combination-word selection is under way:
    // then "Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta" is shown and false returned.
    bool setCurrentToken(XmlNode token);
    // Makes the token current without the selection check and without redrawing: for edits,
    // which end with their own redraw, and for builders of a new text.
    void placeCurrentToken(XmlNode token) { m_current = token; }

    // The keyboard moves; they skip the selection check. Each returns false and changes
    // nothing when there is no such token.
    bool goToNextToken();
    bool goToPreviousToken();
    bool goToNextSentence();
    bool goToPreviousSentence();
    bool goToFirstToken();
    bool goToLastToken();

    // --- State ----------------------------------------------------------------------------
    bool isModified() const { return m_modified; }
    // Identifies the state of the tree: equal values mean an equal tree.
    std::uint64_t stateSerial() const { return m_history.stateSerial(); }
    // True while a command is half-way through its changes.
    bool isChangeOpen() const { return m_history.isOpen(); }
    // Setting the flag to false makes the present state the saved one for undo.
    void setModifiedFlag(bool modified = true);
    std::int32_t layoutRevision() const { return m_layoutRevision; }
    void bumpLayoutRevision();
    // Moves on every change of the tree's shape or of a token's text: nodes added or removed, text
    // set, a text opened or dropped; not for a combination element added or removed, which holds
    // no token. Attribute changes do not move it (observers hear of them through
    // attributeChanged). Indexes over the tokens rebuild when it moves.
    std::uint64_t structureRevision() const { return m_structureRevision; }
    // Whether adding or removing this node moves the structure revision: false for a node whose
    // coming or going cannot change the tokens (a combination element). Observers that keep
    // handles to tokens ask it too.
    static bool movesStructure(XmlNode node);

    Prompter& prompter() const { return m_prompter; }
    const XmlDocument& xml() const { return m_xml; }

private:
    enum class OpenMode { WholeText, BodyOnly };
    bool openParsed(XmlDocument& candidate, const XmlLoadResult& loaded, const std::string& name, OpenMode mode);
    void notifyCleared();
    void notifyAboutToRemove(XmlNode node);
    void notifyAttributeChanged(XmlNode element, const char* name, std::string_view oldValue);
    void notifyHistoryChanged();
    // After undo or redo: the current token, the modified flag, the layout, the views.
    void finishHistoryStep(XmlNode current);
    // After a node was added: its undo record, the modified flag, the structure revision.
    void noteInserted(XmlNode added);
    void forgetHistory();
    void changeAttribute(XmlNode element, const char* name, std::string_view value, bool remove);
    // False while an UnrecordedChanges lives.
    bool recording() const { return m_unrecorded == 0; }

    Prompter& m_prompter;
    XmlDocument m_xml;
    XmlNode m_current;
    std::int32_t m_layoutRevision = 0;
    std::uint64_t m_structureRevision = 0;
    int m_unrecorded = 0;
    bool m_modified = false;
    std::vector<DocumentObserver*> m_observers;
    std::function<bool()> m_selectionCheck;
    ChangeHistory m_history;
    std::uint64_t m_savedSerial = 0;
};

// "Vigane fail PATH: <reason>", the reason as the reader gives it ("rida 12: elemendi lõpp puudub").
std::string invalidFileMessage(const std::string& path, const std::string& reason);

// "Viga faili PATH salvestamisel: <reason>." ("." right after "salvestamisel" without a reason).
std::string saveFailureMessage(const std::string& path, const std::string& reason);

// Why a parsed tree is not a corpus text ("tekstis pole ühtegi lauset"), or "" when it is one;
// `bodyOnly` asks only for the root and the body.
std::string corpusTextProblem(const XmlDocument& xml, bool bodyOnly);

// True when the node is the given subtree root or lies below it.
bool isInSubtree(XmlNode node, XmlNode subtreeRoot);

}  // namespace pelmora
