// "Sõne muutmine" and "Sõne lisamine": the one field with a token's word form.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace pelmora::gui {

namespace Ui { class TokenTextDialog; }

class TokenTextDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Purpose {
        Modify,  // "Sõne muutmine", filled with the current token's text
        Add,     // "Sõne lisamine", empty, with the prompt "Sisesta sõne"
    };
    TokenTextDialog(Purpose purpose, const QString& text, QWidget* parent = nullptr);
    ~TokenTextDialog() override;

    // The entered text, as typed (the document trims it).
    QString text() const;

private:
    std::unique_ptr<Ui::TokenTextDialog> m_ui;
};

}  // namespace pelmora::gui
