#pragma once

#include "controls/GuardedEdit.h"

// The series and number of an identity document, in the form the kind of document prescribes
// (DocumentNumberFormat in reference/DocumentKinds.h tells the kind for a document).
//   0: Roman numeral "-" two Cyrillic capitals, space, six digits   (XIV-МЮ 123456)
//   1: 2 digits, space, 7 digits          2: 2 digits, space, 2 digits, space, 6 digits
//   3: 2 Cyrillic capitals, space, 6 digits   4: the same with 7 digits
//   5: any text of at most 20 characters   6: any text of at most 14 characters
// The separating spaces are inserted as the user types.
class TMaskedDocEdit : public TGuardedEdit {
    Q_OBJECT
    Q_PROPERTY(int EditType READ EditType WRITE SetEditType)

public:
    explicit TMaskedDocEdit(QWidget* parent = nullptr);

    int EditType() const { return editType_; }
    void SetEditType(int kind);

    // text in the form the kind keeps (capitals, Roman letters), or nothing when it cannot be
    // (the beginning of) a text of that kind.
    static std::optional<QString> Normalised(int kind, const QString& text);
    // The value of a Roman numeral of the letters I, V, X, L, C; and the canonical numeral of a value.
    static int RomanValue(const QString& numeral);
    static QString RomanText(int value);

protected:
    std::optional<QString> Accept(const QString& text) const override;
    KeyResult FilterKey(QChar c) override;

private:
    void InsertSeparatorIfDue();

    int editType_ = 5;
};
