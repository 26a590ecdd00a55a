#pragma once

#include "certificates/IncomeCertificate.h"

#include <QStringList>
#include <optional>

class mTStandartDeduct;

// The standard deductions that codes 103 to 113 of an income certificate stand for, and the choices of
// the standard-deductions screen they imply.
namespace StandardDeductionCodes {

enum class Deduction { Personal, Children, DisabledChildren };

struct Code {
    qint32 Code;
    Deduction Kind;
    bool Double;     // the doubled deduction of a single parent (or of one whom the other parent left it)
    qint64 PerMonth; // roubles a month, for one child where the deduction is per child
};

// The entry of a deduction code; nullptr for a code that is no standard deduction.
const Code* Find(qint32 code);

// What the standard deductions of the taxpayer's certificates propose. A choice is given only where the
// certificates leave no doubt: the personal code the highest granted; the children's deduction ordinary
// or single parent's when every code says the same; a number of children when the deduction is an exact
// multiple of the months in which the agent could grant it.
struct Proposal {
    std::optional<qint32> PersonalCode; // 103, 104 or 105
    std::optional<qint32> ChildKind;    // 101 ordinary, 102 single parent; 0 both kinds (no choice)
    std::optional<qint32> ChildrenCount;
    std::optional<qint32> DisabledCount;

    bool Empty() const { return !PersonalCode && !ChildKind && !ChildrenCount && !DisabledCount; }
    // One line per choice, as the standard-deductions screen names it.
    QStringList Texts() const;
    // Grants the standard deductions and sets the choices proposed; the rest of the record stays.
    void ApplyTo(mTStandartDeduct& record) const;
};

// Adds what one certificate's income at 13 % grants to the proposal.
void Propose(const CertificateRateBlock& block, Proposal& proposal);

// True when the block grants any standard deduction, which makes its source the one by which the
// standard deductions are computed.
bool GrantsStandard(const CertificateRateBlock& block);

} // namespace StandardDeductionCodes
