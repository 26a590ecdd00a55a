#pragma once

#include "reference/CodeTableRow.h"

#include <span>

// The regions of the Russian Federation with their codes, in code order.
std::span<const CodeTableRow> Regions();
