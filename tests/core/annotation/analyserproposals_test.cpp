#include "annotation/combining.h"
#include "annotation/confirmedanalyses.h"
#include "annotation/lemmatiser.h"
#include "annotation/localanalyser.h"
#include "annotation/preannotation.h"
#include "annotation/suggester.h"
#include "dictionary/dictionary.h"
#include "testsupport.h"
#include "text/textformat.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::testTransducer;
using Items = std::vector<std::string>;

// The dictionary has confirmed the genitive reading of "kalā" (the rarer one: the lexicon gives
// it a weight) and knows the lemmas "kalā" and "tulõ".
const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<pelmora tyyp=\"sonastik\">"
    "<soned><sone id=\"__\" lemma=\"__\"/><sone id=\"kalā\" lemma=\"kalā\" vorm=\"sg.gen.\" kaal=\"3\"/></soned>"
    "<lemmad><lemma id=\"__\" tahendus=\"__\"/>"
    "<lemma id=\"kalā\" tahendus=\"kala\" liik=\"S\" lati=\"zivs\" ingl=\"fish\" kaal=\"2\">"
    "<lemma id=\"kalā\" tahendus=\"kalake\" liik=\"S\" kaal=\"1\"/></lemma>"
    "<lemma id=\"tulõ\" tahendus=\"tuli\" liik=\"S\" kaal=\"1\"/></lemmad>"
    "<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";

std::string textOf(const std::string& tokens)
{
    return "<pelmora><sisu id=\"t\"><lause id=\"l1\">" + tokens + "</lause></sisu></pelmora>";
}

class AnalyserProposals : public ::testing::Test {
protected:
    void SetUp() override
    {
        PELMORA_SKIP_WITHOUT_TRANSDUCERS();
        AnalyserLoad load = LocalAnalyser::load(testTransducer("liv-weighted.hfstol"));
        ASSERT_TRUE(load.analyser) << load.message;
        analyser = load.analyser;
        test::writeFile(dir.file("d.xml"), kDictionary);
        ASSERT_TRUE(dictionary.openWithPath(dir.file("d.xml")));
    }
    // "form source" for each ranked analysis of a word.
    Items ranking(const std::string& word, const Evidence& evidence)
    {
        Items items;
        for (const RankedAnalysis& ranked : rankAnalyses(word, analyser->analyse(word), evidence))
            items.push_back(ranked.reading.form + " " + std::string(proposalSourceCode(ranked.source)));
        return items;
    }

    test::TempDir dir;
    RecordingPrompter prompter;
    CDictionary dictionary{prompter};
    std::shared_ptr<const LocalAnalyser> analyser;
};

TEST_F(AnalyserProposals, EvidenceRanksARarerAnalysisFirst)
{
    // Expected without evidence: the transducer's order, the nominative first.
    EXPECT_EQ(ranking("kalā", {}), (Items{"sg.nom. analyser", "sg.gen. analyser"}));
    // The dictionary's confirmation puts the genitive first; the nominative's lemma is a headword.
    EXPECT_EQ(ranking("kalā", {&dictionary}), (Items{"sg.gen. dictionary", "sg.nom. headword"}));

    // Tokens annotated by hand in the open text confirm; automatic changes do not.
    CPelmoraDoc doc{prompter};
    ASSERT_TRUE(doc.openFromBuffer(textOf("<sone id=\"l1_s1\" lemma=\"kalā\" vorm=\"sg.gen.\">Kalā</sone>"
                                          "<sone id=\"l1_s2\" lemma=\"kalā\" vorm=\"sg.nom.\" auto=\"+\">kalā</sone>"
                                          "<sone id=\"l1_s3\">kalā</sone>"),
                                   "open.xml"));
    TextTokenIndex openText(doc);
    EXPECT_EQ(ranking("kalā", {nullptr, &openText}), (Items{"sg.gen. texts", "sg.nom. analyser"}));

    // The folder's texts confirm too, but the open text's own file is counted only live.
    test::writeFile(dir.file("a.xml"), textOf("<sone id=\"l1_s1\" lemma=\"kalā\" vorm=\"sg.nom.\">kalā</sone>"
                                              "<sone id=\"l1_s2\" lemma=\"kalā\" vorm=\"sg.nom.\">kalā</sone>"));
    test::writeFile(dir.file("b.xml"), "not a corpus text");
    const std::optional<ConfirmedAnalyses> texts = ConfirmedAnalyses::build({dir.file("a.xml"), dir.file("b.xml")});
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->textCount(), 1u);
    EXPECT_EQ(ranking("kalā", {nullptr, &openText, &*texts}), (Items{"sg.nom. texts", "sg.gen. texts"}));
    EXPECT_EQ(ranking("kalā", {nullptr, nullptr, &*texts, dir.file("a.xml")}),
              (Items{"sg.nom. analyser", "sg.gen. analyser"}));
    // The dictionary's word comes before the texts' count.
    EXPECT_EQ(ranking("kalā", {&dictionary, &openText, &*texts}), (Items{"sg.gen. dictionary", "sg.nom. texts"}));
}

TEST(ProposalRanking, GuessesAndNonStandardSpellingsComeLast)
{
    const std::vector<AnalysisReading> readings = {
        {"a", "S", "sg.nom.", true, false, false},
        {"b", "S", "sg.nom.", false, true, false},
        {"c", "S", "sg.nom.", false, false, false},
    };
    std::vector<std::string> order;
    for (const RankedAnalysis& ranked : rankAnalyses("x", readings, {}))
        order.push_back(ranked.reading.lemma + " " + std::string(proposalSourceCode(ranked.source)));
    EXPECT_EQ(order, (Items{"c analyser", "b nonstandard", "a guess"}));
}

TEST_F(AnalyserProposals, RuleFormsFollowTheSameEvidence)
{
    const std::vector<RankedForm> ranked = rankForms("kalā", "kalā", {"sg.nom.", "pl.nom.", "sg.gen."}, {&dictionary});
    EXPECT_EQ(ranked, (std::vector<RankedForm>{{"sg.gen.", ProposalSource::Dictionary},
                                               {"sg.nom.", ProposalSource::Rules},
                                               {"pl.nom.", ProposalSource::Rules}}));
}

struct Choice {
    const char* name;
    std::vector<RankedAnalysis> ranked;
    double factor;
    int chosen;  // index into `ranked`, -1 for none
};

RankedAnalysis analysis(bool confirmed, long long weight, bool guess = false)
{
    RankedAnalysis ranked;
    ranked.reading.guess = guess;
    ranked.confirmedByDictionary = confirmed;
    ranked.weight = weight;
    return ranked;
}

class PreannotationChoice : public ::testing::TestWithParam<Choice> {};

TEST_P(PreannotationChoice, TakesOnlyAnUnambiguousAnalysis)
{
    const Choice& c = GetParam();
    const RankedAnalysis* chosen = unambiguousAnalysis(c.ranked, c.factor);
    EXPECT_EQ(chosen ? static_cast<int>(chosen - c.ranked.data()) : -1, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreannotationChoice,
    ::testing::Values(Choice{"OnlyOne", {analysis(false, 0)}, 3, 0},
                      Choice{"TwoWithoutEvidence", {analysis(false, 0), analysis(false, 0)}, 3, -1},
                      Choice{"OutweighsAnUnconfirmedOne", {analysis(true, 3), analysis(false, 0)}, 3, 0},
                      Choice{"OutweighsTooLittle", {analysis(true, 2), analysis(false, 0)}, 3, -1},
                      Choice{"MustOutweighAllTogether", {analysis(true, 5), analysis(true, 1), analysis(false, 0)}, 3, -1},
                      Choice{"GuessesDoNotCount", {analysis(false, 0), analysis(false, 0, true)}, 3, 0},
                      Choice{"OnlyGuesses", {analysis(false, 0, true)}, 3, -1},
                      Choice{"Nothing", {}, 3, -1}),
    test::ByName{});

TEST_F(AnalyserProposals, PreannotationFillsMarksAndUndoesInOneStep)
{
    CPelmoraDoc doc{prompter};
    const std::string xml = textOf(
        "<sone id=\"l1_s1\">kalād</sone><sone id=\"l1_s2\">kalā</sone><sone id=\"l1_s3\">tundmatu</sone>"
        "<sone id=\"l1_s4\">mõtsāmi</sone><sone id=\"l1_s5\" lemma=\"oma\">kalād</sone>"
        "<sone id=\"l1_s6\" meta=\"kommentaar\">kalād</sone><sone id=\"l1_s7\" keel=\"läti\">kalād</sone>"
        "<sone id=\"l1_s8\">tulist</sone>");
    ASSERT_TRUE(doc.openFromBuffer(xml, "t.xml"));

    const PreannotationResult result = preannotateText(doc, *analyser, &dictionary);
    // Expected: the plural (one analysis), the genitive the dictionary outweighs 3 to 1, and
    // "tulist" are filled; the unknown word and the guess count as unknown; the token with a
    // lemma, the one not to annotate and the Latvian one are not considered.
    EXPECT_EQ(result.considered, 5u);
    EXPECT_EQ(result.filled, 3u);
    EXPECT_EQ(result.ambiguous, 0u);
    EXPECT_EQ(result.unknown, 2u);
    const XmlNode first = doc.firstToken();
    EXPECT_EQ(attributeValue(first, text::kLemma), "kalā");
    EXPECT_EQ(attributeValue(first, text::kForm), "pl.nom.");
    EXPECT_EQ(attributeValue(first, text::kPartOfSpeech), "S");
    EXPECT_EQ(attributeValue(first, text::kMeaning), "kala");  // the heavier lemma entry
    EXPECT_EQ(attributeValue(first, text::kLatvian), "zivs");
    EXPECT_EQ(attributeValue(first, text::kEnglish), "fish");
    EXPECT_EQ(attributeValue(first, text::kAuto), "+");
    EXPECT_EQ(attributeValue(CPelmoraDoc::nextToken(first), text::kForm), "sg.gen.");
    EXPECT_TRUE(preannotationReport(result).starts_with("Eelmärgendatud sõnesid: 3\n")) << preannotationReport(result);

    ASSERT_TRUE(doc.undo());
    EXPECT_FALSE(doc.canUndo());
    CPelmoraDoc original{prompter};
    ASSERT_TRUE(original.openFromBuffer(xml, "t.xml"));
    EXPECT_EQ(test::treeDifference(doc.body(), original.body()), "");

    // A stricter factor leaves the genitive to the user.
    EXPECT_EQ(preannotateText(doc, *analyser, &dictionary, 4.0).ambiguous, 1u);
}

TEST_F(AnalyserProposals, StoppedPreannotationLeavesTheTextAsItWas)
{
    std::string tokens;
    for (int i = 1; i <= 600; ++i)
        tokens += "<sone id=\"l1_s" + std::to_string(i) + "\">kalād</sone>";
    CPelmoraDoc doc{prompter};
    ASSERT_TRUE(doc.openFromBuffer(textOf(tokens), "t.xml"));
    int calls = 0;
    const PreannotationResult result =
        preannotateText(doc, *analyser, nullptr, kDefaultPreannotationFactor, [&](std::size_t, std::size_t) { return ++calls < 2; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(attributeValue(doc.firstToken(), text::kLemma), "");
}

TEST_F(AnalyserProposals, SuggesterTakesTheLocalAnalysersRankedProposals)
{
    CPelmoraDoc doc{prompter};
    ASSERT_TRUE(doc.openFromBuffer(textOf("<sone id=\"l1_s1\" auto=\"+\">kalā</sone>"), "t.xml"));
    Settings settings;
    settings.onlyIf = 0;
    settings.morf = 0;
    settings.analyserFile = testTransducer("liv-weighted.hfstol");
    LocalAnalyserHolder holder;
    SuggestionSources sources;
    sources.dictionary = &dictionary;
    sources.localAnalyser = &holder;
    Suggester suggester(doc, settings, sources, prompter);
    suggester.showCurrentToken();
    // Expected: the analyser's lemma and forms, the dictionary-confirmed genitive first, with
    // their sources; no network was asked.
    const CandidateList& forms = suggester.list(SuggestionList::Form);
    EXPECT_EQ(forms.items(), (Items{"sg.gen.", "sg.nom.", "-"}));
    EXPECT_EQ(forms.sourceOf(0), ProposalSource::Dictionary);
    EXPECT_EQ(forms.sourceOf(1), ProposalSource::Headword);
    EXPECT_EQ(suggester.list(SuggestionList::Lemma).items(), (Items{"kalā"}));
    EXPECT_EQ(suggester.list(SuggestionList::PartOfSpeech).items(), (Items{"substantiiv"}));
    EXPECT_TRUE(prompter.entries().empty());

    // Confirming the token in the form clears the mark of the automatic change.
    rememberToken(doc, suggester.fields(), nullptr, false);
    EXPECT_EQ(attributeValue(doc.firstToken(), text::kAuto), "");
    EXPECT_EQ(attributeValue(doc.firstToken(), text::kForm), "sg.gen.");

    // An analyser file that cannot be read is told once and proposes nothing.
    settings.analyserFile = dir.file("puudub.hfstol");
    suggester.showCurrentToken();
    suggester.showCurrentToken();
    EXPECT_EQ(prompter.entries().size(), 1u);
    EXPECT_TRUE(suggester.analyserProposals().empty());
}

TEST_F(AnalyserProposals, MultiWordEntriesAreOfferedForCombinations)
{
    CPelmoraDoc doc{prompter};
    ASSERT_TRUE(doc.openFromBuffer(
        textOf("<sone id=\"l1_s1\">kalā</sone><sone id=\"l1_s2\">jūrõ</sone><sone id=\"l1_s3\">vīeres</sone>"), "t.xml"));
    const XmlNode second = CPelmoraDoc::nextToken(doc.firstToken());
    const std::vector<AnalyserCombination> found = analyserCombinations(*analyser, CPelmoraDoc::nextToken(second));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].words, (std::vector<XmlNode>{second, CPelmoraDoc::nextToken(second)}));
    EXPECT_EQ(found[0].reading.lemma, "jūrõ vīeres");

    TextTokenIndex index(doc);
    const std::vector<CombinationCandidate> candidates =
        combinationCandidates(found[0].words, index, &dictionary, analyser.get());
    ASSERT_FALSE(candidates.empty());
    EXPECT_EQ(candidates.back(), (CombinationCandidate{"jūrõ vīeres", "", "Adv", false, true}));
}

}  // namespace
}  // namespace pelmora
