// Fuzzes the dictionary file reader: the input is the file. A file that is not a dictionary must
// be refused untouched; one that loads is looked up, walked both ways, changed, saved and must
// open again with the change in it.
#include "common/files.h"
#include "common/normalisation.h"
#include "common/prompter.h"
#include "common/strings.h"
#include "dictionary/dictionary.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace pelmora;

namespace {

// A folder in memory when there is one: every valid input is saved, and saving syncs.
const std::string& dictionaryPath()
{
    static const std::string path = [] {
        const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        const std::string dir = base + "/pelmora-fuzz-dictionary-" + std::to_string(::getpid());
        if (::mkdir(dir.c_str(), 0700) != 0 && ::access(dir.c_str(), W_OK) != 0)
            std::abort();
        return dir + "/sonastik.xml";
    }();
    return path;
}

constexpr DictSection kSections[] = {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations};

// Walks a section forwards and back; every step moves on in document order, so the number of
// steps is bounded by the input's size.
void walkSection(CDictionary& dictionary, DictSection section, std::size_t bound)
{
    std::size_t steps = 0;
    XmlNode last;
    for (XmlNode at = dictionary.firstEntry(section); at; at = CDictionary::nextEntry(at)) {
        last = at;
        if (++steps > bound)
            __builtin_trap();
    }
    if (steps != dictionary.analysisCount(section))
        __builtin_trap();
    for (steps = 0; last; ++steps) {
        const XmlNode before = CDictionary::previousEntry(last);
        if (before == last)
            break;
        last = before;
        if (steps > bound)
            __builtin_trap();
    }
}

void lookUp(const CDictionary& dictionary, DictSection section, std::string_view id)
{
    const std::vector<XmlNode> found = dictionary.analyses(section, id);
    if (found.empty() || found.front() != dictionary.find(section, id))
        __builtin_trap();  // an id taken from the tree must be found
    if (section == DictSection::WordForms) {
        if (dictionary.lookUpWordForm(id).size() != found.size())
            __builtin_trap();
        (void)dictionary.lookUpWordForm(std::string(id) + "ks", true, " ks s ");
        (void)dictionary.lookUpWordForm(id.substr(0, id.size() / 2), true, " a e i ");
    }
    if (section == DictSection::Lemmas) {
        const std::string_view prefix = id.substr(0, (id.size() + 1) / 2);
        const std::vector<std::string> completions = dictionary.completeLemma(prefix);
        if (completions.size() > 20)
            __builtin_trap();
        // Completion reads the typed prefix in NFC (an id stored otherwise, e.g. with U+2000, which
        // is U+2002 in NFC, completes in NFC).
        const std::string typed = toNfc(prefix);
        for (const std::string& completion : completions)
            if (!completion.starts_with(typed) || completion.size() <= typed.size() || prefix.empty())
                __builtin_trap();
    }
}

// The stores of one bulk addition, from a list.
class RequestList : public CDictionary::StoreSource {
public:
    explicit RequestList(const std::vector<StoreRequest>& requests) : m_requests(requests) {}
    std::size_t size() const override { return m_requests.size(); }
    StoreRequest request(std::size_t i) const override { return m_requests[i]; }

private:
    const std::vector<StoreRequest>& m_requests;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = dictionaryPath();
    if (!(std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes))
        std::abort();

    SilentPrompter prompter(false);  // never create a new dictionary in place of the input
    CDictionary dictionary(prompter);
    if (!dictionary.openWithPath(path)) {
        std::string after;
        if (!readWholeFile(path, after) || after != bytes)
            __builtin_trap();  // a refused file must stay as it was
        return 0;
    }

    const std::size_t bound = size + 1;
    std::vector<std::string> ids[3];
    for (const DictSection section : kSections) {
        walkSection(dictionary, section, bound);
        std::size_t taken = 0;
        for (XmlNode entry = dictionary.firstEntry(section); entry && taken < 4;
             entry = nextSiblingElement(entry, entryName(section)), ++taken) {
            const std::string_view id = attributeValue(entry, dict::kId);
            if (dictionary.find(section, id))
                lookUp(dictionary, section, id);
            ids[static_cast<std::size_t>(section)].emplace_back(id);
        }
    }

    // Changes made of what the file holds, as one bulk addition (one save): confirmations and
    // new entries; then a delete, which saves by itself.
    const std::string& form = ids[0].front();
    const std::string& lemma = ids[1].front();
    // A Livonian letter outside Latin-1, which every dictionary must be able to keep.
    const std::string surface = (form.empty() ? std::string("sona") : form) + "ōga";
    const std::string formOrA = form.empty() ? std::string("a") : form;
    const std::string lemmaOrL = lemma.empty() ? std::string("l") : lemma;
    const std::string combination = ids[2].front() + " ka";
    const std::vector<StoreRequest> requests = {
        {DictSection::WordForms, {surface, lemma.empty() ? std::string_view("x") : std::string_view(lemma), "sg.kom."}},
        {DictSection::WordForms, {formOrA, "a", {}}},
        {DictSection::WordForms, {"\u014Cga", "\u014Dga", "-"}},
        {DictSection::Lemmas, {lemmaOrL, "t\u00E4hendus", "S", {}, "meaning"}},
        {DictSection::Combinations, {combination, "\u00FChend", "-"}},
    };
    if (!dictionary.addInBulk(RequestList(requests)))
        __builtin_trap();
    (void)dictionary.deleteLemma(lemma, {}, {}, {}, {}, Direction::Backward);

    const std::string key = MakeWordFormKey(surface);
    CDictionary reopened(prompter);
    if (!reopened.openWithPath(path))
        __builtin_trap();  // what the dictionary saved must open again
    if (!key.empty() && reopened.lookUpWordForm(key).empty())
        __builtin_trap();  // with the stored word form in it
    for (const DictSection section : kSections)
        if (reopened.entryCount(section) != dictionary.entryCount(section))
            __builtin_trap();
    return 0;
}
