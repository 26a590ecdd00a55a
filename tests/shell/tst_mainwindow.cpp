#include "support/GuiTestSupport.h"

#include "checks/DeclarationCheck.h"
#include "controls/FlashButton.h"
#include "controls/ModificationNotice.h"
#include "desktop/HelpWindow.h"
#include "dialogs/AttachedDocuments.h"
#include "dialogs/CheckAllError.h"
#include "records/NewDeclaration.h"
#include "records/StartingDates.h"
#include "screens/SectionScreens.h"
#include "shell/Main.h"
#include "storage/StorageErrors.h"
#include "support/ScreenTestSupport.h"
#include "support/ValidDeclaration.h"

#include "pickers/CountryPicker.h"
#include "pickers/InspectionPicker.h"
#include "reference/CurrencyRates.h"
#include "reference/OkvedClassifier.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// A screen that records what the main window asks of it and refuses to be left while told to.
class RecordingFrame : public TThinkingFrame {
public:
    RecordingFrame(QWidget* owner, ScreenHost& host, QString name)
        : TThinkingFrame(owner, host), name_(std::move(name)) {}
    void Store() override { log << name_ + QStringLiteral(":Store"); }
    quint16 Check() override {
        log << name_ + QStringLiteral(":Check");
        return refuse;
    }
    void ShowPosition(quint16 position) override {
        log << name_ + QStringLiteral(":ShowPosition(%1)").arg(position);
    }
    void ShowSubScreen(int sub, quint16 position) override {
        log << name_ + QStringLiteral(":ShowSubScreen(%1,%2)").arg(sub).arg(position);
    }

    static inline QStringList log;
    static inline quint16 refuse = 0;

private:
    QString name_;
};

// Answers every fault with the next scripted answer and remembers what it was asked.
class ScriptedAnswerer : public ICheckAnswerer {
public:
    CheckAnswer Answer(const CheckFault& fault) override {
        asked << fault.Title + QStringLiteral(": ") + fault.Message;
        return answers.isEmpty() ? CheckAnswer::Cancel : answers.takeFirst();
    }
    QStringList asked;
    QList<CheckAnswer> answers;
};

const QString Untitled = QStringLiteral("Без имени - Durovid 2010");

using Mutation = std::function<void(mTDeclaration&)>;

void CopyDataFile(const IsolatedEnvironment& env, const QString& name) {
    QFile::remove(env.ProgramFile(name));
    QVERIFY(QFile::copy(QStringLiteral(DUROVID_SOURCE_DIR "/data/") + name, env.ProgramFile(name)));
}

} // namespace

Q_DECLARE_METATYPE(Mutation)

class TestMainWindow : public QObject {
    Q_OBJECT

    IsolatedEnvironment env;
    FakeCoreServices services;
    std::unique_ptr<ScriptedPrompts> prompts;
    QTemporaryDir files;

    QString SavedDeclaration(const QString& name, const QString& inspection = QStringLiteral("7701")) {
        auto declaration = CreateNewDeclaration();
        declaration->InspectionCode = inspection;
        const QString path = files.filePath(name);
        declaration->SaveToFile(path);
        return path;
    }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void SetStored(const QList<std::pair<QString, QVariant>>& values) {
        QSettings s(QStringLiteral("Вектрон"), QStringLiteral("Durovid 2010"));
        for (const auto& [k, v] : values)
            s.setValue(k, v);
    }
    static QVariant Stored(const QString& name) {
        return QSettings(QStringLiteral("Вектрон"), QStringLiteral("Durovid 2010")).value(name);
    }

private slots:
    void init() {
        env.ClearSettings();
        prompts = std::make_unique<ScriptedPrompts>();
        RecordingFrame::log.clear();
        RecordingFrame::refuse = 0;
        for (int i = 0; i < SectionCount; ++i)
            SectionScreens::Register(Section(i), [i](QWidget* owner, ScreenHost& host) {
                return new RecordingFrame(owner, host, QStringLiteral("S%1").arg(i));
            });
        services = FakeCoreServices();
        for (const QString& name : {ReferenceFileName::Inspections, ReferenceFileName::Countries,
                                    ReferenceFileName::Okved, ReferenceFileName::CurrencyRates}) {
            QFile::remove(env.ProgramFile(name));
            QFile::remove(env.UserFile(name));
        }
        QDir(env.ProgramFile(QStringLiteral("help"))).removeRecursively();
    }
    void cleanup() {
        for (int i = 0; i < SectionCount; ++i)
            SectionScreens::Register(Section(i), {});
        prompts.reset();
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("opens");
        const QString file = QStringLiteral("FILE");
        QTest::newRow("file alone") << QStringList{file} << true;
        QTest::newRow("-p and file") << QStringList{QStringLiteral("-p"), file} << true;
        QTest::newRow("-P and file") << QStringList{QStringLiteral("-P"), file} << true;
        QTest::newRow("file and another word") << QStringList{file, QStringLiteral("x")} << true;
        QTest::newRow("three arguments")
            << QStringList{QStringLiteral("-p"), file, QStringLiteral("x")} << false;
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("-p alone") << QStringList{QStringLiteral("-p")} << false;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, opens);
        const QString path = SavedDeclaration(QStringLiteral("given.kv0"));
        arguments.replaceInStrings(QStringLiteral("FILE"), path);
        TFormMain window(arguments, &services);
        QCOMPARE(window.DocumentFileName(), opens ? path : QString());
        QCOMPARE(window.windowTitle(), opens ? QStringLiteral("given.kv0 - Durovid 2010") : Untitled);
        QCOMPARE(window.Declaration().InspectionCode, opens ? QStringLiteral("7701") : QString());
        QVERIFY(window.Saved());
        QVERIFY(prompts->messages.isEmpty());
        QVERIFY(window.SectionButton(Section::InitialData)->Down());
        QCOMPARE(SectionScreens::SectionOf(window.CurrentFrame()), Section::InitialData);
    }

    void damagedFileOnCommandLine_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong signature")
            << QByteArray("NOTADECLARATION-NOTADECLARATION-NOTADECLARATION-XXXXXXXXXXXXXXXX")
            << StorageText::DamagedFile;
        QTest::newRow("missing file") << QByteArray() << QString();
    }
    void damagedFileOnCommandLine() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = files.filePath(QStringLiteral("bad.kv0"));
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        TFormMain window({path}, &services);
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);
        if (!message.isEmpty()) QCOMPARE(prompts->messages[0].text, message);
        QCOMPARE(window.windowTitle(), Untitled);
        QVERIFY(window.DocumentFileName().isEmpty());
        QCOMPARE(window.Declaration().AutoSheetCount, quint8(1));
        QCOMPARE(window.Declaration().IncomeKinds, quint8(IncomeRussia));
    }

    void placement_data() {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("first start: centred") << QVariantMap{} << QRect(90, 162, 1100, 700) << false;
        QTest::newRow("left 1500 on a 1280 screen")
            << QVariantMap{{"wLeft", 1500}, {"wTop", 10}, {"wWidth", 900}, {"wHeight", 600}}
            << QRect(480, 10, 800, 600) << false;
        QTest::newRow("names in other letter case")
            << QVariantMap{{"WLEFT", 100}, {"wtop", 50}, {"WWidth", 900}, {"wheight", 700}}
            << QRect(100, 50, 900, 700) << false;
        QTest::newRow("too low for the work area")
            << QVariantMap{{"wLeft", 10}, {"wTop", 900}, {"wWidth", 900}, {"wHeight", 700}}
            << QRect(10, 453, 900, 571) << false;
        QTest::newRow("negative place")
            << QVariantMap{{"wLeft", -50}, {"wTop", -20}, {"wWidth", 850}, {"wHeight", 600}}
            << QRect(0, 0, 850, 600) << false;
        QTest::newRow("maximised ignores the place")
            << QVariantMap{{"FullScreen", true}, {"wLeft", 1}, {"wTop", 2}, {"wWidth", 900}, {"wHeight", 700}}
            << QRect(240, 226, 800, 571) << true;
    }
    void placement() {
        QFETCH(QVariantMap, stored);
        QFETCH(QRect, geometry);
        QFETCH(bool, maximised);
        for (auto it = stored.begin(); it != stored.end(); ++it)
            SetStored({{it.key(), it.value()}});
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        QCOMPARE(window.isMaximized(), maximised);
        const QRect normal = maximised ? window.normalGeometry() : QRect(window.pos(), window.size());
        if (!maximised) QCOMPARE(normal, geometry);
        QCOMPARE(window.ToolBar()->isVisible(), true);
    }

    void closingWritesPlacement() {
        {
            TFormMain window({}, &services);
            window.ShowPlaced(1280, 1024);
            window.move(33, 44);
            window.resize(900, 650);
            QVERIFY(window.close());
        }
        QCOMPARE(Stored("wLeft").toInt(), 33);
        QCOMPARE(Stored("wTop").toInt(), 44);
        QCOMPARE(Stored("wWidth").toInt(), 900);
        QCOMPARE(Stored("wHeight").toInt(), 650);
        QCOMPARE(Stored("FullScreen").toBool(), false);
        {
            TFormMain window({}, &services);
            window.ShowPlaced(1280, 1024);
            window.showMaximized();
            QVERIFY(window.close());
        }
        QCOMPARE(Stored("FullScreen").toBool(), true);
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        QVERIFY(window.isMaximized());
    }

    void sizeLimits() {
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        window.resize(700, 500);
        QCOMPARE(window.size(), QSize(800, 571));
        window.resize(1000, 570);
        QCOMPARE(window.size(), QSize(1000, 571));
    }

    void toolbarSettings() {
        SetStored({{"TextLabels", false}, {"ShowStdToolbar", true}});
        {
            TFormMain window({}, &services);
            window.ShowPlaced(1280, 1024);
            auto* newButton =
                qobject_cast<QToolButton*>(window.ToolBar()->widgetForAction(window.ToolBar()->actions()[0]));
            QCOMPARE(newButton->size(), QSize(35, 35));
            QCOMPARE(window.ToolBar()->toolButtonStyle(), Qt::ToolButtonIconOnly);
            window.Action(QStringLiteral("acTextLabels"))->trigger();
            QCOMPARE(Stored("TextLabels").toBool(), true);
            QCOMPARE(newButton->size(), QSize(80, 47));
            QCOMPARE(newButton->text(), QStringLiteral("Создать"));
            QCOMPARE(window.ToolBar()->minimumHeight(), 50);
            window.Action(QStringLiteral("acStdToolbar"))->trigger();
            QCOMPARE(Stored("ShowStdToolbar").toBool(), false);
            QVERIFY(!window.ToolBar()->isVisible());
        }
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        QVERIFY(!window.ToolBar()->isVisible());
        QVERIFY(!window.Action(QStringLiteral("acStdToolbar"))->isChecked());
        QVERIFY(window.Action(QStringLiteral("acTextLabels"))->isChecked());
        const QStringList toolbarTexts = [&] {
            QStringList texts;
            for (QAction* a : window.ToolBar()->actions())
                if (!a->isSeparator()) texts << a->text();
            return texts;
        }();
        QCOMPARE(toolbarTexts, (QStringList{"Создать", "Открыть", "Сохранить", "Отменить", "Повторить",
                                            "Просмотр", "Печать", "Файл xml", "Проверить", "Расчёт"}));
    }

    void sectionButtons() {
        TFormMain window({}, &services);
        const QStringList captions{"Задание условий",         "Сведения о декларанте",
                                   "Доходы, полученные в РФ", "Доходы за пределами РФ",
                                   "Предприниматели",         "Вычеты",
                                   "Уплата по уведомлениям"};
        const int tops[] = {0, 71, 142, 213, 284, 355, 426};
        for (int i = 0; i < SectionCount; ++i) {
            TFlashButton* b = window.SectionButton(Section(i));
            QCOMPARE(b->Caption(), captions[i]);
            QCOMPARE(b->geometry(), QRect(0, tops[i], 185, i == 6 ? 31 : 71));
            QCOMPARE(b->GroupIndex(), 1);
        }
        QCOMPARE(window.SectionButton(Section::Nalog)->toolTip(), QString());
        QCOMPARE(window.SectionButton(Section::InitialData)->toolTip(), QStringLiteral("Выбор режима ввода"));
    }

    void sectionEnabling_data() {
        QTest::addColumn<int>("incomeKinds");
        QTest::addColumn<int>("returnKind");
        QTest::addColumn<QString>("enabled"); // one letter per button: + enabled, - disabled
        QTest::newRow("new declaration") << 1 << 0 << "+++--++";
        QTest::newRow("all kinds") << 15 << 0 << "+++++++";
        QTest::newRow("no income") << 0 << 0 << "++----+";
        QTest::newRow("non-resident") << 3 << 1 << "++++--+";
        QTest::newRow("4-NDFL") << 4 << 2 << "++--+--";
    }
    void sectionEnabling() {
        QFETCH(int, incomeKinds);
        QFETCH(int, returnKind);
        QFETCH(QString, enabled);
        TFormMain window({}, &services);
        auto declaration = CreateNewDeclaration();
        declaration->SetIncomeKinds(quint8(incomeKinds));
        declaration->ReturnKind = quint8(returnKind);
        window.ShowDeclaration(std::move(declaration));
        QString actual;
        for (int i = 0; i < SectionCount; ++i)
            actual += window.SectionButton(Section(i))->isEnabled() ? '+' : '-';
        QCOMPARE(actual, enabled);
    }

    void modificationNotice() {
        TFormMain window({}, &services);
        QVERIFY(window.Saved());
        window.SetLoading(true);
        SendModificationNotice(window.CurrentFrame());
        QVERIFY(window.Saved());
        window.SetLoading(false);
        SendModificationNotice(window.CurrentFrame());
        QVERIFY(!window.Saved());
    }

    void sectionSwitch() {
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        TThinkingFrame* conditions = window.CurrentFrame();
        RecordingFrame::refuse = 3;
        QTest::mouseClick(window.SectionButton(Section::PersonData), Qt::LeftButton);
        QCOMPARE(RecordingFrame::log, (QStringList{"S0:Store", "S0:Check", "S0:ShowPosition(3)"}));
        QCOMPARE(window.CurrentFrame(), conditions);
        QVERIFY(window.SectionButton(Section::InitialData)->Down());
        QVERIFY(!window.SectionButton(Section::PersonData)->Down());

        RecordingFrame::log.clear();
        RecordingFrame::refuse = 0;
        QTest::mouseClick(window.SectionButton(Section::PersonData), Qt::LeftButton);
        QCOMPARE(RecordingFrame::log, (QStringList{"S0:Store", "S0:Check"}));
        QCOMPARE(SectionScreens::SectionOf(window.CurrentFrame()), Section::PersonData);
        QCOMPARE(window.CurrentSectionButton(), window.SectionButton(Section::PersonData));
        QVERIFY(window.SectionButton(Section::PersonData)->Down());
        QVERIFY(window.Saved());
        QVERIFY(!window.Loading());

        // The section already shown: nothing happens.
        RecordingFrame::log.clear();
        QTest::mouseClick(window.SectionButton(Section::PersonData), Qt::LeftButton);
        QVERIFY(RecordingFrame::log.isEmpty());
    }

    void emptySectionsShowTheirNames() {
        for (int i = 0; i < SectionCount; ++i)
            SectionScreens::Register(Section(i), {});
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        QTest::mouseClick(window.SectionButton(Section::RussianIncome), Qt::LeftButton);
        auto* title = window.CurrentFrame()->findChild<QLabel*>(QStringLiteral("lbSectionTitle"));
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("Доходы, полученные в РФ"));
        QCOMPARE(window.CurrentFrame()->parentWidget(), window.Container());
        SaveShot(&window, QStringLiteral("main-window"));
    }

    void newCommand_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveName");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel keeps everything") << int(QMessageBox::Cancel) << QString() << false << false;
        QTest::newRow("no discards") << int(QMessageBox::No) << QString() << true << false;
        // Cancelling the save dialog cancels "Создать" too: the work is kept.
        QTest::newRow("yes, save dialog cancelled") << int(QMessageBox::Yes) << QString() << false << false;
        QTest::newRow("yes, saved under a name")
            << int(QMessageBox::Yes) << QStringLiteral("asked.kv0") << true << true;
    }
    void newCommand() {
        QFETCH(int, answer);
        QFETCH(QString, saveName);
        QFETCH(bool, replaced);
        QFETCH(bool, written);
        const QString target = saveName.isEmpty() ? QString() : files.filePath(saveName);
        if (!target.isEmpty()) QFile::remove(target);
        TFormMain window({}, &services);
        window.Declaration().InspectionCode = QStringLiteral("1234");
        window.NotifyModified();
        window.SwitchSection(Section::PersonData);
        prompts->answers.enqueue(QMessageBox::StandardButton(answer));
        if (!target.isEmpty()) prompts->saveNames.enqueue(target);
        window.Action(QStringLiteral("acNew"))->trigger();
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Вы хотите сохранить декларацию?")});
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Question);
        QCOMPARE(window.Declaration().InspectionCode.isEmpty(), replaced);
        QCOMPARE(QFile::exists(target), written);
        if (written) {
            mTDeclaration saved;
            saved.LoadFromFile(target);
            QCOMPARE(saved.InspectionCode, QStringLiteral("1234"));
        }
        if (replaced) {
            QCOMPARE(window.windowTitle(), Untitled);
            QVERIFY(window.Saved());
            QCOMPARE(SectionScreens::SectionOf(window.CurrentFrame()), Section::InitialData);
            QVERIFY(window.SectionButton(Section::RussianIncome)->isEnabled());
            QVERIFY(!window.SectionButton(Section::CurrencyIncome)->isEnabled());
            QCOMPARE(window.Declaration().SignDate, DateValue::Today());
            QCOMPARE(window.Declaration().AutoSheetCount, quint8(1));
        }
    }

    void openCommand() {
        const QString path = SavedDeclaration(QStringLiteral("open.kv0"), QStringLiteral("5005"));
        TFormMain window({}, &services);
        window.NotifyModified();
        // No to the question, then the file dialog cancelled: the work shown stays, still unsaved.
        prompts->answers.enqueue(QMessageBox::No);
        window.Declaration().InspectionCode = QStringLiteral("9999");
        window.Action(QStringLiteral("acOpen"))->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("Без имени[*] - Durovid 2010"));
        QCOMPARE(window.Declaration().InspectionCode, QStringLiteral("9999"));
        QVERIFY(!window.Saved());
        prompts->answers.enqueue(QMessageBox::No);

        prompts->openNames.enqueue(path);
        window.Action(QStringLiteral("acOpen"))->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("open.kv0 - Durovid 2010"));
        QCOMPARE(window.Declaration().InspectionCode, QStringLiteral("5005"));
        QVERIFY(window.Saved());

        const QString bad = files.filePath(QStringLiteral("garbage.kv0"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, 'x'));
        f.close();
        prompts->openNames.enqueue(bad);
        window.Action(QStringLiteral("acOpen"))->trigger();
        QCOMPARE(prompts->messages.last().text, StorageText::DamagedFile);
        // The declaration open before stays, with its file and its lock.
        QCOMPARE(window.windowTitle(), QStringLiteral("open.kv0 - Durovid 2010"));
        QCOMPARE(window.DocumentFileName(), path);
        QCOMPARE(window.Declaration().InspectionCode, QStringLiteral("5005"));
        QVERIFY(window.DocumentLock().IsHeld());
    }

    void saveRenamesOlderExtension() {
        const QString old = SavedDeclaration(QStringLiteral("last-year.kv9"));
        const QByteArray oldBytes = Bytes(old);
        TFormMain window({old}, &services);
        window.Declaration().InspectionCode = QStringLiteral("7702");
        window.NotifyModified();
        window.Action(QStringLiteral("acSave"))->trigger();
        const QString renamed = files.filePath(QStringLiteral("last-year.kv0"));
        QCOMPARE(window.DocumentFileName(), renamed);
        QCOMPARE(window.windowTitle(), QStringLiteral("last-year.kv0 - Durovid 2010"));
        QVERIFY(window.Saved());
        QCOMPARE(Bytes(old), oldBytes);
        // The window holds the file it saved; what it wrote is read from a copy.
        const QString snapshot = files.filePath(QStringLiteral("snapshot.kv0"));
        QFile::remove(snapshot);
        QVERIFY(QFile::copy(renamed, snapshot));
        mTDeclaration saved;
        saved.LoadFromFile(snapshot);
        QCOMPARE(saved.InspectionCode, QStringLiteral("7702"));

        // "Сохранить как..." keeps the name as given; the current screen is stored first.
        const QString asGiven = files.filePath(QStringLiteral("copy.kv9"));
        prompts->saveNames.enqueue(asGiven);
        RecordingFrame::log.clear();
        window.Action(QStringLiteral("acSaveAs"))->trigger();
        QCOMPARE(window.DocumentFileName(), asGiven);
        QVERIFY(QFile::exists(asGiven));
        QCOMPARE(RecordingFrame::log, QStringList{QStringLiteral("S0:Store")});

        // Cancelled dialogs change nothing.
        TFormMain untitled({}, &services);
        untitled.NotifyModified();
        untitled.Action(QStringLiteral("acSave"))->trigger();
        untitled.Action(QStringLiteral("acSaveAs"))->trigger();
        QCOMPARE(prompts->saveDialogs, 3);
        QVERIFY(!untitled.Saved());
    }

    void saveErrorKeepsUnsaved() {
        TFormMain window({}, &services);
        window.Declaration().InspectionCode = QStringLiteral("1234");
        window.NotifyModified();
        prompts->saveNames.enqueue(files.filePath(QStringLiteral("no-such-folder/x.kv0")));
        window.Action(QStringLiteral("acSave"))->trigger();
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);
        QVERIFY(!window.Saved());
    }

    void checkCommand() {
        TFormMain window({}, &services);
        ScriptedAnswerer answerer;
        window.SetCheckAnswerer(&answerer);
        window.ShowDeclaration(ValidDeclaration::Clean());
        window.Action(QStringLiteral("acCheck"))->trigger();
        QVERIFY(answerer.asked.isEmpty());
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Проверка декларации завершена успешно")});
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Information);

        // A new declaration answered with "Отмена": no success message, nothing else happens.
        window.ShowDeclaration(CreateNewDeclaration());
        prompts->messages.clear();
        RecordingFrame::log.clear();
        window.Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(answerer.asked, QStringList{QStringLiteral("Задание условий: Не введен номер инспекции")});
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(RecordingFrame::log, QStringList{QStringLiteral("S0:Store")});
        QCOMPARE(SectionScreens::SectionOf(window.CurrentFrame()), Section::InitialData);
    }

    // A check that cannot run must not call a declaration clean: its error is shown instead.
    void failingCheckIsAnError() {
        services.check = [](const mTDeclaration&, ICheckAnswerer&) -> CheckResult {
            throw std::runtime_error("Проверка декларации недоступна.");
        };
        TFormMain window({}, &services);
        window.ShowDeclaration(ValidDeclaration::Clean());
        window.Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Проверка декларации недоступна.")});
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);
    }

    // "Проверить" with the program's rules and its dialog: "Исправить" leads from another section to the
    // screen and the field of the fault.
    void checkDialogLeadsToTheFault_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("call");
        QTest::newRow("no tax office")
            << Mutation([](mTDeclaration& d) { d.InspectionCode.clear(); }) << "Проверка: Задание условий"
            << "Не введен номер инспекции" << int(Section::InitialData) << "S0:ShowPosition(1)";
        QTest::newRow("no first name")
            << Mutation([](mTDeclaration& d) { d.Person.FirstName.clear(); })
            << "Проверка: Сведения о декларанте"
            << "Не введено имя" << int(Section::PersonData) << "S1:ShowSubScreen(0,2)";
    }
    void checkDialogLeadsToTheFault() {
        QFETCH(Mutation, mutate);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(int, section);
        QFETCH(QString, call);
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        auto declaration = ValidDeclaration::Clean();
        mutate(*declaration);
        window.ShowDeclaration(std::move(declaration));
        window.SwitchSection(Section::Nalog);
        RecordingFrame::log.clear();
        QString shownTitle, shownMessage;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TfmCheckAllError*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shownTitle = dialog->windowTitle();
            shownMessage = dialog->Message();
            if (section == int(Section::InitialData)) SaveShot(dialog, QStringLiteral("integ-check-dialog"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("bnFix")), Qt::LeftButton);
        });
        window.Action(QStringLiteral("acCheck"))->trigger();
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownMessage, message);
        QCOMPARE(RecordingFrame::log, (QStringList{QStringLiteral("S6:Store"), call}));
        QCOMPARE(int(SectionScreens::SectionOf(window.CurrentFrame())), section);
        QCOMPARE(window.CurrentSectionButton(), window.SectionButton(Section(section)));
        QVERIFY(window.SectionButton(Section(section))->Down());
        QVERIFY(!window.SectionButton(Section::Nalog)->Down());
        QVERIFY(prompts->messages.isEmpty());
    }

    // The program's rules over a declaration with one fault; "Исправить" reaches its screen and place.
    void realFaultsLeadToTheirScreen_data() {
        QTest::addColumn<Mutation>("mutate");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("call");
        QTest::newRow("no surname") << Mutation([](mTDeclaration& d) { d.Person.SurName.clear(); })
                                    << "Сведения о декларанте: Не введена фамилия" << int(Section::PersonData)
                                    << "S1:ShowSubScreen(0,1)";
        QTest::newRow("INN with a wrong digit")
            << Mutation([](mTDeclaration& d) { d.Person.INN = QStringLiteral("500100732250"); })
            << "Сведения о декларанте: Номер ИНН введен неверно" << int(Section::PersonData)
            << "S1:ShowSubScreen(0,4)";
        QTest::newRow("no region") << Mutation([](mTDeclaration& d) { d.Person.RegionCode = 0; })
                                   << "Сведения о декларанте: Не указан регион постоянного местожительства"
                                   << int(Section::PersonData) << "S1:ShowSubScreen(1,2)";
        QTest::newRow("second 13 % source without income")
            << Mutation([](mTDeclaration& d) { d.IncomeSources13.Add(); })
            << "Доходы, облагаемые ставкой 13%: По данному источнику не указаны доходы"
            << int(Section::RussianIncome) << "S2:ShowSubScreen(0,2)";
        QTest::newRow("foreign income without currency") << Mutation([](mTDeclaration& d) {
            d.SetIncomeKinds(d.IncomeKinds | IncomeForeign);
            mTCurrencyIncome* c = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
            c->RateUnitsAtIncome = 1;
            c->RateAtIncome = Money::FromUnits(30);
            c->IncomeCode = 1010;
            c->SetIncomeCurrency(Money::FromUnits(100));
        }) << "Доходы в валюте: По данному источнику выплаты не указан код валюты"
                                                         << int(Section::CurrencyIncome)
                                                         << "S3:ShowPosition(1)";
        QTest::newRow("business with a short activity code")
            << Mutation([](mTDeclaration& d) {
                   d.SetIncomeKinds(d.IncomeKinds | IncomeBusiness);
                   d.BusinessIncomes.At(d.BusinessIncomes.Add())->ActivityKind = QStringLiteral("1");
               })
            << "Доходы от предпринимательской деятельности: Длина кода ОКВЭД должна быть не меньше 4 знаков "
               "вклячая точку"
            << int(Section::Business) << "S4:ShowPosition(1)";
        QTest::newRow("social deduction without data")
            << Mutation([](mTDeclaration& d) { d.SocialDeduction.GrantSocial = 1; })
            << "Социальные вычеты: Не введены данные по социальным налоговым вычетам"
            << int(Section::Deductions) << "S5:ShowSubScreen(2,1)";
        QTest::newRow("property deduction without object")
            << Mutation([](mTDeclaration& d) { d.PropertyDeduction.GrantProperty = 1; })
            << "Имущественный налоговый вычет: Не введено наименование объекта" << int(Section::Deductions)
            << "S5:ShowSubScreen(1,1)";
        // Warnings after a clean check lead to their field as faults do.
        const QString untouched = QStringLiteral(" осталась той, что программа ставит сама. Проверьте её.");
        QTest::newRow("warning: birth date untouched")
            << Mutation([](mTDeclaration& d) { d.Person.BirthDate = StartingDate::Birth(); })
            << "Сведения о декларанте: Дата рождения 01.01.1977" + untouched << int(Section::PersonData)
            << "S1:ShowSubScreen(0,11)";
        QTest::newRow("warning: registration date untouched")
            << Mutation([](mTDeclaration& d) {
                   mTConstructionDeduct& c = d.PropertyDeduction;
                   c.GrantProperty = c.ObjectKind = c.OwnershipKind = c.TaxpayerSign = 1;
                   c.ObjPostIndex = QStringLiteral("125009");
                   c.ObjRegionCode = QStringLiteral("77");
                   c.DwellingRegDate = c.FirstUseYear = StartingDate::Registration();
                   c.ShareNumerator = c.ShareDenominator = 1;
               })
            << "Имущественный налоговый вычет: Дата регистрации права собственности на объект 01.01.2010" +
                   untouched
            << int(Section::Deductions) << "S5:ShowSubScreen(1,4)";
        QTest::newRow("warning: foreign income date untouched")
            << Mutation([](mTDeclaration& d) { AddCurrencyIncome(d); })
            << "Доходы в валюте: По данному источнику выплаты дата получения дохода 01.01.2010" + untouched
            << int(Section::CurrencyIncome) << "S3:ShowPosition(1)";
        // No screen shows private practice: "Исправить" leads nowhere.
        QTest::newRow("private practice") << Mutation([](mTDeclaration& d) {
            d.SetIncomeKinds(d.IncomeKinds | IncomePractice);
            d.PracticeIncomes.At(d.PracticeIncomes.Add())->PracticeAmounts[7] = Money::FromUnits(100);
        })
                                          << "Доходы от частной практики: Расходы по оплате трудовых "
                                             "договоров(100) превышают сумму расходов "
                                             "на оплату труда (0)"
                                          << int(Section::Nalog) << "";
    }
    void realFaultsLeadToTheirScreen() {
        QFETCH(Mutation, mutate);
        QFETCH(QString, fault);
        QFETCH(int, section);
        QFETCH(QString, call);
        TFormMain window({}, &services);
        auto declaration = ValidDeclaration::Clean();
        mutate(*declaration);
        window.ShowDeclaration(std::move(declaration));
        window.SwitchSection(Section::Nalog);
        ScriptedAnswerer answerer;
        answerer.answers = {CheckAnswer::Fix};
        window.SetCheckAnswerer(&answerer);
        RecordingFrame::log.clear();
        QCOMPARE(window.CheckAndShow(), 1);
        QCOMPARE(answerer.asked, QStringList{fault});
        QStringList expected{QStringLiteral("S6:Store")};
        if (!call.isEmpty()) expected << call;
        QCOMPARE(RecordingFrame::log, expected);
        QCOMPARE(int(SectionScreens::SectionOf(window.CurrentFrame())), section);
        QVERIFY(window.SectionButton(Section(section))->Down());
    }

    void navigationAfterFix_data() {
        QTest::addColumn<int>("sectionCode");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("call");
        QTest::newRow("1 conditions") << 1 << int(Section::InitialData) << "S0:ShowPosition(3)";
        QTest::newRow("2 taxpayer, page 0") << 2 << int(Section::PersonData) << "S1:ShowSubScreen(0,3)";
        QTest::newRow("3 taxpayer, page 1") << 3 << int(Section::PersonData) << "S1:ShowSubScreen(1,3)";
        QTest::newRow("4 Russian income") << 4 << int(Section::RussianIncome) << "S2:ShowSubScreen(0,3)";
        QTest::newRow("7 foreign income") << 7 << int(Section::CurrencyIncome) << "S3:ShowPosition(3)";
        QTest::newRow("8 business") << 8 << int(Section::Business) << "S4:ShowPosition(3)";
        QTest::newRow("9 standard deductions") << 9 << int(Section::Deductions) << "S5:ShowSubScreen(0,3)";
        QTest::newRow("10 property deduction") << 10 << int(Section::Deductions) << "S5:ShowSubScreen(1,3)";
    }
    void navigationAfterFix() {
        QFETCH(int, sectionCode);
        QFETCH(int, section);
        QFETCH(QString, call);
        TFormMain window({}, &services);
        window.SwitchSection(Section::Nalog);
        services.check = ([sectionCode](const mTDeclaration&, ICheckAnswerer& a) {
            a.Ask(QStringLiteral("Раздел"), QStringLiteral("Ошибка"));
            return CheckResult{CheckSection(sectionCode), 3};
        });
        ScriptedAnswerer answerer;
        answerer.answers = {CheckAnswer::Fix};
        window.SetCheckAnswerer(&answerer);
        RecordingFrame::log.clear();
        window.Action(QStringLiteral("acCheck"))->trigger();
        // Navigation neither stores nor checks the screen it leaves, and shows no success message.
        QCOMPARE(RecordingFrame::log, (QStringList{QStringLiteral("S6:Store"), call}));
        QCOMPARE(int(SectionScreens::SectionOf(window.CurrentFrame())), section);
        QVERIFY(window.SectionButton(Section(section))->Down());
        QCOMPARE(window.CurrentSectionButton(), window.SectionButton(Section(section)));
        QVERIFY(prompts->messages.isEmpty());
        QVERIFY(!window.Loading());
    }

    // A warning not to be fixed lets the command go on.
    void warningsDoNotBlock() {
        TFormMain window({}, &services);
        auto declaration = ValidDeclaration::Clean();
        declaration->Person.BirthDate = StartingDate::Birth();
        window.ShowDeclaration(std::move(declaration));
        for (const CheckAnswer answer : {CheckAnswer::Skip, CheckAnswer::SkipAll, CheckAnswer::Cancel}) {
            ScriptedAnswerer answerer;
            answerer.answers = {answer};
            window.SetCheckAnswerer(&answerer);
            prompts->messages.clear();
            window.Action(QStringLiteral("acCheck"))->trigger();
            QCOMPARE(answerer.asked.size(), 1);
            QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Проверка декларации завершена успешно")});
        }
    }

    // "Файл" lists the last eight files opened or saved, the latest first; one that is gone is said so
    // and leaves the list.
    void recentFiles() {
        TFormMain window({}, &services);
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            paths.prepend(
                SavedDeclaration(QStringLiteral("r%1.kv0").arg(i), QStringLiteral("%1").arg(7700 + i)));
            prompts->openNames.enqueue(paths.first());
            window.Action(QStringLiteral("acOpen"))->trigger();
        }
        auto* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("mnFile"));
        emit file->aboutToShow();
        QStringList shown;
        for (int i = 1; i <= 9; ++i)
            if (QAction* item = window.Action(QStringLiteral("acRecent%1").arg(i))) shown << item->text();
        QCOMPARE(shown.size(), 8);
        QCOMPARE(shown.first(), QStringLiteral("&1 r9.kv0"));
        QCOMPARE(shown.last(), QStringLiteral("&8 r2.kv0"));
        // The exit item stays last.
        QCOMPARE(file->actions().last(), window.Action(QStringLiteral("acExit")));

        window.Action(QStringLiteral("acRecent3"))->trigger();
        QCOMPARE(window.DocumentFileName(), paths[2]);
        QCOMPARE(window.Declaration().InspectionCode, QStringLiteral("7707"));
        emit file->aboutToShow();
        QCOMPARE(window.Action(QStringLiteral("acRecent1"))->text(), QStringLiteral("&1 r7.kv0"));

        QVERIFY(QFile::remove(paths[1]));
        emit file->aboutToShow();
        window.Action(QStringLiteral("acRecent3"))->trigger();
        QCOMPARE(prompts->messages.last().text, QStringLiteral("Файл ") + QDir::toNativeSeparators(paths[1]) +
                                                    QStringLiteral(" не найден."));
        QCOMPARE(window.DocumentFileName(), paths[2]);
        emit file->aboutToShow();
        QVERIFY(!window.Action(QStringLiteral("acRecent8")));
    }

    // "Документы к декларации" from the menu, and offered before printing.
    void attachedDocuments() {
        TFormMain window({}, &services);
        auto declaration = ValidDeclaration::Clean();
        declaration->SocialDeduction.GrantSocial = 1;
        declaration->SocialDeduction.Treatment = Money::FromUnits(30000);
        declaration->IncomeSources13.At(0)->SourceINN = QStringLiteral("7701000000");
        declaration->IncomeSources13.At(0)->SourceName = QStringLiteral("ООО «Ромашка»");
        window.ShowDeclaration(std::move(declaration));
        QStringList rows;
        ModalScript script;
        script.Then([&](QDialog* dialog) {
            auto* list = qobject_cast<TfmAttachedDocuments*>(dialog);
            QVERIFY(list);
            QCOMPARE(list->windowTitle(), QStringLiteral("Документы к декларации"));
            for (int row = 0; row < list->Table()->rowCount(); ++row)
                rows << list->Table()->item(row, 0)->text() + QStringLiteral(" | ") +
                            list->Table()->item(row, 1)->text();
            list->resize(820, 360);
            SaveShot(list, QStringLiteral("attached-documents"));
            dialog->accept();
        });
        window.Action(QStringLiteral("acDocuments"))->trigger();
        QVERIFY(script.Done());
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0],
                 QStringLiteral("Справка о доходах физического лица по форме 2-НДФЛ | ООО «Ромашка»"));
        QCOMPARE(rows[3],
                 QStringLiteral("Справка об оплате медицинских услуг для представления в налоговые органы | "
                                "Социальный вычет на лечение"));

        // Before printing, the list is offered; "Нет" goes on to print.
        bool printed = false;
        services.printComponent = [&] {
            printed = true;
            return std::unique_ptr<TPrintComponent>();
        };
        prompts->answers.enqueue(QMessageBox::No);
        window.Action(QStringLiteral("acPrint"))->trigger();
        QCOMPARE(prompts->messages.value(0).text,
                 QStringLiteral("К декларации нужно приложить документы (5). Показать их список?"));
        QVERIFY(printed);
    }

    void exportCommand() {
        TFormMain window({}, &services);
        QStringList calls;
        ExportOutcome outcome{true, QStringLiteral("NO_NDFL3_7701_7701_000000000000_20110101_X.xml"), {}, {}};
        services.exportDocument = [&](const QString& folder, quint16 mode) {
            calls << QStringLiteral("%1|%2").arg(folder).arg(mode);
            if (window.isEnabled()) calls << QStringLiteral("enabled during the export");
            return outcome;
        };
        // A fault answered with "Отмена": the dialog only, no folder dialog.
        ScriptedAnswerer answerer;
        window.SetCheckAnswerer(&answerer);
        window.Action(QStringLiteral("acExport"))->trigger();
        QCOMPARE(answerer.asked, QStringList{QStringLiteral("Задание условий: Не введен номер инспекции")});
        QCOMPARE(prompts->folderDialogs, 0);
        window.ShowDeclaration(ValidDeclaration::Clean());

        prompts->folder = files.path();
        window.Action(QStringLiteral("acExport"))->trigger();
        QCOMPARE(prompts->folderCaption, QStringLiteral("Durovid 2010"));
        QCOMPARE(calls, QStringList{files.path() + QDir::separator() + QStringLiteral("|1")});
        QCOMPARE(prompts->messages.last().text, QStringLiteral("Сформирован файл ") + outcome.Result);
        QCOMPARE(prompts->messages.last().icon, QMessageBox::Information);

        // A failed export says why, then that no file was made; what the export tells although it went on
        // comes first.
        prompts->messages.clear();
        outcome = {
            false, QString(), QStringLiteral("Ошибка в выгрузке."), {QStringLiteral("Ошибка в рассчетах.")}};
        window.Action(QStringLiteral("acExport"))->trigger();
        QCOMPARE(prompts->Texts(), (QStringList{"Ошибка в рассчетах.", "Ошибка в выгрузке.",
                                                "Ошибка записи. Файл не сформирован."}));
        QCOMPARE(prompts->messages[1].icon, QMessageBox::Warning);

        prompts->folder.clear();
        window.Action(QStringLiteral("acExport"))->trigger();
        QCOMPARE(calls.size(), 2);
        QVERIFY(window.isEnabled());

        // An export error: the general handler shows it and the window is usable again.
        services.exportDocument = [](const QString&, quint16) -> ExportOutcome {
            throw std::runtime_error("сбой выгрузки");
        };
        prompts->folder = files.path();
        window.Action(QStringLiteral("acExport"))->trigger();
        QCOMPARE(prompts->messages.last().text, QStringLiteral("сбой выгрузки"));
        QVERIFY(window.isEnabled());
    }

    void help() {
        TFormMain window({}, &services);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(prompts->Texts(), QStringList{QStringLiteral("Не найден файл справки Zizo2010.chm")});
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);

        QDir().mkpath(env.ProgramFile(QStringLiteral("help")));
        QVERIFY(QFile::copy(QStringLiteral(DUROVID_SOURCE_DIR "/data/help/runprogramm.htm"),
                            env.ProgramFile(QStringLiteral("help/runprogramm.htm"))));
        window.Action(QStringLiteral("acHelp"))->trigger();
        auto* helpWindow = window.findChild<THelpWindow*>(QStringLiteral("helpMain"));
        QVERIFY(helpWindow);
        QVERIFY(helpWindow->isVisible());
        QVERIFY(helpWindow->isMaximized());
        QCOMPARE(helpWindow->CurrentTopic(), QStringLiteral("runprogramm.htm"));
        QCOMPARE(prompts->messages.size(), 1);
    }

    void closingAsksToSave() {
        TFormMain window({}, &services);
        window.show();
        window.NotifyModified();
        prompts->answers.enqueue(QMessageBox::Cancel);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(window.CurrentFrame());
        prompts->answers.enqueue(QMessageBox::No);
        window.Action(QStringLiteral("acExit"))->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(!window.CurrentFrame());
        QCOMPARE(prompts->messages.size(), 2);
    }

    void referenceFiles() {
        {
            TFormMain window({}, &services);
            QVERIFY(!window.InspectionPicker());
            QVERIFY(!window.CountryPicker());
            QVERIFY(!window.OkvedClassifier());
            QVERIFY(!window.CurrencyRates());
            QVERIFY(!window.StartFailed());
        }
        for (const QString& name : {ReferenceFileName::Inspections, ReferenceFileName::Countries,
                                    ReferenceFileName::Okved, ReferenceFileName::CurrencyRates})
            CopyDataFile(env, name);
        {
            TFormMain window({}, &services);
            QVERIFY(prompts->messages.isEmpty());
            QVERIFY(!!window.InspectionPicker());
            window.InspectionPicker()->Preselect(QStringLiteral("7701"));
            QCOMPARE(window.InspectionPicker()->Name(),
                     QStringLiteral("Инспекция Федеральной налоговой службы № 1 по г.Москве"));
            QVERIFY(!!window.CountryPicker());
            window.CountryPicker()->Preselect(QStringLiteral("643"));
            QCOMPARE(window.CountryPicker()->Name(), QStringLiteral("РОССИЯ"));
            QVERIFY(window.OkvedClassifier());
            QVERIFY(window.OkvedClassifier()->Find(
                1, QStringLiteral("СЕЛЬСКОЕ ХОЗЯЙСТВО, ОХОТА И ЛЕСНОЕ ХОЗЯЙСТВО")));
            QVERIFY(window.CurrencyRates());
            QVERIFY(window.CurrencyRates()->FindCurrency(QStringLiteral("840")));
        }

        // The per-user files of the tax-office and rates imports come before the program's own.
        QFile user(env.UserFile(ReferenceFileName::Inspections));
        QVERIFY(user.open(QIODevice::WriteOnly));
        user.write("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections><Inspection Code=\"7701\">"
                   "\xC8\xED\xF1\xEF\xE5\xEA\xF6\xE8\xFF</Inspection></Inspections>");
        user.close();
        QFile userRates(env.UserFile(ReferenceFileName::CurrencyRates));
        QVERIFY(userRates.open(QIODevice::WriteOnly));
        userRates.write(
            "<CurrencyRates><Currency Code=\"974\" Name=\"BYR\" Quantity=\"1000\"/></CurrencyRates>");
        userRates.close();
        {
            TFormMain window({}, &services);
            QCOMPARE(window.InspectionPicker()->List()->topLevelItemCount(), 1);
            window.InspectionPicker()->Preselect(QStringLiteral("7701"));
            QCOMPARE(window.InspectionPicker()->Name(), QStringLiteral("Инспекция"));
            QCOMPARE(window.CurrencyRates()->Currencies().size(), 1);
        }
        QVERIFY(userRates.remove());

        // A damaged country file only leaves its picker out; a damaged tax-office file ends the program.
        QFile countries(env.ProgramFile(ReferenceFileName::Countries));
        QVERIFY(countries.open(QIODevice::WriteOnly));
        countries.write("<Oksm><Country Code=\"643\">");
        countries.close();
        {
            TFormMain window({}, &services);
            QVERIFY(!window.StartFailed());
            QVERIFY(!window.CountryPicker());
            QVERIFY(prompts->messages.isEmpty());
        }
        QVERIFY(user.open(QIODevice::WriteOnly));
        user.write("<Inspections><Inspection Code=\"7701\">broken");
        user.close();
        TFormMain window({}, &services);
        QVERIFY(window.StartFailed());
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(prompts->messages[0].icon, QMessageBox::Critical);
        QVERIFY(prompts->messages[0].text.startsWith(
            QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские.")));
    }

    void aboutBox() {
        TFormMain window({}, &services);
        window.ShowPlaced(1280, 1024);
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            const QList<QLabel*> labels = box->findChildren<QLabel*>();
            for (QLabel* l : labels)
                caption += l->text() + '\n';
            QCOMPARE(box->size(), QSize(461, 227));
            SaveShot(box, QStringLiteral("about"));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        window.Action(QStringLiteral("acAbout"))->trigger();
        // Name, version and licence; no contact details that nobody answers.
        QVERIFY(caption.contains(QStringLiteral("Durovid 2010</b>, версия ")));
        QVERIFY(caption.contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(!caption.contains(QStringLiteral("горячей линии")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
