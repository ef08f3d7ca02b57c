#include "search/rememberedposition.h"

#include "text/textformat.h"

namespace pelmora {

namespace {

// The nearest token outside the sentence, looking forward first.
XmlNode tokenBesideSentence(XmlNode sentence)
{
    for (XmlNode next = nextSiblingElement(sentence, text::kSentence); next;
         next = nextSiblingElement(next, text::kSentence)) {
        if (const XmlNode token = firstChildElement(next, text::kToken))
            return token;
    }
    for (XmlNode previous = previousSiblingElement(sentence, text::kSentence); previous;
         previous = previousSiblingElement(previous, text::kSentence)) {
        if (const XmlNode token = lastChildElement(previous, text::kToken))
            return token;
    }
    return {};
}

// A token that survives the removal of the node, near it; null when there is none.
XmlNode survivorBeside(XmlNode removed)
{
    if (isElement(removed, text::kToken)) {
        if (const XmlNode next = nextSiblingElement(removed, text::kToken))
            return next;
        if (const XmlNode previous = previousSiblingElement(removed, text::kToken))
            return previous;
        return tokenBesideSentence(removed.parent());
    }
    if (isElement(removed, text::kSentence))
        return tokenBesideSentence(removed);
    return {};
}

}  // namespace

RememberedPosition::RememberedPosition(CPelmoraDoc& doc) : m_doc(doc)
{
    m_doc.addObserver(this);
}

RememberedPosition::~RememberedPosition()
{
    m_doc.removeObserver(this);
}

void RememberedPosition::nodeAboutToBeRemoved(XmlNode node)
{
    if (isInSubtree(m_token, node))
        m_token = survivorBeside(node);
}

}  // namespace pelmora
