// The tagging check window "Kontrolli märgendust": a sentence's tokens with their annotation as
// one read-only paragraph.
#pragma once

#include "xml/xmldocument.h"

#include <QDialog>

#include <memory>

class QTextDocument;

namespace Ui {
class SentenceCheckDialog;
}

namespace pelmora::gui {

class SentenceCheckDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows the sentence (`lause`) as it stands now; with large fonts every size is 1.5 pt larger.
    SentenceCheckDialog(XmlNode sentence, bool largeFonts, QWidget* parent = nullptr);
    ~SentenceCheckDialog() override;

    // The shown text with its formats.
    const QTextDocument* document() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<::Ui::SentenceCheckDialog> m_ui;
};

}  // namespace pelmora::gui
