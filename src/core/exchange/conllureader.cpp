#include "exchange/conllu.h"

#include "annotation/vocabularies.h"
#include "common/strings.h"
#include "common/translation.h"
#include "exchange/mappings.h"
#include "text/textformat.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <charconv>
#include <map>
#include <optional>

namespace pelmora::exchange {

using namespace text;

namespace {

constexpr std::size_t kColumns = 10;
enum Column { Id, Form, Lemma, Upos, Xpos, Feats, Head, Deprel, Deps, Misc };
using Word = std::array<std::string_view, kColumns>;

// MISC keys that go back into token fields, in the order of kTokenFields.
constexpr std::array<std::string_view, kTokenFieldCount> kFieldKeys{
    "Page", "Language", "Lemma", "GlossEt", "GlossLv", "Gloss", "Pos", "FormTag", "Reason", "Style", "Comment", "Auto"};

struct Combination {
    std::string lemma;
    std::string meaning;
    std::string partOfSpeech;
};

// A number of at most nine digits without a leading zero; none otherwise.
std::optional<int> smallNumber(std::string_view text, bool zeroAllowed = false)
{
    if (text.empty() || text.size() > 9 || (text[0] == '0' && !(zeroAllowed && text.size() == 1)))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitView(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

class Reader {
public:
    Reader(CorpusTextBuilder& builder, ExchangeReport& report) : m_builder(builder), m_report(report) {}

    bool run(std::string_view bytes, std::string& reason)
    {
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.remove_prefix(3);
        // One check of the whole input; only a refused one is looked at line by line for the reason.
        m_checkLines = !isValidUtf8(bytes);
        std::size_t start = 0;
        while (start < bytes.size()) {
            const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
            std::string_view line = bytes.substr(start, end - start);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++m_line;
            if (!readLine(line))
                break;
            start = end + 1;
        }
        if (m_error.empty())
            flushSentence();
        if (m_error.empty() && m_builder.sentenceCount() == 0)
            m_error = translatedText(QT_TRANSLATE_NOOP("core", "failis pole ühtegi lauset"));
        reason = m_error;
        return m_error.empty();
    }

private:
    bool fail(std::string why)
    {
        m_error = formatText(QT_TRANSLATE_NOOP("core", "rida %s: %s"), {std::to_string(m_line), why});
        return false;
    }

    bool readLine(std::string_view line)
    {
        if (m_checkLines && !isValidUtf8(line))
            return fail(translatedText(QT_TRANSLATE_NOOP("core", "ei ole UTF-8 tekst")));
        if (line.empty()) {
            flushSentence();
            return true;
        }
        if (line[0] == '#') {
            if (!m_words.empty())
                return fail(translatedText(QT_TRANSLATE_NOOP("core", "kommentaar lause sõnade vahel")));
            m_comments.emplace_back(line.substr(1));
            return true;
        }
        if (line[0] < '0' || line[0] > '9')
            return fail(
                translatedText(QT_TRANSLATE_NOOP("core", "tundmatu rida (ei ole sõna, kommentaar ega tühi rida)")));
        Word columns;
        std::size_t count = 0;
        for (std::size_t start = 0; start <= line.size(); ++count) {
            const std::size_t end = std::min(line.find('\t', start), line.size());
            if (count < kColumns)
                columns[count] = line.substr(start, end - start);
            start = end + 1;
        }
        if (count != kColumns)
            return fail(formatText(QT_TRANSLATE_NOOP("core", "%s veergu, peab olema %s"),
                                   {std::to_string(count), std::to_string(kColumns)}));
        if (std::any_of(columns.begin(), columns.end(), [](std::string_view c) { return c.empty(); }))
            return fail(translatedText(QT_TRANSLATE_NOOP("core", "tühi veerg")));
        return readWordLine(columns);
    }

    bool readWordLine(const Word& columns)
    {
        const std::string_view id = columns[Id];
        if (const std::size_t dash = id.find('-'); dash != std::string_view::npos) {
            const auto from = smallNumber(id.substr(0, dash));
            const auto to = smallNumber(id.substr(dash + 1));
            if (!from || !to || *from >= *to || *from != static_cast<int>(m_words.size()) + 1 || *from <= m_rangeEnd)
                return fail(formatText(QT_TRANSLATE_NOOP("core", "vigane mitmesõnalise sõne vahemik „%s“"),
                                       {std::string(id)}));
            m_rangeEnd = *to;
            m_rangeForm = std::string(columns[Form]);
            m_report.note(QT_TRANSLATE_NOOP("core", "mitmesõnalised sõned (loeti sõnadena)"));
            return true;
        }
        if (const std::size_t dot = id.find('.'); dot != std::string_view::npos) {
            if (!smallNumber(id.substr(0, dot), true) || !smallNumber(id.substr(dot + 1)))
                return fail(formatText(QT_TRANSLATE_NOOP("core", "vigane tühja sõlme ID „%s“"), {std::string(id)}));
            m_report.note(QT_TRANSLATE_NOOP("core", "tühjad sõlmed (jäeti välja)"));
            return true;
        }
        const auto number = smallNumber(id);
        if (!number)
            return fail(formatText(QT_TRANSLATE_NOOP("core", "vigane ID „%s“"), {std::string(id)}));
        if (*number != static_cast<int>(m_words.size()) + 1)
            return fail(formatText(QT_TRANSLATE_NOOP("core", "sõna ID %s, oodati %s"),
                                   {std::string(id), std::to_string(m_words.size() + 1)}));
        m_words.push_back(columns);
        if (m_rangeEnd >= *number && !m_rangeForm.empty()) {
            m_firstOfRange.push_back(m_words.size() - 1);
            m_rangeForms.push_back(std::move(m_rangeForm));
            m_rangeForm.clear();
        }
        return true;
    }

    // Comments of the sentence: the ones the import knows are taken, the others noted.
    void readComments()
    {
        for (const std::string_view comment : m_comments) {
            const std::size_t equals = comment.find('=');
            const std::string_view key = trimBlanks(comment.substr(0, equals));
            const std::string value = equals == std::string_view::npos ? std::string()
                                                                       : unescapeValue(trimBlanks(comment.substr(equals + 1)));
            if (key == "sent_id")
                m_sentenceId = value;
            else if (key == "newdoc id" && !m_textIdSet) {
                m_builder.setTextId(value);
                m_textIdSet = true;
            }
            else if (key.starts_with("meta::"))
                m_builder.addMetadata(key.substr(6), value == "_" ? std::string() : value);
            else if (key == "speaker")
                m_speaker = value;
            else if (key == "audio_start")
                m_audio = value;
            else if (key == "text_et" || key == "text_lv" || key == "text_en")
                m_translations.insert_or_assign(std::string(key.substr(5)), value);
            else if (key != "text" && key != "newdoc" && key != "newpar" && !key.starts_with("newpar "))
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "CoNLL-U kommentaar „%s“"), {std::string(key)}));
        }
    }

    void flushSentence()
    {
        if (m_words.empty()) {
            m_comments.clear();
            return;
        }
        readComments();
        const XmlNode sentence = m_builder.addSentence(sentenceIdOf(m_sentenceId));
        m_builder.setAttribute(sentence, kSpeaker, m_speaker);
        m_builder.addSpeakerUnlessKnown(m_speaker);
        m_builder.setAttribute(sentence, kAudioPosition, audioPosition(m_audio));
        for (const Translation t : kTranslations)
            m_builder.setAttribute(sentence, translationAttribute(t), m_translations[std::string(translationLanguage(t))]);
        std::map<std::vector<int>, Combination> combinations;
        for (std::size_t i = 0; i < m_words.size(); ++i)
            addWord(i, combinations);
        for (const auto& [words, combination] : combinations)
            if (!m_builder.addCombination(words, combination.lemma, combination.meaning, combination.partOfSpeech))
                m_report.note(QT_TRANSLATE_NOOP("core", "vigased ühendid (jäeti välja)"));
        m_words.clear();
        m_comments.clear();
        m_firstOfRange.clear();
        m_rangeForms.clear();
        m_rangeEnd = 0;
        m_sentenceId.clear();
        m_speaker.clear();
        m_audio.clear();
        m_translations.clear();
    }

    // "l3" from "text-l3" or "l3"; "" when the identifier holds no sentence identifier at its end.
    static std::string sentenceIdOf(std::string_view id)
    {
        const std::size_t dash = id.rfind('-');
        return std::string(dash == std::string_view::npos ? id : id.substr(dash + 1));
    }

    // Whole seconds from a time in seconds ("12" or "12.5"); "" when it is not a time.
    std::string audioPosition(std::string_view value)
    {
        if (value.empty())
            return {};
        const std::string_view whole = value.substr(0, value.find('.'));
        const std::string_view fraction = value.substr(std::min(value.size(), whole.size() + 1));
        if (!smallNumber(whole, true) || !std::all_of(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            m_report.note(QT_TRANSLATE_NOOP("core", "vigased audio_start väärtused"));
            return {};
        }
        return std::string(whole);
    }

    void addWord(std::size_t index, std::map<std::vector<int>, Combination>& combinations)
    {
        const Word& w = m_words[index];
        TokenFieldValues& fields = m_fields;
        for (std::string& value : fields)
            value.clear();
        m_inMisc.reset();
        m_text.assign(w[Form]);
        readMisc(w[Misc], combinations);
        const auto field = [&fields](TokenField f) -> std::string& { return fields[static_cast<std::size_t>(f)]; };
        const auto given = [this](TokenField f) { return m_inMisc.test(static_cast<std::size_t>(f)); };
        if (!given(TokenField::Lemma) && w[Lemma] != "_")
            field(TokenField::Lemma) = w[Lemma];
        // Features matter for the reason of an X (a foreign word) and for a form tag MISC does not give.
        std::vector<Feature> features;
        if (w[Feats] != "_" && ((!given(TokenField::Reason) && w[Upos] == "X") || !given(TokenField::Form)))
            features = parseFeatures(w[Feats]);
        if (!given(TokenField::PartOfSpeech))
            readPartOfSpeech(w, given(TokenField::Reason), field(TokenField::PartOfSpeech));
        if (!given(TokenField::Reason))
            field(TokenField::Reason) = reasonOfUpos(w[Upos], features);
        if (!given(TokenField::Form) && !features.empty())
            field(TokenField::Form) = formTagOf(std::move(features));
        if (w[Head] != "_" || w[Deprel] != "_" || w[Deps] != "_")
            m_report.note(QT_TRANSLATE_NOOP("core", "süntaks (HEAD, DEPREL, DEPS)"));
        const auto range = std::find(m_firstOfRange.begin(), m_firstOfRange.end(), index);
        if (range != m_firstOfRange.end()) {
            std::string& comment = field(TokenField::Comment);
            const std::string note = "mitmesõnaline sõne: " + m_rangeForms[static_cast<std::size_t>(range - m_firstOfRange.begin())];
            comment = comment.empty() ? note : comment + "; " + note;
        }
        m_builder.addToken(m_text, fields);
    }

    // The part of speech of a word without "Pos" in MISC: XPOS when it is one of Pelmora's codes,
    // otherwise the code its UPOS goes back to (unless a reason not to tag explains the UPOS).
    void readPartOfSpeech(const Word& w, bool hasReason, std::string& partOfSpeech)
    {
        if (partOfSpeechIndex(w[Xpos]) >= 0) {
            partOfSpeech = w[Xpos];
            return;
        }
        if (w[Xpos] != "_")
            m_report.note(QT_TRANSLATE_NOOP("core", "XPOS, mis pole Pelmora sõnaliik"));
        if (!hasReason)
            partOfSpeech = partOfSpeechOfUpos(w[Upos]);
    }

    std::string formTagOf(std::vector<Feature> features)
    {
        std::erase(features, Feature{"Foreign", "Yes"});
        FormTagOfFeatures back = formTagOfFeatures(features);
        for (const Feature& feature : back.unmapped)
            m_report.note(formatText(QT_TRANSLATE_NOOP("core", "UD tunnus %s=%s"), {feature.name, feature.value}));
        return std::move(back.tag);
    }

    // The MISC values that go into fields (marked in m_inMisc), the exact token text and the
    // combinations; other keys are noted.
    void readMisc(std::string_view column, std::map<std::vector<int>, Combination>& combinations)
    {
        if (column == "_")
            return;
        for (std::size_t start = 0; start <= column.size();) {
            const std::size_t end = std::min(column.find('|', start), column.size());
            const std::string_view entry = column.substr(start, end - start);
            start = end + 1;
            const std::size_t equals = entry.find('=');
            const std::string_view key = entry.substr(0, equals);
            const std::string_view raw = equals == std::string_view::npos ? std::string_view() : entry.substr(equals + 1);
            const auto known = std::find(kFieldKeys.begin(), kFieldKeys.end(), key);
            if (known != kFieldKeys.end()) {
                const auto f = static_cast<std::size_t>(known - kFieldKeys.begin());
                m_fields[f] = unescapeValue(raw);
                m_inMisc.set(f);
            } else if (key == "Token") {
                m_text = unescapeValue(raw);
            } else if (key == "Combination" || key == "CombinationMeaning" || key == "CombinationPos") {
                readCombination(key, unescapeValue(raw), combinations);
            } else if (key != "SpaceAfter") {
                m_report.note(formatText(QT_TRANSLATE_NOOP("core", "MISC „%s“"), {std::string(key)}));
            }
        }
    }

    void readCombination(std::string_view key, const std::string& value, std::map<std::vector<int>, Combination>& combinations)
    {
        const std::size_t colon = value.find(':');
        std::vector<int> words;
        for (const std::string_view part : splitView(std::string_view(value).substr(0, colon), ','))
            if (const auto number = smallNumber(part))
                words.push_back(*number);
        if (colon == std::string::npos || words.size() < 2) {
            m_report.note(QT_TRANSLATE_NOOP("core", "vigased ühendid (jäeti välja)"));
            return;
        }
        std::sort(words.begin(), words.end());
        Combination& combination = combinations[words];
        const std::string text = value.substr(colon + 1);
        (key == "Combination" ? combination.lemma : key == "CombinationMeaning" ? combination.meaning : combination.partOfSpeech) = text;
    }

    CorpusTextBuilder& m_builder;
    ExchangeReport& m_report;
    std::size_t m_line = 0;
    std::string m_error;
    std::vector<std::string_view> m_comments;
    std::vector<Word> m_words;
    bool m_checkLines = false;
    TokenFieldValues m_fields;
    std::bitset<kTokenFieldCount> m_inMisc;
    std::string m_text;
    std::vector<std::size_t> m_firstOfRange;
    std::vector<std::string> m_rangeForms;
    std::string m_rangeForm;
    int m_rangeEnd = 0;
    bool m_textIdSet = false;
    std::string m_sentenceId;
    std::string m_speaker;
    std::string m_audio;
    std::map<std::string, std::string, std::less<>> m_translations;
};

}  // namespace

bool readConllu(std::string_view bytes, CorpusTextBuilder& builder, ExchangeReport& report, std::string& reason)
{
    return Reader(builder, report).run(bytes, reason);
}

}  // namespace pelmora::exchange
