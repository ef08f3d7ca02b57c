// Reading a corpus text for an export: the values of each sentence and token in one pass over their
// attributes, the words of each combination, the running text of a sentence, the text's metadata as
// named fields, and the note of everything a format will not carry.
#pragma once

#include "common/translation.h"
#include "exchange/exchangereport.h"
#include "xml/xmldocument.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace pelmora::exchange {

// The token attributes every format carries, in the order an import writes them.
enum class TokenField { Page, Language, Lemma, Meaning, Latvian, English, PartOfSpeech, Form, Reason, Style, Comment, Auto };
inline constexpr std::size_t kTokenFieldCount = 12;
inline constexpr std::array<TokenField, kTokenFieldCount> kTokenFields{
    TokenField::Page,         TokenField::Language, TokenField::Lemma,  TokenField::Meaning,
    TokenField::Latvian,      TokenField::English,  TokenField::PartOfSpeech, TokenField::Form,
    TokenField::Reason,       TokenField::Style,    TokenField::Comment, TokenField::Auto};

// The attribute name of a field in a corpus text ("lk", "keel", "lemma", ...).
const char* tokenFieldAttribute(TokenField field);

// One token: its text, its identifier and the values of the fields ("" when absent). The views
// point into the tree and live as long as it does.
struct TokenValues {
    std::string_view text;
    std::string_view id;
    std::array<std::string_view, kTokenFieldCount> fields{};
    std::string_view operator[](TokenField f) const { return fields[static_cast<std::size_t>(f)]; }
};

// Sentence translations: Estonian, Latvian, English ("eelause", "ltlause", "inglause").
enum class Translation { Estonian, Latvian, English };
inline constexpr std::array<Translation, 3> kTranslations{Translation::Estonian, Translation::Latvian, Translation::English};
const char* translationAttribute(Translation translation);
// The language code of a translation ("et", "lv", "en").
std::string_view translationLanguage(Translation translation);

// One combination of a sentence: the positions of its words among the sentence's tokens (from 1,
// ascending) and its values.
struct CombinationValues {
    std::vector<int> words;
    std::string_view lemma;
    std::string_view meaning;
    std::string_view partOfSpeech;
};

// One sentence with its tokens and combinations.
struct SentenceValues {
    std::string_view id;
    std::string_view speaker;
    std::string_view audioPosition;
    std::array<std::string_view, 3> translations{};
    std::vector<TokenValues> tokens;
    std::vector<CombinationValues> combinations;
    std::string_view operator[](Translation t) const { return translations[static_cast<std::size_t>(t)]; }
};

// Reads a sentence; what no format carries (unknown attributes, comments and other nodes inside the
// sentence, combinations that name a missing word, token identifiers an import cannot give back) is
// noted in the report. `out` is reused, so that a long text does not allocate per sentence.
void readSentence(XmlNode sentence, SentenceValues& out, ExchangeReport& report);

// Reads the sentences of a body in order, noting besides readSentence what lies in the body beside
// the sentences and sentence identifiers an import cannot give back (not "l<number>", or repeated).
class SentenceReader {
public:
    SentenceReader(XmlNode body, ExchangeReport& report);
    // Reads the next sentence into `out`; false after the last.
    bool next(SentenceValues& out);
    // The next sentence element without reading it (null after the last), and whether its
    // identifier is one an import cannot give back; noting that is then left to the caller.
    XmlNode nextElement(bool& unusableId);

private:
    XmlNode m_next;
    ExchangeReport& m_report;
    std::unordered_set<std::string> m_ids;
};

// Whether a blank follows each token in running text: none before a closing mark (",", ".", ")",
// ...) or after an opening one ("(", "„", ...); straight and English quotes alternate between
// opening and closing. The last token has none.
std::vector<bool> blankAfter(const std::vector<TokenValues>& tokens);

// The sentence as running text, with a blank after each token where `blanks` says so.
std::string runningText(const std::vector<std::string_view>& words, const std::vector<bool>& blanks);

// One metadata value: the element of "info" and its attribute, as a key ("kyla@longituud";
// a second element of the same name "keelejuht.2"), and its value.
struct MetadataField {
    std::string key;
    std::string value;
};

// The text's metadata as fields in document order: for each element its text (also when empty and
// it has no attributes, so that it comes back) and its attributes. Nested elements and other nodes
// in "info" are noted as left out.
std::vector<MetadataField> metadataFields(XmlNode info, ExchangeReport& report);

// Puts a field back into "info" (made as the root's first child when missing), making the elements
// up to the named occurrence. False for a key that names no element this way.
bool addMetadataField(XmlNode root, std::string_view key, std::string_view value);

// Whether the text is an identifier Pelmora gives a sentence ("l" and a number from 1).
bool isSentenceIdentifier(std::string_view id);

// Report kinds shared by the formats.
namespace noted {
inline constexpr const char* kEmptySentence = QT_TRANSLATE_NOOP("core", "laused ilma sõnedeta");
inline constexpr const char* kSentenceId =
    QT_TRANSLATE_NOOP("core", "lause id, mis pole kujul l<number> või kordub (nummerdatakse ümber)");
inline constexpr const char* kTokenId =
    QT_TRANSLATE_NOOP("core", "sõne id, mis ei ole lause id ja järjenumber (nummerdatakse ümber)");
inline constexpr const char* kBrokenCombination = QT_TRANSLATE_NOOP("core", "ühendid, mille sõna puudub lausest");
inline constexpr const char* kOtherContent =
    QT_TRANSLATE_NOOP("core", "muu sisu lausetes (kommentaarid, tundmatud elemendid)");
inline constexpr const char* kBodyContent = QT_TRANSLATE_NOOP("core", "muu sisu tekstis lausete kõrval");
inline constexpr const char* kInfoContent = QT_TRANSLATE_NOOP("core", "teksti andmete pesastatud sisu");
}  // namespace noted

}  // namespace pelmora::exchange
