// The text data ("Teksti andmed") an import asks for, and its writing into a new text's "info".
//
// Stand-in until the text metadata value type of the metadata work is available here: the
// fields, the callback shape and the writing rules for a text without "info" are the same, so
// the imports switch over by replacing this header and writeImportedTextData.
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

inline constexpr const char* kRoleSpeaker = "keelejuht";
inline constexpr const char* kRoleInterviewer = "intervjueerija";

struct TextParticipant {
    std::string role;  // "keelejuht" or "intervjueerija"
    std::string id;
    std::string name;
    std::string education;   // haridus
    std::string birthYear;   // synniaasta
    std::string birthPlace;  // synnikoht
    std::string age;         // vanus
    std::string sex;         // sugu
};

struct ImportTextData {
    std::string id;    // the "id" of "sisu"
    std::string type;  // "suuline", "kirjalik" or "" (none chosen)
    std::string topic;
    std::string village, longitude, latitude;
    std::string parish;
    std::string recording, recorder, recordingYear, audioFile;
    std::string transcription, transcriber, transcriptionYear;
    std::string author, title, publicationYear, publicationPlace;
    std::string language, dialect, spelling;
    std::string other;  // "Muu info"
    std::vector<TextParticipant> participants;
};

// Shows the text data dialog filled with `prefilled`; the completed data, or nothing on cancel.
using TextDataRequest = std::function<std::optional<ImportTextData>(const ImportTextData& prefilled)>;

// Asks until the data has an ID and a type: "Sisesta teksti ID\nja vali teksti tüüp." after each
// incomplete answer. Nothing when the user cancels.
std::optional<ImportTextData> askCompleteTextData(const ImportTextData& prefilled, const TextDataRequest& ask,
                                                  Prompter& prompter);

// Writes the data into a text without "info": the body's "id", a new "info" as the root's first
// child with the fields in the order tyyp, teema, kihelkond, keel, murre, kirjaviis, muu,
// lindistus, litereering, kyla, teos, then the participants (an audio file not ending in ".mp3"
// and a participant without ID, name or role are left out with their warnings). Returns the
// identifiers of the saved interviewers.
std::vector<std::string> writeImportedTextData(CPelmoraDoc& doc, const ImportTextData& data, Prompter& prompter);

}  // namespace pelmora
