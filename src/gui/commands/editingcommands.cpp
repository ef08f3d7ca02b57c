#include "commands/editingcommands.h"

#include "app/commandactions.h"
#include "app/overridecursor.h"
#include "app/qtstrings.h"
#include "dialogs/audiopositiondialog.h"
#include "dialogs/importfilesdialog.h"
#include "dialogs/mergesentencesdialog.h"
#include "dialogs/textinfodialog.h"
#include "dialogs/tokentextdialog.h"
#include "io/dialectimport.h"
#include "io/plaintextimport.h"
#include "io/sentencesplitting.h"
#include "text/editing.h"
#include "text/metadata.h"
#include "text/textnormalisation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

namespace pelmora::gui {

namespace {

constexpr const char* kNoFileName = QT_TRANSLATE_NOOP("EditingCommands", "Sisesta faili nimi");
// The background of the places a dialect import marked in their comment.
constexpr Colour kSuspiciousColour{255, 200, 120};

}  // namespace

EditingCommands::EditingCommands(CPelmoraDoc& doc, Prompter& prompter, DialogRunner& dialogs, FileChooser& files,
                                 QWidget* parent)
    : QObject(parent), m_doc(doc), m_prompter(prompter), m_dialogs(dialogs), m_files(files), m_parent(parent)
{
}

void EditingCommands::setWindowHooks(std::function<bool()> mayReplace, std::function<void(const QString&)> opened)
{
    m_mayReplace = std::move(mayReplace);
    m_opened = std::move(opened);
}

// --- Sentence and token editing ------------------------------------------------------------------

void EditingCommands::modifyToken()
{
    if (!hasCurrentToken())
        return;
    TokenTextDialog dialog(TokenTextDialog::Purpose::Modify, toQt(CPelmoraDoc::tokenText(m_doc.currentToken())),
                           m_parent);
    if (m_dialogs.run(dialog) == QDialog::Accepted)
        pelmora::modifyToken(m_doc, toStd(dialog.text()));
}

void EditingCommands::addToken()
{
    if (!hasCurrentToken())
        return;
    TokenTextDialog dialog(TokenTextDialog::Purpose::Add, QString(), m_parent);
    if (m_dialogs.run(dialog) == QDialog::Accepted)
        pelmora::addToken(m_doc, toStd(dialog.text()));
}

void EditingCommands::mergeSentences()
{
    if (!hasCurrentToken())
        return;
    MergeSentencesDialog dialog(toQt(currentSentenceId(m_doc)), toQt(proposedMergeSentenceId(m_doc)), m_parent);
    if (m_dialogs.run(dialog) == QDialog::Accepted)
        pelmora::mergeSentences(m_doc, toStd(dialog.otherSentence().trimmed()));
}

void EditingCommands::audioPosition()
{
    if (!hasCurrentToken())
        return;
    AudioPositionFields start = audioPositionFields(m_doc);
    // By ear: where the recording plays or was stopped is where an unlinked sentence starts.
    if (start.minutes < 0 && m_heardPosition) {
        if (const std::optional<int> heard = m_heardPosition()) {
            start.minutes = *heard / 60;
            start.seconds = *heard % 60;
        }
    }
    AudioPositionDialog dialog(start.minutes, start.seconds, m_parent);
    // "&Loobu" changes nothing: neither the position nor, without an audio file, its removal.
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;
    setAudioPosition(m_doc, dialog.minutes(), dialog.seconds());
}

void EditingCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::ImportText, &EditingCommands::importText},
                        {Command::ImportDialect, &EditingCommands::importDialect},
                        {Command::TextInfo, &EditingCommands::textInfo},
                        {Command::ModifyToken, &EditingCommands::modifyToken},
                        {Command::AddToken, &EditingCommands::addToken},
                        {Command::DeleteToken, &EditingCommands::deleteToken},
                        {Command::MergeSentences, &EditingCommands::mergeSentences},
                        {Command::SplitSentence, &EditingCommands::splitSentence},
                        {Command::AudioPosition, &EditingCommands::audioPosition},
                        {Command::NormaliseText, &EditingCommands::normaliseText}});
}

void EditingCommands::deleteToken()
{
    pelmora::deleteToken(m_doc);
}

void EditingCommands::splitSentence()
{
    pelmora::splitSentence(m_doc);
}

void EditingCommands::normaliseText()
{
    if (!m_doc.hasText())
        return;
    std::size_t changed = 0;
    {
        const OverrideCursor wait;
        changed = pelmora::normaliseText(m_doc);
    }
    m_prompter.message(MessageKind::Information, kTitleNotice, normalisationMessage(changed));
}

// --- Text information ----------------------------------------------------------------------------

void EditingCommands::textInfo()
{
    if (!m_doc.hasText() || !m_doc.body())
        return;
    TextMetadata values = readTextMetadata(m_doc);
    // Asked again with the entered values while the ID or the type is missing.
    while (true) {
        TextInfoDialog dialog(values, m_prompter, m_dialogs, m_parent);
        if (m_dialogs.run(dialog) != QDialog::Accepted)
            return;
        values = dialog.values();
        if (acceptTextMetadata(m_doc, values).status != MetadataAcceptStatus::Incomplete)
            return;
    }
}

// --- Imports -------------------------------------------------------------------------------------

std::optional<TextMetadata> EditingCommands::askImportTextData(const TextMetadata& prefilled)
{
    TextInfoDialog dialog(prefilled, m_prompter, m_dialogs, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

ImportProgress EditingCommands::progressOf(std::unique_ptr<QProgressDialog>& holder, const QString& title,
                                           const QString& unit)
{
    return [this, &holder, title, unit](std::size_t done, std::size_t total) {
        // Made at the first step, so it never stands over the text data dialog.
        if (!holder) {
            holder = std::make_unique<QProgressDialog>(QString(), QCoreApplication::translate("EditingCommands", "&Loobu"), 0, 0, m_parent);
            holder->setWindowTitle(title);
            holder->setWindowModality(Qt::WindowModal);
            holder->setMinimumDuration(300);
            holder->setAutoReset(false);
            holder->setAutoClose(false);
        }
        QProgressDialog& dialog = *holder;
        // The bar counts in thousands when the total does not fit its int range.
        const int scale = total > 1'000'000'000 ? 1000 : 1;
        dialog.setMaximum(static_cast<int>(total / static_cast<std::size_t>(scale)));
        dialog.setValue(static_cast<int>(done / static_cast<std::size_t>(scale)));
        dialog.setLabelText(QStringLiteral("%1 / %2 %3").arg(done).arg(total).arg(unit));
        QApplication::processEvents();
        if (m_progressHook)
            m_progressHook(dialog);
        const bool goOn = !dialog.wasCanceled();
        // At the end the window goes, so the import's closing messages are not hidden behind it.
        if (done >= total)
            holder.reset();
        return goOn;
    };
}

void EditingCommands::keepImportChoicesIn(Settings& settings)
{
    m_settings = &settings;
    m_splitSentences = settings.importSplitSentences != 0;
    m_abbreviations = toQt(settings.importAbbreviations);
}

void EditingCommands::importText()
{
    if (m_mayReplace && !m_mayReplace())
        return;
    // After a refusal the dialog comes back with everything as the user left it, so that one
    // thing can be corrected and the import tried again; a cancel anywhere ends the command.
    while (true) {
        ImportFilesDialog dialog(ImportFilesDialog::Kind::PlainText, m_files, m_parent);
        dialog.setPaths(m_lastInput, m_lastOutput);
        dialog.setSentenceChoices(m_splitSentences, m_abbreviations);
        if (m_dialogs.run(dialog) != QDialog::Accepted)
            return;
        m_lastInput = dialog.inputPath();
        m_lastOutput = dialog.outputPath();
        m_splitSentences = dialog.splitSentences();
        m_abbreviations = dialog.abbreviations();
        if (m_settings) {
            m_settings->importSplitSentences = m_splitSentences ? 1 : 0;
            m_settings->importAbbreviations = toStd(m_abbreviations);
        }
        if (m_lastInput.isEmpty() || m_lastOutput.isEmpty()) {
            m_prompter.message(MessageKind::Warning, kTitleError, toStd(QCoreApplication::translate("EditingCommands", kNoFileName)));
            continue;
        }
        const ImportOutcome outcome = runTextImport();
        if (outcome == ImportOutcome::Imported && m_opened)
            m_opened(m_lastOutput);
        if (outcome != ImportOutcome::Refused)
            return;
    }
}

EditingCommands::ImportOutcome EditingCommands::runTextImport()
{
    PlainTextImportOptions options;
    options.splitSentences = m_splitSentences;
    options.abbreviations = parseAbbreviations(toStd(m_abbreviations));
    bool stopped = false;
    std::unique_ptr<QProgressDialog> progress;
    const ImportProgress shown = progressOf(progress, QCoreApplication::translate("EditingCommands", "Faili import"), QCoreApplication::translate("EditingCommands", "märki"));
    const bool imported = ImportPlainText(
        m_doc, toStd(m_lastInput), toStd(m_lastOutput), m_prompter,
        [this, &stopped](const TextMetadata& prefilled) {
            std::optional<TextMetadata> data = askImportTextData(prefilled);
            stopped = !data;
            return data;
        },
        [&](std::size_t done, std::size_t total) {
            stopped = !shown(done, total);
            return !stopped;
        },
        options);
    progress.reset();
    if (imported)
        return ImportOutcome::Imported;
    return stopped ? ImportOutcome::Stopped : ImportOutcome::Refused;
}

void EditingCommands::importDialect()
{
    if (m_mayReplace && !m_mayReplace())
        return;
    QString input = m_lastDialect;
    while (true) {
        ImportFilesDialog dialog(ImportFilesDialog::Kind::Dialect, m_files, m_parent);
        dialog.setPaths(input, QString());
        if (m_dialogs.run(dialog) != QDialog::Accepted)
            return;
        input = dialog.inputPath();
        if (!input.isEmpty())
            break;
        m_prompter.message(MessageKind::Warning, kTitleError, toStd(QCoreApplication::translate("EditingCommands", kNoFileName)));
    }
    m_lastDialect = input;

    std::unique_ptr<QProgressDialog> progress;
    const DialectImportResult result = importDialectText(
        m_doc, toStd(input), m_prompter,
        [this](const TextMetadata& prefilled) { return askImportTextData(prefilled); },
        progressOf(progress, QCoreApplication::translate("EditingCommands", "Murdekorpuse import"), QCoreApplication::translate("EditingCommands", "lõiku")));
    progress.reset();
    if (!result.ok)
        return;
    if (m_opened)
        m_opened(toQt(result.outputPath));
    if (result.suspicious > 0 && m_markSuspicious) {
        SearchCriteria marked;
        marked.set(SearchField::Comment, kImportErrorMark);
        marked.mode = SearchMode::Contains;
        marked.colour = kSuspiciousColour;
        m_markSuspicious(marked);
    }
}

}  // namespace pelmora::gui
