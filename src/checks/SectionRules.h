#pragma once

#include <QList>
#include <QString>

class mTDeclaration;

// One rule of a section that fails: its message and the position of the field (or the number of the
// record) to fix.
struct RuleFault {
    QString Message;
    quint16 Position = 0;

    friend bool operator==(const RuleFault&, const RuleFault&) = default;
};

// Every rule of every section, shared by the screens (which check when the user leaves them) and the
// whole-declaration check. Each list holds the failing rules in their order; how many of them a check
// shows is the check's own affair. Positions are those of ScreenPositions.h; in the lists of records
// a position is the number of the record, counted from 1.
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
// The OKATO code of the place of residence (11 characters) of a return other than 4-NDFL, in the words
// of the address page or of the whole-declaration check.
enum class OkatoWording { AddressPage, WholeDeclaration };
QList<RuleFault> ResidenceOkato(const mTDeclaration& declaration, OkatoWording wording);

// The 13 % sources: for each of the two rules, the first source that fails it (income below the tax
// withheld; no income lines).
QList<RuleFault> Income13(const mTDeclaration& declaration);
// The foreign-currency records: for each rule in turn, the first record that fails it.
QList<RuleFault> Currency(const mTDeclaration& declaration);
// The business records: the first fault of each failing record, in record order.
QList<RuleFault> Business(const mTDeclaration& declaration);
// The private-practice records: the first fault of each failing record, in record order.
QList<RuleFault> Practice(const mTDeclaration& declaration);

// Social deductions claimed with nothing entered.
QList<RuleFault> Social(const mTDeclaration& declaration);
// Standard deductions claimed from several workplaces in the same month.
QList<RuleFault> Standard(const mTDeclaration& declaration);
// The property deduction's object, ownership and the amounts carried over from earlier years.
QList<RuleFault> Property(const mTDeclaration& declaration);

} // namespace SectionRules
