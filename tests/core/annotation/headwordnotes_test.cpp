#include "annotation/headwordnotes.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace pelmora {
namespace {

using test::TempDir;

const std::string kNotes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<pelmora>\n"
    "<info lemma=\"ama\">kõik</info>\n"
    "<info lemma=\"kalā\">kala</info>\n"
    "<info lemma=\"minā\">mina</info>\n"
    "<info lemma=\"vȱlda\">olema</info>\n"
    "</pelmora>\n";

// The headwords of the file's notes in file order.
std::string headwordsInFile(const std::string& path)
{
    XmlDocument xml;
    if (!xml.load(path))
        return "unreadable";
    std::string all;
    for (XmlNode note = firstChildElement(xml.root(), kNoteElement); note; note = nextSiblingElement(note, kNoteElement))
        all += std::string(attributeValue(note, kNoteHeadword)) + "=" + std::string(elementText(note)) + ";";
    return all;
}

class HeadwordNotesTest : public ::testing::Test {
protected:
    HeadwordNotes open(const std::string& bytes)
    {
        test::writeFile(path, bytes);
        return HeadwordNotes(path, prompter);
    }
    TempDir dir;
    std::string path = dir.file("markmed.xml");
    RecordingPrompter prompter;
};

struct BrokenFileCase {
    const char* name;
    const char* bytes;  // nullptr: no file at all
};

class BrokenNotesFile : public HeadwordNotesTest, public ::testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenNotesFile, IsReportedOnceAndSearchAndSaveDoNothing)
{
    if (GetParam().bytes)
        test::writeFile(path, GetParam().bytes);
    HeadwordNotes notes(path, prompter);
    HeadwordNote note{"x", "y"};
    // Expected: "Vigane fail <path>." once, under "Viga"; nothing found; the file untouched.
    EXPECT_FALSE(notes.lookUpOrFirst("kalā", note));
    EXPECT_EQ(note, HeadwordNote{});
    EXPECT_FALSE(notes.store("kalā", "kala"));
    EXPECT_FALSE(notes.find("kalā").found);
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].title, "Viga");
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Error);
    EXPECT_EQ(prompter.entries()[0].text, "Vigane fail " + path + ".");
    if (GetParam().bytes) {
        EXPECT_EQ(test::readFile(path), GetParam().bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HeadwordNotes, BrokenNotesFile,
    ::testing::Values(BrokenFileCase{"Missing", nullptr}, BrokenFileCase{"NotXml", "<pelmora><info"},
                      BrokenFileCase{"OtherRoot", "<sonastik><info lemma=\"a\">b</info></sonastik>"},
                      BrokenFileCase{"NoNote", "<pelmora><muu lemma=\"a\">b</muu></pelmora>"},
                      BrokenFileCase{"EmptyRoot", "<pelmora/>"}),
    test::ByName());

struct LookupCase {
    const char* name;
    const char* headword;
    bool found;
    std::size_t index;  // of the note, or where the headword would go
    HeadwordNote shown;  // what lookUpOrFirst gives
};

class NotesLookup : public HeadwordNotesTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(NotesLookup, FindsTheNoteOrFallsBackToTheFirst)
{
    HeadwordNotes notes = open(kNotes);
    const HeadwordNotes::Position position = notes.find(GetParam().headword);
    EXPECT_EQ(position.found, GetParam().found);
    EXPECT_EQ(position.index, GetParam().index);
    HeadwordNote note;
    EXPECT_TRUE(notes.lookUpOrFirst(GetParam().headword, note));
    EXPECT_EQ(note, GetParam().shown);
    EXPECT_TRUE(prompter.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    HeadwordNotes, NotesLookup,
    ::testing::Values(LookupCase{"First", "ama", true, 0, {"ama", "kõik"}},
                      LookupCase{"Middle", "minā", true, 2, {"minā", "mina"}},
                      LookupCase{"Last", "vȱlda", true, 3, {"vȱlda", "olema"}},
                      LookupCase{"BeforeAll", "aa", false, 0, {"ama", "kõik"}},
                      LookupCase{"Between", "kala", false, 1, {"ama", "kõik"}},
                      // ā (U+0101) sorts after every ASCII letter in code-unit order.
                      LookupCase{"AfterAsciiLetters", "kalz", false, 1, {"ama", "kõik"}},
                      LookupCase{"AfterAll", "zzz", false, 4, {"ama", "kõik"}},
                      LookupCase{"CaseCounts", "Minā", false, 0, {"ama", "kõik"}},
                      LookupCase{"Empty", "", false, 0, {"ama", "kõik"}}),
    test::ByName());

struct InsertCase {
    const char* name;
    const char* headword;
    const char* expected;  // headword=text pairs in file order
};

class NotesInsertion : public HeadwordNotesTest, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(NotesInsertion, NewNoteGoesInAtItsSortedPlace)
{
    HeadwordNotes notes = open(kNotes);
    ASSERT_TRUE(notes.store(GetParam().headword, "uus"));
    EXPECT_EQ(headwordsInFile(path), GetParam().expected);
    // Expected: the saved file is read again with the new note findable.
    HeadwordNotes again(path, prompter);
    HeadwordNote note;
    EXPECT_TRUE(again.lookUp(GetParam().headword, note));
    EXPECT_EQ(note.text, "uus");
    EXPECT_TRUE(prompter.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    HeadwordNotes, NotesInsertion,
    ::testing::Values(InsertCase{"Front", "aa", "aa=uus;ama=kõik;kalā=kala;minā=mina;vȱlda=olema;"},
                      InsertCase{"Middle", "kala", "ama=kõik;kala=uus;kalā=kala;minā=mina;vȱlda=olema;"},
                      InsertCase{"End", "ȭdõg", "ama=kõik;kalā=kala;minā=mina;vȱlda=olema;ȭdõg=uus;"}),
    test::ByName());

TEST_F(HeadwordNotesTest, SavingAnExistingHeadwordChangesItsTextOnly)
{
    HeadwordNotes notes = open(kNotes);
    ASSERT_TRUE(notes.store("minā", "mina, ma\nteine rida"));
    EXPECT_EQ(headwordsInFile(path), "ama=kõik;kalā=kala;minā=mina, ma\nteine rida;vȱlda=olema;");
    EXPECT_EQ(notes.size(), 4u);
}

TEST_F(HeadwordNotesTest, HandEditedFileOutOfOrderGetsNoDuplicateNote)
{
    // A comment between the notes and a note out of order: the search must still find "ama".
    HeadwordNotes notes = open("<pelmora><info lemma=\"minā\">mina</info><!-- x -->"
                               "<info lemma=\"ama\">kõik</info><info lemma=\"kalā\">kala</info></pelmora>");
    HeadwordNote note;
    EXPECT_TRUE(notes.lookUp("ama", note));
    EXPECT_EQ(note.text, "kõik");
    ASSERT_TRUE(notes.store("ama", "kõik, terve"));
    EXPECT_EQ(headwordsInFile(path), "minā=mina;ama=kõik, terve;kalā=kala;");
}

TEST(HeadwordNotesSaveFailure, IsReportedWithThePathAndLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string path = test::writeSharedFile(dir, "markmed.xml", kNotes);
    const std::string folder = dir.file("shared");
    const int status = test::runUnprivileged([&]() -> int {
        RecordingPrompter prompter;
        HeadwordNotes notes(path, prompter);
        if (!notes.ensureLoaded())
            return 10;
        ::chmod(folder.c_str(), 0555);
        const bool saved = notes.store("kala", "uus");
        ::chmod(folder.c_str(), 0755);
        if (saved || prompter.entries().size() != 1)
            return 11;
        const auto& entry = prompter.entries()[0];
        if (entry.title != "Viga salvestamisel" || entry.text != path || entry.kind != MessageKind::Error)
            return 12;
        if (test::readFile(path) != kNotes)
            return 13;
        // Expected: once the folder is writable again, the kept change reaches the file.
        return notes.store("kala", "uus") && headwordsInFile(path).find("kala=uus;") != std::string::npos ? 0 : 14;
    });
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace pelmora
