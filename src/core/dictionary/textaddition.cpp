#include "dictionary/textaddition.h"

#include "common/strings.h"
#include "dictionary/dictionary.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

namespace pelmora {

namespace {
constexpr const char* kAddQuestion = "Kas lisan sõned faili?\n%s";
constexpr const char* kChooseInSettings = "Eks muuda siis seadistusdialoogis\nsõnastiku fail ära!";
}  // namespace

bool addTextToDictionary(const CPelmoraDoc& document, CDictionary& dictionary, Prompter& prompter)
{
    if (!document.firstToken())
        return false;
    if (!prompter.askYesNo("Pelmora", formatMessage(kAddQuestion, dictionary.path()))) {
        prompter.message(MessageKind::Information, "", kChooseInSettings);
        return false;
    }
    if (!dictionary.checkAndReload().applied)
        return false;

    // Every sentence is visited, also those after a sentence without tokens.
    for (XmlNode sentence = firstChildElement(document.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence)) {
        for (XmlNode token = firstChildElement(sentence, text::kToken); token;
             token = nextSiblingElement(token, text::kToken)) {
            // One pass over the token's attributes instead of a search per name.
            std::string_view lemma, form, meaning, partOfSpeech, latvian, english;
            for (const pugi::xml_attribute attribute : token.attributes()) {
                const std::string_view name = attribute.name();
                if (name == text::kLemma)
                    lemma = attribute.value();
                else if (name == text::kForm)
                    form = attribute.value();
                else if (name == text::kMeaning)
                    meaning = attribute.value();
                else if (name == text::kPartOfSpeech)
                    partOfSpeech = attribute.value();
                else if (name == text::kLatvian)
                    latvian = attribute.value();
                else if (name == text::kEnglish)
                    english = attribute.value();
            }
            dictionary.storeWordForm(elementText(token), lemma, form, true);
            dictionary.storeLemma(lemma, meaning, partOfSpeech, latvian, english, true);
        }
    }
    for (XmlNode sentence = firstChildElement(document.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence)) {
        for (XmlNode combination = firstChildElement(sentence, text::kCombination); combination;
             combination = nextSiblingElement(combination, text::kCombination))
            dictionary.storeCombination(attributeValue(combination, text::kCombinationLemma),
                                        attributeValue(combination, text::kCombinationMeaning),
                                        attributeValue(combination, text::kCombinationPartOfSpeech), true);
    }
    return dictionary.saveAndStamp();
}

}  // namespace pelmora
