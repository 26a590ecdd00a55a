#include "controls/MaskedDocEdit.h"

#include <QRegularExpression>

namespace {

const QString CyrillicCapital = QStringLiteral("[А-ЯЁ]");

const QRegularExpression& Pattern(int kind) {
    static const QRegularExpression patterns[] = {
        QRegularExpression(QStringLiteral("^([IVXLC]*)(?:-%1{0,2}(?: [0-9]{0,6})?)?$").arg(CyrillicCapital)),
        QRegularExpression(QStringLiteral("^[0-9]{0,2}(?: [0-9]{0,7})?$")),
        QRegularExpression(QStringLiteral("^[0-9]{0,2}(?: [0-9]{0,2}(?: [0-9]{0,6})?)?$")),
        QRegularExpression(QStringLiteral("^%1{0,2}(?: [0-9]{0,6})?$").arg(CyrillicCapital)),
        QRegularExpression(QStringLiteral("^%1{0,2}(?: [0-9]{0,7})?$").arg(CyrillicCapital)),
    };
    return patterns[kind];
}

// Look-alike characters that a user types for Roman letters, on either keyboard layout.
QChar RomanLetter(QChar c) {
    switch (c.unicode()) {
    case u'1':
        return QLatin1Char('I');
    case u'Л':
        return QLatin1Char('L');
    case u'С':
        return QLatin1Char('C');
    case u'У':
        return QLatin1Char('V');
    case u'Х':
        return QLatin1Char('X');
    default:
        return c;
    }
}

int LetterValue(QChar c) {
    switch (c.unicode()) {
    case u'I':
        return 1;
    case u'V':
        return 5;
    case u'X':
        return 10;
    case u'L':
        return 50;
    case u'C':
        return 100;
    default:
        return 0;
    }
}

} // namespace

TMaskedDocEdit::TMaskedDocEdit(QWidget* parent) : TGuardedEdit(parent) {}

void TMaskedDocEdit::SetEditType(int kind) {
    editType_ = std::clamp(kind, 0, 6);
    Recheck();
}

int TMaskedDocEdit::RomanValue(const QString& numeral) {
    int value = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        const int letter = LetterValue(numeral[i]);
        if (i + 1 < numeral.size() && letter < LetterValue(numeral[i + 1]))
            value -= letter;
        else
            value += letter;
    }
    return value;
}

QString TMaskedDocEdit::RomanText(int value) {
    static const std::pair<int, const char*> steps[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    QString text;
    for (const auto& [step, letters] : steps)
        for (; value >= step; value -= step)
            text += QLatin1String(letters);
    return text;
}

std::optional<QString> TMaskedDocEdit::Normalised(int kind, const QString& input) {
    if (kind == 5) return input.size() <= 20 ? std::optional(input) : std::nullopt;
    if (kind == 6) return input.size() <= 14 ? std::optional(input) : std::nullopt;
    QString text = input;
    if (kind == 0 || kind == 3 || kind == 4) text = text.toUpper();
    if (kind == 0) {
        const qsizetype dash = text.indexOf(QLatin1Char('-'));
        const qsizetype end = dash < 0 ? text.size() : dash;
        for (qsizetype i = 0; i < end; ++i)
            text[i] = RomanLetter(text[i]);
    }
    const QRegularExpressionMatch match = Pattern(kind).match(text);
    if (!match.hasMatch()) return std::nullopt;
    if (kind == 0) {
        const QString numeral = match.captured(1);
        if (numeral.size() > 9 || (!numeral.isEmpty() && RomanText(RomanValue(numeral)) != numeral))
            return std::nullopt;
    }
    return text;
}

std::optional<QString> TMaskedDocEdit::Accept(const QString& text) const {
    return Normalised(editType_, text);
}

TGuardedEdit::KeyResult TMaskedDocEdit::FilterKey(QChar c) {
    if ((editType_ == 1 || editType_ == 2) && c == QLatin1Char(' ')) return KeyResult::Consumed;
    const QString candidate = Candidate(QString(c));
    const std::optional<QString> normalised = Normalised(editType_, candidate);
    if (!normalised) return KeyResult::Consumed;
    if (*normalised == candidate && editType_ >= 5) return KeyResult::Pass;
    // Insert the character in its normalised form, then any separator that is now due.
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    insert(normalised->mid(caret, 1));
    InsertSeparatorIfDue();
    return KeyResult::Consumed;
}

void TMaskedDocEdit::InsertSeparatorIfDue() {
    const QString current = text();
    if (cursorPosition() != current.size()) return;
    bool due = false;
    switch (editType_) {
    case 0: {
        const qsizetype dash = current.indexOf(QLatin1Char('-'));
        due = dash >= 0 && current.size() == dash + 3;
        break;
    }
    case 1:
        due = current.size() == 2;
        break;
    case 2:
        due = current.size() == 2 || current.size() == 5;
        break;
    case 3:
    case 4:
        due = current.size() == 2 && !current.contains(QLatin1Char(' '));
        break;
    default:
        break;
    }
    if (due) insert(QStringLiteral(" "));
}
