#pragma once

#include "computation/IncomeItems.h"
#include "computation/ResultFields.h"

#include <span>

class kTSvodSum;
class mTDeclaration;
class kTSvodSumPrilM;

// A kind of income exempt up to a limit: income and deduction codes, its two fields and its limit
// (0: the deduction amount entered, without limit).
struct kTSvodSumPrilMKind {
    qint32 IncomeCode;
    qint32 DeductionCode;
    Money kTSvodSumPrilM::*Income;
    Money kTSvodSumPrilM::*Exempt;
    Money Limit;
};

// An agricultural employer paying in kind, month by month (index 0 = January).
class kTSvodSumPrilMFarmRow {
public:
    template <class IO> void Fields(IO& io) {
        io.Str("SourceINN", SourceINN);
        io.Str("SourceKPP", SourceKPP);
        Amounts(io, "PayTotal", PayTotal);
        Amounts(io, "PayInKind", PayInKind);
        Amounts(io, "CarriedIn", CarriedIn);
        Amounts(io, "MonthExempt", MonthExempt);
        Amounts(io, "CarriedOut", CarriedOut);
        io.Amount("RowExempt", RowExempt);
    }

    QString SourceINN;
    QString SourceKPP;
    std::array<Money, 12> PayTotal{};
    std::array<Money, 12> PayInKind{};
    std::array<Money, 12> CarriedIn{};
    std::array<Money, 12> MonthExempt{};
    std::array<Money, 12> CarriedOut{};
    Money RowExempt;
    // Position of the employer among the 13 % sources; not part of the return.
    qint32 SourceIndex = 0;
};

// Income exempt up to a limit per kind, and the exempt pay in kind of agricultural employers.
class kTSvodSumPrilM : public IncomeShareLog<kTSvodSumPrilM> {
public:
    // Income code of pay in kind by an agricultural employer.
    static constexpr qint32 FarmPayInKindCode = 2791;
    // Pay in kind is exempt up to this much a month (what a month leaves unused carries on), and
    // only while it is no more than this share of the month's pay.
    static constexpr Money FarmMonthLimit = Money::FromUnits(4300);
    static constexpr int FarmPayInKindPercent = 20;
    // The exempt kinds in the order of the return.
    static std::span<const kTSvodSumPrilMKind> Kinds();

    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("BirthAidIncome", BirthAidIncome);
        io.Amount("BirthAidExempt", BirthAidExempt);
        io.Amount("EmployerAidIncome", EmployerAidIncome);
        io.Amount("EmployerAidExempt", EmployerAidExempt);
        io.Amount("DisabledAidIncome", DisabledAidIncome);
        io.Amount("DisabledAidExempt", DisabledAidExempt);
        io.Amount("GiftIncome", GiftIncome);
        io.Amount("GiftExempt", GiftExempt);
        io.Amount("PrizeIncome", PrizeIncome);
        io.Amount("PrizeExempt", PrizeExempt);
        io.Amount("MedicineIncome", MedicineIncome);
        io.Amount("MedicineExempt", MedicineExempt);
        io.Amount("SpecialAidIncome", SpecialAidIncome);
        io.Amount("SpecialAidExempt", SpecialAidExempt);
        io.Amount("FarmPayExempt", FarmPayExempt);
        io.Amount("ExemptTotal", ExemptTotal);
        RowList(io, "FarmEmployers", FarmEmployers);
    }

    Money BirthAidIncome;
    Money BirthAidExempt;
    Money EmployerAidIncome;
    Money EmployerAidExempt;
    Money DisabledAidIncome;
    Money DisabledAidExempt;
    Money GiftIncome;
    Money GiftExempt;
    Money PrizeIncome;
    Money PrizeExempt;
    Money MedicineIncome;
    Money MedicineExempt;
    Money SpecialAidIncome;
    Money SpecialAidExempt;
    Money FarmPayExempt;
    Money ExemptTotal;
    std::vector<kTSvodSumPrilMFarmRow> FarmEmployers;

private:
    void ComputeFarmEmployers(const mTDeclaration& declaration);
    void ComputeExemptKinds(const mTDeclaration& declaration);
    void AddExemptIncome(const IncomeItem& item);
};

// A prize in an advertising contest with its exempt part.
class kTSvodSumPrilM2Row {
public:
    template <class IO> void Fields(IO& io) {
        io.Str("SourceINN", SourceINN);
        io.Str("SourceKPP", SourceKPP);
        io.Str("SourceName", SourceName);
        io.Amount("Income", Income);
        io.Amount("Exempt", Exempt);
        io.Int("SourceIndex", SourceIndex);
    }

    QString SourceINN;
    QString SourceKPP;
    QString SourceName;
    Money Income;
    Money Exempt;
    qint32 SourceIndex = 0;
    // The prize line of a 13 % source; -1 for a 35 % source, which has no lines. Not part of the return.
    qint32 LineIndex = -1;
};

// Prizes in advertising contests; their exempt parts share one limit.
class kTSvodSumPrilM2 {
public:
    static constexpr Money PrizeLimit = Money::FromUnits(4000);

    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("ExemptTotal", ExemptTotal);
        RowList(io, "Rows", Rows);
    }

    Money ExemptTotal;
    std::vector<kTSvodSumPrilM2Row> Rows;
};

// An exempt material benefit on housing credit and the tax withheld from it.
class kTSvodSumPrilM3Row {
public:
    template <class IO> void Fields(IO& io) {
        io.Str("SourceINN", SourceINN);
        io.Str("SourceKPP", SourceKPP);
        io.Str("SourceOKATO", SourceOKATO);
        io.Str("SourceName", SourceName);
        io.Amount("Income", Income);
        io.Amount("TaxWithheld", TaxWithheld);
        io.Int("SourceIndex", SourceIndex);
    }

    QString SourceINN;
    QString SourceKPP;
    QString SourceOKATO;
    QString SourceName;
    Money Income;
    Money TaxWithheld;
    qint32 SourceIndex = 0;
};

// Exempt material benefit; its withheld tax counts as paid at 35 %.
class kTSvodSumPrilM3 {
public:
    void Reset() { ResetFields(*this); }
    void Compute(const mTDeclaration& declaration, kTSvodSum& sum);
    template <class IO> void Fields(IO& io) {
        io.Amount("TaxWithheldTotal", TaxWithheldTotal);
        RowList(io, "Rows", Rows);
    }

    Money TaxWithheldTotal;
    std::vector<kTSvodSumPrilM3Row> Rows;
};
