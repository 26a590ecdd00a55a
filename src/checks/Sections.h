#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

class mTDeclaration;

// The seven sections of the main window, in the order of their buttons.
enum class Section { InitialData, PersonData, RussianIncome, CurrencyIncome, Business, Deductions, Nalog };
inline constexpr int SectionCount = 7;

// The caption of a section's button.
QString SectionTitle(Section section);

// Which sections are open to the user (their buttons enabled), one flag per section.
using OpenSectionSet = std::array<bool, SectionCount>;

// The sections a declaration opens: the conditions and the taxpayer always; each income section while its
// kind of income is declared; the deductions for a resident's 3-NDFL with some income; the payments on
// notices except for a 4-NDFL return.
OpenSectionSet OpenSections(const mTDeclaration& declaration);
// The same from the kind of return and the kinds of income alone, as the conditions screen has them
// before it stores them.
OpenSectionSet OpenSections(quint8 returnKind, quint8 incomeKinds);
