#pragma once

#include "checks/Sections.h"
#include "screens/MyFrame.h"

#include <functional>

// Which screen each section shows. A section's screen registers its maker here; a section
// without one shows an empty screen with the section's name.
namespace SectionScreens {

using Maker = std::function<TThinkingFrame*(QWidget* owner, ScreenHost& host)>;

// Registers (or, with an empty maker, removes) the screen of a section; returns the previous maker.
Maker Register(Section section, Maker maker);
TThinkingFrame* Create(Section section, QWidget* owner, ScreenHost& host);
// The section a screen belongs to (set by Create).
Section SectionOf(const TThinkingFrame* frame);

} // namespace SectionScreens
