// Structural editing of the open text (token text, adding, deleting, merging, splitting), the
// clipboard texts, and the audio position of a sentence. Part of CPelmoraDoc.
#include "common/strings.h"
#include "text/combinations.h"
#include "text/sentenceaudio.h"
#include "text/stepnames.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <algorithm>
#include <climits>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kCannotEmptyToken = "Sõnet ei saa kustutada";
constexpr const char* kCannotAddEmpty = "Tühja sõnet ei saa lisaada";
constexpr const char* kAskDelete = "Kas oled kindel,\net soovid kustutada sõne\n%s?";
constexpr const char* kDeletingLinkedCombination = "Kustutan sõnega seotud ühendi.";
constexpr const char* kSentenceNotFound = "Ei leia soovitud lauset.";
constexpr const char* kDeletingCombinations = "Kustutan lausest ühendid ...";
// Refusals of cases the commands would otherwise turn into a broken text.
constexpr const char* kCannotMergeWithItself = "Lauset ei saa iseendaga ühendada.";
constexpr const char* kCannotDeleteOnlyToken = "Teksti ainsat sõnet ei saa kustutada.";
constexpr const char* kFirstSentenceWouldEmpty = "Sõnet ei saa kustutada: teksti esimene lause jääks tühjaks.";
constexpr const char* kNegativeAudioPosition = "Lause algus helifailis ei saa olla negatiivne.";
constexpr const char* kAudioPositionTooLarge = "Lause algus helifailis on liiga suur.";
constexpr const char* kQuestionTitle = "Pelmora";

std::string tokenIdentifier(const std::string& prefix, int position)
{
    return prefix + "_s" + std::to_string(position);
}

int readNumber(std::string_view digits)
{
    return static_cast<int>(std::clamp<long long>(leadingInteger(digits), INT_MIN, INT_MAX));
}

}  // namespace

// --- Shared steps ---------------------------------------------------------------------------------

std::string CPelmoraDoc::sentencePrefix(XmlNode token)
{
    const std::string_view sentenceId = attributeValue(token.parent(), kId);
    if (!sentenceId.empty())
        return std::string(sentenceId);
    const std::string_view id = attributeValue(token, kId);
    const std::size_t at = id.rfind('_');
    return std::string(at == std::string_view::npos ? std::string_view() : id.substr(0, at));
}

void CPelmoraDoc::adjustCombinations(XmlNode sentence, const std::string& prefix, int position, TokenChange change)
{
    // Every word position after the changed place moves by one, however many words the
    // combination has; a combination that loses one of its words goes, and so do the marks of
    // its other words where no other combination holds them.
    std::vector<int> leftWords;
    XmlNode next;
    for (XmlNode combination = firstChildElement(sentence, kCombination); combination; combination = next) {
        next = nextSiblingElement(combination, kCombination);
        std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
        if (positions.empty())
            continue;  // an identifier without word positions names nothing to move
        const int delta = change == TokenChange::Added ? 1 : -1;
        if (change == TokenChange::Deleted &&
            std::find(positions.begin(), positions.end(), position) != positions.end()) {
            m_prompter.message(MessageKind::Warning, kTitleNotice, kDeletingLinkedCombination);
            removeNode(combination);
            for (const int word : positions)
                if (word != position)
                    leftWords.push_back(word > position ? word - 1 : word);
            continue;
        }
        for (int& word : positions)
            if (word > position)
                word += delta;
        setNodeAttribute(combination, kId, combinationIdentifier(prefix, positions));
    }
    dropStaleMarks(sentence, leftWords);
}

bool CPelmoraDoc::renumberBody()
{
    const XmlNode bodyNode = body();
    ChangeGroup group(*this);
    RenumberRecord record;
    if (!renumberSentenceIds(bodyNode, &record))
        return false;
    m_history.renumbered(bodyNode, std::move(record));
    m_modified = true;
    return true;
}

void CPelmoraDoc::finishEdit()
{
    bumpLayoutRevision();
    m_modified = true;
    updateAllViews();
}

// --- Token text ------------------------------------------------------------------------------------

bool CPelmoraDoc::modifyToken(std::string_view entered)
{
    if (!isElement(m_current, kToken))
        return false;
    const std::string_view text = trimBlanks(entered);
    if (text.empty()) {
        m_prompter.message(MessageKind::Error, kTitleError, kCannotEmptyToken);
        return false;
    }
    if (elementText(m_current) == text)
        return false;
    ChangeGroup group(*this, step::kModifyToken);
    if (!setTokenText(m_current, text)) {
        cancelChanges();
        return false;
    }
    finishEdit();
    return true;
}

// --- Adding and deleting tokens ----------------------------------------------------------------------

bool CPelmoraDoc::addToken(std::string_view entered)
{
    if (!isElement(m_current, kToken))
        return false;
    const std::string_view text = trimBlanks(entered);
    if (text.empty()) {
        m_prompter.message(MessageKind::Warning, kTitleNotice, kCannotAddEmpty);
        return false;
    }
    ChangeGroup group(*this, step::kAddToken);
    const XmlNode token = m_current;
    const XmlNode sentence = token.parent();
    const std::string prefix = sentencePrefix(token);
    const int position = tokenPosition(token);
    const std::string page = attribute(token, kPage);

    const XmlNode added = insertElementAfter(sentence, kToken, token);
    if (!added || !setNodeText(added, text)) {
        cancelChanges();
        return false;
    }
    int number = position + 1;
    for (XmlNode walk = added; walk; walk = nextSiblingElement(walk, kToken))
        setNodeAttribute(walk, kId, tokenIdentifier(prefix, number++));
    if (!page.empty()) {
        setNodeAttribute(added, kPage, page);
        setNodeAttribute(added, kLanguage, "eesti");
    }
    adjustCombinations(sentence, prefix, position, TokenChange::Added);
    finishEdit();
    return true;
}

bool CPelmoraDoc::deleteToken()
{
    if (!isElement(m_current, kToken))
        return false;
    const XmlNode token = m_current;
    const XmlNode sentence = token.parent();
    const bool onlyToken = !previousSiblingElement(token, kToken) && !nextSiblingElement(token, kToken);
    // A text opens only when its first sentence holds a token: never delete that away.
    if (onlyToken && sentence == firstChildElement(body(), kSentence)) {
        const XmlNode following = nextSiblingElement(sentence, kSentence);
        if (!following || !firstChildElement(following, kToken)) {
            m_prompter.error(following ? kFirstSentenceWouldEmpty : kCannotDeleteOnlyToken);
            return false;
        }
    }
    if (!m_prompter.askYesNo(kQuestionTitle, formatMessage(kAskDelete, elementText(token))))
        return false;

    ChangeGroup group(*this, step::kDeleteToken);
    const std::string prefix = sentencePrefix(token);
    const int position = tokenPosition(token);
    if (!removeNode(token)) {
        cancelChanges();
        return false;
    }
    int number = 1;
    for (XmlNode walk = firstChildElement(sentence, kToken); walk; walk = nextSiblingElement(walk, kToken))
        setNodeAttribute(walk, kId, tokenIdentifier(prefix, number++));
    adjustCombinations(sentence, prefix, position, TokenChange::Deleted);

    if (onlyToken) {
        // The emptied sentence goes, and the sentences after it move up.
        const XmlNode following = nextSiblingElement(sentence, kSentence);
        const XmlNode preceding = previousSiblingElement(sentence, kSentence);
        removeNode(sentence);
        renumberBody();
        m_current = firstChildElement(following, kToken);
        if (!m_current)
            m_current = firstChildElement(preceding, kToken);
        if (!m_current)
            m_current = firstToken();
    } else {
        m_current = firstChildElement(sentence, kToken);
    }
    finishEdit();
    return true;
}

// --- Merging and splitting sentences -------------------------------------------------------------

bool CPelmoraDoc::mergeSentences(std::string_view otherSentenceId)
{
    if (!isElement(m_current, kToken))
        return false;
    const std::string_view wanted = trimBlanks(otherSentenceId);
    XmlNode named;
    for (XmlNode walk = firstChildElement(body(), kSentence); walk; walk = nextSiblingElement(walk, kSentence)) {
        if (attributeValue(walk, kId) == wanted) {
            named = walk;
            break;
        }
    }
    if (!named) {
        m_prompter.error(kSentenceNotFound);
        return false;
    }
    const XmlNode sentence = m_current.parent();
    if (named == sentence) {
        m_prompter.error(kCannotMergeWithItself);
        return false;
    }

    ChangeGroup group(*this, step::kMergeSentences);
    m_current = lastTokenOfSentence(m_current);
    const std::string prefix = sentencePrefix(m_current);
    int position = tokenPosition(m_current);
    const int shift = position;
    // The tokens move over whole: every attribute and every handle on them stays. The named
    // sentence's combinations come along behind them, their positions moved by as much.
    XmlNode next;
    for (XmlNode token = firstChildElement(named, kToken); token; token = next) {
        next = nextSiblingElement(token, kToken);
        if (!moveNodeAfter(token, m_current)) {
            cancelChanges();
            return false;
        }
        setNodeAttribute(token, kId, tokenIdentifier(prefix, ++position));
        m_current = token;
    }
    XmlNode placeAfter = m_current;
    for (XmlNode combination = firstChildElement(named, kCombination); combination; combination = next) {
        next = nextSiblingElement(combination, kCombination);
        std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
        for (int& word : positions)
            word += shift;
        if (!moveNodeAfter(combination, placeAfter)) {
            cancelChanges();
            return false;
        }
        setNodeAttribute(combination, kId, combinationIdentifier(prefix, positions));
        placeAfter = combination;
    }
    removeNode(named);
    renumberBody();
    finishEdit();
    return true;
}

bool CPelmoraDoc::splitSentence()
{
    if (!isElement(m_current, kToken) || !nextSiblingElement(m_current, kToken))
        return false;
    ChangeGroup group(*this, step::kSplitSentence);
    const XmlNode sentence = m_current.parent();
    const std::string speaker = attribute(sentence, kSpeaker);
    const XmlNode created = insertElementAfter(sentence.parent(), kSentence, sentence);
    if (!created) {
        cancelChanges();
        return false;
    }
    setNodeAttribute(created, kId, "lX");
    if (!speaker.empty())
        setNodeAttribute(created, kSpeaker, speaker);
    const int splitAt = tokenPosition(m_current);
    int number = 1;
    XmlNode next;
    for (XmlNode token = nextSiblingElement(m_current, kToken); token; token = next) {
        next = nextSiblingElement(token, kToken);
        if (!moveNodeToEnd(token, created)) {
            cancelChanges();
            return false;
        }
        setNodeAttribute(token, kId, tokenIdentifier("lX", number++));
    }
    // A combination whose words all stay keeps its place; one whose words all move goes along
    // into the new sentence; only one that the split cuts through is deleted, and with it the
    // marks of its words that no other combination holds.
    std::vector<int> cutBefore;
    std::vector<int> cutAfter;
    for (XmlNode combination = firstChildElement(sentence, kCombination); combination; combination = next) {
        next = nextSiblingElement(combination, kCombination);
        std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
        const auto staying = std::count_if(positions.begin(), positions.end(), [&](int p) { return p <= splitAt; });
        if (staying == static_cast<std::ptrdiff_t>(positions.size()))
            continue;
        if (staying == 0) {
            for (int& word : positions)
                word -= splitAt;
            if (!moveNodeToEnd(combination, created)) {
                cancelChanges();
                return false;
            }
            setNodeAttribute(combination, kId, combinationIdentifier("lX", positions));
            continue;
        }
        if (cutBefore.empty() && cutAfter.empty())
            m_prompter.message(MessageKind::Warning, kTitleWarning, kDeletingCombinations);
        for (const int word : positions)
            (word <= splitAt ? cutBefore : cutAfter).push_back(word <= splitAt ? word : word - splitAt);
        removeNode(combination);
    }
    dropStaleMarks(sentence, cutBefore);
    dropStaleMarks(created, cutAfter);
    renumberBody();
    finishEdit();
    return true;
}

// --- Clipboard texts --------------------------------------------------------------------------------

std::string CPelmoraDoc::copyTokenText() const
{
    return isElement(m_current, kToken) ? tokenText(m_current) : std::string();
}

std::string CPelmoraDoc::copySentenceWithReference() const
{
    if (!isElement(m_current, kToken))
        return {};
    const XmlNode sentence = m_current.parent();
    std::string text = "<" + attribute(m_current, kPage) + ": " + attribute(sentence, kId) + "> ";
    for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
        if (token == m_current)
            text += "*" + tokenText(token) + "*";
        else
            text += tokenText(token);
        text += ' ';
    }
    return text;
}

std::string CPelmoraDoc::currentSentenceId() const
{
    return isElement(m_current, kToken) ? attribute(m_current.parent(), kId) : std::string();
}

std::string CPelmoraDoc::proposedMergeSentenceId() const
{
    const std::string id = currentSentenceId();
    if (id.empty())
        return {};
    const long long number = leadingInteger(std::string_view(id).substr(1));
    return "l" + std::to_string(number + 1);
}

// --- Audio position ----------------------------------------------------------------------------------

AudioPositionFields CPelmoraDoc::audioPositionFields() const
{
    AudioPositionFields fields;
    if (!isElement(m_current, kToken))
        return fields;
    const std::string_view stored = attributeValue(m_current.parent(), kAudioPosition);
    if (stored.empty())
        return fields;
    const int value = readNumber(stored);
    fields.minutes = value / 60;
    fields.seconds = value - fields.minutes * 60;
    return fields;
}

bool CPelmoraDoc::setAudioPosition(int minutes, int seconds)
{
    if (!isElement(m_current, kToken))
        return false;
    const XmlNode sentence = m_current.parent();
    if (recordingFileName(*this).empty()) {
        reportNoRecording(m_prompter);
        minutes = -1;
    }
    std::string position;
    if (minutes >= 0) {
        const long long total = static_cast<long long>(minutes) * 60 + seconds;
        if (total < 0) {
            m_prompter.error(kNegativeAudioPosition);
            return false;
        }
        if (total > INT_MAX) {
            m_prompter.error(kAudioPositionTooLarge);
            return false;
        }
        position = std::to_string(total);
    } else if (attributeValue(sentence, kAudioPosition).empty()) {
        return false;
    }
    if (!position.empty() && attributeValue(sentence, kAudioPosition) == position)
        return false;
    ChangeGroup group(*this, step::kAudioPosition);
    setNodeAttribute(sentence, kAudioPosition, position);
    m_modified = true;
    updateAllViews();
    return true;
}

}  // namespace pelmora
