// The suggester: the annotation form's six candidate lists, the fields above them and the fills
// that propose a lemma, meaning, part of speech, form and equivalents for the current token.
// The GUI form mirrors this model; it holds no rule of its own.
#pragma once

#include "annotation/analyserclient.h"
#include "annotation/proposalranking.h"
#include "annotation/textindex.h"
#include "annotation/wordcomparison.h"
#include "settings/settings.h"
#include "text/pelmoradoc.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace pelmora {

class CDictionary;
class ConfirmedAnalyses;
class LocalAnalyserHolder;

// One candidate list: no text twice (ignoring letter case), the token's own value on top. An
// entry proposed by the analyser or the inflection rules carries where its rank comes from.
class CandidateList {
public:
    // Adds a text unless listed (ignoring case); one equal to `ownValue` goes on top, others last.
    void add(const std::string& text, std::string_view ownValue, std::optional<ProposalSource> source = {});
    // Appends unless listed (ignoring case).
    void append(const std::string& text) { add(text, {}); }
    // Inserts at a position unless listed (ignoring case).
    void insertAt(std::size_t position, const std::string& text);
    bool contains(const std::string& text) const;
    void clear();
    bool empty() const { return m_items.empty(); }
    std::size_t size() const { return m_items.size(); }
    const std::vector<std::string>& items() const { return m_items; }
    const std::string& operator[](std::size_t i) const { return m_items[i]; }
    // Where the i-th entry's rank comes from; nothing for entries of the text or the dictionary.
    std::optional<ProposalSource> sourceOf(std::size_t i) const { return m_sources[i]; }

    int selected = -1;  // the selected entry, -1 for none

private:
    std::vector<std::string> m_items;
    std::vector<std::optional<ProposalSource>> m_sources;
    std::unordered_set<std::string> m_exact;   // texts as listed
    std::unordered_set<std::string> m_folded;  // texts lower-cased
};

// The lists of the form, in the order of its fields.
enum class SuggestionList { Lemma = 0, Meaning, PartOfSpeech, Form, Latvian, English };
inline constexpr std::size_t kSuggestionListCount = 6;

// What the form shows above the lists.
struct SuggestionFields {
    std::string lemma;
    std::string meaning;
    int partOfSpeech = -1;  // index into the part-of-speech names; -1 no selection
    std::string form;
    std::string latvian;
    std::string english;
    int reason = -1;        // index into the reasons not to tag; -1 no selection
    int style = -1;         // index into the styles; -1 no selection
    std::string comment;
    // A reason or style the token holds that the program's lists do not (from another tool or an
    // older list): `reason` is kReasonFormCount, `style` kStyleFormCount while it is chosen, so
    // that remembering keeps it.
    std::string otherReason;
    std::string otherStyle;

    bool operator==(const SuggestionFields&) const = default;
};

// The `meta` and `stiil` values the fields stand for: "" for no selection, the stored value the
// lists do not hold while it is chosen.
std::string reasonValue(const SuggestionFields& fields);
std::string styleValue(const SuggestionFields& fields);

// Where the candidates come from besides the settings: the dictionary and the analysers are
// optional (null: not used). With "Tamberlin" on, the analyser's proposals come from the local
// analyser when the setting "AnalyserFile" names one, otherwise from the online analyser; they
// are ranked by the evidence of the dictionary, the open text and the folder's texts.
struct SuggestionSources {
    CDictionary* dictionary = nullptr;
    AnalyserClient* analyser = nullptr;
    LocalAnalyserHolder* localAnalyser = nullptr;
    const ConfirmedAnalyses* confirmedTexts = nullptr;  // the texts of the concordance folder
    std::string openTextPath = {};                      // the open text's file, counted live instead
};

class Suggester {
public:
    Suggester(CPelmoraDoc& doc, const Settings& settings, SuggestionSources sources, Prompter& prompter);

    // The settings are read at every fill; call this after they were replaced.
    void settingsChanged();
    void setSources(SuggestionSources sources) { m_sources = sources; }

    // Set by the form while it moves to another token, and by the text view when the user
    // clicked the token: the lists of the previous token are then not kept.
    void setMoving(bool moving) { m_moving = moving; }
    void setChosenInTextView(bool chosen) { m_chosenInTextView = chosen; }

    // --- The form's entry points ---------------------------------------------------------------
    // Shows the current token: the fill for the token with its cascade, then the reason, style
    // and comment from the token. Without a current token everything is emptied.
    void showCurrentToken();
    // Fill for the token: the headword list and, through the cascade, every other list.
    void fillForToken();
    // The user typed in the headword field.
    void headwordEdited(const std::string& text);
    // The user typed in the meaning field.
    void meaningEdited(const std::string& text);
    // The user changed the part-of-speech box.
    void partOfSpeechChanged(int index);
    // The user selected an entry of a list.
    void choose(SuggestionList list, std::size_t index);
    // The user chose a reason not to tag the token (index into the reasons; 0 is "-"). Choosing
    // "-" for a token that had a reason makes it one to tag: the fills run for it.
    void reasonChanged(int index);
    // The user typed or chose in a field. The entry points above mark their own field; the form
    // marks the fields it sets itself (Latvian, English, the form tag). A fill never overwrites
    // a field marked since the token was shown; it still refills the field's list.
    void touch(SuggestionList field) { m_touched.set(static_cast<std::size_t>(field)); }
    bool isTouched(SuggestionList field) const { return m_touched.test(static_cast<std::size_t>(field)); }
    // True while the form's reason says the token is not to be tagged (a reason other than "-"):
    // the annotation fields are not written and the form does not take input for them.
    bool isNotToTag() const { return m_fields.reason > 0; }

    // --- The fills, for the form and for tests -----------------------------------------------
    void fillMeanings(const std::string& headword);
    void fillLatvian(const std::string& headword);
    void fillEnglish(const std::string& headword);
    void fillPartsOfSpeech(const std::string& headword, const std::string& meaning);
    void fillForms(const std::string& headword);

    // --- State ----------------------------------------------------------------------------------
    const SuggestionFields& fields() const { return m_fields; }
    SuggestionFields& fields() { return m_fields; }
    const CandidateList& list(SuggestionList which) const { return m_lists[static_cast<std::size_t>(which)]; }
    // The analyser's analyses of the current token, best first, as the last fill for the token got them.
    struct AnalyserProposal {
        AnalyserResult result;  // part of speech as a name, "-" for none; form "-" for none
        std::optional<ProposalSource> source;  // nothing for the online analyser
    };
    const std::vector<AnalyserProposal>& analyserProposals() const { return m_analyses; }
    // The part-of-speech code the box shows ("" when nothing is chosen).
    std::string partOfSpeechCode() const;

private:
    struct WordRecord {
        std::string key;  // word-form key of the word
        std::string lemma;
        std::string form;
    };
    struct MeaningRecord {
        std::string lemma;
        std::string meaning;
        std::string partOfSpeech;  // code
        std::string latvian;
        std::string english;
        long long weight = 0;
    };

    CandidateList& listOf(SuggestionList which) { return m_lists[static_cast<std::size_t>(which)]; }
    bool suggestionsOff() const;
    // True (after emptying the lists, and at the token's showing its fields) when the form's
    // reason says the token is not to be tagged.
    bool handledAsNotTagged();
    // The fills' way into a field: a proposal goes in unless the user has touched the field.
    void propose(SuggestionList field, std::string& value, const std::string& proposal);
    void proposePartOfSpeech(int index);
    // Selects in a filled list the entry the field shows: the first one, copied into the field,
    // unless the user has touched the field, whose own value is then selected if listed.
    void selectFirst(SuggestionList which, std::string& field);
    std::string tokenValue(const char* name) const;
    void runDependentFills(const std::string& headword);
    void fillEquivalents(const std::string& headword, SuggestionList which, const char* attribute,
                         bool switchedOff, std::string& field);
    void setPartOfSpeechFromText(std::string_view codeOrName);
    void addOpenTextHeadwords(const std::string& key, const std::string& ownLemma);
    std::vector<AnalyserProposal> askAnalyser(const std::string& surface);
    void addRuleForms(const std::string& surface, const std::string& headword, const std::string& own);
    Evidence evidence();

    CPelmoraDoc& m_doc;
    const Settings& m_settings;
    SuggestionSources m_sources;
    Prompter& m_prompter;
    TextTokenIndex m_index;
    EndingsList m_endings;

    SuggestionFields m_fields;
    std::array<CandidateList, 6> m_lists;
    std::vector<WordRecord> m_textWords;
    std::vector<WordRecord> m_dictionaryWords;
    std::vector<MeaningRecord> m_textMeanings;
    std::vector<MeaningRecord> m_dictionaryMeanings;  // heaviest first
    std::vector<AnalyserProposal> m_analyses;
    bool m_moving = false;
    bool m_chosenInTextView = false;
    bool m_showing = false;                      // within showCurrentToken
    std::bitset<6> m_touched;                    // per list order: fields the user touched
};

}  // namespace pelmora
