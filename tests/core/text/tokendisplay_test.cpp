#include "search/markingrules.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/tokendisplay.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace pelmora {

void PrintTo(const StripPiece& piece, std::ostream* out)
{
    *out << '"' << piece.text << "\" font " << static_cast<int>(piece.font) << " colour " << int(piece.colour.red)
         << ',' << int(piece.colour.green) << ',' << int(piece.colour.blue);
}

namespace {

// A token (or a sentence holding one) built from inline XML; the root element is the token.
class OneToken {
public:
    explicit OneToken(const std::string& xml) { EXPECT_TRUE(m_doc.loadFromBuffer(xml)) << xml; }
    XmlNode token() const { return m_doc.root(); }

private:
    XmlDocument m_doc;
};

// --- Font and colour of a token in the running text -----------------------------------------------

struct LookCase {
    const char* name;
    const char* meta;
    const char* style;
    bool draft;
    TokenFont font;
    Colour colour;
};

class TokenLookRule : public ::testing::TestWithParam<LookCase> {};

TEST_P(TokenLookRule, FollowsMetaAndStyle)
{
    const LookCase& c = GetParam();
    EXPECT_EQ(tokenLook(c.meta, c.style, c.draft), (TokenLook{c.font, c.colour}));
}

INSTANTIATE_TEST_SUITE_P(Table, TokenLookRule, ::testing::Values(
    LookCase{"Plain", "", "", false, TokenFont::Normal, kBlack},
    LookCase{"Heading", "", "pealkiri", false, TokenFont::Bold, kBlack},
    LookCase{"Note", "", "märkus", false, TokenFont::Small, kBlack},
    LookCase{"Emphasis", "", "esiletõst", false, TokenFont::Underlined, kBlack},
    LookCase{"UnknownStyleIsNormal", "", "murd.", false, TokenFont::Normal, kBlack},
    LookCase{"StyleComparedExactly", "", "Pealkiri", false, TokenFont::Normal, kBlack},
    LookCase{"MetaWithoutStyle", "vahemärk", "", false, TokenFont::Italic, kDarkBlue},
    LookCase{"MetaWithOtherStyle", "muu", "murd.", false, TokenFont::Italic, kDarkBlue},
    LookCase{"MetaHeading", "muu", "pealkiri", false, TokenFont::BoldItalic, kDarkBlue},
    LookCase{"MetaNote", "intervjueerija", "märkus", false, TokenFont::SmallItalic, kDarkBlue},
    LookCase{"MetaEmphasis", "muu", "esiletõst", false, TokenFont::ItalicUnderlined, kDarkBlue},
    LookCase{"CommentReplacesHeading", "kommentaar", "pealkiri", false, TokenFont::Italic, kDarkBlue},
    LookCase{"CommentReplacesNote", "kommentaar", "märkus", false, TokenFont::Italic, kDarkBlue},
    LookCase{"DraftHeading", "", "pealkiri", true, TokenFont::Normal, kBlack},
    LookCase{"DraftComment", "kommentaar", "märkus", true, TokenFont::Normal, kBlack},
    LookCase{"DraftMeta", "muu", "", true, TokenFont::Normal, kBlack},
    // Remember writes "-" for a reason or style left at "-": a tagged token, not an untagged one.
    LookCase{"DashReasonLooksTagged", "-", "-", false, TokenFont::Normal, kBlack},
    LookCase{"DashReasonWithHeading", "-", "pealkiri", false, TokenFont::Bold, kBlack},
    LookCase{"ReasonWithDashStyle", "muu", "-", false, TokenFont::Italic, kDarkBlue}),
    test::ByName());

TEST(TokenLook, ReadFromTheTokensAttributes)
{
    const OneToken heading("<sone stiil=\"pealkiri\" meta=\"muu\">Kala</sone>");
    EXPECT_EQ(tokenLook(heading.token(), false), (TokenLook{TokenFont::BoldItalic, kDarkBlue}));
    // A null handle looks like a plain token.
    EXPECT_EQ(tokenLook(XmlNode(), false), (TokenLook{TokenFont::Normal, kBlack}));
}

TEST(TokenFonts, SizesFollowLargeFontsInBothPanes)
{
    struct Case {
        TokenFont font;
        FontSpec normal;
        FontSpec large;
    };
    const std::vector<Case> running = {
        {TokenFont::Normal, {10, false, false, false}, {12, false, false, false}},
        {TokenFont::Bold, {10, true, false, false}, {12, true, false, false}},
        {TokenFont::BoldItalic, {10, true, true, false}, {12, true, true, false}},
        {TokenFont::Small, {8, false, false, false}, {10, false, false, false}},
        {TokenFont::Italic, {10, false, true, false}, {12, false, true, false}},
        {TokenFont::SmallItalic, {8, false, true, false}, {10, false, true, false}},
        {TokenFont::Underlined, {10, false, false, true}, {12, false, false, true}},
        {TokenFont::ItalicUnderlined, {10, false, true, true}, {12, false, true, true}},
    };
    ASSERT_EQ(running.size(), kTokenFontCount);
    for (const Case& c : running) {
        EXPECT_EQ(tokenFontSpec(c.font, false), c.normal) << static_cast<int>(c.font);
        EXPECT_EQ(tokenFontSpec(c.font, true), c.large) << static_cast<int>(c.font);
    }

    // The strip: regular, bold and italic 11 (12) points, small 9 (10).
    EXPECT_EQ(stripFontSpec(StripFont::Regular, false), (FontSpec{11, false, false, false}));
    EXPECT_EQ(stripFontSpec(StripFont::Bold, true), (FontSpec{12, true, false, false}));
    EXPECT_EQ(stripFontSpec(StripFont::Italic, false), (FontSpec{11, false, true, false}));
    EXPECT_EQ(stripFontSpec(StripFont::Small, false), (FontSpec{9, false, false, false}));
    EXPECT_EQ(stripFontSpec(StripFont::Small, true), (FontSpec{10, false, false, false}));
}

// --- Tool tip ---------------------------------------------------------------------------------------

struct ToolTipCase {
    const char* name;
    const char* token;
    const char* tip;
};

class ToolTip : public ::testing::TestWithParam<ToolTipCase> {};

TEST_P(ToolTip, ShowsTheAnalysis)
{
    const OneToken token(GetParam().token);
    EXPECT_EQ(tokenToolTip(token.token()), GetParam().tip);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolTip, ::testing::Values(
    ToolTipCase{"NothingGivesADash", "<sone>um</sone>", "-"},
    ToolTipCase{"LemmaOnly", "<sone lemma=\"vȱlda\">um</sone>", "vȱlda"},
    ToolTipCase{"Everything",
                "<sone lemma=\"vȱlda\" tahendus=\"olema\" liik=\"V\" vorm=\"pers.ind.pr.sg.1.\">um</sone>",
                "vȱlda 'olema' _ V _ pers.ind.pr.sg.1."},
    ToolTipCase{"CombinationMember", "<sone lemma=\"jūrõ\" yhend=\"+\" liik=\"Post\">jūrõ</sone>", "jūrõ+ _ Post"},
    ToolTipCase{"CombinationWithoutLemma", "<sone yhend=\"+\">jūrõ</sone>", "-+"},
    ToolTipCase{"OtherCombinationMarkIgnored", "<sone lemma=\"a\" yhend=\"-\">a</sone>", "a"},
    ToolTipCase{"MeaningWithoutLemma", "<sone tahendus=\"mina\">Minā</sone>", "- 'mina'"},
    ToolTipCase{"FormWithoutPartOfSpeech", "<sone vorm=\"sg.nom.\">kalā</sone>", "- _ sg.nom."},
    ToolTipCase{"EmptyAttributesCountAsAbsent", "<sone lemma=\"\" tahendus=\"\" liik=\"\">x</sone>", "-"}),
    test::ByName());

TEST(ToolTip, NullTokenHasNone) { EXPECT_EQ(tokenToolTip(XmlNode()), ""); }

// --- The information strip --------------------------------------------------------------------------

struct StripCase {
    const char* name;
    const char* sentence;  // the sentence with the token as its only child
    std::vector<StripPiece> pieces;
};

class Strip : public ::testing::TestWithParam<StripCase> {};

TEST_P(Strip, PiecesAndTheirFraming)
{
    const OneToken sentence(GetParam().sentence);
    const XmlNode token = sentence.token().first_child();
    EXPECT_EQ(tokenStripPieces(token), GetParam().pieces);
}

const StripPiece kUm{"um ", StripFont::Regular, kCurrentTokenColour};

INSTANTIATE_TEST_SUITE_P(Cases, Strip, ::testing::Values(
    // Without speaker and page the strip starts with the token.
    StripCase{"BareToken", "<lause><sone>um</sone></lause>", {kUm}},
    StripCase{"OnlyLemmaFollowsTheTokenDirectly", "<lause><sone lemma=\"vȱlda\">um</sone></lause>",
              {kUm, {"vȱlda", StripFont::Bold, kBlack}}},
    StripCase{"SpeakerAndPage", "<lause koneleja=\"k1\"><sone lk=\"3\">um</sone></lause>",
              {{"k1: ", StripFont::Small, kStripLabelColour}, {"lk 3: ", StripFont::Small, kStripLabelColour}, kUm}},
    StripCase{"EnglishWithoutLatvianIsIntroducedByTilde", "<lause><sone ingl=\"be\">um</sone></lause>",
              {kUm, {" ~ 'be' ", StripFont::Regular, kBlack}}},
    StripCase{"LatvianTakesTheTildeWhenBoth", "<lause><sone lati=\"būt\" ingl=\"be\">um</sone></lause>",
              {kUm, {" ~ 'būt' ", StripFont::Regular, kBlack}, {" 'be' ", StripFont::Regular, kBlack}}},
    StripCase{"AllTwelveInOrder",
              "<lause koneleja=\"k1\"><sone lk=\"3\" kommentaar=\"vrd &lt;x&gt;\" ingl=\"be\" lati=\"būt\" "
              "meta=\"muu\" stiil=\"märkus\" vorm=\"pers.ind.pr.sg.1.\" liik=\"V\" tahendus=\"olema\" "
              "lemma=\"vȱlda\">um</sone></lause>",
              {{"k1: ", StripFont::Small, kStripLabelColour},
               {"lk 3: ", StripFont::Small, kStripLabelColour},
               kUm,
               {"vȱlda", StripFont::Bold, kBlack},
               {"'olema' ", StripFont::Regular, kBlack},
               {"V", StripFont::Italic, kBlack},
               {"pers.ind.pr.sg.1.", StripFont::Small, kBlack},
               {"[märkus]", StripFont::Small, kStripStyleColour},
               {"muu", StripFont::Small, kBlack},
               {" ~ 'būt' ", StripFont::Regular, kBlack},
               {" 'be' ", StripFont::Regular, kBlack},
               {" <vrd <x>> ", StripFont::Small, kBlack}}},
    StripCase{"DashReasonAndStyleGiveNoPiece",
              "<lause><sone lemma=\"vȱlda\" stiil=\"-\" meta=\"-\">um</sone></lause>",
              {kUm, {"vȱlda", StripFont::Bold, kBlack}}},
    StripCase{"EmptyValuesGiveNoPiece",
              "<lause koneleja=\"\"><sone lk=\"\" lemma=\"\" tahendus=\"\" stiil=\"\" kommentaar=\"\">um</sone></lause>",
              {kUm}},
    // The token itself is always shown, even with an empty text.
    StripCase{"EmptyTokenTextStillShown", "<lause><sone lemma=\"a\"/></lause>",
              {{" ", StripFont::Regular, kCurrentTokenColour}, {"a", StripFont::Bold, kBlack}}}),
    test::ByName());

TEST(Strip, NullTokenHasNoPieces) { EXPECT_TRUE(tokenStripPieces(XmlNode()).empty()); }

// --- Changes that move the layout -------------------------------------------------------------------

struct LayoutChangeCase {
    const char* name;
    bool generic;       // through setNodeAttribute instead of the token setter
    const char* attribute;
    const char* value;
    bool bumps;
};

class LayoutChange : public ::testing::TestWithParam<LayoutChangeCase> {};

// The font of a token follows its meta value as well as its style: a meta change that left the
// layout alone would leave the token's box at the width of the old font.
TEST_P(LayoutChange, StyleAndMetaMoveTheLayoutWhicheverSetter)
{
    const LayoutChangeCase& c = GetParam();
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(
        "<pelmora><sisu><lause koneleja=\"k1\"><sone id=\"l1_s1\" stiil=\"märkus\">kalā</sone></lause></sisu></pelmora>",
        "t.xml"));
    const std::int32_t revision = doc.layoutRevision();
    const XmlNode token = doc.currentToken();
    if (c.generic) {
        ASSERT_TRUE(doc.setNodeAttribute(token, c.attribute, c.value));
    } else {
        const TokenAttribute which = std::string(c.attribute) == "meta" ? TokenAttribute::Meta
                                     : std::string(c.attribute) == "stiil" ? TokenAttribute::Style
                                                                          : TokenAttribute::Lemma;
        doc.setTokenAttribute(token, which, c.value);
    }
    EXPECT_EQ(doc.layoutRevision() != revision, c.bumps);
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutChange, ::testing::Values(
    LayoutChangeCase{"MetaSet", false, "meta", "muu", true},
    LayoutChangeCase{"MetaSetGeneric", true, "meta", "kommentaar", true},
    LayoutChangeCase{"StyleRemovedGeneric", true, "stiil", "", true},
    LayoutChangeCase{"StyleSameValue", false, "stiil", "märkus", false},
    LayoutChangeCase{"LemmaDoesNot", false, "lemma", "kala", false},
    LayoutChangeCase{"OtherAttributeGeneric", true, "auto", "+", false}),
    test::ByName());

TEST(LayoutChange, SentenceAttributesNamedLikeTokenOnesDoNotMoveIt)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer("<pelmora><sisu><lause><sone>a</sone></lause></sisu></pelmora>", "t.xml"));
    const std::int32_t revision = doc.layoutRevision();
    ASSERT_TRUE(doc.setNodeAttribute(doc.currentToken().parent(), "meta", "x"));
    EXPECT_EQ(doc.layoutRevision(), revision);
}

TEST(MarkingRulesRevision, MovesOnEveryChangeOfTheList)
{
    MarkingRules rules;
    const auto start = rules.revision();
    rules.add(suspectedErrorsCriteria());
    EXPECT_NE(rules.revision(), start);
    auto seen = rules.revision();
    // Removing nothing leaves the backgrounds as they are.
    EXPECT_EQ(rules.removeMode(SearchMode::AutomaticChanges), 0u);
    EXPECT_EQ(rules.revision(), seen);
    rules.clear();
    EXPECT_NE(rules.revision(), seen);
}

}  // namespace
}  // namespace pelmora
