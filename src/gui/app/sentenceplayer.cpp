#include "app/sentenceplayer.h"

#include "app/qtstrings.h"
#include "text/sentenceaudio.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLibrary>
#include <QIcon>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace pelmora::gui {

namespace {

// How often the playback is looked at: the stretch ends within this many milliseconds.
constexpr int kTickMs = 25;
// After a seek the player may still report the old position for a moment.
constexpr qint64 kSeekSlackMs = 1000;

}  // namespace

bool SentencePlayer::hasBackend()
{
    const QString wanted = qEnvironmentVariable("QT_MEDIA_BACKEND");
    for (const QString& folder : QCoreApplication::libraryPaths()) {
        const QDir plugins(folder + QStringLiteral("/multimedia"));
        for (const QString& name : plugins.entryList(QDir::Files))
            if (QLibrary::isLibrary(name) && (wanted.isEmpty() || name.contains(wanted)))
                return true;
    }
    return false;
}

SentencePlayer::SentencePlayer(CPelmoraDoc& doc, Prompter& prompter, std::function<QString()> textPath,
                               QWidget* parent)
    : QWidget(parent), m_doc(doc), m_prompter(prompter), m_textPath(std::move(textPath))
{
    setObjectName(QStringLiteral("sentencePlayer"));
    m_ticker.setInterval(kTickMs);
    connect(&m_ticker, &QTimer::timeout, this, &SentencePlayer::tick);

    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("playerButton"));
    m_button->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_button->setToolTip(QCoreApplication::translate("SentencePlayer", "Mängi edasi"));
    m_button->setAutoRaise(true);
    connect(m_button, &QToolButton::clicked, this, &SentencePlayer::toggleFree);
    m_positionLabel = new QLabel(QStringLiteral("0:00"), this);
    m_positionLabel->setObjectName(QStringLiteral("playerPosition"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("playerSlider"));
    m_slider->setToolTip(QCoreApplication::translate("SentencePlayer", "Koht helifailis"));
    m_slider->setSingleStep(1000);
    m_slider->setPageStep(5000);
    m_slider->setMinimumWidth(240);
    // The user's moves of the slider (drag, keys, clicks) set the playback position; they leave
    // the sentence's stretch, so the playback then runs on to the end.
    connect(m_slider, &QSlider::actionTriggered, this, [this] {
        m_end.reset();
        m_seeking = false;
        m_unheard = false;
        setSentence(XmlNode());
        if (m_player)
            m_player->setPosition(m_slider->sliderPosition());
    });
    m_lengthLabel = new QLabel(QStringLiteral("0:00"), this);
    m_lengthLabel->setObjectName(QStringLiteral("playerLength"));
    auto* caption = new QLabel(QCoreApplication::translate("SentencePlayer", "Helifail:"), this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(6);
    layout->addWidget(caption);
    layout->addWidget(m_button);
    layout->addWidget(m_positionLabel);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_lengthLabel);

    m_doc.addObserver(this);
}

SentencePlayer::~SentencePlayer()
{
    m_doc.removeObserver(this);
    if (m_player)
        QObject::disconnect(m_player.get(), nullptr, this, nullptr);
}

bool SentencePlayer::ensurePlayer()
{
    if (m_player)
        return true;
    // Qt Multimedia ends the program when it finds no backend, so look for one first.
    if (!hasBackend())
        return false;
    m_player = std::make_unique<QMediaPlayer>();
    m_output = std::make_unique<QAudioOutput>();
    // Without an output attached the player decodes nothing, also where no sound device exists.
    m_player->setAudioOutput(m_output.get());
    connect(m_player.get(), &QMediaPlayer::durationChanged, this, &SentencePlayer::durationChanged);
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, &SentencePlayer::failed);
    connect(m_player.get(), &QMediaPlayer::positionChanged, this, [this] {
        startPending();
        updateStrip();
    });
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        // A loading pipeline may also end at once, before it ever played (seen on a busy machine);
        // the start still pending is then sought, and the sentence stays marked.
        if (status == QMediaPlayer::EndOfMedia && !m_pendingStart)
            setSentence(XmlNode());
        startPending();
    });
    connect(m_player.get(), &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        const bool playing = state == QMediaPlayer::PlayingState;
        if (playing)
            m_ticker.start();
        else
            m_ticker.stop();
        m_button->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
        m_button->setToolTip(playing ? QCoreApplication::translate("SentencePlayer", "Peata (Ctrl+Space)") : QCoreApplication::translate("SentencePlayer", "Mängi edasi"));
        updateStrip();
        Q_EMIT playingChanged(playing);
    });

    return true;
}

bool SentencePlayer::isPlaying() const
{
    // A start still waiting for the recording to load counts: pressing again stops it too.
    return m_player && (m_pendingStart || m_player->playbackState() == QMediaPlayer::PlayingState);
}

qint64 SentencePlayer::position() const
{
    return m_player ? m_player->position() : 0;
}

std::optional<int> SentencePlayer::heardSeconds() const
{
    if (!m_player || m_file.isEmpty() || m_pendingStart || m_unheard ||
        m_player->playbackState() == QMediaPlayer::StoppedState)
        return std::nullopt;
    // Until a seek has landed the player may still tell the place before it.
    return static_cast<int>((m_seeking ? m_start : m_player->position()) / 1000);
}

void SentencePlayer::toggleCurrentSentence()
{
    if (isPlaying()) {
        stop();
        return;
    }
    const XmlNode token = m_doc.currentToken();
    if (!token)
        return;
    const XmlNode sentence = CPelmoraDoc::sentenceOf(token);
    const SentenceAudio audio = sentenceAudio(m_doc, sentence, toStd(m_textPath ? m_textPath() : QString()));
    if (audio.problem != SentenceAudioProblem::None) {
        reportSentenceAudioProblem(m_prompter, audio);
        return;
    }
    std::optional<qint64> end;
    if (audio.endSeconds)
        end = *audio.endSeconds * 1000;
    play(toQt(audio.file), audio.startSeconds * 1000, end, sentence);
}

void SentencePlayer::stop()
{
    // Stopped before the start was reached: nothing was heard, so no place is proposed.
    if (m_pendingStart)
        m_unheard = true;
    m_pendingStart.reset();
    if (m_player && m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
    setSentence(XmlNode());
}

void SentencePlayer::play(const QString& file, qint64 start, std::optional<qint64> end, XmlNode sentence)
{
    // Without a multimedia backend nothing can be played at all.
    if (!ensurePlayer() || !m_player->isAvailable()) {
        reportNoPlayer(m_prompter);
        return;
    }
    m_start = start;
    m_end = end;
    m_reported = false;
    // Marked once the player has the source: a new source first stops what played.
    if (file != m_file || m_player->mediaStatus() == QMediaPlayer::InvalidMedia ||
        m_player->mediaStatus() == QMediaPlayer::NoMedia) {
        m_file = file;
        // The player reports the length, and takes a seek, only once it plays: it plays muted
        // until then.
        m_pendingStart = start;
        m_output->setMuted(true);
        m_player->setSource(QUrl::fromLocalFile(file));
        setToolTip(QDir::toNativeSeparators(file));
        m_player->play();
        setSentence(sentence);
        Q_EMIT loadedChanged(true);
        return;
    }
    setSentence(sentence);
    if (m_player->duration() > 0) {
        startAt(start);
    } else {
        m_pendingStart = start;
        m_output->setMuted(true);
        m_player->play();
    }
}

void SentencePlayer::durationChanged(qint64 duration)
{
    m_slider->setRange(0, static_cast<int>(std::min<qint64>(duration, std::numeric_limits<int>::max())));
    updateStrip();
    startPending();
}

void SentencePlayer::startPending()
{
    // GStreamer may tell the length before its pipeline runs; a seek then is lost and the file
    // ends at once. Only a buffered source with a known length whose position has begun to move
    // takes it. A file too short to get there ends first: then the start lies beyond it.
    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
    const bool running = (status == QMediaPlayer::BufferingMedia || status == QMediaPlayer::BufferedMedia) &&
                         m_player->position() > 0;
    if (!m_pendingStart || m_player->duration() <= 0 || !(running || status == QMediaPlayer::EndOfMedia))
        return;
    const qint64 start = *m_pendingStart;
    m_pendingStart.reset();
    startAt(start);
}

void SentencePlayer::startAt(qint64 start)
{
    const qint64 length = m_player->duration();
    if (start >= length) {
        m_player->pause();
        m_output->setMuted(false);
        setSentence(XmlNode());
        reportStartBeyondRecording(m_prompter, start / 1000, length / 1000);
        return;
    }
    m_unheard = false;
    m_seeking = true;
    m_seekClock.start();
    m_player->setPosition(start);
    m_output->setMuted(false);
    m_player->play();
    m_ticker.start();
}

void SentencePlayer::toggleFree()
{
    if (isPlaying()) {
        stop();
        return;
    }
    if (!m_player || m_file.isEmpty() || m_player->duration() <= 0) {
        toggleCurrentSentence();
        return;
    }
    m_end.reset();
    m_seeking = false;
    m_unheard = false;
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia)
        m_player->setPosition(0);
    m_player->play();
}

void SentencePlayer::tick()
{
    if (!m_player || m_pendingStart)
        return;
    const qint64 now = m_player->position();
    if (m_seeking) {
        // Until the seek has landed the reported position may be the one before it.
        const bool old = now < m_start - kSeekSlackMs || (m_end && now >= *m_end);
        if (old && m_seekClock.elapsed() < kSeekSlackMs)
            return;
        m_seeking = false;
    }
    if (m_end && now >= *m_end) {
        const qint64 end = *m_end;
        m_player->pause();
        // Stopped exactly where the next sentence begins, which is what a new link proposes.
        m_player->setPosition(end);
        setSentence(XmlNode());
    }
    updateStrip();
}

void SentencePlayer::failed()
{
    const QString file = m_file;
    unload();
    if (m_reported)
        return;
    m_reported = true;
    reportUnplayableRecording(m_prompter, toStd(file));
}

void SentencePlayer::unload()
{
    m_ticker.stop();
    m_pendingStart.reset();
    m_end.reset();
    m_seeking = false;
    setSentence(XmlNode());
    const bool loaded = !m_file.isEmpty();
    m_file.clear();
    if (m_player) {
        m_player->stop();
        m_player->setSource(QUrl());
        m_output->setMuted(false);
    }
    m_slider->setRange(0, 0);
    updateStrip();
    if (loaded)
        Q_EMIT loadedChanged(false);
}

void SentencePlayer::setSentence(XmlNode sentence)
{
    if (sentence == m_sentence)
        return;
    m_sentence = sentence;
    if (m_marker)
        m_marker(sentence);
}

void SentencePlayer::updateStrip()
{
    const qint64 now = m_pendingStart ? *m_pendingStart : position();
    m_positionLabel->setText(toQt(formatPlayerTime(now)));
    m_lengthLabel->setText(toQt(formatPlayerTime(m_player ? m_player->duration() : 0)));
    if (!m_slider->isSliderDown())
        m_slider->setValue(static_cast<int>(std::min<qint64>(now, m_slider->maximum())));
}

void SentencePlayer::nodeAboutToBeRemoved(XmlNode node)
{
    // The stretch plays on; only the handle of its sentence goes.
    if (isInSubtree(m_sentence, node))
        setSentence(XmlNode());
}

void SentencePlayer::documentAboutToBeCleared()
{
    // Another text has another recording: nothing of this one may be proposed for it.
    unload();
}

}  // namespace pelmora::gui
