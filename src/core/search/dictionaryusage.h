// How many tokens of the corpus texts carry each dictionary analysis: the texts are counted once,
// so that a table of the whole dictionary can show the number beside every analysis.
#pragma once

#include "dictionary/dictformat.h"
#include "search/concordance.h"
#include "xml/xmldocument.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelmora {

class DictionaryUsage {
public:
    // Counts the tokens and combinations of every sentence of a corpus text's body ("sisu").
    void addText(XmlNode body);

    // How many counted tokens carry the analysis. A word form: tokens whose text has the id as
    // its word-form key, with the analysis's lemma and form tag. A lemma: tokens whose lemma,
    // meaning and part of speech are the analysis's id, meaning and part of speech. A
    // combination: combinations with its id as lemma, its meaning and part of speech. Values
    // compare in NFC; an absent value equals an empty one. 0 for null.
    std::size_t count(DictSection section, XmlNode analysis) const;

    // The number of tokens counted.
    std::size_t tokens() const { return m_tokens; }

private:
    void add(DictSection section, std::string_view a, std::string_view b, std::string_view c);
    static void makeKey(std::string& key, DictSection section, std::string_view a, std::string_view b,
                        std::string_view c);

    std::unordered_map<std::string, std::uint32_t> m_counts;
    std::size_t m_tokens = 0;
    std::string m_key;  // refilled for each token
};

struct DictionaryUsageResult {
    std::size_t filesRead = 0;
    std::vector<ConcordanceSkippedFile> skipped;  // with the concordance's messages
    bool cancelled = false;
};

// Counts the files into `usage`, one after the other, as the concordance reads them: a file that
// is empty, unreadable or no corpus text is skipped and named in the result. `progress` (may be
// empty) is told (files done, files) after each file; `cancel` (may be null) is looked at between
// files, and a cancelled count ends with `cancelled`.
DictionaryUsageResult countDictionaryUsage(const std::vector<std::string>& files, DictionaryUsage& usage,
                                           const std::function<void(std::size_t, std::size_t)>& progress = {},
                                           const std::atomic<bool>* cancel = nullptr);

}  // namespace pelmora
