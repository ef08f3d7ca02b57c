#include "io/sentencesplitting.h"

#include "common/strings.h"
#include "testsupport.h"

namespace pelmora {
namespace {

std::u32string toU32(std::string_view text)
{
    std::u32string out;
    for (std::size_t at = 0; at < text.size();)
        out.push_back(decodeUtf8(text, at));
    return out;
}

// The line cut at the sentence ends, each piece without its blanks, joined by " | ".
std::string cut(const std::string& line, const std::vector<std::string>& abbreviations)
{
    const std::u32string text = toU32(line);
    std::string out;
    std::size_t start = 0;
    const auto piece = [&](std::size_t end) {
        std::string part;
        for (std::size_t i = start; i < end; ++i)
            appendUtf8(part, text[i]);
        out += (out.empty() ? "" : " | ") + std::string(trimBlanks(part));
    };
    for (const std::size_t end : sentenceEnds(text, abbreviations)) {
        piece(end);
        start = end;
    }
    piece(text.size());
    return out;
}

struct SplitCase {
    const char* name;
    std::string line;
    std::string sentences;
};

class SentenceEnds : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SentenceEnds, CutTheLineWhereASentenceEnds)
{
    EXPECT_EQ(cut(GetParam().line, parseAbbreviations(defaultAbbreviationList())), GetParam().sentences);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SentenceEnds,
    ::testing::Values(
        SplitCase{"ThreeMarks", "Mis sinā tīed? Minā um kalāmīez. Kalā vȯļ zivis!", "Mis sinā tīed? | Minā um kalāmīez. | Kalā vȯļ zivis!"},
        SplitCase{"Abbreviations", "Tulid nt. Jaan jne. ja dr. Ots. Siis prof. Kask.", "Tulid nt. Jaan jne. ja dr. Ots. | Siis prof. Kask."},
        SplitCase{"AbbreviationInCapitals", "Nt. Jaan tuli. Läks ära.", "Nt. Jaan tuli. | Läks ära."},
        SplitCase{"LatvianAbbreviations", "Zivis, putni u.c. Tur ir piem. Kuolka.", "Zivis, putni u.c. Tur ir piem. Kuolka."},
        SplitCase{"Initial", "Kirjutas J. Kalnin. Siis tuli.", "Kirjutas J. Kalnin. | Siis tuli."},
        SplitCase{"OrdinalNumber", "Ta sündis 3. mail 1938. Siis tuli sõda.", "Ta sündis 3. mail 1938. | Siis tuli sõda."},
        SplitCase{"NumberBeforeCapital", "Neid oli 3. Siis tuli neljas.", "Neid oli 3. | Siis tuli neljas."},
        SplitCase{"Ellipsis", "Ta läks… ja tuli. Ta läks... Siis tuli.", "Ta läks… ja tuli. | Ta läks... | Siis tuli."},
        SplitCase{"QuoteAfterTheMark", "Ta ütles: „Tule siia.“ Ma tulin. \"Jah!\" ütles ta.", "Ta ütles: „Tule siia.“ | Ma tulin. | \"Jah!\" ütles ta."},
        SplitCase{"BracketAfterTheMark", "(Vt. lk. 5.) Siis läks. [Naer.] Jah.", "(Vt. lk. 5.) | Siis läks. | [Naer.] | Jah."},
        SplitCase{"QuoteBeforeTheNextSentence", "Tulin. „Kas sa tuled?“ küsis ta.", "Tulin. | „Kas sa tuled?“ küsis ta."},
        SplitCase{"SmallLetterAfterTheMark", "Tulin. ja läksin. Jah.", "Tulin. ja läksin. | Jah."},
        SplitCase{"MarkUpTags", "<u who=k1>Tere. Kuidas läheb?</u> <u who=i1>Hästi.</u>", "<u who=k1>Tere. | Kuidas läheb?</u> | <u who=i1>Hästi.</u>"},
        SplitCase{"MarksWithoutBlank", "Kell 3.15 tuli ta.Siis läks.", "Kell 3.15 tuli ta.Siis läks."},
        SplitCase{"NoEmptySentences", "Jah!!  ?  Ei.   ", "Jah!! | ? | Ei."},
        SplitCase{"LineEndsAreNotPositions", "Üks.\nKaks. Kolm.", "Üks.\nKaks. | Kolm."}),
    test::ByName());

TEST(SentenceEnds, AbbreviationListTakesEntriesWithOrWithoutFullStop)
{
    // Expected: blanks and commas separate, a full stop is added where missing, case is folded.
    EXPECT_EQ(parseAbbreviations(" nt., Jne  ,vm u.c. "), (std::vector<std::string>{"nt.", "jne.", "vm.", "u.c."}));
    EXPECT_TRUE(parseAbbreviations("").empty());
    // Expected: with an own list the default ones end sentences, the own one does not.
    EXPECT_EQ(cut("Tuli nt. Jaan. Ja kr. Peeter.", parseAbbreviations("kr")), "Tuli nt. | Jaan. | Ja kr. Peeter.");
}

}  // namespace
}  // namespace pelmora
