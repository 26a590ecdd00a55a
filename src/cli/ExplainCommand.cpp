#include "cli/CliCommand.h"
#include "cli/ReturnBatch.h"

#include "explain/ExplanationText.h"
#include "explain/TaxExplanation.h"
#include "records/Declaration.h"

namespace {

// The computation of a declaration file explained step by step, as text or as JSON.
int ExplainFile(const QString& file, bool json) {
    mTDeclaration declaration;
    if (!CliLoadDeclaration(file, declaration)) return ExitError;
    const Explanation explanation = ExplainDeclaration(declaration);
    // As the export does: report a failed computation and show what was computed before it.
    if (!explanation.Error.isEmpty()) CliError(explanation.Error);
    CliOut(json ? ExplanationJson(explanation) : ExplanationText(explanation).toUtf8());
    return explanation.Error.isEmpty() ? ExitOk : ExitFaults;
}

int Explain(const QStringList& args) {
    QStringList files = args;
    const bool json = files.removeAll(QStringLiteral("--json")) > 0;
    ReturnBatch batch;
    if (!batch.Take(files, QStringLiteral("explain"))) return ExitError;
    return batch.Run([json](qsizetype, const QString& file) { return ExplainFile(file, json); });
}

const CliCommandRegistrar
    registrar({QStringLiteral("explain"), QStringLiteral("FILE… [--json] ") + ReturnBatch::Usage,
               QStringLiteral("объясняет расчёт налога: из чего сложилась каждая сумма и какое "
                              "правило её ограничило (текстом или в виде JSON)"),
               Explain});

} // namespace
