// "Ühenda laused ...": the identifier of the sentence whose tokens go to the end of the current one.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace pelmora::gui {

namespace Ui { class MergeSentencesDialog; }

class MergeSentencesDialog final : public QDialog {
    Q_OBJECT
public:
    // `current` is shown; `proposed` fills the field.
    MergeSentencesDialog(const QString& current, const QString& proposed, QWidget* parent = nullptr);
    ~MergeSentencesDialog() override;

    // The entered identifier, as typed.
    QString otherSentence() const;

private:
    std::unique_ptr<Ui::MergeSentencesDialog> m_ui;
};

}  // namespace pelmora::gui
