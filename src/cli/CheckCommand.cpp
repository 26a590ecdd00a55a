#include "cli/CliCommand.h"

#include "checks/DeclarationCheck.h"
#include "records/Declaration.h"

namespace {

// The console cannot fix a fault: it prints each one and answers "Отмена".
class PrintingAnswerer : public ICheckAnswerer {
public:
    CheckAnswer Answer(const CheckFault& fault) override {
        faulty = true;
        CliOut(QStringLiteral("%1: %2 (position %3)\n").arg(fault.Title, fault.Message).arg(fault.Position));
        return CheckAnswer::Cancel;
    }
    bool faulty = false;
};

// Runs the whole-declaration check answering "Отмена" to every fault, as the console cannot fix one.
int Check(const QStringList& args) {
    if (args.size() != 1) return CliUsage(QStringLiteral("check"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(args[0], declaration)) return ExitError;
    PrintingAnswerer answerer;
    CheckDeclaration(declaration, answerer);
    return answerer.faulty ? ExitFaults : ExitOk;
}

const CliCommandRegistrar registrar({QStringLiteral("check"), QStringLiteral("FILE"),
                                     QStringLiteral("проверяет декларацию и выводит найденные ошибки"),
                                     Check});

} // namespace
