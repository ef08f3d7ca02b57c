#include "annotation/transformations.h"
#include "common/prompter.h"
#include "common/utf16text.h"
#include "settings/settings.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using Pairs = TransformationList;

TEST(BuiltInTransformations, BothListsInTheirOrder)
{
    const Pairs& irregular = irregularSpellingList();
    ASSERT_EQ(irregular.size(), 208u);
    EXPECT_EQ(irregular.front(), (TransformationPair{"z", "s"}));
    EXPECT_EQ(irregular[3], (TransformationPair{"uw", ""}));      // an empty target
    EXPECT_EQ(irregular[15], (TransformationPair{" ch", " k"}));  // blanks mark word boundaries
    EXPECT_EQ(irregular.back(), (TransformationPair{"mba", "mma"}));

    const Pairs& old = oldSpellingList();
    ASSERT_EQ(old.size(), 28u);
    EXPECT_EQ(old.front(), (TransformationPair{"gg", "g"}));
    EXPECT_EQ(old[16], (TransformationPair{"eä", "ea"}));
    EXPECT_EQ(old.back(), (TransformationPair{"ü", "üü"}));
    // Expected: every built-in pair can be stored in a file and read back.
    for (const TransformationPair& pair : irregular)
        EXPECT_TRUE(isWritableTransformation(pair)) << pair.source;
}

struct ParseCase {
    const char* name;
    const char* text;
    LineWithoutSeparator rule;
    Pairs pairs;
};

class TransformationLines : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TransformationLines, FollowTheLineRules)
{
    EXPECT_EQ(parseTransformations(GetParam().text, GetParam().rule), GetParam().pairs);
}

constexpr auto kRepeat = LineWithoutSeparator::RepeatSource;
constexpr auto kReplace = LineWithoutSeparator::ReplaceTarget;

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationLines,
    ::testing::Values(ParseCase{"OneLine", "ab!cd\r\n", kRepeat, {{"ab", "cd"}}},
                      ParseCase{"NoFinalLineEndGivesNothing", "ab!cd", kRepeat, {}},
                      ParseCase{"TextAfterLastLineEndIgnored", "ab!cd\r\nef!gh", kRepeat, {{"ab", "cd"}}},
                      ParseCase{"BareLineFeed", "ab!cd\nef!gh\n", kRepeat, {{"ab", "cd"}, {"ef", "gh"}}},
                      ParseCase{"CarriageReturnsIgnoredAnywhere", "a\rb!c\rd\r\r\n", kRepeat, {{"ab", "cd"}}},
                      ParseCase{"LineWithoutSeparatorRepeatsSource", "ab!cd\r\nxy\r\n", kRepeat,
                                {{"ab", "cd"}, {"ab", "xy"}}},
                      ParseCase{"FirstLineWithoutSeparator", "xy\r\n", kRepeat, {{"", "xy"}}},
                      ParseCase{"EmptyTarget", "uw!\r\n", kRepeat, {{"uw", ""}}},
                      ParseCase{"BlanksKept", " ch! k\r\n", kRepeat, {{" ch", " k"}}},
                      ParseCase{"SecondSeparatorStartsTheSourceAgain", "a!b!c\r\n", kRepeat, {{"b", "c"}}},
                      ParseCase{"DialogReplacesPreviousTarget", "ab!cd\r\nxy\r\n", kReplace, {{"ab", "xy"}}},
                      ParseCase{"DialogFirstLineWithoutSeparatorDropped", "xy\r\nab!cd\r\n", kReplace, {{"ab", "cd"}}},
                      ParseCase{"Empty", "", kRepeat, {}}),
    test::ByName{});

std::string utf16File(const std::string& text) { return utf8ToUtf16Le(text, true); }

TEST(TransformationsFile, ReadsPairsAfterTheByteOrderMark)
{
    test::TempDir dir;
    const std::string path = dir.file("list.vtf");
    test::writeFile(path, utf16File("õ!o\r\nž!z\r\n"));
    RecordingPrompter prompter;
    Pairs list{{"old", "pair"}};

    ASSERT_TRUE(readTransformationsFile(path, list, prompter));
    EXPECT_EQ(list, (Pairs{{"õ", "o"}, {"ž", "z"}}));
    EXPECT_TRUE(prompter.entries().empty());
}

struct BadFileCase {
    const char* name;
    std::string bytes;  // "" with missing = true means no file at all
    bool missing;
    TransformationMessages messages;
    const char* message;
};

class TransformationsBadFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(TransformationsBadFile, WarnsAndLeavesTheListEmpty)
{
    const BadFileCase& c = GetParam();
    test::TempDir dir;
    const std::string path = dir.file("list.vtf");
    if (!c.missing)
        test::writeFile(path, c.bytes);
    RecordingPrompter prompter;
    Pairs list{{"old", "pair"}};

    EXPECT_FALSE(readTransformationsFile(path, list, prompter, c.messages));

    EXPECT_TRUE(list.empty());
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].text, c.message);
    EXPECT_EQ(prompter.entries()[0].title, "Viga");
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Warning);
    if (!c.missing) {
        EXPECT_EQ(test::readFile(path), c.bytes);  // the file is never touched
    }
}

const char* const kNotUnicode = "Teisenduste fail ei ole unicode'is.\nEi saa avada.";

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationsBadFile,
    ::testing::Values(
        BadFileCase{"Missing", "", true, TransformationMessages::Settings, "Ei saanud teisenduste faili avada"},
        BadFileCase{"MissingInDialog", "", true, TransformationMessages::Dialog, "Ei saanud faili avada"},
        BadFileCase{"NoByteOrderMark", utf8ToUtf16Le("ab!cd\r\n", false), false, TransformationMessages::Settings,
                    kNotUnicode},
        BadFileCase{"Utf8Text", "ab!cd\r\n", false, TransformationMessages::Settings, kNotUnicode},
        BadFileCase{"EmptyFile", "", false, TransformationMessages::Settings, kNotUnicode},
        BadFileCase{"OddLength", utf8ToUtf16Le("ab!cd\r\n", true) + "x", false, TransformationMessages::Settings,
                    kNotUnicode},
        BadFileCase{"NoByteOrderMarkInDialog", "ab", false, TransformationMessages::Dialog,
                    "Fail ei ole unicode'is.\nEi saa avada."}),
    test::ByName{});

TEST(TransformationsFile, ByteOrderMarkAloneGivesAnEmptyList)
{
    test::TempDir dir;
    const std::string path = dir.file("empty.vtf");
    test::writeFile(path, "\xFF\xFE");
    RecordingPrompter prompter;
    Pairs list{{"a", "b"}};
    EXPECT_TRUE(readTransformationsFile(path, list, prompter));
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(prompter.entries().empty());
}

TEST(TransformationsFile, WritesMarkAndLinesAndReadsThemBack)
{
    test::TempDir dir;
    const std::string path = dir.file("out.vtf");
    RecordingPrompter prompter;

    ASSERT_TRUE(writeTransformationsFile(path, {{"ab", "cd"}, {"uw", ""}}, prompter));
    // Expected: byte-order mark, then source "!" target CR LF per pair, in UTF-16LE.
    EXPECT_EQ(test::readFile(path), utf8ToUtf16Le("ab!cd\r\nuw!\r\n", true));

    ASSERT_TRUE(writeTransformationsFile(path, irregularSpellingList(), prompter));
    Pairs back;
    ASSERT_TRUE(readTransformationsFile(path, back, prompter));
    EXPECT_EQ(back, irregularSpellingList());
    EXPECT_TRUE(prompter.entries().empty());
}

TEST(TransformationsFile, PairThatWouldNotReadBackIsNotWritten)
{
    test::TempDir dir;
    const std::string path = dir.file("out.vtf");
    const std::string before = utf8ToUtf16Le("keep!me\r\n", true);
    test::writeFile(path, before);
    RecordingPrompter prompter;

    for (const Pairs& list : {Pairs{{"a!", "b"}}, Pairs{{"a", "b\r\nc"}}, Pairs{{"ok", "ok"}, {"x", "y!"}}}) {
        EXPECT_FALSE(writeTransformationsFile(path, list, prompter));
        // Expected: the old file stays whole and an error is shown.
        EXPECT_EQ(test::readFile(path), before);
        EXPECT_EQ(prompter.entries().back().kind, MessageKind::Error);
    }
}

TEST(TransformationsFile, FailedWriteIsReported)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    EXPECT_FALSE(writeTransformationsFile(dir.file("no/such/folder/out.vtf"), {{"a", "b"}}, prompter));
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Error);
}

TEST(TransformationsRebuild, FollowsTheChangesSetting)
{
    test::TempDir dir;
    const std::string path = dir.file("mine.vtf");
    test::writeFile(path, utf16File("ab!cd\r\n"));
    RecordingPrompter prompter;
    Settings settings;
    Pairs list;

    // Expected: 0 and 1 put the built-in lists in place.
    settings.changes = 0;
    EXPECT_TRUE(rebuildTransformations(settings, list, prompter));
    EXPECT_EQ(list, irregularSpellingList());
    settings.changes = 1;
    EXPECT_TRUE(rebuildTransformations(settings, list, prompter));
    EXPECT_EQ(list, oldSpellingList());

    // Expected: 2 reads the file named by ChangesPath.
    settings.changes = 2;
    settings.changesPath = path;
    EXPECT_TRUE(rebuildTransformations(settings, list, prompter));
    EXPECT_EQ(list, (Pairs{{"ab", "cd"}}));

    // Expected: 3 and other values leave the list as it was.
    for (const int changes : {3, -1, 9}) {
        settings.changes = changes;
        EXPECT_FALSE(rebuildTransformations(settings, list, prompter));
        EXPECT_EQ(list, (Pairs{{"ab", "cd"}}));
    }
    Pairs startUp;
    settings.changes = 3;
    rebuildTransformations(settings, startUp, prompter);
    EXPECT_TRUE(startUp.empty());
    EXPECT_TRUE(prompter.entries().empty());

    // Expected: an unreadable file empties the list and warns.
    settings.changes = 2;
    settings.changesPath = dir.file("missing.vtf");
    EXPECT_TRUE(rebuildTransformations(settings, list, prompter));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(prompter.lastText(), "Ei saanud teisenduste faili avada");
}

}  // namespace
}  // namespace pelmora

namespace pelmora {
namespace {

TEST(TransformationEditor, ButtonsChangeRowsAndSettingValues)
{
    RecordingPrompter prompter;
    TransformationEditor editor({}, 0, "");

    // Expected: an empty field is refused with the dialog's notice.
    EXPECT_FALSE(editor.addPair("ab", "", prompter));
    EXPECT_EQ(prompter.lastText(), "\"Mis\" ja \"Milleks\" lahtrid ei või olla tühjad");
    EXPECT_EQ(prompter.entries().back().title, "Teade");
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_EQ(editor.changes(), 0);

    EXPECT_TRUE(editor.addPair("ab", "cd", prompter));
    EXPECT_TRUE(editor.addPair("ef", "gh", prompter));
    EXPECT_EQ(editor.changes(), kChangesEdited);
    editor.removeRow(5);  // no such row
    editor.removeRow(0);
    EXPECT_EQ(editor.rows(), (TransformationList{{"ef", "gh"}}));

    editor.useBuiltIn(kChangesOldSpelling);
    EXPECT_EQ(editor.rows(), oldSpellingList());
    EXPECT_EQ(editor.changes(), kChangesOldSpelling);
    editor.removeAll();
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_EQ(editor.changes(), kChangesEdited);
}

TEST(TransformationEditor, RowsAreReplacedAndMovedInPlace)
{
    RecordingPrompter prompter;
    TransformationEditor editor({{"a", "b"}, {"c", "d"}, {"e", "f"}}, kChangesFile, "x.vtf");
    // Moves that would leave the list do nothing and keep the setting.
    EXPECT_EQ(editor.moveRow(0, -1), 0);
    EXPECT_EQ(editor.moveRow(2, 1), 2);
    EXPECT_EQ(editor.moveRow(7, 1), 7);
    EXPECT_EQ(editor.changes(), kChangesFile);

    EXPECT_EQ(editor.moveRow(2, -1), 1);
    EXPECT_EQ(editor.rows(), (TransformationList{{"a", "b"}, {"e", "f"}, {"c", "d"}}));
    EXPECT_EQ(editor.changes(), kChangesEdited);

    EXPECT_FALSE(editor.replaceRow(0, "", "z", prompter));
    EXPECT_EQ(prompter.lastText(), "\"Mis\" ja \"Milleks\" lahtrid ei või olla tühjad");
    EXPECT_FALSE(editor.replaceRow(3, "y", "z", prompter));
    EXPECT_TRUE(editor.replaceRow(0, "ch", "h", prompter));
    EXPECT_EQ(editor.rows(), (TransformationList{{"ch", "h"}, {"e", "f"}, {"c", "d"}}));
}

TEST(TransformationEditor, FileButtons)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    TransformationEditor editor({{"ab", "cd"}}, 3, "");

    // Expected: saving points the settings at the file only when the write worked.
    EXPECT_FALSE(editor.saveFile(dir.file("missing/x.vtf"), prompter));
    EXPECT_EQ(editor.changes(), 3);
    EXPECT_EQ(editor.changesPath(), "");
    ASSERT_TRUE(editor.saveFile(dir.file("x.vtf"), prompter));
    EXPECT_EQ(editor.changes(), kChangesFile);
    EXPECT_EQ(editor.changesPath(), dir.file("x.vtf"));

    // Expected: reading replaces the rows; a line without "!" replaces the previous target.
    test::writeFile(dir.file("y.vtf"), utf8ToUtf16Le("a!b\r\nc\r\n", true));
    ASSERT_TRUE(editor.loadFile(dir.file("y.vtf"), prompter));
    EXPECT_EQ(editor.rows(), (TransformationList{{"a", "c"}}));
    EXPECT_EQ(editor.changesPath(), dir.file("y.vtf"));

    test::writeFile(dir.file("z.vtf"), "a!b\r\n");
    EXPECT_FALSE(editor.loadFile(dir.file("z.vtf"), prompter));
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_EQ(prompter.lastText(), "Fail ei ole unicode'is.\nEi saa avada.");
}

}  // namespace
}  // namespace pelmora
