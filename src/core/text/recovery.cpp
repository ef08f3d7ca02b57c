#include "text/recovery.h"

#include "common/files.h"
#include "common/prompter.h"
#include "common/translation.h"
#include "text/pelmoradoc.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace pelmora {

namespace {

constexpr std::string_view kTextKey = "tekst=";
constexpr std::string_view kTimeKey = "aeg=";

std::string pathKey(const std::string& path)
{
    std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a
    for (const unsigned char c : path) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(hash));
    return buffer;
}

std::string stem(const std::string& folder, const std::string& textPath)
{
    const std::filesystem::path text(textPath);
    std::string name = text.stem().string();
    if (name.empty())
        name = "tekst";
    return (std::filesystem::path(folder) / (name + "-" + pathKey(textPath))).string();
}

}  // namespace

RecoveryFiles recoveryFiles(const std::string& folder, const std::string& textPath)
{
    const std::string base = stem(folder, textPath);
    return {base + ".xml", base + ".kirje"};
}

std::string formatRecoveryRecord(const std::string& textPath, std::int64_t time)
{
    return std::string(kTextKey) + textPath + "\n" + std::string(kTimeKey) + std::to_string(time) + "\n";
}

bool parseRecoveryRecord(std::string_view bytes, std::string& textPath, std::int64_t& time)
{
    bool haveText = false;
    bool haveTime = false;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (line.starts_with(kTextKey) && !haveText) {
            textPath = std::string(line.substr(kTextKey.size()));
            haveText = !textPath.empty();
        } else if (line.starts_with(kTimeKey) && !haveTime) {
            const std::string_view digits = line.substr(kTimeKey.size());
            const auto [rest, status] = std::from_chars(digits.data(), digits.data() + digits.size(), time);
            haveTime = status == std::errc() && rest == digits.data() + digits.size() && time >= 0;
        } else {
            return false;
        }
    }
    return haveText && haveTime;
}

bool writeRecovery(const std::string& folder, const std::string& textPath, std::string_view content,
                   std::int64_t time, std::string* error)
{
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) {
        if (error)
            *error = code.message();
        return false;
    }
    const RecoveryFiles files = recoveryFiles(folder, textPath);
    return replaceFileSafely(files.content, content, error) &&
           replaceFileSafely(files.record, formatRecoveryRecord(textPath, time), error);
}

RecoveryFound findRecovery(const std::string& folder, const std::string& textPath, std::int64_t textTime,
                           bool textExists)
{
    RecoveryFound found;
    const RecoveryFiles files = recoveryFiles(folder, textPath);
    const bool haveRecord = pathExists(files.record);
    const bool haveContent = pathExists(files.content);
    if (!haveRecord && !haveContent)
        return found;
    std::string record;
    std::string named;
    if (!haveRecord || !haveContent || !readWholeFile(files.record, record) ||
        !parseRecoveryRecord(record, named, found.time) || named != textPath ||
        !readWholeFile(files.content, found.content) || found.content.empty()) {
        found.state = RecoveryState::Unreadable;
        found.content.clear();
        return found;
    }
    if (textExists && found.time < textTime) {
        found.state = RecoveryState::Older;
        found.content.clear();
        return found;
    }
    found.state = RecoveryState::Newer;
    return found;
}

bool removeRecovery(const std::string& folder, const std::string& textPath)
{
    const RecoveryFiles files = recoveryFiles(folder, textPath);
    std::error_code code;
    std::filesystem::remove(files.content, code);
    std::filesystem::remove(files.record, code);
    return !pathExists(files.content) && !pathExists(files.record);
}

std::string setRecoveryAside(const std::string& folder, const std::string& textPath)
{
    const std::string base = stem(folder, textPath);
    const RecoveryFiles files = recoveryFiles(folder, textPath);
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = base + ".vigane-" + std::to_string(n);
        if (pathExists(aside + ".xml") || pathExists(aside + ".kirje"))
            continue;
        std::error_code code;
        bool moved = false;
        if (pathExists(files.content)) {
            std::filesystem::rename(files.content, aside + ".xml", code);
            moved = !code;
        }
        if (pathExists(files.record)) {
            std::filesystem::rename(files.record, aside + ".kirje", code);
            moved = moved || !code;
        }
        return moved ? aside + ".xml" : std::string();
    }
    return {};
}

std::string recoveryTimeText(std::int64_t time)
{
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

// --- The keeper ------------------------------------------------------------------------------

namespace {

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The text's modification time in seconds; false when it does not exist.
bool textTime(const std::string& path, std::int64_t& seconds)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return false;
    seconds = static_cast<std::int64_t>(status.st_mtime);
    return true;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(std::string folder, Prompter& prompter)
    : m_folder(std::move(folder)), m_prompter(prompter)
{
}

bool RecoveryKeeper::write(const CPelmoraDoc& doc, const std::string& textPath, std::int64_t now)
{
    if (!doc.hasText() || !doc.isModified() || doc.isChangeOpen() || textPath.empty())
        return false;
    const std::string path = absolutePath(textPath);
    if (m_written && path == m_lastPath && doc.stateSerial() == m_lastSerial)
        return false;
    std::string error;
    if (!writeRecovery(m_folder, path, doc.xml().serialize(), now, &error)) {
        if (!m_failureShown)
            m_prompter.message(
                MessageKind::Warning, kTitleWarning,
                formatText(QT_TRANSLATE_NOOP("core", "Taastekoopiat ei saanud kirjutada:\n%s"), {error}));
        m_failureShown = true;
        return false;
    }
    m_failureShown = false;
    m_written = true;
    m_lastPath = path;
    m_lastSerial = doc.stateSerial();
    return true;
}

void RecoveryKeeper::discard(const std::string& textPath)
{
    if (textPath.empty())
        return;
    const std::string path = absolutePath(textPath);
    removeRecovery(m_folder, path);
    if (path == m_lastPath)
        m_written = false;
}

RecoveryKeeper::Offer RecoveryKeeper::offer(CPelmoraDoc& doc, const std::string& textPath, bool opened)
{
    if (textPath.empty())
        return Offer::None;
    const std::string path = absolutePath(textPath);
    std::int64_t time = 0;
    const bool exists = textTime(path, time);
    const RecoveryFound found = findRecovery(m_folder, path, time, exists);
    m_written = false;
    switch (found.state) {
    case RecoveryState::None:
        return Offer::None;
    case RecoveryState::Older:
        if (opened)
            removeRecovery(m_folder, path);
        return Offer::None;
    case RecoveryState::Newer:
        break;
    case RecoveryState::Unreadable: {
        const std::string aside = setRecoveryAside(m_folder, path);
        m_prompter.message(MessageKind::Warning, kTitleWarning,
                           aside.empty()
                               ? formatText(QT_TRANSLATE_NOOP("core", "Teksti %s taastekoopiat ei saanud lugeda.\n"
                                                                      "See jäi kausta %s."),
                                            {path, m_folder})
                               : formatText(QT_TRANSLATE_NOOP("core", "Teksti %s taastekoopiat ei saanud lugeda.\n"
                                                                      "See on alles failina %s."),
                                            {path, aside}));
        return Offer::SetAside;
    }
    }
    const std::string question =
        formatText(QT_TRANSLATE_NOOP("core", "Tekstil %s on salvestamata muudatuste taastekoopia ajast %s.\n"
                                             "Kas taastada muudatused?"),
                   {path, recoveryTimeText(found.time)});
    if (!m_prompter.askYesNo("Pelmora", question)) {
        if (opened)
            removeRecovery(m_folder, path);
        return Offer::Declined;
    }
    if (!doc.openRecovered(found.content, path)) {
        const std::string aside = setRecoveryAside(m_folder, path);
        if (opened)
            doc.openDocument(path);
        m_prompter.message(MessageKind::Warning, kTitleWarning,
                           formatText(QT_TRANSLATE_NOOP("core", "Teksti %s taastekoopiat ei saanud avada.\n"
                                                                "See on alles failina %s."),
                                      {path, aside.empty() ? m_folder : aside}));
        return Offer::SetAside;
    }
    return Offer::Restored;
}

}  // namespace pelmora
