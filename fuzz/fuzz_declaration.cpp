// Feeds arbitrary bytes to the declaration loader and, when they load, to the dump and a save.
#include "records/Declaration.h"
#include "storage/StorageErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.kv0"));
    static const QString copy = dir.filePath(QStringLiteral("copy.kv0"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    mTDeclaration declaration;
    try {
        declaration.LoadFromFile(path);
        const QByteArray json = declaration.DumpJson();
        if (json.isEmpty()) __builtin_trap();
        declaration.SaveToFile(copy);
    } catch (const mEPrivBase&) {
        return 0;
    } catch (const EConvertError&) {
        return 0;
    }
    // What was saved loads again, without a refusal, and saves to the same bytes, in a file or in memory.
    try {
        mTDeclaration again;
        again.LoadFromFile(copy);
        QFile saved(copy);
        if (!saved.open(QIODevice::ReadOnly) || again.SaveToBytes() != saved.readAll()) __builtin_trap();
    } catch (...) {
        __builtin_trap();
    }
    return 0;
}
