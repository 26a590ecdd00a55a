#include "support/ScreenTestSupport.h"

#include "checks/IdentifierChecks.h"
#include "screens/conditions/PayerSourceCheck.h"

namespace {

const QString OrgInn = QStringLiteral("6950123450");
const QString PersonInn = QStringLiteral("695012345651");
const QString Okato = QStringLiteral("28401000000");
const QString Kpp = QStringLiteral("695001001");

} // namespace

// The payment-source check that the income-source dialogs run on a payer.
class TestPayerSourceCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(CheckInn(OrgInn, InnMode::Organisation), quint16(InnValid));
        QCOMPARE(CheckInn(PersonInn, InnMode::Person), quint16(InnValid));
    }

    void rules_data() {
        QTest::addColumn<bool>("organisationOnly");
        QTest::addColumn<QStringList>("payer"); // name, OKATO, KPP, INN
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("skipEnabled"); // "Пропустить" of each dialog shown, 1 or 0
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("last"); // the last answer, -1 for none
        const QString noName = QStringLiteral("Не заполненно поле \"Наименование источника выплаты\"");
        const QString noOkatoAny =
            QStringLiteral("Не введен код ОКАТО (11 символов). (При продаже имущества физ.лицу - не нужен)");
        QTest::newRow("organisation, clean") << false << QStringList{"ООО Ромашка", Okato, Kpp, OrgInn}
                                             << QStringList{} << QStringList{} << "" << 0 << -1;
        QTest::newRow("person without KPP, clean")
            << false << QStringList{"Петров П.П.", Okato, "", PersonInn} << QStringList{} << QStringList{}
            << "" << 0 << -1;
        QTest::newRow("no name, closed: the OKATO rule cannot be skipped")
            << false << QStringList{"  ", "2840", Kpp, OrgInn} << QStringList{"close", "bnFix"}
            << QStringList{noName, noOkatoAny} << "00" << 4 << int(CheckAnswer::Fix);
        QTest::newRow("OKATO skipped, wrong INN fixed")
            << false << QStringList{"ООО Ромашка", "", Kpp, "6950123451"} << QStringList{"bnSkip", "bnFix"}
            << QStringList{noOkatoAny, "Номер ИНН введен неверно"} << "11" << 2 << int(CheckAnswer::Fix);
        QTest::newRow("INN of 11 digits")
            << false << QStringList{"ООО", Okato, "", "69501234565"} << QStringList{"bnFix"}
            << QStringList{"Длинна ИНН должна быть равна 10 или 12 цифрам"} << "0" << 2
            << int(CheckAnswer::Fix);
        QTest::newRow("organisation without KPP, closed")
            << false << QStringList{"ООО", Okato, "", OrgInn} << QStringList{"close"}
            << QStringList{"Отсутствует КПП"} << "0" << 0 << int(CheckAnswer::Cancel);
        QTest::newRow("KPP of 8 digits")
            << false << QStringList{"ООО", Okato, "69500100", OrgInn} << QStringList{"bnFix"}
            << QStringList{"Длинна КПП должна быть равна 9 цифрам"} << "0" << 3 << int(CheckAnswer::Fix);
        QTest::newRow("KPP without INN")
            << false << QStringList{"ООО", Okato, Kpp, ""} << QStringList{"bnFix"}
            << QStringList{"Введите ИНН"} << "0" << 2 << int(CheckAnswer::Fix);
        QTest::newRow("KPP with a person's INN")
            << false << QStringList{"ООО", Okato, Kpp, PersonInn} << QStringList{"bnFix"}
            << QStringList{"Длинна ИНН для юрлиц должна быть равна 10 цифрам"} << "0" << 2
            << int(CheckAnswer::Fix);
        QTest::newRow("organisation only, everything missing, all closed")
            << true << QStringList{"", "", "", ""} << QStringList{"close", "close", "close", "close"}
            << QStringList{noName, "Не введен код ОКАТО (11 символов)", "Отсутствует КПП", "Введите ИНН"}
            << "0000" << 0 << int(CheckAnswer::Cancel);
        QTest::newRow("organisation only, a person's INN")
            << true << QStringList{"ООО", Okato, Kpp, PersonInn} << QStringList{"close", "bnFix"}
            << QStringList{"Длинна ИНН должна быть равна 10 цифрам",
                           "Длинна ИНН для юрлиц должна быть равна 10 цифрам"}
            << "00" << 2 << int(CheckAnswer::Fix);
    }
    void rules() {
        QFETCH(bool, organisationOnly);
        QFETCH(QStringList, payer);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(QString, skipEnabled);
        QFETCH(int, result);
        QFETCH(int, last);
        QWidget owner;
        ModalScript modals;
        for (const QString& a : answers)
            modals.Then(a == QLatin1String("close") ? ModalScript::Close() : ModalScript::Click(a));
        const PayerSourceCheckResult r =
            CheckPayerSource(&owner, QStringLiteral("Доходы, облагаемые ставкой 13%"),
                             organisationOnly ? PayerKind::Organisation : PayerKind::OrganisationOrPerson,
                             payer[0], payer[1], payer[2], payer[3]);
        QCOMPARE(modals.Messages(), messages);
        QString skips;
        for (const ModalScript::Seen& s : modals.seen) {
            skips += s.skipEnabled ? QLatin1Char('1') : QLatin1Char('0');
            QVERIFY(!s.skipAllEnabled);
            QCOMPARE(s.title, QStringLiteral("Проверка: Доходы, облагаемые ставкой 13%"));
        }
        QCOMPARE(skips, skipEnabled);
        QCOMPARE(int(r.Position), result);
        QCOMPARE(r.LastAnswer ? int(*r.LastAnswer) : -1, last);
        QCOMPARE(modals.unanswered, 0);
    }
};

QTEST_MAIN(TestPayerSourceCheck)
#include "tst_payersource.moc"
