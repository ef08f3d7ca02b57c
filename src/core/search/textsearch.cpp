#include "search/textsearch.h"
#include "text/stepnames.h"

#include "common/strings.h"
#include "common/translation.h"
#include "search/tokenwalk.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr const char* kSearchCaption = QT_TRANSLATE_NOOP("core", "Otsing");
constexpr const char* kIdSearchCaption = QT_TRANSLATE_NOOP("core", "ID otsing");
constexpr const char* kIdErrorCaption = QT_TRANSLATE_NOOP("core", "ID viga");
constexpr const char* kNotFound = QT_TRANSLATE_NOOP("core", "Ei leia");
constexpr const char* kPageNotFound = QT_TRANSLATE_NOOP("core", "Ei leidnud lehekülge");
constexpr const char* kClipboardEmpty = QT_TRANSLATE_NOOP("core", "Lõikelaud tühi");
constexpr std::string_view kNoPartOfSpeech = "-";

// The first token from `start` on (itself included) that matches, walking in one direction.
template <class Step>
XmlNode firstMatch(XmlNode start, const TokenMatcher& matcher, Step step)
{
    for (XmlNode token = start; token; token = step(token)) {
        if (matcher.matches(token))
            return token;
    }
    return {};
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number of an identifier part once its letter is dropped ("l12" -> 12); 0 when it is not one.
int identifierNumber(std::string_view part, char letter)
{
    std::string digits;
    for (const char c : part) {
        if (c != letter)
            digits.push_back(c);
    }
    if (!allDigits(digits) || digits.size() > 9)
        return 0;
    return static_cast<int>(leadingInteger(digits));
}

// The sentence-th sentence of the body and its token-th token (both from 1), as far as found.
struct IdentifierTarget {
    XmlNode sentence;
    XmlNode token;
};

IdentifierTarget findIdentifier(const CPelmoraDoc& doc, int sentenceNumber, int tokenNumber)
{
    IdentifierTarget target;
    if (sentenceNumber <= 0 || tokenNumber <= 0)
        return target;
    XmlNode sentence = firstChildElement(doc.body(), text::kSentence);
    for (int i = 1; sentence && i < sentenceNumber; ++i)
        sentence = nextSiblingElement(sentence, text::kSentence);
    target.sentence = sentence;
    // Only tokens count: a combination standing between them is not a place to go to.
    XmlNode token = firstChildElement(sentence, text::kToken);
    for (int i = 1; token && i < tokenNumber; ++i)
        token = nextSiblingElement(token, text::kToken);
    target.token = token;
    return target;
}

// "Ei leia" with the criteria that were sought, so that a field still ticked from an earlier
// search is seen.
std::string notFoundText(const SearchCriteria& criteria)
{
    const std::string words = describeSearchCriteria(criteria);
    const std::string notFound = translatedText(kNotFound);
    return words.empty() ? notFound : notFound + "\n" + formatMessage(QT_TRANSLATE_NOOP("core", "Otsiti: %s"), words);
}

}  // namespace

TextSearch::TextSearch(CPelmoraDoc& doc) : m_doc(doc), m_remembered(doc) {}

bool TextSearch::hasCurrentToken() const
{
    return isElement(m_doc.currentToken(), text::kToken);
}

bool TextSearch::moveTo(XmlNode token)
{
    return token && m_doc.setCurrentToken(token);
}

// --- Searches ------------------------------------------------------------------------------------

bool TextSearch::searchFromDialog(SearchCriteria criteria, bool mark, bool goToFirst, SearchDirection direction)
{
    if (!hasCurrentToken())
        return false;
    criteria.mode = SearchMode::Dialog;
    m_current = criteria;
    if (mark) {
        m_rules.add(criteria);
        m_doc.updateAllViews();
    }
    if (!goToFirst)
        return false;
    const TokenMatcher matcher(criteria);
    XmlNode hit;
    switch (direction) {
    case SearchDirection::BackwardFromCurrent:
        hit = firstMatch(precedingToken(m_doc.currentToken()), matcher, precedingToken);
        break;
    case SearchDirection::ForwardFromCurrent:
        hit = firstMatch(followingToken(m_doc.currentToken()), matcher, followingToken);
        break;
    case SearchDirection::FromStart:
        hit = firstMatch(firstTokenOfText(m_doc), matcher, followingToken);
        break;
    }
    if (!hit) {
        m_doc.prompter().message(MessageKind::Warning, kSearchCaption, notFoundText(criteria));
        return false;
    }
    return moveTo(hit);
}

std::size_t TextSearch::countMatches(const SearchCriteria& criteria) const
{
    const TokenMatcher matcher(criteria);
    std::size_t count = 0;
    for (XmlNode token = firstTokenOfText(m_doc); token; token = followingToken(token))
        count += matcher.matches(token) ? 1 : 0;
    return count;
}

std::string TextSearch::foundSummary(const SearchCriteria& criteria) const
{
    const std::size_t count = countMatches(criteria);
    std::string text = formatText(count == 1 ? QT_TRANSLATE_NOOP("core", "Leitud %s sõne") : QT_TRANSLATE_NOOP("core", "Leitud %s sõnet"),
                                  {std::to_string(count)});
    const std::string words = describeSearchCriteria(criteria);
    return words.empty() ? text : text + ": " + words;
}

FindNextResult TextSearch::findNext()
{
    if (!hasCurrentToken())
        return FindNextResult::NothingDone;
    if (!m_current || m_current->mode != SearchMode::Dialog)
        return FindNextResult::NeedsDialog;
    const TokenMatcher matcher(*m_current);
    const XmlNode hit = firstMatch(followingToken(m_doc.currentToken()), matcher, followingToken);
    if (!hit) {
        m_doc.prompter().message(MessageKind::Warning, kSearchCaption, notFoundText(*m_current));
        return FindNextResult::NotFound;
    }
    return moveTo(hit) ? FindNextResult::Found : FindNextResult::NotFound;
}

void TextSearch::partOfWordSearch(SearchCriteria criteria)
{
    if (criteria.mode != SearchMode::Begins && criteria.mode != SearchMode::Ends)
        criteria.mode = SearchMode::Contains;
    m_current = criteria;
    m_rules.add(criteria);
    m_doc.updateAllViews();
}

std::size_t TextSearch::replace(const ReplaceRequest& request)
{
    m_automaticColour = request.colour;
    struct Prepared {
        const Replacement* replacement;
        std::string lowered;
        std::string key;
    };
    std::vector<Prepared> prepared;
    for (const Replacement& replacement : request.replacements) {
        if (!replacement.find.empty())
            prepared.push_back({&replacement, toLowerUnicode(replacement.find), MakeWordFormKey(replacement.find)});
    }
    if (prepared.empty() || !m_doc.hasText())
        return 0;

    std::size_t changed = 0;
    CPelmoraDoc::ChangeGroup group(m_doc, step::kReplace);  // one replace is one step to undo
    forEachToken(m_doc, [&](XmlNode token) {
        bool any = false;
        for (const Prepared& item : prepared) {
            const TokenAttribute attribute = item.replacement->attribute;
            const std::string_view value = attributeValue(token, attributeName(attribute));
            // A token without the value is never a hit, even when the sought text is all markup
            // and so has an empty key.
            if (value.empty())
                continue;
            if (toLowerUnicode(value) != item.lowered && !hasWordFormKey(value, item.key))
                continue;
            std::string_view replaceWith = item.replacement->replaceWith;
            if (attribute == TokenAttribute::PartOfSpeech && replaceWith == kNoPartOfSpeech)
                replaceWith = {};
            m_doc.setTokenAttribute(token, attribute, replaceWith);
            m_doc.setNodeAttribute(token, text::kAuto, "+");
            any = true;
        }
        if (any)
            ++changed;
    });
    if (changed > 0) {
        addAutomaticChangesRule();
        m_doc.setModifiedFlag(true);
    }
    return changed;
}

void TextSearch::addSuspectedErrorsRule()
{
    m_rules.add(suspectedErrorsCriteria());
    m_doc.updateAllViews();
}

void TextSearch::addAutomaticChangesRule()
{
    SearchCriteria criteria;
    criteria.mode = SearchMode::AutomaticChanges;
    criteria.colour = m_automaticColour;
    m_rules.add(criteria);
    m_doc.updateAllViews();
}

std::size_t TextSearch::removeAutomaticChangeMarks()
{
    if (!m_doc.hasText())
        return 0;
    std::size_t removed = 0;
    CPelmoraDoc::ChangeGroup group(m_doc, step::kRemoveAutomaticMarks);  // one step to undo, however many marks go
    forEachToken(m_doc, [&](XmlNode token) {
        if (attributeValue(token, text::kAuto) == "+") {
            m_doc.setNodeAttribute(token, text::kAuto, "");
            ++removed;
        }
    });
    m_rules.removeMode(SearchMode::AutomaticChanges);
    m_doc.setModifiedFlag(true);
    m_doc.updateAllViews();
    return removed;
}

void TextSearch::clearSearches()
{
    m_rules.clear();
    m_doc.updateAllViews();
}

// --- Moving the current token -------------------------------------------------------------------

void TextSearch::rememberPosition()
{
    if (hasCurrentToken())
        m_remembered.set(m_doc.currentToken());
}

bool TextSearch::goToRememberedPosition()
{
    if (!hasCurrentToken())
        return false;
    return moveTo(m_remembered.token());
}

bool TextSearch::goToNextMarkedToken()
{
    if (!hasCurrentToken() || m_rules.empty())
        return false;
    for (XmlNode token = followingToken(m_doc.currentToken()); token; token = followingToken(token)) {
        if (m_rules.matchesAny(token))
            return moveTo(token);
    }
    return false;
}

bool TextSearch::goToPreviousMarkedToken()
{
    if (!hasCurrentToken() || m_rules.empty())
        return false;
    for (XmlNode token = precedingToken(m_doc.currentToken()); token; token = precedingToken(token)) {
        if (m_rules.matchesAny(token))
            return moveTo(token);
    }
    return false;
}

bool TextSearch::goToPage(std::string_view page)
{
    if (!hasCurrentToken() || page.empty())
        return false;
    for (XmlNode token = firstTokenOfText(m_doc); token; token = followingToken(token)) {
        if (attributeValue(token, text::kPage) == page)
            return moveTo(token);
    }
    m_doc.prompter().message(MessageKind::Error, kTitleError, kPageNotFound);
    return false;
}

bool TextSearch::goToIdentifier(int sentence, int token)
{
    if (!hasCurrentToken())
        return false;
    const IdentifierTarget target = findIdentifier(m_doc, sentence, token);
    const std::string message = "Ei leia " + std::to_string(sentence) + ", " + std::to_string(token) + ".";
    return goToFound(target.token, target.sentence, message);
}

bool TextSearch::goToFound(XmlNode token, XmlNode sentence, const std::string& message)
{
    if (token)
        return moveTo(token);
    // A sentence without any token is as good as missing: there is nothing to go to in it.
    const XmlNode last = lastChildElement(sentence, text::kToken);
    if (!last) {
        m_doc.prompter().message(MessageKind::Warning, kIdSearchCaption, message);
        return false;
    }
    moveTo(last);
    m_doc.prompter().message(MessageKind::Warning, kIdErrorCaption, message);
    return false;
}

bool TextSearch::goToClipboardIdentifier(std::string_view clipboardText)
{
    if (!hasCurrentToken())
        return false;
    const std::string_view text = trimBlanks(clipboardText);
    if (text.empty()) {
        m_doc.prompter().message(MessageKind::Warning, kSearchCaption, kClipboardEmpty);
        return false;
    }
    const std::string message = formatMessage(QT_TRANSLATE_NOOP("core", "Ei leia %s."), text);
    const std::size_t separator = text.find('_');
    IdentifierTarget target;
    if (separator != std::string_view::npos) {
        target = findIdentifier(m_doc, identifierNumber(text.substr(0, separator), 'l'),
                                identifierNumber(text.substr(separator + 1), 's'));
    }
    return goToFound(target.token, target.sentence, message);
}

}  // namespace pelmora
