#pragma once

#include "certificates/IncomeCertificate.h"

#include <QByteArray>
#include <QString>
#include <memory>

// A file of income certificates (form 2-NDFL) as employers file them: root "Файл", one "Документ" per
// certificate. Such a file may hold a large employer's thousands of certificates, so loading only parses
// it; who each certificate is for is read on asking, and a certificate is read whole only when it is
// taken. The text may be windows-1251 (as its prolog declares) or UTF-8. Elements and attributes are
// found by name; what the reader does not know is ignored, so the format versions of 2010 and 2011 read
// alike. A document type declaration is refused: nothing the file refers to is ever fetched.
class TIncomeCertificateFile {
public:
    TIncomeCertificateFile();
    ~TIncomeCertificateFile();

    // Reads and parses the file; false with ErrorString() when it is not a readable certificate file.
    // Every certificate must name the person it is for.
    bool Load(const QString& path);
    bool LoadFromBytes(QByteArray bytes);
    QString ErrorString() const { return error_; }

    int Count() const;
    // Who certificate i (from 0) is for, and its year.
    CertificatePerson Person(int i) const;
    int Year(int i) const;
    // Reads certificate i whole; false with ErrorString() when a value in it cannot be taken (a month
    // outside 1–12, an amount that is not a number or is negative, an unknown rate).
    bool Read(int i, IncomeCertificate& certificate);

    // The largest file read: far beyond the certificates of the largest employer.
    static constexpr qint64 MaxFileSize = qint64(512) * 1024 * 1024;

private:
    struct Parsed;
    bool Fail(const QString& message);

    std::unique_ptr<Parsed> parsed_;
    QString error_;
};
