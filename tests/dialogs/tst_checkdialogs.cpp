#include "support/GuiTestSupport.h"

#include "dialogs/CheckAllError.h"
#include "dialogs/CheckError.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Once the dialog is up, does what the user does: a button by name, or Escape, or closing the window.
void AnswerWith(const QString& action, const QString& shot = QString()) {
    QTimer::singleShot(0, [action, shot] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (!shot.isEmpty()) SaveShot(dialog, shot);
        if (action == QLatin1String("escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (action == QLatin1String("close"))
            dialog->close();
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>(action), Qt::LeftButton);
    });
}

} // namespace

class TestCheckDialogs : public QObject {
    Q_OBJECT

private slots:
    void checkErrorAnswers_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::newRow("Исправить") << "bnFix" << int(CheckAnswer::Fix);
        QTest::newRow("Пропустить") << "bnSkip" << int(CheckAnswer::Skip);
        QTest::newRow("Пропустить все") << "bnSkipAll" << int(CheckAnswer::SkipAll);
        QTest::newRow("window closed") << "close" << int(CheckAnswer::Cancel);
        QTest::newRow("Escape") << "escape" << int(CheckAnswer::Cancel);
    }
    void checkErrorAnswers() {
        QFETCH(QString, action);
        QFETCH(int, answer);
        TfmCheckError dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка"));
        AnswerWith(action, answer == int(CheckAnswer::Fix) ? QStringLiteral("check-error") : QString());
        QCOMPARE(int(dialog.Ask(
                     QStringLiteral("Сведения о декларанте"),
                     QStringLiteral(
                         "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"))),
                 answer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка: Сведения о декларанте"));
        QCOMPARE(dialog.findChild<QPushButton*>("bnFix")->text(), QStringLiteral("Исправить"));
        QCOMPARE(dialog.findChild<QPushButton*>("bnSkip")->text(), QStringLiteral("Пропустить"));
        QCOMPARE(dialog.findChild<QPushButton*>("bnSkipAll")->text(), QStringLiteral("Пропустить все"));
    }

    void disabledButtonsStayDisabled() {
        TfmCheckError dialog;
        dialog.SetSkipAllEnabled(false);
        for (int i = 0; i < 2; ++i) {
            AnswerWith(QStringLiteral("bnSkip"));
            QCOMPARE(dialog.Ask(QStringLiteral("ОКВЭД"), QStringLiteral("Сообщение %1").arg(i)),
                     CheckAnswer::Skip);
            QVERIFY(!dialog.findChild<QPushButton*>("bnSkipAll")->isEnabled());
            QCOMPARE(dialog.Message(), QStringLiteral("Сообщение %1").arg(i));
        }
    }

    void checkAllErrorAnswers_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::newRow("Исправить") << "bnFix" << int(CheckAnswer::Fix);
        QTest::newRow("Отмена") << "bnCancel" << int(CheckAnswer::Cancel);
        QTest::newRow("window closed") << "close" << int(CheckAnswer::Cancel);
    }
    void checkAllErrorAnswers() {
        QFETCH(QString, action);
        QFETCH(int, answer);
        TfmCheckAllError dialog;
        AnswerWith(action, answer == int(CheckAnswer::Fix) ? QStringLiteral("check-all-error") : QString());
        QCOMPARE(
            int(dialog.Ask(QStringLiteral("Задание условий"), QStringLiteral("Не введен номер инспекции"))),
            answer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка: Задание условий"));
        QCOMPARE(dialog.findChild<QPushButton*>("bnCancel")->text(), QStringLiteral("Отмена"));
        QVERIFY(!dialog.findChild<QPushButton*>("bnSkip"));
    }
};

QTEST_MAIN(TestCheckDialogs)
#include "tst_checkdialogs.moc"
