#pragma once

#include "checks/CheckAnswerer.h"
#include "checks/ScreenCheck.h"
#include "checks/SectionRules.h"

#include <QString>
#include <memory>
#include <optional>

class QWidget;
class TfmCheckError;

// One run of a screen's own rules, answered in the screen check dialog with the screen's title
// (the protocol is the core's ScreenCheck). One dialog serves the whole run, so a button disabled for
// one rule stays disabled for the rest.
class TScreenCheck : private ICheckAnswerer {
public:
    TScreenCheck(QWidget* owner, const QString& title);
    ~TScreenCheck() override;
    TScreenCheck(const TScreenCheck&) = delete;
    TScreenCheck& operator=(const TScreenCheck&) = delete;

    // Shows message when the run goes on and fails holds.
    void Rule(bool fails, const QString& message, quint16 position);
    // Shows each fault in turn while the run goes on.
    void Faults(const QList<RuleFault>& faults);
    bool Ended() const { return check_.Ended(); }
    // The position the user chose to fix, 0 when none.
    quint16 Result() const { return check_.Result(); }
    // The answer to the last dialog shown; none when no dialog was shown.
    std::optional<CheckAnswer> LastAnswer() const { return lastAnswer_; }
    // The dialog of the run, created on first use.
    TfmCheckError& Dialog();

private:
    CheckAnswer Answer(const CheckFault& fault) override;

    QWidget* owner_;
    std::unique_ptr<TfmCheckError> dialog_;
    std::optional<CheckAnswer> lastAnswer_;
    ScreenCheck check_;
};
