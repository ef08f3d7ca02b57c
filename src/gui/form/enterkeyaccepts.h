// Lets Enter in a multi-line field press the dialog's default button, as in a one-line field;
// Shift+Enter or Ctrl+Enter still breaks the line.
#pragma once

#include <QObject>

class QDialog;
class QPlainTextEdit;

namespace pelmora::gui {

class EnterKeyAccepts final : public QObject {
    Q_OBJECT
public:
    // Watches the field for the dialog's lifetime (the filter is a child of the dialog).
    static void install(QPlainTextEdit* field, QDialog* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterKeyAccepts(QDialog* dialog);
    QDialog* m_dialog;
};

}  // namespace pelmora::gui
