#include "support/GuiTestSupport.h"

#include "form/ReturnLayout.h"
#include "print/FormPrinter.h"
#include "print/PrintModule.h"
#include "print/ReturnPreview.h"
#include "records/NewDeclaration.h"

#include <QFile>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QTest>

namespace {

const QString SampleXml = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
    "<Файл ИдФайл=\"NO_NDFL3_7701_7701_500100732259_20110301_X\" ВерсПрог=\"1.0.2\" ВерсФорм=\"5.06\">"
    "<Документ КНД=\"1151020\" ДатаДок=\"01.03.2011\" Период=\"34\" ОтчетГод=\"2010\" КодНО=\"7701\" "
    "НомКорр=\"0\">"
    "<СвНП><НПФЛ3 ОКАТО=\"45286555000\" ДокПредст=\"760\" Статус=\"1\"><ФИОФЛ Фамилия=\"ИВАНОВ\" "
    "Имя=\"ИВАН\" "
    "Отчество=\"ИВАНОВИЧ\"/><СвАдрРФ ПрАдр=\"1\"><АдрРФ Индекс=\"101000\" КодРегион=\"77\" "
    "Улица=\"ТВЕРСКАЯ\"/></СвАдрРФ>"
    "<СведФЛ1 ИННФЛ=\"500100732259\" ДатаРожд=\"01.01.1970\" ПрГражд=\"1\" ОКСМ=\"643\"/></НПФЛ3></СвНП>"
    "<Подписант ПрПодп=\"1\"/>"
    "<НДФЛ3><ИтогУплВозв><НалБаза13 ДоходОбщ=\"120000.00\" НалБаза=\"120000.00\" НалИсчисл=\"15600\"/>"
    "<СведДохВыч><ДоходИстРФ Ставка=\"13\"><СведИст ИННЮЛ=\"7701000000\" КПП=\"770101001\" НаимИстДох=\"ООО "
    "РОМАШКА\"/>"
    "</ДоходИстРФ></СведДохВыч></ИтогУплВозв><ПодлУплВозв КБК=\"18210102021011000110\" "
    "ПодлУпл=\"0\"/></НДФЛ3>"
    "</Документ></Файл>");

// A print component that records how it is driven.
class RecordingComponent : public TPrintComponent {
public:
    explicit RecordingComponent(QStringList* log) : log_(log) {}
    void SetPrintTiffParam(const QString& name, const QString& value) override {
        *log_ << "param " + name + "=" + value;
    }
    void SetPrintTiffFolder(const QString& folder) override { *log_ << "folder " + folder; }
    void PreviewData(const QString& xml, QWidget* owner) override {
        *log_ << QStringLiteral("preview %1 %2").arg(xml, owner ? "owned" : "unowned");
        if (fail) throw PrintComponentError(QStringLiteral("Просмотр не удался"));
    }
    void PrintData(const QString& xml, const QString& reserved, const QString& printer, int flags) override {
        *log_ << QStringLiteral("print %1|%2|%3|%4").arg(xml, reserved, printer).arg(flags);
        if (fail) throw PrintComponentError(QStringLiteral("Принтер не отвечает"));
    }
    static inline bool fail = false;

private:
    QStringList* log_;
};

} // namespace

class TestPrintModule : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<mTDeclaration> declaration;
    QStringList log;
    QWidget owner;
    int checks = 0;

    // The component the run makes; the export's text, or its failure when exportError is set.
    std::function<std::unique_ptr<TPrintComponent>()> component;
    QString exportError;

    PrintRun Run(int checkResult = 0) {
        PrintRun run;
        run.Owner = &owner;
        run.Declaration = declaration.get();
        run.ProgramDir = QStringLiteral("/opt/durovid/");
        run.CheckAndShow = [this, checkResult] {
            ++checks;
            return checkResult;
        };
        run.ExportText = [this](QString& text, QString& error) {
            log << QStringLiteral("export");
            text = QStringLiteral("<xml/>");
            error = exportError;
            return exportError.isEmpty();
        };
        run.CreateComponent = [this] { return component(); };
        return run;
    }

private slots:
    void init() {
        prompts = std::make_unique<ScriptedPrompts>();
        declaration = CreateNewDeclaration();
        declaration->InspectionName = QStringLiteral("ИФНС России № 1 по г. Москве");
        log.clear();
        checks = 0;
        RecordingComponent::fail = false;
        component = [this] { return std::make_unique<RecordingComponent>(&log); };
        exportError.clear();
    }
    void cleanup() { prompts.reset(); }

    void previewCallsInOrder() {
        RunPrintModule(PrintMode::Preview, Run());
        QCOMPARE(checks, 1);
        QCOMPARE(log,
                 (QStringList{"param Наименование налогового органа-получателя=ИФНС России № 1 по г. Москве",
                              "folder /opt/durovid/", "export", "preview <xml/> owned"}));
        QVERIFY(prompts->messages.isEmpty());
    }

    void threeCopiesPrintThreeTimes() {
        prompts->printCopies = 3;
        RunPrintModule(PrintMode::Print, Run());
        QCOMPARE(prompts->printDialogs, 1);
        QStringList printed = log.filter(QStringLiteral("print "));
        QCOMPARE(printed.size(), 3);
        QCOMPARE(printed.removeDuplicates(), 2);
        QVERIFY(printed[0].startsWith(QStringLiteral("print <xml/>||")));
        QVERIFY(printed[0].endsWith(QStringLiteral("|0")));
    }

    void printDialogCancelledPrintsNothing() {
        prompts->printAccepted = false;
        RunPrintModule(PrintMode::Print, Run());
        QVERIFY(log.filter(QStringLiteral("print ")).isEmpty());
    }

    void componentFailureEndsTheRun_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("preview") << int(PrintMode::Preview) << "Просмотр не удался";
        QTest::newRow("print") << int(PrintMode::Print) << "Принтер не отвечает";
    }
    void componentFailureEndsTheRun() {
        QFETCH(int, mode);
        QFETCH(QString, message);
        RecordingComponent::fail = true;
        prompts->printCopies = 3;
        RunPrintModule(PrintMode(mode), Run());
        QCOMPARE(prompts->Texts(), QStringList{message});
        QVERIFY(log.filter(QStringLiteral("print ")).size() <= 1);
    }

    void missingComponent() {
        component = [] { return std::unique_ptr<TPrintComponent>(); };
        RunPrintModule(PrintMode::Preview, Run());
        QCOMPARE(prompts->Texts(),
                 QStringList{QStringLiteral("Не найден модуль печати. Войдите в рабочий каталог программы "
                                            "\"Durovid 2010\" и запустите файл \"FormPrint-setup.msi\"")});
        QVERIFY(log.isEmpty());
    }

    void failedExportIsShownAndNothingPrinted() {
        exportError = QStringLiteral("Ошибка в выгрузке.");
        RunPrintModule(PrintMode::Print, Run());
        QCOMPARE(prompts->Texts(), QStringList{exportError});
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(prompts->printDialogs, 0);
        QVERIFY(log.filter(QStringLiteral("print ")).isEmpty());
    }

    void failingCheckStops() {
        RunPrintModule(PrintMode::Print, Run(1));
        QCOMPARE(checks, 1);
        QVERIFY(log.isEmpty());
        QCOMPARE(prompts->printDialogs, 0);
    }

    // The preview shows every page of the form, with a thumbnail of each to go to it.
    void previewShowsEveryPage() {
        ReturnLayout layout;
        QVERIFY(layout.Lay(SampleXml));
        TfmReturnPreview preview(layout.Pages(), &owner);
        auto* thumbnails = preview.findChild<QListWidget*>(QStringLiteral("lwPages"));
        QVERIFY(thumbnails);
        QCOMPARE(size_t(thumbnails->count()), layout.Pages().size());
        QCOMPARE(thumbnails->item(2)->text(), QStringLiteral("003 Раздел 1"));
        QVERIFY(preview.findChild<QPrintPreviewWidget*>(QStringLiteral("pvReturn")));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(preview.Preview()->pageCount(), thumbnails->count());
        thumbnails->setCurrentRow(2);
        QCOMPARE(preview.Preview()->currentPage(), 3);
        const QString shots = qEnvironmentVariable("DUROVID_SHOTS");
        if (!shots.isEmpty()) preview.grab().save(QDir(shots).filePath(QStringLiteral("preview.png")));

        TFormPrinter printer;
        QVERIFY_THROWS_EXCEPTION(PrintComponentError, printer.PreviewData(QStringLiteral("ERROR"), &owner));
    }

    // "Сохранить в PDF" writes the pages the preview shows; a file that cannot be written is reported
    // and an older one left as it was.
    void previewSavesItsPagesAsPdf() {
        ReturnLayout layout;
        QVERIFY(layout.Lay(SampleXml));
        TfmReturnPreview preview(layout.Pages(), &owner);
        const QString pdf = env.ProgramFile(QStringLiteral("preview.pdf"));
        QVERIFY(preview.SavePdf(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n"), qsizetype(layout.Pages().size()));
        QVERIFY(prompts->messages.isEmpty());

        const QString missing = env.ProgramFile(QStringLiteral("no-such-folder/preview.pdf"));
        QVERIFY(!preview.SavePdf(missing));
        QCOMPARE(prompts->messages.size(), 1);
        QVERIFY2(prompts->messages[0].text.startsWith(QStringLiteral("Не удалось сохранить файл")),
                 qPrintable(prompts->messages[0].text));
        QVERIFY(!QFile::exists(missing));
    }

    void printsIntoPdf() {
        const QString pdf = env.ProgramFile(QStringLiteral("return.pdf"));
        TFormPrinter printer;
        printer.SetPrintTiffParam(InspectionNameParam, QStringLiteral("ИФНС России № 1 по г. Москве"));
        printer.SetPrintTiffParam(PdfFileParam, pdf);
        printer.PrintData(SampleXml, QString(), QString(), 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
    }
};

QTEST_MAIN(TestPrintModule)
#include "tst_printmodule.moc"
