#include "io/textexport.h"

#include "common/strings.h"
#include "common/translation.h"
#include "common/utf16text.h"
#include "io/tokencombinations.h"
#include "text/textformat.h"

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kAskAnnotated = QT_TRANSLATE_NOOP("core", "Kas lisan faili märksõnad jm info?");
constexpr const char* kAskSearchForm =
    QT_TRANSLATE_NOOP("core", "Kas väljastan märksõnastamata teksti\r\nveebi päringusüsteemi jaoks?");
constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP("core", "Ei saanud faili avada");
constexpr std::string_view kBaseLanguage = "eesti";
constexpr std::string_view kPunctuationLanguage = "kirjavahemärk";
constexpr long long kProgressEvery = 200;

// A token without a language is in the base language: it must not open a span with an empty name.
std::string_view languageOf(XmlNode token)
{
    const std::string_view language = attributeValue(token, kLanguage);
    return language.empty() ? kBaseLanguage : language;
}

class Exporter {
public:
    Exporter(ExportMode mode, std::string_view textId, const ExportProgressCallback& progress = {})
        : m_mode(mode), m_textId(textId), m_progress(progress)
    {
    }

    bool cancelled() const { return m_cancelled; }

    // The whole export; "" (and cancelled()) when the progress callback said stop.
    std::string run(XmlNode first)
    {
        ExportProgress state;
        if (m_progress)
            for (XmlNode s = first.parent(); s; s = nextSiblingElement(s, kSentence))
                ++state.sentenceCount;
        XmlNode previousSentence = first.parent();
        marker(first);
        m_style = attributeValue(first, kStyle);
        const std::string_view firstLanguage = languageOf(first);
        if (firstLanguage != kPunctuationLanguage)
            m_language = firstLanguage;
        if (!m_style.empty())
            open(m_style);
        if (m_language != kBaseLanguage)
            open(m_language);

        for (XmlNode sentence = previousSentence; sentence; sentence = nextSiblingElement(sentence, kSentence)) {
            if (m_progress && state.sentencesDone % kProgressEvery == 0 && !m_progress(state)) {
                m_cancelled = true;
                return {};
            }
            ++state.sentencesDone;
            const XmlNode firstOfSentence = firstChildElement(sentence, kToken);
            if (!firstOfSentence)
                continue;  // an empty sentence must not cut the rest of the text off
            for (XmlNode token = firstOfSentence; token; token = nextSiblingElement(token, kToken)) {
                if (sentence != previousSentence) {
                    changeSentence(token);
                    previousSentence = sentence;
                } else {
                    changeSpans(token);
                }
                writeToken(token);
            }
        }
        closeSpans();
        return std::move(m_out);
    }

private:
    void marker(XmlNode token)
    {
        m_out += "<<";
        m_out += m_textId;
        m_out += '_';
        m_out += attributeValue(token, kPage);
        m_out += '.';
        std::string_view sentenceId = attributeValue(token.parent(), kId);
        if (sentenceId.starts_with('l'))
            sentenceId.remove_prefix(1);
        m_out += sentenceId;
        m_out += ">> ";
    }

    void open(std::string_view name)
    {
        m_out += '<';
        m_out += name;
        m_out += "> ";
    }

    void close(std::string_view name)
    {
        m_out += "</";
        m_out += name;
        m_out += "> ";
    }

    void closeSpans()
    {
        if (m_language != kBaseLanguage)
            close(m_language);
        if (!m_style.empty())
            close(m_style);
    }

    std::string newLanguage(XmlNode token) const
    {
        const std::string_view language = languageOf(token);
        return language == kPunctuationLanguage ? m_language : std::string(language);
    }

    void changeSentence(XmlNode token)
    {
        closeSpans();
        m_out += "\r\n";
        marker(token);
        m_style = attributeValue(token, kStyle);
        m_language = newLanguage(token);
        if (!m_style.empty())
            open(m_style);
        if (m_language != kBaseLanguage)
            open(m_language);
    }

    void changeSpans(XmlNode token)
    {
        const std::string language = newLanguage(token);
        const std::string style(attributeValue(token, kStyle));
        const bool wasBase = m_language == kBaseLanguage;
        const bool isBase = language == kBaseLanguage;
        if (!wasBase && isBase)
            close(m_language);
        if (!m_style.empty() && style.empty())
            close(m_style);
        if (!wasBase && !isBase && language != m_language) {
            close(m_language);
            open(language);
        }
        if (!m_style.empty() && !style.empty() && style != m_style) {
            close(m_style);
            open(style);
        }
        if (m_style.empty() && !style.empty())
            open(style);
        if (wasBase && !isBase)
            open(language);
        m_language = language;
        m_style = style;
    }

    void writeToken(XmlNode token)
    {
        const std::string_view text = elementText(token);
        const std::string_view language = attributeValue(token, kLanguage);
        const std::string_view lemma = attributeValue(token, kLemma);
        const bool annotated = m_mode == ExportMode::Annotated && (language == kBaseLanguage || !lemma.empty());
        const bool searchForm =
            m_mode == ExportMode::SearchForm && language != kPunctuationLanguage && language != "number";
        if (annotated)
            m_out += '|';
        if (searchForm)
            m_out += '@';
        m_out += text;
        if (searchForm) {
            m_out += '|';
            m_out += MakeWordFormKey(text);
            m_out += "@ ";
        }
        if (annotated) {
            field("_MS:", lemma);
            field("_SL:", attributeValue(token, kPartOfSpeech));
            field("_T:", attributeValue(token, kMeaning));
            field("_V:", attributeValue(token, kForm));
            field("_K:", attributeValue(token, kComment));
            for (const CombinationValues& combination : combinationsEndingAt(token)) {
                field("_YMS:", combination.lemma);
                field("_YT:", combination.meaning);
                field("_YSL:", combination.partOfSpeech);
            }
            m_out += "_|";
        }
        m_out += ' ';
    }

    void field(std::string_view label, std::string_view value)
    {
        if (value.empty())
            return;
        m_out += label;
        m_out += value;
    }

    ExportMode m_mode;
    std::string_view m_textId;
    ExportProgressCallback m_progress;
    bool m_cancelled = false;
    std::string m_out;
    std::string m_language{kBaseLanguage};
    std::string m_style;
};

}  // namespace

ExportMode askExportMode(Prompter& prompter)
{
    if (prompter.askYesNo(kTitleNotice, kAskAnnotated))
        return ExportMode::Annotated;
    if (prompter.askYesNo(kTitleNotice, kAskSearchForm))
        return ExportMode::SearchForm;
    return ExportMode::Plain;
}

std::string exportTextContent(const CPelmoraDoc& doc, ExportMode mode)
{
    const XmlNode first = doc.firstToken();
    if (!first)
        return {};
    Exporter exporter(mode, attributeValue(doc.body(), kId));
    return exporter.run(first);
}

bool exportText(const CPelmoraDoc& doc, const std::string& path, ExportMode mode, Prompter& prompter,
                const ExportProgressCallback& progress)
{
    const XmlNode first = doc.firstToken();
    if (!first)
        return true;
    Exporter exporter(mode, attributeValue(doc.body(), kId), progress);
    const std::string content = exporter.run(first);
    if (exporter.cancelled())
        return false;
    if (!writeUtf16LeFile(path, content)) {
        prompter.error(kCannotOpen);
        return false;
    }
    return true;
}

}  // namespace pelmora
