#include "explain/RecordRef.h"

namespace {

struct SectionText {
    RecordSection section;
    const char* key;
    const char* title;  // the record or list, in Russian
    const char* record; // one record of the list; empty for a record of its own
    const char* line;   // one line of the record
};

// The same list holds other rates for a non-resident: its title then follows in brackets.
constexpr SectionText kSections[] = {
    {RecordSection::None, "", "", "", ""},
    {RecordSection::Declaration, "Declaration", "Декларация", "", ""},
    {RecordSection::IncomeSources13, "IncomeSources13", "Доходы по ставке 13 %", "источник", "строка"},
    {RecordSection::IncomeSources13NR, "IncomeSources13NR", "Доходы нерезидента по ставке 13 %", "источник",
     "строка"},
    {RecordSection::IncomeSources35, "IncomeSources35", "Доходы по ставке 35 %", "источник", ""},
    {RecordSection::IncomeSources30, "IncomeSources30", "Дивиденды", "источник", ""},
    {RecordSection::CurrencyIncomes, "CurrencyIncomes", "Доходы за пределами РФ", "доход", ""},
    {RecordSection::BusinessIncomes, "BusinessIncomes", "Предпринимательская деятельность",
     "вид деятельности", ""},
    {RecordSection::PracticeIncomes, "PracticeIncomes", "Частная практика", "запись", "сумма"},
    {RecordSection::TaxPayments, "TaxPayments", "Платежи по налоговым уведомлениям", "платёж", ""},
    {RecordSection::StandardDeduction, "StandardDeduction", "Стандартные вычеты", "", "месяц"},
    {RecordSection::SocialDeduction, "SocialDeduction", "Социальные вычеты", "", "сумма за обучение ребёнка"},
    {RecordSection::PensionContracts, "PensionContracts", "Социальные вычеты: пенсионные договоры", "договор",
     ""},
    {RecordSection::PropertyDeduction, "PropertyDeduction", "Имущественный вычет", "", ""},
    {RecordSection::SecuritiesDeduction, "SecuritiesDeduction", "Убытки прошлых лет", "", ""},
};

const SectionText& TextOf(RecordSection section) {
    return kSections[size_t(section)];
}

} // namespace

QString RecordSectionKey(RecordSection section) {
    return QString::fromLatin1(TextOf(section).key);
}

QString RecordRefText(const RecordRef& ref, bool nonResident, bool brief) {
    if (!ref.IsSet()) return {};
    const SectionText& text = TextOf(ref.Section);
    QString result = QString::fromUtf8(text.title);
    if (nonResident && ref.Section == RecordSection::IncomeSources13)
        result = QStringLiteral("Доходы по ставке 30 %");
    if (nonResident && ref.Section == RecordSection::IncomeSources30)
        result = QStringLiteral("Дивиденды по ставке 15 %");
    // The return's own amounts are entered with the income they belong to.
    if (ref.Section == RecordSection::Declaration) {
        const QLatin1String field(ref.Field);
        if (field == QLatin1String("AdvancePaid") || field == QLatin1String("AdvanceAccrued"))
            result = QStringLiteral("Предпринимательская деятельность");
        else if (field == QLatin1String("PracticeSum1") || field == QLatin1String("PracticeSum2"))
            result = QStringLiteral("Частная практика");
        else if (field == QLatin1String("FixedAdvancePayments"))
            result = QStringLiteral("Доходы по ставке 13 %");
    }
    if (ref.Record > 0) {
        const QString record = QString::fromUtf8(text.record) + QStringLiteral(" %1").arg(ref.Record);
        result = brief ? record : result + QStringLiteral(", ") + record;
    }
    if (ref.Line > 0 && *text.line)
        result += QStringLiteral(", ") + QString::fromUtf8(text.line) + QStringLiteral(" %1").arg(ref.Line);
    return result;
}
