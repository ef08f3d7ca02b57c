#include "io/matchvalue.h"

#include "common/strings.h"

namespace pelmora {

bool MatchValue(std::string_view value, std::string_view pattern, std::string_view kind)
{
    if (kind == kMatchExact) {
        const std::string lowerValue = toLowerUnicode(value);
        const std::string lowerPattern = toLowerUnicode(pattern);
        if (lowerValue == lowerPattern)
            return true;
        return removeMarkup(lowerValue) == removeMarkup(lowerPattern);
    }
    if (kind == kMatchBeginning)
        return toLowerAscii(value).starts_with(toLowerAscii(pattern));
    if (kind == kMatchMiddle)
        return toLowerAscii(value).find(toLowerAscii(pattern)) != std::string::npos;
    if (kind == kMatchEnd)
        return toLowerAscii(value).ends_with(toLowerAscii(pattern));
    return true;
}

}  // namespace pelmora
