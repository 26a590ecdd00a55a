#include "cli/CliCommand.h"
#include "cli/ReturnBatch.h"

#include "computation/SvodSum.h"
#include "records/Declaration.h"

namespace {

int ComputeFile(const QString& file) {
    mTDeclaration declaration;
    if (!CliLoadDeclaration(file, declaration)) return ExitError;
    kTSvodSum sum;
    bool computed = false;
    bool failed = false;
    try {
        sum.Compute(declaration);
        computed = true;
    } catch (...) {
        // As the export does: report the failure and go on with what was computed before it.
        CliError(kTSvodSum::FailureMessage);
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

int Compute(const QStringList& args) {
    ReturnBatch batch;
    if (!batch.Take(args, QStringLiteral("compute"))) return ExitError;
    return batch.Run([](qsizetype, const QString& file) { return ComputeFile(file); });
}

const CliCommandRegistrar
    registrar({QStringLiteral("compute"), QStringLiteral("FILE… ") + ReturnBatch::Usage,
               QStringLiteral("рассчитывает декларацию из файла и выводит результаты в виде JSON"), Compute});

} // namespace
