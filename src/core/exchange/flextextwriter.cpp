#include "exchange/flextext.h"

#include "exchange/corpusreading.h"
#include "exchange/audiotimes.h"
#include "exchange/xmlwriter.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <array>
#include <unordered_set>

namespace pelmora::exchange {

using namespace text;

namespace {

constexpr std::string_view kVernacular = "liv";
constexpr std::string_view kAnalysis = "et";

// The word items of the fields that are not glosses, the part of speech or the morph's values.
struct WordItem {
    TokenField field;
    std::string_view type;
};
constexpr std::array<WordItem, 6> kWordItems{{
    {TokenField::Comment, "note"},
    {TokenField::Style, "stiil"},
    {TokenField::Reason, "meta"},
    {TokenField::Page, "lk"},
    {TokenField::Language, "keel"},
    {TokenField::Auto, "auto"},
}};

constexpr std::string_view kPunctuation = "vahemärk";

class Writer {
public:
    Writer(XmlNode root, ExchangeReport& report, const ExportSink& sink)
        : m_root(root), m_report(report), m_xml(report, sink)
    {
    }

    bool run()
    {
        const XmlNode body = firstChildElement(m_root, kBody);
        const XmlNode info = firstChildElement(m_root, kInfo);
        const std::string_view recording = attributeValue(firstChildElement(info, meta::kRecording), meta::kAudioFile);
        m_xml.start("document");
        m_xml.attribute("version", "2");
        m_xml.start("interlinear-text");
        writeTextItems(body, info);
        m_xml.start("paragraphs");
        writeParagraphs(body, !recording.empty());
        m_xml.end();
        m_xml.start("languages");
        for (const std::string_view lang : {kVernacular, kAnalysis, std::string_view("lv"), std::string_view("en")}) {
            m_xml.start("language");
            m_xml.attribute("lang", lang);
            if (lang == kVernacular)
                m_xml.attribute("vernacular", "true");
            m_xml.end();
        }
        m_xml.end();
        if (!recording.empty()) {
            m_xml.start("media-files");
            m_xml.attribute("offset-type", "milliseconds");
            m_xml.start("media");
            m_xml.attribute("guid", "m1");
            m_xml.attribute("location", uriOfFileName(recording));
            m_xml.end();
            m_xml.end();
        }
        m_xml.finish();
        return m_xml.ok();
    }

private:
    void item(std::string_view type, std::string_view lang, std::string_view value, std::string_view group = {})
    {
        if (value.empty())
            return;
        m_xml.start("item");
        m_xml.attribute("type", type);
        m_xml.attribute("lang", lang);
        if (!group.empty())
            m_xml.attribute("groupid", group);
        m_xml.text(value);
        m_xml.end();
    }

    void writeTextItems(XmlNode body, XmlNode info)
    {
        const std::string_view textId = attributeValue(body, kId);
        const std::string_view topic = elementText(firstChildElement(info, meta::kTopic));
        item("title", kAnalysis, topic.empty() ? textId : topic);
        item("title-abbreviation", kAnalysis, textId);
        for (const MetadataField& field : metadataFields(info, m_report))
            item("meta::" + field.key, kAnalysis, field.value.empty() ? std::string_view("_") : std::string_view(field.value));
    }

    void writeParagraphs(XmlNode body, bool hasRecording)
    {
        SentenceReader reader(body, m_report);
        std::vector<SentenceValues> sentences(1);
        while (reader.next(sentences.back()))
            sentences.emplace_back();
        sentences.pop_back();
        const std::vector<std::string> ends = sentenceEnds(sentences);
        bool paragraphOpen = false;
        for (std::size_t i = 0; i < sentences.size(); ++i) {
            const SentenceValues& sentence = sentences[i];
            // A speaker's turn is one paragraph; a sentence without a speaker is one of its own.
            const bool sameTurn = i > 0 && !sentence.speaker.empty() && sentence.speaker == sentences[i - 1].speaker;
            if (paragraphOpen && !sameTurn) {
                m_xml.end();
                m_xml.end();
            }
            if (!sameTurn || !paragraphOpen) {
                m_xml.start("paragraph");
                m_xml.start("phrases");
                paragraphOpen = true;
            }
            writePhrase(sentence, ends[i], hasRecording);
        }
        if (paragraphOpen) {
            m_xml.end();
            m_xml.end();
        }
    }

    void writePhrase(const SentenceValues& sentence, const std::string& end, bool hasRecording)
    {
        m_xml.start("phrase");
        const std::string begin = millisecondsOf(sentence.audioPosition);
        if (!sentence.audioPosition.empty() && begin.empty())
            m_report.note(noted::kAudioPosition);
        if (!begin.empty()) {
            m_xml.attribute("begin-time-offset", begin);
            if (!end.empty())
                m_xml.attribute("end-time-offset", end);
            if (hasRecording)
                m_xml.attribute("media-file", "m1");
        }
        if (!sentence.speaker.empty())
            m_xml.attribute("speaker", sentence.speaker);
        item("segnum", kAnalysis, sentence.id);
        m_xml.start("words");
        for (const TokenValues& token : sentence.tokens)
            writeWord(token);
        m_xml.end();
        for (const Translation t : kTranslations)
            item("gls", translationLanguage(t), sentence[t]);
        std::unordered_set<std::string> groups;
        for (const CombinationValues& combination : sentence.combinations) {
            std::string group;
            for (const int w : combination.words)
                group += (group.empty() ? "s" : "_s") + std::to_string(w);
            for (int copy = 2; !groups.insert(group).second; ++copy)
                group = group.substr(0, group.find('#')) + "#" + std::to_string(copy);
            // The lemma item stands also when the lemma is empty: it carries the combination.
            m_xml.textElement("item", {{"type", "yhend"}, {"lang", kVernacular}, {"groupid", group}}, combination.lemma);
            item("ytahendus", kAnalysis, combination.meaning, group);
            item("yliik", kAnalysis, combination.partOfSpeech, group);
        }
        m_xml.end();
    }

    void writeWord(const TokenValues& token)
    {
        const bool punctuation = token[TokenField::Reason] == kPunctuation;
        m_xml.start("word");
        m_xml.textElement("item", {{"type", punctuation ? "punct" : "txt"}, {"lang", kVernacular}}, token.text);
        const std::string_view lemma = token[TokenField::Lemma];
        const std::string_view partOfSpeech = token[TokenField::PartOfSpeech];
        const std::string_view form = token[TokenField::Form];
        if (!lemma.empty() || !form.empty()) {
            m_xml.start("morphemes");
            m_xml.start("morph");
            m_xml.attribute("type", "root");
            item("cf", kVernacular, lemma);
            item("gls", kAnalysis, token[TokenField::Meaning]);
            std::string msa(partOfSpeech);
            if (!msa.empty() && !form.empty())
                msa += ' ';
            msa += form;
            item("msa", kAnalysis, msa);
            m_xml.end();
            m_xml.end();
        }
        item("gls", kAnalysis, token[TokenField::Meaning]);
        item("gls", "lv", token[TokenField::Latvian]);
        item("gls", "en", token[TokenField::English]);
        item("pos", kAnalysis, partOfSpeech);
        for (const WordItem& wordItem : kWordItems)
            if (!(punctuation && wordItem.field == TokenField::Reason))
                item(wordItem.type, kAnalysis, token[wordItem.field]);
        m_xml.end();
    }

    XmlNode m_root;
    ExchangeReport& m_report;
    XmlTextWriter m_xml;
};

}  // namespace

bool writeFlexText(XmlNode root, ExchangeReport& report, const ExportSink& sink)
{
    return Writer(root, report, sink).run();
}

}  // namespace pelmora::exchange
