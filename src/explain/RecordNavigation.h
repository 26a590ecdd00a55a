#pragma once

#include "checks/FaultNavigation.h"
#include "explain/RecordRef.h"

#include <optional>

// Where the taxpayer entered a value the explanation names: the screen, its sub-screen and the field
// (or record, and its line) to show, as "Исправить" in the check leads to a fault; none where no screen shows
// it.
std::optional<FaultDestination> RecordDestinationOf(const RecordRef& ref);
