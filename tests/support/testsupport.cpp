#include "testsupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora::test {

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path().string()) {}

TempDir::TempDir(const std::string& parent)
{
    std::error_code error;
    const std::filesystem::path base =
        std::filesystem::is_directory(parent, error) ? std::filesystem::path(parent) : std::filesystem::temp_directory_path();
    std::string pattern = (base / "pelmora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Give back permissions that a test may have taken away, so everything can be removed.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

namespace {

std::string describe(XmlNode node)
{
    std::string text = std::to_string(static_cast<int>(node.type())) + ":" + node.name();
    if (const char* id = node.attribute("id").value(); *id)
        text += "[id=" + std::string(id) + "]";
    return text;
}

}  // namespace

std::string treeDifference(XmlNode a, XmlNode b)
{
    // Walk both trees in document order without recursion (deep trees must not overflow).
    XmlNode x = a;
    XmlNode y = b;
    while (x || y) {
        if (!x || !y)
            return "one tree ends early at " + describe(x ? x : y);
        if (x.type() != y.type() || std::strcmp(x.name(), y.name()) != 0)
            return "node " + describe(x) + " differs from " + describe(y);
        if (std::strcmp(x.value(), y.value()) != 0)
            return "value of " + describe(x) + ": '" + x.value() + "' vs '" + y.value() + "'";
        pugi::xml_attribute ax = x.first_attribute();
        pugi::xml_attribute ay = y.first_attribute();
        for (; ax || ay; ax = ax.next_attribute(), ay = ay.next_attribute()) {
            if (!ax || !ay)
                return "attribute count of " + describe(x);
            if (std::strcmp(ax.name(), ay.name()) != 0 || std::strcmp(ax.value(), ay.value()) != 0)
                return "attribute of " + describe(x) + ": " + ax.name() + "='" + ax.value() + "' vs " +
                       ay.name() + "='" + ay.value() + "'";
        }
        // Next node in document order, staying inside the subtrees of a and b.
        if (x.first_child() || y.first_child()) {
            if (!x.first_child() || !y.first_child())
                return "children of " + describe(x);
            x = x.first_child();
            y = y.first_child();
            continue;
        }
        while (x != a && !x.next_sibling()) {
            if (y.next_sibling())
                return "siblings after " + describe(y);
            x = x.parent();
            y = y.parent();
        }
        if (x == a)
            return y == b ? "" : "tree shapes differ";
        if (!y.next_sibling())
            return "siblings after " + describe(x);
        x = x.next_sibling();
        y = y.next_sibling();
    }
    return "";
}

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& standardInput)
{
    TempDir scratch;
    const std::string inPath = scratch.file("in");
    writeFile(inPath, standardInput);
    const std::string outPath = scratch.file("out");
    const std::string errPath = scratch.file("err");
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

std::string samplesFolder()
{
    return PELMORA_SAMPLES;
}

}  // namespace pelmora::test

namespace pelmora::test {

int runUnprivileged(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        if (::geteuid() == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(126);
        }
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string writeSharedFile(const TempDir& dir, const std::string& fileName, const std::string& bytes)
{
    const std::string folder = dir.file("shared");
    const std::string path = folder + "/" + fileName;
    if (::mkdir(folder.c_str(), 0755) != 0 || ::chmod(dir.path().c_str(), 0755) != 0)
        throw std::runtime_error("cannot make " + folder);
    writeFile(path, bytes);
    if (::geteuid() == 0 && (::chown(folder.c_str(), 65534, 65534) != 0 || ::chown(path.c_str(), 65534, 65534) != 0))
        throw std::runtime_error("cannot hand " + folder + " over");
    return path;
}

std::string testTransducer(const std::string& name)
{
    const std::string folder = PELMORA_TEST_TRANSDUCERS;
    return folder.empty() ? std::string() : folder + "/" + name;
}

}  // namespace pelmora::test
