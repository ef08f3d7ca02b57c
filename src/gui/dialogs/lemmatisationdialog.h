// "Automaatne lemmatiseerimine": where the lemmas come from (the dictionary file or the external
// analyser) and whether ambiguous words are left alone.
#pragma once

#include "app/filechooser.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace pelmora::gui {

namespace Ui { class LemmatisationDialog; }

struct LemmatisationChoice {
    bool useDictionary = true;   // "Kasuta sõnastikku"; otherwise the external analyser
    QString dictionaryPath;      // the file named in the field
    bool skipAmbiguous = false;  // "Mitme analüüsivõimaluse korral ära lisa midagi"
};

class LemmatisationDialog final : public QDialog {
    Q_OBJECT
public:
    // `dictionaryPath` fills the field; "Vali sõnastik" asks `files`; "Teisendused" calls
    // `transformations` (nothing when it is empty).
    LemmatisationDialog(const QString& dictionaryPath, FileChooser& files, std::function<void()> transformations,
                        QWidget* parent = nullptr);
    ~LemmatisationDialog() override;

    LemmatisationChoice choice() const;

private:
    void chooseDictionary();
    void sourceChanged();

    std::unique_ptr<Ui::LemmatisationDialog> m_ui;
    FileChooser& m_files;
    std::function<void()> m_transformations;
};

}  // namespace pelmora::gui
