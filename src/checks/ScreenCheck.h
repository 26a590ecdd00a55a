#pragma once

#include <QString>
#include <functional>

// The answers of the screen check dialog; closing the window gives Closed.
enum class ScreenCheckAnswer { Fix, Skip, SkipAll, Closed };

// The protocol every screen check follows: its rules run in order; a fault is shown to the user;
// "Исправить" ends the check with the rule's position, "Пропустить" (or closing) goes on with the next
// rule, "Пропустить все" ends the check with 0. A check that runs out of rules returns 0.
class ScreenCheck {
public:
    using Answerer = std::function<ScreenCheckAnswer(const QString& title, const QString& message)>;

    explicit ScreenCheck(Answerer answer) : answer_(std::move(answer)) {}

    // Shows the fault unless the check has ended; returns true once it has ended.
    bool Fault(const QString& title, const QString& message, quint16 position) {
        if (ended_) return true;
        switch (answer_(title, message)) {
        case ScreenCheckAnswer::Fix:
            result_ = position;
            ended_ = true;
            break;
        case ScreenCheckAnswer::SkipAll:
            ended_ = true;
            break;
        case ScreenCheckAnswer::Skip:
        case ScreenCheckAnswer::Closed:
            break;
        }
        return ended_;
    }

    bool Ended() const { return ended_; }
    // The position to show, 0 when there is nothing to fix.
    quint16 Result() const { return result_; }

private:
    Answerer answer_;
    quint16 result_ = 0;
    bool ended_ = false;
};
