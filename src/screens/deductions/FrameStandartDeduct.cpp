#include "screens/deductions/FrameStandartDeduct.h"

#include "controls/MaskedEdit.h"
#include "records/Declaration.h"
#include "screens/deductions/MonthChoiceDialog.h"

#include "ui_FrameStandartDeduct.h"

#include <QScrollBar>
#include <algorithm>

namespace {

enum : qint32 { Code103 = 103, Code104 = 104, Code105 = 105, CodeByMonth = 110 };
enum : qint32 { ChildOrdinary = 101, ChildSingleParent = 102, ChildByMonth = 103 };

qint32 CountOf(const TMaskedEdit* field) {
    return field->text().trimmed().toInt(); // an empty field is 0
}

} // namespace

TfrFrameStandartDeduct::TfrFrameStandartDeduct(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrFrameStandartDeduct>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frFrameStandartDeduct"));
    children_ = {ui->chbChildrenConstant, ui->meChildrenCount, ui->udChildrenCount, {}};
    disabled_ = {ui->chbDisabledConstant, ui->meDisabledCount, ui->udDisabledCount, {}};
    for (int m = 1; m <= 12; ++m) {
        const size_t i = size_t(m - 1);
        children_.months[i] = findChild<TMaskedEdit*>(QStringLiteral("meChildrenMonth%1").arg(m));
        disabled_.months[i] = findChild<TMaskedEdit*>(QStringLiteral("meDisabledMonth%1").arg(m));
        marks_[i] = findChild<QCheckBox*>(QStringLiteral("chbMonthMark%1").arg(m));
        incomes_[i] = findChild<TMaskedEdit*>(QStringLiteral("meBusinessIncome%1").arg(m));
        expenses_[i] = findChild<TMaskedEdit*>(QStringLiteral("meBusinessExpense%1").arg(m));
        connect(incomes_[i], &TMaskedEdit::Changed, this, [this, m] { GridValueTyped(m); });
        connect(expenses_[i], &TMaskedEdit::Changed, this, [this, m] { GridValueTyped(m); });
        connect(marks_[i], &QCheckBox::clicked, this, [this, m] { MarkClicked(m); });
    }

    connect(ui->chbGrantStandard, &QCheckBox::clicked, this, [this] {
        NotifyModified();
        ApplyEnabled();
    });
    for (const CountPart* part : {&children_, &disabled_}) {
        connect(part->constant, &QCheckBox::clicked, this, [this, part] { ConstantClicked(*part); });
        connect(part->count, &TMaskedEdit::Changed, this, [this, part] { CountChanged(*part); });
        connect(part->stepper, &QScrollBar::valueChanged, this, [part](int value) {
            if (CountOf(part->count) != value) part->count->setText(QString::number(value));
        });
    }
    for (QRadioButton* rb : {ui->rb103, ui->rb104, ui->rb105, ui->rbChildOrdinary, ui->rbChildSingle})
        connect(rb, &QRadioButton::clicked, this, [this] { NotifyModified(); });
    connect(ui->rbPersonalDif, &QRadioButton::clicked, this, [this] { PersonalCombinationClicked(); });
    connect(ui->rbChildDif, &QRadioButton::clicked, this, [this] { ChildCombinationClicked(); });

    LoadingScope loading(Host());
    building_ = true;
    Fill();
    building_ = false;
}

TfrFrameStandartDeduct::~TfrFrameStandartDeduct() = default;

void TfrFrameStandartDeduct::Fill() {
    const mTDeclaration& d = Declaration();
    const mTStandartDeduct& s = d.StandardDeduction;
    gridAvailable_ = (d.IncomeKinds & (IncomeBusiness | IncomePractice)) != 0;
    ui->chbGrantStandard->setChecked(s.GrantStandard != 0);
    // The controls show the record also when standard deductions are not granted, so that ticking the
    // box again shows the values kept and the next Store writes them back unchanged.
    switch (s.PersonalCode) {
    case Code103:
        ui->rb103->setChecked(true);
        break;
    case Code104:
        ui->rb104->setChecked(true);
        break;
    case Code105:
        ui->rb105->setChecked(true);
        break;
    case CodeByMonth:
        ui->rbPersonalDif->setChecked(true);
        break;
    default:
        break;
    }
    switch (s.ChildKind) {
    case ChildOrdinary:
        ui->rbChildOrdinary->setChecked(true);
        break;
    case ChildSingleParent:
        ui->rbChildSingle->setChecked(true);
        break;
    case ChildByMonth:
        ui->rbChildDif->setChecked(true);
        break;
    default:
        break;
    }
    FillCount(children_, s.ChildrenConstant != 0, s.ChildrenCount, s.ChildrenByMonth);
    FillCount(disabled_, s.DisabledConstant != 0, s.DisabledCount, s.DisabledByMonth);
    for (size_t i = 0; i < 12; ++i) {
        marks_[i]->setChecked(gridAvailable_ && s.BusinessMonthMarks[i] != 0);
        const auto show = [this](TMaskedEdit* field, Money amount) {
            if (gridAvailable_ && !amount.IsZero())
                field->SetAmount(amount);
            else
                field->clear();
        };
        show(incomes_[i], s.BusinessIncomeByMonth[i]);
        show(expenses_[i], s.BusinessExpenseByMonth[i]);
    }
    ApplyEnabled();
}

void TfrFrameStandartDeduct::FillCount(const CountPart& part, bool constant, qint32 count,
                                       const std::array<qint32, 12>& months) {
    part.constant->setChecked(constant);
    if (constant) {
        part.count->setText(QString::number(count));
        for (TMaskedEdit* month : part.months)
            month->setText(part.count->text());
    } else {
        part.count->setText(QStringLiteral("0"));
        for (size_t i = 0; i < 12; ++i)
            part.months[i]->setText(QString::number(months[i]));
    }
    part.stepper->setValue(CountOf(part.count));
}

void TfrFrameStandartDeduct::ApplyEnabled() {
    const bool grant = ui->chbGrantStandard->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->rb103, ui->rb104, ui->rb105, ui->rbPersonalDif, ui->rbChildOrdinary, ui->rbChildSingle,
             ui->rbChildDif, ui->lbChildrenUnit, ui->lbDisabledUnit, ui->lbIncomeHeader1,
             ui->lbExpenseHeader1, ui->lbIncomeHeader2, ui->lbExpenseHeader2})
        w->setEnabled(grant);
    for (const CountPart* part : {&children_, &disabled_}) {
        const bool constant = part->constant->isChecked();
        part->constant->setEnabled(grant);
        part->count->setEnabled(grant && constant);
        part->stepper->setEnabled(grant && constant);
        for (TMaskedEdit* month : part->months)
            month->setEnabled(grant && !constant);
    }
    for (int m = 1; m <= 12; ++m) {
        for (const char* kind : {"Children", "Disabled"})
            findChild<QWidget*>(QStringLiteral("lb%1Month%2").arg(QLatin1String(kind)).arg(m))
                ->setEnabled(grant);
        const size_t i = size_t(m - 1);
        marks_[i]->setEnabled(grant && gridAvailable_);
        incomes_[i]->setEnabled(grant && gridAvailable_);
        expenses_[i]->setEnabled(grant && gridAvailable_);
    }
}

void TfrFrameStandartDeduct::ConstantClicked(const CountPart& part) {
    NotifyModified();
    if (part.constant->isChecked()) {
        part.stepper->setValue(CountOf(part.count));
        for (TMaskedEdit* month : part.months)
            month->setText(part.count->text());
    }
    ApplyEnabled();
}

void TfrFrameStandartDeduct::CountChanged(const CountPart& part) {
    if (building_) return;
    for (TMaskedEdit* month : part.months)
        month->setText(part.count->text());
    if (part.stepper->value() != CountOf(part.count)) part.stepper->setValue(CountOf(part.count));
}

void TfrFrameStandartDeduct::PersonalCombinationClicked() {
    if (building_) return;
    mTStandartDeduct& s = Declaration().StandardDeduction;
    if (ui->rbPersonalDif->isChecked()) {
        TfmDif dialog(this);
        if (const auto chosen = dialog.Choose(s.PersonalCodeByMonth)) {
            s.PersonalCombination = 1;
            s.PersonalCodeByMonth = *chosen;
        }
    } else {
        s.PersonalCombination = 0;
    }
    NotifyModified();
}

void TfrFrameStandartDeduct::ChildCombinationClicked() {
    if (building_) return;
    mTStandartDeduct& s = Declaration().StandardDeduction;
    if (ui->rbChildDif->isChecked()) {
        TfmDif2 dialog(this);
        if (const auto chosen = dialog.Choose(s.ChildKindByMonth)) {
            s.ChildCombination = 1;
            s.ChildKindByMonth = *chosen;
        }
    } else {
        s.ChildCombination = 0;
    }
    NotifyModified();
}

void TfrFrameStandartDeduct::GridValueTyped(int month) {
    const size_t i = size_t(month - 1);
    if (building_ || Host().Loading()) return;
    if (!incomes_[i]->text().isEmpty() || !expenses_[i]->text().isEmpty()) marks_[i]->setChecked(true);
}

void TfrFrameStandartDeduct::MarkClicked(int month) {
    const size_t i = size_t(month - 1);
    NotifyModified();
    if (marks_[i]->isChecked()) return;
    incomes_[i]->clear();
    expenses_[i]->clear();
}

void TfrFrameStandartDeduct::Store() {
    mTStandartDeduct& s = Declaration().StandardDeduction;
    s.GrantStandard = ui->chbGrantStandard->isChecked() ? 1 : 0;
    if (!s.GrantStandard) return;
    bool anyMark = false;
    for (size_t i = 0; i < 12; ++i) {
        s.BusinessIncomeByMonth[i] = incomes_[i]->Amount();
        s.BusinessExpenseByMonth[i] = expenses_[i]->Amount();
        s.BusinessMonthMarks[i] = marks_[i]->isChecked() ? 1 : 0;
        anyMark = anyMark || marks_[i]->isChecked();
    }
    s.MonthlyBusiness = anyMark ? 1 : 0;
    if (ui->rb105->isChecked())
        s.PersonalCode = Code105;
    else if (ui->rb104->isChecked())
        s.PersonalCode = Code104;
    else if (ui->rb103->isChecked())
        s.PersonalCode = Code103;
    else if (ui->rbPersonalDif->isChecked())
        s.PersonalCode = CodeByMonth;
    if (ui->rbChildOrdinary->isChecked())
        s.ChildKind = ChildOrdinary;
    else if (ui->rbChildSingle->isChecked())
        s.ChildKind = ChildSingleParent;
    else if (ui->rbChildDif->isChecked())
        s.ChildKind = ChildByMonth;
    StoreCount(children_, s.ChildrenConstant, s.ChildrenCount, s.ChildrenByMonth);
    StoreCount(disabled_, s.DisabledConstant, s.DisabledCount, s.DisabledByMonth);
}

void TfrFrameStandartDeduct::StoreCount(const CountPart& part, quint8& constant, qint32& count,
                                        std::array<qint32, 12>& months) const {
    if (part.constant->isChecked()) {
        count = CountOf(part.count);
        constant = 1;
        return;
    }
    for (size_t i = 0; i < 12; ++i)
        months[i] = CountOf(part.months[i]);
    constant = 0;
    count = *std::max_element(months.begin(), months.end());
}
