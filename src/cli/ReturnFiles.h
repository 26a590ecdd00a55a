#pragma once

#include <QString>
#include <QStringList>

// The declaration files a command line names: a file as it is (also one that does not exist, so that
// its own command reports it), a folder as the ".kv0" files in it, with recursive also those of its
// subfolders, in the order of their names. A file named twice is worked on once.
struct ReturnFiles {
    QStringList Files;
    // Some name was a folder.
    bool FromFolder = false;
    // Folders in which no declaration file was found.
    QStringList EmptyFolders;
};

ReturnFiles FindReturnFiles(const QStringList& names, bool recursive);
