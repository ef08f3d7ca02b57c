#include "text/metadata.h"
#include "text/stepnames.h"

#include "common/translation.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>

namespace pelmora {

using namespace meta;

namespace {

constexpr const char* kIncomplete = QT_TRANSLATE_NOOP("core", "Sisesta teksti ID\nja vali teksti tüüp.");
constexpr const char* kTypeCannotChange = QT_TRANSLATE_NOOP("core", "Teksti tüüpi ei saa muuta");
constexpr const char* kAudioNotMp3 =
    QT_TRANSLATE_NOOP("core", "Helifail peab olema .mp3 formaadis.\nEi salvestanud failinime.");
constexpr const char* kSpeakerIncomplete =
    QT_TRANSLATE_NOOP("core", "Keelejuhi/intervjueerija nr %s andmetest\npuudu ID, nimi või roll\nEi salvestanud selle "
                              "keelejuhi andmeid.\nTeksti andmete muutmiseks menüüst Tekst > Teksti info.");
constexpr const char* kSpeakerEntryIncomplete = QT_TRANSLATE_NOOP("core", "Sisesta ID, nimi ja roll");

constexpr std::string_view kMp3Ending = ".mp3";

constexpr std::array<std::string_view, 3> kLanguages = {"eesti", "liivi", "vadja"};
constexpr std::array<std::string_view, 10> kDialects = {
    "Saarte", "Lääne", "Kesk", "Mulgi", "Tartu", "Võru", "Setu", "Ida", "Ranna", "Alutaguse",
};
constexpr std::array<std::string_view, 4> kSpellings = {
    "-", "foneetiline transkriptsioon", "lihtsustatud transkriptsioon", "kirjakeel",
};
constexpr std::array<std::string_view, 2> kSexes = {"M", "N"};
constexpr std::array<std::string_view, 114> kParishes = {
    "-",
    "Rei (Reigi)", "Emmaste (Emm)", "Käina (Käi)", "Pühalepa (Phl)", "Muhu (Muh)", "Jaani (Jaa)",
    "Pöide (Pöi)", "Valjala (Vll)", "Püha (Pha)", "Kaarma (Kaa)", "Karja (Krj)", "Kärla (Kär)",
    "Anseküla (Ans)", "Jämaja (Jäm)", "Kihelkonna (Khk)", "Mustjala (Mus)", "Kihnu (Khn)",
    "Häädemeeste (Hää)", "Saarde (Saa)", "Pärnu (Pär)", "Tori (Tor)", "Vändra (Vän)", "Pärnu-Jaagupi (PJg)",
    "Mihkli (Mih)", "Tõstamaa (Tõs)", "Audru (Aud)", "Vigala (Vig)", "Kirbla (Kir)", "Varbla (Var)",
    "Karuse (Kse)", "Hanila (Han)", "Lihula (Lih)", "Märjamaa (Mär)", "Martna (Mar)", "Kullamaa (Kul)",
    "Ridala (Rid)", "Lääne-Nigula (LNg)", "Noarootsi (Noa)", "Risti (Ris)", "Harju-Madise (HMd)",
    "Nissi (Nis)", "Keila (Kei)", "Hageri (Hag)", "Rapla (Rap)", "Juuru (Juu)", "Paide (Pai)", "Türi (Tür)",
    "Kadrina (Kad)", "Rakvere (Rak)", "Viru-Jaagupi (VJg)", "Kursi (Ksi)", "Äksi (Äks)", "Laiuse (Lai)",
    "Kõpu (Kõp)", "Viljandi (Vil)", "Suure-Jaani (SJn)", "Pilistvere (Pil)", "Kolga-Jaani (KJn)",
    "Põltsamaa (Plt)", "Väike-Maarja (VMr)", "Simuna (Sim)", "Ambla (Amb)", "Järva-Madise (JMd)",
    "Järva-Jaani (JJn)", "Anna (Ann)", "Koeru (Koe)", "Peetri (Pee)", "Jüri (Jür)", "Harju-Jaani (HJn)",
    "Kose (Kos)", "Palamuse (Pal)", "Maarja-Magdaleena (MMg)", "Kodavere (Kod)", "Torma (Trm)",
    "Avinurme (Avi)", "Tartu-Maarja (TMr)", "Rannu (Ran)", "Puhja (Puh)", "Nõo (Nõo)", "Kambja (Kam)",
    "Võnnu (Võn)", "Rõngu (Rõn)", "Otepää (Ote)", "Sangaste (San)", "Hargla (Har)", "Karula (Krl)",
    "Urvaste (Urv)", "Kanepi (Kan)", "Rõuge (Rõu)", "Põlva (Plv)", "Räpina (Räp)", "Vastseliina (Vas)",
    "Põhja-Setu (PSe)", "Lääne-Setu (LSe)", "Ida-Setu (ISe)", "Leivu (Lei)", "Lutsi (Lut)", "Kraasna (Kra)",
    "Halliste (Hls)", "Karksi (Krk)", "Paistu (Pst)", "Helme (Hel)", "Tarvastu (Trv)", "Jõelähtme (Jõe)",
    "Kuusalu (Kuu)", "Haljala (Hlj)", "Viru-Nigula (VNg)", "Vaivara (Vai)", "Lüganuse (Lüg)", "Jõhvi (Jõh)",
    "Iisaku (Iis)", "Lääne-vadja (LVa)", "Ida-vadja (IVa)",
};

XmlNode infoOf(const CPelmoraDoc& doc)
{
    return firstChildElement(doc.xml().root(), text::kInfo);
}

std::string textOf(XmlNode info, const char* name)
{
    return std::string(elementText(firstChildElement(info, name)));
}

std::string attributeOf(XmlNode info, const char* element, const char* name)
{
    return std::string(attributeValue(firstChildElement(info, element), name));
}

SpeakerRow speakerRow(XmlNode element)
{
    SpeakerRow row;
    row.role = element.name();
    row.id = attributeValue(element, text::kId);
    row.name = elementText(element);
    row.birthYear = attributeValue(element, kBirthYear);
    row.age = attributeValue(element, kAge);
    row.education = attributeValue(element, kEducation);
    row.birthPlace = attributeValue(element, kBirthPlace);
    row.sex = attributeValue(element, kSex);
    return row;
}

// One element's text with its attributes, in the order they are written into a new element.
struct FieldValues {
    const char* element;
    std::string_view text;
    std::vector<std::pair<const char*, std::string_view>> attributes;
};

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

class MetadataWriter {
public:
    MetadataWriter(CPelmoraDoc& doc, XmlNode info, MetadataAcceptResult& result)
        : m_doc(doc), m_info(info), m_result(result)
    {
    }

    void writeType(TextType type)
    {
        const std::string_view word = textTypeWord(type);
        const XmlNode element = firstChildElement(m_info, kType);
        if (!element) {
            m_doc.setNodeText(m_doc.appendElement(m_info, kType), word);
        } else if (elementText(element) != word) {
            m_doc.prompter().message(MessageKind::Warning, kTitleWarning, kTypeCannotChange);
            m_result.typeKept = true;
        }
    }

    // A field without attributes; for the choice lists "-" counts as no value.
    void writeSimple(const char* name, std::string_view value, bool dashMeansNone)
    {
        const bool noValue = value.empty() || (dashMeansNone && value == kNoChoice);
        const XmlNode element = firstChildElement(m_info, name);
        if (element) {
            if (elementText(element) == value)
                return;
            if (noValue)
                m_doc.removeNode(element);
            else
                m_doc.setNodeText(element, value);
        } else if (!noValue) {
            m_doc.setNodeText(m_doc.appendElement(m_info, name), value);
        }
    }

    // A field with attributes. The audio file name, when there is one among them, is checked
    // before it is written.
    void writeWithAttributes(const FieldValues& field)
    {
        const XmlNode existing = firstChildElement(m_info, field.element);
        if (existing) {
            if (elementText(existing) != field.text)
                m_doc.setNodeText(existing, field.text);
            for (const auto& [name, value] : field.attributes) {
                if (attributeValue(existing, name) != value && audioFileAccepted(name, value))
                    m_doc.setNodeAttribute(existing, name, value);
            }
            return;
        }
        const bool anyValue = !field.text.empty() ||
                              std::any_of(field.attributes.begin(), field.attributes.end(),
                                          [](const auto& attribute) { return !attribute.second.empty(); });
        if (!anyValue)
            return;
        const XmlNode added = m_doc.appendElement(m_info, field.element);
        if (!field.text.empty())
            m_doc.setNodeText(added, field.text);
        for (const auto& [name, value] : field.attributes) {
            if (audioFileAccepted(name, value))
                m_doc.setNodeAttribute(added, name, value);
        }
    }

    void writeSpeakers(const std::vector<SpeakerRow>& rows)
    {
        std::vector<XmlNode> old;
        for (XmlNode child = firstChildElement(m_info); child; child = child.next_sibling()) {
            if (isElement(child, kSpeaker) || isElement(child, kInterviewer))
                old.push_back(child);
        }
        for (const XmlNode element : old)
            m_doc.removeNode(element);

        for (std::size_t i = 0; i < rows.size(); ++i) {
            const SpeakerRow& row = rows[i];
            const int number = static_cast<int>(i) + 1;
            if (!isSpeakerRole(row.role) || row.id.empty() || row.name.empty()) {
                m_doc.prompter().message(MessageKind::Warning, kTitleWarning,
                                         formatText(kSpeakerIncomplete, {std::to_string(number)}));
                m_result.skippedSpeakers.push_back(number);
                continue;
            }
            const XmlNode element = m_doc.appendElement(m_info, row.role.c_str());
            m_doc.setNodeText(element, row.name);
            m_doc.setNodeAttribute(element, text::kId, row.id);
            m_doc.setNodeAttribute(element, kEducation, row.education);
            m_doc.setNodeAttribute(element, kBirthYear, row.birthYear);
            m_doc.setNodeAttribute(element, kBirthPlace, row.birthPlace);
            m_doc.setNodeAttribute(element, kAge, row.age);
            m_doc.setNodeAttribute(element, kSex, row.sex);
        }
    }

private:
    // The audio file name is written only when it ends with ".mp3" (exactly, so ".MP3" does not).
    // Emptying a stored name is allowed.
    bool audioFileAccepted(const char* name, std::string_view value)
    {
        if (std::string_view(name) != kAudioFile || value.empty() || endsWith(value, kMp3Ending))
            return true;
        m_doc.prompter().message(MessageKind::Warning, kTitleWarning, kAudioNotMp3);
        m_result.audioFileRefused = true;
        return false;
    }

    CPelmoraDoc& m_doc;
    XmlNode m_info;
    MetadataAcceptResult& m_result;
};

}  // namespace

std::string_view textTypeWord(TextType type)
{
    switch (type) {
    case TextType::Oral: return kOral;
    case TextType::Written: return kWritten;
    case TextType::None: break;
    }
    return {};
}

TextType textTypeFromWord(std::string_view word)
{
    if (word == kOral)
        return TextType::Oral;
    if (word == kWritten)
        return TextType::Written;
    return TextType::None;
}

TextMetadata readTextMetadata(const CPelmoraDoc& doc)
{
    TextMetadata data;
    if (!doc.hasText())
        return data;
    data.id = attributeValue(doc.body(), text::kId);
    const XmlNode info = infoOf(doc);
    data.type = textTypeFromWord(elementText(firstChildElement(info, kType)));
    data.topic = textOf(info, kTopic);
    data.parish = textOf(info, kParish);
    data.language = textOf(info, kLanguage);
    data.dialect = textOf(info, kDialect);
    data.spelling = textOf(info, kSpelling);
    data.other = textOf(info, kOther);
    data.village = {textOf(info, kVillage), attributeOf(info, kVillage, kLongitude),
                    attributeOf(info, kVillage, kLatitude)};
    data.recording = {textOf(info, kRecording), attributeOf(info, kRecording, kRecorder),
                      attributeOf(info, kRecording, kYear), attributeOf(info, kRecording, kAudioFile)};
    data.transcription = {textOf(info, kTranscription), attributeOf(info, kTranscription, kTranscriber),
                          attributeOf(info, kTranscription, kYear)};
    data.work = {textOf(info, kWork), attributeOf(info, kWork, kTitle), attributeOf(info, kWork, kYear),
                 attributeOf(info, kWork, kPlace)};
    for (const char* role : {kSpeaker, kInterviewer}) {
        for (XmlNode element = firstChildElement(info, role); element; element = nextSiblingElement(element, role))
            data.speakers.push_back(speakerRow(element));
    }
    return data;
}

MetadataAcceptResult acceptTextMetadata(CPelmoraDoc& doc, const TextMetadata& data)
{
    MetadataAcceptResult result;
    const XmlNode body = doc.body();
    if (!body)
        return result;
    if (data.id.empty() || data.type == TextType::None) {
        doc.prompter().message(MessageKind::Warning, kTitleError, kIncomplete);
        result.status = MetadataAcceptStatus::Incomplete;
        return result;
    }
    result.status = MetadataAcceptStatus::Accepted;
    // One acceptance is one undo step.
    CPelmoraDoc::ChangeGroup group(doc, step::kMetadata);

    if (attributeValue(body, text::kId) != data.id)
        doc.setNodeAttribute(body, text::kId, data.id);

    const XmlNode root = doc.xml().root();
    XmlNode info = firstChildElement(root, text::kInfo);
    if (!info) {
        const XmlNode first = root.first_child();
        info = first ? doc.insertElementBefore(root, text::kInfo, first) : doc.appendElement(root, text::kInfo);
    }

    MetadataWriter writer(doc, info, result);
    writer.writeType(data.type);
    writer.writeSimple(kTopic, data.topic, false);
    writer.writeSimple(kParish, data.parish, true);
    writer.writeSimple(kLanguage, data.language, false);
    writer.writeSimple(kDialect, data.dialect, false);
    writer.writeSimple(kSpelling, data.spelling, true);
    writer.writeSimple(kOther, data.other, false);
    writer.writeWithAttributes({kRecording,
                                data.recording.reference,
                                {{kRecorder, data.recording.recorder},
                                 {kYear, data.recording.year},
                                 {kAudioFile, data.recording.audioFile}}});
    writer.writeWithAttributes({kTranscription,
                                data.transcription.reference,
                                {{kTranscriber, data.transcription.transcriber}, {kYear, data.transcription.year}}});
    writer.writeWithAttributes({kVillage,
                                data.village.name,
                                {{kLongitude, data.village.longitude}, {kLatitude, data.village.latitude}}});
    writer.writeWithAttributes({kWork,
                                data.work.author,
                                {{kTitle, data.work.title}, {kYear, data.work.year}, {kPlace, data.work.place}}});
    writer.writeSpeakers(data.speakers);

    doc.setModifiedFlag(true);
    doc.updateAllViews();
    return result;
}

bool isSpeakerRole(std::string_view role)
{
    return role == kSpeaker || role == kInterviewer;
}

bool checkSpeakerEntry(const SpeakerRow& row, Prompter& prompter)
{
    if (!row.id.empty() && !row.name.empty() && isSpeakerRole(row.role))
        return true;
    prompter.message(MessageKind::Warning, kTitleError, kSpeakerEntryIncomplete);
    return false;
}

std::span<const std::string_view> languageChoices() { return kLanguages; }
std::span<const std::string_view> dialectChoices() { return kDialects; }
std::span<const std::string_view> spellingChoices() { return kSpellings; }
std::span<const std::string_view> sexChoices() { return kSexes; }
std::span<const std::string_view> parishChoices() { return kParishes; }

bool isChoice(std::span<const std::string_view> choices, std::string_view value)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

}  // namespace pelmora
