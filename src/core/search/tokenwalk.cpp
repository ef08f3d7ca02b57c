#include "search/tokenwalk.h"

#include "text/textformat.h"

namespace pelmora {

namespace {

XmlNode firstTokenFromSentence(XmlNode sentence)
{
    for (; sentence; sentence = nextSiblingElement(sentence, text::kSentence)) {
        if (const XmlNode token = firstChildElement(sentence, text::kToken))
            return token;
    }
    return {};
}

XmlNode lastTokenFromSentence(XmlNode sentence)
{
    for (; sentence; sentence = previousSiblingElement(sentence, text::kSentence)) {
        if (const XmlNode token = lastChildElement(sentence, text::kToken))
            return token;
    }
    return {};
}

}  // namespace

XmlNode firstTokenOfText(const CPelmoraDoc& doc)
{
    return firstTokenFromSentence(firstChildElement(doc.body(), text::kSentence));
}

XmlNode lastTokenOfText(const CPelmoraDoc& doc)
{
    return lastTokenFromSentence(lastChildElement(doc.body(), text::kSentence));
}

XmlNode followingToken(XmlNode token)
{
    if (!token)
        return {};
    if (const XmlNode next = nextSiblingElement(token, text::kToken))
        return next;
    return firstTokenFromSentence(nextSiblingElement(token.parent(), text::kSentence));
}

XmlNode precedingToken(XmlNode token)
{
    if (!token)
        return {};
    if (const XmlNode previous = previousSiblingElement(token, text::kToken))
        return previous;
    return lastTokenFromSentence(previousSiblingElement(token.parent(), text::kSentence));
}

XmlNode findSentenceById(const CPelmoraDoc& doc, std::string_view id)
{
    for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence))
        if (attributeValue(sentence, text::kId) == id)
            return sentence;
    return {};
}

XmlNode findTokenById(const CPelmoraDoc& doc, std::string_view id)
{
    // Identifiers are dense after every edit, so the sentence named by the prefix is tried first.
    const std::size_t at = id.rfind('_');
    if (at != std::string_view::npos) {
        for (XmlNode token = firstChildElement(findSentenceById(doc, id.substr(0, at)), text::kToken); token;
             token = nextSiblingElement(token, text::kToken))
            if (attributeValue(token, text::kId) == id)
                return token;
    }
    for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence))
        for (XmlNode token = firstChildElement(sentence, text::kToken); token;
             token = nextSiblingElement(token, text::kToken))
            if (attributeValue(token, text::kId) == id)
                return token;
    return {};
}

}  // namespace pelmora
