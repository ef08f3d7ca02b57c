#include "app/appearance.h"

#include "app/panelcachestyle.h"
#include "pelmora_version.h"
#include "app/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QStyle>

// The icon lives in the GUI library's resources; a static library's resources are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(pelmora);
}

namespace pelmora::gui {

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
    useLanguage(Language::Estonian);
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
