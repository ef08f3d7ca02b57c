// The file commands: new, open, save, save a copy, print, the question before a modified text
// is dropped, the recent files of the "&Tekst" menu and the recovery written every
// AutosaveSeconds.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace pelmora {
class CPelmoraDoc;
}

namespace pelmora::gui {

class CPelmoraApp;
class CTextView;
class CommandActions;

class FileCommands final : public QObject {
    Q_OBJECT
public:
    // `window` parents the dialogs and the question; `textView` prints.
    FileCommands(CPelmoraApp& app, CTextView& textView, QWidget* window);

    // Binds "Uus", "&Ava ...", "&Salvesta", "Salvesta &koopia ..." and "Prindi".
    void bind(const CommandActions& actions);
    // The recent files stand in `menu` before `placeholder`, which shows while there are none.
    void setRecentMenu(QMenu* menu, QAction* placeholder);

    // The path of the open text ("" for a new or empty document).
    const QString& path() const { return m_path; }
    void setPath(const QString& path);
    // The open text's file name, or "Nimetu".
    QString displayName() const;
    // The recent files, newest first.
    const QStringList& recentFiles() const { return m_recent; }

    // The question before a modified text is dropped: Yes saves, No drops, Cancel keeps it.
    // Tests put an answer in place of the box.
    using SaveQuestion = std::function<QMessageBox::StandardButton(const QString& name)>;
    void setSaveQuestion(SaveQuestion question) { m_saveQuestion = std::move(question); }
    // Asks about a modified text; true when the caller may go on (saved, dropped, or unmodified).
    bool maybeSave();

    // A save that fails shows why and offers "Salvesta koopia mujale ..." (true: the save-as
    // chooser opens). Tests put an answer in place of the box.
    using SaveFailureChoice = std::function<bool(const QString& message)>;
    void setSaveFailureChoice(SaveFailureChoice choice) { m_saveFailure = std::move(choice); }

    // The file commands without their dialogs. A text that does not open leaves the open one.
    bool openText(const QString& path);
    bool saveText();
    bool saveTextAs(const QString& path);

    // The recovery timer follows AutosaveSeconds; each tick writes a modified text's recovery.
    void restartAutosave();

public Q_SLOTS:
    void newDocument();
    void open();
    void saveAs();
    void print();

Q_SIGNALS:
    // The path, or what the title shows of the text, changed.
    void pathChanged();
    // The text was written to the file (its file, or the file it is now named by).
    void textSaved(const QString& path);

private:
    void addRecentFile(const QString& path);
    void updateRecentMenu();
    void writeRecovery();
    // After a failed save: the message with the choice to save a copy elsewhere; true when saved.
    bool offerCopyElsewhere(const QString& failure);

    CPelmoraApp& m_app;
    CPelmoraDoc& m_doc;
    CTextView& m_textView;
    QWidget* m_window;
    QTimer m_autosave;
    QString m_path;
    QStringList m_recent;
    QMenu* m_recentMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    QList<QAction*> m_recentActions;
    SaveQuestion m_saveQuestion;
    SaveFailureChoice m_saveFailure;
};

}  // namespace pelmora::gui
