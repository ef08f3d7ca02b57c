#include "app/appearance.h"

#include "app/panelcachestyle.h"
#include "pelmora_version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QStyle>
#include <QTranslator>

// The icon lives in the GUI library's resources; a static library's resources are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(pelmora);
}

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

}  // namespace

void setUpAppearance()
{
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, "icons", QStandardPaths::LocateDirectory)) {
        if (!paths.contains(folder))
            paths.push_back(folder);
    }
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor")
        QIcon::setThemeName("Tango");
    QCoreApplication::installTranslator(new ButtonTexts(QCoreApplication::instance()));
    QApplication::setStyle(new PanelCacheStyle);

    // Pelmora's own icon; where Qt cannot draw SVG (no libqt6svg6) a standard one stands in.
    registerResources();
    QIcon icon(QStringLiteral(":/icons/pelmora.svg"));
    if (icon.pixmap(32, 32).isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(PELMORA_APP_ID));
}

}  // namespace pelmora::gui
