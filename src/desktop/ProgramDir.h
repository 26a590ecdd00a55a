#pragma once

#include <QString>

// The folder of the reference files, the help and the print module's working folder, with a
// trailing separator: the executable's folder when it holds the program's data (a build copies
// data/ beside the executables), else the installed share/durovid/ beside bin/.
QString ProgramDir();
// Tests point the program at a folder of their own; an empty text goes back to the default.
void SetProgramDir(const QString& folder);

// The per-user folder where the tax-office import writes, read before ProgramDir at start-up.
QString UserDataDir();
// Tests give each run a per-user folder of its own; an empty text goes back to the default.
void SetUserDataDir(const QString& folder);
