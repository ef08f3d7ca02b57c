// How far the annotation of a text has come: the counts of the overview for one token, for a
// text's tree and for a file read by the corpus cache, with the parts of speech of the annotated
// tokens and the word forms still without an analysis; and a counter that follows the open text.
#pragma once

#include "corpus/corpuscache.h"
#include "text/pelmoradoc.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora {

// Where one token stands in the counts (see TextCounts): left out (punctuation or a number), a
// word token with a reason not to annotate it, to annotate, or to annotate and annotated (it has
// a lemma, blanks aside).
enum class TokenStanding { LeftOut, Word, ToAnnotate, Annotated };

TokenStanding tokenStanding(XmlNode token);
// The standing the token had while its attribute `name` held `value` ("" for absent).
TokenStanding tokenStandingWith(XmlNode token, std::string_view name, std::string_view value);
// Adds (sign 1) or takes away (sign -1) one token of this standing.
void addStanding(TextCounts& counts, TokenStanding standing, int sign);

// The counts of a text with what the overview's charts show.
struct TextTally {
    TextCounts counts;
    // The annotated tokens by their "liik" (NFC, blanks trimmed; "" for none).
    std::map<std::string, long long> partsOfSpeech;
    // The tokens to annotate that have no lemma, by word-form key (punctuation-like tokens and
    // empty keys left out, as in the analyses of CorpusFileSummary).
    std::map<std::string, long long> unannotatedForms;

    TextTally& operator+=(const TextTally& other);
};

// The tally of a text's body (the "sisu" element), as the corpus cache counts a file.
TextTally tallyText(XmlNode body);
// Only its counts, without the word forms' keys: several times quicker.
TextCounts countText(XmlNode body);
// The tally of a file the cache read with analyses (without them, only the counts).
TextTally tallyOfSummary(const CorpusFileSummary& summary);

// The `limit` entries with the highest counts, highest first, equal counts by key.
std::vector<std::pair<std::string, long long>> mostFrequent(const std::map<std::string, long long>& counts,
                                                            std::size_t limit);

// The counts of the open text, kept as its tokens change: an attribute change moves one token
// between the counts; a change of the tree's shape (tokens added or removed, undo of such a
// change, another text opened) counts the text again once the change is done. `changed` is
// called whenever the counts may have changed.
class TextProgress final : public DocumentObserver {
public:
    explicit TextProgress(CPelmoraDoc& doc, std::function<void()> changed = {});
    ~TextProgress() override;
    TextProgress(const TextProgress&) = delete;
    TextProgress& operator=(const TextProgress&) = delete;

    const TextCounts& counts() const { return m_counts; }

    void documentUpdated() override { recountIfStale(); }
    void historyChanged() override { recountIfStale(); }
    void documentAboutToBeCleared() override { m_stale = true; }
    void nodeAboutToBeRemoved(XmlNode) override { m_stale = true; }
    void attributeChanged(XmlNode element, const char* name, std::string_view oldValue) override;

private:
    void recountIfStale();
    void recount();

    CPelmoraDoc& m_doc;
    std::function<void()> m_changed;
    TextCounts m_counts;
    std::uint64_t m_countedRevision = 0;
    bool m_stale = true;
};

}  // namespace pelmora
