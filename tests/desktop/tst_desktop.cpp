#include "support/GuiTestSupport.h"

#include "desktop/HelpWindow.h"
#include "desktop/QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

// The help window over the program's own help pages, and Qt's own texts in Russian.
class TestDesktop : public QObject {
    Q_OBJECT

    std::unique_ptr<THelpWindow> help;

    template <class T> T* W(const char* name) const { return help->findChild<T*>(QLatin1String(name)); }

private slots:
    void initTestCase() { SetProgramDir(QStringLiteral(DUROVID_SOURCE_DIR "/data")); }
    void cleanupTestCase() { SetProgramDir(QString()); }
    void init() {
        help = std::make_unique<THelpWindow>(nullptr, QStringLiteral("Main"));
        help->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    void cleanup() { help.reset(); }

    // The contents list follows contents.txt; choosing a title shows its page; back and forward walk
    // the pages seen.
    void contentsAndHistory() {
        QFile contents(HelpFolder() + QStringLiteral("contents.txt"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(contents.readAll()).split('\n', Qt::SkipEmptyParts);
        auto* list = W<QListWidget>("lvContents");
        QCOMPARE(list->count(), lines.size());
        QCOMPARE(list->item(0)->text(), QStringLiteral("Работа с программой Durovid 2010"));
        for (const QString& line : lines)
            QVERIFY2(QFile::exists(HelpFolder() + line.section(';', 0, 0).trimmed()), qPrintable(line));

        help->ShowTopic(QStringLiteral("runprogramm.htm"));
        QVERIFY(!W<QToolButton>("bnBack")->isEnabled());
        const QList<QListWidgetItem*> found =
            list->findItems(QStringLiteral("Адрес декларанта"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
        QCOMPARE(help->CurrentTopic(), QStringLiteral("TfrPersonAddress.htm"));
        QCOMPARE(list->currentItem(), found[0]);
        SaveShot(help.get(), QStringLiteral("help-address"));
        W<QToolButton>("bnBack")->click();
        QCOMPARE(help->CurrentTopic(), QStringLiteral("runprogramm.htm"));
        SaveShot(help.get(), QStringLiteral("help-start"));
        QVERIFY(W<QToolButton>("bnForward")->isEnabled());
        W<QToolButton>("bnForward")->click();
        QCOMPARE(help->CurrentTopic(), QStringLiteral("TfrPersonAddress.htm"));
    }

    // A page's part is shown through the URL's fragment.
    void anchors_data() {
        QTest::addColumn<QString>("topic");
        QTest::newRow("document kind") << QStringLiteral("TfrPersonNaim.htm#doctype");
        QTest::newRow("region") << QStringLiteral("TfrPersonAddress.htm#region");
        QTest::newRow("activity code") << QStringLiteral("TfmInputBusinessIncome.htm#okved");
    }
    void anchors() {
        QFETCH(QString, topic);
        QVERIFY(OpenHelpTopic(help.get(), topic, QStringLiteral("Main")));
        QCOMPARE(help->CurrentTopic(), topic.section('#', 0, 0));
        QCOMPARE(help->CurrentAnchor(), topic.section('#', 1));
        auto* page = W<QTextBrowser>("tbPage");
        QVERIFY(page->toPlainText().size() > 200);
    }

    // The search goes on from the page shown to the next pages that hold the text.
    void search() {
        help->ShowTopic(QStringLiteral("runprogramm.htm"));
        auto* field = W<QLineEdit>("edSearch");
        field->setText(QStringLiteral("InspectionNumbers.xml"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(help->CurrentTopic() != QStringLiteral("runprogramm.htm"));
        QVERIFY(W<QTextBrowser>("tbPage")->textCursor().selectedText().compare(
                    QStringLiteral("InspectionNumbers.xml"), Qt::CaseInsensitive) == 0);
        QVERIFY(W<QLabel>("lbFound")->text().isEmpty());
        SaveShot(help.get(), QStringLiteral("help-search"));

        field->setText(QStringLiteral("нетакогослова"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(W<QLabel>("lbFound")->text(), QStringLiteral("Не найдено"));
    }

    void escapeCloses() {
        help->ShowTopic(QStringLiteral("runprogramm.htm"));
        QVERIFY(help->isVisible());
        QTest::keyClick(W<QTextBrowser>("tbPage"), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    // The save question with Qt's standard buttons, and the calendar's names, in Russian.
    void saveQuestionInRussian() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(InstallQtTranslation());
        QCOMPARE(QCalendarWidget().locale().standaloneMonthName(3), QStringLiteral("март"));
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* b : box->findChild<QDialogButtonBox*>()->buttons())
                buttons << b->text().remove('&');
            SaveShot(box, QStringLiteral("save-question"));
            box->button(QMessageBox::Cancel)->click();
        });
        UserPrompts platform;
        const auto answer = platform.Message(nullptr, QMessageBox::Question,
                                             QStringLiteral("Вы хотите сохранить декларацию?"),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(answer, QMessageBox::Cancel);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Да", "Нет", "Отмена"}));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
