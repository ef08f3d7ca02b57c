#include "textfiles.h"

#include "commands.h"

#include <iostream>

namespace pelmora::cli {

int withText(const std::string& path, const std::function<int(CPelmoraDoc& doc, CliPrompter& prompter)>& work)
{
    CliPrompter prompter(std::cerr);
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(path))
        return kExitFailed;
    return work(doc, prompter);
}

int runOnEachFile(const std::vector<std::string>& files, const std::function<int(const std::string& file)>& run)
{
    int status = kExitOk;
    for (const std::string& file : files) {
        const int result = run(file);
        if (result != kExitOk)
            status = result;
    }
    return status;
}

bool openOptionalDictionary(const std::string& path, Prompter& prompter, std::unique_ptr<CDictionary>& dictionary)
{
    if (path.empty())
        return true;
    dictionary = std::make_unique<CDictionary>(prompter);
    return dictionary->openWithPath(path);
}

}  // namespace pelmora::cli
