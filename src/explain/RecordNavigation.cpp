#include "explain/RecordNavigation.h"

#include "checks/ScreenPositions.h"

#include <algorithm>
#include <cstring>

namespace {

// One row per place a value can lead to. Position 0 shows the record the value belongs to (list
// screens select it by its number); a row with a field applies to that field of the section only.
struct RecordRoute {
    RecordSection From;
    const char* Field;
    Section Screen;
    int SubScreen;
    quint16 Position;
};

constexpr int None = FaultDestination::NoSubScreen;
constexpr quint16 TheRecord = 0;

constexpr RecordRoute Routes[] = {
    {RecordSection::Person, "OKATO", Section::PersonData, PersonDataPage::Address, AddressPosition::OKATO},
    {RecordSection::Declaration, "AdvancePaid", Section::Business, None, TheRecord},
    {RecordSection::Declaration, "AdvanceAccrued", Section::Business, None, TheRecord},
    {RecordSection::Declaration, "FixedAdvancePayments", Section::RussianIncome,
     RussianIncomeSubScreen::ThirteenPercent, TheRecord},
    {RecordSection::IncomeSources13, nullptr, Section::RussianIncome, RussianIncomeSubScreen::ThirteenPercent,
     TheRecord},
    {RecordSection::IncomeSources13NR, nullptr, Section::RussianIncome, RussianIncomeSubScreen::NonResident13,
     TheRecord},
    {RecordSection::IncomeSources35, nullptr, Section::RussianIncome,
     RussianIncomeSubScreen::ThirtyFivePercent, TheRecord},
    {RecordSection::IncomeSources30, nullptr, Section::RussianIncome, RussianIncomeSubScreen::Dividends,
     TheRecord},
    {RecordSection::CurrencyIncomes, nullptr, Section::CurrencyIncome, None, TheRecord},
    {RecordSection::BusinessIncomes, nullptr, Section::Business, None, TheRecord},
    {RecordSection::TaxPayments, nullptr, Section::Nalog, None, TheRecord},
    {RecordSection::StandardDeduction, nullptr, Section::Deductions, DeductionsSubScreen::Standard,
     StandardDeductionPosition::Months},
    {RecordSection::SocialDeduction, "ChildEducation", Section::Deductions, DeductionsSubScreen::Social,
     SocialDeductionPosition::ChildEducation},
    {RecordSection::SocialDeduction, nullptr, Section::Deductions, DeductionsSubScreen::Social,
     SocialDeductionPosition::Charity},
    {RecordSection::PensionContracts, nullptr, Section::Deductions, DeductionsSubScreen::Social,
     SocialDeductionPosition::Charity},
    {RecordSection::PropertyDeduction, nullptr, Section::Deductions, DeductionsSubScreen::Property,
     TheRecord},
    // Private practice and the losses of earlier years have no screen: they lead nowhere.
};

} // namespace

std::optional<FaultDestination> RecordDestinationOf(const RecordRef& ref) {
    for (const RecordRoute& route : Routes) {
        if (route.From != ref.Section) continue;
        if (route.Field && (!ref.Field || std::strcmp(route.Field, ref.Field) != 0)) continue;
        const quint16 position = route.Position != TheRecord ? route.Position : quint16(ref.Record);
        return FaultDestination{route.Screen, route.SubScreen, position, quint16(std::max(ref.Line, 0))};
    }
    return std::nullopt;
}
