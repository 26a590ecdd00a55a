#pragma once

#include <QList>
#include <QString>

// Who may pay an income: an organisation or a person, or an organisation only. A pension fund is an
// organisation whose contract has no OKATO code to test.
enum class PayerKind { OrganisationOrPerson, Organisation, OrganisationWithoutOkato };

// One rule about a payer of income that fails: the message, what to fix (1 the name, 2 the INN,
// 3 the KPP, 4 the OKATO code) and whether the user may not skip it.
struct PayerFault {
    QString Message;
    quint16 Result = 0;
    bool Mandatory = false;
};

// The rules the income-source dialogs run on a payer's name, OKATO code, KPP and INN as typed,
// failing ones in their order.
QList<PayerFault> PayerSourceFaults(PayerKind kind, const QString& name, const QString& okato,
                                    const QString& kpp, const QString& inn);
