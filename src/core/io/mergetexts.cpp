#include "io/mergetexts.h"

#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "io/corpusfilereader.h"
#include "io/iomessages.h"
#include "text/textformat.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

using namespace text;

namespace {

constexpr const char* kWarning = QT_TRANSLATE_NOOP(
    "core",
    "See funktsioon ei tööta veel õigesti\nsuuliste tekstidega ja\nkaotab ära tekstiinfo\nEi soovita kasutada.\n\n"
    "Kui seda on siiski vaja, anna teada\n");
constexpr const char* kNewFileInList = QT_TRANSLATE_NOOP("core", "Fail %s\non loendis olemas.\nVali mõni muu fail.");

// Token attributes copied in this order; every other attribute follows in its own order.
constexpr const char* kCopiedTokenAttributes[] = {kLanguage, kLemma, kMeaning, kPartOfSpeech,
                                                  kForm,     kStyle, kCombinationMark, kComment};
constexpr const char* kCopiedCombinationAttributes[] = {kCombinationLemma, kCombinationMeaning,
                                                        kCombinationPartOfSpeech};

std::string prefixed(std::string_view textId, std::string_view page)
{
    std::string out(textId);
    out += ", ";
    out += page;
    return out;
}

// "l%i_" and the old identifier's part after its first "_".
std::string renumbered(int sentence, std::string_view oldId)
{
    const std::size_t at = oldId.find('_');
    std::string id = "l" + std::to_string(sentence) + "_";
    if (at != std::string_view::npos)
        id += oldId.substr(at + 1);
    return id;
}

bool isNamed(const char* name, const char* const* names, std::size_t count)
{
    return std::any_of(names, names + count, [name](const char* n) { return std::strcmp(n, name) == 0; });
}

class Appender {
public:
    Appender(CPelmoraDoc& doc, bool prefixPages, int lastSentence)
        : m_doc(doc), m_prefixPages(prefixPages), m_sentenceNumber(lastSentence)
    {
    }

    // Appends every sentence of the file's body, with its tokens and combinations in their order.
    void appendFile(const CorpusFileReader& reader)
    {
        const std::string_view textId = reader.textId();
        for (XmlNode sentence = firstChildElement(reader.body(), kSentence); sentence;
             sentence = nextSiblingElement(sentence, kSentence)) {
            ++m_sentenceNumber;
            const XmlNode target = m_doc.appendElement(m_doc.body(), kSentence);
            m_doc.setNodeAttribute(target, kId, "l" + std::to_string(m_sentenceNumber));
            for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
                if (isElement(child, kToken))
                    appendToken(target, child, textId);
                else if (isElement(child, kCombination))
                    appendCombination(target, child);
            }
        }
    }

private:
    void appendToken(XmlNode target, XmlNode token, std::string_view textId)
    {
        const XmlNode added = m_doc.appendElement(target, kToken);
        m_doc.setNodeText(added, elementText(token));
        m_doc.setNodeAttribute(added, kId, renumbered(m_sentenceNumber, attributeValue(token, kId)));
        const std::string_view page = attributeValue(token, kPage);
        m_doc.setNodeAttribute(added, kPage, m_prefixPages ? prefixed(textId, page) : std::string(page));
        copyAttributes(added, token, kCopiedTokenAttributes, std::size(kCopiedTokenAttributes));
    }

    void appendCombination(XmlNode target, XmlNode combination)
    {
        const XmlNode added = m_doc.appendElement(target, kCombination);
        m_doc.setNodeAttribute(added, kId, renumbered(m_sentenceNumber, attributeValue(combination, kId)));
        copyAttributes(added, combination, kCopiedCombinationAttributes, std::size(kCopiedCombinationAttributes));
    }

    // The named attributes first, in the given order, then the rest (meta, Latvian and English
    // equivalents, ...) so that no annotation is lost; empty values are not written.
    void copyAttributes(XmlNode target, XmlNode source, const char* const* names, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            m_doc.setNodeAttribute(target, names[i], attributeValue(source, names[i]));
        for (const pugi::xml_attribute attribute : source.attributes()) {
            const char* name = attribute.name();
            if (std::strcmp(name, kId) == 0 || std::strcmp(name, kPage) == 0 || isNamed(name, names, count))
                continue;
            m_doc.setNodeAttribute(target, name, attribute.value());
        }
    }

    CPelmoraDoc& m_doc;
    bool m_prefixPages;
    int m_sentenceNumber;
};

}  // namespace

void warnMergeUnfinished(Prompter& prompter)
{
    prompter.message(MessageKind::Warning, kUnfinishedCaption, unfinishedWarning(kWarning));
}

bool mergeTexts(CPelmoraDoc& doc, const MergeSettings& settings, Prompter& prompter,
                const MergeProgressCallback& progress)
{
    if (settings.warnFirst)
        warnMergeUnfinished(prompter);
    if (settings.files.empty())
        return false;
    // The merged text must never be written over one of the texts it is made from.
    for (const std::string& file : settings.files) {
        if (file == settings.newPath || isSameFile(file, settings.newPath)) {
            prompter.message(MessageKind::Warning, kTitleWarning, formatMessage(kNewFileInList, settings.newPath));
            return false;
        }
    }
    MergeProgress state;
    state.fileCount = settings.files.size();
    if (progress && !progress(state))
        return false;
    // Put together aside: a merge that fails or is stopped half-way must not leave the open
    // text replaced, nor a half-joined file under the new name.
    CPelmoraDoc merged(prompter);
    if (!merged.openDocument(settings.files.front()))
        return false;
    ++state.filesDone;
    if (progress && !progress(state))
        return false;

    const XmlNode body = merged.body();
    const std::string textId(attributeValue(body, kId));
    if (settings.prefixPages) {
        for (XmlNode sentence = firstChildElement(body, kSentence); sentence;
             sentence = nextSiblingElement(sentence, kSentence))
            for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken))
                merged.setNodeAttribute(token, kPage, prefixed(textId, attributeValue(token, kPage)));
    }
    std::string_view lastId = attributeValue(lastChildElement(body, kSentence), kId);
    if (lastId.starts_with('l'))
        lastId.remove_prefix(1);
    Appender appender(merged, settings.prefixPages, static_cast<int>(leadingInteger(lastId)));

    for (std::size_t i = 1; i < settings.files.size(); ++i) {
        CorpusFileReader reader;
        const CorpusFileReader::OpenResult opened = reader.open(settings.files[i], prompter);
        if (opened == CorpusFileReader::OpenResult::Stop)
            break;
        if (opened == CorpusFileReader::OpenResult::Opened)
            appender.appendFile(reader);
        ++state.filesDone;
        if (progress && !progress(state))
            return false;
    }
    if (!merged.saveDocument(settings.newPath))
        return false;
    if (!doc.openFromBuffer(merged.xml().serialize(), settings.newPath))
        return false;
    doc.setModifiedFlag(true);
    doc.updateAllViews();
    return true;
}

}  // namespace pelmora
