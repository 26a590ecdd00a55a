#pragma once

#include "shell/WindowPlacement.h"

#include <QString>

// The per-user settings of the program, QSettings("Вектрон", "Durovid 2010"), with the value names
// ShowStdToolbar, TextLabels, FullScreen, wLeft, wTop, wWidth, wHeight. Names compare without
// regard to case, so values written by any version are found. Settings that cannot be read give
// the defaults; settings that cannot be written are left as they were.
namespace ProgramSettings {

bool ShowStdToolbar();
bool TextLabels();
StoredPlacement Placement();

void SetShowStdToolbar(bool show);
void SetTextLabels(bool labels);
void SetPlacement(const StoredPlacement& placement);

} // namespace ProgramSettings
