#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <exception>

// Failures of the declaration container. Code tells which operation raised the error;
// Place is 0 when raised and is set by the record or root that passes it on.
class mEPrivBase : public std::exception {
public:
    mEPrivBase(QString message, quint16 code)
        : message_(std::move(message)), utf8_(message_.toUtf8()), Code(code) {}
    const char* what() const noexcept override { return utf8_.constData(); }
    const QString& Message() const { return message_; }

private:
    QString message_;
    QByteArray utf8_;

public:
    quint16 Code = 0;
    quint16 Place = 0;
};

#define DUROVID_STORAGE_ERROR(Name)                                                                          \
    class Name : public mEPrivBase {                                                                         \
    public:                                                                                                  \
        using mEPrivBase::mEPrivBase;                                                                        \
    };

DUROVID_STORAGE_ERROR(mEMemoryAllocate) // a buffer cannot be obtained
DUROVID_STORAGE_ERROR(mEWriteStorage)   // a write on a read-only container
DUROVID_STORAGE_ERROR(mEBadStorage)     // the file cannot be opened or is not a container
DUROVID_STORAGE_ERROR(mEAlreadyCreated) // the header was to be written or read a second time
DUROVID_STORAGE_ERROR(mEObjectAccess)   // the container is not initialised
DUROVID_STORAGE_ERROR(mEOpenStream)     // the stream to be opened does not exist
#undef DUROVID_STORAGE_ERROR

// A stored value whose text does not convert to the type the reader expects.
class EConvertError : public std::exception {
public:
    explicit EConvertError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const char* what() const noexcept override { return utf8_.constData(); }
    const QString& Message() const { return message_; }

private:
    QString message_;
    QByteArray utf8_;
};

namespace StorageText {
inline const QString DamagedFile =
    QStringLiteral("Неправильный формат файла декларации, возможно он поврежден.");
inline const QString NotAllocated = QStringLiteral("Не выделена память.");
inline const QString AlreadyCreated = QStringLiteral("Объект уже был создан.");
inline const QString NotInitialised = QStringLiteral("Попытка доступа к неинициализированным данным.");
inline const QString ReadOnly = QStringLiteral("Попытка записи в память только для чтения");
inline const QString OutOfMemory = QStringLiteral("Недостаточно свободной памяти.");
inline const QString NoSuchStream = QStringLiteral("Попытка открытия несуществующего потока");
inline const QString ReadError = QStringLiteral("Ошибка чтения файла: ");
inline const QString WriteError = QStringLiteral("Ошибка записи файла: ");
inline const QString TooLarge =
    QStringLiteral("Файл больше %1 МБ: это не файл декларации, или он поврежден.");
inline const QString NotSaved = QStringLiteral("Декларация не сохранена. ");
inline const QString MaybeBusy = QStringLiteral("Возможно он занят, или с признаком 'read only'");
// The file is locked by another program (or another window) that has it open.
inline QString HeldElsewhere(const QString& fileName) {
    return QStringLiteral("Файл %1 уже открыт в другой программе").arg(fileName);
}
inline const QString ZeroLength = QStringLiteral("Создаваемый фаил отображения не может быть нулевой длины.");
inline const QString NoMapping = QStringLiteral("Не удается создать отображение файла.");
} // namespace StorageText

// The Russian message for the user of a failure while a declaration is saved or loaded: the storage
// exception's own message, the damaged-file message for a value that does not convert, the text of any
// other failure. The desktop program and the console program show exactly this.
inline QString StorageFailureMessage(const std::exception& failure) {
    if (const auto* storage = dynamic_cast<const mEPrivBase*>(&failure)) return storage->Message();
    if (dynamic_cast<const EConvertError*>(&failure)) return StorageText::DamagedFile;
    return QString::fromUtf8(failure.what());
}
