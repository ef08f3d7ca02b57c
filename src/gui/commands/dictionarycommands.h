// The commands that work on the dictionary as a whole: its editor, adding the open text to it,
// its export, the automatic lemmatisation from it, and the transformations list.
#pragma once

#include "dictionary/dictionaryeditor.h"
#include "search/concordance.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace pelmora::gui {

class CPelmoraApp;
class CommandActions;
class DictionaryEditorDialog;

class DictionaryCommands final : public QObject {
    Q_OBJECT
public:
    // `parent` owns the dialogs; the app gives the document, the dictionary, the settings and
    // the services that show messages, file dialogs and dialogs.
    DictionaryCommands(CPelmoraApp& app, QWidget* parent);

    // Binds its commands' actions to its slots.
    void bind(const CommandActions& actions);

    // Called with the progress window after each of its updates, so that tests can press
    // "Loobu" part-way.
    void setProgressHook(std::function<void(QProgressDialog&)> hook) { m_progressHook = std::move(hook); }
    // What the editor's "Näita kasutust ..." does with the word of the page in front.
    void setShowUsage(std::function<void(ConcordanceBy, const QString&)> show) { m_showUsage = std::move(show); }
    // The open text's path, whose folder the table's usage count reads when no folder is set.
    void setOpenTextPath(std::function<QString()> path) { m_openTextPath = std::move(path); }

public Q_SLOTS:
    void editDictionary();       // "&Redigeeri sõnastikku ..."
    void dictionaryTable();      // "Sõnastiku ta&bel"
    void addTextToDictionary();  // "&Lisa avatud teksti sõned sõnastikku ..."
    void exportDictionary();     // "&Ekspordi sõnastik ..."
    void lemmatise();            // "Lemmatiseeri aut&omaatselt ..."
    void transformations();      // "&Teisendused ..."

private:
    // Gives the editor its "Näita kasutust ..." and LIFT hooks.
    void setUpEditor(DictionaryEditorDialog& dialog);
    // Runs the editor with the section's page in front.
    void runEditor(DictSection section, QWidget* parent);
    // Opens the analysis in the editor; the analysis the page ended on (null when none).
    XmlNode editAnalysis(DictSection section, XmlNode analysis, QWidget* parent);
    void editTransformations(QWidget* parent);
    // A progress function for the core that shows a window-modal progress window with "&Loobu"
    // once the work has gone on for a moment; it says stop once the user cancelled.
    std::function<bool(std::size_t, std::size_t)> progress(std::unique_ptr<QProgressDialog>& window,
                                                           const QString& label);

    CPelmoraApp& m_app;
    QWidget* m_parent;
    std::function<void(QProgressDialog&)> m_progressHook;
    std::function<void(ConcordanceBy, const QString&)> m_showUsage;
    std::function<QString()> m_openTextPath;
    // Where the editor's pages stand, kept between its openings.
    EditorPositions m_editorPositions;
};

}  // namespace pelmora::gui
