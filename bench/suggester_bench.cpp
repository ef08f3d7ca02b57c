// Times the suggester's fills against the time to open the text, and a dictionary-source fill on
// a small and a large dictionary. Prints ratios; asserts nothing.
#include "annotation/suggester.h"
#include "common/files.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <set>
#include <string>
#include <vector>

using namespace pelmora;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<XmlNode> allTokens(const CPelmoraDoc& doc)
{
    std::vector<XmlNode> tokens;
    for (XmlNode s = firstChildElement(doc.body(), text::kSentence); s; s = nextSiblingElement(s, text::kSentence))
        for (XmlNode t = firstChildElement(s, text::kToken); t; t = nextSiblingElement(t, text::kToken))
            tokens.push_back(t);
    return tokens;
}

std::string escape(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// A dictionary with the word forms and lemmas of the sample tokens, filled up to `entries` word
// forms and half as many lemmas with made-up entries.
void writeDictionary(const std::string& path, const std::vector<std::pair<std::string, std::string>>& words,
                     std::size_t entries)
{
    const auto ordinal = [](const std::string& a, const std::string& b) { return compareOrdinal(a, b) < 0; };
    std::set<std::string, decltype(ordinal)> forms(ordinal);
    std::set<std::string, decltype(ordinal)> lemmas(ordinal);
    for (const auto& [key, lemma] : words) {
        forms.insert(key);
        lemmas.insert(lemma);
    }
    for (std::size_t i = 0; forms.size() < entries; ++i)
        forms.insert("zz" + std::to_string(i));
    for (std::size_t i = 0; lemmas.size() < entries / 2; ++i)
        lemmas.insert("zz" + std::to_string(i));
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<pelmora tyyp=\"sonastik\">\n<soned>\n";
    xml += "<sone id=\"__\" lemma=\"__\"/>\n";
    std::multimap<std::string, std::string> lemmaOf(words.begin(), words.end());
    for (const std::string& form : forms) {
        if (form == "__") continue;
        const auto hit = lemmaOf.find(form);
        const std::string lemma = hit == lemmaOf.end() ? form : hit->second;
        xml += "<sone id=\"" + escape(form) + "\" lemma=\"" + escape(lemma) + "\" vorm=\"sg.nom.\" kaal=\"3\">"
               "<sone id=\"" + escape(form) + "\" lemma=\"" + escape(lemma) + "x\" vorm=\"\" kaal=\"1\"/></sone>\n";
    }
    xml += "</soned>\n<lemmad>\n<lemma id=\"__\" tahendus=\"__\"/>\n";
    for (const std::string& lemma : lemmas) {
        if (lemma == "__") continue;
        xml += "<lemma id=\"" + escape(lemma) + "\" tahendus=\"tähendus\" liik=\"S\" lati=\"vārds\" ingl=\"word\" kaal=\"2\"/>\n";
    }
    xml += "</lemmad>\n<yhendid>\n<yhend id=\"__\" ytahendus=\"__\"/>\n</yhendid></pelmora>";
    replaceFileSafely(path, xml);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: suggester_bench TEXT.xml WORKDIR\n";
        return 2;
    }
    const std::string textPath = argv[1];
    const std::string work = argv[2];
    SilentPrompter prompter;

    std::vector<double> opens;
    for (int i = 0; i < 3; ++i) {
        CPelmoraDoc doc(prompter);
        const auto start = Clock::now();
        if (!doc.openDocument(textPath))
            return 1;
        opens.push_back(seconds(Clock::now() - start));
    }
    const double open = median(opens);

    CPelmoraDoc doc(prompter);
    doc.openDocument(textPath);
    const std::vector<XmlNode> tokens = allTokens(doc);
    Settings settings;
    settings.compareWithoutEndings = 1;
    settings.onlyIf = 0;
    settings.tamberlin = 0;
    Suggester suggester(doc, settings, {}, prompter);

    const std::size_t samples = 300;
    const std::size_t step = std::max<std::size_t>(1, tokens.size() / samples);
    auto start = Clock::now();
    doc.setCurrentToken(tokens[0]);
    suggester.showCurrentToken();
    const double firstFill = seconds(Clock::now() - start);

    start = Clock::now();
    std::size_t fills = 0;
    for (std::size_t i = step; i < tokens.size() && fills < samples; i += step, ++fills) {
        doc.setCurrentToken(tokens[i]);
        suggester.showCurrentToken();
    }
    const double fill = seconds(Clock::now() - start) / static_cast<double>(fills);

    std::vector<std::string> lemmas;
    for (std::size_t i = 0; i < tokens.size() && lemmas.size() < samples; i += step) {
        const std::string lemma(attributeValue(tokens[i], text::kLemma));
        if (!lemma.empty())
            lemmas.push_back(lemma);
    }
    start = Clock::now();
    for (const std::string& lemma : lemmas)
        suggester.headwordEdited(lemma);
    const double headword = seconds(Clock::now() - start) / static_cast<double>(std::max<std::size_t>(1, lemmas.size()));

    std::printf("text: %zu tokens, open %.3f s (median of 3); first fill with index build %.4f s\n", tokens.size(),
                open, firstFill);
    std::printf("fill for token (open text, endings on): %.6f s mean of %zu\n", fill, fills);
    std::printf("headword change (open text): %.6f s mean of %zu\n", headword, lemmas.size());
    std::printf("suggester fill/open = %.4f (target <= 0.02)\n", fill / open);
    std::printf("suggester headword/open = %.4f (target <= 0.02)\n", headword / open);

    // Dictionary source: the same lookups on a 1,000-entry and a 100,000-entry dictionary.
    std::vector<std::pair<std::string, std::string>> words;
    for (std::size_t i = 0; i < tokens.size() && words.size() < 400; i += step) {
        const std::string lemma(attributeValue(tokens[i], text::kLemma));
        words.emplace_back(MakeWordFormKey(elementText(tokens[i])), lemma.empty() ? "lemma" : lemma);
    }
    double perSize[2] = {0, 0};
    const std::size_t sizes[2] = {1000, 100000};
    for (int k = 0; k < 2; ++k) {
        const std::string path = work + "/dictionary_" + std::to_string(sizes[k]) + ".xml";
        writeDictionary(path, words, sizes[k]);
        CDictionary dictionary(prompter);
        if (!dictionary.openWithPath(path))
            return 1;
        Settings dictSettings;
        dictSettings.suggestionType = 1;
        dictSettings.onlyIf = 0;
        dictSettings.tamberlin = 0;
        Suggester dictSuggester(doc, dictSettings, {&dictionary, nullptr}, prompter);
        std::vector<double> rounds;
        for (int round = 0; round < 5; ++round) {
            start = Clock::now();
            std::size_t n = 0;
            for (std::size_t i = step; i < tokens.size() && n < samples; i += step, ++n) {
                doc.setCurrentToken(tokens[i]);
                dictSuggester.showCurrentToken();
            }
            rounds.push_back(seconds(Clock::now() - start) / static_cast<double>(n));
        }
        perSize[k] = median(rounds);
        std::printf("dictionary fill, %zu word forms: %.6f s mean\n", sizes[k], perSize[k]);
    }
    std::printf("dictionary fill 100000/1000 = %.2f (target about 1)\n", perSize[1] / perSize[0]);
    return 0;
}
