#pragma once

#include <QString>

// An exclusive lock on a declaration file. A loader takes one for the moment of a load or a save; a
// holder may keep it for as long as the declaration is open, so that a second program (or a second
// loader in this one) is refused with the busy-file message. A save replaces the file with a new one;
// the kept lock moves to the new file before that file takes the name, so at no moment can another
// program slip in. The system releases the lock when the program ends, however it ends.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool IsHeld() const { return handle_ >= 0; }
    // The file the lock was taken on (as named by the program).
    const QString& FileName() const { return fileName_; }
    void Release();

    // Opens fileName (creating an empty one with create) and locks it without waiting; false when
    // another holder has it, when it is not a regular file, or when it is no longer under that name by
    // the time it is locked (its holder removed it). Whatever this lock held before is let go on success.
    bool Take(const QString& fileName, bool create = false);

    // Take with create, waiting up to timeoutMs while another holder has the file (a writer that
    // replaces it leaves the new file to be locked). False at once when the file cannot be opened.
    bool Wait(const QString& fileName, int timeoutMs);

    // Locks the open file behind the handle, without waiting; false when another holder has it.
    static bool TryLock(int handle);
    // Keeps the lock of a file that is open and locked through handle, also after that handle is closed.
    bool Adopt(int handle, const QString& fileName);

private:
    enum class Outcome { Taken, Busy, Moved, Failed };
    Outcome Attempt(const QString& fileName, bool create);

    int handle_ = -1;
    QString fileName_;
};
