#include "text/pelmoradoc.h"

#include <limits>

#include "common/normalisation.h"
#include "common/strings.h"
#include "text/textformat.h"
#include "text/tokendisplay.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kInvalidFile = "Vigane fail %s.";
constexpr const char* kSaveFailed = "Viga faili %s salvestamisel.";
constexpr const char* kSelectionUnderWay = "Ühendi sõnade valimine on pooleli,\nei saa põhisõna muuta";

// The automatic "meta" of an imported token, or "" for none: a token without a letter or digit
// is punctuation, one that starts with a digit a number.
std::string_view automaticMeta(std::string_view text)
{
    std::string_view meta;
    if (!hasLetterOrDigit(text))
        meta = "vahemärk";
    if (text.front() >= '0' && text.front() <= '9')
        meta = "number";
    return meta;
}

std::string sentenceId(int sentence) { return "l" + std::to_string(sentence); }

std::string tokenId(int sentence, int token)
{
    return "l" + std::to_string(sentence) + "_s" + std::to_string(token);
}

}  // namespace

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
    deleteContents();
    m_modified = false;
    return openParsed(m_xml.load(path), path, OpenMode::WholeText);
}

bool CPelmoraDoc::openDocumentBodyOnly(const std::string& path)
{
    deleteContents();
    m_modified = false;
    return openParsed(m_xml.load(path), path, OpenMode::BodyOnly);
}

bool CPelmoraDoc::openFromBuffer(std::string_view bytes, const std::string& name)
{
    deleteContents();
    m_modified = false;
    return openParsed(m_xml.loadFromBuffer(bytes), name, OpenMode::WholeText);
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
    deleteContents();
    m_modified = false;
    return openParsed(m_xml.loadFromBuffer(bytes), name, OpenMode::BodyOnly);
}

bool CPelmoraDoc::openParsed(const XmlLoadResult& loaded, const std::string& name, OpenMode mode)
{
    ++m_structureRevision;
    const std::string failure = formatMessage(kInvalidFile, name);
    const auto reject = [&] {
        m_xml.clear();
        m_current = XmlNode();
        m_prompter.error(failure);
        return false;
    };
    if (!loaded)
        return reject();
    const XmlNode root = m_xml.root();
    if (!isElement(root, kRoot))
        return reject();
    const XmlNode bodyNode = firstChildElement(root, kBody);
    if (!bodyNode)
        return reject();
    forgetHistory();
    if (mode == OpenMode::BodyOnly) {
        m_current = bodyNode;
        updateAllViews();
        return true;
    }
    const XmlNode sentence = firstChildElement(bodyNode, kSentence);
    const XmlNode token = firstChildElement(sentence, kToken);
    if (!token)
        return reject();
    m_current = token;
    updateAllViews();
    return true;
}

bool CPelmoraDoc::saveDocument(const std::string& path)
{
    std::string error;
    if (!m_xml.save(path, &error)) {
        m_prompter.error(formatMessage(kSaveFailed, path));
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

XmlNode CPelmoraDoc::nextCombination(XmlNode node)
{
    if (!node)
        return {};
    if (const XmlNode next = nextSiblingElement(node, kCombination))
        return next;
    for (XmlNode sentence = nextSiblingElement(node.parent(), kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        if (const XmlNode first = firstChildElement(sentence, kCombination))
            return first;
    }
    return {};
}

TokenCombinations CPelmoraDoc::combinationsOfToken(XmlNode token)
{
    TokenCombinations result;
    if (attributeValue(token, kCombinationMark) != "+")
        return result;
    const std::string_view ownSuffix = tokenSuffix(attributeValue(token, kId));
    const XmlNode sentence = token.parent();
    for (XmlNode combination = nextSiblingElement(token, kCombination); combination;
         combination = nextSiblingElement(combination, kCombination)) {
        const std::string_view id = attributeValue(combination, kId);
        // The last word of the combination must be this very token: "l1_s2_s14" does not end
        // token "s4", although its text ends with "s4".
        if (tokenSuffix(id) != ownSuffix)
            continue;
        TokenCombination item;
        item.id = std::string(id);
        item.lemma = attribute(combination, kCombinationLemma);
        item.meaning = attribute(combination, kCombinationMeaning);
        item.partOfSpeech = attribute(combination, kCombinationPartOfSpeech);
        for (const std::string& part : split(combinationSuffix(id), '_')) {
            for (XmlNode word = firstChildElement(sentence, kToken); word;
                 word = nextSiblingElement(word, kToken)) {
                if (tokenSuffix(attributeValue(word, kId)) == part) {
                    item.words.push_back(tokenText(word));
                    break;
                }
            }
        }
        result.items.push_back(std::move(item));
    }
    if (result.items.empty()) {
        setNodeAttribute(token, kCombinationMark, "");
        result.markRepaired = true;
    }
    return result;
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
    changeAttribute(token, name, normal);
}

void CPelmoraDoc::changeAttribute(XmlNode element, const char* name, std::string_view value)
{
    ChangeGroup group(*this);
    AttributeState before = attributeState(element, name);
    if (value.empty())
        removeAttribute(element, name);
    else
        setAttribute(element, name, value);
    const std::string oldValue = before.value;
    m_history.attributeChanged(element, name, std::move(before));
    m_modified = true;
    // The running text measures a token in the font its style and meta value choose, so a change
    // of either moves the layout, whichever setter made it.
    if (isElement(element, kToken) && decidesTokenLook(name))
        bumpLayoutRevision();
    notifyAttributeChanged(element, name, oldValue);
}

// --- Generic tree changes ------------------------------------------------------------------------

bool CPelmoraDoc::setNodeAttribute(XmlNode element, const char* name, std::string_view entered)
{
    std::string storage;
    const std::string_view value = nfcView(entered, storage);
    if (element.type() != pugi::node_element)
        return false;
    if (attributeValue(element, name) == value && (!value.empty() || !element.attribute(name)))
        return true;
    changeAttribute(element, name, value);
    return value.empty() || attributeValue(element, name) == value;
}

// A combination element holds no tokens: adding or removing one leaves every index over the
// tokens as it is, so the indexes need not rebuild after each combination made or removed.
bool CPelmoraDoc::movesStructure(XmlNode node)
{
    return !isElement(node, kCombination);
}

void CPelmoraDoc::noteInserted(XmlNode added)
{
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
    m_history.textChanged(element, hadTextNode, std::move(before), text);
    m_modified = true;
    ++m_structureRevision;
    return true;
}

XmlNode CPelmoraDoc::appendElement(XmlNode parent, const char* name)
{
    ChangeGroup group(*this);
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
    m_history.aboutToMove(node);
    if (!after.parent().insert_move_after(node, after))
        return false;
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
    m_history.aboutToMove(node);
    if (!parent.append_move(node))
        return false;
    m_history.moved(node);
    m_modified = true;
    ++m_structureRevision;
    return true;
}

// --- Undo and redo -------------------------------------------------------------------------------

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

// --- Plain-text import ---------------------------------------------------------------------------

bool CPelmoraDoc::AppendImportedToken(const ImportedToken& imported)
{
    if (imported.text.empty() || imported.text == " ")
        return false;
    if (!m_current)
        return false;
    ++m_importToken;
    const bool oral = !imported.writtenText;
    // No speaker ("?", or nothing at all) writes no empty "koneleja".
    const bool namedSpeaker = !imported.speaker.empty() && imported.speaker != "?";

    XmlNode token;
    if (isElement(m_current, kToken) && elementText(m_current) == kPlaceholderToken) {
        token = m_current;
        if (oral && namedSpeaker)
            setAttribute(token.parent(), kSpeaker, toNfc(imported.speaker));
    } else if (m_importToken == 1) {
        ++m_importSentence;
        XmlNode sentence;
        if (isElement(m_current, kBody)) {
            sentence = m_current.append_child(kSentence);
        } else {
            const XmlNode currentSentence = m_current.parent();
            sentence = currentSentence.parent().insert_child_after(kSentence, currentSentence);
        }
        if (!sentence)
            return false;
        setAttribute(sentence, kId, sentenceId(m_importSentence));
        if (oral && namedSpeaker)
            setAttribute(sentence, kSpeaker, toNfc(imported.speaker));
        token = sentence.append_child(kToken);
    } else {
        token = m_current.parent().insert_child_after(kToken, m_current);
    }
    if (!token)
        return false;

    setElementText(token, toNfc(imported.text));
    setAttribute(token, kId, tokenId(m_importSentence, m_importToken));
    if (imported.writtenText)
        setAttribute(token, kPage, toNfc(imported.page));
    if (imported.other)
        setAttribute(token, kMeta, "muu");
    if (imported.note)
        setAttribute(token, kStyle, "märkus");
    if (imported.heading)
        setAttribute(token, kStyle, "pealkiri");
    if (imported.emphasis)
        setAttribute(token, kStyle, "esiletõst");
    if (imported.comment)
        setAttribute(token, kMeta, "kommentaar");
    if (imported.interviewer)
        setAttribute(token, kMeta, "intervjueerija");
    const std::string_view meta = automaticMeta(imported.text);
    if (!meta.empty())
        setAttribute(token, kMeta, meta);

    m_current = token;
    m_modified = true;
    // Import builds a new text token by token; it is not undone step by step.
    m_history.clear();
    bumpLayoutRevision();
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

std::string_view tokenSuffix(std::string_view id)
{
    const std::size_t at = id.rfind('_');
    return at == std::string_view::npos ? id : id.substr(at + 1);
}

std::string_view combinationSuffix(std::string_view id)
{
    const std::size_t at = id.find('_');
    return at == std::string_view::npos ? std::string_view() : id.substr(at + 1);
}

int suffixNumber(std::string_view suffix)
{
    std::string digits;
    for (const char c : suffix)
        if (c != 's')
            digits.push_back(c);
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

int tokenPosition(XmlNode token)
{
    return suffixNumber(tokenSuffix(attributeValue(token, kId)));
}

}  // namespace pelmora
