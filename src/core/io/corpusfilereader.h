// CorpusFileReader: loads a corpus text file for the multi-file query and the merge and walks it
// token by token without a document of its own.
#pragma once

#include "common/prompter.h"
#include "common/translation.h"
#include "xml/xmldocument.h"

#include <string>

namespace pelmora {

// The question for a file that cannot be used, after "Vigane fail PATH: <reason>" and a line
// break; Yes skips it, No stops the whole run.
inline constexpr const char* kSkipOrStopQuestion = QT_TRANSLATE_NOOP(
    "core", "Kui soovid selle faili vahele jätta, vajuta 'Jah',\nKui soovid katkestada, vajuta 'Ei'.");

class CorpusFileReader {
public:
    enum class OpenResult { Opened, Skip, Stop };
    enum class Step { Token, Combination, NextSentence, End };

    CorpusFileReader() = default;
    CorpusFileReader(const CorpusFileReader&) = delete;
    CorpusFileReader& operator=(const CorpusFileReader&) = delete;

    // Loads a corpus text. A file that cannot be read or parsed, whose root is not "pelmora" or
    // whose body lacks a first sentence with a token gives the skip-or-stop question with the
    // reason ("Vigane fail PATH: rida 3: ...\nKui soovid ..."): Yes is Skip, No is Stop. On Opened
    // the reader stands on the first sentence.
    OpenResult open(const std::string& path, Prompter& prompter);

    // Loads a corpus text without asking: false when it is not usable (the same tests as open),
    // with the reason in `reason` when given ("rida 3: elemendi lõpp puudub", "tekstis pole ühtegi
    // lauset"); `wellFormed` tells whether the file was
    // XML at all (then it only is not a corpus text).
    bool load(const std::string& path, std::string* reason = nullptr, bool* wellFormed = nullptr);

    // The same from bytes in memory; false (and no question) when the text is not usable.
    bool openFromBuffer(std::string_view bytes);

    // One walk step from the current node: its next sibling token; else its first child token
    // (entering a sentence); else its next sibling combination; else the next sentence after its
    // parent; else End. A sentence without tokens therefore ends the walk.
    Step step();

    // The node the last step reached (the first sentence right after opening); null at the end.
    XmlNode current() const { return m_current; }
    // The body element ("sisu") and the metadata element ("info" before the body, or null).
    XmlNode body() const { return m_body; }
    XmlNode info() const;
    // The text's identifier: the "id" of the body.
    std::string_view textId() const;

    // The previous or next sibling token within the token's sentence, or null.
    static XmlNode previousTokenInSentence(XmlNode token);
    static XmlNode nextTokenInSentence(XmlNode token);

private:
    bool takeLoaded(bool loaded);

    XmlDocument m_xml;
    XmlNode m_body;
    XmlNode m_current;
};

}  // namespace pelmora
