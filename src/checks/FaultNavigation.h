#pragma once

#include "checks/CheckResult.h"
#include "checks/Sections.h"

#include <optional>
#include <span>

// Where "Исправить" in the whole-declaration check leads: the screen of a section, one of its sub-screens
// (or none, when the screen shows the position itself) and the position to show there.
struct FaultDestination {
    static constexpr int NoSubScreen = -1;

    Section Screen = Section::InitialData;
    int SubScreen = NoSubScreen;
    quint16 Position = 0;
    // The line of the record there to show, from 1 (an income line of a source); 0 for none.
    quint16 Line = 0;

    friend bool operator==(const FaultDestination&, const FaultDestination&) = default;
};

// One row of the navigation table: the faults of a check section (at one position, or at any) lead to a
// screen. A screen that needs a fault elsewhere than the position the rule reports says so in its row.
struct FaultRoute {
    static constexpr quint16 AnyPosition = 0;
    static constexpr quint16 SamePosition = 0;

    CheckSection From = CheckSection::None;
    Section Screen = Section::InitialData;
    int SubScreen = FaultDestination::NoSubScreen;
    quint16 AtPosition = AnyPosition;    // only faults reported at this position
    quint16 ShowPosition = SamePosition; // the position handed to the screen
};

// The table; the first row that matches a fault decides. A check section without a row leads nowhere.
std::span<const FaultRoute> FaultRoutes();
// Where a fault the user chose to fix leads; none when its section has no screen.
std::optional<FaultDestination> FaultDestinationOf(const CheckResult& fault);
