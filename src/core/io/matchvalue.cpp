#include "io/matchvalue.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <algorithm>

namespace pelmora {

namespace {

// The comparisons below run for every token of every file a query reads: they compare in place
// instead of building lower-cased copies.
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool hasMarkup(std::string_view text) { return text.find_first_of("+/[\\]_{") != std::string_view::npos; }

}  // namespace

bool MatchValue(std::string_view storedValue, std::string_view soughtPattern, std::string_view kind)
{
    if (kind == kMatchExact && isAscii(storedValue) && isAscii(soughtPattern)) {
        if (equalIgnoringAsciiCase(storedValue, soughtPattern))
            return true;
        if (!hasMarkup(storedValue) && !hasMarkup(soughtPattern))
            return false;
    }
    // Both in the normal form: a letter spelled with combining marks matches its precomposed form.
    std::string valueStorage;
    std::string patternStorage;
    const std::string_view value = nfcView(storedValue, valueStorage);
    const std::string_view pattern = nfcView(soughtPattern, patternStorage);
    if (kind == kMatchExact) {
        if (isAscii(value) && isAscii(pattern)) {
            if (equalIgnoringAsciiCase(value, pattern))
                return true;
            if (!hasMarkup(value) && !hasMarkup(pattern))
                return false;
        }
        const std::string lowerValue = toLowerUnicode(value);
        const std::string lowerPattern = toLowerUnicode(pattern);
        if (lowerValue == lowerPattern)
            return true;
        return sameText(removeMarkup(lowerValue), removeMarkup(lowerPattern));
    }
    if (kind == kMatchBeginning)
        return value.size() >= pattern.size() && equalIgnoringAsciiCase(value.substr(0, pattern.size()), pattern);
    if (kind == kMatchMiddle) {
        if (pattern.size() > value.size())
            return false;
        for (std::size_t at = 0; at + pattern.size() <= value.size(); ++at)
            if (equalIgnoringAsciiCase(value.substr(at, pattern.size()), pattern))
                return true;
        return false;
    }
    if (kind == kMatchEnd)
        return value.size() >= pattern.size() &&
               equalIgnoringAsciiCase(value.substr(value.size() - pattern.size()), pattern);
    return true;
}

}  // namespace pelmora
