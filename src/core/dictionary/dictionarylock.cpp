#include "dictionary/dictionarylock.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
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
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Status::Unlocked;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us deletes the lock file while still holding it; a lock won on
            // such a deleted file excludes nobody, so make sure ours is the file under the name.
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
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR)
            return Status::Unlocked;  // flock not supported here: go on without the lock
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
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
