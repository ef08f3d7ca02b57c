// An index of the open text's tokens by word-form key and by lemma, kept right across changes.
#pragma once

#include "text/pelmoradoc.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelmora {

// Observes the document: a change of a token's lemma updates the index in place; any change of
// the tree's shape or of a token's text makes it rebuild itself at the next query (a combination
// made or removed does not: it holds no token). Handles it returns are valid until the next
// change of the document.
class TextTokenIndex final : public DocumentObserver {
public:
    explicit TextTokenIndex(CPelmoraDoc& doc);
    ~TextTokenIndex() override;
    TextTokenIndex(const TextTokenIndex&) = delete;
    TextTokenIndex& operator=(const TextTokenIndex&) = delete;

    struct Entry {
        std::uint32_t position;  // the token's place in document order, from 0
        XmlNode token;
    };

    // The tokens whose text has this word-form key, in document order; empty when none.
    const std::vector<Entry>& tokensWithKey(const std::string& key);
    // The tokens whose lemma is exactly this text, in document order; empty when none.
    const std::vector<Entry>& tokensWithLemma(const std::string& lemma);
    // The place of a token in document order, or -1 when it is not a token of the text.
    std::int64_t positionOf(XmlNode token);
    // Number of tokens indexed.
    std::size_t tokenCount();

    // DocumentObserver
    void attributeChanged(XmlNode element, const char* name, std::string_view oldValue) override;
    void documentAboutToBeCleared() override { m_fresh = false; }
    void nodeAboutToBeRemoved(XmlNode node) override;

private:
    void refresh();
    static void insertSorted(std::vector<Entry>& entries, const Entry& entry);

    CPelmoraDoc& m_doc;
    bool m_fresh = false;
    std::uint64_t m_builtRevision = 0;
    std::unordered_map<std::string, std::vector<Entry>> m_byKey;
    std::unordered_map<std::string, std::vector<Entry>> m_byLemma;
    std::unordered_map<const void*, std::uint32_t> m_position;
    const std::vector<Entry> m_none;
};

}  // namespace pelmora
