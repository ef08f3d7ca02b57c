// "Eelmärgenda analüsaatoriga": which analyser fills the text, and how far the dictionary's
// confirmed analysis must outweigh the others for a token with several analyses to be filled.
#pragma once

#include <QDialog>
#include <QString>

class QDoubleSpinBox;

namespace pelmora::gui {

class PreannotationDialog final : public QDialog {
    Q_OBJECT
public:
    PreannotationDialog(const QString& analyserPath, double factor, QWidget* parent = nullptr);

    double factor() const;

private:
    QDoubleSpinBox* m_factor = nullptr;
};

}  // namespace pelmora::gui
