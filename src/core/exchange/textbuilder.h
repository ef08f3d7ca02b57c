// Building a corpus text from what an import read: sentences, tokens and combinations appended in
// order to a new text's tree, every value cleaned for XML and put into NFC, identifiers as Pelmora
// gives them.
#pragma once

#include "common/translation.h"
#include "exchange/corpusreading.h"
#include "exchange/exchangereport.h"
#include "xml/xmldocument.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace pelmora::exchange {

// The values of one imported token, by field ("" for none).
using TokenFieldValues = std::array<std::string, kTokenFieldCount>;

class CorpusTextBuilder {
public:
    // Starts from the empty-body template.
    CorpusTextBuilder();
    CorpusTextBuilder(const CorpusTextBuilder&) = delete;
    CorpusTextBuilder& operator=(const CorpusTextBuilder&) = delete;

    void setTextId(std::string_view id);
    // Puts a metadata field ("teema", "kyla@longituud", "keelejuht.2@id") into "info"; a key that
    // names no element is noted as left out.
    void addMetadata(std::string_view key, std::string_view value);
    // A speaker named by a sentence but not in "info": added as a "keelejuht" with the id as name.
    void addSpeakerUnlessKnown(std::string_view id);

    // Appends a sentence; it takes `wantedId` when that is "l<number>" and not yet taken, otherwise
    // the first free "l<n>" from its position on. Tokens go to the sentence added last.
    XmlNode addSentence(std::string_view wantedId = {});
    // Sets an attribute of a sentence or combination; an empty value sets nothing.
    void setAttribute(XmlNode element, const char* name, std::string_view value);
    // Appends a token with its text to the last sentence, with the identifier "<sentence>_s<n>" and
    // then the non-empty fields in their order.
    XmlNode addToken(std::string_view text, const TokenFieldValues& fields = {});
    // Adds a combination of the last sentence's tokens at these positions (from 1, any order) right
    // after its last word, and marks its words. False, adding nothing, for fewer than two different
    // words or a position the sentence does not have.
    bool addCombination(std::vector<int> words, std::string_view lemma, std::string_view meaning,
                        std::string_view partOfSpeech);

    // The number of tokens of the last sentence.
    std::size_t tokensInSentence() const { return m_tokens.size(); }
    std::size_t sentenceCount() const { return m_sentenceCount; }
    std::size_t tokenCount() const { return m_tokenCount; }

    // Ends the text: sentences without tokens before the first one that has tokens are dropped (a
    // text must start with a token). False with the reason when no sentence has a token.
    bool finish(std::string& reason);
    XmlDocument& document() { return m_xml; }
    // What the building left out or changed (characters XML cannot hold, unknown metadata keys).
    const ExchangeReport& report() const { return m_report; }
    XmlNode root() const { return m_xml.root(); }

private:
    // The value as it goes into the tree: characters XML cannot hold replaced, then NFC.
    std::string_view clean(std::string_view value);

    ExchangeReport m_report;
    XmlDocument m_xml;
    XmlNode m_body;
    XmlNode m_sentence;
    std::string m_sentenceId;
    std::vector<XmlNode> m_tokens;
    std::unordered_set<std::string> m_sentenceIds;
    std::unordered_set<std::string> m_speakers;
    bool m_speakersRead = false;
    std::size_t m_sentenceCount = 0;
    std::size_t m_tokenCount = 0;
    std::string m_cleaned;
    std::string m_normalised;
    std::string m_idText;
};

// Report kinds of the imports.
namespace noted {
inline constexpr const char* kBadCharacters =
    QT_TRANSLATE_NOOP("core", "märgid, mida XML ei luba (asendati märgiga \u201E\uFFFD\u201C)");
inline constexpr const char* kMetadataKey = QT_TRANSLATE_NOOP("core", "tundmatud teksti andmete väljad");
}  // namespace noted

}  // namespace pelmora::exchange
