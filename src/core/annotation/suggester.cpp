#include "annotation/suggester.h"

#include "annotation/inflectionrules.h"
#include "annotation/localanalyser.h"
#include "annotation/vocabularies.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr const char* kNone = "-";

// The Estonian name of a part-of-speech code (or name); "" when it is not listed.
std::string partOfSpeechNameOf(std::string_view codeOrName)
{
    const int index = partOfSpeechIndex(codeOrName);
    return index < 0 ? std::string() : partOfSpeechName(index);
}

std::string dashToEmpty(const std::string& text)
{
    return text == kNone ? std::string() : text;
}

// A value of the text or the dictionary in the normal form, whatever spelling the file holds.
std::string nfcAttribute(XmlNode node, const char* name)
{
    return toNfc(attributeValue(node, name));
}

}  // namespace

// --- CandidateList -------------------------------------------------------------------------------

bool CandidateList::contains(const std::string& text) const
{
    return m_exact.count(text) > 0 || m_folded.count(toLowerUnicode(text)) > 0;
}

void CandidateList::add(const std::string& value, std::string_view ownValue, std::optional<ProposalSource> source)
{
    // Candidates are offered in the normal form, whatever spelling the text or dictionary holds.
    const std::string text = toNfc(value);
    if (m_exact.count(text) > 0)
        return;
    std::string folded = toLowerUnicode(text);
    if (!m_folded.insert(std::move(folded)).second)
        return;
    m_exact.insert(text);
    if (!ownValue.empty() && sameText(text, ownValue)) {
        m_items.insert(m_items.begin(), text);
        m_sources.insert(m_sources.begin(), source);
    } else {
        m_items.push_back(text);
        m_sources.push_back(source);
    }
}

void CandidateList::insertAt(std::size_t position, const std::string& value)
{
    const std::string text = toNfc(value);
    if (contains(text))
        return;
    m_exact.insert(text);
    m_folded.insert(toLowerUnicode(text));
    const auto at = static_cast<std::ptrdiff_t>(std::min(position, m_items.size()));
    m_items.insert(m_items.begin() + at, text);
    m_sources.insert(m_sources.begin() + at, std::nullopt);
}

void CandidateList::clear()
{
    m_items.clear();
    m_sources.clear();
    m_exact.clear();
    m_folded.clear();
    selected = -1;
}

// --- Suggester -----------------------------------------------------------------------------------

Suggester::Suggester(CPelmoraDoc& doc, const Settings& settings, SuggestionSources sources, Prompter& prompter)
    : m_doc(doc), m_settings(settings), m_sources(sources), m_prompter(prompter), m_index(doc),
      m_endings(settings.endings)
{
}

void Suggester::settingsChanged()
{
    m_endings = EndingsList(m_settings.endings);
}

bool Suggester::suggestionsOff() const
{
    return m_settings.suggestionSource() == SuggestionSource::None || !m_doc.currentToken();
}

std::string Suggester::tokenValue(const char* name) const
{
    return nfcAttribute(m_doc.currentToken(), name);
}

std::string Suggester::partOfSpeechCode() const
{
    return m_fields.partOfSpeech < 0 ? std::string() : pelmora::partOfSpeechCode(m_fields.partOfSpeech);
}

void Suggester::setPartOfSpeechFromText(std::string_view codeOrName)
{
    proposePartOfSpeech(std::max(0, partOfSpeechIndex(codeOrName)));
}

void Suggester::propose(SuggestionList field, std::string& value, const std::string& proposal)
{
    if (!isTouched(field))
        value = proposal;
}

void Suggester::proposePartOfSpeech(int index)
{
    if (!isTouched(SuggestionList::PartOfSpeech))
        m_fields.partOfSpeech = index;
}

void Suggester::selectFirst(SuggestionList which, std::string& field)
{
    CandidateList& list = listOf(which);
    // The meaning, form and equivalent lists offer "-" for an empty field.
    const auto shown = [which](const std::string& item) {
        return which == SuggestionList::Lemma || which == SuggestionList::Form ? item : dashToEmpty(item);
    };
    if (!isTouched(which)) {
        list.selected = 0;
        field = shown(list[0]);
        return;
    }
    list.selected = -1;
    for (std::size_t i = 0; i < list.size() && list.selected < 0; ++i)
        if (shown(list[i]) == field)
            list.selected = static_cast<int>(i);
}

bool Suggester::handledAsNotTagged()
{
    if (!isNotToTag())
        return false;
    for (CandidateList& list : m_lists)
        list.clear();
    // A token shown with a reason shows no annotation; one the user gave a reason keeps what
    // was typed, for the reason may be taken back.
    if (m_showing) {
        m_fields.partOfSpeech = -1;
        m_fields.lemma.clear();
        m_fields.meaning.clear();
        m_fields.form.clear();
        m_fields.latvian.clear();
        m_fields.english.clear();
    }
    return true;
}

namespace {

// A stored value the list holds selects its entry; blanks and "-" select "-"; any other value is
// kept, as it stands, as the extra entry after the list's.
void showStoredChoice(const std::string& stored, int (*indexOf)(std::string_view), int extraIndex, int& index,
                      std::string& other)
{
    const std::string_view trimmed = trimBlanks(stored);
    index = trimmed.empty() || trimmed == "-" ? 0 : indexOf(stored);
    other.clear();
    if (index < 0 || index >= extraIndex) {
        index = extraIndex;
        other = stored;
    }
}

std::string storedChoice(int index, int extraIndex, const std::string& other, std::string (*textOf)(int))
{
    if (index < 0)
        return {};
    return index >= extraIndex ? other : textOf(index);
}

}  // namespace

std::string reasonValue(const SuggestionFields& fields)
{
    return storedChoice(fields.reason, kReasonFormCount, fields.otherReason, reasonText);
}

std::string styleValue(const SuggestionFields& fields)
{
    return storedChoice(fields.style, kStyleFormCount, fields.otherStyle, styleText);
}

void Suggester::showCurrentToken()
{
    m_touched.reset();
    if (!m_doc.currentToken()) {
        m_fields = SuggestionFields();
        for (CandidateList& list : m_lists)
            list.clear();
        return;
    }
    // The reason first: it decides whether the fills propose anything.
    showStoredChoice(tokenValue(text::kMeta), reasonIndex, kReasonFormCount, m_fields.reason, m_fields.otherReason);
    showStoredChoice(tokenValue(text::kStyle), styleIndex, kStyleFormCount, m_fields.style, m_fields.otherStyle);
    m_fields.comment = tokenValue(text::kComment);
    m_showing = true;
    fillForToken();
    m_showing = false;
}

void Suggester::reasonChanged(int index)
{
    const bool wasNotToTag = isNotToTag();
    m_fields.reason = index;
    if (wasNotToTag && !isNotToTag())
        fillForToken();
}

void Suggester::runDependentFills(const std::string& headword)
{
    fillMeanings(headword);
    fillLatvian(headword);
    fillEnglish(headword);
    fillForms(headword);
}

void Suggester::fillForToken()
{
    if (suggestionsOff())
        return;
    CandidateList& list = listOf(SuggestionList::Lemma);
    list.clear();
    // Records of the previous token never leak into this one's lists.
    m_textWords.clear();
    m_dictionaryWords.clear();
    m_analyses.clear();
    if (handledAsNotTagged())
        return;

    const XmlNode token = m_doc.currentToken();
    const std::string ownLemma = tokenValue(text::kLemma);
    const bool onlyIf = m_settings.onlyIf != 0;
    if (onlyIf && !ownLemma.empty() && !tokenValue(text::kForm).empty()) {
        propose(SuggestionList::Lemma, m_fields.lemma, ownLemma);
        runDependentFills(m_fields.lemma);
        return;
    }

    const std::string surface = CPelmoraDoc::tokenText(token);
    const std::string key = MakeWordFormKey(surface);
    const SuggestionSource source = m_settings.suggestionSource();
    if (source == SuggestionSource::OpenText) {
        addOpenTextHeadwords(key, ownLemma);
    } else if (source == SuggestionSource::Dictionary) {
        if (!ownLemma.empty())
            list.add(ownLemma, ownLemma);
        if (m_sources.dictionary) {
            for (const XmlNode entry : m_sources.dictionary->lookUpWordForm(
                     key, m_settings.compareWithoutEndings != 0, m_endings.text())) {
                const std::string lemma = nfcAttribute(entry, dict::kFormLemma);
                if (!lemma.empty())
                    list.add(lemma, ownLemma);
                m_dictionaryWords.push_back(
                    {nfcAttribute(entry, dict::kId), lemma, nfcAttribute(entry, dict::kForm)});
            }
        }
    }
    if (m_settings.tamberlin != 0) {
        m_analyses = askAnalyser(surface);
        for (const AnalyserProposal& proposal : m_analyses)
            if (!proposal.result.lemma.empty())
                list.add(proposal.result.lemma, ownLemma, proposal.source);
    }

    if (list.empty()) {
        propose(SuggestionList::Lemma, m_fields.lemma, "");
        runDependentFills(m_fields.lemma);
        return;
    }
    if (onlyIf && !ownLemma.empty()) {
        propose(SuggestionList::Lemma, m_fields.lemma, ownLemma);
        list.selected = -1;
        runDependentFills(m_fields.lemma);
        return;
    }
    selectFirst(SuggestionList::Lemma, m_fields.lemma);
    runDependentFills(m_fields.lemma);
}

Evidence Suggester::evidence()
{
    return {m_sources.dictionary, &m_index, m_sources.confirmedTexts, m_sources.openTextPath};
}

std::vector<Suggester::AnalyserProposal> Suggester::askAnalyser(const std::string& surface)
{
    std::vector<AnalyserProposal> proposals;
    if (!m_settings.analyserFile.empty() && m_sources.localAnalyser) {
        m_sources.localAnalyser->setPath(m_settings.analyserFile);
        const std::shared_ptr<const LocalAnalyser> analyser = m_sources.localAnalyser->analyser(m_prompter);
        if (!analyser)
            return proposals;
        for (const RankedAnalysis& ranked : rankAnalyses(surface, analyser->analyse(surface), evidence())) {
            const std::string name = partOfSpeechNameOf(ranked.reading.partOfSpeech);
            proposals.push_back({{ranked.reading.lemma, name.empty() ? kNone : name,
                                  ranked.reading.form.empty() ? kNone : ranked.reading.form},
                                 ranked.source});
        }
    } else if (m_settings.analyserFile.empty() && m_sources.analyser) {
        for (AnalyserResult& result : m_sources.analyser->analyse(surface, m_prompter))
            proposals.push_back({std::move(result), std::nullopt});
    }
    return proposals;
}

void Suggester::addOpenTextHeadwords(const std::string& key, const std::string& ownLemma)
{
    CandidateList& list = listOf(SuggestionList::Lemma);
    // Same word: every token with this key, in document order.
    std::int64_t firstWithLemma = -1;
    for (const TextTokenIndex::Entry& entry : m_index.tokensWithKey(key)) {
        const std::string lemma = nfcAttribute(entry.token, text::kLemma);
        const std::string form = nfcAttribute(entry.token, text::kForm);
        if (!lemma.empty()) {
            list.add(lemma, ownLemma);
            if (firstWithLemma < 0)
                firstWithLemma = entry.position;
        }
        if (!lemma.empty() || !form.empty())
            m_textWords.push_back({key, lemma, form});
    }
    if (m_settings.compareWithoutEndings == 0)
        return;

    // Same word up to endings: only the tokens met before the first same word with a lemma.
    struct Match {
        std::uint32_t position;
        std::string key;
        std::string lemma;
        std::string form;
    };
    std::vector<Match> matches;
    const std::u32string key32 = toCodePoints(key);
    for (const std::u32string& variant : endingVariants(key32, m_endings)) {
        if (variant == key32 || !isSameWordUpToEndings(key32, variant, m_endings))
            continue;
        const std::string variantKey = fromCodePoints(variant);
        for (const TextTokenIndex::Entry& entry : m_index.tokensWithKey(variantKey)) {
            if (firstWithLemma >= 0 && entry.position > firstWithLemma)
                break;
            const std::string lemma = nfcAttribute(entry.token, text::kLemma);
            if (!lemma.empty())
                matches.push_back({entry.position, variantKey, lemma, nfcAttribute(entry.token, text::kForm)});
        }
    }
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) { return a.position < b.position; });
    std::vector<std::string> lemmas;
    for (const Match& match : matches) {
        m_textWords.push_back({match.key, match.lemma, match.form});
        if (std::find(lemmas.begin(), lemmas.end(), match.lemma) != lemmas.end())
            continue;
        if (match.lemma == ownLemma)
            lemmas.insert(lemmas.begin(), match.lemma);
        else
            lemmas.push_back(match.lemma);
    }
    if (firstWithLemma < 0)
        for (const std::string& lemma : lemmas)
            list.add(lemma, ownLemma);
}

void Suggester::headwordEdited(const std::string& typed)
{
    const std::string text = toNfc(typed);
    touch(SuggestionList::Lemma);
    m_fields.lemma = text;
    if (suggestionsOff())
        return;
    if (codePointCount(text) >= 3 && m_settings.suggestionSource() == SuggestionSource::Dictionary &&
        m_sources.dictionary) {
        CandidateList& list = listOf(SuggestionList::Lemma);
        list.clear();
        for (const std::string& lemma : m_sources.dictionary->completeLemma(text))
            list.append(lemma);
    }
    runDependentFills(text);
}

void Suggester::meaningEdited(const std::string& typed)
{
    const std::string text = toNfc(typed);
    touch(SuggestionList::Meaning);
    m_fields.meaning = text;
    fillPartsOfSpeech(m_fields.lemma, text);
}

void Suggester::partOfSpeechChanged(int index)
{
    touch(SuggestionList::PartOfSpeech);
    m_fields.partOfSpeech = index;
    fillForms(m_fields.lemma);
}

void Suggester::choose(SuggestionList which, std::size_t index)
{
    CandidateList& list = listOf(which);
    if (index >= list.size())
        return;
    list.selected = static_cast<int>(index);
    const std::string item = list[index];
    touch(which);
    switch (which) {
    case SuggestionList::Lemma:
        m_fields.lemma = item;
        runDependentFills(item);
        break;
    case SuggestionList::Meaning:
        m_fields.meaning = dashToEmpty(item);
        fillPartsOfSpeech(m_fields.lemma, m_fields.meaning);
        break;
    case SuggestionList::PartOfSpeech:
        m_fields.partOfSpeech = std::max(0, partOfSpeechIndex(item));
        fillForms(m_fields.lemma);
        break;
    case SuggestionList::Form:
        m_fields.form = dashToEmpty(item);
        break;
    case SuggestionList::Latvian:
        m_fields.latvian = dashToEmpty(item);
        break;
    case SuggestionList::English:
        m_fields.english = dashToEmpty(item);
        break;
    }
}

void Suggester::fillMeanings(const std::string& headword)
{
    if (suggestionsOff())
        return;
    CandidateList& list = listOf(SuggestionList::Meaning);
    list.clear();
    m_textMeanings.clear();
    m_dictionaryMeanings.clear();
    if (handledAsNotTagged())
        return;

    const std::string own = tokenValue(text::kMeaning);
    if (m_settings.onlyIf != 0 && !own.empty()) {
        propose(SuggestionList::Meaning, m_fields.meaning, own);
        fillPartsOfSpeech(headword, m_fields.meaning);
        return;
    }
    if (headword.empty()) {
        propose(SuggestionList::Meaning, m_fields.meaning, own);
        setPartOfSpeechFromText(tokenValue(text::kPartOfSpeech));
        propose(SuggestionList::Form, m_fields.form, tokenValue(text::kForm));
        listOf(SuggestionList::PartOfSpeech).clear();
        listOf(SuggestionList::Form).clear();
        return;
    }

    const std::string ownOrNone = own.empty() ? kNone : own;
    const SuggestionSource source = m_settings.suggestionSource();
    if (source == SuggestionSource::OpenText) {
        for (const TextTokenIndex::Entry& entry : m_index.tokensWithLemma(headword)) {
            MeaningRecord record{headword,
                                 nfcAttribute(entry.token, text::kMeaning),
                                 nfcAttribute(entry.token, text::kPartOfSpeech),
                                 nfcAttribute(entry.token, text::kLatvian),
                                 nfcAttribute(entry.token, text::kEnglish),
                                 0};
            list.add(record.meaning.empty() ? kNone : record.meaning, ownOrNone);
            m_textMeanings.push_back(std::move(record));
        }
    } else if (source == SuggestionSource::Dictionary && m_sources.dictionary) {
        if (!own.empty() && own != kNone)
            list.add(own, own);
        for (const XmlNode analysis : m_sources.dictionary->analyses(DictSection::Lemmas, headword)) {
            MeaningRecord record{headword,
                                 nfcAttribute(analysis, dict::kMeaning),
                                 nfcAttribute(analysis, dict::kPartOfSpeech),
                                 nfcAttribute(analysis, dict::kLatvian),
                                 nfcAttribute(analysis, dict::kEnglish),
                                 analysisWeight(analysis)};
            list.add(record.meaning.empty() ? kNone : record.meaning, own);
            // Heaviest first; among equal weights the later record goes in front.
            const auto at = std::find_if(m_dictionaryMeanings.begin(), m_dictionaryMeanings.end(),
                                         [&](const MeaningRecord& r) { return r.weight <= record.weight; });
            m_dictionaryMeanings.insert(at, std::move(record));
        }
    }

    if (!list.empty()) {
        if (!list.contains(kNone))
            list.append(kNone);
        selectFirst(SuggestionList::Meaning, m_fields.meaning);
    } else {
        propose(SuggestionList::Meaning, m_fields.meaning, "");
    }
    fillPartsOfSpeech(headword, m_fields.meaning);
}

void Suggester::fillLatvian(const std::string& headword)
{
    fillEquivalents(headword, SuggestionList::Latvian, text::kLatvian, m_settings.noLatvian != 0, m_fields.latvian);
}

void Suggester::fillEnglish(const std::string& headword)
{
    fillEquivalents(headword, SuggestionList::English, text::kEnglish, m_settings.noEnglish != 0, m_fields.english);
}

void Suggester::fillEquivalents(const std::string& headword, SuggestionList which, const char* attribute,
                                bool switchedOff, std::string& field)
{
    if (suggestionsOff())
        return;
    CandidateList& list = listOf(which);
    list.clear();
    if (handledAsNotTagged())
        return;
    if (switchedOff) {
        propose(which, field, "");
        return;
    }
    const std::string own = tokenValue(attribute);
    if (m_settings.onlyIf != 0 && !own.empty()) {
        propose(which, field, own);
        return;
    }
    const SuggestionSource source = m_settings.suggestionSource();
    if (source == SuggestionSource::OpenText && !headword.empty()) {
        for (const TextTokenIndex::Entry& entry : m_index.tokensWithLemma(headword)) {
            const std::string value = nfcAttribute(entry.token, attribute);
            if (!value.empty())
                list.add(value, own);
        }
    } else if (source == SuggestionSource::Dictionary && m_sources.dictionary) {
        if (!own.empty() && own != kNone)
            list.add(own, own);
        if (!headword.empty()) {
            for (const XmlNode analysis : m_sources.dictionary->analyses(DictSection::Lemmas, headword)) {
                const std::string value = nfcAttribute(analysis, attribute);
                if (!value.empty())
                    list.add(value, own);
            }
        }
    }
    if (!list.empty()) {
        if (!list.contains(kNone))
            list.insertAt(1, kNone);
        selectFirst(which, field);
    } else {
        propose(which, field, "");
    }
}

void Suggester::fillPartsOfSpeech(const std::string& headword, const std::string& meaning)
{
    if (suggestionsOff())
        return;
    CandidateList& list = listOf(SuggestionList::PartOfSpeech);
    const bool keepOld = !m_moving && !m_chosenInTextView;
    const std::vector<std::string> setAside = keepOld ? list.items() : std::vector<std::string>();
    list.clear();
    if (handledAsNotTagged())
        return;

    const std::string ownCode = tokenValue(text::kPartOfSpeech);
    // A part of speech the token already has is shown as it is, like every other field.
    if (m_settings.onlyIf != 0 && !ownCode.empty()) {
        setPartOfSpeechFromText(ownCode);
        fillForms(headword);
        return;
    }
    const std::string ownName = partOfSpeechNameOf(ownCode);
    const SuggestionSource source = m_settings.suggestionSource();
    if (source == SuggestionSource::Dictionary && !ownCode.empty() && ownCode != kNone && !ownName.empty())
        list.add(ownName, ownName);
    const std::vector<MeaningRecord>& records =
        source == SuggestionSource::OpenText ? m_textMeanings : m_dictionaryMeanings;
    for (const MeaningRecord& record : records) {
        if (record.lemma != headword || record.meaning != meaning)
            continue;
        const std::string name = partOfSpeechNameOf(record.partOfSpeech);
        if (!name.empty())
            list.add(name, ownName);
    }
    if (m_settings.tamberlin != 0) {
        for (const AnalyserProposal& proposal : m_analyses)
            if (proposal.result.lemma == headword && !proposal.result.partOfSpeech.empty() &&
                proposal.result.partOfSpeech != kNone)
                list.add(proposal.result.partOfSpeech, ownName, proposal.source);
    }

    if (list.empty())
        for (const std::string& item : setAside)
            list.append(item);
    if (!list.empty()) {
        if (isTouched(SuggestionList::PartOfSpeech)) {
            const auto at = std::find(list.items().begin(), list.items().end(), partOfSpeechNameOf(partOfSpeechCode()));
            list.selected = at == list.items().end() ? -1 : static_cast<int>(at - list.items().begin());
        } else {
            list.selected = 0;
            setPartOfSpeechFromText(list[0]);
        }
    } else {
        proposePartOfSpeech(0);
    }
    fillForms(headword);
}

void Suggester::fillForms(const std::string& headword)
{
    if (suggestionsOff())
        return;
    CandidateList& list = listOf(SuggestionList::Form);
    const bool keepOld = !m_moving && !m_chosenInTextView;
    const std::vector<std::string> setAside = keepOld ? list.items() : std::vector<std::string>();
    list.clear();
    if (handledAsNotTagged())
        return;

    const std::string own = tokenValue(text::kForm);
    if ((m_settings.onlyIf != 0 && !own.empty()) || headword.empty()) {
        propose(SuggestionList::Form, m_fields.form, own);
        return;
    }
    const std::string surface = CPelmoraDoc::tokenText(m_doc.currentToken());
    const std::string key = MakeWordFormKey(surface);
    const SuggestionSource source = m_settings.suggestionSource();
    if (source == SuggestionSource::Dictionary && !own.empty() && own != kNone)
        list.add(own, own);
    const std::vector<WordRecord>& records = source == SuggestionSource::OpenText ? m_textWords : m_dictionaryWords;
    for (const WordRecord& record : records)
        if (record.key == key && record.lemma == headword && !record.form.empty() && record.form != kNone)
            list.add(record.form, own);
    if (m_settings.tamberlin != 0) {
        for (const AnalyserProposal& proposal : m_analyses)
            if (proposal.result.lemma == headword && !proposal.result.form.empty() && proposal.result.form != kNone)
                list.add(proposal.result.form, own, proposal.source);
    }
    if (m_settings.morf != 0)
        addRuleForms(surface, headword, own);

    if (!list.empty()) {
        if (!list.contains(kNone))
            list.append(kNone);
    } else {
        for (const std::string& item : setAside)
            list.append(item);
    }
    if (!list.empty())
        selectFirst(SuggestionList::Form, m_fields.form);
    else
        propose(SuggestionList::Form, m_fields.form, "");
}

void Suggester::addRuleForms(const std::string& surface, const std::string& headword, const std::string& own)
{
    const std::optional<RuleSet> rules = ruleSetForPartOfSpeech(partOfSpeechCode());
    const std::u32string word = toCodePoints(MakeWordFormKey(surface));
    if (!rules || word.size() < 3)
        return;
    // The rules' walk decides which forms are proposed (it stops once the list would hold more
    // than 3 entries); the evidence then decides their order.
    CandidateList& list = listOf(SuggestionList::Form);
    CandidateList walked = list;
    std::vector<std::string> forms;
    for (std::size_t length = std::min<std::size_t>(6, word.size() - 2);; --length) {
        if (walked.size() > 3)
            break;
        std::vector<std::string> hits;
        appendRuleForms(*rules, fromCodePoints(word.substr(word.size() - length)), hits);
        for (const std::string& hit : hits) {
            if (!walked.contains(hit)) {
                walked.append(hit);
                forms.push_back(hit);
            }
        }
        if (length == 0)
            break;
    }
    for (const RankedForm& ranked : rankForms(surface, headword, forms, evidence()))
        list.add(ranked.form, own, ranked.source);
}

}  // namespace pelmora
