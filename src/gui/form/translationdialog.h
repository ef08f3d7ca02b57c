// The sentence translation window "Lause tõlge": the sentence's Estonian, English and Latvian
// translations.
#pragma once

#include "annotation/sentencetranslation.h"

#include <QDialog>

#include <memory>

namespace pelmora {
class CPelmoraDoc;
}

namespace Ui {
class TranslationDialog;
}

namespace pelmora::gui {

class TranslationDialog final : public QDialog {
    Q_OBJECT
public:
    // Fills the three fields from the sentence (`lause`); the sentence must stay in the tree
    // while the window is open.
    TranslationDialog(CPelmoraDoc& doc, XmlNode sentence, QWidget* parent = nullptr);
    ~TranslationDialog() override;

    // The texts of the three fields.
    SentenceTranslations translations() const;

    // "&OK": writes the fields into the sentence as one undo step, then closes.
    void accept() override;

private:
    std::unique_ptr<::Ui::TranslationDialog> m_ui;
    CPelmoraDoc& m_doc;
    XmlNode m_sentence;
};

}  // namespace pelmora::gui
