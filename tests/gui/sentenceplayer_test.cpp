// Playing a sentence of the text's recording in the started window: the stretch from its start to
// the next linked sentence, stopping again, the strip, the running text's mark, the positions the
// audio dialog proposes from the player, and the messages when there is nothing to play.
#include "app/mainframe.h"
#include "app/pelmoraapp.h"
#include "app/sentenceplayer.h"
#include "form/pelmoraformview.h"
#include "guitestsupport.h"
#include "windowharness.h"
#include "views/textview.h"

#include "ui_pelmoraformview.h"
#include "text/editing.h"

#include <QAudioOutput>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtEndian>
#include <QtMath>
#include <QtTest>

#include <memory>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

// l1 from 2 s to 4 s, l2 from 4 s to the end (l3 is not linked), l4 unlinked as well.
QByteArray textNaming(const QByteArray& recording)
{
    const QByteArray info = recording.isNull() ? QByteArray()
                                               : "<info><tyyp>suuline</tyyp><lindistus fail=\"" + recording +
                                                     "\">PA</lindistus></info>";
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<pelmora>)" + info + R"(<sisu id="t">
<lause id="l1" helipos="2"><sone id="l1_s1">Minā</sone><sone id="l1_s2">um</sone></lause>
<lause id="l2" helipos="4"><sone id="l2_s1">Mēg</sone></lause>
<lause id="l3"><sone id="l3_s1">vȯlmõ</sone></lause>
<lause id="l4"><sone id="l4_s1">kilā</sone></lause>
</sisu></pelmora>
)";
}

constexpr int kRecordingSeconds = 7;
const QString kNoPlayer = QStringLiteral("Helifaile ei saa mängida: selles arvutis puudub Qt Multimedia taustaprogramm.");

// A tone of the given length as an MP3, made with the encoder the project installs.
bool makeMp3(const QString& path, int seconds, QString& why)
{
    const QString lame = QStandardPaths::findExecutable(QStringLiteral("lame"));
    if (lame.isEmpty()) {
        why = QStringLiteral("the MP3 encoder lame is not installed (scripts/install-deps installs it)");
        return false;
    }
    constexpr int rate = 8000;
    QByteArray pcm;
    pcm.resize(qsizetype(rate) * seconds * 2);
    for (int i = 0; i < rate * seconds; ++i)
        qToLittleEndian<qint16>(qint16(6000 * std::sin(2 * M_PI * 440.0 * i / rate)), pcm.data() + 2 * i);
    const QString raw = path + QStringLiteral(".raw");
    if (!test::writeFile(raw, pcm)) {
        why = QStringLiteral("cannot write ") + raw;
        return false;
    }
    QProcess encoder;
    encoder.start(lame, {"--quiet", "-r", "-s", "8", "--bitwidth", "16", "--signed", "--little-endian", "-m", "m",
                         raw, path});
    if (!encoder.waitForFinished(30000) || encoder.exitCode() != 0 || !QFile::exists(path)) {
        why = QStringLiteral("lame failed: ") + QString::fromLocal8Bit(encoder.readAllStandardError());
        return false;
    }
    return true;
}

// Waits until the player is audibly inside its stretch.
bool reachesItsStart(SentencePlayer& player, qint64 start)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QTest::qWait(10);
        if (player.isPlaying() && player.heardSeconds() && player.position() > start + 50)
            return true;
    }
    return false;
}

struct Workbench : test::WindowHarness {
    explicit Workbench(const QByteArray& recording = "lugu.mp3", const QByteArray& settings = {})
    {
        start(textNaming(recording), settings);
    }
    SentencePlayer& player() { return frame().player(); }
    XmlNode sentence(const char* id) const
    {
        for (XmlNode node = app->doc().body().child("lause"); node; node = node.next_sibling("lause"))
            if (attributeValue(node, "id") == id)
                return node;
        return {};
    }
    void goTo(const char* sentenceId) { doc().setCurrentToken(sentence(sentenceId).child("sone")); }
    // Puts the made recording where the text names it.
    bool holdsRecording(const QString& mp3) { return QFile::copy(mp3, path("lugu.mp3")); }
    // Plays the sentence with the window's command and waits until it is heard past `start`.
    bool playsFrom(const char* sentenceId, qint64 start)
    {
        goTo(sentenceId);
        frame().action(Command::PlaySentence)->trigger();
        return reachesItsStart(player(), start);
    }
    // Answers the next dialog (the audio position's) with `result`; `opened` receives the minutes
    // and seconds it proposed, as "m s".
    void answerAudioPosition(QString& opened, int result)
    {
        dialogs.queue([&opened, result](QDialog& dialog) {
            opened = dialog.findChild<QLineEdit*>("minutesEdit")->text() + " " +
                     dialog.findChild<QLineEdit*>("secondsEdit")->text();
            return result;
        });
    }
    QString messages() const { return WindowHarness::messages().join('|'); }
};

// Whether this machine plays an MP3 at all: a bare player, its position must move.
bool backendPlays(const QString& mp3)
{
    if (!SentencePlayer::hasBackend())
        return false;
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    player.setSource(QUrl::fromLocalFile(mp3));
    player.play();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && player.position() < 300)
        QTest::qWait(10);
    const bool moved = player.position() >= 300;
    player.stop();
    return moved;
}

}  // namespace

class SentencePlayerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void playsTheSentenceInsideItsStretchAndStopsAtItsEnd();
    void pressingAgainStopsAndTheStoppedPlaceIsProposed();
    void theHookAfterLeavingASentenceProposesThePlayersPlace();
    void anotherTextDropsTheRecording();
    void removingThePlayedSentenceDropsItsMark();
    void stoppedBeforeItsStartProposesNothing();
    void nothingToPlayIsSaid_data();
    void nothingToPlayIsSaid();
    void ctrlSpaceReachesThePlayerFromAField();
    void noBackendIsSaidInsteadOfEndingTheProgram();

private:
    QString m_mp3;  // made once, copied into each workbench
    QString m_why;  // why nothing is played here
    QTemporaryDir m_store;
};

void SentencePlayerTest::initTestCase()
{
    const QString made = m_store.filePath("lugu.mp3");
    if (!makeMp3(made, kRecordingSeconds, m_why))
        return;
    if (!backendPlays(made)) {
        m_why = QStringLiteral("No audio backend plays MP3 on this machine (Qt Multimedia's GStreamer plugin with "
                               "the good plugins, see scripts/install-deps): the playback checks are skipped.");
        return;
    }
    m_mp3 = made;
}

void SentencePlayerTest::playsTheSentenceInsideItsStretchAndStopsAtItsEnd()
{
    if (m_mp3.isEmpty())
        QSKIP(qPrintable(m_why));
    Workbench bench;
    QVERIFY(bench.holdsRecording(m_mp3));
    CPelmoraFormView& form = *bench.frame().formView();
    bench.goTo("l1");
    // The form's button plays the sentence; the strip appears and the running text marks l1.
    QCOMPARE(form.ui().playButton->text(), QString("Mängi lause"));
    QTest::mouseClick(form.ui().playButton, Qt::LeftButton);
    QVERIFY(reachesItsStart(bench.player(), 2000));
    QCOMPARE(bench.player().stretchEnd(), std::optional<qint64>(4000));
    QCOMPARE(bench.frame().textView().playingSentence(), bench.sentence("l1"));
    QVERIFY(bench.player().isVisible());
    QVERIFY(form.ui().playButton->isChecked());
    QVERIFY(!bench.frame().textView().playingRect().isEmpty());
    // Every position seen while it plays lies inside l1's stretch, from 2 s to 4 s.
    qint64 highest = 0;
    while (bench.player().isPlaying()) {
        const qint64 now = bench.player().position();
        // A busy machine may look a little late; the stop itself puts the place back on the end.
        QVERIFY2(now >= 2000 && now <= 4000 + 400, qPrintable(QString::number(now)));
        highest = std::max(highest, now);
        QTest::qWait(15);
    }
    QVERIFY(highest > 3000);
    // It stopped where l2 begins, the mark went and the button came up again.
    QCOMPARE(bench.player().position(), qint64(4000));
    QCOMPARE(bench.player().heardSeconds(), std::optional<int>(4));
    QVERIFY(!bench.frame().textView().playingSentence());
    QVERIFY(!form.ui().playButton->isChecked());
    // The strip shows the place and the length of the recording.
    QCOMPARE(bench.player().positionLabel()->text(), QString("0:04"));
    QCOMPARE(bench.player().lengthLabel()->text(), QString("0:0%1").arg(kRecordingSeconds));
    QCOMPARE(bench.player().slider()->value(), 4000);
    QVERIFY(bench.prompter.entries().empty());
    QVERIFY(!bench.doc().isModified());

    // l2 runs to the end of the recording; l1 then plays again from its start.
    QVERIFY(bench.playsFrom("l2", 4000));
    QTRY_VERIFY_WITH_TIMEOUT(!bench.player().isPlaying(), 10000);
    QVERIFY(!bench.frame().textView().playingSentence());
    QVERIFY(bench.playsFrom("l1", 2000));
    QTRY_VERIFY_WITH_TIMEOUT(!bench.player().isPlaying(), 10000);
    QCOMPARE(bench.player().position(), qint64(4000));
}

void SentencePlayerTest::pressingAgainStopsAndTheStoppedPlaceIsProposed()
{
    if (m_mp3.isEmpty())
        QSKIP(qPrintable(m_why));
    Workbench bench;
    QVERIFY(bench.holdsRecording(m_mp3));
    // l2 is the last linked sentence: it plays on to the end of the recording.
    QVERIFY(bench.playsFrom("l2", 4000));
    QCOMPARE(bench.player().stretchEnd(), std::nullopt);
    QTRY_VERIFY_WITH_TIMEOUT(bench.player().position() >= 5200, 5000);
    bench.frame().action(Command::PlaySentence)->trigger();
    QVERIFY(!bench.player().isPlaying());
    const std::optional<int> heard = bench.player().heardSeconds();
    QVERIFY(heard && *heard >= 5 && *heard < kRecordingSeconds);
    QTest::qWait(300);
    QCOMPARE(bench.player().heardSeconds(), heard);

    // Ctrl+F on the unlinked l3 proposes where the playback stopped; OK links it there.
    bench.goTo("l3");
    QString opened;
    bench.answerAudioPosition(opened, QDialog::Accepted);
    bench.frame().action(Command::AudioPosition)->trigger();
    QCOMPARE(opened, QString("0 %1").arg(*heard));
    QCOMPARE(QString::fromUtf8(attributeValue(bench.sentence("l3"), "helipos").data()), QString::number(*heard));

    // A linked sentence keeps showing its own start.
    bench.goTo("l1");
    bench.answerAudioPosition(opened, QDialog::Rejected);
    bench.frame().action(Command::AudioPosition)->trigger();
    QCOMPARE(opened, QString("0 2"));

    // Now that l3 is linked, l2's stretch ends where it begins.
    bench.goTo("l2");
    bench.frame().action(Command::PlaySentence)->trigger();
    QCOMPARE(bench.player().stretchEnd(), std::optional<qint64>(qint64(*heard) * 1000));
    bench.frame().action(Command::PlaySentence)->trigger();
    QVERIFY(bench.prompter.entries().empty());
}

void SentencePlayerTest::theHookAfterLeavingASentenceProposesThePlayersPlace()
{
    if (m_mp3.isEmpty())
        QSKIP(qPrintable(m_why));
    Workbench bench("lugu.mp3", "HeliPos=1\n");
    QVERIFY(bench.holdsRecording(m_mp3));
    CPelmoraFormView& form = *bench.frame().formView();
    QVERIFY(bench.playsFrom("l2", 4000));
    QTRY_VERIFY_WITH_TIMEOUT(bench.player().position() >= 5100, 5000);
    // While it still plays, the form moves on into l3: the hook's dialog proposes the place heard.
    QString opened;
    bench.answerAudioPosition(opened, QDialog::Rejected);
    const int before = int(bench.player().position() / 1000);
    QTest::mouseClick(form.ui().showNextButton, Qt::LeftButton);
    QCOMPARE(bench.dialogs.titles(), QStringList{"Helifailiga sidumine"});
    const QStringList parts = opened.split(' ');
    QCOMPARE(parts.value(0), QString("0"));
    QVERIFY2(parts.value(1).toInt() >= before && parts.value(1).toInt() <= kRecordingSeconds, qPrintable(opened));
    bench.player().stop();
}

void SentencePlayerTest::anotherTextDropsTheRecording()
{
    if (m_mp3.isEmpty())
        QSKIP(qPrintable(m_why));
    Workbench bench;
    QVERIFY(bench.holdsRecording(m_mp3));
    QVERIFY(bench.playsFrom("l1", 2000));
    test::writeFile(bench.path("teine.xml"), textNaming("muu.mp3"));
    QVERIFY(bench.frame().openText(bench.path("teine.xml")));
    // Nothing of the first text's recording is heard or proposed for the second.
    QVERIFY(!bench.player().isPlaying());
    QCOMPARE(bench.player().heardSeconds(), std::nullopt);
    QVERIFY(!bench.player().isVisible());
    QVERIFY(!bench.frame().textView().playingSentence());
}

void SentencePlayerTest::removingThePlayedSentenceDropsItsMark()
{
    if (m_mp3.isEmpty())
        QSKIP(qPrintable(m_why));
    Workbench bench;
    QVERIFY(bench.holdsRecording(m_mp3));
    QVERIFY(bench.playsFrom("l2", 4000));
    // l1 takes l2's tokens in: the sentence being played leaves the tree while it plays.
    bench.goTo("l1");
    QVERIFY(mergeSentences(bench.doc(), "l2"));
    QVERIFY(!bench.player().playingSentence());
    QVERIFY(!bench.frame().textView().playingSentence());
    QVERIFY(bench.frame().textView().playingRect().isEmpty());
    bench.frame().textView().repaint();
    bench.frame().action(Command::PlaySentence)->trigger();
    QVERIFY(!bench.player().isPlaying());
}

void SentencePlayerTest::stoppedBeforeItsStartProposesNothing()
{
    if (m_mp3.isEmpty())
        QSKIP(qPrintable(m_why));
    Workbench bench;
    QVERIFY(bench.holdsRecording(m_mp3));
    bench.goTo("l2");
    // The second press comes while the recording still loads.
    bench.frame().action(Command::PlaySentence)->trigger();
    bench.frame().action(Command::PlaySentence)->trigger();
    QTest::qWait(500);
    QVERIFY(!bench.player().isPlaying());
    QCOMPARE(bench.player().heardSeconds(), std::nullopt);
    QVERIFY(!bench.frame().textView().playingSentence());
    bench.goTo("l3");
    QString opened;
    bench.answerAudioPosition(opened, QDialog::Rejected);
    bench.frame().action(Command::AudioPosition)->trigger();
    QCOMPARE(opened, QString("-1 -1"));
    // Played again, the sentence is heard from its start.
    QVERIFY(bench.playsFrom("l1", 2000));
    QTRY_VERIFY_WITH_TIMEOUT(!bench.player().isPlaying(), 10000);
    QCOMPARE(bench.player().heardSeconds(), std::optional<int>(4));
}

void SentencePlayerTest::nothingToPlayIsSaid_data()
{
    QTest::addColumn<QByteArray>("recording");  // the name in the text ("" none, null no info)
    QTest::addColumn<QByteArray>("bytes");      // what lies in the recording's place (null: nothing)
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");       // "%1" stands for the text's folder
    QTest::newRow("no information") << QByteArray() << QByteArray() << "l1" << "Hoiatus" << "Helifaili pole määratud.";
    QTest::newRow("no file named") << QByteArray("") << QByteArray() << "l1" << "Hoiatus"
                                   << "Helifaili pole määratud.";
    QTest::newRow("sentence without a position") << QByteArray("lugu.mp3") << QByteArray("ID3") << "l3" << "Hoiatus"
                                                 << "Lause algus helifailis on määramata.";
    QTest::newRow("missing file") << QByteArray("helid/lugu.mp3") << QByteArray() << "l1" << "Viga"
                                  << "Helifaili %1/helid/lugu.mp3 ei leitud.";
    QTest::newRow("file that is no recording") << QByteArray("lugu.mp3") << QByteArray("see pole heli\n") << "l1"
                                               << "Viga" << "Helifaili %1/lugu.mp3 ei saa mängida.";
}

void SentencePlayerTest::nothingToPlayIsSaid()
{
    QFETCH(QByteArray, recording);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sentence);
    QFETCH(QString, title);
    QFETCH(QString, message);
    Workbench bench(recording);
    if (!bytes.isNull())
        test::writeFile(bench.path("lugu.mp3"), bytes);
    bench.goTo(sentence.toUtf8().constData());
    bench.frame().action(Command::PlaySentence)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!bench.prompter.entries().empty(), 10000);
    if (bench.messages() == kNoPlayer && !SentencePlayer::hasBackend())
        QSKIP("No audio backend on this machine: whether a file that is no recording is refused is not checked.");
    QCOMPARE(bench.messages(), QString(message).replace("%1", bench.dir.path()));
    QCOMPARE(QString::fromStdString(bench.prompter.entries().back().title), title);
    // Nothing else changed: no playback, no mark, no strip, the text as it was.
    QVERIFY(!bench.player().isPlaying());
    QCOMPARE(bench.player().heardSeconds(), std::nullopt);
    QVERIFY(!bench.frame().textView().playingSentence());
    QVERIFY(!bench.player().isVisible());
    QVERIFY(!bench.frame().formView()->ui().playButton->isChecked());
    QVERIFY(!bench.doc().isModified());
    QCOMPARE(bench.doc().currentToken(), bench.sentence(sentence.toUtf8().constData()).child("sone"));
}

void SentencePlayerTest::ctrlSpaceReachesThePlayerFromAField()
{
    // The key works from the form's headword field as anywhere else in the window.
    Workbench bench(QByteArray(""));
    bench.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&bench.frame()));
    QLineEdit* headword = bench.frame().formView()->headwordEdit();
    headword->setFocus();
    QTest::keyClick(headword, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(bench.messages(), QString("Helifaili pole määratud."));
    QCOMPARE(headword->text().contains(' '), false);
}

void SentencePlayerTest::noBackendIsSaidInsteadOfEndingTheProgram()
{
    // Qt Multimedia aborts when it has no backend; the window looks first and says so.
    const QByteArray before = qgetenv("QT_MEDIA_BACKEND");
    qputenv("QT_MEDIA_BACKEND", "puudub");
    Workbench bench;
    test::writeFile(bench.path("lugu.mp3"), "ID3");
    bench.goTo("l1");
    bench.frame().action(Command::PlaySentence)->trigger();
    if (before.isNull())
        qunsetenv("QT_MEDIA_BACKEND");
    else
        qputenv("QT_MEDIA_BACKEND", before);
    QCOMPARE(bench.messages(), kNoPlayer);
    QCOMPARE(QString::fromStdString(bench.prompter.entries().back().title), QString("Viga"));
    QVERIFY(!bench.player().isPlaying());
    QVERIFY(!bench.player().isVisible());
    QVERIFY(!bench.frame().textView().playingSentence());
}

QTEST_MAIN(SentencePlayerTest)
#include "sentenceplayer_test.moc"
