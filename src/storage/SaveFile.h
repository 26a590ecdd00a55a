#pragma once

#include <QByteArray>
#include <QString>

class FileLock;

// Replaces a file whole or not at all. The bytes go to a temporary file beside the target; every
// write and the final flush are checked (a full disk must never pass for success), and only then
// does the temporary file take the target's name. On any failure the previous file stays exactly
// as it was and no temporary file is left behind.
class SaveFile {
public:
    explicit SaveFile(QString fileName);

    // A file named by the program inside a folder the user chose (the export) must not follow a
    // symbolic link planted under that name and overwrite something outside the folder.
    void SetRefuseSymbolicLink(bool refuse) { refuseSymbolicLink_ = refuse; }

    // Writes the contents; false with ErrorString() set when the file could not be replaced.
    // With keep, the new file is locked before it takes the name and keep holds it afterwards
    // (whatever keep held before is let go); on failure keep is left as it was.
    bool Save(const QByteArray& contents, FileLock* keep = nullptr);

    const QString& FileName() const { return fileName_; }
    // Why the last Save failed, in the words of the operating system.
    const QString& ErrorString() const { return errorString_; }

private:
    bool Fail(const QString& reason);

    QString fileName_;
    QString errorString_;
    bool refuseSymbolicLink_ = false;
};
