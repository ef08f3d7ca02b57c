#include "corpus/texttally.h"

#include "../io/iotestdata.h"
#include "testsupport.h"
#include "text/editing.h"
#include "text/textformat.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::corpusText;
using test::tok;

using Counts = std::map<std::string, long long>;

// "Kala" twice without a lemma, "kala" once with one (S), "ujub" (V), "Riga" with a reason, "."
// punctuation, "—" annotated without a letter, "Vee" and "vee" without a lemma.
const std::string kSentences =
    "<lause id=\"l1\">" + tok("l1_s1", "Kala") + tok("l1_s2", "ujub", "lemma=\"ujuma\" liik=\"V\"") +
    tok("l1_s3", "Riga", "meta=\"nimi\"") + tok("l1_s4", ".", "meta=\"kirjavahemärk\"") +
    tok("l1_s5", "kala", "lemma=\"kala\" liik=\" S \"") + tok("l1_s6", "—", "lemma=\"—\"") +
    "<yhend id=\"l1_s2_s5\"/></lause><lause id=\"l2\">" + tok("l2_s1", "Kala", "meta=\"-\"") + tok("l2_s2", "Vee") +
    tok("l2_s3", "vee") + "</lause>";

// The open text's tree and a file read by the cache tally alike, so the overview can put the
// open text's unsaved state beside the files on disk.
TEST(TextTallyTest, TreeAndCachedFileGiveTheSameTally)
{
    test::TempDir dir;
    const std::string path = dir.file("a.xml");
    test::writeFile(path, corpusText("A", kSentences));
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openDocument(path));

    const TextTally tree = tallyText(doc.body());
    EXPECT_EQ(tree.counts, (TextCounts{8, 7, 3, 1}));
    EXPECT_EQ(tree.partsOfSpeech, (Counts{{"", 1}, {"S", 1}, {"V", 1}}));
    EXPECT_EQ(tree.unannotatedForms, (Counts{{"kala", 2}, {"vee", 2}}));
    EXPECT_EQ(countText(doc.body()), tree.counts);

    CorpusCache cache;
    const CorpusRead read = cache.read({path}, true);
    ASSERT_EQ(read.files.size(), 1u);
    const TextTally file = tallyOfSummary(*read.files[0]);
    EXPECT_EQ(file.counts, tree.counts);
    EXPECT_EQ(file.partsOfSpeech, tree.partsOfSpeech);
    EXPECT_EQ(file.unannotatedForms, tree.unannotatedForms);

    TextTally both = tree;
    both += file;
    EXPECT_EQ(both.unannotatedForms.at("kala"), 4);
    // The highest first, equal counts by key; the limit may exceed the entries.
    const Counts forms{{"b", 2}, {"a", 2}, {"c", 5}, {"d", 1}};
    EXPECT_EQ(mostFrequent(forms, 3), (std::vector<std::pair<std::string, long long>>{{"c", 5}, {"a", 2}, {"b", 2}}));
    EXPECT_EQ(mostFrequent(forms, 10).size(), 4u);
}

XmlNode tokenById(CPelmoraDoc& doc, const char* id)
{
    for (XmlNode s = firstChildElement(doc.body(), text::kSentence); s; s = nextSiblingElement(s, text::kSentence))
        for (XmlNode t = firstChildElement(s, text::kToken); t; t = nextSiblingElement(t, text::kToken))
            if (attributeValue(t, text::kId) == id)
                return t;
    return {};
}

// The open text's counts follow every kind of change, and always equal a fresh count.
TEST(TextTallyTest, ProgressFollowsTheOpenText)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    int told = 0;
    TextProgress progress(doc, [&told] { ++told; });
    EXPECT_EQ(progress.counts(), TextCounts{});
    ASSERT_TRUE(doc.openFromBuffer(corpusText("A", kSentences), "a.xml"));
    doc.updateAllViews();
    const auto expectFresh = [&](const char* step) {
        EXPECT_EQ(progress.counts(), tallyText(doc.body()).counts) << step;
    };
    expectFresh("opened");
    EXPECT_EQ(progress.counts().annotated, 3);

    told = 0;
    doc.setLemma(tokenById(doc, "l1_s1"), "kala");
    EXPECT_EQ(progress.counts().annotated, 4);
    EXPECT_EQ(told, 1);
    doc.setPartOfSpeech(tokenById(doc, "l1_s1"), "S");  // changes nothing counted
    EXPECT_EQ(told, 1);
    doc.setMeta(tokenById(doc, "l1_s1"), "nimi");  // a reason: no longer to annotate
    expectFresh("reason");
    doc.setMeta(tokenById(doc, "l2_s2"), "number");
    expectFresh("number");
    doc.setNodeAttribute(tokenById(doc, "l1_s2"), text::kLanguage, "kirjavahemärk");
    expectFresh("keel");
    doc.setNodeAttribute(tokenById(doc, "l1_s2"), text::kLanguage, "");
    expectFresh("keel removed");

    doc.setCurrentToken(tokenById(doc, "l2_s3"));
    prompter.queueAnswer(true);
    ASSERT_TRUE(deleteToken(doc));
    expectFresh("deleted");
    ASSERT_TRUE(doc.undo());
    expectFresh("undone");
    ASSERT_TRUE(doc.undo());
    expectFresh("meta undone");
    doc.closeDocument();
    doc.updateAllViews();
    EXPECT_EQ(progress.counts(), TextCounts{});
}

}  // namespace
}  // namespace pelmora
