#include "screens/ScreenCheck.h"

#include "dialogs/CheckError.h"

TScreenCheck::TScreenCheck(QWidget* owner, const QString& title) : owner_(owner), check_(*this, title) {}

TScreenCheck::~TScreenCheck() = default;

TfmCheckError& TScreenCheck::Dialog() {
    if (!dialog_) dialog_ = std::make_unique<TfmCheckError>(owner_);
    return *dialog_;
}

CheckAnswer TScreenCheck::Answer(const CheckFault& fault) {
    lastAnswer_ = Dialog().Answer(fault);
    return *lastAnswer_;
}

void TScreenCheck::Rule(bool fails, const QString& message, quint16 position) {
    if (fails) check_.Fault(message, position);
}

void TScreenCheck::Faults(const QList<RuleFault>& faults) {
    for (const RuleFault& f : faults)
        if (check_.Fault(f.Message, f.Position)) return;
}
