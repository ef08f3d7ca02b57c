// CPelmoraDoc: the open corpus text as its element tree, with the current token, the modified flag
// and the layout revision. Every change of the tree goes through this class.
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

// One token as plain-text import delivers it.
struct ImportedToken {
    std::string text;
    std::string speaker = "?";  // "?" when the sentence has no named speaker
    std::string page;
    bool writtenText = false;
    bool other = false;        // meta "muu"
    bool note = false;         // stiil "märkus"
    bool heading = false;      // stiil "pealkiri"
    bool emphasis = false;     // stiil "esiletõst"
    bool comment = false;      // meta "kommentaar"
    bool interviewer = false;  // meta "intervjueerija"
};

// A combination that a token ends, as text export and the information view need it.
struct TokenCombination {
    std::string id;
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
    std::vector<std::string> words;  // the texts of the combined tokens, in the order of the id
};

struct TokenCombinations {
    std::vector<TokenCombination> items;
    bool markRepaired = false;  // the token's stale "yhend" mark was removed
};

// What the user enters for a new combination: its lemma ("ylemma"), meaning ("ytahendus") and
// part-of-speech code ("yliik"). "-" counts as no value.
struct CombinationFields {
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
};

// The minutes and seconds the audio-position dialog starts with; -1 and -1 when not linked.
struct AudioPositionFields {
    int minutes = -1;
    int seconds = -1;
};

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
    // Opens a corpus text: the previous text is dropped first. A file that cannot be read, is not
    // well-formed, has another root or lacks the body, a sentence or a token gives "Vigane fail %s."
    // and false; the document is then empty. On success the first token is current.
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
    // salvestamisel.", false, and the tree, the modified flag and the old file stay as they were.
    // On success the modified flag is cleared.
    bool saveDocument(const std::string& path);

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
    static XmlNode nextCombination(XmlNode node);      // next "yhend", across sentences

    // The combinations a token ends (only for a token marked "yhend"="+"). When none is found the
    // stale mark is removed and markRepaired is set.
    TokenCombinations combinationsOfToken(XmlNode token);

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
    // Sets an attribute of any element; an empty value removes it. False for a null handle. On a
    // token, a style or meta change bumps the layout revision, as the token setter does.
    bool setNodeAttribute(XmlNode element, const char* name, std::string_view value);
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

    // --- Sentence and token editing (on the current token; nothing without one) ---------------
    // Each returns true when the text changed; changes end with a layout bump, a redraw and the
    // modified flag, and form one undo step.

    // Sets the current token's text to the entered text trimmed of blanks. Blank input is
    // refused with "Sõnet ei saa kustutada"; the same text changes nothing.
    bool modifyToken(std::string_view entered);
    // Adds a token with the entered text (trimmed) after the current token and renumbers the
    // rest of the sentence and its combinations. Blank input: "Tühja sõnet ei saa lisaada".
    bool addToken(std::string_view entered);
    // Asks, then deletes the current token, renumbers the sentence and its combinations. The
    // first token of the sentence becomes current. A sentence left without tokens is removed and
    // the body renumbered; the text's only token cannot be deleted.
    bool deleteToken();
    // Appends the tokens of the sentence with the entered identifier to the current sentence,
    // removes that sentence and renumbers the body. "Ei leia soovitud lauset." for an unknown
    // identifier; the current sentence itself is refused.
    bool mergeSentences(std::string_view otherSentenceId);
    // Moves the tokens after the current one into a new sentence right after the current one
    // and renumbers the body. Nothing at the last token of a sentence.
    bool splitSentence();
    // The current token's text, for the clipboard ("" without a current token).
    std::string copyTokenText() const;
    // "<page: sentence id> " and the sentence's tokens each followed by a blank, the current
    // one between asterisks ("" without a current token).
    std::string copySentenceWithReference() const;
    // The identifier of the current token's sentence ("" without one), for the merge dialog.
    std::string currentSentenceId() const;
    // The identifier the merge dialog proposes: the next sentence number ("l<n+1>").
    std::string proposedMergeSentenceId() const;

    // --- Combinations ---------------------------------------------------------------------------
    // Makes a combination of the tokens, given in any order: a "yhend" placed right after the
    // last word (after combinations already standing there), with the identifier
    // "<sentence>_s<p>_s<q>..." (positions ascending), "ylemma", "ytahendus" and "yliik" where not
    // empty, and every word marked "yhend"="+". One undo step; the current token stays. Refused
    // with a message, changing nothing: fewer than two different tokens, tokens of different
    // sentences or without a position, an empty lemma, a combination of these words already
    // there. Returns the new element, or null.
    XmlNode createCombination(const std::vector<XmlNode>& words, const CombinationFields& fields);
    // Why these words cannot be combined (the message createCombination would give), or "" when
    // they can; the lemma is not looked at. Changes nothing.
    std::string combinationRefusal(const std::vector<XmlNode>& words) const;
    // Removes a combination; each of its words that belongs to no other combination loses its
    // mark. One undo step. False (and nothing changes) for anything but a combination.
    bool removeCombination(XmlNode combination);

    // --- Audio position of a sentence --------------------------------------------------------
    // The dialog's start values for the current token's sentence: "helipos" split into minutes
    // and seconds, or -1 and -1 when it is absent or there is no current token.
    AudioPositionFields audioPositionFields() const;
    // Stores the position the dialog returned for the current token's sentence: minutes below 0
    // remove it; otherwise minutes × 60 + seconds is written when it differs. Without an audio
    // file named in the text's information, "Helifaili pole määratud." and the position is
    // removed. A negative or too large time is refused. True when the text changed.
    bool setAudioPosition(int minutes, int seconds);

    // --- Current token --------------------------------------------------------------------
    XmlNode currentToken() const { return m_current; }
    // Makes the token current and redraws, unless a combination-word selection is under way:
    // then "Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta" is shown and false returned.
    bool setCurrentToken(XmlNode token);

    // The keyboard moves; they skip the selection check. Each returns false and changes
    // nothing when there is no such token.
    bool goToNextToken();
    bool goToPreviousToken();
    bool goToNextSentence();
    bool goToPreviousSentence();
    bool goToFirstToken();
    bool goToLastToken();

    // --- Plain-text import ----------------------------------------------------------------
    // Sets the import counters: the text starts at sentence 1, token 0.
    void startImport() { m_importSentence = 1; m_importToken = 0; }
    // Ends the sentence being built, so that the next token opens a new one.
    void endImportedSentence() { m_importToken = 0; }
    int importSentenceCounter() const { return m_importSentence; }
    int importTokenCounter() const { return m_importToken; }
    // Appends one token at the current token (the insertion point), with its attributes in the
    // order id, lk, meta, stiil and the automatic "vahemärk"/"number" rules. An empty or
    // single-blank text is ignored (false).
    bool AppendImportedToken(const ImportedToken& token);

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
    bool openParsed(const XmlLoadResult& loaded, const std::string& name, OpenMode mode);
    void notifyCleared();
    void notifyAboutToRemove(XmlNode node);
    void notifyAttributeChanged(XmlNode element, const char* name, std::string_view oldValue);
    void notifyHistoryChanged();
    // After undo or redo: the current token, the modified flag, the layout, the views.
    void finishHistoryStep(XmlNode current);
    // After a node was added: its undo record, the modified flag, the structure revision.
    void noteInserted(XmlNode added);
    void forgetHistory();
    void changeAttribute(XmlNode element, const char* name, std::string_view value);
    bool renumberBody();
    void finishEdit();
    // The sentence identifier that token and combination identifiers of the sentence start with.
    static std::string sentencePrefix(XmlNode token);
    enum class TokenChange { Added, Deleted };
    void adjustCombinations(XmlNode sentence, const std::string& prefix, int position, TokenChange change);
    // Removes the "yhend" mark of the sentence's tokens at these positions that belong to no
    // combination any more.
    void dropStaleMarks(XmlNode sentence, const std::vector<int>& positions);

    Prompter& m_prompter;
    XmlDocument m_xml;
    XmlNode m_current;
    std::int32_t m_layoutRevision = 0;
    std::uint64_t m_structureRevision = 0;
    int m_importSentence = 1;
    int m_importToken = 0;
    bool m_modified = false;
    std::vector<DocumentObserver*> m_observers;
    std::function<bool()> m_selectionCheck;
    ChangeHistory m_history;
    std::uint64_t m_savedSerial = 0;
};

// True when the node is the given subtree root or lies below it.
bool isInSubtree(XmlNode node, XmlNode subtreeRoot);

// The part of an identifier after the last "_" (the whole text when there is none): "s5" of "l3_s5".
std::string_view tokenSuffix(std::string_view id);
// The part after the first "_" (empty when there is none): "s2_s4" of "l3_s2_s4".
std::string_view combinationSuffix(std::string_view id);
// The number in a suffix such as "s5" (the letter "s" dropped); 0 when there is none.
int suffixNumber(std::string_view suffix);
// A token's own position in its sentence, read from its identifier: 5 for "l3_s5"; 0 when none.
int tokenPosition(XmlNode token);

}  // namespace pelmora
