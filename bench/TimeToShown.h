#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Milliseconds from starting a program until it reports its first shown window (it prints "shown",
// as durovid does with DUROVID_REPORT_SHOWN=1), or a negative value when it never does.
double TimeToShown(const QString& program, const QStringList& arguments = {});

// The medians of several runs of the desktop program and of the plain Qt window built beside the
// benchmark; false when either was not shown.
struct ShownTimes {
    double program = 0;
    double plain = 0;
};
bool MedianTimesToShown(int runs, ShownTimes& out);
