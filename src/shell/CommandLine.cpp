#include "shell/CommandLine.h"

QString DeclarationFileFromArguments(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.size() > 2) return {};
    if (arguments[0].toLower() == QLatin1String("-p")) return arguments.value(1);
    return arguments[0];
}
