// The file names of an import: "Faili import" (plain text: input and output) and
// "Murdekorpuse import" (a dialect-corpus file, whose outputs are named after it).
#pragma once

#include "app/filechooser.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace pelmora::gui {

namespace Ui { class ImportFilesDialog; }

class ImportFilesDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Kind { PlainText, Dialect };
    // The "Vali" buttons ask `files`.
    ImportFilesDialog(Kind kind, FileChooser& files, QWidget* parent = nullptr);
    ~ImportFilesDialog() override;

    QString inputPath() const;
    QString outputPath() const;  // empty for a dialect import
    void setPaths(const QString& input, const QString& output);
    // "Jaga laused lõpumärkide järgi" and the abbreviations kept whole (plain text only).
    bool splitSentences() const;
    QString abbreviations() const;
    void setSentenceChoices(bool split, const QString& abbreviations);

private:
    void chooseInput();
    void chooseOutput();

    std::unique_ptr<Ui::ImportFilesDialog> m_ui;
    Kind m_kind;
    FileChooser& m_files;
};

}  // namespace pelmora::gui
