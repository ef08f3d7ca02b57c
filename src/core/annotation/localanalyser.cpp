#include "annotation/localanalyser.h"

#include "common/files.h"
#include "common/normalisation.h"
#include "common/prompter.h"
#include "common/strings.h"
#include "settings/settings.h"

#include <hfst/HfstInputStream.h>
#include <hfst/HfstOutputStream.h>
#include <hfst/HfstTransducer.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace pelmora {

namespace {

bool hfstTypeOf(std::string_view name, hfst::ImplementationType& type)
{
    static const std::pair<std::string_view, hfst::ImplementationType> kTypes[] = {
        {"TROPICAL_OPENFST", hfst::TROPICAL_OPENFST_TYPE},
        {"LOG_OPENFST", hfst::LOG_OPENFST_TYPE},
        {"FOMA", hfst::FOMA_TYPE},
        {"SFST", hfst::SFST_TYPE},
    };
    for (const auto& [typeName, value] : kTypes) {
        if (name == typeName) {
            type = value;
            return hfst::HfstTransducer::is_implementation_type_available(value);
        }
    }
    return false;
}

// A file in the temporary folder, removed with this object.
class TemporaryFile {
public:
    TemporaryFile()
    {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        std::string name = ((error ? std::filesystem::path("/tmp") : folder) / "pelmora-analyser-XXXXXX").string();
        const int descriptor = mkstemp(name.data());
        if (descriptor >= 0) {
            close(descriptor);
            m_path = std::move(name);
        }
    }
    ~TemporaryFile()
    {
        std::error_code error;
        if (!m_path.empty())
            std::filesystem::remove(m_path, error);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Converts a transducer in another HFST format into the optimized-lookup format through libhfst.
// Some of libhfst's readers and its writer take only file names, so the transducer passes
// through two temporary files, removed at once. "" when libhfst cannot read or convert it.
std::string convertToLookupFormat(std::string_view bytes, hfst::ImplementationType type)
{
    TemporaryFile source;
    TemporaryFile target;
    std::string converted;
    if (source.path().empty() || target.path().empty() || !replaceFileSafely(source.path(), bytes))
        return converted;
    try {
        hfst::HfstInputStream input(source.path());
        if (input.get_type() == type && !input.is_eof()) {
            hfst::HfstTransducer transducer(input);
            transducer.convert(hfst::HFST_OLW_TYPE);
            hfst::HfstOutputStream output(target.path(), hfst::HFST_OLW_TYPE);
            output << transducer;
            output.close();
            readWholeFile(target.path(), converted);
        }
    } catch (...) {
        // libhfst reports what it cannot read with exceptions of its own.
        converted.clear();
    }
    return converted;
}

AnalyserLoad failure(const char* pattern, const std::string& name)
{
    return {nullptr, formatMessage(pattern, name)};
}

AnalyserLoad fromLookupFile(TransducerFile file, const std::string& name)
{
    auto analyser = std::make_shared<LocalAnalyser>(std::move(file.tables));
    if (analyser->lookup().readsTags())
        return failure(kAnalyserGenerator, name);
    return {std::move(analyser), {}};
}

}  // namespace

LocalAnalyser::LocalAnalyser(LookupTables tables) : m_lookup(std::move(tables)) {}

AnalyserLoad LocalAnalyser::load(const std::string& path)
{
    if (!pathExists(path))
        return failure(kAnalyserFileMissing, path);
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return failure(kAnalyserFileUnreadable, path);
    return fromBytes(bytes, path);
}

AnalyserLoad LocalAnalyser::fromBytes(std::string_view bytes, const std::string& name)
{
    TransducerFile file = readTransducerFile(bytes);
    switch (file.kind) {
    case TransducerFileKind::OptimizedLookup:
        return fromLookupFile(std::move(file), name);
    case TransducerFileKind::NotTransducer:
        return failure(kAnalyserNotTransducer, name);
    case TransducerFileKind::Damaged:
        return failure(kAnalyserDamaged, name);
    case TransducerFileKind::OtherFormat:
        break;
    }
    hfst::ImplementationType type = hfst::ERROR_TYPE;
    const std::string converted = hfstTypeOf(file.type, type) ? convertToLookupFormat(bytes, type) : std::string();
    TransducerFile lookupFile = readTransducerFile(converted);
    if (lookupFile.kind != TransducerFileKind::OptimizedLookup) {
        if (hfstTypeOf(file.type, type))
            return failure(kAnalyserDamaged, name);
        return {nullptr, formatText(kAnalyserOtherFormat, {name, file.type, name})};
    }
    return fromLookupFile(std::move(lookupFile), name);
}

std::vector<std::string> LocalAnalyser::analysisStrings(std::string_view word) const
{
    std::vector<std::string> strings;
    for (TransducerLookup::Analysis& analysis : m_lookup.lookUp(word))
        strings.push_back(std::move(analysis.text));
    return strings;
}

std::vector<AnalysisReading> LocalAnalyser::readWord(std::string_view word) const
{
    std::vector<std::string> unknown;
    std::vector<AnalysisReading> readings = readAnalyses(analysisStrings(word), &unknown);
    if (!unknown.empty()) {
        const std::lock_guard<std::mutex> lock(m_tagMutex);
        for (const std::string& tag : unknown)
            if (m_unknownTags.insert(tag).second && m_tagLog)
                m_tagLog(tag);
    }
    return readings;
}

std::vector<AnalysisReading> LocalAnalyser::analyse(std::string_view word) const
{
    std::string storage;
    const std::string_view nfc = nfcView(word, storage);
    std::vector<AnalysisReading> readings = readWord(nfc);
    const bool onlyAcronyms = !readings.empty() && std::all_of(readings.begin(), readings.end(),
                                                                [](const AnalysisReading& r) { return r.acronym; });
    if (!readings.empty() && !(onlyAcronyms && codePointCount(nfc) > 3))
        return readings;

    std::vector<AnalysisReading> retried;
    std::vector<std::string> variants;
    for (std::string variant : {toTitleUnicode(nfc), toLowerUnicode(nfc)})
        if (variant != nfc && std::find(variants.begin(), variants.end(), variant) == variants.end())
            variants.push_back(std::move(variant));
    for (const std::string& variant : variants) {
        for (AnalysisReading& reading : readWord(variant))
            if (std::find(retried.begin(), retried.end(), reading) == retried.end())
                retried.push_back(std::move(reading));
    }
    for (AnalysisReading& reading : readings)
        if (std::find(retried.begin(), retried.end(), reading) == retried.end())
            retried.push_back(std::move(reading));
    return retried;
}

std::vector<std::string> LocalAnalyser::unknownTags() const
{
    const std::lock_guard<std::mutex> lock(m_tagMutex);
    return {m_unknownTags.begin(), m_unknownTags.end()};
}

// --- LocalAnalyserHolder ---------------------------------------------------------------------------

void LocalAnalyserHolder::settingsConfirmed(const Settings& settings)
{
    setPath(settings.analyserFile);
}

void LocalAnalyserHolder::setPath(const std::string& path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_loaded = false;
    m_loading = false;
    m_messageShown = false;
    m_load = {};
}

void LocalAnalyserHolder::adopt(const std::string& path, AnalyserLoad load)
{
    if (path != m_path)
        return;
    if (load.analyser && m_tagLog)
        load.analyser->setTagLog(m_tagLog);
    m_load = std::move(load);
    m_loaded = true;
    m_loading = false;
}

std::shared_ptr<const LocalAnalyser> LocalAnalyserHolder::analyser(Prompter& prompter)
{
    if (m_path.empty() || (m_loading && !m_loaded))
        return nullptr;
    if (!m_loaded)
        adopt(m_path, LocalAnalyser::load(m_path));
    if (!m_load.analyser && !m_messageShown) {
        m_messageShown = true;
        prompter.error(m_load.message);
    }
    return m_load.analyser;
}

}  // namespace pelmora
