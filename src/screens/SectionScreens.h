#pragma once

#include "screens/MyFrame.h"

#include <QString>
#include <functional>

// The seven sections of the main window, in the order of their buttons.
enum class Section { InitialData, PersonData, RussianIncome, CurrencyIncome, Business, Deductions, Nalog };
inline constexpr int SectionCount = 7;

// Which screen each section shows. A section's screen registers its maker here; a section
// without one shows an empty screen with the section's name.
namespace SectionScreens {

using Maker =
    std::function<TThinkingFrame*(QWidget* owner, TThinkingFrame::DeclarationField* declarationRef)>;

QString Title(Section section);
// Registers (or, with an empty maker, removes) the screen of a section; returns the previous maker.
Maker Register(Section section, Maker maker);
TThinkingFrame* Create(Section section, QWidget* owner, TThinkingFrame::DeclarationField* declarationRef);
// The section a screen belongs to (set by Create).
Section SectionOf(const TThinkingFrame* frame);

} // namespace SectionScreens
