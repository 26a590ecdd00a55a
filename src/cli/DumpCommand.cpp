#include "cli/CliCommand.h"

#include "records/Declaration.h"

namespace {

int Dump(const QStringList& args) {
    if (args.size() != 1) return CliUsage(QStringLiteral("dump"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(args[0], declaration)) return ExitError;
    CliOut(declaration.DumpJson());
    return ExitOk;
}

const CliCommandRegistrar registrar({QStringLiteral("dump"), QStringLiteral("FILE"),
                                     QStringLiteral("выводит декларацию из файла в виде JSON"), Dump});

} // namespace
