#include "common/files.h"

#include "common/translation.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr const char* kNotARegularFile = QT_TRANSLATE_NOOP("core", "pole tavaline fail");

// The reason for a failed file operation in the user's words; the system's own text for the rare rest.
std::string errnoText(int code)
{
    switch (code) {
    case EACCES:
    case EPERM: return translatedText(QT_TRANSLATE_NOOP("core", "puudub juurdepääsuõigus"));
    case ENOSPC:
    case EDQUOT: return translatedText(QT_TRANSLATE_NOOP("core", "kettal pole ruumi"));
    case ENOENT: return translatedText(QT_TRANSLATE_NOOP("core", "faili või kausta pole olemas"));
    case ENOTDIR: return translatedText(QT_TRANSLATE_NOOP("core", "tee osa pole kaust"));
    case EISDIR: return translatedText(QT_TRANSLATE_NOOP("core", "see on kaust, mitte fail"));
    case EROFS: return translatedText(QT_TRANSLATE_NOOP("core", "ketas on ainult lugemiseks"));
    case ENAMETOOLONG: return translatedText(QT_TRANSLATE_NOOP("core", "failinimi on liiga pikk"));
    case EIO: return translatedText(QT_TRANSLATE_NOOP("core", "sisend-väljundviga"));
    default: return std::strerror(code);
    }
}

void setError(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

std::string parentFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class FdSink final : public FileSink {
public:
    explicit FdSink(int fd) : m_fd(fd) { m_buffer.reserve(kCapacity); }

    bool write(const void* data, std::size_t size) override
    {
        if (m_failed)
            return false;
        if (m_buffer.size() + size > kCapacity) {
            if (!flush())
                return false;
            if (size >= kCapacity)
                return writeAll(static_cast<const char*>(data), size);
        }
        m_buffer.append(static_cast<const char*>(data), size);
        return true;
    }

    bool flush()
    {
        if (m_failed)
            return false;
        const bool ok = writeAll(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
        return ok;
    }

    bool failed() const { return m_failed; }
    int errorCode() const { return m_errno; }

private:
    static constexpr std::size_t kCapacity = 1 << 20;

    bool writeAll(const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(m_fd, data, size);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                m_failed = true;
                m_errno = errno;
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }

    int m_fd;
    std::string m_buffer;
    bool m_failed = false;
    int m_errno = 0;
};

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& out, std::string* error)
{
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, errnoText(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        setError(error, translatedText(kNotARegularFile));
        ::close(fd);
        return false;
    }
    out.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    // The file may have grown since fstat: once the size it had is read, what follows comes
    // through a small buffer, so that a file of the size expected is never copied again.
    char more[4096];
    while (true) {
        const bool full = done == out.size();
        const ssize_t got = full ? ::read(fd, more, sizeof more) : ::read(fd, out.data() + done, out.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            setError(error, errnoText(errno));
            ::close(fd);
            out.clear();
            return false;
        }
        if (got == 0)
            break;
        if (full)
            out.append(more, static_cast<std::size_t>(got));
        done += static_cast<std::size_t>(got);
    }
    out.resize(done);
    ::close(fd);
    return true;
}

void* readWholeFileInto(const std::string& path, const std::function<void*(std::size_t)>& allocate,
                        const std::function<void(void*)>& release, std::size_t& size, std::string* error)
{
    size = 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, errnoText(errno));
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        setError(error, translatedText(kNotARegularFile));
        ::close(fd);
        return nullptr;
    }
    const auto expected = static_cast<std::size_t>(info.st_size);
    char* buffer = static_cast<char*>(allocate(expected));
    if (buffer == nullptr) {
        setError(error, "mälu ei jätku");
        ::close(fd);
        return nullptr;
    }
    std::size_t done = 0;
    while (done < expected) {
        const ssize_t got = ::read(fd, buffer + done, expected - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            setError(error, errnoText(errno));
            ::close(fd);
            release(buffer);
            return nullptr;
        }
        if (got == 0)
            break;  // the file shrank while we read it
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    size = done;
    return buffer;
}

bool replaceFileSafely(const std::string& requestedPath, const std::function<bool(FileSink&)>& produce,
                       std::string* error)
{
    std::string path = requestedPath;
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr)
            path = resolved;
    }

    struct stat target {};
    const bool targetExists = ::stat(path.c_str(), &target) == 0;
    if (targetExists && !S_ISREG(target.st_mode)) {
        setError(error, translatedText(kNotARegularFile));
        return false;
    }

    std::string temporary = parentFolder(path) + "/." + baseName(path) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        setError(error, errnoText(errno));
        return false;
    }
    const auto fail = [&](const std::string& reason) {
        ::close(fd);
        ::unlink(temporary.c_str());
        setError(error, reason);
        return false;
    };

    FdSink sink(fd);
    const bool produced = produce(sink);
    if (sink.failed() || !sink.flush())
        return fail(errnoText(sink.errorCode()));
    if (!produced)
        return fail(translatedText(QT_TRANSLATE_NOOP("core", "sisu ei õnnestunud kirjutada")));
    if (::fsync(fd) != 0)
        return fail(errnoText(errno));
    const mode_t mode = targetExists ? static_cast<mode_t>(target.st_mode & 07777) : modeForNewFile();
    if (::fchmod(fd, mode) != 0)
        return fail(errnoText(errno));
    if (targetExists && (target.st_uid != ::geteuid() || target.st_gid != ::getegid())) {
        // Keep the owner where we may (root, or a group we belong to); a refusal is harmless.
        [[maybe_unused]] const int ignored = ::fchown(fd, target.st_uid, target.st_gid);
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        setError(error, errnoText(code));
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        setError(error, errnoText(code));
        return false;
    }
    // Make the rename itself durable.
    const int folder = ::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool replaceFileSafely(const std::string& path, std::string_view bytes, std::string* error)
{
    return replaceFileSafely(
        path, [bytes](FileSink& sink) { return sink.write(bytes); }, error);
}

bool pathExists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool isSameFile(const std::string& a, const std::string& b)
{
    struct stat ia {};
    struct stat ib {};
    if (::stat(a.c_str(), &ia) != 0 || ::stat(b.c_str(), &ib) != 0)
        return false;
    return ia.st_dev == ib.st_dev && ia.st_ino == ib.st_ino;
}

}  // namespace pelmora
