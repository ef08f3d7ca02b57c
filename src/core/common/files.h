// Whole-file reading and safe file replacement: a file the program writes over is never left half-written.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace pelmora {

// Reads a regular file whole into `out`. Returns false with a short reason in `error` when the
// path is missing, is not a regular file or cannot be read; `out` is then empty.
bool readWholeFile(const std::string& path, std::string& out, std::string* error = nullptr);

// Reads a regular file whole into a buffer obtained from `allocate` (called once, with the file's
// size) and returns it with its size; the caller owns it. On failure returns nullptr with the
// reason in `error`, after handing any buffer it had obtained to `release`.
void* readWholeFileInto(const std::string& path, const std::function<void*(std::size_t)>& allocate,
                        const std::function<void(void*)>& release, std::size_t& size,
                        std::string* error = nullptr);

// Buffered output into the temporary file of a replacement.
class FileSink {
public:
    virtual ~FileSink() = default;
    // Returns false once a write has failed; later writes are ignored.
    virtual bool write(const void* data, std::size_t size) = 0;
    bool write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }
};

// Replaces the file at `path` with what `produce` writes: the bytes go to a temporary file in
// the same folder, which is flushed to disk and renamed over the target. The target keeps its
// permissions (a new file gets the usual ones for the user's umask); a symbolic link is followed,
// so the file it points at is replaced. On any failure (or when `produce` returns false) the
// temporary file is removed, the target is left exactly as it was, and false comes back with
// the reason in `error`.
bool replaceFileSafely(const std::string& path, const std::function<bool(FileSink&)>& produce,
                       std::string* error = nullptr);

// The same for a ready byte string.
bool replaceFileSafely(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// True when a file system object (of any kind) exists at the path.
bool pathExists(const std::string& path);

// True when both paths name the same existing file (same device and inode).
bool isSameFile(const std::string& a, const std::string& b);

}  // namespace pelmora
