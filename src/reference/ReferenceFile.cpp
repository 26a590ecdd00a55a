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
    parsed_.reset();
    pending_ = fileName;
}

void mTReferenceFile::Ready() const {
    // Reading fills the rows a const reader asks for; the object is what it was, only complete.
    auto* self = const_cast<mTReferenceFile*>(this);
    if (!pending_.isEmpty()) self->Load(QString(pending_));
    if (parsed_) {
        const std::shared_ptr<const ReferenceXml::Document> document = std::move(parsed_);
        self->Read(*document);
    }
}

QString mTReferenceFile::ErrorString() const {
    Ready();
    return error_;
}

bool mTReferenceFile::Parse(QByteArray bytes) {
    Clear();
    error_.clear();
    parsed_.reset();
    auto document = std::make_shared<ReferenceXml::Document>();
    if (!document->Parse(std::move(bytes), error_)) return false;
    parsed_ = std::move(document);
    return true;
}
