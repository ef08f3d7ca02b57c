#include "testsupport.h"
#include "text/metadata.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pelmora {
namespace {

const std::string kBody =
    "<sisu id=\"t1\"><lause id=\"l1\" koneleja=\"k1\"><sone id=\"l1_s1\">Minā</sone></lause></sisu>";

const std::string kWithoutInfo = "<?xml version=\"1.0\"?><pelmora>" + kBody + "</pelmora>";

const std::string kWithInfo =
    "<?xml version=\"1.0\"?><pelmora><info>"
    "<tyyp>suuline</tyyp>"
    "<teema>Kalastamine</teema>"
    "<kyla longituud=\"22.58\" latituud=\"57.75\">Kuolka</kyla>"
    "<kihelkond>Rei (Reigi)</kihelkond>"
    "<lindistus lindistaja=\"M. Ots\" aasta=\"2019\" fail=\"kuolka.mp3\">PA 2019/14</lindistus>"
    "<keel>liivi</keel>"
    "<intervjueerija id=\"i1\" sugu=\"M\">Jaan</intervjueerija>"
    "<keelejuht id=\"k1\" synniaasta=\"1931\" sugu=\"N\" synnikoht=\"Kuolka\">Marta</keelejuht>"
    "</info>" + kBody + "</pelmora>";

class MetadataTest : public ::testing::Test {
protected:
    void open(const std::string& text)
    {
        ASSERT_TRUE(doc.openFromBuffer(text, "t.xml"));
        prompter.clear();
    }
    XmlNode info() const { return firstChildElement(doc.xml().root(), text::kInfo); }
    // The names of the element children of info, in order.
    std::vector<std::string> infoChildren() const
    {
        std::vector<std::string> names;
        for (XmlNode child = firstChildElement(info()); child; child = child.next_sibling())
            names.emplace_back(child.name());
        return names;
    }
    std::string infoText(const char* name) const
    {
        return std::string(elementText(firstChildElement(info(), name)));
    }

    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
};

TEST_F(MetadataTest, FillsTheDialogFromTheTree)
{
    open(kWithInfo);
    const TextMetadata data = readTextMetadata(doc);
    EXPECT_EQ(data.id, "t1");
    EXPECT_EQ(data.type, TextType::Oral);
    EXPECT_EQ(data.topic, "Kalastamine");
    EXPECT_EQ(data.parish, "Rei (Reigi)");
    EXPECT_EQ(data.language, "liivi");
    EXPECT_EQ(data.dialect, "");
    EXPECT_EQ(data.village, (VillageField{"Kuolka", "22.58", "57.75"}));
    EXPECT_EQ(data.recording, (RecordingField{"PA 2019/14", "M. Ots", "2019", "kuolka.mp3"}));
    EXPECT_EQ(data.transcription, TranscriptionField{});
    // Speakers first, interviewers after them, whatever the file order.
    ASSERT_EQ(data.speakers.size(), 2u);
    EXPECT_EQ(data.speakers[0], (SpeakerRow{"keelejuht", "k1", "Marta", "1931", "", "", "Kuolka", "N"}));
    EXPECT_EQ(data.speakers[1], (SpeakerRow{"intervjueerija", "i1", "Jaan", "", "", "", "", "M"}));
}

TEST_F(MetadataTest, OneAcceptanceIsOneUndoStep)
{
    open(kWithInfo);
    const TextMetadata before = readTextMetadata(doc);
    TextMetadata data = before;
    data.id = "t2";
    data.topic = "Meri";
    data.dialect = "Ida";
    data.speakers.pop_back();
    ASSERT_TRUE(acceptTextMetadata(doc, data).complete());
    // Expected: the ID, two fields and the speakers change in one step, and one undo takes all back.
    EXPECT_EQ(doc.undoCount(), 1u);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(readTextMetadata(doc), before);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(MetadataTest, UnknownTypeWordFillsNoType)
{
    open("<pelmora><info><tyyp>Suuline</tyyp></info>" + kBody + "</pelmora>");
    EXPECT_EQ(readTextMetadata(doc).type, TextType::None);
}

TEST_F(MetadataTest, FirstAcceptanceCreatesInfoAsFirstChildInHandlingOrder)
{
    open("<pelmora><!--note-->" + kBody + "</pelmora>");
    TextMetadata data;
    data.id = "uus";
    data.type = TextType::Written;
    data.village = {"Kuolka", "", ""};
    data.work = {"Autor", "", "", ""};
    data.recording = {"", "", "", "a.mp3"};
    data.topic = "Meri";
    data.spelling = "-";  // stays absent
    data.parish = "-";
    data.speakers = {{"keelejuht", "k1", "Marta", "", "", "", "", ""}};

    const MetadataAcceptResult result = acceptTextMetadata(doc, data);

    // Expected: info is the root's first child, elements in the order of handling, no messages.
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(prompter.entries().size(), 0u);
    EXPECT_EQ(doc.xml().root().first_child(), info());
    EXPECT_EQ(infoChildren(),
              (std::vector<std::string>{"tyyp", "teema", "lindistus", "kyla", "teos", "keelejuht"}));
    EXPECT_EQ(infoText("tyyp"), "kirjalik");
    EXPECT_EQ(attributeValue(doc.body(), "id"), "uus");
    EXPECT_EQ(attributeValue(firstChildElement(info(), "lindistus"), "fail"), "a.mp3");
    EXPECT_TRUE(doc.isModified());
    // What was written reads back the same, apart from the "-" choices that mean no value.
    data.spelling.clear();
    data.parish.clear();
    EXPECT_EQ(readTextMetadata(doc), data);
}

TEST_F(MetadataTest, MissingIdOrTypeRefusesWithoutChange)
{
    struct Case {
        const char* name;
        std::string id;
        TextType type;
    };
    const Case cases[] = {{"NoId", "", TextType::Oral}, {"NoType", "t1", TextType::None}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(kWithoutInfo);
        TextMetadata data;
        data.id = c.id;
        data.type = c.type;
        data.topic = "Meri";
        const MetadataAcceptResult result = acceptTextMetadata(doc, data);
        EXPECT_EQ(result.status, MetadataAcceptStatus::Incomplete);
        EXPECT_EQ(prompter.lastText(), "Sisesta teksti ID\nja vali teksti tüüp.");
        EXPECT_EQ(prompter.entries().back().title, "Viga");
        EXPECT_FALSE(info());
        EXPECT_FALSE(doc.isModified());
    }
}

TEST_F(MetadataTest, TypeChangeIsRefusedButOtherFieldsAreSaved)
{
    open(kWithInfo);
    TextMetadata data = readTextMetadata(doc);
    data.type = TextType::Written;
    data.topic = "Meri";
    const MetadataAcceptResult result = acceptTextMetadata(doc, data);
    EXPECT_EQ(result.status, MetadataAcceptStatus::Accepted);
    EXPECT_TRUE(result.typeKept);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Teksti tüüpi ei saa muuta"});
    EXPECT_EQ(prompter.entries()[0].title, "Hoiatus");
    EXPECT_EQ(infoText("tyyp"), "suuline");
    EXPECT_EQ(infoText("teema"), "Meri");
}

struct AudioCase {
    const char* name;
    std::string file;
    std::string stored;  // the fail attribute afterwards
    bool refused;
};

class MetadataAudioTest : public MetadataTest, public ::testing::WithParamInterface<AudioCase> {};

TEST_P(MetadataAudioTest, OnlyMp3NamesAreWritten)
{
    const AudioCase& c = GetParam();
    for (const bool hadRecording : {true, false}) {
        SCOPED_TRACE(hadRecording ? "existing lindistus" : "new lindistus");
        open(hadRecording ? kWithInfo : kWithoutInfo);
        TextMetadata data = readTextMetadata(doc);
        data.type = TextType::Oral;
        data.recording.audioFile = c.file;
        data.recording.year = "2020";
        const MetadataAcceptResult result = acceptTextMetadata(doc, data);
        const XmlNode recording = firstChildElement(info(), "lindistus");
        EXPECT_EQ(result.audioFileRefused, c.refused);
        // The rest of lindistus is written either way.
        EXPECT_EQ(attributeValue(recording, "aasta"), "2020");
        const std::string expected = c.refused && hadRecording ? "kuolka.mp3" : c.stored;
        EXPECT_EQ(attributeValue(recording, "fail"), expected);
        if (c.refused)
            EXPECT_EQ(prompter.lastText(), "Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime.");
        else
            EXPECT_EQ(prompter.entries().size(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MetadataAudioTest,
                         ::testing::Values(AudioCase{"Wav", "lugu.wav", "", true},
                                           AudioCase{"CapitalMp3", "lugu.MP3", "", true},
                                           AudioCase{"Mp3", "lugu.mp3", "lugu.mp3", false},
                                           AudioCase{"BareMp3", ".mp3", ".mp3", false}),
                         test::ByName());

struct SimpleFieldCase {
    const char* name;
    const char* element;
    std::string TextMetadata::*field;
    std::string before;  // "" for no element
    std::string entered;
    std::string after;  // "" for no element
};

class MetadataSimpleFieldTest : public MetadataTest, public ::testing::WithParamInterface<SimpleFieldCase> {};

TEST_P(MetadataSimpleFieldTest, ReplacesRemovesOrAppends)
{
    const SimpleFieldCase& c = GetParam();
    std::string infoXml = "<info><tyyp>suuline</tyyp>";
    if (!c.before.empty())
        infoXml += std::string("<") + c.element + ">" + c.before + "</" + c.element + ">";
    open("<pelmora>" + infoXml + "</info>" + kBody + "</pelmora>");
    TextMetadata data = readTextMetadata(doc);
    data.*c.field = c.entered;
    acceptTextMetadata(doc, data);
    const XmlNode element = firstChildElement(info(), c.element);
    EXPECT_EQ(static_cast<bool>(element), !c.after.empty());
    EXPECT_EQ(elementText(element), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MetadataSimpleFieldTest,
    ::testing::Values(
        SimpleFieldCase{"ClearedTopicRemoved", "teema", &TextMetadata::topic, "Meri", "", ""},
        SimpleFieldCase{"TopicReplaced", "teema", &TextMetadata::topic, "Meri", "Mets", "Mets"},
        SimpleFieldCase{"TopicAppended", "teema", &TextMetadata::topic, "", "Mets", "Mets"},
        SimpleFieldCase{"DashParishRemoved", "kihelkond", &TextMetadata::parish, "Rei (Reigi)", "-", ""},
        SimpleFieldCase{"TypedParishKept", "kihelkond", &TextMetadata::parish, "", "Salatsi", "Salatsi"},
        SimpleFieldCase{"DashSpellingNotAppended", "kirjaviis", &TextMetadata::spelling, "", "-", ""},
        SimpleFieldCase{"DashSpellingRemoved", "kirjaviis", &TextMetadata::spelling, "kirjakeel", "-", ""},
        SimpleFieldCase{"DashLanguageIsAValue", "keel", &TextMetadata::language, "", "-", "-"},
        SimpleFieldCase{"OtherReplaced", "muu", &TextMetadata::other, "a", "b\nc", "b\nc"}),
    test::ByName());

TEST_F(MetadataTest, EmptiedAttributedFieldKeepsItsElement)
{
    open(kWithInfo);
    TextMetadata data = readTextMetadata(doc);
    data.village = {};
    acceptTextMetadata(doc, data);
    const XmlNode village = firstChildElement(info(), "kyla");
    ASSERT_TRUE(village);
    EXPECT_EQ(elementText(village), "");
    EXPECT_EQ(attributeValue(village, "longituud"), "");
}

TEST_F(MetadataTest, SpeakersAreRewrittenInListOrderAndIncompleteRowsDropped)
{
    open(kWithInfo);
    TextMetadata data = readTextMetadata(doc);
    data.speakers = {
        {"intervjueerija", "i2", "Anna", "", "", "", "", "N"},
        {"", "x", "Rollita", "", "", "", "", ""},         // no role
        {"keelejuht", "k2", "Peeter", "1920", "80", "algharidus", "Pitrõg", "M"},
        {"keelejuht", "", "IDta", "", "", "", "", ""},    // no ID
        {"<bad name>", "b", "Vale", "", "", "", "", ""},  // not a role word
    };
    const MetadataAcceptResult result = acceptTextMetadata(doc, data);

    EXPECT_EQ(result.skippedSpeakers, (std::vector<int>{2, 4, 5}));
    ASSERT_EQ(prompter.entries().size(), 3u);
    EXPECT_EQ(prompter.entries()[0].text,
              "Keelejuhi/intervjueerija nr 2 andmetest\npuudu ID, nimi või roll\nEi salvestanud selle "
              "keelejuhi andmeid.\nTeksti andmete muutmiseks menüüst Tekst > Teksti info.");
    EXPECT_EQ(prompter.entries()[0].title, "Hoiatus");
    // The old speakers are gone; the new ones stand last, in list order, attributes in fixed order.
    const std::vector<std::string> children = infoChildren();
    ASSERT_GE(children.size(), 2u);
    EXPECT_EQ(children[children.size() - 2], "intervjueerija");
    EXPECT_EQ(children.back(), "keelejuht");
    const XmlNode speaker = lastChildElement(info(), "keelejuht");
    std::vector<std::string> names;
    for (pugi::xml_attribute a = speaker.first_attribute(); a; a = a.next_attribute())
        names.emplace_back(a.name());
    EXPECT_EQ(names, (std::vector<std::string>{"id", "haridus", "synniaasta", "synnikoht", "vanus", "sugu"}));
    EXPECT_EQ(elementText(speaker), "Peeter");
    EXPECT_EQ(std::count(children.begin(), children.end(), "keelejuht"), 1);
}

TEST_F(MetadataTest, SpeakerDialogNeedsIdNameAndRole)
{
    struct Case {
        SpeakerRow row;
        bool accepted;
    };
    const Case cases[] = {
        {{"keelejuht", "k1", "Marta", "", "", "", "", ""}, true},
        {{"intervjueerija", "i1", "Jaan", "", "", "", "", ""}, true},
        {{"", "k1", "Marta", "", "", "", "", ""}, false},
        {{"keelejuht", "", "Marta", "", "", "", "", ""}, false},
        {{"keelejuht", "k1", "", "", "", "", "", ""}, false},
    };
    for (const Case& c : cases) {
        prompter.clear();
        EXPECT_EQ(checkSpeakerEntry(c.row, prompter), c.accepted) << c.row.role << "/" << c.row.id;
        EXPECT_EQ(prompter.lastText(), c.accepted ? "" : "Sisesta ID, nimi ja roll");
    }
}

TEST(MetadataChoices, ListsAreTheFixedOnes)
{
    EXPECT_EQ(languageChoices().size(), 3u);
    EXPECT_EQ(dialectChoices().size(), 10u);
    EXPECT_EQ(dialectChoices().back(), "Alutaguse");
    EXPECT_EQ(spellingChoices().front(), "-");
    EXPECT_EQ(sexChoices().size(), 2u);
    const auto parishes = parishChoices();
    EXPECT_EQ(parishes.front(), "-");
    EXPECT_EQ(parishes[1], "Rei (Reigi)");
    EXPECT_EQ(parishes.back(), "Ida-vadja (IVa)");
    // Every parish is "Name (Abbr)" and none repeats.
    const std::set<std::string_view> distinct(parishes.begin(), parishes.end());
    EXPECT_EQ(distinct.size(), parishes.size());
    for (std::size_t i = 1; i < parishes.size(); ++i) {
        EXPECT_NE(parishes[i].find(" ("), std::string_view::npos) << parishes[i];
        EXPECT_EQ(parishes[i].back(), ')') << parishes[i];
    }
    EXPECT_TRUE(isChoice(dialectChoices(), "Võru"));
    EXPECT_FALSE(isChoice(dialectChoices(), "võru"));
}

}  // namespace
}  // namespace pelmora
