#include "screens/ProgramScreens.h"

#include "screens/SectionScreens.h"
#include "screens/conditions/InitialData.h"
#include "screens/conditions/PersonData.h"
#include "screens/deductions/FrameDeductData.h"
#include "screens/payments/Nalog.h"
#include "screens/income/RussianIncome.h"
#include "screens/foreign/Currency.h"
#include "screens/income/BusinessNew.h"

namespace {

template <class Screen> SectionScreens::Maker MakerOf() {
    return [](QWidget* owner, ScreenHost& host) -> TThinkingFrame* { return new Screen(owner, host); };
}

} // namespace

void RegisterProgramScreens() {
    SectionScreens::Register(Section::InitialData, MakerOf<TfrInitialData>());
    SectionScreens::Register(Section::PersonData, MakerOf<TfrPersonData>());
    SectionScreens::Register(Section::Deductions, MakerOf<TfrFrameDeductData>());
    SectionScreens::Register(Section::Nalog, MakerOf<TfrNalog>());
    SectionScreens::Register(Section::RussianIncome, MakerOf<TfrRussianIncome>());
    SectionScreens::Register(Section::CurrencyIncome, MakerOf<TfrCurrency>());
    SectionScreens::Register(Section::Business, MakerOf<TfrBusinessNew>());
}
