#include "exchange/lift.h"

#include "common/filemessages.h"
#include "common/files.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "exchange/mappings.h"
#include "exchange/xmlinput.h"

#include <algorithm>

namespace pelmora::exchange {

namespace {

constexpr const char* kPreview = QT_TRANSLATE_NOOP("core", "LIFT-failis %s: uusi kirjeid %s, samu %s, erinevaid %s.");
constexpr const char* kQuestion = QT_TRANSLATE_NOOP("core", "Kas lisan need sõnastikku %s?");
constexpr const char* kUnchanged = QT_TRANSLATE_NOOP("core", "Sõnastikus on kõik juba olemas; seda ei muudetud.");
constexpr const char* kLeftOut = QT_TRANSLATE_NOOP("core", "Failist %s jäi lugemata:");
// A weight above this is taken as this: a file cannot make the merge store for ever.
constexpr long long kLongestWeight = 100000;

// The text of the form in the wanted language, else of the first form.
std::string formText(XmlNode multitext, std::string_view language)
{
    XmlNode chosen;
    for (XmlNode form = firstChildElement(multitext, "form"); form; form = nextSiblingElement(form, "form"))
        if (!chosen || attributeValue(form, "lang") == language)
            chosen = form;
    return toNfc(runText(firstChildElement(chosen, "text")));
}

std::string traitValue(XmlNode element, std::string_view name)
{
    for (XmlNode trait = firstChildElement(element, "trait"); trait; trait = nextSiblingElement(trait, "trait"))
        if (attributeValue(trait, "name") == name)
            return toNfc(attributeValue(trait, "value"));
    return {};
}

long long weightOf(XmlNode element, ExchangeReport& report)
{
    const std::string text = traitValue(element, "kaal");
    const long long weight = text.empty() ? 1 : leadingInteger(text);
    if (weight > kLongestWeight)
        report.note(formatText(QT_TRANSLATE_NOOP("core", "kaalud üle %s (võeti %s)"),
                               {std::to_string(kLongestWeight), std::to_string(kLongestWeight)}));
    return std::clamp(weight, 1LL, kLongestWeight);
}

class Reader {
public:
    Reader(ExchangeReport& report, bool withoutEstonian) : m_report(report), m_withoutEstonian(withoutEstonian) {}

    void readEntry(XmlNode element, std::vector<LiftEntry>& entries)
    {
        if (element.attribute("dateDeleted"))
            return;
        LiftEntry entry;
        entry.headword = formText(firstChildElement(element, "lexical-unit"), "liv");
        if (entry.headword.empty())
            entry.headword = formText(firstChildElement(element, "citation"), "liv");
        if (entry.headword.empty()) {
            m_report.note(QT_TRANSLATE_NOOP("core", "kirjed ilma märksõnata"));
            return;
        }
        const std::string morphType = traitValue(element, "morph-type");
        const bool combination = morphType == "phrase" || morphType == "discontiguous phrase";
        for (XmlNode child = firstChildElement(element); child; child = child.next_sibling()) {
            const std::string_view name = child.name();
            if (child.type() != pugi::node_element)
                continue;
            if (name == "sense")
                readSense(child, entry, combination);
            else if (name == "variant" && !combination)
                readVariant(child, entry);
            else if (name != "lexical-unit" && name != "citation" && name != "trait" &&
                     !(name == "relation" && attributeValue(child, "type") == std::string_view("_component-lexeme")))
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "LIFT kirje osa „%s“"), {std::string(name)}));
        }
        if (!entry.analyses.empty())
            entries.push_back(std::move(entry));
    }

private:
    void readSense(XmlNode sense, LiftEntry& entry, bool combination)
    {
        Glosses glosses;
        for (XmlNode gloss = firstChildElement(sense, "gloss"); gloss; gloss = nextSiblingElement(gloss, "gloss"))
            glosses.emplace(std::string(attributeValue(gloss, "lang")), toNfc(runText(firstChildElement(gloss, "text"))));
        if (glosses.empty())
            for (XmlNode form = firstChildElement(firstChildElement(sense, "definition"), "form"); form;
                 form = nextSiblingElement(form, "form"))
                glosses.emplace(std::string(attributeValue(form, "lang")), toNfc(runText(firstChildElement(form, "text"))));
        for (const auto& [language, text] : glosses)
            if (language != "et" && language != "lv" && language != "en" && meaningOfGlosses(glosses, m_withoutEstonian) != text)
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "tähendused keeles „%s“"), {language}));
        const std::string label(attributeValue(firstChildElement(sense, "grammatical-info"), "value"));
        const std::string partOfSpeech(partOfSpeechOfLabel(toNfc(label)));
        if (partOfSpeech.empty() && !label.empty())
            m_report.note(formatText(QT_TRANSLATE_NOOP("core", "sõnaliik, millel pole vastet: „%s“"), {label}));
        for (XmlNode child = firstChildElement(sense); child; child = child.next_sibling()) {
            const std::string_view name = child.name();
            if (child.type() == pugi::node_element && name != "gloss" && name != "grammatical-info" && name != "trait" && name != "definition")
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "LIFT tähenduse osa „%s“"), {std::string(name)}));
        }
        LiftAnalysis analysis;
        analysis.weight = weightOf(sense, m_report);
        const std::string meaning = meaningOfGlosses(glosses, m_withoutEstonian);
        if (combination) {
            analysis.section = DictSection::Combinations;
            analysis.values = {entry.headword, meaning, partOfSpeech, {}, {}};
            analysis.weight = 1;  // a combination has no weight
            if (meaning.empty() && partOfSpeech.empty())
                return;
        } else {
            const auto gloss = [&glosses](const char* language) {
                const auto found = glosses.find(language);
                return found == glosses.end() ? std::string() : found->second;
            };
            analysis.values = {entry.headword, meaning, partOfSpeech, gloss("lv"), gloss("en")};
            if (meaning.empty() && partOfSpeech.empty() && analysis.values[3].empty() && analysis.values[4].empty())
                return;
        }
        entry.analyses.push_back(std::move(analysis));
    }

    void readVariant(XmlNode variant, LiftEntry& entry)
    {
        const std::string surface = formText(variant, "liv");
        if (surface.empty() || MakeWordFormKey(surface).empty())
            return;
        LiftAnalysis analysis;
        analysis.section = DictSection::WordForms;
        analysis.values = {surface, entry.headword, traitValue(variant, "vorm"), {}, {}};
        analysis.weight = weightOf(variant, m_report);
        entry.analyses.push_back(std::move(analysis));
    }

    ExchangeReport& m_report;
    bool m_withoutEstonian;
};

// The analyses of the dictionary under the entry of the analysis's id.
std::vector<XmlNode> presentAnalyses(const CDictionary& dictionary, const LiftAnalysis& analysis)
{
    const std::string key = analysis.section == DictSection::WordForms ? MakeWordFormKey(analysis.values[0])
                                                                        : analysis.values[0];
    return dictionary.analyses(analysis.section, key);
}

// The analysis of the dictionary that equals the lexicon's, or null.
XmlNode sameAnalysis(const std::vector<XmlNode>& present, const LiftAnalysis& analysis)
{
    const auto values = [&analysis](XmlNode node) -> bool {
        switch (analysis.section) {
        case DictSection::WordForms:
            return attributeValue(node, dict::kFormLemma) == analysis.values[1] && attributeValue(node, dict::kForm) == analysis.values[2];
        case DictSection::Lemmas:
            return attributeValue(node, dict::kMeaning) == analysis.values[1] &&
                   attributeValue(node, dict::kPartOfSpeech) == analysis.values[2] &&
                   attributeValue(node, dict::kLatvian) == analysis.values[3] &&
                   attributeValue(node, dict::kEnglish) == analysis.values[4];
        case DictSection::Combinations: break;
        }
        return attributeValue(node, dict::kCombinationMeaning) == analysis.values[1] &&
               attributeValue(node, dict::kCombinationPartOfSpeech) == analysis.values[2];
    };
    const auto found = std::find_if(present.begin(), present.end(), values);
    return found == present.end() ? XmlNode() : *found;
}

}  // namespace

bool readLift(std::string_view bytes, std::vector<LiftEntry>& entries, ExchangeReport& report, std::string& reason)
{
    XmlDocument xml;
    if (!loadExchangeXml(bytes, xml, "lift", reason))
        return false;
    // Our own lexicons say who made them; others gloss in Estonian or not at all.
    const bool ours = attributeValue(xml.root(), "producer") == std::string_view("Pelmora");
    Reader reader(report, !ours && !usesEstonian(xml.root()));
    for (XmlNode entry = firstChildElement(xml.root(), "entry"); entry; entry = nextSiblingElement(entry, "entry"))
        reader.readEntry(entry, entries);
    return true;
}

LiftMerge::LiftMerge(const CDictionary& dictionary, const std::vector<LiftEntry>& entries)
{
    for (const LiftEntry& entry : entries) {
        std::size_t fresh = 0;
        std::size_t same = 0;
        for (const LiftAnalysis& analysis : entry.analyses) {
            const std::vector<XmlNode> present = presentAnalyses(dictionary, analysis);
            long long stores = analysis.weight;
            if (const XmlNode equal = sameAnalysis(present, analysis)) {
                ++same;
                stores = analysis.section == DictSection::Combinations ? 0 : analysis.weight - analysisWeight(equal);
            } else if (present.empty()) {
                ++fresh;
            }
            for (long long i = 0; i < stores; ++i)
                m_stores.push_back(&analysis);
        }
        if (fresh == entry.analyses.size())
            ++m_preview.newEntries;
        else if (same == entry.analyses.size())
            ++m_preview.sameEntries;
        else
            ++m_preview.differentEntries;
    }
}

CDictionary::StoreRequest LiftMerge::request(std::size_t i) const
{
    const LiftAnalysis& analysis = *m_stores[i];
    CDictionary::StoreRequest request;
    request.section = analysis.section;
    for (std::size_t v = 0; v < analysis.values.size(); ++v)
        request.values[v] = analysis.values[v];
    return request;
}

bool importLift(CDictionary& dictionary, const std::string& path, Prompter& prompter, bool previewOnly)
{
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        prompter.error(formatMessage(kFileNotFoundMessage, path));
        return false;
    }
    std::vector<LiftEntry> entries;
    ExchangeReport report;
    std::string reason;
    if (!readLift(bytes, entries, report, reason)) {
        prompter.error(formatMessage(kInvalidFileMessage, path) + "\n" + reason);
        return false;
    }
    dictionary.reloadIfChanged();
    const LiftMerge merge(dictionary, entries);
    const LiftMergePreview& counts = merge.preview();
    std::string preview = formatMessage(kPreview, path);
    for (const std::size_t count : {counts.newEntries, counts.sameEntries, counts.differentEntries})
        preview = formatMessage(preview, std::to_string(count));
    prompter.message(MessageKind::Information, kTitleNotice, preview);
    if (!report.empty())
        prompter.message(MessageKind::Information, kTitleNotice, report.text(formatMessage(kLeftOut, path)));
    if (previewOnly)
        return true;
    if (merge.size() == 0) {
        prompter.message(MessageKind::Information, kTitleNotice, kUnchanged);
        return true;
    }
    if (!prompter.askYesNo("Pelmora", formatMessage(kQuestion, dictionary.path())))
        return false;
    return dictionary.addInBulk(merge);
}

}  // namespace pelmora::exchange
