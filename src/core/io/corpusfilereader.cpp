#include "io/corpusfilereader.h"

#include "common/strings.h"
#include "text/pelmoradoc.h"
#include "text/textformat.h"

namespace pelmora {

using namespace text;

CorpusFileReader::OpenResult CorpusFileReader::open(const std::string& path, Prompter& prompter)
{
    std::string reason;
    if (load(path, &reason))
        return OpenResult::Opened;
    const bool skip =
        prompter.askYesNo(kTitleWarning, invalidFileMessage(path, reason) + "\n" + translatedText(kSkipOrStopQuestion));
    return skip ? OpenResult::Skip : OpenResult::Stop;
}

bool CorpusFileReader::load(const std::string& path, std::string* reason, bool* wellFormed)
{
    const XmlLoadResult loaded = m_xml.load(path);
    if (wellFormed)
        *wellFormed = loaded.ok;
    // Why the file is not usable, asked before the tree is let go.
    const std::string problem = loaded ? corpusTextProblem(m_xml, false) : loaded.describe();
    if (takeLoaded(static_cast<bool>(loaded)))
        return true;
    if (reason)
        *reason = problem;
    return false;
}

bool CorpusFileReader::openFromBuffer(std::string_view bytes)
{
    return takeLoaded(static_cast<bool>(m_xml.loadFromBuffer(bytes)));
}

bool CorpusFileReader::takeLoaded(bool loaded)
{
    m_body = XmlNode();
    m_current = XmlNode();
    if (!loaded || !isElement(m_xml.root(), kRoot)) {
        m_xml.clear();
        return false;
    }
    const XmlNode bodyNode = firstChildElement(m_xml.root(), kBody);
    const XmlNode sentence = firstChildElement(bodyNode, kSentence);
    if (!firstChildElement(sentence, kToken)) {
        m_xml.clear();
        return false;
    }
    m_body = bodyNode;
    m_current = sentence;
    return true;
}

CorpusFileReader::Step CorpusFileReader::step()
{
    if (!m_current)
        return Step::End;
    if (const XmlNode next = nextSiblingElement(m_current, kToken)) {
        m_current = next;
        return Step::Token;
    }
    if (const XmlNode child = firstChildElement(m_current, kToken)) {
        m_current = child;
        return Step::Token;
    }
    if (const XmlNode combination = nextSiblingElement(m_current, kCombination)) {
        m_current = combination;
        return Step::Combination;
    }
    if (const XmlNode sentence = nextSiblingElement(m_current.parent(), kSentence)) {
        m_current = sentence;
        return Step::NextSentence;
    }
    m_current = XmlNode();
    return Step::End;
}

XmlNode CorpusFileReader::info() const
{
    return previousSiblingElement(m_body, kInfo);
}

std::string_view CorpusFileReader::textId() const
{
    return attributeValue(m_body, kId);
}

XmlNode CorpusFileReader::previousTokenInSentence(XmlNode token)
{
    return previousSiblingElement(token, kToken);
}

XmlNode CorpusFileReader::nextTokenInSentence(XmlNode token)
{
    return nextSiblingElement(token, kToken);
}

}  // namespace pelmora
