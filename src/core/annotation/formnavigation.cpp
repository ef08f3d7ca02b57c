// The annotation form's "show next", back history and audio-position label.
#include "annotation/formnavigation.h"

#include "annotation/wordcomparison.h"

#include <charconv>
#include <cstdio>

namespace pelmora {

namespace {

constexpr std::array<NavigationKindTexts, kNavigationKindCount> kKindTexts = {{
    {"Näita järgmist sõnet", "Näita järgmi&st", "Jäta &meelde ja näita järgmist"},
    {"Näita järgmist samasugust sõnet", ">> &samasugune", "Jäta &meelde ja >> samasugune"},
    {"Näita järgmist märksõnastamata sõnet", ">> märk&sõnata", "Jäta &meelde ja >> märksõnata"},
    {"Näita järgmist värviga tähistatud sõnet", ">> vä&rviline", "Jäta &meelde ja >> värviline"},
    {"Näita järgmist märgendust vajavat sõnet", ">> mär&gendatav", "Jäta &meelde ja >> märgendatav"},
    {"Näita järgmist märgendust vajavat, kuid märksõnata sõnet", ">> märk&sõna vajav",
     "Jäta &meelde ja >> märksõna vajav"},
}};

bool isEmptyAttribute(XmlNode token, const char* name)
{
    return CPelmoraDoc::attribute(token, name).empty();
}

bool isTarget(XmlNode candidate, XmlNode current, NavigationKind kind, const MarkedTokenTest& marked)
{
    switch (kind) {
    case NavigationKind::NextToken:
        return true;
    case NavigationKind::SameWord:
        return isSameWord(CPelmoraDoc::tokenText(candidate), CPelmoraDoc::tokenText(current));
    case NavigationKind::WithoutLemma:
        return isEmptyAttribute(candidate, "lemma");
    case NavigationKind::ColourMarked:
        return marked && marked(candidate);
    case NavigationKind::NeedsTagging:
        return isEmptyAttribute(candidate, "meta");
    case NavigationKind::NeedsTaggingWithoutLemma:
        return isEmptyAttribute(candidate, "meta") && isEmptyAttribute(candidate, "lemma");
    }
    return false;
}

std::string sentenceId(XmlNode token)
{
    return CPelmoraDoc::attribute(CPelmoraDoc::sentenceOf(token), "id");
}

}  // namespace

const NavigationKindTexts& navigationKindTexts(NavigationKind kind)
{
    return kKindTexts.at(static_cast<std::size_t>(kind));
}

XmlNode findNavigationTarget(XmlNode current, NavigationKind kind, const MarkedTokenTest& marked)
{
    if (!current)
        return XmlNode();
    for (XmlNode token = CPelmoraDoc::nextToken(current); token; token = CPelmoraDoc::nextToken(token)) {
        if (isTarget(token, current, kind, marked))
            return token;
    }
    return XmlNode();
}

std::string audioPositionLabel(XmlNode sentence)
{
    const std::string value = CPelmoraDoc::attribute(sentence, "helipos");
    long long seconds = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, seconds);
    if (value.empty() || error != std::errc() || stop != end || seconds < 0)
        return "määramata";
    char label[64];
    std::snprintf(label, sizeof label, "%lld min %lld s", seconds / 60, seconds % 60);
    return label;
}

FormNavigation::FormNavigation(CPelmoraDoc& doc)
    : m_doc(doc), m_history(doc, OnTokenRemoved::Drop), m_lastReached(doc, OnTokenRemoved::Drop)
{
}

ShowNextResult FormNavigation::showNext(NavigationKind kind, const MarkedTokenTest& marked,
                                        const SentenceLeft& sentenceLeft)
{
    const XmlNode before = m_doc.currentToken();
    if (!before)
        return ShowNextResult::NothingDone;
    if (!CPelmoraDoc::nextToken(before)) {
        m_doc.prompter().message(MessageKind::Warning, kTitleNotice, "Rohkem sõnu pole");
        return ShowNextResult::NoMoreTokens;
    }
    const XmlNode target = findNavigationTarget(before, kind, marked);
    if (target && !m_doc.setCurrentToken(target))
        return ShowNextResult::Refused;
    if (sentenceLeft && (!target || sentenceId(target) != sentenceId(before)))
        sentenceLeft(CPelmoraDoc::sentenceOf(before));
    if (!target) {
        m_doc.prompter().message(MessageKind::Warning, kTitleNotice, "Rohkem sobivaid sõnu pole");
        return ShowNextResult::NoSuitableToken;
    }
    m_history.pushFront(before, kHistoryLimit);
    m_lastReached.set(target);
    return ShowNextResult::Moved;
}

bool FormNavigation::back()
{
    const XmlNode current = m_doc.currentToken();
    if (!current)
        return false;
    const XmlNode last = m_lastReached.token();
    if (last && current != last)
        return m_doc.setCurrentToken(last);
    if (m_history.empty())
        return false;
    const XmlNode previous = m_history.tokens().front();
    if (!m_doc.setCurrentToken(previous))
        return false;
    m_history.takeFront();
    m_lastReached.set(previous);
    return true;
}

}  // namespace pelmora
