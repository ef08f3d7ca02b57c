// The lock that serialises changes of a shared dictionary between processes: an exclusive flock
// on "<dictionary path>.lock", and the file stamp that tells whether someone rewrote the file.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace pelmora {

// Asked every time the lock is found busy, with the time waited so far; return false to give up.
using LockWaitCallback = std::function<bool(std::chrono::milliseconds waited)>;

// An exclusive advisory lock on "<path>.lock". The kernel drops it when the process dies, so a
// lock file left behind by a crash blocks nobody.
class DictionaryLock {
public:
    enum class Status {
        Held,        // this object holds the lock
        Unlocked,    // the lock file could not be made (no access, bad path): proceed without lock
        GaveUp,      // another process held the lock and the wait callback gave up
    };

    DictionaryLock() = default;
    ~DictionaryLock() { release(); }
    DictionaryLock(const DictionaryLock&) = delete;
    DictionaryLock& operator=(const DictionaryLock&) = delete;

    // Takes the lock for the dictionary at `dictionaryPath` (symbolic links resolved, so every
    // path to one file shares its lock), retrying every millisecond while another process holds
    // it; `onWait` (may be empty: wait without limit) decides whether to go on.
    Status acquire(const std::string& dictionaryPath, const LockWaitCallback& onWait = {});

    // Deletes the lock file and closes it; does nothing when no lock is held.
    void release();

    bool held() const { return m_fd >= 0; }

    // The name of the lock file of a dictionary: the path with ".lock" appended.
    static std::string lockPath(const std::string& dictionaryPath) { return dictionaryPath + ".lock"; }

private:
    int m_fd = -1;
    std::string m_path;
};

// What identifies one version of a file: every safe replacement gives it a new inode, and any
// other rewrite changes its modification time or size.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t size = -1;
    bool known = false;  // false: the file's status could not be read (or was never read)

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at the path (following symbolic links); unknown when it cannot be read.
FileStamp fileStamp(const std::string& path);

// The stamp of an open file descriptor.
FileStamp fileStamp(int fd);

}  // namespace pelmora
