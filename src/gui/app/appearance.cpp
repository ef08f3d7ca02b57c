#include "app/appearance.h"

#include <QIcon>
#include <QStandardPaths>

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
}

}  // namespace pelmora::gui
