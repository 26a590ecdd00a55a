#pragma once

#include <QString>
#include <QtGlobal>

// Who an INN may belong to.
enum class InnMode : quint16 { Any = 0, Organisation = 1, Person = 2 };

// Results of CheckInn.
enum : quint16 {
    InnValid = 0,
    InnEmpty = 1,
    InnLengthNot10Or12 = 2,
    InnLengthNot10 = 3,
    InnLengthNot12 = 4,
    InnCheckDigitsWrong = 5
};

// Results of CheckKpp.
enum : quint16 { KppValid = 0, KppEmpty = 1, KppLengthNot9 = 2 };

// Validates an INN by its length and its published control digits; surrounding spaces are ignored.
quint16 CheckInn(const QString& text, InnMode mode);
// Checks that a KPP is present and has nine characters; surrounding spaces are ignored.
quint16 CheckKpp(const QString& text);
