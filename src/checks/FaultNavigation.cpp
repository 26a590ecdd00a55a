#include "checks/FaultNavigation.h"

#include "checks/ScreenPositions.h"

namespace {

// One row per place a fault can lead to; a new screen adds its rows here.
constexpr FaultRoute Routes[] = {
    {.From = CheckSection::Conditions, .Screen = Section::InitialData},
    {.From = CheckSection::Person, .Screen = Section::PersonData, .SubScreen = PersonDataPage::Name},
    {.From = CheckSection::Address, .Screen = Section::PersonData, .SubScreen = PersonDataPage::Address},
    {.From = CheckSection::Income13,
     .Screen = Section::RussianIncome,
     .SubScreen = RussianIncomeSubScreen::ThirteenPercent},
    {.From = CheckSection::Currency, .Screen = Section::CurrencyIncome},
    {.From = CheckSection::Business, .Screen = Section::Business},
    // The social deductions' fault leads to the standard-deduction sub-screen as well.
    {.From = CheckSection::StandardSocial,
     .Screen = Section::Deductions,
     .SubScreen = DeductionsSubScreen::Standard},
    {.From = CheckSection::Property,
     .Screen = Section::Deductions,
     .SubScreen = DeductionsSubScreen::Property},
    // No screen shows private practice: its faults lead nowhere.
};

} // namespace

std::span<const FaultRoute> FaultRoutes() {
    return Routes;
}

std::optional<FaultDestination> FaultDestinationOf(const CheckResult& fault) {
    for (const FaultRoute& route : Routes) {
        if (route.From != fault.Section) continue;
        if (route.AtPosition != FaultRoute::AnyPosition && route.AtPosition != fault.Position) continue;
        const quint16 shown =
            route.ShowPosition == FaultRoute::SamePosition ? fault.Position : route.ShowPosition;
        return FaultDestination{route.Screen, route.SubScreen, shown};
    }
    return std::nullopt;
}
