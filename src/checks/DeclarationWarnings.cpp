#include "checks/DeclarationWarnings.h"

#include "checks/ScreenPositions.h"
#include "records/Declaration.h"
#include "records/StartingDates.h"

namespace {

// "Дата рождения 01.01.1977 не изменялась …": what, at which starting value.
QString Untouched(const QString& what, TDateTime value) {
    return what + QLatin1Char(' ') + DateValue::Text(value) +
           QStringLiteral(" осталась той, что программа ставит сама. Проверьте её.");
}

void PersonWarnings(const mTDeclaration& d, QList<CheckFault>& out) {
    const mTPersonInformation& p = d.Person;
    const auto warn = [&](const QString& message, quint16 position) {
        out.append({CheckSection::Person, CheckTitle::Person, message, position});
    };
    if (p.BirthDate == StartingDate::Birth())
        warn(Untouched(QStringLiteral("Дата рождения"), p.BirthDate), PersonPosition::BirthDate);
    if (p.DocTypeCode != 0 && p.DocIssueDate == StartingDate::DocumentIssue())
        warn(Untouched(QStringLiteral("Дата выдачи документа, удостоверяющего личность,"), p.DocIssueDate),
             PersonPosition::DocIssueDate);
}

void PropertyWarnings(const mTDeclaration& d, QList<CheckFault>& out) {
    const mTConstructionDeduct& c = d.PropertyDeduction;
    if (d.IncomeKinds == 0 || !c.GrantProperty) return;
    const auto warn = [&](const QString& what, TDateTime value, quint16 position) {
        if (value == StartingDate::Registration())
            out.append({CheckSection::Property, CheckTitle::Property, Untouched(what, value), position});
    };
    // Which dates the return carries depends on how the housing was acquired and on the land with it.
    if (c.ByInvestment) {
        warn(QStringLiteral("Дата акта о передаче объекта"), c.ActDate, PropertyDeductionPosition::ActDate);
        return;
    }
    warn(QStringLiteral("Дата регистрации права собственности на объект"), c.DwellingRegDate,
         PropertyDeductionPosition::DwellingRegDate);
    if (c.ObjectKind > 4)
        warn(QStringLiteral("Дата регистрации права собственности на земельный участок"), c.LandRegDate,
             PropertyDeductionPosition::LandRegDate);
}

void ForeignWarnings(const mTDeclaration& d, QList<CheckFault>& out) {
    if (!(d.IncomeKinds & IncomeForeign)) return;
    quint16 number = 0;
    for (const auto& income : d.CurrencyIncomes) {
        ++number;
        const auto warn = [&](const QString& message) {
            out.append({CheckSection::Currency, CheckTitle::Currency, message, number});
        };
        const bool taxPaid = !income->TaxCurrency.IsZero();
        if (income->IncomeDate == StartingDate::ForeignIncome())
            warn(Untouched(QStringLiteral("По данному источнику выплаты дата получения дохода"),
                           income->IncomeDate));
        if (taxPaid && income->TaxPaidDate == StartingDate::ForeignIncome())
            warn(Untouched(QStringLiteral("По данному источнику выплаты дата уплаты налога"),
                           income->TaxPaidDate));
        // Without the rate the tax paid abroad counts as nothing, and nothing of it is credited.
        if (taxPaid && (income->RateAtTax.IsZero() || income->RateUnitsAtTax == 0))
            warn(QStringLiteral("По данному источнику выплаты не указан курс валюты на дату уплаты налога: "
                                "налог, уплаченный за рубежом, не будет зачтён."));
    }
}

} // namespace

QList<CheckFault> DeclarationWarnings(const mTDeclaration& declaration) {
    QList<CheckFault> warnings;
    PersonWarnings(declaration, warnings);
    PropertyWarnings(declaration, warnings);
    ForeignWarnings(declaration, warnings);
    return warnings;
}

CheckResult AnswerWarnings(const QList<CheckFault>& warnings, ICheckAnswerer& answerer) {
    for (const CheckFault& warning : warnings) {
        const CheckAnswer answer = answerer.Answer(warning);
        if (answer == CheckAnswer::Fix) return {warning.Section, warning.Position};
        if (answer != CheckAnswer::Skip) break;
    }
    return {};
}
