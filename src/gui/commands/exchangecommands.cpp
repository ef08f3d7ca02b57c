#include "commands/exchangecommands.h"

#include "app/commandactions.h"
#include "app/overridecursor.h"
#include "app/qtstrings.h"
#include "dialogs/exchangeimportdialog.h"
#include "exchange/convert.h"
#include "exchange/lift.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pelmora::gui {

namespace {

using exchange::ExchangeFormat;

const QString kExportFilter = QStringLiteral("CoNLL-U (*.conllu);;FlexText (*.flextext);;EAF (*.eaf)");
const QString kImportFilter = QStringLiteral(
    "EAF, FlexText, CoNLL-U (*.eaf *.flextext *.conllu);;EAF (*.eaf);;FlexText (*.flextext);;CoNLL-U (*.conllu)");
const QString kLiftFilter = QStringLiteral("LIFT (*.lift)");

// The exchange format a path names by its extension; none for a corpus text or an unknown one,
// which is told.
std::optional<ExchangeFormat> exchangeFormatOf(const QString& path, Prompter& prompter)
{
    const std::optional<ExchangeFormat> format = exchange::formatOfPath(toStd(path));
    if (format && *format != ExchangeFormat::CorpusText)
        return format;
    prompter.error(toStd(QCoreApplication::translate("ExchangeCommands", "Faili %1 vormingut ei tunne.\nTuntud laiendid: .conllu, .flextext, .eaf.")
                             .arg(QDir::toNativeSeparators(path))));
    return std::nullopt;
}

// `path` with its extension replaced ("" stays "").
QString withSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty())
        return {};
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + '.' + suffix);
}

}  // namespace

ExchangeCommands::ExchangeCommands(CPelmoraDoc& doc, Prompter& prompter, FileChooser& files, DialogRunner& dialogs,
                                   QWidget* parent)
    : QObject(parent), m_doc(doc), m_prompter(prompter), m_files(files), m_dialogs(dialogs), m_parent(parent)
{
}

void ExchangeCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::ExportExchange, &ExchangeCommands::exportToFormat},
                        {Command::ImportExchange, &ExchangeCommands::importFromFormat}});
}

void ExchangeCommands::setWindowHooks(std::function<bool()> mayReplace, std::function<void(const QString&)> opened)
{
    m_mayReplace = std::move(mayReplace);
    m_opened = std::move(opened);
}

void ExchangeCommands::exportToFormat()
{
    if (!m_doc.firstToken())
        return;
    const QString openPath = m_openPath ? m_openPath() : QString();
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QCoreApplication::translate("ExchangeCommands", "Ekspordi vormingusse");
    request.filter = kExportFilter;
    request.defaultSuffix = QStringLiteral("conllu");
    request.start = withSuffix(openPath, request.defaultSuffix);
    // The file dialog has asked before an existing file is replaced.
    const QString path = m_files.chooseOne(m_parent, request);
    if (path.isEmpty())
        return;
    const std::optional<ExchangeFormat> format = exchangeFormatOf(path, m_prompter);
    if (!format)
        return;
    exchange::ExportOptions options;
    options.textPath = toStd(openPath);
    bool written = false;
    {
        const OverrideCursor wait;
        written = exchange::exportCorpusFile(m_doc.xml().root(), *format, toStd(path), options, m_prompter);
    }
    if (written)
        Q_EMIT exportReported(
            QCoreApplication::translate("ExchangeCommands", "Eksporditud faili %1.").arg(QDir::toNativeSeparators(path)));
}

void ExchangeCommands::importFromFormat()
{
    if (m_mayReplace && !m_mayReplace())
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = QCoreApplication::translate("ExchangeCommands", "Impordi vormingust");
    request.filter = kImportFilter;
    request.start = m_lastImport;
    const QString input = m_files.chooseOne(m_parent, request);
    if (input.isEmpty())
        return;
    m_lastImport = input;
    const std::optional<ExchangeFormat> format = exchangeFormatOf(input, m_prompter);
    if (!format)
        return;
    const ExchangeImportDialog::Reader read = [input, format = *format](const std::string& tier) {
        exchange::ImportOptions options;
        options.tier = tier;
        options.fallbackId = toStd(QFileInfo(input).completeBaseName());
        return exchange::importExchangeFile(toStd(input), format, options);
    };
    exchange::ImportResult first;
    {
        const OverrideCursor wait;
        first = read({});
    }
    if (!first.ok) {
        m_prompter.error(toStd(QCoreApplication::translate("ExchangeCommands", "Vigane fail %1.\n").arg(QDir::toNativeSeparators(input))) + first.reason);
        return;
    }
    ExchangeImportDialog dialog(input, *format, std::move(first), read, m_parent);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return;

    FileRequest target = FileRequest::xml(FileRequest::Mode::Save, QCoreApplication::translate("ExchangeCommands", "Salvesta imporditud tekst"),
                                          withSuffix(input, QStringLiteral("xml")));
    const QString output = m_files.chooseOne(m_parent, target);
    if (output.isEmpty())
        return;
    exchange::ImportResult& result = dialog.result();
    if (!result.ok || dialog.chosenText() >= result.texts.size())
        return;
    exchange::CorpusTextBuilder& builder = *result.texts[dialog.chosenText()].builder;
    bool opened = false;
    {
        const OverrideCursor wait;
        opened = exchange::openImportedText(m_doc, builder, toStd(input), toStd(output), m_prompter);
    }
    if (opened && m_opened)
        m_opened(output);
}

void exportDictionaryLift(const CDictionary& dictionary, Prompter& prompter, FileChooser& files, QWidget* parent)
{
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QCoreApplication::translate("ExchangeCommands", "Ekspordi LIFT-vormingusse");
    request.filter = kLiftFilter;
    request.defaultSuffix = QStringLiteral("lift");
    request.start = withSuffix(toQt(dictionary.path()), request.defaultSuffix);
    // The core asks before it replaces a file, so the file dialog does not ask as well.
    request.confirmOverwrite = false;
    const QString path = files.chooseOne(parent, request);
    if (path.isEmpty())
        return;
    const OverrideCursor wait;
    exchange::exportLift(dictionary, toStd(path), prompter);
}

bool importDictionaryLift(CDictionary& dictionary, Prompter& prompter, FileChooser& files, QWidget* parent)
{
    FileRequest request;
    request.title = QCoreApplication::translate("ExchangeCommands", "Impordi LIFT-vormingust");
    request.filter = kLiftFilter;
    const QString path = files.chooseOne(parent, request);
    if (path.isEmpty())
        return false;
    return exchange::importLift(dictionary, toStd(path), prompter);
}

}  // namespace pelmora::gui
