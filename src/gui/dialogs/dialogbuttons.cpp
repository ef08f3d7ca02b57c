#include "dialogs/dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace pelmora::gui {

QPushButton& setUpOkCancel(QDialog& dialog, QDialogButtonBox& buttons, const QString& cancelText)
{
    QPushButton* ok = buttons.button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    if (!cancelText.isEmpty())
        buttons.button(QDialogButtonBox::Cancel)->setText(cancelText);
    QObject::connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return *ok;
}

}  // namespace pelmora::gui
