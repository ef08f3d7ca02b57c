#include "exchangesupport.h"

#include "common/normalisation.h"
#include "exchange/corpusreading.h"
#include "exchange/exchangereport.h"
#include "io/xmlescape.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace pelmora::test {

namespace {

using namespace text;

class Numbers {
public:
    explicit Numbers(unsigned seed) : m_state(seed * 2654435761u + 1) {}
    std::size_t next(std::size_t bound)
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::size_t>(m_state >> 33) % bound;
    }
    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& values) { return values[next(N)]; }

private:
    unsigned long long m_state;
};

constexpr std::array<const char*, 12> kWords{"kalā", "vȯļ", "jūrõ", "vīeres", "Minā", "um", "mīez", "ǟrgõ", "ţōļa",
                                             "a b", "_", "R&D<x>"};
constexpr std::array<const char*, 6> kPunctuation{".", ",", "?", "(", ")", "\""};
constexpr std::array<const char*, 8> kLemmas{"kalā", "vȱlda", "jūrõ", "_", "a  b", "mi|na", "ve\\ž", "lemma"};
constexpr std::array<const char*, 6> kMeanings{"kala", "olema", "mere äär", " serv ", "a\tb", "\"x\" & <y>"};
constexpr std::array<const char*, 25> kCodes{"V", "Va", "Mn", "S", "H", "ProS", "Pre", "Post", "Adv", "Adva", "ProAdv",
                                             "ModAdv", "A", "ProA", "Ms", "Numj", "Nump", "ProNum", "Konj", "Intr", "Par",
                                             "Intj", "Ono", "Suht", "-"};
constexpr std::array<const char*, 8> kForms{"pers.ind.pr.sg.1.", "sg.nom.", "pl.instl.", "tav.pl.", "sup.el.",
                                            "nud. #vana vorm", "deb.3.", "sg.gen.cli.poss."};
constexpr std::array<const char*, 7> kReasons{"intervjueerija", "kommentaar", "muukeelne", "vahemärk", "number",
                                              "poolik sõna", "muu"};
constexpr std::array<const char*, 3> kStyles{"märkus", "pealkiri", "esiletõst"};
constexpr std::array<const char*, 4> kComments{"vrd. \"jūrõ\" & <rand>", "  kaks tühikut ees", "rida\nkaks", "a|b\\c"};
constexpr std::array<const char*, 4> kSpeakers{"k1", "k2", "i1", ""};

void attribute(std::string& out, const char* name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    for (const char c : value) {
        // Line ends and tabs as references, so that the parser keeps them.
        if (c == '\n')
            out += "&#10;";
        else if (c == '\t')
            out += "&#9;";
        else
            appendXmlEscaped(out, std::string_view(&c, 1));
    }
    out += '"';
}

void token(std::string& out, Numbers& n, const std::string& id, std::string_view text, bool combined)
{
    out += "<sone";
    attribute(out, kId, id);
    if (combined)
        attribute(out, kCombinationMark, "+");
    const auto maybe = [&](const char* name, std::string_view value, std::size_t chance) {
        if (n.next(100) < chance)
            attribute(out, name, value);
    };
    maybe(kPage, std::to_string(1 + n.next(40)), 60);
    maybe(kLanguage, "läti", 5);
    maybe(kLemma, n.pick(kLemmas), 80);
    maybe(kMeaning, n.pick(kMeanings), 70);
    maybe(kLatvian, "zivs", 40);
    maybe(kEnglish, "fish", 50);
    maybe(kPartOfSpeech, n.pick(kCodes), 75);
    maybe(kForm, n.pick(kForms), 60);
    maybe(kMeta, n.pick(kReasons), 20);
    maybe(kStyle, n.pick(kStyles), 10);
    maybe(kComment, n.pick(kComments), 10);
    maybe(kAuto, "+", 5);
    out += '>';
    appendXmlEscaped(out, text);
    out += "</sone>\n";
}

void info(std::string& out)
{
    out += "<info><tyyp>suuline</tyyp><teema>Kalastamine</teema>"
           "<kyla longituud=\"22.58\" latituud=\"57.75\">Kuolka</kyla>"
           "<lindistus lindistaja=\"M. Ots\" aasta=\"2019\" fail=\"heli fail.mp3\">PA 2019/14</lindistus>"
           "<muu>esimene rida&#10;teine &amp; &lt;kolmas&gt;</muu>"
           "<keelejuht id=\"k1\" synniaasta=\"1931\" sugu=\"N\">Marta</keelejuht>"
           "<keelejuht id=\"k2\">Pētõr</keelejuht><intervjueerija id=\"i1\" sugu=\"M\">Jaan</intervjueerija></info>\n";
}

void sentence(std::string& out, Numbers& n, int number, int& second)
{
    const std::string id = "l" + std::to_string(number);
    out += "<lause";
    attribute(out, kId, id);
    if (const std::string_view speaker = n.pick(kSpeakers); !speaker.empty())
        attribute(out, kSpeaker, speaker);
    second += 1 + static_cast<int>(n.next(9));
    if (n.next(10) < 7)
        attribute(out, kAudioPosition, std::to_string(second));
    if (n.next(10) < 4)
        attribute(out, kEstonianTranslation, "Mina olen kalamees.\nTeine rida");
    if (n.next(10) < 3)
        attribute(out, kLatvianTranslation, " Es esmu zvejnieks ");
    if (n.next(10) < 4)
        attribute(out, kEnglishTranslation, "I am a fisherman | \"really\"");
    out += ">\n";
    const int words = 2 + static_cast<int>(n.next(9));
    // A combination of two words and, now and then, one of three.
    const bool pair = words >= 3 && n.next(10) < 5;
    const bool triple = pair && words >= 5 && n.next(2) == 0;
    for (int w = 1; w <= words; ++w) {
        const bool mark = n.next(10) < 2;
        const std::string word = mark ? n.pick(kPunctuation) : (number == 1 && w == 1 ? "ka\u0304la\u0304" : n.pick(kWords));
        const bool combined = (pair && (w == 1 || w == 3)) || (triple && (w == 2 || w == 4 || w == 5));
        token(out, n, id + "_s" + std::to_string(w), word, combined);
        if (pair && w == 3)
            out += "<yhend id=\"" + id + "_s1_s3\" ylemma=\"jūrõ vīeres\" ytahendus=\"mere ääres\" yliik=\"Post\"/>\n";
        if (triple && w == 5)
            out += "<yhend id=\"" + id + "_s2_s4_s5\" ylemma=\"a|b c\"/>\n";
    }
    out += "</lause>\n";
}

// The values of a sentence, its tokens and combinations, as one text per line, in NFC.
std::vector<std::string> sentenceLines(XmlNode sentence)
{
    std::vector<std::string> lines;
    std::string head = "lause";
    for (const char* name : {kId, kSpeaker, kAudioPosition, kEstonianTranslation, kLatvianTranslation, kEnglishTranslation})
        head += std::string(" ") + name + "=" + toNfc(attributeValue(sentence, name));
    lines.push_back(head);
    for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
        std::string line;
        if (isElement(child, kToken)) {
            line = "sone [" + toNfc(elementText(child)) + "]";
            for (const exchange::TokenField field : exchange::kTokenFields)
                line += std::string(" ") + exchange::tokenFieldAttribute(field) + "=" +
                        toNfc(attributeValue(child, exchange::tokenFieldAttribute(field)));
            line += std::string(" id=") + std::string(attributeValue(child, kId)) + " yhend=" +
                    std::string(attributeValue(child, kCombinationMark));
        } else if (isElement(child, kCombination)) {
            line = "yhend";
            for (const char* name : {kId, kCombinationLemma, kCombinationMeaning, kCombinationPartOfSpeech})
                line += std::string(" ") + name + "=" + toNfc(attributeValue(child, name));
        }
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::vector<std::string>> textLines(XmlNode root, bool skipEmptySentences)
{
    std::vector<std::vector<std::string>> all;
    exchange::ExchangeReport ignored;
    std::string head = "sisu id=" + std::string(attributeValue(firstChildElement(root, kBody), kId));
    for (const exchange::MetadataField& field : exchange::metadataFields(firstChildElement(root, kInfo), ignored))
        head += "\n" + field.key + "=" + toNfc(field.value);
    all.push_back({head});
    for (XmlNode sentence = firstChildElement(firstChildElement(root, kBody), kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence))
        if (!skipEmptySentences || firstChildElement(sentence, kToken))
            all.push_back(sentenceLines(sentence));
    return all;
}

}  // namespace

std::string exchangeDifference(XmlNode a, XmlNode b, bool skipEmptySentences)
{
    const auto first = textLines(a, skipEmptySentences);
    const auto second = textLines(b, false);
    for (std::size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
        if (i >= first.size() || i >= second.size())
            return "sentence count " + std::to_string(first.size() - 1) + " against " + std::to_string(second.size() - 1);
        for (std::size_t k = 0; k < std::max(first[i].size(), second[i].size()); ++k) {
            const std::string x = k < first[i].size() ? first[i][k] : "(none)";
            const std::string y = k < second[i].size() ? second[i][k] : "(none)";
            if (x != y)
                return "expected\n  " + x + "\ngot\n  " + y;
        }
    }
    return {};
}

std::string generatedCorpusText(int sentences, unsigned seed, bool emptySentence)
{
    Numbers n(seed);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora>\n";
    info(out);
    out += "<sisu id=\"tekst " + std::to_string(seed) + "/a\">\n";
    int second = 0;
    for (int s = 1; s <= sentences; ++s) {
        if (emptySentence && s == 2) {
            out += "<lause id=\"l2\" koneleja=\"k1\"/>\n";
            continue;
        }
        sentence(out, n, s, second);
    }
    out += "</sisu>\n</pelmora>\n";
    return out;
}

}  // namespace pelmora::test
