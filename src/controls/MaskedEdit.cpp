#include "controls/MaskedEdit.h"

namespace {

bool HasDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

bool AllAsciiDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool Within(qsizetype length, int limit) {
    return limit == 0 || length <= limit;
}

} // namespace

TMaskedEdit::TMaskedEdit(QWidget* parent) : TGuardedEdit(parent) {}

void TMaskedEdit::SetEditType(TEditType type) {
    editType_ = type;
    Recheck();
}

Money TMaskedEdit::Amount() const {
    Money value;
    if (!Money::FromText(text(), DecimalSeparator, value)) return Money();
    return value;
}

void TMaskedEdit::SetAmount(Money value) {
    setText(value.ToText(DecimalSeparator));
}

bool TMaskedEdit::Fits(TEditType type, int wholeLength, int fractionalLength, const QString& text) {
    switch (type) {
    case edtCurrency: {
        Money parsed;
        if (!Money::FromText(text, DecimalSeparator, parsed)) return false;
        const QString trimmed = text.trimmed();
        const qsizetype separator = trimmed.indexOf(DecimalSeparator);
        const QString whole = separator < 0 ? trimmed : trimmed.left(separator);
        const QString fraction = separator < 0 ? QString() : trimmed.mid(separator + 1);
        return Within(whole.size(), wholeLength) && Within(fraction.size(), fractionalLength);
    }
    case edtDigital:
        return Within(text.trimmed().size(), wholeLength) && AllAsciiDigits(text);
    case edtChar:
        return Within(text.size(), wholeLength) && !HasDigit(text);
    case edtNone:
        return Within(text.size(), wholeLength);
    }
    return false;
}

QString TMaskedEdit::WithoutBlanks(const QString& text) {
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QChar(0x00A0));
    return compact;
}

std::optional<QString> TMaskedEdit::Accept(const QString& text) const {
    if (editType_ != edtCurrency) {
        if (!Fits(editType_, wholeLength_, fractionalLength_, text)) return std::nullopt;
        return text;
    }
    const QString amount = WithoutBlanks(text);
    if (amount.isEmpty()) return QString();
    if (!Fits(editType_, wholeLength_, fractionalLength_, amount)) return std::nullopt;
    return amount;
}

QString TMaskedEdit::Refusal(const QString& text) const {
    if (editType_ != edtCurrency) return {};
    const QString amount = WithoutBlanks(text);
    const qsizetype separator = amount.indexOf(DecimalSeparator);
    const QString whole = separator < 0 ? amount : amount.left(separator);
    const QString fraction = separator < 0 ? QString() : amount.mid(separator + 1);
    // A refusal for length is said whatever else is wrong: it is the one a user cannot see at once.
    if (!Within(whole.size(), wholeLength_))
        return QStringLiteral("В сумме не больше %1 цифр до запятой").arg(wholeLength_);
    if (!Within(fraction.size(), fractionalLength_))
        return QStringLiteral("В сумме не больше %1 цифр после запятой").arg(fractionalLength_);
    return QStringLiteral("Сумма пишется цифрами, копейки после запятой");
}

TGuardedEdit::KeyResult TMaskedEdit::FilterKey(QChar c) {
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    switch (editType_) {
    case edtCurrency:
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (!text().contains(DecimalSeparator)) insert(QString(DecimalSeparator));
            return KeyResult::Consumed;
        }
        if (!digit) return KeyResult::Consumed;
        if (Fits(edtCurrency, wholeLength_, fractionalLength_, WithoutBlanks(Candidate(QString(c)))))
            return KeyResult::Pass;
        Refuse(Refusal(Candidate(QString(c))));
        return KeyResult::Consumed;
    case edtDigital:
        return digit && Within(Candidate(QString(c)).size(), wholeLength_) ? KeyResult::Pass
                                                                           : KeyResult::Consumed;
    case edtChar:
        return !digit && Within(Candidate(QString(c)).size(), wholeLength_) ? KeyResult::Pass
                                                                            : KeyResult::Consumed;
    case edtNone:
        return Within(Candidate(QString(c)).size(), wholeLength_) ? KeyResult::Pass : KeyResult::Consumed;
    }
    return KeyResult::Consumed;
}
