// The rows of a dictionary table: placeholders left out, child analyses after their entry, and the
// filter by word-form key.
#include "dictionary/dictionarylisting.h"

#include "common/prompter.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(DictionaryListing, LeavesOutPlaceholdersAndFiltersByWordFormKeyPrefix)
{
    test::TempDir dir;
    test::writeFile(dir.file("sonastik.xml"),
                    "<?xml version=\"1.0\"?>\n<pelmora tyyp=\"sonastik\"><soned><sone id=\"__\" lemma=\"__\"/>"
                    "<sone id=\"x\" lemma=\"x\"/></soned><lemmad>"
                    "<lemma id=\"Kuolka\" tahendus=\"Kolka\"/><lemma id=\"__\" tahendus=\"__\"/>"
                    "<lemma id=\"kala\" tahendus=\"kala\"><lemma id=\"kala\" tahendus=\"kalad\"/></lemma>"
                    "<lemma id=\"kuo\" tahendus=\"kes\"/><lemma id=\"vȱlda\" tahendus=\"olema\"/>"
                    "</lemmad><yhendid><yhend id=\"__\"/></yhendid></pelmora>");
    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dir.file("sonastik.xml")));
    const DictionaryListing lemmas(dictionary, DictSection::Lemmas);
    const auto meanings = [&](const std::vector<std::uint32_t>& rows) {
        std::string out;
        for (std::uint32_t row : rows)
            out += std::string(attributeValue(lemmas.row(row), dict::kMeaning)) + " ";
        return out;
    };
    EXPECT_EQ(meanings(lemmas.rowsMatching("")), "Kolka kala kalad kes olema ");
    // Typed letters are made a key as word forms are: case and markup do not count.
    EXPECT_EQ(meanings(lemmas.rowsMatching("KU")), "Kolka kes ");
    EXPECT_EQ(meanings(lemmas.rowsMatching("ka")), "kala kalad ");
    EXPECT_EQ(meanings(lemmas.rowsMatching("vȱ+")), "olema ");
    EXPECT_EQ(meanings(lemmas.rowsMatching("z")), "");
    EXPECT_EQ(lemmas.rowOf(dictionary.findLemma("kuo")), 3u);
    EXPECT_EQ(DictionaryListing(dictionary, DictSection::Combinations).size(), 0u);
}

}  // namespace
}  // namespace pelmora
