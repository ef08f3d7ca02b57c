#include "corpus/corpuscache.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/simpledictionary.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <chrono>
#include <optional>
#include <string_view>
#include <system_error>
#include <unordered_set>

namespace pelmora {

using namespace text;
namespace fs = std::filesystem;

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

// Gathers the analyses of one file, one entry per distinct (key, lemma, form, part of speech).
// Entries are found by key and then compared field by field with the token's values as they
// stand, so a token whose analysis is already there costs no copy; values that differ only by
// normalisation make entries with equal fields, which the inconsistencies merge.
class AnalysisGatherer {
public:
    AnalysisGatherer(std::vector<FileAnalysis>& analyses, KeyCache& keys) : m_analyses(analyses), m_keys(keys) {}

    void add(XmlNode token, std::string_view lemma)
    {
        const std::string_view text = elementText(token);
        if (!hasLetterOrDigit(text))
            return;
        const std::string& key = m_keys.keyOf(text);
        if (key.empty())
            return;
        const std::string_view form = attributeValue(token, kForm);
        const std::string_view partOfSpeech = attributeValue(token, kPartOfSpeech);
        std::vector<std::size_t>& entries = m_byKey[key];
        for (std::size_t at : entries) {
            FileAnalysis& analysis = m_analyses[at];
            if (analysis.lemma == lemma && analysis.form == form && analysis.partOfSpeech == partOfSpeech) {
                analysis.tokenIds.emplace_back(attributeValue(token, kId));
                return;
            }
        }
        entries.push_back(m_analyses.size());
        m_analyses.push_back({key, inNfc(lemma), inNfc(form), inNfc(partOfSpeech), {std::string(attributeValue(token, kId))}});
    }

private:
    std::vector<FileAnalysis>& m_analyses;
    KeyCache& m_keys;
    // By a view of the key held by the key cache, which outlives the gatherer.
    std::unordered_map<std::string_view, std::vector<std::size_t>> m_byKey;
};

// A token to annotate without a lemma, by its word-form key (punctuation-like tokens left out).
void countUnannotated(XmlNode token, KeyCache& keys, std::map<std::string, long long>& forms)
{
    const std::string_view text = elementText(token);
    if (!hasLetterOrDigit(text))
        return;
    const std::string& key = keys.keyOf(text);
    if (!key.empty())
        ++forms[key];
}

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

void countTokens(const CorpusFileReader& reader, CorpusFileSummary& summary, KeyCache* keys)
{
    std::optional<AnalysisGatherer> gatherer;
    if (keys)
        gatherer.emplace(summary.analyses, *keys);
    TextCounts& counts = summary.counts;
    for (XmlNode sentence = firstChildElement(reader.body(), kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        for (XmlNode token = firstChildElement(sentence, kToken); token; token = nextSiblingElement(token, kToken)) {
            if (isPunctuationOrNumberToken(token))
                continue;
            ++counts.tokens;
            if (!isTokenToAnnotate(token))
                continue;
            ++counts.toAnnotate;
            const std::string_view lemma = trimBlanks(attributeValue(token, kLemma));
            if (lemma.empty()) {
                if (keys)
                    countUnannotated(token, *keys, summary.unannotatedForms);
                continue;
            }
            ++counts.annotated;
            if (gatherer)
                gatherer->add(token, attributeValue(token, kLemma));
        }
        for (XmlNode c = firstChildElement(sentence, kCombination); c; c = nextSiblingElement(c, kCombination))
            ++counts.combinations;
    }
}

std::int64_t secondsSinceEpoch(fs::file_time_type time)
{
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

std::shared_ptr<CorpusFileSummary> readFile(const std::string& path, fs::file_time_type modified, KeyCache* keys)
{
    auto summary = std::make_shared<CorpusFileSummary>();
    summary->file = path;
    summary->modified = secondsSinceEpoch(modified);
    summary->hasAnalyses = keys != nullptr;
    CorpusFileReader reader;
    if (!loadCorpusText(reader, path, summary->skipped))
        return summary;
    summary->read = true;
    readMetadata(reader, *summary);
    countTokens(reader, *summary, keys);
    return summary;
}

// A file named twice (also through its folder, or as "./a.xml") is read and counted once.
std::vector<std::string> withoutRepeats(std::vector<std::string> files)
{
    std::unordered_set<std::string> seen;
    std::vector<std::string> kept;
    for (std::string& file : files)
        if (seen.insert(fs::path(file).lexically_normal().string()).second)
            kept.push_back(std::move(file));
    return kept;
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
    const std::string_view reason = trimBlanks(attributeValue(token, kMeta));
    return reason.empty() || reason == "-";
}

CorpusRead CorpusCache::read(const std::vector<std::string>& paths, bool withAnalyses, const CorpusProgress& progress)
{
    CorpusRead result;
    m_parsed = 0;
    KeyCache keys;
    const std::vector<std::string> files = withoutRepeats(expandCorpusPaths(paths));
    for (std::size_t done = 0; done < files.size(); ++done) {
        const std::string& file = files[done];
        std::error_code sizeError;
        std::error_code timeError;
        const std::uintmax_t size = fs::file_size(file, sizeError);
        const fs::file_time_type modified = fs::last_write_time(file, timeError);
        const bool stamped = !sizeError && !timeError;
        const auto cached = stamped ? m_entries.find(file) : m_entries.end();
        if (cached != m_entries.end() && cached->second.size == size && cached->second.modified == modified &&
            (cached->second.summary->hasAnalyses || !withAnalyses)) {
            result.files.push_back(cached->second.summary);
        } else {
            std::shared_ptr<const CorpusFileSummary> summary = readFile(file, modified, withAnalyses ? &keys : nullptr);
            ++m_parsed;
            if (stamped)
                m_entries[file] = {size, modified, summary};
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

}  // namespace pelmora
