// Token handles that survive structural edits: holders outside the document (the form's back
// history and last reached token, the text view's remembered position, selections) keep their
// tokens here, and the handles move to a neighbour or drop out before their token leaves the tree.
#pragma once

#include "text/pelmoradoc.h"

#include <cstddef>
#include <vector>

namespace pelmora {

// What a handle does when its token is about to be removed.
enum class OnTokenRemoved {
    MoveToNeighbour,  // the next token of the sentence, else the previous one, else the nearest
                      // token of the following sentences, else of the preceding ones
    Drop,             // become null (lists forget the entry)
};

// The token a handle inside `removed` should move to: a token outside `removed`, or null.
XmlNode neighbourOutside(XmlNode removed);

// One token handle kept valid across removals. Registers itself with the document.
class TokenHandle final : public DocumentObserver {
public:
    explicit TokenHandle(CPelmoraDoc& doc, OnTokenRemoved policy = OnTokenRemoved::MoveToNeighbour);
    ~TokenHandle() override;
    TokenHandle(const TokenHandle&) = delete;
    TokenHandle& operator=(const TokenHandle&) = delete;

    // The token, or null.
    XmlNode token() const { return m_token; }
    void set(XmlNode token) { m_token = token; }
    void clear() { m_token = XmlNode(); }
    explicit operator bool() const { return static_cast<bool>(m_token); }

    void nodeAboutToBeRemoved(XmlNode node) override;
    void documentAboutToBeCleared() override { m_token = XmlNode(); }

private:
    CPelmoraDoc& m_doc;
    OnTokenRemoved m_policy;
    XmlNode m_token;
};

// An ordered list of token handles (newest first or in any order the holder likes), kept valid
// across removals; with MoveToNeighbour two entries may end up on the same token.
class TokenHandleList final : public DocumentObserver {
public:
    explicit TokenHandleList(CPelmoraDoc& doc, OnTokenRemoved policy = OnTokenRemoved::Drop);
    ~TokenHandleList() override;
    TokenHandleList(const TokenHandleList&) = delete;
    TokenHandleList& operator=(const TokenHandleList&) = delete;

    const std::vector<XmlNode>& tokens() const { return m_tokens; }
    bool empty() const { return m_tokens.empty(); }
    std::size_t size() const { return m_tokens.size(); }
    // Puts a token in front; when the list then holds more than `limit` entries the oldest go.
    void pushFront(XmlNode token, std::size_t limit);
    // Takes the front entry out (null when empty).
    XmlNode takeFront();
    void clear() { m_tokens.clear(); }

    void nodeAboutToBeRemoved(XmlNode node) override;
    void documentAboutToBeCleared() override { m_tokens.clear(); }

private:
    CPelmoraDoc& m_doc;
    OnTokenRemoved m_policy;
    std::vector<XmlNode> m_tokens;
};

}  // namespace pelmora
