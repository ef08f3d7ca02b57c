// Lets the annotation form's own Alt mnemonics win over the menu bar's while the form's window is
// active: Alt+T focuses "Tähendus" rather than opening the text menu. The menus stay reachable
// with F10 and the mouse.
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
    // The one visible, enabled label buddy or button of the form with the mnemonic; null when
    // there is none or more than one (the form's own ambiguity is left to Qt).
    QWidget* target(int key) const;

    QWidget* m_form;
};

}  // namespace pelmora::gui
