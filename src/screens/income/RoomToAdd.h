#pragma once

#include "records/ListLimits.h"

class QWidget;

// Asks the list's limit before a record is added to a list that holds count records; when it is full,
// says so (caption "Durovid 2010") and returns false.
bool RoomToAdd(QWidget* owner, ListLimits::List list, int count, quint8 returnKind);
