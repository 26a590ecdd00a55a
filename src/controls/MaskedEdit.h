#pragma once

#include "controls/GuardedEdit.h"
#include "storage/Money.h"

// A one-line field that accepts only text of one kind and length: an amount, a digit string,
// a text without digits, or any text.
class TMaskedEdit : public TGuardedEdit {
    Q_OBJECT
    Q_PROPERTY(TEditType EditType READ EditType WRITE SetEditType)
    Q_PROPERTY(int WholeLength READ WholeLength WRITE SetWholeLength)
    Q_PROPERTY(int FractionalLength READ FractionalLength WRITE SetFractionalLength)

public:
    enum TEditType { edtCurrency = 0, edtDigital = 1, edtChar = 2, edtNone = 3 };
    Q_ENUM(TEditType)

    // The decimal separator of every amount on screen.
    static constexpr QChar DecimalSeparator = QLatin1Char(',');

    explicit TMaskedEdit(QWidget* parent = nullptr);

    TEditType EditType() const { return editType_; }
    void SetEditType(TEditType type);
    // edtCurrency: most digits before the separator; other kinds: most characters. 0 = unlimited.
    int WholeLength() const { return wholeLength_; }
    void SetWholeLength(int length) { wholeLength_ = length; }
    // edtCurrency: most digits after the separator. 0 = unlimited.
    int FractionalLength() const { return fractionalLength_; }
    void SetFractionalLength(int length) { fractionalLength_ = length; }

    // The amount shown; an empty field stands for 0.
    Money Amount() const;
    void SetAmount(Money value);

    // Whether text may stand in a field of this kind and these lengths.
    static bool Fits(TEditType type, int wholeLength, int fractionalLength, const QString& text);
    // An amount as typed or pasted with its digits grouped ("1 000,55"): the blanks between them go.
    static QString WithoutBlanks(const QString& text);

protected:
    std::optional<QString> Accept(const QString& text) const override;
    KeyResult FilterKey(QChar c) override;
    QString Refusal(const QString& text) const override;

private:
    TEditType editType_ = edtCurrency;
    int wholeLength_ = 0;
    int fractionalLength_ = 0;
};
