#include "screens/deductions/ConstructionDeduct.h"

#include "checks/ScreenPositions.h"
#include "pickers/RegionName.h"
#include "records/Declaration.h"
#include "records/StartingDates.h"
#include "screens/ScreenCheck.h"

#include "ui_ConstructionDeduct.h"

#include <QLineEdit>

namespace {

const QDate EarliestDate(1990, 1, 1);
const QDate LatestDate(2010, 12, 31);
// A pensioner may carry the deduction back over the three years before the return's.
const QDate PensionerLatestDate(2013, 12, 31);
constexpr int LatestYear = 2010;
constexpr int PensionerLatestYear = 2013;
// Under investment only a dwelling can be acquired, no land.
constexpr int DwellingKinds = 4;
// The land plots (items 5-7) have a registration date of their own.
constexpr int FirstLandKind = 5;
constexpr int SoleOwnership = 1, JointOwnership = 3;
constexpr int SpouseOfOwner = 2;

// The 1-based item chosen in a list, 0 when none.
qint32 ItemNumber(const QComboBox* list) {
    return list->currentIndex() + 1;
}

void SelectItem(QComboBox* list, qint32 number) {
    list->setCurrentIndex(number >= 1 && number <= list->count() ? number - 1 : -1);
}

// A share part as the user leaves it: empty or zero counts as 1.
qint32 SharePart(const QLineEdit* field) {
    const qint32 value = field->text().toInt();
    return value == 0 ? 1 : value;
}

} // namespace

TfrConstructionDeduct::TfrConstructionDeduct(QWidget* owner, ScreenHost& host)
    : TThinkingFrame(owner, host), ui(std::make_unique<Ui::TfrConstructionDeduct>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("frConstructionDeduct"));
    for (int i = 0; i < ui->cbObjectKind->count(); ++i)
        objectKinds_ << ui->cbObjectKind->itemText(i);

    // The decimal share is kept, never shown.
    ui->meShareDecimal->hide();
    // The year is set with the stepper only.
    if (auto* yearText = ui->seFirstUseYear->findChild<QLineEdit*>()) yearText->setReadOnly(true);

    connect(ui->chbGrantProperty, &QCheckBox::clicked, this, [this] { NotifyModified(); });
    connect(ui->chbGrantProperty, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(ui->bnToAmounts, &QPushButton::clicked, this, [this] { ShowAmountsPage(true); });
    connect(ui->bnToObject, &QPushButton::clicked, this, [this] { ShowAmountsPage(false); });
    connect(ui->bnRegion, &QPushButton::clicked, this, [this] { PickRegion(); });
    for (QRadioButton* rb : {ui->rbPurchase, ui->rbInvestment})
        connect(rb, &QRadioButton::clicked, this, [this] { NotifyModified(); });
    connect(ui->rbInvestment, &QRadioButton::toggled, this, [this] {
        ApplyAcquisition();
        UpdateEnabling();
    });
    for (QComboBox* list : {ui->cbObjectKind, ui->cbOwnershipKind, ui->cbTaxpayerSign}) {
        connect(list, &QComboBox::activated, this, [this] { NotifyModified(); });
        connect(list, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    }
    connect(ui->chbPensioner, &QCheckBox::clicked, this, [this] { PensionerClicked(); });
    connect(ui->chbPensioner, &QCheckBox::toggled, this, [this] { ApplyPensionerLimits(); });
    connect(ui->seFirstUseYear, &QSpinBox::valueChanged, this, [this] {
        if (Host().Loading()) return;
        storedFirstUse_.reset();
        NotifyModified();
    });
    // The decimal share never exceeds the whole object.
    connect(ui->meShareDecimal, &TMaskedEdit::Changed, this, [this] {
        if (ui->meShareDecimal->Amount() > Money::FromUnits(1))
            ui->meShareDecimal->setText(QStringLiteral("1"));
    });

    LoadingScope loading(Host());
    Fill();
}

TfrConstructionDeduct::~TfrConstructionDeduct() = default;

QList<TDatePicker*> TfrConstructionDeduct::Dates() const {
    return {ui->dtDwellingRegDate, ui->dtLandRegDate, ui->dtActDate, ui->dtApplicationDate};
}

void TfrConstructionDeduct::Fill() {
    // The defaults, kept while the deduction is not granted.
    for (TDatePicker* date : Dates()) {
        date->SetRange(EarliestDate, date == ui->dtApplicationDate ? PensionerLatestDate : LatestDate);
        date->SetValue(StartingDate::Registration());
    }
    ui->swPages->setCurrentIndex(0);
    for (QComboBox* list : {ui->cbObjectKind, ui->cbOwnershipKind, ui->cbTaxpayerSign})
        list->setCurrentIndex(-1);
    // "0" is the record's "no region": a region never picked is stored as such, and the checks catch it.
    ui->meRegionCode->setText(QStringLiteral("0"));
    ui->meShareNumerator->setText(QStringLiteral("1"));
    ui->meShareDenominator->setText(QStringLiteral("1"));

    const mTDeclaration& d = Declaration();
    const mTConstructionDeduct& c = d.PropertyDeduction;
    ui->chbGrantProperty->setChecked(c.GrantProperty != 0);
    if (c.GrantProperty != 0) {
        SelectItem(ui->cbObjectKind, c.ObjectKind);
        SelectItem(ui->cbOwnershipKind, c.OwnershipKind);
        SelectItem(ui->cbTaxpayerSign, c.TaxpayerSign);
        // Ticking the box widens the limits.
        ui->chbPensioner->setChecked(d.IsPensioner != 0);
        ui->mePostIndex->setText(c.ObjPostIndex);
        if (!c.ObjRegionCode.isEmpty()) ui->meRegionCode->setText(c.ObjRegionCode);
        regionName_ = c.ObjRegionName;
        ui->meDistrict->setText(c.ObjDistrict);
        ui->meCity->setText(c.ObjCity);
        ui->meLocality->setText(c.ObjLocality);
        ui->meStreet->setText(c.ObjStreet);
        ui->meHouse->setText(c.ObjHouse);
        ui->meBuilding->setText(c.ObjBuilding);
        ui->meFlat->setText(c.ObjFlat);
        ui->dtDwellingRegDate->SetValue(c.DwellingRegDate);
        ui->dtLandRegDate->SetValue(c.LandRegDate);
        ui->dtActDate->SetValue(c.ActDate);
        ui->dtApplicationDate->SetValue(c.ApplicationDate);
        ui->seFirstUseYear->setValue(DateValue::Year(c.FirstUseYear));
        storedFirstUse_ = c.FirstUseYear;
        ui->meShareDecimal->SetAmount(c.ShareDecimal);
        ui->meShareNumerator->setText(QString::number(c.ShareNumerator));
        ui->meShareDenominator->setText(QString::number(c.ShareDenominator));
        const std::pair<TMaskedEdit*, Money> amounts[] = {
            {ui->meCarryOverCost, c.CarryOverCost},   {ui->meCarryOverInterest, c.CarryOverInterest},
            {ui->mePriorDeclCost, c.PriorDeclCost},   {ui->mePriorDeclInterest, c.PriorDeclInterest},
            {ui->mePriorAgentCost, c.PriorAgentCost}, {ui->mePriorAgentInterest, c.PriorAgentInterest},
            {ui->meObjectCost, c.ObjectCost},         {ui->meCreditInterest, c.CreditInterest},
            {ui->meAgentCost, c.AgentCost},           {ui->meAgentInterest, c.AgentInterest}};
        for (const auto& [field, amount] : amounts)
            field->SetAmount(amount);
        (c.ByInvestment ? ui->rbInvestment : ui->rbPurchase)->setChecked(true);
    }
    ApplyAcquisition();
    UpdateEnabling();
}

void TfrConstructionDeduct::Store() {
    mTDeclaration& d = Declaration();
    mTConstructionDeduct& c = d.PropertyDeduction;
    c.GrantProperty = ui->chbGrantProperty->isChecked() ? 1 : 0;
    if (c.GrantProperty) {
        d.IsPensioner = ui->chbPensioner->isChecked() ? 1 : 0;
        c.ObjectKind = ItemNumber(ui->cbObjectKind);
        c.OwnershipKind = ItemNumber(ui->cbOwnershipKind);
        c.TaxpayerSign = ItemNumber(ui->cbTaxpayerSign);
        c.ObjPostIndex = ui->mePostIndex->text();
        c.ObjRegionCode = ui->meRegionCode->text();
        c.ObjRegionName = regionName_;
        c.ObjDistrict = ui->meDistrict->text();
        c.ObjCity = ui->meCity->text();
        c.ObjLocality = ui->meLocality->text();
        c.ObjStreet = ui->meStreet->text();
        c.ObjHouse = ui->meHouse->text();
        c.ObjBuilding = ui->meBuilding->text();
        c.ObjFlat = ui->meFlat->text();
        c.DwellingRegDate = ui->dtDwellingRegDate->Value();
        c.LandRegDate = ui->dtLandRegDate->Value();
        c.ActDate = ui->dtActDate->Value();
        c.ApplicationDate = ui->dtApplicationDate->Value();
        c.ByInvestment = ui->rbInvestment->isChecked() ? 1 : 0;
        c.FirstUseYear = storedFirstUse_.value_or(DateValue::FromYmd(ui->seFirstUseYear->value(), 1, 1));
        c.ShareDecimal =
            ui->meShareDecimal->text().isEmpty() ? Money::FromUnits(1) : ui->meShareDecimal->Amount();
        c.ShareDenominator = SharePart(ui->meShareDenominator);
        // A share never exceeds the whole object.
        c.ShareNumerator = std::min(SharePart(ui->meShareNumerator), c.ShareDenominator);
        c.ObjectCost = ui->meObjectCost->Amount();
        c.CreditInterest = ui->meCreditInterest->Amount();
    }
    c.CarryOverCost = ui->meCarryOverCost->Amount();
    c.CarryOverInterest = ui->meCarryOverInterest->Amount();
    c.PriorDeclCost = ui->mePriorDeclCost->Amount();
    c.PriorDeclInterest = ui->mePriorDeclInterest->Amount();
    c.PriorAgentCost = ui->mePriorAgentCost->Amount();
    c.PriorAgentInterest = ui->mePriorAgentInterest->Amount();
    c.AgentCost = ui->meAgentCost->Amount();
    c.AgentInterest = ui->meAgentInterest->Amount();
}

quint16 TfrConstructionDeduct::Check() {
    const mTDeclaration& d = Declaration();
    if (!d.PropertyDeduction.GrantProperty) return 0;
    // Only the first fault is shown; any answer but "Исправить" lets the user leave.
    const QList<RuleFault> faults = SectionRules::PropertyObject(d);
    if (faults.isEmpty()) return 0;
    TScreenCheck check(this, CheckTitle::Property);
    check.Faults({faults.first()});
    return check.Result();
}

void TfrConstructionDeduct::ShowPosition(quint16 position) {
    using namespace PropertyDeductionPosition;
    QWidget* target = nullptr;
    bool amounts = false;
    switch (position) {
    case ObjectKind:
        target = ui->cbObjectKind;
        break;
    case PostIndex:
        target = ui->mePostIndex;
        break;
    case DwellingRegDate:
        target = ui->dtDwellingRegDate;
        break;
    case LandRegDate:
        target = ui->dtLandRegDate;
        break;
    case ActDate:
        target = ui->dtActDate;
        break;
    case FirstUseYear:
        target = ui->seFirstUseYear;
        break;
    case OwnershipKind:
        target = ui->cbOwnershipKind;
        break;
    case TaxpayerSign:
        target = ui->cbTaxpayerSign;
        break;
    case RegionCode:
        target = ui->bnRegion;
        break;
    case CarryOver:
        target = ui->meCarryOverCost;
        amounts = true;
        break;
    case CarryOverInterest:
        target = ui->meCarryOverInterest;
        amounts = true;
        break;
    case PriorDeclCost:
        target = ui->mePriorDeclCost;
        amounts = true;
        break;
    case PriorDeclInterest:
        target = ui->mePriorDeclInterest;
        amounts = true;
        break;
    default:
        return;
    }
    ShowAmountsPage(amounts);
    if (!amounts) ui->saObject->ensureWidgetVisible(target);
    target->setFocus();
    if (position == RegionCode) PickRegion();
}

bool TfrConstructionDeduct::AmountsPageShown() const {
    return ui->swPages->currentIndex() == 1;
}

void TfrConstructionDeduct::ShowAmountsPage(bool amounts) {
    ui->swPages->setCurrentIndex(amounts ? 1 : 0);
}

void TfrConstructionDeduct::UpdateEnabling() {
    ui->swPages->setEnabled(ui->chbGrantProperty->isChecked());
    const bool investment = ui->rbInvestment->isChecked();
    ui->dtDwellingRegDate->setEnabled(!investment);
    ui->dtLandRegDate->setEnabled(!investment && ItemNumber(ui->cbObjectKind) >= FirstLandKind);
    ui->dtActDate->setEnabled(investment);
    const qint32 ownership = ItemNumber(ui->cbOwnershipKind);
    ui->dtApplicationDate->setEnabled(
        ownership == JointOwnership ||
        (ownership == SoleOwnership && ItemNumber(ui->cbTaxpayerSign) == SpouseOfOwner));
}

void TfrConstructionDeduct::ApplyAcquisition() {
    QComboBox* list = ui->cbObjectKind;
    if (ui->rbInvestment->isChecked()) {
        if (list->currentIndex() >= DwellingKinds) list->setCurrentIndex(-1);
        while (list->count() > DwellingKinds)
            list->removeItem(list->count() - 1);
    } else {
        for (int i = list->count(); i < objectKinds_.size(); ++i)
            list->addItem(objectKinds_[i]);
    }
}

void TfrConstructionDeduct::ApplyPensionerLimits() {
    const bool pensioner = ui->chbPensioner->isChecked();
    for (TDatePicker* date : Dates())
        date->SetRange(EarliestDate, pensioner ? PensionerLatestDate : LatestDate);
    ui->seFirstUseYear->setMaximum(pensioner ? PensionerLatestYear : LatestYear);
}

void TfrConstructionDeduct::PensionerClicked() {
    // A stored year beyond the limit is lowered like a shown one.
    if (!ui->chbPensioner->isChecked() && storedFirstUse_ && DateValue::Year(*storedFirstUse_) > LatestYear)
        storedFirstUse_.reset();
    NotifyModified();
}

void TfrConstructionDeduct::PickRegion() {
    TfmRegionName picker(this);
    picker.Preselect(ui->meRegionCode->text().toInt());
    if (!picker.Choose() || picker.ChosenCode() == ui->meRegionCode->text().toInt()) return;
    regionName_ = picker.Name();
    ui->meRegionCode->setText(TTablePicker::CodeText(picker.ChosenCode()));
    NotifyModified();
}
