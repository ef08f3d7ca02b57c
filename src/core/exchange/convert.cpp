#include "exchange/convert.h"

#include "common/filemessages.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/translation.h"
#include "exchange/conllu.h"
#include "exchange/eaf.h"
#include "exchange/flextext.h"
#include "exchange/xmlinput.h"
#include "text/pelmoradoc.h"
#include "text/sentenceaudio.h"
#include "text/textformat.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace pelmora::exchange {

namespace {

constexpr const char* kUnknownFormat =
    QT_TRANSLATE_NOOP("core",
                      "Faili %s vormingut ei tunne.\nTuntud laiendid: .xml (Pelmora tekst), .conllu, .flextext, .eaf.");
constexpr const char* kBothCorpusTexts =
    QT_TRANSLATE_NOOP("core", "Sisend ja väljund on mõlemad Pelmora tekstid; teisendada pole midagi.");
constexpr const char* kNoSuchText = QT_TRANSLATE_NOOP("core", "Failis %s pole nii mitmendat teksti.");
constexpr const char* kLeftOutOnExport = QT_TRANSLATE_NOOP("core", "Vorming %s ei hoia kõike; välja jäi:");
constexpr const char* kLeftOutOnImport = QT_TRANSLATE_NOOP("core", "Failist %s jäi lugemata:");
constexpr const char* kWritten = QT_TRANSLATE_NOOP("core", "Kirjutasin faili %s.");

std::string lowerExtension(std::string_view path)
{
    return toLowerAscii(std::filesystem::path(std::string(path)).extension().string());
}

// An xsd:dateTime of the present moment in UTC.
std::string now()
{
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::size_t countAnnotated(XmlNode root)
{
    std::size_t count = 0;
    for (XmlNode sentence = firstChildElement(firstChildElement(root, text::kBody), text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence))
        for (XmlNode token = firstChildElement(sentence, text::kToken); token; token = nextSiblingElement(token, text::kToken))
            count += attributeValue(token, text::kLemma).empty() ? 0 : 1;
    return count;
}

// "<stem>-<n><extension>" beside the output.
std::string numberedPath(const std::string& output, std::size_t number)
{
    const std::filesystem::path path(output);
    std::filesystem::path numbered = path;
    numbered.replace_filename(path.stem().string() + "-" + std::to_string(number) + path.extension().string());
    return numbered.string();
}

struct Output {
    XmlNode root;
    CorpusTextBuilder* builder = nullptr;  // set for an imported text
    std::string path;
};

// Asks before anything is written whether existing outputs may be replaced.
bool mayWriteAll(const std::vector<Output>& outputs, Prompter& prompter)
{
    for (const Output& output : outputs)
        if (pathExists(output.path) && !prompter.askYesNo(kTitleWarning, formatMessage(kOverwriteQuestion, output.path)))
            return false;
    return true;
}

}  // namespace

std::optional<ExchangeFormat> formatOfPath(std::string_view path)
{
    const std::string extension = lowerExtension(path);
    return extension.empty() ? std::nullopt : formatOfName(std::string_view(extension).substr(1));
}

std::optional<ExchangeFormat> formatOfName(std::string_view name)
{
    const std::string lower = toLowerAscii(name);
    if (lower == "xml")
        return ExchangeFormat::CorpusText;
    if (lower == "conllu")
        return ExchangeFormat::Conllu;
    if (lower == "flextext")
        return ExchangeFormat::FlexText;
    if (lower == "eaf")
        return ExchangeFormat::Eaf;
    return std::nullopt;
}

std::string_view formatTitle(ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::CorpusText: return "Pelmora XML";
    case ExchangeFormat::Conllu: return "CoNLL-U";
    case ExchangeFormat::FlexText: return "FlexText";
    case ExchangeFormat::Eaf: break;
    }
    return "EAF";
}

bool writeCorpusText(XmlNode root, ExchangeFormat format, const ExportOptions& options, ExchangeReport& report,
                     const ExportSink& sink)
{
    switch (format) {
    case ExchangeFormat::Conllu: return writeConllu(root, report, sink);
    case ExchangeFormat::FlexText: return writeFlexText(root, report, sink);
    case ExchangeFormat::Eaf: {
        EafWriteOptions eaf;
        eaf.date = options.date.empty() ? now() : options.date;
        const XmlNode info = firstChildElement(root, text::kInfo);
        const std::string_view recording = attributeValue(firstChildElement(info, "lindistus"), "fail");
        eaf.recording = std::string(recording);
        eaf.recordingPath = resolveRecordingPath(recording, options.textPath);
        return writeEaf(root, eaf, report, sink);
    }
    case ExchangeFormat::CorpusText: break;
    }
    return false;
}

std::string exportCorpusText(XmlNode root, ExchangeFormat format, const ExportOptions& options, ExchangeReport& report)
{
    std::string out;
    writeCorpusText(root, format, options, report, [&out](std::string_view piece) {
        out += piece;
        return true;
    });
    return out;
}

namespace {

// Reads the input (bytes, or the file at `path` for the XML formats) into new texts.
ImportResult importExchange(std::string_view bytes, const std::string* path, ExchangeFormat format,
                            const ImportOptions& options)
{
    ImportResult result;
    std::vector<std::unique_ptr<CorpusTextBuilder>> builders;
    std::vector<std::string> titles;
    const auto load = [&](XmlDocument& xml, const char* root) {
        return path != nullptr ? loadExchangeXmlFile(*path, xml, root, result.reason)
                               : loadExchangeXml(bytes, xml, root, result.reason);
    };
    switch (format) {
    case ExchangeFormat::Conllu:
        builders.push_back(std::make_unique<CorpusTextBuilder>());
        result.ok = readConllu(bytes, *builders.back(), result.report, result.reason);
        break;
    case ExchangeFormat::FlexText: {
        XmlDocument xml;
        result.ok = load(xml, "document") && readFlexTextDocument(xml, builders, titles, result.report, result.reason);
        break;
    }
    case ExchangeFormat::Eaf: {
        builders.push_back(std::make_unique<CorpusTextBuilder>());
        XmlDocument xml;
        EafReadResult eaf;
        result.ok = load(xml, "ANNOTATION_DOCUMENT") &&
                    readEafDocument(xml, options.tier, *builders.back(), result.report, eaf);
        if (!eaf.reason.empty())
            result.reason = eaf.reason;
        result.tiers = std::move(eaf.tiers);
        result.chosenTier = std::move(eaf.chosenTier);
        break;
    }
    case ExchangeFormat::CorpusText: result.reason = translatedText(QT_TRANSLATE_NOOP("core", "pole vahetusvorming")); return result;
    }
    for (std::size_t i = 0; result.ok && i < builders.size(); ++i) {
        result.ok = builders[i]->finish(result.reason);
        result.report.add(builders[i]->report());
    }
    if (!result.ok)
        return result;
    for (std::size_t i = 0; i < builders.size(); ++i) {
        CorpusTextBuilder& builder = *builders[i];
        const XmlNode body = firstChildElement(builder.root(), text::kBody);
        // Several texts of one file are told apart by their place.
        const std::string place = builders.size() > 1 ? "-" + std::to_string(i + 1) : std::string();
        if (!options.textId.empty())
            builder.setTextId(options.textId + place);
        else if (attributeValue(body, text::kId).empty())
            builder.setTextId(options.fallbackId + place);
        ImportedText text;
        text.title = i < titles.size() ? titles[i] : std::string();
        text.sentences = builder.sentenceCount();
        text.tokens = builder.tokenCount();
        text.annotatedTokens = countAnnotated(builder.root());
        text.builder = std::move(builders[i]);
        result.texts.push_back(std::move(text));
    }
    return result;
}

}  // namespace

ImportResult importExchangeBytes(std::string_view bytes, ExchangeFormat format, const ImportOptions& options)
{
    return importExchange(bytes, nullptr, format, options);
}

ImportResult importExchangeFile(const std::string& path, ExchangeFormat format, const ImportOptions& options)
{
    if (format != ExchangeFormat::Conllu)
        return importExchange({}, &path, format, options);
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        ImportResult unread;
        unread.reason = translatedText(QT_TRANSLATE_NOOP("core", "faili ei saa lugeda"));
        return unread;
    }
    return importExchange(bytes, nullptr, format, options);
}

bool exportCorpusFile(XmlNode root, ExchangeFormat format, const std::string& path, const ExportOptions& options,
                      Prompter& prompter)
{
    ExchangeReport report;
    const bool written = format != ExchangeFormat::CorpusText && replaceFileSafely(path, [&](FileSink& file) {
        return writeCorpusText(root, format, options, report, [&file](std::string_view piece) { return file.write(piece); });
    });
    if (!written) {
        prompter.error(formatMessage(kSaveFailedMessage, path));
        return false;
    }
    if (!report.empty())
        prompter.message(MessageKind::Information, kTitleNotice,
                         formatMessage(kWritten, path) + "\n\n" +
                             report.text(formatMessage(kLeftOutOnExport, formatTitle(format))));
    return true;
}

bool openImportedText(CPelmoraDoc& doc, CorpusTextBuilder& builder, const std::string& source,
                      const std::string& path, Prompter& prompter)
{
    if (path == source || isSameFile(source, path)) {
        prompter.error(formatMessage(kOutputIsInputMessage, path));
        return false;
    }
    // The new text is checked and written beside the open one, which it replaces only when both went well.
    const std::string bytes = builder.document().serialize();
    CPelmoraDoc built(prompter);
    if (!built.openFromBuffer(bytes, path) || !built.saveDocument(path))
        return false;
    if (!doc.openFromBuffer(bytes, path))
        return false;
    doc.updateAllViews();
    return true;
}

bool convertFile(const std::string& input, const std::string& output, const ConvertOptions& options, Prompter& prompter)
{
    const std::optional<ExchangeFormat> from = options.from ? options.from : formatOfPath(input);
    const std::optional<ExchangeFormat> to = options.to ? options.to : formatOfPath(output);
    if (!from || !to) {
        prompter.error(formatMessage(kUnknownFormat, from ? output : input));
        return false;
    }
    if (*from == ExchangeFormat::CorpusText && *to == ExchangeFormat::CorpusText) {
        prompter.error(kBothCorpusTexts);
        return false;
    }
    if (input == output || isSameFile(input, output)) {
        prompter.error(formatMessage(kOutputIsInputMessage, output));
        return false;
    }

    CPelmoraDoc document(prompter);
    ImportResult imported;
    std::vector<Output> outputs;
    if (*from == ExchangeFormat::CorpusText) {
        if (!document.openDocument(input))
            return false;
        outputs.push_back({document.xml().root(), nullptr, output});
    } else {
        if (!pathExists(input)) {
            prompter.error(formatMessage(kFileNotFoundMessage, input));
            return false;
        }
        ImportOptions importOptions = options.import;
        importOptions.fallbackId = std::filesystem::path(input).stem().string();
        imported = importExchangeFile(input, *from, importOptions);
        if (!imported.ok) {
            prompter.error(formatMessage(kInvalidFileMessage, input) + "\n" + imported.reason);
            return false;
        }
        if (options.textNumber > imported.texts.size()) {
            prompter.error(formatMessage(kNoSuchText, input));
            return false;
        }
        for (std::size_t i = 0; i < imported.texts.size(); ++i) {
            if (options.textNumber != 0 && options.textNumber != i + 1)
                continue;
            const bool several = options.textNumber == 0 && imported.texts.size() > 1;
            CorpusTextBuilder* builder = imported.texts[i].builder.get();
            outputs.push_back({builder->root(), builder, several ? numberedPath(output, i + 1) : output});
        }
    }
    if (!mayWriteAll(outputs, prompter))
        return false;

    ExchangeReport exported;
    ExportOptions exportOptions;
    exportOptions.textPath = *from == ExchangeFormat::CorpusText ? input : output;
    bool allWritten = true;
    for (const Output& out : outputs) {
        const bool written =
            *to == ExchangeFormat::CorpusText
                ? out.builder->document().save(out.path)
                : replaceFileSafely(out.path, [&](FileSink& file) {
                      return writeCorpusText(out.root, *to, exportOptions, exported,
                                             [&file](std::string_view piece) { return file.write(piece); });
                  });
        if (!written) {
            prompter.error(formatMessage(kSaveFailedMessage, out.path));
            allWritten = false;
            continue;
        }
        prompter.message(MessageKind::Information, kTitleNotice, formatMessage(kWritten, out.path));
    }
    if (!imported.report.empty())
        prompter.message(MessageKind::Information, kTitleNotice,
                         imported.report.text(formatMessage(kLeftOutOnImport, input)));
    if (!exported.empty())
        prompter.message(MessageKind::Information, kTitleNotice,
                         exported.text(formatMessage(kLeftOutOnExport, formatTitle(*to))));
    return allWritten;
}

}  // namespace pelmora::exchange
