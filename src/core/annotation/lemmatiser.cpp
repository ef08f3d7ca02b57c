#include "annotation/lemmatiser.h"
#include "text/stepnames.h"

#include "annotation/vocabularies.h"
#include "common/strings.h"
#include "common/translation.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionaryexport.h"
#include "text/textformat.h"

#include <algorithm>

namespace pelmora {

namespace {

std::string dashToEmpty(const std::string& text)
{
    return text == "-" ? std::string() : text;
}

}  // namespace

std::string lemmatisationWarning()
{
    return formatMessage(QT_TRANSLATE_NOOP("core", "See funktsioon ei tööta veel õigesti\nmurdekorpuse ja liivi "
                                                   "korpuse failidega\nEi soovita kasutada.\n\nKui seda on siiski "
                                                   "vaja, anna teada\n%s"),
                         kContactAddress);
}

LemmatisationResult lemmatiseText(CPelmoraDoc& doc, const CDictionary& dictionary, bool skipAmbiguous,
                                  const LemmatisationProgress& progress)
{
    LemmatisationResult result;
    std::size_t total = 0;
    if (progress) {
        for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
             sentence = nextSiblingElement(sentence, text::kSentence))
            for (XmlNode token = firstChildElement(sentence, text::kToken); token;
                 token = nextSiblingElement(token, text::kToken))
                ++total;
        if (!progress(0, total)) {
            result.cancelled = true;
            return result;
        }
    }
    const std::size_t reportEvery = std::max<std::size_t>(32, total / 200);
    std::size_t done = 0;
    CPelmoraDoc::ChangeGroup group(doc, step::kLemmatise);  // the whole run is one step to undo
    for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence)) {
        for (XmlNode token = firstChildElement(sentence, text::kToken); token;
             token = nextSiblingElement(token, text::kToken)) {
            if (progress && ++done % reportEvery == 0 && !progress(done, total)) {
                doc.cancelChanges();
                result.cancelled = true;
                doc.updateAllViews();
                return result;
            }
            if (attributeValue(token, text::kLanguage) != "eesti" || !attributeValue(token, text::kLemma).empty())
                continue;
            ++result.visited;
            const std::vector<XmlNode> forms = dictionary.lookUpWordForm(MakeWordFormKey(elementText(token)));
            if (!forms.empty() && (forms.size() == 1 || !skipAmbiguous)) {
                doc.setLemma(token, attributeValue(forms.front(), dict::kFormLemma));
                doc.setForm(token, attributeValue(forms.front(), dict::kForm));
            }
            const std::string lemma(attributeValue(token, text::kLemma));
            if (lemma.empty())
                continue;
            ++result.lemmatised;
            const std::vector<XmlNode> lemmas = dictionary.analyses(DictSection::Lemmas, lemma);
            if (!lemmas.empty() && (lemmas.size() == 1 || !skipAmbiguous)) {
                doc.setMeaning(token, attributeValue(lemmas.front(), dict::kMeaning));
                doc.setPartOfSpeech(token, attributeValue(lemmas.front(), dict::kPartOfSpeech));
            }
        }
    }
    doc.updateAllViews();
    return result;
}

void rememberToken(CPelmoraDoc& doc, const SuggestionFields& fields, CDictionary* dictionary, bool toDictionary)
{
    const XmlNode token = doc.currentToken();
    if (!token)
        return;
    const std::string reason = reasonValue(fields);
    const std::string style = styleValue(fields);
    const std::string code = fields.partOfSpeech < 0 ? std::string() : partOfSpeechCode(fields.partOfSpeech);
    const bool tagged = reason.empty() || reason == "-";
    const bool intoDictionary = toDictionary && dictionary && tagged;
    // One remember is one step to undo.
    CPelmoraDoc::ChangeGroup group(doc, intoDictionary ? step::kRememberIntoDictionary : step::kRemember);
    if (reason.empty() || reason == "-") {
        doc.setLemma(token, fields.lemma);
        doc.setMeaning(token, fields.meaning);
        doc.setLatvian(token, fields.latvian);
        doc.setEnglish(token, fields.english);
        doc.setPartOfSpeech(token, code);
        doc.setForm(token, dashToEmpty(fields.form));
        doc.setMeta(token, reason);
        doc.setStyle(token, style);
    } else {
        doc.setLemma(token, "");
        doc.setMeaning(token, "");
        doc.setLatvian(token, "");
        doc.setEnglish(token, "");
        doc.setPartOfSpeech(token, "");
        doc.setForm(token, "");
        doc.setStyle(token, "");
        doc.setMeta(token, reason);
    }
    doc.setComment(token, fields.comment);
    // The user has confirmed what a pre-annotation or a replacement proposed: it is no longer
    // an automatic change to review.
    if (attributeValue(token, text::kAuto) == "+")
        doc.setNodeAttribute(token, text::kAuto, "");
    // A token left untagged teaches the dictionary nothing: its headword was not written.
    if (intoDictionary) {
        const std::string lemma = dashToEmpty(fields.lemma);
        dictionary->storeWordForm(CPelmoraDoc::tokenText(token), lemma, dashToEmpty(fields.form));
        dictionary->storeLemma(lemma, dashToEmpty(fields.meaning), dashToEmpty(code), dashToEmpty(fields.latvian),
                               dashToEmpty(fields.english));
    }
    doc.updateAllViews();
}

bool rememberLeavesNotTaggedTokenAsItIs(const CPelmoraDoc& doc, const SuggestionFields& fields)
{
    const XmlNode token = doc.currentToken();
    if (!token || fields.reason <= 0)
        return false;
    for (const char* emptied : {text::kLemma, text::kMeaning, text::kLatvian, text::kEnglish, text::kPartOfSpeech,
                                text::kForm, text::kStyle})
        if (!attributeValue(token, emptied).empty())
            return false;
    return attributeValue(token, text::kMeta) == reasonValue(fields) &&
           attributeValue(token, text::kComment) == fields.comment && attributeValue(token, text::kAuto) != "+";
}

}  // namespace pelmora
