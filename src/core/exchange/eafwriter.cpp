#include "exchange/eaf.h"

#include "exchange/audiotimes.h"
#include "exchange/corpusreading.h"
#include "exchange/eaftiers.h"
#include "exchange/xmlwriter.h"
#include "common/strings.h"
#include "text/textformat.h"

#include <algorithm>
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
    Writer(XmlNode root, const EafWriteOptions& options, ExchangeReport& report)
        : m_root(root), m_options(options), m_report(report)
    {
    }

    std::string run()
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

    // The tier of a kind for a speaker, made on first use.
    Tier& tier(std::string_view speaker, std::size_t kind)
    {
        const auto [group, added] = m_groups.emplace(std::string(speaker), m_groups.size());
        (void)added;
        const auto [at, made] = m_tierIndex.emplace(std::pair(group->second, kind), m_tiers.size());
        if (made) {
            Tier t;
            t.group = group->second;
            t.kind = kind;
            t.id = std::string(eafTierKinds()[kind].name) + (speaker.empty() ? "" : "@" + std::string(speaker));
            t.participant = std::string(speaker);
            m_tiers.push_back(std::move(t));
        }
        return m_tiers[at->second];
    }

    std::string newId() { return "a" + std::to_string(++m_lastId); }

    void annotation(Tier& tier, const std::string& id, std::string_view value, std::string_view parent,
                    std::string_view previous, std::size_t slot = 0)
    {
        std::string& out = tier.annotations;
        out += "\n    <ANNOTATION>";
        if (parent.empty()) {
            out += "<ALIGNABLE_ANNOTATION ANNOTATION_ID=\"" + id + "\" TIME_SLOT_REF1=\"ts" + std::to_string(slot) +
                   "\" TIME_SLOT_REF2=\"ts" + std::to_string(slot + 1) + "\">";
        } else {
            out += "<REF_ANNOTATION ANNOTATION_ID=\"" + id + "\" ANNOTATION_REF=\"";
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

    std::string document(const std::string& timeOrder)
    {
        XmlTextWriter xml(m_report);
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
        std::string rest;
        for (const Tier& t : m_tiers) {
            usedKinds[t.kind] = true;
            const std::string suffix = t.participant.empty() ? std::string() : "@" + t.participant;
            rest += "\n  <TIER LINGUISTIC_TYPE_REF=\"" + std::string(eafTierKinds()[t.kind].name) + "\"";
            const std::size_t parentKind = eafTierKinds()[t.kind].parent;
            if (parentKind != kEafNoParent)
                rest += " PARENT_REF=\"" + attributeText(std::string(eafTierKinds()[parentKind].name) + suffix) + "\"";
            if (!t.participant.empty())
                rest += " PARTICIPANT=\"" + attributeText(t.participant) + "\"";
            rest += " TIER_ID=\"" + attributeText(t.id) + "\">" + t.annotations + "\n  </TIER>";
        }
        for (std::size_t kind = 0; kind < usedKinds.size(); ++kind)
            if (usedKinds[kind])
                rest += linguisticType(kind);
        rest += "\n  <CONSTRAINT DESCRIPTION=\"Symbolic subdivision of a parent annotation. Annotations refering to the "
                "same parent are ordered\" STEREOTYPE=\"Symbolic_Subdivision\"/>"
                "\n  <CONSTRAINT DESCRIPTION=\"1-1 association with a parent annotation\" STEREOTYPE=\"Symbolic_Association\"/>";
        xml.raw(rest);
        return xml.finish();
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
    std::vector<Tier> m_tiers;
    std::map<std::string, std::size_t> m_groups;
    std::map<std::pair<std::size_t, std::size_t>, std::size_t> m_tierIndex;
    std::unordered_set<std::string> m_sentenceIds;
    std::size_t m_lastId = 0;
    std::string m_nfc;
};

}  // namespace

std::string writeEaf(XmlNode root, const EafWriteOptions& options, ExchangeReport& report)
{
    return Writer(root, options, report).run();
}

}  // namespace pelmora::exchange
