#include "corpus/texttally.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/simpledictionary.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

using namespace text;

namespace {

std::string_view valueOf(XmlNode token, const char* name, std::string_view changedName, std::string_view value)
{
    return changedName == name ? value : attributeValue(token, name);
}

TokenStanding standingOf(std::string_view language, std::string_view meta, std::string_view lemma)
{
    if (isPunctuationOrNumberMark(language) || isPunctuationOrNumberMark(meta))
        return TokenStanding::LeftOut;
    const std::string_view reason = trimBlanks(meta);
    if (!reason.empty() && reason != "-")
        return TokenStanding::Word;
    return trimBlanks(lemma).empty() ? TokenStanding::ToAnnotate : TokenStanding::Annotated;
}

std::string inNfc(std::string_view text)
{
    return isNfc(text) ? std::string(text) : toNfc(text);
}

void addMap(std::map<std::string, long long>& to, const std::map<std::string, long long>& from)
{
    for (const auto& [key, count] : from)
        to[key] += count;
}

}  // namespace

TokenStanding tokenStanding(XmlNode token)
{
    return standingOf(attributeValue(token, kLanguage), attributeValue(token, kMeta), attributeValue(token, kLemma));
}

TokenStanding tokenStandingWith(XmlNode token, std::string_view name, std::string_view value)
{
    return standingOf(valueOf(token, kLanguage, name, value), valueOf(token, kMeta, name, value),
                      valueOf(token, kLemma, name, value));
}

void addStanding(TextCounts& counts, TokenStanding standing, int sign)
{
    if (standing == TokenStanding::LeftOut)
        return;
    counts.tokens += sign;
    if (standing == TokenStanding::Word)
        return;
    counts.toAnnotate += sign;
    if (standing == TokenStanding::Annotated)
        counts.annotated += sign;
}

TextTally& TextTally::operator+=(const TextTally& other)
{
    counts += other.counts;
    addMap(partsOfSpeech, other.partsOfSpeech);
    addMap(unannotatedForms, other.unannotatedForms);
    return *this;
}

TextTally tallyText(XmlNode body)
{
    TextTally tally;
    for (XmlNode sentence = firstChildElement(body, kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
            const TokenStanding standing = tokenStanding(token);
            addStanding(tally.counts, standing, 1);
            if (standing == TokenStanding::Annotated) {
                // As the cache's analyses: a token without a letter or a digit counts as of no kind.
                const bool word = hasLetterOrDigit(elementText(token));
                ++tally.partsOfSpeech[word ? inNfc(trimBlanks(attributeValue(token, kPartOfSpeech))) : std::string()];
            } else if (standing == TokenStanding::ToAnnotate) {
                const std::string_view text = elementText(token);
                if (!hasLetterOrDigit(text))
                    continue;
                std::string key = MakeWordFormKey(text);
                if (!key.empty())
                    ++tally.unannotatedForms[std::move(key)];
            }
        }
        for (XmlNode c = firstChildElement(sentence, kCombination); c; c = nextSiblingElement(c, kCombination))
            ++tally.counts.combinations;
    }
    return tally;
}

TextCounts countText(XmlNode body)
{
    TextCounts counts;
    for (XmlNode sentence = firstChildElement(body, kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken))
            addStanding(counts, tokenStanding(token), 1);
        for (XmlNode c = firstChildElement(sentence, kCombination); c; c = nextSiblingElement(c, kCombination))
            ++counts.combinations;
    }
    return counts;
}

TextTally tallyOfSummary(const CorpusFileSummary& summary)
{
    TextTally tally;
    tally.counts = summary.counts;
    long long withAnalysis = 0;
    for (const TokenAnalysis& analysis : summary.analyses) {
        ++tally.partsOfSpeech[std::string(trimBlanks(summary.partOfSpeech(analysis)))];
        ++withAnalysis;
    }
    // Annotated tokens without a letter or a digit carry no analysis entry; they count as none.
    if (summary.hasAnalyses && summary.counts.annotated > withAnalysis)
        tally.partsOfSpeech[""] += summary.counts.annotated - withAnalysis;
    tally.unannotatedForms = summary.unannotatedForms;
    return tally;
}

std::vector<std::pair<std::string, long long>> mostFrequent(const std::map<std::string, long long>& counts,
                                                            std::size_t limit)
{
    std::vector<std::pair<std::string, long long>> entries(counts.begin(), counts.end());
    const auto order = [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : compareOrdinal(a.first, b.first) < 0;
    };
    const std::size_t kept = std::min(limit, entries.size());
    std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end(), order);
    entries.resize(kept);
    return entries;
}

// --- TextProgress ----------------------------------------------------------------------------

TextProgress::TextProgress(CPelmoraDoc& doc, std::function<void()> changed) : m_doc(doc), m_changed(std::move(changed))
{
    m_doc.addObserver(this);
    recount();
}

TextProgress::~TextProgress()
{
    m_doc.removeObserver(this);
}

void TextProgress::attributeChanged(XmlNode element, const char* name, std::string_view oldValue)
{
    if (m_stale || m_countedRevision != m_doc.structureRevision() || !isElement(element, kToken) ||
        !isElement(element.parent(), kSentence))
        return;
    const std::string_view changed = name;
    if (changed != kLemma && changed != kMeta && changed != kLanguage)
        return;
    const TextCounts before = m_counts;
    addStanding(m_counts, tokenStandingWith(element, changed, oldValue), -1);
    addStanding(m_counts, tokenStanding(element), 1);
    if (m_changed && !(m_counts == before))
        m_changed();
}

void TextProgress::recountIfStale()
{
    if (m_stale || m_countedRevision != m_doc.structureRevision()) {
        const TextCounts before = m_counts;
        recount();
        if (m_changed && !(m_counts == before))
            m_changed();
    }
}

void TextProgress::recount()
{
    m_counts = m_doc.hasText() ? countText(m_doc.body()) : TextCounts{};
    m_countedRevision = m_doc.structureRevision();
    m_stale = false;
}

}  // namespace pelmora
