#include "common/files.h"
#include "common/utf16text.h"
#include "testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pelmora {
namespace {

using test::TempDir;

std::size_t entriesIn(const std::string& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(SafeReplace, KeepsPermissionsAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.file("text.xml");
    test::writeFile(path, "old");
    ::chmod(path.c_str(), 0640);

    std::string error;
    ASSERT_TRUE(replaceFileSafely(path, std::string_view("new content"), &error)) << error;

    // Expected: the new bytes, the old mode, nothing else in the folder.
    EXPECT_EQ(test::readFile(path), "new content");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(SafeReplace, FailedProducerLeavesTargetWhole)
{
    TempDir dir;
    const std::string path = dir.file("dictionary.xml");
    test::writeFile(path, "confirmed analyses");

    const bool ok = replaceFileSafely(path, [](FileSink& sink) {
        sink.write(std::string_view("half a fi"));
        return false;  // the writer gave up half-way
    });

    EXPECT_FALSE(ok);
    EXPECT_EQ(test::readFile(path), "confirmed analyses");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(SafeReplace, ReplacesTheFileBehindASymbolicLink)
{
    TempDir dir;
    const std::string real = dir.file("real.xml");
    const std::string link = dir.file("link.xml");
    test::writeFile(real, "old");
    std::filesystem::create_symlink(real, link);

    ASSERT_TRUE(replaceFileSafely(link, std::string_view("new")));

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::readFile(real), "new");
}

TEST(SafeReplace, RefusesAFolderAndAMissingFolder)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(replaceFileSafely(dir.path(), std::string_view("x"), &error));
    EXPECT_FALSE(replaceFileSafely(dir.file("missing/x.xml"), std::string_view("x"), &error));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

TEST(SafeReplace, UnwritableFolderLeavesTheOldFile)
{
    TempDir dir;
    const std::string folder = dir.file("locked");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/text.xml";
    test::writeFile(path, "old");
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(path.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);

    const int status = test::runUnprivileged([&] {
        return replaceFileSafely(path, std::string_view("new")) ? 1 : 0;
    });

    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readFile(path), "old");
}

TEST(Utf16File, ReadStatuses)
{
    TempDir dir;
    struct Case {
        std::string bytes;
        Utf16ReadStatus status;
        std::string text;
    };
    const Case cases[] = {
        {std::string("\xFF\xFE" "a\0b\0", 6), Utf16ReadStatus::Ok, "ab"},
        {std::string("\xFF\xFE", 2), Utf16ReadStatus::Ok, ""},
        {std::string("a\0b\0", 4), Utf16ReadStatus::NoByteOrderMark, ""},
        {std::string("\xFF\xFE" "a", 3), Utf16ReadStatus::OddLength, ""},
        {std::string(), Utf16ReadStatus::NoByteOrderMark, ""},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file("in.txt");
        test::writeFile(path, c.bytes);
        const Utf16ReadResult result = readUtf16LeFile(path);
        EXPECT_EQ(result.status, c.status) << c.bytes.size();
        EXPECT_EQ(result.text, c.text);
    }
    EXPECT_EQ(readUtf16LeFile(dir.file("missing.txt")).status, Utf16ReadStatus::Unreadable);
}

TEST(Utf16File, WriteThenReadGivesTheText)
{
    TempDir dir;
    const std::string path = dir.file("export.txt");
    ASSERT_TRUE(writeUtf16LeFile(path, "Mēg\tjelābõ\r\n"));
    const Utf16ReadResult result = readUtf16LeFile(path);
    ASSERT_EQ(result.status, Utf16ReadStatus::Ok);
    EXPECT_EQ(result.text, "Mēg\tjelābõ\r\n");
}

// A file is read whole whether it holds what its size said or more: a file the system reports
// with no size (as /proc reports its files) is read through to its end.
TEST(WholeFile, ReadsToTheEndAlsoBeyondTheSizeReported)
{
    const TempDir dir;
    const std::string path = dir.path() + "/a.txt";
    const std::string text(70000, 'x');
    test::writeFile(path, text + "y");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, text + "y");
    std::string status;
    ASSERT_TRUE(readWholeFile("/proc/self/status", status));
    EXPECT_NE(status.find("Name:"), std::string::npos);
    EXPECT_EQ(status.back(), '\n');
}

}  // namespace
}  // namespace pelmora
