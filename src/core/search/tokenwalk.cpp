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

}  // namespace pelmora
