// UTF-16 little-endian text files with a byte-order mark, as the program's plain-text formats use them.
#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// UTF-16LE bytes (no byte-order mark, even length expected) to UTF-8. An odd last byte is
// ignored; an unpaired surrogate becomes U+FFFD.
std::string utf16LeToUtf8(std::string_view bytes);

// UTF-8 to UTF-16LE bytes, with the byte-order mark FF FE in front when asked.
// Invalid UTF-8 becomes U+FFFD.
std::string utf8ToUtf16Le(std::string_view text, bool withByteOrderMark);

enum class Utf16ReadStatus { Ok, Unreadable, OddLength, NoByteOrderMark };

struct Utf16ReadResult {
    Utf16ReadStatus status = Utf16ReadStatus::Unreadable;
    std::string text;   // UTF-8, without the byte-order mark; empty unless status is Ok
    std::string error;  // the reason when Unreadable
};

// Reads a whole UTF-16LE file that must start with the byte-order mark FF FE and have an even
// length. An empty file has no byte-order mark.
Utf16ReadResult readUtf16LeFile(const std::string& path);

// Writes UTF-8 text as UTF-16LE with byte-order mark through the safe file replacement.
bool writeUtf16LeFile(const std::string& path, std::string_view text, std::string* error = nullptr);

}  // namespace pelmora
