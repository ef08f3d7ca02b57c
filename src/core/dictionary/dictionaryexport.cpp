#include "dictionary/dictionaryexport.h"

#include "common/strings.h"
#include "common/translation.h"
#include "common/utf16text.h"
#include "dictionary/dictionary.h"

namespace pelmora {

namespace {
constexpr const char* kExportQuestion = QT_TRANSLATE_NOOP("core", "Kas ekspordin sõnastiku\n%s?");
constexpr const char* kChooseInSettings =
    QT_TRANSLATE_NOOP("core", "Eks muuda siis seadistusdialoogis\nsõnastiku fail ära!");
constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP("core", "Ei saanud faili avada");

void appendSection(std::string& out, const CDictionary& dictionary, DictSection section, bool quoted)
{
    const std::vector<const char*>& attributes = sectionAttributes(section);
    for (XmlNode entry = dictionary.firstEntry(section); entry; entry = CDictionary::nextEntry(entry)) {
        // id and the next two attributes; weights, Latvian and English are not exported.
        for (std::size_t i = 0; i < 3; ++i) {
            if (i > 0)
                out += '\t';
            if (quoted)
                out += '\'';
            out += attributeValue(entry, attributes[i]);
        }
        out += "\r\n";
    }
}
}  // namespace

std::string unfinishedFunctionWarning()
{
    return formatMessage(QT_TRANSLATE_NOOP("core", "See funktsioon ei tööta veel õigesti\nmurdetekstidega ja liivi "
                                                   "tekstidega\nEi soovita kasutada.\n\nKui seda on siiski vaja, "
                                                   "anna teada\n%s"),
                         kContactAddress);
}

std::string dictionaryExportText(const CDictionary& dictionary)
{
    std::string out;
    out += "\r\nSõned\r\nSõne\tLemma\tVorm\r\n";
    appendSection(out, dictionary, DictSection::WordForms, true);
    out += "\r\nLemmad\r\nLemma\tTähendus\tSõnaliik\r\n";
    appendSection(out, dictionary, DictSection::Lemmas, true);
    out += "\r\nÜhendid\r\n\tÜhend\tTähendus\tSõnaliik\r\n";
    appendSection(out, dictionary, DictSection::Combinations, false);
    return out;
}

bool exportDictionary(const CDictionary& dictionary, const std::string& outputPath, Prompter& prompter)
{
    return exportDictionary(dictionary, [&outputPath] { return outputPath; }, prompter);
}

bool exportDictionary(const CDictionary& dictionary, const std::function<std::string()>& choosePath,
                      Prompter& prompter)
{
    prompter.message(MessageKind::Warning, QT_TRANSLATE_NOOP("core", "Tekstide ühendamine"),
                     unfinishedFunctionWarning());
    const std::string outputPath = choosePath();
    if (outputPath.empty())
        return false;
    // Asked before anything is written, so that No leaves an existing file as it was.
    if (!prompter.askYesNo("Pelmora", formatMessage(kExportQuestion, dictionary.path()))) {
        prompter.message(MessageKind::Information, "", kChooseInSettings);
        return false;
    }
    if (!writeUtf16LeFile(outputPath, dictionaryExportText(dictionary))) {
        prompter.message(MessageKind::Warning, kTitleError, kCannotOpen);
        return false;
    }
    return true;
}

}  // namespace pelmora
