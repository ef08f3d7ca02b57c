#include "app/translations.h"

#include "common/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace pelmora::gui {

namespace {

// Qt's own texts of the standard buttons, in Estonian (Qt ships no Estonian translation).
class ButtonTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        static const struct {
            const char* source;
            const char* text;
        } table[] = {
            {"OK", "OK"},           {"&OK", "&OK"},        {"Cancel", "&Loobu"}, {"&Cancel", "&Loobu"},
            {"&Yes", "&Jah"},       {"Yes", "&Jah"},       {"&No", "&Ei"},       {"No", "&Ei"},
            {"Close", "S&ulge"},    {"&Close", "S&ulge"},  {"Save", "&Salvesta"}, {"&Save", "&Salvesta"},
            {"Open", "&Ava"},       {"&Open", "&Ava"},     {"Apply", "&Rakenda"}, {"Help", "&Abi"},
        };
        const QByteArray where(context ? context : "");
        if (where != "QPlatformTheme" && where != "QDialogButtonBox" && where != "QMessageBox")
            return {};
        for (const auto& row : table) {
            if (qstrcmp(row.source, source) == 0)
                return QString::fromUtf8(row.text);
        }
        return {};
    }
};

// The translators the last call installed; the application owns none of them.
std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

Language& current()
{
    static Language language = Language::Estonian;
    return language;
}

// The core's texts that carry values (messages, reports) are translated before the values go in.
std::string coreText(const char* context, const std::string& text)
{
    return QCoreApplication::translate(context, text.c_str()).toStdString();
}

void install(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

}  // namespace

Language languageFromCode(const QString& code)
{
    return code.trimmed().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ? Language::English
                                                                                 : Language::Estonian;
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("et");
}

bool useLanguage(Language language)
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    current() = Language::Estonian;
    setTextTranslator(nullptr);

    if (language == Language::Estonian) {
        install(std::make_unique<ButtonTexts>());
        return true;
    }
    // Qt's English texts are its source texts; its files are loaded all the same, so that a Qt
    // with other source texts still speaks English. A missing file changes nothing.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_en", "qt_en"}) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLatin1String(name), qtFolder))
            install(std::move(qt));
    }
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/pelmora_en.qm"))) {
        install(std::make_unique<ButtonTexts>());
        return false;
    }
    install(std::move(own));
    current() = Language::English;
    setTextTranslator(coreText);
    return true;
}

Language currentLanguage()
{
    return current();
}

}  // namespace pelmora::gui
