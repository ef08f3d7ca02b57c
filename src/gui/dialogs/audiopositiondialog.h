// "Helifailiga sidumine": the start of the current sentence in the recording, in minutes and
// seconds; "&Määramata" puts -1 into both and closes as OK does.
#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace pelmora::gui {

namespace Ui { class AudioPositionDialog; }

class AudioPositionDialog final : public QDialog {
    Q_OBJECT
public:
    AudioPositionDialog(int minutes, int seconds, QWidget* parent = nullptr);
    ~AudioPositionDialog() override;

    // The entered whole numbers (OK is enabled only while both fields hold one).
    int minutes() const;
    int seconds() const;
    QPushButton* notSetButton() const { return m_notSet; }

private:
    void updateOk();

    std::unique_ptr<Ui::AudioPositionDialog> m_ui;
    QPushButton* m_notSet = nullptr;
};

}  // namespace pelmora::gui
