#include "exchange/lift.h"

#include "common/filemessages.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "exchange/xmlwriter.h"

#include <map>
#include <unordered_map>

namespace pelmora::exchange {

namespace {

constexpr std::string_view kVernacular = "liv";
constexpr const char* kWritten = QT_TRANSLATE_NOOP("core", "Kirjutasin faili %s.");
constexpr const char* kLeftOut = QT_TRANSLATE_NOOP("core", "Vorming LIFT ei hoia kõike; välja jäi:");

// Every analysis of an entry: the entry itself, then its children.
std::vector<XmlNode> analysesOf(XmlNode entry, const char* name)
{
    std::vector<XmlNode> analyses{entry};
    for (XmlNode child = firstChildElement(entry, name); child; child = nextSiblingElement(child, name))
        analyses.push_back(child);
    return analyses;
}

class Writer {
public:
    Writer(const CDictionary& dictionary, ExchangeReport& report) : m_dictionary(dictionary), m_report(report), m_xml(report) {}

    std::string run()
    {
        collectWordForms();
        m_xml.start("lift");
        m_xml.attribute("producer", "Pelmora");
        m_xml.attribute("version", "0.13");
        std::vector<std::string> lemmas;
        for (XmlNode entry = m_dictionary.firstEntry(DictSection::Lemmas); entry; entry = nextSiblingElement(entry, dict::kLemma))
            if (!isPlaceholder(entry))
                lemmas.emplace_back(attributeValue(entry, dict::kId));
        for (const std::string& lemma : m_formLemmaOrder)  // lemmas that only word forms name
            if (!m_dictionary.findLemma(lemma))
                lemmas.push_back(lemma);
        for (std::size_t i = 0; i < lemmas.size(); ++i)
            m_entryIds.emplace(lemmas[i], "e" + std::to_string(i + 1));
        for (const std::string& lemma : lemmas)
            writeLemmaEntry(lemma);
        std::size_t number = 0;
        for (XmlNode entry = m_dictionary.firstEntry(DictSection::Combinations); entry;
             entry = nextSiblingElement(entry, dict::kCombination))
            if (!isPlaceholder(entry))
                writeCombinationEntry(entry, ++number);
        return m_xml.finish();
    }

private:
    void collectWordForms()
    {
        for (XmlNode entry = m_dictionary.firstEntry(DictSection::WordForms); entry; entry = nextSiblingElement(entry, dict::kWordForm)) {
            if (isPlaceholder(entry))
                continue;
            for (const XmlNode analysis : analysesOf(entry, dict::kWordForm)) {
                const std::string lemma(attributeValue(analysis, dict::kFormLemma));
                auto [at, added] = m_forms.try_emplace(lemma);
                if (added)
                    m_formLemmaOrder.push_back(lemma);
                at->second.push_back(analysis);
            }
        }
    }

    void form(std::string_view element, std::string_view lang, std::string_view text)
    {
        m_xml.start(element);
        m_xml.attribute("lang", lang);
        m_xml.start("text");
        m_xml.text(text);
        m_xml.end();
        m_xml.end();
    }

    void trait(std::string_view name, std::string_view value)
    {
        if (value.empty())
            return;
        m_xml.start("trait");
        m_xml.attribute("name", name);
        m_xml.attribute("value", value);
        m_xml.end();
    }

    void lexicalUnit(std::string_view headword)
    {
        m_xml.start("lexical-unit");
        form("form", kVernacular, headword);
        m_xml.end();
    }

    void sense(const std::string& id, std::string_view partOfSpeech, const std::array<std::string_view, 3>& glosses,
               std::string_view weight)
    {
        m_xml.start("sense");
        m_xml.attribute("id", id);
        if (!partOfSpeech.empty()) {
            m_xml.start("grammatical-info");
            m_xml.attribute("value", partOfSpeech);
            m_xml.end();
        }
        static constexpr std::array<std::string_view, 3> kLanguages{"et", "lv", "en"};
        for (std::size_t i = 0; i < glosses.size(); ++i)
            if (!glosses[i].empty())
                form("gloss", kLanguages[i], glosses[i]);
        trait("kaal", weight);
        m_xml.end();
    }

    void writeLemmaEntry(const std::string& lemma)
    {
        const std::string& id = m_entryIds[lemma];
        m_xml.start("entry");
        m_xml.attribute("id", id);
        lexicalUnit(lemma);
        for (const XmlNode analysis : m_forms[lemma]) {
            m_xml.start("variant");
            form("form", kVernacular, attributeValue(analysis, dict::kId));
            trait("vorm", attributeValue(analysis, dict::kForm));
            trait("kaal", attributeValue(analysis, dict::kWeight));
            m_xml.end();
        }
        std::size_t number = 0;
        if (const XmlNode entry = m_dictionary.findLemma(lemma))
            for (const XmlNode analysis : analysesOf(entry, dict::kLemma))
                sense(id + "-" + std::to_string(++number), attributeValue(analysis, dict::kPartOfSpeech),
                      {attributeValue(analysis, dict::kMeaning), attributeValue(analysis, dict::kLatvian),
                       attributeValue(analysis, dict::kEnglish)},
                      attributeValue(analysis, dict::kWeight));
        m_xml.end();
    }

    // The entry of a word of a combination: a lemma of that spelling, else the lemma of the word form.
    const std::string* entryOfWord(const std::string& word)
    {
        if (const auto found = m_entryIds.find(word); found != m_entryIds.end())
            return &found->second;
        if (const XmlNode form = m_dictionary.findWordForm(MakeWordFormKey(word)))
            if (const auto found = m_entryIds.find(std::string(attributeValue(form, dict::kFormLemma)));
                found != m_entryIds.end())
                return &found->second;
        return nullptr;
    }

    void writeCombinationEntry(XmlNode entry, std::size_t number)
    {
        const std::string id = "c" + std::to_string(number);
        const std::string_view headword = attributeValue(entry, dict::kId);
        m_xml.start("entry");
        m_xml.attribute("id", id);
        lexicalUnit(headword);
        trait("morph-type", "phrase");
        std::size_t senseNumber = 0;
        for (const XmlNode analysis : analysesOf(entry, dict::kCombination))
            sense(id + "-" + std::to_string(++senseNumber), attributeValue(analysis, dict::kCombinationPartOfSpeech),
                  {attributeValue(analysis, dict::kCombinationMeaning), {}, {}}, {});
        int order = 0;
        for (const std::string& word : split(headword, ' ')) {
            if (word.empty())
                continue;
            ++order;
            if (const std::string* part = entryOfWord(word)) {
                m_xml.start("relation");
                m_xml.attribute("type", "_component-lexeme");
                m_xml.attribute("ref", *part);
                m_xml.attribute("order", std::to_string(order));
                m_xml.end();
            }
        }
        m_xml.end();
    }

    const CDictionary& m_dictionary;
    ExchangeReport& m_report;
    XmlTextWriter m_xml;
    std::unordered_map<std::string, std::vector<XmlNode>> m_forms;
    std::vector<std::string> m_formLemmaOrder;
    std::unordered_map<std::string, std::string> m_entryIds;
};

}  // namespace

std::string writeLift(const CDictionary& dictionary, ExchangeReport& report)
{
    return Writer(dictionary, report).run();
}

bool exportLift(const CDictionary& dictionary, const std::string& path, Prompter& prompter)
{
    if (pathExists(path) && !prompter.askYesNo(kTitleWarning, formatMessage(kOverwriteQuestion, path)))
        return false;
    ExchangeReport report;
    if (!replaceFileSafely(path, writeLift(dictionary, report))) {
        prompter.error(formatMessage(kSaveFailedMessage, path));
        return false;
    }
    prompter.message(MessageKind::Information, kTitleNotice, formatMessage(kWritten, path));
    if (!report.empty())
        prompter.message(MessageKind::Information, kTitleNotice, report.text(kLeftOut));
    return true;
}

}  // namespace pelmora::exchange
