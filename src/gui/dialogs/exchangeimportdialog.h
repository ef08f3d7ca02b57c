// "Impordi vormingust": what an import of an EAF, FlexText or CoNLL-U file will read before it is
// read into a new text. EAF: the tier to take the sentences from, the preview read again when it
// changes; FlexText with several texts: which one; for every text its sentences, tokens and tokens
// with a lemma; and what the import leaves out.
#pragma once

#include "exchange/convert.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace pelmora::gui {

class ExchangeImportDialog final : public QDialog {
    Q_OBJECT
public:
    // Reads the file again with the given transcription tier.
    using Reader = std::function<exchange::ImportResult(const std::string& tier)>;

    // `first` is the file read with the tier the import chose; it must have been read.
    ExchangeImportDialog(const QString& path, exchange::ExchangeFormat format, exchange::ImportResult first,
                         Reader reread, QWidget* parent = nullptr);

    // The read shown now, and the text of it chosen (from 0).
    exchange::ImportResult& result() { return m_result; }
    std::size_t chosenText() const;

private:
    void tierChanged(int index);
    // Shows the texts, their counts and the report of m_result; a failed read shows its reason.
    void showResult();

    exchange::ImportResult m_result;
    Reader m_reread;
    QComboBox* m_tiers = nullptr;
    QComboBox* m_texts = nullptr;
    QLabel* m_textsLabel = nullptr;
    QTreeWidget* m_contents = nullptr;
    QPlainTextEdit* m_report = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace pelmora::gui
