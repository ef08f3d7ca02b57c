#include "io/simpledictionary.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "io/iomessages.h"
#include "io/matchvalue.h"
#include "io/tokencombinations.h"
#include "text/textformat.h"

#include <algorithm>
#include <vector>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kWarning = QT_TRANSLATE_NOOP(
    "core",
    "See funktsioon ei tööta veel õigesti\nmurdetekstidega ja liivi tekstidega\nEi soovita kasutada.\n\n"
    "Kui seda on siiski vaja, anna teada\n");
constexpr const char* kNoText = QT_TRANSLATE_NOOP("core", "Ühtegi faili pole avatud.\nEi saa sõnastikku luua.");
constexpr const char* kCannotCreate = QT_TRANSLATE_NOOP("core", "Ei saa avada/luua faili %s.\nVali uus fail.");
constexpr const char* kNoTextStatistics = QT_TRANSLATE_NOOP("core", "Ühtegi faili pole avatud");
constexpr const char* kName = "nimi";
constexpr const char* kFrequency = "sagedus";
constexpr const char* kSources = "allikad";
constexpr const char* kSource = "allikas";
constexpr const char* kWordForms = "soned";
constexpr const char* kCombinations = "yhendid";
constexpr long long kProgressEvery = 500;

std::string childText(XmlNode parent, const char* name)
{
    return std::string(elementText(parent.child(name)));
}

XmlNode appendTextChild(XmlNode parent, const char* name, std::string_view text)
{
    XmlNode child = parent.append_child(name);
    if (!text.empty())
        setElementText(child, text);
    return child;
}

void countUp(XmlNode entry)
{
    XmlNode frequency = entry.child(kFrequency);
    setElementText(frequency, std::to_string(leadingInteger(elementText(frequency)) + 1));
}

// Position by position the character with the higher code; forms of different length keep the
// stored one.
std::string mergeWrittenForms(std::string_view stored, std::string_view added)
{
    std::vector<char32_t> a;
    std::vector<char32_t> b;
    for (std::size_t i = 0; i < stored.size();)
        a.push_back(decodeUtf8(stored, i));
    for (std::size_t i = 0; i < added.size();)
        b.push_back(decodeUtf8(added, i));
    if (a.size() != b.size())
        return std::string(stored);
    std::string out;
    for (std::size_t i = 0; i < a.size(); ++i)
        appendUtf8(out, std::max(a[i], b[i]));
    return out;
}

// "tok1 *tok2* tok3 ": every token of the sentence followed by a blank, the given one in asterisks.
std::string sentenceText(XmlNode token)
{
    std::string out;
    for (XmlNode word = firstChildElement(token.parent(), kToken); word; word = nextSiblingElement(word, kToken)) {
        if (word == token)
            out += '*';
        out += elementText(word);
        if (word == token)
            out += '*';
        out += ' ';
    }
    return out;
}

class DictionaryBuilder {
public:
    DictionaryBuilder(XmlNode root, const SimpleDictionaryOptions& options) : m_root(root), m_options(options)
    {
        for (XmlNode entry = firstChildElement(root, kLemma); entry; entry = nextSiblingElement(entry, kLemma))
            m_entries.push_back({childText(entry, kName), entry});
    }

    void addToken(XmlNode token)
    {
        ++m_progress.tokensRead;
        // Values are grouped in the normal form: two spellings of one word are one entry.
        const std::string lemma = toNfc(attributeValue(token, kLemma));
        if (lemma.empty())
            return;
        std::string source(attributeValue(token, kPage));
        source += ": ";
        source += attributeValue(token.parent(), kId);

        const XmlNode entry = findOrAddEntry(token, lemma);
        if (m_options.examples) {
            XmlNode example = insertBeforeLaterParts(entry, kSentence, false);
            appendTextChild(example, kName, sentenceText(token));
            appendTextChild(example, kSource, source);
        }
        addWordForm(entry, token, source);
        if (m_options.combinations) {
            for (const CombinationValues& combination : combinationsEndingAt(token)) {
                ++m_progress.combinationsRead;
                addCombination(entry, combination, source);
            }
        }
    }

    SimpleDictionaryProgress& progress() { return m_progress; }

private:
    struct Entry {
        std::string name;
        XmlNode node;
    };

    XmlNode findOrAddEntry(XmlNode token, std::string_view lemma)
    {
        const std::string meaning = toNfc(attributeValue(token, kMeaning));
        const std::string partOfSpeech = toNfc(attributeValue(token, kPartOfSpeech));
        const std::string language = toNfc(attributeValue(token, kLanguage));
        auto at = std::lower_bound(m_entries.begin(), m_entries.end(), lemma,
                                   [](const Entry& e, std::string_view name) { return compareOrdinal(e.name, name) < 0; });
        for (; at != m_entries.end() && at->name == lemma; ++at) {
            const XmlNode node = at->node;
            if (elementText(node.child(kMeaning)) == meaning && elementText(node.child(kPartOfSpeech)) == partOfSpeech &&
                elementText(node.child(kLanguage)) == language) {
                countUp(node);
                return node;
            }
        }
        // New entries go after those of the same name, so equal names stay together in text order.
        XmlNode node = at == m_entries.end() ? m_root.append_child(kLemma)
                                             : m_root.insert_child_before(kLemma, at->node);
        appendTextChild(node, kName, lemma);
        appendTextChild(node, kMeaning, meaning);
        appendTextChild(node, kPartOfSpeech, partOfSpeech);
        appendTextChild(node, kLanguage, language);
        appendTextChild(node, kFrequency, "1");
        m_entries.insert(at, {std::string(lemma), node});
        ++m_progress.lemmaEntries;
        return node;
    }

    // A child that must stand before the word forms and combinations of the entry (example
    // sentences), or before the combinations only (the word-form list).
    XmlNode insertBeforeLaterParts(XmlNode entry, const char* name, bool wordFormList)
    {
        XmlNode before = wordFormList ? XmlNode() : entry.child(kWordForms);
        if (!before)
            before = entry.child(kCombinations);
        return before ? entry.insert_child_before(name, before) : entry.append_child(name);
    }

    void addWordForm(XmlNode entry, XmlNode token, const std::string& source)
    {
        XmlNode forms = entry.child(kWordForms);
        if (!forms)
            forms = insertBeforeLaterParts(entry, kWordForms, true);
        const std::string text = toNfc(elementText(token));
        const std::string form = toNfc(attributeValue(token, kForm));
        for (XmlNode known = firstChildElement(forms, kToken); known; known = nextSiblingElement(known, kToken)) {
            const std::string_view name = elementText(known.child(kName));
            if (elementText(known.child(kForm)) != form || !MatchValue(name, text, kMatchExact))
                continue;
            setElementText(known.child(kName), mergeWrittenForms(name, removeMarkup(text)));
            countUp(known);
            appendTextChild(known.child(kSources), kSource, source);
            return;
        }
        XmlNode added = forms.append_child(kToken);
        appendTextChild(added, kName, removeMarkup(text));
        appendTextChild(added, kForm, form);
        appendTextChild(added, kFrequency, "1");
        appendTextChild(added.append_child(kSources), kSource, source);
        ++m_progress.wordForms;
    }

    void addCombination(XmlNode entry, const CombinationValues& combination, const std::string& source)
    {
        XmlNode list = entry.child(kCombinations);
        if (!list)
            list = entry.append_child(kCombinations);
        for (XmlNode known = firstChildElement(list, kCombination); known;
             known = nextSiblingElement(known, kCombination)) {
            if (sameText(elementText(known.child(kCombinationLemma)), combination.lemma) &&
                sameText(elementText(known.child(kCombinationMeaning)), combination.meaning) &&
                sameText(elementText(known.child(kCombinationPartOfSpeech)), combination.partOfSpeech)) {
                countUp(known);
                appendTextChild(known.child(kSources), kSource, source);
                return;
            }
        }
        XmlNode added = list.append_child(kCombination);
        appendTextChild(added, kCombinationLemma, toNfc(combination.lemma));
        appendTextChild(added, kCombinationMeaning, toNfc(combination.meaning));
        appendTextChild(added, kCombinationPartOfSpeech, toNfc(combination.partOfSpeech));
        appendTextChild(added, kFrequency, "1");
        appendTextChild(added.append_child(kSources), kSource, source);
        ++m_progress.combinationEntries;
    }

    XmlNode m_root;
    const SimpleDictionaryOptions& m_options;
    std::vector<Entry> m_entries;
    SimpleDictionaryProgress m_progress;
};

}  // namespace

bool isPunctuationOrNumberMark(std::string_view value)
{
    // Most tokens have neither attribute; an empty value is told apart without normalising.
    if (value.empty())
        return false;
    return sameText(value, "kirjavahemärk") || value == "number" || sameText(value, "vahemärk");
}

std::string simpleDictionaryTemplate()
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
           "<?xml-stylesheet type=\"text/xsl\" href=\"zobe_pr_sonastik.xsl\"?>\r\n"
           "<pelmora tyyp=\"paring\">\r\n"
           "<lemma><nimi>__</nimi></lemma>\r\n"
           "</pelmora>";
}

void warnSimpleDictionaryUnfinished(Prompter& prompter)
{
    prompter.message(MessageKind::Warning, kUnfinishedCaption, unfinishedWarning(kWarning));
}

bool buildSimpleDictionary(const CPelmoraDoc& doc, const SimpleDictionaryOptions& options, Prompter& prompter,
                           const SimpleDictionaryProgressCallback& progress)
{
    if (options.warnFirst)
        warnSimpleDictionaryUnfinished(prompter);
    if (!doc.hasText()) {
        prompter.error(kNoText);
        return false;
    }
    XmlDocument result;
    if (!result.loadFromBuffer(simpleDictionaryTemplate()))
        return false;
    DictionaryBuilder builder(result.root(), options);
    if (progress)
        for (XmlNode sentence = firstChildElement(doc.body(), kSentence); sentence;
             sentence = nextSiblingElement(sentence, kSentence))
            for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken))
                ++builder.progress().tokenCount;
    for (XmlNode sentence = firstChildElement(doc.body(), kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
            builder.addToken(token);
            const long long read = builder.progress().tokensRead;
            if (progress && (read == 1 || read % kProgressEvery == 0) && !progress(builder.progress()))
                return false;
        }
    }
    if (!result.save(options.outputPath)) {
        prompter.error(formatMessage(kCannotCreate, options.outputPath));
        return false;
    }
    builder.progress().finished = true;
    if (progress)
        progress(builder.progress());
    return true;
}

bool isPunctuationOrNumberToken(XmlNode token)
{
    return isPunctuationOrNumberMark(attributeValue(token, kLanguage)) ||
           isPunctuationOrNumberMark(attributeValue(token, kMeta));
}

TextStatistics countTextStatistics(const CPelmoraDoc& doc, Prompter& prompter,
                                   const std::function<void(const TextStatistics&)>& progress)
{
    TextStatistics counts;
    if (!doc.hasText()) {
        prompter.error(kNoTextStatistics);
        return counts;
    }
    for (XmlNode sentence = firstChildElement(doc.body(), kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
            if (!attributeValue(token, kLemma).empty())
                ++counts.lemmaTokens;
            // The window promises to leave punctuation and numbers out.
            if (!isPunctuationOrNumberToken(token))
                ++counts.tokens;
        }
        if (progress)
            progress(counts);
    }
    return counts;
}

}  // namespace pelmora
