// Stores the core's Settings value in an INI file (section [Settings], keys as the system names
// them), keeping every other key of the file as it was.
#pragma once

#include "settings/settings.h"

#include <QString>

namespace pelmora::gui {

// The per-user settings file under the XDG config folder ("Pelmora/Pelmora.ini").
QString defaultSettingsPath();

class SettingsStore {
public:
    explicit SettingsStore(QString path) : m_path(std::move(path)) {}
    const QString& path() const { return m_path; }
    // True when the file did not exist (a first start).
    bool isFirstStart() const;
    // Every key from the file; a missing or unreadable key gives its default.
    Settings read() const;
    // Writes every key (integers as plain numbers); other keys and sections stay. False when the
    // file could not be written.
    bool write(const Settings& settings) const;

    // The recent-file list, newest first, at most kRecentFiles entries.
    static constexpr int kRecentFiles = 5;
    QStringList recentFiles() const;
    void writeRecentFiles(const QStringList& files) const;

private:
    QString m_path;
};

}  // namespace pelmora::gui
