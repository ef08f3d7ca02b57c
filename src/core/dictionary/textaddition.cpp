#include "dictionary/textaddition.h"

#include "common/strings.h"
#include "common/translation.h"
#include "dictionary/dictionary.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <cstring>
#include <vector>

namespace pelmora {

namespace {
constexpr const char* kAddQuestion = QT_TRANSLATE_NOOP("core", "Kas lisan sõned faili?\n%s");
constexpr const char* kChooseInSettings =
    QT_TRANSLATE_NOOP("core", "Eks muuda siis seadistusdialoogis\nsõnastiku fail ära!");
// The stores of a text: each token's word form and lemma, in text order, then the combinations.
class TextStores final : public CDictionary::StoreSource {
public:
    explicit TextStores(const CPelmoraDoc& document)
    {
        // Every sentence is visited, also those after a sentence without tokens.
        for (XmlNode sentence = firstChildElement(document.body(), text::kSentence); sentence;
             sentence = nextSiblingElement(sentence, text::kSentence)) {
            for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
                if (isElement(child, text::kToken))
                    m_tokens.push_back(child);
                else if (isElement(child, text::kCombination))
                    m_combinations.push_back(child);
            }
        }
    }

    std::size_t size() const override { return 2 * m_tokens.size() + m_combinations.size(); }

    CDictionary::StoreRequest request(std::size_t i) const override
    {
        if (i >= 2 * m_tokens.size()) {
            const XmlNode combination = m_combinations[i - 2 * m_tokens.size()];
            return {DictSection::Combinations,
                    {attributeValue(combination, text::kCombinationLemma),
                     attributeValue(combination, text::kCombinationMeaning),
                     attributeValue(combination, text::kCombinationPartOfSpeech), {}, {}}};
        }
        // A token gives two stores in a row: its attributes are read once.
        if (m_readToken != i / 2) {
            m_readToken = i / 2;
            // The text's nodes lie in order in memory, but are many: fetch the next ones early.
            if (i / 2 + 8 < m_tokens.size()) {
                const auto* ahead = reinterpret_cast<const char*>(m_tokens[i / 2 + 8].internal_object());
                for (int line = 0; line < 8; ++line)
                    __builtin_prefetch(ahead + 64 * line);
            }
            if (i / 2 + 4 < m_tokens.size())  // and, once its node has arrived, its text
                __builtin_prefetch(m_tokens[i / 2 + 4].first_child().value());
            readToken(m_tokens[i / 2]);
        }
        const auto& [surface, lemma, form, meaning, partOfSpeech, latvian, english] = m_read;
        if (i % 2 == 0)
            return {DictSection::WordForms, {surface, lemma, form, {}, {}}};
        return {DictSection::Lemmas, {lemma, meaning, partOfSpeech, latvian, english}};
    }

private:
    struct TokenValues {
        std::string_view surface, lemma, form, meaning, partOfSpeech, latvian, english;
    };

    // One pass over the token's attributes instead of a search per name.
    void readToken(XmlNode token) const
    {
        m_read = TokenValues{elementText(token), {}, {}, {}, {}, {}, {}};
        for (pugi::xml_attribute attribute = token.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            const char* name = attribute.name();
            std::string_view* value = nullptr;
            static_assert(text::kLemma[0] == 'l' && text::kPartOfSpeech[0] == 'l' && text::kLatvian[0] == 'l' &&
                          text::kForm[0] == 'v' && text::kMeaning[0] == 't' && text::kEnglish[0] == 'i');
            switch (name[0]) {  // tokens carry many attributes: compare whole names only on a match
            case 'l':
                value = std::strcmp(name, text::kLemma) == 0          ? &m_read.lemma
                        : std::strcmp(name, text::kPartOfSpeech) == 0 ? &m_read.partOfSpeech
                        : std::strcmp(name, text::kLatvian) == 0      ? &m_read.latvian
                                                                      : nullptr;
                break;
            case 'v': value = std::strcmp(name, text::kForm) == 0 ? &m_read.form : nullptr; break;
            case 't': value = std::strcmp(name, text::kMeaning) == 0 ? &m_read.meaning : nullptr; break;
            case 'i': value = std::strcmp(name, text::kEnglish) == 0 ? &m_read.english : nullptr; break;
            default: break;
            }
            if (value != nullptr)
                *value = attribute.value();
        }
    }

private:
    std::vector<XmlNode> m_tokens;
    std::vector<XmlNode> m_combinations;
    mutable std::size_t m_readToken = static_cast<std::size_t>(-1);
    mutable TokenValues m_read;
};

}  // namespace

bool addTextToDictionary(const CPelmoraDoc& document, CDictionary& dictionary, Prompter& prompter,
                         const CDictionary::BulkProgress& progress)
{
    if (!document.firstToken())
        return false;
    if (!prompter.askYesNo("Pelmora", formatMessage(kAddQuestion, dictionary.path()))) {
        prompter.message(MessageKind::Information, "", kChooseInSettings);
        return false;
    }

    TextStores stores(document);
    return dictionary.addInBulk(stores, progress);
}

}  // namespace pelmora
