#include "dictionary/dictionaryeditor.h"

#include "common/translation.h"

namespace pelmora {

namespace {

constexpr const char* kNotFound = QT_TRANSLATE_NOOP("core", "Ei leidnud.");

const char* endMessage(DictSection section)
{
    switch (section) {
    case DictSection::WordForms: return QT_TRANSLATE_NOOP("core", "Pole rohkem sõnesid");
    case DictSection::Lemmas: return QT_TRANSLATE_NOOP("core", "Pole rohkem lemmasid");
    case DictSection::Combinations: break;
    }
    return QT_TRANSLATE_NOOP("core", "Pole rohkem ühendeid");
}

std::string changeMessage(DictSection section, bool afterEmptiedStep)
{
    // The combinations page has always said it this way after deleting an emptied entry.
    switch (section) {
    case DictSection::WordForms:
        return QT_TRANSLATE_NOOP("core", "Teine kasutaja on vahepeal sõnastikku muutnud.\n"
                                         "Muudatusi võib olla ka juba läbi vaadatud sõnede seas.");
    case DictSection::Lemmas:
        return QT_TRANSLATE_NOOP("core", "Teine kasutaja on vahepeal sõnastikku muutnud.\n"
                                         "Muudatusi võib olla ka juba läbi vaadatud lemmade seas.");
    case DictSection::Combinations: break;
    }
    return afterEmptiedStep ? QT_TRANSLATE_NOOP("core", "Teine kasutaja on vahepeal sõnestikku muutnud.\n"
                                                        "Muudatusi võib olla ka juba läbi vaadatud ühendite seas.")
                            : QT_TRANSLATE_NOOP("core", "Teine kasutaja on vahepeal sõnastikku muutnud.\n"
                                                        "Muudatusi võib olla ka juba läbi vaadatud ühendite seas.");
}

// The analysis itself, or the first after it in the direction that is no placeholder; null when
// there is none (before the first entry there is nothing).
XmlNode skipPlaceholders(XmlNode analysis, Direction direction)
{
    while (isPlaceholder(analysis)) {
        const XmlNode step = direction == Direction::Forward ? CDictionary::nextEntry(analysis)
                                                             : CDictionary::previousEntry(analysis);
        if (step == analysis)
            return {};
        analysis = step;
    }
    return analysis;
}

Direction opposite(Direction direction)
{
    return direction == Direction::Forward ? Direction::Backward : Direction::Forward;
}

// The status line after "Lisa".
std::string addStatus(const ChangeResult& result, DictSection section)
{
    if (!result.applied || !result.position)
        return translatedText(QT_TRANSLATE_NOOP("core", "Ei lisanud midagi."));
    if (!result.saved)
        return translatedText(QT_TRANSLATE_NOOP("core", "Kirje on sõnastikus, aga faili ei saanud salvestada."));
    if (section == DictSection::Combinations)
        return translatedText(QT_TRANSLATE_NOOP("core", "Sõnastikus on nüüd see kirje."));
    return formatText(QT_TRANSLATE_NOOP("core", "Sõnastikus on nüüd see kirje (kaal %s)."),
                      {std::to_string(analysisWeight(result.position))});
}

bool noPartOfSpeech(const std::string& code)
{
    return code.empty() || code == "-";
}

}  // namespace

EditorFields analysisFields(DictSection section, XmlNode analysis)
{
    EditorFields fields{};
    if (!analysis)
        return fields;
    // The section's attributes after the id are the fields, in order; the weight is not one.
    const std::vector<const char*>& attributes = sectionAttributes(section);
    const std::size_t count = section == DictSection::Lemmas ? 5 : 3;
    for (std::size_t i = 0; i < count; ++i)
        fields[i] = attributeValue(analysis, attributes[i]);
    return fields;
}

XmlNode findAnalysis(const CDictionary& dictionary, DictSection section, const EditorFields& fields)
{
    for (const XmlNode analysis : dictionary.analyses(section, fields[0]))
        if (analysisFields(section, analysis) == fields)
            return analysis;
    return {};
}

DictionaryEditorPage::DictionaryEditorPage(CDictionary& dictionary, DictSection section, Prompter& prompter,
                                           EditorPosition& position)
    : m_dictionary(dictionary), m_section(section), m_prompter(prompter), m_position(position)
{
}

DictionaryEditorPage::DictionaryEditorPage(CDictionary& dictionary, DictSection section, Prompter& prompter)
    : DictionaryEditorPage(dictionary, section, prompter, m_ownPosition)
{
}

XmlNode DictionaryEditorPage::current()
{
    if (m_position.loadSerial != m_dictionary.loadSerial())
        moveTo(firstShown());
    else if (isPlaceholder(m_position.entry))
        moveTo(skipPlaceholders(m_position.entry, Direction::Forward));
    return m_position.entry;
}

XmlNode DictionaryEditorPage::firstShown() const
{
    return skipPlaceholders(m_dictionary.firstEntry(m_section), Direction::Forward);
}

std::string DictionaryEditorPage::variantText()
{
    const CDictionary::VariantPosition at = m_dictionary.variantPosition(m_section, current());
    if (at.count < 2)
        return {};
    return formatText(QT_TRANSLATE_NOOP("core", "kirje %s/%s"),
                      {std::to_string(at.position), std::to_string(at.count)});
}

void DictionaryEditorPage::moveTo(XmlNode analysis)
{
    m_position = {analysis, m_dictionary.loadSerial()};
}

std::size_t DictionaryEditorPage::fieldCount() const
{
    return m_section == DictSection::Lemmas ? 5 : 3;
}

const EditorFields& DictionaryEditorPage::show()
{
    m_displayed = analysisFields(m_section, current());
    return m_displayed;
}

bool DictionaryEditorPage::isEdited(const EditorFields& fields) const
{
    for (std::size_t i = 0; i < fieldCount(); ++i)
        if (fields[i] != m_displayed[i])
            return true;
    return false;
}

bool DictionaryEditorPage::isEmptied(const EditorFields& fields) const
{
    if (fields[0].empty())
        return true;
    switch (m_section) {
    case DictSection::WordForms: return fields[1].empty() && fields[2].empty();
    case DictSection::Lemmas:
        return fields[1].empty() && fields[3].empty() && fields[4].empty() && noPartOfSpeech(fields[2]);
    case DictSection::Combinations: break;
    }
    return false;
}

void DictionaryEditorPage::reportChange(const ChangeResult& result, bool afterEmptiedStep)
{
    if (result.changed)
        m_prompter.message(MessageKind::Plain, "", changeMessage(m_section, afterEmptiedStep));
}

ChangeResult DictionaryEditorPage::store(const EditorFields& f)
{
    const auto partOfSpeech = [](const std::string& code) { return noPartOfSpeech(code) ? std::string() : code; };
    switch (m_section) {
    case DictSection::WordForms: return m_dictionary.storeWordForm(f[0], f[1], f[2]);
    case DictSection::Lemmas: return m_dictionary.storeLemma(f[0], f[1], partOfSpeech(f[2]), f[3], f[4]);
    case DictSection::Combinations: break;
    }
    return m_dictionary.storeCombination(f[0], f[1], partOfSpeech(f[2]));
}

ChangeResult DictionaryEditorPage::deleteShown(Direction direction)
{
    const EditorFields& d = m_displayed;
    if (d[0].empty() && !current())
        return {};  // nothing was shown
    ChangeResult result;
    switch (m_section) {
    case DictSection::WordForms: result = m_dictionary.deleteWordForm(d[0], d[1], d[2], direction); break;
    case DictSection::Lemmas: result = m_dictionary.deleteLemma(d[0], d[1], d[2], d[3], d[4], direction); break;
    case DictSection::Combinations: result = m_dictionary.deleteCombination(d[0], d[1], d[2], direction); break;
    }
    // The page goes on from where the deleted analysis stood (past a placeholder there).
    if (result.position) {
        const XmlNode near = skipPlaceholders(result.position, direction);
        moveTo(near ? near : skipPlaceholders(result.position, opposite(direction)));
    }
    return result;
}

const EditorFields& DictionaryEditorPage::add(const EditorFields& fields)
{
    const ChangeResult result = store(fields);
    reportChange(result);
    if (result.applied && result.position)
        moveTo(result.position);
    m_status = addStatus(result, m_section);
    return show();
}

const EditorFields& DictionaryEditorPage::find(const std::string& text)
{
    m_status.clear();
    const XmlNode entry = m_dictionary.find(m_section, text);
    if (entry && !isPlaceholder(entry)) {
        moveTo(entry);
    } else {
        m_prompter.message(MessageKind::Plain, "", kNotFound);
        moveTo(firstShown());
    }
    return show();
}

const EditorFields& DictionaryEditorPage::step(const EditorFields& fields, Direction direction)
{
    m_status.clear();
    if (!isEdited(fields)) {
        const XmlNode from = current();
        if (direction == Direction::Forward) {
            moveTo(skipPlaceholders(CDictionary::nextEntry(from), direction));
        } else {
            // Before the first shown entry stands only a placeholder, if anything: stay.
            const XmlNode before = skipPlaceholders(CDictionary::previousEntry(from), direction);
            moveTo(before ? before : from);
        }
        if (!m_position.entry) {
            m_prompter.message(MessageKind::Plain, "", endMessage(m_section));
            moveTo(firstShown());
        }
        return show();
    }
    if (isEmptied(fields)) {
        reportChange(deleteShown(direction), true);
        return show();
    }
    // An edit replaces the analysis: the one shown goes, the edited one comes in anew. A refused
    // delete (the section's last entry, a lock given up) stores nothing either, so the page shows
    // the analysis as the dictionary still holds it.
    const ChangeResult deleted = deleteShown(direction);
    reportChange(deleted);
    if (deleted.applied)
        reportChange(store(fields));
    return show();
}

const EditorFields& DictionaryEditorPage::next(const EditorFields& fields)
{
    return step(fields, Direction::Forward);
}

const EditorFields& DictionaryEditorPage::previous(const EditorFields& fields)
{
    return step(fields, Direction::Backward);
}

const EditorFields& DictionaryEditorPage::remove()
{
    m_status.clear();
    reportChange(deleteShown(Direction::Forward));
    return show();
}

}  // namespace pelmora
