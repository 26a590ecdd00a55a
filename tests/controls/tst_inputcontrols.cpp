#include "controls/DatePicker.h"
#include "controls/FlashButton.h"
#include "controls/MaskedDocEdit.h"
#include "controls/MaskedEdit.h"
#include "controls/ModificationNotice.h"
#include "storage/AmountText.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A stand-in for the main window: counts the modification notices that reach it.
class NoticeCounter : public QWidget {
public:
    int notices = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == ModificationNoticeEvent) {
            ++notices;
            return true;
        }
        return QWidget::event(e);
    }
};

// Types text one character at a time, as a keyboard of any layout would.
void Type(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

void Paste(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    edit->selectAll();
    edit->paste();
}

} // namespace

class TestInputControls : public QObject {
    Q_OBJECT

private slots:
    void maskedEditTyping_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("fraction");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const int cur = TMaskedEdit::edtCurrency, dig = TMaskedEdit::edtDigital, chr = TMaskedEdit::edtChar,
                  any = TMaskedEdit::edtNone;
        QTest::newRow("money: 12 digits and 2 decimals") << cur << 12 << 2 << "123456789012,34"
                                                         << "123456789012,34";
        QTest::newRow("money: 13th integer digit refused") << cur << 12 << 2 << "1234567890123"
                                                           << "123456789012";
        QTest::newRow("money: third decimal refused") << cur << 12 << 2 << "1,234"
                                                      << "1,23";
        QTest::newRow("money: point becomes comma") << cur << 12 << 2 << "7.5"
                                                    << "7,5";
        QTest::newRow("money: second separator refused") << cur << 12 << 2 << "1,,5.2"
                                                         << "1,52";
        QTest::newRow("money: letters and sign refused") << cur << 12 << 2 << "-a1b"
                                                         << "1";
        QTest::newRow("money: unlimited") << cur << 0 << 0 << "12345678901234,1234"
                                          << "12345678901234,1234";
        QTest::newRow("digits: length 2") << dig << 2 << 0 << "1a23"
                                          << "12";
        QTest::newRow("text without digits") << chr << 5 << 0 << "ab1cdefg"
                                             << "abcde";
        QTest::newRow("any text: length 3") << any << 3 << 0 << "a1b2"
                                            << "a1b";
        QTest::newRow("any text: not in windows-1251") << any << 0 << 0 << "a\u0109b\u4e2d"
                                                       << "ab";
        QTest::newRow("any text: Cyrillic kept") << any << 0 << 0 << "Иванов №1"
                                                 << "Иванов №1";
    }
    void maskedEditTyping() {
        QFETCH(int, type);
        QFETCH(int, whole);
        QFETCH(int, fraction);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        TMaskedEdit edit;
        edit.SetEditType(TMaskedEdit::TEditType(type));
        edit.SetWholeLength(whole);
        edit.SetFractionalLength(fraction);
        Type(&edit, keys);
        QCOMPARE(edit.text(), expected);
    }

    void maskedEditPasteAndNotice_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("whole");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("money: letter restores") << int(TMaskedEdit::edtCurrency) << 12 << "12,5"
                                                << "12a"
                                                << "12,5";
        QTest::newRow("money: blank empties") << int(TMaskedEdit::edtCurrency) << 12 << "12,5"
                                              << "   "
                                              << "";
        QTest::newRow("money: amount accepted") << int(TMaskedEdit::edtCurrency) << 12 << "1"
                                                << "1500,25"
                                                << "1500,25";
        QTest::newRow("money: too long restores") << int(TMaskedEdit::edtCurrency) << 3 << "1"
                                                  << "1000"
                                                  << "1";
        QTest::newRow("digits: letter restores") << int(TMaskedEdit::edtDigital) << 12 << "77"
                                                 << "7a"
                                                 << "77";
        QTest::newRow("digits: too long restores") << int(TMaskedEdit::edtDigital) << 2 << "77"
                                                   << "123"
                                                   << "77";
        QTest::newRow("text: digit restores") << int(TMaskedEdit::edtChar) << 10 << "abc"
                                              << "a1"
                                              << "abc";
        QTest::newRow("any: not in windows-1251 restores") << int(TMaskedEdit::edtNone) << 10 << "abc"
                                                           << "a\u0109"
                                                           << "abc";
    }
    void maskedEditPasteAndNotice() {
        QFETCH(int, type);
        QFETCH(int, whole);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        NoticeCounter host;
        auto* edit = new TMaskedEdit(&host);
        edit->SetEditType(TMaskedEdit::TEditType(type));
        edit->SetWholeLength(whole);
        edit->SetFractionalLength(2);
        edit->setText(before);
        QSignalSpy changed(edit, &TMaskedEdit::Changed);
        const int noticesBefore = host.notices;
        Paste(edit, pasted);
        QCOMPARE(edit->text(), expected);
        const int expectedEvents = expected == before ? 0 : 1;
        QCOMPARE(host.notices - noticesBefore, expectedEvents);
        QCOMPARE(changed.count(), expectedEvents);
    }

    void settingTextFromTheProgramNotifies() {
        NoticeCounter host;
        auto* edit = new TMaskedEdit(&host);
        edit->SetAmount(Money::FromRaw(12345000));
        QCOMPARE(edit->text(), QStringLiteral("1234,5"));
        QCOMPARE(host.notices, 1);
        edit->setText(QStringLiteral("1234,5"));
        QCOMPARE(host.notices, 1);
        QCOMPARE(edit->Amount(), Money::FromRaw(12345000));
        edit->clear();
        QCOMPARE(edit->Amount(), Money());
        QCOMPARE(host.notices, 2);
    }

    // An amount is never cut: what does not fit is refused with the reason next to the field, and the
    // field keeps what it had. Digits grouped by blanks are read over.
    void amountRefusedVisibly_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("pasted"); // else typed at the end
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("refusal"); // empty: none
        const QString tooWhole = QStringLiteral("В сумме не больше 12 цифр до запятой");
        const QString tooFraction = QStringLiteral("В сумме не больше 2 цифр после запятой");
        QTest::newRow("typed 13th integer digit") << "123456789012" << false << "3"
                                                  << "123456789012" << tooWhole;
        QTest::newRow("typed third decimal") << "1,23" << false << "4"
                                             << "1,23" << tooFraction;
        QTest::newRow("pasted 17 digits") << "5" << true << "12345678901234567"
                                          << "5" << tooWhole;
        QTest::newRow("pasted third decimal after grouped thousands") << "5" << true << "1 000,555"
                                                                      << "5" << tooFraction;
        QTest::newRow("pasted grouped thousands") << "5" << true << "1 000 000,55"
                                                  << "1000000,55"
                                                  << "";
        QTest::newRow("pasted letters") << "5" << true << "12a"
                                        << "5"
                                        << "Сумма пишется цифрами, копейки после запятой";
    }
    void amountRefusedVisibly() {
        QFETCH(QString, before);
        QFETCH(bool, pasted);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(QString, refusal);
        TMaskedEdit edit;
        edit.SetEditType(TMaskedEdit::edtCurrency);
        edit.SetWholeLength(12);
        edit.SetFractionalLength(2);
        edit.setText(before);
        edit.show();
        QSignalSpy refused(&edit, &TMaskedEdit::Refused);
        if (pasted) {
            Paste(&edit, input);
        } else {
            edit.setCursorPosition(int(edit.text().size()));
            Type(&edit, input);
        }
        QCOMPARE(edit.text(), expected);
        QCOMPARE(refused.count(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty()) QCOMPARE(refused.first().first().toString(), refusal);
    }

    // Lists and read-only fields show amounts with the thousands apart and two decimals, and read them
    // back exactly.
    void amountDisplay_data() {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole roubles") << qint64(300000000) << "30 000,00";
        QTest::newRow("one decimal") << qint64(314471000) << "31 447,10";
        QTest::newRow("four decimals kept") << qint64(271304) << "27,1304";
        QTest::newRow("under a thousand") << qint64(9990000) << "999,00";
        QTest::newRow("millions, negative") << qint64(-12345678900000) << "−1 234 567 890,00";
        QTest::newRow("nought") << qint64(0) << "0,00";
    }
    void amountDisplay() {
        QFETCH(qint64, raw);
        QFETCH(QString, shown);
        QCOMPARE(GroupedAmountText(Money::FromRaw(raw)), shown);
        Money back;
        QVERIFY(ParseAmountField(shown, back));
        QCOMPARE(back, Money::FromRaw(raw));
    }

    // Digits typed after a click anywhere in a date field make the whole date; a date that does not exist
    // or lies outside the range is refused with the reason, and the field keeps its date.
    void dateTyping_data() {
        QTest::addColumn<int>("clickAt"); // where the click leaves the caret: 0 the day … 2 the year's end
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<QString>("refusal");
        const QDate kept(1977, 1, 1);
        QTest::newRow("eight digits, click on the day") << 0 << "15031975" << QDate(1975, 3, 15) << "";
        QTest::newRow("eight digits, click on the year") << 2 << "15031975" << QDate(1975, 3, 15) << "";
        QTest::newRow("with separators ending parts") << 1 << "1.3.1975" << QDate(1975, 3, 1) << "";
        QTest::newRow("31 February") << 0 << "31022010" << kept << "Даты 31.02.2010 не бывает";
        QTest::newRow("month 13") << 0 << "0113" << kept << "Месяца 13 не бывает";
        QTest::newRow("day 32") << 0 << "32" << kept << "Дня 32 не бывает";
        QTest::newRow("outside the range")
            << 0 << "01012012" << kept << "Дата должна быть не раньше 01.01.1900 и не позже 31.12.2011";
        QTest::newRow("unfinished, then Tab")
            << 0 << "1503|" << kept << "Дата набирается полностью: день, месяц и год, например 15031975";
    }
    void dateTyping() {
        QFETCH(int, clickAt);
        QFETCH(QString, keys);
        QFETCH(QDate, expected);
        QFETCH(QString, refusal);
        NoticeCounter host;
        auto* date = new TDatePicker(&host);
        auto* next = new QLineEdit(&host);
        next->move(0, 40);
        date->SetRange(QDate(1900, 1, 1), QDate(2011, 12, 31));
        date->SetValue(DateValue::FromYmd(1977, 1, 1));
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        QSignalSpy refused(date, &TDatePicker::Refused);
        QLineEdit* edit = date->findChild<QLineEdit*>();
        const int x = clickAt == 0 ? 6 : clickAt == 1 ? edit->width() / 3 : edit->width() - 6;
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(x, edit->height() / 2));
        // A trailing "|" stands for Tab, which leaves the field.
        QCOMPARE(QApplication::focusWidget(), date);
        Type(QApplication::focusWidget(), QString(keys).remove(QLatin1Char('|')));
        if (keys.endsWith(QLatin1Char('|'))) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(date->date(), expected);
        QCOMPARE(date->Value(), DateValue::FromQDate(expected));
        QCOMPARE(edit->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
        QCOMPARE(host.notices, expected == QDate(1977, 1, 1) ? 0 : 1);
        QCOMPARE(refused.count(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty()) QCOMPARE(refused.first().first().toString(), refusal);
    }

    void docEditTyping_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0: series typed in lower case") << 0 << "xiv-мю123456"
                                                       << "XIV-МЮ 123456";
        QTest::newRow("0: seventh digit refused") << 0 << "XIV-МЮ1234567"
                                                  << "XIV-МЮ 123456";
        QTest::newRow("0: У becomes V, 1 becomes I") << 0 << "У1-АБ"
                                                     << "VI-АБ ";
        QTest::newRow("0: Х Л С become X L C") << 0 << "ХЛ"
                                               << "XL";
        QTest::newRow("0: IIII refused") << 0 << "IIII"
                                         << "III";
        QTest::newRow("0: VX refused") << 0 << "VX"
                                       << "V";
        QTest::newRow("0: Latin letter after dash refused") << 0 << "I-AБВГ"
                                                            << "I-БВ ";
        QTest::newRow("1: spaces inserted, typed space swallowed") << 1 << "12 3456789"
                                                                   << "12 3456789";
        QTest::newRow("1: eighth digit refused") << 1 << "1234567890"
                                                 << "12 3456789";
        QTest::newRow("2: two spaces inserted") << 2 << "1234567890"
                                                << "12 34 567890";
        QTest::newRow("2: seventh digit of last group refused") << 2 << "12345678901"
                                                                << "12 34 567890";
        QTest::newRow("3: capitals and six digits") << 3 << "аб1234567"
                                                    << "АБ 123456";
        QTest::newRow("3: digit before the space refused") << 3 << "а1б"
                                                           << "АБ ";
        QTest::newRow("4: seven digits") << 4 << "ав12345678"
                                         << "АВ 1234567";
        QTest::newRow("5: 20 characters") << 5 << "abcdefghij0123456789X"
                                          << "abcdefghij0123456789";
        QTest::newRow("6: 14 characters") << 6 << "abcdefghij01234"
                                          << "abcdefghij0123";
    }
    void docEditTyping() {
        QFETCH(int, kind);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        TMaskedDocEdit edit;
        edit.SetEditType(kind);
        Type(&edit, keys);
        QCOMPARE(edit.text(), expected);
    }

    void docEditChangeCheck_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0: accepted") << 0 << ""
                                     << "XIV-МЮ 123456"
                                     << "XIV-МЮ 123456";
        QTest::newRow("0: normalised") << 0 << ""
                                       << "xiv-мю 123456"
                                       << "XIV-МЮ 123456";
        QTest::newRow("0: IIII restores") << 0 << "XIV-МЮ 123456"
                                          << "IIII-МЮ 123456"
                                          << "XIV-МЮ 123456";
        QTest::newRow("0: VX restores") << 0 << "XIV-МЮ 123456"
                                        << "VX-МЮ 123456"
                                        << "XIV-МЮ 123456";
        QTest::newRow("0: ten letters restore") << 0 << "I"
                                                << "XXXVIIIXX"
                                                << "I";
        QTest::newRow("0: CD is not made of I V X L C") << 0 << "I"
                                                        << "CCCC"
                                                        << "I";
        QTest::newRow("2: accepted") << 2 << ""
                                     << "12 34 567890"
                                     << "12 34 567890";
        QTest::newRow("2: long last group restores") << 2 << "12 34 567890"
                                                     << "12 34 5678901"
                                                     << "12 34 567890";
        QTest::newRow("3: letters after space restore") << 3 << "АБ 1"
                                                        << "АБ 1Б"
                                                        << "АБ 1";
        QTest::newRow("5: 21 characters restore") << 5 << "a" << QString(21, QLatin1Char('x')) << "a";
    }
    void docEditChangeCheck() {
        QFETCH(int, kind);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        TMaskedDocEdit edit;
        edit.SetEditType(kind);
        edit.setText(before);
        Paste(&edit, pasted);
        QCOMPARE(edit.text(), expected);
    }

    void romanNumerals() {
        QCOMPARE(TMaskedDocEdit::RomanValue(QStringLiteral("XIV")), 14);
        QCOMPARE(TMaskedDocEdit::RomanValue(QStringLiteral("XCIX")), 99);
        QCOMPARE(TMaskedDocEdit::RomanText(349), QStringLiteral("CCCXLIX"));
    }

    void flashButtonGroup() {
        QWidget panel;
        auto* first = new TFlashButton(&panel);
        auto* second = new TFlashButton(&panel);
        auto* loose = new TFlashButton(&panel);
        second->move(0, 30);
        loose->move(0, 60);
        QCOMPARE(first->size(), QSize(22, 23));
        first->SetGroupIndex(1);
        second->SetGroupIndex(1);
        first->SetDown(true);
        QSignalSpy clicks(second, &TFlashButton::Click);

        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(second->Down());
        QVERIFY(!first->Down());

        // The down button of a group stays down unless the group may be all up.
        QTest::mouseClick(second, Qt::LeftButton);
        QVERIFY(second->Down());
        QCOMPARE(clicks.count(), 2);
        second->SetAllowAllUp(true);
        QTest::mouseClick(second, Qt::LeftButton);
        QVERIFY(!second->Down());

        // A button outside every group is never down; a disabled one cannot be pressed.
        loose->SetDown(true);
        QVERIFY(!loose->Down());
        first->setEnabled(false);
        QSignalSpy firstClicks(first, &TFlashButton::Click);
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(firstClicks.count(), 0);
        QVERIFY(!first->Down());
    }

    void flashButtonHighlight() {
        TFlashButton button;
        button.resize(100, 40);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
        QVERIFY(button.IsHighlighted());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QVERIFY(!button.IsHighlighted());
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(button.IsPressed());
        QTest::mouseRelease(&button, Qt::LeftButton);
        QVERIFY(!button.IsPressed());
    }
};

QTEST_MAIN(TestInputControls)
#include "tst_inputcontrols.moc"
