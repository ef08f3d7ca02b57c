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
            const std::string_view lemma = attributeValue(token, text::kLemma);
            dictionary.storeWordForm(CPelmoraDoc::tokenText(token), lemma, attributeValue(token, text::kForm), true);
            dictionary.storeLemma(lemma, attributeValue(token, text::kMeaning),
                                  attributeValue(token, text::kPartOfSpeech), attributeValue(token, text::kLatvian),
                                  attributeValue(token, text::kEnglish), true);
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
