#include "computation/SvodSum.h"

#include "records/Declaration.h"

kTSvodSum::kTSvodSum() {
    Reset();
}

void kTSvodSum::Reset() {
    ForEachSheet([](const char*, auto& sheet) { sheet.Reset(); });
}

void kTSvodSum::Compute(mTDeclaration& declaration) {
    Reset();
    // A repeated computation must not keep the codes of an earlier one.
    Okato9.clear();
    Okato13.clear();
    Okato35.clear();
    Okato15.clear();
    if (declaration.ReturnKind == ReturnKind4NDFL) return;

    const mTDeclaration& root = declaration;
    PrilA6.Compute(root, *this);
    PrilA13.Compute(root, *this);
    PrilA15.Compute(root, *this);
    PrilA30.Compute(root, *this);
    PrilM.Compute(root, *this);
    PrilM2.Compute(root, *this);
    PrilM3.Compute(root, *this);
    PrilA35.Compute(root, *this);
    PrilV1.Compute(root, *this);
    PrilV2.Compute(root, *this);
    PrilG.Compute(root, *this);
    PrilG_In.Compute(root, *this);
    PrilH1.Compute(root, *this);
    PrilJ.Compute(root, *this);
    PrilB13.Compute(root, *this);
    PrilB9.Compute(root, *this);
    PrilB35.Compute(root, *this);
    PrilE1.Compute(root, *this);
    PrilE2.Compute(declaration, *this);
    PrilZ.Compute(root, *this);

    // Refunds need an OKATO code for every rate, even when no source named one.
    for (QString* code : {&Okato13, &Okato9, &Okato35, &Okato15})
        if (code->isEmpty()) *code = root.Person.OKATO;

    List1.Compute(root, *this);
    List2.Compute(root, *this);
    List3.Compute(root, *this);
    List4.Compute(root, *this);
    List5.Compute(root, *this);
    List6.Compute(root, *this);
}
