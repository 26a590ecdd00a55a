// "Загрузить справку 2-НДФЛ…" in the window: from the "Файл" menu and from the Russian-income screen, one
// undoable step.

#include "support/ScreenTestSupport.h"
#include "support/TestFiles.h"
#include "support/ValidDeclaration.h"

#include "editing/DeclarationHistory.h"
#include "screens/SectionScreens.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(DUROVID_FIXTURES "/certificates/") + QLatin1String(name);
}

// What the summary dialog says, then its button pressed.
ModalScript::Action Summary(QString& said, const char* button) {
    return [&said, button](QDialog* d) {
        said = d->findChild<QLabel*>(QStringLiteral("lbSources"))->text();
        ModalScript::Click(QLatin1String(button))(d);
    };
}

} // namespace

class TestImportCertificate : public QObject, ScreenTest {
    Q_OBJECT

    Section Shown() const { return SectionScreens::SectionOf(form->CurrentFrame()); }
    QTreeView* List(const char* name) const { return W<QTreeView>(name); }

    void OpenTaxpayer(const QString& inn) {
        ValidDeclaration v;
        v.Person().INN = inn;
        QVERIFY(OpenSaved(v.Declaration(), files.filePath(QStringLiteral("import.kv0"))));
    }

private slots:
    void initTestCase() { PrepareProgram(); }
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

    // From the menu: the summary accepted, the sources are shown; undo gives the bytes before, redo after.
    void menuImportUndoRedo() {
        OpenTaxpayer(QStringLiteral("500100732259"));
        const QByteArray before = SavedBytes();
        prompts->openNames.enqueue(Fixture("two-employers.xml"));
        QString said;
        {
            ModalScript modals;
            modals.Then(Summary(said, "bnAdd"));
            Trigger("acImportCertificate");
            QVERIFY(modals.Done());
        }
        QVERIFY2(
            said.startsWith(QStringLiteral("Будет добавлено: ООО «Альфа» (ИНН 7701234567), ставка 13 %, 12 "
                                           "строк, доход 360 000,00, налог удержан 45 578")),
            qPrintable(said));
        QCOMPARE(Shown(), Section::RussianIncome);
        QCOMPARE(FirstColumn(List("lvSources")), (QStringList{"ООО «Альфа»", "ЗАО «Бета»"}));
        QCOMPARE(RowCount(List("lvIncomes")), 12);
        QCOMPARE(form->Declaration().StandardDeduction.ChildrenCount, 1);
        QCOMPARE(form->Action(QStringLiteral("acUndo"))->text(),
                 QStringLiteral("&Отменить: загрузка справки 2-НДФЛ"));
        QCOMPARE(form->History().Stack().count(), 1);
        const QByteArray after = SavedBytes();

        Trigger("acUndo");
        QCOMPARE(SavedBytes(), before);
        QVERIFY(form->Saved());
        Trigger("acRedo");
        QCOMPARE(SavedBytes(), after);
        QCOMPARE(Shown(), Section::RussianIncome);
        QCOMPARE(RowCount(List("lvSources")), 2);
    }

    // From the screen's button, in a file of several people: the user chooses whose; a second import of
    // the same certificate replaces the lines only with "Заменить строки"; a damaged file says why and
    // leaves nothing to undo.
    void screenButtonChoosesPersonAndReplaces() {
        OpenTaxpayer(QString());
        ClickSection(Section::RussianIncome);
        const int steps = form->History().Stack().count();
        const auto choosePerson = [](QDialog* d) {
            auto* people = d->findChild<QTreeWidget*>(QStringLiteral("lvPeople"));
            QCOMPARE(people->topLevelItemCount(), 4);
            people->setCurrentItem(people->topLevelItem(3)); // Сидорова, in the order of the file
            ModalScript::Click(QStringLiteral("bnYes"))(d);
        };
        QString said;
        for (const char* button : {"bnAdd", "bnAdd"}) {
            prompts->openNames.enqueue(Fixture("several-people.xml"));
            ModalScript modals;
            modals.Then(choosePerson).Then(Summary(said, button));
            Click("fbImport2NDFL");
            QVERIFY(modals.Done());
        }
        QVERIFY2(said.startsWith(QStringLiteral("Уже есть в декларации, строки будут заменены: ООО «Гамма»")),
                 qPrintable(said));
        const QStringList sources = FirstColumn(List("lvSources"));
        QCOMPARE(sources.count(QStringLiteral("ООО «Гамма»")), 1);
        // The same lines again change nothing, so the second import is no step of its own.
        QCOMPARE(form->History().Stack().count(), steps + 1);

        prompts->openNames.enqueue(TestFiles::Write(files, QStringLiteral("bad.xml"), "<Файл>"));
        Click("fbImport2NDFL");
        QVERIFY2(prompts->Texts().last().contains(QStringLiteral("поврежден")),
                 qPrintable(prompts->Texts().last()));
        QCOMPARE(form->History().Stack().count(), steps + 1);
    }
};

QTEST_MAIN(TestImportCertificate)
#include "tst_importcertificate.moc"
