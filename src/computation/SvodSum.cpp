#include "computation/SvodSum.h"

#include "records/Declaration.h"

kTSvodSum::kTSvodSum() {
    Reset();
}

void kTSvodSum::Reset() {
    ForEachSheet([](const char*, auto& sheet) { sheet.Reset(); });
}

bool kTSvodSum::Compute(mTDeclaration& declaration) {
    Reset();
    // A repeated computation must not keep the codes of an earlier one.
    Okato9.clear();
    Okato13.clear();
    Okato35.clear();
    Okato15.clear();
    if (declaration.ReturnKind == ReturnKind4NDFL) return true;

    const mTDeclaration& root = declaration;
    bool ok = PrilA6.Compute(root, *this);
    ok = ok && PrilA13.Compute(root, *this);
    ok = ok && PrilA15.Compute(root, *this);
    ok = ok && PrilA30.Compute(root, *this);
    ok = ok && PrilM.Compute(root, *this);
    ok = ok && PrilM2.Compute(root, *this);
    ok = ok && PrilM3.Compute(root, *this);
    ok = ok && PrilA35.Compute(root, *this);
    ok = ok && PrilV1.Compute(root, *this);
    ok = ok && PrilV2.Compute(root, *this);
    ok = ok && PrilG.Compute(root, *this);
    ok = ok && PrilG_In.Compute(root, *this);
    ok = ok && PrilH1.Compute(root, *this);
    ok = ok && PrilJ.Compute(root, *this);
    ok = ok && PrilB13.Compute(root, *this);
    ok = ok && PrilB9.Compute(root, *this);
    ok = ok && PrilB35.Compute(root, *this);
    ok = ok && PrilE1.Compute(root, *this);
    ok = ok && PrilE2.Compute(declaration, *this);
    ok = ok && PrilZ.Compute(root, *this);

    // Refunds need an OKATO code for every rate, even when no source named one.
    for (QString* code : {&Okato13, &Okato9, &Okato35, &Okato15})
        if (code->isEmpty()) *code = root.Person.OKATO;

    ok = ok && List1.Compute(root, *this);
    ok = ok && List2.Compute(root, *this);
    ok = ok && List3.Compute(root, *this);
    ok = ok && List4.Compute(root, *this);
    ok = ok && List5.Compute(root, *this);
    ok = ok && List6.Compute(root, *this);
    return ok;
}
