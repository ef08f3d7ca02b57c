#include "io/multifilequery.h"

#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "io/corpusfilereader.h"
#include "io/matchvalue.h"
#include "io/xmlescape.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

using namespace text;

namespace {

constexpr std::size_t kTokensBetweenReports = 4096;
constexpr const char* kCannotOpenOutput = QT_TRANSLATE_NOOP("core", "Ei saa väljundfaili faili avada");
constexpr const char* kOutputInList = QT_TRANSLATE_NOOP("core", "Fail %s\non loendis olemas.\nVali mõni muu fail.");
constexpr const char* kXmlHeader =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_paring.xsl\"?>\r\n";

const char* fieldAttribute(QueryField field)
{
    switch (field) {
    case QueryField::Text: return nullptr;
    case QueryField::Lemma: return kLemma;
    case QueryField::Meaning: return kMeaning;
    case QueryField::PartOfSpeech: return kPartOfSpeech;
    case QueryField::Form: return kForm;
    case QueryField::Comment: return kComment;
    }
    return nullptr;
}

// Where a sentence stands, as a line with the file information shows it.
struct SentencePlace {
    std::string_view audioFile;
    std::string_view audioPosition;
    std::string_view dialect;
    std::string_view parish;
    std::string_view village;
};

SentencePlace placeOf(XmlNode info, XmlNode sentence)
{
    return {attributeValue(firstChildElement(info, meta::kRecording), meta::kAudioFile),
            attributeValue(sentence, kAudioPosition), elementText(firstChildElement(info, meta::kDialect)),
            elementText(firstChildElement(info, meta::kParish)), elementText(firstChildElement(info, meta::kVillage))};
}

std::string_view fieldValue(XmlNode token, QueryField field)
{
    const char* name = fieldAttribute(field);
    return name ? attributeValue(token, name) : elementText(token);
}

void appendDescription(std::string& out, const TokenConditions& conditions, bool firstToken)
{
    static constexpr const char* kLabels[kQueryFieldCount] = {"sõne: ", "lemma: ", "tähendus: ",
                                                              "sõnaliik: ", "vorm: ", "kommentaar: "};
    for (std::size_t i = 0; i < kQueryFieldCount; ++i) {
        const FieldPattern& field = conditions.fields[i];
        if (field.pattern.empty())
            continue;
        // The first token's comment has always been described with "=".
        out += (firstToken && i == kQueryFieldCount - 1) ? "kommentaar=" : kLabels[i];
        out += field.pattern + " [" + field.kind + "] ";
    }
}

// Everything of one run that the line writer needs.
class QueryWriter {
public:
    QueryWriter(const QuerySettings& settings, std::string& out)
        : m_settings(settings), m_out(out), m_prefix(expandTabs(settings.foundPrefix))
    {
    }

    // Tests every token of the file and writes the hits. `keepGoing` is asked every few thousand
    // tokens; false stops the search (and returns false).
    bool searchFile(CorpusFileReader& reader, const std::function<bool()>& keepGoing)
    {
        std::size_t tokens = 0;
        for (CorpusFileReader::Step step = reader.step(); step != CorpusFileReader::Step::End;
             step = reader.step()) {
            if (step != CorpusFileReader::Step::Token)
                continue;
            if (++tokens % kTokensBetweenReports == 0 && !keepGoing())
                return false;
            const XmlNode candidate = reader.current();
            m_found.clear();
            if (!tokenMeetsConditions(candidate, m_settings.token1))
                continue;
            if (m_settings.speakersOnly) {
                const std::string_view meta = attributeValue(candidate, kMeta);
                if (meta == "intervjueerija" || meta == "kommentaar")
                    continue;
            }
            m_found.push_back(attributeValue(candidate, kId));
            if (!relationHolds(candidate))
                continue;
            writeLine(reader, candidate);
            ++m_lines;
        }
        m_found.clear();
        return true;
    }

    long long lines() const { return m_lines; }

private:
    static std::string expandTabs(std::string_view prefix)
    {
        std::string out;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (prefix[i] == '\\' && i + 1 < prefix.size() && prefix[i + 1] == 't') {
                out.push_back('\t');
                ++i;
            } else {
                out.push_back(prefix[i]);
            }
        }
        return out;
    }

    // Looks for token 2 in the searched directions, recording each find.
    bool relationHolds(XmlNode candidate)
    {
        const std::string& relation = m_settings.relation;
        if (relation.empty())
            return true;
        const bool backwards = relation == kRelationBefore || relation == kRelationEither;
        const bool forwards = relation == kRelationAfter || relation == kRelationEither;
        bool found = false;
        if (backwards)
            found = searchDirection(candidate, &CorpusFileReader::previousTokenInSentence) || found;
        if (forwards)
            found = searchDirection(candidate, &CorpusFileReader::nextTokenInSentence) || found;
        return found;
    }

    bool searchDirection(XmlNode from, XmlNode (*neighbour)(XmlNode))
    {
        XmlNode token = from;
        for (int steps = 0; steps <= m_settings.distance; ++steps) {
            token = neighbour(token);
            if (!token)
                return false;
            if (tokenMeetsConditions(token, m_settings.token2)) {
                m_found.push_back(attributeValue(token, kId));
                return true;
            }
        }
        return false;
    }

    bool isFound(XmlNode token) const
    {
        const std::string_view id = attributeValue(token, kId);
        return std::find(m_found.begin(), m_found.end(), id) != m_found.end();
    }

    // Appends a value as it stands (tab-separated output) or escaped (XML output).
    void value(std::string_view text)
    {
        if (m_settings.xmlOutput)
            appendXmlEscaped(m_out, text);
        else
            m_out += text;
    }

    void writeLine(const CorpusFileReader& reader, XmlNode candidate)
    {
        const XmlNode sentence = candidate.parent();
        const std::string_view textId = attributeValue(sentence.parent(), kId);
        const std::string_view speaker = attributeValue(sentence, kSpeaker);
        const XmlNode info = reader.info();
        const bool xml = m_settings.xmlOutput;

        if (xml) {
            m_out += "\t<lause tekst=\"";
            value(textId);
            m_out += "\" koneleja=\"";
            value(speaker);
            m_out += '"';
            if (m_settings.fileInfo) {
                const SentencePlace place = placeOf(info, sentence);
                m_out += " helifail=\"";
                value(place.audioFile);
                m_out += "\" helipos=\"";
                value(place.audioPosition);
                m_out += "\" murre=\"";
                value(place.dialect);
                m_out += "\" kihelkond=\"";
                value(place.parish);
                m_out += "\" kyla=\"";
                value(place.village);
                m_out += '"';
            }
            if (m_settings.foundTokenInfo) {
                m_out += ' ';
                writeFoundInfo(candidate);
            }
            m_out += '>';
        } else {
            m_out += textId;
            m_out += "»";
            m_out += speaker;
            m_out += ":\t";
            if (m_settings.fileInfo && info) {
                m_out += '\t';
                const SentencePlace place = placeOf(info, sentence);
                m_out += place.audioFile;
                m_out += "»";
                m_out += place.audioPosition;
                m_out += '\t';
                m_out += place.dialect;
                m_out += "»";
                m_out += place.parish;
                m_out += "»";
                m_out += place.village;
                m_out += '\t';
            }
            if (m_settings.foundTokenInfo)
                writeFoundInfo(candidate);
        }

        for (XmlNode token = firstChildElement(sentence, kToken); token;
             token = nextSiblingElement(token, kToken)) {
            const bool found = isFound(token);
            const bool markup = m_settings.markupAllTokens && attributeValue(token, kMeta).empty();
            const bool prefixed = found && !m_prefix.empty();
            if (xml) {
                m_out += found ? "<sone tyyp=\"otsitav\"" : "<sone";
                if (markup) {
                    m_out += " lemma=\"";
                    value(attributeValue(token, kLemma));
                    m_out += "\" tahendus=\"";
                    value(attributeValue(token, kMeaning));
                    m_out += "\" liik=\"";
                    value(attributeValue(token, kPartOfSpeech));
                    m_out += "\" vorm=\"";
                    value(attributeValue(token, kForm));
                    m_out += "\" kommentaar=\"";
                    value(attributeValue(token, kComment));
                    m_out += "\">";
                } else {
                    m_out += '>';
                }
                if (prefixed)
                    value(m_prefix);
                value(elementText(token));
                m_out += markup ? "</sone>" : "</sone> ";
            } else {
                if (prefixed)
                    m_out += m_prefix;
                m_out += elementText(token);
                if (markup) {
                    m_out += "(M_";
                    m_out += attributeValue(token, kLemma);
                    m_out += "_T_";
                    m_out += attributeValue(token, kMeaning);
                    m_out += "_L_";
                    m_out += attributeValue(token, kPartOfSpeech);
                    m_out += "_V_";
                    m_out += attributeValue(token, kForm);
                    m_out += "_K_";
                    m_out += attributeValue(token, kComment);
                    m_out += ')';
                }
                m_out += ' ';
            }
        }
        m_out += xml ? "</lause>\r\n" : "\r\n";
    }

    void writeFoundInfo(XmlNode token)
    {
        const std::string_view values[] = {elementText(token),
                                           attributeValue(token, kLemma),
                                           attributeValue(token, kMeaning),
                                           attributeValue(token, kPartOfSpeech),
                                           attributeValue(token, kForm),
                                           attributeValue(token, kComment)};
        if (m_settings.xmlOutput) {
            static constexpr const char* kNames[] = {"sone", "lemma", "tahendus", "liik", "vorm", "kommentaar"};
            for (std::size_t i = 0; i < std::size(values); ++i) {
                if (i > 0)
                    m_out += ' ';
                m_out += kNames[i];
                m_out += "=\"";
                value(values[i]);
                m_out += '"';
            }
        } else {
            for (const std::string_view v : values) {
                m_out += v;
                m_out += '\t';
            }
        }
    }

    const QuerySettings& m_settings;
    std::string& m_out;
    std::string m_prefix;
    std::vector<std::string_view> m_found;
    long long m_lines = 0;
};

}  // namespace

bool tokenMeetsConditions(XmlNode token, const TokenConditions& conditions)
{
    for (std::size_t i = 0; i < kQueryFieldCount; ++i) {
        const FieldPattern& field = conditions.fields[i];
        if (field.pattern.empty())
            continue;
        if (!MatchValue(fieldValue(token, static_cast<QueryField>(i)), field.pattern, field.kind))
            return false;
    }
    return true;
}

std::string queryDescription(const QuerySettings& settings)
{
    std::string out;
    appendDescription(out, settings.token1, true);
    if (!settings.relation.empty()) {
        out += "ja samas lauses " + settings.relation + " mitte kaugemal kui " +
               std::to_string(settings.distance) + " sona ";
        appendDescription(out, settings.token2, false);
    }
    return out;
}

QueryResult MultiFileQuery(const QuerySettings& settings, Prompter& prompter, const QueryProgressCallback& progress)
{
    QueryResult result;
    // The result file must never replace one of the texts being searched.
    for (const std::string& file : settings.files) {
        if (file == settings.outputPath || isSameFile(file, settings.outputPath)) {
            prompter.message(MessageKind::Warning, kTitleWarning, formatMessage(kOutputInList, settings.outputPath));
            return result;
        }
    }
    if (settings.distance < 0 || settings.distance > kMaxQueryDistance ||
        codePointCount(settings.foundPrefix) > kMaxFoundPrefixLength)
        return result;

    QueryProgress state;
    state.fileCount = settings.files.size();
    long long lines = 0;
    const auto produce = [&](FileSink& sink) {
        std::string out;
        if (settings.byteOrderMark)
            out += "\xEF\xBB\xBF";
        if (settings.xmlOutput) {
            out += kXmlHeader;
            out += "<pelmora-paring otsitav=\"";
            appendXmlEscaped(out, queryDescription(settings));
            out += "\">\r\n";
        } else {
            out += "Päring: " + queryDescription(settings) + "\r\n";
        }
        QueryWriter writer(settings, out);
        // A long file reports on its way too, so that a stop does not wait for its end.
        const auto keepGoing = [&] {
            state.lines = writer.lines();
            if (!progress || progress(state))
                return true;
            result.cancelled = true;
            return false;
        };
        for (const std::string& file : settings.files) {
            CorpusFileReader reader;
            const CorpusFileReader::OpenResult opened = reader.open(file, prompter);
            if (opened == CorpusFileReader::OpenResult::Stop)
                break;
            if (opened == CorpusFileReader::OpenResult::Opened && !writer.searchFile(reader, keepGoing))
                return false;
            // Hand finished lines to the file as we go; a long query should not pile up in memory.
            if (!sink.write(out))
                return false;
            out.clear();
            ++state.filesDone;
            state.lines = writer.lines();
            if (progress && !progress(state)) {
                result.cancelled = true;
                return false;
            }
        }
        if (settings.xmlOutput)
            out += "</pelmora-paring>";
        lines = writer.lines();
        return sink.write(out);
    };
    std::string error;
    if (!replaceFileSafely(settings.outputPath, produce, &error)) {
        if (!result.cancelled)
            prompter.error(kCannotOpenOutput);
        return result;
    }
    state.lines = lines;
    state.finished = true;
    if (progress)
        progress(state);  // the file is written: too late to stop
    result.ran = true;
    result.lines = lines;
    return result;
}

}  // namespace pelmora
