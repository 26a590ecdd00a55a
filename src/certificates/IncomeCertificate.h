#pragma once

#include "storage/Money.h"

#include <QDate>
#include <QList>
#include <QString>

// What one employer's income certificate (form 2-NDFL) tells, as read from its XML file.

// The tax agent that paid the income: an organisation (INN of 10 digits and a KPP) or a person.
struct CertificateAgent {
    QString Inn;
    QString Kpp;
    QString Okato;
    QString Name;
};

// The person the income was paid to.
struct CertificatePerson {
    QString Inn;
    QString Surname;
    QString Name;
    QString Patronymic;
    QDate BirthDate;       // null when the certificate gives none or an unreadable one
    QString BirthDateText; // as written
    int Status = 0;        // 1 resident, 2 non-resident, 0 not given

    QString FullName() const;
    // "Иванов Иван Иванович, дата рождения 14.05.1975, ИНН 695012345651", what is given of it.
    QString Description() const;
};

// One income line: the month, the income code and amount, the deduction applied to that income.
struct CertificateIncomeLine {
    quint16 Month = 0;
    qint32 IncomeCode = 0;
    Money Income;
    qint32 DeductionCode = 0;
    Money Deduction;
};

// A deduction the agent granted (standard, social, property), with its code and amount for the year.
struct CertificateDeduction {
    qint32 Code = 0;
    Money Amount;
};

// The income at one rate, with its lines, the deductions granted and the totals.
struct CertificateRateBlock {
    int Rate = 0; // percent: 13, 30, 35, 9 or 15
    QList<CertificateIncomeLine> Lines;
    QList<CertificateDeduction> Deductions;
    Money IncomeTotal;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
};

struct IncomeCertificate {
    int Position = 0; // from 1, in the file
    int Year = 0;
    QString Number;
    QString Date;
    CertificateAgent Agent;
    CertificatePerson Person;
    QList<CertificateRateBlock> Rates;

    // How messages name the certificate: "справка № 15" or, without a number, "справка 3 в файле".
    QString Label() const;
};
