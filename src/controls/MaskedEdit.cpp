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

std::optional<QString> TMaskedEdit::Accept(const QString& text) const {
    if (editType_ == edtCurrency && text.trimmed().isEmpty()) return QString();
    if (!Fits(editType_, wholeLength_, fractionalLength_, text)) return std::nullopt;
    return text;
}

TGuardedEdit::KeyResult TMaskedEdit::FilterKey(QChar c) {
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    switch (editType_) {
    case edtCurrency:
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (!text().contains(DecimalSeparator)) insert(QString(DecimalSeparator));
            return KeyResult::Consumed;
        }
        if (digit && Fits(edtCurrency, wholeLength_, fractionalLength_, Candidate(QString(c))))
            return KeyResult::Pass;
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
