#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class FileLock;

// Holds a declaration file for exclusive use and gives the container one contiguous buffer.
// Loading reads the whole file into the buffer. Saving fills a zeroed buffer of the precomputed
// size and Commit() replaces the file atomically, so a failed save never harms the previous file.
// Only regular files are opened: a folder, FIFO or device is refused at once.
class mTFileLoader {
public:
    // The largest declaration file that is read or written. 65 535 sources of income (as many as a
    // list's 16-bit count can name) with ten income lines each make a file of about 72 MB; this leaves
    // more than three times that for long texts and every other list. A larger file is refused before a
    // byte of it is read, so a damaged or hostile one cannot make the program allocate gigabytes, and
    // the save refuses to write one, so the program never writes a file it would refuse to read.
    static constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;

    // Size 0 means the file's current size (loading). Raises mEBadStorage or mEMemoryAllocate.
    // held: a lock the caller keeps on a file; when it is this file, the loader works under it
    // instead of locking the file a second time (which would find it busy).
    mTFileLoader(const QString& fileName, quint32 size, bool readOnly, const FileLock* held = nullptr);
    // A container built in memory only, for a caller that writes the bytes itself (TakeBuffer).
    explicit mTFileLoader(quint32 size);
    // A container read from bytes held in memory (an earlier state of the open declaration).
    explicit mTFileLoader(const QByteArray& bytes);
    ~mTFileLoader();
    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    // Writes the buffer to the file in one step. With keep, the new file is locked into keep before it
    // takes the name (the lock on the replaced file is let go). Raises mEBadStorage on failure.
    void Commit(FileLock* keep = nullptr);
    // After a load: hands the loader's lock on the file to keep, which then holds the file after the
    // loader is gone. Nothing to do when the loader worked under keep already.
    void KeepLock(FileLock& keep);
    // The buffer of a container built in memory; the loader is closed afterwards.
    QByteArray TakeBuffer();

    char* Data() { return buffer_.data(); }
    const char* Data() const { return buffer_.constData(); }
    bool IsOpen() const { return open_; }

    const QString FileName;
    const bool ReadOnly;
    quint32 Size = 0;

private:
    void Close();

    QFile file_;
    QByteArray buffer_;
    bool open_ = false;
    bool underHeldLock_ = false;
};
