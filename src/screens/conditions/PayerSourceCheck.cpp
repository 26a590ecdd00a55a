#include "screens/conditions/PayerSourceCheck.h"

#include "dialogs/CheckError.h"
#include "screens/ScreenCheck.h"

PayerSourceCheckResult CheckPayerSource(QWidget* owner, const QString& title, PayerKind kind,
                                        const QString& name, const QString& okato, const QString& kpp,
                                        const QString& inn) {
    TScreenCheck check(owner, title);
    check.Dialog().SetSkipAllEnabled(false);
    if (kind == PayerKind::Organisation) check.Dialog().SetSkipEnabled(false);
    for (const PayerFault& f : PayerSourceFaults(kind, name, okato, kpp, inn)) {
        if (check.Ended()) break;
        if (f.Mandatory) check.Dialog().SetSkipEnabled(false);
        check.Rule(true, f.Message, f.Result);
    }
    return {check.Result(), check.LastAnswer()};
}
