// CPelmoraFormView: the annotation form in the bottom pane. It mirrors the suggester's fields and
// candidate lists, writes the remembered annotation through the core and moves on by the chosen
// navigation kind; the letter keyboard and the replacement while typing help with Livonian letters.
#pragma once

#include "annotation/analyserclient.h"
#include "annotation/formnavigation.h"
#include "annotation/suggester.h"
#include "text/tokenhandle.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace Ui {
class CPelmoraFormView;
}

namespace pelmora {
class CDictionary;
}

namespace pelmora::gui {

class FormMnemonics;

class CPelmoraFormView final : public QWidget, public DocumentObserver {
    Q_OBJECT
public:
    // The form reads the settings at every fill; the dictionary (may be null) is a source of
    // candidates when the settings say so and receives the remembered words.
    CPelmoraFormView(CPelmoraDoc& doc, Settings& settings, CDictionary* dictionary, Prompter& prompter,
                     QWidget* parent = nullptr);
    ~CPelmoraFormView() override;

    // --- Hooks for the dialogs; a button without its hook does nothing ----------------------
    // "Morf. &vorm:" button: gets the current tag, returns the new one or nothing when cancelled.
    // `typing`: the editor opens because the user typed into the field; what was typed is the
    // tag's free text, and the editor should take further typing there.
    using FormTagEditor = std::function<std::optional<std::string>(const std::string& currentTag, bool typing)>;
    void setFormTagEditor(FormTagEditor editor);
    // "La&use kontroll" and the check after leaving a sentence.
    void setSentenceCheck(std::function<void(XmlNode sentence)> check);
    // "Lisa lause t&õlge" and the translation after leaving a sentence.
    void setTranslation(std::function<void(XmlNode sentence)> translation);
    // "Märksõna in&fo" with the form's headword.
    void setHeadwordNotes(std::function<void(const std::string& headword)> notes);
    // The audio-position step after leaving a sentence.
    void setAudioPosition(std::function<void()> audioPosition);
    // "Mängi lause": plays the current sentence from the recording, or stops it.
    void setPlaySentence(std::function<void()> play) { m_playSentence = std::move(play); }
    // Shows the button pressed while a sentence plays.
    void setPlaying(bool playing);
    // Whether the text view colours a token (for "show next" of the colour-marked kind).
    void setMarkedTokenTest(MarkedTokenTest marked) { m_marked = std::move(marked); }

    // After the settings dialog: the dictionary source and the fills follow the new values.
    void settingsChanged();

    // --- Commands ------------------------------------------------------------------------
    void remember();
    void showNext();
    void rememberAndShowNext();
    void back();
    // Sets the kind, gives both buttons its captions and shows the next token of the kind.
    void chooseNavigationKind(NavigationKind kind);
    NavigationKind navigationKind() const { return m_kind; }
    void checkSentence();
    void headwordNotes();
    void translateSentence();
    void editFormTag();
    // Opens the editor as typing into the form-tag field does: `typed` goes into its free text.
    void editFormTagTyped(const QString& typed);
    // DocumentObserver: another text replaces this one; nothing typed for it stays.
    void documentAboutToBeCleared() override;
    // Inserts a letter into the headword or Latvian field that had the focus last.
    void insertSpecialLetter(QChar letter);

    // --- For the window and the tests -----------------------------------------------------
    QLineEdit* headwordEdit() const;
    QLineEdit* meaningEdit() const;
    QLineEdit* latvianEdit() const;
    QListWidget* candidateList(SuggestionList which) const;
    QComboBox* partOfSpeechBox() const;
    QComboBox* reasonBox() const;
    QComboBox* styleBox() const;
    QPushButton* backButton() const;
    // The line that says why the shown token is not annotated; empty for a token to annotate.
    QLabel* notToTagHint() const { return m_notToTagHint; }
    QMenu* navigationMenu() const { return m_navigationMenu; }
    const ::Ui::CPelmoraFormView& ui() const { return *m_ui; }
    Suggester& suggester() { return m_suggester; }
    // The online analyser the fills ask when the settings switch it on.
    AnalyserClient& analyser() { return m_analyser; }
    // The local analyser the proposals come from when the setting names one (null: none).
    void setLocalAnalyser(LocalAnalyserHolder* holder);
    // What the folder's texts confirm (null: nothing yet), and the open text's path, which is
    // counted live instead.
    void setConfirmedTexts(const ConfirmedAnalyses* texts, const std::string& openTextPath);
    // The local analyser was loaded: the current token's proposals are asked again unless the
    // user has begun on it.
    void localAnalyserLoaded();
    const FormNavigation& navigation() const { return m_navigation; }
    int rememberedCount() const { return m_remembered; }
    // Redraws now what a document update has scheduled.
    void redrawFromDocument();

    // DocumentObserver
    void documentUpdated() override;
    void attributeChanged(XmlNode element, const char* name, std::string_view oldValue) override;

private:
    void buildLetterKeyboard();
    void connectFields();
    void showModel();
    void showList(SuggestionList which, QListWidget* list);
    void candidateChosen(SuggestionList which, QListWidget* list);
    void candidateConfirmed(QListWidget* list);
    // Enables the annotation fields for a token to annotate; for one not to, disables them and
    // says why.
    void showWhetherToTag();
    void openFormTagEditor(const std::string& tag, bool typing);
    void focusFirstField();
    void fieldTyped(QLineEdit* edit);
    void replaceWhileTyping(QLineEdit* edit);
    SuggestionFields fieldsFromControls() const;
    void writeToken();
    void countRemembered();
    bool nothingToRemember() const;
    void sentenceLeft(XmlNode sentence);
    void showNavigationMenu();
    void focusChanged(QWidget* old, QWidget* now);
    SuggestionSources sources();

    CPelmoraDoc& m_doc;
    Settings& m_settings;
    CDictionary* m_dictionary;
    AnalyserClient m_analyser;
    LocalAnalyserHolder* m_localAnalyser = nullptr;
    const ConfirmedAnalyses* m_confirmedTexts = nullptr;
    std::string m_openTextPath;
    Suggester m_suggester;
    FormNavigation m_navigation;
    std::unique_ptr<::Ui::CPelmoraFormView> m_ui;
    FormMnemonics* m_mnemonics = nullptr;
    QMenu* m_navigationMenu = nullptr;
    QLabel* m_notToTagHint = nullptr;

    NavigationKind m_kind = NavigationKind::NextToken;
    int m_remembered = 0;
    QLineEdit* m_letterTarget = nullptr;  // headword or Latvian field that had the focus last
    TokenHandle m_shown;                  // the token the fields show
    bool m_shownEdited = false;           // its annotation changed since it was shown
    std::uint64_t m_shownStructure = 0;
    bool m_redrawPending = false;
    bool m_updating = false;              // fields are being set from the model
    bool m_documentReplaced = false;      // another text was opened since the last redraw

    FormTagEditor m_formTagEditor;
    std::function<void(XmlNode)> m_sentenceCheck;
    std::function<void(XmlNode)> m_translation;
    std::function<void(const std::string&)> m_headwordNotes;
    std::function<void()> m_audioPosition;
    std::function<void()> m_playSentence;
    MarkedTokenTest m_marked;
};

}  // namespace pelmora::gui
