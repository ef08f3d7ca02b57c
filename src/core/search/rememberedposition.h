// The remembered position of the text view: one token handle that never dangles.
#pragma once

#include "text/pelmoradoc.h"

namespace pelmora {

// Holds one token of the document. Registered as an observer for its whole life: when its token
// is about to be removed it moves to the nearest surviving token (the next one of the sentence,
// else the previous one, else the first token of a following sentence, else the last token of a
// preceding one); when nothing sensible remains, or the whole text goes, it becomes empty.
class RememberedPosition final : public DocumentObserver {
public:
    explicit RememberedPosition(CPelmoraDoc& doc);
    ~RememberedPosition() override;
    RememberedPosition(const RememberedPosition&) = delete;
    RememberedPosition& operator=(const RememberedPosition&) = delete;

    void set(XmlNode token) { m_token = token; }
    // The token, or a null handle.
    XmlNode token() const { return m_token; }

    void nodeAboutToBeRemoved(XmlNode node) override;
    void documentAboutToBeCleared() override { m_token = XmlNode(); }

private:
    CPelmoraDoc& m_doc;
    XmlNode m_token;
};

}  // namespace pelmora
