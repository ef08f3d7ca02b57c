#include "exchange/textbuilder.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "text/combinations.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora::exchange {

using namespace text;

namespace {

// Whether XML 1.0 allows the character in a document.
bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// True when every byte is printable ASCII or a tab, line feed or carriage return: nothing to clean.
bool isPlainAscii(std::string_view value)
{
    return std::all_of(value.begin(), value.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte < 0x80) || byte == '\t' || byte == '\n' || byte == '\r';
    });
}

}  // namespace

CorpusTextBuilder::CorpusTextBuilder()
{
    m_xml.loadFromBuffer(emptyBodyTemplate());
    m_body = firstChildElement(m_xml.root(), kBody);
}

std::string_view CorpusTextBuilder::clean(std::string_view value)
{
    if (isPlainAscii(value))
        return value;
    // Valid UTF-8 holds no character XML forbids but the C0 controls and U+FFFE, U+FFFF (EF BF BE,
    // EF BF BF): those are looked for byte by byte, and only a value that has one is rebuilt.
    bool valid = isValidUtf8(value);
    for (std::size_t at = 0; valid && at < value.size(); ++at) {
        const auto byte = static_cast<unsigned char>(value[at]);
        if (byte < 0x20)
            valid = byte == '\t' || byte == '\n' || byte == '\r';
        else if (byte == 0xEF && at + 2 < value.size())
            valid = !(value[at + 1] == '\xBF' && (value[at + 2] == '\xBE' || value[at + 2] == '\xBF'));
    }
    std::string_view text = value;
    if (!valid) {
        m_cleaned.clear();
        for (std::size_t at = 0; at < value.size();) {
            const std::size_t start = at;
            const char32_t c = decodeUtf8(value, at);
            const bool invalidBytes = c == 0xFFFD && value.substr(start, at - start) != "\uFFFD";
            if (invalidBytes || !isXmlCharacter(c)) {
                appendUtf8(m_cleaned, 0xFFFD);
                m_report.note(noted::kBadCharacters);
            } else {
                m_cleaned.append(value.substr(start, at - start));
            }
        }
        text = m_cleaned;
    }
    return nfcView(text, m_normalised);
}

void CorpusTextBuilder::setTextId(std::string_view id)
{
    if (!id.empty())
        pelmora::setAttribute(m_body, kId, clean(id));
}

void CorpusTextBuilder::addMetadata(std::string_view key, std::string_view value)
{
    if (!addMetadataField(m_xml.root(), key, clean(value)))
        m_report.note(noted::kMetadataKey);
}

void CorpusTextBuilder::addSpeakerUnlessKnown(std::string_view id)
{
    if (id.empty())
        return;
    const XmlNode info = firstChildElement(m_xml.root(), kInfo);
    if (!m_speakersRead) {
        m_speakersRead = true;
        for (XmlNode child = info.first_child(); child; child = child.next_sibling())
            if (isElement(child, meta::kSpeaker) || isElement(child, meta::kInterviewer))
                m_speakers.insert(std::string(attributeValue(child, kId)));
    }
    const std::string cleaned(clean(id));
    if (!m_speakers.insert(cleaned).second)
        return;
    XmlNode target = info ? info : m_xml.root().prepend_child(kInfo);
    const XmlNode speaker = target.append_child(meta::kSpeaker);
    pelmora::setAttribute(speaker, kId, cleaned);
    setElementText(speaker, cleaned);
}

XmlNode CorpusTextBuilder::addSentence(std::string_view wantedId)
{
    ++m_sentenceCount;
    std::string id(wantedId);
    if (!isSentenceIdentifier(id) || m_sentenceIds.count(id) > 0) {
        std::size_t number = m_sentenceCount;
        do
            id = "l" + std::to_string(number++);
        while (m_sentenceIds.count(id) > 0);
    }
    m_sentenceIds.insert(id);
    m_sentence = m_body.append_child(kSentence);
    pelmora::setAttribute(m_sentence, kId, id);
    m_sentenceId = std::move(id);
    m_tokens.clear();
    return m_sentence;
}

void CorpusTextBuilder::setAttribute(XmlNode element, const char* name, std::string_view value)
{
    if (!value.empty())
        pelmora::setAttribute(element, name, clean(value));
}

XmlNode CorpusTextBuilder::addToken(std::string_view text, const TokenFieldValues& fields)
{
    if (!m_sentence)
        addSentence();
    XmlNode token = m_sentence.append_child(kToken);
    m_tokens.push_back(token);
    ++m_tokenCount;
    // A new element: its attributes are appended without looking for ones of the same name.
    const std::string_view cleanText = clean(text);
    token.append_child(pugi::node_pcdata).set_value(cleanText.data(), cleanText.size());
    m_idText = m_sentenceId;
    m_idText += "_s";
    m_idText += std::to_string(m_tokens.size());
    token.append_attribute(kId).set_value(m_idText.data(), m_idText.size());
    for (std::size_t i = 0; i < kTokenFieldCount; ++i) {
        if (fields[i].empty())
            continue;
        const std::string_view value = clean(fields[i]);
        token.append_attribute(tokenFieldAttribute(kTokenFields[i])).set_value(value.data(), value.size());
    }
    return token;
}

bool CorpusTextBuilder::addCombination(std::vector<int> words, std::string_view lemma, std::string_view meaning,
                                       std::string_view partOfSpeech)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    const auto outside = [&](int w) { return w < 1 || static_cast<std::size_t>(w) > m_tokens.size(); };
    if (words.size() < 2 || std::any_of(words.begin(), words.end(), outside))
        return false;
    // After the last word and after the combinations that already stand there.
    XmlNode after = m_tokens[static_cast<std::size_t>(words.back()) - 1];
    while (isElement(after.next_sibling(), kCombination))
        after = after.next_sibling();
    const XmlNode combination = m_sentence.insert_child_after(kCombination, after);
    pelmora::setAttribute(combination, kId, combinationIdentifier(m_sentenceId, words));
    setAttribute(combination, kCombinationLemma, lemma);
    setAttribute(combination, kCombinationMeaning, meaning);
    setAttribute(combination, kCombinationPartOfSpeech, partOfSpeech);
    for (const int word : words)
        pelmora::setAttribute(m_tokens[static_cast<std::size_t>(word) - 1], kCombinationMark, "+");
    return true;
}

bool CorpusTextBuilder::finish(std::string& reason)
{
    XmlNode sentence = firstChildElement(m_body, kSentence);
    while (sentence && !firstChildElement(sentence, kToken)) {
        const XmlNode next = nextSiblingElement(sentence, kSentence);
        m_body.remove_child(sentence);
        sentence = next;
    }
    if (!sentence) {
        reason = translatedText(QT_TRANSLATE_NOOP("core", "failis pole ühtegi sõnet"));
        return false;
    }
    return true;
}

}  // namespace pelmora::exchange
