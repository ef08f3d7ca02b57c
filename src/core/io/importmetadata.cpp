#include "io/importmetadata.h"

#include "text/textformat.h"

namespace pelmora {

std::optional<TextMetadata> askImportMetadata(const TextMetadata& prefilled, const TextMetadataRequest& ask,
                                              Prompter& prompter)
{
    // The new text the answers are tried on. Its messages are held back: a refusal is passed on,
    // the warnings of an accepted answer come when the real text receives it.
    RecordingPrompter held;
    CPelmoraDoc trial(held);
    const bool opened = trial.openFromBuffer(text::newTextTemplate(), "");
    TextMetadata current = prefilled;
    while (true) {
        std::optional<TextMetadata> answer = ask(current);
        if (!answer)
            return std::nullopt;
        held.clear();
        const MetadataAcceptStatus status =
            opened ? acceptTextMetadata(trial, *answer).status : MetadataAcceptStatus::NoText;
        if (status == MetadataAcceptStatus::Accepted)
            return answer;
        for (const RecordingPrompter::Entry& entry : held.entries())
            prompter.message(entry.kind, entry.title, entry.text);
        if (status != MetadataAcceptStatus::Incomplete)
            return std::nullopt;
        current = std::move(*answer);
    }
}

bool writeImportMetadata(CPelmoraDoc& doc, const TextMetadata& metadata)
{
    return acceptTextMetadata(doc, metadata).status == MetadataAcceptStatus::Accepted;
}

std::vector<std::string> storedInterviewers(const CPelmoraDoc& doc)
{
    std::vector<std::string> ids;
    for (const SpeakerRow& row : readTextMetadata(doc).speakers) {
        if (row.role == meta::kInterviewer)
            ids.push_back(row.id);
    }
    return ids;
}

}  // namespace pelmora
