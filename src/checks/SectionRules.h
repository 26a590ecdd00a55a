#pragma once

#include <QList>
#include <QString>

class mTDeclaration;

// One rule of a section that fails: its message and the position of the field to fix.
struct RuleFault {
    QString Message;
    quint16 Position = 0;
};

// The rules of the conditions and the taxpayer, shared by their screens (which check when the user
// leaves them) and the whole-declaration check. Each list holds the failing rules in their order.
namespace SectionRules {

// Tax office and signer.
QList<RuleFault> Conditions(const mTDeclaration& declaration);

// Who must give an INN: the taxpayer's screen asks every taxpayer for it, the whole-declaration check
// only those with business income, entrepreneurs and 4-NDFL returns.
enum class InnRequired { Always, WhereTheReturnNeedsIt };
// Name, INN, birth, identity document and (for 4-NDFL) the OKATO code.
QList<RuleFault> Person(const mTDeclaration& declaration, InnRequired innRequired);
// Region and locality or street of the address in the Russian Federation.
QList<RuleFault> Address(const mTDeclaration& declaration);

} // namespace SectionRules
