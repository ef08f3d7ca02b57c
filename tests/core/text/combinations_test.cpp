#include "annotation/combining.h"
#include "annotation/textindex.h"
#include "dictionary/dictionary.h"
#include "io/textexport.h"
#include "io/tokencombinations.h"
#include "testsupport.h"
#include "text/combinations.h"
#include "text/pelmoradoc.h"
#include "text/tokendisplay.h"
#include "text/combinationediting.h"
#include "text/editing.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::TempDir;

std::string wrapBody(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><pelmora><sisu id=\"t\">" + body + "</sisu></pelmora>";
}

// "Ta võttis asja ette ." and a second sentence.
const std::string kSentences =
    "<lause id=\"l1\"><sone id=\"l1_s1\">Ta</sone><sone id=\"l1_s2\">võttis</sone><sone id=\"l1_s3\">asja</sone>"
    "<sone id=\"l1_s4\">ette</sone><sone id=\"l1_s5\">.</sone></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\">Võttis</sone><sone id=\"l2_s2\">ette</sone></lause>";

// Each sentence in short: tokens as "id=text" with "+" for the mark, combinations as
// "y:id[lemma|meaning|part of speech]", in the order they stand.
std::string outline(const CPelmoraDoc& doc)
{
    std::string out;
    for (XmlNode sentence = firstChildElement(doc.body(), "lause"); sentence;
         sentence = nextSiblingElement(sentence, "lause")) {
        out += (out.empty() ? "" : " ") + CPelmoraDoc::attribute(sentence, "id") + "(";
        bool first = true;
        for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
            out += first ? "" : " ";
            first = false;
            if (isElement(child, "yhend")) {
                out += "y:" + CPelmoraDoc::attribute(child, "id") + "[" + CPelmoraDoc::attribute(child, "ylemma") + "|" +
                       CPelmoraDoc::attribute(child, "ytahendus") + "|" + CPelmoraDoc::attribute(child, "yliik") + "]";
                continue;
            }
            out += CPelmoraDoc::attribute(child, "id") + "=" + CPelmoraDoc::tokenText(child) +
                   CPelmoraDoc::attribute(child, "yhend");
        }
        out += ')';
    }
    return out;
}

XmlNode tokenById(const CPelmoraDoc& doc, const std::string& id)
{
    for (XmlNode token = doc.firstToken(); token; token = CPelmoraDoc::nextToken(token))
        if (CPelmoraDoc::attribute(token, "id") == id)
            return token;
    return {};
}

std::vector<XmlNode> tokensById(const CPelmoraDoc& doc, const std::vector<std::string>& ids)
{
    std::vector<XmlNode> tokens;
    for (const std::string& id : ids)
        tokens.push_back(tokenById(doc, id));
    return tokens;
}

XmlNode combinationById(const CPelmoraDoc& doc, const std::string& id)
{
    for (XmlNode sentence = firstChildElement(doc.body(), "lause"); sentence;
         sentence = nextSiblingElement(sentence, "lause"))
        for (XmlNode combination = firstChildElement(sentence, "yhend"); combination;
             combination = nextSiblingElement(combination, "yhend"))
            if (CPelmoraDoc::attribute(combination, "id") == id)
                return combination;
    return {};
}

// --- Identifiers --------------------------------------------------------------------------------

TEST(CombinationIdentifier, ReadsAndWritesEveryPosition)
{
    EXPECT_EQ(combinationPositions("l3_s2_s4"), (std::vector<int>{2, 4}));
    EXPECT_EQ(combinationPositions("l3_s2_s4_s17"), (std::vector<int>{2, 4, 17}));
    EXPECT_EQ(combinationPositions("l3_s2__s4"), (std::vector<int>{2, 0, 4}));
    EXPECT_TRUE(combinationPositions("l3").empty());
    EXPECT_EQ(combinationIdentifier("l12", {1, 3, 10}), "l12_s1_s3_s10");
}

// --- Making a combination -------------------------------------------------------------------------

struct CreateCase {
    const char* name;
    std::string body;
    std::vector<std::string> words;
    CombinationFields fields;
    std::string expected;   // outline after; "" when refused
    std::string message;    // the refusal
};

class CreateCombination : public ::testing::TestWithParam<CreateCase> {};

TEST_P(CreateCombination, WritesOneStepOrRefuses)
{
    const CreateCase& c = GetParam();
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(c.body), "t.xml"));
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l1_s2")));
    const std::string before = doc.xml().serialize();

    const XmlNode made = createCombination(doc, tokensById(doc, c.words), c.fields);

    if (c.expected.empty()) {
        // Expected: nothing changed, the reason said as an error.
        EXPECT_FALSE(made);
        EXPECT_EQ(doc.xml().serialize(), before);
        EXPECT_FALSE(doc.isModified());
        EXPECT_FALSE(doc.canUndo());
        ASSERT_EQ(prompter.entries().size(), 1u);
        EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Error);
        EXPECT_EQ(prompter.entries()[0].text, c.message);
        return;
    }
    // Expected: the combination in place, the words marked, one step that undoes exactly.
    ASSERT_TRUE(made);
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_EQ(outline(doc), c.expected);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(CPelmoraDoc::attribute(doc.currentToken(), "id"), "l1_s2");
    EXPECT_EQ(doc.undoCount(), 1u);
    EXPECT_EQ(doc.undoName(), "loo ühend");
    const std::string after = doc.xml().serialize();
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.xml().serialize(), before);
    EXPECT_FALSE(doc.isModified());
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(doc.xml().serialize(), after);
}

INSTANTIATE_TEST_SUITE_P(Cases, CreateCombination, ::testing::Values(
    CreateCase{"TwoWordsFollowTheLastWord", kSentences, {"l1_s2", "l1_s4"}, {"võtma ette", "alustama", "V"},
               "l1(l1_s1=Ta l1_s2=võttis+ l1_s3=asja l1_s4=ette+ y:l1_s2_s4[võtma ette|alustama|V] l1_s5=.) "
               "l2(l2_s1=Võttis l2_s2=ette)", ""},
    CreateCase{"PositionsAscendWhateverTheOrderOfChoice", kSentences, {"l1_s4", "l1_s1", "l1_s2"},
               {" ta võtab ette ", "", ""},
               "l1(l1_s1=Ta+ l1_s2=võttis+ l1_s3=asja l1_s4=ette+ y:l1_s1_s2_s4[ta võtab ette||] l1_s5=.) "
               "l2(l2_s1=Võttis l2_s2=ette)", ""},
    CreateCase{"DashMeansNoValue", kSentences, {"l1_s3", "l1_s2"}, {"a v", "-", "-"},
               "l1(l1_s1=Ta l1_s2=võttis+ l1_s3=asja+ y:l1_s2_s3[a v||] l1_s4=ette l1_s5=.) "
               "l2(l2_s1=Võttis l2_s2=ette)", ""},
    CreateCase{"GoesAfterCombinationsAlreadyEndingThere",
               "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\" yhend=\"+\">b</sone>"
               "<sone id=\"l1_s3\" yhend=\"+\">c</sone><yhend id=\"l1_s2_s3\" ylemma=\"b c\"/><sone id=\"l1_s4\">d</sone></lause>",
               {"l1_s1", "l1_s3"}, {"a c", "", "S"},
               "l1(l1_s1=a+ l1_s2=b+ l1_s3=c+ y:l1_s2_s3[b c||] y:l1_s1_s3[a c||S] l1_s4=d)", ""},
    CreateCase{"OneWordIsRefused", kSentences, {"l1_s2"}, {"x", "", ""}, "", "Ühendis peab olema vähemalt kaks sõna."},
    CreateCase{"TheSameWordTwiceIsOneWord", kSentences, {"l1_s2", "l1_s2"}, {"x", "", ""}, "",
               "Ühendis peab olema vähemalt kaks sõna."},
    CreateCase{"WordsOfTwoSentencesAreRefused", kSentences, {"l1_s4", "l2_s1"}, {"x", "", ""}, "",
               "Ühendi sõnad peavad olema ühes lauses."},
    CreateCase{"EmptyLemmaIsRefused", kSentences, {"l1_s2", "l1_s4"}, {"  ", "m", "V"}, "",
               "Ühendi märksõna ei saa olla tühi."},
    CreateCase{"DashLemmaIsRefused", kSentences, {"l1_s2", "l1_s4"}, {"-", "m", "V"}, "",
               "Ühendi märksõna ei saa olla tühi."},
    CreateCase{"TheSameWordsAgainAreRefused",
               "<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone id=\"l1_s2\">b</sone><yhend id=\"l1_s1_s2\"/></lause>",
               {"l1_s2", "l1_s1"}, {"x", "", ""}, "", "Nendest sõnadest on ühend juba olemas."}),
    test::ByName());

TEST(CreateCombination, WordWithoutIdentifierIsRefused)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody("<lause id=\"l1\"><sone id=\"l1_s1\">a</sone><sone>b</sone></lause>"), "t.xml"));
    const XmlNode first = doc.firstToken();
    EXPECT_FALSE(createCombination(doc, {first, CPelmoraDoc::nextToken(first)}, {"a b", "", ""}));
    EXPECT_EQ(prompter.lastText(), "Ühendi sõnal puudub korrektne ID, ühendit ei saa luua.");
    EXPECT_FALSE(doc.isModified());
}

// --- Removing a combination -----------------------------------------------------------------------

TEST(RemoveCombination, KeepsTheMarksOfWordsInAnotherCombination)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(kSentences), "t.xml"));
    ASSERT_TRUE(createCombination(doc, tokensById(doc, {"l1_s2", "l1_s4"}), {"võtma ette", "", ""}));
    ASSERT_TRUE(createCombination(doc, tokensById(doc, {"l1_s2", "l1_s3", "l1_s4"}), {"võtma asja ette", "", ""}));
    const std::string before = doc.xml().serialize();

    ASSERT_TRUE(removeCombination(doc, combinationById(doc, "l1_s2_s3_s4")));

    // Expected: "asja" was only in the removed one and loses its mark; the others keep theirs.
    EXPECT_EQ(outline(doc), "l1(l1_s1=Ta l1_s2=võttis+ l1_s3=asja l1_s4=ette+ y:l1_s2_s4[võtma ette||] l1_s5=.) "
                            "l2(l2_s1=Võttis l2_s2=ette)");
    EXPECT_EQ(doc.undoName(), "kustuta ühend");
    EXPECT_EQ(doc.undoCount(), 3u);
    ASSERT_TRUE(removeCombination(doc, combinationById(doc, "l1_s2_s4")));
    EXPECT_EQ(outline(doc), "l1(l1_s1=Ta l1_s2=võttis l1_s3=asja l1_s4=ette l1_s5=.) l2(l2_s1=Võttis l2_s2=ette)");

    // Two undos bring both back exactly.
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.xml().serialize(), before);
}

// Making or removing a combination touches no token, so the token indexes need not rebuild
// (and the form keeps what is typed in it); a token added still moves the structure.
TEST(CombinationStructure, LeavesTheTokenIndexesAlone)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(kSentences), "t.xml"));
    TextTokenIndex index(doc);
    ASSERT_EQ(index.tokensWithKey("ette").size(), 2u);
    const std::uint64_t structure = doc.structureRevision();
    const XmlNode made = createCombination(doc, tokensById(doc, {"l1_s2", "l1_s4"}), {"võtma ette", "", ""});
    ASSERT_TRUE(made);
    EXPECT_EQ(doc.structureRevision(), structure);
    const std::vector<TextTokenIndex::Entry> before = index.tokensWithKey("ette");
    ASSERT_TRUE(removeCombination(doc, made));
    EXPECT_EQ(doc.structureRevision(), structure);
    EXPECT_EQ(index.tokensWithKey("ette").size(), 2u);
    EXPECT_EQ(index.tokensWithKey("ette").front().token, before.front().token);
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l1_s1")));
    ASSERT_TRUE(addToken(doc, "ette"));
    EXPECT_NE(doc.structureRevision(), structure);
    EXPECT_EQ(index.tokensWithKey("ette").size(), 3u);
}

TEST(RemoveCombination, AnythingElseIsRefused)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(kSentences), "t.xml"));
    EXPECT_FALSE(removeCombination(doc, XmlNode()));
    EXPECT_FALSE(removeCombination(doc, doc.firstToken()));
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.canUndo());
}

// --- Later structural edits -------------------------------------------------------------------------

TEST(CombinationAfterEdits, FollowsItsWordsAndUndoesStepByStep)
{
    RecordingPrompter prompter;
    prompter.setDefaultAnswer(true);
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(kSentences), "t.xml"));
    ASSERT_TRUE(createCombination(doc, tokensById(doc, {"l1_s2", "l1_s3", "l1_s4"}), {"võtma asja ette", "", ""}));
    std::vector<std::string> states{outline(doc)};

    // A token added before the words shifts all three positions.
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l1_s1")));
    ASSERT_TRUE(addToken(doc, "siis"));
    EXPECT_EQ(outline(doc), "l1(l1_s1=Ta l1_s2=siis l1_s3=võttis+ l1_s4=asja+ l1_s5=ette+ "
                            "y:l1_s3_s4_s5[võtma asja ette||] l1_s6=.) l2(l2_s1=Võttis l2_s2=ette)");
    states.push_back(outline(doc));

    // A sentence merged in front moves the whole combination along.
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l2_s1")));
    ASSERT_TRUE(mergeSentences(doc, "l1"));
    EXPECT_EQ(outline(doc), "l1(l1_s1=Võttis l1_s2=ette l1_s3=Ta l1_s4=siis l1_s5=võttis+ l1_s6=asja+ l1_s7=ette+ "
                            "l1_s8=. y:l1_s5_s6_s7[võtma asja ette||])");
    states.push_back(outline(doc));

    // A split before the words takes it into the new sentence.
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l1_s2")));
    ASSERT_TRUE(splitSentence(doc));
    EXPECT_EQ(outline(doc), "l1(l1_s1=Võttis l1_s2=ette) l2(l2_s1=Ta l2_s2=siis l2_s3=võttis+ l2_s4=asja+ l2_s5=ette+ "
                            "l2_s6=. y:l2_s3_s4_s5[võtma asja ette||])");
    states.push_back(outline(doc));

    // Deleting one of its words deletes it and every mark it gave.
    ASSERT_TRUE(doc.setCurrentToken(tokenById(doc, "l2_s4")));
    ASSERT_TRUE(deleteToken(doc));
    EXPECT_EQ(outline(doc), "l1(l1_s1=Võttis l1_s2=ette) l2(l2_s1=Ta l2_s2=siis l2_s3=võttis l2_s4=ette l2_s5=.)");
    EXPECT_EQ(prompter.texts().back(), "Kustutan sõnega seotud ühendi.");

    // Each undo goes back one edit.
    for (std::size_t i = states.size(); i-- > 0;) {
        ASSERT_TRUE(doc.undo());
        EXPECT_EQ(outline(doc), states[i]);
    }
}

// --- Reading the combinations of a word ----------------------------------------------------------

TEST(CombinationsOfAWord, EveryWordFindsItsCombinationsAndItsWords)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(kSentences), "t.xml"));
    const XmlNode made = createCombination(doc, tokensById(doc, {"l1_s4", "l1_s2"}), {"võtma ette", "alustama", "V"});
    ASSERT_TRUE(made);

    EXPECT_EQ(combinationWords(made), tokensById(doc, {"l1_s2", "l1_s4"}));
    EXPECT_EQ(combinationsContaining(tokenById(doc, "l1_s2")), std::vector<XmlNode>{made});
    EXPECT_EQ(combinationsContaining(tokenById(doc, "l1_s4")), std::vector<XmlNode>{made});
    EXPECT_TRUE(combinationsContaining(tokenById(doc, "l1_s3")).empty());
    EXPECT_EQ(proposedCombinationLemma(tokensById(doc, {"l1_s4", "l1_s2"})), "võttis ette");

    // The text's own lookup for export finds it on its last word.
    const std::vector<CombinationValues> ending = combinationsEndingAt(tokenById(doc, "l1_s4"));
    ASSERT_EQ(ending.size(), 1u);
    EXPECT_EQ(ending[0].lemma, "võtma ette");

    // Every word's tip and strip show it.
    EXPECT_EQ(tokenToolTip(tokenById(doc, "l1_s2")), "-+\nühend: võtma ette 'alustama' _ V");
    const std::vector<StripPiece> pieces = tokenStripPieces(tokenById(doc, "l1_s2"));
    ASSERT_GE(pieces.size(), 4u);
    EXPECT_EQ(std::vector<StripPiece>(pieces.end() - 4, pieces.end()),
              (std::vector<StripPiece>{{" ühend: ", StripFont::Small, kStripLabelColour},
                                       {"võtma ette", StripFont::Bold, kBlack},
                                       {"'alustama' ", StripFont::Regular, kBlack},
                                       {"V", StripFont::Italic, kBlack}}));
}

// The annotated export sees a new combination at once, on its last word.
TEST(CombinationsOfAWord, TextExportWritesThemWithTheLastWord)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(
        wrapBody("<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"võtma\">võttis</sone><sone id=\"l1_s2\" lemma=\"asi\">"
                 "asja</sone><sone id=\"l1_s3\" lemma=\"ette\">ette</sone></lause>"),
        "t.xml"));
    ASSERT_TRUE(createCombination(doc, tokensById(doc, {"l1_s3", "l1_s1"}), {"võtma ette", "alustama", "V"}));
    const std::string exported = exportTextContent(doc, ExportMode::Annotated);
    EXPECT_NE(exported.find("|võttis_MS:võtma_| |asja_MS:asi_| |ette_MS:ette_YMS:võtma ette_YT:alustama_YSL:V_|"),
              std::string::npos)
        << exported;
}

// --- Candidates and the dictionary -------------------------------------------------------------------

const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<pelmora tyyp=\"sonastik\"><soned><sone id=\"__\" lemma=\"__\"/></soned>"
    "<lemmad><lemma id=\"__\" tahendus=\"__\"/></lemmad>"
    "<yhendid><yhend id=\"__\" ytahendus=\"__\"/><yhend id=\"võtma ette\" ytahendus=\"alustama\" yliik=\"V\">"
    "<yhend id=\"võtma ette\" ytahendus=\"kavatsema\" yliik=\"V\"/></yhend>"
    "<yhend id=\"võttis ette\" ytahendus=\"tegi\" yliik=\"V\"/></yhendid></pelmora>";

TEST(CombinationCandidates, FromTheTextsSameWordsThenFromTheDictionary)
{
    TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dir.file("d.xml")));
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(
        wrapBody("<lause id=\"l1\"><sone id=\"l1_s1\" lemma=\"võtma\">võttis</sone><sone id=\"l1_s2\">asja</sone>"
                 "<sone id=\"l1_s3\" lemma=\"ette\">ette</sone></lause>"
                 "<lause id=\"l2\"><sone id=\"l2_s1\">Võttis</sone><sone id=\"l2_s2\">ette</sone></lause>"
                 "<lause id=\"l3\"><sone id=\"l3_s1\">ette</sone><sone id=\"l3_s2\">võttis</sone></lause>"),
        "t.xml"));
    TextTokenIndex index(doc);
    ASSERT_TRUE(createCombination(doc, tokensById(doc, {"l2_s1", "l2_s2"}), {"ette võtma", "ettevõtmine", "S"}));
    // The same words in the other order are another combination.
    ASSERT_TRUE(createCombination(doc, tokensById(doc, {"l3_s1", "l3_s2"}), {"vale", "", ""}));

    const std::vector<CombinationCandidate> candidates =
        combinationCandidates(tokensById(doc, {"l1_s3", "l1_s1"}), index, &dictionary);

    // Expected: the text's combination of "Võttis ette" (case does not matter), then the
    // dictionary's under the proposed "võttis ette", under the text's lemma and under the
    // words' lemmas "võtma ette".
    EXPECT_EQ(candidates, (std::vector<CombinationCandidate>{
                              {"ette võtma", "ettevõtmine", "S", false},
                              {"võttis ette", "tegi", "V", true},
                              {"võtma ette", "alustama", "V", true},
                              {"võtma ette", "kavatsema", "V", true}}));
    // Without a dictionary only the text's; a combination is no candidate for itself.
    EXPECT_EQ(combinationCandidates(tokensById(doc, {"l2_s1", "l2_s2"}), index, nullptr),
              std::vector<CombinationCandidate>{});
    EXPECT_TRUE(combinationCandidates({}, index, &dictionary).empty());
}

TEST(CombineWords, StoresInTheDictionaryWhenAskedAndSaysSoInTheStep)
{
    TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    RecordingPrompter prompter;
    CDictionary dictionary(prompter);
    ASSERT_TRUE(dictionary.openWithPath(dir.file("d.xml")));
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(wrapBody(kSentences), "t.xml"));

    // Without the setting the dictionary learns nothing.
    ASSERT_TRUE(combineWords(doc, tokensById(doc, {"l1_s2", "l1_s4"}), {"võtma ette", "otsustama", "V"}, &dictionary,
                             false));
    EXPECT_EQ(doc.undoName(), "loo ühend");
    EXPECT_EQ(dictionary.analyses(DictSection::Combinations, "võtma ette").size(), 2u);

    // With it the combination is stored and saved; undo takes it out of the text only.
    ASSERT_TRUE(combineWords(doc, tokensById(doc, {"l2_s1", "l2_s2"}), {"võtma ette", "otsustama", "V"}, &dictionary,
                             true));
    EXPECT_EQ(doc.undoName(), "loo ühend (sõnastik jääb)");
    EXPECT_EQ(doc.undoCount(), 2u);
    ASSERT_TRUE(doc.undo());
    EXPECT_FALSE(combinationById(doc, "l2_s1_s2"));
    CDictionary reread(prompter);
    ASSERT_TRUE(reread.openWithPath(dir.file("d.xml")));
    EXPECT_EQ(reread.analyses(DictSection::Combinations, "võtma ette").size(), 3u);

    // A refused combination stores nothing and leaves no step.
    EXPECT_FALSE(combineWords(doc, tokensById(doc, {"l1_s1"}), {"x", "y", "S"}, &dictionary, true));
    EXPECT_TRUE(dictionary.analyses(DictSection::Combinations, "x").empty());
    EXPECT_EQ(doc.undoCount(), 1u);
}

}  // namespace
}  // namespace pelmora
