#include "dictionary/dictformat.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <charconv>

namespace pelmora {

namespace {

constexpr std::string_view kTemplate =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<?xml-stylesheet type=\"text/xsl\" href=\"zobe_sonastik.xsl\"?>\r\n"
    "<pelmora tyyp=\"sonastik\">\r\n"
    "<soned>\r\n"
    "<sone id=\"__\" lemma=\"__\"/>\r\n"
    "</soned>\r\n"
    "<lemmad>\r\n"
    "<lemma id=\"__\" tahendus=\"__\"/>\r\n"
    "\r\n"
    "</lemmad>\r\n"
    "<yhendid>\r\n"
    "<yhend id=\"__\" ytahendus=\"__\"/>\r\n"
    "\r\n"
    "</yhendid></pelmora>";

constexpr std::array<const char*, 2> kFormAttributes{dict::kFormLemma, dict::kForm};
constexpr std::array<const char*, 4> kLemmaAttributes{dict::kMeaning, dict::kPartOfSpeech, dict::kLatvian,
                                                      dict::kEnglish};

}  // namespace

const char* sectionName(DictSection section)
{
    switch (section) {
    case DictSection::WordForms: return dict::kWordForms;
    case DictSection::Lemmas: return dict::kLemmas;
    case DictSection::Combinations: break;
    }
    return dict::kCombinations;
}

const char* entryName(DictSection section)
{
    switch (section) {
    case DictSection::WordForms: return dict::kWordForm;
    case DictSection::Lemmas: return dict::kLemma;
    case DictSection::Combinations: break;
    }
    return dict::kCombination;
}

bool sectionFromName(std::string_view name, DictSection& section)
{
    for (DictSection s : kDictSections) {
        if (name == sectionName(s)) {
            section = s;
            return true;
        }
    }
    return false;
}

const std::vector<const char*>& sectionAttributes(DictSection section)
{
    static const std::vector<const char*> wordForm{dict::kId, dict::kFormLemma, dict::kForm, dict::kWeight};
    static const std::vector<const char*> lemma{dict::kId,      dict::kMeaning, dict::kPartOfSpeech,
                                                dict::kLatvian, dict::kEnglish, dict::kWeight};
    static const std::vector<const char*> combination{dict::kId, dict::kCombinationMeaning,
                                                      dict::kCombinationPartOfSpeech};
    switch (section) {
    case DictSection::WordForms: return wordForm;
    case DictSection::Lemmas: return lemma;
    case DictSection::Combinations: break;
    }
    return combination;
}

const std::vector<const char*>& identifyingAttributes(DictSection section)
{
    static const std::vector<const char*> wordForm{dict::kFormLemma, dict::kForm};
    static const std::vector<const char*> lemma{dict::kMeaning, dict::kPartOfSpeech, dict::kLatvian, dict::kEnglish};
    static const std::vector<const char*> combination{dict::kCombinationMeaning, dict::kCombinationPartOfSpeech};
    switch (section) {
    case DictSection::WordForms: return wordForm;
    case DictSection::Lemmas: return lemma;
    case DictSection::Combinations: break;
    }
    return combination;
}

std::string_view dictionaryTemplate() { return kTemplate; }

bool isPlaceholder(XmlNode analysis)
{
    return analysis && attributeValue(analysis, dict::kId) == kPlaceholderId;
}

long long analysisWeight(XmlNode analysis) { return leadingInteger(attributeValue(analysis, dict::kWeight)); }

void raiseWeight(XmlNode analysis)
{
    if (pugi::xml_attribute weight = analysis.attribute(dict::kWeight)) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, leadingInteger(weight.value()) + 1).ptr;
        weight.set_value(digits, static_cast<std::size_t>(end - digits));
        return;
    }
    setAttribute(analysis, dict::kWeight, "1");
}

void setOrRemove(XmlNode node, const char* name, std::string_view value)
{
    if (value.empty())
        removeAttribute(node, name);
    else
        setAttribute(node, name, value);
}

XmlNode newAnalysis(XmlNode parent, const char* name, std::string_view id)
{
    XmlNode node = parent.append_child(name);
    setAttribute(node, dict::kId, id);
    return node;
}

bool wordFormEntryTakes(XmlNode entry, std::string_view lemma, std::string_view form)
{
    const auto [entryLemma, entryForm] = readAttributes(entry, kFormAttributes);
    if (!sameText(entryLemma, lemma))
        return false;
    if (sameText(entryForm, form)) {
        raiseWeight(entry);
        return true;
    }
    if (entryForm.empty()) {
        setOrRemove(entry, dict::kForm, form);  // the form tag completes the analysis, no new confirmation
        return true;
    }
    return form.empty();
}

bool wordFormAnalysisTakes(XmlNode analysis, std::string_view lemma, std::string_view form)
{
    const auto [analysisLemma, analysisForm] = readAttributes(analysis, kFormAttributes);
    if (!sameText(analysisLemma, lemma) ||
        !(sameText(analysisForm, form) || analysisForm.empty() || form.empty()))
        return false;
    if (!form.empty() && analysisForm.empty())
        setAttribute(analysis, dict::kForm, form);
    raiseWeight(analysis);
    return true;
}

void setWordFormValues(XmlNode analysis, std::string_view lemma, std::string_view form)
{
    setOrRemove(analysis, dict::kFormLemma, lemma);
    setOrRemove(analysis, dict::kForm, form);
    setAttribute(analysis, dict::kWeight, "1");
}

bool lemmaEntryTakes(XmlNode entry, const LemmaValues& v)
{
    const auto [meaning, partOfSpeech, latvian, english] = readAttributes(entry, kLemmaAttributes);
    if (!sameText(meaning, v.meaning) || !sameText(partOfSpeech, v.partOfSpeech))
        return false;
    if (sameText(latvian, v.latvian) && sameText(english, v.english)) {
        raiseWeight(entry);
        return true;
    }
    if (latvian.empty() || english.empty()) {
        if (!v.latvian.empty())
            setAttribute(entry, dict::kLatvian, v.latvian);
        if (!v.english.empty())
            setAttribute(entry, dict::kEnglish, v.english);
        return true;
    }
    return v.latvian.empty() || v.english.empty();
}

bool lemmaAnalysisTakes(XmlNode analysis, const LemmaValues& v)
{
    const auto [meaning, partOfSpeech, latvian, english] = readAttributes(analysis, kLemmaAttributes);
    if (!sameText(meaning, v.meaning) || !sameText(partOfSpeech, v.partOfSpeech))
        return false;
    if (!((sameText(latvian, v.latvian) && sameText(english, v.english)) || latvian.empty() || english.empty() ||
          v.latvian.empty() || v.english.empty()))
        return false;
    const bool fillLatvian = !v.latvian.empty() && latvian.empty();
    const bool fillEnglish = !v.english.empty() && english.empty();
    raiseWeight(analysis);
    if (fillLatvian)
        setAttribute(analysis, dict::kLatvian, v.latvian);
    if (fillEnglish)
        setAttribute(analysis, dict::kEnglish, v.english);
    return true;
}

void setLemmaValues(XmlNode analysis, const LemmaValues& v)
{
    setOrRemove(analysis, dict::kMeaning, v.meaning);
    setOrRemove(analysis, dict::kPartOfSpeech, v.partOfSpeech);
    setOrRemove(analysis, dict::kLatvian, v.latvian);
    setOrRemove(analysis, dict::kEnglish, v.english);
    setAttribute(analysis, dict::kWeight, "1");
}

bool isCombination(XmlNode analysis, std::string_view meaning, std::string_view partOfSpeech)
{
    return sameText(attributeValue(analysis, dict::kCombinationMeaning), meaning) &&
           sameText(attributeValue(analysis, dict::kCombinationPartOfSpeech), partOfSpeech);
}

void setCombinationValues(XmlNode analysis, std::string_view meaning, std::string_view partOfSpeech)
{
    setOrRemove(analysis, dict::kCombinationMeaning, meaning);
    setOrRemove(analysis, dict::kCombinationPartOfSpeech, partOfSpeech);
}

}  // namespace pelmora
