#include "search/searchcriteria.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr std::array<const char*, kSearchFieldCount> kFieldNames = {
    text::kToken, text::kLemma, text::kMeaning, text::kPartOfSpeech, text::kForm,
    text::kMeta,  text::kStyle, text::kLatvian, text::kEnglish,      text::kComment,
};

constexpr std::string_view kAnyValue = "*";

constexpr std::string_view kKnownPartsOfSpeech[] = {
    "S", "H", "ProS", "A", "ProA", "Numj", "Nump", "ProNum", "V", "Va", "Pre", "Post",
    "Adv", "Adva", "ProAdv", "ModAdv", "Konj", "Intr", "Par", "Intj", "Ono", "Suht", "Mn", "Ms",
};

constexpr std::string_view kInflectingPartsOfSpeech[] = {
    "S", "H", "ProS", "A", "ProA", "Numj", "Nump", "ProNum", "V", "Va",
};

constexpr std::string_view kFormAbbreviations[] = {
    "pers.", "ips.", "pas.", "ind.", "knd.", "imp.", "jus.", "kvt.", "pot.", "pr.", "ipf.", "fut.", "inf.", "ger.",
    "sup.", "tav.", "nud.", "tud.", "vpts.", "sg.", "pl.", "1.", "2.", "3.", "nom.", "gen.", "dat.", "part.",
    "ill.", "in.", "el.", "all.", "ad.", "abl.", "tr.", "ter.", "es.", "ab.", "kom.", "inst.", "instl.", "deb.",
};

template <std::size_t N>
bool isOneOf(const std::string_view (&list)[N], std::string_view value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// Lower-casing for the part-of-word search; plain ASCII text skips the full Unicode mapping,
// which gives the same result for it at a fraction of the cost.
std::string lowerForMatch(std::string_view text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? toLowerAscii(text) : toLowerUnicode(text);
}

}  // namespace

std::string describeSearchCriteria(const SearchCriteria& criteria)
{
    // The captions of the search dialog's check boxes, in the order of the fields.
    static constexpr std::array<const char*, kSearchFieldCount> kCaptions = {
        QT_TRANSLATE_NOOP("core", "sõne"),         QT_TRANSLATE_NOOP("core", "märksõna"),
        QT_TRANSLATE_NOOP("core", "tähendus"),     QT_TRANSLATE_NOOP("core", "sõnaliik"),
        QT_TRANSLATE_NOOP("core", "morf. vorm"),   QT_TRANSLATE_NOOP("core", "märgendamata"),
        QT_TRANSLATE_NOOP("core", "stiil"),        QT_TRANSLATE_NOOP("core", "läti"),
        QT_TRANSLATE_NOOP("core", "inglise"),      QT_TRANSLATE_NOOP("core", "kommentaar")};
    std::string words;
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        if (!criteria.checked[i])
            continue;
        const std::string& value = criteria.values[i];
        if (!words.empty())
            words += ", ";
        words += translatedText(kCaptions[i]);
        words += ' ';
        words += value == "*"    ? translatedText(QT_TRANSLATE_NOOP("core", "suvaline"))
                 : value.empty() ? translatedText(QT_TRANSLATE_NOOP("core", "tühi"))
                                 : "„" + value + "“";
    }
    return words;
}

const char* searchFieldName(SearchField field)
{
    return kFieldNames[static_cast<std::size_t>(field)];
}

std::optional<SearchField> searchFieldFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        if (name == kFieldNames[i])
            return static_cast<SearchField>(i);
    }
    return std::nullopt;
}

void SearchCriteria::set(SearchField field, std::string_view value)
{
    const auto index = static_cast<std::size_t>(field);
    values[index] = value;
    checked[index] = true;
}

void SearchCriteria::setChoice(SearchField field, std::string_view value)
{
    set(field, value == "-" ? std::string_view() : value);
}

bool SearchCriteria::anyChecked() const
{
    return std::find(checked.begin(), checked.end(), true) != checked.end();
}

SearchCriteria suspectedErrorsCriteria()
{
    SearchCriteria criteria;
    criteria.mode = SearchMode::SuspectedErrors;
    criteria.checked[static_cast<std::size_t>(SearchField::PartOfSpeech)] = true;
    criteria.checked[static_cast<std::size_t>(SearchField::Form)] = true;
    criteria.colour = kSuspectedErrorColour;
    return criteria;
}

std::string_view searchFieldValue(XmlNode token, SearchField field)
{
    if (field == SearchField::Text)
        return elementText(token);
    return attributeValue(token, searchFieldName(field));
}

TokenMatcher::TokenMatcher(SearchCriteria criteria) : m_criteria(std::move(criteria))
{
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        const std::string& value = m_criteria.values[i];
        if (m_criteria.mode == SearchMode::Dialog)
            m_prepared[i] = static_cast<SearchField>(i) == SearchField::Text ? MakeWordFormKey(value) : toNfc(value);
        else
            m_prepared[i] = lowerForMatch(value);
    }
}

bool TokenMatcher::matches(XmlNode token) const
{
    if (!token)
        return false;
    switch (m_criteria.mode) {
    case SearchMode::Dialog:
        return matchesDialog(token);
    case SearchMode::Begins:
    case SearchMode::Ends:
    case SearchMode::Contains:
        return matchesPartOfWord(token);
    case SearchMode::SuspectedErrors:
        return isSuspicious(token, m_criteria.isChecked(SearchField::PartOfSpeech),
                            m_criteria.isChecked(SearchField::Form));
    case SearchMode::AutomaticChanges:
        return attributeValue(token, text::kAuto) == "+";
    }
    return false;
}

bool TokenMatcher::matchesDialog(XmlNode token) const
{
    std::string storage;  // a form tag's normal form, in the rare case it is spelled otherwise
    bool any = false;
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        if (!m_criteria.checked[i])
            continue;
        any = true;
        const auto field = static_cast<SearchField>(i);
        const std::string_view value = searchFieldValue(token, field);
        bool match = false;
        if (m_criteria.values[i] == kAnyValue)
            match = !value.empty();
        else if (field == SearchField::Text)
            match = hasWordFormKey(value, m_prepared[i]);
        else if (field == SearchField::Form)
            match = contains(nfcView(value, storage), m_prepared[i]);
        else
            match = sameText(value, m_prepared[i]);
        if (!match)
            return false;
    }
    return any;
}

bool TokenMatcher::matchesPartOfWord(XmlNode token) const
{
    for (std::size_t i = 0; i < kSearchFieldCount; ++i) {
        if (!m_criteria.checked[i])
            continue;
        const std::string value = lowerForMatch(searchFieldValue(token, static_cast<SearchField>(i)));
        const std::string_view sought = m_prepared[i];
        bool match = false;
        switch (m_criteria.mode) {
        case SearchMode::Begins: match = value.starts_with(sought); break;
        case SearchMode::Ends: match = value.ends_with(sought); break;
        default: match = contains(value, sought); break;
        }
        if (match)
            return true;
    }
    return false;
}

bool isSuspicious(XmlNode token, bool checkPartOfSpeech, bool checkForm)
{
    const std::string_view lemma = attributeValue(token, text::kLemma);
    const std::string_view partOfSpeech = attributeValue(token, text::kPartOfSpeech);
    const std::string_view form = attributeValue(token, text::kForm);
    if (checkPartOfSpeech) {
        if (!lemma.empty() && partOfSpeech.empty())
            return true;
        if (!partOfSpeech.empty() && !isOneOf(kKnownPartsOfSpeech, partOfSpeech))
            return true;
    }
    if (checkForm && !form.empty()) {
        const bool known = std::any_of(std::begin(kFormAbbreviations), std::end(kFormAbbreviations),
                                       [&](std::string_view abbreviation) { return contains(form, abbreviation); });
        if (!known)
            return true;
    }
    return checkPartOfSpeech && checkForm && form.empty() && isOneOf(kInflectingPartsOfSpeech, partOfSpeech);
}

}  // namespace pelmora
