#include "cli/CliCommand.h"

#include "explain/ExplanationText.h"
#include "explain/TaxExplanation.h"
#include "records/Declaration.h"

namespace {

// The computation of a declaration file explained step by step, as text or as JSON.
int Explain(const QStringList& args) {
    QString file;
    bool json = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (file.isEmpty() && !arg.startsWith(QLatin1String("--")))
            file = arg;
        else
            return CliUsage(QStringLiteral("explain"));
    }
    if (file.isEmpty()) return CliUsage(QStringLiteral("explain"));
    mTDeclaration declaration;
    if (!CliLoadDeclaration(file, declaration)) return ExitError;
    const Explanation explanation = ExplainDeclaration(declaration);
    // As the export does: report a failed computation and show what was computed before it.
    if (!explanation.Error.isEmpty()) CliError(explanation.Error);
    CliOut(json ? ExplanationJson(explanation) : ExplanationText(explanation).toUtf8());
    return explanation.Error.isEmpty() ? ExitOk : ExitFaults;
}

const CliCommandRegistrar
    registrar({QStringLiteral("explain"), QStringLiteral("FILE [--json]"),
               QStringLiteral("объясняет расчёт налога: из чего сложилась каждая сумма и какое "
                              "правило её ограничило (текстом или в виде JSON)"),
               Explain});

} // namespace
