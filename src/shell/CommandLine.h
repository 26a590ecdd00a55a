#pragma once

#include <QStringList>

// The declaration file named on the command line (arguments without the program's name):
// with one or two arguments the first, or the second when the first is "-p" in any letter case;
// otherwise none (an empty text).
QString DeclarationFileFromArguments(const QStringList& arguments);
