#pragma once

// Answers to the entry dialogs of the income and payment screens, given as a user gives them: typed into
// the fields, codes chosen in the pickers the "..." buttons open, a row chosen with the arrow keys.

#include "support/ScreenTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>

namespace EntryDialogs {

inline const QString OrgInn = QStringLiteral("6950123450");
inline const QString Kpp = QStringLiteral("695001001");
inline const QString Okato = QStringLiteral("28401000000");

inline QLineEdit* Field(QWidget* w, const QString& name) {
    auto* e = w->findChild<QLineEdit*>(name);
    if (!e) qFatal("no field %s", qPrintable(name));
    return e;
}

// Types over whatever the field holds, as a user who selects it first.
inline void RetypeIn(QWidget* w, const QString& name, const QString& text) {
    QLineEdit* e = Field(w, name);
    e->setFocus();
    e->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(e, Qt::Key_Backspace);
        return;
    }
    TypeText(e, text);
}

inline void Press(QWidget* w, const QString& button) {
    auto* b = w->findChild<QPushButton*>(button);
    if (!b) qFatal("no button %s", qPrintable(button));
    b->click();
}

// Opens a picker with the dialog's "..." button and answers it with action.
inline void PickWith(QWidget* dialog, const QString& button, const ModalScript::Action& action) {
    ModalScript inner;
    inner.Then(action);
    Press(dialog, button);
}

// Answers a dialog by typing into its fields ("name=text") and then pressing a key or a button.
ModalScript::Action Fill(const QList<QPair<QString, QString>>& fields, const QString& finish) {
    return [fields, finish](QDialog* d) {
        for (const auto& [name, text] : fields) {
            auto* edit = d->findChild<QLineEdit*>(name);
            if (!edit) continue;
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            TypeText(edit, text);
        }
        // Pressed from the event loop, not from this answer: a check dialog the press opens gets its own
        // answer only once this one has returned.
        QPointer<QDialog> dialog(d);
        QTimer::singleShot(0, d, [dialog, finish] {
            if (!dialog) return;
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog.data();
            if (finish == QLatin1String("Enter"))
                QTest::keyClick(focus, Qt::Key_Return);
            else if (finish == QLatin1String("Escape"))
                QTest::keyClick(focus, Qt::Key_Escape);
            else
                ModalScript::Click(finish)(dialog);
        });
    };
}

// Answers the foreign source dialog: types the name and the country and presses "Да" (which may ask
// for the country).
inline ModalScript::Action ForeignSource(const QString& name, const QString& country) {
    return [name, country](QDialog* d) {
        TypeText(d->findChild<QLineEdit*>(QStringLiteral("meSourseName")), name);
        TypeText(d->findChild<QLineEdit*>(QStringLiteral("meGos")), country);
        ModalScript::Later(ModalScript::Click(QStringLiteral("bnYes")))(d);
    };
}

// Answers a payer dialog: the payer, then "Да".
// Check dialogs the payer's check shows are answered in turn by answers.
inline ModalScript::Action Payer(const QString& name, const QString& inn, bool primary = false,
                                 const QList<ModalScript::Action>& answers = {}) {
    return [=](QDialog* d) {
        RetypeIn(d, QStringLiteral("meSourseName"), name);
        RetypeIn(d, QStringLiteral("meINN"), inn);
        RetypeIn(d, QStringLiteral("meKPP"), Kpp);
        RetypeIn(d, QStringLiteral("meOKATO"), Okato);
        if (primary) ClickOn(d->findChild<QCheckBox*>(QStringLiteral("chbPrimaryWorkplase")));
        ModalScript checks;
        for (const ModalScript::Action& a : answers)
            checks.Then(a);
        Press(d, QStringLiteral("bnYes"));
        QCOMPARE(checks.unanswered, 0);
        QVERIFY(checks.Done());
    };
}

// Answers the income line dialog: the income code and amount, the deduction, the month, then "Да".
inline ModalScript::Action Line(const QString& income, const QString& amount, const QString& month,
                                const QString& deduction = QString()) {
    return [=](QDialog* d) {
        PickWith(d, QStringLiteral("bnIncomeCode"), ModalScript::Pick(income));
        RetypeIn(d, QStringLiteral("meIncomeSum"), amount);
        if (!deduction.isEmpty()) PickWith(d, QStringLiteral("bnDeductCode"), ModalScript::Pick(deduction));
        if (!month.isEmpty()) RetypeIn(d, QStringLiteral("mePropSale"), month);
        ModalScript unexpected; // a check dialog would be closed, and the line left out
        Press(d, QStringLiteral("bnYes"));
        QCOMPARE(unexpected.seen.size(), 0);
    };
}

// Answers the dividend dialog: a payer of dividends, the dividends, the taxable part and the tax withheld.
inline ModalScript::Action Dividends(const QString& name, const QString& sum, const QString& taxable,
                                     const QString& withheld) {
    return [=](QDialog* d) {
        RetypeIn(d, QStringLiteral("meSourseName"), name);
        RetypeIn(d, QStringLiteral("meINN"), OrgInn);
        RetypeIn(d, QStringLiteral("meKPP"), Kpp);
        RetypeIn(d, QStringLiteral("meOKATO"), Okato);
        RetypeIn(d, QStringLiteral("meDividendSum"), sum);
        RetypeIn(d, QStringLiteral("meTaxableSum"), taxable);
        RetypeIn(d, QStringLiteral("meTaxWithheld"), withheld);
        Press(d, QStringLiteral("bnYes"));
    };
}

// Answers the dialog of income at 35 %: the payer, the income's code and amount, the deduction's code
// (its amount is proposed) and the tax withheld.
inline ModalScript::Action Income35(const QString& name, const QString& income, const QString& amount,
                                    const QString& deduction, const QString& withheld) {
    return [=](QDialog* d) {
        RetypeIn(d, QStringLiteral("meSourseName"), name);
        RetypeIn(d, QStringLiteral("meINN"), OrgInn);
        RetypeIn(d, QStringLiteral("meKPP"), Kpp);
        RetypeIn(d, QStringLiteral("meOKATO"), Okato);
        PickWith(d, QStringLiteral("bnIncomeCode"), ModalScript::Pick(income));
        RetypeIn(d, QStringLiteral("meIncomeSum"), amount);
        PickWith(d, QStringLiteral("bnDeductCode"), ModalScript::Pick(deduction));
        RetypeIn(d, QStringLiteral("meTaxWithheld"), withheld);
        Press(d, QStringLiteral("bnYes"));
    };
}

// Fills the payment dialog from the keyboard: the code row chosen with the arrow keys (none when row is
// -1), the amount typed; then the key (Enter or Escape) or a button.
inline ModalScript::Action Payment(int row, const QString& amount, int key = Qt::Key_Return) {
    return [=](QDialog* d) {
        auto* codes = d->findChild<QComboBox*>(QStringLiteral("cbKBK"));
        auto* sum = d->findChild<QLineEdit*>(QStringLiteral("meAmount"));
        codes->setFocus();
        while (codes->currentIndex() < row)
            QTest::keyClick(codes, Qt::Key_Down);
        while (codes->currentIndex() > row && row >= 0)
            QTest::keyClick(codes, Qt::Key_Up);
        sum->selectAll();
        sum->setFocus();
        TypeText(sum, amount);
        QTest::keyClick(sum, Qt::Key(key));
    };
}

} // namespace EntryDialogs
