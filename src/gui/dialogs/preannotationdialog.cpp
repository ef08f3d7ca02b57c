#include "dialogs/preannotationdialog.h"

#include "dialogs/dialogbuttons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmora::gui {

PreannotationDialog::PreannotationDialog(const QString& analyserPath, double factor, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("PreannotationDialog", "Eelmärgenda analüsaatoriga"));
    auto* layout = new QVBoxLayout(this);

    auto* analyser = new QLabel(QCoreApplication::translate("PreannotationDialog", "Analüsaator: %1").arg(QFileInfo(analyserPath).fileName()), this);
    analyser->setToolTip(analyserPath);
    layout->addWidget(analyser);
    auto* what = new QLabel(QCoreApplication::translate("PreannotationDialog", "Lemma, vormi ja sõnaliigi saavad sõned, millel lemmat veel pole ja mille "
                               "analüüs on ühene. Täidetud sõned märgitakse automaatselt muudetuks: "
                               "„Otsi automaatselt muudetud kirjed“ leiab need ülevaatamiseks."),
                            this);
    what->setWordWrap(true);
    layout->addWidget(what);

    auto* factorRow = new QHBoxLayout;
    auto* factorLabel = new QLabel(QCoreApplication::translate("PreannotationDialog", "Mitme analüüsi korral peab sõnastiku &kinnitatud analüüs "
                                      "kaaluma teisi üles vähemalt"),
                                   this);
    factorLabel->setWordWrap(true);
    m_factor = new QDoubleSpinBox(this);
    m_factor->setObjectName(QStringLiteral("factorSpin"));
    m_factor->setRange(1.0, 1000.0);
    m_factor->setDecimals(1);
    m_factor->setSingleStep(0.5);
    m_factor->setSuffix(QCoreApplication::translate("PreannotationDialog", " korda"));
    m_factor->setValue(factor);
    factorLabel->setBuddy(m_factor);
    factorRow->addWidget(factorLabel, 1);
    factorRow->addWidget(m_factor);
    layout->addLayout(factorRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setUpOkCancel(*this, *buttons, QCoreApplication::translate("PreannotationDialog", "&Loobu")).setText(QCoreApplication::translate("PreannotationDialog", "&Eelmärgenda"));
    layout->addWidget(buttons);
    setMinimumWidth(460);
    m_factor->setFocus(Qt::OtherFocusReason);
}

double PreannotationDialog::factor() const
{
    return m_factor->value();
}

}  // namespace pelmora::gui
