// "Keelejuhi andmed": one participant of the text (speaker or interviewer) with their details.
#pragma once

#include "text/metadata.h"

#include <QDialog>

#include <memory>

namespace pelmora::gui {

namespace Ui { class SpeakerDialog; }

class SpeakerDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SpeakerDialog(const SpeakerRow& row, QWidget* parent = nullptr);
    ~SpeakerDialog() override;

    // The entered values; the role is "keelejuht", "intervjueerija" or "" when none is chosen.
    SpeakerRow row() const;

private:
    std::unique_ptr<Ui::SpeakerDialog> m_ui;
};

}  // namespace pelmora::gui
