#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Holds a declaration file for exclusive use and gives the container one contiguous buffer.
// Loading reads the whole file into the buffer. Saving fills a zeroed buffer of the precomputed
// size and Commit() replaces the file atomically, so a failed save never harms the previous file.
class mTFileLoader {
public:
    // Size 0 means the file's current size (loading). Raises mEBadStorage or mEMemoryAllocate.
    mTFileLoader(const QString& fileName, quint32 size, bool readOnly);
    ~mTFileLoader();
    mTFileLoader(const mTFileLoader&) = delete;
    mTFileLoader& operator=(const mTFileLoader&) = delete;

    // Writes the buffer to the file in one step (QSaveFile). Raises mEBadStorage on failure.
    void Commit();

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
};
