#include "controls/FlashButton.h"
#include "desktop/ScreenHost.h"
#include "records/Declaration.h"
#include "reference/IncomeDictionary.h"
#include "screens/ListEditor.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
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
    void OpenSectionButtons(const OpenSectionSet&) override {}
    TfmInputInspectionNumber* InspectionPicker() override { return nullptr; }
    TfmGrazhd* CountryPicker() override { return nullptr; }
    const mTIncomeDictionary& Dictionary() const override { return mTIncomeDictionary::Embedded(); }
    const mTOkvedClassifier* OkvedClassifier() const override { return nullptr; }
    mTCurrencyRates* CurrencyRates() const override { return nullptr; }

    DeclarationField declaration = std::make_unique<mTDeclaration>();
    bool loading = false;
    int notices = 0;
};

struct Payment {
    QString name;
    QString note; // edited in the detail area
};

// A list screen as the section screens build one: a list with two columns, four buttons, a detail
// field; its "dialogs" answer from the test's script.
class PaymentScreen : public QWidget {
public:
    explicit PaymentScreen(CountingHost& host, QList<Payment> initial)
        : host_(host), payments(std::move(initial)) {
        auto* layout = new QVBoxLayout(this);
        list = new QTreeWidget(this);
        list->setHeaderLabels({QStringLiteral("Платёж"), QStringLiteral("Примечание")});
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
            });
        editor->Rebuild();
    }

    QStringList Names() const {
        QStringList names;
        for (const Payment& p : payments)
            names << p.name;
        return names;
    }
    QStringList RowNames() const {
        QStringList names;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            names << list->topLevelItem(i)->text(0);
        return names;
    }
    void ClickRow(int row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
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
    QTreeWidget* list;
    TFlashButton *add, *edit, *remove, *repeat;
    QLineEdit* detail;
    std::unique_ptr<TListEditor> editor;
};

const QList<Payment> ThreePayments = {{"Январь", "первый"}, {"Февраль", "второй"}, {"Март", "третий"}};

} // namespace

// The pattern of the list screens: current row, detail, the four actions and the guards.
class TestListEditor : public QObject {
    Q_OBJECT

    CountingHost host;
    std::unique_ptr<PaymentScreen> screen;

private Q_SLOTS:
    void init() {
        host.notices = 0;
        screen = std::make_unique<PaymentScreen>(host, ThreePayments);
        screen->resize(400, 400);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    }
    void cleanup() { screen.reset(); }

    void builtWithoutACurrentRow() {
        QCOMPARE(screen->RowNames(), (QStringList{"Январь", "Февраль", "Март"}));
        QCOMPARE(screen->list->topLevelItem(1)->text(1), QStringLiteral("второй"));
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
        QVERIFY(screen->list->topLevelItem(3)->isSelected());
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
                const QPoint at = screen->list->visualItemRect(screen->list->topLevelItem(1)).center();
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
        QVERIFY(screen->list->selectedItems().isEmpty());
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
        QTest::mouseClick(screen->remove, Qt::LeftButton);
        QVERIFY(screen->payments.isEmpty());
        QCOMPARE(screen->list->topLevelItemCount(), 0);
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
        screen->list->clear();
        QVERIFY(screen->stored.isEmpty());
        QCOMPARE(screen->payments[2].note, QStringLiteral("третий"));
    }
};

QTEST_MAIN(TestListEditor)
#include "tst_listeditor.moc"
