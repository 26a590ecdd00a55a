#include "reference/IncomeDictionary.h"

#include "reference/ReferenceXml.h"

#include <QFile>

// Resources of a static library must be registered by hand, and only outside any namespace.
static void InitCoreResources() {
    Q_INIT_RESOURCE(core);
}

namespace {

bool IsTrue(const ReferenceXml::Document& doc, const pugi::xml_node& e, const char* name) {
    return doc.Attribute(e, name) == QLatin1String("True");
}

DeductionEntry ReadDeduction(const ReferenceXml::Document& doc, const pugi::xml_node& e) {
    const auto Attribute = [&](const pugi::xml_node& n, const char* name) { return doc.Attribute(n, name); };
    DeductionEntry d;
    d.Code = Attribute(e, "Code");
    d.Name = Attribute(e, "Name");
    d.Percent = Attribute(e, "Stav").trimmed().toInt(); // blank (or not a number) is 0
    d.Visible = IsTrue(doc, e, "Visible");
    d.Enabled = IsTrue(doc, e, "Enabled");
    d.Equivalent = IsTrue(doc, e, "Equivalent");
    if (!Money::FromText(Attribute(e, "MaxSum"), QLatin1Char('.'), d.MaxSum)) d.MaxSum = Money();
    return d;
}

} // namespace

QByteArray mTIncomeDictionary::EmbeddedDocument() {
    InitCoreResources();
    QFile file(QStringLiteral(":/reference/IncomeDict.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const mTIncomeDictionary& mTIncomeDictionary::Embedded() {
    static const mTIncomeDictionary dictionary = [] {
        mTIncomeDictionary d;
        d.LoadFromBytes(EmbeddedDocument());
        return d;
    }();
    return dictionary;
}

bool mTIncomeDictionary::LoadFromBytes(const QByteArray& bytes) {
    incomes_.clear();
    error_.clear();
    ReferenceXml::Document document;
    if (!document.Parse(bytes, error_)) return false;
    for (const pugi::xml_node& e : document.Root().children("Income")) {
        IncomeEntry income;
        income.Stav = document.Attribute(e, "Stav");
        income.Code = document.Attribute(e, "Code");
        income.Name = document.Attribute(e, "Name");
        income.NRez13 = IsTrue(document, e, "NRez13");
        income.SaleDate = IsTrue(document, e, "SaleDate");
        for (const pugi::xml_node& d : e.children("Deduction"))
            income.Deductions.append(ReadDeduction(document, d));
        incomes_.append(std::move(income));
    }
    return true;
}

const IncomeEntry* mTIncomeDictionary::FindIncome(const QString& code) const {
    for (const IncomeEntry& income : incomes_)
        if (income.Code == code) return &income;
    return nullptr;
}

QList<CodeNameRow> mTIncomeDictionary::IncomeRows(const QString& rateFilter, bool nonResident) const {
    QList<CodeNameRow> rows;
    for (const IncomeEntry& income : incomes_) {
        if (!rateFilter.isEmpty() && (income.Stav != rateFilter || (nonResident && !income.NRez13))) continue;
        rows.append({income.Code, income.Name});
    }
    return rows;
}

IncomeChoice mTIncomeDictionary::ChooseIncome(const CodeNameRow& row, const QString& rateFilter) const {
    IncomeChoice choice{row.Code, row.Name, 0, false};
    const IncomeEntry* income = FindIncome(row.Code);
    const QString rate = rateFilter.isEmpty() ? (income ? income->Stav : QString()) : rateFilter;
    choice.Rate = rate.trimmed().toUShort(); // blank gives 0
    choice.HasDeductions = income && !income->Deductions.isEmpty();
    return choice;
}

QList<CodeNameRow> mTIncomeDictionary::DeductionRows(const QString& incomeCode, bool allDeductions) const {
    QList<CodeNameRow> rows;
    const IncomeEntry* income = FindIncome(incomeCode);
    if (!income) return rows;
    for (const DeductionEntry& d : income->Deductions) {
        const bool listed = allDeductions || d.Code.startsWith(QLatin1String("20")) ||
                            d.Code.startsWith(QLatin1Char('5')) || d.Code == QLatin1String("0");
        if (listed) rows.append({d.Code, d.Name});
    }
    return rows;
}

const DeductionEntry* mTIncomeDictionary::FindDeduction(const QString& incomeCode,
                                                        const QString& deductionCode) const {
    const IncomeEntry* income = FindIncome(incomeCode);
    if (!income) return nullptr;
    for (const DeductionEntry& d : income->Deductions)
        if (d.Code == deductionCode) return &d;
    return nullptr;
}
