// The online analyser client: the request for a word, the HTTP GET, and the parser of the page that
// comes back, turning each analysis into a lemma, a part-of-speech name and a form tag.
#pragma once

#include "common/translation.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class Prompter;
struct Settings;

// One analysis: part of speech is an Estonian name or "-", form a form tag or "-".
struct AnalyserResult {
    std::string lemma;
    std::string partOfSpeech;
    std::string form;
    bool operator==(const AnalyserResult&) const = default;
};

// The message shown when the analyser cannot be reached.
inline constexpr const char* kAnalyserFailureMessage = QT_TRANSLATE_NOOP("core", "Mingi internetiviga");

// How long one request may take before it is given up.
inline constexpr std::chrono::milliseconds kAnalyserTimeout{10000};

// The largest page read; a longer answer is dropped (a real page is a few kilobytes).
inline constexpr std::size_t kAnalyserMaxPageBytes = 4u * 1024u * 1024u;

// The word as it goes into the query: UTF-8, bytes from 0x80 up as "%xx" in lower-case hex.
// Blanks, control characters and the characters that would end or split the query value
// ("#", "&", "+", "%", quotes, angle brackets, braces, "|", "\", "^", "`") are escaped the same way.
std::string encodeAnalyserWord(std::string_view word);

// The path and query of the request for a word:
// "/cgi-bin/smi/smi.cgi?text=" + encoded word + "&action=analyze&lang=liv&plang=eng".
std::string analyserRequestTarget(std::string_view word);

// The full URL: the server address (a trailing "/" dropped) followed by the request target.
std::string analyserRequestUrl(std::string_view address, std::string_view word);

// Parses an analyser page (UTF-8) for the word as it was sent. A page without the word's marker
// or without any analysis gives no results.
std::vector<AnalyserResult> parseAnalyserPage(std::string_view page, std::string_view word);

enum class HttpStatus {
    Ok,           // the whole body was read
    Unreachable,  // no answer: the server could not be reached, refused, timed out or did not speak HTTP
    HttpError,    // the server answered with an error status (400 or above)
    BodyFailed,   // the answer began but the body could not be read whole (closed, timed out, too long)
};

struct HttpResult {
    HttpStatus status = HttpStatus::Unreachable;
    long httpCode = 0;
    std::string body;   // empty unless status is Ok
    std::string error;  // libcurl's reason otherwise
};

// One HTTP(S) GET that asks for a fresh copy (no cache) and follows redirects; the whole
// request, from connecting to the last byte, is given up after `timeout`, and bodies longer
// than `maxBytes` are refused.
HttpResult httpGet(const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes);

// How a request is carried out: httpGet, or a caller's wrapper around it (the window runs it on a
// worker thread and keeps painting while it waits).
using HttpFetch = std::function<HttpResult(const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes)>;

// The analyser client the annotation form holds: asks the server named by the `AnalyserUrl`
// setting and tells the user once, not for every token, when the server cannot be reached.
// A server that could not be reached is not asked again until the settings are confirmed, so
// an unreachable or silent server costs its time limit once, not once per token.
class AnalyserClient {
public:
    explicit AnalyserClient(std::string address = {}, std::chrono::milliseconds timeout = kAnalyserTimeout,
                            std::size_t maxPageBytes = kAnalyserMaxPageBytes);

    // Takes the address from confirmed settings, allows the failure message to be shown again
    // and asks the server again.
    void settingsConfirmed(const Settings& settings);
    // Replaces how requests are made (httpGet by default, and when `fetch` is empty).
    void setFetch(HttpFetch fetch);

    // The analyses of a word, in page order. An empty address makes no request and gives none.
    // When the server cannot be reached or answers with an error, "Mingi internetiviga" is shown
    // (information icon) the first time only, until the settings are confirmed again; after an
    // unreachable server no request is made until then. A page that cannot be read whole or
    // decoded gives no results and no message.
    std::vector<AnalyserResult> analyse(std::string_view word, Prompter& prompter);

    const std::string& address() const { return m_address; }
    // True when the failure message has been shown since the settings were last confirmed.
    bool failureShown() const { return m_failureShown; }
    // True when the last request failed to reach the server.
    bool lastRequestFailed() const { return m_lastFailed; }

private:
    std::string m_address;
    std::chrono::milliseconds m_timeout;
    std::size_t m_maxPageBytes;
    HttpFetch m_fetch;
    bool m_failureShown = false;
    bool m_lastFailed = false;
    bool m_unreachable = false;  // the server could not be reached since the settings were confirmed
};

}  // namespace pelmora
