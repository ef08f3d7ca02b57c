#include "dictionary/dictionaryfile.h"

#include "dictionary/dictformat.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

// Reads a whole file through one descriptor and stamps exactly the version that was read.
enum class ReadStatus { Ok, Missing, Unreadable };
ReadStatus readStamped(const std::string& path, std::string& bytes, FileStamp& stamp)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    const FileStamp before = fileStamp(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return ReadStatus::Unreadable;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    const FileStamp after = fileStamp(fd);
    ::close(fd);
    // A file rewritten in place while we read it gets no stamp, so the next change reloads it.
    stamp = before == after ? before : FileStamp{};
    return ReadStatus::Ok;
}

// The digest of the file's bytes, read through one descriptor, when the version read has the
// stamp; unknown otherwise (also when it changed during the read).
ContentDigest digestOfVersion(const std::string& path, const FileStamp& stamp)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    ContentDigester digester;
    bool ok = fileStamp(fd) == stamp;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0 && fileStamp(fd) == stamp;
            break;
        }
        digester.add(std::string_view(buffer, static_cast<std::size_t>(got)));
    }
    ::close(fd);
    return ok ? digester.digest() : ContentDigest{};
}

// Creates a file holding the template; an existing file is never touched.
bool createTemplateFile(const std::string& path, bool existingIsFine)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return existingIsFine && errno == EEXIST;
    std::string_view rest = dictionaryTemplate();
    while (!rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(fd);
            ::unlink(path.c_str());
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    const bool ok = ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) {
        ::unlink(path.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool createDictionaryFile(const std::string& path) { return createTemplateFile(path, false); }

bool isDictionaryFile(const std::string& path)
{
    XmlDocument xml;
    return xml.load(path) && isElement(xml.root(), dict::kRoot) &&
           attributeValue(xml.root(), dict::kType) == dict::kTypeValue;
}

DictionaryFile::LoadOutcome DictionaryFile::load(XmlDocument& xml)
{
    std::string bytes;
    FileStamp stamp;
    const ReadStatus status = readStamped(m_path, bytes, stamp);
    if (status == ReadStatus::Missing)
        return LoadOutcome::Missing;
    if (status == ReadStatus::Unreadable)
        return LoadOutcome::Unreadable;
    const XmlLoadResult parsed = xml.loadFromBuffer(bytes);
    if (!parsed)
        return LoadOutcome::NotXml;
    m_stamp = stamp;
    m_digest = contentDigest(bytes);
    return LoadOutcome::Loaded;
}

bool DictionaryFile::createFromTemplate() { return createTemplateFile(m_path, true); }

bool DictionaryFile::save(const XmlDocument& xml, std::string* error)
{
    // The digest of the bytes written lets the next check tell a later writer's version from
    // ours even when it has our stamp.
    ContentDigester written;
    if (!xml.save(m_path, error, [&written](std::string_view run) { written.add(run); }))
        return false;
    m_stamp = fileStamp(m_path);
    m_digest = written.digest();
    return true;
}

bool DictionaryFile::isUnchanged() const
{
    // Reading a few megabytes is cheap beside the save that follows a check.
    return m_stamp.known && m_digest.known() && fileStamp(m_path) == m_stamp &&
           digestOfVersion(m_path, m_stamp) == m_digest;
}

void DictionaryFile::forget()
{
    m_stamp = {};
    m_digest = {};
}

}  // namespace pelmora
