// "Mine leheküljele ...": the page number to go to, as the text "lk" holds it.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace pelmora::gui {

namespace Ui { class GoToPageDialog; }

class GoToPageDialog final : public QDialog {
    Q_OBJECT
public:
    explicit GoToPageDialog(const QString& page, QWidget* parent = nullptr);
    ~GoToPageDialog() override;

    // The entered page, as typed.
    QString page() const;

private:
    std::unique_ptr<Ui::GoToPageDialog> m_ui;
};

}  // namespace pelmora::gui
