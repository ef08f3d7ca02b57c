// "Päring mitmest failist": the files to search, the conditions of one or two tokens and the
// result file of a multi-file query.
#pragma once

#include "app/dialogrunner.h"
#include "app/filechooser.h"
#include "common/prompter.h"
#include "io/multifilequery.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelmora::gui {

namespace Ui { class MultiFileQueryDialog; }
class FileListField;

class MultiFileQueryDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows `values` (the defaults, or what the last query of this command run used).
    MultiFileQueryDialog(const QuerySettings& values, Prompter& prompter, FileChooser& files, DialogRunner& dialogs,
                         QWidget* parent = nullptr);
    ~MultiFileQueryDialog() override;

    // The query as the fields stand, the files in list order.
    QuerySettings settings() const;

    QPushButton& searchButton() const { return *m_search; }
    FileListField& fileList() const { return *m_fileList; }

private:
    struct TokenFields {
        std::array<QWidget*, kQueryFieldCount> patterns{};
        std::array<QComboBox*, kQueryFieldCount> kinds{};
    };
    TokenFields tokenFields(int token) const;
    void showConditions(const TokenFields& fields, const TokenConditions& conditions);
    TokenConditions conditions(const TokenFields& fields) const;
    void updateSearchButton();

    std::unique_ptr<Ui::MultiFileQueryDialog> m_ui;
    FileListField* m_fileList = nullptr;
    QPushButton* m_search = nullptr;
    DialogRunner& m_dialogs;
};

}  // namespace pelmora::gui
