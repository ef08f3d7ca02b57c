#include "annotation/textindex.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "text/textformat.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

TextTokenIndex::TextTokenIndex(CPelmoraDoc& doc) : m_doc(doc)
{
    m_doc.addObserver(this);
}

TextTokenIndex::~TextTokenIndex()
{
    m_doc.removeObserver(this);
}

void TextTokenIndex::refresh()
{
    if (m_fresh && m_builtRevision == m_doc.structureRevision())
        return;
    m_byKey.clear();
    m_byLemma.clear();
    m_position.clear();
    std::uint32_t position = 0;
    // Texts repeat a lot; making each distinct word's key once saves most of the case mapping.
    std::unordered_map<std::string_view, const std::string*> keyOf;
    // Every token of every sentence, also past sentences without tokens.
    for (XmlNode sentence = firstChildElement(m_doc.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence)) {
        for (XmlNode token = firstChildElement(sentence, text::kToken); token;
             token = nextSiblingElement(token, text::kToken)) {
            const Entry entry{position++, token};
            m_position.emplace(token.internal_object(), entry.position);
            const std::string_view surface = elementText(token);
            auto known = keyOf.find(surface);
            if (known == keyOf.end()) {
                auto slot = m_byKey.try_emplace(MakeWordFormKey(surface)).first;
                known = keyOf.emplace(surface, &slot->first).first;
            }
            m_byKey[*known->second].push_back(entry);
            const std::string_view lemma = attributeValue(token, text::kLemma);
            if (!lemma.empty())
                m_byLemma[toNfc(lemma)].push_back(entry);
        }
    }
    m_builtRevision = m_doc.structureRevision();
    m_fresh = true;
}

const std::vector<TextTokenIndex::Entry>& TextTokenIndex::tokensWithKey(const std::string& key)
{
    refresh();
    const auto found = m_byKey.find(key);
    return found == m_byKey.end() ? m_none : found->second;
}

const std::vector<TextTokenIndex::Entry>& TextTokenIndex::tokensWithLemma(const std::string& lemma)
{
    refresh();
    const auto found = m_byLemma.find(toNfc(lemma));
    return found == m_byLemma.end() ? m_none : found->second;
}

std::int64_t TextTokenIndex::positionOf(XmlNode token)
{
    refresh();
    const auto found = m_position.find(token.internal_object());
    return found == m_position.end() ? -1 : found->second;
}

std::size_t TextTokenIndex::tokenCount()
{
    refresh();
    return m_position.size();
}

void TextTokenIndex::nodeAboutToBeRemoved(XmlNode node)
{
    if (CPelmoraDoc::movesStructure(node))
        m_fresh = false;
}

void TextTokenIndex::insertSorted(std::vector<Entry>& entries, const Entry& entry)
{
    const auto at = std::lower_bound(entries.begin(), entries.end(), entry.position,
                                     [](const Entry& e, std::uint32_t p) { return e.position < p; });
    entries.insert(at, entry);
}

void TextTokenIndex::attributeChanged(XmlNode element, const char* name, std::string_view oldValue)
{
    if (!m_fresh || m_builtRevision != m_doc.structureRevision() || std::strcmp(name, text::kLemma) != 0)
        return;
    const auto found = m_position.find(element.internal_object());
    if (found == m_position.end())
        return;  // not a token of the text
    const std::uint32_t position = found->second;
    if (!oldValue.empty()) {
        const auto old = m_byLemma.find(toNfc(oldValue));
        if (old != m_byLemma.end()) {
            std::vector<Entry>& entries = old->second;
            entries.erase(std::remove_if(entries.begin(), entries.end(),
                                         [&](const Entry& e) { return e.position == position; }),
                          entries.end());
            if (entries.empty())
                m_byLemma.erase(old);
        }
    }
    const std::string_view lemma = attributeValue(element, text::kLemma);
    if (!lemma.empty())
        insertSorted(m_byLemma[toNfc(lemma)], Entry{position, element});
}

}  // namespace pelmora
