#pragma once

// A small filesystem with no room left, for the tests of what a failed write leaves behind: a tmpfs
// mounted over a temporary folder when the tests run as root (as CI does). Elsewhere the test that
// needs it is skipped with the reason.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

class FullDisk {
public:
    explicit FullDisk(const char* size = "256k") {
        if (::geteuid() != 0) {
            reason_ = QStringLiteral("a full filesystem needs a tmpfs mount, which needs root");
            return;
        }
        if (::mount("durovid-full-disk", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                    (QByteArray("size=") + size).constData()) != 0) {
            reason_ = QStringLiteral("tmpfs not mounted: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        mounted_ = true;
    }
    ~FullDisk() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const QString& SkipReason() const { return reason_; }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Takes every byte that is left.
    void Fill() const {
        QFile filler(Path(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append)) return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // The last partial block may still fit byte by byte.
        while (filler.write("x", 1) == 1 && filler.flush()) {
        }
    }

    // Files in the folder apart from the filler: a failed save must leave no temporary file.
    QStringList Files() const {
        QStringList files = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(QStringLiteral(".filler"));
        return files;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};

#define DUROVID_NEEDS_FULL_DISK(disk)                                                                        \
    if (!(disk).Mounted()) QSKIP(qPrintable((disk).SkipReason()))
