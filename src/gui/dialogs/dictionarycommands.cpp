#include "dialogs/dictionarycommands.h"

#include "annotation/lemmatiser.h"
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "dialogs/dictionaryeditordialog.h"
#include "dialogs/lemmatisationdialog.h"
#include "dialogs/transformationsdialog.h"
#include "dictionary/dictionaryexport.h"
#include "dictionary/textaddition.h"

#include <QApplication>
#include <QProgressDialog>

namespace pelmora::gui {

namespace {

// The pointer that keeps its arrow, so that "Loobu" can be pressed while the work goes on.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

constexpr int kProgressDelayMs = 300;

}  // namespace

DictionaryCommands::DictionaryCommands(CPelmoraApp& app, QWidget* parent)
    : QObject(parent), m_app(app), m_parent(parent)
{
}

std::function<bool(std::size_t, std::size_t)> DictionaryCommands::progress(std::unique_ptr<QProgressDialog>& window,
                                                                           const QString& label)
{
    return [this, &window, label](std::size_t done, std::size_t total) {
        if (!window) {
            // Made at the first report, after the questions the core asks first.
            window = std::make_unique<QProgressDialog>(m_parent);
            window->setWindowTitle(QStringLiteral("Pelmora"));
            window->setWindowModality(Qt::WindowModal);
            window->setCancelButtonText(QStringLiteral("&Loobu"));
            window->setMinimumDuration(kProgressDelayMs);
            window->setAutoClose(false);
            window->setAutoReset(false);
            window->setMinimumWidth(360);
        }
        const int maximum = static_cast<int>(std::max<std::size_t>(total, 1));
        window->setMaximum(maximum);
        window->setLabelText(label.arg(done).arg(total));
        window->setValue(static_cast<int>(std::min(done, total)));  // lets the window take the click
        if (m_progressHook)
            m_progressHook(*window);
        return !window->wasCanceled();
    };
}

void DictionaryCommands::editDictionary()
{
    CDictionary& dictionary = m_app.dictionary();
    // The editor shows the file as it is now; an unchanged file keeps the pages where they were.
    if (dictionary.isValid())
        dictionary.reloadIfChanged();
    else if (!dictionary.reopen())
        return;
    DictionaryEditorDialog dialog(dictionary, m_app.prompter(), m_app.dialogs(), m_parent);
    m_app.dialogs().run(dialog);
}

void DictionaryCommands::addTextToDictionary()
{
    const CPelmoraDoc& doc = m_app.doc();
    if (!doc.firstToken())
        return;
    std::unique_ptr<QProgressDialog> window;
    {
        const BusyCursor busy;
        pelmora::addTextToDictionary(doc, m_app.dictionary(), m_app.prompter(),
                                     progress(window, QStringLiteral("Lisan sõned sõnastikku: %1 / %2")));
    }
}

void DictionaryCommands::exportDictionary()
{
    const auto choosePath = [this] {
        FileRequest request;
        request.mode = FileRequest::Mode::Save;
        request.title = QStringLiteral("Ekspordi sõnastik");
        request.filter = QStringLiteral("Tekstifailid (*.txt)");
        request.defaultSuffix = QStringLiteral("txt");
        return toStd(m_app.files().chooseOne(m_parent, request));
    };
    pelmora::exportDictionary(m_app.dictionary(), choosePath, m_app.prompter());
}

void DictionaryCommands::lemmatise()
{
    CPelmoraDoc& doc = m_app.doc();
    if (!doc.hasText())
        return;
    Prompter& prompter = m_app.prompter();
    prompter.message(MessageKind::Warning, "Tekstide ühendamine", lemmatisationWarning());
    Settings& settings = m_app.settings();
    LemmatisationDialog dialog(toQt(settings.dictionaryPathName), m_app.files(),
                               [this, &dialog] { editTransformations(&dialog); }, m_parent);
    if (m_app.dialogs().run(dialog) != QDialog::Accepted)
        return;
    const LemmatisationChoice choice = dialog.choice();
    if (!choice.useDictionary) {
        prompter.message(MessageKind::Warning, ":-(", "Seda funktsiooni veel pole, sry.");
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
    std::unique_ptr<QProgressDialog> window;
    {
        const BusyCursor busy;
        lemmatiseText(doc, dictionary, choice.skipAmbiguous,
                      progress(window, QStringLiteral("Lemmatiseerin: %1 / %2 sõnet")));
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
