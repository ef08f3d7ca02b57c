// The search menu of the text view as operations over the document: searches, replace, marking
// rules, the remembered position and the go-to commands. The text view owns one and draws
// with its marking rules; the dialogs collect the values and call these.
#pragma once

#include "search/markingrules.h"
#include "search/rememberedposition.h"
#include "search/searchcriteria.h"
#include "text/pelmoradoc.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Where the search dialog looks for its first hit.
enum class SearchDirection {
    BackwardFromCurrent,  // the tokens before the current one, nearest first
    ForwardFromCurrent,   // the tokens after the current one
    FromStart,            // from the first token of the text
};

// One "Otsi:" / "Asenda:" pair of the replace dialog. An empty `find` leaves the field alone.
struct Replacement {
    TokenAttribute attribute = TokenAttribute::Lemma;
    std::string find;
    std::string replaceWith;  // for the part of speech "-" removes the attribute, like ""
};

struct ReplaceRequest {
    std::vector<Replacement> replacements;
    Colour colour = kAutomaticChangeColour;  // the background of the changed tokens
};

enum class FindNextResult {
    Found,        // the hit is now the current token
    NotFound,     // "Ei leia" was shown
    NeedsDialog,  // the last search was not a dialog search: the dialog should open instead
    NothingDone,  // no current token
};

class TextSearch {
public:
    explicit TextSearch(CPelmoraDoc& doc);
    TextSearch(const TextSearch&) = delete;
    TextSearch& operator=(const TextSearch&) = delete;

    // --- State the view draws with --------------------------------------------------------
    const MarkingRules& markingRules() const { return m_rules; }
    bool markingOn() const { return !m_rules.empty(); }
    // The background colour of a token, when marking is on and a rule matches it.
    std::optional<Colour> markingColour(XmlNode token) const { return m_rules.colourOf(token); }
    // The last search of the dialog or the part-of-word search, if any.
    const std::optional<SearchCriteria>& currentSearch() const { return m_current; }
    // The colour of automatic-change marking (set by the replace dialog).
    Colour automaticChangeColour() const { return m_automaticColour; }
    // The remembered token, or null.
    XmlNode rememberedPosition() const { return m_remembered.token(); }

    // --- Searches -------------------------------------------------------------------------
    // "Otsi ...": the criteria become the current search (dialog mode); with `mark` they are
    // added as a marking rule in their colour; with `goToFirst` the first hit in the direction
    // becomes current ("Ei leia" and the criteria used when there is none). Returns true when a hit was made current.
    bool searchFromDialog(SearchCriteria criteria, bool mark, bool goToFirst, SearchDirection direction);
    // The number of tokens of the text the criteria match (in their own mode).
    std::size_t countMatches(const SearchCriteria& criteria) const;
    // What the window's status line says after a search: "Leitud 3 sõnet: märksõna „kala“".
    std::string foundSummary(const SearchCriteria& criteria) const;
    // "Otsi järgmine": the next hit of the dialog search after the current token.
    FindNextResult findNext();
    // "Sõnaosa otsing": the criteria (mode Begins, Ends or Contains) become the current search and
    // a marking rule. Another mode is taken as Contains.
    void partOfWordSearch(SearchCriteria criteria);
    // "Asenda": replaces the values in every token and sets their "auto"; when anything was
    // replaced, the changed tokens are marked in the request's colour. Returns the number of
    // tokens changed.
    std::size_t replace(const ReplaceRequest& request);
    // "Otsi vigu": adds the suspected-errors rule.
    void addSuspectedErrorsRule();
    // "Otsi automaatselt muudetud kirjed": adds a rule for tokens whose "auto" is "+".
    void addAutomaticChangesRule();
    // "Kustuta ... automaatsete muutuste märgendid": removes every "auto" mark of "+" and every
    // automatic-changes rule; marks the document modified. Returns the number of marks removed.
    std::size_t removeAutomaticChangeMarks();
    // "Tühista senised otsingud": no rules, marking off.
    void clearSearches();

    // --- Moving the current token ---------------------------------------------------------
    // "Jäta meelde praegune asukoht".
    void rememberPosition();
    // "Mine meelde jäetud kohta": false when nothing is remembered.
    bool goToRememberedPosition();
    // The nearest token after (before) the current one that any rule marks; false when none.
    bool goToNextMarkedToken();
    bool goToPreviousMarkedToken();
    // "Mine leheküljele": the first token whose "lk" is exactly the page. Nothing for an empty
    // page or without a current token; "Ei leidnud lehekülge" when no token has it.
    bool goToPage(std::string_view page);
    // "Otsi ID": the token-th token of the sentence-th sentence (both from 1). Missing sentence:
    // "Ei leia %i, %i." (caption "ID otsing"); missing token: the sentence's last token becomes
    // current and the same message is captioned "ID viga".
    bool goToIdentifier(int sentence, int token);
    // The same for an identifier "l%i_s%i" taken from the clipboard's text: "Lõikelaud tühi" for
    // an empty clipboard, "Ei leia %s." with the text otherwise.
    bool goToClipboardIdentifier(std::string_view clipboardText);

private:
    bool hasCurrentToken() const;
    bool moveTo(XmlNode token);
    // Goes to the found token; without one, to the last token of the found sentence with the
    // message under the identifier-error caption, or only the message when there is no such token.
    bool goToFound(XmlNode token, XmlNode sentence, const std::string& message);

    CPelmoraDoc& m_doc;
    std::optional<SearchCriteria> m_current;
    MarkingRules m_rules;
    RememberedPosition m_remembered;
    Colour m_automaticColour = kAutomaticChangeColour;
};

}  // namespace pelmora
