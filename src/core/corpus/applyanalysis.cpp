#include "corpus/applyanalysis.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "io/simpledictionary.h"
#include "text/pelmoradoc.h"
#include "text/stepnames.h"
#include "text/textformat.h"

#include <filesystem>
#include <set>
#include <string_view>

namespace pelmora {

namespace {

namespace fs = std::filesystem;

std::string normalFile(const std::string& file)
{
    return fs::path(file).lexically_normal().string();
}

// The values a matching token is given, prepared once: trimmed, in NFC, "-" as no form.
struct PreparedAnalysis {
    std::string key;
    std::string lemma;
    std::optional<std::string> form;
    std::optional<std::string> partOfSpeech;
};

std::string prepared(std::string_view value)
{
    return toNfc(trimBlanks(value));
}

PreparedAnalysis prepare(const AnalysisToApply& analysis)
{
    PreparedAnalysis values{MakeWordFormKey(trimBlanks(analysis.wordForm)), prepared(analysis.lemma), {}, {}};
    if (analysis.form) {
        values.form = prepared(*analysis.form);
        if (*values.form == "-")
            values.form->clear();
    }
    if (analysis.partOfSpeech)
        values.partOfSpeech = prepared(*analysis.partOfSpeech);
    return values;
}

class FileApplier {
public:
    FileApplier(const AnalysisToApply& analysis, const PreparedAnalysis& values)
        : m_analysis(analysis), m_values(values)
    {
    }

    // Changes the matching tokens of the open text; `ids`, when given, names the tokens allowed.
    std::size_t apply(CPelmoraDoc& doc, const std::set<std::string, std::less<>>* ids) const
    {
        return walk(doc, ids, [&](XmlNode token) { return change(doc, token); });
    }

    // The tokens apply() would change, changing nothing.
    std::size_t count(const CPelmoraDoc& doc, const std::set<std::string, std::less<>>* ids) const
    {
        return walk(doc, ids, [&](XmlNode token) { return wouldChange(token); });
    }

private:
    template <typename Visit>
    std::size_t walk(const CPelmoraDoc& doc, const std::set<std::string, std::less<>>* ids, const Visit& visit) const
    {
        std::size_t changed = 0;
        for (XmlNode sentence = firstChildElement(doc.body(), text::kSentence); sentence;
             sentence = nextSiblingElement(sentence, text::kSentence)) {
            for (XmlNode token = firstChildElement(sentence, text::kToken); token;
                 token = nextSiblingElement(token, text::kToken)) {
                if (ids && !ids->contains(attributeValue(token, text::kId)))
                    continue;
                if (matches(token) && visit(token))
                    ++changed;
            }
        }
        return changed;
    }

    bool wouldChange(XmlNode token) const
    {
        return attributeValue(token, text::kLemma) != m_values.lemma ||
               (m_values.form && attributeValue(token, text::kForm) != *m_values.form) ||
               (m_values.partOfSpeech && attributeValue(token, text::kPartOfSpeech) != *m_values.partOfSpeech) ||
               attributeValue(token, text::kAuto) == "+";
    }

    bool matches(XmlNode token) const
    {
        if (isPunctuationOrNumberToken(token) || !isTokenToAnnotate(token))
            return false;
        if (m_analysis.onlyLemma &&
            !sameText(trimBlanks(attributeValue(token, text::kLemma)), trimBlanks(*m_analysis.onlyLemma)))
            return false;
        return hasWordFormKey(elementText(token), m_values.key);
    }

    // Writes what the token does not hold yet; true when anything changed.
    bool change(CPelmoraDoc& doc, XmlNode token) const
    {
        bool changed = false;
        const auto set = [&](const char* name, TokenAttribute which, const std::string& value) {
            if (attributeValue(token, name) != value) {
                doc.setTokenAttribute(token, which, value);
                changed = true;
            }
        };
        set(text::kLemma, TokenAttribute::Lemma, m_values.lemma);
        if (m_values.form)
            set(text::kForm, TokenAttribute::Form, *m_values.form);
        if (m_values.partOfSpeech)
            set(text::kPartOfSpeech, TokenAttribute::PartOfSpeech, *m_values.partOfSpeech);
        // A confirmed analysis is no longer an automatic change to review.
        if (attributeValue(token, text::kAuto) == "+") {
            doc.setNodeAttribute(token, text::kAuto, "");
            changed = true;
        }
        return changed;
    }

    const AnalysisToApply& m_analysis;
    const PreparedAnalysis& m_values;
};

CorpusSkippedFile skippedFile(const std::string& file, const char* message, std::string reason = {})
{
    return {file, formatMessage(message, file), std::move(reason)};
}

// One file: read, change, check that nobody wrote it meanwhile, write. Returns the tokens changed;
// on a skip, `skipped` is set and the file is as it was.
std::size_t applyToFile(const std::string& file, const FileApplier& applier,
                        const std::set<std::string, std::less<>>* ids, const FileStamp* expected, bool dryRun,
                        std::optional<CorpusSkippedFile>& skipped)
{
    const FileStamp before = fileStamp(file);
    if (before.known && expected && before != *expected) {
        skipped = skippedFile(file, kApplyFileChanged);
        return 0;
    }
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    if (!doc.openDocument(file)) {
        const bool empty = before.known && before.size == 0;
        skipped = skippedFile(file, empty ? kCorpusEmptyFile : kCorpusInvalidFile, empty ? "" : prompter.lastText());
        return 0;
    }
    const std::size_t changed = applier.apply(doc, ids);
    if (changed == 0 || dryRun)
        return changed;
    if (fileStamp(file) != before) {
        skipped = skippedFile(file, kApplyFileChanged);
        return 0;
    }
    std::string failure;
    if (!doc.trySave(file, &failure)) {
        skipped = skippedFile(file, kApplyFileNotSaved, failure);
        return 0;
    }
    return changed;
}

}  // namespace

std::size_t applyAnalysisToText(CPelmoraDoc& doc, const std::string& file, const AnalysisToApply& analysis)
{
    const PreparedAnalysis values = prepare(analysis);
    if (!doc.hasText() || values.lemma.empty() || values.key.empty())
        return 0;
    std::set<std::string, std::less<>> ids;
    const std::string normal = normalFile(file);
    for (const TokenPlace& place : analysis.tokens)
        if (normalFile(place.file) == normal)
            ids.insert(place.id);
    if (!analysis.tokens.empty() && ids.empty())
        return 0;
    const FileApplier applier(analysis, values);
    const std::set<std::string, std::less<>>* named = analysis.tokens.empty() ? nullptr : &ids;
    if (analysis.dryRun)
        return applier.count(doc, named);
    std::size_t changed = 0;
    {
        CPelmoraDoc::ChangeGroup group(doc, step::kApplyAnalysis);
        changed = applier.apply(doc, named);
    }
    if (changed > 0)
        doc.updateAllViews();
    return changed;
}

ApplyAnalysisResult applyAnalysis(const std::vector<std::string>& paths, const AnalysisToApply& analysis,
                                  const std::map<std::string, FileStamp>& expected, const CorpusProgress& progress)
{
    ApplyAnalysisResult result;
    const PreparedAnalysis values = prepare(analysis);
    if (values.lemma.empty()) {
        result.refused = kApplyNoLemma;
        return result;
    }
    if (values.key.empty()) {
        result.refused = kApplyNoKey;
        return result;
    }
    // The named tokens by file, the file's path made comparable with the listed ones.
    std::map<std::string, std::set<std::string, std::less<>>> named;
    for (const TokenPlace& place : analysis.tokens)
        named[normalFile(place.file)].insert(place.id);

    const FileApplier applier(analysis, values);
    const std::vector<std::string> files = withoutRepeatedFiles(expandCorpusPaths(paths));
    for (std::size_t done = 0; done < files.size(); ++done) {
        const std::string& file = files[done];
        const auto ids = named.find(normalFile(file));
        if (analysis.tokens.empty() || ids != named.end()) {
            const auto stamp = expected.find(file);
            std::optional<CorpusSkippedFile> skipped;
            const std::size_t changed =
                applyToFile(file, applier, ids != named.end() ? &ids->second : nullptr,
                            stamp != expected.end() ? &stamp->second : nullptr, analysis.dryRun, skipped);
            if (skipped) {
                result.skipped.push_back(std::move(*skipped));
            } else if (changed > 0) {
                result.changed.push_back({file, changed});
                result.tokens += changed;
            }
        }
        if (progress && !progress(done + 1, files.size())) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

}  // namespace pelmora
