#include "app/commands.h"

#include <QCoreApplication>

// The table leaves the icon, tool tip and "later" of most commands to their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace pelmora::gui {

namespace {

using K = QKeySequence;

std::vector<CommandInfo> makeTable()
{
    const Needs text = Needs::Text;
    const Needs token = Needs::CurrentToken;
    const Needs own = Needs::OwnRule;
    std::vector<CommandInfo> table = {
        {Command::Open, QT_TRANSLATE_NOOP("Command", "&Ava ...\tCtrl+O"), {K(Qt::CTRL | Qt::Key_O)}, Needs::Nothing,
         "document-open", QT_TRANSLATE_NOOP("Command", "Ava tekst")},
        {Command::ImportText, QT_TRANSLATE_NOOP("Command", "&Impordi tekst ..."), {}, Needs::Nothing,
         "document-new", QT_TRANSLATE_NOOP("Command", "Impordi tekst")},
        {Command::ImportDialect, QT_TRANSLATE_NOOP("Command", "Impordi vana &murdekorpuse tekst ..."), {}, Needs::Nothing},
        {Command::ImportExchange, QT_TRANSLATE_NOOP("Command", "Impordi vo&rmingust ..."), {}, Needs::Nothing},
        {Command::Save, QT_TRANSLATE_NOOP("Command", "&Salvesta\tCtrl+S"), {K(Qt::CTRL | Qt::Key_S)}, text,
         "document-save", QT_TRANSLATE_NOOP("Command", "Salvesta tekst")},
        {Command::SaveAs, QT_TRANSLATE_NOOP("Command", "Salvesta &koopia ..."), {}, text},
        {Command::ExportText, QT_TRANSLATE_NOOP("Command", "&Ekspordi tekst ..."), {}, text},
        {Command::ExportExchange, QT_TRANSLATE_NOOP("Command", "Ekspordi &vormingusse ..."), {}, text},
        {Command::MergeTexts, QT_TRANSLATE_NOOP("Command", "Ü&henda tekstid ..."), {}, Needs::Nothing},
        {Command::TextInfo, QT_TRANSLATE_NOOP("Command", "Teksti in&fo ..."), {}, text},
        {Command::Lemmatise, QT_TRANSLATE_NOOP("Command", "Lemmatiseeri aut&omaatselt ..."), {}, text, "system-run",
         QT_TRANSLATE_NOOP("Command", "Lemmatiseeri automaatselt")},
        {Command::Preannotate, QT_TRANSLATE_NOOP("Command", "Eelmär&genda analüsaatoriga ..."), {}, text},
        {Command::AddTextToDictionary, QT_TRANSLATE_NOOP("Command", "&Lisa avatud teksti sõned sõnastikku ..."), {}, text, "list-add",
         QT_TRANSLATE_NOOP("Command", "Lisa avatud teksti sõned sõnastikku")},
        {Command::Exit, QT_TRANSLATE_NOOP("Command", "P&uhkaks vahepeal"), {}, Needs::Nothing},

        {Command::Find, QT_TRANSLATE_NOOP("Command", "&Otsi ..."), {}, token,
         "edit-find", QT_TRANSLATE_NOOP("Command", "Otsi")},
        {Command::FindNext, QT_TRANSLATE_NOOP("Command", "Otsi &järgmine\tF3"), {K(Qt::Key_F3)}, token},
        {Command::PartOfWordSearch, QT_TRANSLATE_NOOP("Command", "&Sõnaosa otsing ..."), {}, token},
        {Command::Replace, QT_TRANSLATE_NOOP("Command", "&Asenda ..."), {}, token},
        {Command::SuspectedErrors, QT_TRANSLATE_NOOP("Command", "Otsi vi&gu ..."), {}, token},
        {Command::AutomaticChanges, QT_TRANSLATE_NOOP("Command", "Otsi a&utomaatselt muudetud kirjed"), {}, token},
        {Command::RemoveAutomaticMarks, QT_TRANSLATE_NOOP("Command", "&Kustusta failist automaatsete muutuste märgendid"), {}, token},
        {Command::ClearSearches, QT_TRANSLATE_NOOP("Command", "&Tühista senised otsingud"), {}, token},
        {Command::RememberPosition, QT_TRANSLATE_NOOP("Command", "Jäta meelde &praegune asukoht"), {}, token},
        {Command::GoToRememberedPosition, QT_TRANSLATE_NOOP("Command", "&Mine meelde jäetud kohta"), {}, token},
        {Command::GoToPage, QT_TRANSLATE_NOOP("Command", "Mine &leheküljele ..."), {}, token},
        {Command::GoToIdentifier, QT_TRANSLATE_NOOP("Command", "Otsi I&D ..."), {}, token},
        {Command::NextMarked, QT_TRANSLATE_NOOP("Command", "Jä&rgmine värviga märgitud sõna"), {}, token},
        {Command::PreviousMarked, QT_TRANSLATE_NOOP("Command", "&Eelmine värviga märgitud sõna"), {}, token},

        {Command::SimpleDictionary, QT_TRANSLATE_NOOP("Command", "&Lihtne sõnastik ..."), {}, text},
        {Command::Statistics, QT_TRANSLATE_NOOP("Command", "&Statistika"), {}, text},
        {Command::MultiFileQuery, QT_TRANSLATE_NOOP("Command", "&Päring mitmest failist"), {}, Needs::Nothing},
        {Command::ShowUsage, QT_TRANSLATE_NOOP("Command", "Näita kasutust ...\tCtrl+K"),
         {K(Qt::CTRL | Qt::Key_K)}, token},
        {Command::CorpusOverview, QT_TRANSLATE_NOOP("Command", "&Korpuse ülevaade\tCtrl+Shift+O"),
         {K(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
         Needs::Nothing},

        {Command::SuggesterSettings, QT_TRANSLATE_NOOP("Command", "&Soovitaja seaded ..."), {}, Needs::Nothing, "preferences-system",
         QT_TRANSLATE_NOOP("Command", "Soovitaja seaded")},
        {Command::EditDictionary, QT_TRANSLATE_NOOP("Command", "&Redigeeri sõnastikku ..."), {}, Needs::Nothing, "accessories-dictionary",
         QT_TRANSLATE_NOOP("Command", "Redigeeri sõnastikku")},
        {Command::DictionaryTable, QT_TRANSLATE_NOOP("Command", "Sõnastiku ta&bel"), {}, Needs::Nothing},
        {Command::ExportDictionary, QT_TRANSLATE_NOOP("Command", "&Ekspordi sõnastik ..."), {}, Needs::Nothing},
        {Command::AnalyseDictionary, QT_TRANSLATE_NOOP("Command", "Sõnastiku &analüüs"), {}, Needs::Nothing},
        {Command::Transformations, QT_TRANSLATE_NOOP("Command", "&Teisendused ..."), {}, Needs::Nothing},
        {Command::NormaliseText, QT_TRANSLATE_NOOP("Command", "&Normaliseeri tekstis tähed (NFC)"), {}, text},

        {Command::Undo, QT_TRANSLATE_NOOP("Command", "&Võta tagasi\tCtrl+Z"), {K(Qt::CTRL | Qt::Key_Z)}, own,
         "edit-undo", QT_TRANSLATE_NOOP("Command", "Võta tagasi")},
        {Command::Redo, QT_TRANSLATE_NOOP("Command", "T&ee uuesti\tCtrl+Y"),
         {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, own,
         "edit-redo", QT_TRANSLATE_NOOP("Command", "Tee uuesti")},
        {Command::Cut, QT_TRANSLATE_NOOP("Command", "&Lõika\tCtrl+X"),
         {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}, own,
         "edit-cut", QT_TRANSLATE_NOOP("Command", "Lõika")},
        {Command::Copy, QT_TRANSLATE_NOOP("Command", "&Kopeeri\tCtrl+C"),
         {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}, own,
         "edit-copy", QT_TRANSLATE_NOOP("Command", "Kopeeri")},
        {Command::Paste, QT_TRANSLATE_NOOP("Command", "&Pista\tCtrl+V"),
         {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}, own,
         "edit-paste", QT_TRANSLATE_NOOP("Command", "Pista")},
        {Command::CopyToken, QT_TRANSLATE_NOOP("Command", "Kopeeri &sõne\tCtrl+W"), {K(Qt::CTRL | Qt::Key_W)}, token},
        {Command::ModifyToken, QT_TRANSLATE_NOOP("Command", "&Muuda sõnet ..."), {}, token},
        {Command::DeleteToken, QT_TRANSLATE_NOOP("Command", "K&ustuta sõne"), {}, token},
        {Command::AddToken, QT_TRANSLATE_NOOP("Command", "L&isa sõne ..."), {}, token},
        {Command::MergeSentences, QT_TRANSLATE_NOOP("Command", "Ü&henda laused ...\tCtrl+M"),
         {K(Qt::CTRL | Qt::Key_M)}, token},
        {Command::SplitSentence, QT_TRANSLATE_NOOP("Command", "&Tükelda lause\tCtrl+D"),
         {K(Qt::CTRL | Qt::Key_D)}, token},
        {Command::AudioPosition, QT_TRANSLATE_NOOP("Command", "Lause algus heli&failis ...\tCtrl+F"),
         {K(Qt::CTRL | Qt::Key_F)}, token},
        {Command::PlaySentence, QT_TRANSLATE_NOOP("Command", "Mä&ngi lause\tCtrl+Space"),
         {K(Qt::CTRL | Qt::Key_Space)}, token},

        {Command::ToggleToolbar, QT_TRANSLATE_NOOP("Command", "&Nupuriba"), {}, Needs::Nothing},
        {Command::About, QT_TRANSLATE_NOOP("Command", "&Mis on Pelmora..."), {}, Needs::Nothing,
         "help-about", QT_TRANSLATE_NOOP("Command", "Mis on Pelmora")},

        {Command::NewDocument, QT_TRANSLATE_NOOP("Command", "Uus"), {K(Qt::CTRL | Qt::Key_N)}, Needs::Nothing},
        {Command::Print, QT_TRANSLATE_NOOP("Command", "Prindi"), {K(Qt::CTRL | Qt::Key_P)}, text,
         "document-print", QT_TRANSLATE_NOOP("Command", "Prindi tekst")},
        {Command::GoToClipboardIdentifier, QT_TRANSLATE_NOOP("Command", "Otsib sõneID"), {}, token, "go-jump",
         QT_TRANSLATE_NOOP("Command", "Otsib sõneID (lõikelaual olev sõne ID)")},
        {Command::CopySentence, QT_TRANSLATE_NOOP("Command", "Kopeeri lause"), {}, token},
        {Command::ShowWordFormUsage, QT_TRANSLATE_NOOP("Command", "Näita kasutust ..."), {}, token},
        {Command::FirstToken, QT_TRANSLATE_NOOP("Command", "Esimene sõne"), {K(Qt::CTRL | Qt::Key_Home)}, text},
        {Command::LastToken, QT_TRANSLATE_NOOP("Command", "Viimane sõne"), {K(Qt::CTRL | Qt::Key_End)}, text},
        {Command::NextToken, QT_TRANSLATE_NOOP("Command", "Järgmine sõne"), {K(Qt::SHIFT | Qt::Key_Right)}, token},
        {Command::PreviousToken, QT_TRANSLATE_NOOP("Command", "Eelmine sõne"), {K(Qt::SHIFT | Qt::Key_Left)}, token},
        {Command::NextSentence, QT_TRANSLATE_NOOP("Command", "Järgmine lause"),
         {K(Qt::SHIFT | Qt::Key_PageDown)}, token},
        {Command::PreviousSentence, QT_TRANSLATE_NOOP("Command", "Eelmine lause"),
         {K(Qt::SHIFT | Qt::Key_PageUp)}, token},
        {Command::NextPane, QT_TRANSLATE_NOOP("Command", "Järgmine paan"), {K(Qt::Key_F6)}, Needs::Nothing},
        {Command::PreviousPane, QT_TRANSLATE_NOOP("Command", "Eelmine paan"),
         {K(Qt::SHIFT | Qt::Key_F6)}, Needs::Nothing},
        {Command::StartCombination, QT_TRANSLATE_NOOP("Command", "1. ühendi täiendsõna"), {}, token},
    };
    return table;
}

constexpr Command kSeparator = Command::Count;

}  // namespace

QString shownText(const QString& tableText)
{
    return tableText.isEmpty() ? tableText
                               : QCoreApplication::translate("Command", tableText.toUtf8().constData());
}

const std::vector<CommandInfo>& commandTable()
{
    static const std::vector<CommandInfo> table = makeTable();
    return table;
}

const CommandInfo& commandInfo(Command command)
{
    return commandTable()[static_cast<std::size_t>(command)];
}

const std::vector<MenuInfo>& menuTable()
{
    static const std::vector<MenuInfo> menus = {
        {QT_TRANSLATE_NOOP("Command", "&Tekst"),
         {Command::Open, Command::ImportText, Command::ImportDialect, Command::ImportExchange, kSeparator,
          Command::Save, Command::SaveAs, kSeparator, Command::ExportText, Command::ExportExchange, Command::MergeTexts,
          kSeparator, Command::TextInfo, Command::Lemmatise, Command::Preannotate, Command::AddTextToDictionary,
          kSeparator, Command::Exit}},
        {QT_TRANSLATE_NOOP("Command", "&Otsing"),
         {Command::Find, Command::FindNext, Command::PartOfWordSearch, Command::Replace, kSeparator,
          Command::SuspectedErrors, Command::AutomaticChanges, Command::RemoveAutomaticMarks, kSeparator,
          Command::ClearSearches, kSeparator, Command::RememberPosition, Command::GoToRememberedPosition,
          Command::GoToPage, Command::GoToIdentifier, kSeparator, Command::NextMarked, Command::PreviousMarked}},
        {QT_TRANSLATE_NOOP("Command", "&Päringud"),
         {Command::SimpleDictionary, Command::Statistics, Command::MultiFileQuery, kSeparator, Command::ShowUsage,
          Command::CorpusOverview}},
        {QT_TRANSLATE_NOOP("Command", "Töö&vahendid"),
         {Command::SuggesterSettings, kSeparator, Command::EditDictionary, Command::DictionaryTable,
          Command::ExportDictionary,
          Command::AnalyseDictionary, kSeparator, Command::Transformations, kSeparator, Command::NormaliseText}},
        {QT_TRANSLATE_NOOP("Command", "&Redaktor"),
         {Command::Undo, Command::Redo, kSeparator, Command::Cut, Command::Copy, Command::Paste, kSeparator, Command::CopyToken, kSeparator,
          Command::ModifyToken, Command::DeleteToken, Command::AddToken, kSeparator, Command::MergeSentences,
          Command::SplitSentence, kSeparator, Command::AudioPosition, Command::PlaySentence}},
        {QT_TRANSLATE_NOOP("Command", "&Aken"), {Command::ToggleToolbar}},
        {QT_TRANSLATE_NOOP("Command", "&Info"), {Command::About}},
    };
    return menus;
}

const std::vector<Command>& toolbarTable()
{
    static const std::vector<Command> buttons = {
        Command::Open, Command::ImportText, Command::Save, kSeparator, Command::Print, kSeparator,
        Command::AddTextToDictionary, Command::EditDictionary, kSeparator, Command::SuggesterSettings,
        Command::Lemmatise, kSeparator, Command::Find, kSeparator, Command::GoToClipboardIdentifier, kSeparator,
        Command::Undo, Command::Redo, kSeparator, Command::Cut, Command::Copy, Command::Paste, kSeparator,
        Command::About,
    };
    return buttons;
}

const std::vector<Command>& windowKeyTable()
{
    static const std::vector<Command> commands = {
        Command::CopyToken, Command::MergeSentences, Command::SplitSentence, Command::AudioPosition,
        Command::PlaySentence, Command::FindNext, Command::FirstToken, Command::LastToken,
        Command::NextToken, Command::PreviousToken, Command::NextSentence, Command::PreviousSentence,
        Command::NextPane, Command::PreviousPane, Command::Open, Command::Save, Command::Print,
        Command::NewDocument, Command::ShowUsage, Command::CorpusOverview,
    };
    return commands;
}

const std::vector<ContextEntry>& contextMenuTable()
{
    static const std::vector<ContextEntry> entries = {
        {Command::CopyToken, QT_TRANSLATE_NOOP("Command", "Kopeeri sõne")},
        {Command::CopySentence, QT_TRANSLATE_NOOP("Command", "Kopeeri lause")},
        {kSeparator, {}},
        {Command::ModifyToken, QT_TRANSLATE_NOOP("Command", "Muuda sõnet ...")},
        {Command::DeleteToken, QT_TRANSLATE_NOOP("Command", "Kustuta sõne")},
        {Command::AddToken, QT_TRANSLATE_NOOP("Command", "Lisa sõne ...")},
        {kSeparator, {}},
        {Command::MergeSentences, QT_TRANSLATE_NOOP("Command", "Ühenda laused")},
        {Command::SplitSentence, QT_TRANSLATE_NOOP("Command", "Tükelda lause")},
        {kSeparator, {}},
        {Command::StartCombination, QT_TRANSLATE_NOOP("Command", "1. ühendi täiendsõna")},
        {kSeparator, {}},
        {Command::ShowWordFormUsage, QT_TRANSLATE_NOOP("Command", "Näita kasutust ...")},
    };
    return entries;
}

}  // namespace pelmora::gui
