#include "exchange/audiotimes.h"

#include <algorithm>
#include <charconv>

namespace pelmora::exchange {

namespace {

constexpr std::uint64_t kLongestSeconds = 4294967;  // EAF's times are unsigned 32-bit milliseconds

std::optional<std::uint64_t> plainSeconds(std::string_view position)
{
    if (position.empty() || position.size() > 7 || (position[0] == '0' && position.size() > 1))
        return std::nullopt;
    std::uint64_t seconds = 0;
    const auto [end, error] = std::from_chars(position.data(), position.data() + position.size(), seconds);
    if (error != std::errc() || end != position.data() + position.size() || seconds > kLongestSeconds)
        return std::nullopt;
    return seconds;
}

}  // namespace

std::string millisecondsOf(std::string_view audioPosition)
{
    const std::optional<std::uint64_t> seconds = plainSeconds(audioPosition);
    return seconds ? std::to_string(*seconds * 1000) : std::string();
}

std::vector<std::string> sentenceEnds(const std::vector<SentenceValues>& sentences)
{
    std::vector<std::string> ends(sentences.size());
    // Walking backwards, each sentence's end is the first start after it that is later than its own.
    std::vector<std::uint64_t> startsAfter;
    for (std::size_t i = sentences.size(); i-- > 0;) {
        const std::optional<std::uint64_t> start = plainSeconds(sentences[i].audioPosition);
        if (!start)
            continue;
        // startsAfter holds the starts of the following sentences, nearest last; drop those not later.
        while (!startsAfter.empty() && startsAfter.back() <= *start)
            startsAfter.pop_back();
        if (!startsAfter.empty())
            ends[i] = std::to_string(startsAfter.back() * 1000);
        startsAfter.push_back(*start);
    }
    return ends;
}

std::optional<std::string> secondsOfMilliseconds(std::string_view milliseconds)
{
    const std::string_view whole = milliseconds.substr(0, milliseconds.find('.'));
    const std::string_view fraction = milliseconds.substr(std::min(milliseconds.size(), whole.size() + 1));
    if (whole.empty() || whole.size() > 12 || !std::all_of(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (error != std::errc() || end != whole.data() + whole.size())
        return std::nullopt;
    return std::to_string(value / 1000);
}

std::string uriOfFileName(std::string_view name)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\')
            uri += '/';
        else if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                 c == '-' || c == '.' || c == '_' || c == '~' || c == '/')
            uri += c;
        else
            uri += std::string{'%', kHex[byte >> 4], kHex[byte & 0xF]};
    }
    return uri;
}

std::string fileNameOfUri(std::string_view uri)
{
    const std::size_t slash = uri.find_last_of("/\\");
    const std::string_view last = slash == std::string_view::npos ? uri : uri.substr(slash + 1);
    std::string name;
    for (std::size_t i = 0; i < last.size(); ++i) {
        int value = 0;
        if (last[i] == '%' && i + 2 < last.size() &&
            std::from_chars(last.data() + i + 1, last.data() + i + 3, value, 16).ptr == last.data() + i + 3) {
            name += static_cast<char>(value);
            i += 2;
        } else {
            name += last[i];
        }
    }
    return name;
}

}  // namespace pelmora::exchange
