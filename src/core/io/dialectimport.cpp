#include "io/dialectimport.h"

#include "common/filemessages.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "text/textformat.h"

#include <unicode/unistr.h>

#include <algorithm>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kNoFileName = QT_TRANSLATE_NOOP("core", "Sisesta faili nimi");
constexpr const char* kBadMarkupInMarkAndComment =
    QT_TRANSLATE_NOOP("core", "Vigaste märgenditega fail (1).\nPositsioon: %i.\nSõna: %s");
constexpr const char* kBadMarkupOutside = QT_TRANSLATE_NOOP("core", "Vigaste märgenditega fail (2).\nPositsioon: %i");
constexpr const char* kCannotWriteRepaired = QT_TRANSLATE_NOOP("core", "Ei saa faili avada/luua");
constexpr const char* kWrongStructure = QT_TRANSLATE_NOOP("core", "Sobimatu struktuuriga fail %s.");
constexpr const char* kSuspicious =
    QT_TRANSLATE_NOOP("core", "Kahtlased kohad (~%s) on tekstis värvilise taustaga esile tõstetud\n"
                              "ja kommentaari lahtris on märge \"import: viga\".");
constexpr const char* kSuspiciousCaption = QT_TRANSLATE_NOOP("core", "Teksti import");

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(from, start);
        if (at == std::string::npos)
            break;
        out.append(text, start, at - start);
        out.append(to);
        start = at + from.size();
    }
    out.append(text, start, std::string::npos);
    text = std::move(out);
}

std::string withNumber(std::string_view pattern, std::size_t number)
{
    std::string out(pattern);
    const std::size_t at = out.find("%i");
    if (at != std::string::npos)
        out.replace(at, 2, std::to_string(number));
    return out;
}

bool isPauseMark(std::string_view word)
{
    return word == "(.)" || word == "(...)" || word == "(--)" || word == "(---)" || word == "(-)" || word == "=";
}

std::string withoutLastFour(const std::string& path)
{
    return path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
}

// Adds the import mark to a token's comment, keeping a comment the old annotation gave.
void markSuspicious(CPelmoraDoc& doc, XmlNode token, int& count)
{
    std::string comment(attributeValue(token, kComment));
    if (comment.empty())
        comment = kImportErrorMark;
    else if (comment.find(kImportErrorMark) == std::string::npos)
        comment += "; " + std::string(kImportErrorMark);
    doc.setNodeAttribute(token, kComment, comment);
    ++count;
}

// An annotation element of a token: a child of the "mark" or of the "sne".
XmlNode annotation(XmlNode mark, XmlNode sne, const char* name)
{
    const XmlNode inMark = firstChildElement(mark, name);
    return inMark ? inMark : firstChildElement(sne, name);
}

class Converter {
public:
    Converter(CPelmoraDoc& doc, std::vector<std::string> interviewers)
        : m_doc(doc), m_interviewers(std::move(interviewers))
    {
    }

    bool convert(XmlNode record, const ImportProgress& progress)
    {
        std::size_t total = 0;
        if (progress) {
            for (XmlNode child = record.first_child(); child; child = child.next_sibling())
                ++total;
        }
        std::size_t done = 0;
        for (XmlNode child = record.first_child(); child; child = child.next_sibling()) {
            if (progress && !progress(done++, total))
                return false;
            if (isElement(child, "u")) {
                const std::string_view who = attributeValue(child, "who");
                const bool interviewer =
                    std::find(m_interviewers.begin(), m_interviewers.end(), who) != m_interviewers.end();
                newSentence(who);
                for (XmlNode part = child.first_child(); part; part = part.next_sibling()) {
                    if (isElement(part, "mark")) {
                        if (const XmlNode sne = firstChildElement(part, "sne"))
                            speakerToken(part, sne, interviewer);
                    } else if (isElement(part, "com")) {
                        commentTokens(part);
                    }
                }
            } else if (isElement(child, "com")) {
                newSentence("");
                commentTokens(child);
            }
        }
        return !progress || progress(total, total);
    }

    int suspicious() const { return m_suspicious; }

private:
    // Starts a sentence; it is added to the text with its first token, so an utterance or comment
    // without words leaves no empty sentence (which would make the text unopenable).
    void newSentence(std::string_view speaker)
    {
        m_pendingSpeaker = std::string(speaker);
        m_sentenceNode = XmlNode();
        m_token = 0;
    }

    XmlNode newToken(XmlNode sne)
    {
        if (!m_sentenceNode) {
            ++m_sentence;
            m_sentenceNode = m_doc.appendElement(m_doc.body(), kSentence);
            m_doc.setNodeAttribute(m_sentenceNode, kId, "l" + std::to_string(m_sentence));
            m_doc.setNodeAttribute(m_sentenceNode, kSpeaker, m_pendingSpeaker);
        }
        ++m_token;
        const XmlNode token = m_doc.appendElement(m_sentenceNode, kToken);
        m_doc.setNodeText(token, elementText(sne));
        m_doc.setNodeAttribute(token, kId, "l" + std::to_string(m_sentence) + "_s" + std::to_string(m_token));
        return token;
    }

    void commentTokens(XmlNode comment)
    {
        for (XmlNode sne = firstChildElement(comment, "sne"); sne; sne = nextSiblingElement(sne, "sne")) {
            const XmlNode token = newToken(sne);
            m_doc.setNodeAttribute(token, kMeta, "kommentaar");
            checkText(token);
        }
    }

    void speakerToken(XmlNode mark, XmlNode sne, bool interviewer)
    {
        const XmlNode token = newToken(sne);
        const bool punctuation = attributeValue(sne, kMeta) == "vahemärk";
        if (interviewer)
            m_doc.setNodeAttribute(token, kMeta, "intervjueerija");
        if (punctuation)
            m_doc.setNodeAttribute(token, kMeta, "vahemärk");
        if (const XmlNode fra = annotation(mark, sne, "fra"))
            m_doc.setNodeAttribute(token, kComment, elementText(fra));
        if (const XmlNode msn = annotation(mark, sne, "msn"))
            m_doc.setNodeAttribute(token, kLemma, elementText(msn));
        else if (!interviewer && !punctuation)
            markSuspicious(m_doc, token, m_suspicious);
        if (const XmlNode tah = annotation(mark, sne, "tah"))
            m_doc.setNodeAttribute(token, kMeaning, elementText(tah));
        if (const XmlNode mrf = annotation(mark, sne, "mrf"))
            convertForm(token, mrf);
        checkText(token);
    }

    void convertForm(XmlNode token, XmlNode mrf)
    {
        std::string form(elementText(mrf));
        if (!form.empty()) {
            std::replace(form.begin(), form.end(), ' ', '.');
            form += '.';
        }
        std::string_view partOfSpeech = attributeValue(mrf, "slk");
        if (partOfSpeech.empty())
            partOfSpeech = elementText(firstChildElement(mrf, "slk"));
        std::string pos(partOfSpeech);
        bool suspicious = false;
        if (pos == "Ak") {
            pos = "A";
            form += "cmp.";
        } else if (pos == "As") {
            pos = "A";
            form += "sprl.";
        } else if (pos == "X" || pos == "Muu") {
            pos.clear();
            suspicious = true;
        }
        form = expandDialectForm(form);
        if (form.find("Mn") != std::string::npos) {
            form.clear();
            pos = "Mn";
        }
        m_doc.setNodeAttribute(token, kForm, form);
        m_doc.setNodeAttribute(token, kPartOfSpeech, pos);
        if (suspicious)
            markSuspicious(m_doc, token, m_suspicious);
    }

    void checkText(XmlNode token)
    {
        if (elementText(token).find(' ') != std::string_view::npos)
            markSuspicious(m_doc, token, m_suspicious);
    }

    CPelmoraDoc& m_doc;
    std::vector<std::string> m_interviewers;
    std::string m_pendingSpeaker;
    XmlNode m_sentenceNode;
    int m_sentence = 0;
    int m_token = 0;
    int m_suspicious = 0;
};

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes)
{
    const icu::UnicodeString text(bytes.data(), static_cast<int32_t>(bytes.size()), "windows-1252");
    std::string out;
    text.toUTF8String(out);
    return out;
}

std::string repairDialectText(std::string_view input, Prompter& prompter)
{
    std::string text(input);
    replaceAll(text, "ISO-8859-1", "UTF-8");
    replaceAll(text, "<!DOCTYPE record SYSTEM \"morfo.dtd\">", "");
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n' || c == '\t'; });
    replaceAll(text, "<", " <");
    replaceAll(text, ">", "> ");
    replaceAll(text, "u who", "uwho");
    // Every run of blanks becomes one blank, so that no empty word is ever wrapped as a token.
    text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
               text.end());

    const std::size_t start = text.find("<uwho");
    std::string out = text.substr(0, std::min(start, text.size()));
    bool inMark = false;
    bool inUtterance = false;
    bool inComment = false;
    bool inTag = false;
    std::size_t position = start;
    std::size_t characters = codePointCount(out);
    while (position < text.size()) {
        std::size_t end = text.find(' ', position);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view word = std::string_view(text).substr(position, end - position);
        const std::size_t wordStart = characters;
        characters += codePointCount(word) + 1;
        position = end + 1;
        if (word.empty()) {
            out += ' ';
            continue;
        }
        if (inTag || word.front() == '<') {
            // A tag, or a piece of one after a blank inside it.
            if (word.front() == '<') {
                if (word.starts_with("<mark"))
                    inMark = true;
                else if (word.starts_with("</mark"))
                    inMark = false;
                else if (word.starts_with("<com"))
                    inComment = true;
                else if (word.starts_with("</com"))
                    inComment = false;
                else if (word.starts_with("</u>"))
                    inMark = inUtterance = inComment = false;
                if (word.find("<uwho") != std::string_view::npos)
                    inUtterance = true;
            }
            inTag = word.back() != '>';
            out += word;
            out += ' ';
            continue;
        }
        if (inUtterance && !inMark && !inComment) {
            out += isPauseMark(word) ? "<mark><sne meta=\"vahemärk\">" : "<mark><sne>";
            out += word;
            out += "</sne></mark>";
        } else if (inComment && !inMark) {
            out += "<sne>";
            out += word;
            out += "</sne>";
        } else {
            if (inMark && inComment)
                prompter.message(MessageKind::Warning, kTitleWarning,
                                 formatMessage(withNumber(translatedText(kBadMarkupInMarkAndComment), wordStart),
                                               word));
            else if (!inUtterance && !inComment)
                prompter.message(MessageKind::Warning, kTitleWarning,
                                 withNumber(translatedText(kBadMarkupOutside), wordStart));
            out += word;
        }
        out += ' ';
    }
    replaceAll(out, " <", "<");
    replaceAll(out, "> ", ">");
    replaceAll(out, "uwho", "u who");
    return out;
}

int convertDialectRecord(CPelmoraDoc& doc, XmlNode record, const std::vector<std::string>& interviewers)
{
    return convertDialectRecord(doc, record, interviewers, {});
}

int convertDialectRecord(CPelmoraDoc& doc, XmlNode record, const std::vector<std::string>& interviewers,
                         const ImportProgress& progress)
{
    Converter converter(doc, interviewers);
    if (!converter.convert(record, progress))
        return -1;
    return converter.suspicious();
}

std::string dialectRepairedPath(const std::string& inputPath) { return withoutLastFour(inputPath) + "[1].xml"; }

std::string dialectOutputPath(const std::string& inputPath) { return withoutLastFour(inputPath) + "[UTF-8].xml"; }

std::string expandDialectForm(std::string_view form)
{
    static constexpr std::pair<std::string_view, std::string_view> kExpansions[] = {
        {"n.", "nom."}, {"g.", "gen."}, {"p.", "part."}, {"v.", "vpts."}, {"ps.", "pers."}};
    std::string text(form);
    for (const auto& [from, to] : kExpansions) {
        std::string out;
        std::size_t i = 0;
        while (i < text.size()) {
            const bool atStart = i == 0 || text[i - 1] == '.';
            if (atStart && std::string_view(text).substr(i).starts_with(from)) {
                out += to;
                i += from.size();
            } else {
                out += text[i++];
            }
        }
        text = std::move(out);
    }
    return text;
}

DialectImportResult importDialectText(CPelmoraDoc& doc, const std::string& inputPath, Prompter& prompter,
                                      const TextMetadataRequest& askTextData, const ImportProgress& progress)
{
    DialectImportResult result;
    if (inputPath.empty()) {
        prompter.message(MessageKind::Warning, kTitleError, kNoFileName);
        return result;
    }
    result.repairedPath = dialectRepairedPath(inputPath);
    result.outputPath = dialectOutputPath(inputPath);
    // Neither the repaired copy nor the new text may land on the input (a link can make them one).
    for (const std::string& written : {result.repairedPath, result.outputPath}) {
        if (written == inputPath || isSameFile(written, inputPath)) {
            prompter.error(formatMessage(kOutputIsInputMessage, written));
            return result;
        }
    }
    std::string bytes;
    if (!readWholeFile(inputPath, bytes)) {
        prompter.error(formatMessage(kFileNotFoundMessage, inputPath));
        return result;
    }
    const std::string repaired = repairDialectText(cp1252ToUtf8(bytes), prompter);
    if (!replaceFileSafely(result.repairedPath, repaired)) {
        prompter.error(kCannotWriteRepaired);
        return result;
    }
    XmlDocument old;
    if (!old.load(result.repairedPath)) {
        prompter.error(formatMessage(kInvalidFileMessage, result.repairedPath));
        return result;
    }
    const XmlNode record = old.root();
    if (!isElement(record, "record")) {
        prompter.error(formatMessage(kWrongStructure, result.repairedPath));
        return result;
    }

    TextMetadata prefilled;
    prefilled.type = TextType::Oral;
    if (isElement(firstChildElement(record), "com")) {
        prefilled.village.name = attributeValue(record, "kla");
        prefilled.parish = attributeValue(record, "khk");
    }
    std::optional<TextMetadata> metadata = askImportMetadata(prefilled, askTextData, prompter);
    if (!metadata)
        return result;
    // The old corpus holds recorded speech only.
    metadata->type = TextType::Oral;

    // The new text is built beside the open one and takes its place only when it is complete.
    CPelmoraDoc built(prompter);
    if (!built.openBodyFromBuffer(emptyBodyTemplate(), result.outputPath)) {
        prompter.error(kCannotWriteOutputMessage);
        return result;
    }
    if (!writeImportMetadata(built, *metadata))
        return result;
    result.suspicious = convertDialectRecord(built, record, storedInterviewers(built), progress);
    if (result.suspicious < 0) {
        result.suspicious = 0;
        result.stopped = true;
        return result;
    }
    if (!replaceFileSafely(result.outputPath, emptyBodyTemplate())) {
        prompter.error(formatMessage(kCannotCreateMessage, result.outputPath));
        return result;
    }
    const std::string converted = built.xml().serialize();
    // A record without a word gives a text without sentences; it is opened as the body alone.
    const bool opened = built.firstToken() ? doc.openFromBuffer(converted, result.outputPath)
                                           : doc.openBodyFromBuffer(converted, result.outputPath);
    if (!opened) {
        prompter.error(kCannotWriteOutputMessage);
        return result;
    }
    doc.goToFirstToken();
    doc.setModifiedFlag(true);
    doc.updateAllViews();
    if (result.suspicious > 0)
        prompter.message(MessageKind::Information, kSuspiciousCaption,
                         formatMessage(kSuspicious, std::to_string(result.suspicious)));
    result.ok = true;
    return result;
}

}  // namespace pelmora
