#include "certificates/CertificateHolders.h"

#include "certificates/CertificateFile.h"
#include "records/PersonInformation.h"
#include "storage/Date.h"

#include <QHash>

namespace {

// Names compare without regard to case, surrounding blanks or "ё".
QString NameKey(const QString& text) {
    return text.trimmed().toUpper().replace(QChar(0x0401), QChar(0x0415));
}

QString PersonKey(const QString& surname, const QString& name, const QString& patronymic,
                  const QDate& birth) {
    return NameKey(surname) + QLatin1Char('\n') + NameKey(name) + QLatin1Char('\n') + NameKey(patronymic) +
           QLatin1Char('\n') + birth.toString(Qt::ISODate);
}

// One person is one INN; a certificate without an INN is told by name and birth date.
QString HolderKey(const CertificatePerson& p) {
    return p.Inn.isEmpty() ? PersonKey(p.Surname, p.Name, p.Patronymic, p.BirthDate) : p.Inn;
}

} // namespace

CertificateHolders FindHolders(const TIncomeCertificateFile& file, const mTPersonInformation& taxpayer) {
    CertificateHolders holders;
    QHash<QString, int> byKey;
    for (int i = 0; i < file.Count(); ++i) {
        CertificatePerson person = file.Person(i);
        const QString key = HolderKey(person);
        auto found = byKey.constFind(key);
        if (found == byKey.constEnd()) {
            found = byKey.insert(key, int(holders.People.size()));
            holders.People.append({std::move(person), {}});
        }
        holders.People[*found].Certificates.append(i);
    }

    const QString inn = taxpayer.INN.trimmed();
    if (!inn.isEmpty()) {
        for (int h = 0; h < holders.People.size(); ++h)
            if (holders.People[h].Person.Inn == inn) holders.Matching.append(h);
    }
    const bool named = !taxpayer.SurName.trimmed().isEmpty();
    if (holders.Matching.isEmpty() && named) {
        const QString wanted = PersonKey(taxpayer.SurName, taxpayer.FirstName, taxpayer.Patronymic,
                                         DateValue::ToQDate(taxpayer.BirthDate));
        for (int h = 0; h < holders.People.size(); ++h) {
            const CertificatePerson& p = holders.People[h].Person;
            // Another INN is another person, whatever the name.
            if (!inn.isEmpty() && !p.Inn.isEmpty()) continue;
            if (PersonKey(p.Surname, p.Name, p.Patronymic, p.BirthDate) == wanted) holders.Matching.append(h);
        }
    }
    if (holders.Matching.size() == 1)
        holders.Chosen = holders.Matching.first();
    else if (holders.Matching.isEmpty() && inn.isEmpty() && !named && holders.People.size() == 1)
        holders.Chosen = 0;
    return holders;
}
