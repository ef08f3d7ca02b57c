#include "dictionary/dictionarylock.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace pelmora {

namespace {

FileStamp stampOf(const struct stat& info)
{
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec;
    stamp.size = static_cast<std::int64_t>(info.st_size);
    stamp.known = true;
    return stamp;
}

}  // namespace

FileStamp fileStamp(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return stampOf(info);
}

FileStamp fileStamp(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return {};
    return stampOf(info);
}

// Each step maps the state one to one for a given word and the word one to one for a given
// state, so inputs of one length that differ in a single word end in different states.
void ContentDigester::mix(std::uint64_t word)
{
    m_state = (m_state ^ word) * 0x9E3779B97F4A7C15ULL;
    m_state ^= m_state >> 32;
}

void ContentDigester::add(std::string_view bytes)
{
    if (bytes.empty())
        return;
    m_size += bytes.size();
    if (m_pendingSize > 0) {
        const std::size_t taken = std::min(bytes.size(), sizeof m_pending - m_pendingSize);
        std::memcpy(m_pending + m_pendingSize, bytes.data(), taken);
        m_pendingSize += taken;
        bytes.remove_prefix(taken);
        if (m_pendingSize < sizeof m_pending)
            return;
        std::uint64_t word;
        std::memcpy(&word, m_pending, sizeof word);
        mix(word);
        m_pendingSize = 0;
    }
    for (; bytes.size() >= 8; bytes.remove_prefix(8)) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data(), sizeof word);
        mix(word);
    }
    if (!bytes.empty())
        std::memcpy(m_pending, bytes.data(), bytes.size());
    m_pendingSize = bytes.size();
}

ContentDigest ContentDigester::digest() const
{
    ContentDigester last = *this;
    std::uint64_t tail = 0;
    std::memcpy(&tail, m_pending, m_pendingSize);
    last.mix(tail);
    last.mix(m_size);
    return {last.m_state, static_cast<std::int64_t>(m_size)};
}

ContentDigest contentDigest(std::string_view bytes)
{
    ContentDigester digester;
    digester.add(bytes);
    return digester.digest();
}

DictionaryLock::Status DictionaryLock::acquire(const std::string& dictionaryPath, const LockWaitCallback& onWait)
{
    release();
    if (dictionaryPath.empty())
        return Status::Unlocked;
    // Users who reach the dictionary through a symbolic link must meet at the same lock file.
    std::string resolved = dictionaryPath;
    if (char* real = ::realpath(dictionaryPath.c_str(), nullptr)) {
        resolved = real;
        std::free(real);
    }
    const std::string path = lockPath(resolved);
    const auto start = std::chrono::steady_clock::now();
    std::optional<std::chrono::steady_clock::time_point> failingSince;  // of the failures that pass
    for (;;) {
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        // Another user's lock file that this one may not write: the lock needs no writing, and
        // flock takes a read-only descriptor as well (over NFS it then fails, as it did before).
        if (fd < 0 && errno == EACCES)
            fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        int error = 0;
        if (fd >= 0) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                // The holder before us deletes the lock file while still holding it; a lock won
                // on such a deleted file excludes nobody, so make sure ours is the file under
                // the name.
                struct stat opened {};
                struct stat named {};
                if (::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
                    opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
                    m_fd = fd;
                    m_path = path;
                    return Status::Held;
                }
                ::close(fd);
                continue;
            }
            error = errno;
            ::close(fd);
        } else {
            error = errno;
        }
        const auto now = std::chrono::steady_clock::now();
        if (error == EWOULDBLOCK || error == EINTR) {
            failingSince.reset();
        } else {
            // Going on without the lock lets this change and another writer's overwrite each
            // other, so a failure that passes (the kernel or the process short of memory or of
            // descriptors) is waited out like a busy lock; any other (no access, a bad path, a
            // file system or network share without locks) means there is no lock to take.
            const bool passes = error == ENOMEM || error == ENFILE || error == EMFILE || error == ENOBUFS;
            if (!passes || (failingSince && now - *failingSince >= kTransientLimit))
                return Status::Unlocked;
            if (!failingSince)
                failingSince = now;
        }
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(now - start);
        if (onWait && !onWait(waited))
            return Status::GaveUp;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void DictionaryLock::release()
{
    if (m_fd < 0)
        return;
    // Delete while still holding the lock, so no waiter can win a lock on a name about to vanish.
    ::unlink(m_path.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

}  // namespace pelmora
