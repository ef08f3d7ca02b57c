// "Teksti andmed": the text's identifier, type, recording, transcription, publication, language
// and its participants ("&Vestluses osalejad", each edited in "Keelejuhi andmed").
#pragma once

#include "app/dialogrunner.h"
#include "common/prompter.h"
#include "text/metadata.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QTreeWidget;

namespace pelmora::gui {

namespace Ui { class TextInfoDialog; }

class TextInfoDialog final : public QDialog {
    Q_OBJECT
public:
    // `dialogs` runs the participant dialog, `prompter` says what it lacks.
    TextInfoDialog(const TextMetadata& values, Prompter& prompter, DialogRunner& dialogs, QWidget* parent = nullptr);
    ~TextInfoDialog() override;

    // The entered values; "-" stays "-" (the document's acceptance reads it as no value).
    TextMetadata values() const;

    QTreeWidget* speakerList() const;

private:
    // "Keelejuhi andmed", asked again until ID, name and role are given; nothing on cancel.
    std::optional<SpeakerRow> askSpeaker(SpeakerRow row);
    void addSpeaker();
    void modifySpeaker();
    void deleteSpeaker();
    void showSpeakers(int selected);

    std::unique_ptr<Ui::TextInfoDialog> m_ui;
    Prompter& m_prompter;
    DialogRunner& m_dialogs;
    std::vector<SpeakerRow> m_speakers;
};

}  // namespace pelmora::gui
