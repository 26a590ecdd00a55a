// Writes the declaration seeds the program itself saves: every kind of return, and one with many
// sources. Run by fuzz/make-seeds.py, which derives the container's other shapes from them.
#include "records/Declaration.h"
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
    return 0;
}
