// The program's settings: every key with its type and default, and the rule for applying edited values.
#pragma once

#include "io/sentencesplitting.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The default list of endings the suggester may ignore; it starts and ends with a blank.
extern const char* const kDefaultEndings;

// Where suggestions come from ("SuggestionType").
enum class SuggestionSource { OpenText = 0, Dictionary = 1, None = 2 };

struct Settings {
    std::string dictionaryPathName;        // DictionaryPathName
    int suggestionType = 0;                // SuggestionType: 0 open text, 1 dictionary, 2 none
    int showOptionsDialog = 1;             // ShowOptionsDialog
    int compareWithoutEndings = 0;         // CompareWithoutEndings
    std::string endings = kDefaultEndings; // Endings
    int onlyIf = 1;                        // OnlyIf
    int newToDictionary = 0;               // NewToDictionary
    int morf = 1;                          // Morf
    int tamberlin = 1;                     // Tamberlin
    int noLatvian = 0;                     // NoLatvian
    int noEnglish = 0;                     // NoEnglish
    int heliPos = 0;                       // HeliPos
    int translateSentence = 0;             // TranslateSentence
    std::string taggingInfoPath;           // TaggingInfoPath
    int viewSentence = 0;                  // ViewSentence
    int largeFonts = 0;                    // LargeFonts
    int draftFonts = 0;                    // DraftFonts
    int changes = 0;                       // Changes
    std::string changesPath;               // ChangesPath
    int liivi = 0;                         // Liivi: kept and written back, never consulted
    std::string analyserUrl;               // AnalyserUrl: the online analyser's address; empty = none
    int autosaveSeconds = 60;              // AutosaveSeconds: recovery of a modified text every N s; 0 = off
    std::string concordanceFolder;         // ConcordanceFolder: files the concordance reads; empty = the text's folder
    std::string analyserFile;              // AnalyserFile: the local analyser (.hfstol); empty = the online one
    std::string overviewFolder;            // OverviewFolder: files the corpus overview reads; empty = the text's folder
    int quietAnnotated = 0;                // QuietAnnotated: the running text draws annotated tokens grey
    std::string language = "et";           // Language: the window's interface, "et" (Estonian) or "en" (English)
    // ImportSplitSentences and ImportAbbreviations: the plain-text import's last choices, whether
    // to split sentences at their end marks and the abbreviations that end none.
    int importSplitSentences = 0;
    std::string importAbbreviations = defaultAbbreviationList();

    SuggestionSource suggestionSource() const;

    bool operator==(const Settings&) const = default;
};

// One stored key: its name in the settings file and the field it fills.
struct SettingKey {
    enum class Type { Integer, String };
    const char* name;
    Type type;
    int Settings::*integerField;
    std::string Settings::*stringField;
};

// Every key, in the order of the settings table, with our own "AnalyserUrl", "AutosaveSeconds",
// "ConcordanceFolder", "AnalyserFile", "OverviewFolder", "QuietAnnotated" and "Language" last.
const std::vector<SettingKey>& settingKeys();

// The key with this name, or nullptr.
const SettingKey* findSettingKey(std::string_view name);

// The stored text of a key's value (integers in decimal).
std::string settingText(const Settings& settings, const SettingKey& key);

// Sets a key from stored text; an integer key takes the leading number of the text (0 if none).
void setSettingText(Settings& settings, const SettingKey& key, std::string_view text);

// The endings text as it is stored: blanks trimmed at both ends, then exactly one blank in front
// and one behind, so that a word can be searched as " word ". Blanks between words stay.
std::string normalizeEndings(std::string_view text);

// Applies the values of the settings dialog: a copy of them with the endings normalised.
Settings applySettings(const Settings& edited);

}  // namespace pelmora
