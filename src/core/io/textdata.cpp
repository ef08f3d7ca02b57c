#include "io/textdata.h"

#include "common/strings.h"
#include "text/textformat.h"

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kIncomplete = "Sisesta teksti ID\nja vali teksti tüüp.";
constexpr const char* kNotMp3 = "Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime.";
constexpr const char* kParticipantIncomplete =
    "Keelejuhi/intervjueerija nr %s andmetest\npuudu ID, nimi või roll\nEi salvestanud selle keelejuhi "
    "andmeid.\nTeksti andmete muutmiseks menüüst Fail > Teksti info.";

bool chosen(const std::string& value) { return !value.empty() && value != "-"; }

}  // namespace

std::optional<ImportTextData> askCompleteTextData(const ImportTextData& prefilled, const TextDataRequest& ask,
                                                  Prompter& prompter)
{
    ImportTextData current = prefilled;
    while (true) {
        std::optional<ImportTextData> answer = ask(current);
        if (!answer)
            return std::nullopt;
        if (!answer->id.empty() && (answer->type == "suuline" || answer->type == "kirjalik"))
            return answer;
        prompter.message(MessageKind::Warning, kTitleError, kIncomplete);
        current = std::move(*answer);
    }
}

std::vector<std::string> writeImportedTextData(CPelmoraDoc& doc, const ImportTextData& data, Prompter& prompter)
{
    std::vector<std::string> interviewers;
    const XmlNode root = doc.xml().root();
    doc.setNodeAttribute(doc.body(), kId, data.id);
    XmlNode info = firstChildElement(root, kInfo);
    if (!info)
        info = root.first_child() ? doc.insertElementBefore(root, kInfo, root.first_child())
                                  : doc.appendElement(root, kInfo);
    const auto simple = [&](const char* name, const std::string& value, bool dashIsNone) {
        if (value.empty() || (dashIsNone && !chosen(value)))
            return;
        doc.setNodeText(doc.appendElement(info, name), value);
    };
    simple("tyyp", data.type, false);
    simple("teema", data.topic, false);
    simple("kihelkond", data.parish, true);
    simple("keel", data.language, false);
    simple("murre", data.dialect, false);
    simple("kirjaviis", data.spelling, true);
    simple("muu", data.other, false);

    using Attributes = std::vector<std::pair<const char*, std::string>>;
    const auto withAttributes = [&](const char* name, const std::string& text, const Attributes& attributes) {
        bool any = !text.empty();
        for (const auto& attribute : attributes)
            any = any || !attribute.second.empty();
        if (!any)
            return;
        const XmlNode element = doc.appendElement(info, name);
        if (!text.empty())
            doc.setNodeText(element, text);
        for (const auto& [attributeName, value] : attributes)
            doc.setNodeAttribute(element, attributeName, value);
    };
    std::string audioFile = data.audioFile;
    if (!audioFile.empty() && !audioFile.ends_with(".mp3")) {
        prompter.message(MessageKind::Warning, kTitleWarning, kNotMp3);
        audioFile.clear();
    }
    withAttributes("lindistus", data.recording,
                   {{"lindistaja", data.recorder}, {"aasta", data.recordingYear}, {"fail", audioFile}});
    withAttributes("litereering", data.transcription,
                   {{"litereerija", data.transcriber}, {"aasta", data.transcriptionYear}});
    withAttributes("kyla", data.village, {{"longituud", data.longitude}, {"latituud", data.latitude}});
    withAttributes("teos", data.author,
                   {{"pealkiri", data.title}, {"aasta", data.publicationYear}, {"koht", data.publicationPlace}});

    int number = 0;
    for (const TextParticipant& participant : data.participants) {
        ++number;
        const bool knownRole = participant.role == kRoleSpeaker || participant.role == kRoleInterviewer;
        if (!knownRole || participant.id.empty() || participant.name.empty()) {
            prompter.message(MessageKind::Warning, kTitleWarning,
                             formatMessage(kParticipantIncomplete, std::to_string(number)));
            continue;
        }
        const XmlNode element = doc.appendElement(info, participant.role.c_str());
        doc.setNodeText(element, participant.name);
        doc.setNodeAttribute(element, kId, participant.id);
        doc.setNodeAttribute(element, "haridus", participant.education);
        doc.setNodeAttribute(element, "synniaasta", participant.birthYear);
        doc.setNodeAttribute(element, "synnikoht", participant.birthPlace);
        doc.setNodeAttribute(element, "vanus", participant.age);
        doc.setNodeAttribute(element, "sugu", participant.sex);
        if (participant.role == kRoleInterviewer)
            interviewers.push_back(participant.id);
    }
    return interviewers;
}

}  // namespace pelmora
