#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"

#include "checks/IdentifierChecks.h"
#include "controls/DatePicker.h"
#include "controls/FlashButton.h"
#include "controls/MaskedDocEdit.h"
#include "controls/MaskedEdit.h"
#include "pickers/TablePicker.h"
#include "records/NewDeclaration.h"
#include "screens/conditions/PersonAddress.h"
#include "screens/conditions/PersonData.h"
#include "screens/conditions/PersonNaim.h"
#include "storage/DocumentStorage.h"
#include "storage/FileLoader.h"

#include <QAction>
#include <QRadioButton>

namespace {

const QString ValidInn = QStringLiteral("695012345651");

} // namespace

class TestTaxpayerScreens : public QObject, ScreenTest {
    Q_OBJECT

    TfrPersonData* Screen() const { return qobject_cast<TfrPersonData*>(form->CurrentFrame()); }

    // Opens d (saved to a file) in a new main window and goes to the taxpayer's section.
    void OpenTaxpayer(mTDeclaration& d) {
        const QString path = files.filePath(QStringLiteral("given.kv0"));
        form.reset(); // a window holding the file lets go of it
        d.SaveToFile(path);
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        ClickSection(Section::PersonData);
        QVERIFY(Screen());
    }
    std::unique_ptr<mTDeclaration> WithPerson() {
        return ValidDeclaration().Inspection(QStringLiteral("6952")).Take();
    }

private slots:
    void initTestCase() {
        PrepareProgram();
        QCOMPARE(CheckInn(ValidInn, InnMode::Person), quint16(InnValid));
    }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // A new user creates a declaration, fills the conditions and the taxpayer, saves, closes the program
    // and opens the file again: everything is there.
    void newUserFillsSavesAndReopens() {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        QCOMPARE(form->windowTitle(), QStringLiteral("Без имени - Durovid 2010"));
        ModalScript modals;
        modals.Then(ModalScript::Pick(QStringLiteral("6952")));
        Click("bnInspection");
        Click("chbForeignIncome");

        ClickSection(Section::PersonData);
        QVERIFY(Screen());
        QVERIFY(form->SectionButton(Section::PersonData)->Down());
        QVERIFY(W<TFlashButton>("fbPersonName")->Down());
        Type("meSurName", QStringLiteral("Иванов"));
        Type("meFirstName", QStringLiteral("Иван"));
        Type("mePatronymic", QStringLiteral("Иванович"));
        Type("meINN", ValidInn + QStringLiteral("9")); // a thirteenth digit is refused
        QCOMPARE(Text("meINN"), ValidInn);
        W<TDatePicker>("dtBirthDate")->setDate(QDate(1975, 5, 14));
        Type("meBirthPlace", QStringLiteral("г. Тверь"));
        QVERIFY(!W("meDocSerial")->isEnabled());
        modals.Then(ModalScript::Shot(QStringLiteral("screens-doctype-picker"),
                                      ModalScript::Pick(QStringLiteral("21"))));
        Click("bnDocType");
        QCOMPARE(W<QLabel>("pnDocType")->text(), QStringLiteral("Паспорт гражданина РФ"));
        QVERIFY(W("meDocSerial")->isEnabled() && W("dtDocIssueDate")->isEnabled());
        QCOMPARE(W<TDatePicker>("dtDocIssueDate")->date(), QDate(1990, 1, 1));
        Type("meDocSerial", QStringLiteral("2803123456"));
        QCOMPARE(Text("meDocSerial"), QStringLiteral("28 03 123456"));
        W<TDatePicker>("dtDocIssueDate")->setDate(QDate(2005, 6, 1));
        Type("meDocIssuedBy", QStringLiteral("ОВД Центрального района г. Твери"));
        SaveShot(form.get(), QStringLiteral("screens-person-name"));

        Click("fbPersonAddress");
        QCOMPARE(modals.seen.size(), 2); // the two pickers, no check dialog
        QCOMPARE(Screen()->CurrentPageKind(), PersonDataPage::Address);
        Type("mePostIndex", QStringLiteral("170100"));
        QString preselected;
        modals.Then(ModalScript::Inspect(preselected))
            .Then(ModalScript::Shot(QStringLiteral("screens-region-picker"),
                                    ModalScript::Pick(QStringLiteral("69"))));
        Click("bnRegion");
        QCOMPARE(preselected, QStringLiteral("01")); // no region yet
        Click("bnRegion");
        QCOMPARE(W<QLabel>("pnRegion")->text(), QStringLiteral("Тверская область"));
        Type("meCity", QStringLiteral("Тверь"));
        Type("meStreet", QStringLiteral("ул. Советская"));
        Type("meHouse", QStringLiteral("12"));
        Type("meBuilding", QStringLiteral("2"));
        Type("meFlat", QStringLiteral("34"));
        Type("meOKATO", QStringLiteral("28401000000"));
        Type("mePhone", QStringLiteral("84822123456"));
        Click("rbStay");
        SaveShot(form.get(), QStringLiteral("screens-person-address"));

        const QString path = files.filePath(QStringLiteral("ivanov.kv0"));
        prompts->saveNames.enqueue(path);
        form->Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(form->windowTitle(), QStringLiteral("ivanov.kv0 - Durovid 2010"));
        QVERIFY(form->Saved());
        Type("meFlat", QStringLiteral("А"));
        QVERIFY(!form->Saved());
        prompts->answers.enqueue(QMessageBox::Yes);
        QVERIFY(form->close());
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Вы хотите сохранить декларацию?")});
        QCOMPARE(prompts->saveDialogs, 1); // the name was known: no second save dialog
        QCOMPARE(modals.unanswered, 0);
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        QCOMPARE(form->windowTitle(), QStringLiteral("ivanov.kv0 - Durovid 2010"));
        QVERIFY(form->Saved());
        QCOMPARE(Text("meInspectionNumber"), QStringLiteral("6952"));
        QVERIFY(form->SectionButton(Section::CurrencyIncome)->isEnabled());
        ClickSection(Section::PersonData);
        QVERIFY(form->Saved());
        QCOMPARE(Text("meSurName"), QStringLiteral("Иванов"));
        QCOMPARE(Text("meFirstName"), QStringLiteral("Иван"));
        QCOMPARE(Text("mePatronymic"), QStringLiteral("Иванович"));
        QCOMPARE(Text("meINN"), ValidInn);
        QCOMPARE(W<TDatePicker>("dtBirthDate")->date(), QDate(1975, 5, 14));
        QCOMPARE(Text("meBirthPlace"), QStringLiteral("г. Тверь"));
        QCOMPARE(W<QLabel>("pnDocType")->text(), QStringLiteral("Паспорт гражданина РФ"));
        QCOMPARE(Text("meDocSerial"), QStringLiteral("28 03 123456"));
        QCOMPARE(W<TMaskedDocEdit>("meDocSerial")->EditType(), 2);
        QCOMPARE(W<TDatePicker>("dtDocIssueDate")->date(), QDate(2005, 6, 1));
        QCOMPARE(Text("meDocIssuedBy"), QStringLiteral("ОВД Центрального района г. Твери"));
        QVERIFY(W<QRadioButton>("rbCitizen")->isChecked());
        QCOMPARE(Text("meCountryCode"), QStringLiteral("643"));
        QCOMPARE(Text("meCountryName"), QStringLiteral("РОССИЯ"));
        Click("fbPersonAddress");
        QCOMPARE(Text("mePostIndex"), QStringLiteral("170100"));
        QCOMPARE(W<QLabel>("pnRegion")->text(), QStringLiteral("Тверская область"));
        QCOMPARE(Text("meCity"), QStringLiteral("Тверь"));
        QCOMPARE(Text("meStreet"), QStringLiteral("ул. Советская"));
        QCOMPARE(Text("meHouse"), QStringLiteral("12"));
        QCOMPARE(Text("meBuilding"), QStringLiteral("2"));
        QCOMPARE(Text("meFlat"), QStringLiteral("34А"));
        QCOMPARE(Text("meOKATO"), QStringLiteral("28401000000"));
        QCOMPARE(Text("mePhone"), QStringLiteral("84822123456"));
        QVERIFY(W<QRadioButton>("rbStay")->isChecked());
        const mTPersonInformation& p = form->Declaration().Person;
        QCOMPARE(p.RegionCode, quint16(69));
        QCOMPARE(p.DocTypeCode, quint16(21));
        QCOMPARE(p.StayAddress, quint8(1));
        QCOMPARE(p.BirthDate, DateValue::FromYmd(1975, 5, 14));
        QVERIFY(form->Saved());
    }

    void namePageChecks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("focused");
        const QStringList fix{"bnFix"};
        QTest::newRow("surname") << "SurName"
                                 << "" << fix << QStringList{"Не введена фамилия"} << 1 << "meSurName";
        QTest::newRow("first name") << "FirstName"
                                    << "" << fix << QStringList{"Не введено имя"} << 2 << "meFirstName";
        QTest::newRow("INN of 11 digits")
            << "INN"
            << "69501234565" << fix << QStringList{"Длинна ИНН должна быть равна 12 цифрам"} << 4 << "meINN";
        QTest::newRow("INN with a wrong digit")
            << "INN"
            << "695012345650" << fix << QStringList{"Номер ИНН введен неверно"} << 4 << "meINN";
        QTest::newRow("no INN, then no place of birth")
            << "INN+BirthPlace"
            << "" << QStringList{"bnSkip", "bnFix"}
            << QStringList{"Не указан ИНН", "Не указано место рождения"} << 9 << "meBirthPlace";
        QTest::newRow("no INN and no document")
            << "INN+DocTypeCode"
            << "" << QStringList{"bnSkip", "bnFix", "close"}
            << QStringList{"Не указан ИНН", "Не указан документ, удостоверяющий личность", ""} << 5
            << "bnDocType";
        QTest::newRow("no series")
            << "DocSerial"
            << "" << fix << QStringList{"Не указаны серия и номер документа, удостоверяющего личность"} << 6
            << "meDocSerial";
        QTest::newRow("issued before birth")
            << "DocIssueDate"
            << "1970-01-01" << fix << QStringList{"Дата выдачи документа не может быть меньше даты рождения"}
            << 7 << "dtDocIssueDate";
        QTest::newRow("passport a day before 14")
            << "Born29Feb"
            << "2010-02-27" << fix
            << QStringList{"Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"}
            << 7 << "dtDocIssueDate";
        QTest::newRow("passport at 14") << "Born29Feb"
                                        << "2010-02-28" << QStringList{} << QStringList{} << 0 << "";
        QTest::newRow("issuer") << "DocIssuedBy"
                                << "" << fix
                                << QStringList{"Не указано, кем выдан документ, удостоверяющий личность"} << 8
                                << "meDocIssuedBy";
        QTest::newRow("skip all") << "SurName+FirstName"
                                  << "" << QStringList{"bnSkipAll"} << QStringList{"Не введена фамилия"} << 0
                                  << "";
    }
    // Leaving the name page for the address page runs its check; "Исправить" keeps the page and
    // focuses the field.
    void namePageChecks() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(int, position);
        QFETCH(QString, focused);
        auto d = WithPerson();
        mTPersonInformation& p = d->Person;
        for (const QString& f : field.split(QLatin1Char('+'))) {
            if (f == QLatin1String("SurName")) p.SurName = value;
            if (f == QLatin1String("FirstName")) p.FirstName = value;
            if (f == QLatin1String("INN")) p.INN = value;
            if (f == QLatin1String("BirthPlace")) p.BirthPlace = value;
            if (f == QLatin1String("DocTypeCode")) p.DocTypeCode = 0, p.DocTypeName.clear();
            if (f == QLatin1String("DocSerial")) p.DocSerial = value;
            if (f == QLatin1String("DocIssuedBy")) p.DocIssuedBy = value;
            if (f == QLatin1String("DocIssueDate"))
                p.DocIssueDate = DateValue::FromQDate(QDate::fromString(value, Qt::ISODate));
            if (f == QLatin1String("Born29Feb")) {
                p.BirthDate = DateValue::FromYmd(1996, 2, 29);
                p.DocIssueDate = DateValue::FromQDate(QDate::fromString(value, Qt::ISODate));
            }
        }
        OpenTaxpayer(*d);
        ModalScript modals;
        for (const QString& a : answers)
            modals.Then(a == QLatin1String("close") ? ModalScript::Close() : ModalScript::Click(a));
        Click("fbPersonAddress");
        QCOMPARE(modals.Messages(), messages);
        QCOMPARE(modals.unanswered, 0);
        if (position == 0) {
            QCOMPARE(Screen()->CurrentPageKind(), PersonDataPage::Address);
            QVERIFY(W<TFlashButton>("fbPersonAddress")->Down());
            return;
        }
        QCOMPARE(modals.seen.first().title, QStringLiteral("Проверка: Сведения о декларанте"));
        QCOMPARE(Screen()->CurrentPageKind(), PersonDataPage::Name);
        QVERIFY(W<TFlashButton>("fbPersonName")->Down());
        QVERIFY(!W<TFlashButton>("fbPersonAddress")->Down());
        QCOMPARE(form->focusWidget(), W(qPrintable(focused)));
        if (position == PersonPosition::DocType) // the kind picker opened
            QCOMPARE(modals.seen.last().title, QStringLiteral("Справочник видов документов"));
    }

    void addressPageChecks_data() {
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("street");
        QTest::addColumn<QString>("okato");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focused");
        QTest::newRow("region") << 0 << "Советская"
                                << "28401000000"
                                << QStringList{"Не указан регион постоянного местожительства", ""}
                                << "bnRegion";
        QTest::newRow("locality or street")
            << 69 << ""
            << "28401000000"
            << QStringList{"Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"}
            << "meLocality";
        QTest::newRow("OKATO") << 69 << "Советская"
                               << "2840100000" << QStringList{"Не введен код ОКАТО (11 символов)"}
                               << "meOKATO";
        QTest::newRow("clean") << 69 << "Советская"
                               << "28401000000" << QStringList{} << "";
    }
    // Leaving the section from the address page checks the address page only.
    void addressPageChecks() {
        QFETCH(int, region);
        QFETCH(QString, street);
        QFETCH(QString, okato);
        QFETCH(QStringList, messages);
        QFETCH(QString, focused);
        auto d = WithPerson();
        d->Person.RegionCode = quint16(region);
        d->Person.Street = street;
        d->Person.OKATO = okato;
        OpenTaxpayer(*d);
        Click("fbPersonAddress");
        // A fault of the name page is not asked about here.
        form->Declaration().Person.SurName.clear();

        ModalScript modals;
        QString preselected;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix"))).Then(ModalScript::Inspect(preselected));
        ClickSection(Section::InitialData);
        QCOMPARE(modals.Messages(), messages);
        if (messages.isEmpty()) {
            QCOMPARE(form->CurrentSectionButton(), form->SectionButton(Section::InitialData));
            return;
        }
        QVERIFY(form->SectionButton(Section::PersonData)->Down());
        QCOMPARE(form->focusWidget(), W(qPrintable(focused)));
        if (region == 0) QCOMPARE(preselected, QStringLiteral("01"));
    }

    void documentKindChoice() {
        auto d = WithPerson();
        OpenTaxpayer(*d);
        ModalScript modals;
        modals.Then(ModalScript::Pick(QStringLiteral("21")));
        Click("bnDocType"); // the kind already shown: nothing changes
        QCOMPARE(Text("meDocSerial"), d->Person.DocSerial);
        QVERIFY(form->Saved());
        modals.Then(ModalScript::Pick(QStringLiteral("24")));
        Click("bnDocType");
        QVERIFY(!form->Saved());
        QCOMPARE(W<QLabel>("pnDocType")->text(), QStringLiteral("Удостоверение личности военнослужащего РФ"));
        QVERIFY(Text("meDocSerial").isEmpty() && Text("meDocIssuedBy").isEmpty());
        QCOMPARE(W<TDatePicker>("dtDocIssueDate")->date(), QDate(1990, 1, 1));
        QCOMPARE(W<TMaskedDocEdit>("meDocSerial")->EditType(), 4);
        modals.Then(ModalScript::Click(QStringLiteral("bnNo")));
        Click("bnDocType");
        QCOMPARE(Screen()->CurrentPageKind(), PersonDataPage::Name);
        form->CurrentFrame()->Store();
        QCOMPARE(form->Declaration().Person.DocTypeCode, quint16(24));
        QCOMPARE(form->Declaration().Person.DocIssueDate, DateValue::FromYmd(1990, 1, 1));
    }

    void documentNumberFormat_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("picked");
        QTest::addColumn<int>("stored");
        QTest::newRow("passport") << 21 << 2 << 2;
        QTest::newRow("birth certificate") << 3 << 5 << 0;
        QTest::newRow("military card") << 7 << 4 << 4;
        QTest::newRow("serviceman's card") << 24 << 4 << 5;
        QTest::newRow("foreign passport") << 10 << 5 << 5;
        QTest::newRow("other documents") << 91 << 5 << 6;
    }
    // The format of the number follows the kind just picked, and the kind stored when a page opens.
    void documentNumberFormat() {
        QFETCH(int, kind);
        QFETCH(int, picked);
        QFETCH(int, stored);
        auto d = WithPerson();
        d->Person.DocTypeCode = 0;
        d->Person.DocTypeName.clear();
        OpenTaxpayer(*d);
        ModalScript modals;
        modals.Then(ModalScript::Pick(TTablePicker::CodeText(kind)));
        Click("bnDocType");
        QCOMPARE(W<TMaskedDocEdit>("meDocSerial")->EditType(), picked);
        form->CurrentFrame()->Store();
        form->SwitchSection(Section::InitialData);
        ClickSection(Section::PersonData);
        QCOMPARE(W<TMaskedDocEdit>("meDocSerial")->EditType(), stored);
    }

    void countryChoice() {
        auto d = WithPerson();
        OpenTaxpayer(*d);
        QVERIFY(W("bnCountry")->isEnabled());
        ModalScript modals;
        modals.Then(ModalScript::Pick(QStringLiteral("804")));
        Click("bnCountry");
        QCOMPARE(Text("meCountryCode"), QStringLiteral("804"));
        QCOMPARE(Text("meCountryName"), QStringLiteral("УКРАИНА"));
        QVERIFY(!form->Saved());
        Click("rbStateless");
        form->CurrentFrame()->Store();
        QCOMPARE(form->Declaration().Person.CountryCode, QStringLiteral("804"));
        QCOMPARE(form->Declaration().Person.CitizenshipSign, QStringLiteral("2"));
    }

    void fourNdflShowsNameInnOkatoAndPhone() {
        auto d = WithPerson();
        d->ReturnKind = ReturnKind4NDFL;
        d->SetIncomeKinds(0);
        d->Person.OKATO = QStringLiteral("2840100");
        OpenTaxpayer(*d);
        QVERIFY(W("fbPersonAddress")->isHidden());
        SaveShot(form.get(), QStringLiteral("screens-person-4ndfl"));
        for (const char* shown : {"meSurName", "meFirstName", "mePatronymic", "meINN", "meOKATO", "mePhone"})
            QVERIFY2(W(shown)->isVisible(), shown);
        for (const char* hidden : {"gbDocument", "gbCitizenship", "meBirthPlace", "dtBirthDate"})
            QVERIFY2(!W(hidden)->isVisible(), hidden);
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        ClickSection(Section::InitialData);
        QCOMPARE(modals.Messages(), QStringList{QStringLiteral("Не введен код ОКАТО (11 символов)")});
        QCOMPARE(form->focusWidget(), W("meOKATO"));
    }

    // The whole-declaration check's "Исправить" opens the taxpayer's page and field it names.
    void wholeDeclarationFixLeadsToPageAndField_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focused");
        QTest::newRow("name page, series") << 2 << 6 << 0 << "meDocSerial";
        QTest::newRow("name page, place of birth") << 2 << 9 << 0 << "meBirthPlace";
        QTest::newRow("address page, locality") << 3 << 5 << 1 << "meLocality";
        QTest::newRow("address page, OKATO") << 3 << 4 << 1 << "meOKATO";
    }
    void wholeDeclarationFixLeadsToPageAndField() {
        QFETCH(int, section);
        QFETCH(int, position);
        QFETCH(int, page);
        QFETCH(QString, focused);
        auto d = WithPerson();
        OpenTaxpayer(*d);
        Click(page == 0 ? "fbPersonAddress" : "fbPersonName");
        ClickSection(Section::InitialData);
        services.check = ([=](const mTDeclaration&, ICheckAnswerer&) {
            return CheckResult{CheckSection(section), quint16(position)};
        });
        QCOMPARE(form->CheckAndShow(), 1);
        QVERIFY(Screen());
        QVERIFY(form->SectionButton(Section::PersonData)->Down());
        QCOMPARE(int(Screen()->CurrentPageKind()), page);
        QVERIFY(W<TFlashButton>(page == 0 ? "fbPersonName" : "fbPersonAddress")->Down());
        QCOMPARE(form->focusWidget(), W(qPrintable(focused)));
        // Already on the taxpayer's screen: the other page is shown in place.
        services.check = ([=](const mTDeclaration&, ICheckAnswerer&) {
            return section == 2 ? CheckResult{CheckSection::Address, 5}
                                : CheckResult{CheckSection::Person, 1};
        });
        QCOMPARE(form->CheckAndShow(), 1);
        QCOMPARE(int(Screen()->CurrentPageKind()), 1 - page);
        QCOMPARE(form->focusWidget(), W(section == 2 ? "meLocality" : "meSurName"));
    }

    // "Проверить" runs the real whole-declaration check; its "Исправить" leads to the screen, the page
    // and the field of the fault.
    void declarationCheckFixLeadsToTheField_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("conditions") << "signer"
                                    << "Не указаны ФИО подписанта-представителя"
                                    << "meRepresentativeName";
        QTest::newRow("name page") << "series"
                                   << "Не указаны серия и номер документа, удостоверяющего личность"
                                   << "meDocSerial";
        QTest::newRow("address page")
            << "street"
            << "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"
            << "meLocality";
        QTest::newRow("OKATO at the end") << "okato"
                                          << "Не введен код ОКАТО(11 симв.) по месту жительства"
                                          << "meOKATO";
    }
    void declarationCheckFixLeadsToTheField() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        auto d = WithPerson(); // the core's own rules
        d->SetIncomeKinds(0);
        if (fault == QLatin1String("signer"))
            d->SignerKind = 1, d->RepresentativeDocument = QStringLiteral("x");
        if (fault == QLatin1String("series")) d->Person.DocSerial.clear();
        if (fault == QLatin1String("street")) d->Person.Street.clear();
        if (fault == QLatin1String("okato")) d->Person.OKATO = QStringLiteral("284");
        // The check starts from the taxpayer's screen, or from the conditions screen for a fault there.
        {
            ModalScript leave;
            leave.Then(ModalScript::Click(QStringLiteral("bnSkipAll")));
            OpenTaxpayer(*d);
            if (fault != QLatin1String("signer")) ClickSection(Section::InitialData);
        }
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        form->Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(modals.Messages(), QStringList{message});
        QVERIFY(modals.seen.first().title.startsWith(QStringLiteral("Проверка: ")));
        QCOMPARE(form->focusWidget(), W(qPrintable(focused)));
        QVERIFY(prompts->messages.isEmpty()); // no success message
        // Fixed, the declaration is clean.
        if (fault == QLatin1String("signer")) Type("meRepresentativeName", QStringLiteral("Петров П.П."));
        if (fault == QLatin1String("series")) Type("meDocSerial", QStringLiteral("2803123456"));
        if (fault == QLatin1String("street")) Type("meLocality", QStringLiteral("д. Горки"));
        if (fault == QLatin1String("okato")) Type("meOKATO", QStringLiteral("01234567"));
        form->Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Проверка декларации завершена успешно")});
    }

    // A declaration of an earlier year opens with its taxpayer, and is saved as this year's file.
    void earlierYearFileShowsItsTaxpayer() {
        mTPersonInformation person = ValidDeclaration().Person();
        person.RegionName = QStringLiteral("Москва");
        const QString path = files.filePath(QStringLiteral("ivanov.kv9"));
        QFile::remove(path);
        {
            mTFileLoader loader(path, person.StoredSize() + 200, false);
            mTDocumentStorage s(loader);
            s.CreateNew(QStringLiteral("Kvir2009"));
            s.CreateStream(QStringLiteral("@DeclInfo"));
            s.WriteString(QStringLiteral("7701"));
            person.SaveToStorage(s);
            loader.Commit();
        }
        form.reset(); // a window holds the file it has open until it is gone
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        prompts->openNames.enqueue(path);
        form->Action(QStringLiteral("acOpen"))->trigger();
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(form->windowTitle(), QStringLiteral("ivanov.kv9 - Durovid 2010"));
        QVERIFY(Text("meInspectionNumber").isEmpty()); // only the taxpayer comes over
        QVERIFY(!form->SectionButton(Section::RussianIncome)->isEnabled());
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnSkipAll")));
        ClickSection(Section::PersonData);
        QCOMPARE(Text("meSurName"), QStringLiteral("Иванов"));
        QCOMPARE(Text("meINN"), person.INN);
        QCOMPARE(Text("meDocSerial"), QStringLiteral("45 03 123456"));
        Click("fbPersonAddress");
        QCOMPARE(W<QLabel>("pnRegion")->text(), QStringLiteral("Москва"));
        QCOMPARE(Text("meOKATO"), person.OKATO);
        form->Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(form->windowTitle(), QStringLiteral("ivanov.kv0 - Durovid 2010"));
        form.reset(); // the window holds the file it saved until it is gone
        mTDeclaration reread;
        reread.LoadFromFile(files.filePath(QStringLiteral("ivanov.kv0")));
        QCOMPARE(reread.Person.SurName, QStringLiteral("Иванов"));
        QCOMPARE(reread.Person.Street, QStringLiteral("Арбат"));
    }

    // A stored date the picker cannot show (after today) is kept as it was unless the user changes it.
    void datesOutsideThePickersAreKept() {
        auto d = WithPerson();
        const TDateTime future = DateValue::FromYmd(QDate::currentDate().year() + 3, 1, 2);
        d->Person.DocIssueDate = future;
        OpenTaxpayer(*d);
        QCOMPARE(W<TDatePicker>("dtDocIssueDate")->date(), QDate::currentDate());
        form->CurrentFrame()->Store();
        QCOMPARE(form->Declaration().Person.DocIssueDate, future);
        QVERIFY(form->Saved());
    }
};

QTEST_MAIN(TestTaxpayerScreens)
#include "tst_taxpayer.moc"
