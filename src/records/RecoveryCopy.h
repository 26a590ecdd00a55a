#pragma once

#include "storage/FileLock.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <future>
#include <vector>

class mTDeclaration;

// A copy of a declaration with unsaved changes, kept in a folder of the program's own, so that a
// crash, a power cut or a killed program loses at most the typing since the copy was written. The
// user's own file, its lock and its state are never touched.
//
// A copy is three files named by an id: "<id>.kv0", the declaration in its own container format;
// "<id>.json", which file it belongs to, that file's identity (size, modification time, SHA-256) and
// when the copy was written; "<id>.lock", locked for as long as a
// program owns the copy. The system lets the lock go however the program ends, so a copy whose lock
// nobody holds was left by a program that did not close normally. A program that finds one takes its
// lock first, so two programs never take the same copy.
//
// The copies hold a person's tax data: the folder is the owner's alone (0700, its files 0600), and
// nothing in it is followed through a symbolic link.
class RecoveryCopy {
public:
    // This program's own copy in folder; nothing is written before Write.
    explicit RecoveryCopy(QString folder);
    // Lets the copy go. Its files stay for the next start while they hold a declaration; a copy without
    // one leaves nothing behind.
    ~RecoveryCopy();
    RecoveryCopy(RecoveryCopy&&) noexcept;
    RecoveryCopy& operator=(RecoveryCopy&&) noexcept;
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // Copies left by programs that ended without closing, newest first, each taken by this program.
    // Leftovers that hold no declaration are cleared away.
    static std::vector<RecoveryCopy> TakeLeftOver(const QString& folder);

    // Writes the declaration as the copy of documentFileName (empty for a declaration without a name).
    // The declaration is taken at once; its bytes reach the disk in the background (Finish waits for
    // them). False with ErrorString() when the copy cannot be made or the write before it failed; an older
    // copy then stays as it was.
    bool Write(mTDeclaration& declaration, const QString& documentFileName);
    // Waits until the copy being written is on disk; false with ErrorString() when the last write could
    // not be finished.
    bool Finish() const;
    // Removes the copy with all its files; the next Write makes it again.
    void Remove();
    // Moves the declaration and its description into the folder's "damaged" subfolder, where no start
    // looks for them again and the user can still find them.
    void KeepAside();
    // Loads the copy into a freshly created root. Raises the storage exceptions; a file that is not a
    // declaration of this year's format counts as damaged.
    void Load(mTDeclaration& declaration) const;

    bool Exists() const;
    QString DeclarationPath() const;
    // The file the copy belongs to (absolute), empty for a declaration without a name.
    const QString& DocumentFileName() const { return documentFileName_; }
    // Locks the file the copy belongs to into lock and returns its name, when that file is still the
    // one the copy was made from (same size, modification time and contents). Otherwise (changed,
    // gone, held elsewhere, or no identity recorded) lock is left empty and the name is empty: the
    // copy must then be restored as a declaration without a name, never saved over that file.
    QString HoldUnchangedDocument(FileLock& lock) const;
    const QDateTime& Written() const { return written_; }
    const QString& ErrorString() const { return errorString_; }

    static constexpr const char* DamagedFolder = "damaged";

private:
    RecoveryCopy(QString folder, QString id);
    QString PathOf(const char* suffix) const;
    void ReadDescription();
    void LetGo();

    QString folder_;
    QString id_;
    QString documentFileName_;
    QJsonObject documentIdentity_; // as the description recorded it
    QDateTime written_;
    mutable QString errorString_;
    FileLock lock_;
    mutable std::future<QString> writing_; // the write in the background: why it failed, or nothing
};
