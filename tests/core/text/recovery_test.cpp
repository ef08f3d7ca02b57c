#include "common/files.h"
#include "testsupport.h"
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
                         Case{"as old as the text", 200, true, RecoveryState::Older},
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

}  // namespace
}  // namespace pelmora
