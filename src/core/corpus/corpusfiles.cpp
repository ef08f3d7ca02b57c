#include "corpus/corpusfiles.h"

#include "common/strings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unordered_set>

namespace pelmora {

namespace fs = std::filesystem;

std::vector<std::string> corpusFilesInFolder(const std::string& folder)
{
    std::error_code error;
    std::vector<std::string> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        if (toLowerAscii(it->path().extension().string()) == ".xml")
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> expandCorpusPaths(const std::vector<std::string>& paths)
{
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error)) {
            std::vector<std::string> inFolder = corpusFilesInFolder(path);
            files.insert(files.end(), std::make_move_iterator(inFolder.begin()),
                         std::make_move_iterator(inFolder.end()));
        } else {
            files.push_back(path);
        }
    }
    return files;
}

std::vector<std::string> withoutRepeatedFiles(std::vector<std::string> files)
{
    std::unordered_set<std::string> seen;
    std::vector<std::string> kept;
    for (std::string& file : files)
        if (seen.insert(fs::path(file).lexically_normal().string()).second)
            kept.push_back(std::move(file));
    return kept;
}

bool loadCorpusText(CorpusFileReader& reader, const std::string& path, CorpusSkippedFile& skipped)
{
    std::error_code error;
    const auto size = fs::file_size(path, error);
    const bool empty = !error && size == 0;
    std::string reason;
    bool wellFormed = false;
    if (!empty && reader.load(path, &reason, &wellFormed))
        return true;
    const char* message = empty ? kCorpusEmptyFile : wellFormed ? kCorpusNotACorpusText : kCorpusInvalidFile;
    skipped = {path, formatMessage(message, path), empty ? std::string() : reason};
    return false;
}

}  // namespace pelmora
