#include "screens/SectionScreens.h"

#include "screens/EmptySection.h"

#include <array>

namespace {

std::array<SectionScreens::Maker, SectionCount>& Makers() {
    static std::array<SectionScreens::Maker, SectionCount> makers;
    return makers;
}

constexpr const char* SectionProperty = "durovidSection";

} // namespace

namespace SectionScreens {

Maker Register(Section section, Maker maker) {
    Maker previous = std::move(Makers()[int(section)]);
    Makers()[int(section)] = std::move(maker);
    return previous;
}

TThinkingFrame* Create(Section section, QWidget* owner, ScreenHost& host) {
    const Maker& maker = Makers()[int(section)];
    TThinkingFrame* frame =
        maker ? maker(owner, host) : new TfrEmptySection(owner, host, SectionTitle(section));
    frame->setProperty(SectionProperty, int(section));
    return frame;
}

Section SectionOf(const TThinkingFrame* frame) {
    return Section(frame->property(SectionProperty).toInt());
}

} // namespace SectionScreens
