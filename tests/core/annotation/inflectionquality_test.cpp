// How often the inflection rules list the right tag for real Livonian word forms. Runs only when
// the shared word-form table (UniMorph, lemma <TAB> form <TAB> features) is present; it measures
// and prints, it does not judge.
#include "annotation/inflectionrules.h"
#include "common/files.h"
#include "common/strings.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>

namespace pelmora {
namespace {

// The program's tag for a feature bundle, or "" when the bundle is not one we compare.
std::string expectedTag(const std::vector<std::string>& features, RuleSet& rules)
{
    const auto has = [&](const char* feature) {
        return std::find(features.begin(), features.end(), feature) != features.end();
    };
    const std::string number = has("SG") ? "sg." : has("PL") ? "pl." : "";
    if (number.empty())
        return {};
    if (features.front() == "N" || features.front() == "ADJ") {
        static const std::map<std::string, std::string> cases{
            {"NOM", "nom."}, {"GEN", "gen."}, {"DAT", "dat."}, {"PRT", "part."},
            {"INS", "instl."}, {"IN+ESS", "in."}, {"IN+ALL", "ill."}, {"IN+ABL", "el."}};
        for (const auto& [feature, tag] : cases) {
            if (has(feature.c_str()) && features.size() == 3) {
                rules = RuleSet::Nominal;
                return number + tag;
            }
        }
        return {};
    }
    if (features.front() == "V" && has("ACT") && has("FIN") && has("POS")) {
        static const std::map<std::string, std::string> moods{
            {"IND", "ind."}, {"COND", "knd."}, {"QUOT", "kvt."}, {"IMP", "imp."}, {"JUS", "jus."}};
        std::string mood;
        for (const auto& [feature, tag] : moods)
            if (has(feature.c_str()))
                mood = tag;
        const std::string tense = has("PRS") ? "pr." : has("PST") ? "ipf." : "";
        const std::string person = has("1") ? "1." : has("2") ? "2." : has("3") ? "3." : "";
        if (mood.empty() || tense.empty() || person.empty())
            return {};
        rules = RuleSet::Verb;
        return "pers." + mood + tense + number + person;
    }
    return {};
}

TEST(InflectionRuleQuality, SharedWordFormsFindTheirTag)
{
    const std::string path = std::string(PELMORA_SHARED_DATA) + "/unimorph-liv/liv.tsv";
    std::string text;
    if (!readWholeFile(path, text))
        GTEST_SKIP() << "no shared word-form table at " << path;

    std::map<RuleSet, std::pair<int, int>> found;  // rule set -> (listed, compared)
    for (const std::string& line : split(text, '\n')) {
        const std::vector<std::string> columns = split(line, '\t');
        if (columns.size() != 3)
            continue;
        RuleSet rules = RuleSet::Nominal;
        const std::string tag = expectedTag(split(trimBlanks(columns[2]), ';'), rules);
        if (tag.empty())
            continue;
        const std::vector<std::string> forms = formsForWord(columns[1], rules);
        auto& [listed, compared] = found[rules];
        ++compared;
        if (std::find(forms.begin(), forms.end(), tag) != forms.end())
            ++listed;
    }
    for (const auto& [rules, counts] : found) {
        std::cout << (rules == RuleSet::Verb ? "verb" : "nominal") << " forms whose tag the rules list: "
                  << counts.first << " of " << counts.second << " ("
                  << (counts.second ? 100 * counts.first / counts.second : 0) << "%)\n";
    }
    EXPECT_FALSE(found.empty());
}

}  // namespace
}  // namespace pelmora
