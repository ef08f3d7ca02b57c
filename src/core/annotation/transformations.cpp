#include "annotation/transformations.h"

#include "common/normalisation.h"
#include "common/prompter.h"
#include "common/strings.h"
#include "common/translation.h"
#include "common/utf16text.h"
#include "settings/settings.h"

#include <utility>

namespace pelmora {

namespace {

constexpr const char* kEmptyPair = QT_TRANSLATE_NOOP("core", "\"Mis\" ja \"Milleks\" lahtrid ei või olla tühjad");

}  // namespace

const TransformationList& irregularSpellingList()
{
    static const TransformationList list{
    {"z", "s"}, {"x", "ks"}, {"ww", "v"}, {"uw", ""}, {"uw", "u"}, {"w", "v"}, {"f", "v"}, {"ff", "hv"},
    {"ch", "h"}, {"ã", "am"}, {"ã", "an"}, {"ã", "aam"}, {"ã", "aan"}, {"ñ", "n"}, {"ñ", "nn"}, {" ch", " k"},
    {"ck", "kk"}, {"ck", "k"}, {"m~", "m"}, {"m~", "mm"}, {"sch", "sk"}, {"ß", "s"}, {" b", " p"}, {"b", "v"},
    {"bb", "b"}, {"da", "a"}, {"de", "e"}, {"di", "i"}, {"do", "o"}, {"du", "u"}, {"dd", "d"}, {"de", "te"},
    {"dt", "d"}, {"gk", "g"}, {"k", "g"}, {"ns", "nds"}, {"pp", "p"}, {"p ", "b "}, {"t", "d"}, {"th", "t"},
    {"ph", "hv"}, {"ph", "f"}, {"dada", "da"}, {"data", "da"}, {"tada", "ta"}, {"tata", "ta"}, {"tata", "da"},
    {"tt", "t"}, {" h", " "}, {"ah ", "a "}, {"ll", "l"}, {"mm", "m"}, {"n", "n"}, {"n", "nn"}, {"nn", "n"},
    {"rr", "r"}, {"ss", "s"}, {"ah", "aa"}, {"eh", "ee"}, {"ih", "ii"}, {"oh", "oo"}, {"uh", "uu"},
    {"äh", "ää"}, {"öh", "öö"}, {"üh", "üü"}, {"eh", "ää"}, {"ah", "ää"}, {"eh", "ea"}, {"öh", "õõ"},
    {"oh", "õõ"}, {"oh", "öö"}, {"uh", "üü"}, {"al", "aal"}, {"am", "aam"}, {"an", "aan"}, {"ar", "aar"},
    {"as", "aas"}, {"ad", "aad"}, {"ab", "aab"}, {"at", "aat"}, {"at", "aad"}, {"ak", "aak"}, {"ack", "aak"},
    {"al", "ääl"}, {"am", "ääm"}, {"an", "ään"}, {"ar", "äär"}, {"as", "ääs"}, {"ad", "ääd"}, {"ab", "ääb"},
    {"at", "äät"}, {"at", "ääd"}, {"ak", "ääk"}, {"ack", "ääk"}, {"el", "eel"}, {"em", "eem"}, {"en", "een"},
    {"er", "eer"}, {"es", "ees"}, {"ed", "eed"}, {"eb", "eeb"}, {"et", "eet"}, {"et", "eed"}, {"ek", "eek"},
    {"eck", "eek"}, {"el", "ääl"}, {"em", "ääm"}, {"en", "ään"}, {"er", "äär"}, {"es", "ääs"}, {"ed", "ääd"},
    {"eb", "ääb"}, {"et", "äät"}, {"et", "ääd"}, {"ek", "ääk"}, {"eck", "ääk"}, {"il", "iil"}, {"im", "iim"},
    {"in", "iin"}, {"ir", "iir"}, {"is", "iis"}, {"id", "iid"}, {"ib", "iib"}, {"it", "iit"}, {"it", "iid"},
    {"ik", "iik"}, {"ick", "iik"}, {"ol", "ool"}, {"om", "oom"}, {"on", "oon"}, {"or", "oor"}, {"os", "oos"},
    {"od", "ood"}, {"ob", "oob"}, {"ot", "oot"}, {"ot", "ood"}, {"ok", "ook"}, {"ock", "ook"}, {"ul", "uul"},
    {"um", "uum"}, {"un", "uun"}, {"ur", "uur"}, {"us", "uus"}, {"ud", "uud"}, {"ub", "uub"}, {"ut", "uut"},
    {"ut", "uud"}, {"uk", "uuk"}, {"uck", "uuk"}, {"äl", "ääl"}, {"äm", "ääm"}, {"än", "ään"}, {"är", "äär"},
    {"äs", "ääs"}, {"äd", "ääd"}, {"äb", "ääb"}, {"ät", "äät"}, {"ät", "ääd"}, {"äk", "ääk"}, {"äck", "ääk"},
    {"öl", "ööl"}, {"öm", "ööm"}, {"ön", "öön"}, {"ör", "öör"}, {"ös", "öös"}, {"öd", "ööd"}, {"öb", "ööb"},
    {"öt", "ööt"}, {"öt", "ööd"}, {"ök", "öök"}, {"öck", "öök"}, {"ül", "üül"}, {"üm", "üüm"}, {"ün", "üün"},
    {"ür", "üür"}, {"üs", "üüs"}, {"üd", "üüd"}, {"üb", "üüb"}, {"üt", "üüt"}, {"üt", "üüd"}, {"ük", "üük"},
    {"ück", "üük"}, {"ai", "ae"}, {" e", " i"}, {"e", "ä"}, {"i", "e"}, {"ij", "i"}, {"ij", "j"},
    {" j", " i"}, {"o", "õ"}, {"ö", "õ"}, {"öi", "ei"}, {"o", "u"}, {"ö", "ü"}, {"ü", "i"}, {"u", "ü"},
    {"xe ", "ks "}, {"ut ", "u "}, {"st ", "sti "}, {"ste ", "sti "}, {"et ", "e "}, {"et ", "e "},
    {"it ", "i "}, {"it ", "i "}, {"ut ", "u "}, {"ut ", "u "}, {"mba", "ma"}, {"mba", "mma"},
    };
    return list;
}

const TransformationList& oldSpellingList()
{
    static const TransformationList list{
    {"gg", "g"}, {"dd", "d"}, {"bb", "b"}, {"ll", "l"}, {"hh", "h"}, {"nn", "n"}, {"ss", "s"}, {"rr", "r"},
    {"mm", "m"}, {"ss", "s"}, {"tt", "t"}, {"pp", "p"}, {"o", "u"}, {"e", "õ"}, {"w", "v"}, {"i", "j"},
    {"eä", "ea"}, {"ö", "õ"}, {"o", "õ"}, {"nd", "nud"}, {"a", "aa"}, {"e", "ee"}, {"i", "ii"}, {"o", "oo"},
    {"u", "uu"}, {"ä", "ää"}, {"ö", "öö"}, {"ü", "üü"},
    };
    return list;
}

TransformationList parseTransformations(std::string_view text, LineWithoutSeparator rule)
{
    TransformationList list;
    std::string source;
    std::string current;
    bool separatorSeen = false;
    for (const char c : text) {
        if (c == '\r')
            continue;
        if (c == '!') {
            source = current;
            current.clear();
            separatorSeen = true;
        } else if (c == '\n') {
            if (!separatorSeen && rule == LineWithoutSeparator::ReplaceTarget) {
                if (!list.empty())
                    list.back().target = toNfc(current);
            } else {
                list.push_back({toNfc(source), toNfc(current)});
            }
            current.clear();
            separatorSeen = false;
        } else {
            current += c;
        }
    }
    return list;
}

std::string formatTransformations(const TransformationList& list)
{
    std::string text;
    for (const TransformationPair& pair : list) {
        text += pair.source;
        text += '!';
        text += pair.target;
        text += "\r\n";
    }
    return text;
}

bool isWritableTransformation(const TransformationPair& pair)
{
    const auto plain = [](const std::string& side) { return side.find_first_of("!\r\n") == std::string::npos; };
    return plain(pair.source) && plain(pair.target);
}

bool readTransformationsFile(const std::string& path, TransformationList& list, Prompter& prompter,
                             TransformationMessages messages, LineWithoutSeparator rule)
{
    list.clear();
    const bool dialog = messages == TransformationMessages::Dialog;
    const Utf16ReadResult file = readUtf16LeFile(path);
    switch (file.status) {
    case Utf16ReadStatus::Ok:
        list = parseTransformations(file.text, rule);
        return true;
    case Utf16ReadStatus::Unreadable:
        prompter.message(MessageKind::Warning, kTitleError,
                         dialog ? QT_TRANSLATE_NOOP("core", "Ei saanud faili avada")
                                : QT_TRANSLATE_NOOP("core", "Ei saanud teisenduste faili avada"));
        return false;
    case Utf16ReadStatus::OddLength:
    case Utf16ReadStatus::NoByteOrderMark:
        break;
    }
    // An odd number of bytes cannot be UTF-16 text either.
    prompter.message(MessageKind::Warning, kTitleError,
                     dialog ? QT_TRANSLATE_NOOP("core", "Fail ei ole unicode'is.\nEi saa avada.")
                            : QT_TRANSLATE_NOOP("core", "Teisenduste fail ei ole unicode'is.\nEi saa avada."));
    return false;
}

bool writeTransformationsFile(const std::string& path, const TransformationList& list, Prompter& prompter)
{
    for (const TransformationPair& pair : list) {
        if (!isWritableTransformation(pair)) {
            prompter.error(formatMessage(QT_TRANSLATE_NOOP("core", "Teisendust \"%s\" ei saa faili kirjutada: "
                                                                   "\"!\" ja reavahetus pole lubatud."),
                                         pair.source + "!" + pair.target));
            return false;
        }
    }
    std::string error;
    if (!writeUtf16LeFile(path, formatTransformations(list), &error)) {
        prompter.error(formatText(QT_TRANSLATE_NOOP("core", "Ei saanud faili salvestada: %s (%s)"), {path, error}));
        return false;
    }
    return true;
}

bool rebuildTransformations(const Settings& settings, TransformationList& list, Prompter& prompter)
{
    switch (settings.changes) {
    case kChangesIrregular:
        list = irregularSpellingList();
        return true;
    case kChangesOldSpelling:
        list = oldSpellingList();
        return true;
    case kChangesFile:
        readTransformationsFile(settings.changesPath, list, prompter);
        return true;
    default:
        return false;
    }
}

TransformationEditor::TransformationEditor(TransformationList rows, int changes, std::string changesPath)
    : m_rows(std::move(rows)), m_changes(changes), m_changesPath(std::move(changesPath))
{
}

bool TransformationEditor::addPair(const std::string& source, const std::string& target, Prompter& prompter)
{
    if (source.empty() || target.empty()) {
        prompter.message(MessageKind::Warning, kTitleNotice, kEmptyPair);
        return false;
    }
    m_rows.push_back({toNfc(source), toNfc(target)});
    m_changes = kChangesEdited;
    return true;
}

bool TransformationEditor::replaceRow(int index, const std::string& source, const std::string& target,
                                      Prompter& prompter)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_rows.size())
        return false;
    if (source.empty() || target.empty()) {
        prompter.message(MessageKind::Warning, kTitleNotice, kEmptyPair);
        return false;
    }
    m_rows[static_cast<std::size_t>(index)] = {toNfc(source), toNfc(target)};
    m_changes = kChangesEdited;
    return true;
}

int TransformationEditor::moveRow(int index, int step)
{
    const int to = index + step;
    const int count = static_cast<int>(m_rows.size());
    if (index < 0 || index >= count || to < 0 || to >= count || (step != -1 && step != 1))
        return index;
    std::swap(m_rows[static_cast<std::size_t>(index)], m_rows[static_cast<std::size_t>(to)]);
    m_changes = kChangesEdited;
    return to;
}

void TransformationEditor::removeRow(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_rows.size())
        return;
    m_rows.erase(m_rows.begin() + index);
    m_changes = kChangesEdited;
}

void TransformationEditor::removeAll()
{
    m_rows.clear();
    m_changes = kChangesEdited;
}

void TransformationEditor::useBuiltIn(int changes)
{
    if (changes == kChangesIrregular)
        m_rows = irregularSpellingList();
    else if (changes == kChangesOldSpelling)
        m_rows = oldSpellingList();
    else
        return;
    m_changes = changes;
}

bool TransformationEditor::loadFile(const std::string& path, Prompter& prompter)
{
    m_changes = kChangesFile;
    m_changesPath = path;
    return readTransformationsFile(path, m_rows, prompter, TransformationMessages::Dialog,
                                   LineWithoutSeparator::ReplaceTarget);
}

bool TransformationEditor::saveFile(const std::string& path, Prompter& prompter)
{
    // A failed save must not leave the settings pointing at a file that does not hold the rows.
    if (!writeTransformationsFile(path, m_rows, prompter))
        return false;
    m_changes = kChangesFile;
    m_changesPath = path;
    return true;
}

}  // namespace pelmora
