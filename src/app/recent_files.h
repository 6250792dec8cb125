#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace vesk4 {

inline constexpr int kMaxRecentFiles = 8;

// The project files used last, newest first, kept in the settings store. Paths are absolute, so
// the list means the same whatever folder the editor is started in.
QStringList recentFiles(const QSettings &settings);
// Puts the file at the top of the list; an older entry for it goes, and the list keeps at most
// kMaxRecentFiles.
void addRecentFile(QSettings &settings, const QString &path);
void removeRecentFile(QSettings &settings, const QString &path);

// The menu caption of the recent file at index (from 0): its number as the entry's key and the path,
// shortened in the middle past kMaxRecentCaptionChars characters so a long one (a store edited by
// hand) cannot stall the menu.
inline constexpr int kMaxRecentCaptionChars = 100;
QString recentFileCaption(int index, const QString &path);

} // namespace vesk4
