#include "exchange/eaf.h"

#include "exchange/audiotimes.h"
#include "exchange/corpusreading.h"
#include "exchange/eaftiers.h"
#include "exchange/xmlwriter.h"
#include "common/strings.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <unordered_set>

namespace pelmora::exchange {

using namespace text;

namespace {

struct Tier {
    std::size_t group = 0;  // the speaker's place among the speakers, in order of appearance
    std::size_t kind = 0;   // index into eafTierKinds()
    std::string id;
    std::string participant;
    std::string annotations;
};

std::string mimeTypeOf(std::string_view name)
{
    const std::string lower = toLowerAscii(name);
    if (lower.ends_with(".mp3"))
        return "audio/mpeg";
    if (lower.ends_with(".wav"))
        return "audio/x-wav";
    return "audio/*";
}

class Writer {
public:
    Writer(XmlNode root, const EafWriteOptions& options, ExchangeReport& report, const ExportSink& sink)
        : m_root(root), m_options(options), m_report(report), m_sink(sink)
    {
    }

    bool run()
    {
        SentenceReader reader(firstChildElement(m_root, kBody), m_report);
        std::vector<SentenceValues> sentences(1);
        while (reader.next(sentences.back()))
            sentences.emplace_back();
        sentences.pop_back();
        const std::vector<std::string> ends = sentenceEnds(sentences);
        std::string timeOrder;
        for (std::size_t i = 0; i < sentences.size(); ++i) {
            const std::string start = millisecondsOf(sentences[i].audioPosition);
            if (!sentences[i].audioPosition.empty() && start.empty())
                m_report.note(noted::kAudioPosition);
            timeOrder += slot(2 * i + 1, start) + slot(2 * i + 2, start.empty() ? std::string() : ends[i]);
            writeSentence(sentences[i], i);
        }
        return document(timeOrder);
    }

private:
    static std::string slot(std::size_t number, const std::string& value)
    {
        std::string out = "\n    <TIME_SLOT TIME_SLOT_ID=\"ts" + std::to_string(number) + "\"";
        if (!value.empty())
            out += " TIME_VALUE=\"" + value + "\"";
        return out + "/>";
    }

    // The tier of a kind for a speaker, made on first use. The speaker of the sentence being
    // written is looked up once; its tiers by kind are kept at hand.
    Tier& tier(std::string_view speaker, std::size_t kind)
    {
        if (!m_speakerKnown || speaker != m_speaker) {
            m_speaker = std::string(speaker);
            m_speakerKnown = true;
            const auto found = m_groups.try_emplace(m_speaker, m_groups.size()).first;
            m_group = found->second;
            if (m_group == m_groupTiers.size())
                m_groupTiers.emplace_back().fill(kNoTier);
        }
        std::size_t& at = m_groupTiers[m_group][kind];
        if (at == kNoTier) {
            at = m_tiers.size();
            Tier t;
            t.group = m_group;
            t.kind = kind;
            t.id = std::string(eafTierKinds()[kind].name) + (speaker.empty() ? "" : "@" + std::string(speaker));
            t.participant = std::string(speaker);
            m_tiers.push_back(std::move(t));
        }
        return m_tiers[at];
    }

    const std::string& newId()
    {
        m_id = "a";
        appendNumber(m_id, ++m_lastId);
        return m_id;
    }

    void annotation(Tier& tier, const std::string& id, std::string_view value, std::string_view parent,
                    std::string_view previous, std::size_t slot = 0)
    {
        std::string& out = tier.annotations;
        out += "\n    <ANNOTATION>";
        if (parent.empty()) {
            out += "<ALIGNABLE_ANNOTATION ANNOTATION_ID=\"";
            out += id;
            out += "\" TIME_SLOT_REF1=\"ts";
            appendNumber(out, slot);
            out += "\" TIME_SLOT_REF2=\"ts";
            appendNumber(out, slot + 1);
            out += "\">";
        } else {
            out += "<REF_ANNOTATION ANNOTATION_ID=\"";
            out += id;
            out += "\" ANNOTATION_REF=\"";
            out += parent;
            out += '"';
            if (!previous.empty()) {
                out += " PREVIOUS_ANNOTATION=\"";
                out += previous;
                out += '"';
            }
            out += '>';
        }
        out += "<ANNOTATION_VALUE>";
        appendXmlText(out, value, false, m_report, m_nfc);
        out += parent.empty() ? "</ANNOTATION_VALUE></ALIGNABLE_ANNOTATION></ANNOTATION>"
                              : "</ANNOTATION_VALUE></REF_ANNOTATION></ANNOTATION>";
    }

    static void appendNumber(std::string& out, std::size_t number)
    {
        char digits[24];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    }

    void writeSentence(const SentenceValues& sentence, std::size_t index)
    {
        const std::string_view speaker = sentence.speaker;
        // The sentence's own identifier names its annotation, so that an import gives it back.
        const std::string sentenceId = isSentenceIdentifier(sentence.id) && m_sentenceIds.insert(std::string(sentence.id)).second
                                           ? std::string(sentence.id)
                                           : newId();
        std::vector<std::string_view> words;
        for (const TokenValues& token : sentence.tokens)
            words.push_back(token.text);
        annotation(tier(speaker, kEafSentence), sentenceId, runningText(words, blankAfter(sentence.tokens)), {}, {},
                   2 * index + 1);
        for (const Translation t : kTranslations)
            if (!sentence[t].empty())
                annotation(tier(speaker, eafTranslationKind(t)), newId(), sentence[t], sentenceId, {});
        std::vector<std::string> tokenIds;
        for (const TokenValues& token : sentence.tokens) {
            tokenIds.push_back(newId());
            annotation(tier(speaker, kEafToken), tokenIds.back(), token.text, sentenceId,
                       tokenIds.size() > 1 ? std::string_view(tokenIds[tokenIds.size() - 2]) : std::string_view());
            for (std::size_t f = 0; f < kTokenFieldCount; ++f)
                if (!token.fields[f].empty())
                    annotation(tier(speaker, eafFieldKind(kTokenFields[f])), newId(), token.fields[f], tokenIds.back(), {});
        }
        std::string previous;
        for (const CombinationValues& combination : sentence.combinations) {
            const std::string id = newId();
            annotation(tier(speaker, kEafCombination), id, combination.lemma, sentenceId, previous);
            previous = id;
            std::string positions;
            for (const int w : combination.words)
                positions += (positions.empty() ? "" : " ") + std::to_string(w);
            annotation(tier(speaker, kEafCombinationWords), newId(), positions, id, {});
            if (!combination.meaning.empty())
                annotation(tier(speaker, kEafCombinationMeaning), newId(), combination.meaning, id, {});
            if (!combination.partOfSpeech.empty())
                annotation(tier(speaker, kEafCombinationPartOfSpeech), newId(), combination.partOfSpeech, id, {});
        }
    }

    void writeHeader(XmlTextWriter& xml)
    {
        xml.start("HEADER");
        xml.attribute("MEDIA_FILE", "");
        xml.attribute("TIME_UNITS", "milliseconds");
        if (!m_options.recording.empty()) {
            const bool absolute = m_options.recordingPath.starts_with('/');
            xml.start("MEDIA_DESCRIPTOR");
            xml.attribute("MEDIA_URL", absolute ? "file://" + uriOfFileName(m_options.recordingPath)
                                                : uriOfFileName(m_options.recording));
            xml.attribute("MIME_TYPE", mimeTypeOf(m_options.recording));
            if (!m_options.recording.starts_with('/'))
                xml.attribute("RELATIVE_MEDIA_URL", "./" + uriOfFileName(m_options.recording));
            xml.end();
        }
        const std::string_view textId = attributeValue(firstChildElement(m_root, kBody), kId);
        if (!textId.empty())
            xml.textElement("PROPERTY", {{"NAME", "meta::id"}}, textId);
        for (const MetadataField& field : metadataFields(firstChildElement(m_root, kInfo), m_report))
            xml.textElement("PROPERTY", {{"NAME", "meta::" + field.key}}, field.value.empty() ? "_" : field.value);
        xml.textElement("PROPERTY", {{"NAME", "lastUsedAnnotationId"}}, std::to_string(m_lastId));
        xml.end();
    }

    bool document(const std::string& timeOrder)
    {
        XmlTextWriter xml(m_report, m_sink);
        xml.start("ANNOTATION_DOCUMENT");
        xml.attribute("AUTHOR", "");
        xml.attribute("DATE", m_options.date);
        xml.attribute("FORMAT", "3.0");
        xml.attribute("VERSION", "3.0");
        xml.attribute("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
        xml.attribute("xsi:noNamespaceSchemaLocation", "http://www.mpi.nl/tools/elan/EAFv3.0.xsd");
        writeHeader(xml);
        xml.start("TIME_ORDER");
        xml.raw(timeOrder);
        xml.end();
        std::stable_sort(m_tiers.begin(), m_tiers.end(),
                         [](const Tier& a, const Tier& b) { return std::pair(a.group, a.kind) < std::pair(b.group, b.kind); });
        std::vector<bool> usedKinds(eafTierKinds().size(), false);
        for (Tier& t : m_tiers) {
            usedKinds[t.kind] = true;
            const std::string suffix = t.participant.empty() ? std::string() : "@" + t.participant;
            std::string start = "\n  <TIER LINGUISTIC_TYPE_REF=\"" + std::string(eafTierKinds()[t.kind].name) + "\"";
            const std::size_t parentKind = eafTierKinds()[t.kind].parent;
            if (parentKind != kEafNoParent)
                start += " PARENT_REF=\"" + attributeText(std::string(eafTierKinds()[parentKind].name) + suffix) + "\"";
            if (!t.participant.empty())
                start += " PARTICIPANT=\"" + attributeText(t.participant) + "\"";
            start += " TIER_ID=\"" + attributeText(t.id) + "\">";
            xml.raw(start);
            xml.raw(t.annotations);
            xml.raw("\n  </TIER>");
            std::string().swap(t.annotations);  // written: its memory goes back at once
        }
        std::string rest;
        for (std::size_t kind = 0; kind < usedKinds.size(); ++kind)
            if (usedKinds[kind])
                rest += linguisticType(kind);
        rest += "\n  <CONSTRAINT DESCRIPTION=\"Symbolic subdivision of a parent annotation. Annotations refering to the "
                "same parent are ordered\" STEREOTYPE=\"Symbolic_Subdivision\"/>"
                "\n  <CONSTRAINT DESCRIPTION=\"1-1 association with a parent annotation\" STEREOTYPE=\"Symbolic_Association\"/>";
        xml.raw(rest);
        xml.finish();
        return xml.ok();
    }

    static std::string linguisticType(std::size_t kind)
    {
        const EafTierKind& k = eafTierKinds()[kind];
        std::string out = "\n  <LINGUISTIC_TYPE";
        if (k.constraint == EafConstraint::Subdivision)
            out += " CONSTRAINTS=\"Symbolic_Subdivision\"";
        else if (k.constraint == EafConstraint::Association)
            out += " CONSTRAINTS=\"Symbolic_Association\"";
        out += " GRAPHIC_REFERENCES=\"false\" LINGUISTIC_TYPE_ID=\"" + std::string(k.name) + "\" TIME_ALIGNABLE=\"";
        out += k.constraint == EafConstraint::None ? "true\"/>" : "false\"/>";
        return out;
    }

    std::string attributeText(std::string_view value)
    {
        std::string out;
        appendXmlText(out, value, true, m_report, m_nfc);
        return out;
    }

    XmlNode m_root;
    const EafWriteOptions& m_options;
    ExchangeReport& m_report;
    const ExportSink& m_sink;
    std::vector<Tier> m_tiers;
    static constexpr std::size_t kNoTier = static_cast<std::size_t>(-1);
    std::map<std::string, std::size_t> m_groups;
    std::vector<std::array<std::size_t, kEafKindCount>> m_groupTiers;  // each speaker's tiers by kind
    std::string m_speaker;
    bool m_speakerKnown = false;
    std::size_t m_group = 0;
    std::unordered_set<std::string> m_sentenceIds;
    std::size_t m_lastId = 0;
    std::string m_id;
    std::string m_nfc;
};

}  // namespace

bool writeEaf(XmlNode root, const EafWriteOptions& options, ExchangeReport& report, const ExportSink& sink)
{
    return Writer(root, options, report, sink).run();
}

}  // namespace pelmora::exchange
