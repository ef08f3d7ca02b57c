// "Sõnastik": the dictionary editor, three pages ("Sõned", "Lemmad", "Ühendid") that each show
// one analysis and change the dictionary file at once through the store.
#pragma once

#include "app/dialogrunner.h"
#include "common/prompter.h"
#include "dictionary/dictionaryeditor.h"
#include "search/concordance.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pelmora::gui {

namespace Ui { class DictionaryEditorDialog; }

class DictionaryEditorDialog final : public QDialog {
    Q_OBJECT
public:
    // `dialogs` runs the form-tag editor of the "+" button; the pages stand at `positions`.
    DictionaryEditorDialog(CDictionary& dictionary, Prompter& prompter, DialogRunner& dialogs,
                           EditorPositions& positions, QWidget* parent = nullptr);
    ~DictionaryEditorDialog() override;

    // "Näita kasutust ...": the word form of the word page (by its key) or the lemma of the lemma
    // page goes to `show`; the button is there only with a hook and does nothing on combinations.
    void setShowUsage(std::function<void(ConcordanceBy, const QString&)> show);
    QPushButton* showUsageButton() const { return m_showUsageButton; }

    // The "LI&FT" button's menu: "&Ekspordi LIFT-vormingusse ..." runs `exportLift`, "&Impordi
    // LIFT-vormingust ..." runs `importLift`, after which the page in front shows the file anew.
    // The button is there only with the hooks; each is given the dialog as the parent.
    void setLiftExchange(std::function<void(QWidget*)> exportLift, std::function<void(QWidget*)> importLift);
    QPushButton* liftButton() const { return m_liftButton; }

    // Puts the section's page in front.
    void showSection(DictSection section);

    // The page of a section, for tests.
    const DictionaryEditorPage& page(DictSection section) const { return m_pages[index(section)]->model; }

private:
    // The widgets of one page and its model.
    struct Page {
        Page(CDictionary& dictionary, DictSection section, Prompter& prompter, EditorPosition& position)
            : model(dictionary, section, prompter, position)
        {
        }
        DictionaryEditorPage model;
        QWidget* widget = nullptr;
        std::array<QLineEdit*, 5> edits{};  // null where the field is the part-of-speech list
        QComboBox* partOfSpeech = nullptr;  // field 2 of lemmas and combinations
        QLineEdit* search = nullptr;
        QLabel* variant = nullptr;  // "kirje 1/2"
        QPushButton* searchButton = nullptr;
        QPushButton* previous = nullptr;
        QPushButton* next = nullptr;
        QPushButton* add = nullptr;
        QPushButton* remove = nullptr;
    };

    static std::size_t index(DictSection section) { return static_cast<std::size_t>(section); }
    void setUpPage(Page& page);
    // The values of the page's fields, and the page's fields set from values.
    EditorFields read(const Page& page) const;
    // `fields` are what the page's model just returned; the variant and the status follow them.
    void fill(Page& page, const EditorFields& fields);
    void pageChanged(int tab);
    void showUsage();

    std::unique_ptr<Ui::DictionaryEditorDialog> m_ui;
    DialogRunner& m_dialogs;
    std::array<std::unique_ptr<Page>, 3> m_pages;
    std::function<void(ConcordanceBy, const QString&)> m_showUsage;
    QPushButton* m_showUsageButton = nullptr;
    QPushButton* m_liftButton = nullptr;
};

}  // namespace pelmora::gui
