#include "io/plaintextimport.h"

#include "common/filemessages.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "io/plaintextinput.h"
#include "io/sentencesplitting.h"
#include "io/tokeniser.h"
#include "text/identifiers.h"
#include "text/textformat.h"

#include <algorithm>
#include <optional>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kNoFileName = QT_TRANSLATE_NOOP("core", "Sisesta faili nimi");

constexpr char32_t kUndertie = U'\u203F';

std::string toUtf8(std::u32string_view text)
{
    std::string out;
    for (const char32_t c : text)
        appendUtf8(out, c);
    return out;
}

std::u32string_view trimSpaces(std::u32string_view text)
{
    while (!text.empty() && text.front() == U' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == U' ')
        text.remove_suffix(1);
    return text;
}

bool isSeparator(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'<' || c == U'=' || c == U'>' ||
           c == kUndertie;
}

// The text after the first "=", without trailing ">" characters.
std::u32string valueOfTag(std::u32string_view tag)
{
    std::u32string_view value = tag.substr(tag.find(U'=') + 1);
    while (!value.empty() && value.back() == U'>')
        value.remove_suffix(1);
    return std::u32string(value);
}

// The automatic "meta" of an imported token, or "" for none: a token without a letter or digit
// is punctuation, one that starts with a digit a number.
std::string_view automaticMeta(std::string_view text)
{
    std::string_view meta;
    if (!hasLetterOrDigit(text))
        meta = "vahemärk";
    if (text.front() >= '0' && text.front() <= '9')
        meta = "number";
    return meta;
}

class BodyTokenizer {
public:
    BodyTokenizer(CPelmoraDoc& doc, bool writtenText, const std::vector<std::string>& interviewers,
                  const std::vector<std::size_t>& sentenceEnds)
        : m_builder(doc), m_written(writtenText), m_ends(sentenceEnds)
    {
        for (const std::string& id : interviewers)
            m_interviewers.push_back(toLowerAscii(id));
    }

    void run(std::u32string_view body)
    {
        for (const char32_t c : body) {
            take(c);
            ++m_position;
        }
    }

private:
    void take(char32_t c)
    {
        if (!isSeparator(c)) {
            if (m_buffer == U" ")
                m_buffer.clear();
            m_buffer.push_back(c);
            return;
        }
        if (c == U'>') {
            // A ">" outside a tag joins the token and ends it.
            if (m_buffer == U" ")
                m_buffer.clear();
            m_buffer.push_back(c);
        }
        if (!m_buffer.empty() && m_buffer.front() == U'<') {
            if (c == U'=' || c == U' ') {
                m_buffer.push_back(c);
                return;
            }
            endTag();
        }
        emitBuffer();
        m_buffer = U" ";
        // A sentence end found inside the line (sentences split by their marks).
        while (m_nextEnd < m_ends.size() && m_ends[m_nextEnd] < m_position)
            ++m_nextEnd;
        if (m_nextEnd < m_ends.size() && m_ends[m_nextEnd] == m_position)
            m_builder.endSentence();
        if (c == U'<')
            m_buffer = U"<";
        if (c == kUndertie || c == U'=')
            emit(toUtf8(std::u32string_view(&c, 1)), false);
        // The speaker ends with the line, after the line's last token: a line that ends with a
        // bare line feed keeps its speaker for that token as one that ends with CR LF does.
        if (c == U'\n') {
            m_speaker.clear();
            m_builder.endSentence();
        }
    }

    void endTag()
    {
        const std::u32string_view tag = m_buffer;
        const bool hasValue = tag.find(U'=') != std::u32string_view::npos;
        if (m_written) {
            if (tag == U"<m>") m_note = true;
            else if (tag == U"<p>") m_heading = true;
            else if (tag == U"<a>") m_emphasis = true;
            else if (tag == U"<x>") m_other = true;
            else if (tag == U"</m>") m_note = false;
            else if (tag == U"</p>") m_heading = false;
            else if (tag == U"</a>") m_emphasis = false;
            else if (tag == U"</x>") m_other = false;
            if (hasValue)
                m_page = toUtf8(valueOfTag(tag));
        } else {
            if (tag == U"<com>") m_comment = true;
            else if (tag == U"</com>") m_comment = false;
            if (hasValue)
                m_speaker = toUtf8(valueOfTag(tag));
        }
        // A who value written in double quotes gives the value without them.
        const std::size_t first = m_speaker.find_first_not_of('"');
        m_speaker = first == std::string::npos ? std::string() : m_speaker.substr(first);
        m_speaker.erase(m_speaker.find_last_not_of('"') + 1);
        m_buffer = U" ";
    }

    // The collected run, split into the word and its punctuation; the marks carry no speaker role.
    void emitBuffer()
    {
        for (const SplitToken& token : splitIntoTokens(toUtf8(m_buffer)))
            emit(token.text, !token.punctuation && isInterviewer());
    }

    bool isInterviewer() const
    {
        const std::string speaker = toLowerAscii(m_speaker);
        return std::find(m_interviewers.begin(), m_interviewers.end(), speaker) != m_interviewers.end();
    }

    void emit(const std::string& text, bool interviewer)
    {
        ImportedToken token;
        token.text = text;
        token.speaker = m_speaker;
        token.page = m_page;
        token.writtenText = m_written;
        token.other = m_other;
        token.note = m_note;
        token.heading = m_heading;
        token.emphasis = m_emphasis;
        token.comment = m_comment;
        token.interviewer = interviewer;
        m_builder.append(token);
    }

    PlainTextBuilder m_builder;
    bool m_written;
    const std::vector<std::size_t>& m_ends;
    std::size_t m_nextEnd = 0;
    std::size_t m_position = 0;
    std::vector<std::string> m_interviewers;
    std::u32string m_buffer = U" ";
    std::string m_speaker = "?";
    std::string m_page = "?";
    bool m_note = false;
    bool m_heading = false;
    bool m_emphasis = false;
    bool m_other = false;
    bool m_comment = false;
};

}  // namespace

bool PlainTextBuilder::append(const ImportedToken& imported)
{
    const XmlNode current = m_doc.currentToken();
    if (imported.text.empty() || imported.text == " " || !current)
        return false;
    ++m_token;
    const bool oral = !imported.writtenText;
    // No speaker ("?", or nothing at all) writes no empty "koneleja".
    const bool namedSpeaker = !imported.speaker.empty() && imported.speaker != "?";

    XmlNode token;
    if (isElement(current, kToken) && elementText(current) == kPlaceholderToken) {
        token = current;
        if (oral && namedSpeaker)
            m_doc.setNodeAttribute(token.parent(), kSpeaker, imported.speaker);
    } else if (m_token == 1) {
        ++m_sentence;
        const XmlNode sentence = isElement(current, kBody)
                                     ? m_doc.appendElement(current, kSentence)
                                     : m_doc.insertElementAfter(current.parent().parent(), kSentence, current.parent());
        if (!sentence)
            return false;
        m_doc.setNodeAttribute(sentence, kId, sentenceId(m_sentence));
        if (oral && namedSpeaker)
            m_doc.setNodeAttribute(sentence, kSpeaker, imported.speaker);
        token = m_doc.appendElement(sentence, kToken);
    } else {
        token = m_doc.insertElementAfter(current.parent(), kToken, current);
    }
    if (!token)
        return false;

    m_doc.setNodeText(token, imported.text);
    m_doc.setNodeAttribute(token, kId, tokenId(m_sentence, m_token));
    // A page tag without a value gives an empty page, written as such.
    if (imported.writtenText)
        m_doc.setNodeAttribute(token, kPage, imported.page, CPelmoraDoc::EmptyValue::Stays);
    const auto mark = [&](bool flag, const char* name, const char* value) {
        if (flag)
            m_doc.setNodeAttribute(token, name, value);
    };
    mark(imported.other, kMeta, "muu");
    mark(imported.note, kStyle, "märkus");
    mark(imported.heading, kStyle, "pealkiri");
    mark(imported.emphasis, kStyle, "esiletõst");
    mark(imported.comment, kMeta, "kommentaar");
    mark(imported.interviewer, kMeta, "intervjueerija");
    const std::string_view meta = automaticMeta(imported.text);
    if (!meta.empty())
        m_doc.setNodeAttribute(token, kMeta, meta);

    m_doc.placeCurrentToken(token);
    m_doc.bumpLayoutRevision();
    return true;
}

std::string checkPlainTextInput(std::string_view bytes)
{
    return readPlainTextInput(bytes).refusal;
}

std::u32string decodePlainTextInput(std::string_view bytes)
{
    return readPlainTextInput(bytes).text;
}

PlainTextHeader readPlainTextHeader(const std::u32string& text)
{
    PlainTextHeader header;
    // The file (with its byte-order mark) must hold more than 10 units and start with "<info>".
    if (text.size() + 1 <= 10 || !std::u32string_view(text).starts_with(U"<info>"))
        return header;
    header.bodyStart = text.size();
    std::u32string tag;
    std::u32string buffer;
    std::size_t tagStart = 0;
    bool inTag = false;
    // Where "</info>" closed the header, with what had been read by then: a text without a
    // speaker or comment tag (a written text, mostly) goes on from there, instead of losing its
    // whole body to the header.
    std::optional<PlainTextHeader> closedByInfo;
    for (std::size_t i = 6; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'<') {
            tag = U"<";
            tagStart = i;
            inTag = true;
            continue;
        }
        if (c != U'>') {
            (inTag ? tag : buffer).push_back(c);
            continue;
        }
        tag.push_back(U'>');
        inTag = false;
        const std::string value = toUtf8(trimSpaces(buffer));
        TextMetadata& metadata = header.metadata;
        if (tag == U"</info>") {
            metadata.other = value;
            if (!closedByInfo) {
                closedByInfo = header;
                closedByInfo->bodyStart = i + 1;
            }
        } else if (tag == U"</kla>" || tag == U"</kyla>") {
            metadata.village.name = value;
        } else if (tag == U"</plk>" || tag == U"</pealkiri>") {
            metadata.work.title = value;
        } else if (tag == U"</a>" || tag == U"</aasta>") {
            metadata.work.year = value;
        } else if (tag == U"</kj>" || tag == U"</keelejuht>") {
            SpeakerRow speaker;
            speaker.role = meta::kSpeaker;
            speaker.name = value;
            metadata.speakers.push_back(std::move(speaker));
        }
        const std::u32string_view closed = tag;
        if (closed == U"<com>" || closed.starts_with(U"<who") || closed.starts_with(U"<u who")) {
            header.bodyStart = tagStart;
            return header;
        }
        buffer.clear();
    }
    return closedByInfo ? *closedByInfo : header;
}

bool tokenizePlainTextBody(CPelmoraDoc& doc, std::u32string_view body, bool writtenText,
                           const std::vector<std::string>& interviewers, const ImportProgress& progress,
                           const std::vector<std::size_t>& sentenceEnds)
{
    // Progress is told after every stretch of this many code points.
    constexpr std::size_t kStretch = 16384;
    BodyTokenizer tokenizer(doc, writtenText, interviewers, sentenceEnds);
    for (std::size_t done = 0; done < body.size();) {
        const std::size_t length = std::min(kStretch, body.size() - done);
        tokenizer.run(body.substr(done, length));
        done += length;
        if (progress && !progress(done, body.size()))
            return false;
    }
    // The space after the last unit flushes the last token.
    tokenizer.run(U" ");
    return true;
}

bool ImportPlainText(CPelmoraDoc& doc, const std::string& inputPath, const std::string& outputPath,
                     Prompter& prompter, const TextMetadataRequest& askTextData, const ImportProgress& progress,
                     const PlainTextImportOptions& options)
{
    if (inputPath.empty() || outputPath.empty()) {
        prompter.message(MessageKind::Warning, kTitleError, kNoFileName);
        return false;
    }
    if (inputPath == outputPath || isSameFile(inputPath, outputPath)) {
        prompter.message(MessageKind::Warning, kTitleError, formatMessage(kOutputIsInputMessage, outputPath));
        return false;
    }
    // The whole input is checked before the output is touched: a refused input never costs
    // the user the file chosen as output.
    std::string bytes;
    if (!readWholeFile(inputPath, bytes)) {
        prompter.error(formatMessage(kFileNotFoundMessage, inputPath));
        return false;
    }
    PlainTextInput input = readPlainTextInput(bytes);
    bytes.clear();
    if (!input.refusal.empty()) {
        prompter.error(input.refusal);
        return false;
    }
    const std::u32string text = std::move(input.text);
    const PlainTextHeader header = readPlainTextHeader(text);

    // Nothing is written before the text data is accepted: a cancel leaves the open text and the
    // file chosen as output as they were.
    const std::optional<TextMetadata> metadata = askImportMetadata(header.metadata, askTextData, prompter);
    if (!metadata)
        return false;

    // The new text is built beside the open one from the template the output file receives, and
    // takes the open one's place only when it is complete.
    CPelmoraDoc built(prompter);
    if (!built.openFromBuffer(newTextTemplate(), outputPath)) {
        prompter.error(kCannotWriteOutputMessage);
        return false;
    }
    if (!writeImportMetadata(built, *metadata))
        return false;
    // Opening made the placeholder token current: it is the insertion point.
    const std::u32string_view body = std::u32string_view(text).substr(header.bodyStart);
    const std::vector<std::size_t> ends =
        options.splitSentences ? sentenceEnds(body, options.abbreviations) : std::vector<std::size_t>();
    if (!tokenizePlainTextBody(built, body, metadata->type == TextType::Written, storedInterviewers(built), progress,
                               ends))
        return false;

    if (!replaceFileSafely(outputPath, newTextTemplate())) {
        prompter.error(formatMessage(kCannotCreateMessage, outputPath));
        return false;
    }
    if (!doc.openFromBuffer(built.xml().serialize(), outputPath)) {
        prompter.error(kCannotWriteOutputMessage);
        return false;
    }
    doc.setModifiedFlag(true);
    doc.updateAllViews();
    return true;
}

}  // namespace pelmora
