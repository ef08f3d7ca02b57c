// The local analyser: a finite-state transducer the user chose (HFST's ".hfstol"), loaded once and
// asked for the analyses of a word without the network.
#pragma once

#include "annotation/analysisreading.h"
#include "annotation/transducerlookup.h"
#include "common/translation.h"

#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class Prompter;
struct Settings;

// The messages of a transducer that cannot be used (caption "Viga"); "%s" is the file's path.
inline constexpr const char* kAnalyserFileMissing = QT_TRANSLATE_NOOP("core", "Analüsaatori faili %s ei leitud.");
inline constexpr const char* kAnalyserFileUnreadable =
    QT_TRANSLATE_NOOP("core", "Analüsaatori faili %s ei saa lugeda.");
inline constexpr const char* kAnalyserNotTransducer =
    QT_TRANSLATE_NOOP("core", "Fail %s ei ole HFST-i analüsaator (lõplik muundur, näiteks .hfstol).");
inline constexpr const char* kAnalyserDamaged =
    QT_TRANSLATE_NOOP("core", "Analüsaatori fail %s on vigane või poolik.");
inline constexpr const char* kAnalyserGenerator =
    QT_TRANSLATE_NOOP("core", "Fail %s on sõnavormide generaator, mitte analüsaator: vali analüsaatori fail.");
// Told once per tag that no table knows; "%s" is the tag with its "+".
inline constexpr const char* kAnalyserUnknownTag =
    QT_TRANSLATE_NOOP("core", "Analüsaatori märgend %s on tundmatu ja jäetakse vahele.");
// The file, its format's name, and the file again in the way to convert it.
inline constexpr const char* kAnalyserOtherFormat =
    QT_TRANSLATE_NOOP("core", "Analüsaatori %s vormingut ei saa kasutada: %s. Teisenda see optimeeritud otsingu "
                              "vormingusse: hfst-fst2fst -O -i %s -o analüsaator.hfstol");

class LocalAnalyser;

// The outcome of loading: the analyser, or null and the message that says why not.
struct AnalyserLoad {
    std::shared_ptr<LocalAnalyser> analyser;
    std::string message;
};

class LocalAnalyser {
public:
    explicit LocalAnalyser(LookupTables tables);

    // Loads the transducer at the path: HFST's optimized-lookup format directly, another HFST
    // format (OpenFst, foma, SFST) through libhfst's conversion. Never throws; a missing or
    // unreadable file, a file that is not a transducer, a damaged one, a generator and a format
    // libhfst cannot convert give a message instead. Touches nothing shared: any thread may load.
    static AnalyserLoad load(const std::string& path);
    // The same for the bytes of a file; `name` stands in the message.
    static AnalyserLoad fromBytes(std::string_view bytes, const std::string& name);

    // The transducer's own analysis strings for the word as given, best first.
    std::vector<std::string> analysisStrings(std::string_view word) const;

    // The analyses of a word read into the program's vocabulary (see readAnalyses), in the
    // transducer's order. The word is taken in NFC. When it gets no analysis, or only acronym
    // analyses while it is longer than three letters, it is tried again in title case and in
    // lower case ("KALĀ" gives the analyses of "kalā"); the acronym analyses then come last.
    // Tags no table knows are told to the tag log, each once. Safe from several threads.
    std::vector<AnalysisReading> analyse(std::string_view word) const;

    // Where unknown tags are told ("" until set: nowhere). Set it before sharing the analyser.
    using TagLog = std::function<void(const std::string& tag)>;
    void setTagLog(TagLog log) { m_tagLog = std::move(log); }
    // The unknown tags met so far, sorted.
    std::vector<std::string> unknownTags() const;

    const TransducerLookup& lookup() const { return m_lookup; }

private:
    std::vector<AnalysisReading> readWord(std::string_view word) const;

    TransducerLookup m_lookup;
    TagLog m_tagLog;
    mutable std::mutex m_tagMutex;
    mutable std::set<std::string> m_unknownTags;
};

// Keeps the analyser that the setting `AnalyserFile` names: loaded once, kept while the setting
// stays the same, and a failure told once, not at every token.
class LocalAnalyserHolder {
public:
    // Takes the path from confirmed settings; a changed path drops the analyser and its message.
    void settingsConfirmed(const Settings& settings);
    void setPath(const std::string& path);
    const std::string& path() const { return m_path; }

    // True while the analyser for the path has not been loaded (nor its loading failed): the
    // window may then load it on a worker thread with LocalAnalyser::load and hand it in.
    bool needsLoading() const { return !m_path.empty() && !m_loaded; }
    // The window started loading the present path on a worker thread: until it hands the load in,
    // analyser() gives null instead of loading the file a second time on the caller's thread.
    void markLoading() { m_loading = needsLoading(); }
    bool isLoading() const { return m_loading; }
    // Takes a load made elsewhere; ignored when it was made for another path than the present one.
    void adopt(const std::string& path, AnalyserLoad load);

    // The analyser for the path, loading it here when nobody did. Null for an empty path, while
    // it loads elsewhere, and after a failed load, whose message is shown (caption "Viga") the
    // first time only.
    std::shared_ptr<const LocalAnalyser> analyser(Prompter& prompter);

    // Where the analysers it loads tell unknown tags.
    void setTagLog(LocalAnalyser::TagLog log) { m_tagLog = std::move(log); }

private:
    std::string m_path;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_messageShown = false;
    AnalyserLoad m_load;
    LocalAnalyser::TagLog m_tagLog;
};

}  // namespace pelmora
