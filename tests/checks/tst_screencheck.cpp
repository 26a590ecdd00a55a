#include "checks/ScreenCheck.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<CheckAnswer>)

namespace {

// Answers in turn; "Пропустить" once the answers run out.
struct Answers : ICheckAnswerer {
    QList<CheckAnswer> given;
    QList<CheckFault> asked;
    CheckAnswer Answer(const CheckFault& fault) override {
        asked.append(fault);
        return asked.size() <= given.size() ? given[asked.size() - 1] : CheckAnswer::Skip;
    }
};

} // namespace

// The protocol of a screen's own check over three failing rules at positions 1, 2 and 3.
class TestScreenCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void protocol_data() {
        QTest::addColumn<QList<CheckAnswer>>("answers");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("result");
        using A = CheckAnswer;
        QTest::newRow("fix the first") << QList<A>{A::Fix} << 1 << 1;
        QTest::newRow("skip, then fix") << QList<A>{A::Skip, A::Fix} << 2 << 2;
        QTest::newRow("closed counts as skip") << QList<A>{A::Cancel, A::Cancel, A::Fix} << 3 << 3;
        QTest::newRow("skip all ends with 0") << QList<A>{A::Skip, A::SkipAll} << 2 << 0;
        QTest::newRow("every rule skipped") << QList<A>{} << 3 << 0;
    }
    void protocol() {
        QFETCH(QList<CheckAnswer>, answers);
        QFETCH(int, shown);
        QFETCH(int, result);
        Answers answerer;
        answerer.given = answers;
        ScreenCheck check(answerer, QStringLiteral("Сведения о декларанте"));
        for (quint16 position = 1; position <= 3; ++position)
            check.Fault(QStringLiteral("Ошибка %1").arg(position), position);
        QCOMPARE(answerer.asked.size(), shown);
        QCOMPARE(int(check.Result()), result);
        QCOMPARE(check.Ended(), result != 0 || answers.contains(CheckAnswer::SkipAll));
        QCOMPARE(answerer.asked.last().Title, QStringLiteral("Сведения о декларанте"));
        QCOMPARE(answerer.asked.last().Message, QStringLiteral("Ошибка %1").arg(shown));
        QCOMPARE(int(answerer.asked.last().Position), shown);
    }
};

QTEST_GUILESS_MAIN(TestScreenCheck)
#include "tst_screencheck.moc"
