// Livonian inflection rules: form tags guessed from the literal ending of a word, for verbs and nominals.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

enum class RuleSet { Verb, Nominal };

// The longest ending each rule set knows (verbs 6 characters, nominals 5).
int longestRuleEnding(RuleSet rules);

// Appends a tag to a candidate list unless the list already holds it, ignoring letter case.
// Returns true when it was appended.
bool appendFormCandidate(std::vector<std::string>& forms, const std::string& tag);

// Appends the tags of the rules for one ending (compared literally with the whole ending) to the
// list: the first matching exclusive rule, every matching independent rule, then the tags always
// added for the ending's length. Returns true when at least one tag was appended. Endings longer
// than the rule set knows give nothing.
bool appendRuleForms(RuleSet rules, std::string_view ending, std::vector<std::string>& forms);

// The rule set for a part-of-speech code: "V", "Va" verbs; "S", "H", "ProS", "A", "ProA", "Numj",
// "Nump", "ProNum" nominals; any other code none.
std::optional<RuleSet> ruleSetForPartOfSpeech(std::string_view code);

// The walk of the form fill: the word is lower-cased and normalised (word-form key); with n its
// length in characters, endings of min(6, n-2) characters down to the empty ending are tried,
// stopping as soon as the list holds more than 3 entries. Words under 3 characters add nothing.
void appendFormsForWord(std::string_view word, RuleSet rules, std::vector<std::string>& forms);

// The forms the walk lists for a word, starting from an empty list.
std::vector<std::string> formsForWord(std::string_view word, RuleSet rules);

}  // namespace pelmora
