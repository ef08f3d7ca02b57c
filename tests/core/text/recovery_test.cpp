#include "common/files.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"
#include "text/recovery.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

// The record reads back what it wrote and refuses anything else.
TEST(RecoveryRecord, ReadsBackAndRefusesMalformed)
{
    std::string path;
    std::int64_t time = 0;
    ASSERT_TRUE(parseRecoveryRecord(formatRecoveryRecord("/tekstid/kala jõgi.xml", 1765251000), path, time));
    EXPECT_EQ(path, "/tekstid/kala jõgi.xml");
    EXPECT_EQ(time, 1765251000);
    ASSERT_TRUE(parseRecoveryRecord("tekst=/a.xml\r\naeg=5\r\n", path, time));
    EXPECT_EQ(path, "/a.xml");

    struct Case {
        const char* name;
        const char* bytes;
    };
    for (const Case c : {Case{"empty", ""}, Case{"no time", "tekst=/a.xml\n"}, Case{"no path", "aeg=5\n"},
                         Case{"empty path", "tekst=\naeg=5\n"}, Case{"time not a number", "tekst=/a.xml\naeg=5x\n"},
                         Case{"negative time", "tekst=/a.xml\naeg=-5\n"}, Case{"unknown line", "tekst=/a.xml\naeg=5\nmuu=1\n"},
                         Case{"binary", "\x01\x02\x03"}})
        EXPECT_FALSE(parseRecoveryRecord(c.bytes, path, time)) << c.name;
}

// Texts of one name in two folders have recoveries of their own.
TEST(RecoveryFiles, KeepTextsOfTheSameNameApart)
{
    const RecoveryFiles a = recoveryFiles("/d", "/x/kuolka.xml");
    const RecoveryFiles b = recoveryFiles("/d", "/y/kuolka.xml");
    EXPECT_NE(a.content, b.content);
    EXPECT_NE(a.record, b.record);
    EXPECT_EQ(a.content.rfind("/d/kuolka-", 0), 0u);
    EXPECT_EQ(recoveryFiles("/d", "/x/kuolka.xml").content, a.content);
}

class RecoveryCycle : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string folder = dir.file("andmed/taastamine");  // made on the first write
    std::string text = dir.file("kuolka.xml");
};

// What is written is found while it is newer than the text, then removed.
TEST_F(RecoveryCycle, WritesFindsAndRemoves)
{
    test::writeFile(text, "<vana/>");
    EXPECT_EQ(findRecovery(folder, text, 100, true).state, RecoveryState::None);
    ASSERT_TRUE(writeRecovery(folder, text, "<uus/>", 200));
    EXPECT_EQ(test::readFile(text), "<vana/>");  // the text is never touched

    struct Case {
        const char* name;
        std::int64_t textTime;
        bool textExists;
        RecoveryState state;
    };
    for (const Case c : {Case{"newer than the text", 150, true, RecoveryState::Newer},
                         Case{"written in the second of the save", 200, true, RecoveryState::Newer},
                         Case{"the text saved later", 250, true, RecoveryState::Older},
                         Case{"the text is gone", 999, false, RecoveryState::Newer}}) {
        const RecoveryFound found = findRecovery(folder, text, c.textTime, c.textExists);
        EXPECT_EQ(found.state, c.state) << c.name;
        EXPECT_EQ(found.time, 200) << c.name;
        EXPECT_EQ(found.content, c.state == RecoveryState::Newer ? "<uus/>" : "") << c.name;
    }
    // A later write replaces the former whole.
    ASSERT_TRUE(writeRecovery(folder, text, "<uuem/>", 300));
    EXPECT_EQ(findRecovery(folder, text, 150, true).content, "<uuem/>");

    EXPECT_TRUE(removeRecovery(folder, text));
    EXPECT_EQ(findRecovery(folder, text, 150, true).state, RecoveryState::None);
    EXPECT_TRUE(removeRecovery(folder, text));  // nothing to remove is no failure
}

// A recovery that cannot be read is reported and set aside whole, never dropped.
TEST_F(RecoveryCycle, UnreadableIsSetAsideNotDropped)
{
    const RecoveryFiles files = recoveryFiles(folder, text);
    struct Case {
        const char* name;
        const char* record;   // nullptr: none
        const char* content;  // nullptr: none
    };
    for (const Case c : {Case{"malformed record", "sodi", "<uus/>"}, Case{"record without content", nullptr, nullptr},
                         Case{"content without record", nullptr, "<uus/>"},
                         Case{"record of another text", "tekst=/muu.xml\naeg=5\n", "<uus/>"},
                         Case{"empty content", "", ""}}) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::string record = c.record ? (*c.record ? c.record : formatRecoveryRecord(text, 5))
                                            : (c.content ? std::string() : formatRecoveryRecord(text, 5));
        if (c.record || !c.content)
            test::writeFile(files.record, record);
        if (c.content)
            test::writeFile(files.content, c.content);
        EXPECT_EQ(findRecovery(folder, text, 1, true).state, RecoveryState::Unreadable) << c.name;

        const std::string aside = setRecoveryAside(folder, text);
        ASSERT_NE(aside, "") << c.name;
        EXPECT_EQ(findRecovery(folder, text, 1, true).state, RecoveryState::None) << c.name;
        if (c.content) {
            EXPECT_EQ(test::readFile(aside), c.content) << c.name;
        }
        // A second one goes beside the first.
        test::writeFile(files.record, "sodi");
        const std::string second = setRecoveryAside(folder, text);
        EXPECT_NE(second, "") << c.name;
        EXPECT_NE(second, aside) << c.name;
    }
}

// A folder that cannot be made fails the write and leaves the former recovery whole.
TEST_F(RecoveryCycle, FailedWriteKeepsTheFormer)
{
    ASSERT_TRUE(writeRecovery(folder, text, "<uus/>", 200));
    test::writeFile(dir.file("fail"), "x");
    std::string error;
    EXPECT_FALSE(writeRecovery(dir.file("fail/alam"), text, "<muu/>", 300, &error));
    EXPECT_NE(error, "");
    EXPECT_EQ(findRecovery(folder, text, 100, true).content, "<uus/>");
}


const char* const kKeeperText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><pelmora><info/><sisu id=\"t\">"
    "<lause id=\"l1\"><sone id=\"l1_s1\">kala</sone><sone id=\"l1_s2\">jõgi</sone></lause></sisu></pelmora>";

class Keeper : public RecoveryCycle {
protected:
    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
    RecoveryKeeper keeper{folder, prompter};

    void openAndChange(const char* lemma)
    {
        ASSERT_TRUE(doc.openDocument(text));
        ASSERT_TRUE(doc.setNodeAttribute(doc.firstToken(), "lemma", lemma));
    }
};

// Written only for a modified text whose tree moved since the last write; the text stays as it was.
TEST_F(Keeper, WritesOnlyChangedModifiedTrees)
{
    test::writeFile(text, kKeeperText);
    ASSERT_TRUE(doc.openDocument(text));
    EXPECT_FALSE(keeper.write(doc, text, 100)) << "unmodified";
    ASSERT_TRUE(doc.setNodeAttribute(doc.firstToken(), "lemma", "kala"));
    EXPECT_TRUE(keeper.write(doc, text, 100));
    EXPECT_FALSE(keeper.write(doc, text, 101)) << "nothing changed since";
    ASSERT_TRUE(doc.setNodeAttribute(doc.firstToken(), "lemma", "kalā"));
    EXPECT_TRUE(keeper.write(doc, text, 102));
    EXPECT_EQ(test::readFile(text), kKeeperText);
    const RecoveryFound found = findRecovery(folder, text, 50, true);
    ASSERT_EQ(found.state, RecoveryState::Newer);
    EXPECT_NE(found.content.find("lemma=\"kalā\""), std::string::npos);
    // After a discard the same tree is written again (the text is still modified).
    keeper.discard(text);
    EXPECT_EQ(findRecovery(folder, text, 50, true).state, RecoveryState::None);
    EXPECT_TRUE(keeper.write(doc, text, 103));
    EXPECT_TRUE(prompter.entries().empty());
}

// A folder that cannot be made warns once, not at every tick, and the work goes on.
TEST_F(Keeper, WarnsOnceWhenTheFolderCannotBeWritten)
{
    test::writeFile(text, kKeeperText);
    test::writeFile(dir.file("fail"), "x");
    RecoveryKeeper blocked(dir.file("fail/taastamine"), prompter);
    openAndChange("kala");
    EXPECT_FALSE(blocked.write(doc, text, 100));
    ASSERT_TRUE(doc.setNodeAttribute(doc.firstToken(), "lemma", "kalā"));
    EXPECT_FALSE(blocked.write(doc, text, 101));
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].text.rfind("Taastekoopiat ei saanud kirjutada:\n", 0), 0u);
    EXPECT_TRUE(doc.isModified());
}

// The answers to the restore question, and the recoveries that cannot be used.
TEST_F(Keeper, OffersANewerRecovery)
{
    struct Case {
        const char* name;
        bool yes;
        bool textOpened;
        RecoveryKeeper::Offer offer;
        bool recoveryLeft;
    };
    for (const Case c : {Case{"yes", true, true, RecoveryKeeper::Offer::Restored, true},
                         Case{"no", false, true, RecoveryKeeper::Offer::Declined, false},
                         Case{"no while the text did not open", false, false, RecoveryKeeper::Offer::Declined, true}}) {
        test::writeFile(text, kKeeperText);
        openAndChange("kala");
        ASSERT_TRUE(keeper.write(doc, text, 4102444800));  // in 2100: newer than the file
        doc.closeDocument();
        prompter.clear();
        prompter.queueAnswer(c.yes);
        const bool opened = c.textOpened && doc.openDocument(text);
        EXPECT_EQ(keeper.offer(doc, text, opened), c.offer) << c.name;
        ASSERT_EQ(prompter.entries().size(), 1u) << c.name;
        EXPECT_TRUE(prompter.entries()[0].question) << c.name;
        EXPECT_EQ(findRecovery(folder, text, 0, true).state != RecoveryState::None, c.recoveryLeft) << c.name;
        if (c.yes) {
            EXPECT_TRUE(doc.isModified()) << c.name;
            EXPECT_EQ(attributeValue(doc.firstToken(), "lemma"), "kala") << c.name;
            EXPECT_EQ(test::readFile(text), kKeeperText) << c.name;
            // Undo cannot clear the marker: the file holds another tree.
            EXPECT_FALSE(doc.undo());
            EXPECT_TRUE(doc.isModified());
        }
        removeRecovery(folder, text);
    }
}

TEST_F(Keeper, SetsAsideWhatCannotBeUsed)
{
    test::writeFile(text, kKeeperText);
    struct Case {
        const char* name;
        const char* content;
        bool breakRecord;
    };
    for (const Case c : {Case{"unreadable record", "<pelmora/>", true}, Case{"content that does not open", "<pelmora><sisu>", false}}) {
        ASSERT_TRUE(writeRecovery(folder, std::filesystem::absolute(text).lexically_normal().string(), c.content, 4102444800));
        if (c.breakRecord)
            test::writeFile(recoveryFiles(folder, std::filesystem::absolute(text).lexically_normal().string()).record, "?");
        prompter.clear();
        prompter.setDefaultAnswer(true);
        ASSERT_TRUE(doc.openDocument(text));
        EXPECT_EQ(keeper.offer(doc, text, true), RecoveryKeeper::Offer::SetAside) << c.name;
        EXPECT_TRUE(doc.hasText()) << c.name << ": the text stays open";
        EXPECT_FALSE(doc.isModified()) << c.name;
        ASSERT_FALSE(prompter.entries().empty()) << c.name;
        EXPECT_NE(prompter.lastText().find(".vigane-"), std::string::npos) << c.name << ": " << prompter.lastText();
        EXPECT_EQ(findRecovery(folder, text, 0, true).state, RecoveryState::None) << c.name;
    }
    EXPECT_EQ(test::readFile(text), kKeeperText);
}

}  // namespace
}  // namespace pelmora
