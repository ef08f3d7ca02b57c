#include "form/sentencecheckdialog.h"

#include "annotation/sentencecheck.h"
#include "app/qtstrings.h"
#include "ui_sentencecheckdialog.h"

#include <QKeyEvent>
#include <QTextCharFormat>
#include <QTextCursor>

namespace pelmora::gui {

namespace {

QTextCharFormat charFormat(const CheckFormat& format)
{
    QTextCharFormat qt;
    qt.setFontPointSize(format.pointSize);
    qt.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.italic);
    qt.setForeground(QColor(format.colour.red, format.colour.green, format.colour.blue));
    return qt;
}

}  // namespace

SentenceCheckDialog::SentenceCheckDialog(XmlNode sentence, bool largeFonts, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<::Ui::SentenceCheckDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // Enter in the text closes the window like the button; the text itself has nothing to enter.
    m_ui->textView->installEventFilter(this);

    QTextDocument* text = m_ui->textView->document();
    text->setDefaultFont(QFont(QStringLiteral("Arial")));
    QTextCursor cursor(text);
    for (const CheckRun& run : sentenceCheckRuns(sentenceCheckRecords(sentence), largeFonts))
        cursor.insertText(toQt(run.text), charFormat(run.format));
    m_ui->textView->moveCursor(QTextCursor::Start);
    m_ui->textView->setFocus();
}

SentenceCheckDialog::~SentenceCheckDialog() = default;

const QTextDocument* SentenceCheckDialog::document() const { return m_ui->textView->document(); }

bool SentenceCheckDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->textView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ui->closeButton->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace pelmora::gui
