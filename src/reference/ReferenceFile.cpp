#include "reference/ReferenceFile.h"

#include "reference/ReferenceXml.h"

bool mTReferenceFile::Load(const QString& fileName) {
    pending_.clear();
    Clear();
    QByteArray bytes;
    if (!ReferenceXml::ReadFile(fileName, bytes, error_)) return false;
    if (Parse(std::move(bytes))) return true;
    error_ = QStringLiteral("Файл %1 поврежден: %2").arg(fileName, error_);
    return false;
}

bool mTReferenceFile::LoadFromBytes(const QByteArray& bytes) {
    pending_.clear();
    return Parse(bytes);
}

void mTReferenceFile::LoadWhenUsed(const QString& fileName) {
    Clear();
    error_.clear();
    pending_ = fileName;
}

void mTReferenceFile::Ready() const {
    // Reading fills the rows a const reader asks for; the object is what it was, only complete.
    if (!pending_.isEmpty()) const_cast<mTReferenceFile*>(this)->Load(QString(pending_));
}

QString mTReferenceFile::ErrorString() const {
    Ready();
    return error_;
}

bool mTReferenceFile::Parse(QByteArray bytes) {
    Clear();
    error_.clear();
    ReferenceXml::Document document;
    if (!document.Parse(std::move(bytes), error_)) return false;
    Read(document);
    return true;
}
