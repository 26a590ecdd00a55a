#include "support/EntryDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"

#include "screens/payments/Nalog.h"

#include <QAction>
#include <QComboBox>

namespace {

using EntryDialogs::Payment;

// What the dialog shows when it opens: the chosen row and the amount.
ModalScript::Action Inspect(QString& row, QString& amount, ModalScript::Action next) {
    return [&row, &amount, next](QDialog* d) {
        row = d->findChild<QComboBox*>(QStringLiteral("cbKBK"))->currentText();
        amount = d->findChild<QLineEdit*>(QStringLiteral("meAmount"))->text();
        next(d);
    };
}

} // namespace

class TestNalog : public QObject, ScreenTest {
    Q_OBJECT

    TfrNalog* Screen() const { return qobject_cast<TfrNalog*>(form->CurrentFrame()); }
    QTreeView* List() const { return W<QTreeView>("lvPayments"); }
    QStringList Row(int row) const {
        QStringList texts;
        for (int c = 0; c < 3; ++c)
            texts << RowText(List(), row, c);
        return texts;
    }
    const mTRecordList<mTNalog>& Payments() const { return form->Declaration().TaxPayments; }

    void Open(mTDeclaration& d) {
        QVERIFY(OpenSaved(d, files.filePath(QStringLiteral("given.kv0"))));
        ClickSection(Section::Nalog);
        QVERIFY(Screen());
        QVERIFY(form->Saved());
    }

private slots:
    void initTestCase() { PrepareProgram(); }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // Two payments added, one edited to another code row, saved and reopened; then one deleted.
    void addEditSaveReopenDelete() {
        auto d = ValidDeclaration::Clean();
        Open(*d);
        QCOMPARE(RowCount(List()), 0);
        SaveShot(form.get(), QStringLiteral("screens-nalog-empty"));

        ModalScript modals;
        modals.Then(
            ModalScript::Shot(QStringLiteral("screens-nalog-dialog"), Payment(1, QStringLiteral("7000"))));
        Click("fbAddPayment");
        QCOMPARE(modals.seen.value(0).title, QStringLiteral("Данные платежа"));
        QCOMPARE(Payments().Count(), 1);
        QCOMPARE(Payments().At(0)->PaymentKBK, QStringLiteral("18210102021011000110"));
        QCOMPARE(Payments().At(0)->PaymentNote, QStringLiteral("13% физ.лица ")); // the space is kept
        QCOMPARE(Payments().At(0)->PaymentAmount, Money::FromUnits(7000));
        QCOMPARE(Row(0), (QStringList{"7 000,00", "18210102021011000110", "13% физ.лица "}));
        QVERIFY(!form->Saved());

        modals.Then(Payment(5, QStringLiteral("1500")));
        Click("fbAddPayment");
        QCOMPARE(Row(1), (QStringList{"1 500,00", "18210102040011000110", "35% выигрыши"}));
        QCOMPARE(SelectedRow(List()), 1);

        // Enter in the list edits the selected payment; only its code row changes.
        const QString path = form->DocumentFileName();
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());
        QString shownRow, shownAmount;
        modals.Then(Inspect(shownRow, shownAmount, Payment(0, QString())));
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_Return);
        QCOMPARE(shownRow, QStringLiteral("18210102040011000110  | 35% выигрыши"));
        QCOMPARE(shownAmount, QStringLiteral("1500"));
        QCOMPARE(Row(1), (QStringList{"1 500,00", "18210102010011000110", "9%   дивиденды"}));
        QVERIFY(!form->Saved());
        SaveShot(form.get(), QStringLiteral("screens-nalog"));
        form->Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(modals.unanswered, 0);
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        ClickSection(Section::Nalog);
        QVERIFY(form->Saved());
        QCOMPARE(RowCount(List()), 2);
        QCOMPARE(Row(0), (QStringList{"7 000,00", "18210102021011000110", "13% физ.лица "}));
        QCOMPARE(Row(1), (QStringList{"1 500,00", "18210102010011000110", "9%   дивиденды"}));
        QVERIFY(List()->hasFocus());
        QCOMPARE(SelectedRow(List()), 0);

        Click("fbDeletePayment");
        QCOMPARE(Payments().Count(), 1);
        QCOMPARE(Payments().At(0)->PaymentAmount, Money::FromUnits(1500));
        QVERIFY(SelectedRow(List()) < 0);
        QVERIFY(!form->Saved());
        // With no payment selected, editing and deleting do nothing.
        Click("fbDeletePayment");
        Click("fbEditPayment");
        QCOMPARE(Payments().Count(), 1);
        QCOMPARE(modals.seen.size(), 3);
    }

    // What the dialog does not take: a zero or empty amount, "Да" without a code row, Escape.
    void refusedPayments_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("key");
        QTest::newRow("zero amount") << 2 << "0" << int(Qt::Key_Return);
        QTest::newRow("empty amount") << 2 << "" << int(Qt::Key_Return);
        QTest::newRow("letters") << 2 << "сто" << int(Qt::Key_Return);
        QTest::newRow("escape") << 2 << "100" << int(Qt::Key_Escape);
    }
    void refusedPayments() {
        QFETCH(int, row);
        QFETCH(QString, amount);
        QFETCH(int, key);
        auto d = ValidDeclaration::Clean();
        Open(*d);
        ModalScript modals;
        modals.Then(Payment(row, amount, key));
        Click("fbAddPayment");
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(Payments().Count(), 0);
        QCOMPARE(RowCount(List()), 0);
    }

    // "Да" with no code row chosen leaves the dialog open; an edit to a zero amount changes nothing.
    void noRowAndZeroEdit() {
        auto d = ValidDeclaration::Clean();
        const int i = d->TaxPayments.Add();
        d->TaxPayments.At(i)->PaymentKBK = QStringLiteral("18210102040011000110");
        d->TaxPayments.At(i)->PaymentNote = QStringLiteral("35% выигрыши");
        d->TaxPayments.At(i)->PaymentAmount = Money::FromUnits(7000);
        Open(*d);

        bool stayedOpen = false;
        ModalScript modals;
        modals.Then([&](QDialog* dialog) {
            TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("meAmount")), QStringLiteral("100"));
            ModalScript::Click(QStringLiteral("bnYes"))(dialog);
            stayedOpen = dialog->isVisible();
            ModalScript::Click(QStringLiteral("bnNo"))(dialog);
        });
        Click("fbAddPayment");
        QVERIFY(stayedOpen);
        QCOMPARE(Payments().Count(), 1);

        modals.Then(Payment(1, QStringLiteral("0")));
        Click("fbEditPayment"); // the first row is selected since the section opened
        QCOMPARE(modals.seen.size(), 2);
        QCOMPARE(Payments().At(0)->PaymentKBK, QStringLiteral("18210102040011000110"));
        QCOMPARE(Payments().At(0)->PaymentAmount, Money::FromUnits(7000));
        QCOMPARE(RowText(List(), 0, 0), QStringLiteral("7 000,00"));
    }
};

QTEST_MAIN(TestNalog)
#include "tst_nalog.moc"
