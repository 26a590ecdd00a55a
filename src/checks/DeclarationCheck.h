#pragma once

#include "checks/CheckResult.h"

#include <functional>

class mTDeclaration;

// The two answers of the whole-declaration dialog; closing it counts as Cancel ("Отмена").
enum class CheckAllAnswer { Fix, Cancel };

// Shows one fault and returns the user's answer. The desktop program shows its dialog here,
// the console answers Cancel to everything.
using DeclarationCheckAnswerer = std::function<CheckAllAnswer(const DeclarationFault&)>;

// Walks the sections of the declaration in their fixed order and stops at the first section with a
// fault. Returns the packed result (CheckResult.h); its section is the last section entered. Nothing
// in the declaration changes.
quint32 CheckDeclaration(const mTDeclaration& declaration, const DeclarationCheckAnswerer& answer);
