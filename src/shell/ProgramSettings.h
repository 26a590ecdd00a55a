#pragma once

#include "shell/WindowPlacement.h"

#include <QString>
#include <QStringList>

// The per-user settings of the program, QSettings("Вектрон", "Durovid 2010"), with the value names
// ShowStdToolbar, TextLabels, FullScreen, wLeft, wTop, wWidth, wHeight, RecentFiles. Names compare without
// regard to case, so values written by any version are found. Settings that cannot be read give
// the defaults; settings that cannot be written are left as they were.
namespace ProgramSettings {

bool ShowStdToolbar();
bool TextLabels();
StoredPlacement Placement();

void SetShowStdToolbar(bool show);
void SetTextLabels(bool labels);
void SetPlacement(const StoredPlacement& placement);

// The declaration files last opened or saved, the latest first, at most RecentFileCount.
constexpr int RecentFileCount = 8;
QStringList RecentFiles();
// Puts the file first in the list (once), or takes it out of the list.
void AddRecentFile(const QString& fileName);
void RemoveRecentFile(const QString& fileName);

} // namespace ProgramSettings
