#include "support/GuiTestSupport.h"

#include "checks/CheckAnswerer.h"
#include "print/DeclarationExport.h"
#include "records/NewDeclaration.h"
#include "shell/CoreServices.h"
#include "shell/Main.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The program's hooks reach the real core services.
class TestCoreServices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportWritesTheFilingDocument() {
        InstallCoreServices();
        QTemporaryDir dir;
        auto declaration = CreateNewDeclaration();
        declaration->InspectionCode = QStringLiteral("7701");
        declaration->Person.INN = QStringLiteral("500100732259");
        const QString name = DeclarationExport::Run(dir.path() + QDir::separator(), *declaration,
                                                    DeclarationExport::WriteFile);
        QVERIFY2(name.startsWith(QStringLiteral("NO_NDFL3_7701_7701_500100732259_")), qPrintable(name));
        QVERIFY(QFile::exists(dir.filePath(name)));
        const QString text = DeclarationExport::Run(QString(), *declaration, DeclarationExport::ReturnText);
        QVERIFY(text.contains(QStringLiteral("<Файл")));
    }

    void checkRunsTheDeclarationRules() {
        IsolatedEnvironment env;
        ScriptedPrompts prompts;
        InstallCoreServices();
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
