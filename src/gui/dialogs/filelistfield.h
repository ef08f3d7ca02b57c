// The list of texts to read in the query and merge dialogs, with its buttons, and the field of
// the file to write: no path stands twice in the list, and the file to write is never one of them.
#pragma once

#include "app/filechooser.h"
#include "common/prompter.h"

#include <QObject>
#include <QStringList>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QWidget;

namespace pelmora::gui {

class FileListField final : public QObject {
    Q_OBJECT
public:
    // `outputRequest` is the file dialog of the output field's "Vali" button.
    FileListField(QListWidget& list, QLineEdit& output, FileRequest outputRequest, Prompter& prompter,
                  FileChooser& files, QWidget* dialog);

    QStringList paths() const;
    std::vector<std::string> stdPaths() const;
    void setPaths(const std::vector<std::string>& paths);

    // True when both paths name the same file (the same absolute path, or the same existing file).
    static bool samePath(const QString& a, const QString& b);

public Q_SLOTS:
    // "Lisa": chosen paths are appended and selected; one already listed or in the output field
    // is refused with a warning.
    void add();
    // "Eemalda": the first selected entry goes.
    void removeSelected();
    // "Üles" / "Alla": the first selected entry moves one place; nothing happens at the ends.
    void moveUp() { moveSelected(-1); }
    void moveDown() { moveSelected(1); }
    // "Vali": the chosen path goes into the output field unless it is listed.
    void chooseOutput();

Q_SIGNALS:
    void changed();

private:
    void moveSelected(int step);
    int firstSelectedRow() const;
    bool listed(const QString& path) const;

    QListWidget& m_list;
    QLineEdit& m_output;
    FileRequest m_outputRequest;
    Prompter& m_prompter;
    FileChooser& m_files;
    QWidget* m_dialog;
};

}  // namespace pelmora::gui
