// Helpers shared by the tests: temporary folders, files, tree comparison, running the CLI.
#pragma once

#include "xml/xmldocument.h"

#include <functional>
#include <string>
#include <vector>

namespace pelmora::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    // A fresh folder inside the given one (for example a memory file system, where many
    // synchronous saves in a row cost little); the system's temporary folder when it is absent.
    explicit TempDir(const std::string& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    // The path of a file inside the folder.
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// Compares two trees node by node: types, names, values, attributes with their order. Returns ""
// when equal, otherwise a description of the first difference.
std::string treeDifference(XmlNode a, XmlNode b);

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with arguments (no shell), the given text on its standard input (none by default).
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& standardInput = {});

// The folder of the bundled sample files.
std::string samplesFolder();

// The path of a transducer compiled for the tests from tests/data/analyser ("liv.hfstol",
// "liv-weighted.hfstol", "liv.hfst", "liv.foma", "liv-generator.hfstol"); "" when the hfst
// tools were missing at configuration time (see PELMORA_SKIP_WITHOUT_TRANSDUCERS).
std::string testTransducer(const std::string& name);

}  // namespace pelmora::test

namespace pelmora::test {

// Runs the function in a child process without the privileges that let root write anywhere (as
// user "nobody" when the tests run as root) and returns its result (the child's exit status).
int runUnprivileged(const std::function<int()>& body);

// A folder "shared" in the temporary folder holding a file with the bytes, both owned by the
// user runUnprivileged() runs as, so that its body can make the folder read-only and back.
// Returns the file's path.
std::string writeSharedFile(const TempDir& dir, const std::string& fileName, const std::string& bytes);

}  // namespace pelmora::test

#include <gtest/gtest.h>

namespace pelmora::test {

// Skips the test, saying why, when the test transducers could not be compiled.
#define PELMORA_SKIP_WITHOUT_TRANSDUCERS()                                                            \
    do {                                                                                              \
        if (::pelmora::test::testTransducer("liv.hfstol").empty())                                    \
            GTEST_SKIP() << "the hfst tools were missing when this build was configured, so no test " \
                            "transducer was compiled; scripts/install-deps installs them";           \
    } while (false)

// Names a parameterised case after the `name` member of its parameter.
struct ByName {
    template <class T>
    std::string operator()(const ::testing::TestParamInfo<T>& p) const { return std::string(p.param.name); }
};

}  // namespace pelmora::test
