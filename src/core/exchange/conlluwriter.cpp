#include "exchange/conllu.h"

#include "common/normalisation.h"
#include "common/orderedblocks.h"
#include "common/strings.h"
#include "exchange/audiotimes.h"
#include "exchange/corpusreading.h"
#include "exchange/mappings.h"
#include "text/textformat.h"

#include <array>
#include <charconv>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace pelmora::exchange {

using namespace text;

namespace {

// The MISC key of each token field; the lemma and the part of speech have columns and use their
// keys only when the column cannot hold the value.
constexpr std::array<std::string_view, kTokenFieldCount> kMiscKeys{
    "Page", "Language", "Lemma", "GlossEt", "GlossLv", "Gloss", "Pos", "FormTag", "Reason", "Style", "Comment", "Auto"};

constexpr std::string_view kTokenKey = "Token";

// The bytes of the white space character (as UD's validator counts white space) that starts at
// `at`, or 0: read from the bytes without decoding, since nearly every value has none.
inline std::size_t spaceLength(std::string_view s, std::size_t at)
{
    if (at < s.size() && static_cast<unsigned char>(s[at]) > 0x20 && static_cast<unsigned char>(s[at]) < 0xC2)
        return 0;  // printable ASCII and the lead bytes of Latin, Greek, Cyrillic letters: never white space
    const auto byte = [&s](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const unsigned b = byte(at);
    if ((b >= 0x09 && b <= 0x0D) || (b >= 0x1C && b <= 0x20))
        return 1;
    if (b == 0xC2)
        return byte(at + 1) == 0x85 || byte(at + 1) == 0xA0 ? 2 : 0;
    if (b == 0xE1)
        return byte(at + 1) == 0x9A && byte(at + 2) == 0x80 ? 3 : 0;
    if (b == 0xE2) {
        const unsigned second = byte(at + 1), third = byte(at + 2);
        const bool space = (second == 0x80 && ((third >= 0x80 && third <= 0x8A) || third == 0xA8 || third == 0xA9 ||
                                               third == 0xAF)) ||
                           (second == 0x81 && third == 0x9F);
        return space ? 3 : 0;
    }
    if (b == 0xE3)
        return byte(at + 1) == 0x80 && byte(at + 2) == 0x80 ? 3 : 0;
    return 0;
}

// A column's text for a value: the value itself when the column can hold it (`exact`), else with
// white space runs made one blank, blanks at the ends dropped and "_" for nothing.
struct Column {
    std::string_view text;
    bool exact = true;
    std::string storage;
    std::string normalised;  // the value's NFC, when it is not NFC already
};

void fillColumn(Column& column, std::string_view value, bool blanksAllowed, bool underscoreIsValue)
{
    bool plain = !value.empty() && (underscoreIsValue || value != "_");
    for (std::size_t at = 0; plain && at < value.size(); ++at) {
        if (value[at] == ' ')
            plain = blanksAllowed && at > 0 && at + 1 < value.size() && value[at - 1] != ' ' && spaceLength(value, at + 1) == 0;
        else
            plain = spaceLength(value, at) == 0;
    }
    column.exact = plain;
    if (plain) {
        column.text = value;
        return;
    }
    column.storage.clear();
    bool pendingBlank = false;
    for (std::size_t at = 0; at < value.size();) {
        if (const std::size_t length = spaceLength(value, at)) {
            pendingBlank = !column.storage.empty();
            at += length;
            continue;
        }
        if (pendingBlank)
            column.storage += ' ';
        pendingBlank = false;
        column.storage += value[at++];
    }
    if (column.storage.empty())
        column.storage = "_";
    column.text = column.storage;
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

// A sentence as the writing plans it before any is read: its element, its "# sent_id" (made unique
// in the file in text order; empty for a sentence without tokens, which is left out), whether its
// identifier is one an import cannot give back, and whether the text's comments go before it.
struct PlannedSentence {
    XmlNode element;
    std::string identifier;
    bool unusableId = false;
    bool documentFirst = false;
};

// The blocks of one or more sentences and what they gave: their lines and their notes.
struct Block {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string out;
    ExchangeReport report;
};

// Writes the lines of sentences. Each thread has its own: it keeps buffers and the features made
// from form tags from one sentence to the next.
class SentenceFormatter {
public:
    SentenceFormatter(XmlNode root, const std::string& textId) : m_root(root), m_textId(textId) {}

    // The lines of the block's sentences into its text, what they cannot hold into its report, in
    // the order one reading of the text meets them.
    void format(const std::vector<PlannedSentence>& plan, Block& block)
    {
        m_out = &block.out;
        m_report = &block.report;
        for (std::size_t at = block.begin; at < block.end; ++at) {
            const PlannedSentence& planned = plan[at];
            readSentence(planned.element, m_sentence, block.report);
            if (planned.unusableId)
                block.report.note(noted::kSentenceId);
            if (m_sentence.tokens.empty()) {
                block.report.note(noted::kEmptySentence);
                continue;
            }
            if (planned.documentFirst)
                writeDocumentComments();
            writeSentence(m_sentence, planned.identifier);
        }
    }

private:
    std::string_view nfc(std::string_view value) { return nfcView(value, m_nfc); }
    static std::string_view nfc(std::string_view value, std::string& storage) { return nfcView(value, storage); }

    void comment(std::string_view key, std::string_view value)
    {
        if (value.empty())
            return;
        std::string& out = *m_out;
        out += "# ";
        out += key;
        out += " = ";
        appendEscapedValue(out, nfc(value), false);
        out += '\n';
    }

    void writeDocumentComments()
    {
        comment("newdoc id", m_textId);
        if (m_textId.empty())
            *m_out += "# newdoc\n";
        for (const MetadataField& field : metadataFields(firstChildElement(m_root, kInfo), *m_report))
            comment("meta::" + field.key, field.value.empty() ? std::string_view("_") : std::string_view(field.value));
    }

    void writeSentence(const SentenceValues& sentence, const std::string& identifier)
    {
        const std::size_t count = sentence.tokens.size();
        if (m_forms.size() < count)
            m_forms.resize(count);
        m_words.clear();
        for (std::size_t i = 0; i < count; ++i) {
            fillColumn(m_forms[i], nfc(sentence.tokens[i].text, m_forms[i].normalised), true, true);
            m_words.push_back(m_forms[i].text);
        }
        const std::vector<bool> blanks = blankAfter(sentence.tokens);
        std::string& out = *m_out;
        out += "# sent_id = ";
        out += identifier;
        out += "\n# text = ";
        out += runningText(m_words, blanks);
        out += '\n';
        comment("speaker", sentence.speaker);
        // As in the other formats, a position is a whole number of seconds; another value is told.
        if (millisecondsOf(sentence.audioPosition).empty() && !sentence.audioPosition.empty())
            m_report->note(noted::kAudioPosition);
        else
            comment("audio_start", sentence.audioPosition);
        for (const Translation t : kTranslations)
            comment("text_" + std::string(translationLanguage(t)), sentence[t]);
        combinationEntries(sentence);
        for (std::size_t i = 0; i < count; ++i)
            writeWord(sentence.tokens[i], i + 1, m_forms[i], !blanks[i] && i + 1 < count);
        out += '\n';
    }

    // The MISC entries of each word for the combinations it belongs to.
    void combinationEntries(const SentenceValues& sentence)
    {
        m_combinations.assign(sentence.tokens.size(), std::string());
        for (const CombinationValues& combination : sentence.combinations) {
            std::string words;
            for (const int w : combination.words)
                words += (words.empty() ? "" : ",") + std::to_string(w);
            for (const int w : combination.words)
                appendMisc(m_combinations[static_cast<std::size_t>(w) - 1], "Combination",
                           words + ":" + std::string(nfc(combination.lemma)));
            std::string& last = m_combinations[static_cast<std::size_t>(combination.words.back()) - 1];
            if (!combination.meaning.empty())
                appendMisc(last, "CombinationMeaning", words + ":" + std::string(nfc(combination.meaning)));
            if (!combination.partOfSpeech.empty())
                appendMisc(last, "CombinationPos", words + ":" + std::string(nfc(combination.partOfSpeech)));
        }
    }

    // The FEATS of a form tag as the text stores it, with a foreign word's mark; made once per tag.
    const std::string& featuresOf(std::string_view form, std::string_view extra)
    {
        auto& cache = m_features[extra.empty() ? 0 : 1];
        auto found = cache.find(form);
        if (found == cache.end()) {
            std::string storage;
            std::vector<Feature> features = featuresOfFormTag(nfcView(form, storage));
            for (Feature& feature : parseFeatures(extra))
                features.push_back(std::move(feature));
            found = cache.emplace(form, formatFeatures(std::move(features))).first;
        }
        return found->second;
    }

    void writeWord(const TokenValues& token, std::size_t id, const Column& form, bool noSpace)
    {
        std::string& misc = m_misc;
        misc.clear();
        if (!form.exact)
            appendMisc(misc, kTokenKey, nfc(token.text));
        fillColumn(m_lemma, nfc(token[TokenField::Lemma], m_lemma.normalised), true, false);
        const std::string_view partOfSpeech = token[TokenField::PartOfSpeech];
        fillColumn(m_xpos, partOfSpeech, false, false);
        const UposOfToken upos = uposOfToken(partOfSpeech, token[TokenField::Reason]);
        for (std::size_t f = 0; f < kTokenFieldCount; ++f) {
            const TokenField field = kTokenFields[f];
            const bool inColumn = (field == TokenField::Lemma && m_lemma.exact) || (field == TokenField::PartOfSpeech && m_xpos.exact);
            if (!token.fields[f].empty() && !inColumn)
                appendMisc(misc, kMiscKeys[f], nfc(token.fields[f]));
        }
        if (!m_combinations[id - 1].empty())
            misc += (misc.empty() ? "" : "|") + m_combinations[id - 1];
        if (noSpace)
            misc += misc.empty() ? "SpaceAfter=No" : "|SpaceAfter=No";

        const std::array<std::string_view, 9> columns{
            form.text, m_lemma.text, upos.upos, m_xpos.exact ? m_xpos.text : std::string_view("_"),
            featuresOf(token[TokenField::Form], upos.features), "_", "_", "_",
            misc.empty() ? std::string_view("_") : std::string_view(misc)};
        std::string& out = *m_out;
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, id).ptr;
        out.append(digits, end);
        for (const std::string_view column : columns) {
            out += '\t';
            out += column;
        }
        out += '\n';
    }

    XmlNode m_root;
    const std::string& m_textId;
    std::string* m_out = nullptr;
    ExchangeReport* m_report = nullptr;
    SentenceValues m_sentence;
    std::string m_nfc;
    // By the form tag as the tree holds it (the views live as long as the tree), without and with
    // the foreign word's mark.
    std::array<std::unordered_map<std::string_view, std::string>, 2> m_features;
    std::vector<Column> m_forms;
    std::vector<std::string_view> m_words;
    std::vector<std::string> m_combinations;
    Column m_lemma;
    Column m_xpos;
    std::string m_misc;
};

// Sentences per block: a few hundred kilobytes of lines.
constexpr std::size_t kBlockSentences = 512;

class Writer {
public:
    Writer(XmlNode root, ExchangeReport& report, const ExportSink& sink) : m_root(root), m_report(report), m_sink(sink) {}

    // The sentences are planned in text order first (identifiers, notes of the body); their lines
    // are then made a round of blocks at a time, a block per thread, and passed on in text order,
    // so that a long text is never held whole and its notes come in the order of the text.
    bool run()
    {
        const XmlNode body = firstChildElement(m_root, kBody);
        const std::string textId(nfcView(attributeValue(body, kId), m_nfc));
        const std::vector<PlannedSentence> plan = planSentences(body, textId);
        const std::size_t threads = orderedBlockThreads(plan.size(), kBlockSentences);
        std::vector<SentenceFormatter> formatters(threads, SentenceFormatter(m_root, textId));
        std::vector<Block> round(threads);
        return makeInOrderedBlocks(
            plan.size(), kBlockSentences, threads,
            [&](std::size_t slot, std::size_t from, std::size_t to) {
                round[slot].begin = from;
                round[slot].end = to;
                formatters[slot].format(plan, round[slot]);
            },
            [&](std::size_t slot) {
                Block& block = round[slot];
                m_report.add(block.report);
                block.report = ExchangeReport();
                const bool passed = block.out.empty() || m_sink(block.out);
                block.out.clear();
                return passed;
            });
    }

private:
    std::vector<PlannedSentence> planSentences(XmlNode body, const std::string& textId)
    {
        std::vector<PlannedSentence> plan;
        std::unordered_set<std::string> taken;
        SentenceReader reader(body, m_report);
        bool first = true;
        PlannedSentence planned;
        while ((planned.element = reader.nextElement(planned.unusableId))) {
            planned.identifier.clear();
            planned.documentFirst = false;
            if (firstChildElement(planned.element, kToken)) {
                planned.identifier = sentenceIdentifier(textId, nfcView(attributeValue(planned.element, kId), m_nfc),
                                                        plan.size() + 1, taken);
                planned.documentFirst = std::exchange(first, false);
            }
            plan.push_back(planned);
        }
        return plan;
    }

    XmlNode m_root;
    ExchangeReport& m_report;
    const ExportSink& m_sink;
    std::string m_nfc;
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
    // Most values need nothing: no "\\", no "|" (in MISC), no white space but single blanks inside.
    bool plain = true;
    for (std::size_t at = 0; plain && at < value.size(); ++at) {
        const char c = value[at];
        if (c == ' ')
            plain = at > 0 && at + 1 < value.size() && value[at - 1] != ' ' && spaceLength(value, at + 1) == 0;
        else
            plain = c != '\\' && (c != '|' || !inMisc) && spaceLength(value, at) == 0;
    }
    if (plain) {
        out += value;
        return;
    }
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

bool writeConllu(XmlNode root, ExchangeReport& report, const ExportSink& sink)
{
    return Writer(root, report, sink).run();
}

}  // namespace pelmora::exchange
