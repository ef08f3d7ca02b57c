#include "annotation/inflectionrules.h"

#include "common/strings.h"

#include <algorithm>

namespace pelmora {

namespace {

// One rule: an ending compared literally with the whole ending asked for, and its tags in order.
struct Rule {
    std::string ending;
    std::vector<std::string> tags;
};

// The rules for one ending length.
struct LengthRules {
    std::vector<Rule> exclusive;    // the first rule that matches applies, the rest are skipped
    std::vector<Rule> independent;  // every rule that matches applies
    std::vector<std::string> always;  // added for every ending of this length
};

const std::vector<LengthRules>& verbRules()
{
    static const std::vector<LengthRules> rules{
        // 0 characters
        {
            {},
            {},
            {"pers.imp.pr.sg.2.", "pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.2.", "pers.ind.ipf.sg.1.",
             "pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2.", "pers.ind.ipf.pl.1."},
        },
        // 1 characters
        {
            {
                {"b", {"pers.ind.pr.sg.3.", "pers.ind.pr.sg.1.", "vpts.sg."}},
                {"d", {"pers.ind.pr.sg.2.", "pers.ind.ipf.sg.2."}},
                {"g", {"pers.jus.pr.sg.3.", "pers.jus.pr.sg.2.", "pers.jus.pr.sg.1."}},
                {"i", {"pers.kvt.pr.sg.3.", "pers.kvt.pr.sg.2.", "pers.kvt.pr.sg.1."}},
                {"m", {"sup.ill."}},
                {"n", {"nud.sg."}},
                {"t", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"õ", {"inf.", "ger.inst."}},
            },
            {
                {"ž", {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
                {"ļ", {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
                {"ņ", {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
            },
            {},
        },
        // 2 characters
        {
            {
                {"bõ", {"vpts.sg."}},
                {"da", {"inf."}},
                {"dõ", {"inf.", "ger.inst."}},
                {"id", {"pers.kvt.pr.pl.3.", "pers.kvt.pr.pl.2.", "pers.kvt.pr.pl.1.", "pers.ind.ipf.sg.2."}},
                {"gõ", {"pers.jus.pr.sg.3.", "pers.jus.pr.sg.2.", "pers.jus.pr.sg.1."}},
                {"iz", {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
                {"it", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"ji", {"pers.kvt.pr.sg.3.", "pers.kvt.pr.sg.2.", "pers.kvt.pr.sg.1."}},
                {"ks", {"pers.knd.pr.sg.3.", "pers.knd.pr.sg.1."}},
                {"kõ", {"pers.jus.pr.sg.3.", "pers.jus.pr.sg.2.", "pers.jus.pr.sg.1."}},
                {"mõ", {"sup.ill.", "pers.ind.pr.pl.1.", "pers.ind.ipf.pl.1."}},
                {"nd", {"nud.sg.", "nud.pl."}},
                {"tõ", {"pers.ind.pr.pl.2.", "pers.ind.ipf.pl.2."}},
                {"õb", {"pers.ind.pr.sg.3.", "pers.ind.pr.sg.1.", "tav.sg.", "vpts.sg."}},
                {"õd", {"pers.ind.pr.sg.2.", "tud."}},
                {"õg", {"pers.jus.pr.sg.3.", "pers.jus.pr.sg.2.", "pers.jus.pr.sg.1."}},
                {"õm", {"pers.ind.pr.pl.1.", "sup.ill."}},
                {"õn", {"nud.sg."}},
                {"õs", {"ger.in."}},
                {"õt", {"pers.ind.pr.pl.2."}},
            },
            {
                {"īz", {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
                {"žt", {"pers.ind.ipf.sg.2.", "pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"āt", {"pers.ind.pr.pl.3."}},
                {"kš", {"pers.ind.ipf.sg.3.", "pers.ind.ipf.sg.1."}},
                {"št", {"pers.ind.ipf.sg.2."}},
            },
            {},
        },
        // 3 characters
        {
            {
                {"bõd", {"pers.ind.pr.pl.3.", "vpts.pl."}},
                {"dõd", {"tud."}},
                {"tõd", {"tud."}},
                {"dõb", {"tav.sg."}},
                {"tõb", {"tav.sg."}},
                {"mõs", {"sup.in."}},
                {"mõt", {"sup.ab."}},
                {"iji", {"pers.kvt.pr.sg.3.", "pers.kvt.pr.sg.2.", "pers.kvt.pr.sg.1."}},
                {"jid", {"pers.kvt.pr.pl.3.", "pers.kvt.pr.pl.2.", "pers.kvt.pr.pl.1."}},
                {"kst", {"pers.knd.pr.sg.2."}},
                {"õnd", {"nud.pl."}},
                {"nõd", {"nud.pl."}},
                {"kõm", {"pers.imp.pr.pl.1."}},
                {"kõd", {"pers.jus.pr.pl.3.", "pers.jus.pr.pl.2.", "pers.jus.pr.pl.1.", "pers.imp.pr.pl.2."}},
                {"kkõ", {"pers.jus.pr.sg.3.", "pers.jus.pr.sg.2.", "pers.jus.pr.sg.1."}},
                {"itõ", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"izt", {"pers.ind.ipf.sg.2.", "pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"imõ", {"pers.ind.ipf.pl.1."}},
                {"gõm", {"pers.imp.pr.pl.1."}},
                {"gõd", {"pers.jus.pr.pl.3.", "pers.jus.pr.pl.2.", "pers.jus.pr.pl.1."}},
                {"gid", {"pers.imp.pr.pl.2."}},
                {"dsõ", {"ger.in."}},
            },
            {
                {"īzt", {"pers.ind.ipf.sg.2.", "pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"gīd", {"pers.imp.pr.pl.2."}},
                {"žtõ", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"žmõ", {"pers.ind.ipf.pl.1."}},
                {"ātõ", {"pers.ind.pr.pl.3."}},
                {"kšt", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
            },
            {},
        },
        // 4 characters
        {
            {
                {"õbõd", {"vpts.pl."}},
                {"mõks", {"sup.tr."}},
                {"õmõs", {"sup.in."}},
                {"mõst", {"sup.deb.", "sup.el."}},
                {"õmõt", {"sup.ab."}},
                {"ijid", {"pers.kvt.pr.pl.3.", "pers.kvt.pr.pl.2.", "pers.kvt.pr.pl.1."}},
                {"õkst", {"pers.knd.pr.sg.2."}},
                {"kstõ", {"pers.knd.pr.pl.3.", "pers.knd.pr.pl.2."}},
                {"ksmõ", {"pers.knd.pr.pl.1."}},
                {"kkõd", {"pers.jus.pr.pl.3.", "pers.jus.pr.pl.2.", "pers.jus.pr.pl.1."}},
                {"õgõd", {"pers.jus.pr.pl.3.", "pers.jus.pr.pl.2.", "pers.jus.pr.pl.1."}},
                {"iztõ", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"izmõ", {"pers.ind.ipf.pl.1."}},
                {"õgid", {"pers.imp.pr.pl.2."}},
                {"kkõm", {"pers.imp.pr.pl.1."}},
                {"õgõm", {"pers.imp.pr.pl.1."}},
            },
            {
                {"īztõ", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"īzmõ", {"pers.ind.ipf.pl.1."}},
                {"kštõ", {"pers.ind.ipf.pl.3.", "pers.ind.ipf.pl.2."}},
                {"kšmõ", {"pers.ind.ipf.pl.1."}},
            },
            {},
        },
        // 5 characters
        {
            {
                {"dõbõd", {"tav.pl."}},
                {"tõbõd", {"tav.pl."}},
                {"õmõks", {"sup.tr."}},
                {"õmõst", {"sup.deb.", "sup.el."}},
                {"õkstõ", {"pers.knd.pr.pl.3.", "pers.knd.pr.pl.2."}},
                {"õksmõ", {"pers.knd.pr.pl.1."}},
            },
            {},
            {},
        },
        // 6 characters
        {
            {
                {"õdõbõd", {"tav.pl."}},
            },
            {},
            {},
        },
    };
    return rules;
}

const std::vector<LengthRules>& nominalRules()
{
    static const std::vector<LengthRules> rules{
        // 0 characters
        {
            {},
            {},
            {"sg.nom.", "sg.gen.", "pl.nom.", "pl.gen."},
        },
        // 1 characters
        {
            {
                {"a", {"sg.part."}},
                {"d", {"pl.gen.", "pl.nom."}},
                {"i", {"pl.part."}},
                {"l", {"sg.ad.", "sg.all."}},
                {"n", {"sg.dat.", "sg.es."}},
                {"s", {"sg.in."}},
                {"t", {"pl.gen.", "pl.nom."}},
                {"õ", {"sg.ill.", "sg.part."}},
            },
            {
                {"ž", {"pl.ill."}},
                {"ā", {"sg.part."}},
                {"š", {"sg.in."}},
                {"ņ", {"pl.inst."}},
            },
            {"sg.nom.", "sg.gen."},
        },
        // 2 characters
        {
            {
                {"di", {"pl.part."}},
                {"dõ", {"sg.part."}},
                {"is", {"pl.in."}},
                {"iz", {"pl.ill."}},
                {"ks", {"sg.instl."}},
                {"ld", {"sg.abl."}},
                {"lõ", {"sg.ad.", "sg.all."}},
                {"nõ", {"sg.es."}},
                {"st", {"sg.el."}},
                {"sõ", {"sg.in."}},
                {"zt", {"sg.part."}},
                {"zõ", {"sg.ill."}},
                {"ti", {"pl.part."}},
                {"tõ", {"sg.ab.", "sg.part."}},
                {"õd", {"pl.gen.", "pl.nom."}},
                {"õl", {"sg.ad.", "sg.all."}},
                {"õs", {"sg.in."}},
                {"õz", {"sg.ill."}},
            },
            {
                {"īz", {"pl.ill."}},
                {"īs", {"pl.in."}},
                {"īž", {"pl.ill."}},
                {"iž", {"pl.ill."}},
                {"ži", {"pl.ill."}},
                {"dā", {"sg.part."}},
                {"tā", {"sg.part."}},
                {"ši", {"pl.in."}},
                {"šõ", {"sg.in."}},
                {"ḑi", {"pl.part."}},
                {"ți", {"pl.part."}},
                {"ța", {"sg.part."}},
            },
            {"sg.nom.", "sg.gen."},
        },
        // 3 characters
        {
            {
                {"dõn", {"pl.dat."}},
                {"ist", {"pl.el."}},
                {"ldõ", {"sg.abl."}},
                {"stõ", {"sg.el."}},
                {"tõn", {"pl.dat."}},
                {"õks", {"pl.instl.", "sg.instl."}},
                {"õld", {"sg.abl."}},
                {"õst", {"sg.el."}},
            },
            {
                {"īst", {"pl.el."}},
                {"šti", {"pl.el.", "sg.el."}},
                {"štõ", {"sg.el."}},
            },
            {},
        },
        // 4 characters
        {
            {
                {"õstõ", {"sg.el."}},
            },
            {},
            {},
        },
        // 5 characters
        {
            {
                {"ldõst", {"sg.abl."}},
            },
            {},
            {},
        },
    };
    return rules;
}

const std::vector<LengthRules>& rulesOf(RuleSet rules)
{
    return rules == RuleSet::Verb ? verbRules() : nominalRules();
}

bool appendTags(const std::vector<std::string>& tags, std::vector<std::string>& forms)
{
    bool appended = false;
    for (const std::string& tag : tags)
        appended = appendFormCandidate(forms, tag) || appended;
    return appended;
}

// The byte offset where the last `count` code points of the text begin.
std::size_t offsetOfLastCodePoints(std::string_view text, std::size_t count)
{
    std::size_t offset = text.size();
    while (count > 0 && offset > 0) {
        --offset;
        while (offset > 0 && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80)
            --offset;
        --count;
    }
    return offset;
}

}  // namespace

int longestRuleEnding(RuleSet rules) { return static_cast<int>(rulesOf(rules).size()) - 1; }

bool appendFormCandidate(std::vector<std::string>& forms, const std::string& tag)
{
    const std::string lowered = toLowerUnicode(tag);
    const bool present = std::any_of(forms.begin(), forms.end(),
                                     [&](const std::string& form) { return toLowerUnicode(form) == lowered; });
    if (present)
        return false;
    forms.push_back(tag);
    return true;
}

bool appendRuleForms(RuleSet rules, std::string_view ending, std::vector<std::string>& forms)
{
    const std::vector<LengthRules>& table = rulesOf(rules);
    const std::size_t length = codePointCount(ending);
    if (length >= table.size())
        return false;
    const LengthRules& forLength = table[length];
    bool appended = false;
    for (const Rule& rule : forLength.exclusive) {
        if (rule.ending == ending) {
            appended = appendTags(rule.tags, forms) || appended;
            break;
        }
    }
    for (const Rule& rule : forLength.independent)
        if (rule.ending == ending)
            appended = appendTags(rule.tags, forms) || appended;
    appended = appendTags(forLength.always, forms) || appended;
    return appended;
}

std::optional<RuleSet> ruleSetForPartOfSpeech(std::string_view code)
{
    if (code == "V" || code == "Va")
        return RuleSet::Verb;
    for (const char* nominal : {"S", "H", "ProS", "A", "ProA", "Numj", "Nump", "ProNum"})
        if (code == nominal)
            return RuleSet::Nominal;
    return std::nullopt;
}

void appendFormsForWord(std::string_view word, RuleSet rules, std::vector<std::string>& forms)
{
    const std::string key = MakeWordFormKey(word);
    const std::size_t length = codePointCount(key);
    if (length < 3)
        return;
    const std::size_t longest = std::min<std::size_t>(6, length - 2);
    for (std::size_t size = longest + 1; size-- > 0;) {
        if (forms.size() > 3)
            return;
        appendRuleForms(rules, std::string_view(key).substr(offsetOfLastCodePoints(key, size)), forms);
    }
}

std::vector<std::string> formsForWord(std::string_view word, RuleSet rules)
{
    std::vector<std::string> forms;
    appendFormsForWord(word, rules, forms);
    return forms;
}

}  // namespace pelmora
