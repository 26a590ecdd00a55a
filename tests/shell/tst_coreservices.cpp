#include "support/GuiTestSupport.h"

#include "checks/CheckAnswerer.h"
#include "export/XmlExport.h"
#include "print/FormPrinter.h"
#include "records/NewDeclaration.h"
#include "shell/CoreServices.h"
#include "shell/Main.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The services the program gives its main window are the core's own.
class TestCoreServices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportWritesTheFilingDocument() {
        CoreServices services;
        QTemporaryDir dir;
        auto declaration = CreateNewDeclaration();
        declaration->InspectionCode = QStringLiteral("7701");
        declaration->Person.INN = QStringLiteral("500100732259");
        const ExportOutcome file =
            services.Export(dir.path() + QDir::separator(), *declaration, ExportToFile);
        QVERIFY(file.Exported);
        QVERIFY2(file.Result.startsWith(QStringLiteral("NO_NDFL3_7701_7701_500100732259_")),
                 qPrintable(file.Result));
        QVERIFY(QFile::exists(dir.filePath(file.Result)));
        const ExportOutcome text = services.Export(QString(), *declaration, ExportToText);
        QVERIFY(text.Result.contains(QStringLiteral("<Файл")));

        const ExportOutcome failed =
            services.Export(dir.filePath(QStringLiteral("missing")), *declaration, ExportToFile);
        QVERIFY(!failed.Exported);
        QVERIFY(failed.ErrorString.startsWith(QStringLiteral("Не удалось записать файл ")));
    }

    void printComponentIsTheProgramsOwn() {
        CoreServices services;
        QVERIFY(dynamic_cast<TFormPrinter*>(services.CreatePrintComponent().get()));
    }

    void windowRunsTheDeclarationRules() {
        IsolatedEnvironment env;
        ScriptedPrompts prompts;
        struct Recorder : ICheckAnswerer {
            QStringList asked;
            CheckAnswer Answer(const CheckFault& fault) override {
                asked << fault.Message;
                return CheckAnswer::Cancel;
            }
        } answerer;
        TFormMain window({});
        window.SetCheckAnswerer(&answerer);
        QCOMPARE(window.CheckAndShow(), 2);
        QCOMPARE(answerer.asked, QStringList{QStringLiteral("Не введен номер инспекции")});
    }
};

QTEST_MAIN(TestCoreServices)
#include "tst_coreservices.moc"
