#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class FileLock;

// Replaces a file whole or not at all. The bytes go to a temporary file beside the target; every
// write and the final flush are checked (a full disk must never pass for success), and only then
// does the temporary file take the target's name. On any failure the previous file stays exactly
// as it was and no temporary file is left behind.
class SaveFile {
public:
    explicit SaveFile(QString fileName);

    // A file the program makes from other files (a PDF, the export, a reference file, a recovery copy)
    // is never written through a symbolic link under its name, never over one of the inputs it was
    // made from, and never over a file another holder keeps locked (a declaration open in a program).
    // The held file stays locked by this save until the new one has taken its name.
    void SetOutputOf(QStringList inputs);
    // The new file can be read and written by its owner only (it holds a person's tax data).
    void SetOwnerOnly(bool ownerOnly) { ownerOnly_ = ownerOnly; }

    // Writes the contents; false with ErrorString() set when the file could not be replaced.
    // With keep, the new file is locked before it takes the name and keep holds it afterwards
    // (whatever keep held before is let go); on failure keep is left as it was.
    bool Save(const QByteArray& contents, FileLock* keep = nullptr);

    const QString& FileName() const { return fileName_; }
    // The reasons SetOutputOf gives for a refused file.
    static QString SymbolicLinkReason();
    static QString InputReason();
    static QString HeldReason();
    // Why the last Save failed, in the words of the operating system.
    const QString& ErrorString() const { return errorString_; }

private:
    bool Fail(const QString& reason);
    bool MayReplace(const FileLock* keep, FileLock& old);

    QString fileName_;
    QString errorString_;
    bool output_ = false;
    bool ownerOnly_ = false;
    QStringList inputs_;
};
