#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"

#include "checks/ScreenPositions.h"
#include "controls/DatePicker.h"
#include "controls/MaskedEdit.h"
#include "screens/deductions/ConstructionDeduct.h"
#include "screens/deductions/FrameDeductData.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// The property record of a declaration that passes the screen's rules: a flat bought and registered in
// 2010, used from 2010.
std::unique_ptr<mTDeclaration> WithFlat() {
    auto d = ValidDeclaration().Source13(Money::FromUnits(600000), Money::FromUnits(78000)).Take();
    mTConstructionDeduct& c = d->PropertyDeduction;
    c.GrantProperty = 1;
    c.ObjectKind = 2;
    c.OwnershipKind = 1;
    c.TaxpayerSign = 1;
    c.ObjPostIndex = QStringLiteral("119002");
    c.ObjRegionCode = QStringLiteral("77");
    c.ObjRegionName = QStringLiteral("г. Москва");
    c.DwellingRegDate = DateValue::FromYmd(2010, 6, 15);
    c.FirstUseYear = DateValue::FromYmd(2010, 1, 1);
    c.ShareNumerator = c.ShareDenominator = 1;
    c.ShareDecimal = Money::FromUnits(1);
    return d;
}

} // namespace

// The property-deduction sub-screen in the deductions section of the real main window.
class TestConstructionDeduct : public QObject, ScreenTest {
    Q_OBJECT

    TfrConstructionDeduct* Screen() const {
        auto* section = qobject_cast<TfrFrameDeductData*>(form->CurrentFrame());
        return section ? qobject_cast<TfrConstructionDeduct*>(section->CurrentSubScreen()) : nullptr;
    }
    // Opens the deductions section and its property sub-screen.
    void OpenProperty() const {
        ClickSection(Section::Deductions);
        Click("fbConstructionDeduct");
    }
    const mTConstructionDeduct& Record() const { return form->Declaration().PropertyDeduction; }

    // Opens d (saved to a file) in a new main window and goes to the deductions section.
    void Open(mTDeclaration& d) {
        QVERIFY(OpenSaved(d, files.filePath(QStringLiteral("given.kv0"))));
        OpenProperty();
        QVERIFY(Screen());
        QVERIFY(form->Saved());
    }
    QString Focused() const { return form->focusWidget() ? form->focusWidget()->objectName() : QString(); }
    // Leaves for the taxpayer's section; true when the switch went through.
    bool Leave() const {
        ClickSection(Section::PersonData);
        return !Screen();
    }

private slots:
    void initTestCase() {
        PrepareProgram();
    }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // A new declaration: nothing granted, everything disabled, the defaults shown; ticking the box and
    // leaving stores the defaults, and the region never picked is "0", which the check reports.
    void newDeclarationDefaults() {
        auto d = ValidDeclaration().Source13(Money::FromUnits(100000), Money::FromUnits(13000)).Take();
        Open(*d);
        QVERIFY(!W<QCheckBox>("chbGrantProperty")->isChecked());
        QVERIFY(!W("cbObjectKind")->isEnabled() && !W("meObjectCost")->isEnabled());
        QVERIFY(!Screen()->AmountsPageShown());
        QCOMPARE(Text("meRegionCode"), QStringLiteral("0"));
        QCOMPARE(Text("meShareNumerator"), QStringLiteral("1"));
        QCOMPARE(Text("meShareDenominator"), QStringLiteral("1"));
        QCOMPARE(W<QSpinBox>("seFirstUseYear")->value(), 2010);
        QCOMPARE(W<TDatePicker>("dtDwellingRegDate")->date(), QDate(2010, 1, 1));
        QCOMPARE(W<QComboBox>("cbObjectKind")->currentIndex(), -1);
        QVERIFY(W<QRadioButton>("rbPurchase")->isChecked());

        Click("chbGrantProperty");
        QVERIFY(!form->Saved());
        QVERIFY(W("cbObjectKind")->isEnabled() && W("dtDwellingRegDate")->isEnabled());
        QVERIFY(!W("dtLandRegDate")->isEnabled() && !W("dtActDate")->isEnabled());
        QVERIFY(!W("dtApplicationDate")->isEnabled());
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnSkip")));
        QVERIFY(Leave()); // "Пропустить" lets the user go
        QCOMPARE(modals.Messages(), QStringList{QStringLiteral("Не введено наименование объекта")});
        QCOMPARE(Record().ObjRegionCode, QStringLiteral("0"));
        QCOMPARE(Record().ShareNumerator, 1);
        QCOMPARE(Record().ShareDenominator, 1);
        QCOMPARE(Record().ShareDecimal, Money::FromUnits(1));
        QCOMPARE(DateValue::Year(Record().FirstUseYear), 2010);
        QCOMPARE(Record().DwellingRegDate, DateValue::FromYmd(2010, 1, 1));
    }

    // The user fills both pages, saves, and opens the file in a new window: the screen shows the same.
    void fillSaveReopen() {
        auto d = ValidDeclaration().Source13(Money::FromUnits(600000), Money::FromUnits(78000)).Take();
        Open(*d);
        Click("chbGrantProperty");
        Choose("cbObjectKind", 1);
        Choose("cbOwnershipKind", 2);
        Choose("cbTaxpayerSign", 1);
        QVERIFY(W("dtApplicationDate")->isEnabled());   // joint ownership
        Type("mePostIndex", QStringLiteral("3600001")); // a seventh digit is refused
        QCOMPARE(Text("mePostIndex"), QStringLiteral("360000"));
        ModalScript modals;
        QString preselected;
        modals.Then(ModalScript::Inspect(preselected))
            .Then(ModalScript::Shot(QStringLiteral("screens-property-region-picker"),
                                    ModalScript::Pick(QStringLiteral("07"))));
        Click("bnRegion");
        QCOMPARE(preselected, QStringLiteral("01")); // nothing picked yet
        Click("bnRegion");
        QCOMPARE(Text("meRegionCode"), QStringLiteral("07"));
        Type("meCity", QStringLiteral("Нальчик"));
        Type("meStreet", QStringLiteral("ул. Ленина"));
        Type("meHouse", QStringLiteral("5"));
        Type("meFlat", QStringLiteral("12"));
        W<TDatePicker>("dtDwellingRegDate")->setDate(QDate(2010, 6, 15));
        W<TDatePicker>("dtApplicationDate")->setDate(QDate(2010, 7, 1));
        W<QLineEdit>("meShareNumerator")->clear();
        Type("meShareNumerator", QStringLiteral("3"));
        W<QLineEdit>("meShareDenominator")->clear();
        Type("meShareDenominator", QStringLiteral("2"));
        SaveShot(form.get(), QStringLiteral("screens-property-object"));

        Click("bnToAmounts");
        QVERIFY(Screen()->AmountsPageShown());
        Type("meObjectCost", QStringLiteral("3000000,50"));
        Type("meCreditInterest", QStringLiteral("150000"));
        Type("meCarryOverCost", QStringLiteral("100"));
        Type("meCarryOverInterest", QStringLiteral("200"));
        Type("mePriorDeclCost", QStringLiteral("300"));
        Type("mePriorDeclInterest", QStringLiteral("400"));
        Type("mePriorAgentCost", QStringLiteral("500"));
        Type("mePriorAgentInterest", QStringLiteral("600"));
        Type("meAgentCost", QStringLiteral("700"));
        Type("meAgentInterest", QStringLiteral("800123456")); // a ninth integer digit is refused
        QCOMPARE(Text("meAgentInterest"), QStringLiteral("80012345"));
        SaveShot(form.get(), QStringLiteral("screens-property-amounts"));
        Click("bnToObject");
        QVERIFY(!Screen()->AmountsPageShown());

        const QString path = form->DocumentFileName();
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());
        const mTConstructionDeduct& c = Record();
        QCOMPARE(c.ObjectKind, 2);
        QCOMPARE(c.OwnershipKind, 3);
        QCOMPARE(c.TaxpayerSign, 2);
        QCOMPARE(c.ObjRegionCode, QStringLiteral("07"));
        QCOMPARE(c.ObjRegionName, QStringLiteral("Кабардино - Балканская Республика"));
        QCOMPARE(c.ShareNumerator, 2); // 3/2 would be more than the whole object
        QCOMPARE(c.ShareDenominator, 2);
        QCOMPARE(c.ObjectCost, Money::FromRaw(30000005000));
        QCOMPARE(c.ApplicationDate, DateValue::FromYmd(2010, 7, 1));
        QCOMPARE(modals.unanswered, 0);
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        OpenProperty();
        QVERIFY(form->Saved());
        QVERIFY(W<QCheckBox>("chbGrantProperty")->isChecked());
        QCOMPARE(W<QComboBox>("cbObjectKind")->currentText(), QStringLiteral("Квартира"));
        QCOMPARE(W<QComboBox>("cbOwnershipKind")->currentText(),
                 QStringLiteral("Собственность общая совместная"));
        QCOMPARE(W<QComboBox>("cbTaxpayerSign")->currentText(),
                 QStringLiteral("Супруг(а) собственника объекта"));
        QCOMPARE(Text("mePostIndex"), QStringLiteral("360000"));
        QCOMPARE(Text("meRegionCode"), QStringLiteral("07"));
        QCOMPARE(Text("meCity"), QStringLiteral("Нальчик"));
        QCOMPARE(Text("meFlat"), QStringLiteral("12"));
        QCOMPARE(W<TDatePicker>("dtDwellingRegDate")->date(), QDate(2010, 6, 15));
        QCOMPARE(Text("meShareNumerator"), QStringLiteral("2"));
        QCOMPARE(Text("meObjectCost"), QStringLiteral("3000000,5"));
        QCOMPARE(Text("meAgentInterest"), QStringLiteral("80012345"));
        // Visiting and leaving changes nothing.
        QVERIFY(Leave());
        QVERIFY(form->Saved());
    }

    // The way of acquisition: investment offers only dwellings, clears a plot, and swaps the dates.
    void investmentClearsAPlot() {
        auto d = WithFlat();
        Open(*d);
        Choose("cbObjectKind", 5); // "Земельный участок с домом"
        QVERIFY(!form->Saved());
        QVERIFY(W("dtLandRegDate")->isEnabled());
        Click("rbInvestment");
        QCOMPARE(W<QComboBox>("cbObjectKind")->count(), 4);
        QCOMPARE(W<QComboBox>("cbObjectKind")->currentIndex(), -1);
        QVERIFY(!W("dtDwellingRegDate")->isEnabled() && !W("dtLandRegDate")->isEnabled());
        QVERIFY(W("dtActDate")->isEnabled());
        Click("rbPurchase");
        QCOMPARE(W<QComboBox>("cbObjectKind")->count(), 7);
        Click("rbInvestment");

        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QVERIFY(!Leave());
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(modals.seen[0].title, QStringLiteral("Проверка: Имущественный налоговый вычет"));
        QCOMPARE(modals.seen[0].message, QStringLiteral("Не введено наименование объекта"));
        QVERIFY(modals.seen[0].skipEnabled && modals.seen[0].skipAllEnabled);
        QVERIFY(form->SectionButton(Section::Deductions)->Down());
        QCOMPARE(Focused(), QStringLiteral("cbObjectKind"));
        QCOMPARE(Record().ByInvestment, quint8(1));
    }

    // The distribution application date is open to joint owners and to the spouse of a sole owner.
    void applicationDateEnabling_data() {
        QTest::addColumn<int>("ownership");
        QTest::addColumn<int>("sign");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("sole, owner") << 0 << 0 << false;
        QTest::newRow("sole, spouse") << 0 << 1 << true;
        QTest::newRow("shared, spouse") << 1 << 1 << false;
        QTest::newRow("joint, owner") << 2 << 0 << true;
    }
    void applicationDateEnabling() {
        QFETCH(int, ownership);
        QFETCH(int, sign);
        QFETCH(bool, enabled);
        auto d = WithFlat();
        Open(*d);
        Choose("cbOwnershipKind", ownership);
        Choose("cbTaxpayerSign", sign);
        QCOMPARE(W("dtApplicationDate")->isEnabled(), enabled);
    }

    // The pensioner box widens the date and year limits; the year moves with the arrow keys only.
    void pensionerLimits() {
        auto d = WithFlat();
        Open(*d);
        auto* year = W<QSpinBox>("seFirstUseYear");
        year->setFocus();
        QTest::keyClick(year, Qt::Key_Up);
        QCOMPARE(year->value(), 2010);
        TypeText(year, QStringLiteral("1999"));
        QCOMPARE(year->value(), 2010); // typing is refused
        QVERIFY(form->Saved());
        QTest::keyClick(year, Qt::Key_Down);
        QCOMPARE(year->value(), 2009);
        QVERIFY(!form->Saved());
        QTest::keyClick(year, Qt::Key_Up);
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());
        Click("chbPensioner");
        QVERIFY(!form->Saved());
        QCOMPARE(W<TDatePicker>("dtActDate")->maximumDate(), QDate(2013, 12, 31));
        year->setFocus();
        QTest::keyClick(year, Qt::Key_Up);
        QTest::keyClick(year, Qt::Key_Up);
        QCOMPARE(year->value(), 2012);
        W<TDatePicker>("dtDwellingRegDate")->setDate(QDate(2011, 3, 1));
        QVERIFY(Leave()); // a pensioner's year before the registration is no fault
        QCOMPARE(form->Declaration().IsPensioner, quint8(1));
        QCOMPARE(DateValue::Year(Record().FirstUseYear), 2012);

        OpenProperty();
        QCOMPARE(W<QSpinBox>("seFirstUseYear")->value(), 2012);
        Click("chbPensioner");
        QCOMPARE(W<QSpinBox>("seFirstUseYear")->value(), 2010);
        QCOMPARE(W<TDatePicker>("dtActDate")->maximumDate(), QDate(2010, 12, 31));
        Screen()->Store();
        QCOMPARE(DateValue::Year(Record().FirstUseYear), 2010);
        QCOMPARE(form->Declaration().IsPensioner, quint8(0));
    }

    // Every rule of the screen: its message, and "Исправить" keeps the user there at the field.
    void checkRules_data() {
        QTest::addColumn<int>("objectKind");
        QTest::addColumn<int>("ownership");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QString>("postIndex");
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("investment");
        QTest::addColumn<int>("rightYear");
        QTest::addColumn<int>("firstUse");
        QTest::addColumn<bool>("pensioner");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        const QString ok = QStringLiteral("119002"), moscow = QStringLiteral("77");
        QTest::newRow("no object") << 0 << 0 << 0 << QString() << QString() << false << 2010 << 2010 << false
                                   << "Не введено наименование объекта"
                                   << "cbObjectKind";
        QTest::newRow("no ownership")
            << 2 << 0 << 1 << ok << moscow << false << 2010 << 2010 << false << "Не введен вид собственности"
            << "cbOwnershipKind";
        QTest::newRow("no sign") << 2 << 1 << 0 << ok << moscow << false << 2010 << 2010 << false
                                 << "Не введен признак налогоплательщика"
                                 << "cbTaxpayerSign";
        QTest::newRow("no index") << 2 << 1 << 1 << QStringLiteral("  ") << moscow << false << 2010 << 2010
                                  << false << "Не введен почтовый индекс"
                                  << "mePostIndex";
        QTest::newRow("region never picked")
            << 2 << 1 << 1 << ok << QString() << false << 2010 << 2010 << false << "Не указан код региона"
            << "bnRegion";
        QTest::newRow("used before registration")
            << 2 << 1 << 1 << ok << moscow << false << 2009 << 2005 << false
            << "Год начала пользования льготой меньше даты регистрации прав собственности"
            << "seFirstUseYear";
        QTest::newRow("act of 2009") << 2 << 1 << 1 << ok << moscow << true << 2009 << 2005 << false
                                     << "Год начала пользования льготой меньше даты акта о передаче"
                                     << "seFirstUseYear";
        QTest::newRow("act of 2008") << 2 << 1 << 1 << ok << moscow << true << 2008 << 2005 << false
                                     << QString() << QString();
        QTest::newRow("pensioner") << 2 << 1 << 1 << ok << moscow << false << 2010 << 2009 << true
                                   << QString() << QString();
    }
    void checkRules() {
        QFETCH(int, objectKind);
        QFETCH(int, ownership);
        QFETCH(int, sign);
        QFETCH(QString, postIndex);
        QFETCH(QString, region);
        QFETCH(bool, investment);
        QFETCH(int, rightYear);
        QFETCH(int, firstUse);
        QFETCH(bool, pensioner);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        auto d = WithFlat();
        mTConstructionDeduct& c = d->PropertyDeduction;
        c.ObjectKind = objectKind;
        c.OwnershipKind = ownership;
        c.TaxpayerSign = sign;
        c.ObjPostIndex = postIndex;
        c.ObjRegionCode = region;
        c.ByInvestment = investment;
        (investment ? c.ActDate : c.DwellingRegDate) = DateValue::FromYmd(rightYear, 3, 1);
        c.FirstUseYear = DateValue::FromYmd(firstUse, 1, 1);
        d->IsPensioner = pensioner;
        Open(*d);

        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix"))).Then(ModalScript::Close());
        if (message.isEmpty()) {
            QVERIFY(Leave());
            QCOMPARE(modals.seen.size(), 0);
            return;
        }
        QVERIFY(!Leave());
        QCOMPARE(modals.seen.value(0).title, QStringLiteral("Проверка: Имущественный налоговый вычет"));
        QCOMPARE(modals.seen.value(0).message, message);
        QVERIFY(!Screen()->AmountsPageShown());
        QCOMPARE(Focused(), focused);
        // The region's fault opens the region picker.
        QCOMPARE(modals.seen.size(), focused == QLatin1String("bnRegion") ? 2 : 1);
        if (modals.seen.size() == 2) QCOMPARE(modals.seen[1].title, QStringLiteral("Справочник регионов"));
    }

    // Opened with the deduction not granted, leaving writes the flag and the eight amounts only.
    void notGrantedChangesOnlyTheAmounts() {
        auto d = WithFlat();
        d->PropertyDeduction.GrantProperty = 0;
        d->PropertyDeduction.CarryOverCost = Money::FromUnits(5);
        d->PropertyDeduction.ObjectCost = Money::FromUnits(7);
        d->IsPensioner = 1;
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        mTConstructionDeduct expected = d->PropertyDeduction;
        form->ShowDeclaration(std::move(d));
        OpenProperty();
        QVERIFY(Leave());
        const mTConstructionDeduct& c = Record();
        QCOMPARE(c.CarryOverCost, Money());
        QCOMPARE(c.ObjectCost, Money::FromUnits(7));
        QCOMPARE(c.ObjectKind, expected.ObjectKind);
        QCOMPARE(c.ObjRegionCode, expected.ObjRegionCode);
        QCOMPARE(c.DwellingRegDate, expected.DwellingRegDate);
        QCOMPARE(c.FirstUseYear, expected.FirstUseYear);
        QCOMPARE(c.ShareDecimal, expected.ShareDecimal);
        QCOMPARE(form->Declaration().IsPensioner, quint8(1));
    }

    // Dates and a year outside the pickers' ranges are kept as stored while the user leaves them alone.
    void storedValuesOutsideTheRangesAreKept() {
        auto d = WithFlat();
        d->PropertyDeduction.DwellingRegDate = DateValue::FromYmd(1985, 5, 1);
        d->PropertyDeduction.FirstUseYear = DateValue::FromYmd(1985, 1, 1);
        Open(*d);
        QCOMPARE(W<QSpinBox>("seFirstUseYear")->value(), 1992);
        QVERIFY(Leave());
        QCOMPARE(Record().DwellingRegDate, DateValue::FromYmd(1985, 5, 1));
        QCOMPARE(Record().FirstUseYear, DateValue::FromYmd(1985, 1, 1));
        QCOMPARE(Record().ApplicationDate, TDateTime(0));
        QVERIFY(form->Saved());
    }

    // Every position a check names shows its page and field.
    void showPosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("amounts");
        QTest::addColumn<QString>("focused");
        using namespace PropertyDeductionPosition;
        QTest::newRow("1") << int(ObjectKind) << false << "cbObjectKind";
        QTest::newRow("2") << int(PostIndex) << false << "mePostIndex";
        QTest::newRow("4") << int(DwellingRegDate) << false << "dtDwellingRegDate";
        QTest::newRow("5") << int(FirstUseYear) << false << "seFirstUseYear";
        QTest::newRow("6") << int(CarryOver) << true << "meCarryOverCost";
        QTest::newRow("7") << int(CarryOverInterest) << true << "meCarryOverInterest";
        QTest::newRow("8") << int(PriorDeclCost) << true << "mePriorDeclCost";
        QTest::newRow("9") << int(PriorDeclInterest) << true << "mePriorDeclInterest";
        QTest::newRow("10") << int(OwnershipKind) << false << "cbOwnershipKind";
        QTest::newRow("11") << int(TaxpayerSign) << false << "cbTaxpayerSign";
    }
    void showPosition() {
        QFETCH(int, position);
        QFETCH(bool, amounts);
        QFETCH(QString, focused);
        auto d = WithFlat();
        Open(*d);
        if (!amounts) Click("bnToAmounts"); // start on the other page
        Screen()->ShowPosition(quint16(position));
        QCOMPARE(Screen()->AmountsPageShown(), amounts);
        QCOMPARE(Focused(), focused);
    }
};

QTEST_MAIN(TestConstructionDeduct)
#include "tst_constructiondeduct.moc"
