#include "annotation/wordcomparison.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <algorithm>
#include <set>

namespace pelmora {

bool isSameWord(std::string_view a, std::string_view b)
{
    return a == b || MakeWordFormKey(a) == MakeWordFormKey(b);
}

std::u32string toCodePoints(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out.push_back(decodeUtf8(utf8, i));
    return out;
}

std::string fromCodePoints(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text)
        appendUtf8(out, c);
    return out;
}

EndingsList::EndingsList(std::string text) : m_text(toNfc(text))
{
    std::set<std::u32string> distinct;
    for (const std::string& piece : split(m_text, ' '))
        if (!piece.empty())
            distinct.insert(toCodePoints(piece));
    m_endings.assign(distinct.begin(), distinct.end());
    std::stable_sort(m_endings.begin(), m_endings.end(),
                     [](const auto& a, const auto& b) { return a.size() < b.size(); });
    for (const std::u32string& ending : m_endings)
        m_longest = std::max(m_longest, ending.size());
}

bool EndingsList::lists(std::u32string_view rest) const
{
    if (rest.empty())
        return true;
    return m_text.find(" " + fromCodePoints(rest) + " ") != std::string::npos;
}

bool isSameWordUpToEndings(std::u32string_view a, std::u32string_view b, const EndingsList& endings)
{
    std::size_t i = 0;
    const std::size_t shorter = std::min(a.size(), b.size());
    while (i < shorter && a[i] == b[i])
        ++i;
    if (endings.lists(a.substr(i)) && endings.lists(b.substr(i)))
        return true;
    if (i == 0)
        return false;
    return endings.lists(a.substr(i - 1)) && endings.lists(b.substr(i - 1));
}

std::vector<std::u32string> endingVariants(std::u32string_view key, const EndingsList& endings)
{
    std::vector<std::u32string> variants;
    const std::size_t shortestStem = key.size() > endings.longest() ? key.size() - endings.longest() : 0;
    for (std::size_t cut = shortestStem; cut <= key.size(); ++cut) {
        const std::u32string_view rest = key.substr(cut);
        if (!endings.lists(rest))
            continue;
        const std::u32string stem(key.substr(0, cut));
        variants.push_back(stem);
        for (const std::u32string& ending : endings.endings())
            variants.push_back(stem + ending);
    }
    std::sort(variants.begin(), variants.end());
    variants.erase(std::unique(variants.begin(), variants.end()), variants.end());
    return variants;
}

}  // namespace pelmora
