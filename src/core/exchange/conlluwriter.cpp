#include "exchange/conllu.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "exchange/audiotimes.h"
#include "exchange/corpusreading.h"
#include "exchange/mappings.h"
#include "text/textformat.h"

#include <array>
#include <unordered_map>
#include <unordered_set>

namespace pelmora::exchange {

using namespace text;

namespace {

// The MISC key of each token field; the lemma and the part of speech have columns and use their
// keys only when the column cannot hold the value.
constexpr std::array<std::string_view, kTokenFieldCount> kMiscKeys{
    "Page", "Language", "Lemma", "GlossEt", "GlossLv", "Gloss", "Pos", "FormTag", "Reason", "Style", "Comment", "Auto"};

constexpr std::string_view kTokenKey = "Token";

// The column text of a value and whether it is the value itself: white space runs become one
// blank, blanks at the ends go, and an empty value is "_".
struct Column {
    std::string text;
    bool exact = true;
};

Column columnOf(std::string_view value, bool blanksAllowed, bool underscoreIsValue)
{
    Column column;
    bool pendingBlank = false;
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t start = at;
        if (isUdSpace(decodeUtf8(value, at))) {
            pendingBlank = !column.text.empty();
            continue;
        }
        if (pendingBlank)
            column.text += ' ';
        pendingBlank = false;
        column.text.append(value.substr(start, at - start));
    }
    if (column.text.empty())
        column.text = "_";
    column.exact = column.text == value && (underscoreIsValue || value != "_") &&
                   (blanksAllowed || value.find(' ') == std::string_view::npos);
    return column;
}

void appendMisc(std::string& misc, std::string_view key, std::string_view value)
{
    if (!misc.empty())
        misc += '|';
    misc += key;
    misc += '=';
    appendEscapedValue(misc, value, true);
}

// "<text id>-<sentence id>" without white space or "/", made unique in the file.
std::string sentenceIdentifier(std::string_view textId, std::string_view sentenceId, std::size_t number,
                               std::unordered_set<std::string>& taken)
{
    std::string base;
    const auto append = [&base](std::string_view part) {
        for (std::size_t at = 0; at < part.size();) {
            const std::size_t start = at;
            const char32_t c = decodeUtf8(part, at);
            if (isUdSpace(c) || c == U'/')
                base += '_';
            else
                base.append(part.substr(start, at - start));
        }
    };
    append(textId);
    if (!base.empty())
        base += '-';
    append(sentenceId.empty() ? "s" + std::to_string(number) : sentenceId);
    std::string id = base;
    for (int copy = 2; !taken.insert(id).second; ++copy)
        id = base + "-" + std::to_string(copy);
    return id;
}

class Writer {
public:
    Writer(XmlNode root, ExchangeReport& report) : m_root(root), m_report(report) {}

    std::string run()
    {
        const XmlNode body = firstChildElement(m_root, kBody);
        m_textId = std::string(nfc(attributeValue(body, kId)));
        SentenceReader reader(body, m_report);
        SentenceValues sentence;
        std::size_t number = 0;
        while (reader.next(sentence)) {
            ++number;
            if (sentence.tokens.empty()) {
                m_report.note(noted::kEmptySentence);
                continue;
            }
            if (m_out.empty())
                writeDocumentComments();
            writeSentence(sentence, number);
        }
        return std::move(m_out);
    }

private:
    std::string_view nfc(std::string_view value) { return nfcView(value, m_nfc); }

    void comment(std::string_view key, std::string_view value)
    {
        if (value.empty())
            return;
        m_out += "# ";
        m_out += key;
        m_out += " = ";
        appendEscapedValue(m_out, nfc(value), false);
        m_out += '\n';
    }

    void writeDocumentComments()
    {
        comment("newdoc id", m_textId);
        if (m_textId.empty())
            m_out += "# newdoc\n";
        for (const MetadataField& field : metadataFields(firstChildElement(m_root, kInfo), m_report))
            comment("meta::" + field.key, field.value.empty() ? std::string_view("_") : std::string_view(field.value));
    }

    void writeSentence(const SentenceValues& sentence, std::size_t number)
    {
        const std::size_t count = sentence.tokens.size();
        std::vector<std::string> forms(count);
        std::vector<bool> exactForms(count);
        for (std::size_t i = 0; i < count; ++i) {
            Column form = columnOf(nfc(sentence.tokens[i].text), true, true);
            forms[i] = std::move(form.text);
            exactForms[i] = form.exact;
        }
        const std::vector<bool> blanks = blankAfter(sentence.tokens);
        m_out += "# sent_id = " + sentenceIdentifier(m_textId, nfc(sentence.id), number, m_sentenceIds) + '\n';
        m_out += "# text = " + runningText({forms.begin(), forms.end()}, blanks) + '\n';
        comment("speaker", sentence.speaker);
        // As in the other formats, a position is a whole number of seconds; another value is told.
        if (millisecondsOf(sentence.audioPosition).empty() && !sentence.audioPosition.empty())
            m_report.note(noted::kAudioPosition);
        else
            comment("audio_start", sentence.audioPosition);
        for (const Translation t : kTranslations)
            comment("text_" + std::string(translationLanguage(t)), sentence[t]);
        const std::vector<std::string> combinationMisc = combinationEntries(sentence);
        for (std::size_t i = 0; i < count; ++i)
            writeWord(sentence.tokens[i], i + 1, forms[i], exactForms[i], !blanks[i] && i + 1 < count,
                      combinationMisc[i]);
        m_out += '\n';
    }

    // The MISC entries of each word for the combinations it belongs to.
    std::vector<std::string> combinationEntries(const SentenceValues& sentence)
    {
        std::vector<std::string> entries(sentence.tokens.size());
        for (const CombinationValues& combination : sentence.combinations) {
            std::string words;
            for (const int w : combination.words)
                words += (words.empty() ? "" : ",") + std::to_string(w);
            for (const int w : combination.words)
                appendMisc(entries[static_cast<std::size_t>(w) - 1], "Combination", words + ":" + std::string(nfc(combination.lemma)));
            std::string& last = entries[static_cast<std::size_t>(combination.words.back()) - 1];
            if (!combination.meaning.empty())
                appendMisc(last, "CombinationMeaning", words + ":" + std::string(nfc(combination.meaning)));
            if (!combination.partOfSpeech.empty())
                appendMisc(last, "CombinationPos", words + ":" + std::string(nfc(combination.partOfSpeech)));
        }
        return entries;
    }

    const std::string& featuresOf(std::string_view form, std::string_view extra)
    {
        std::string key(form);
        key += '\t';
        key += extra;
        auto found = m_features.find(key);
        if (found == m_features.end()) {
            std::vector<Feature> features = featuresOfFormTag(form);
            for (Feature& feature : parseFeatures(extra))
                features.push_back(std::move(feature));
            found = m_features.emplace(std::move(key), formatFeatures(std::move(features))).first;
        }
        return found->second;
    }

    void writeWord(const TokenValues& token, std::size_t id, const std::string& form, bool exactForm, bool noSpace,
                   const std::string& combinations)
    {
        std::string misc;
        if (!exactForm)
            appendMisc(misc, kTokenKey, nfc(token.text));
        const Column lemma = columnOf(nfc(token[TokenField::Lemma]), true, false);
        const std::string_view partOfSpeech = token[TokenField::PartOfSpeech];
        const Column xpos = columnOf(partOfSpeech, false, false);
        const std::string_view reason = token[TokenField::Reason];
        const UposOfToken upos = uposOfToken(partOfSpeech, reason);
        for (std::size_t f = 0; f < kTokenFieldCount; ++f) {
            const TokenField field = kTokenFields[f];
            const bool inColumn = (field == TokenField::Lemma && lemma.exact) || (field == TokenField::PartOfSpeech && xpos.exact);
            if (!token.fields[f].empty() && !inColumn)
                appendMisc(misc, kMiscKeys[f], nfc(token.fields[f]));
        }
        if (!combinations.empty())
            misc += (misc.empty() ? "" : "|") + combinations;
        if (noSpace)
            misc += misc.empty() ? "SpaceAfter=No" : "|SpaceAfter=No";

        const std::string_view xposColumn = xpos.exact ? std::string_view(xpos.text) : std::string_view("_");
        const std::string_view miscColumn = misc.empty() ? std::string_view("_") : std::string_view(misc);
        const std::string& feats = featuresOf(nfc(token[TokenField::Form]), upos.features);
        const std::array<std::string_view, 9> columns{form, lemma.text, upos.upos, xposColumn, feats, "_", "_", "_", miscColumn};
        m_out += std::to_string(id);
        for (const std::string_view column : columns) {
            m_out += '\t';
            m_out += column;
        }
        m_out += '\n';
    }

    XmlNode m_root;
    ExchangeReport& m_report;
    std::string m_out;
    std::string m_textId;
    std::string m_nfc;
    std::unordered_set<std::string> m_sentenceIds;
    std::unordered_map<std::string, std::string> m_features;
};

void appendHex(std::string& out, char32_t c)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kDigits[(c >> shift) & 0xF];
}

}  // namespace

bool isUdSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || (c >= 0x1C && c <= 0x20) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

void appendEscapedValue(std::string& out, std::string_view value, bool inMisc)
{
    bool previousSpace = true;  // the start of the value counts as white space
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t start = at;
        const char32_t c = decodeUtf8(value, at);
        const bool space = isUdSpace(c);
        switch (c) {
        case U'\\': out += "\\\\"; break;
        case U'\t': out += "\\t"; break;
        case U'\n': out += "\\n"; break;
        case U'\r': out += "\\r"; break;
        case U'|':
            out += inMisc ? "\\p" : "|";
            break;
        case U' ': {
            std::size_t next = at;
            const bool nextSpace = at >= value.size() || isUdSpace(decodeUtf8(value, next));
            out += previousSpace || nextSpace ? "\\s" : " ";
            break;
        }
        default:
            if (space)
                appendHex(out, c);
            else
                out.append(value.substr(start, at - start));
        }
        previousSpace = space;
    }
}

std::string unescapeValue(std::string_view value)
{
    if (value.find('\\') == std::string_view::npos)
        return std::string(value);
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[i + 1];
        const char* plain = next == '\\' ? "\\" : next == 'p' ? "|" : next == 't' ? "\t" : next == 'n' ? "\n"
                            : next == 'r' ? "\r" : next == 's' ? " " : nullptr;
        if (plain != nullptr) {
            out += plain;
            ++i;
            continue;
        }
        unsigned code = 0;
        bool hex = next == 'u' && i + 5 < value.size();
        for (std::size_t k = 0; hex && k < 4; ++k) {
            const char d = value[i + 2 + k];
            const int digit = d >= '0' && d <= '9' ? d - '0' : d >= 'A' && d <= 'F' ? d - 'A' + 10
                              : d >= 'a' && d <= 'f' ? d - 'a' + 10 : -1;
            hex = digit >= 0;
            code = code * 16 + static_cast<unsigned>(digit < 0 ? 0 : digit);
        }
        if (hex && isUdSpace(code)) {
            appendUtf8(out, code);
            i += 5;
            continue;
        }
        out += value[i];
    }
    return out;
}

std::string writeConllu(XmlNode root, ExchangeReport& report)
{
    return Writer(root, report).run();
}

}  // namespace pelmora::exchange
