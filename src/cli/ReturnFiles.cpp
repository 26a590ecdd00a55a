#include "cli/ReturnFiles.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

// One file reached by two names (a folder and a file in it, "./a.kv0" and "a.kv0") is one file: two
// workers loading it at once would find it locked by each other.
QString Identity(const QString& name) {
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QStringList FolderFiles(const QString& folder, bool recursive) {
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.kv0")}, QDir::Files,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

ReturnFiles FindReturnFiles(const QStringList& names, bool recursive) {
    ReturnFiles found;
    QSet<QString> seen;
    const auto add = [&](const QString& file) {
        const QString identity = Identity(file);
        if (seen.contains(identity)) return;
        seen.insert(identity);
        found.Files.append(file);
    };
    for (const QString& name : names) {
        if (!QFileInfo(name).isDir()) {
            add(name);
            continue;
        }
        found.FromFolder = true;
        const QStringList files = FolderFiles(name, recursive);
        if (files.isEmpty()) found.EmptyFolders.append(name);
        for (const QString& file : files)
            add(file);
    }
    return found;
}
