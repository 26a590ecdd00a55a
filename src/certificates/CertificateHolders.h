#pragma once

#include "certificates/IncomeCertificate.h"

#include <QList>

class TIncomeCertificateFile;
class mTPersonInformation;

// One person of a certificate file with the certificates that are theirs (positions from 0).
struct CertificateHolder {
    CertificatePerson Person;
    QList<int> Certificates;
};

// The people of a certificate file and which of them is the declaration's taxpayer: the one with the
// taxpayer's INN, else the one with the taxpayer's surname, name, patronymic and birth date.
struct CertificateHolders {
    QList<CertificateHolder> People; // in the order they first appear in the file
    QList<int> Matching;             // positions in People of those who match the taxpayer

    // The taxpayer's certificates when there is no doubt whose they are: exactly one person matches, or
    // the declaration names no taxpayer yet and the file holds one person only. -1 otherwise: the user
    // chooses from People.
    int Chosen = -1;
};

CertificateHolders FindHolders(const TIncomeCertificateFile& file, const mTPersonInformation& taxpayer);
