#include "screens/income/PayerFields.h"

#include <QLineEdit>

bool CheckPayerFields(QWidget* owner, const QString& title, PayerKind kind, const PayerFields& fields) {
    const PayerSourceCheckResult r =
        CheckPayerSource(owner, title, kind, fields.Name->text(), fields.Okato->text(), fields.Kpp->text(),
                         fields.Inn->text());
    QLineEdit* const byPosition[] = {nullptr, fields.Name, fields.Inn, fields.Kpp, fields.Okato};
    if (r.Position >= 1 && r.Position <= 4) {
        byPosition[r.Position]->setFocus();
        return false;
    }
    return !r.LastAnswer || (*r.LastAnswer != CheckAnswer::Fix && *r.LastAnswer != CheckAnswer::SkipAll);
}
