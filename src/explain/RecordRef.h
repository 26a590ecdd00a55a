#pragma once

#include <QString>
#include <QtGlobal>

// The records and lists of a declaration an explained value can come from, named as the
// declaration's members. A navigation table maps them to the screens that edit them.
enum class RecordSection : quint8 {
    None,
    Declaration,        // the return's own fields (advance payments and the like)
    IncomeSources13,    // resident: 13 %; non-resident: 30 %
    IncomeSources13NR,  // non-resident: 13 %
    IncomeSources35,    // 35 %
    IncomeSources30,    // dividends: resident 9 %, non-resident 15 %
    CurrencyIncomes,    // income received abroad
    BusinessIncomes,    // business and private-practice activities
    PracticeIncomes,    // private practice, older records
    TaxPayments,        // payments on tax notices
    StandardDeduction,  // lines are months 1..12
    SocialDeduction,    // lines are the child-education amounts
    PensionContracts,   // the social deduction's pension contracts
    PropertyDeduction,  // housing
    SecuritiesDeduction // losses of earlier years
};

// One value of the declaration: the record (numbered from 1 in its list, 0 for a record of its own),
// the line of that record (from 1; 0 for a field of the record itself) and the field's name in the code.
struct RecordRef {
    RecordSection Section = RecordSection::None;
    qint32 Record = 0;
    qint32 Line = 0;
    const char* Field = nullptr;

    bool IsSet() const { return Section != RecordSection::None; }
};

// The member name of the section ("IncomeSources13"): the stable key of the JSON form.
QString RecordSectionKey(RecordSection section);
// Where the taxpayer entered it, in Russian ("Доходы по ставке 13 %, источник 2, строка 5"); brief
// leaves out the list's title where a record of it is named ("источник 2, строка 5").
QString RecordRefText(const RecordRef& ref, bool nonResident, bool brief = false);
