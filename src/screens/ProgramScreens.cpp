#include "screens/ProgramScreens.h"

#include "screens/SectionScreens.h"
#include "screens/conditions/InitialData.h"
#include "screens/conditions/PersonData.h"
#include "screens/deductions/FrameDeductData.h"
#include "screens/payments/Nalog.h"

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
}
