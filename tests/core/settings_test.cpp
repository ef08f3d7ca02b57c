#include "settings/settings.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(Settings, DefaultsOfAFirstStart)
{
    const Settings settings;
    // Expected: the settings dialog shows, the open text is the source, endings as shipped.
    EXPECT_EQ(settings.showOptionsDialog, 1);
    EXPECT_EQ(settings.suggestionSource(), SuggestionSource::OpenText);
    EXPECT_EQ(settings.onlyIf, 1);
    EXPECT_EQ(settings.morf, 1);
    EXPECT_EQ(settings.tamberlin, 1);
    EXPECT_EQ(settings.analyserUrl, "");
    EXPECT_EQ(settings.endings.substr(0, 8), " a b ck ");
    EXPECT_EQ(settings.endings.substr(settings.endings.size() - 6), " y ys ");
    EXPECT_NE(settings.endings.find(" id id "), std::string::npos);  // duplicates are part of it
    EXPECT_NE(settings.endings.find(" ta ta "), std::string::npos);
}

TEST(Settings, EveryKeyReadsAndWritesItsField)
{
    ASSERT_EQ(settingKeys().size(), 29u);
    EXPECT_STREQ(settingKeys().front().name, "DictionaryPathName");
    EXPECT_STREQ(settingKeys()[21].name, "AutosaveSeconds");
    EXPECT_STREQ(settingKeys()[22].name, "ConcordanceFolder");
    EXPECT_STREQ(settingKeys()[23].name, "AnalyserFile");
    EXPECT_STREQ(settingKeys()[25].name, "QuietAnnotated");
    EXPECT_STREQ(settingKeys()[26].name, "Language");
    EXPECT_STREQ(settingKeys().back().name, "ImportAbbreviations");
    EXPECT_EQ(Settings().language, "et");  // the Estonian interface unless chosen
    EXPECT_EQ(Settings().autosaveSeconds, 60);  // a recovery every minute unless set otherwise
    EXPECT_EQ(Settings().concordanceFolder, "");  // the open text's folder unless chosen
    EXPECT_EQ(Settings().analyserFile, "");  // the online analyser unless a transducer is chosen

    Settings settings;
    for (const SettingKey& key : settingKeys())
        setSettingText(settings, key, key.type == SettingKey::Type::Integer ? "7" : "x");
    for (const SettingKey& key : settingKeys())
        EXPECT_EQ(settingText(settings, key), key.type == SettingKey::Type::Integer ? "7" : "x") << key.name;

    const SettingKey* type = findSettingKey("SuggestionType");
    ASSERT_NE(type, nullptr);
    setSettingText(settings, *type, "not a number");
    EXPECT_EQ(settings.suggestionType, 0);
    EXPECT_EQ(findSettingKey("Unknown"), nullptr);
}

TEST(Settings, ApplyGivesEndingsOneBlankAtEachEnd)
{
    const std::pair<const char*, const char*> cases[] = {
        {"   a b   ", " a b "},
        {"a  b", " a  b "},     // blanks between words stay as typed
        {"a\r\nb\r\n", " a\r\nb "},
        {"", "  "},
        {" a ", " a "},
    };
    for (const auto& [typed, stored] : cases) {
        Settings edited;
        edited.endings = typed;
        edited.noLatvian = 1;
        const Settings applied = applySettings(edited);
        EXPECT_EQ(applied.endings, stored) << typed;
        EXPECT_EQ(applied.noLatvian, 1);
    }
}

}  // namespace
}  // namespace pelmora
