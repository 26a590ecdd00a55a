#pragma once

#include "checks/CheckAnswerer.h"

// The protocol every screen check follows: its rules run in order; a fault is shown to the user;
// "Исправить" ends the check with the rule's position, "Пропустить" (or closing) goes on with the next
// rule, "Пропустить все" ends the check with 0. A check that runs out of rules returns 0.
class ScreenCheck {
public:
    // The answerer (not owned) serves the whole check, so a dialog keeps a button disabled for all rules.
    ScreenCheck(ICheckAnswerer& answerer, QString title) : answerer_(answerer), title_(std::move(title)) {}

    // Shows the fault unless the check has ended; returns true once it has ended.
    bool Fault(const QString& message, quint16 position) {
        if (ended_) return true;
        switch (answerer_.Answer({CheckSection::None, title_, message, position})) {
        case CheckAnswer::Fix:
            result_ = position;
            ended_ = true;
            break;
        case CheckAnswer::SkipAll:
            ended_ = true;
            break;
        case CheckAnswer::Skip:
        case CheckAnswer::Cancel:
            break;
        }
        return ended_;
    }

    bool Ended() const { return ended_; }
    // The position to show, 0 when there is nothing to fix.
    quint16 Result() const { return result_; }

private:
    ICheckAnswerer& answerer_;
    QString title_;
    quint16 result_ = 0;
    bool ended_ = false;
};
