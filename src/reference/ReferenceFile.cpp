#include "reference/ReferenceFile.h"

#include "reference/ReferenceXml.h"

bool mTReferenceFile::Load(const QString& fileName) {
    Clear();
    QByteArray bytes;
    if (!ReferenceXml::ReadFile(fileName, bytes, error_)) return false;
    if (LoadFromBytes(bytes)) return true;
    error_ = QStringLiteral("Файл %1 поврежден: %2").arg(fileName, error_);
    return false;
}

bool mTReferenceFile::LoadFromBytes(const QByteArray& bytes) {
    Clear();
    error_.clear();
    ReferenceXml::Document document;
    if (!document.Parse(bytes, error_)) return false;
    Read(document);
    return true;
}
