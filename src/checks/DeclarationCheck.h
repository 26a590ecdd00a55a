#pragma once

#include "checks/CheckAnswerer.h"
#include "checks/CheckResult.h"

class mTDeclaration;

// Walks the sections of the declaration in their fixed order and stops at the first section with a
// fault. Each fault goes to the answerer: Fix leads to the fault's position, any other answer counts as
// "Отмена". The result's section is the last section entered. Nothing in the declaration changes.
CheckResult CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer);
