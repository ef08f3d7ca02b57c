#include "text/pelmoradoc.h"

#include "common/filemessages.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "text/textformat.h"
#include "text/tokendisplay.h"

#include <algorithm>
#include <limits>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kSelectionUnderWay =
    QT_TRANSLATE_NOOP("core", "Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta");

}  // namespace

std::string saveFailureMessage(const std::string& path, const std::string& reason)
{
    return reason.empty() ? formatText(kSaveFailedMessage, {path})
                          : formatText(QT_TRANSLATE_NOOP("core", "Viga faili %s salvestamisel: %s."), {path, reason});
}

const char* attributeName(TokenAttribute attribute)
{
    switch (attribute) {
    case TokenAttribute::Lemma: return kLemma;
    case TokenAttribute::Meaning: return kMeaning;
    case TokenAttribute::Comment: return kComment;
    case TokenAttribute::PartOfSpeech: return kPartOfSpeech;
    case TokenAttribute::Form: return kForm;
    case TokenAttribute::Meta: return kMeta;
    case TokenAttribute::Latvian: return kLatvian;
    case TokenAttribute::English: return kEnglish;
    case TokenAttribute::Style: return kStyle;
    }
    return kLemma;
}

CPelmoraDoc::CPelmoraDoc(Prompter& prompter)
    : m_prompter(prompter), m_history([this](XmlNode node) { notifyAboutToRemove(node); })
{
}

// --- Observers -----------------------------------------------------------------------------

void CPelmoraDoc::addObserver(DocumentObserver* observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CPelmoraDoc::removeObserver(DocumentObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CPelmoraDoc::updateAllViews()
{
    // A copy, so that an observer may unregister itself while being told.
    const std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* observer : observers)
        observer->documentUpdated();
}

void CPelmoraDoc::notifyCleared()
{
    const std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* observer : observers)
        observer->documentAboutToBeCleared();
}

void CPelmoraDoc::notifyHistoryChanged()
{
    const std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* observer : observers)
        observer->historyChanged();
}

void CPelmoraDoc::notifyAboutToRemove(XmlNode node)
{
    if (isInSubtree(m_current, node))
        m_current = XmlNode();
    const std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* observer : observers)
        observer->nodeAboutToBeRemoved(node);
}

void CPelmoraDoc::notifyAttributeChanged(XmlNode element, const char* name, std::string_view oldValue)
{
    const std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* observer : observers)
        observer->attributeChanged(element, name, oldValue);
}

void CPelmoraDoc::bumpLayoutRevision()
{
    // Whatever moves the layout may have moved tokens too (undo and redo among them).
    ++m_structureRevision;
    // The counter wraps instead of overflowing; views only compare it for equality.
    m_layoutRevision = static_cast<std::int32_t>(static_cast<std::uint32_t>(m_layoutRevision) + 1u);
}

// --- Open, save, close -----------------------------------------------------------------------

bool CPelmoraDoc::openDocument(const std::string& path)
{
    XmlDocument candidate;
    return openParsed(candidate, candidate.load(path), path, OpenMode::WholeText);
}

bool CPelmoraDoc::openDocumentBodyOnly(const std::string& path)
{
    XmlDocument candidate;
    return openParsed(candidate, candidate.load(path), path, OpenMode::BodyOnly);
}

bool CPelmoraDoc::openFromBuffer(std::string_view bytes, const std::string& name)
{
    XmlDocument candidate;
    return openParsed(candidate, candidate.loadFromBuffer(bytes), name, OpenMode::WholeText);
}

bool CPelmoraDoc::openRecovered(std::string_view bytes, const std::string& path)
{
    if (!openFromBuffer(bytes, path))
        return false;
    m_modified = true;
    // No state of this history is the one on disk.
    m_savedSerial = std::numeric_limits<std::uint64_t>::max();
    updateAllViews();
    return true;
}

bool CPelmoraDoc::openBodyFromBuffer(std::string_view bytes, const std::string& name)
{
    XmlDocument candidate;
    return openParsed(candidate, candidate.loadFromBuffer(bytes), name, OpenMode::BodyOnly);
}

std::string corpusTextProblem(const XmlDocument& xml, bool bodyOnly)
{
    const XmlNode root = xml.root();
    if (!isElement(root, kRoot))
        return formatText(QT_TRANSLATE_NOOP("core", "juurelement on „%s“, peab olema „%s“"), {root.name(), kRoot});
    const XmlNode bodyNode = firstChildElement(root, kBody);
    if (!bodyNode)
        return formatText(QT_TRANSLATE_NOOP("core", "tekstil pole sisu (element „%s“ puudub)"), {kBody});
    if (bodyOnly)
        return {};
    const XmlNode sentence = firstChildElement(bodyNode, kSentence);
    if (!sentence)
        return translatedText(QT_TRANSLATE_NOOP("core", "tekstis pole ühtegi lauset"));
    if (!firstChildElement(sentence, kToken))
        return translatedText(QT_TRANSLATE_NOOP("core", "esimeses lauses pole ühtegi sõnet"));
    return {};
}

bool CPelmoraDoc::openParsed(XmlDocument& candidate, const XmlLoadResult& loaded, const std::string& name,
                             OpenMode mode)
{
    // The file is read and checked beside the open text, which it replaces only when it opens.
    const std::string problem = loaded ? corpusTextProblem(candidate, mode == OpenMode::BodyOnly) : loaded.describe();
    if (!problem.empty()) {
        m_prompter.error(invalidFileMessage(name, problem));
        return false;
    }
    deleteContents();
    m_modified = false;
    m_xml.takeTree(candidate);
    ++m_structureRevision;
    forgetHistory();
    const XmlNode bodyNode = firstChildElement(m_xml.root(), kBody);
    m_current = mode == OpenMode::BodyOnly ? bodyNode : firstChildElement(firstChildElement(bodyNode, kSentence), kToken);
    updateAllViews();
    return true;
}

std::string invalidFileMessage(const std::string& path, const std::string& reason)
{
    return formatText(QT_TRANSLATE_NOOP("core", "Vigane fail %s: %s"), {path, reason});
}

bool CPelmoraDoc::saveDocument(const std::string& path)
{
    std::string failure;
    if (!trySave(path, &failure)) {
        m_prompter.error(failure);
        return false;
    }
    return true;
}

bool CPelmoraDoc::trySave(const std::string& path, std::string* failure)
{
    std::string error;
    if (!m_xml.save(path, &error)) {
        if (failure)
            *failure = saveFailureMessage(path, error);
        return false;
    }
    m_modified = false;
    m_savedSerial = m_history.stateSerial();
    return true;
}

void CPelmoraDoc::deleteContents()
{
    notifyCleared();
    m_current = XmlNode();
    m_history.clear();
    m_xml.clear();
    ++m_structureRevision;
    bumpLayoutRevision();
    notifyHistoryChanged();
}

void CPelmoraDoc::forgetHistory()
{
    m_history.clear();
    m_savedSerial = m_history.stateSerial();
    notifyHistoryChanged();
}

void CPelmoraDoc::setModifiedFlag(bool modified)
{
    m_modified = modified;
    if (!modified)
        m_savedSerial = m_history.stateSerial();
}

void CPelmoraDoc::closeDocument()
{
    deleteContents();
    m_modified = false;
    updateAllViews();
}

// --- Navigation ------------------------------------------------------------------------------

XmlNode CPelmoraDoc::body() const
{
    return firstChildElement(m_xml.root(), kBody);
}

XmlNode CPelmoraDoc::firstToken() const
{
    return firstChildElement(firstChildElement(body(), kSentence), kToken);
}

XmlNode CPelmoraDoc::lastToken() const
{
    return lastChildElement(lastChildElement(body(), kSentence), kToken);
}

XmlNode CPelmoraDoc::nextToken(XmlNode token)
{
    if (!token)
        return {};
    if (const XmlNode next = nextSiblingElement(token, kToken))
        return next;
    const XmlNode nextSentence = nextSiblingElement(token.parent(), kSentence);
    return firstChildElement(nextSentence, kToken);
}

XmlNode CPelmoraDoc::previousToken(XmlNode token)
{
    if (!token)
        return {};
    if (const XmlNode previous = previousSiblingElement(token, kToken))
        return previous;
    const XmlNode previousSentence = previousSiblingElement(token.parent(), kSentence);
    return lastChildElement(previousSentence, kToken);
}

XmlNode CPelmoraDoc::lastTokenOfSentence(XmlNode token)
{
    if (!token)
        return {};
    XmlNode last = token;
    while (const XmlNode next = nextSiblingElement(last, kToken))
        last = next;
    return last;
}

XmlNode CPelmoraDoc::sentenceOf(XmlNode token)
{
    return token.parent();
}

// --- Reading -----------------------------------------------------------------------------------

std::string CPelmoraDoc::tokenText(XmlNode token)
{
    return std::string(elementText(token));
}

std::string CPelmoraDoc::attribute(XmlNode node, const char* name)
{
    return std::string(attributeValue(node, name));
}

// --- Changes -----------------------------------------------------------------------------------

bool CPelmoraDoc::setTokenText(XmlNode token, std::string_view entered)
{
    std::string storage;
    const std::string_view text = nfcView(entered, storage);
    if (!token || elementText(token) == text)
        return static_cast<bool>(token);
    if (!setNodeText(token, text))
        return false;
    bumpLayoutRevision();
    return true;
}

void CPelmoraDoc::setTokenAttribute(XmlNode token, TokenAttribute which, std::string_view value)
{
    if (!token)
        return;
    const char* name = attributeName(which);
    std::string storage;
    const std::string_view normal = nfcView(value, storage);
    if (attributeValue(token, name) == normal)
        return;
    changeAttribute(token, name, normal, normal.empty());
}

void CPelmoraDoc::changeAttribute(XmlNode element, const char* name, std::string_view value, bool remove)
{
    ChangeGroup group(*this);
    AttributeState before = attributeState(element, name);
    if (remove)
        removeAttribute(element, name);
    else
        setAttribute(element, name, value);
    const std::string oldValue = before.value;
    if (recording())
        m_history.attributeChanged(element, name, std::move(before));
    m_modified = true;
    // The running text measures a token in the font its style and meta value choose, so a change
    // of either moves the layout, whichever setter made it.
    if (isElement(element, kToken) && decidesTokenLook(name))
        bumpLayoutRevision();
    notifyAttributeChanged(element, name, oldValue);
}

// --- Generic tree changes ------------------------------------------------------------------------

bool CPelmoraDoc::setNodeAttribute(XmlNode element, const char* name, std::string_view entered, EmptyValue empty)
{
    std::string storage;
    const std::string_view value = nfcView(entered, storage);
    if (element.type() != pugi::node_element)
        return false;
    const bool remove = value.empty() && empty == EmptyValue::Removes;
    if (attributeValue(element, name) == value && static_cast<bool>(element.attribute(name)) != remove)
        return true;
    changeAttribute(element, name, value, remove);
    return remove || attributeValue(element, name) == value;
}

// A combination element holds no tokens: adding or removing one leaves every index over the
// tokens as it is, so the indexes need not rebuild after each combination made or removed.
bool CPelmoraDoc::movesStructure(XmlNode node)
{
    return !isElement(node, kCombination);
}

void CPelmoraDoc::noteInserted(XmlNode added)
{
    if (recording())
        m_history.inserted(added);
    m_modified = true;
    if (movesStructure(added))
        ++m_structureRevision;
}

bool CPelmoraDoc::setNodeText(XmlNode element, std::string_view entered)
{
    std::string storage;
    const std::string_view text = nfcView(entered, storage);
    if (element.type() != pugi::node_element)
        return false;
    const bool hadTextNode = element.first_child().type() == pugi::node_pcdata;
    if (elementText(element) == text && hadTextNode)
        return true;
    ChangeGroup group(*this);
    std::string before(elementText(element));
    if (!setElementText(element, text))
        return false;
    if (recording())
        m_history.textChanged(element, hadTextNode, std::move(before), text);
    m_modified = true;
    ++m_structureRevision;
    return true;
}

XmlNode CPelmoraDoc::appendElement(XmlNode parent, const char* name)
{
    ChangeGroup group(*this);
    if (recording())
        m_history.aboutToInsert();
    const XmlNode added = parent.append_child(name);
    if (added)
        noteInserted(added);
    return added;
}

XmlNode CPelmoraDoc::insertElementBefore(XmlNode parent, const char* name, XmlNode before)
{
    if (!before || before.parent() != parent)
        return {};
    ChangeGroup group(*this);
    if (recording())
        m_history.aboutToInsert();
    const XmlNode added = parent.insert_child_before(name, before);
    if (added)
        noteInserted(added);
    return added;
}

XmlNode CPelmoraDoc::insertElementAfter(XmlNode parent, const char* name, XmlNode after)
{
    if (!after || after.parent() != parent)
        return {};
    ChangeGroup group(*this);
    if (recording())
        m_history.aboutToInsert();
    const XmlNode added = parent.insert_child_after(name, after);
    if (added)
        noteInserted(added);
    return added;
}

bool CPelmoraDoc::removeNode(XmlNode node)
{
    if (!node || node.type() == pugi::node_document || !node.parent())
        return false;
    ChangeGroup group(*this);
    if (recording())
        m_history.aboutToRemove(node);
    notifyAboutToRemove(node);
    const bool moves = movesStructure(node);
    const bool removed = node.parent().remove_child(node);
    m_modified = true;
    if (moves)
        ++m_structureRevision;
    return removed;
}

bool CPelmoraDoc::moveNodeAfter(XmlNode node, XmlNode after)
{
    if (node.type() != pugi::node_element || !after || !after.parent() || isInSubtree(after, node))
        return false;
    ChangeGroup group(*this);
    if (recording())
        m_history.aboutToMove(node);
    if (!after.parent().insert_move_after(node, after))
        return false;
    if (recording())
        m_history.moved(node);
    m_modified = true;
    ++m_structureRevision;
    return true;
}

bool CPelmoraDoc::moveNodeToEnd(XmlNode node, XmlNode parent)
{
    if (node.type() != pugi::node_element || parent.type() != pugi::node_element || isInSubtree(parent, node))
        return false;
    ChangeGroup group(*this);
    if (recording())
        m_history.aboutToMove(node);
    if (!parent.append_move(node))
        return false;
    if (recording())
        m_history.moved(node);
    m_modified = true;
    ++m_structureRevision;
    return true;
}

bool CPelmoraDoc::renumberBody()
{
    const XmlNode bodyNode = body();
    ChangeGroup group(*this);
    RenumberRecord record;
    if (!renumberSentenceIds(bodyNode, recording() ? &record : nullptr))
        return false;
    if (recording())
        m_history.renumbered(bodyNode, std::move(record));
    m_modified = true;
    return true;
}

// --- Undo and redo -------------------------------------------------------------------------------

CPelmoraDoc::UnrecordedChanges::UnrecordedChanges(CPelmoraDoc& doc) : m_doc(doc)
{
    m_doc.m_history.clear();
    ++m_doc.m_unrecorded;
}

CPelmoraDoc::UnrecordedChanges::~UnrecordedChanges()
{
    --m_doc.m_unrecorded;
    // The recorded places no longer fit the tree.
    m_doc.m_history.clear();
}

void CPelmoraDoc::beginChange(std::string_view name)
{
    m_history.open(m_current);
    if (!name.empty())
        m_history.nameOpenStep(name);
}

void CPelmoraDoc::endChange()
{
    if (m_history.close(m_current))
        m_modified = true;
    if (!m_history.isOpen())
        notifyHistoryChanged();
}

void CPelmoraDoc::cancelChanges()
{
    const XmlNode current = m_history.cancelOpenStep(m_xml.documentNode());
    m_current = current;
    m_modified = m_history.stateSerial() != m_savedSerial;
    bumpLayoutRevision();
}

bool CPelmoraDoc::undo()
{
    XmlNode current;
    if (!m_history.undo(m_xml.documentNode(), current))
        return false;
    finishHistoryStep(current);
    return true;
}

bool CPelmoraDoc::redo()
{
    XmlNode current;
    if (!m_history.redo(m_xml.documentNode(), current))
        return false;
    finishHistoryStep(current);
    return true;
}

void CPelmoraDoc::finishHistoryStep(XmlNode current)
{
    m_current = current ? current : firstToken();
    m_modified = m_history.stateSerial() != m_savedSerial;
    bumpLayoutRevision();
    updateAllViews();
    notifyHistoryChanged();
}

// --- Current token -----------------------------------------------------------------------------

bool CPelmoraDoc::setCurrentToken(XmlNode token)
{
    if (m_selectionCheck && m_selectionCheck()) {
        m_prompter.message(MessageKind::Warning, kTitleError, kSelectionUnderWay);
        return false;
    }
    m_current = token;
    updateAllViews();
    return true;
}

namespace {
bool moveTo(XmlNode target, XmlNode& current)
{
    if (!target)
        return false;
    current = target;
    return true;
}
}  // namespace

bool CPelmoraDoc::goToNextToken()
{
    if (!m_current || !moveTo(nextToken(m_current), m_current))
        return false;
    updateAllViews();
    return true;
}

bool CPelmoraDoc::goToPreviousToken()
{
    if (!m_current || !moveTo(previousToken(m_current), m_current))
        return false;
    updateAllViews();
    return true;
}

bool CPelmoraDoc::goToNextSentence()
{
    if (!isElement(m_current, kToken))
        return false;
    const XmlNode sentence = nextSiblingElement(m_current.parent(), kSentence);
    if (!moveTo(firstChildElement(sentence, kToken), m_current))
        return false;
    updateAllViews();
    return true;
}

bool CPelmoraDoc::goToPreviousSentence()
{
    if (!isElement(m_current, kToken))
        return false;
    const XmlNode sentence = previousSiblingElement(m_current.parent(), kSentence);
    if (!moveTo(firstChildElement(sentence, kToken), m_current))
        return false;
    updateAllViews();
    return true;
}

bool CPelmoraDoc::goToFirstToken()
{
    if (!moveTo(firstToken(), m_current))
        return false;
    updateAllViews();
    return true;
}

bool CPelmoraDoc::goToLastToken()
{
    if (!moveTo(lastToken(), m_current))
        return false;
    updateAllViews();
    return true;
}

// --- Helpers -------------------------------------------------------------------------------------

bool isInSubtree(XmlNode node, XmlNode subtreeRoot)
{
    if (!node || !subtreeRoot)
        return false;
    for (XmlNode walk = node; walk; walk = walk.parent())
        if (walk == subtreeRoot)
            return true;
    return false;
}

}  // namespace pelmora
