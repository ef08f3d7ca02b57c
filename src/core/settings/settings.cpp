#include "settings/settings.h"

#include "common/normalisation.h"
#include "common/strings.h"

namespace pelmora {

const char* const kDefaultEndings =
    " a b ck d da dawa de des dt dta dte dut duth es ga i id id ime imme in is isid isime isimme "
    "isin isit isite isitte it ite itte kat kem ket ko ks kse ku kudt kut kuth l le lle lt m ma mas "
    "mast mata matta me n ni nni nudt nut nuth p s s sid sime simme sin sit site sitte sse st t ta "
    "ta te th tta tudt tut tuth ut uth v w wa wad wade wadt wal wall wast wat wax x xe xet y ys ";

SuggestionSource Settings::suggestionSource() const
{
    switch (suggestionType) {
    case 1: return SuggestionSource::Dictionary;
    case 2: return SuggestionSource::None;
    default: return SuggestionSource::OpenText;
    }
}

namespace {

SettingKey integerKey(const char* name, int Settings::*field)
{
    return {name, SettingKey::Type::Integer, field, nullptr};
}

SettingKey stringKey(const char* name, std::string Settings::*field)
{
    return {name, SettingKey::Type::String, nullptr, field};
}

}  // namespace

const std::vector<SettingKey>& settingKeys()
{
    static const std::vector<SettingKey> keys = {
        stringKey("DictionaryPathName", &Settings::dictionaryPathName),
        integerKey("SuggestionType", &Settings::suggestionType),
        integerKey("ShowOptionsDialog", &Settings::showOptionsDialog),
        integerKey("CompareWithoutEndings", &Settings::compareWithoutEndings),
        stringKey("Endings", &Settings::endings),
        integerKey("OnlyIf", &Settings::onlyIf),
        integerKey("NewToDictionary", &Settings::newToDictionary),
        integerKey("Morf", &Settings::morf),
        integerKey("Tamberlin", &Settings::tamberlin),
        integerKey("NoLatvian", &Settings::noLatvian),
        integerKey("NoEnglish", &Settings::noEnglish),
        integerKey("HeliPos", &Settings::heliPos),
        integerKey("TranslateSentence", &Settings::translateSentence),
        stringKey("TaggingInfoPath", &Settings::taggingInfoPath),
        integerKey("ViewSentence", &Settings::viewSentence),
        integerKey("LargeFonts", &Settings::largeFonts),
        integerKey("DraftFonts", &Settings::draftFonts),
        integerKey("Changes", &Settings::changes),
        stringKey("ChangesPath", &Settings::changesPath),
        integerKey("Liivi", &Settings::liivi),
        stringKey("AnalyserUrl", &Settings::analyserUrl),
        integerKey("AutosaveSeconds", &Settings::autosaveSeconds),
        stringKey("ConcordanceFolder", &Settings::concordanceFolder),
        stringKey("AnalyserFile", &Settings::analyserFile),
        stringKey("OverviewFolder", &Settings::overviewFolder),
        integerKey("QuietAnnotated", &Settings::quietAnnotated),
        stringKey("Language", &Settings::language),
        integerKey("ImportSplitSentences", &Settings::importSplitSentences),
        stringKey("ImportAbbreviations", &Settings::importAbbreviations),
    };
    return keys;
}

const SettingKey* findSettingKey(std::string_view name)
{
    for (const SettingKey& key : settingKeys())
        if (name == key.name)
            return &key;
    return nullptr;
}

std::string settingText(const Settings& settings, const SettingKey& key)
{
    if (key.type == SettingKey::Type::Integer)
        return std::to_string(settings.*key.integerField);
    return settings.*key.stringField;
}

void setSettingText(Settings& settings, const SettingKey& key, std::string_view text)
{
    if (key.type == SettingKey::Type::Integer)
        settings.*key.integerField = static_cast<int>(leadingInteger(text));
    else
        settings.*key.stringField = std::string(text);
}

std::string normalizeEndings(std::string_view text)
{
    return " " + toNfc(trimBlanks(text)) + " ";
}

Settings applySettings(const Settings& edited)
{
    Settings applied = edited;
    applied.endings = normalizeEndings(edited.endings);
    return applied;
}

}  // namespace pelmora
