// Writes the declaration seeds the program itself saves: every kind of return, one with many sources,
// and one source holding as many income lines as a source may. Run by fuzz/make-seeds.py, which derives
// the container's other shapes from them.
#include "records/Declaration.h"
#include "records/ListLimits.h"
#include "records/NewDeclaration.h"
#include "tests/support/Samples.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-declaration-seeds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const auto fresh = CreateNewDeclaration();
    fresh->SignDate = 40634; // 01.04.2011 rather than today, so that the seeds stay the same
    fresh->SaveToFile(folder.filePath(QStringLiteral("new.kv0")));
    {
        mTDeclaration d;
        Samples::FillEverything(d);
        d.SaveToFile(folder.filePath(QStringLiteral("full.kv0")));
        d.ReturnKind = ReturnKind3NDFL;
        d.SaveToFile(folder.filePath(QStringLiteral("resident.kv0")));
        d.ReturnKind = ReturnKind4NDFL;
        d.SaveToFile(folder.filePath(QStringLiteral("ndfl4.kv0")));
    }
    mTDeclaration many;
    Samples::FillWithSources(many, 25);
    many.SaveToFile(folder.filePath(QStringLiteral("many-sources.kv0")));
    // make-seeds.py adds one line more than the program saves.
    mTDeclaration full;
    Samples::FillWithSources(full, 1);
    mTThirteenPercent* source = full.IncomeSources13.At(0);
    while (source->LineCount() > 0)
        source->DeleteLine(0);
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = Samples::M("1");
    line.Month = 1;
    while (source->LineCount() < ListLimits::MaxCount(ListLimits::List::IncomeLines))
        source->AddLine(line);
    full.SaveToFile(folder.filePath(QStringLiteral("lines-full.kv0")));
    return 0;
}
