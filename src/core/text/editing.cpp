#include "text/editing.h"

#include "common/strings.h"
#include "common/translation.h"
#include "text/combinationediting.h"
#include "text/combinations.h"
#include "text/identifiers.h"
#include "text/sentenceaudio.h"
#include "text/stepnames.h"
#include "text/textformat.h"

#include <algorithm>
#include <climits>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kCannotEmptyToken = QT_TRANSLATE_NOOP("core", "Sõnet ei saa kustutada");
constexpr const char* kCannotAddEmpty = QT_TRANSLATE_NOOP("core", "Tühja sõnet ei saa lisaada");
constexpr const char* kAskDelete = QT_TRANSLATE_NOOP("core", "Kas oled kindel,\net soovid kustutada sõne\n%s?");
constexpr const char* kDeletingLinkedCombination = QT_TRANSLATE_NOOP("core", "Kustutan sõnega seotud ühendi.");
constexpr const char* kSentenceNotFound = QT_TRANSLATE_NOOP("core", "Ei leia soovitud lauset.");
constexpr const char* kDeletingCombinations = QT_TRANSLATE_NOOP("core", "Kustutan lausest ühendid ...");
// Refusals of cases the commands would otherwise turn into a broken text.
constexpr const char* kCannotMergeWithItself = QT_TRANSLATE_NOOP("core", "Lauset ei saa iseendaga ühendada.");
constexpr const char* kCannotDeleteOnlyToken = QT_TRANSLATE_NOOP("core", "Teksti ainsat sõnet ei saa kustutada.");
constexpr const char* kFirstSentenceWouldEmpty =
    QT_TRANSLATE_NOOP("core", "Sõnet ei saa kustutada: teksti esimene lause jääks tühjaks.");
constexpr const char* kNegativeAudioPosition =
    QT_TRANSLATE_NOOP("core", "Lause algus helifailis ei saa olla negatiivne.");
constexpr const char* kAudioPositionTooLarge = QT_TRANSLATE_NOOP("core", "Lause algus helifailis on liiga suur.");
constexpr const char* kQuestionTitle = "Pelmora";

int readNumber(std::string_view digits)
{
    return static_cast<int>(std::clamp<long long>(leadingInteger(digits), INT_MIN, INT_MAX));
}

using ChangeGroup = CPelmoraDoc::ChangeGroup;

enum class TokenChange { Added, Deleted };

void adjustCombinations(CPelmoraDoc& doc, XmlNode sentence, const std::string& prefix, int position,
                        TokenChange change)
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
            doc.prompter().message(MessageKind::Warning, kTitleNotice, kDeletingLinkedCombination);
            doc.removeNode(combination);
            for (const int word : positions)
                if (word != position)
                    leftWords.push_back(word > position ? word - 1 : word);
            continue;
        }
        for (int& word : positions)
            if (word > position)
                word += delta;
        doc.setNodeAttribute(combination, kId, combinationIdentifier(prefix, positions));
    }
    dropStaleMarks(doc, sentence, leftWords);
}

void finishEdit(CPelmoraDoc& doc)
{
    doc.bumpLayoutRevision();
    doc.setModifiedFlag(true);
    doc.updateAllViews();
}

}  // namespace

// --- Token text ------------------------------------------------------------------------------------

bool modifyToken(CPelmoraDoc& doc, std::string_view entered)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken))
        return false;
    const std::string_view text = trimBlanks(entered);
    if (text.empty()) {
        doc.prompter().message(MessageKind::Error, kTitleError, kCannotEmptyToken);
        return false;
    }
    if (elementText(current) == text)
        return false;
    ChangeGroup group(doc, step::kModifyToken);
    if (!doc.setTokenText(current, text)) {
        doc.cancelChanges();
        return false;
    }
    finishEdit(doc);
    return true;
}

// --- Adding and deleting tokens ----------------------------------------------------------------------

bool addToken(CPelmoraDoc& doc, std::string_view entered)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken))
        return false;
    const std::string_view text = trimBlanks(entered);
    if (text.empty()) {
        doc.prompter().message(MessageKind::Warning, kTitleNotice, kCannotAddEmpty);
        return false;
    }
    ChangeGroup group(doc, step::kAddToken);
    const XmlNode token = current;
    const XmlNode sentence = token.parent();
    const std::string prefix = sentencePrefix(token);
    const int position = tokenPosition(token);
    const std::string page = CPelmoraDoc::attribute(token, kPage);

    const XmlNode added = doc.insertElementAfter(sentence, kToken, token);
    if (!added || !doc.setNodeText(added, text)) {
        doc.cancelChanges();
        return false;
    }
    int number = position + 1;
    for (XmlNode walk = added; walk; walk = nextSiblingElement(walk, kToken))
        doc.setNodeAttribute(walk, kId, tokenIdentifier(prefix, number++));
    if (!page.empty()) {
        doc.setNodeAttribute(added, kPage, page);
        doc.setNodeAttribute(added, kLanguage, "eesti");
    }
    adjustCombinations(doc, sentence, prefix, position, TokenChange::Added);
    finishEdit(doc);
    return true;
}

bool deleteToken(CPelmoraDoc& doc)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken))
        return false;
    const XmlNode token = current;
    const XmlNode sentence = token.parent();
    const bool onlyToken = !previousSiblingElement(token, kToken) && !nextSiblingElement(token, kToken);
    // A text opens only when its first sentence holds a token: never delete that away.
    if (onlyToken && sentence == firstChildElement(doc.body(), kSentence)) {
        const XmlNode following = nextSiblingElement(sentence, kSentence);
        if (!following || !firstChildElement(following, kToken)) {
            doc.prompter().error(following ? kFirstSentenceWouldEmpty : kCannotDeleteOnlyToken);
            return false;
        }
    }
    if (!doc.prompter().askYesNo(kQuestionTitle, formatMessage(kAskDelete, elementText(token))))
        return false;

    ChangeGroup group(doc, step::kDeleteToken);
    const std::string prefix = sentencePrefix(token);
    const int position = tokenPosition(token);
    if (!doc.removeNode(token)) {
        doc.cancelChanges();
        return false;
    }
    int number = 1;
    for (XmlNode walk = firstChildElement(sentence, kToken); walk; walk = nextSiblingElement(walk, kToken))
        doc.setNodeAttribute(walk, kId, tokenIdentifier(prefix, number++));
    adjustCombinations(doc, sentence, prefix, position, TokenChange::Deleted);

    if (onlyToken) {
        // The emptied sentence goes, and the sentences after it move up.
        const XmlNode following = nextSiblingElement(sentence, kSentence);
        const XmlNode preceding = previousSiblingElement(sentence, kSentence);
        doc.removeNode(sentence);
        doc.renumberBody();
        XmlNode next = firstChildElement(following, kToken);
        if (!next)
            next = firstChildElement(preceding, kToken);
        if (!next)
            next = doc.firstToken();
        doc.placeCurrentToken(next);
    } else {
        doc.placeCurrentToken(firstChildElement(sentence, kToken));
    }
    finishEdit(doc);
    return true;
}

// --- Merging and splitting sentences -------------------------------------------------------------

bool mergeSentences(CPelmoraDoc& doc, std::string_view otherSentenceId)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken))
        return false;
    const std::string_view wanted = trimBlanks(otherSentenceId);
    XmlNode named;
    for (XmlNode walk = firstChildElement(doc.body(), kSentence); walk; walk = nextSiblingElement(walk, kSentence)) {
        if (attributeValue(walk, kId) == wanted) {
            named = walk;
            break;
        }
    }
    if (!named) {
        doc.prompter().error(kSentenceNotFound);
        return false;
    }
    const XmlNode sentence = current.parent();
    if (named == sentence) {
        doc.prompter().error(kCannotMergeWithItself);
        return false;
    }

    ChangeGroup group(doc, step::kMergeSentences);
    XmlNode last = CPelmoraDoc::lastTokenOfSentence(current);
    doc.placeCurrentToken(last);
    const std::string prefix = sentencePrefix(last);
    int position = tokenPosition(last);
    const int shift = position;
    // The tokens move over whole: every attribute and every handle on them stays. The named
    // sentence's combinations come along behind them, their positions moved by as much.
    XmlNode next;
    for (XmlNode token = firstChildElement(named, kToken); token; token = next) {
        next = nextSiblingElement(token, kToken);
        if (!doc.moveNodeAfter(token, last)) {
            doc.cancelChanges();
            return false;
        }
        doc.setNodeAttribute(token, kId, tokenIdentifier(prefix, ++position));
        last = token;
        doc.placeCurrentToken(last);
    }
    XmlNode placeAfter = last;
    for (XmlNode combination = firstChildElement(named, kCombination); combination; combination = next) {
        next = nextSiblingElement(combination, kCombination);
        std::vector<int> positions = combinationPositions(attributeValue(combination, kId));
        for (int& word : positions)
            word += shift;
        if (!doc.moveNodeAfter(combination, placeAfter)) {
            doc.cancelChanges();
            return false;
        }
        doc.setNodeAttribute(combination, kId, combinationIdentifier(prefix, positions));
        placeAfter = combination;
    }
    doc.removeNode(named);
    doc.renumberBody();
    finishEdit(doc);
    return true;
}

bool splitSentence(CPelmoraDoc& doc)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken) || !nextSiblingElement(current, kToken))
        return false;
    ChangeGroup group(doc, step::kSplitSentence);
    const XmlNode sentence = current.parent();
    const std::string speaker = CPelmoraDoc::attribute(sentence, kSpeaker);
    const XmlNode created = doc.insertElementAfter(sentence.parent(), kSentence, sentence);
    if (!created) {
        doc.cancelChanges();
        return false;
    }
    doc.setNodeAttribute(created, kId, "lX");
    if (!speaker.empty())
        doc.setNodeAttribute(created, kSpeaker, speaker);
    const int splitAt = tokenPosition(current);
    int number = 1;
    XmlNode next;
    for (XmlNode token = nextSiblingElement(current, kToken); token; token = next) {
        next = nextSiblingElement(token, kToken);
        if (!doc.moveNodeToEnd(token, created)) {
            doc.cancelChanges();
            return false;
        }
        doc.setNodeAttribute(token, kId, tokenIdentifier("lX", number++));
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
            if (!doc.moveNodeToEnd(combination, created)) {
                doc.cancelChanges();
                return false;
            }
            doc.setNodeAttribute(combination, kId, combinationIdentifier("lX", positions));
            continue;
        }
        if (cutBefore.empty() && cutAfter.empty())
            doc.prompter().message(MessageKind::Warning, kTitleWarning, kDeletingCombinations);
        for (const int word : positions)
            (word <= splitAt ? cutBefore : cutAfter).push_back(word <= splitAt ? word : word - splitAt);
        doc.removeNode(combination);
    }
    dropStaleMarks(doc, sentence, cutBefore);
    dropStaleMarks(doc, created, cutAfter);
    doc.renumberBody();
    finishEdit(doc);
    return true;
}

// --- Clipboard texts --------------------------------------------------------------------------------

std::string copyTokenText(const CPelmoraDoc& doc)
{
    const XmlNode current = doc.currentToken();
    return isElement(current, kToken) ? CPelmoraDoc::tokenText(current) : std::string();
}

std::string copySentenceWithReference(const CPelmoraDoc& doc)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken))
        return {};
    const XmlNode sentence = current.parent();
    std::string text =
        "<" + CPelmoraDoc::attribute(current, kPage) + ": " + CPelmoraDoc::attribute(sentence, kId) + "> ";
    for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
        if (token == current)
            text += "*" + CPelmoraDoc::tokenText(token) + "*";
        else
            text += CPelmoraDoc::tokenText(token);
        text += ' ';
    }
    return text;
}

std::string currentSentenceId(const CPelmoraDoc& doc)
{
    const XmlNode current = doc.currentToken();
    return isElement(current, kToken) ? CPelmoraDoc::attribute(current.parent(), kId) : std::string();
}

std::string proposedMergeSentenceId(const CPelmoraDoc& doc)
{
    return nextSentenceId(currentSentenceId(doc));
}

// --- Audio position ----------------------------------------------------------------------------------

AudioPositionFields audioPositionFields(const CPelmoraDoc& doc)
{
    const XmlNode current = doc.currentToken();
    AudioPositionFields fields;
    if (!isElement(current, kToken))
        return fields;
    const std::string_view stored = attributeValue(current.parent(), kAudioPosition);
    if (stored.empty())
        return fields;
    const int value = readNumber(stored);
    fields.minutes = value / 60;
    fields.seconds = value - fields.minutes * 60;
    return fields;
}

bool setAudioPosition(CPelmoraDoc& doc, int minutes, int seconds)
{
    const XmlNode current = doc.currentToken();
    if (!isElement(current, kToken))
        return false;
    const XmlNode sentence = current.parent();
    if (recordingFileName(doc).empty()) {
        reportNoRecording(doc.prompter());
        minutes = -1;
    }
    std::string position;
    if (minutes >= 0) {
        const long long total = static_cast<long long>(minutes) * 60 + seconds;
        if (total < 0) {
            doc.prompter().error(kNegativeAudioPosition);
            return false;
        }
        if (total > INT_MAX) {
            doc.prompter().error(kAudioPositionTooLarge);
            return false;
        }
        position = std::to_string(total);
    } else if (attributeValue(sentence, kAudioPosition).empty()) {
        return false;
    }
    if (!position.empty() && attributeValue(sentence, kAudioPosition) == position)
        return false;
    ChangeGroup group(doc, step::kAudioPosition);
    doc.setNodeAttribute(sentence, kAudioPosition, position);
    doc.setModifiedFlag(true);
    doc.updateAllViews();
    return true;
}

}  // namespace pelmora
