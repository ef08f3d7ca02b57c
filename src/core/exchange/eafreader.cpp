#include "exchange/eaf.h"

#include "common/strings.h"
#include "common/translation.h"
#include "exchange/audiotimes.h"
#include "exchange/eaftiers.h"
#include "exchange/tokenising.h"
#include "exchange/xmlinput.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>
#include <memory_resource>
#include <optional>
#include <span>
#include <unordered_map>

namespace pelmora::exchange {

using namespace text;

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct Slot {
    std::size_t order = 0;  // place in TIME_ORDER
    std::optional<std::uint64_t> milliseconds;
};

struct TierInfo {
    std::string id;
    std::string type;
    std::string participant;
    std::size_t parent = kNone;
    EafConstraint constraint = EafConstraint::None;
    std::size_t annotations = 0;
};

struct Annotation {
    std::size_t tier = 0;
    std::string_view id;
    std::string_view value;
    std::size_t slot1 = kNone;  // alignable annotations only
    std::size_t parent = kNone; // the annotation it refers to (reference annotations)
};

// The annotations by identifier. ELAN names them "a<number>": those stand in an array by their
// number, which a long file looks up a million times without hashing; other names in a hash map.
class AnnotationIds {
public:
    // False when the identifier is already taken.
    bool insert(std::string_view id, std::size_t index)
    {
        if (const std::size_t number = numberOf(id)) {
            if (number >= m_byNumber.size())
                m_byNumber.resize(std::max(number + 1, 2 * m_byNumber.size()), kNone);
            if (m_byNumber[number] != kNone)
                return false;
            m_byNumber[number] = index;
            return true;
        }
        return m_others.emplace(id, index).second;
    }

    std::size_t find(std::string_view id) const
    {
        if (const std::size_t number = numberOf(id))
            return number < m_byNumber.size() ? m_byNumber[number] : kNone;
        const auto found = m_others.find(id);
        return found == m_others.end() ? kNone : found->second;
    }

private:
    // The number of "a<number>" (no leading zero, below 2^26); 0 for any other name.
    static std::size_t numberOf(std::string_view id)
    {
        if (id.size() < 2 || id.size() > 9 || id[0] != 'a' || id[1] == '0')
            return 0;
        std::size_t number = 0;
        const auto [end, error] = std::from_chars(id.data() + 1, id.data() + id.size(), number);
        return error == std::errc() && end == id.data() + id.size() && number < (1u << 26) ? number : 0;
    }

    std::vector<std::size_t> m_byNumber;
    std::unordered_map<std::string_view, std::size_t> m_others;
};

class Reader {
public:
    Reader(const XmlDocument& xml, CorpusTextBuilder& builder, ExchangeReport& report, EafReadResult& result)
        : m_xml(xml), m_builder(builder), m_report(report), m_result(result)
    {
    }

    bool run(std::string_view wantedTier)
    {
        const XmlNode root = m_xml.root();
        if (!readTimeSlots(root) || !readTypes(root) || !readTiers(root) || !readAnnotations(root))
            return false;
        if (chooseTier(wantedTier) == kNone)
            return false;
        readHeader(root);
        readSentences();
        return true;
    }

private:
    bool fail(std::string why)
    {
        m_result.reason = std::move(why);
        return false;
    }

    static std::string quoted(std::string_view text) { return "\u201E" + std::string(text) + "\u201C"; }

    bool readTimeSlots(XmlNode root)
    {
        for (XmlNode slot = firstChildElement(firstChildElement(root, "TIME_ORDER"), "TIME_SLOT"); slot;
             slot = nextSiblingElement(slot, "TIME_SLOT")) {
            const std::string_view id = attributeValue(slot, "TIME_SLOT_ID");
            Slot entry{m_slots.size(), std::nullopt};
            if (const pugi::xml_attribute value = slot.attribute("TIME_VALUE")) {
                const std::string_view text = value.value();
                std::uint64_t ms = 0;
                const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
                if (text.empty() || error != std::errc() || end != text.data() + text.size() || ms > 0xFFFFFFFFull)
                    return fail(formatText(QT_TRANSLATE_NOOP("core", "aeg %s: vigane TIME_VALUE %s"),
                                           {quoted(id), quoted(text)}));
                entry.milliseconds = ms;
            }
            if (id.empty() || !m_slots.emplace(id, entry).second)
                return fail(formatText(QT_TRANSLATE_NOOP("core", "aeg %s: TIME_SLOT_ID puudub või kordub"),
                                       {quoted(id)}));
        }
        return true;
    }

    bool readTypes(XmlNode root)
    {
        for (XmlNode type = firstChildElement(root, "LINGUISTIC_TYPE"); type; type = nextSiblingElement(type, "LINGUISTIC_TYPE")) {
            const std::string_view constraint = attributeValue(type, "CONSTRAINTS");
            // Time subdivisions and inclusions have aligned annotations of their own, found by time and
            // not by reference: they count as tiers of their own kind, which the import does not read.
            EafConstraint kind = EafConstraint::None;
            if (constraint == "Symbolic_Subdivision")
                kind = EafConstraint::Subdivision;
            else if (constraint == "Symbolic_Association")
                kind = EafConstraint::Association;
            m_types.emplace(attributeValue(type, "LINGUISTIC_TYPE_ID"), kind);
        }
        return true;
    }

    bool readTiers(XmlNode root)
    {
        std::unordered_map<std::string_view, std::string_view> parents;
        for (XmlNode tier = firstChildElement(root, "TIER"); tier; tier = nextSiblingElement(tier, "TIER")) {
            TierInfo info;
            info.id = attributeValue(tier, "TIER_ID");
            info.type = attributeValue(tier, "LINGUISTIC_TYPE_REF");
            info.participant = trimBlanks(attributeValue(tier, "PARTICIPANT"));
            const auto type = m_types.find(info.type);
            if (type == m_types.end())
                return fail(formatText(QT_TRANSLATE_NOOP("core", "kiht %s: tundmatu LINGUISTIC_TYPE_REF %s"),
                                       {quoted(info.id), quoted(info.type)}));
            info.constraint = type->second;
            if (!m_tierIndex.emplace(attributeValue(tier, "TIER_ID"), m_tiers.size()).second)
                return fail(formatText(QT_TRANSLATE_NOOP("core", "kiht %s kordub"), {quoted(info.id)}));
            parents.emplace(attributeValue(tier, "TIER_ID"), attributeValue(tier, "PARENT_REF"));
            m_tiers.push_back(std::move(info));
            m_result.tiers.push_back(m_tiers.back().id);
        }
        for (TierInfo& info : m_tiers) {
            const std::string_view parent = parents[info.id];
            if (parent.empty())
                continue;
            const auto found = m_tierIndex.find(parent);
            if (found == m_tierIndex.end())
                return fail(formatText(QT_TRANSLATE_NOOP("core", "kiht %s: tundmatu PARENT_REF %s"),
                                       {quoted(info.id), quoted(parent)}));
            info.parent = found->second;
        }
        return true;
    }

    bool readAnnotations(XmlNode root)
    {
        std::vector<std::string_view> references;
        std::size_t tierNumber = 0;
        for (XmlNode tier = firstChildElement(root, "TIER"); tier; tier = nextSiblingElement(tier, "TIER"), ++tierNumber) {
            for (XmlNode holder = firstChildElement(tier, "ANNOTATION"); holder; holder = nextSiblingElement(holder, "ANNOTATION")) {
                const XmlNode element = firstChildElement(holder);
                Annotation a;
                a.tier = tierNumber;
                a.id = attributeValue(element, "ANNOTATION_ID");
                a.value = elementText(firstChildElement(element, "ANNOTATION_VALUE"));
                if (a.id.empty() || !m_annotationIndex.insert(a.id, m_annotations.size()))
                    return fail(formatText(
                        QT_TRANSLATE_NOOP("core", "annotatsioon %s: ANNOTATION_ID puudub või kordub"),
                        {quoted(a.id)}));
                std::string_view reference;
                if (isElement(element, "ALIGNABLE_ANNOTATION")) {
                    const auto first = m_slots.find(attributeValue(element, "TIME_SLOT_REF1"));
                    if (first == m_slots.end() || !m_slots.count(attributeValue(element, "TIME_SLOT_REF2")))
                        return fail(formatText(QT_TRANSLATE_NOOP("core", "annotatsioon %s: tundmatu TIME_SLOT_REF"),
                                               {quoted(a.id)}));
                    a.slot1 = first->second.order;
                    m_slotOfOrder.resize(std::max(m_slotOfOrder.size(), a.slot1 + 1));
                    m_slotOfOrder[a.slot1] = first->second;
                } else if (isElement(element, "REF_ANNOTATION")) {
                    reference = attributeValue(element, "ANNOTATION_REF");
                } else {
                    return fail(formatText(QT_TRANSLATE_NOOP("core", "annotatsioon %s: tundmatu liik %s"),
                                           {quoted(a.id), quoted(element.name())}));
                }
                ++m_tiers[tierNumber].annotations;
                m_annotations.push_back(a);
                references.push_back(reference);
                m_previous.push_back(attributeValue(element, "PREVIOUS_ANNOTATION"));
            }
        }
        return resolveReferences(references);
    }

    bool resolveReferences(const std::vector<std::string_view>& references)
    {
        // The children of each annotation, in file order, as one list with a start per annotation.
        m_childStart.assign(m_annotations.size() + 1, 0);
        for (std::size_t i = 0; i < m_annotations.size(); ++i) {
            if (!m_previous[i].empty() && m_annotationIndex.find(m_previous[i]) == kNone)
                return fail(formatText(QT_TRANSLATE_NOOP("core", "annotatsioon %s: tundmatu PREVIOUS_ANNOTATION %s"),
                                       {quoted(m_annotations[i].id), quoted(m_previous[i])}));
            if (references[i].empty())
                continue;
            const std::size_t parent = m_annotationIndex.find(references[i]);
            if (parent == kNone || parent == i)
                return fail(formatText(QT_TRANSLATE_NOOP("core", "annotatsioon %s: tundmatu ANNOTATION_REF %s"),
                                       {quoted(m_annotations[i].id), quoted(references[i])}));
            m_annotations[i].parent = parent;
            ++m_childStart[parent + 1];
        }
        for (std::size_t i = 1; i < m_childStart.size(); ++i)
            m_childStart[i] += m_childStart[i - 1];
        m_childList.resize(m_childStart.back());
        std::vector<std::size_t> filled(m_childStart.begin(), m_childStart.end() - 1);
        for (std::size_t i = 0; i < m_annotations.size(); ++i)
            if (m_annotations[i].parent != kNone)
                m_childList[filled[m_annotations[i].parent]++] = i;
        return true;
    }

    std::span<const std::size_t> children(std::size_t annotation) const
    {
        return std::span(m_childList).subspan(m_childStart[annotation], m_childStart[annotation + 1] - m_childStart[annotation]);
    }

    // The aligned annotation an annotation hangs from (itself when aligned); kNone when there is
    // none or the references go round in a circle.
    std::size_t alignedAncestor(std::size_t annotation) const
    {
        for (std::size_t steps = 0; annotation != kNone && steps <= m_annotations.size(); ++steps) {
            if (m_annotations[annotation].slot1 != kNone)
                return annotation;
            annotation = m_annotations[annotation].parent;
        }
        return kNone;
    }

    // The type of the tiers that hold the sentences: our own "lause", else the transcription type
    // with the most annotations, else the top-level type with the most annotations.
    std::string defaultType() const
    {
        for (const TierInfo& tier : m_tiers)
            if (tier.type == eafTierKinds()[kEafSentence].name)
                return tier.type;
        for (const bool transcriptionsOnly : {true, false}) {
            std::unordered_map<std::string, std::size_t> counts;
            for (const TierInfo& tier : m_tiers) {
                const bool candidate = transcriptionsOnly ? isTranscriptionTierName(tier.id, tier.type) : tier.parent == kNone;
                if (candidate && tier.annotations > 0)
                    counts[tier.type] += tier.annotations;
            }
            std::string best;
            std::size_t most = 0;
            for (const TierInfo& tier : m_tiers)  // in file order, so that a tie takes the first
                if (counts.count(tier.type) && counts[tier.type] > most)
                    most = counts[tier.type], best = tier.type;
            if (!best.empty())
                return best;
        }
        return {};
    }

    std::size_t chooseTier(std::string_view wanted)
    {
        std::string type;
        if (!wanted.empty()) {
            const auto found = m_tierIndex.find(wanted);
            if (found == m_tierIndex.end()) {
                std::string names;
                for (const TierInfo& tier : m_tiers)
                    names += (names.empty() ? "" : ", ") + tier.id;
                fail(formatText(QT_TRANSLATE_NOOP("core", "kihti %s pole failis; kihid: %s"), {quoted(wanted), names}));
                return kNone;
            }
            type = m_tiers[found->second].type;
        } else {
            type = defaultType();
        }
        for (std::size_t i = 0; i < m_tiers.size(); ++i)
            if (!type.empty() && m_tiers[i].type == type)
                m_transcriptionTiers.push_back(i);
        if (m_transcriptionTiers.empty()) {
            fail(translatedText(QT_TRANSLATE_NOOP("core", "failis pole ühtegi lausete kihti")));
            return kNone;
        }
        m_result.chosenTier = wanted.empty() ? m_tiers[m_transcriptionTiers.front()].id : std::string(wanted);
        return m_transcriptionTiers.front();
    }

    void readHeader(XmlNode root)
    {
        const XmlNode header = firstChildElement(root, "HEADER");
        bool recordingNamed = false;
        for (XmlNode property = firstChildElement(header, "PROPERTY"); property; property = nextSiblingElement(property, "PROPERTY")) {
            const std::string_view name = attributeValue(property, "NAME");
            if (!name.starts_with("meta::"))
                continue;
            const std::string_view value = elementText(property);
            if (name == "meta::id")
                m_builder.setTextId(value);
            else
                m_builder.addMetadata(name.substr(6), value == "_" ? std::string_view() : value);
            recordingNamed = recordingNamed || name == "meta::lindistus@fail";
        }
        XmlNode media;
        for (XmlNode d = firstChildElement(header, "MEDIA_DESCRIPTOR"); d && !media; d = nextSiblingElement(d, "MEDIA_DESCRIPTOR"))
            if (std::string_view(attributeValue(d, "MIME_TYPE")).starts_with("audio"))
                media = d;
        if (!media)
            media = firstChildElement(header, "MEDIA_DESCRIPTOR");
        if (media && !recordingNamed) {
            const std::string_view relative = attributeValue(media, "RELATIVE_MEDIA_URL");
            m_builder.addMetadata(std::string(meta::kRecording) + "@" + meta::kAudioFile,
                                  fileNameOfUri(relative.empty() ? attributeValue(media, "MEDIA_URL") : relative));
        }
    }

    void readSentences()
    {
        m_readTiers.assign(m_tiers.size(), false);
        m_childTiers.resize(m_tiers.size());
        for (std::size_t i = 0; i < m_tiers.size(); ++i)
            if (m_tiers[i].parent != kNone)
                m_childTiers[m_tiers[i].parent].push_back(i);
        std::vector<std::pair<std::size_t, std::size_t>> sentences;  // (order, annotation)
        for (std::size_t i = 0; i < m_annotations.size(); ++i) {
            if (std::find(m_transcriptionTiers.begin(), m_transcriptionTiers.end(), m_annotations[i].tier) ==
                m_transcriptionTiers.end())
                continue;
            const std::size_t aligned = alignedAncestor(i);
            sentences.emplace_back(aligned == kNone ? kNone : m_annotations[aligned].slot1, i);
        }
        // The order of the time slots is the order of the recording, also where a slot has no time.
        std::stable_sort(sentences.begin(), sentences.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const std::size_t tier : m_transcriptionTiers)
            for (std::size_t up = tier; up != kNone && !m_readTiers[up]; up = m_tiers[up].parent)
                m_readTiers[up] = true;
        for (const auto& sentence : sentences)
            readSentence(sentence.second);
        for (std::size_t i = 0; i < m_tiers.size(); ++i)
            if (!m_readTiers[i] && m_tiers[i].annotations > 0)
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "EAF kiht %s (annotatsioone)"),
                                         {quoted(m_tiers[i].id)}), m_tiers[i].annotations);
    }

    // The values of an annotation's children on one tier.
    std::vector<std::size_t> childrenOn(std::size_t annotation, std::size_t tier) const
    {
        std::vector<std::size_t> found;
        for (const std::size_t child : children(annotation))
            if (m_annotations[child].tier == tier)
                found.push_back(child);
        return found;
    }

    std::string_view firstValueOn(std::size_t annotation, std::size_t tier) const
    {
        for (const std::size_t child : children(annotation))
            if (m_annotations[child].tier == tier)
                return m_annotations[child].value;
        return {};
    }

    std::size_t kindOf(std::size_t tier) const { return eafKindOfTier(m_tiers[tier].id, m_tiers[tier].type); }

    void readSentence(std::size_t index)
    {
        const Annotation& annotation = m_annotations[index];
        const TierInfo& tier = m_tiers[annotation.tier];
        const XmlNode sentence = m_builder.addSentence(annotation.id);
        m_builder.setAttribute(sentence, kSpeaker, tier.participant);
        m_builder.addSpeakerUnlessKnown(tier.participant);
        const std::size_t aligned = alignedAncestor(index);
        if (aligned != kNone && m_slotOfOrder[m_annotations[aligned].slot1].milliseconds)
            m_builder.setAttribute(sentence, kAudioPosition,
                                   std::to_string(*m_slotOfOrder[m_annotations[aligned].slot1].milliseconds / 1000));
        std::size_t tokenTier = kNone;
        std::size_t combinationTier = kNone;
        std::array<bool, kTranslations.size()> translated{};
        for (const std::size_t child : m_childTiers[annotation.tier]) {
            const std::size_t kind = kindOf(child);
            if (kind >= eafTranslationKind(Translation::Estonian) && kind <= eafTranslationKind(Translation::English)) {
                // The first tier of a language gives the translation; further ones are told as not read.
                const std::size_t language = kind - eafTranslationKind(Translation::Estonian);
                if (std::exchange(translated[language], true))
                    continue;
                m_builder.setAttribute(sentence, translationAttribute(kTranslations[language]), firstValueOn(index, child));
                m_readTiers[child] = true;
            } else if (kind == kEafCombination) {
                combinationTier = child;
            } else if (m_tiers[child].constraint == EafConstraint::Subdivision &&
                       (kind == kEafToken || (kind == kEafNoParent && tokenTier == kNone))) {
                tokenTier = child;
            }
        }
        if (tokenTier != kNone) {
            m_readTiers[tokenTier] = true;
            readTokens(tokenTier, index);
        } else {
            for (const SentenceToken& token : tokensOfSentence(annotation.value)) {
                TokenFieldValues fields;
                fields[static_cast<std::size_t>(TokenField::Reason)] = token.reason;
                m_builder.addToken(token.text, fields);
            }
        }
        if (combinationTier != kNone)
            readCombinations(combinationTier, index);
    }

    void readTokens(std::size_t tokenTier, std::size_t sentence)
    {
        std::vector<std::pair<std::size_t, TokenField>> fieldTiers;
        for (const std::size_t child : m_childTiers[tokenTier]) {
            const std::size_t kind = kindOf(child);
            for (const TokenField field : kTokenFields)
                if (kind == eafFieldKind(field)) {
                    fieldTiers.emplace_back(child, field);
                    m_readTiers[child] = true;
                }
        }
        for (const std::size_t token : childrenOn(sentence, tokenTier)) {
            TokenFieldValues fields;
            for (const auto& [tier, field] : fieldTiers)
                fields[static_cast<std::size_t>(field)] = firstValueOn(token, tier);
            m_builder.addToken(m_annotations[token].value, fields);
        }
    }

    void readCombinations(std::size_t combinationTier, std::size_t sentence)
    {
        m_readTiers[combinationTier] = true;
        std::size_t words = kNone, meaning = kNone, partOfSpeech = kNone;
        for (const std::size_t child : m_childTiers[combinationTier]) {
            const std::size_t kind = kindOf(child);
            if (kind == kEafCombinationWords)
                words = child;
            else if (kind == kEafCombinationMeaning)
                meaning = child;
            else if (kind == kEafCombinationPartOfSpeech)
                partOfSpeech = child;
            else
                continue;
            m_readTiers[child] = true;
        }
        for (const std::size_t combination : childrenOn(sentence, combinationTier)) {
            std::vector<int> positions;
            const std::string_view list = words == kNone ? std::string_view() : firstValueOn(combination, words);
            for (std::size_t at = 0; at < list.size();) {
                const std::size_t end = std::min(list.find(' ', at), list.size());
                int value = 0;
                if (std::from_chars(list.data() + at, list.data() + end, value).ptr == list.data() + end)
                    positions.push_back(value);
                at = end + 1;
            }
            const auto valueOn = [&](std::size_t tier) { return tier == kNone ? std::string_view() : firstValueOn(combination, tier); };
            if (!m_builder.addCombination(positions, m_annotations[combination].value, valueOn(meaning), valueOn(partOfSpeech)))
                m_report.note(QT_TRANSLATE_NOOP("core", "vigased ühendid (jäeti välja)"));
        }
    }

    const XmlDocument& m_xml;
    CorpusTextBuilder& m_builder;
    ExchangeReport& m_report;
    EafReadResult& m_result;
    // The lookups of a long file hold over a million entries: their nodes come from one arena.
    std::pmr::monotonic_buffer_resource m_arena;
    std::pmr::unordered_map<std::string_view, Slot> m_slots{&m_arena};
    std::vector<Slot> m_slotOfOrder;
    std::unordered_map<std::string_view, EafConstraint> m_types;
    std::vector<TierInfo> m_tiers;
    std::unordered_map<std::string_view, std::size_t> m_tierIndex;
    std::vector<Annotation> m_annotations;
    std::vector<std::string_view> m_previous;
    AnnotationIds m_annotationIndex;
    std::vector<std::size_t> m_childStart;
    std::vector<std::size_t> m_childList;
    std::vector<std::size_t> m_transcriptionTiers;
    std::vector<std::vector<std::size_t>> m_childTiers;
    std::vector<bool> m_readTiers;
};

}  // namespace

bool readEaf(std::string_view bytes, std::string_view tier, CorpusTextBuilder& builder, ExchangeReport& report,
             EafReadResult& result)
{
    XmlDocument xml;
    return loadExchangeXml(bytes, xml, "ANNOTATION_DOCUMENT", result.reason) &&
           readEafDocument(xml, tier, builder, report, result);
}

bool readEafDocument(const XmlDocument& xml, std::string_view tier, CorpusTextBuilder& builder, ExchangeReport& report,
                     EafReadResult& result)
{
    return Reader(xml, builder, report, result).run(tier);
}

}  // namespace pelmora::exchange
