#include "shell/ReferenceDocument.h"

#include "storage/CodePage.h"

#include <QFile>

namespace {
// Far above any real reference file; a larger file is not read into memory.
constexpr qint64 MaxReferenceFileSize = 64 * 1024 * 1024;
} // namespace

std::unique_ptr<pugi::xml_document> LoadReferenceDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxReferenceFileSize) return nullptr;
    QByteArray bytes = file.readAll();
    const qsizetype declarationEnd = bytes.startsWith("<?xml") ? bytes.indexOf("?>") : -1;
    if (declarationEnd > 0 && bytes.left(declarationEnd).toLower().contains("1251"))
        bytes = CodePage::FromCp1251(bytes).toUtf8();
    auto document = std::make_unique<pugi::xml_document>();
    if (!document->load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default,
                               pugi::encoding_utf8))
        return nullptr;
    return document;
}
