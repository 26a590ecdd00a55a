#include "screens/income/BusinessNew.h"

#include "checks/CheckResult.h"
#include "checks/SectionRules.h"
#include "dialogs/CheckError.h"
#include "records/Declaration.h"
#include "records/ListLimits.h"
#include "screens/ListEditor.h"
#include "screens/income/InputBusinessIncome.h"
#include "storage/AmountText.h"

#include "ui_BusinessNew.h"

#include <QKeyEvent>
#include <QMessageBox>

namespace {

// The norm of expenses an activity without documents may deduct: 20 % of its income.
Money NormativeExpenses(Money income) {
    return KopeckRound(income.ToLongDouble() * 20 / 100);
}

// Up and Down in the year field step the year like the stepper beside it.
class YearKeys : public QObject {
public:
    YearKeys(QObject* parent, std::function<void(int)> step) : QObject(parent), step_(std::move(step)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                step_(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(int)> step_;
};

} // namespace

TfrBusinessNew::TfrBusinessNew(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrBusinessNew>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frBusinessNew"));
    LoadingScope loading(Host());

    ListRecords records;
    records.Headings = {QStringLiteral("Виды деятельности")};
    records.Noun = QStringLiteral("вида деятельности");
    records.Name = [this](int row) { return Caption(row); };
    records.Count = [this] { return Declaration().BusinessIncomes.Count(); };
    records.RowTexts = [this](int row) { return QStringList{Caption(row)}; };
    records.Add = [this] { return AddActivity(); };
    records.Edit = [this](int row) { return EditActivity(row); };
    records.Delete = [this](int row) { Declaration().BusinessIncomes.Delete(row); };
    records.ShowDetail = [this](int row) { ShowActivity(row); };
    records.StoreDetail = [this](int row) { StoreActivity(row); };
    records.ClearDetail = [this] { ClearActivity(); };
    records.AfterDelete = [this](int row) { ShowNeighbour(row); };
    editor_ = std::make_unique<TListEditor>(Host(), ui->lvBusinessIncome,
                                            ListButtons{.Add = ui->fbAddBusinessIncome,
                                                        .Edit = ui->fbEditBusinessIncome,
                                                        .Delete = ui->fbDeleteBusinessIncome},
                                            std::move(records));

    connect(ui->meIncome, &TMaskedEdit::Changed, this, [this] { IncomeChanged(); });
    connect(ui->chbDocumentedExpenses, &QCheckBox::clicked, this, [this] { DocumentedClicked(); });
    connect(ui->chbFarm, &QCheckBox::clicked, this, [this] { FarmClicked(); });
    connect(ui->bnFarmYearUp, &QToolButton::clicked, this, [this] { StepFarmYear(1); });
    connect(ui->bnFarmYearDown, &QToolButton::clicked, this, [this] { StepFarmYear(-1); });
    ui->meFarmYear->installEventFilter(new YearKeys(this, [this](int step) { StepFarmYear(step); }));

    const mTDeclaration& d = Declaration();
    editor_->Rebuild();
    ui->meAdvanceAccrued->setText(AmountFieldText(d.AdvanceAccrued));
    ui->meAdvancePaid->setText(AmountFieldText(d.AdvancePaid));
    ui->chbFarm->setChecked(d.IsFarm != 0);
    ui->meFarmIncome->setText(AmountFieldText(d.FarmIncome));
    const QDate farmStart = DateValue::ToQDate(d.FarmStartDate);
    ui->meFarmYear->setText(farmStart.isValid() ? QString::number(farmStart.year()) : QString());
    ShowExpenseKind(false);
    EnableActivityControls(d.BusinessIncomes.Count() > 0);
}

TfrBusinessNew::~TfrBusinessNew() {
    // The editor goes first, so that no selection event of the dying list reaches it.
    editor_.reset();
}

mTBusinessNew& TfrBusinessNew::Activity(int row) const {
    return *Declaration().BusinessIncomes.At(row);
}

QString TfrBusinessNew::Caption(int row) const {
    const mTBusinessNew& a = Activity(row);
    if (a.ActivityKind == QLatin1String("1")) return a.OKVED;
    if (a.ActivityKind == QLatin1String("2")) return QStringLiteral("Нотариальная деятельность");
    if (a.ActivityKind == QLatin1String("3")) return QStringLiteral("Адвокатская деятельность");
    return QStringLiteral("Иная деятельность");
}

std::optional<int> TfrBusinessNew::AddActivity() {
    mTDeclaration& d = Declaration();
    const QString refusal =
        ListLimits::RefusalToAdd(ListLimits::List::BusinessIncomes, d.BusinessIncomes.Count(), d.ReturnKind);
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Durovid 2010"), refusal);
        return std::nullopt;
    }
    TfmInputBusinessIncome dialog(this, Host().OkvedClassifier());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // An entrepreneur's activity is known by its code; without one there is nothing to add.
    if (dialog.Kind() == QLatin1String("1") && dialog.Code().trimmed().isEmpty()) return std::nullopt;
    if (d.BusinessIncomes.Count() == 0) EnableActivityControls(true);
    const int row = d.BusinessIncomes.Add();
    mTBusinessNew& a = Activity(row);
    a.ActivityKind = dialog.Kind();
    a.OKVED = dialog.Code();
    a.HasDocumentedExpenses = 0;
    return row;
}

bool TfrBusinessNew::EditActivity(int row) {
    mTBusinessNew& a = Activity(row);
    TfmInputBusinessIncome dialog(this, Host().OkvedClassifier());
    dialog.SetKind(a.ActivityKind);
    dialog.SetCode(a.OKVED);
    if (dialog.exec() != QDialog::Accepted) return false;
    a.ActivityKind = dialog.Kind();
    a.OKVED = dialog.Code();
    return true;
}

void TfrBusinessNew::ShowNeighbour(int row) {
    const int count = Declaration().BusinessIncomes.Count();
    if (count == 0) {
        EnableActivityControls(false);
        return;
    }
    // The activity before the deleted one (the first when the first went) is shown next.
    editor_->SelectRow(row > 0 ? row - 1 : 0);
}

void TfrBusinessNew::ShowActivity(int row) {
    const mTBusinessNew& a = Activity(row);
    const bool documented = a.HasDocumentedExpenses != 0;
    ui->chbDocumentedExpenses->setChecked(documented);
    ShowExpenseKind(documented);
    ui->meIncome->setText(AmountFieldText(a.Income));
    ui->meExpensesTotal->setText(AmountFieldText(a.ExpensesTotal));
    ui->meExpensesMaterial->setText(AmountFieldText(a.ExpensesMaterial));
    ui->meExpensesDepreciation->setText(AmountFieldText(a.ExpensesDepreciation));
    ui->meExpensesLabour->setText(AmountFieldText(a.ExpensesLabour));
    ui->meExpensesLabourContracts->setText(AmountFieldText(a.ExpensesLabourContracts));
    ui->meExpensesOther->setText(AmountFieldText(a.ExpensesOther));
    // After the income: its change event recomputes the norm, and the record's own norm is shown.
    ui->pnlNormativeExpenses->setText(GroupedAmountText(a.NormativeExpenses));
}

void TfrBusinessNew::StoreActivity(int row) {
    mTBusinessNew& a = Activity(row);
    a.Income = ui->meIncome->Amount();
    if (ui->chbDocumentedExpenses->isChecked()) {
        a.HasDocumentedExpenses = 1;
        a.ExpensesTotal = ui->meExpensesTotal->Amount();
        a.ExpensesMaterial = ui->meExpensesMaterial->Amount();
        a.ExpensesDepreciation = ui->meExpensesDepreciation->Amount();
        a.ExpensesLabour = ui->meExpensesLabour->Amount();
        a.ExpensesLabourContracts = ui->meExpensesLabourContracts->Amount();
        a.ExpensesOther = ui->meExpensesOther->Amount();
    } else {
        a.HasDocumentedExpenses = 0;
        Money norm;
        ParseAmountField(ui->pnlNormativeExpenses->text(), norm);
        a.NormativeExpenses = norm;
    }
}

void TfrBusinessNew::ClearActivity() {
    for (TMaskedEdit* e :
         {ui->meIncome, ui->meExpensesTotal, ui->meExpensesMaterial, ui->meExpensesDepreciation,
          ui->meExpensesLabour, ui->meExpensesLabourContracts, ui->meExpensesOther})
        e->clear();
    ui->pnlNormativeExpenses->clear();
}

void TfrBusinessNew::EnableActivityControls(bool enabled) {
    controlsEnabled_ = enabled;
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->gbActivity, ui->lbIncome, ui->meIncome, ui->chbDocumentedExpenses, ui->pnNormative,
             ui->pnDocumented, ui->gbAdvances, ui->lbAdvanceAccrued, ui->meAdvanceAccrued, ui->lbAdvancePaid,
             ui->meAdvancePaid, ui->gbFarm, ui->chbFarm})
        w->setEnabled(enabled);
    if (!enabled) {
        ui->chbFarm->setChecked(false);
        ui->meFarmIncome->setText(QStringLiteral("0"));
        ui->meAdvanceAccrued->setText(QStringLiteral("0"));
        ui->meAdvancePaid->setText(QStringLiteral("0"));
    }
    UpdateFarmControls();
}

void TfrBusinessNew::UpdateFarmControls() {
    const bool farm = controlsEnabled_ && ui->chbFarm->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui->lbFarmYear, ui->meFarmYear, ui->udFarmYear,
                                                      ui->lbFarmIncome, ui->meFarmIncome})
        w->setEnabled(farm);
}

void TfrBusinessNew::ShowExpenseKind(bool documented) {
    ui->pnNormative->setVisible(!documented);
    ui->pnDocumented->setVisible(documented);
}

void TfrBusinessNew::DocumentedClicked() {
    NotifyModified();
    const bool documented = ui->chbDocumentedExpenses->isChecked();
    ShowExpenseKind(documented);
    if (!documented) IncomeChanged();
}

void TfrBusinessNew::FarmClicked() {
    NotifyModified();
    UpdateFarmControls();
}

void TfrBusinessNew::IncomeChanged() {
    const QString income = ui->meIncome->text();
    ui->pnlNormativeExpenses->setText(
        GroupedAmountText(income.trimmed().isEmpty() ? Money() : NormativeExpenses(ui->meIncome->Amount())));
}

void TfrBusinessNew::StepFarmYear(int step) {
    if (!ui->meFarmYear->isEnabled()) return;
    bool ok = false;
    const int shown = ui->meFarmYear->text().toInt(&ok);
    const int from = ok ? std::clamp(shown, FirstFarmYear, LastFarmYear) : DefaultFarmYear - step;
    ui->meFarmYear->setText(QString::number(std::clamp(from + step, FirstFarmYear, LastFarmYear)));
}

void TfrBusinessNew::Store() {
    editor_->StoreCurrent();
    mTDeclaration& d = Declaration();
    d.AdvancePaid = ui->meAdvancePaid->Amount();
    d.AdvanceAccrued = ui->meAdvanceAccrued->Amount();
    d.IsFarm = ui->chbFarm->isChecked() ? 1 : 0;
    d.FarmIncome = ui->meFarmIncome->Amount();
    const int year = ui->meFarmYear->text().toInt();
    d.FarmStartDate = DateValue::FromYmd(year > 0 ? year : 2000, 1, 1);
}

quint16 TfrBusinessNew::Check() {
    const auto& list = Declaration().BusinessIncomes;
    if (list.Count() == 0) return 0;
    std::unique_ptr<TfmCheckError> dialog;
    quint16 result = 0;
    // Shows a fault of activity n; true when the user ends the check. Here "Исправить" does not end
    // it: the check goes on, and a later "Исправить" names a later activity.
    const auto report = [&](const QString& message, quint16 n) {
        if (message.isEmpty()) return false;
        if (!dialog) dialog = std::make_unique<TfmCheckError>(this);
        switch (dialog->Answer({CheckSection::None, CheckTitle::Business, message, n})) {
        case CheckAnswer::Fix:
            result = n;
            return false;
        case CheckAnswer::SkipAll:
            return true;
        default:
            return false;
        }
    };
    const mTBusinessNew& first = *list.At(0);
    for (int i = 0; i < list.Count(); ++i) {
        const mTBusinessNew& a = *list.At(i);
        const quint16 n = quint16(i + 1);
        if (report(SectionRules::BusinessMixedExpenses(a, first), n)) return result;
        if (!a.HasDocumentedExpenses) continue;
        if (result == 0 && report(SectionRules::BusinessLabourContracts(a), n)) return result;
        if (result == 0 && report(SectionRules::BusinessTotalMismatch(a), n)) return result;
    }
    return result;
}

void TfrBusinessNew::ShowPosition(quint16 position) {
    editor_->ShowRow(int(position) - 1);
}

void TfrBusinessNew::AfterSectionOpened() {
    editor_->ShowRow(0);
}
