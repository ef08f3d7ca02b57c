#include "common/utf16text.h"

#include "common/files.h"
#include "common/strings.h"

namespace pelmora {

namespace {

char16_t unitAt(std::string_view bytes, std::size_t index)
{
    const auto lo = static_cast<unsigned char>(bytes[index]);
    const auto hi = static_cast<unsigned char>(bytes[index + 1]);
    return static_cast<char16_t>(lo | (hi << 8));
}

void appendUnit(std::string& out, char32_t unit)
{
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

}  // namespace

std::string utf16LeToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = unitAt(bytes, i * 2);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char16_t low = unitAt(bytes, (i + 1) * 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            appendUtf8(out, 0xFFFD);
        else
            appendUtf8(out, unit);
    }
    return out;
}

std::string utf8ToUtf16Le(std::string_view text, bool withByteOrderMark)
{
    std::string out;
    out.reserve(text.size() * 2 + 2);
    if (withByteOrderMark)
        out.append("\xFF\xFE");
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = decodeUtf8(text, i);
        if (cp >= 0x10000) {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, cp);
        }
    }
    return out;
}

Utf16ReadResult readUtf16LeFile(const std::string& path)
{
    Utf16ReadResult result;
    std::string bytes;
    if (!readWholeFile(path, bytes, &result.error)) {
        result.status = Utf16ReadStatus::Unreadable;
        return result;
    }
    if (bytes.size() % 2 != 0) {
        result.status = Utf16ReadStatus::OddLength;
        return result;
    }
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') {
        result.status = Utf16ReadStatus::NoByteOrderMark;
        return result;
    }
    result.text = utf16LeToUtf8(std::string_view(bytes).substr(2));
    result.status = Utf16ReadStatus::Ok;
    return result;
}

bool writeUtf16LeFile(const std::string& path, std::string_view text, std::string* error)
{
    return replaceFileSafely(path, utf8ToUtf16Le(text, true), error);
}

}  // namespace pelmora
