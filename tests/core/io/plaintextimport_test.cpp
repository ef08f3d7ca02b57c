#include "io/plaintextimport.h"

#include "common/files.h"
#include "common/utf16text.h"
#include "io/sentencesplitting.h"
#include "testsupport.h"
#include "text/textformat.h"

namespace pelmora {
namespace {

// One line per sentence: "id koneleja=...:" then every token as text{attributes}.
std::string describeBody(const CPelmoraDoc& doc)
{
    std::string out;
    for (XmlNode sentence = doc.body().child("lause"); sentence; sentence = sentence.next_sibling("lause")) {
        out += sentence.attribute("id").value();
        if (sentence.attribute("koneleja"))
            out += std::string(" koneleja=") + sentence.attribute("koneleja").value();
        out += ":";
        for (XmlNode token = sentence.child("sone"); token; token = token.next_sibling("sone")) {
            out += std::string(" ") + token.text().get() + "{";
            bool first = true;
            for (const pugi::xml_attribute a : token.attributes()) {
                out += (first ? "" : " ") + std::string(a.name()) + "=" + a.value();
                first = false;
            }
            out += "}";
        }
        out += "\n";
    }
    return out;
}

class PlainTextImportTest : public ::testing::Test {
protected:
    // Imports the UTF-8 text (written as UTF-16 with byte-order mark) with the given data.
    bool import(const std::string& text, const TextMetadata& data)
    {
        test::writeFile(m_input, utf8ToUtf16Le(text, true));
        return ImportPlainText(m_doc, m_input, m_output, m_prompter, [&](const TextMetadata& prefilled) {
            m_prefilled.push_back(prefilled);
            return std::optional<TextMetadata>(data);
        });
    }

    static TextMetadata typed(const std::string& type)
    {
        TextMetadata data;
        data.id = "T1";
        data.type = textTypeFromWord(type);
        return data;
    }

    static SpeakerRow speaker(const char* role, const char* id, const char* name)
    {
        SpeakerRow row;
        row.role = role;
        row.id = id;
        row.name = name;
        return row;
    }

    test::TempDir m_dir;
    std::string m_input = m_dir.file("in.txt");
    std::string m_output = m_dir.file("out.xml");
    RecordingPrompter m_prompter;
    CPelmoraDoc m_doc{m_prompter};
    std::vector<TextMetadata> m_prefilled;
};

struct BodyCase {
    const char* name;
    const char* type;
    const char* text;
    const char* expected;
};

class PlainTextBodyTest : public PlainTextImportTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(PlainTextBodyTest, CutsSentencesAndTokens)
{
    const BodyCase& c = GetParam();
    TextMetadata data = typed(c.type);
    data.speakers.push_back(speaker("intervjueerija", "INT", "Jaan"));
    ASSERT_TRUE(import(c.text, data)) << m_prompter.lastText();
    EXPECT_EQ(describeBody(m_doc), c.expected);
    EXPECT_TRUE(m_doc.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PlainTextBodyTest,
    ::testing::Values(
        BodyCase{"OralLineWithWhoCommaAndExclamation", "suuline",
                 "<u who=\"A\">Tere, mina!</u>\r\n<u who=A>Teine</u>\r\n",
                 "l1 koneleja=A: Tere{id=l1_s1} ,{id=l1_s2 meta=vahemärk} mina{id=l1_s3} !{id=l1_s4 meta=vahemärk}\n"
                 "l2 koneleja=A: Teine{id=l2_s1}\n"},
        BodyCase{"OralPauseMarkStaysOneTokenAWordInParenthesesGivesThree", "suuline", "<u who=A>(...) (sõna) (--)\n",
                 "l1 koneleja=A: (...){id=l1_s1 meta=vahemärk} ({id=l1_s2 meta=vahemärk} sõna{id=l1_s3} "
                 "){id=l1_s4 meta=vahemärk} (--){id=l1_s5 meta=vahemärk}\n"},
        BodyCase{"OralTranscriptionSplitsEveryMarkAndKeepsElisions", "suuline",
                 "<u who=A>„Tõrgsõ voʼľ.“ Se\u203F(u)m (~ kietõbõd)\r\n",
                 "l1 koneleja=A: „{id=l1_s1 meta=vahemärk} Tõrgsõ{id=l1_s2} voʼľ{id=l1_s3} .{id=l1_s4 meta=vahemärk} "
                 "“{id=l1_s5 meta=vahemärk} Se{id=l1_s6} \u203F{id=l1_s7 meta=vahemärk} (u)m{id=l1_s8} "
                 "({id=l1_s9 meta=vahemärk} ~{id=l1_s10 meta=vahemärk} kietõbõd{id=l1_s11} ){id=l1_s12 meta=vahemärk}\n"},
        BodyCase{"WrittenTextSplitsByTheSameRules", "kirjalik", "<lk=5>Zīď(õ) lapsõ(n), „min(nõn)?“",
                 "l1: Zīď(õ){id=l1_s1 lk=5} lapsõ(n){id=l1_s2 lk=5} ,{id=l1_s3 lk=5 meta=vahemärk} "
                 "„{id=l1_s4 lk=5 meta=vahemärk} min(nõn){id=l1_s5 lk=5} ?{id=l1_s6 lk=5 meta=vahemärk} "
                 "“{id=l1_s7 lk=5 meta=vahemärk}\n"},
        BodyCase{"WrittenWordInParenthesesGivesThreeTokens", "kirjalik", "<lk=3>(sõna)",
                 "l1: ({id=l1_s1 lk=3 meta=vahemärk} sõna{id=l1_s2 lk=3} ){id=l1_s3 lk=3 meta=vahemärk}\n"},
        BodyCase{"NumberWithFullStop", "suuline", "<u who=A>1938.\n",
                 "l1 koneleja=A: 1938{id=l1_s1 meta=number} .{id=l1_s2 meta=vahemärk}\n"},
        BodyCase{"WrittenPagesFromTagsAndStyles", "kirjalik", "<p>Pealkiri</p> sõna <lk=12> teine <m>märge</m>\n",
                 "l1: Pealkiri{id=l1_s1 lk=? stiil=pealkiri} sõna{id=l1_s2 lk=?} teine{id=l1_s3 lk=12} "
                 "märge{id=l1_s4 lk=12 stiil=märkus}\n"},
        BodyCase{"CommentTokens", "suuline", "<u who=A>a <com>b c</com> d.\n",
                 "l1 koneleja=A: a{id=l1_s1} b{id=l1_s2 meta=kommentaar} c{id=l1_s3 meta=kommentaar} d{id=l1_s4} "
                 ".{id=l1_s5 meta=vahemärk}\n"},
        BodyCase{"InterviewerMatchIgnoresAsciiCase", "suuline", "<u who=int>Kus, Int?\r\n",
                 "l1 koneleja=int: Kus{id=l1_s1 meta=intervjueerija} ,{id=l1_s2 meta=vahemärk} "
                 "Int{id=l1_s3 meta=intervjueerija} ?{id=l1_s4 meta=vahemärk}\n"},
        BodyCase{"UndertieGivesThreeTokens", "suuline", "<u who=A>sie\u203Fom\n",
                 "l1 koneleja=A: sie{id=l1_s1} \u203F{id=l1_s2 meta=vahemärk} om{id=l1_s3}\n"},
        BodyCase{"QuotesSplitAtBothEnds", "suuline", "<u who=A>\"sõna.\" [x]\n",
                 "l1 koneleja=A: \"{id=l1_s1 meta=vahemärk} sõna{id=l1_s2} .{id=l1_s3 meta=vahemärk} "
                 "\"{id=l1_s4 meta=vahemärk} [{id=l1_s5 meta=vahemärk} x{id=l1_s6} ]{id=l1_s7 meta=vahemärk}\n"},
        BodyCase{"GreaterThanOutsideATagEndsTheToken", "suuline", "<u who=A>a>b\n",
                 "l1 koneleja=A: a>{id=l1_s1} b{id=l1_s2}\n"},
        BodyCase{"EqualsSignOutsideATagIsAToken", "suuline", "<u who=A>a=b\n",
                 "l1 koneleja=A: a{id=l1_s1} ={id=l1_s2 meta=vahemärk} b{id=l1_s3}\n"},
        BodyCase{"LastTokenWithoutLineEndIsKept", "suuline", "<u who=A>viimane",
                 "l1 koneleja=A: viimane{id=l1_s1}\n"},
        BodyCase{"BareLineFeedKeepsTheSpeakerOfTheLastToken", "suuline", "<u who=Int>Jah\n<u who=A>Ei\n",
                 "l1 koneleja=Int: Jah{id=l1_s1 meta=intervjueerija}\nl2 koneleja=A: Ei{id=l2_s1}\n"}),
    test::ByName());

struct RefusalCase {
    const char* name;
    std::string bytes;
    const char* message;
};

class PlainTextRefusalTest : public PlainTextImportTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PlainTextRefusalTest, RefusesBeforeTouchingTheOutput)
{
    const RefusalCase& c = GetParam();
    test::writeFile(m_input, c.bytes);
    test::writeFile(m_output, "an existing text");
    bool asked = false;
    EXPECT_FALSE(ImportPlainText(m_doc, m_input, m_output, m_prompter, [&](const TextMetadata& d) {
        asked = true;
        return std::optional<TextMetadata>(d);
    }));
    // Expected: the message (its first lines), no question, the file chosen as output left whole.
    EXPECT_TRUE(m_prompter.lastText().starts_with(c.message)) << m_prompter.lastText();
    EXPECT_FALSE(asked);
    EXPECT_EQ(test::readFile(m_output), "an existing text");
}

const char* const kShort = "Fail ei ole unicode'is.\nEi saa avada.";
const char* const kNoTag = "Fail ei alga märgendiga.\nImporditav tekst algab märgendiga";

INSTANTIATE_TEST_SUITE_P(
    Inputs, PlainTextRefusalTest,
    ::testing::Values(
        RefusalCase{"OddLength", std::string("\xFF\xFE<", 3), kShort},
        RefusalCase{"Empty", "", kShort},
        RefusalCase{"NeitherUtf8NorUtf16", "<u who=A>p\xE4" "ev</u>\n", "Fail ei ole unicode'is.\nSalvesta fail UTF-8"},
        RefusalCase{"NoTagAfterTheMark", utf8ToUtf16Le("tere", true), kNoTag},
        RefusalCase{"OnlyTheMark", std::string("\xFF\xFE", 2), kNoTag},
        RefusalCase{"Utf8WithoutTag", "Minā um kalāmīez.\n", kNoTag}),
    test::ByName());

TEST_F(PlainTextImportTest, NoTagMessageExplainsTheMarkUpWithAnExample)
{
    test::writeFile(m_input, "tere\n");
    EXPECT_FALSE(ImportPlainText(m_doc, m_input, m_output, m_prompter, [](const TextMetadata& d) {
        return std::optional<TextMetadata>(d);
    }));
    // Expected: the example in the message imports as it stands (its three lines, UTF-8).
    const std::string message = m_prompter.lastText();
    const std::string heading = "Näide:\n";
    const std::size_t example = message.find(heading) + heading.size();
    ASSERT_GT(example, heading.size());
    const std::string lines = message.substr(example, message.find("\n\n", example) + 1 - example);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3);
    ASSERT_TRUE(import(lines, typed("suuline"))) << m_prompter.lastText();
    EXPECT_EQ(describeBody(m_doc), "l1 koneleja=i1: Mis{id=l1_s1} sinā{id=l1_s2} tīed{id=l1_s3} ?{id=l1_s4 meta=vahemärk}\n"
                                   "l2 koneleja=k1: Minā{id=l2_s1} um{id=l2_s2} kalāmīez{id=l2_s3} .{id=l2_s4 meta=vahemärk}\n");
}

struct EncodingCase {
    const char* name;
    std::string bytes;
};

class PlainTextEncodingTest : public PlainTextImportTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(PlainTextEncodingTest, IsConvertedAsItIsRead)
{
    test::writeFile(m_input, GetParam().bytes);
    ASSERT_TRUE(ImportPlainText(m_doc, m_input, m_output, m_prompter, [&](const TextMetadata&) {
        return std::optional<TextMetadata>(typed("suuline"));
    })) << m_prompter.lastText();
    // Expected: the same text whatever the encoding.
    EXPECT_EQ(describeBody(m_doc), "l1 koneleja=A: Kalā{id=l1_s1} vȯļ{id=l1_s2} 𝄞{id=l1_s3 meta=vahemärk}\n");
}

std::string bigEndian(const std::string& littleEndian)
{
    std::string out = littleEndian;
    for (std::size_t i = 0; i + 1 < out.size(); i += 2)
        std::swap(out[i], out[i + 1]);
    return out;
}

const char* const kEncoded = "<u who=A>Kalā vȯļ 𝄞\r\n";

INSTANTIATE_TEST_SUITE_P(
    Encodings, PlainTextEncodingTest,
    ::testing::Values(EncodingCase{"Utf16LittleEndianWithMark", utf8ToUtf16Le(kEncoded, true)},
                      EncodingCase{"Utf16LittleEndianWithoutMark", utf8ToUtf16Le(kEncoded, false)},
                      EncodingCase{"Utf16BigEndianWithMark", bigEndian(utf8ToUtf16Le(kEncoded, true))},
                      EncodingCase{"Utf16BigEndianWithoutMark", bigEndian(utf8ToUtf16Le(kEncoded, false))},
                      EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF" + std::string(kEncoded)},
                      EncodingCase{"Utf8WithoutMark", kEncoded},
                      EncodingCase{"Utf8AfterBlankLines", "\r\n  \n" + std::string(kEncoded)}),
    test::ByName());

TEST_F(PlainTextImportTest, SplitSentencesAtTheirMarksKeepsSpeakersAndAbbreviations)
{
    test::writeFile(m_input, "<u who=k1>Minā um kalāmīez. Tuli nt. Jaan! Kalā?</u>\n<u who=i1>Jah.\n");
    PlainTextImportOptions options;
    options.splitSentences = true;
    options.abbreviations = {"nt."};
    ASSERT_TRUE(ImportPlainText(
        m_doc, m_input, m_output, m_prompter,
        [&](const TextMetadata&) { return std::optional<TextMetadata>(typed("suuline")); }, {}, options));
    // Expected: three sentences from the first line, all with its speaker, then the second line.
    EXPECT_EQ(describeBody(m_doc),
              "l1 koneleja=k1: Minā{id=l1_s1} um{id=l1_s2} kalāmīez{id=l1_s3} .{id=l1_s4 meta=vahemärk}\n"
              "l2 koneleja=k1: Tuli{id=l2_s1} nt{id=l2_s2} .{id=l2_s3 meta=vahemärk} Jaan{id=l2_s4} !{id=l2_s5 meta=vahemärk}\n"
              "l3 koneleja=k1: Kalā{id=l3_s1} ?{id=l3_s2 meta=vahemärk}\n"
              "l4 koneleja=i1: Jah{id=l4_s1} .{id=l4_s2 meta=vahemärk}\n");
}

TEST_F(PlainTextImportTest, HeaderPrefillsTheDialogAndTwoSpeakersWithoutIdsAreNotSaved)
{
    ASSERT_TRUE(import("<info> <kj> Anna </kj><kj>Peeter</kj><kla>Kuolka</kla><plk>Lood</plk><a>1938</a>"
                       "muu info</info><u who=k1>Tere\r\n",
                       typed("suuline")));
    ASSERT_EQ(m_prefilled.size(), 1u);
    const TextMetadata& header = m_prefilled[0];
    ASSERT_EQ(header.speakers.size(), 2u);
    EXPECT_EQ(header.speakers[0].name, "Anna");
    EXPECT_EQ(header.speakers[0].role, "keelejuht");
    EXPECT_EQ(header.speakers[0].id, "");
    EXPECT_EQ(header.speakers[1].name, "Peeter");
    EXPECT_EQ(header.village.name, "Kuolka");
    EXPECT_EQ(header.work.title, "Lood");
    EXPECT_EQ(header.work.year, "1938");
    EXPECT_EQ(header.other, "muu info");
    // Expected: the body starts at the "<u who" tag.
    EXPECT_EQ(describeBody(m_doc), "l1 koneleja=k1: Tere{id=l1_s1}\n");
}

TEST_F(PlainTextImportTest, WrittenTextGoesOnAfterTheHeaderWithoutSpeakerTags)
{
    // No "<com>" or "who" tag ends the header: the body starts after "</info>", and the
    // emphasis tag "</a>" of the body is no publication year.
    ASSERT_TRUE(import("<info><plk>Lood</plk></info>\r\nSõna <a>teine</a>.\r\n", typed("kirjalik")));
    ASSERT_EQ(m_prefilled.size(), 1u);
    EXPECT_EQ(m_prefilled[0].work.title, "Lood");
    EXPECT_EQ(m_prefilled[0].work.year, "");
    EXPECT_EQ(describeBody(m_doc),
              "l1: Sõna{id=l1_s1 lk=?} teine{id=l1_s2 lk=? stiil=esiletõst} .{id=l1_s3 lk=? meta=vahemärk}\n");
}

TEST_F(PlainTextImportTest, SpeakersFromTheHeaderWithoutIdsAreReported)
{
    TextMetadata data = typed("suuline");
    data.speakers = {speaker("keelejuht", "", "Anna"), speaker("keelejuht", "", "Peeter")};
    ASSERT_TRUE(import("<u who=k1>Tere\r\n", data));
    std::vector<std::string> warnings;
    for (const auto& entry : m_prompter.entries())
        warnings.push_back(entry.text.substr(0, 29));
    EXPECT_EQ(warnings, (std::vector<std::string>{"Keelejuhi/intervjueerija nr 1", "Keelejuhi/intervjueerija nr 2"}));
    EXPECT_FALSE(m_doc.xml().root().child("info").child("keelejuht"));
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "T1");
    EXPECT_EQ(std::string(m_doc.xml().root().first_child().name()), "info");
}

TEST_F(PlainTextImportTest, AsksAgainUntilIdAndTypeAreGivenAndCancelLeavesTheOutputAlone)
{
    test::writeFile(m_input, utf8ToUtf16Le("<u who=A>x\n", true));
    test::writeFile(m_output, "keep");
    int calls = 0;
    EXPECT_FALSE(ImportPlainText(m_doc, m_input, m_output, m_prompter, [&](const TextMetadata& d) {
        ++calls;
        return calls == 1 ? std::optional<TextMetadata>(d) : std::nullopt;
    }));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(m_prompter.lastText(), "Sisesta teksti ID\nja vali teksti tüüp.");
    EXPECT_EQ(test::readFile(m_output), "keep");
}

TEST_F(PlainTextImportTest, AsksAgainWithTheEnteredValuesAndWarnsOnlyOnceWhenWriting)
{
    test::writeFile(m_input, utf8ToUtf16Le("<u who=A>x\n", true));
    std::vector<TextMetadata> shown;
    ASSERT_TRUE(ImportPlainText(m_doc, m_input, m_output, m_prompter, [&](const TextMetadata& d) {
        shown.push_back(d);
        TextMetadata answer = d;
        if (shown.size() == 1) {
            answer.topic = "Kalad";
            answer.recording.audioFile = "lugu.wav";
            answer.speakers.push_back(speaker("intervjueerija", "", "Jaan"));
        } else {
            answer.id = "T2";
            answer.type = TextType::Written;
        }
        return std::optional<TextMetadata>(answer);
    }));
    ASSERT_EQ(shown.size(), 2u);
    // Expected: the dialog opens again with what was entered, not with the header's values.
    EXPECT_EQ(shown[1].topic, "Kalad");
    EXPECT_EQ(shown[1].recording.audioFile, "lugu.wav");
    EXPECT_EQ(shown[1].speakers.size(), 1u);
    // Expected: the refusal once, then each warning of the written text once.
    const std::vector<std::string> texts = m_prompter.texts();
    ASSERT_EQ(texts.size(), 3u) << ::testing::PrintToString(texts);
    EXPECT_EQ(texts[0], "Sisesta teksti ID\nja vali teksti tüüp.");
    EXPECT_EQ(m_prompter.entries()[0].title, "Viga");
    EXPECT_EQ(texts[1], "Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime.");
    EXPECT_TRUE(texts[2].starts_with("Keelejuhi/intervjueerija nr 1 andmetest"));
    const XmlNode info = m_doc.xml().root().child("info");
    EXPECT_EQ(std::string(info.child("tyyp").text().get()), "kirjalik");
    EXPECT_EQ(std::string(info.child("teema").text().get()), "Kalad");
    EXPECT_FALSE(info.child("lindistus").attribute("fail"));
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "T2");
}

TEST_F(PlainTextImportTest, CancelKeepsTheOpenTextAndWritesNoOutput)
{
    ASSERT_TRUE(m_doc.openFromBuffer("<pelmora><sisu id=\"vana\"><lause id=\"l1\"><sone id=\"l1_s1\">a</sone>"
                                     "</lause></sisu></pelmora>",
                                     "open.xml"));
    test::writeFile(m_input, utf8ToUtf16Le("<u who=A>x\n", true));
    int calls = 0;
    EXPECT_FALSE(ImportPlainText(m_doc, m_input, m_output, m_prompter, [&](const TextMetadata& d) {
        ++calls;
        TextMetadata answer = d;
        answer.type = TextType::Oral;  // still no ID
        return calls == 1 ? std::optional<TextMetadata>(answer) : std::nullopt;
    }));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "vana");
    EXPECT_FALSE(m_doc.xml().root().child("info"));
    EXPECT_FALSE(pathExists(m_output));
}

TEST_F(PlainTextImportTest, WritesTheMetadataInTheDialogsOrderBeforeTheBody)
{
    TextMetadata data = typed("suuline");
    data.work.author = "Autor";
    data.village.name = "Kuolka";
    data.parish = "-";
    data.other = "muu";
    data.speakers = {speaker("keelejuht", "k1", "Anna")};
    ASSERT_TRUE(import("<u who=k1>Tere\r\n", data));
    std::vector<std::string> names;
    for (XmlNode child = m_doc.xml().root().child("info").first_child(); child; child = child.next_sibling())
        names.emplace_back(child.name());
    EXPECT_EQ(names, (std::vector<std::string>{"tyyp", "muu", "kyla", "teos", "keelejuht"}));
    EXPECT_EQ(std::string(m_doc.xml().root().first_child().name()), "info");
    EXPECT_TRUE(m_prompter.entries().empty()) << m_prompter.lastText();
}

struct InterviewerCase {
    const char* name;
    const char* role;
    const char* id;
    const char* speakerName;
    const char* expected;
};

class PlainTextInterviewerTest : public PlainTextImportTest, public ::testing::WithParamInterface<InterviewerCase> {};

TEST_P(PlainTextInterviewerTest, OnlyStoredInterviewersMarkTheirTokens)
{
    const InterviewerCase& c = GetParam();
    TextMetadata data = typed("suuline");
    data.speakers = {speaker(c.role, c.id, c.speakerName)};
    ASSERT_TRUE(import("<u who=INT>Jah\n", data));
    EXPECT_EQ(describeBody(m_doc), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Speakers, PlainTextInterviewerTest,
    ::testing::Values(
        InterviewerCase{"Interviewer", "intervjueerija", "INT", "Jaan",
                        "l1 koneleja=INT: Jah{id=l1_s1 meta=intervjueerija}\n"},
        InterviewerCase{"InterviewerLeftOutForLackOfAName", "intervjueerija", "INT", "",
                        "l1 koneleja=INT: Jah{id=l1_s1}\n"},
        InterviewerCase{"SpeakerWithTheSameId", "keelejuht", "INT", "Jaan", "l1 koneleja=INT: Jah{id=l1_s1}\n"}),
    test::ByName());

TEST_F(PlainTextImportTest, RefusesAnOutputThatIsTheInputAndAMissingInput)
{
    test::writeFile(m_input, utf8ToUtf16Le("<u who=A>x\n", true));
    const std::string before = test::readFile(m_input);
    const auto never = [](const TextMetadata&) { return std::optional<TextMetadata>(); };
    EXPECT_FALSE(ImportPlainText(m_doc, m_input, m_dir.path() + "/./in.txt", m_prompter, never));
    EXPECT_EQ(test::readFile(m_input), before);
    EXPECT_TRUE(m_prompter.lastText().starts_with("Väljundfail "));

    EXPECT_FALSE(ImportPlainText(m_doc, m_dir.file("none.txt"), m_output, m_prompter, never));
    EXPECT_EQ(m_prompter.lastText(), "Ei leidnud faili " + m_dir.file("none.txt"));
    EXPECT_FALSE(ImportPlainText(m_doc, "", m_output, m_prompter, never));
    EXPECT_EQ(m_prompter.lastText(), "Sisesta faili nimi");
    EXPECT_FALSE(test::readFile(m_output).size());
}

TEST_F(PlainTextImportTest, OutputHoldsTheTemplateUntilSaved)
{
    ASSERT_TRUE(import("<u who=A>x\n", typed("suuline")));
    EXPECT_NE(test::readFile(m_output).find("__UUS_FAIL__"), std::string::npos);
    EXPECT_EQ(CPelmoraDoc::tokenText(m_doc.currentToken()), "x");
}

// Stopping through the progress callback, at the first report or half-way: the open text and a
// file already standing at the output path stay as they were.
class PlainTextStopTest : public PlainTextImportTest, public ::testing::WithParamInterface<int> {};

TEST_P(PlainTextStopTest, StopKeepsTheOpenTextAndTheOldOutputFile)
{
    ASSERT_TRUE(m_doc.openFromBuffer("<pelmora><sisu id=\"vana\"><lause id=\"l1\"><sone id=\"l1_s1\">a</sone>"
                                     "</lause></sisu></pelmora>",
                                     "open.xml"));
    test::writeFile(m_output, "old output");
    std::string text;
    for (int line = 0; line < 3000; ++line)
        text += "<u who=A>sõna teine sõna.\n";
    test::writeFile(m_input, utf8ToUtf16Le(text, true));
    const int stopAt = GetParam();
    std::vector<std::pair<std::size_t, std::size_t>> reports;
    const bool imported = ImportPlainText(
        m_doc, m_input, m_output, m_prompter, [](const TextMetadata&) { return std::optional<TextMetadata>(typed("suuline")); },
        [&](std::size_t done, std::size_t total) {
            reports.emplace_back(done, total);
            return static_cast<int>(reports.size()) < stopAt;
        });
    EXPECT_FALSE(imported);
    ASSERT_EQ(static_cast<int>(reports.size()), stopAt);
    // The body is told in growing stretches of one total, and the stop says nothing.
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GT(reports[i].first, reports[i - 1].first);
        EXPECT_EQ(reports[i].second, reports[0].second);
    }
    EXPECT_LT(reports.back().first, reports.back().second);
    EXPECT_TRUE(m_prompter.entries().empty());
    EXPECT_EQ(std::string(m_doc.body().attribute("id").value()), "vana");
    EXPECT_EQ(CPelmoraDoc::tokenText(m_doc.currentToken()), "a");
    EXPECT_EQ(test::readFile(m_output), "old output");
}

INSTANTIATE_TEST_SUITE_P(Import, PlainTextStopTest, ::testing::Values(1, 3));

TEST_F(PlainTextImportTest, ProgressReachesTheWholeBodyAndTheTextIsOpened)
{
    std::string text;
    for (int line = 0; line < 2000; ++line)
        text += "<u who=A>sõna teine.\n";
    test::writeFile(m_input, utf8ToUtf16Le(text, true));
    std::size_t lastDone = 0;
    std::size_t lastTotal = 1;
    ASSERT_TRUE(ImportPlainText(
        m_doc, m_input, m_output, m_prompter, [](const TextMetadata&) { return std::optional<TextMetadata>(typed("suuline")); },
        [&](std::size_t done, std::size_t total) {
            lastDone = done;
            lastTotal = total;
            return true;
        }));
    EXPECT_EQ(lastDone, lastTotal);
    // 2000 sentences of three tokens, the last one numbered densely; the text is modified and open.
    const XmlNode last = m_doc.lastToken();
    EXPECT_EQ(std::string(last.attribute("id").value()), "l2000_s3");
    EXPECT_TRUE(m_doc.isModified());
    EXPECT_FALSE(m_doc.canUndo());
    EXPECT_NE(test::readFile(m_output).find("__UUS_FAIL__"), std::string::npos);
}

// --- The builder, token by token ----------------------------------------------------------------

struct ImportCase {
    const char* name;
    ImportedToken token;
    const char* expectedAttributes;
};

ImportedToken imported(const char* text, bool written = true, const char* page = "7")
{
    ImportedToken t;
    t.text = text;
    t.writtenText = written;
    t.page = page;
    return t;
}

ImportedToken flagged(ImportedToken t, bool ImportedToken::*flag)
{
    t.*flag = true;
    return t;
}

ImportedToken twoFlags(ImportedToken t, bool ImportedToken::*a, bool ImportedToken::*b)
{
    t.*a = true;
    t.*b = true;
    return t;
}

class AppendImported : public ::testing::TestWithParam<ImportCase> {};

TEST_P(AppendImported, SetsAttributesInImportOrder)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(text::newTextTemplate(), "new.xml"));
    PlainTextBuilder builder(doc);

    ASSERT_TRUE(builder.append(GetParam().token));

    std::string attributes;
    for (pugi::xml_attribute a = doc.currentToken().first_attribute(); a; a = a.next_attribute())
        attributes += std::string(a.name()) + "=" + a.value() + " ";
    EXPECT_EQ(attributes, GetParam().expectedAttributes);
    EXPECT_EQ(CPelmoraDoc::tokenText(doc.currentToken()), GetParam().token.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AppendImported, ::testing::Values(
    ImportCase{"Written", imported("kala"), "id=l1_s1 lk=7 "},
    ImportCase{"OralHasNoPage", imported("kala", false), "id=l1_s1 "},
    ImportCase{"EmptyPageIsWrittenEmpty", imported("kala", true, ""), "id=l1_s1 lk= "},
    ImportCase{"LoneFullStop", imported("."), "id=l1_s1 lk=7 meta=vahemärk "},
    ImportCase{"Dash", imported("\xE2\x80\x94"), "id=l1_s1 lk=7 meta=vahemärk "},
    ImportCase{"TwoStopsArePunctuation", imported(".."), "id=l1_s1 lk=7 meta=vahemärk "},
    ImportCase{"Number", imported("12"), "id=l1_s1 lk=7 meta=number "},
    ImportCase{"WordAfterASlashIsAWord", imported("/paus"), "id=l1_s1 lk=7 "},
    ImportCase{"ElisionInParenthesesOralIsAWord", imported("(u)m", false), "id=l1_s1 "},
    ImportCase{"PauseMarkOral", imported("(...)", false), "id=l1_s1 meta=vahemärk "},
    ImportCase{"ParenthesisWritten", imported("(naerab"), "id=l1_s1 lk=7 "},
    ImportCase{"NoteThenEmphasisOverwrites",
               twoFlags(imported("kala"), &ImportedToken::note, &ImportedToken::emphasis),
               "id=l1_s1 lk=7 stiil=esiletõst "},
    ImportCase{"OtherThenInterviewerKeepsPlace",
               twoFlags(imported("kala"), &ImportedToken::other, &ImportedToken::interviewer),
               "id=l1_s1 lk=7 meta=intervjueerija "},
    ImportCase{"CommentAndHeading",
               twoFlags(imported("kala"), &ImportedToken::comment, &ImportedToken::heading),
               "id=l1_s1 lk=7 stiil=pealkiri meta=kommentaar "},
    ImportCase{"MetaBeforeStyleWhenBothSet",
               twoFlags(imported("kala"), &ImportedToken::other, &ImportedToken::note),
               "id=l1_s1 lk=7 meta=muu stiil=märkus "},
    ImportCase{"NumberOverwritesComment", flagged(imported("3."), &ImportedToken::comment),
               "id=l1_s1 lk=7 meta=number "}),
    test::ByName());

TEST(AppendImportedSequence, BuildsSentencesAndSpeakers)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(text::newTextTemplate(), "new.xml"));
    PlainTextBuilder builder(doc);
    const auto oral = [](const char* text, const char* speaker) {
        ImportedToken t;
        t.text = text;
        t.speaker = speaker;
        return t;
    };

    // An empty text and a single blank are ignored.
    EXPECT_FALSE(builder.append(oral("", "k1")));
    EXPECT_FALSE(builder.append(oral(" ", "k1")));
    EXPECT_TRUE(builder.append(oral("Minā", "k1")));
    EXPECT_TRUE(builder.append(oral("um", "k1")));
    builder.endSentence();
    EXPECT_TRUE(builder.append(oral("Mis", "?")));
    EXPECT_TRUE(builder.append(oral("?", "?")));
    builder.endSentence();
    EXPECT_TRUE(builder.append(oral("Jā", "k2")));
    builder.endSentence();
    EXPECT_TRUE(builder.append(oral("Nu", "")));

    const std::string saved = doc.xml().serialize();
    // Expected: the placeholder reused in l1 with its speaker; l2 without speaker; l3 with k2.
    EXPECT_NE(saved.find("<lause id=\"l1\" koneleja=\"k1\">\n<sone id=\"l1_s1\">Minā</sone>\n<sone id=\"l1_s2\">um</sone>"),
              std::string::npos) << saved;
    EXPECT_NE(saved.find("<lause id=\"l2\">\n<sone id=\"l2_s1\">Mis</sone>\n<sone id=\"l2_s2\" meta=\"vahemärk\">?</sone>"),
              std::string::npos) << saved;
    EXPECT_NE(saved.find("<lause id=\"l3\" koneleja=\"k2\">\n<sone id=\"l3_s1\">Jā</sone>"), std::string::npos) << saved;
    // No speaker given at all writes no empty attribute.
    EXPECT_NE(saved.find("<lause id=\"l4\">\n<sone id=\"l4_s1\">Nu</sone>"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("__UUS_FAIL__"), std::string::npos);
    EXPECT_TRUE(doc.isModified());
    // A new text is not undone token by token.
    EXPECT_FALSE(doc.canUndo());
}

}  // namespace
}  // namespace pelmora
