#include "corpus/corpuscache.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/simpledictionary.h"
#include "text/combinations.h"
#include "text/metadata.h"
#include "text/textformat.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <string_view>

namespace pelmora {

using namespace text;

namespace {

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

std::uint32_t sizeOf(std::string_view value)
{
    return static_cast<std::uint32_t>(value.size());
}

// The hash of a value in NFC; nearly every value is NFC already and is hashed where it stands.
std::uint64_t nfcHash(std::string_view value)
{
    thread_local std::string storage;
    return std::hash<std::string_view>{}(nfcView(value, storage));
}

// The hash of a token's lemma, form and part of speech in NFC, as the grouping compares them.
std::uint64_t analysisHash(const TokenAttributes& attributes)
{
    constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = nfcHash(attributes.lemma);
    hash = (hash ^ (hash >> 29)) * kMix + nfcHash(attributes.form);
    hash = (hash ^ (hash >> 29)) * kMix + nfcHash(attributes.partOfSpeech);
    return hash;
}

// Adds a token's key and values to the file's analyses. The values are copied as they stand into
// one text per file; comparing them mostly needs no normalisation, so it is left to the reader.
void addAnalysis(XmlNode token, const TokenAttributes& attributes, CorpusFileSummary& summary)
{
    const std::string_view text = elementText(token);
    if (!hasLetterOrDigit(text))
        return;
    const std::string key = MakeWordFormKey(text);
    if (key.empty())
        return;
    std::string& values = summary.analysisText;
    summary.analyses.push_back({std::hash<std::string_view>{}(key), analysisHash(attributes),
                                static_cast<std::uint32_t>(values.size()),
                                sizeOf(key), sizeOf(attributes.lemma), sizeOf(attributes.form),
                                sizeOf(attributes.partOfSpeech), sizeOf(attributes.id)});
    values += key;
    values += attributes.lemma;
    values += attributes.form;
    values += attributes.partOfSpeech;
    values += attributes.id;
}

// A token to annotate without a lemma, by its word-form key (punctuation-like tokens left out).
void countUnannotated(XmlNode token, std::map<std::string, long long>& forms)
{
    const std::string_view text = elementText(token);
    if (!hasLetterOrDigit(text))
        return;
    std::string key = MakeWordFormKey(text);
    if (!key.empty())
        ++forms[std::move(key)];
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

bool noReason(std::string_view meta)
{
    const std::string_view reason = trimBlanks(meta);
    return reason.empty() || reason == "-";
}

// The words of the sentence's combination that are to be annotated, with the combination's lemma.
void addCombinationParts(XmlNode combination, CorpusFileSummary& summary)
{
    const std::string_view lemma = trimBlanks(attributeValue(combination, kCombinationLemma));
    if (lemma.empty())
        return;
    const std::string combinationLemma = toNfc(lemma);
    std::uint32_t position = 0;
    for (const XmlNode word : combinationWords(combination)) {
        const TokenAttributes attributes = tokenAttributes(word);
        const std::string_view text = elementText(word);
        const bool counted = !isPunctuationOrNumberMark(attributes.language) &&
                             !isPunctuationOrNumberMark(attributes.meta) && noReason(attributes.meta) &&
                             hasLetterOrDigit(text);
        std::string key = counted ? MakeWordFormKey(text) : std::string();
        if (!key.empty())
            summary.combinationParts.push_back({combinationLemma, position, std::move(key),
                                                std::string(attributes.lemma), std::string(attributes.form),
                                                std::string(attributes.partOfSpeech), std::string(attributes.id)});
        ++position;
    }
}

void countTokens(XmlNode body, CorpusFileSummary& summary, bool withAnalyses)
{
    TextCounts& counts = summary.counts;
    for (XmlNode sentence = firstChildElement(body, kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence)) {
        // One walk over the sentence's children finds its tokens and its combinations.
        for (XmlNode token = sentence.first_child(); token; token = token.next_sibling()) {
            if (token.type() != pugi::node_element)
                continue;
            if (!sameName(token.name(), kToken)) {
                if (sameName(token.name(), kCombination)) {
                    ++counts.combinations;
                    if (withAnalyses)
                        addCombinationParts(token, summary);
                }
                continue;
            }
            const TokenAttributes attributes = tokenAttributes(token);
            if (isPunctuationOrNumberMark(attributes.language) || isPunctuationOrNumberMark(attributes.meta))
                continue;
            ++counts.tokens;
            if (!noReason(attributes.meta))
                continue;
            ++counts.toAnnotate;
            if (trimBlanks(attributes.lemma).empty()) {
                if (withAnalyses)
                    countUnannotated(token, summary.unannotatedForms);
                continue;
            }
            ++counts.annotated;
            if (withAnalyses)
                addAnalysis(token, attributes, summary);
        }
    }
}

// Whole seconds, rounded down also before 1970.
std::int64_t secondsSinceEpoch(const FileStamp& stamp)
{
    constexpr std::int64_t kNs = 1'000'000'000;
    return stamp.modifiedNs / kNs - (stamp.modifiedNs % kNs < 0 ? 1 : 0);
}

std::shared_ptr<CorpusFileSummary> readFile(const std::string& path, const FileStamp& stamp, bool withAnalyses)
{
    auto summary = std::make_shared<CorpusFileSummary>();
    summary->file = path;
    summary->modified = secondsSinceEpoch(stamp);
    summary->hasAnalyses = withAnalyses;
    CorpusFileReader reader;
    if (!loadCorpusText(reader, path, summary->skipped))
        return summary;
    summary->read = true;
    readMetadata(reader, *summary);
    // The files of a corpus are much alike: room for as many values as the last file of this
    // thread had saves growing the text and the list step by step.
    thread_local std::size_t lastText = 0;
    thread_local std::size_t lastAnalyses = 0;
    if (withAnalyses) {
        summary->analysisText.reserve(lastText + lastText / 8);
        summary->analyses.reserve(lastAnalyses + lastAnalyses / 8);
    }
    countTokens(reader.body(), *summary, withAnalyses);
    if (withAnalyses) {
        lastText = summary->analysisText.size();
        lastAnalyses = summary->analyses.size();
    }
    return summary;
}

}  // namespace

std::shared_ptr<const CorpusFileSummary> summariseText(const std::string& file, XmlNode body)
{
    auto summary = std::make_shared<CorpusFileSummary>();
    summary->file = file;
    summary->hasAnalyses = true;
    summary->read = true;
    summary->id = attributeValue(body, kId);
    countTokens(body, *summary, true);
    return summary;
}

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

namespace {

struct ParseJob {
    std::size_t slot = 0;  // the file's place in the read
    FileStamp stamp;
};

// Parses the files of the jobs on up to four threads (a folder of texts reads in about half the
// time on two cores); this thread waits, tells `progress` as files finish (counting `done` files
// already there) and stops the workers when it says stop. Returns false when cancelled; the
// summaries of the files not read are then null.
bool parseFiles(const std::vector<std::string>& files, const std::vector<ParseJob>& jobs, bool withAnalyses,
                std::size_t done, const CorpusProgress& progress,
                std::vector<std::shared_ptr<const CorpusFileSummary>>& summaries)
{
    if (jobs.size() <= 1) {
        for (const ParseJob& job : jobs) {
            summaries[job.slot] = readFile(files[job.slot], job.stamp, withAnalyses);
            if (progress && !progress(++done, files.size()))
                return false;
        }
        return true;
    }
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t finishedCount = 0;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    const auto work = [&] {
        for (std::size_t j = next++; j < jobs.size() && !stop; j = next++) {
            auto summary = readFile(files[jobs[j].slot], jobs[j].stamp, withAnalyses);
            const std::lock_guard lock(mutex);
            summaries[jobs[j].slot] = std::move(summary);
            ++finishedCount;
            finished.notify_one();
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threadCount = std::min<std::size_t>({cores, 4, jobs.size()});
    bool cancelled = false;
    {
        std::vector<std::jthread> workers;
        for (std::size_t i = 0; i < threadCount; ++i)
            workers.emplace_back(work);
        std::size_t told = 0;
        std::unique_lock lock(mutex);
        while (told < jobs.size() && !cancelled) {
            finished.wait(lock, [&] { return finishedCount > told; });
            const std::size_t now = finishedCount;
            lock.unlock();
            for (; told < now && !cancelled; ++told)
                cancelled = progress && !progress(done + told + 1, files.size());
            lock.lock();
        }
        stop = cancelled;
        lock.unlock();
    }  // the workers are joined here
    return !cancelled;
}

}  // namespace

CorpusRead CorpusCache::read(const std::vector<std::string>& paths, bool withAnalyses, const CorpusProgress& progress)
{
    CorpusRead result;
    const std::vector<std::string> files = withoutRepeatedFiles(expandCorpusPaths(paths));
    std::vector<std::shared_ptr<const CorpusFileSummary>> summaries(files.size());
    std::vector<ParseJob> jobs;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileStamp stamp = fileStamp(files[i]);
        const auto cached = stamp.known ? m_entries.find(files[i]) : m_entries.end();
        if (cached != m_entries.end() && cached->second.stamp == stamp &&
            (cached->second.summary->hasAnalyses || !withAnalyses))
            summaries[i] = cached->second.summary;
        else
            jobs.push_back({i, stamp});
    }
    const std::size_t fromCache = files.size() - jobs.size();
    if (progress && fromCache > 0 && !progress(fromCache, files.size())) {
        result.cancelled = true;
        return result;
    }
    result.cancelled = !parseFiles(files, jobs, withAnalyses, fromCache, progress, summaries);
    m_parsed = 0;
    for (const ParseJob& job : jobs) {
        const std::shared_ptr<const CorpusFileSummary>& summary = summaries[job.slot];
        if (!summary)
            continue;
        ++m_parsed;
        if (job.stamp.known)
            m_entries[files[job.slot]] = {job.stamp, summary};
        else
            m_entries.erase(files[job.slot]);
    }
    // A cancelled read gives the files before the first one not read, in order.
    for (auto& summary : summaries) {
        if (!summary)
            break;
        result.files.push_back(std::move(summary));
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
