// Where a sentence is heard: the text's recording as a file and the stretch of it a sentence takes,
// from its own start to the start of the next linked sentence.
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Why a sentence cannot be played; None when it can.
enum class SentenceAudioProblem { None, NoSentence, NoRecording, NoPosition, MissingFile };

struct SentenceAudio {
    SentenceAudioProblem problem = SentenceAudioProblem::None;
    // The recording's path as it was found; for a missing file the path that was looked for.
    std::string file;
    // Whole seconds from the start of the recording.
    std::int64_t startSeconds = 0;
    // The start of the next sentence linked later in the recording; none: play to the end.
    std::optional<std::int64_t> endSeconds;
};

// The recording the text names ("fail" of "lindistus" in "info"), "" when it names none.
std::string_view recordingFileName(const CPelmoraDoc& doc);

// The path of a recording named `name` for the text at `textPath`: an absolute name as it stands,
// a relative one against the text's folder. A relative name of a text without a path stays as it
// is. Returns "" for an empty name.
std::string resolveRecordingPath(std::string_view name, std::string_view textPath);

// The sentence's start in whole seconds: its "helipos" when that is a whole number from 0; none
// when it is absent or unreadable (a sign, letters).
std::optional<std::int64_t> sentenceStart(XmlNode sentence);

// What playing the sentence takes: the recording resolved for the text at `textPath` and checked
// to exist, the sentence's start, and the end of its stretch. Sentences after it that are linked to
// the same or an earlier second are passed over, so the stretch is never empty or backwards. A
// relative name written with "\" (as on Windows) is also looked for with "/".
SentenceAudio sentenceAudio(const CPelmoraDoc& doc, XmlNode sentence, std::string_view textPath);

// Tells the user why the sentence cannot be played; nothing for NoSentence or None.
void reportSentenceAudioProblem(Prompter& prompter, const SentenceAudio& audio);
// The text names no recording.
void reportNoRecording(Prompter& prompter);
// The recording exists but the player cannot decode it.
void reportUnplayableRecording(Prompter& prompter, std::string_view file);
// The machine has nothing that plays recordings (no multimedia backend).
void reportNoPlayer(Prompter& prompter);
// The sentence starts after the recording ends.
void reportStartBeyondRecording(Prompter& prompter, std::int64_t startSeconds, std::int64_t lengthSeconds);

// Minutes and seconds as the player strip shows a time: "m:ss" ("1:05"); hours run on as minutes.
std::string formatPlayerTime(std::int64_t milliseconds);

}  // namespace pelmora
