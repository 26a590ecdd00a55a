#include "checks/DeclarationCheck.h"

#include "checks/SectionRules.h"
#include "records/Declaration.h"

namespace {

// One run of the check: the rules come from SectionRules; this decides which sections run and how many
// faults of a section are shown.
class CheckRun {
public:
    // every: run every section and every rule of it, whatever the answers (the list of all faults).
    CheckRun(const mTDeclaration& declaration, ICheckAnswerer& answerer, bool every = false)
        : d(declaration), answerer_(answerer), every_(every) {}

    CheckResult Run() {
        Enter(CheckSection::Conditions, CheckTitle::Conditions);
        // After "Отмена" the next rule still runs; "Исправить" ends the section.
        for (const RuleFault& f : SectionRules::Conditions(d))
            if (Report(f)) break;
        if (GoesOn()) {
            Enter(CheckSection::Person, CheckTitle::Person);
            FirstFault(SectionRules::Person(d, SectionRules::InnRequired::WhereTheReturnNeedsIt));
        }
        if (GoesOn() && d.ReturnKind != ReturnKind4NDFL) {
            Enter(CheckSection::Address, CheckTitle::Person);
            FirstFault(SectionRules::Address(d));
        }
        if (GoesOn() && (d.IncomeKinds & IncomeRussia)) {
            Enter(CheckSection::Income13, CheckTitle::Income13);
            // The second rule runs even after the first one has shown its dialog; the later answer decides.
            for (const RuleFault& f : SectionRules::Income13(d))
                Report(f);
        }
        if (GoesOn() && (d.IncomeKinds & IncomeForeign)) {
            Enter(CheckSection::Currency, CheckTitle::Currency);
            FirstFault(SectionRules::Currency(d));
        }
        if (GoesOn() && (d.IncomeKinds & IncomeBusiness)) {
            Enter(CheckSection::Business, CheckTitle::Business);
            FirstFault(SectionRules::Business(d));
        }
        if (GoesOn() && (d.IncomeKinds & IncomePractice)) {
            Enter(CheckSection::Practice, CheckTitle::Practice);
            FirstFault(SectionRules::Practice(d));
        }
        if (GoesOn() && d.IncomeKinds != 0) {
            Enter(CheckSection::StandardSocial, CheckTitle::Social);
            FirstFault(SectionRules::Social(d));
            if (GoesOn()) {
                Enter(CheckSection::StandardSocial, CheckTitle::Standard);
                FirstFault(SectionRules::Standard(d));
            }
            if (GoesOn() && d.PropertyDeduction.GrantProperty) {
                Enter(CheckSection::Property, CheckTitle::Property);
                FirstFault(SectionRules::Property(d));
            }
        }
        if (GoesOn() && d.ReturnKind != ReturnKind4NDFL) {
            Enter(CheckSection::Address, CheckTitle::Person);
            FirstFault(SectionRules::ResidenceOkato(d, SectionRules::OkatoWording::WholeDeclaration));
        }
        return result_;
    }

private:
    const mTDeclaration& d;
    ICheckAnswerer& answerer_;
    const bool every_;
    CheckResult result_;
    QString title_;

    bool GoesOn() const { return every_ || result_.Clean(); }

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
        for (const RuleFault& fault : faults)
            if (Report(fault) || !every_) break;
    }
};

} // namespace

CheckResult CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer) {
    return CheckRun(declaration, answerer).Run();
}

QList<CheckFault> EveryFault(const mTDeclaration& declaration) {
    class Collector : public ICheckAnswerer {
    public:
        CheckAnswer Answer(const CheckFault& fault) override {
            faults << fault;
            return CheckAnswer::Skip;
        }
        QList<CheckFault> faults;
    } collector;
    CheckRun(declaration, collector, true).Run();
    return collector.faults;
}
