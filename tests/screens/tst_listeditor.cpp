#include "controls/FlashButton.h"
#include "records/Declaration.h"
#include "reference/IncomeDictionary.h"
#include "screens/ListEditor.h"
#include "screens/MyFrame.h"
#include "screens/ScreenHost.h"

#include "support/GuiTestSupport.h"
#include "support/ListViews.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The window of the test: it counts the notices that mark the declaration modified.
class CountingHost : public ScreenHost {
public:
    DeclarationField* DeclarationRef() override { return &declaration; }
    bool Loading() const override { return loading; }
    void SetLoading(bool on) override { loading = on; }
    void NotifyModified() override {
        if (!loading) ++notices;
    }
    void BeginChange() override { ++depth; }
    void EndChange(const QString& text) override {
        if (--depth == 0 && !text.isEmpty()) steps << text;
    }
    void OpenSectionButtons(const OpenSectionSet&) override {}
    TfmInputInspectionNumber* InspectionPicker() override { return nullptr; }
    TfmGrazhd* CountryPicker() override { return nullptr; }
    const mTIncomeDictionary& Dictionary() const override { return mTIncomeDictionary::Embedded(); }
    const mTOkvedClassifier* OkvedClassifier() const override { return nullptr; }
    mTCurrencyRates* CurrencyRates() const override { return nullptr; }

    DeclarationField declaration = std::make_unique<mTDeclaration>();
    bool loading = false;
    int notices = 0;
    int depth = 0;
    QStringList steps; // the names of the undoable steps made
};

struct Payment {
    QString name;
    QString note;  // edited in the detail area
    int lines = 0; // lines it holds: deleting it asks first
};

// A list screen as the section screens build one: a list with two columns, four buttons, a detail
// field; its "dialogs" answer from the test's script.
class PaymentScreen : public TThinkingFrame {
public:
    explicit PaymentScreen(CountingHost& host, QList<Payment> initial)
        : TThinkingFrame(nullptr, host), host_(host), payments(std::move(initial)) {
        auto* layout = new QVBoxLayout(this);
        list = new QTreeView(this);
        list->setObjectName(QStringLiteral("lvPayments"));
        layout->addWidget(list);
        for (TFlashButton** b : {&add, &edit, &remove, &repeat}) {
            *b = new TFlashButton(this);
            (*b)->setFixedSize(60, 23);
            layout->addWidget(*b);
        }
        detail = new QLineEdit(this);
        layout->addWidget(detail);
        connect(detail, &QLineEdit::textChanged, this, [this] { host_.NotifyModified(); });

        editor = std::make_unique<TListEditor>(
            host, list, ListButtons{add, edit, remove, repeat},
            ListRecords{
                .Headings = {QStringLiteral("Платёж"), QStringLiteral("Примечание")},
                .Count = [this] { return int(payments.size()); },
                .RowTexts =
                    [this](int row) {
                        return QStringList{payments[row].name, payments[row].note};
                    },
                .Add = [this]() -> std::optional<int> {
                    if (nextName.isEmpty()) return std::nullopt;
                    payments.append({nextName, QString()});
                    return int(payments.size()) - 1;
                },
                .Edit =
                    [this](int row) {
                        if (nextName.isEmpty()) return false;
                        payments[row].name = nextName;
                        return true;
                    },
                .Delete = [this](int row) { payments.removeAt(row); },
                .Repeat = [this](int row) -> std::optional<int> {
                    payments.append(payments[row]);
                    return int(payments.size()) - 1;
                },
                .ShowDetail =
                    [this](int row) {
                        detail->setEnabled(true);
                        detail->setText(payments[row].note);
                    },
                .StoreDetail =
                    [this](int row) {
                        stored << row;
                        payments[row].note = detail->text();
                    },
                .ClearDetail =
                    [this] {
                        detail->clear();
                        detail->setEnabled(false);
                    },
                .AfterDelete = {},
                .Noun = QStringLiteral("платежа"),
                .Name = [this](int row) { return payments[row].name; },
                .LineCount = [this](int row) { return payments[row].lines; },
            });
        editor->Rebuild();
    }

    void Store() override { editor->StoreCurrent(); }
    quint16 Check() override { return 0; }
    void ShowPosition(quint16) override {}

    QStringList Names() const {
        QStringList names;
        for (const Payment& p : payments)
            names << p.name;
        return names;
    }
    QStringList RowNames() const { return FirstColumn(list); }
    void ClickRow(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowRect(list, row).center());
    }
    // Types as a user does, key by key (Cyrillic letters included).
    void TypeDetail(const QString& text) {
        detail->setFocus();
        detail->selectAll();
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Press, detail, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, detail, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    CountingHost& host_;
    QList<Payment> payments;
    QString nextName; // what the add and edit dialogs answer; empty: cancelled
    QList<int> stored;
    QTreeView* list;
    TFlashButton *add, *edit, *remove, *repeat;
    QLineEdit* detail;
    std::unique_ptr<TListEditor> editor;
};

const QList<Payment> ThreePayments = {{"Январь", "первый"}, {"Февраль", "второй"}, {"Март", "третий", 2}};

} // namespace

// The pattern of the list screens: current row, detail, the four actions and the guards.
class TestListEditor : public QObject {
    Q_OBJECT

    CountingHost host;
    ScriptedPrompts prompts;
    std::unique_ptr<PaymentScreen> screen;

private Q_SLOTS:
    void init() {
        host.notices = 0;
        host.steps.clear();
        screen = std::make_unique<PaymentScreen>(host, ThreePayments);
        screen->resize(400, 400);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    }
    void cleanup() {
        screen.reset();
        prompts.messages.clear();
        prompts.answers.clear();
    }

    void builtWithoutACurrentRow() {
        QCOMPARE(screen->RowNames(), (QStringList{"Январь", "Февраль", "Март"}));
        QCOMPARE(RowText(screen->list, 1, 1), QStringLiteral("второй"));
        QCOMPARE(screen->editor->CurrentRow(), -1);
        QVERIFY(!screen->detail->isEnabled());
        QCOMPARE(host.notices, 0);
    }

    void selectingShowsLeavingStores() {
        screen->ClickRow(1);
        QCOMPARE(screen->editor->CurrentRow(), 1);
        QCOMPARE(screen->detail->text(), QStringLiteral("второй"));
        QCOMPARE(host.notices, 0); // filling the detail is no change
        QVERIFY(!host.loading);
        screen->TypeDetail(QStringLiteral("изменён"));
        QVERIFY(host.notices > 0);
        QCOMPARE(screen->payments[1].note, QStringLiteral("второй")); // only leaving the row stores it
        screen->ClickRow(2);
        QCOMPARE(screen->payments[1].note, QStringLiteral("изменён"));
        QCOMPARE(screen->detail->text(), QStringLiteral("третий"));
        screen->editor->StoreCurrent();
        QCOMPARE(screen->stored, (QList<int>{1, 2}));
    }

    void addAppendsAndSelects() {
        screen->ClickRow(0);
        screen->TypeDetail(QStringLiteral("до добавления"));
        host.notices = 0;
        screen->nextName.clear(); // cancelled: nothing changes
        QTest::mouseClick(screen->add, Qt::LeftButton);
        QCOMPARE(screen->Names().size(), 3);
        QCOMPARE(host.notices, 0);
        screen->nextName = QStringLiteral("Апрель");
        QTest::mouseClick(screen->add, Qt::LeftButton);
        QCOMPARE(screen->Names(), (QStringList{"Январь", "Февраль", "Март", "Апрель"}));
        QCOMPARE(screen->RowNames(), screen->Names());
        QCOMPARE(screen->editor->CurrentRow(), 3);
        QCOMPARE(SelectedRow(screen->list), 3);
        QCOMPARE(screen->payments[0].note, QStringLiteral("до добавления"));
        QCOMPARE(host.notices, 1);
    }

    void editFromButtonDoubleClickAndEnter_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("button") << 0;
        QTest::newRow("double click") << 1;
        QTest::newRow("Enter in the list") << 2;
    }
    void editFromButtonDoubleClickAndEnter() {
        QFETCH(int, way);
        screen->nextName = QStringLiteral("Февраль, исправлен");
        const auto edit = [&] {
            if (way == 0) QTest::mouseClick(screen->edit, Qt::LeftButton);
            if (way == 1) {
                const QPoint at = RowRect(screen->list, 1).center();
                QTest::mouseDClick(screen->list->viewport(), Qt::LeftButton, {}, at);
            }
            if (way == 2) QTest::keyClick(screen->list, Qt::Key_Return);
        };
        if (way != 1) {
            edit(); // no current row: nothing to edit
            QCOMPARE(screen->Names()[1], QStringLiteral("Февраль"));
        }
        screen->ClickRow(1);
        screen->list->setFocus();
        edit();
        QCOMPARE(screen->Names()[1], QStringLiteral("Февраль, исправлен"));
        QCOMPARE(screen->RowNames()[1], QStringLiteral("Февраль, исправлен"));
        QCOMPARE(screen->editor->CurrentRow(), 1);
        QCOMPARE(host.notices, 1);
    }

    // Nothing typed into the detail of a deleted row reaches its neighbour, and no row is current
    // until the user selects one.
    void deleteLeavesNoCurrentRow() {
        screen->ClickRow(1);
        screen->TypeDetail(QStringLiteral("не сохранять"));
        host.notices = 0;
        screen->stored.clear();
        QTest::mouseClick(screen->remove, Qt::LeftButton);
        QCOMPARE(screen->Names(), (QStringList{"Январь", "Март"}));
        QCOMPARE(screen->RowNames(), screen->Names());
        QCOMPARE(screen->editor->CurrentRow(), -1);
        QVERIFY(SelectedRow(screen->list) < 0);
        QVERIFY(!screen->detail->isEnabled());
        QCOMPARE(host.notices, 1);
        QTest::mouseClick(screen->remove, Qt::LeftButton); // nothing current: nothing deleted
        QCOMPARE(screen->Names().size(), 2);

        screen->ClickRow(1);
        QCOMPARE(screen->detail->text(), QStringLiteral("третий"));
        screen->ClickRow(0);
        QVERIFY(screen->stored == QList<int>{1}); // only the row the user selected and left
        QCOMPARE(screen->payments[0].note, QStringLiteral("первый"));
        QCOMPARE(screen->payments[1].note, QStringLiteral("третий"));

        QTest::mouseClick(screen->remove, Qt::LeftButton);
        screen->ClickRow(0);
        prompts.answers.enqueue(QMessageBox::Yes); // "Март" holds lines
        QTest::mouseClick(screen->remove, Qt::LeftButton);
        QVERIFY(screen->payments.isEmpty());
        QCOMPARE(RowCount(screen->list), 0);
    }

    void repeatAppendsACopy() {
        QTest::mouseClick(screen->repeat, Qt::LeftButton); // nothing current: nothing repeated
        QCOMPARE(screen->Names().size(), 3);
        screen->ClickRow(0);
        screen->TypeDetail(QStringLiteral("повтор"));
        host.notices = 0;
        QTest::mouseClick(screen->repeat, Qt::LeftButton);
        QCOMPARE(screen->Names(), (QStringList{"Январь", "Февраль", "Март", "Январь"}));
        QCOMPARE(screen->payments[3].note, QStringLiteral("повтор")); // the detail went with the copy
        QCOMPARE(screen->editor->CurrentRow(), 3);
        QCOMPARE(host.notices, 1);
    }

    void showRowFocusesTheList() {
        screen->editor->ShowRow(5); // no such record
        QCOMPARE(screen->editor->CurrentRow(), -1);
        screen->editor->ShowRow(2);
        QCOMPARE(screen->editor->CurrentRow(), 2);
        QVERIFY(screen->list->hasFocus());
        QCOMPARE(screen->detail->text(), QStringLiteral("третий"));
    }

    // Rebuilding and the editor's end raise selection events that must store nothing.
    void buildingAndDestroyingStoreNothing() {
        screen->ClickRow(1);
        screen->stored.clear();
        screen->editor->Rebuild();
        QCOMPARE(screen->editor->CurrentRow(), -1);
        screen->ClickRow(2);
        screen->TypeDetail(QStringLiteral("брошено"));
        screen->editor.reset();
        screen->list->clearSelection();
        screen->list->setModel(nullptr);
        QVERIFY(screen->stored.isEmpty());
        QCOMPARE(screen->payments[2].note, QStringLiteral("третий"));
    }
    // Each accepted change is one step named after the record; a cancelled dialog makes none.
    void stepsNameTheRecord() {
        screen->nextName.clear();
        QTest::mouseClick(screen->add, Qt::LeftButton);
        screen->nextName = QStringLiteral("Апрель");
        QTest::mouseClick(screen->add, Qt::LeftButton);
        screen->nextName = QStringLiteral("Апрель, уточнён");
        QTest::mouseClick(screen->edit, Qt::LeftButton);
        QTest::mouseClick(screen->repeat, Qt::LeftButton);
        QTest::mouseClick(screen->remove, Qt::LeftButton);
        QCOMPARE(host.steps,
                 (QStringList{"добавление платежа «Апрель»", "изменение платежа «Апрель, уточнён»",
                              "повтор платежа «Апрель, уточнён»", "удаление платежа «Апрель, уточнён»"}));
        QCOMPARE(host.depth, 0);
    }

    // A record with lines goes only when the user agrees; the question names it and its lines.
    void deletingARecordWithLinesAsks_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("question");
        const QString march = QStringLiteral("Удалить источник «Март» вместе со всеми его строками (2)?");
        QTest::newRow("lines, no") << 2 << int(QMessageBox::No) << QStringList{"Январь", "Февраль", "Март"}
                                   << march;
        QTest::newRow("lines, yes") << 2 << int(QMessageBox::Yes) << QStringList{"Январь", "Февраль"}
                                    << march;
        QTest::newRow("no lines, no question")
            << 0 << int(QMessageBox::No) << QStringList{"Февраль", "Март"} << QString();
    }
    void deletingARecordWithLinesAsks() {
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        QFETCH(QString, question);
        screen->ClickRow(row);
        prompts.answers.enqueue(QMessageBox::StandardButton(answer));
        QTest::mouseClick(screen->remove, Qt::LeftButton);
        QCOMPARE(screen->Names(), left);
        QCOMPARE(prompts.Texts(), question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(host.steps.size(), left.size() == 3 ? 0 : 1);
    }

    // Without a mouse: Tab reaches the buttons after the list, Insert adds, F2 edits, Delete deletes,
    // and a focused button is pressed with Space.
    void keyboardAlone() {
        screen->list->setFocus();
        QTest::keyClick(screen->list, Qt::Key_Down);
        QTest::keyClick(screen->list, Qt::Key_Up);
        QCOMPARE(screen->editor->CurrentRow(), 0);
        screen->nextName = QStringLiteral("Апрель");
        QTest::keyClick(screen->list, Qt::Key_Insert);
        QCOMPARE(screen->Names().last(), QStringLiteral("Апрель"));
        QCOMPARE(screen->editor->CurrentRow(), 3);
        screen->nextName = QStringLiteral("Апрель, уточнён");
        QTest::keyClick(screen->list, Qt::Key_F2);
        QCOMPARE(screen->Names().last(), QStringLiteral("Апрель, уточнён"));
        QTest::keyClick(screen->list, Qt::Key_Delete);
        QCOMPARE(screen->Names(), (QStringList{"Январь", "Февраль", "Март"}));

        QWidget* chain[] = {screen->list, screen->add, screen->edit, screen->remove, screen->repeat};
        screen->list->setFocus();
        for (size_t i = 1; i < std::size(chain); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), chain[i]);
        }
        screen->nextName = QStringLiteral("Май");
        screen->add->setFocus();
        QTest::keyClick(screen->add, Qt::Key_Space);
        QCOMPARE(screen->Names().last(), QStringLiteral("Май"));
    }

    // The list's context menu offers the buttons' actions; Shift+F10 opens it from the keyboard.
    void contextMenuOffersTheActions() {
        screen->ClickRow(1);
        screen->list->setFocus();
        QTest::keyClick(screen->list, Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList items;
        for (const QAction* a : menu->actions())
            items << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (недоступно)"));
        QCOMPARE(items, (QStringList{"Добавить", "Редактировать", "Повторить", "Удалить"}));
        // Down, Down, Enter: "Повторить".
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_COMPARE(screen->Names(), (QStringList{"Январь", "Февраль", "Март", "Февраль"}));
    }
};

QTEST_MAIN(TestListEditor)
#include "tst_listeditor.moc"
