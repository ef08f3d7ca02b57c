#include "exchange/corpusreading.h"

#include "common/strings.h"
#include "common/translation.h"
#include "text/combinations.h"
#include "text/identifiers.h"
#include "text/textformat.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unordered_map>

namespace pelmora::exchange {

using namespace text;

namespace {

constexpr std::array<const char*, kTokenFieldCount> kFieldAttributes{
    kPage, kLanguage, kLemma, kMeaning, kLatvian, kEnglish, kPartOfSpeech, kForm, kMeta, kStyle, kComment, kAuto};

constexpr std::array<const char*, 3> kTranslationAttributes{kEstonianTranslation, kLatvianTranslation,
                                                            kEnglishTranslation};

// Reads the attributes of a token into its fields; the id and the combination mark (which an
// import makes again from the combinations) are known too.
void readTokenAttributes(XmlNode token, TokenValues& out, ExchangeReport& report)
{
    for (pugi::xml_attribute attribute = token.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        bool known = false;
        for (std::size_t i = 0; i < kTokenFieldCount && !known; ++i) {
            if (name[0] == kFieldAttributes[i][0] && std::strcmp(name, kFieldAttributes[i]) == 0) {
                out.fields[i] = attribute.value();
                known = true;
            }
        }
        if (known)
            continue;
        if (std::strcmp(name, kId) == 0)
            out.id = attribute.value();
        else if (std::strcmp(name, kCombinationMark) != 0)
            report.note(formatText(QT_TRANSLATE_NOOP("core", "sõne atribuut %s"), {name}));
    }
}

void readSentenceAttributes(XmlNode sentence, SentenceValues& out, ExchangeReport& report)
{
    for (pugi::xml_attribute attribute = sentence.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const std::string_view name = attribute.name();
        if (name == kId)
            out.id = attribute.value();
        else if (name == kSpeaker)
            out.speaker = attribute.value();
        else if (name == kAudioPosition)
            out.audioPosition = attribute.value();
        else if (const auto found = std::find(kTranslationAttributes.begin(), kTranslationAttributes.end(), name);
                 found != kTranslationAttributes.end())
            out.translations[static_cast<std::size_t>(found - kTranslationAttributes.begin())] = attribute.value();
        else
            report.note(formatText(QT_TRANSLATE_NOOP("core", "lause atribuut %s"), {attribute.name()}));
    }
}

// The combinations of a sentence with their words as positions among its tokens.
void readCombinations(const std::vector<XmlNode>& combinations, const std::vector<XmlNode>& tokens,
                      SentenceValues& out, ExchangeReport& report)
{
    if (combinations.empty())
        return;
    std::unordered_map<int, int> indexOfPosition;
    for (std::size_t i = 0; i < tokens.size(); ++i)
        indexOfPosition.emplace(tokenPosition(tokens[i]), static_cast<int>(i) + 1);
    for (const XmlNode combination : combinations) {
        CombinationValues values;
        bool whole = true;
        for (const int position : combinationPositions(attributeValue(combination, kId))) {
            const auto found = indexOfPosition.find(position);
            if (position <= 0 || found == indexOfPosition.end()) {
                whole = false;
                break;
            }
            values.words.push_back(found->second);
        }
        std::sort(values.words.begin(), values.words.end());
        values.words.erase(std::unique(values.words.begin(), values.words.end()), values.words.end());
        if (!whole || values.words.size() < 2) {
            report.note(noted::kBrokenCombination);
            continue;
        }
        values.lemma = attributeValue(combination, kCombinationLemma);
        values.meaning = attributeValue(combination, kCombinationMeaning);
        values.partOfSpeech = attributeValue(combination, kCombinationPartOfSpeech);
        out.combinations.push_back(std::move(values));
    }
}

// Whether the token's identifier is the one an import gives it: the sentence's, "_s" and its place.
bool isPositionalTokenId(std::string_view tokenId, std::string_view sentenceId, std::size_t place)
{
    if (tokenId.size() <= sentenceId.size() + 2 || !tokenId.starts_with(sentenceId))
        return false;
    tokenId.remove_prefix(sentenceId.size());
    if (!tokenId.starts_with("_s"))
        return false;
    tokenId.remove_prefix(2);
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(tokenId.data(), tokenId.data() + tokenId.size(), number);
    return error == std::errc() && end == tokenId.data() + tokenId.size() && number == place && tokenId[0] != '0';
}

bool isOpening(std::string_view t) { return t == "(" || t == "[" || t == "\u201E"; }

bool isClosing(std::string_view t)
{
    static constexpr std::array<std::string_view, 12> kClosing{",", ";", ".", ":", "!", "?", ")", "]", "\u201D", "\u201F",
                                                               "...", "\u2026"};
    return std::find(kClosing.begin(), kClosing.end(), t) != kClosing.end();
}

bool isAmbiguousQuote(std::string_view t) { return t == "\"" || t == "\u201C"; }

// Parses "name", "name.2", "name@attr" or "name.2@attr".
struct MetadataKey {
    std::string_view element;
    std::size_t occurrence = 1;
    std::string_view attribute;
};

bool isXmlName(std::string_view name)
{
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
    });
}

bool parseMetadataKey(std::string_view key, MetadataKey& out)
{
    const std::size_t at = key.find('@');
    if (at != std::string_view::npos) {
        out.attribute = key.substr(at + 1);
        key = key.substr(0, at);
        if (!isXmlName(out.attribute))
            return false;
    }
    const std::size_t dot = key.find('.');
    out.element = key.substr(0, dot);
    if (dot != std::string_view::npos) {
        const std::string_view number = key.substr(dot + 1);
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), out.occurrence);
        if (error != std::errc() || end != number.data() + number.size() || out.occurrence < 2 || out.occurrence > 10000)
            return false;
    }
    return isXmlName(out.element);
}

}  // namespace

const char* tokenFieldAttribute(TokenField field) { return kFieldAttributes[static_cast<std::size_t>(field)]; }

const char* translationAttribute(Translation translation)
{
    return kTranslationAttributes[static_cast<std::size_t>(translation)];
}

std::string_view translationLanguage(Translation translation)
{
    static constexpr std::array<std::string_view, 3> kLanguages{"et", "lv", "en"};
    return kLanguages[static_cast<std::size_t>(translation)];
}

bool isSentenceIdentifier(std::string_view id)
{
    return id.size() >= 2 && id.size() <= 10 && id[0] == 'l' && id[1] != '0' &&
           std::all_of(id.begin() + 1, id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

SentenceReader::SentenceReader(XmlNode body, ExchangeReport& report)
    : m_next(firstChildElement(body, kSentence)), m_report(report)
{
    for (XmlNode child = body.first_child(); child; child = child.next_sibling())
        if (!isElement(child, kSentence))
            report.note(noted::kBodyContent);
}

bool SentenceReader::next(SentenceValues& out)
{
    bool unusableId = false;
    const XmlNode sentence = nextElement(unusableId);
    if (!sentence)
        return false;
    readSentence(sentence, out, m_report);
    if (unusableId)
        m_report.note(noted::kSentenceId);
    return true;
}

XmlNode SentenceReader::nextElement(bool& unusableId)
{
    const XmlNode sentence = m_next;
    if (!sentence)
        return sentence;
    const std::string_view id = attributeValue(sentence, kId);
    unusableId = !isSentenceIdentifier(id) || !m_ids.insert(std::string(id)).second;
    m_next = nextSiblingElement(m_next, kSentence);
    return sentence;
}

void readSentence(XmlNode sentence, SentenceValues& out, ExchangeReport& report)
{
    out.tokens.clear();
    out.combinations.clear();
    out.id = out.speaker = out.audioPosition = {};
    out.translations = {};
    readSentenceAttributes(sentence, out, report);
    std::vector<XmlNode> tokens;
    std::vector<XmlNode> combinations;
    for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
        if (isElement(child, kToken))
            tokens.push_back(child);
        else if (isElement(child, kCombination))
            combinations.push_back(child);
        else
            report.note(noted::kOtherContent);
    }
    out.tokens.resize(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        TokenValues& token = out.tokens[i];
        token.text = elementText(tokens[i]);
        readTokenAttributes(tokens[i], token, report);
        if (!isPositionalTokenId(token.id, out.id, i + 1))
            report.note(noted::kTokenId);
        // Anything in a token beside its text (a comment, an element) has no place in the formats.
        const XmlNode first = tokens[i].first_child();
        if (first && (first.next_sibling() || first.type() != pugi::node_pcdata))
            report.note(noted::kOtherContent);
    }
    readCombinations(combinations, tokens, out, report);
}

std::vector<bool> blankAfter(const std::vector<TokenValues>& tokens)
{
    std::vector<bool> blanks(tokens.size(), true);
    bool quoteOpen = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string_view text = tokens[i].text;
        bool opens = isOpening(text);
        if (isAmbiguousQuote(text)) {
            opens = !quoteOpen;
            quoteOpen = !quoteOpen;
            if (!opens && i > 0)
                blanks[i - 1] = false;  // a closing quote leans on the word before it
        }
        if (opens)
            blanks[i] = false;
        if (i > 0 && isClosing(text))
            blanks[i - 1] = false;
    }
    if (!blanks.empty())
        blanks.back() = false;
    return blanks;
}

std::string runningText(const std::vector<std::string_view>& words, const std::vector<bool>& blanks)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += words[i];
        if (i < blanks.size() && blanks[i] && i + 1 < words.size())
            text += ' ';
    }
    return text;
}

std::vector<MetadataField> metadataFields(XmlNode info, ExchangeReport& report)
{
    std::vector<MetadataField> fields;
    std::unordered_map<std::string, std::size_t> seen;
    for (XmlNode element = info.first_child(); element; element = element.next_sibling()) {
        if (element.type() != pugi::node_element) {
            report.note(noted::kInfoContent);
            continue;
        }
        const std::size_t occurrence = ++seen[element.name()];
        std::string key = element.name();
        if (occurrence > 1)
            key += "." + std::to_string(occurrence);
        const std::string_view text = elementText(element);
        if (!text.empty() || !element.first_attribute())
            fields.push_back({key, std::string(text)});
        for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute())
            fields.push_back({key + "@" + attribute.name(), attribute.value()});
        for (XmlNode inner = element.first_child(); inner; inner = inner.next_sibling())
            if (inner.type() != pugi::node_pcdata || inner != element.first_child())
                report.note(noted::kInfoContent);
    }
    return fields;
}

bool addMetadataField(XmlNode root, std::string_view key, std::string_view value)
{
    MetadataKey parsed;
    if (!parseMetadataKey(key, parsed))
        return false;
    XmlNode info = firstChildElement(root, kInfo);
    if (!info)
        info = root.prepend_child(kInfo);
    const std::string elementName(parsed.element);
    XmlNode element;
    std::size_t found = 0;
    for (XmlNode child = firstChildElement(info, elementName.c_str()); child;
         child = nextSiblingElement(child, elementName.c_str()))
        if (++found == parsed.occurrence)
            element = child;
    for (; found < parsed.occurrence; ++found)
        element = info.append_child(elementName.c_str());
    if (parsed.attribute.empty())
        return value.empty() || setElementText(element, value);
    return setAttribute(element, std::string(parsed.attribute).c_str(), value);
}

}  // namespace pelmora::exchange
