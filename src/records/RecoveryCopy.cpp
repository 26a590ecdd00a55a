#include "records/RecoveryCopy.h"

#include "records/Declaration.h"
#include "storage/RegularFile.h"
#include "storage/SaveFile.h"
#include "storage/StorageErrors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUuid>
#include <algorithm>
#include <utility>

namespace {

const char* const DeclarationSuffix = ".kv0";
const char* const DescriptionSuffix = ".json";
const char* const LockSuffix = ".lock";

// A description is a few hundred bytes; anything much larger is not one of ours.
constexpr qint64 MaxDescriptionSize = 64 * 1024;

// The folder, made if need be, as the owner's alone; false when it is a symbolic link or no folder.
bool PrivateFolder(const QString& path) {
    if (QFileInfo(path).isSymLink()) return false;
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) return false;
    return QFile::setPermissions(path,
                                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// What tells a file from its later versions: size, modification time and a hash of its contents.
// Empty when the file cannot be read.
QJsonObject IdentityOf(const QString& path) {
    QFile file;
    QString reason;
    if (!RegularFile::Open(file, path, QIODevice::ReadOnly, reason)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return {};
    return {{QStringLiteral("size"), QString::number(file.size())},
            {QStringLiteral("modified"),
             QString::number(file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch())},
            {QStringLiteral("sha256"), QString::fromLatin1(hash.result().toHex())}};
}

} // namespace

RecoveryCopy::RecoveryCopy(QString folder)
    : RecoveryCopy(std::move(folder), QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

RecoveryCopy::RecoveryCopy(QString folder, QString id) : folder_(std::move(folder)), id_(std::move(id)) {}

RecoveryCopy::~RecoveryCopy() {
    LetGo();
}

RecoveryCopy::RecoveryCopy(RecoveryCopy&& other) noexcept
    : folder_(std::move(other.folder_)), id_(std::move(other.id_)),
      documentFileName_(std::move(other.documentFileName_)),
      documentIdentity_(std::move(other.documentIdentity_)), written_(std::move(other.written_)),
      errorString_(std::move(other.errorString_)), lock_(std::move(other.lock_)),
      writing_(std::move(other.writing_)) {}

RecoveryCopy& RecoveryCopy::operator=(RecoveryCopy&& other) noexcept {
    if (this != &other) {
        LetGo();
        folder_ = std::move(other.folder_);
        id_ = std::move(other.id_);
        documentFileName_ = std::move(other.documentFileName_);
        documentIdentity_ = std::move(other.documentIdentity_);
        written_ = std::move(other.written_);
        errorString_ = std::move(other.errorString_);
        lock_ = std::move(other.lock_);
        writing_ = std::move(other.writing_);
    }
    return *this;
}

void RecoveryCopy::LetGo() {
    if (!lock_.IsHeld()) return;
    Finish();
    // The lock file goes while it is still locked, so no other program can take a copy that is gone.
    if (!Exists()) {
        QFile::remove(PathOf(DescriptionSuffix));
        QFile::remove(PathOf(LockSuffix));
    }
    lock_.Release();
}

QString RecoveryCopy::PathOf(const char* suffix) const {
    return QDir(folder_).filePath(id_ + QLatin1String(suffix));
}

QString RecoveryCopy::DeclarationPath() const {
    return PathOf(DeclarationSuffix);
}

bool RecoveryCopy::Exists() const {
    Finish();
    return QFileInfo(DeclarationPath()).isFile();
}

std::vector<RecoveryCopy> RecoveryCopy::TakeLeftOver(const QString& folder) {
    // Followed, a link would let another folder's files be taken, moved and removed as copies.
    if (QFileInfo(folder).isSymLink()) return {};
    if (QFileInfo(folder).isDir()) PrivateFolder(folder); // a folder of an earlier version was open to all
    QSet<QString> ids;
    const QStringList patterns{QStringLiteral("*") + QLatin1String(DeclarationSuffix),
                               QStringLiteral("*") + QLatin1String(DescriptionSuffix),
                               QStringLiteral("*") + QLatin1String(LockSuffix)};
    for (const QFileInfo& file : QDir(folder).entryInfoList(patterns, QDir::Files | QDir::NoSymLinks))
        ids.insert(file.completeBaseName());

    std::vector<RecoveryCopy> found;
    for (const QString& id : ids) {
        RecoveryCopy copy(folder, id);
        // Held: its program is running. Without a declaration it is only what a program left
        // half-written or half-removed, and goes when the copy is let go.
        if (!copy.lock_.Take(copy.PathOf(LockSuffix), true) || !copy.Exists()) continue;
        copy.ReadDescription();
        found.push_back(std::move(copy));
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.written_ > b.written_; });
    return found;
}

void RecoveryCopy::ReadDescription() {
    documentFileName_.clear();
    written_ = QFileInfo(DeclarationPath()).lastModified().toUTC();
    QFile file;
    QString reason;
    if (!RegularFile::Open(file, PathOf(DescriptionSuffix), QIODevice::ReadOnly, reason) ||
        file.size() > MaxDescriptionSize)
        return;
    // A description that cannot be read leaves the copy without a name; the declaration is what counts.
    const QJsonObject description = QJsonDocument::fromJson(file.read(MaxDescriptionSize)).object();
    documentFileName_ = description.value(QStringLiteral("file")).toString();
    documentIdentity_ = description.value(QStringLiteral("identity")).toObject();
    const QDateTime written =
        QDateTime::fromString(description.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    if (written.isValid()) written_ = written.toUTC();
}

bool RecoveryCopy::Write(mTDeclaration& declaration, const QString& documentFileName) {
    // One write at a time, in order; a failure of the one before is reported by this one.
    const bool previousWritten = Finish();
    const QString previousError = errorString_;
    if (!PrivateFolder(folder_)) {
        errorString_ = QStringLiteral("Не удалось создать папку ") + QDir::toNativeSeparators(folder_) +
                       QStringLiteral(" (или на её месте символическая ссылка)");
        return false;
    }
    if (!lock_.IsHeld() && !lock_.Take(PathOf(LockSuffix), true)) {
        errorString_ =
            QStringLiteral("Не удалось заблокировать файл ") + QDir::toNativeSeparators(PathOf(LockSuffix));
        return false;
    }
    QByteArray container;
    try {
        container = declaration.SaveToBytes();
    } catch (const std::exception& e) {
        errorString_ = StorageFailureMessage(e);
        return false;
    }
    const QString belongsTo =
        documentFileName.isEmpty() ? QString() : QFileInfo(documentFileName).absoluteFilePath();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // The bytes go to disk on a thread of their own: waiting for the disk (and reading the file the
    // copy belongs to, for its identity) must never hold up the typing. The description goes first, so
    // that a copy on disk always names the file it belongs to (a copy is removed whenever the
    // declaration becomes another file's).
    writing_ = std::async(
        std::launch::async,
        [descriptionPath = PathOf(DescriptionSuffix), belongsTo, written = now.toString(Qt::ISODateWithMs),
         containerPath = DeclarationPath(), container]() -> QString {
            QJsonObject description{{QStringLiteral("file"), belongsTo},
                                    {QStringLiteral("written"), written}};
            if (!belongsTo.isEmpty()) description.insert(QStringLiteral("identity"), IdentityOf(belongsTo));
            const QByteArray descriptionBytes = QJsonDocument(description).toJson(QJsonDocument::Compact);
            for (const auto& [path, bytes] :
                 {std::pair{descriptionPath, descriptionBytes}, {containerPath, container}}) {
                SaveFile out(path);
                out.SetOutputOf({});
                out.SetOwnerOnly(true);
                if (!out.Save(bytes))
                    return StorageText::WriteError + QDir::toNativeSeparators(path) + QLatin1Char('\r') +
                           out.ErrorString();
            }
            return QString();
        });
    documentFileName_ = belongsTo;
    documentIdentity_ = {}; // known to the copy on disk; this program never restores its own copy
    written_ = now;
    errorString_ = previousError;
    return previousWritten;
}

bool RecoveryCopy::Finish() const {
    if (writing_.valid()) errorString_ = writing_.get();
    return errorString_.isEmpty();
}

void RecoveryCopy::Remove() {
    Finish();
    QFile::remove(DeclarationPath());
    LetGo();
    documentFileName_.clear();
    written_ = QDateTime();
}

void RecoveryCopy::KeepAside() {
    Finish();
    const QString asidePath = QDir(folder_).filePath(QLatin1String(DamagedFolder));
    // A link planted under the folder's name goes itself, its target untouched: followed, it would
    // have files removed and replaced wherever it points.
    if (QFileInfo(asidePath).isSymLink()) QFile::remove(asidePath);
    if (!PrivateFolder(asidePath)) return;
    const QDir aside(asidePath);
    for (const char* suffix : {DeclarationSuffix, DescriptionSuffix}) {
        const QString target = aside.filePath(id_ + QLatin1String(suffix));
        QFile::remove(target);
        QFile::rename(PathOf(suffix), target);
    }
}

QString RecoveryCopy::HoldUnchangedDocument(FileLock& lock) const {
    lock.Release();
    if (documentFileName_.isEmpty() || documentIdentity_.isEmpty()) return {};
    FileLock held;
    // Compared under the lock, so that the file cannot change between the comparison and the hold.
    if (!held.Take(documentFileName_) || IdentityOf(documentFileName_) != documentIdentity_) return {};
    lock = std::move(held);
    return documentFileName_;
}

void RecoveryCopy::Load(mTDeclaration& declaration) const {
    Finish();
    // Only a declaration of this year's format is a copy of ours: an older file would load as its
    // taxpayer alone and pass for the whole declaration.
    QFile file;
    QString reason;
    if (RegularFile::Open(file, DeclarationPath(), QIODevice::ReadOnly, reason)) {
        const QByteArray header = file.read(24);
        file.close();
        if (header.size() < 24 || header.mid(4).trimmed() != mTDeclaration::CurrentSignature.toLatin1())
            throw mEBadStorage(StorageText::DamagedFile, 68);
    }
    declaration.LoadFromFile(DeclarationPath());
}
