// Lets the annotation form's own Alt mnemonics win over the menu bar's while the form's window is
// active: Alt+T focuses "Tähendus" rather than opening the text menu. The menus stay reachable
// with F10 and the mouse. While the keyboard is in a dock of the window, the dock's own
// mnemonics come first.
#pragma once

#include <QObject>

class QWidget;

namespace pelmora::gui {

class FormMnemonics final : public QObject {
    Q_OBJECT
public:
    // Watches the key presses of the application for the form's window.
    explicit FormMnemonics(QWidget* form);
    ~FormMnemonics() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one visible, enabled label buddy or button under `scope` with the mnemonic; null when
    // there is none or more than one (the ambiguity is left to Qt).
    static QWidget* target(const QWidget* scope, int key);

    QWidget* m_form;
};

}  // namespace pelmora::gui
