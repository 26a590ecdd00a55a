#pragma once

#include "computation/BusinessIncome.h"
#include "computation/ExemptIncome.h"
#include "computation/ForeignIncome.h"
#include "computation/PayableRefundable.h"
#include "computation/ProfessionalDeduction.h"
#include "computation/PropertyDeduction.h"
#include "computation/PropertySaleDeduction.h"
#include "computation/RussianIncome.h"
#include "computation/SecuritiesOperations.h"
#include "computation/SocialDeduction.h"
#include "computation/StandardDeduction.h"
#include "computation/TaxBase.h"

#include <QString>

class mTDeclaration;

// Every appendix and section of the return, computed from a declaration. Built anew for each
// export or print; nothing of it is stored.
class kTSvodSum {
public:
    // What the program tells the user when a computation fails.
    static inline const QString FailureMessage =
        QStringLiteral("Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки");

    kTSvodSum();
    kTSvodSum(const kTSvodSum&) = delete;
    kTSvodSum& operator=(const kTSvodSum&) = delete;

    // Zeroes every result object; the OKATO codes stay.
    void Reset();
    // Computes every sheet in order. A sheet that cannot be computed (a damaged file's record) throws;
    // the sheets computed before it keep their results, the later ones stay zero.
    // The declaration is changed in one way only: child-education amounts above their limit are lowered.
    void Compute(mTDeclaration& declaration);
    // Every result object in member order, to one visitor taking (name, object).
    template <class Visitor> void ForEachSheet(Visitor&& visit);
    // The OKATO codes, then every result object under its member name.
    template <class IO> void Fields(IO& io);

    kTSvodSumList1 List1;
    kTSvodSumList2 List2;
    kTSvodSumList3 List3;
    kTSvodSumList4 List4;
    kTSvodSumList5 List5;
    kTSvodSumList6 List6;
    kTSvodSumPrilA6 PrilA6;
    kTSvodSumPrilA13 PrilA13;
    kTSvodSumPrilA15 PrilA15;
    kTSvodSumPrilA30 PrilA30;
    kTSvodSumPrilA35 PrilA35;
    kTSvodSumPrilB PrilB13{13};
    kTSvodSumPrilB PrilB9{9};
    kTSvodSumPrilB PrilB35{35};
    kTSvodSumPrilV1 PrilV1;
    kTSvodSumPrilV2 PrilV2;
    kTSvodSumPrilM PrilM;
    kTSvodSumPrilM2 PrilM2;
    kTSvodSumPrilM3 PrilM3;
    kTSvodSumPrilG PrilG;
    kTSvodSumPrilG_In PrilG_In;
    kTSvodSumPrilE1 PrilE1;
    kTSvodSumPrilE2 PrilE2;
    kTSvodSumPrilE3 PrilE3;
    kTSvodSumPrilH1 PrilH1;
    kTSvodSumPrilZ PrilZ;
    kTSvodSumPrilJ PrilJ;

    // OKATO codes of the tax agents, by rate, for refunds.
    QString Okato9;
    QString Okato13; // 13 % and 30 %
    QString Okato35;
    QString Okato15;
};

template <class Visitor> void kTSvodSum::ForEachSheet(Visitor&& visit) {
    visit("List1", List1);
    visit("List2", List2);
    visit("List3", List3);
    visit("List4", List4);
    visit("List5", List5);
    visit("List6", List6);
    visit("PrilA6", PrilA6);
    visit("PrilA13", PrilA13);
    visit("PrilA15", PrilA15);
    visit("PrilA30", PrilA30);
    visit("PrilA35", PrilA35);
    visit("PrilB13", PrilB13);
    visit("PrilB9", PrilB9);
    visit("PrilB35", PrilB35);
    visit("PrilV1", PrilV1);
    visit("PrilV2", PrilV2);
    visit("PrilM", PrilM);
    visit("PrilM2", PrilM2);
    visit("PrilM3", PrilM3);
    visit("PrilG", PrilG);
    visit("PrilG_In", PrilG_In);
    visit("PrilE1", PrilE1);
    visit("PrilE2", PrilE2);
    visit("PrilE3", PrilE3);
    visit("PrilH1", PrilH1);
    visit("PrilZ", PrilZ);
    visit("PrilJ", PrilJ);
}

template <class IO> void kTSvodSum::Fields(IO& io) {
    io.Str("Okato9", Okato9);
    io.Str("Okato13", Okato13);
    io.Str("Okato35", Okato35);
    io.Str("Okato15", Okato15);
    ForEachSheet([&io](const char* name, auto& sheet) { Sheet(io, name, sheet); });
}
