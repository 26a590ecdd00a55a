#pragma once

#include <QLineEdit>

#include <optional>

// The common scheme of the program's input fields: a key filter that refuses characters which cannot
// fit, and a check of every change (typing, pasting, setting the text from the program) that puts the
// last accepted text back when the new one does not fit. Characters that windows-1251 cannot hold are
// refused always, so a save never loses one. Each accepted change that alters the text sends the
// modification notice and then raises Changed, the field's ordinary change event for screens. A
// refusal the field can explain is shown next to it and raised as Refused.
class TGuardedEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TGuardedEdit(QWidget* parent = nullptr);

signals:
    void Changed();
    // Something typed or pasted was refused, for the reason given.
    void Refused(const QString& message);

protected:
    enum class KeyResult { Pass, Consumed };

    // The text the field holds instead of text (the same text, or a normalised form of it),
    // or nothing when text does not fit.
    virtual std::optional<QString> Accept(const QString& text) const = 0;
    // Decides about one typed printable character: let the edit insert it, or consume it
    // (refused, or inserted by the filter itself).
    virtual KeyResult FilterKey(QChar c) = 0;
    // Why text (the field's text would have become) is refused, for the user; empty when the field has
    // nothing to say about it.
    virtual QString Refusal(const QString& text) const {
        (void)text;
        return {};
    }
    // Shows a refusal next to the field and raises Refused; nothing for an empty message.
    void Refuse(const QString& message);

    // The text that would result from typing insertion at the caret (replacing a selection).
    QString Candidate(const QString& insertion) const;
    void keyPressEvent(QKeyEvent* event) override;
    // Re-checks the current text, e.g. after the kind of the field changed.
    void Recheck();

private:
    void OnTextChanged(const QString& text);

    QString last_;
    bool reentrant_ = false;
};
