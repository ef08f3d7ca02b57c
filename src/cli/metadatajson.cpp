#include "metadatajson.h"

#include <functional>
#include <map>

namespace pelmora::cli {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// The text of an element that has attributes.
constexpr const char* kTextKey = "tekst";
constexpr const char* kSpeakersKey = "osalejad";
constexpr const char* kRoleKey = "roll";
constexpr const char* kNameKey = "nimi";

using StringFields = std::vector<std::pair<const char*, std::string*>>;

StringFields villageFields(VillageField& v)
{
    return {{kTextKey, &v.name}, {meta::kLongitude, &v.longitude}, {meta::kLatitude, &v.latitude}};
}
StringFields recordingFields(RecordingField& r)
{
    return {{kTextKey, &r.reference}, {meta::kRecorder, &r.recorder}, {meta::kYear, &r.year},
            {meta::kAudioFile, &r.audioFile}};
}
StringFields transcriptionFields(TranscriptionField& t)
{
    return {{kTextKey, &t.reference}, {meta::kTranscriber, &t.transcriber}, {meta::kYear, &t.year}};
}
StringFields workFields(WorkField& w)
{
    return {{kTextKey, &w.author}, {meta::kTitle, &w.title}, {meta::kYear, &w.year}, {meta::kPlace, &w.place}};
}
StringFields speakerFields(SpeakerRow& s)
{
    return {{kRoleKey, &s.role},           {"id", &s.id},           {kNameKey, &s.name},
            {meta::kBirthYear, &s.birthYear}, {meta::kAge, &s.age}, {meta::kEducation, &s.education},
            {meta::kBirthPlace, &s.birthPlace}, {meta::kSex, &s.sex}};
}

ordered_json objectOf(const StringFields& fields)
{
    ordered_json object = ordered_json::object();
    for (const auto& [key, value] : fields)
        object[key] = *value;
    return object;
}

bool readString(const json& value, const std::string& where, std::string& out, std::string& error)
{
    if (!value.is_string()) {
        error = where + ": expected a string";
        return false;
    }
    out = value.get<std::string>();
    return true;
}

bool readObject(const json& value, const std::string& where, const StringFields& fields, std::string& error)
{
    if (!value.is_object()) {
        error = where + ": expected an object";
        return false;
    }
    for (const auto& entry : value.items()) {
        const std::string& key = entry.key();
        const json& item = entry.value();
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return key == f.first; });
        if (field == fields.end()) {
            error = where + ": unknown key \"" + key + "\"";
            return false;
        }
        if (!readString(item, where + "." + key, *field->second, error))
            return false;
    }
    return true;
}

bool checkChoice(std::span<const std::string_view> choices, const std::string& value, const std::string& stored,
                 const std::string& where, std::string& error)
{
    if (value.empty() || value == stored || isChoice(choices, value))
        return true;
    error = where + ": \"" + value + "\" is not one of the choices";
    return false;
}

}  // namespace

ordered_json metadataToJson(const TextMetadata& metadata)
{
    TextMetadata m = metadata;  // the field tables take pointers
    ordered_json out = ordered_json::object();
    out["id"] = m.id;
    out[meta::kType] = std::string(textTypeWord(m.type));
    out[meta::kTopic] = m.topic;
    out[meta::kVillage] = objectOf(villageFields(m.village));
    out[meta::kParish] = m.parish;
    out[meta::kRecording] = objectOf(recordingFields(m.recording));
    out[meta::kTranscription] = objectOf(transcriptionFields(m.transcription));
    out[meta::kWork] = objectOf(workFields(m.work));
    out[meta::kLanguage] = m.language;
    out[meta::kDialect] = m.dialect;
    out[meta::kSpelling] = m.spelling;
    out[meta::kOther] = m.other;
    ordered_json speakers = ordered_json::array();
    for (SpeakerRow& row : m.speakers)
        speakers.push_back(objectOf(speakerFields(row)));
    out[kSpeakersKey] = std::move(speakers);
    return out;
}

bool applyMetadataJson(const json& input, TextMetadata& m, std::string& error)
{
    if (!input.is_object()) {
        error = "the metadata must be a JSON object";
        return false;
    }
    const TextMetadata stored = m;
    const std::map<std::string, std::string*> plain = {
        {"id", &m.id},           {meta::kTopic, &m.topic},       {meta::kParish, &m.parish},
        {meta::kLanguage, &m.language}, {meta::kDialect, &m.dialect}, {meta::kSpelling, &m.spelling},
        {meta::kOther, &m.other},
    };
    const std::map<std::string, StringFields> withAttributes = {
        {meta::kVillage, villageFields(m.village)},
        {meta::kRecording, recordingFields(m.recording)},
        {meta::kTranscription, transcriptionFields(m.transcription)},
        {meta::kWork, workFields(m.work)},
    };
    for (const auto& [key, value] : input.items()) {
        if (const auto it = plain.find(key); it != plain.end()) {
            if (!readString(value, key, *it->second, error))
                return false;
        } else if (const auto object = withAttributes.find(key); object != withAttributes.end()) {
            if (!readObject(value, key, object->second, error))
                return false;
        } else if (key == meta::kType) {
            std::string word;
            if (!readString(value, key, word, error))
                return false;
            m.type = textTypeFromWord(word);
            if (m.type == TextType::None && !word.empty()) {
                error = std::string(meta::kType) + ": \"" + word + "\" is neither \"suuline\" nor \"kirjalik\"";
                return false;
            }
        } else if (key == kSpeakersKey) {
            if (!value.is_array()) {
                error = std::string(kSpeakersKey) + ": expected an array";
                return false;
            }
            m.speakers.clear();
            for (std::size_t i = 0; i < value.size(); ++i) {
                SpeakerRow row;
                const std::string where = std::string(kSpeakersKey) + "[" + std::to_string(i) + "]";
                if (!readObject(value[i], where, speakerFields(row), error))
                    return false;
                // A stored speaker's sex may be anything a file holds; a new one is M or N.
                const bool storedSex = std::any_of(stored.speakers.begin(), stored.speakers.end(),
                                                   [&](const SpeakerRow& s) { return s.sex == row.sex; });
                if (!checkChoice(sexChoices(), row.sex, storedSex ? row.sex : "", where + "." + meta::kSex, error))
                    return false;
                m.speakers.push_back(std::move(row));
            }
        } else {
            error = "unknown key \"" + key + "\"";
            return false;
        }
    }
    return checkChoice(languageChoices(), m.language, stored.language, meta::kLanguage, error) &&
           checkChoice(dialectChoices(), m.dialect, stored.dialect, meta::kDialect, error) &&
           checkChoice(spellingChoices(), m.spelling, stored.spelling, meta::kSpelling, error);
}

}  // namespace pelmora::cli
