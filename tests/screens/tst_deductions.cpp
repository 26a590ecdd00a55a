#include "support/EntryDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/TaxpayerThroughScreens.h"
#include "support/ValidDeclaration.h"
#include "support/WorkedExampleExport.h"

#include "checks/FaultNavigation.h"
#include "checks/ScreenPositions.h"
#include "computation/SvodSum.h"
#include "controls/DatePicker.h"
#include "controls/FlashButton.h"
#include "controls/MaskedEdit.h"
#include "records/Declaration.h"
#include "screens/ListEditor.h"
#include "screens/deductions/CB.h"
#include "screens/deductions/FrameDeductData.h"
#include "screens/deductions/FramePensDeduct.h"
#include "screens/deductions/FrameStandartDeduct.h"
#include "storage/AmountText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

namespace {

using EntryDialogs::Fill;

// Moves month lists of a month-choice dialog down by the given steps, as the arrow key does, then
// presses the button.
ModalScript::Action StepMonths(const QMap<int, int>& steps, const QString& button) {
    return [steps, button](QDialog* d) {
        for (auto it = steps.begin(); it != steps.end(); ++it) {
            auto* list = d->findChild<QComboBox*>(QStringLiteral("cbMonth%1").arg(it.key()));
            list->setFocus();
            for (int i = 0; i < it.value(); ++i)
                QTest::keyClick(list, Qt::Key_Down);
        }
        if (!button.isEmpty()) ModalScript::Click(button)(d);
    };
}

const QString ContractName = QStringLiteral("НПФ Благосостояние");

QList<QPair<QString, QString>> ContractFields(const QString& inn, const QString& number, const QString& paid,
                                              const QString& agent) {
    return {{"meFundName", ContractName}, {"meFundINN", inn},       {"meFundKPP", "770101001"},
            {"meContractNumber", number}, {"meContribution", paid}, {"meAgentDeduction", agent}};
}

} // namespace

class TestDeductionScreens : public QObject, ScreenTest {
    Q_OBJECT

    TfrFrameDeductData* Screen() const { return qobject_cast<TfrFrameDeductData*>(form->CurrentFrame()); }
    mTDeclaration& D() const { return form->Declaration(); }

    // Opens d (saved to a file) in a new main window and goes to the deductions.
    void OpenDeductions(mTDeclaration& d) {
        const QString path = files.filePath(QStringLiteral("given.kv0"));
        form.reset(); // a window holding the file lets go of it
        d.SaveToFile(path);
        Reopen(path);
    }
    void Reopen(const QString& path) {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        QVERIFY(ShowActive(form.get()));
        ClickSection(Section::Deductions);
        QVERIFY(Screen());
        QVERIFY(form->Saved());
    }
    // Saves under a new name and opens the file in a new window, on the deductions again.
    void SaveAndReopen(const QString& name) {
        const QString path = files.filePath(name);
        QFile::remove(path);
        prompts->saveNames.enqueue(path);
        form->Action(QStringLiteral("acSaveAs"))->trigger();
        QVERIFY(form->Saved());
        Reopen(path);
    }
    static std::unique_ptr<mTDeclaration> Taxpayer() {
        return ValidDeclaration().Inspection(QStringLiteral("6952")).Take();
    }
    QCheckBox* Box(const char* name) const { return W<QCheckBox>(name); }
    QRadioButton* Radio(const char* name) const { return W<QRadioButton>(name); }
    QTreeView* List(const char* name) const { return W<QTreeView>(name); }
    QStringList Rows(const char* name) const {
        QStringList rows;
        for (int i = 0; i < RowCount(List(name)); ++i)
            rows << RowText(List(name), i, 0);
        return rows;
    }
    // Replaces a field's text by typing, as a user who selected it all.
    void Retype(const char* name, const QString& text) const {
        W(name)->setFocus();
        W<QLineEdit>(name)->selectAll();
        TypeText(W(name), text);
    }
    QString Month(const char* kind, int m) const {
        return Text(qPrintable(QStringLiteral("me%1Month%2").arg(QLatin1String(kind)).arg(m)));
    }
    void Social(bool granted = true) {
        Click("fbPensDeduct");
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(DeductionsSubScreen::Social));
        if (Box("chbGrantSocial")->isChecked() != granted) Click("chbGrantSocial");
    }

    // A new declaration from "Создать": the tax office chosen and the taxpayer entered on their screens.
    void FromScratch(ModalScript& modals) {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{}, &services);
        QVERIFY(ShowActive(form.get()));
        modals.Then(ModalScript::Pick(QStringLiteral("7701")));
        Click("bnInspection");
        TaxpayerThroughScreens::Fill(*this, modals);
    }
    // The employer's certificate on the 13 % income screen: the same salary every month, the source
    // ticked for the standard deductions, and the certificate's totals.
    void Salary(ModalScript& modals, const QString& monthly, const QString& taxable, const QString& tax) {
        using namespace EntryDialogs;
        ClickSection(Section::RussianIncome);
        modals.Then(Payer(QStringLiteral("ООО \"Ромашка\""), OrgInn, true));
        Click("fbAddSource");
        modals.Then(Line(QStringLiteral("2000"), monthly, QStringLiteral("1")));
        Click("fbAddIncome");
        for (int i = 0; i < 11; ++i)
            Click("fbRepeatIncome");
        Type("meTaxableIncome", taxable);
        Type("meTaxComputed", tax);
        Type("meTaxWithheld", tax);
    }
    // Saved, then exported by "Экспорт в xml" and by the console: both give the checked-in document.
    void SaveAndExport(const QString& name, const QString& golden) {
        const QString path = files.filePath(name);
        prompts->saveNames.enqueue(path);
        form->Action(QStringLiteral("acSave"))->trigger();
        QVERIFY(form->Saved());
        const QByteArray exported = WorkedExampleExport::FromWindow(*form, services, *prompts);
        QVERIFY(!exported.isEmpty());
        QCOMPARE(exported, WorkedExampleExport::Golden(golden, exported));
        QCOMPARE(WorkedExampleExport::FromConsole(path), exported);
    }

private slots:
    void initTestCase() { PrepareProgram(); }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // A new declaration: standard deductions granted, code 103, ordinary children, counts constant at 0;
    // the grid closed without business income; the fourth sub-section hidden; nothing marked modified.
    void newDeclarationDefaults() {
        auto d = Taxpayer();
        OpenDeductions(*d);
        QVERIFY(form->SectionButton(Section::Deductions)->Down());
        QVERIFY(W<TFlashButton>("fbStandartDeduct")->Down());
        QVERIFY(!W("fbCBDeduct")->isVisible());
        QVERIFY(!W("fbCBDeduct")->isEnabled());
        QVERIFY(Box("chbGrantStandard")->isChecked());
        QVERIFY(Radio("rb103")->isChecked());
        QVERIFY(Radio("rbChildOrdinary")->isChecked());
        QVERIFY(Box("chbChildrenConstant")->isChecked() && Box("chbDisabledConstant")->isChecked());
        QCOMPARE(Text("meChildrenCount"), QStringLiteral("0"));
        QCOMPARE(Text("meDisabledCount"), QStringLiteral("0"));
        QVERIFY(!W("meChildrenMonth1")->isEnabled());
        QVERIFY(!W("chbMonthMark1")->isEnabled() && !W("meBusinessIncome1")->isEnabled());
        QVERIFY(W("lbIncomeHeader1")->isEnabled());
        // Visiting every sub-screen and leaving changes nothing.
        Click("fbPensDeduct");
        Click("fbStandartDeduct");
        QVERIFY(form->Saved());
        SaveShot(form.get(), QStringLiteral("screens-deductions-standard-new"));
    }

    // A user fills the standard deductions, saves, and finds them again in a new window.
    void standardFillSaveReopen() {
        auto d = Taxpayer();
        d->SetIncomeKinds(IncomeRussia | IncomeBusiness);
        OpenDeductions(*d);
        QVERIFY(W("meBusinessIncome1")->isEnabled());
        Click("rb105");
        QVERIFY(!form->Saved());
        Click("chbChildrenConstant"); // children month by month: 1, 2, 2, 0 ...
        QVERIFY(W("meChildrenMonth1")->isEnabled() && !W("meChildrenCount")->isEnabled());
        const QStringList counts{"1", "2", "2", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
        for (int m = 1; m <= 12; ++m) {
            Retype(qPrintable(QStringLiteral("meChildrenMonth%1").arg(m)), counts[m - 1]);
        }
        Retype("meDisabledCount", QStringLiteral("1"));
        QCOMPARE(Month("Disabled", 7), QStringLiteral("1"));
        ModalScript modals;
        modals.Then(ModalScript::Shot(QStringLiteral("dialogs-dif2"), StepMonths({{3, 1}, {4, 1}}, "bnYes")));
        Click("rbChildDif");
        QCOMPARE(modals.seen.value(0).dialog, QStringLiteral("TfmDif2"));
        QCOMPARE(modals.seen.value(0).title, QStringLiteral("Комбинация стандартных вычетов"));
        // Accepted: written at once.
        QCOMPARE(D().StandardDeduction.ChildCombination, quint8(1));
        QCOMPARE(D().StandardDeduction.ChildKindByMonth[2], 1);
        Type("meBusinessIncome3", QStringLiteral("15000,5"));
        QVERIFY(Box("chbMonthMark3")->isChecked());
        Type("meBusinessExpense11", QStringLiteral("700"));
        SaveShot(form.get(), QStringLiteral("screens-deductions-standard"));
        Screen()->Store();
        QCOMPARE(D().StandardDeduction.ChildrenCount, 2); // the largest month; not stored in the file
        QCOMPARE(D().StandardDeduction.ChildrenConstant, quint8(0));
        SaveAndReopen(QStringLiteral("standard.kv0"));

        const mTStandartDeduct& s = D().StandardDeduction;
        QCOMPARE(s.PersonalCode, 105);
        QCOMPARE(s.ChildKind, 103);
        QCOMPARE(s.ChildrenConstant, quint8(0));
        QCOMPARE(s.DisabledCount, 1);
        QCOMPARE(s.MonthlyBusiness, quint8(1));
        QCOMPARE(s.BusinessIncomeByMonth[2], Money::FromRaw(150005000));
        QVERIFY(Radio("rb105")->isChecked() && Radio("rbChildDif")->isChecked());
        QVERIFY(!Box("chbChildrenConstant")->isChecked());
        QCOMPARE(Text("meChildrenCount"), QStringLiteral("0"));
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(Month("Children", m), counts[m - 1]);
        QCOMPARE(Text("meDisabledCount"), QStringLiteral("1"));
        QCOMPARE(Text("meBusinessIncome3"), QStringLiteral("15000,5"));
        QCOMPARE(Text("meBusinessIncome4"), QString());
        QVERIFY(Box("chbMonthMark11")->isChecked() && !Box("chbMonthMark10")->isChecked());
        // Unmarking a month empties it, and is a change to save.
        Click("chbMonthMark3");
        QVERIFY(!form->Saved());
        QCOMPARE(Text("meBusinessIncome3"), QString());
        // The stepper follows the count and the months follow the stepper.
        Type("meDisabledCount", QStringLiteral("2")); // "12"
        QCOMPARE(W<QScrollBar>("udDisabledCount")->value(), 12);
        W<QScrollBar>("udDisabledCount")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text("meDisabledCount"), QStringLiteral("13"));
        QCOMPARE(Month("Disabled", 12), QStringLiteral("13"));
    }

    // The "?" choices: cancelling keeps "?" and the record; accepting writes the months at once.
    void personalCombination_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("combination");
        QTest::addColumn<int>("june");
        QTest::newRow("cancelled") << "bnNo" << 0 << 0;
        QTest::newRow("Escape") << "Escape" << 0 << 0;
        QTest::newRow("accepted") << "bnYes" << 1 << 2;
        QTest::newRow("Enter") << "Enter" << 1 << 2;
    }
    void personalCombination() {
        QFETCH(QString, answer);
        QFETCH(int, combination);
        QFETCH(int, june);
        auto d = Taxpayer();
        OpenDeductions(*d);
        ModalScript modals;
        modals.Then(ModalScript::Shot(QStringLiteral("dialogs-dif"), [answer](QDialog* dialog) {
            StepMonths({{6, 2}}, QString())(dialog); // no such button: only the steps
            if (answer.startsWith(QLatin1String("bn")))
                ModalScript::Click(answer)(dialog);
            else
                QTest::keyClick(dialog->focusWidget(),
                                answer == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        }));
        Click("rbPersonalDif");
        QCOMPARE(modals.unanswered, 0);
        QCOMPARE(modals.seen.value(0).dialog, QStringLiteral("TfmDif"));
        QVERIFY(Radio("rbPersonalDif")->isChecked());
        QVERIFY(!form->Saved());
        const mTStandartDeduct& s = D().StandardDeduction;
        QCOMPARE(int(s.PersonalCombination), combination);
        QCOMPARE(s.PersonalCodeByMonth[5], june);
        Screen()->Store();
        QCOMPARE(s.PersonalCode, 110);
    }

    // Unticking the grant keeps every value; coming back and ticking it again shows them, so the next
    // Store writes them back instead of zero children.
    void standardGrantKeepsValues() {
        auto d = Taxpayer();
        OpenDeductions(*d);
        Retype("meChildrenCount", QStringLiteral("3"));
        Click("rb104");
        Click("fbPensDeduct");
        Click("fbStandartDeduct");
        Click("chbGrantStandard");
        QVERIFY(!W("rb104")->isEnabled() && !W("meChildrenCount")->isEnabled());
        QCOMPARE(Text("meChildrenCount"), QStringLiteral("3"));
        Click("fbPensDeduct");
        Click("fbStandartDeduct");
        QCOMPARE(D().StandardDeduction.GrantStandard, quint8(0));
        QVERIFY(!Box("chbGrantStandard")->isChecked());
        QVERIFY(Radio("rb104")->isChecked());
        QCOMPARE(Text("meChildrenCount"), QStringLiteral("3"));
        Click("chbGrantStandard");
        QVERIFY(W("meChildrenCount")->isEnabled());
        Screen()->Store();
        QCOMPARE(D().StandardDeduction.ChildrenCount, 3);
        QCOMPARE(D().StandardDeduction.PersonalCode, 104);
    }

    // Tab walks the month fields in calendar order.
    void monthTabOrder() {
        auto d = Taxpayer();
        d->StandardDeduction.ChildrenConstant = 0;
        d->SetIncomeKinds(IncomeRussia | IncomeBusiness);
        OpenDeductions(*d);
        W("meChildrenMonth1")->setFocus();
        for (int m = 2; m <= 12; ++m) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("meChildrenMonth%1").arg(m));
        }
        W("chbMonthMark1")->setFocus();
        QStringList chain;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            chain << form->focusWidget()->objectName();
        }
        QCOMPARE(chain, (QStringList{"meBusinessIncome1", "meBusinessExpense1", "chbMonthMark2",
                                     "meBusinessIncome2", "meBusinessExpense2", "chbMonthMark3"}));
    }

    // A user fills the social deductions, saves, and finds them again in a new window.
    void socialFillSaveReopen() {
        auto d = Taxpayer();
        OpenDeductions(*d);
        Social();
        QVERIFY(!form->Saved());
        Type("meTreatment", QStringLiteral("70000"));
        Type("meExtraPension", QStringLiteral("1200,5"));
        ModalScript modals;
        // An education amount of 0 is refused; 30 000 and 25 000 are taken; an edit to 0 keeps the old one.
        modals.Then(Fill({{"meSum", "0"}}, "bnYes"))
            .Then(
                ModalScript::Shot(QStringLiteral("dialogs-childedusum"), Fill({{"meSum", "30000"}}, "Enter")))
            .Then(Fill({{"meSum", "25000"}}, "bnYes"))
            .Then(Fill({{"meSum", "0"}}, "bnYes"))
            .Then(Fill({{"meSum", "26000"}}, "Escape"));
        for (int i = 0; i < 3; ++i)
            Click("fbAddChildEdu");
        QCOMPARE(Rows("lvChildEducation"), (QStringList{"30 000,00", "25 000,00"}));
        Click("fbEditChildEdu");
        QTest::keyClick(List("lvChildEducation"), Qt::Key_Return); // Enter in the list edits too
        QCOMPARE(Rows("lvChildEducation"), (QStringList{"30 000,00", "25 000,00"}));
        QCOMPARE(D().SocialDeduction.ChildEducationAmount(1), Money::FromUnits(25000));

        modals.Then(
            ModalScript::Shot(QStringLiteral("dialogs-inputsoursepens"),
                              Fill(ContractFields("7704001236", "123-45", "30000", "10000"), "bnYes")));
        Click("fbAddPens");
        QCOMPARE(modals.seen.last().dialog, QStringLiteral("TfmInputSoursePens"));
        QCOMPARE(modals.seen.last().title, QStringLiteral("Данные договора"));
        QCOMPARE(modals.unanswered, 0);
        QCOMPARE(Rows("lvPensions"), QStringList{ContractName});
        const mTPens* c = D().SocialDeduction.PensionContract(0);
        QCOMPARE(c->ContractKind, 1);
        QCOMPARE(c->ContractDate, DateValue::FromYmd(2008, 1, 1));
        QCOMPARE(c->AgentDeduction, Money::FromUnits(10000));
        SaveShot(form.get(), QStringLiteral("screens-deductions-social"));
        SaveAndReopen(QStringLiteral("social.kv0"));

        Social();
        QCOMPARE(Text("meTreatment"), QStringLiteral("70000"));
        QCOMPARE(Text("meExtraPension"), QStringLiteral("1200,5"));
        QCOMPARE(Text("meCharity"), QStringLiteral("0"));
        QCOMPARE(Rows("lvChildEducation"), (QStringList{"30 000,00", "25 000,00"}));
        QCOMPARE(Rows("lvPensions"), QStringList{ContractName});
        QVERIFY(form->Saved());
        // An edit that changes only the contract's kind is a change to save.
        modals.Then([](QDialog* dialog) {
            ClickOn(dialog->findChild<QRadioButton*>(QStringLiteral("rbKind4")));
            ModalScript::Click(QStringLiteral("bnYes"))(dialog);
        });
        ChooseRow(List("lvPensions"), 0);
        Click("fbEditPens");
        QVERIFY(!form->Saved());
        QCOMPARE(D().SocialDeduction.PensionContract(0)->ContractKind, 4);
        // Deleting a contract leaves no row selected.
        Click("fbDeletePens");
        QVERIFY(Rows("lvPensions").isEmpty());
        QCOMPARE(D().SocialDeduction.PensionContractCount(), 0);
        QVERIFY(SelectedRow(List("lvPensions")) < 0);
    }

    // The contract's check: title, message, buttons and the field focused; the dialog stays open.
    void contractCheck_data() {
        QTest::addColumn<QString>("inn");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("INN of 9 digits") << "770400123"
                                         << "1"
                                         << "30000"
                                         << "Длинна ИНН должна быть равна 10 цифрам"
                                         << "meFundINN";
        QTest::newRow("no number") << "7704001236"
                                   << ""
                                   << "30000"
                                   << "Введите номер договора"
                                   << "meContractNumber";
        QTest::newRow("10 000 paid against 12 000") << "7704001236"
                                                    << "1"
                                                    << "10000"
                                                    << "Сумма взносов меньше суммы предоставленного вычета"
                                                    << "meContribution";
    }
    void contractCheck() {
        QFETCH(QString, inn);
        QFETCH(QString, number);
        QFETCH(QString, paid);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        auto d = Taxpayer();
        OpenDeductions(*d);
        Social();
        ModalScript modals;
        QString focus;
        modals.Then(Fill(ContractFields(inn, number, paid, "12000"), "Enter"))
            .Then(ModalScript::Shot(QStringLiteral("dialogs-contract-check"), ModalScript::Click("bnFix")))
            .Then([&focus](QDialog* dialog) {
                focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
                dialog->reject();
            });
        Click("fbAddPens");
        QVERIFY(modals.Done());
        QCOMPARE(modals.seen.size(), 3);
        const ModalScript::Seen& check = modals.seen.at(1);
        QCOMPARE(check.title, QStringLiteral("Проверка: Пенсионные договоры"));
        QCOMPARE(check.message, message);
        QVERIFY(!check.skipEnabled && !check.skipAllEnabled);
        QCOMPARE(modals.seen.at(2).dialog, QStringLiteral("TfmInputSoursePens")); // still open
        QCOMPARE(focus, focused);
        QCOMPARE(D().SocialDeduction.PensionContractCount(), 0);
    }

    // Unticking the grant deletes both lists at once; ticking again shows everything empty.
    void socialUntickDeletesLists() {
        auto d = Taxpayer();
        mTSocialDeduct& s = d->SocialDeduction;
        s.GrantSocial = 1;
        s.Charity = Money::FromUnits(500);
        s.AddChildEducation(Money::FromUnits(1000));
        s.PensionContract(s.AddPensionContract())->FundName = ContractName;
        OpenDeductions(*d);
        Social();
        QCOMPARE(SelectedRow(List("lvChildEducation")), 0); // the first amount selected
        Click("chbGrantSocial");
        QVERIFY(!form->Saved());
        QVERIFY(!W("meCharity")->isEnabled() && !W("fbAddPens")->isEnabled());
        QCOMPARE(D().SocialDeduction.ChildEducationCount(), 0);
        QCOMPARE(D().SocialDeduction.PensionContractCount(), 0);
        Click("chbGrantSocial");
        QCOMPARE(Text("meCharity"), QString());
        QVERIFY(Rows("lvChildEducation").isEmpty() && Rows("lvPensions").isEmpty());
        QVERIFY(W("meCharity")->isEnabled() && W("fbAddPens")->isEnabled());
    }

    // Leaving the social sub-screen granted with nothing entered asks; "Исправить" keeps it and
    // focuses the charity.
    void socialCheckOnLeaving() {
        auto d = Taxpayer();
        OpenDeductions(*d);
        Social();
        ModalScript modals;
        modals.Then(ModalScript::Click("bnFix"));
        Click("fbStandartDeduct");
        QCOMPARE(modals.Messages(),
                 QStringList{QStringLiteral("Не введены данные по социальным налоговым вычетам")});
        QCOMPARE(modals.seen.first().title, QStringLiteral("Проверка: Социальные вычеты"));
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(DeductionsSubScreen::Social));
        QVERIFY(W<TFlashButton>("fbPensDeduct")->Down() && !W<TFlashButton>("fbStandartDeduct")->Down());
        QCOMPARE(form->focusWidget(), W("meCharity"));
        modals.Then(ModalScript::Click("bnSkip"));
        Click("fbStandartDeduct");
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(DeductionsSubScreen::Standard));
    }

    // Leaving the property sub-screen without an object keeps the user there, on the object list.
    void propertyCheckOnLeaving() {
        auto d = Taxpayer();
        d->PropertyDeduction.GrantProperty = 1;
        OpenDeductions(*d);
        Click("fbConstructionDeduct");
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(DeductionsSubScreen::Property));
        ModalScript modals;
        modals.Then(ModalScript::Click("bnFix"));
        Click("fbStandartDeduct");
        QCOMPARE(modals.Messages().value(0), QStringLiteral("Не введено наименование объекта"));
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(DeductionsSubScreen::Property));
        QVERIFY(W<TFlashButton>("fbConstructionDeduct")->Down());
        QCOMPARE(form->focusWidget(), W("cbObjectKind"));
    }

    // "Исправить" in the whole-declaration check leads into the sub-screen and field of the fault; the
    // social fault to the social sub-screen, where it can be fixed.
    void wholeDeclarationNavigation_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("subScreen");
        QTest::addColumn<QString>("focused");
        QTest::newRow("social") << 9 << 1 << int(DeductionsSubScreen::Social) << "meCharity";
        QTest::newRow("standard") << 9 << 2 << int(DeductionsSubScreen::Standard) << "";
        QTest::newRow("object") << 10 << 1 << int(DeductionsSubScreen::Property) << "cbObjectKind";
        QTest::newRow("post index") << 10 << 2 << int(DeductionsSubScreen::Property) << "mePostIndex";
        QTest::newRow("first year") << 10 << 5 << int(DeductionsSubScreen::Property) << "seFirstUseYear";
        QTest::newRow("carried over") << 10 << 6 << int(DeductionsSubScreen::Property) << "meCarryOverCost";
        QTest::newRow("prior years") << 10 << 8 << int(DeductionsSubScreen::Property) << "mePriorDeclCost";
        QTest::newRow("ownership") << 10 << 10 << int(DeductionsSubScreen::Property) << "cbOwnershipKind";
        QTest::newRow("taxpayer sign") << 10 << 11 << int(DeductionsSubScreen::Property) << "cbTaxpayerSign";
        QTest::newRow("region") << 10 << 12 << int(DeductionsSubScreen::Property) << "bnRegion";
    }
    void wholeDeclarationNavigation() {
        QFETCH(int, section);
        QFETCH(int, position);
        QFETCH(int, subScreen);
        QFETCH(QString, focused);
        auto d = Taxpayer();
        d->PropertyDeduction.GrantProperty = 1;
        d->SocialDeduction.GrantSocial = 1;
        OpenDeductions(*d);
        ClickSection(Section::InitialData);
        ModalScript modals; // the region picker of position 12 is closed
        services.check = ([=](const mTDeclaration&, ICheckAnswerer&) {
            return CheckResult{CheckSection(section), quint16(position)};
        });
        QCOMPARE(form->CheckAndShow(), 1);
        QVERIFY(Screen());
        QVERIFY(form->SectionButton(Section::Deductions)->Down());
        QCOMPARE(Screen()->CurrentSubScreenKind(), subScreen);
        if (!focused.isEmpty()) QCOMPARE(form->focusWidget(), W(qPrintable(focused)));
        if (position == 12) QCOMPARE(modals.seen.value(0).title, QStringLiteral("Справочник регионов"));
    }

    // The real check's social fault: "Исправить" opens the social sub-screen, and typing an amount fixes it.
    void realCheckLeadsToSocial() {
        auto d = ValidDeclaration::Clean();
        d->SocialDeduction.GrantSocial = 1;
        OpenDeductions(*d);
        ModalScript modals;
        modals.Then(ModalScript::Click("bnFix"));
        form->Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(modals.Messages(),
                 QStringList{QStringLiteral("Не введены данные по социальным налоговым вычетам")});
        QCOMPARE(Screen()->CurrentSubScreenKind(), int(DeductionsSubScreen::Social));
        QCOMPARE(form->focusWidget(), W("meCharity"));
        Type("meCharity", QStringLiteral("100"));
        form->Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Проверка декларации завершена успешно")});
    }

    // An employee with a child, treatment, her own education and a flat bought with a mortgage, entered
    // from "Создать": the standard deduction for the child runs to May, the social deductions are cut to
    // 120 000, and the flat takes the rest of the year's income and carries the remainder over.
    void workedExampleFlat() {
        ModalScript modals;
        FromScratch(modals);
        Salary(modals, QStringLiteral("50000"), QStringLiteral("595000"), QStringLiteral("77350"));

        ClickSection(Section::Deductions);
        QVERIFY(Radio("rb103")->isChecked());
        Retype("meChildrenCount", QStringLiteral("1"));
        Social();
        Type("meTreatment", QStringLiteral("70000"));
        Type("meOwnEducation", QStringLiteral("60000"));
        Click("fbConstructionDeduct");
        Click("chbGrantProperty");
        Choose("cbObjectKind", 1);
        Choose("cbOwnershipKind", 0);
        Choose("cbTaxpayerSign", 0);
        Click("rbPurchase");
        modals.Then(ModalScript::Pick(QStringLiteral("77")));
        Click("bnRegion");
        Type("mePostIndex", QStringLiteral("125009"));
        Type("meCity", QStringLiteral("Москва"));
        Type("meStreet", QStringLiteral("ул. Тверская"));
        Type("meHouse", QStringLiteral("1"));
        Type("meFlat", QStringLiteral("10"));
        W<TDatePicker>("dtDwellingRegDate")->setDate(QDate(2010, 6, 15));
        W<QSpinBox>("seFirstUseYear")->setValue(2010);
        Retype("meShareNumerator", QStringLiteral("1"));
        Retype("meShareDenominator", QStringLiteral("1"));
        Click("bnToAmounts");
        Type("meObjectCost", QStringLiteral("3000000"));
        Type("meCreditInterest", QStringLiteral("150000"));
        QVERIFY(modals.Done());
        QCOMPARE(modals.unanswered, 0);
        SaveAndExport(QStringLiteral("flat.kv0"), QStringLiteral("endtoend-deductions-flat.xml"));

        const auto sum = WorkedExampleExport::Computed(form->DocumentFileName());
        QVERIFY(sum);
        QCOMPARE(sum->List1.IncomeTotal, Money::FromUnits(600000));
        QCOMPARE(sum->List1.ExpensesDeductions, Money::FromUnits(600000));
        QCOMPARE(sum->List1.TaxBase, Money());
        QCOMPARE(sum->List1.Refundable, Money::FromUnits(77350));
        QCOMPARE(WorkedExampleExport::PaymentRows(*sum),
                 QStringList{QStringLiteral("2 18210102010011000110 28401000000 77350")});
    }

    // An employee with a second child from July, a pension contract partly deducted by the employer, a
    // child's education above its limit and a prize whose tax was paid on a notice.
    void workedExampleChildren() {
        ModalScript modals;
        FromScratch(modals);
        Salary(modals, QStringLiteral("40000"), QStringLiteral("461600"), QStringLiteral("60008"));
        Click("fb35Percent");
        modals.Then(EntryDialogs::Income35(QStringLiteral("ООО \"Реклама\""), QStringLiteral("2740"),
                                           QStringLiteral("24000"), QStringLiteral("505"),
                                           QStringLiteral("0")));
        Click("fbAddSource");
        QCOMPARE(Text("pnDeductionAmount"), QStringLiteral("4 000,00"));

        ClickSection(Section::Deductions);
        Click("chbChildrenConstant");
        for (int m = 1; m <= 12; ++m)
            Retype(qPrintable(QStringLiteral("meChildrenMonth%1").arg(m)),
                   m <= 6 ? QStringLiteral("1") : QStringLiteral("2"));
        Social();
        modals.Then(Fill(ContractFields("7704001236", "123-45", "30000", "10000"), "bnYes"))
            .Then(Fill({{"meSum", "60000"}}, "bnYes"));
        Click("fbAddPens");
        Click("fbAddChildEdu");
        QCOMPARE(Rows("lvChildEducation"), QStringList{QStringLiteral("60 000,00")});

        ClickSection(Section::Nalog);
        modals.Then(EntryDialogs::Payment(5, QStringLiteral("7000")));
        Click("fbAddPayment");
        QCOMPARE(D().TaxPayments.At(0)->PaymentKBK, QStringLiteral("18210102040011000110"));
        QVERIFY(modals.Done());
        QCOMPARE(modals.unanswered, 0);
        SaveAndExport(QStringLiteral("children.kv0"), QStringLiteral("endtoend-deductions-children.xml"));

        // The export computed the return, which lowers the education to its limit of 50 000.
        ClickSection(Section::Deductions);
        Social();
        QCOMPARE(Rows("lvChildEducation"), QStringList{QStringLiteral("50 000,00")});

        const auto sum = WorkedExampleExport::Computed(form->DocumentFileName());
        QVERIFY(sum);
        QCOMPARE(sum->List1.ExpensesDeductions, Money::FromUnits(88400));
        QCOMPARE(sum->List1.TaxBase, Money::FromUnits(391600));
        QCOMPARE(sum->List1.TaxComputed, Money::FromUnits(50908));
        QCOMPARE(sum->List1.Refundable, Money::FromUnits(9100));
        QCOMPARE(sum->List3.TaxBase, Money::FromUnits(20000));
        QCOMPARE(sum->List3.TaxComputed, Money::FromUnits(7000));
        QCOMPARE(sum->List3.PaidOnNotices, Money::FromUnits(7000));
        QCOMPARE(sum->List3.Payable, Money());
        QCOMPARE(WorkedExampleExport::PaymentRows(*sum),
                 (QStringList{QStringLiteral("2 18210102010011000110 28401000000 9100"),
                              QStringLiteral("3 18210102030011000110 28401000000 0")}));
    }

    // The securities losses, built although no button leads there: shown, stored, nothing to check.
    void securitiesLosses() {
        auto d = Taxpayer();
        d->SecuritiesDeduction.PriorLossSecurities = Money::FromUnits(1500);
        OpenDeductions(*d);
        TfrCB cb(Screen(), *form);
        cb.resize(560, 200);
        cb.show();
        auto* securities = cb.findChild<QLineEdit*>(QStringLiteral("mePriorLossSecurities"));
        auto* futures = cb.findChild<QLineEdit*>(QStringLiteral("mePriorLossFutures"));
        QCOMPARE(securities->text(), QStringLiteral("1500"));
        QCOMPARE(futures->text(), QStringLiteral("0"));
        QVERIFY(form->Saved());
        futures->setFocus();
        futures->selectAll();
        TypeText(futures, QStringLiteral("25,5"));
        QVERIFY(!form->Saved());
        securities->clear();
        cb.Store();
        QCOMPARE(cb.Check(), quint16(0));
        QCOMPARE(D().SecuritiesDeduction.PriorLossSecurities, Money());
        QCOMPARE(D().SecuritiesDeduction.PriorLossFutures, Money::FromRaw(255000));
        SaveShot(&cb, QStringLiteral("screens-deductions-securities"));
    }
};

QTEST_MAIN(TestDeductionScreens)
#include "tst_deductions.moc"
