#include "desktop/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString& Override() {
    static QString folder;
    return folder;
}

QString& UserOverride() {
    static QString folder;
    return folder;
}

QString WithSeparator(const QString& folder) {
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(folder));
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}
} // namespace

QString ProgramDir() {
    if (!Override().isEmpty()) return WithSeparator(Override());
    const QDir exe(QCoreApplication::applicationDirPath());
    if (exe.exists(QStringLiteral("help"))) return WithSeparator(exe.path());
    const QString installed = exe.filePath(QStringLiteral("../share/durovid"));
    return WithSeparator(QDir(installed).exists() ? installed : exe.path());
}

void SetProgramDir(const QString& folder) {
    Override() = folder;
}

QString UserDataDir() {
    if (!UserOverride().isEmpty()) return WithSeparator(UserOverride());
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void SetUserDataDir(const QString& folder) {
    UserOverride() = folder;
}
