#include "annotation/vocabularies.h"
#include "exchange/mappings.h"

#include <gtest/gtest.h>

#include <set>

namespace pelmora::exchange {
namespace {

TEST(ExchangeMappings, EveryPartOfSpeechCodeGoesToOneUposAndTheSharedTagsComeBackOnce)
{
    // Every code of the annotation form has exactly one row read towards UD.
    for (int i = 1; i < kPartOfSpeechFormCount; ++i) {
        const std::string code = partOfSpeechCode(i);
        int forward = 0;
        for (const PartOfSpeechRow& row : partOfSpeechRows())
            forward += row.code == code && row.direction != Direction::FromUd;
        EXPECT_EQ(forward, 1) << code;
        const std::string_view upos = uposOfToken(code, "").upos;
        // The tag goes back to a code that goes to the same tag again.
        ASSERT_FALSE(partOfSpeechOfUpos(upos).empty()) << code;
        EXPECT_EQ(uposOfToken(partOfSpeechOfUpos(upos), "").upos, upos) << code;
    }
    // Each tag of the table is read back by exactly one row, and rows read both ways give their code.
    std::set<std::string_view> tags;
    for (const PartOfSpeechRow& row : partOfSpeechRows())
        tags.insert(row.upos);
    for (const std::string_view tag : tags) {
        int backward = 0;
        for (const PartOfSpeechRow& row : partOfSpeechRows())
            backward += row.upos == tag && row.direction != Direction::ToUd;
        EXPECT_EQ(backward, 1) << tag;
    }
    for (const PartOfSpeechRow& row : partOfSpeechRows())
        EXPECT_TRUE(row.direction != Direction::Both || partOfSpeechOfUpos(row.upos) == row.code) << row.code;
}

TEST(ExchangeMappings, EveryFormTagAbbreviationGoesToFeaturesAndBack)
{
    const auto& boxes = formTagBoxes();
    ASSERT_EQ(formTagRows().size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        // The table follows the editor's canonical order, so a row is found by its place.
        EXPECT_EQ(formTagRows()[i].abbreviation, boxes[i].abbreviation);
        const std::vector<Feature> features = featuresOfFormTag(boxes[i].abbreviation);
        ASSERT_FALSE(features.empty()) << boxes[i].abbreviation;
        const FormTagOfFeatures back = formTagOfFeatures(parseFeatures(formatFeatures(features)));
        EXPECT_EQ(back.tag, boxes[i].abbreviation);
        EXPECT_TRUE(back.unmapped.empty()) << boxes[i].abbreviation;
    }
}

TEST(ExchangeMappings, WholeTagsGoToSortedFeaturesAndBackInCanonicalOrder)
{
    struct Case {
        const char* tag;
        const char* feats;
        const char* back;
    };
    const Case cases[] = {
        {"pers.ind.pr.sg.1.", "Mood=Ind|Number=Sing|Person=1|Tense=Pres|Voice=Act", "pers.ind.pr.sg.1."},
        {"sg.pers.ind.1.pr.", "Mood=Ind|Number=Sing|Person=1|Tense=Pres|Voice=Act", "pers.ind.pr.sg.1."},
        {"tav.pl.", "Number=Plur|Tense=Pres|VerbForm=Part|Voice=Pass", "tav.pl."},
        {"sg.pl.nom.", "Case=Nom|Number=Plur,Sing", "sg.pl.nom."},
        // A participle takes its tense and voice: "pers." is not read back beside "nud.".
        {"pers.nud.", "Tense=Past|VerbForm=Part|Voice=Act", "nud."},
        {"sg.gen. #vana vorm", "Case=Gen|Number=Sing", "sg.gen."},
        {"", "_", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatFeatures(featuresOfFormTag(c.tag)), c.feats) << c.tag;
        EXPECT_EQ(formTagOfFeatures(parseFeatures(c.feats)).tag, c.back) << c.tag;
    }
    const FormTagOfFeatures foreign = formTagOfFeatures(parseFeatures("Case=Acc|Number=Sing|VerbForm=Fin"));
    EXPECT_EQ(foreign.tag, "sg.");
    EXPECT_EQ(foreign.unmapped, (std::vector<Feature>{{"Case", "Acc"}, {"VerbForm", "Fin"}}));
}

TEST(ExchangeMappings, ReasonsGiveUposWhereThereIsNoPartOfSpeechAndComeBackWhereTheyCan)
{
    struct Case {
        const char* partOfSpeech;
        const char* reason;
        const char* upos;
        const char* features;
        const char* reasonBack;
    };
    const Case cases[] = {
        {"", "vahemärk", "PUNCT", "", "vahemärk"},  {"", "number", "NUM", "", ""},
        {"", "muukeelne", "X", "Foreign=Yes", "muukeelne"}, {"V", "muukeelne", "VERB", "Foreign=Yes", ""},
        {"", "intervjueerija", "X", "", ""},         {"", "", "X", "", ""},
        {"-", "", "X", "", ""},                      {"S", "vahemärk", "NOUN", "", ""},
    };
    for (const Case& c : cases) {
        const UposOfToken upos = uposOfToken(c.partOfSpeech, c.reason);
        EXPECT_EQ(upos.upos, c.upos) << c.partOfSpeech << c.reason;
        EXPECT_EQ(upos.features, c.features) << c.partOfSpeech << c.reason;
        EXPECT_EQ(reasonOfUpos(upos.upos, parseFeatures(upos.features)), c.reasonBack) << c.reason;
    }
}

TEST(ExchangeMappings, LabelsOfOtherProgramsGoToCodes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"V", "V"}, {"adv", "Adv"}, {"NOUN", "S"}, {"adj", "A"}, {"sconj", "Konj"}, {"n", ""}, {"", ""}, {"Noun", "S"},
    };
    for (const auto& [label, code] : cases)
        EXPECT_EQ(partOfSpeechOfLabel(label), code) << label;
}

}  // namespace
}  // namespace pelmora::exchange
