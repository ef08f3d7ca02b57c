#include "search/concordance.h"

#include "corpus/texttally.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/corpusfilereader.h"
#include "text/combinations.h"
#include "text/textformat.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <set>
#include <filesystem>
#include <system_error>

namespace pelmora {

using namespace text;

namespace {

constexpr std::size_t kTokensBetweenCancelChecks = 4096;

// Marks that lean on the word after them, and marks that lean on the word before them. Written
// out rather than taken from the Unicode categories: "“" closes a quotation in Estonian and
// Latvian text although Unicode calls it an opening quote.
constexpr std::string_view kOpeningMarks[] = {"(", "[", "{", "„", "«", "‹", "‚", "¿", "¡"};
constexpr std::string_view kClosingMarks[] = {")", "]", "}", "»", "›", "“", "”", "’", ".", ",", ";", ":", "!", "?", "…"};

template <std::size_t N>
bool isOneOf(std::string_view text, const std::string_view (&marks)[N])
{
    for (std::string_view mark : marks)
        if (text == mark)
            return true;
    return false;
}

bool isOpeningMark(std::string_view text)
{
    return isOneOf(text, kOpeningMarks);
}

bool isClosingMark(std::string_view text)
{
    return isOneOf(text, kClosingMarks);
}

// Decides whether a token is the one looked for.
class TokenMatcher {
public:
    explicit TokenMatcher(const ConcordanceRequest& request)
        : m_by(request.by), m_word(toNfc(request.word)), m_key(MakeWordFormKey(request.word))
    {
    }

    bool matches(XmlNode token) const
    {
        if (m_word.empty())
            return false;
        if (m_by == ConcordanceBy::WordForm)
            return !m_key.empty() && hasWordFormKey(elementText(token), m_key);
        if (m_by == ConcordanceBy::PartOfSpeech)
            return tokenStanding(token) == TokenStanding::Annotated &&
                   trimBlanks(attributeValue(token, kPartOfSpeech)) == m_word;
        return matchesLemma(attributeValue(token, kLemma));
    }

    // The same lemma, or the same up to case and markup, the way the dictionary compares words.
    bool matchesLemma(std::string_view lemma) const
    {
        if (m_word.empty() || lemma.empty())
            return false;
        // A lemma equal in the normal form has the same key; only a word of markup alone has none.
        if (m_key.empty())
            return sameText(lemma, m_word);
        return lemma == m_word || hasWordFormKey(lemma, m_key);
    }

private:
    ConcordanceBy m_by;
    std::string m_word;
    std::string m_key;
};

// The texts of up to `words` words before (or after) position `at` of the sentence, with the
// punctuation among them and the marks that lean on the outermost word.
std::string contextText(const std::vector<XmlNode>& sentence, std::size_t at, int words, bool before)
{
    if (words <= 0)
        return {};
    std::vector<std::string_view> texts;
    int counted = 0;
    if (before) {
        std::size_t i = at;
        while (i > 0) {
            const std::string_view text = elementText(sentence[i - 1]);
            const bool punctuation = isPunctuationToken(text);
            if (counted == words && !(punctuation && isOpeningMark(text)))
                break;
            if (!punctuation)
                ++counted;
            texts.push_back(text);
            --i;
        }
        std::reverse(texts.begin(), texts.end());
    } else {
        for (std::size_t i = at + 1; i < sentence.size(); ++i) {
            const std::string_view text = elementText(sentence[i]);
            const bool punctuation = isPunctuationToken(text);
            if (counted == words && !(punctuation && isClosingMark(text)))
                break;
            if (!punctuation)
                ++counted;
            texts.push_back(text);
        }
    }
    return joinTokens(texts);
}

ConcordanceLine makeLine(const std::vector<XmlNode>& sentence, std::size_t at, XmlNode sentenceNode, int context,
                         const std::string& file)
{
    const XmlNode token = sentence[at];
    ConcordanceLine line;
    line.left = contextText(sentence, at, context, true);
    line.token = elementText(token);
    line.right = contextText(sentence, at, context, false);
    line.lemma = attributeValue(token, kLemma);
    line.form = attributeValue(token, kForm);
    line.file = file;
    line.sentenceId = attributeValue(sentenceNode, kId);
    line.page = attributeValue(token, kPage);
    line.tokenId = attributeValue(token, kId);
    return line;
}

// The line of a combination of the sentence: from the first of its words to the last, with the
// context around that stretch. False when the identifier names none of the sentence's tokens.
bool makeCombinationLine(const std::vector<XmlNode>& sentence, XmlNode combination, XmlNode sentenceNode,
                         int context, const std::string& file, ConcordanceLine& line)
{
    std::size_t first = sentence.size();
    std::size_t last = 0;
    for (const XmlNode word : combinationWords(combination)) {
        const auto at = static_cast<std::size_t>(std::find(sentence.begin(), sentence.end(), word) - sentence.begin());
        if (at == sentence.size())
            continue;
        first = std::min(first, at);
        last = std::max(last, at);
    }
    if (first == sentence.size())
        return false;
    std::vector<std::string_view> stretch;
    for (std::size_t i = first; i <= last; ++i)
        stretch.push_back(elementText(sentence[i]));
    line = ConcordanceLine{};
    line.left = contextText(sentence, first, context, true);
    line.token = joinTokens(stretch);
    line.right = contextText(sentence, last, context, false);
    line.lemma = attributeValue(combination, kCombinationLemma);
    line.file = file;
    line.sentenceId = attributeValue(sentenceNode, kId);
    line.page = attributeValue(sentence[first], kPage);
    line.tokenId = attributeValue(sentence[first], kId);
    return true;
}

}  // namespace

std::vector<const std::string*> concordanceColumns(const ConcordanceLine& line)
{
    return {&line.left, &line.token, &line.right, &line.lemma, &line.form,
            &line.file, &line.sentenceId, &line.page, &line.tokenId};
}

std::string concordanceTsvHeader()
{
    std::string header;
    for (const char* name : kConcordanceColumns) {
        if (!header.empty())
            header.push_back('\t');
        header += name;
    }
    header.push_back('\n');
    return header;
}

std::string concordanceTsvLine(const ConcordanceLine& line)
{
    std::string out;
    bool first = true;
    for (const std::string* value : concordanceColumns(line)) {
        if (!first)
            out.push_back('\t');
        first = false;
        for (const char c : *value)
            out.push_back(c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
    }
    out.push_back('\n');
    return out;
}

bool isPunctuationToken(std::string_view text)
{
    if (text.empty())
        return false;
    std::size_t offset = 0;
    while (offset < text.size()) {
        const char32_t c = decodeUtf8(text, offset);
        if (!u_ispunct(static_cast<UChar32>(c)))
            return false;
    }
    return true;
}

std::vector<std::string> concordanceFiles(std::string_view setting, const std::string& openTextPath)
{
    namespace fs = std::filesystem;
    std::error_code error;
    std::string folder(trimBlanks(setting));
    if (folder.empty()) {
        if (openTextPath.empty())
            return {};
        const fs::path parent = fs::path(openTextPath).parent_path();
        folder = (parent.empty() ? fs::current_path(error) : parent).string();
    }
    if (!fs::is_directory(folder, error)) {
        std::vector<std::string> files;
        for (const std::string& piece : split(folder, kConcordanceFileSeparator))
            if (!trimBlanks(piece).empty())
                files.emplace_back(trimBlanks(piece));
        return files;
    }
    return corpusFilesInFolder(folder);
}

std::string concordanceFileSetting(const std::vector<std::string>& files)
{
    std::string setting;
    for (const std::string& file : files) {
        if (!setting.empty())
            setting.push_back(kConcordanceFileSeparator);
        setting += file;
    }
    return setting;
}

std::string joinTokens(const std::vector<std::string_view>& tokens)
{
    std::string out;
    bool glueNext = true;  // no blank before the first token
    for (std::string_view text : tokens) {
        const bool punctuation = isPunctuationToken(text);
        if (!glueNext && !(punctuation && isClosingMark(text)))
            out.push_back(' ');
        out.append(text);
        glueNext = punctuation && isOpeningMark(text);
    }
    return out;
}

ConcordanceResult runConcordance(const ConcordanceRequest& request, const ConcordanceSink& sink,
                                 const std::atomic<bool>* cancel)
{
    ConcordanceResult result;
    const auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    const TokenMatcher matcher(request);
    const int context = std::clamp(request.context, 0, kMaxConcordanceContext);
    const std::size_t total = request.files.size();
    std::vector<XmlNode> sentence;
    std::size_t tokensSinceCheck = 0;

    for (std::size_t done = 0; done < total; ++done) {
        if (cancelled()) {
            result.cancelled = true;
            return result;
        }
        const std::string& file = request.files[done];
        CorpusFileReader reader;
        ConcordanceSkippedFile skipped;
        if (!loadCorpusText(reader, file, skipped)) {
            if (sink.skipped)
                sink.skipped(skipped);
            result.skipped.push_back(std::move(skipped));
        } else {
            ++result.filesRead;
            // Every sentence of the body, also those after one without tokens.
            for (XmlNode s = reader.current(); s; s = nextSiblingElement(s, kSentence)) {
                sentence.clear();
                for (XmlNode t = firstChildElement(s, kToken); t; t = nextSiblingElement(t, kToken))
                    sentence.push_back(t);
                const auto found = [&](ConcordanceLine&& line) {
                    ++result.lines;
                    // Shown and filtered in the normal form, like every comparison.
                    for (std::string* text : {&line.left, &line.token, &line.right, &line.lemma, &line.form})
                        normaliseInPlace(*text);
                    if (sink.line)
                        sink.line(std::move(line));
                };
                if (request.by == ConcordanceBy::Combination) {
                    ConcordanceLine line;
                    for (XmlNode c = firstChildElement(s, kCombination); c; c = nextSiblingElement(c, kCombination))
                        if (matcher.matchesLemma(attributeValue(c, kCombinationLemma)) &&
                            makeCombinationLine(sentence, c, s, context, file, line))
                            found(std::move(line));
                } else {
                    for (std::size_t i = 0; i < sentence.size(); ++i)
                        if (matcher.matches(sentence[i]))
                            found(makeLine(sentence, i, s, context, file));
                }
                tokensSinceCheck += sentence.size();
                if (tokensSinceCheck >= kTokensBetweenCancelChecks) {
                    tokensSinceCheck = 0;
                    if (cancelled()) {
                        result.cancelled = true;
                        return result;
                    }
                }
            }
        }
        if (sink.progress)
            sink.progress(done + 1, total);
    }
    return result;
}

std::vector<ConcordanceLine> tokenLines(XmlNode body, const std::string& file, const std::vector<std::string>& ids,
                                        int context)
{
    std::vector<ConcordanceLine> lines;
    const std::set<std::string, std::less<>> wanted(ids.begin(), ids.end());
    context = std::clamp(context, 0, kMaxConcordanceContext);
    std::vector<XmlNode> sentence;
    for (XmlNode s = firstChildElement(body, kSentence); s && lines.size() < wanted.size();
         s = nextSiblingElement(s, kSentence)) {
        sentence.clear();
        for (XmlNode t = firstChildElement(s, kToken); t; t = nextSiblingElement(t, kToken))
            sentence.push_back(t);
        for (std::size_t i = 0; i < sentence.size(); ++i) {
            if (!wanted.contains(attributeValue(sentence[i], kId)))
                continue;
            ConcordanceLine line = makeLine(sentence, i, s, context, file);
            for (std::string* text : {&line.left, &line.token, &line.right, &line.lemma, &line.form})
                normaliseInPlace(*text);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

bool tokenLinesOfFile(const std::string& file, const std::vector<std::string>& ids, std::vector<ConcordanceLine>& lines,
                      ConcordanceSkippedFile& skipped, int context)
{
    CorpusFileReader reader;
    if (!loadCorpusText(reader, file, skipped))
        return false;
    lines = tokenLines(reader.body(), file, ids, context);
    return true;
}

}  // namespace pelmora
