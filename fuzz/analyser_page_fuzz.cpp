// Fuzzes the analyser page parser and the word's encoding for the query: the input is the word,
// a zero byte and the page.
#include "annotation/analyserclient.h"
#include "common/strings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace pelmora;

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;  // upper case is never written
}

// The encoded word holds only printable ASCII that cannot end the query value, and decodes back.
void checkEncoding(std::string_view word)
{
    const std::string encoded = encodeAnalyserWord(word);
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(encoded[i]);
        if (byte <= 0x20 || byte >= 0x7F || std::string_view("\"#&+<>\\^`{|}").find(encoded[i]) != std::string_view::npos)
            __builtin_trap();
        if (encoded[i] != '%') {
            decoded += encoded[i];
            continue;
        }
        if (i + 2 >= encoded.size())
            __builtin_trap();
        const int high = hexValue(encoded[i + 1]);
        const int low = hexValue(encoded[i + 2]);
        if (high < 0 || low < 0)
            __builtin_trap();
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (decoded != word)
        __builtin_trap();
}

std::size_t occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view word = bytes.substr(0, split);
    const std::string_view page = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);

    checkEncoding(word);
    const std::vector<AnalyserResult> results = parseAnalyserPage(page, word);
    if (results.size() > occurrences(page, "<font color=\"maroon\">"))
        __builtin_trap();  // at most one analysis per analysis tag
    for (const AnalyserResult& result : results) {
        if (result.lemma.empty() || result.partOfSpeech.empty() || result.form.empty())
            __builtin_trap();  // absent values are "-", never empty
        if (trimBlanks(result.lemma) != result.lemma)
            __builtin_trap();
    }
    return 0;
}
