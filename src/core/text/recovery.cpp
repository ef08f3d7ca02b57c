#include "text/recovery.h"

#include "common/files.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

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
    if (textExists && found.time <= textTime) {
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

}  // namespace pelmora
