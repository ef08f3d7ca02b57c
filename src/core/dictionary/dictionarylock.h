// The lock that serialises changes of a shared dictionary between processes: an exclusive flock
// on "<dictionary path>.lock", and the file stamp and content digest that tell whether someone
// rewrote the file.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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
    // it; `onWait` (may be empty: wait without limit) decides whether to go on. A lock file that
    // another user made and this one may only read is locked through a read-only descriptor. A
    // failure that passes (the kernel or the process short of memory or descriptors) is retried
    // like a busy lock for up to `kTransientLimit` before the change goes on without the lock.
    Status acquire(const std::string& dictionaryPath, const LockWaitCallback& onWait = {});

    // Deletes the lock file and closes it; does nothing when no lock is held.
    void release();

    bool held() const { return m_fd >= 0; }

    // The name of the lock file of a dictionary: the path with ".lock" appended.
    static std::string lockPath(const std::string& dictionaryPath) { return dictionaryPath + ".lock"; }

    static constexpr std::chrono::milliseconds kTransientLimit{5000};

private:
    int m_fd = -1;
    std::string m_path;
};

// What the file system says of one version of a file. A safe replacement gives the file a new
// inode and any other rewrite a new modification time, but the stamp can still repeat: the
// inode that one replacement frees may be taken by the next one within one tick of a coarse
// file-system clock (or on a network share) and the size may come out the same. An equal
// stamp therefore does not prove an unchanged file; the content digest below does.
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

// The length and a 64-bit hash of one version of a file's bytes. Two versions of equal length
// that differ within one aligned run of 8 bytes (a raised weight, a changed letter) always get
// different hashes; other differences collide with a chance of about 2^-64.
struct ContentDigest {
    std::uint64_t hash = 0;
    std::int64_t size = -1;  // -1: unknown (nothing read or written yet)

    bool known() const { return size >= 0; }
    bool operator==(const ContentDigest&) const = default;
};

// Makes the digest of bytes that arrive in runs of any length; the runs' boundaries do not
// change the result.
class ContentDigester {
public:
    void add(std::string_view bytes);
    ContentDigest digest() const;

private:
    void mix(std::uint64_t word);

    std::uint64_t m_state = 0x2545F4914F6CDD1DULL;
    std::uint64_t m_size = 0;
    char m_pending[8] = {};  // the bytes of a word not yet complete
    std::size_t m_pendingSize = 0;
};

ContentDigest contentDigest(std::string_view bytes);

}  // namespace pelmora
