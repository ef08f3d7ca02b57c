#include "app/commands.h"

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
        {Command::Open, "&Ava ...\tCtrl+O", {K(Qt::CTRL | Qt::Key_O)}, Needs::Nothing, "document-open", "Ava tekst"},
        {Command::ImportText, "&Impordi tekst ...", {}, Needs::Nothing, "document-new", "Impordi tekst"},
        {Command::ImportDialect, "Impordi vana &murdekorpuse tekst ...", {}, Needs::Nothing},
        {Command::ImportExchange, "Impordi vo&rmingust ...", {}, Needs::Nothing},
        {Command::Save, "&Salvesta\tCtrl+S", {K(Qt::CTRL | Qt::Key_S)}, text, "document-save", "Salvesta tekst"},
        {Command::SaveAs, "Salvesta &koopia ...", {}, text},
        {Command::ExportText, "&Ekspordi tekst ...", {}, text},
        {Command::ExportExchange, "Ekspordi &vormingusse ...", {}, text},
        {Command::MergeTexts, "Ü&henda tekstid ...", {}, Needs::Nothing},
        {Command::TextInfo, "Teksti in&fo ...", {}, text},
        {Command::Lemmatise, "Lemmatiseeri aut&omaatselt ...", {}, text, "system-run",
         "Lemmatiseeri automaatselt"},
        {Command::Preannotate, "Eelmär&genda analüsaatoriga ...", {}, text},
        {Command::AddTextToDictionary, "&Lisa avatud teksti sõned sõnastikku ...", {}, text, "list-add",
         "Lisa avatud teksti sõned sõnastikku"},
        {Command::Exit, "P&uhkaks vahepeal", {}, Needs::Nothing},

        {Command::Find, "&Otsi ...", {}, token, "edit-find", "Otsi"},
        {Command::FindNext, "Otsi &järgmine\tF3", {K(Qt::Key_F3)}, token},
        {Command::PartOfWordSearch, "&Sõnaosa otsing ...", {}, token},
        {Command::Replace, "&Asenda ...", {}, token},
        {Command::SuspectedErrors, "Otsi vi&gu ...", {}, token},
        {Command::AutomaticChanges, "Otsi a&utomaatselt muudetud kirjed", {}, token},
        {Command::RemoveAutomaticMarks, "&Kustusta failist automaatsete muutuste märgendid", {}, token},
        {Command::ClearSearches, "&Tühista senised otsingud", {}, token},
        {Command::RememberPosition, "Jäta meelde &praegune asukoht", {}, token},
        {Command::GoToRememberedPosition, "&Mine meelde jäetud kohta", {}, token},
        {Command::GoToPage, "Mine &leheküljele ...", {}, token},
        {Command::GoToIdentifier, "Otsi I&D ...", {}, token},
        {Command::NextMarked, "Jä&rgmine värviga märgitud sõna", {}, token},
        {Command::PreviousMarked, "&Eelmine värviga märgitud sõna", {}, token},

        {Command::SimpleDictionary, "&Lihtne sõnastik ...", {}, text},
        {Command::Statistics, "&Statistika", {}, text},
        {Command::MultiFileQuery, "&Päring mitmest failist", {}, Needs::Nothing},
        {Command::ShowUsage, "Näita kasutust ...\tCtrl+K", {K(Qt::CTRL | Qt::Key_K)}, token},
        {Command::CorpusOverview, "&Korpuse ülevaade\tCtrl+Shift+O", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
         Needs::Nothing},

        {Command::SuggesterSettings, "&Soovitaja seaded ...", {}, Needs::Nothing, "preferences-system",
         "Soovitaja seaded"},
        {Command::EditDictionary, "&Redigeeri sõnastikku ...", {}, Needs::Nothing, "accessories-dictionary",
         "Redigeeri sõnastikku"},
        {Command::DictionaryTable, "Sõnastiku ta&bel", {}, Needs::Nothing},
        {Command::ExportDictionary, "&Ekspordi sõnastik ...", {}, Needs::Nothing},
        {Command::AnalyseDictionary, "Sõnastiku &analüüs", {}, Needs::Nothing},
        {Command::Transformations, "&Teisendused ...", {}, Needs::Nothing},
        {Command::NormaliseText, "&Normaliseeri tekstis tähed (NFC)", {}, text},

        {Command::Undo, "&Võta tagasi\tCtrl+Z", {K(Qt::CTRL | Qt::Key_Z)}, own, "edit-undo", "Võta tagasi"},
        {Command::Redo, "T&ee uuesti\tCtrl+Y", {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, own,
         "edit-redo", "Tee uuesti"},
        {Command::Cut, "&Lõika\tCtrl+X", {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}, own,
         "edit-cut", "Lõika"},
        {Command::Copy, "&Kopeeri\tCtrl+C", {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}, own,
         "edit-copy", "Kopeeri"},
        {Command::Paste, "&Pista\tCtrl+V", {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}, own,
         "edit-paste", "Pista"},
        {Command::CopyToken, "Kopeeri &sõne\tCtrl+W", {K(Qt::CTRL | Qt::Key_W)}, token},
        {Command::ModifyToken, "&Muuda sõnet ...", {}, token},
        {Command::DeleteToken, "K&ustuta sõne", {}, token},
        {Command::AddToken, "L&isa sõne ...", {}, token},
        {Command::MergeSentences, "Ü&henda laused ...\tCtrl+M", {K(Qt::CTRL | Qt::Key_M)}, token},
        {Command::SplitSentence, "&Tükelda lause\tCtrl+D", {K(Qt::CTRL | Qt::Key_D)}, token},
        {Command::AudioPosition, "Lause algus heli&failis ...\tCtrl+F", {K(Qt::CTRL | Qt::Key_F)}, token},
        {Command::PlaySentence, "Mä&ngi lause\tCtrl+Space", {K(Qt::CTRL | Qt::Key_Space)}, token},

        {Command::ToggleToolbar, "&Nupuriba", {}, Needs::Nothing},
        {Command::About, "&Mis on Pelmora...", {}, Needs::Nothing, "help-about", "Mis on Pelmora"},

        {Command::NewDocument, "Uus", {K(Qt::CTRL | Qt::Key_N)}, Needs::Nothing},
        {Command::Print, "Prindi", {K(Qt::CTRL | Qt::Key_P)}, text, "document-print", "Prindi tekst"},
        {Command::GoToClipboardIdentifier, "Otsib sõneID", {}, token, "go-jump",
         "Otsib sõneID (lõikelaual olev sõne ID)"},
        {Command::CopySentence, "Kopeeri lause", {}, token},
        {Command::ShowWordFormUsage, "Näita kasutust ...", {}, token},
        {Command::FirstToken, "Esimene sõne", {K(Qt::CTRL | Qt::Key_Home)}, text},
        {Command::LastToken, "Viimane sõne", {K(Qt::CTRL | Qt::Key_End)}, text},
        {Command::NextToken, "Järgmine sõne", {K(Qt::SHIFT | Qt::Key_Right)}, token},
        {Command::PreviousToken, "Eelmine sõne", {K(Qt::SHIFT | Qt::Key_Left)}, token},
        {Command::NextSentence, "Järgmine lause", {K(Qt::SHIFT | Qt::Key_PageDown)}, token},
        {Command::PreviousSentence, "Eelmine lause", {K(Qt::SHIFT | Qt::Key_PageUp)}, token},
        {Command::NextPane, "Järgmine paan", {K(Qt::Key_F6)}, Needs::Nothing},
        {Command::PreviousPane, "Eelmine paan", {K(Qt::SHIFT | Qt::Key_F6)}, Needs::Nothing},
        {Command::StartCombination, "1. ühendi täiendsõna", {}, token},
    };
    return table;
}

constexpr Command kSeparator = Command::Count;

}  // namespace

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
        {"&Tekst",
         {Command::Open, Command::ImportText, Command::ImportDialect, Command::ImportExchange, kSeparator,
          Command::Save, Command::SaveAs, kSeparator, Command::ExportText, Command::ExportExchange, Command::MergeTexts,
          kSeparator, Command::TextInfo, Command::Lemmatise, Command::Preannotate, Command::AddTextToDictionary,
          kSeparator, Command::Exit}},
        {"&Otsing",
         {Command::Find, Command::FindNext, Command::PartOfWordSearch, Command::Replace, kSeparator,
          Command::SuspectedErrors, Command::AutomaticChanges, Command::RemoveAutomaticMarks, kSeparator,
          Command::ClearSearches, kSeparator, Command::RememberPosition, Command::GoToRememberedPosition,
          Command::GoToPage, Command::GoToIdentifier, kSeparator, Command::NextMarked, Command::PreviousMarked}},
        {"&Päringud",
         {Command::SimpleDictionary, Command::Statistics, Command::MultiFileQuery, kSeparator, Command::ShowUsage,
          Command::CorpusOverview}},
        {"Töö&vahendid",
         {Command::SuggesterSettings, kSeparator, Command::EditDictionary, Command::DictionaryTable,
          Command::ExportDictionary,
          Command::AnalyseDictionary, kSeparator, Command::Transformations, kSeparator, Command::NormaliseText}},
        {"&Redaktor",
         {Command::Undo, Command::Redo, kSeparator, Command::Cut, Command::Copy, Command::Paste, kSeparator, Command::CopyToken, kSeparator,
          Command::ModifyToken, Command::DeleteToken, Command::AddToken, kSeparator, Command::MergeSentences,
          Command::SplitSentence, kSeparator, Command::AudioPosition, Command::PlaySentence}},
        {"&Aken", {Command::ToggleToolbar}},
        {"&Info", {Command::About}},
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
        {Command::CopyToken, "Kopeeri sõne"},
        {Command::CopySentence, "Kopeeri lause"},
        {kSeparator, {}},
        {Command::ModifyToken, "Muuda sõnet ..."},
        {Command::DeleteToken, "Kustuta sõne"},
        {Command::AddToken, "Lisa sõne ..."},
        {kSeparator, {}},
        {Command::MergeSentences, "Ühenda laused"},
        {Command::SplitSentence, "Tükelda lause"},
        {kSeparator, {}},
        {Command::StartCombination, "1. ühendi täiendsõna"},
        {kSeparator, {}},
        {Command::ShowWordFormUsage, "Näita kasutust ..."},
    };
    return entries;
}

}  // namespace pelmora::gui
