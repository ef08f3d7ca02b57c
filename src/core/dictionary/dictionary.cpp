#include "dictionary/dictionary.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr const char* kQuestionTitle = "Pelmora";
constexpr const char* kNoPathMessage = "Sisesta sõnastikufaili nimi.";
constexpr const char* kCreateQuestion = "Ei leia faili %s. Kas loon uue sõnastiku?";
constexpr const char* kCannotOpenMessage = "Ei saa avada/luua faili %s.\nVali uus fail.";
constexpr const char* kNotDictionaryMessage = "Fail %s pole sõnastik.\nEi saa seda faili avada.\nVali uus fail.";
constexpr const char* kRefusedMessage = "Fail %s pole sõnastik.\nMuudatust ei tehtud.";
constexpr const char* kLockedMessage = "Sõnastikku %s muudab praegu teine kasutaja.\nMuudatust ei tehtud.";
constexpr const char* kSaveFailedMessage = "Viga faili %s salvestamisel.";
constexpr std::size_t kCompletionCount = 20;

constexpr std::string_view kTemplate =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<?xml-stylesheet type=\"text/xsl\" href=\"zobe_sonastik.xsl\"?>\r\n"
    "<pelmora tyyp=\"sonastik\">\r\n"
    "<soned>\r\n"
    "<sone id=\"__\" lemma=\"__\"/>\r\n"
    "</soned>\r\n"
    "<lemmad>\r\n"
    "<lemma id=\"__\" tahendus=\"__\"/>\r\n"
    "\r\n"
    "</lemmad>\r\n"
    "<yhendid>\r\n"
    "<yhend id=\"__\" ytahendus=\"__\"/>\r\n"
    "\r\n"
    "</yhendid></pelmora>";

const char* const kOnlyOneMessages[] = {
    "Sõnastikus on ainult üks sõne,\nei saa seda kustutada",
    "Sõnastikus on ainult üks lemma,\nei saa seda kustutada",
    "Sõnastikus on ainult üks ühend,\nei saa seda kustutada",
};

}  // namespace

const std::vector<const char*>& identifyingAttributes(DictSection section)
{
    static const std::vector<const char*> wordForm{dict::kFormLemma, dict::kForm};
    static const std::vector<const char*> lemma{dict::kMeaning, dict::kPartOfSpeech, dict::kLatvian, dict::kEnglish};
    static const std::vector<const char*> combination{dict::kCombinationMeaning, dict::kCombinationPartOfSpeech};
    switch (section) {
    case DictSection::WordForms: return wordForm;
    case DictSection::Lemmas: return lemma;
    case DictSection::Combinations: break;
    }
    return combination;
}

namespace {

// Sets an attribute, or removes it for an empty value (an empty value is never stored).
void setOrRemove(XmlNode node, const char* name, std::string_view value)
{
    if (value.empty())
        removeAttribute(node, name);
    else
        setAttribute(node, name, value);
}

void raiseWeight(XmlNode analysis)
{
    if (pugi::xml_attribute weight = analysis.attribute(dict::kWeight)) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, leadingInteger(weight.value()) + 1).ptr;
        weight.set_value(digits, static_cast<std::size_t>(end - digits));
        return;
    }
    setAttribute(analysis, dict::kWeight, "1");
}

// The values of several attributes, read in one pass over the node's attributes ("" when absent).
template <std::size_t N>
std::array<std::string_view, N> readAttributes(XmlNode node, const std::array<const char*, N>& names)
{
    std::array<std::string_view, N> values{};
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        for (std::size_t i = 0; i < N; ++i) {
            if (name[0] == names[i][0] && std::strcmp(name, names[i]) == 0) {
                values[i] = attribute.value();
                break;
            }
        }
    }
    return values;
}

constexpr std::array<const char*, 2> kFormAttributes{dict::kFormLemma, dict::kForm};
constexpr std::array<const char*, 4> kLemmaAttributes{dict::kMeaning, dict::kPartOfSpeech, dict::kLatvian,
                                                      dict::kEnglish};

XmlNode newAnalysis(XmlNode parent, const char* name, std::string_view id)
{
    XmlNode node = parent.append_child(name);
    setAttribute(node, dict::kId, id);
    return node;
}

// Reads a whole file through one descriptor and stamps exactly the version that was read.
enum class ReadStatus { Ok, Missing, Unreadable };
ReadStatus readStamped(const std::string& path, std::string& bytes, FileStamp& stamp)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    const FileStamp before = fileStamp(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return ReadStatus::Unreadable;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    const FileStamp after = fileStamp(fd);
    ::close(fd);
    // A file rewritten in place while we read it gets no stamp, so the next change reloads it.
    stamp = before == after ? before : FileStamp{};
    return ReadStatus::Ok;
}

// The digest of the file's bytes, read through one descriptor, when the version read has the
// stamp; unknown otherwise (also when it changed during the read).
ContentDigest digestOfVersion(const std::string& path, const FileStamp& stamp)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    ContentDigester digester;
    bool ok = fileStamp(fd) == stamp;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0 && fileStamp(fd) == stamp;
            break;
        }
        digester.add(std::string_view(buffer, static_cast<std::size_t>(got)));
    }
    ::close(fd);
    return ok ? digester.digest() : ContentDigest{};
}

// Creates a file holding the template; an existing file is never touched.
bool createTemplateFile(const std::string& path, bool existingIsFine)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return existingIsFine && errno == EEXIST;
    std::string_view rest = kTemplate;
    while (!rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ::close(fd);
            ::unlink(path.c_str());
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    const bool ok = ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) {
        ::unlink(path.c_str());
        return false;
    }
    return true;
}

// The length of the common start of two texts in UTF-16 code units, and its length in bytes.
struct CommonPrefix {
    std::size_t units = 0;
    std::size_t bytes = 0;
    std::size_t lastCharBytes = 0;  // byte length of the last common character
};

CommonPrefix commonPrefix(std::string_view a, std::string_view b)
{
    CommonPrefix common;
    std::size_t ia = 0;
    std::size_t ib = 0;
    while (ia < a.size() && ib < b.size()) {
        const std::size_t startA = ia;
        const char32_t ca = decodeUtf8(a, ia);
        const char32_t cb = decodeUtf8(b, ib);
        if (ca != cb || ia != ib)
            break;
        common.units += ca > 0xFFFF ? 2 : 1;
        common.bytes = ia;
        common.lastCharBytes = ia - startA;
    }
    return common;
}

std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();)
        units += decodeUtf8(text, i) > 0xFFFF ? 2 : 1;
    return units;
}

// An empty tail always matches; another must be one of the blank-separated endings.
bool isEnding(std::string_view tail, std::string_view endings)
{
    if (tail.empty())
        return true;
    std::string framed;
    framed.reserve(tail.size() + 2);
    framed.append(" ").append(tail).append(" ");
    return endings.find(framed) != std::string_view::npos;
}

// True when the neighbour's id differs from the key only by endings, tested at the common
// prefix length and one code unit shorter.
enum class Similarity { Stop, Similar, Different };
Similarity similarity(std::string_view key, std::string_view id, std::string_view endings)
{
    const CommonPrefix common = commonPrefix(key, id);
    if (std::min(utf16Length(key), utf16Length(id)) == 0 || common.units < 2)
        return Similarity::Stop;
    if (isEnding(key.substr(common.bytes), endings) && isEnding(id.substr(common.bytes), endings))
        return Similarity::Similar;
    const std::size_t shorter = common.bytes - common.lastCharBytes;
    if (isEnding(key.substr(shorter), endings) && isEnding(id.substr(shorter), endings))
        return Similarity::Similar;
    return Similarity::Different;
}

}  // namespace

const char* sectionName(DictSection section)
{
    switch (section) {
    case DictSection::WordForms: return dict::kWordForms;
    case DictSection::Lemmas: return dict::kLemmas;
    case DictSection::Combinations: break;
    }
    return dict::kCombinations;
}

const char* entryName(DictSection section)
{
    switch (section) {
    case DictSection::WordForms: return dict::kWordForm;
    case DictSection::Lemmas: return dict::kLemma;
    case DictSection::Combinations: break;
    }
    return dict::kCombination;
}

bool sectionFromName(std::string_view name, DictSection& section)
{
    for (DictSection s : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations}) {
        if (name == sectionName(s)) {
            section = s;
            return true;
        }
    }
    return false;
}

const std::vector<const char*>& sectionAttributes(DictSection section)
{
    static const std::vector<const char*> wordForm{dict::kId, dict::kFormLemma, dict::kForm, dict::kWeight};
    static const std::vector<const char*> lemma{dict::kId,      dict::kMeaning, dict::kPartOfSpeech,
                                                dict::kLatvian, dict::kEnglish, dict::kWeight};
    static const std::vector<const char*> combination{dict::kId, dict::kCombinationMeaning,
                                                      dict::kCombinationPartOfSpeech};
    switch (section) {
    case DictSection::WordForms: return wordForm;
    case DictSection::Lemmas: return lemma;
    case DictSection::Combinations: break;
    }
    return combination;
}

std::string_view dictionaryTemplate() { return kTemplate; }

bool createDictionaryFile(const std::string& path) { return createTemplateFile(path, false); }

bool isDictionaryFile(const std::string& path)
{
    XmlDocument xml;
    return xml.load(path) && isElement(xml.root(), dict::kRoot) &&
           attributeValue(xml.root(), dict::kType) == dict::kTypeValue;
}

long long analysisWeight(XmlNode analysis) { return leadingInteger(attributeValue(analysis, dict::kWeight)); }

bool CDictionary::OrdinalLess::operator()(std::string_view a, std::string_view b) const
{
    return compareOrdinal(a, b) < 0;
}

bool CDictionary::Index::holdsId(std::string_view key, std::string_view id) const
{
    if (attributeValue(exact.find(key), dict::kId) == id)
        return true;
    const auto [from, to] = variants.equal_range(key);
    return std::any_of(from, to, [id](const auto& variant) { return attributeValue(variant.second, dict::kId) == id; });
}

std::string_view CDictionary::Index::keyOf(std::string_view id)
{
    if (isNfc(id))
        return id;
    return normalIds.emplace_back(toNfc(id));
}

CDictionary::CDictionary(Prompter& prompter) : m_prompter(prompter) {}

// --- Open and save -----------------------------------------------------------------------------

bool CDictionary::openWithPath(const std::string& path)
{
    m_path = path;
    m_stamp = {};
    return reopen();
}

void CDictionary::chooseAnother(ChooseReason reason)
{
    if (m_chooseAnother)
        m_chooseAnother(*this, reason);
}

void CDictionary::invalidate()
{
    m_valid = false;
    m_stamp = {};
    m_digest = {};
    for (std::size_t s = 0; s < 3; ++s) {
        m_index[s].clear();
        m_unsettled[s].clear();
        m_sections[s] = XmlNode();
        m_current[s] = XmlNode();
    }
}

CDictionary::LoadOutcome CDictionary::loadFile()
{
    std::string bytes;
    FileStamp stamp;
    const ReadStatus status = readStamped(m_path, bytes, stamp);
    if (status == ReadStatus::Missing)
        return LoadOutcome::Missing;
    if (status == ReadStatus::Unreadable)
        return LoadOutcome::Unreadable;
    const XmlLoadResult parsed = m_xml.loadFromBuffer(bytes);
    if (!parsed)
        return LoadOutcome::NotXml;
    m_stamp = stamp;
    m_digest = contentDigest(bytes);
    return LoadOutcome::Loaded;
}

bool CDictionary::reopen()
{
    invalidate();
    if (trimBlanks(m_path).empty()) {
        m_prompter.message(MessageKind::Plain, "", kNoPathMessage);
        chooseAnother(ChooseReason::NoPath);
        if (trimBlanks(m_path).empty())
            return false;
    }

    const auto start = std::chrono::steady_clock::now();
    LoadOutcome outcome = loadFile();
    if (outcome == LoadOutcome::Missing) {
        if (!m_prompter.askYesNo(kQuestionTitle, formatMessage(kCreateQuestion, m_path))) {
            chooseAnother(ChooseReason::Failed);
            return false;
        }
        // Someone else may have created it meanwhile: then load theirs.
        outcome = createTemplateFile(m_path, true) ? loadFile() : LoadOutcome::Unreadable;
        if (outcome == LoadOutcome::Missing)
            outcome = LoadOutcome::Unreadable;
    }
    if (outcome == LoadOutcome::Unreadable) {
        m_prompter.error(formatMessage(kCannotOpenMessage, m_path));
        chooseAnother(ChooseReason::Failed);
        return false;
    }
    // A file that exists but is not XML is someone's file: refuse it, never write over it.
    const bool valid = outcome == LoadOutcome::Loaded && validateAndIndex();
    m_timings.load += std::chrono::steady_clock::now() - start;
    if (!valid) {
        invalidate();
        m_prompter.error(formatMessage(kNotDictionaryMessage, m_path));
        chooseAnother(ChooseReason::Failed);
        return false;
    }
    return true;
}

bool CDictionary::validateAndIndex()
{
    const XmlNode root = m_xml.root();
    if (!isElement(root, dict::kRoot))
        return false;
    for (DictSection s : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations}) {
        m_sections[index(s)] = firstChildElement(root, sectionName(s));
        if (!m_sections[index(s)])
            return false;
    }
    for (DictSection s : {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations}) {
        const XmlNode first = firstChildElement(m_sections[index(s)], entryName(s));
        if (!first)
            return false;
        Index& entries = m_index[index(s)];
        // A sorted file appends at the end every time; the hint makes that constant time. Of
        // duplicate ids (a hand-edited file) the first entry is the one found.
        for (XmlNode entry = first; entry; entry = nextSiblingElement(entry, entryName(s))) {
            const std::string_view id = attributeValue(entry, dict::kId);
            const std::string_view key = entries.keyOf(id);
            if (entries.exact.insert(key, entry))
                entries.ordered.emplace_hint(entries.ordered.end(), key, entry);
            else if (entries.holdsId(key, id))
                entries.shadowed.push_back(entry);
            else
                entries.variants.emplace(key, entry);
        }
        m_current[index(s)] = first;
    }
    m_valid = true;
    return true;
}

bool CDictionary::saveFile()
{
    settleNewEntries();
    const auto start = std::chrono::steady_clock::now();
    std::string error;
    // The digest of the bytes written lets the next change check tell a later writer's version
    // from ours even when it has our stamp.
    ContentDigester written;
    const bool ok = m_xml.save(m_path, &error, [&written](std::string_view run) { written.add(run); });
    m_timings.save += std::chrono::steady_clock::now() - start;
    if (!ok) {
        m_prompter.error(formatMessage(kSaveFailedMessage, m_path));
        return false;
    }
    m_stamp = fileStamp(m_path);
    m_digest = written.digest();
    m_unsaved.clear();
    return true;
}

bool CDictionary::save()
{
    if (!m_valid) {
        m_prompter.error(formatMessage(kRefusedMessage, m_path));
        return false;
    }
    return saveFile();
}

bool CDictionary::changeCheck()
{
    // An equal stamp does not prove that nobody rewrote the file since our load or save (an
    // inode freed and taken again within one clock tick, a rewrite in place with its time set
    // back), equal bytes do. Reading a few megabytes is cheap beside the save that follows.
    if (m_stamp.known && m_digest.known() && fileStamp(m_path) == m_stamp) {
        const auto start = std::chrono::steady_clock::now();
        const bool same = digestOfVersion(m_path, m_stamp) == m_digest;
        m_timings.load += std::chrono::steady_clock::now() - start;
        if (same)
            return false;
    }
    // Changes that never reached the file are made again on the reloaded tree.
    const std::vector<Change> unsaved = unpack(m_unsaved);
    m_unsaved.clear();
    if (reopen()) {
        for (const Change& change : unsaved)
            if (apply(change))
                pack(m_unsaved, change);
    }
    return true;
}

void CDictionary::pack(std::string& log, const Change& change)
{
    // One growth of the log per change: a bulk addition logs hundreds of thousands.
    std::size_t size = 2;
    for (const std::string& value : change.values)
        size += value.size() + 1;
    const std::size_t start = log.size();
    log.resize(start + size);
    char* out = log.data() + start;
    *out++ = static_cast<char>('0' + static_cast<int>(change.kind));
    *out++ = static_cast<char>('0' + static_cast<int>(change.direction));
    for (const std::string& value : change.values) {
        out = std::copy(value.begin(), value.end(), out);
        *out++ = '\0';  // XML text never holds a zero byte
    }
}

std::vector<CDictionary::Change> CDictionary::unpack(std::string_view log)
{
    std::vector<Change> changes;
    while (log.size() >= 2) {
        Change change{static_cast<Change::Kind>(log[0] - '0'), {}, static_cast<Direction>(log[1] - '0')};
        log.remove_prefix(2);
        for (std::string& value : change.values) {
            const std::size_t end = log.find('\0');
            value = std::string(log.substr(0, end));
            log.remove_prefix(end == std::string_view::npos ? log.size() : end + 1);
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

ChangeResult CDictionary::checkAndReload()
{
    ChangeResult result;
    if (!m_lock.held() && m_lock.acquire(m_path, m_lockWait) == DictionaryLock::Status::GaveUp) {
        m_prompter.error(formatMessage(kLockedMessage, m_path));
        return result;
    }
    result.changed = changeCheck();
    result.applied = m_valid;
    if (!m_valid) {
        m_prompter.error(formatMessage(kRefusedMessage, m_path));
        m_lock.release();
    }
    return result;
}

bool CDictionary::saveAndStamp()
{
    const bool ok = save();
    m_lock.release();
    return ok;
}

bool CDictionary::rewriteUnderLock(const std::function<bool(XmlNode root)>& edit)
{
    if (!checkAndReload().applied)
        return false;
    settleNewEntries();
    bool saved = false;
    if (edit(m_xml.root())) {
        for (std::size_t s = 0; s < 3; ++s) {
            m_index[s].clear();
            m_unsettled[s].clear();
        }
        saved = validateAndIndex() && saveFile();
    }
    if (!saved) {
        // The file is as the check found it (the lock was held throughout): load it again.
        m_stamp = {};
        changeCheck();
    }
    m_lock.release();
    return saved;
}

// --- Lookups -----------------------------------------------------------------------------------

XmlNode CDictionary::find(DictSection section, std::string_view id) const
{
    std::string storage;
    return m_index[index(section)].exact.find(nfcView(id, storage));
}

template <typename Visit>
bool CDictionary::visitVariants(DictSection section, std::string_view id, Visit visit) const
{
    const auto& variants = m_index[index(section)].variants;
    if (variants.empty())
        return false;
    std::string storage;
    const char* name = entryName(section);
    const auto [from, to] = variants.equal_range(nfcView(id, storage));
    for (auto it = from; it != to; ++it) {
        if (visit(it->second))
            return true;
        for (XmlNode child = firstChildElement(it->second, name); child; child = nextSiblingElement(child, name))
            if (visit(child))
                return true;
    }
    return false;
}

std::vector<XmlNode> CDictionary::lookUpWordForm(std::string_view key, bool similar, std::string_view endings) const
{
    std::vector<XmlNode> result;
    if (const XmlNode entry = findWordForm(key)) {
        result.push_back(entry);
        const auto take = [&result](XmlNode analysis) {
            if (analysisWeight(result.front()) < analysisWeight(analysis))
                result.insert(result.begin(), analysis);
            else
                result.push_back(analysis);
            return false;
        };
        for (XmlNode child = firstChildElement(entry, dict::kWordForm); child;
             child = nextSiblingElement(child, dict::kWordForm))
            take(child);
        visitVariants(DictSection::WordForms, key, take);
        return result;
    }
    if (!similar)
        return result;

    settleNewEntries();
    const auto& entries = m_index[index(DictSection::WordForms)].ordered;
    const auto found = entries.lower_bound(key);
    const auto take = [&result](XmlNode entry) {
        result.push_back(entry);
        for (XmlNode child = firstChildElement(entry, dict::kWordForm); child;
             child = nextSiblingElement(child, dict::kWordForm))
            result.push_back(child);
    };
    for (auto it = found; it != entries.begin();) {
        --it;
        const Similarity s = similarity(key, it->first, endings);
        if (s == Similarity::Stop)
            break;
        if (s == Similarity::Similar)
            take(it->second);
    }
    for (auto it = found; it != entries.end(); ++it) {
        const Similarity s = similarity(key, it->first, endings);
        if (s == Similarity::Stop)
            break;
        if (s == Similarity::Similar)
            take(it->second);
    }
    return result;
}

std::vector<XmlNode> CDictionary::analyses(DictSection section, std::string_view id) const
{
    std::vector<XmlNode> result;
    const XmlNode entry = find(section, id);
    if (!entry)
        return result;
    result.push_back(entry);
    for (XmlNode child = firstChildElement(entry, entryName(section)); child;
         child = nextSiblingElement(child, entryName(section)))
        result.push_back(child);
    visitVariants(section, id, [&result](XmlNode analysis) {
        result.push_back(analysis);
        return false;
    });
    return result;
}

std::vector<std::string> CDictionary::completeLemma(std::string_view prefix) const
{
    std::vector<std::string> result;
    if (prefix.empty())
        return result;  // every id would begin with it
    std::string storage;
    prefix = nfcView(prefix, storage);
    settleNewEntries();
    const auto& entries = m_index[index(DictSection::Lemmas)].ordered;
    // Ids that begin with the prefix and are longer sort right after it, all together.
    for (auto it = entries.upper_bound(prefix);
         it != entries.end() && result.size() < kCompletionCount && it->first.starts_with(prefix); ++it)
        result.emplace_back(it->first);
    return result;
}

std::size_t CDictionary::entryCount(DictSection section) const
{
    settleNewEntries();
    return m_index[index(section)].ordered.size();
}

std::size_t CDictionary::analysisCount(DictSection section) const
{
    std::size_t count = 0;
    for (XmlNode entry = firstEntry(section); entry; entry = nextEntry(entry))
        ++count;
    return count;
}

// --- Changes -----------------------------------------------------------------------------------

ChangeResult CDictionary::storeWordForm(std::string_view surface, std::string_view lemma, std::string_view form,
                                        bool bulk)
{
    const std::string key = surface.empty() || lemma.empty() ? std::string() : MakeWordFormKey(surface);
    return store({DictSection::WordForms, {surface, lemma, form, {}, {}}}, key, bulk);
}

ChangeResult CDictionary::storeLemma(std::string_view lemma, std::string_view meaning, std::string_view partOfSpeech,
                                     std::string_view latvian, std::string_view english, bool bulk)
{
    return store({DictSection::Lemmas, {lemma, meaning, partOfSpeech, latvian, english}}, {}, bulk);
}

ChangeResult CDictionary::storeCombination(std::string_view id, std::string_view meaning,
                                           std::string_view partOfSpeech, bool bulk)
{
    return store({DictSection::Combinations, {id, meaning, partOfSpeech, {}, {}}}, {}, bulk);
}

ChangeResult CDictionary::store(const StoreRequest& request, std::string_view key, bool bulk)
{
    Change fresh;
    Change& change = bulk ? m_bulkChange : fresh;
    if (!changeOf(request, key, change))
        return {};
    return runChange(change, bulk);
}

bool CDictionary::changeOf(const StoreRequest& request, std::string_view key, Change& change)
{
    const auto& v = request.values;
    std::array<std::string_view, 5> values = v;
    switch (request.section) {
    case DictSection::WordForms:
        // A surface made only of markup gives an empty key: nothing to store under.
        if (v[0].empty() || v[1].empty() || key.empty())
            return false;
        change.kind = Change::Kind::StoreWordForm;
        values = {v[0], v[1], v[2], key, {}};
        break;
    case DictSection::Lemmas:
        if (v[0].empty() || (v[1].empty() && v[2].empty() && v[3].empty() && v[4].empty()))
            return false;
        change.kind = Change::Kind::StoreLemma;
        break;
    case DictSection::Combinations:
        if (v[0].empty() || (v[1].empty() && (v[2].empty() || v[2] == "-")))
            return false;
        change.kind = Change::Kind::StoreCombination;
        values = {v[0], v[1], v[2], {}, {}};
        break;
    }
    setChange(change, change.kind, values, Direction::Forward);
    // What is stored is stored in the normal form (the key is in it already).
    for (std::string& value : change.values)
        normaliseInPlace(value);
    return true;
}

bool CDictionary::reloadIfChanged()
{
    bool ownLock = false;
    if (!m_lock.held()) {
        const DictionaryLock::Status status = m_lock.acquire(m_path, m_lockWait);
        if (status == DictionaryLock::Status::GaveUp)
            return false;  // the tree as last loaded still serves
        ownLock = status == DictionaryLock::Status::Held;
    }
    const bool changed = changeCheck();
    if (ownLock)
        m_lock.release();
    return changed;
}

bool CDictionary::addInBulk(const StoreSource& stores, const BulkProgress& progress)
{
    if (!checkAndReload().applied)
        return false;
    const std::size_t count = stores.size();
    // About two hundred reports over the run, and one at its end.
    const std::size_t reportEvery = std::max<std::size_t>(64, count / 200);
    const auto stopped = [&](std::size_t done) { return progress && !progress(done, count); };
    if (stopped(0)) {
        m_lock.release();
        return false;
    }
    // The stores some way ahead, with their ids (word-form keys made once) and hashes: the slot
    // of one is fetched from memory, and the entry of one half as far, while this one is made.
    constexpr std::size_t kAhead = 16;
    struct Ahead {
        StoreRequest request;
        std::string key;
        std::string_view id;
        std::uint32_t hash = 0;
    };
    std::array<Ahead, kAhead> ahead;
    const auto fetchSlot = [&](std::size_t i) {
        Ahead& a = ahead[i % kAhead];
        a.request = stores.request(i);
        const StoreRequest& r = a.request;
        if (r.section == DictSection::WordForms) {
            a.key = !r.values[0].empty() && !r.values[1].empty() ? MakeWordFormKey(r.values[0]) : std::string();
            a.id = a.key;
        } else {
            a.id = r.values[0];
        }
        const IdTable& table = m_index[index(r.section)].exact;
        a.hash = IdTable::hashOf(a.id);
        table.prefetchSlot(a.hash);
    };
    const auto fetchEntry = [&](std::size_t i) {
        const Ahead& a = ahead[i % kAhead];
        m_index[index(a.request.section)].exact.prefetchEntry(a.id, a.hash);
    };
    for (std::size_t i = 0; i < std::min(kAhead, count); ++i)
        fetchSlot(i);
    m_deferInserts = true;
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kAhead / 2 < count)
            fetchEntry(i + kAhead / 2);
        const Ahead& a = ahead[i % kAhead];
        if (changeOf(a.request, a.key, m_bulkChange))
            apply(m_bulkChange);
        if (i + kAhead < count)
            fetchSlot(i + kAhead);
        if ((i + 1) % reportEvery == 0 && i + 1 < count && stopped(i + 1))
            return cancelBulk();
    }
    m_deferInserts = false;
    if (stopped(count))
        return cancelBulk();
    if (saveAndStamp())
        return true;
    // Logged only now: a bulk addition that reaches the file needs no log.
    Change change;
    for (std::size_t i = 0; i < count; ++i) {
        const StoreRequest r = stores.request(i);
        const std::string key = r.section == DictSection::WordForms ? MakeWordFormKey(r.values[0]) : std::string();
        if (changeOf(r, key, change))
            pack(m_unsaved, change);
    }
    return false;
}

bool CDictionary::cancelBulk()
{
    m_deferInserts = false;
    // The file is as the check found it (the lock was held throughout): load it again, and make
    // the changes that had not reached it yet once more.
    m_stamp = {};
    changeCheck();
    m_lock.release();
    return false;
}

ChangeResult CDictionary::deleteWordForm(std::string_view id, std::string_view lemma, std::string_view form,
                                         Direction direction)
{
    return request(Change::Kind::DeleteWordForm, {id, lemma, form, {}, {}}, false, direction);
}

ChangeResult CDictionary::deleteLemma(std::string_view id, std::string_view meaning, std::string_view partOfSpeech,
                                      std::string_view latvian, std::string_view english, Direction direction)
{
    return request(Change::Kind::DeleteLemma, {id, meaning, partOfSpeech, latvian, english}, false, direction);
}

ChangeResult CDictionary::deleteCombination(std::string_view id, std::string_view meaning,
                                            std::string_view partOfSpeech, Direction direction)
{
    return request(Change::Kind::DeleteCombination, {id, meaning, partOfSpeech, {}, {}}, false, direction);
}

ChangeResult CDictionary::request(Change::Kind kind, const std::array<std::string_view, 5>& values, bool bulk,
                                  Direction direction)
{
    Change fresh;
    Change& change = bulk ? m_bulkChange : fresh;
    setChange(change, kind, values, direction);
    return runChange(change, bulk);
}

void CDictionary::setChange(Change& change, Change::Kind kind, const std::array<std::string_view, 5>& values,
                            Direction direction)
{
    // The values are copied before anything changes: a caller may pass views into the tree.
    change.kind = kind;
    change.direction = direction;
    for (std::size_t i = 0; i < values.size(); ++i)
        change.values[i].assign(values[i]);
}

ChangeResult CDictionary::runChange(const Change& change, bool bulk)
{
    ChangeResult result;
    bool ownLock = false;
    if (!bulk && !m_lock.held()) {
        const DictionaryLock::Status status = m_lock.acquire(m_path, m_lockWait);
        if (status == DictionaryLock::Status::GaveUp) {
            m_prompter.error(formatMessage(kLockedMessage, m_path));
            return result;
        }
        ownLock = status == DictionaryLock::Status::Held;
    }
    if (!bulk) {
        result.changed = changeCheck();
        settleNewEntries();
    }
    m_deferInserts = bulk;
    if (!m_valid) {
        // Never write a tree that is not a dictionary.
        m_prompter.error(formatMessage(kRefusedMessage, m_path));
    } else if (apply(change)) {
        result.applied = true;
        pack(m_unsaved, change);
        m_deferInserts = false;
        if (!bulk)
            result.saved = saveFile();
    }
    m_deferInserts = false;
    if (ownLock)
        m_lock.release();
    return result;
}

bool CDictionary::apply(const Change& change)
{
    switch (change.kind) {
    case Change::Kind::StoreWordForm: applyStoreWordForm(change); return true;
    case Change::Kind::StoreLemma: applyStoreLemma(change); return true;
    case Change::Kind::StoreCombination: applyStoreCombination(change); return true;
    case Change::Kind::DeleteWordForm:
    case Change::Kind::DeleteLemma:
    case Change::Kind::DeleteCombination: return applyDelete(change);
    }
    return false;
}

XmlNode CDictionary::insertEntry(DictSection section, std::string_view id)
{
    Index& entries = m_index[index(section)];
    if (m_deferInserts) {
        // A bulk store appends; the sorted place is found for all new entries at once later.
        XmlNode entry = m_sections[index(section)].append_child(entryName(section));
        setAttribute(entry, dict::kId, id);
        const std::string_view stored = attributeValue(entry, dict::kId);
        entries.exact.insert(stored, entry);
        m_unsettled[index(section)].push_back({ordinalPrefix(stored), stored, entry});
        return entry;
    }
    const auto next = entries.ordered.lower_bound(id);
    XmlNode sectionNode = m_sections[index(section)];
    XmlNode entry = next == entries.ordered.end() ? sectionNode.append_child(entryName(section))
                                                  : sectionNode.insert_child_before(entryName(section), next->second);
    setAttribute(entry, dict::kId, id);
    const std::string_view stored = attributeValue(entry, dict::kId);
    entries.ordered.emplace_hint(next, stored, entry);
    entries.exact.insert(stored, entry);
    return entry;
}

void CDictionary::applyStoreWordForm(const Change& c)
{
    const std::string& key = c.values[3];
    const std::string& lemma = c.values[1];
    const std::string& form = c.values[2];
    const XmlNode entry = findWordForm(key);
    if (!entry) {
        const XmlNode created = insertEntry(DictSection::WordForms, key);
        setOrRemove(created, dict::kFormLemma, lemma);
        setOrRemove(created, dict::kForm, form);
        setAttribute(created, dict::kWeight, "1");
        return;
    }
    const auto [entryLemma, entryForm] = readAttributes(entry, kFormAttributes);
    const bool sameLemma = sameText(entryLemma, lemma);
    if (sameLemma && sameText(entryForm, form)) {
        raiseWeight(entry);
        return;
    }
    if (sameLemma && entryForm.empty()) {
        setOrRemove(entry, dict::kForm, form);  // the form tag completes the analysis, no new confirmation
        return;
    }
    if (sameLemma && form.empty())
        return;
    const auto confirms = [&](XmlNode child) {
        const auto [childLemma, childForm] = readAttributes(child, kFormAttributes);
        if (!sameText(childLemma, lemma) || !(sameText(childForm, form) || childForm.empty() || form.empty()))
            return false;
        if (!form.empty() && childForm.empty())
            setAttribute(child, dict::kForm, form);
        raiseWeight(child);
        return true;
    };
    for (XmlNode child = firstChildElement(entry, dict::kWordForm); child;
         child = nextSiblingElement(child, dict::kWordForm))
        if (confirms(child))
            return;
    if (visitVariants(DictSection::WordForms, key, confirms))
        return;
    const XmlNode added = newAnalysis(entry, dict::kWordForm, key);
    setOrRemove(added, dict::kFormLemma, lemma);
    setOrRemove(added, dict::kForm, form);
    setAttribute(added, dict::kWeight, "1");
}

void CDictionary::applyStoreLemma(const Change& c)
{
    const std::string& id = c.values[0];
    const std::string& meaning = c.values[1];
    const std::string& partOfSpeech = c.values[2];
    const std::string& latvian = c.values[3];
    const std::string& english = c.values[4];
    const auto setAll = [&](XmlNode node) {
        setOrRemove(node, dict::kMeaning, meaning);
        setOrRemove(node, dict::kPartOfSpeech, partOfSpeech);
        setOrRemove(node, dict::kLatvian, latvian);
        setOrRemove(node, dict::kEnglish, english);
        setAttribute(node, dict::kWeight, "1");
    };
    const XmlNode entry = findLemma(id);
    if (!entry) {
        setAll(insertEntry(DictSection::Lemmas, id));
        return;
    }
    const auto [entryMeaning, entryPartOfSpeech, entryLatvian, entryEnglish] = readAttributes(entry, kLemmaAttributes);
    const bool sameMeaning = sameText(entryMeaning, meaning) && sameText(entryPartOfSpeech, partOfSpeech);
    if (sameMeaning && sameText(entryLatvian, latvian) && sameText(entryEnglish, english)) {
        raiseWeight(entry);
        return;
    }
    if (sameMeaning && (entryLatvian.empty() || entryEnglish.empty())) {
        if (!latvian.empty())
            setAttribute(entry, dict::kLatvian, latvian);
        if (!english.empty())
            setAttribute(entry, dict::kEnglish, english);
        return;
    }
    if (sameMeaning && (latvian.empty() || english.empty()))
        return;
    const auto confirms = [&](XmlNode child) {
        const auto [childMeaning, childPartOfSpeech, childLatvian, childEnglish] = readAttributes(child, kLemmaAttributes);
        if (!sameText(childMeaning, meaning) || !sameText(childPartOfSpeech, partOfSpeech))
            return false;
        if (!((sameText(childLatvian, latvian) && sameText(childEnglish, english)) || childLatvian.empty() ||
              childEnglish.empty() || latvian.empty() || english.empty()))
            return false;
        const bool fillLatvian = !latvian.empty() && childLatvian.empty();
        const bool fillEnglish = !english.empty() && childEnglish.empty();
        raiseWeight(child);
        if (fillLatvian)
            setAttribute(child, dict::kLatvian, latvian);
        if (fillEnglish)
            setAttribute(child, dict::kEnglish, english);
        return true;
    };
    for (XmlNode child = firstChildElement(entry, dict::kLemma); child; child = nextSiblingElement(child, dict::kLemma))
        if (confirms(child))
            return;
    if (visitVariants(DictSection::Lemmas, id, confirms))
        return;
    setAll(newAnalysis(entry, dict::kLemma, id));
}

void CDictionary::applyStoreCombination(const Change& c)
{
    const std::string& id = c.values[0];
    const std::string& meaning = c.values[1];
    const std::string& partOfSpeech = c.values[2];
    const auto same = [&](XmlNode node) {
        return sameText(attributeValue(node, dict::kCombinationMeaning), meaning) &&
               sameText(attributeValue(node, dict::kCombinationPartOfSpeech), partOfSpeech);
    };
    const auto setBoth = [&](XmlNode node) {
        setOrRemove(node, dict::kCombinationMeaning, meaning);
        setOrRemove(node, dict::kCombinationPartOfSpeech, partOfSpeech);
    };
    const XmlNode entry = findCombination(id);
    if (!entry) {
        setBoth(insertEntry(DictSection::Combinations, id));
        return;
    }
    if (same(entry))
        return;
    for (XmlNode child = firstChildElement(entry, dict::kCombination); child;
         child = nextSiblingElement(child, dict::kCombination))
        if (same(child))
            return;
    if (visitVariants(DictSection::Combinations, id, same))
        return;
    setBoth(newAnalysis(entry, dict::kCombination, id));
}

bool CDictionary::applyDelete(const Change& c)
{
    const DictSection section = c.kind == Change::Kind::DeleteWordForm ? DictSection::WordForms
                                : c.kind == Change::Kind::DeleteLemma  ? DictSection::Lemmas
                                                                       : DictSection::Combinations;
    Index& sectionIndex = m_index[index(section)];
    auto& entries = sectionIndex.ordered;
    if (entries.size() < 2) {
        m_prompter.message(MessageKind::Plain, "", kOnlyOneMessages[index(section)]);
        return false;
    }
    const std::string& id = c.values[0];
    const std::vector<const char*>& identifying = identifyingAttributes(section);
    const char* name = entryName(section);
    const auto matches = [&](XmlNode node) {
        for (std::size_t i = 0; i < identifying.size(); ++i)
            if (attributeValue(node, identifying[i]) != c.values[i + 1])
                return false;
        return true;
    };

    std::string storage;
    const std::string_view key = nfcView(id, storage);
    const auto found = entries.find(key);
    if (found != entries.end()) {
        XmlNode entry = found->second;
        // An entry filed under another spelling of the id is deleted from as itself.
        auto variant = sectionIndex.variants.end();
        if (attributeValue(entry, dict::kId) != id) {
            const auto [from, to] = sectionIndex.variants.equal_range(key);
            variant = std::find_if(from, to, [&](const auto& v) { return attributeValue(v.second, dict::kId) == id; });
            if (variant != to)
                entry = variant->second;
            else
                variant = sectionIndex.variants.end();
        }
        const XmlNode firstChild = firstChildElement(entry, name);
        if (matches(entry) && firstChild) {
            // The first alternative takes the entry's place, with its own weight.
            std::vector<const char*> moved = identifying;
            if (section != DictSection::Combinations)
                moved.push_back(dict::kWeight);
            for (const char* attribute : moved)
                setOrRemove(entry, attribute, std::string(attributeValue(firstChild, attribute)));
            entry.remove_child(firstChild);
        } else if (matches(entry) && variant != sectionIndex.variants.end()) {
            sectionIndex.variants.erase(variant);
            m_sections[index(section)].remove_child(entry);
        } else if (matches(entry)) {
            // Out of the index first: its keys view the id inside the entry.
            sectionIndex.exact.erase(found->first);
            entries.erase(found);
            m_sections[index(section)].remove_child(entry);
            promoteShadowed(sectionIndex, id, key);
        } else {
            for (XmlNode child = firstChild; child; child = nextSiblingElement(child, name)) {
                if (matches(child)) {
                    entry.remove_child(child);
                    break;
                }
            }
        }
    }

    // The editor goes on from where the deleted analysis stood.
    const auto at = entries.lower_bound(key);
    XmlNode position;
    if (c.direction == Direction::Forward)
        position = at != entries.end() ? at->second : std::prev(entries.end())->second;
    else
        position = at != entries.begin() ? std::prev(at)->second : entries.begin()->second;
    m_current[index(section)] = position;
    return true;
}

void CDictionary::promoteShadowed(Index& sectionIndex, std::string_view id, std::string_view key)
{
    // An entry with the very same id first, else one filed under another spelling of it.
    std::vector<XmlNode>& shadowed = sectionIndex.shadowed;
    const auto next = std::find_if(shadowed.begin(), shadowed.end(),
                                   [&](XmlNode entry) { return attributeValue(entry, dict::kId) == id; });
    XmlNode promoted;
    if (next != shadowed.end()) {
        promoted = *next;
        shadowed.erase(next);
    } else if (const auto variant = sectionIndex.variants.find(key); variant != sectionIndex.variants.end()) {
        promoted = variant->second;
        sectionIndex.variants.erase(variant);
    } else {
        return;
    }
    const std::string_view stored = sectionIndex.keyOf(attributeValue(promoted, dict::kId));
    sectionIndex.exact.insert(stored, promoted);
    sectionIndex.ordered.emplace(stored, promoted);
}

void CDictionary::settleNewEntries() const
{
    for (std::size_t s = 0; s < 3; ++s) {
        if (m_unsettled[s].empty())
            continue;
        std::vector<Unsettled> added = std::move(m_unsettled[s]);
        m_unsettled[s].clear();
        std::sort(added.begin(), added.end(), [](const Unsettled& a, const Unsettled& b) {
            return a.prefix != b.prefix ? a.prefix < b.prefix : compareOrdinal(a.id, b.id) < 0;
        });
        auto& ordered = m_index[s].ordered;
        XmlNode section = m_sections[s];
        // Few new entries: search each place; many: one walk through the section in step.
        const bool merge = added.size() * 16 > ordered.size();
        auto next = ordered.begin();
        for (const Unsettled& a : added) {
            const std::string_view id = a.id;
            const XmlNode entry = a.entry;
            if (merge) {
                while (next != ordered.end() && compareOrdinal(next->first, id) < 0)
                    ++next;
            } else {
                next = ordered.lower_bound(id);
            }
            if (next == ordered.end())
                section.append_move(entry);
            else
                section.insert_move_before(entry, next->second);
            ordered.emplace_hint(next, id, entry);
        }
    }
}

// --- Walking -----------------------------------------------------------------------------------

XmlNode CDictionary::firstEntry(DictSection section) const
{
    settleNewEntries();
    return firstChildElement(m_sections[index(section)], entryName(section));
}

XmlNode CDictionary::nextEntry(XmlNode analysis)
{
    if (!analysis)
        return {};
    const char* name = analysis.name();
    if (const XmlNode child = firstChildElement(analysis, name))
        return child;
    if (const XmlNode sibling = nextSiblingElement(analysis, name))
        return sibling;
    const XmlNode parent = analysis.parent();
    return isElement(parent, name) ? nextSiblingElement(parent, name) : XmlNode();
}

XmlNode CDictionary::previousEntry(XmlNode analysis)
{
    if (!analysis)
        return {};
    const char* name = analysis.name();
    if (const XmlNode sibling = previousSiblingElement(analysis, name)) {
        const XmlNode last = lastChildElement(sibling, name);
        return last ? last : sibling;
    }
    const XmlNode parent = analysis.parent();
    return isElement(parent, name) ? parent : analysis;
}

XmlNode CDictionary::moveToFirst(DictSection section)
{
    return m_current[index(section)] = firstEntry(section);
}

XmlNode CDictionary::moveToNext(DictSection section)
{
    return m_current[index(section)] = nextEntry(m_current[index(section)]);
}

XmlNode CDictionary::moveToPrevious(DictSection section)
{
    return m_current[index(section)] = previousEntry(m_current[index(section)]);
}

}  // namespace pelmora
