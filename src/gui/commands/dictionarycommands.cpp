#include "commands/dictionarycommands.h"

#include "annotation/lemmatiser.h"
#include "app/commandactions.h"
#include "app/mainframe.h"
#include "app/overridecursor.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "commands/exchangecommands.h"
#include "commands/longrun.h"
#include "dialogs/dictionaryeditordialog.h"
#include "dialogs/dictionarytabledialog.h"
#include "dialogs/lemmatisationdialog.h"
#include "dialogs/transformationsdialog.h"
#include "dictionary/dictionaryexport.h"
#include "dictionary/textaddition.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

namespace pelmora::gui {

DictionaryCommands::DictionaryCommands(CPelmoraApp& app, QWidget* parent)
    : QObject(parent), m_app(app), m_parent(parent)
{
}

void DictionaryCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::EditDictionary, &DictionaryCommands::editDictionary},
                        {Command::DictionaryTable, &DictionaryCommands::dictionaryTable},
                        {Command::AddTextToDictionary, &DictionaryCommands::addTextToDictionary},
                        {Command::ExportDictionary, &DictionaryCommands::exportDictionary},
                        {Command::Lemmatise, &DictionaryCommands::lemmatise},
                        {Command::Transformations, &DictionaryCommands::transformations}});
}

std::function<bool(std::size_t, std::size_t)> DictionaryCommands::progress(std::unique_ptr<QProgressDialog>& window,
                                                                           const QString& label)
{
    return longRunProgress(window, m_parent, label, m_progressHook);
}

void DictionaryCommands::editDictionary()
{
    CDictionary& dictionary = m_app.dictionary();
    // The editor shows the file as it is now; an unchanged file keeps the pages where they were.
    if (dictionary.isValid())
        dictionary.reloadIfChanged();
    else if (!dictionary.reopen())
        return;
    DictionaryEditorDialog dialog(dictionary, m_app.prompter(), m_app.dialogs(), m_editorPositions, m_parent);
    setUpEditor(dialog);
    m_app.dialogs().run(dialog);
}

void DictionaryCommands::setUpEditor(DictionaryEditorDialog& dialog)
{
    dialog.setShowUsage(m_showUsage);
    dialog.setLiftExchange(
        [this](QWidget* parent) { exportDictionaryLift(m_app.dictionary(), m_app.prompter(), m_app.files(), parent); },
        [this](QWidget* parent) { importDictionaryLift(m_app.dictionary(), m_app.prompter(), m_app.files(), parent); });
}

void DictionaryCommands::runEditor(DictSection section, QWidget* parent)
{
    DictionaryEditorDialog dialog(m_app.dictionary(), m_app.prompter(), m_app.dialogs(), m_editorPositions, parent);
    setUpEditor(dialog);
    dialog.showSection(section);
    m_app.dialogs().run(dialog);
}

XmlNode DictionaryCommands::editAnalysis(DictSection section, XmlNode analysis, QWidget* parent)
{
    CDictionary& dictionary = m_app.dictionary();
    // The editor shows the file as it is now: after a reload the analysis is looked up again.
    const EditorFields fields = analysisFields(section, analysis);
    if (dictionary.reloadIfChanged())
        analysis = findAnalysis(dictionary, section, fields);
    EditorPosition& position = m_editorPositions[sectionIndex(section)];
    if (analysis)
        position = {analysis, dictionary.loadSerial()};
    runEditor(section, parent);
    return position.loadSerial == dictionary.loadSerial() ? position.entry : XmlNode();
}

void DictionaryCommands::dictionaryTable()
{
    CDictionary& dictionary = m_app.dictionary();
    if (dictionary.isValid())
        dictionary.reloadIfChanged();
    else if (!dictionary.reopen())
        return;
    const QString openText = m_openTextPath ? m_openTextPath() : QString();
    DictionaryTableDialog dialog(dictionary, concordanceFiles(m_app.settings().concordanceFolder, toStd(openText)),
                                 m_parent);
    dialog.setOpenAnalysis(
        [this, &dialog](DictSection section, XmlNode analysis) { return editAnalysis(section, analysis, &dialog); });
    m_app.dialogs().run(dialog);
}

void DictionaryCommands::addTextToDictionary()
{
    const CPelmoraDoc& doc = m_app.doc();
    if (!doc.firstToken())
        return;
    std::unique_ptr<QProgressDialog> window;
    {
        const OverrideCursor busy(Qt::BusyCursor);
        const InputGuard guard(m_parent ? m_parent->window() : nullptr, window);
        pelmora::addTextToDictionary(doc, m_app.dictionary(), m_app.prompter(),
                                     progress(window, QCoreApplication::translate("DictionaryCommands", "Lisan sõned sõnastikku: %1 / %2 kirjet")));
    }
}

void DictionaryCommands::exportDictionary()
{
    const auto choosePath = [this] {
        FileRequest request;
        request.mode = FileRequest::Mode::Save;
        request.title = QCoreApplication::translate("DictionaryCommands", "Ekspordi sõnastik");
        request.filter = QCoreApplication::translate("DictionaryCommands", "Tekstifailid (*.txt)");
        request.defaultSuffix = QStringLiteral("txt");
        return toStd(m_app.files().chooseOne(m_parent, request));
    };
    // The file as it is now, with what other users have added since this process loaded it.
    CDictionary& dictionary = m_app.dictionary();
    if (dictionary.isValid())
        dictionary.reloadIfChanged();
    pelmora::exportDictionary(dictionary, choosePath, m_app.prompter());
}

void DictionaryCommands::lemmatise()
{
    CPelmoraDoc& doc = m_app.doc();
    if (!doc.hasText())
        return;
    Prompter& prompter = m_app.prompter();
    prompter.message(MessageKind::Warning, toStd(QCoreApplication::translate("DictionaryCommands", "Tekstide ühendamine")), lemmatisationWarning());
    Settings& settings = m_app.settings();
    LemmatisationDialog dialog(toQt(settings.dictionaryPathName), m_app.files(),
                               [this, &dialog] { editTransformations(&dialog); }, m_parent);
    if (m_app.dialogs().run(dialog) != QDialog::Accepted)
        return;
    const LemmatisationChoice choice = dialog.choice();
    if (!choice.useDictionary) {
        prompter.message(MessageKind::Warning, ":-(", toStd(QCoreApplication::translate("DictionaryCommands", "Seda funktsiooni veel pole, sry.")));
        return;
    }
    CDictionary& dictionary = m_app.dictionary();
    const std::string path = toStd(choice.dictionaryPath);
    if (path != settings.dictionaryPathName) {
        settings.dictionaryPathName = path;
        m_app.writeSettings();
        dictionary.openWithPath(path);
        if (CMainFrame* frame = m_app.frame())
            frame->settingsChanged();
    }
    if (!dictionary.isValid())
        return;
    dictionary.reloadIfChanged();  // other users' analyses count too
    std::unique_ptr<QProgressDialog> window;
    {
        const OverrideCursor busy(Qt::BusyCursor);
        const InputGuard guard(m_parent ? m_parent->window() : nullptr, window);
        lemmatiseText(doc, dictionary, choice.skipAmbiguous,
                      progress(window, QCoreApplication::translate("DictionaryCommands", "Lemmatiseerin: %1 / %2 sõnet")));
    }
    window.reset();
}

void DictionaryCommands::transformations()
{
    editTransformations(m_parent);
}

void DictionaryCommands::editTransformations(QWidget* parent)
{
    Settings& settings = m_app.settings();
    TransformationsDialog dialog(TransformationEditor(m_app.transformations(), settings.changes, settings.changesPath),
                                 m_app.prompter(), m_app.files(), parent);
    if (m_app.dialogs().run(dialog) != QDialog::Accepted)
        return;
    const TransformationEditor& edited = dialog.editor();
    m_app.transformations() = edited.rows();
    settings.changes = edited.changes();
    settings.changesPath = edited.changesPath();
    m_app.writeSettings();
}

}  // namespace pelmora::gui
