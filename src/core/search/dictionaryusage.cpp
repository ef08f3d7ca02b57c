#include "search/dictionaryusage.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/corpusfilereader.h"
#include "text/textformat.h"

#include <filesystem>
#include <system_error>

namespace pelmora {

namespace {

constexpr char kSeparator = '\x1f';

bool isEmptyFile(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size == 0;
}

}  // namespace

void DictionaryUsage::makeKey(std::string& key, DictSection section, std::string_view a, std::string_view b,
                              std::string_view c)
{
    std::string storage;
    key.assign(1, static_cast<char>('0' + sectionIndex(section)));
    for (const std::string_view value : {a, b, c}) {
        key += nfcView(value, storage);
        key += kSeparator;
    }
}

void DictionaryUsage::add(DictSection section, std::string_view a, std::string_view b, std::string_view c)
{
    makeKey(m_key, section, a, b, c);
    ++m_counts[m_key];
}

void DictionaryUsage::addText(XmlNode body)
{
    using namespace text;
    for (XmlNode s = firstChildElement(body, kSentence); s; s = nextSiblingElement(s, kSentence)) {
        for (XmlNode t = firstChildElement(s, kToken); t; t = nextSiblingElement(t, kToken)) {
            ++m_tokens;
            const std::string_view lemma = attributeValue(t, kLemma);
            if (lemma.empty())
                continue;  // an unannotated token carries no analysis
            add(DictSection::WordForms, MakeWordFormKey(elementText(t)), lemma, attributeValue(t, kForm));
            add(DictSection::Lemmas, lemma, attributeValue(t, kMeaning), attributeValue(t, kPartOfSpeech));
        }
        for (XmlNode c = firstChildElement(s, kCombination); c; c = nextSiblingElement(c, kCombination))
            add(DictSection::Combinations, attributeValue(c, kCombinationLemma), attributeValue(c, kCombinationMeaning),
                attributeValue(c, kCombinationPartOfSpeech));
    }
}

std::size_t DictionaryUsage::count(DictSection section, XmlNode analysis) const
{
    if (!analysis || m_counts.empty())
        return 0;
    const std::vector<const char*>& identifying = identifyingAttributes(section);
    // Lemmas are told apart by meaning and part of speech, as the tokens carry them.
    std::string key;
    makeKey(key, section, attributeValue(analysis, dict::kId), attributeValue(analysis, identifying[0]),
            attributeValue(analysis, identifying[1]));
    const auto found = m_counts.find(key);
    return found == m_counts.end() ? 0 : found->second;
}

DictionaryUsageResult countDictionaryUsage(const std::vector<std::string>& files, DictionaryUsage& usage,
                                           const std::function<void(std::size_t, std::size_t)>& progress,
                                           const std::atomic<bool>* cancel)
{
    DictionaryUsageResult result;
    for (std::size_t done = 0; done < files.size(); ++done) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return result;
        }
        const std::string& file = files[done];
        CorpusFileReader reader;
        std::string reason;
        bool wellFormed = false;
        const bool empty = isEmptyFile(file);
        if (empty || !reader.load(file, &reason, &wellFormed)) {
            const char* message = empty        ? kConcordanceEmptyFile
                                  : wellFormed ? kConcordanceNotACorpusText
                                               : kConcordanceInvalidFile;
            result.skipped.push_back({file, formatMessage(message, file), empty ? std::string() : reason});
        } else {
            ++result.filesRead;
            usage.addText(reader.body());
        }
        if (progress)
            progress(done + 1, files.size());
    }
    return result;
}

}  // namespace pelmora
