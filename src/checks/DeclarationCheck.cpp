#include "checks/DeclarationCheck.h"

#include "checks/SectionRules.h"
#include "records/Declaration.h"

namespace {

// One run of the check: the rules come from SectionRules; this decides which sections run and how many
// faults of a section are shown.
class CheckRun {
public:
    CheckRun(const mTDeclaration& declaration, ICheckAnswerer& answerer)
        : d(declaration), answerer_(answerer) {}

    CheckResult Run() {
        Enter(CheckSection::Conditions, CheckTitle::Conditions);
        // After "Отмена" the next rule still runs; "Исправить" ends the section.
        for (const RuleFault& f : SectionRules::Conditions(d))
            if (Report(f)) break;
        if (Clean()) {
            Enter(CheckSection::Person, CheckTitle::Person);
            FirstFault(SectionRules::Person(d, SectionRules::InnRequired::WhereTheReturnNeedsIt));
        }
        if (Clean() && d.ReturnKind != ReturnKind4NDFL) {
            Enter(CheckSection::Address, CheckTitle::Person);
            FirstFault(SectionRules::Address(d));
        }
        if (Clean() && (d.IncomeKinds & IncomeRussia)) {
            Enter(CheckSection::Income13, CheckTitle::Income13);
            // The second rule runs even after the first one has shown its dialog; the later answer decides.
            for (const RuleFault& f : SectionRules::Income13(d))
                Report(f);
        }
        if (Clean() && (d.IncomeKinds & IncomeForeign)) {
            Enter(CheckSection::Currency, CheckTitle::Currency);
            FirstFault(SectionRules::Currency(d));
        }
        if (Clean() && (d.IncomeKinds & IncomeBusiness)) {
            Enter(CheckSection::Business, CheckTitle::Business);
            FirstFault(SectionRules::Business(d));
        }
        if (Clean() && (d.IncomeKinds & IncomePractice)) {
            Enter(CheckSection::Practice, CheckTitle::Practice);
            FirstFault(SectionRules::Practice(d));
        }
        if (Clean() && d.IncomeKinds != 0) {
            Enter(CheckSection::StandardSocial, CheckTitle::Social);
            FirstFault(SectionRules::Social(d));
            if (Clean()) {
                Enter(CheckSection::StandardSocial, CheckTitle::Standard);
                FirstFault(SectionRules::Standard(d));
            }
            if (Clean() && d.PropertyDeduction.GrantProperty) {
                Enter(CheckSection::Property, CheckTitle::Property);
                FirstFault(SectionRules::Property(d));
            }
        }
        if (Clean() && d.ReturnKind != ReturnKind4NDFL) {
            Enter(CheckSection::Address, CheckTitle::Person);
            FirstFault(SectionRules::ResidenceOkato(d, SectionRules::OkatoWording::WholeDeclaration));
        }
        return result_;
    }

private:
    const mTDeclaration& d;
    ICheckAnswerer& answerer_;
    CheckResult result_;
    QString title_;

    bool Clean() const { return result_.Clean(); }

    void Enter(CheckSection section, const QString& title) {
        result_.Section = section;
        title_ = title;
    }

    // True when the user chose to fix the fault.
    bool Report(const RuleFault& fault) {
        const bool fix =
            answerer_.Answer({result_.Section, title_, fault.Message, fault.Position}) == CheckAnswer::Fix;
        result_.Position = fix ? fault.Position : CheckResult::CancelledPosition;
        return fix;
    }

    // Within most sections only the first fault is shown.
    void FirstFault(const QList<RuleFault>& faults) {
        if (!faults.isEmpty()) Report(faults.first());
    }
};

} // namespace

CheckResult CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer) {
    return CheckRun(declaration, answerer).Run();
}
