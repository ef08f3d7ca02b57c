// "Otsi ID järgi": the sentence and token numbers of the token to go to, both from 1.
#pragma once

#include <QDialog>

#include <memory>

namespace pelmora::gui {

namespace Ui { class GoToIdentifierDialog; }

class GoToIdentifierDialog final : public QDialog {
    Q_OBJECT
public:
    // Starts with the numbers given; a number below 1 starts the field empty.
    GoToIdentifierDialog(int sentence, int token, QWidget* parent = nullptr);
    ~GoToIdentifierDialog() override;

    // The entered numbers; 0 for a field that holds no number. OK is enabled only while both are
    // whole numbers above 0.
    int sentence() const;
    int token() const;

private:
    void updateOk();

    std::unique_ptr<Ui::GoToIdentifierDialog> m_ui;
};

}  // namespace pelmora::gui
