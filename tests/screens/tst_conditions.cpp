#include "support/ScreenTestSupport.h"

#include "controls/FlashButton.h"
#include "controls/MaskedEdit.h"
#include "records/NewDeclaration.h"
#include "screens/conditions/InitialData.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const QString Conditions = QStringLiteral("Проверка: Задание условий");

} // namespace

class TestConditionsScreen : public QObject, ScreenTest {
    Q_OBJECT

    // Saves d and opens it in a new main window.
    void OpenSaved(mTDeclaration& d) {
        const QString path = files.filePath(QStringLiteral("given.kv0"));
        d.SaveToFile(path);
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
    }
    // The conditions screen stored and the declaration saved, then opened again in a new window.
    void SaveAndReopen() {
        const QString path = files.filePath(QStringLiteral("saved.kv0"));
        prompts->saveNames.enqueue(path);
        form->Save();
        QVERIFY(form->Saved());
        form.reset(); // the window holds the file it saved until it is gone
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
    }

private slots:
    void initTestCase() {
        PrepareProgram();
    }
    void init() {
        StartTest();
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
    }
    void cleanup() { EndTest(); }

    void newDeclarationShowsDefaults() {
        for (int round = 0; round < 2; ++round) {
            QVERIFY(W<QRadioButton>("rb3NDFL")->isChecked());
            QVERIFY(W<QRadioButton>("rbOtherPerson")->isChecked());
            QVERIFY(W<QCheckBox>("chbRussianIncome")->isChecked());
            QVERIFY(!W<QCheckBox>("chbForeignIncome")->isChecked());
            QVERIFY(W<QRadioButton>("rbSignerPersonal")->isChecked());
            QCOMPARE(W<QSpinBox>("meCorrectionNumber")->value(), 0);
            QVERIFY(!W("meRepresentativeName")->isEnabled());
            QVERIFY(W("meEstimatedIncome")->isHidden());
            QVERIFY(W("bnInspection")->isEnabled());
            QVERIFY(Enabled(Section::RussianIncome) && Enabled(Section::Deductions) &&
                    Enabled(Section::Nalog));
            QVERIFY(!Enabled(Section::CurrencyIncome) && !Enabled(Section::Business));
            QVERIFY(form->Saved());
            // Today, outside the hidden signing-date picker's years, is kept as it is.
            form->CurrentFrame()->Store();
            QCOMPARE(form->Declaration().SignDate, DateValue::Today());
            // "Создать" after a 4-NDFL return: the conditions screen opens "Вычеты" again itself.
            Click("rb4NDFL");
            QVERIFY(!Enabled(Section::Deductions));
            prompts->answers.enqueue(QMessageBox::No);
            form->New();
        }
    }

    // A user fills every choice of the screen; the declaration saved and opened again shows them.
    void filledScreenSurvivesSaveAndOpen() {
        ModalScript modals;
        modals.Then(ModalScript::Pick(QStringLiteral("7728")));
        Click("bnInspection");
        QCOMPARE(W<TMaskedEdit>("meInspectionNumber")->text(), QStringLiteral("7728"));
        QVERIFY(!form->Saved());

        W<QSpinBox>("meCorrectionNumber")->setFocus();
        QTest::keyClick(W("meCorrectionNumber"), Qt::Key_Up);
        QTest::keyClick(W("meCorrectionNumber"), Qt::Key_Up);
        Click("rbLawyer");
        Click("chbForeignIncome");
        QVERIFY(Enabled(Section::CurrencyIncome));
        Click("chbBusinessIncome");
        QVERIFY(Enabled(Section::Business));
        Click("rbSignerOrg");
        QVERIFY(W("meRepresentativeOrg")->isEnabled());
        Type("meRepresentativeName", QStringLiteral("Сидоров Иван Петрович"));
        Type("meRepresentativeDocument", QStringLiteral("Доверенность № 7 от 11.01.2011"));
        Type("meRepresentativeOrg", QStringLiteral("ООО \"Консультант\""));

        SaveAndReopen();
        const mTDeclaration& d = form->Declaration();
        QCOMPARE(d.InspectionCode, QStringLiteral("7728"));
        QCOMPARE(d.CorrectionNumber, 2);
        QCOMPARE(d.PayerCategory, quint8(3));
        QCOMPARE(d.IncomeKinds, quint8(IncomeRussia | IncomeForeign | IncomeBusiness));
        QCOMPARE(d.SignerKind, quint8(2));
        QCOMPARE(W<TMaskedEdit>("meInspectionNumber")->text(), QStringLiteral("7728"));
        QCOMPARE(W<QSpinBox>("meCorrectionNumber")->value(), 2);
        QVERIFY(W<QRadioButton>("rbLawyer")->isChecked());
        QVERIFY(W<QCheckBox>("chbForeignIncome")->isChecked() &&
                W<QCheckBox>("chbBusinessIncome")->isChecked());
        QVERIFY(W<QRadioButton>("rbSignerOrg")->isChecked());
        QCOMPARE(W<TMaskedEdit>("meRepresentativeName")->text(), QStringLiteral("Сидоров Иван Петрович"));
        QCOMPARE(W<TMaskedEdit>("meRepresentativeDocument")->text(),
                 QStringLiteral("Доверенность № 7 от 11.01.2011"));
        QCOMPARE(W<TMaskedEdit>("meRepresentativeOrg")->text(), QStringLiteral("ООО \"Консультант\""));
        QVERIFY(Enabled(Section::CurrencyIncome) && Enabled(Section::Business) &&
                Enabled(Section::Deductions));
        QVERIFY(form->Saved());
        SaveShot(form.get(), QStringLiteral("screens-conditions"));
    }

    void fourNdflDropsIncomeAndAsksForEstimate() {
        auto d = CreateNewDeclaration();
        d->SetIncomeKinds(IncomeRussia | IncomeBusiness);
        d->IncomeSources13.Add();
        d->BusinessIncomes.Add();
        d->SheetCount = 3;
        OpenSaved(*d);
        QVERIFY(W("meEstimatedIncome")->isHidden());

        Click("rb4NDFL");
        for (const char* box : {"chbRussianIncome", "chbForeignIncome", "chbBusinessIncome"}) {
            QVERIFY2(!W<QCheckBox>(box)->isChecked() && !W(box)->isEnabled(), box);
        }
        QVERIFY(!Enabled(Section::Deductions) && !Enabled(Section::Nalog) &&
                !Enabled(Section::RussianIncome));
        QVERIFY(W<QRadioButton>("rbEntrepreneur")->isChecked());
        QVERIFY(!W("rbOtherPerson")->isEnabled());
        QVERIFY(!W("meEstimatedIncome")->isHidden() && W("meEstimatedIncome")->isEnabled());
        QVERIFY(!form->Saved());
        Type("meEstimatedIncome", QStringLiteral("150000.5"));
        QCOMPARE(W<TMaskedEdit>("meEstimatedIncome")->text(), QStringLiteral("150000,5"));
        SaveShot(form.get(), QStringLiteral("screens-conditions-4ndfl"));

        form->CurrentFrame()->Store();
        const mTDeclaration& stored = form->Declaration();
        QCOMPARE(stored.ReturnKind, quint8(ReturnKind4NDFL));
        QCOMPARE(stored.IncomeKinds, quint8(0));
        QCOMPARE(stored.IncomeSources13.Count() + stored.BusinessIncomes.Count(), 0);
        QCOMPARE(stored.PayerCategory, quint8(0));
        QCOMPARE(stored.EstimatedIncome.ToText(QLatin1Char('.')), QStringLiteral("150000.5"));
        QCOMPARE(stored.SheetCount, 3);
    }

    void nonResidentDropsForeignIncome() {
        auto d = CreateNewDeclaration();
        d->SetIncomeKinds(IncomeRussia | IncomeForeign);
        d->CurrencyIncomes.Add();
        OpenSaved(*d);
        QVERIFY(Enabled(Section::Deductions));
        Click("rb3NDFLNonResident");
        QVERIFY(!W<QCheckBox>("chbForeignIncome")->isChecked() && !W("chbForeignIncome")->isEnabled());
        QVERIFY(!Enabled(Section::Deductions) && !Enabled(Section::CurrencyIncome));
        QVERIFY(Enabled(Section::RussianIncome) && Enabled(Section::Nalog));
        form->CurrentFrame()->Store();
        QCOMPARE(form->Declaration().IncomeKinds, quint8(IncomeRussia));
        QCOMPARE(form->Declaration().CurrencyIncomes.Count(), 0);
        QCOMPARE(form->Declaration().ReturnKind, quint8(ReturnKind3NDFLNonResident));
    }

    void noIncomeBoxLeavesDeductionsClosed() {
        Click("chbRussianIncome");
        QVERIFY(!Enabled(Section::RussianIncome) && !Enabled(Section::Deductions));
        Click("rb3NDFLNonResident");
        Click("rb3NDFL");
        QVERIFY(!Enabled(Section::Deductions));
        Click("chbForeignIncome");
        QVERIFY(Enabled(Section::Deductions));
    }

    void disabledRepresentativeTextIsNotStored() {
        Click("rbSignerPerson");
        Type("meRepresentativeName", QStringLiteral("Петров"));
        Type("meRepresentativeDocument", QStringLiteral("Доверенность"));
        Click("rbSignerPersonal");
        QVERIFY(!W("meRepresentativeName")->isEnabled());
        QCOMPARE(W<TMaskedEdit>("meRepresentativeName")->text(), QStringLiteral("Петров"));
        form->CurrentFrame()->Store();
        QCOMPARE(form->Declaration().SignerKind, quint8(0));
        QVERIFY(form->Declaration().RepresentativeName.isEmpty());
        QVERIFY(form->Declaration().RepresentativeDocument.isEmpty());
    }

    void categoryWithoutButtonIsStoredAsOtherPerson() {
        auto d = CreateNewDeclaration();
        d->PayerCategory = 4;
        OpenSaved(*d);
        QVERIFY(W<QRadioButton>("rbOtherPerson")->isChecked());
        QVERIFY(form->Saved());
        form->CurrentFrame()->Store();
        QCOMPARE(form->Declaration().PayerCategory, quint8(5));
    }

    void choicesWithoutFieldsMarkTheDeclarationModified_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("kind of return") << "rb3NDFLNonResident";
        QTest::newRow("category") << "rbNotary";
        QTest::newRow("signer") << "rbSignerPerson";
        QTest::newRow("income box") << "chbForeignIncome";
    }
    void choicesWithoutFieldsMarkTheDeclarationModified() {
        QFETCH(QString, control);
        QVERIFY(form->Saved());
        Click(qPrintable(control));
        QVERIFY(!form->Saved());
    }

    void checkRules_data() {
        QTest::addColumn<QString>("inspection");
        QTest::addColumn<int>("signer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("organisation");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("focused");
        const QString any = QStringLiteral("x");
        QTest::newRow("representative's name")
            << "7701" << 1 << " " << any << "" << QStringList{"bnFix"}
            << QStringList{"Не указаны ФИО подписанта-представителя"} << 3 << "meRepresentativeName";
        QTest::newRow("representative's document")
            << "7701" << 1 << any << ""
            << "" << QStringList{"bnFix"}
            << QStringList{"Не указан документ, подтверждающий полномочия представителя"} << 4
            << "meRepresentativeDocument";
        QTest::newRow("skip to the organisation")
            << "" << 2 << ""
            << ""
            << "" << QStringList{"bnSkip", "bnSkip", "bnSkip", "bnFix"}
            << QStringList{"Не введен номер инспекции", "Не указаны ФИО подписанта-представителя",
                           "Не указан документ, подтверждающий полномочия представителя",
                           "Не указано наименование Юр.лица-представителя"}
            << 5 << "meRepresentativeOrg";
        QTest::newRow("closing goes on like skip")
            << "7701" << 2 << any << ""
            << "" << QStringList{"close", "bnFix"}
            << QStringList{"Не указан документ, подтверждающий полномочия представителя",
                           "Не указано наименование Юр.лица-представителя"}
            << 5 << "meRepresentativeOrg";
        QTest::newRow("skip all") << "" << 1 << ""
                                  << ""
                                  << "" << QStringList{"bnSkipAll"}
                                  << QStringList{"Не введен номер инспекции"} << 0 << "";
        QTest::newRow("clean") << "7701" << 2 << any << any << any << QStringList{} << QStringList{} << 0
                               << "";
    }
    // Leaving the screen runs its check; "Исправить" keeps the screen and focuses the field.
    void checkRules() {
        QFETCH(QString, inspection);
        QFETCH(int, signer);
        QFETCH(QString, name);
        QFETCH(QString, document);
        QFETCH(QString, organisation);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(int, position);
        QFETCH(QString, focused);
        auto d = CreateNewDeclaration();
        d->InspectionCode = inspection;
        d->SignerKind = quint8(signer);
        d->RepresentativeName = name;
        d->RepresentativeDocument = document;
        d->RepresentativeOrg = organisation;
        OpenSaved(*d);

        ModalScript modals;
        for (const QString& a : answers)
            modals.Then(a == QLatin1String("close") ? ModalScript::Close() : ModalScript::Click(a));
        auto* frame = qobject_cast<TfrInitialData*>(form->CurrentFrame());
        QVERIFY(frame);
        form->CurrentFrame()->Store();
        QCOMPARE(frame->Check(), quint16(position));
        QCOMPARE(modals.Messages(), messages);
        for (const ModalScript::Seen& s : modals.seen)
            QCOMPARE(s.title, Conditions);
        QCOMPARE(modals.unanswered, 0);

        // The same faults when the user leaves the screen for the taxpayer's.
        for (const QString& a : answers)
            modals.Then(a == QLatin1String("close") ? ModalScript::Close() : ModalScript::Click(a));
        QTest::mouseClick(form->SectionButton(Section::PersonData), Qt::LeftButton);
        if (position == 0) {
            QCOMPARE(form->CurrentSectionButton(), form->SectionButton(Section::PersonData));
            return;
        }
        QCOMPARE(form->CurrentFrame(), frame);
        QVERIFY(form->SectionButton(Section::InitialData)->Down());
        QVERIFY(!form->SectionButton(Section::PersonData)->Down());
        QCOMPARE(form->focusWidget(), W(qPrintable(focused)));
    }

    // Without a tax office, "Исправить" opens the tax-office picker; "Пропустить" lets the user go.
    void missingInspectionOpensThePicker() {
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")))
            .Then(ModalScript::Pick(QStringLiteral("6952")));
        QTest::mouseClick(form->SectionButton(Section::PersonData), Qt::LeftButton);
        QCOMPARE(modals.seen.size(), 2);
        QCOMPARE(modals.seen[1].title, QStringLiteral("Справочник инспекций"));
        QVERIFY(form->SectionButton(Section::InitialData)->Down());
        QCOMPARE(W<TMaskedEdit>("meInspectionNumber")->text(), QStringLiteral("6952"));

        // The picker opens on the office already chosen.
        QString preselected;
        modals.Then(ModalScript::Inspect(preselected));
        Click("bnInspection");
        QCOMPARE(preselected, QStringLiteral("6952"));

        W<TMaskedEdit>("meInspectionNumber")->clear();
        modals.Then(ModalScript::Click(QStringLiteral("bnSkip")));
        QTest::mouseClick(form->SectionButton(Section::PersonData), Qt::LeftButton);
        QCOMPARE(form->CurrentSectionButton(), form->SectionButton(Section::PersonData));
        QCOMPARE(modals.unanswered, 0);
    }

    // The whole-declaration check's "Исправить" leads back to the conditions screen and the field.
    void wholeDeclarationFixLeadsToTheField() {
        Click("rbSignerOrg");
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnSkipAll")));
        QTest::mouseClick(form->SectionButton(Section::PersonData), Qt::LeftButton);
        QCOMPARE(form->CurrentSectionButton(), form->SectionButton(Section::PersonData));
        services.check = ([](const mTDeclaration&, ICheckAnswerer&) {
            return CheckResult{CheckSection::Conditions, 5};
        });
        QCOMPARE(form->CheckAndShow(), 1);
        services.check = {};
        QVERIFY(qobject_cast<TfrInitialData*>(form->CurrentFrame()));
        QVERIFY(form->SectionButton(Section::InitialData)->Down());
        QCOMPARE(form->focusWidget(), W("meRepresentativeOrg"));
    }

    void withoutPickerTheCodeCannotBeChosen() {
        QFile::rename(env.ProgramFile(QStringLiteral("InspectionNumbers.xml")),
                      env.ProgramFile(QStringLiteral("away.xml")));
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QFile::rename(env.ProgramFile(QStringLiteral("away.xml")),
                      env.ProgramFile(QStringLiteral("InspectionNumbers.xml")));
        QVERIFY(ShowActive(form.get()));
        QVERIFY(!W("bnInspection")->isEnabled());
        ModalScript modals;
        modals.Then(ModalScript::Click(QStringLiteral("bnFix")));
        QTest::mouseClick(form->SectionButton(Section::PersonData), Qt::LeftButton);
        QCOMPARE(modals.seen.size(), 1);
        QVERIFY(form->SectionButton(Section::InitialData)->Down());
    }
};

QTEST_MAIN(TestConditionsScreen)
#include "tst_conditions.moc"
