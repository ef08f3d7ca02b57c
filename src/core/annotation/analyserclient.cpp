#include "annotation/analyserclient.h"

#include "annotation/vocabularies.h"
#include "common/prompter.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "settings/settings.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace pelmora {

namespace {

constexpr std::string_view kMaroonTag = "<font color=\"maroon\">";
constexpr std::string_view kRedTag = "<font color=\"red\">";
constexpr std::string_view kFontEnd = "</font>";
constexpr std::string_view kPlusFontEnd = "+</font>";

bool mustEscape(unsigned char byte)
{
    if (byte >= 0x80 || byte <= 0x20 || byte == 0x7F)
        return true;
    constexpr std::string_view unsafe = "\"#%&+<>\\^`{|}";
    return unsafe.find(static_cast<char>(byte)) != std::string_view::npos;
}

// One analysis: the text after the maroon tag, up to the next analysis or word.
AnalyserResult parseAnalysis(std::string_view chunk, bool& ok)
{
    AnalyserResult result;
    ok = false;
    const std::size_t lemmaEnd = chunk.find(kFontEnd);
    if (lemmaEnd == std::string_view::npos || lemmaEnd == 0)
        return result;
    result.lemma = toNfc(trimBlanks(chunk.substr(0, lemmaEnd)));
    if (result.lemma.empty())
        return result;
    ok = true;
    result.partOfSpeech.assign(1, '-');

    const std::size_t bold = chunk.find("<b>", lemmaEnd);
    const std::size_t boldEnd = bold == std::string_view::npos ? bold : chunk.find("</b>", bold + 3);
    if (boldEnd != std::string_view::npos) {
        const std::string name = onlinePartOfSpeechName(trimBlanks(chunk.substr(bold + 3, boldEnd - bold - 3)));
        if (!name.empty())
            result.partOfSpeech = name;
    }
    if (boldEnd != std::string_view::npos && bold >= 5) {
        std::size_t from = boldEnd + 4;
        for (;;) {
            const std::size_t plus = chunk.find(kPlusFontEnd, from);
            if (plus == std::string_view::npos)
                break;
            const std::size_t tagStart = plus + kPlusFontEnd.size();
            std::size_t tagEnd = chunk.find("<font", tagStart);
            if (tagEnd == std::string_view::npos)
                tagEnd = chunk.size();
            const std::string mapped = onlineFormAbbreviation(trimBlanks(chunk.substr(tagStart, tagEnd - tagStart)));
            if (codePointCount(mapped) >= 7)
                result.partOfSpeech = mapped;  // "Card", "Aux", "Neg", ... name a part of speech
            else if (mapped == "pers." || mapped == "pas.")
                result.form = mapped + result.form;  // voice goes in front, as the canonical order has it
            else
                result.form += mapped;
            from = tagStart;
        }
    }
    if (result.form.empty())
        result.form.assign(1, '-');
    return result;
}

struct Download {
    std::string body;
    std::size_t maxBytes = 0;
};

std::size_t receiveBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* download = static_cast<Download*>(user);
    const std::size_t bytes = size * count;
    if (bytes > download->maxBytes - download->body.size())
        return 0;  // refuse the rest: libcurl ends the transfer with a write error
    download->body.append(data, bytes);
    return bytes;
}

bool curlReady()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

std::string encodeAnalyserWord(std::string_view word)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string encoded;
    encoded.reserve(word.size() * 3);
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (mustEscape(byte)) {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

std::string analyserRequestTarget(std::string_view word)
{
    return "/cgi-bin/smi/smi.cgi?text=" + encodeAnalyserWord(word) + "&action=analyze&lang=liv&plang=eng";
}

std::string analyserRequestUrl(std::string_view address, std::string_view word)
{
    std::string_view base = trimBlanks(address);
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    return std::string(base) + analyserRequestTarget(word);
}

std::vector<AnalyserResult> parseAnalyserPage(std::string_view page, std::string_view word)
{
    std::vector<AnalyserResult> results;
    const std::string marker = "<pre><font color=\"red\">" + std::string(word) + "</font>";
    const std::size_t markerAt = page.find(marker);
    if (markerAt == std::string_view::npos)
        return results;
    const std::size_t blockStart = markerAt + marker.size();
    const std::size_t blockEnd = page.find("</pre>", blockStart);
    if (blockEnd == std::string_view::npos)
        return results;
    const std::string_view block = page.substr(blockStart, blockEnd - blockStart);

    for (std::size_t at = block.find(kMaroonTag); at != std::string_view::npos;) {
        const std::size_t chunkStart = at + kMaroonTag.size();
        const std::size_t nextAnalysis = block.find(kMaroonTag, chunkStart);
        // An analysis ends at the next word (red) and also at the next analysis of the same word,
        // so that one analysis never collects the tags of the ones after it.
        const std::size_t chunkEnd = std::min({block.find(kRedTag, chunkStart), nextAnalysis, block.size()});
        bool ok = false;
        AnalyserResult result = parseAnalysis(block.substr(chunkStart, chunkEnd - chunkStart), ok);
        if (ok)
            results.push_back(std::move(result));
        at = nextAnalysis;
    }
    return results;
}

HttpResult httpGet(const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes)
{
    HttpResult result;
    if (!curlReady()) {
        result.error = "libcurl could not be initialised";
        return result;
    }
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        result.error = "libcurl could not be initialised";
        return result;
    }
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    headers = headers ? curl_slist_append(headers, "Pragma: no-cache") : nullptr;
    std::unique_ptr<curl_slist, CurlDeleter> headerList(headers);

    Download download;
    download.maxBytes = maxBytes;
    char errorText[CURL_ERROR_SIZE] = {};
    const long timeoutMs = static_cast<long>(timeout.count());
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "Pelmora");
    if (headerList)
        curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headerList.get());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &receiveBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &download);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.httpCode);
    if (result.httpCode >= 400) {
        result.status = HttpStatus::HttpError;
        result.error = "HTTP " + std::to_string(result.httpCode);
    } else if (code == CURLE_OK) {
        result.status = HttpStatus::Ok;
        result.body = std::move(download.body);
    } else {
        // Without a status line nothing was opened; after it, only the body failed.
        result.status = result.httpCode == 0 ? HttpStatus::Unreachable : HttpStatus::BodyFailed;
        result.error = errorText[0] != '\0' ? std::string(errorText) : std::string(curl_easy_strerror(code));
    }
    return result;
}

AnalyserClient::AnalyserClient(std::string address, std::chrono::milliseconds timeout, std::size_t maxPageBytes)
    : m_address(std::move(address)), m_timeout(timeout), m_maxPageBytes(maxPageBytes), m_fetch(httpGet)
{
}

void AnalyserClient::setFetch(HttpFetch fetch)
{
    m_fetch = fetch ? std::move(fetch) : HttpFetch(httpGet);
}

void AnalyserClient::settingsConfirmed(const Settings& settings)
{
    m_address = settings.analyserUrl;
    m_failureShown = false;
    m_unreachable = false;
}

std::vector<AnalyserResult> AnalyserClient::analyse(std::string_view word, Prompter& prompter)
{
    m_lastFailed = false;
    if (trimBlanks(m_address).empty())
        return {};
    if (m_unreachable) {
        m_lastFailed = true;
        return {};
    }
    std::string storage;  // the server is asked in the normal form, like every comparison here
    const HttpResult answer = m_fetch(analyserRequestUrl(m_address, nfcView(word, storage)), m_timeout, m_maxPageBytes);
    if (answer.status == HttpStatus::Unreachable || answer.status == HttpStatus::HttpError) {
        m_lastFailed = true;
        m_unreachable = answer.status == HttpStatus::Unreachable;
        if (!m_failureShown) {
            m_failureShown = true;
            prompter.message(MessageKind::Information, kTitleNotice, kAnalyserFailureMessage);
        }
        return {};
    }
    if (answer.status != HttpStatus::Ok || !isValidUtf8(answer.body))
        return {};
    return parseAnalyserPage(answer.body, word);
}

}  // namespace pelmora
