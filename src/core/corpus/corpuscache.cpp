#include "corpus/corpuscache.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/simpledictionary.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <optional>
#include <string_view>

namespace pelmora {

using namespace text;

namespace {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Word-form keys of the texts met so far: corpus words repeat, so most tokens cost one lookup.
class KeyCache {
public:
    const std::string& keyOf(std::string_view text)
    {
        auto found = m_keys.find(text);
        if (found == m_keys.end())
            found = m_keys.emplace(std::string(text), MakeWordFormKey(text)).first;
        return found->second;
    }

private:
    std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> m_keys;
};

std::string inNfc(std::string_view text)
{
    return isNfc(text) ? std::string(text) : toNfc(text);
}

// The token attributes the counts and the analyses read, found in one walk over the attributes
// (a token has many; a lookup by name would walk them once per name). The first of a name counts,
// as a lookup finds it; a missing one is empty.
struct TokenAttributes {
    std::string_view language;
    std::string_view meta;
    std::string_view lemma;
    std::string_view form;
    std::string_view partOfSpeech;
    std::string_view id;
};

// strcmp through the library call costs more than these short names take to compare here.
bool sameName(const char* name, const char* expected)
{
    while (*name != '\0' && *name == *expected) {
        ++name;
        ++expected;
    }
    return *name == *expected;
}

void takeFirst(std::string_view& slot, const pugi::xml_attribute& attribute)
{
    if (slot.data() == nullptr)
        slot = attribute.value();
}

TokenAttributes tokenAttributes(XmlNode token)
{
    TokenAttributes found;
    for (pugi::xml_attribute attribute = token.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        switch (name[0]) {
        case 'k':
            if (sameName(name, kLanguage))
                takeFirst(found.language, attribute);
            break;
        case 'm':
            if (sameName(name, kMeta))
                takeFirst(found.meta, attribute);
            break;
        case 'l':
            if (sameName(name, kLemma))
                takeFirst(found.lemma, attribute);
            else if (sameName(name, kPartOfSpeech))
                takeFirst(found.partOfSpeech, attribute);
            break;
        case 'v':
            if (sameName(name, kForm))
                takeFirst(found.form, attribute);
            break;
        case 'i':
            if (sameName(name, kId))
                takeFirst(found.id, attribute);
            break;
        default:
            break;
        }
    }
    return found;
}

// Gathers the analyses of one file, one entry per distinct (key, lemma, form, part of speech).
// Entries are found by key and then compared field by field with the token's values as they
// stand, so a token whose analysis is already there costs no copy; values that differ only by
// normalisation make entries with equal fields, which the inconsistencies merge.
class AnalysisGatherer {
public:
    AnalysisGatherer(std::vector<FileAnalysis>& analyses, KeyCache& keys) : m_analyses(analyses), m_keys(keys) {}

    void add(XmlNode token, const TokenAttributes& attributes)
    {
        const std::string_view text = elementText(token);
        if (!hasLetterOrDigit(text))
            return;
        const std::string& key = m_keys.keyOf(text);
        if (key.empty())
            return;
        const std::string_view lemma = attributes.lemma;
        const std::string_view form = attributes.form;
        const std::string_view partOfSpeech = attributes.partOfSpeech;
        std::vector<std::size_t>& entries = m_byKey[key];
        for (std::size_t at : entries) {
            FileAnalysis& analysis = m_analyses[at];
            if (analysis.lemma == lemma && analysis.form == form && analysis.partOfSpeech == partOfSpeech) {
                analysis.tokenIds.emplace_back(attributes.id);
                return;
            }
        }
        entries.push_back(m_analyses.size());
        m_analyses.push_back({key, inNfc(lemma), inNfc(form), inNfc(partOfSpeech), {std::string(attributes.id)}});
    }

private:
    std::vector<FileAnalysis>& m_analyses;
    KeyCache& m_keys;
    // By a view of the key held by the key cache, which outlives the gatherer.
    std::unordered_map<std::string_view, std::vector<std::size_t>> m_byKey;
};

void readMetadata(const CorpusFileReader& reader, CorpusFileSummary& summary)
{
    summary.id = reader.textId();
    const XmlNode info = reader.info();
    summary.type = elementText(firstChildElement(info, meta::kType));
    for (XmlNode speaker = firstChildElement(info, meta::kSpeaker); speaker;
         speaker = nextSiblingElement(speaker, meta::kSpeaker)) {
        const std::string_view name = trimBlanks(elementText(speaker));
        summary.speakers.emplace_back(name.empty() ? attributeValue(speaker, kId) : name);
    }
}

bool noReason(std::string_view meta)
{
    const std::string_view reason = trimBlanks(meta);
    return reason.empty() || reason == "-";
}

void countTokens(const CorpusFileReader& reader, CorpusFileSummary& summary, KeyCache* keys)
{
    std::optional<AnalysisGatherer> gatherer;
    if (keys)
        gatherer.emplace(summary.analyses, *keys);
    TextCounts& counts = summary.counts;
    for (XmlNode sentence = firstChildElement(reader.body(), kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        // One walk over the sentence's children finds its tokens and its combinations.
        for (XmlNode token = sentence.first_child(); token; token = token.next_sibling()) {
            if (token.type() != pugi::node_element)
                continue;
            if (!sameName(token.name(), kToken)) {
                counts.combinations += sameName(token.name(), kCombination) ? 1 : 0;
                continue;
            }
            const TokenAttributes attributes = tokenAttributes(token);
            if (isPunctuationOrNumberMark(attributes.language) || isPunctuationOrNumberMark(attributes.meta))
                continue;
            ++counts.tokens;
            if (!noReason(attributes.meta))
                continue;
            ++counts.toAnnotate;
            if (trimBlanks(attributes.lemma).empty())
                continue;
            ++counts.annotated;
            if (gatherer)
                gatherer->add(token, attributes);
        }
    }
}

// Whole seconds, rounded down also before 1970.
std::int64_t secondsSinceEpoch(const FileStamp& stamp)
{
    constexpr std::int64_t kNs = 1'000'000'000;
    return stamp.modifiedNs / kNs - (stamp.modifiedNs % kNs < 0 ? 1 : 0);
}

std::shared_ptr<CorpusFileSummary> readFile(const std::string& path, const FileStamp& stamp, KeyCache* keys)
{
    auto summary = std::make_shared<CorpusFileSummary>();
    summary->file = path;
    summary->modified = secondsSinceEpoch(stamp);
    summary->hasAnalyses = keys != nullptr;
    CorpusFileReader reader;
    if (!loadCorpusText(reader, path, summary->skipped))
        return summary;
    summary->read = true;
    readMetadata(reader, *summary);
    countTokens(reader, *summary, keys);
    return summary;
}

}  // namespace

TextCounts& TextCounts::operator+=(const TextCounts& other)
{
    tokens += other.tokens;
    toAnnotate += other.toAnnotate;
    annotated += other.annotated;
    combinations += other.combinations;
    return *this;
}

bool isTokenToAnnotate(XmlNode token)
{
    return noReason(attributeValue(token, kMeta));
}

CorpusRead CorpusCache::read(const std::vector<std::string>& paths, bool withAnalyses, const CorpusProgress& progress)
{
    CorpusRead result;
    m_parsed = 0;
    KeyCache keys;
    const std::vector<std::string> files = withoutRepeatedFiles(expandCorpusPaths(paths));
    for (std::size_t done = 0; done < files.size(); ++done) {
        const std::string& file = files[done];
        const FileStamp stamp = fileStamp(file);
        const auto cached = stamp.known ? m_entries.find(file) : m_entries.end();
        if (cached != m_entries.end() && cached->second.stamp == stamp &&
            (cached->second.summary->hasAnalyses || !withAnalyses)) {
            result.files.push_back(cached->second.summary);
        } else {
            std::shared_ptr<const CorpusFileSummary> summary =
                readFile(file, stamp, withAnalyses ? &keys : nullptr);
            ++m_parsed;
            if (stamp.known)
                m_entries[file] = {stamp, summary};
            else
                m_entries.erase(file);
            result.files.push_back(std::move(summary));
        }
        if (progress && !progress(done + 1, files.size())) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

std::optional<FileStamp> CorpusCache::stampOf(const std::string& file) const
{
    const auto found = m_entries.find(file);
    if (found == m_entries.end())
        return std::nullopt;
    return found->second.stamp;
}

}  // namespace pelmora
