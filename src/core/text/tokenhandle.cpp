#include "text/tokenhandle.h"

#include "text/textformat.h"

namespace pelmora {

using namespace text;

XmlNode neighbourOutside(XmlNode removed)
{
    XmlNode sentence;
    if (isElement(removed, kToken)) {
        if (const XmlNode next = nextSiblingElement(removed, kToken))
            return next;
        if (const XmlNode previous = previousSiblingElement(removed, kToken))
            return previous;
        sentence = removed.parent();
    } else if (isElement(removed, kSentence)) {
        sentence = removed;
    } else {
        return {};
    }
    // The sentence is (or is about to be) without tokens: the nearest token around it.
    for (XmlNode walk = nextSiblingElement(sentence, kSentence); walk; walk = nextSiblingElement(walk, kSentence))
        if (const XmlNode token = firstChildElement(walk, kToken))
            return token;
    for (XmlNode walk = previousSiblingElement(sentence, kSentence); walk; walk = previousSiblingElement(walk, kSentence))
        if (const XmlNode token = lastChildElement(walk, kToken))
            return token;
    return {};
}

namespace {

// The replacement for a handle when `removed` is about to go: itself when it stays.
XmlNode replacement(XmlNode held, XmlNode removed, OnTokenRemoved policy)
{
    if (!isInSubtree(held, removed))
        return held;
    if (policy == OnTokenRemoved::Drop)
        return {};
    return neighbourOutside(removed);
}

}  // namespace

TokenHandle::TokenHandle(CPelmoraDoc& doc, OnTokenRemoved policy) : m_doc(doc), m_policy(policy)
{
    m_doc.addObserver(this);
}

TokenHandle::~TokenHandle()
{
    m_doc.removeObserver(this);
}

void TokenHandle::nodeAboutToBeRemoved(XmlNode node)
{
    m_token = replacement(m_token, node, m_policy);
}

TokenHandleList::TokenHandleList(CPelmoraDoc& doc, OnTokenRemoved policy) : m_doc(doc), m_policy(policy)
{
    m_doc.addObserver(this);
}

TokenHandleList::~TokenHandleList()
{
    m_doc.removeObserver(this);
}

void TokenHandleList::pushFront(XmlNode token, std::size_t limit)
{
    if (!token)
        return;
    m_tokens.insert(m_tokens.begin(), token);
    if (m_tokens.size() > limit)
        m_tokens.resize(limit);
}

XmlNode TokenHandleList::takeFront()
{
    if (m_tokens.empty())
        return {};
    const XmlNode front = m_tokens.front();
    m_tokens.erase(m_tokens.begin());
    return front;
}

void TokenHandleList::nodeAboutToBeRemoved(XmlNode node)
{
    std::vector<XmlNode> kept;
    kept.reserve(m_tokens.size());
    for (const XmlNode token : m_tokens)
        if (const XmlNode now = replacement(token, node, m_policy))
            kept.push_back(now);
    m_tokens = std::move(kept);
}

}  // namespace pelmora
