// Times of sentences in the recording as the formats write them (milliseconds) and as a corpus text
// keeps them (whole seconds in "helipos").
#pragma once

#include "common/translation.h"
#include "exchange/corpusreading.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::exchange {

// The milliseconds of a sentence position: "12" gives "12000". "" for a position that is not a
// whole number of seconds written plainly (no sign, blank or leading zero) or lies beyond the
// 49 days EAF's times reach.
std::string millisecondsOf(std::string_view audioPosition);

// The end of each sentence's stretch: the start of the next sentence that starts later, in
// milliseconds; "" when there is none (the stretch runs to the recording's end) or the sentence has
// no position.
std::vector<std::string> sentenceEnds(const std::vector<SentenceValues>& sentences);

// Whole seconds of a time in milliseconds ("12500" or "12500.0" give "12"); none when the text is
// not a time.
std::optional<std::string> secondsOfMilliseconds(std::string_view milliseconds);

// A file name as a relative URI: bytes outside letters, digits and "-._~/" percent-encoded, "\" as "/".
std::string uriOfFileName(std::string_view name);
// The file name of a URI's last part, percent-decoded ("file:///a/b%20c.wav" gives "b c.wav").
std::string fileNameOfUri(std::string_view uri);

namespace noted {
inline constexpr const char* kAudioPosition =
    QT_TRANSLATE_NOOP("core", "helipos, mis pole täisarv sekundeid (jäi välja)");
}  // namespace noted

}  // namespace pelmora::exchange
