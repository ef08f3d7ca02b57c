#include "exchange/flextext.h"

#include "common/translation.h"
#include "exchange/audiotimes.h"
#include "exchange/mappings.h"
#include "exchange/xmlinput.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>

namespace pelmora::exchange {

using namespace text;

namespace {

// Word items that go straight into a field.
constexpr std::array<std::pair<std::string_view, TokenField>, 6> kWordItems{{
    {"note", TokenField::Comment},
    {"stiil", TokenField::Style},
    {"meta", TokenField::Reason},
    {"lk", TokenField::Page},
    {"keel", TokenField::Language},
    {"auto", TokenField::Auto},
}};

constexpr std::array<std::string_view, 4> kStemTypes{"root", "stem", "bound root", "bound stem"};

std::string& field(TokenFieldValues& fields, TokenField f) { return fields[static_cast<std::size_t>(f)]; }

// The positions of a combination's group ("s3_s4", perhaps "#2" after it).
std::vector<int> groupPositions(std::string_view group)
{
    std::vector<int> positions;
    group = group.substr(0, group.find('#'));
    std::size_t start = 0;
    while (start <= group.size()) {
        const std::size_t end = std::min(group.find('_', start), group.size());
        const std::string_view part = group.substr(start, end - start);
        int value = 0;
        if (part.size() < 2 || part.size() > 10 || part[0] != 's' ||
            std::from_chars(part.data() + 1, part.data() + part.size(), value).ptr != part.data() + part.size())
            return {};
        positions.push_back(value);
        start = end + 1;
    }
    return positions;
}

class TextReader {
public:
    TextReader(CorpusTextBuilder& builder, ExchangeReport& report) : m_builder(builder), m_report(report) {}

    // Reads one interlinear text; returns its title.
    std::string read(XmlNode text)
    {
        m_withoutEstonian = !usesEstonian(text);
        std::string title = readTextItems(text);
        for (XmlNode media = firstChildElement(firstChildElement(text, "media-files"), "media"); media;
             media = nextSiblingElement(media, "media"))
            if (!m_hasRecording && !attributeValue(media, "location").empty())
                m_builder.addMetadata(std::string(meta::kRecording) + "@" + meta::kAudioFile,
                                      fileNameOfUri(attributeValue(media, "location")));
        for (XmlNode paragraph = firstChildElement(firstChildElement(text, "paragraphs"), "paragraph"); paragraph;
             paragraph = nextSiblingElement(paragraph, "paragraph"))
            for (XmlNode phrase = firstChildElement(firstChildElement(paragraph, "phrases"), "phrase"); phrase;
                 phrase = nextSiblingElement(phrase, "phrase"))
                readPhrase(phrase);
        return title;
    }

private:
    // The text's own items: our metadata, or else FLEx's title and comment as topic and other information.
    std::string readTextItems(XmlNode text)
    {
        std::string title;
        std::string other;
        bool ours = false;
        for (XmlNode item = firstChildElement(text, "item"); item; item = nextSiblingElement(item, "item"))
            ours = ours || std::string_view(attributeValue(item, "type")).starts_with("meta::");
        for (XmlNode item = firstChildElement(text, "item"); item; item = nextSiblingElement(item, "item")) {
            const std::string_view type = attributeValue(item, "type");
            const std::string value = runText(item);
            if (type.starts_with("meta::")) {
                m_builder.addMetadata(type.substr(6), value == "_" ? std::string() : value);
                m_hasRecording = m_hasRecording || type.substr(6) == "lindistus@fail";
            } else if (type == "title-abbreviation" && ours) {
                m_builder.setTextId(value);
            } else if (type == "title") {
                if (title.empty() && !ours)
                    m_builder.addMetadata(meta::kTopic, value);
                if (title.empty())
                    title = value;
            } else if ((type == "comment" || type == "description") && !ours) {
                other += (other.empty() ? "" : "\n") + value;
            } else if (type != "title-abbreviation") {
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "FlexText teksti väli „%s“"), {std::string(type)}));
            }
        }
        if (!other.empty())
            m_builder.addMetadata(meta::kOther, other);
        return title;
    }

    void readPhrase(XmlNode phrase)
    {
        std::string id;
        std::map<std::string, std::string, std::less<>> translations;
        struct Combination {
            std::string lemma, meaning, partOfSpeech;
        };
        std::map<std::string, Combination, std::less<>> combinations;
        for (XmlNode item = firstChildElement(phrase, "item"); item; item = nextSiblingElement(item, "item")) {
            const std::string_view type = attributeValue(item, "type");
            const std::string value = runText(item);
            const std::string group(attributeValue(item, "groupid"));
            if (type == "segnum")
                id = value;
            else if (type == "gls")
                translations.emplace(std::string(attributeValue(item, "lang")), value);
            else if (type == "yhend")
                combinations[group].lemma = value;
            else if (type == "ytahendus")
                combinations[group].meaning = value;
            else if (type == "yliik")
                combinations[group].partOfSpeech = value;
            else
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "FlexText lause väli „%s“"), {std::string(type)}));
        }
        const XmlNode sentence = m_builder.addSentence(id);
        readPhraseAttributes(phrase, sentence);
        readTranslations(translations, sentence);
        for (XmlNode word = firstChildElement(firstChildElement(phrase, "words"), "word"); word;
             word = nextSiblingElement(word, "word"))
            readWord(word);
        for (const auto& [group, combination] : combinations)
            if (!m_builder.addCombination(groupPositions(group), combination.lemma, combination.meaning,
                                          combination.partOfSpeech))
                m_report.note(QT_TRANSLATE_NOOP("core", "vigased ühendid (jäeti välja)"));
    }

    void readPhraseAttributes(XmlNode phrase, XmlNode sentence)
    {
        const std::string_view speaker = attributeValue(phrase, "speaker");
        m_builder.setAttribute(sentence, kSpeaker, speaker);
        m_builder.addSpeakerUnlessKnown(speaker);
        const std::string_view begin = attributeValue(phrase, "begin-time-offset");
        if (begin.empty())
            return;
        if (const std::optional<std::string> seconds = secondsOfMilliseconds(begin))
            m_builder.setAttribute(sentence, kAudioPosition, *seconds);
        else
            m_report.note(QT_TRANSLATE_NOOP("core", "vigased lause algusajad (jäeti välja)"));
    }

    void readTranslations(std::map<std::string, std::string, std::less<>>& translations, XmlNode sentence)
    {
        for (const Translation t : kTranslations) {
            const auto found = translations.find(translationLanguage(t));
            if (found != translations.end()) {
                m_builder.setAttribute(sentence, translationAttribute(t), found->second);
                translations.erase(found);
            }
        }
        for (const auto& [language, text] : translations)
            m_report.note(formatText(QT_TRANSLATE_NOOP("core", "lause tõlge keelde „%s“"), {language}));
    }

    void readWord(XmlNode word)
    {
        TokenFieldValues fields;
        std::string text;
        Glosses glosses;
        for (XmlNode item = firstChildElement(word, "item"); item; item = nextSiblingElement(item, "item")) {
            const std::string_view type = attributeValue(item, "type");
            const std::string value = runText(item);
            const auto known = std::find_if(kWordItems.begin(), kWordItems.end(), [&](const auto& w) { return w.first == type; });
            if (type == "txt" || type == "punct") {
                text = value;
                if (type == "punct" && field(fields, TokenField::Reason).empty())
                    field(fields, TokenField::Reason) = "vahemärk";
            } else if (type == "gls") {
                glosses.emplace(std::string(attributeValue(item, "lang")), value);
            } else if (type == "pos") {
                readPartOfSpeech(value, field(fields, TokenField::PartOfSpeech));
            } else if (known != kWordItems.end()) {
                field(fields, known->second) = value;
            } else {
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "FlexText sõna väli „%s“"), {std::string(type)}));
            }
        }
        readMorph(word, fields, glosses);
        field(fields, TokenField::Meaning) = meaningOfGlosses(glosses, m_withoutEstonian);
        for (const auto& [language, gloss] : glosses)
            if (language != "et" && language != "lv" && language != "en" && gloss != field(fields, TokenField::Meaning))
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "sõna tähendus keeles „%s“"), {language}));
        if (const auto latvian = glosses.find("lv"); latvian != glosses.end())
            field(fields, TokenField::Latvian) = latvian->second;
        if (const auto english = glosses.find("en"); english != glosses.end())
            field(fields, TokenField::English) = english->second;
        m_builder.addToken(text, fields);
    }

    void readPartOfSpeech(const std::string& label, std::string& partOfSpeech)
    {
        partOfSpeech = partOfSpeechOfLabel(label);
        if (partOfSpeech.empty() && !label.empty())
            m_report.note(formatText(QT_TRANSLATE_NOOP("core", "sõnaliik, millel pole vastet: „%s“"), {label}));
    }

    // The stem morph gives the lemma, the form tag (its "msa" without the part of speech in front)
    // and, when the word has no gloss, the meaning; further morphs are left out.
    void readMorph(XmlNode word, TokenFieldValues& fields, Glosses& glosses)
    {
        XmlNode stem;
        std::size_t morphs = 0;
        for (XmlNode morph = firstChildElement(firstChildElement(word, "morphemes"), "morph"); morph;
             morph = nextSiblingElement(morph, "morph")) {
            ++morphs;
            const std::string_view type = attributeValue(morph, "type");
            if (!stem && std::find(kStemTypes.begin(), kStemTypes.end(), type) != kStemTypes.end())
                stem = morph;
        }
        if (!stem)
            stem = firstChildElement(firstChildElement(word, "morphemes"), "morph");
        if (morphs > 1)
            m_report.note(QT_TRANSLATE_NOOP("core", "morfeemid tüve kõrval"));
        const std::string& partOfSpeech = field(fields, TokenField::PartOfSpeech);
        for (XmlNode item = firstChildElement(stem, "item"); item; item = nextSiblingElement(item, "item")) {
            const std::string_view type = attributeValue(item, "type");
            std::string value = runText(item);
            if (type == "cf")
                field(fields, TokenField::Lemma) = value;
            else if (type == "gls")
                glosses.emplace(std::string(attributeValue(item, "lang")), value);  // the word's own gloss wins
            else if (type == "msa")
                field(fields, TokenField::Form) = formOfMsa(value, partOfSpeech);
            else if (type != "txt" && type != "hn")
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "FlexText morfeemi väli „%s“"),
                                         {std::string(type)}));
        }
    }

    static std::string formOfMsa(const std::string& msa, const std::string& partOfSpeech)
    {
        if (!partOfSpeech.empty() && msa == partOfSpeech)
            return {};
        if (!partOfSpeech.empty() && msa.starts_with(partOfSpeech + " "))
            return msa.substr(partOfSpeech.size() + 1);
        return msa;
    }

    CorpusTextBuilder& m_builder;
    ExchangeReport& m_report;
    bool m_hasRecording = false;
    bool m_withoutEstonian = false;
};

}  // namespace

bool readFlexText(std::string_view bytes, std::vector<std::unique_ptr<CorpusTextBuilder>>& texts,
                  std::vector<std::string>& titles, ExchangeReport& report, std::string& reason)
{
    XmlDocument xml;
    return loadExchangeXml(bytes, xml, "document", reason) && readFlexTextDocument(xml, texts, titles, report, reason);
}

bool readFlexTextDocument(const XmlDocument& xml, std::vector<std::unique_ptr<CorpusTextBuilder>>& texts,
                          std::vector<std::string>& titles, ExchangeReport& report, std::string& reason)
{
    if (!firstChildElement(xml.root(), "interlinear-text")) {
        reason = translatedText(QT_TRANSLATE_NOOP("core", "failis pole ühtegi teksti (interlinear-text)"));
        return false;
    }
    for (XmlNode text = firstChildElement(xml.root(), "interlinear-text"); text;
         text = nextSiblingElement(text, "interlinear-text")) {
        texts.push_back(std::make_unique<CorpusTextBuilder>());
        titles.push_back(TextReader(*texts.back(), report).read(text));
    }
    return true;
}

}  // namespace pelmora::exchange
