#include "text/sentenceaudio.h"

#include "common/strings.h"
#include "common/translation.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pelmora {

namespace {

constexpr const char* kNoAudioFile = QT_TRANSLATE_NOOP("core", "Helifaili pole määratud.");
constexpr const char* kNoPosition = QT_TRANSLATE_NOOP("core", "Lause algus helifailis on määramata.");
constexpr const char* kMissingFile = QT_TRANSLATE_NOOP("core", "Helifaili %s ei leitud.");
constexpr const char* kUnplayable = QT_TRANSLATE_NOOP("core", "Helifaili %s ei saa mängida.");
constexpr const char* kNoPlayer =
    QT_TRANSLATE_NOOP("core", "Helifaile ei saa mängida: selles arvutis puudub Qt Multimedia taustaprogramm.");
constexpr const char* kStartBeyondEnd =
    QT_TRANSLATE_NOOP("core", "Lause algab helifailis kohal %s, aga fail on ainult %s pikk.");

bool isFile(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace

std::string_view recordingFileName(const CPelmoraDoc& doc)
{
    const XmlNode recording = firstChildElement(firstChildElement(doc.xml().root(), text::kInfo), meta::kRecording);
    return trimBlanks(attributeValue(recording, meta::kAudioFile));
}

std::string resolveRecordingPath(std::string_view name, std::string_view textPath)
{
    if (name.empty())
        return {};
    const std::filesystem::path file{std::string(name)};
    if (file.is_absolute() || textPath.empty())
        return file.string();
    return (std::filesystem::path(std::string(textPath)).parent_path() / file).lexically_normal().string();
}

std::optional<std::int64_t> sentenceStart(XmlNode sentence)
{
    const std::string_view stored = trimBlanks(attributeValue(sentence, text::kAudioPosition));
    if (stored.empty() || stored.front() < '0' || stored.front() > '9')
        return std::nullopt;
    return leadingInteger(stored);
}

SentenceAudio sentenceAudio(const CPelmoraDoc& doc, XmlNode sentence, std::string_view textPath)
{
    SentenceAudio audio;
    if (!isElement(sentence, text::kSentence)) {
        audio.problem = SentenceAudioProblem::NoSentence;
        return audio;
    }
    const std::string_view name = recordingFileName(doc);
    if (name.empty()) {
        audio.problem = SentenceAudioProblem::NoRecording;
        return audio;
    }
    const std::optional<std::int64_t> start = sentenceStart(sentence);
    if (!start) {
        audio.problem = SentenceAudioProblem::NoPosition;
        return audio;
    }
    audio.startSeconds = *start;
    audio.file = resolveRecordingPath(name, textPath);
    if (!isFile(audio.file)) {
        std::string slashed(name);
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
        const std::string other = resolveRecordingPath(slashed, textPath);
        if (slashed != name && isFile(other))
            audio.file = other;
        else
            audio.problem = SentenceAudioProblem::MissingFile;
    }
    // Sentences are siblings in the body; the walk stops at the first one linked later, which in
    // a linked text is the next sentence.
    for (XmlNode next = sentence.next_sibling(text::kSentence); next; next = next.next_sibling(text::kSentence)) {
        const std::optional<std::int64_t> nextStart = sentenceStart(next);
        if (nextStart && *nextStart > audio.startSeconds) {
            audio.endSeconds = nextStart;
            break;
        }
    }
    return audio;
}

void reportSentenceAudioProblem(Prompter& prompter, const SentenceAudio& audio)
{
    switch (audio.problem) {
    case SentenceAudioProblem::NoRecording:
        reportNoRecording(prompter);
        break;
    case SentenceAudioProblem::NoPosition:
        prompter.message(MessageKind::Warning, kTitleWarning, kNoPosition);
        break;
    case SentenceAudioProblem::MissingFile:
        prompter.error(formatMessage(kMissingFile, audio.file));
        break;
    case SentenceAudioProblem::None:
    case SentenceAudioProblem::NoSentence:
        break;
    }
}

void reportNoRecording(Prompter& prompter)
{
    prompter.message(MessageKind::Warning, kTitleWarning, kNoAudioFile);
}

void reportUnplayableRecording(Prompter& prompter, std::string_view file)
{
    prompter.error(formatMessage(kUnplayable, file));
}

void reportNoPlayer(Prompter& prompter)
{
    prompter.error(kNoPlayer);
}

void reportStartBeyondRecording(Prompter& prompter, std::int64_t startSeconds, std::int64_t lengthSeconds)
{
    const std::string text = formatMessage(kStartBeyondEnd, formatPlayerTime(startSeconds * 1000));
    prompter.message(MessageKind::Warning, kTitleWarning, formatMessage(text, formatPlayerTime(lengthSeconds * 1000)));
}

std::string formatPlayerTime(std::int64_t milliseconds)
{
    const std::int64_t seconds = std::max<std::int64_t>(0, milliseconds) / 1000;
    const std::int64_t rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace pelmora
