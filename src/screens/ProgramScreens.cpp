#include "screens/ProgramScreens.h"

#include "screens/SectionScreens.h"
#include "screens/conditions/InitialData.h"
#include "screens/conditions/PersonData.h"

namespace {

template <class Screen> SectionScreens::Maker MakerOf() {
    return [](QWidget* owner, ScreenHost& host) -> TThinkingFrame* { return new Screen(owner, host); };
}

} // namespace

void RegisterProgramScreens() {
    SectionScreens::Register(Section::InitialData, MakerOf<TfrInitialData>());
    SectionScreens::Register(Section::PersonData, MakerOf<TfrPersonData>());
}
