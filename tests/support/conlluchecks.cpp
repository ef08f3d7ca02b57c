// CoNLL-U's level-1 rules and the level-2 rules that need no syntax, as UD's validator states them
// (columns, white space, NFC, word ids and ranges, UPOS, FEATS, sent_id, text, repeated MISC keys).
#include "exchangesupport.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "exchange/conllu.h"

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace pelmora::test {

namespace {

constexpr std::array<std::string_view, 17> kUpos{"ADJ", "ADP", "ADV",  "AUX",  "CCONJ", "DET", "INTJ", "NOUN", "NUM",
                                                "PART", "PRON", "PROPN", "PUNCT", "SCONJ", "SYM", "VERB", "X"};

bool hasSpace(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();)
        if (exchange::isUdSpace(decodeUtf8(text, at)))
            return true;
    return false;
}

// No white space at either end and never two in a row.
bool spacedWell(std::string_view text)
{
    bool previous = true;
    for (std::size_t at = 0; at < text.size();) {
        const bool space = exchange::isUdSpace(decodeUtf8(text, at));
        if (space && previous)
            return false;
        previous = space;
    }
    return !previous || text.empty();
}

bool isNumber(std::string_view t)
{
    return !t.empty() && t[0] != '0' && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isAlnumName(std::string_view t, bool layered)
{
    if (t.empty() || !(std::isupper(static_cast<unsigned char>(t[0])) || std::isdigit(static_cast<unsigned char>(t[0]))))
        return false;
    std::size_t end = t.size();
    if (layered && t.back() == ']') {
        const std::size_t open = t.find('[');
        if (open == std::string_view::npos)
            return false;
        end = open;
    }
    return std::all_of(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(end),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

std::string lower(std::string_view t) { return toLowerAscii(t); }

std::string featsError(std::string_view feats)
{
    if (feats == "_")
        return {};
    const std::vector<std::string> list = split(feats, '|');
    std::vector<std::string> lowered;
    std::set<std::string> names;
    for (const std::string& entry : list) {
        const std::size_t equals = entry.find('=');
        if (equals == std::string::npos || !isAlnumName(std::string_view(entry).substr(0, equals), true))
            return "invalid feature " + entry;
        const std::vector<std::string> values = split(std::string_view(entry).substr(equals + 1), ',');
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!isAlnumName(values[i], false))
                return "invalid feature value " + entry;
            if (i > 0 && lower(values[i - 1]) >= lower(values[i]))
                return "unsorted or repeated feature values " + entry;
        }
        if (!names.insert(entry.substr(0, equals)).second)
            return "repeated feature " + entry;
        lowered.push_back(lower(entry));
    }
    return std::is_sorted(lowered.begin(), lowered.end()) ? std::string() : "unsorted features " + std::string(feats);
}

struct Sentence {
    std::vector<std::string> comments;
    std::vector<std::vector<std::string>> rows;
};

std::string sentenceError(const Sentence& s, std::set<std::string>& sentenceIds)
{
    std::vector<std::string> ids, texts;
    for (const std::string& comment : s.comments) {
        if (comment.starts_with("# sent_id"))
            ids.push_back(std::string(trimBlanks(comment.substr(comment.find('=') + 1))));
        if (comment.starts_with("# text =") || comment.starts_with("# text="))
            texts.push_back(comment.substr(comment.find('=') + 2));
    }
    if (ids.size() != 1 || ids[0].empty() || hasSpace(ids[0]) || ids[0].find('/') != std::string::npos)
        return "missing, repeated or malformed sent_id";
    if (!sentenceIds.insert(ids[0]).second)
        return "sent_id not unique: " + ids[0];
    if (texts.size() != 1 || texts[0].empty() || exchange::isUdSpace(static_cast<unsigned char>(texts[0].back())))
        return "missing, repeated or badly ended text";
    std::string_view rest = texts[0];
    int expected = 1, rangeEnd = 0;
    for (const std::vector<std::string>& cols : s.rows) {
        const std::string& id = cols[0];
        const bool range = id.find('-') != std::string::npos;
        if (id.find('.') != std::string::npos)
            continue;
        if (range) {
            const std::size_t dash = id.find('-');
            if (!isNumber(id.substr(0, dash)) || !isNumber(id.substr(dash + 1)) || std::stoi(id.substr(0, dash)) != expected ||
                std::stoi(id.substr(dash + 1)) <= expected)
                return "bad range " + id;
            rangeEnd = std::stoi(id.substr(dash + 1));
        } else {
            if (!isNumber(id) || std::stoi(id) != expected)
                return "word ids out of sequence at " + id;
            ++expected;
            if (std::stoi(id) <= rangeEnd)
                continue;  // a word of a multi-word token: its range carries the text
            if (std::find(kUpos.begin(), kUpos.end(), cols[3]) == kUpos.end())
                return "unknown UPOS " + cols[3];
            if (const std::string error = featsError(cols[5]); !error.empty())
                return error;
        }
        if (!rest.starts_with(cols[1]))
            return "text does not match the form " + cols[1];
        rest.remove_prefix(cols[1].size());
        const std::vector<std::string> misc = split(cols[9], '|');
        std::set<std::string> keys;
        for (const std::string& entry : misc) {
            const std::string key = entry.substr(0, entry.find('='));
            if ((key == "SpaceAfter" || key == "Gloss" || key == "Translit" || key == "LTranslit" || key == "LId" ||
                 key == "LDeriv") && !keys.insert(key).second)
                return "MISC key repeated: " + key;
        }
        const bool noSpace = std::find(misc.begin(), misc.end(), "SpaceAfter=No") != misc.end();
        if (!noSpace && !rest.empty()) {
            if (rest[0] != ' ')
                return "SpaceAfter=No missing after " + cols[1];
            rest.remove_prefix(1);
        }
    }
    return rest.empty() ? std::string() : "text has more than the forms: " + std::string(rest);
}

std::string rowError(const std::vector<std::string>& cols)
{
    if (cols.size() != 10)
        return "not 10 columns";
    for (std::size_t i = 0; i < cols.size(); ++i) {
        if (cols[i].empty())
            return "empty column";
        if (!spacedWell(cols[i]))
            return "white space at an end or repeated in column " + std::to_string(i + 1);
        if (i != 1 && i != 2 && i != 9 && hasSpace(cols[i]))
            return "white space in column " + std::to_string(i + 1);
    }
    return {};
}

}  // namespace

std::string conlluErrors(std::string_view text)
{
    if (text.find('\r') != std::string_view::npos)
        return "line ends other than LF";
    if (!text.ends_with("\n\n"))
        return "no blank line after the last sentence";
    std::set<std::string> sentenceIds;
    Sentence sentence;
    std::size_t line = 0;
    for (const std::string& row : split(text.substr(0, text.size() - 1), '\n')) {
        ++line;
        const std::string where = "line " + std::to_string(line) + ": ";
        if (!isValidUtf8(row) || !isNfc(row))
            return where + "not UTF-8 in NFC";
        if (row.empty()) {
            if (sentence.rows.empty())
                return where + "blank line without a sentence";
            if (const std::string error = sentenceError(sentence, sentenceIds); !error.empty())
                return where + error;
            sentence = Sentence{};
        } else if (row[0] == '#') {
            if (!sentence.rows.empty())
                return where + "comment inside a sentence";
            sentence.comments.push_back(row);
        } else if (row[0] >= '0' && row[0] <= '9') {
            const std::vector<std::string> cols = split(row, '\t');
            if (const std::string error = rowError(cols); !error.empty())
                return where + error;
            sentence.rows.push_back(cols);
        } else {
            return where + "neither word, comment nor blank";
        }
    }
    return {};
}

}  // namespace pelmora::test
