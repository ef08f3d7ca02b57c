#include "commands/filecommands.h"

#include "app/commandactions.h"
#include "app/overridecursor.h"
#include "app/pelmoraapp.h"
#include "app/qtstrings.h"
#include "views/textview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <ctime>
#include <limits>

namespace pelmora::gui {

FileCommands::FileCommands(CPelmoraApp& app, CTextView& textView, QWidget* window)
    : QObject(window), m_app(app), m_doc(app.doc()), m_textView(textView), m_window(window),
      m_recent(app.store().recentFiles())
{
    connect(&m_autosave, &QTimer::timeout, this, &FileCommands::writeRecovery);
}

void FileCommands::bind(const CommandActions& actions)
{
    actions.bind(this, {{Command::NewDocument, &FileCommands::newDocument},
                        {Command::Open, &FileCommands::open},
                        {Command::SaveAs, &FileCommands::saveAs},
                        {Command::Print, &FileCommands::print}});
    connect(actions[Command::Save], &QAction::triggered, this, [this] { saveText(); });
}

void FileCommands::setRecentMenu(QMenu* menu, QAction* placeholder)
{
    m_recentMenu = menu;
    m_recentPlaceholder = placeholder;
    updateRecentMenu();
}

void FileCommands::setPath(const QString& path)
{
    m_path = path;
    if (!path.isEmpty())
        addRecentFile(path);
    Q_EMIT pathChanged();
}

QString FileCommands::displayName() const
{
    return m_path.isEmpty() ? QCoreApplication::translate("FileCommands", "Nimetu") : QFileInfo(m_path).fileName();
}

void FileCommands::addRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > SettingsStore::kRecentFiles)
        m_recent.removeLast();
    updateRecentMenu();
}

void FileCommands::updateRecentMenu()
{
    if (!m_recentMenu)
        return;
    for (QAction* old : m_recentActions) {
        m_recentMenu->removeAction(old);
        old->deleteLater();
    }
    m_recentActions.clear();
    m_recentPlaceholder->setVisible(m_recent.isEmpty());
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), m_window);
        connect(item, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openText(path);
        });
        m_recentMenu->insertAction(m_recentPlaceholder, item);
        m_recentActions.push_back(item);
    }
}

bool FileCommands::maybeSave()
{
    if (!m_doc.hasText())
        return true;
    if (!m_doc.isModified()) {
        m_app.recovery().discard(toStd(m_path));
        return true;
    }
    const QString name = displayName();
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    if (m_saveQuestion) {
        answer = m_saveQuestion(name);
    } else {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Pelmora"),
                        QCoreApplication::translate("FileCommands", "Kas salvestada muudatused failis %1?").arg(name),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_window);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        answer = static_cast<QMessageBox::StandardButton>(box.exec());
    }
    if (answer == QMessageBox::Yes)
        return saveText();
    if (answer != QMessageBox::No)
        return false;
    m_app.recovery().discard(toStd(m_path));
    return true;
}

void FileCommands::newDocument()
{
    if (!maybeSave())
        return;
    m_doc.closeDocument();
    m_path.clear();
    m_doc.updateAllViews();
}

void FileCommands::open()
{
    if (!maybeSave())
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.title = QCoreApplication::translate("FileCommands", "Ava");
    request.start = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString path = m_app.files().chooseOne(m_window, request);
    if (!path.isEmpty())
        openText(path);
}

bool FileCommands::openText(const QString& path)
{
    bool opened = false;
    {
        const OverrideCursor wait;
        opened = m_doc.openDocument(toStd(path));
    }
    // A recovery newer than the text is offered; one that cannot be used is set aside and named.
    if (m_app.recovery().offer(m_doc, toStd(path), opened) == RecoveryKeeper::Offer::Restored)
        opened = true;
    // A file that does not open leaves the open text, and its path, as they were.
    if (!opened)
        return false;
    m_path = path;
    addRecentFile(path);
    Q_EMIT pathChanged();
    m_doc.updateAllViews();
    return true;
}

bool FileCommands::saveText()
{
    if (!m_doc.hasText())
        return false;
    if (m_path.isEmpty()) {
        saveAs();
        return !m_doc.isModified();
    }
    return saveTextAs(m_path);
}

void FileCommands::saveAs()
{
    if (!m_doc.hasText())
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.title = QCoreApplication::translate("FileCommands", "Salvesta koopia");
    request.filter = QCoreApplication::translate("FileCommands", "XML-failid (*.xml);;Kõik failid (*)");
    request.defaultSuffix = QStringLiteral("xml");
    request.start = m_path;
    const QString path = m_app.files().chooseOne(m_window, request);
    if (!path.isEmpty())
        saveTextAs(path);
}

bool FileCommands::saveTextAs(const QString& path)
{
    bool saved = false;
    std::string failure;
    {
        const OverrideCursor wait;
        saved = m_doc.trySave(toStd(path), &failure);
    }
    if (!saved)
        return offerCopyElsewhere(toQt(failure));
    m_app.recovery().discard(toStd(m_path));
    m_app.recovery().discard(toStd(path));
    if (path != m_path) {
        m_path = path;
        addRecentFile(path);
    }
    Q_EMIT pathChanged();
    Q_EMIT textSaved(path);
    return true;
}

bool FileCommands::offerCopyElsewhere(const QString& failure)
{
    bool elsewhere = false;
    if (m_saveFailure) {
        elsewhere = m_saveFailure(failure);
    } else {
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("FileCommands", "Viga"), failure, QMessageBox::NoButton, m_window);
        QPushButton* copy = box.addButton(QCoreApplication::translate("FileCommands", "Salvesta koopia &mujale ..."), QMessageBox::AcceptRole);
        box.addButton(QCoreApplication::translate("FileCommands", "&Sulge"), QMessageBox::RejectRole);
        box.setDefaultButton(copy);
        box.exec();
        elsewhere = box.clickedButton() == copy;
    }
    if (!elsewhere)
        return false;
    saveAs();
    return !m_doc.isModified();
}

void FileCommands::print()
{
    if (!m_doc.hasText())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(displayName());
    QPrintDialog dialog(&printer, m_window);
    if (m_app.dialogs().run(dialog) != QDialog::Accepted)
        return;
    const OverrideCursor wait;
    m_textView.print(printer);
}

void FileCommands::restartAutosave()
{
    const int seconds = m_app.settings().autosaveSeconds;
    if (seconds <= 0) {
        m_autosave.stop();
        return;
    }
    m_autosave.start(std::min(seconds, std::numeric_limits<int>::max() / 1000) * 1000);
}

void FileCommands::writeRecovery()
{
    m_app.recovery().write(m_doc, toStd(m_path), static_cast<std::int64_t>(std::time(nullptr)));
}

}  // namespace pelmora::gui
