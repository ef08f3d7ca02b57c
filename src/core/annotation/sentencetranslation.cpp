#include "annotation/sentencetranslation.h"
#include "text/stepnames.h"

#include "text/pelmoradoc.h"
#include "text/textformat.h"

#include <algorithm>

#include <array>
#include <utility>

namespace pelmora {

namespace {

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

}  // namespace

SentenceTranslations sentenceTranslations(XmlNode sentence)
{
    return {std::string(attributeValue(sentence, text::kEstonianTranslation)),
            std::string(attributeValue(sentence, text::kEnglishTranslation)),
            std::string(attributeValue(sentence, text::kLatvianTranslation))};
}

bool acceptSentenceTranslations(CPelmoraDoc& doc, XmlNode sentence, const SentenceTranslations& translations)
{
    if (!sentence)
        return false;
    const std::array<std::pair<const char*, const std::string*>, 3> fields{{
        {text::kEstonianTranslation, &translations.estonian},
        {text::kEnglishTranslation, &translations.english},
        {text::kLatvianTranslation, &translations.latvian},
    }};
    bool changed = false;
    {
        CPelmoraDoc::ChangeGroup group(doc, step::kSentenceTranslations);
        for (const auto& [name, given] : fields) {
            // Blanks and line breaks alone are no translation.
            const std::string none;
            const std::string* value = isBlank(*given) ? &none : given;
            const bool present = static_cast<bool>(sentence.attribute(name));
            // An empty attribute left by hand goes too: an empty value is never stored.
            if (present ? (!value->empty() && attributeValue(sentence, name) == *value) : value->empty())
                continue;
            doc.setNodeAttribute(sentence, name, *value);
            changed = true;
        }
    }
    if (changed)
        doc.updateAllViews();
    return changed;
}

}  // namespace pelmora
