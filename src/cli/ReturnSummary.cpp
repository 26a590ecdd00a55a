#include "cli/ReturnSummary.h"

#include "cli/CliCommand.h"

#include "checks/DeclarationCheck.h"
#include "computation/SvodSum.h"
#include "records/Declaration.h"
#include "storage/AmountText.h"

namespace {

QString KindText(quint8 kind) {
    switch (kind) {
    case ReturnKind3NDFL:
        return QStringLiteral("3-НДФЛ резидента");
    case ReturnKind3NDFLNonResident:
        return QStringLiteral("3-НДФЛ нерезидента");
    default:
        return QStringLiteral("4-НДФЛ");
    }
}

// "Иванов И. И."; a part that is missing is left out.
QString SurnameAndInitials(const mTPersonInformation& person) {
    QString text = person.SurName.trimmed();
    for (const QString& part : {person.FirstName.trimmed(), person.Patronymic.trimmed()})
        if (!part.isEmpty()) text += QLatin1Char(' ') + part.left(1).toUpper() + QLatin1Char('.');
    return text.trimmed();
}

QString CellAmount(Money amount) {
    return KopeckAmountText(amount).replace(QLatin1Char('.'), kScreenDecimalSeparator);
}

} // namespace

QStringList ReturnSummary::Columns() {
    QStringList columns{QStringLiteral("Файл"),
                        QStringLiteral("Вид декларации"),
                        QStringLiteral("Номер корректировки"),
                        QStringLiteral("Фамилия и инициалы"),
                        QStringLiteral("ИНН"),
                        QStringLiteral("Налоговый орган")};
    for (int rate : Rates)
        columns << QStringLiteral("Доход по ставке %1 %").arg(rate);
    columns << QStringLiteral("Налог исчисленный") << QStringLiteral("Налог удержанный")
            << QStringLiteral("К уплате") << QStringLiteral("К возврату") << QStringLiteral("Ошибок проверки")
            << QStringLiteral("Первая ошибка");
    return columns;
}

QStringList ReturnSummary::Cells() const {
    QStringList cells{File, Kind, QString::number(Correction), Name, Inn, TaxOffice};
    for (Money amount : Income)
        cells << CellAmount(amount);
    cells << CellAmount(TaxComputed) << CellAmount(TaxWithheld) << CellAmount(Payable)
          << CellAmount(Refundable) << QString::number(FaultCount) << FirstFault;
    return cells;
}

void ReturnSummary::Json(JsonDumper& json) const {
    json.BeginItem();
    json.Str("file", File);
    json.Str("kind", Kind);
    json.Int("correction", Correction);
    json.Str("name", Name);
    json.Str("inn", Inn);
    json.Str("taxOffice", TaxOffice);
    json.BeginObject("income");
    for (size_t i = 0; i < Rates.size(); ++i)
        json.Amount(QByteArray::number(Rates[i]).constData(), Income[i]);
    json.EndObject();
    json.Amount("taxComputed", TaxComputed);
    json.Amount("taxWithheld", TaxWithheld);
    json.Amount("payable", Payable);
    json.Amount("refundable", Refundable);
    json.Int("faults", FaultCount);
    json.Str("firstFault", FirstFault);
    json.Bool("computed", Computed);
    json.EndItem();
}

ReturnSummary SummarizeReturn(const QString& file, mTDeclaration& declaration) {
    ReturnSummary summary;
    summary.File = file;
    summary.Kind = KindText(declaration.ReturnKind);
    summary.Correction = declaration.CorrectionNumber;
    summary.Name = SurnameAndInitials(declaration.Person);
    summary.Inn = declaration.Person.INN;
    summary.TaxOffice = declaration.InspectionCode;
    const QList<CheckFault> faults = EveryFault(declaration);
    summary.FaultCount = qint32(faults.size());
    if (!faults.isEmpty()) summary.FirstFault = faults[0].Title + QStringLiteral(": ") + faults[0].Message;

    kTSvodSum sum;
    try {
        sum.Compute(declaration);
    } catch (...) {
        // As the export does: report the failure and show what was computed before it.
        CliError(kTSvodSum::FailureMessage);
        summary.Computed = false;
    }
    summary.Income = {sum.List1.IncomeTotal, sum.List2.IncomeTotal, sum.List3.IncomeTotal,
                      sum.List4.IncomeTotal, sum.List5.IncomeTotal};
    summary.TaxComputed = sum.List1.TaxComputed + sum.List2.TaxComputed + sum.List3.TaxComputed +
                          sum.List4.TaxComputed + sum.List5.TaxComputed;
    summary.TaxWithheld = sum.List1.TaxWithheld + sum.List2.TaxWithheld + sum.List3.TaxWithheld +
                          sum.List4.TaxWithheld + sum.List5.TaxWithheld;
    summary.Payable =
        sum.List1.Payable + sum.List2.Payable + sum.List3.Payable + sum.List4.Payable + sum.List5.Payable;
    summary.Refundable = sum.List1.Refundable + sum.List2.Refundable + sum.List3.Refundable +
                         sum.List4.Refundable + sum.List5.Refundable;
    return summary;
}
