// SentencePlayer: plays the current sentence's stretch of the text's recording, and is the small
// strip that shows where the playback is (play button, position, slider, length).
#pragma once

#include "common/prompter.h"
#include "text/pelmoradoc.h"

#include <QAudioOutput>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QSlider;
class QToolButton;

namespace pelmora::gui {

class SentencePlayer final : public QWidget, public DocumentObserver {
    Q_OBJECT
public:
    // `textPath` gives the open text's path, against whose folder a relative recording is found.
    SentencePlayer(CPelmoraDoc& doc, Prompter& prompter, std::function<QString()> textPath,
                   QWidget* parent = nullptr);
    ~SentencePlayer() override;

    // Whether a Qt Multimedia backend plugin is installed (the one QT_MEDIA_BACKEND names, if
    // set). Qt Multimedia ends the program when it finds none, so the player is made only then.
    static bool hasBackend();

    // Plays the current token's sentence from its start to the start of the next linked sentence
    // (to the end of the recording when none follows); while anything plays, stops instead. A
    // text without a recording, a sentence without a position or a missing file is reported and
    // nothing else changes.
    void toggleCurrentSentence();
    // Stops where the playback is; the position stays, so it can be proposed as a sentence start.
    void stop();
    bool isPlaying() const;
    // The playback position in whole seconds while a recording is playing or paused; none when
    // nothing is loaded, the playback has not reached its start yet, or it ran to the end.
    std::optional<int> heardSeconds() const;
    // The position in milliseconds, and the end of the stretch being played (none: to the end).
    qint64 position() const;
    std::optional<qint64> stretchEnd() const { return m_end; }
    // The sentence being played, null when none.
    XmlNode playingSentence() const { return m_sentence; }
    // Told whenever the sentence being played changes (null when playback stops).
    void setSentenceMarker(std::function<void(XmlNode)> marker) { m_marker = std::move(marker); }

    QToolButton* playButton() const { return m_button; }
    QSlider* slider() const { return m_slider; }
    QLabel* positionLabel() const { return m_positionLabel; }
    QLabel* lengthLabel() const { return m_lengthLabel; }

    // DocumentObserver
    void nodeAboutToBeRemoved(XmlNode node) override;
    void documentAboutToBeCleared() override;

Q_SIGNALS:
    void playingChanged(bool playing);
    // A recording was loaded (the strip has something to show) or dropped.
    void loadedChanged(bool loaded);

private:
    bool ensurePlayer();
    void play(const QString& file, qint64 start, std::optional<qint64> end, XmlNode sentence);
    // Seeks to the start and plays; the player takes a seek only once it knows the length.
    void startAt(qint64 start);
    // The strip's own button: on from where the playback stands, to the end.
    void toggleFree();
    void unload();
    void tick();
    void setSentence(XmlNode sentence);
    void durationChanged(qint64 duration);
    // Seeks to the pending start once the source is loaded and its length known.
    void startPending();
    void failed();
    void updateStrip();

    CPelmoraDoc& m_doc;
    Prompter& m_prompter;
    std::function<QString()> m_textPath;
    std::function<void(XmlNode)> m_marker;
    // Made at the first playback, once a multimedia backend is known to be there.
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
    QTimer m_ticker;
    QString m_file;
    qint64 m_start = 0;
    std::optional<qint64> m_end;
    std::optional<qint64> m_pendingStart;  // the start to seek to once the length is known
    bool m_seeking = false;                // the position reported may still be the old one
    QElapsedTimer m_seekClock;             // since the seek; a seek that never lands is not waited for
    bool m_unheard = false;                // stopped before the stretch's start was reached
    bool m_reported = false;               // the failure of this file was told once
    XmlNode m_sentence;
    QToolButton* m_button = nullptr;
    QLabel* m_positionLabel = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_lengthLabel = nullptr;
};

}  // namespace pelmora::gui
