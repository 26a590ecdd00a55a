#include "shell/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QSettings Open() {
    return QSettings(QStringLiteral("Вектрон"), QStringLiteral("Durovid 2010"));
}

QVariant Read(const QString& name) {
    QSettings settings = Open();
    if (settings.status() != QSettings::NoError) return {};
    for (const QString& key : settings.childKeys())
        if (key.compare(name, Qt::CaseInsensitive) == 0) return settings.value(key);
    return {};
}

bool ReadBool(const QString& name, bool absent) {
    const QVariant value = Read(name);
    return value.isValid() ? value.toBool() : absent;
}

int ReadInt(const QString& name) {
    bool ok = false;
    const int value = Read(name).toInt(&ok);
    return ok ? value : 0;
}

void Write(const QList<std::pair<QString, QVariant>>& values) {
    QSettings settings = Open();
    if (!settings.isWritable()) return;
    for (const auto& [name, value] : values) {
        // Replace a value of the same name written with other letter case.
        for (const QString& key : settings.childKeys())
            if (key != name && key.compare(name, Qt::CaseInsensitive) == 0) settings.remove(key);
        settings.setValue(name, value);
    }
}

} // namespace

namespace ProgramSettings {

bool ShowStdToolbar() {
    return ReadBool(QStringLiteral("ShowStdToolbar"), true);
}
bool TextLabels() {
    return ReadBool(QStringLiteral("TextLabels"), true);
}

StoredPlacement Placement() {
    StoredPlacement p;
    p.FullScreen = ReadBool(QStringLiteral("FullScreen"), false);
    if (!p.FullScreen) {
        p.Left = ReadInt(QStringLiteral("wLeft"));
        p.Top = ReadInt(QStringLiteral("WTop"));
        p.Width = ReadInt(QStringLiteral("WWidth"));
        p.Height = ReadInt(QStringLiteral("WHeight"));
    }
    return p;
}

void SetShowStdToolbar(bool show) {
    Write({{QStringLiteral("ShowStdToolbar"), show}});
}
void SetTextLabels(bool labels) {
    Write({{QStringLiteral("TextLabels"), labels}});
}

void SetPlacement(const StoredPlacement& p) {
    Write({{QStringLiteral("FullScreen"), p.FullScreen},
           {QStringLiteral("wLeft"), p.Left},
           {QStringLiteral("wTop"), p.Top},
           {QStringLiteral("wWidth"), p.Width},
           {QStringLiteral("wHeight"), p.Height}});
}

QStringList RecentFiles() {
    QStringList files = Read(QStringLiteral("RecentFiles")).toStringList();
    files.removeAll(QString());
    return files.mid(0, RecentFileCount);
}

void AddRecentFile(const QString& fileName) {
    // One file is one entry however its name was spelt.
    const QString path = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    Write({{QStringLiteral("RecentFiles"), files.mid(0, RecentFileCount)}});
}

void RemoveRecentFile(const QString& fileName) {
    QStringList files = RecentFiles();
    if (files.removeAll(fileName) > 0) Write({{QStringLiteral("RecentFiles"), files}});
}

} // namespace ProgramSettings
