#include "cli/CliCommand.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

namespace {

int Compute(const QStringList& args) {
    if (args.size() != 1) return CliUsage(QStringLiteral("compute"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(args[0], declaration)) return ExitError;
    kTSvodSum sum;
    bool computed = false;
    bool failed = false;
    try {
        computed = sum.Compute(declaration);
    } catch (...) {
        // As the export does: report the failure and go on with what was computed before it.
        CliError(QStringLiteral(
            "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки"));
        failed = true;
    }
    JsonDumper json;
    json.BeginObject();
    json.Bool("Compute", computed);
    sum.Fields(json);
    json.EndObject();
    CliOut(json.Result());
    return failed ? ExitFaults : ExitOk;
}

const CliCommandRegistrar
    registrar({QStringLiteral("compute"), QStringLiteral("FILE"),
               QStringLiteral("рассчитывает декларацию из файла и выводит результаты в виде JSON"), Compute});

} // namespace
