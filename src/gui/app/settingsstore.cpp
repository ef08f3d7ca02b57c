#include "app/settingsstore.h"

#include "app/qtstrings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace pelmora::gui {

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kRecentSection = "RecentFiles";

// The text of a stored value. An unquoted value with a comma (a hand-edited path, say) reads
// as a list; its parts are joined the way the INI writer would write them.
QString storedText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

}  // namespace

QString defaultSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Pelmora/Pelmora.ini";
}

bool SettingsStore::isFirstStart() const
{
    return !QFileInfo::exists(m_path);
}

Settings SettingsStore::read() const
{
    Settings settings;
    QSettings file(m_path, QSettings::IniFormat);
    file.beginGroup(kSection);
    for (const SettingKey& key : settingKeys()) {
        const QVariant value = file.value(key.name);
        if (!value.isValid())
            continue;
        setSettingText(settings, key, toStd(storedText(value)));
    }
    // We write the endings quoted, so their blanks come back as they were; an unquoted,
    // hand-edited line loses its end blanks to the INI reader, and the suggester finds an ending
    // only between two blanks.
    const std::string& endings = settings.endings;
    if (endings.empty() || endings.front() != ' ' || endings.back() != ' ')
        settings.endings = normalizeEndings(endings);
    return settings;
}

bool SettingsStore::write(const Settings& settings) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings file(m_path, QSettings::IniFormat);
    file.beginGroup(kSection);
    for (const SettingKey& key : settingKeys()) {
        if (key.type == SettingKey::Type::Integer)
            file.setValue(key.name, settings.*key.integerField);
        else
            file.setValue(key.name, toQt(settings.*key.stringField));
    }
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}

QStringList SettingsStore::recentFiles() const
{
    QSettings file(m_path, QSettings::IniFormat);
    file.beginGroup(kRecentSection);
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = file.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty())
            files.push_back(path);
    }
    return files;
}

void SettingsStore::writeRecentFiles(const QStringList& files) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings file(m_path, QSettings::IniFormat);
    file.beginGroup(kRecentSection);
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size())
            file.setValue(key, files[i - 1]);
        else
            file.remove(key);
    }
    file.endGroup();
    file.sync();
}

}  // namespace pelmora::gui
