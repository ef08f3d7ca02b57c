// Text metadata: the values of the text-information dialog, read from the tree and written back.
#pragma once

#include "text/pelmoradoc.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The metadata vocabulary of a corpus text.
namespace meta {
inline constexpr const char* kType = "tyyp";
inline constexpr const char* kTopic = "teema";
inline constexpr const char* kVillage = "kyla";
inline constexpr const char* kLongitude = "longituud";
inline constexpr const char* kLatitude = "latituud";
inline constexpr const char* kParish = "kihelkond";
inline constexpr const char* kRecording = "lindistus";
inline constexpr const char* kRecorder = "lindistaja";
inline constexpr const char* kYear = "aasta";
inline constexpr const char* kAudioFile = "fail";
inline constexpr const char* kTranscription = "litereering";
inline constexpr const char* kTranscriber = "litereerija";
inline constexpr const char* kWork = "teos";
inline constexpr const char* kTitle = "pealkiri";
inline constexpr const char* kPlace = "koht";
inline constexpr const char* kLanguage = "keel";
inline constexpr const char* kDialect = "murre";
inline constexpr const char* kSpelling = "kirjaviis";
inline constexpr const char* kOther = "muu";
inline constexpr const char* kSpeaker = "keelejuht";
inline constexpr const char* kInterviewer = "intervjueerija";
inline constexpr const char* kEducation = "haridus";
inline constexpr const char* kBirthYear = "synniaasta";
inline constexpr const char* kBirthPlace = "synnikoht";
inline constexpr const char* kAge = "vanus";
inline constexpr const char* kSex = "sugu";

inline constexpr std::string_view kOral = "suuline";
inline constexpr std::string_view kWritten = "kirjalik";
// "-" in a choice list means no value.
inline constexpr std::string_view kNoChoice = "-";
}  // namespace meta

// The type radio buttons: none chosen, "suuline" or "kirjalik".
enum class TextType { None, Oral, Written };

// "suuline", "kirjalik", or "" for None.
std::string_view textTypeWord(TextType type);
// The type a "tyyp" text stands for; anything but the two words gives None.
TextType textTypeFromWord(std::string_view word);

// One row of the speaker list.
struct SpeakerRow {
    std::string role;  // "keelejuht" or "intervjueerija" (the element name); "" when none chosen
    std::string id;
    std::string name;  // the element's text
    std::string birthYear;
    std::string age;
    std::string education;
    std::string birthPlace;
    std::string sex;
    bool operator==(const SpeakerRow&) const = default;
};

// "kyla": the village with its coordinates.
struct VillageField {
    std::string name;
    std::string longitude;
    std::string latitude;
    bool operator==(const VillageField&) const = default;
};

// "lindistus": the archive reference of the recording.
struct RecordingField {
    std::string reference;
    std::string recorder;
    std::string year;
    std::string audioFile;
    bool operator==(const RecordingField&) const = default;
};

// "litereering": the archive reference of the transcription.
struct TranscriptionField {
    std::string reference;
    std::string transcriber;
    std::string year;
    bool operator==(const TranscriptionField&) const = default;
};

// "teos": the published work.
struct WorkField {
    std::string author;
    std::string title;
    std::string year;
    std::string place;
    bool operator==(const WorkField&) const = default;
};

// Everything the text-information dialog shows and edits. Absent values are "".
struct TextMetadata {
    std::string id;  // the "id" of "sisu"
    TextType type = TextType::None;
    std::string topic;
    std::string parish;
    std::string language;
    std::string dialect;
    std::string spelling;
    std::string other;
    VillageField village;
    RecordingField recording;
    TranscriptionField transcription;
    WorkField work;
    std::vector<SpeakerRow> speakers;  // all "keelejuht" rows first, then all "intervjueerija" rows
    bool operator==(const TextMetadata&) const = default;
};

// The metadata of the open text, as the dialog is filled; all empty when there is no text.
TextMetadata readTextMetadata(const CPelmoraDoc& doc);

enum class MetadataAcceptStatus {
    Accepted,    // written (possibly with warnings, see the result's other members)
    Incomplete,  // no ID or no type: nothing written; the dialog should be shown again
    NoText,      // no open text: nothing done
};

struct MetadataAcceptResult {
    MetadataAcceptStatus status = MetadataAcceptStatus::NoText;
    bool typeKept = false;            // a different type was asked for; the stored one stayed
    bool audioFileRefused = false;    // the audio file name did not end with ".mp3" and was not written
    std::vector<int> skippedSpeakers; // row numbers (from 1) dropped for lacking a role, an ID or a name
    // True when everything asked for was stored.
    bool complete() const
    {
        return status == MetadataAcceptStatus::Accepted && !typeKept && !audioFileRefused &&
               skippedSpeakers.empty();
    }
};

// Writes the dialog's values into the tree through the document's changes. An empty ID or no type
// refuses with "Sisesta teksti ID\nja vali teksti tüüp." and changes nothing (Incomplete). Otherwise
// every step runs; a changed type ("Teksti tüüpi ei saa muuta"), an audio file not ending with
// ".mp3" and incomplete speaker rows are warned about and left out while the rest is written.
// Sets the modified flag and redraws; an acceptance is one undo step.
MetadataAcceptResult acceptTextMetadata(CPelmoraDoc& doc, const TextMetadata& metadata);

// The check of the speaker dialog: ID, name and a role ("keelejuht" or "intervjueerija") must be
// given; otherwise "Sisesta ID, nimi ja roll" is shown and false returned (the dialog asks again).
bool checkSpeakerEntry(const SpeakerRow& row, Prompter& prompter);

// True for the two role words.
bool isSpeakerRole(std::string_view role);

// The fixed choices of the dialogs, in the order they are offered.
std::span<const std::string_view> languageChoices();  // "Keel"
std::span<const std::string_view> dialectChoices();   // "Murre"
std::span<const std::string_view> spellingChoices();  // "Kirjaviis/transkriptsioon", "-" first
std::span<const std::string_view> sexChoices();       // "Sugu"
// "Kihelkond": "-" and then the parishes as "Name (Abbr)". The dialog also accepts typed text and
// shows its list sorted.
std::span<const std::string_view> parishChoices();

// True when the value is one of the choices.
bool isChoice(std::span<const std::string_view> choices, std::string_view value);

}  // namespace pelmora
