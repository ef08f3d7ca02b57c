// The annotation form's moves: "show next" by one of six kinds, the back history of the last
// five tokens left, and the audio-position label of a sentence.
#pragma once

#include "text/pelmoradoc.h"
#include "text/tokenhandle.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace pelmora {

// Which token "show next" looks for, in the order of the navigation menu.
enum class NavigationKind {
    NextToken = 0,             // the token after the current one
    SameWord,                  // the next token that is the same word as the current one
    WithoutLemma,              // the next token with an empty `lemma`
    ColourMarked,              // the next token the text view's marking rules colour
    NeedsTagging,              // the next token with an empty `meta`
    NeedsTaggingWithoutLemma,  // the next token with an empty `meta` and an empty `lemma`
};
inline constexpr std::size_t kNavigationKindCount = 6;

// The menu entry of a kind and the captions it gives the two "show next" buttons.
struct NavigationKindTexts {
    std::string_view menuEntry;
    std::string_view showNextCaption;
    std::string_view rememberAndShowNextCaption;
};
const NavigationKindTexts& navigationKindTexts(NavigationKind kind);

// Tells whether the text view colours a token (for NavigationKind::ColourMarked).
using MarkedTokenTest = std::function<bool(XmlNode token)>;

// The first token after `current`, in document order across sentences, that the kind looks for;
// null when there is none (also for a null `current`; ColourMarked without a test finds none).
XmlNode findNavigationTarget(XmlNode current, NavigationKind kind, const MarkedTokenTest& marked);

// The label "Positsioon helifailis:" shows for a sentence: its `helipos` (whole seconds) as
// "%i min %i s", or "määramata" when the sentence is null or the value is absent or no number.
std::string audioPositionLabel(XmlNode sentence);

enum class ShowNextResult {
    NothingDone,      // no current token
    NoMoreTokens,     // the current token is the last one: "Rohkem sõnu pole"
    NoSuitableToken,  // nothing of the kind after it: "Rohkem sobivaid sõnu pole"
    Refused,          // the document refused to change the current token
    Moved,            // the token found is current, the one left is in the history
};

// The form's navigation state: the back history (newest first, at most five tokens) and the
// token last reached by a move. Both follow the document's removals, so no handle dangles.
class FormNavigation {
public:
    static constexpr std::size_t kHistoryLimit = 5;

    explicit FormNavigation(CPelmoraDoc& doc);

    // Called with the sentence a move leaves (the token reached lies in a sentence with another
    // `id`, or no token was reached), before any notice is shown.
    using SentenceLeft = std::function<void(XmlNode sentence)>;

    // "Show next": moves the current token to the target of the kind. The notices go to the
    // document's prompter (caption "Teade", warning). A move puts the token left in front of the
    // history and makes the token reached the last reached one.
    ShowNextResult showNext(NavigationKind kind, const MarkedTokenTest& marked, const SentenceLeft& sentenceLeft);

    // "Back": when the current token is not the last reached one, that one becomes current again;
    // otherwise the newest history entry becomes current and the last reached one, and leaves the
    // history. False when nothing changed.
    bool back();

    bool canGoBack() const { return !m_history.empty(); }
    std::size_t historySize() const { return m_history.size(); }
    XmlNode lastReached() const { return m_lastReached.token(); }

private:
    CPelmoraDoc& m_doc;
    TokenHandleList m_history;
    TokenHandle m_lastReached;
};

}  // namespace pelmora
