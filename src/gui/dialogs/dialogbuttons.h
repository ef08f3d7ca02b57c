// The OK and cancel row that most dialogs share.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace pelmora::gui {

// Makes OK the default button, lets the row accept and reject the dialog and, when a text is
// given, names the cancel button with it ("&Loobu"). Returns the OK button.
QPushButton& setUpOkCancel(QDialog& dialog, QDialogButtonBox& buttons, const QString& cancelText = {});

}  // namespace pelmora::gui
