#pragma once

// What the screen tests share: a main window with the program's real screens and small reference
// files, and scripted answers to the modal dialogs a screen opens (check dialogs, pickers).

#include "support/GuiTestSupport.h"
#include "support/ListViews.h"

#include "controls/FlashButton.h"
#include "editing/DeclarationHistory.h"
#include "records/Declaration.h"
#include "screens/MyFrame.h"
#include "screens/ProgramScreens.h"
#include "shell/Main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

// Answers modal dialogs in the order they appear, as a user would: clicks their buttons, picks rows.
// Every dialog seen is recorded; one that appears with no answer left is closed and counted.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QDialog*)>;
    struct Seen {
        QString dialog; // the dialog's object name
        QString title;
        QString message; // the check dialogs' message
        bool skipEnabled = false;
        bool skipAllEnabled = false;
    };

    ModalScript() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
        timer_.start();
    }

    ModalScript& Then(Action action) {
        actions_.enqueue(std::move(action));
        return *this;
    }
    // Clicks the dialog's button of that object name ("bnFix", "bnSkip", "bnSkipAll", "bnYes", "bnNo").
    static Action Click(const QString& button) {
        return [button](QDialog* d) {
            if (auto* b = d->findChild<QPushButton*>(button); b && b->isEnabled())
                b->click();
            else
                d->reject();
        };
    }
    // Does action once the script has returned: an action that opens a further modal dialog (a picker,
    // a check) must not run inside the script, which answers that dialog only after it returns.
    static Action Later(Action action) {
        return [action](QDialog* d) { QTimer::singleShot(0, d, [d, action] { action(d); }); };
    }
    static Action Close() {
        return [](QDialog* d) { d->reject(); };
    }
    // Selects the row of that code in the picker's list and accepts with "Да".
    static Action Pick(const QString& code) {
        return [code](QDialog* d) {
            auto* list = d->findChild<QTreeWidget*>();
            for (int i = 0; list && i < list->topLevelItemCount(); ++i)
                if (list->topLevelItem(i)->text(0) == code) {
                    list->setCurrentItem(list->topLevelItem(i));
                    list->topLevelItem(i)->setSelected(true);
                }
            Click(QStringLiteral("bnYes"))(d);
        };
    }
    // Records what the picker shows selected, then cancels it.
    static Action Inspect(QString& selectedCode) {
        return [&selectedCode](QDialog* d) {
            auto* list = d->findChild<QTreeWidget*>();
            const QList<QTreeWidgetItem*> selected = list ? list->selectedItems() : QList<QTreeWidgetItem*>();
            selectedCode = selected.isEmpty() ? QString() : selected.first()->text(0);
            d->reject();
        };
    }

    // Saves a screenshot of the dialog (see SaveShot), then does next.
    static Action Shot(const QString& name, Action next) {
        return [name, next](QDialog* d) {
            SaveShot(d, name);
            next(d);
        };
    }

    QList<Seen> seen;
    int unanswered = 0;
    bool Done() const { return actions_.isEmpty(); }
    QStringList Messages() const {
        QStringList m;
        for (const Seen& s : seen)
            m << s.message;
        return m;
    }

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        Seen s;
        s.dialog = dialog->objectName();
        s.title = dialog->windowTitle();
        if (auto* message = dialog->findChild<QLabel*>(QStringLiteral("lbMessage")))
            s.message = message->text();
        if (auto* skip = dialog->findChild<QPushButton*>(QStringLiteral("bnSkip")))
            s.skipEnabled = skip->isEnabled();
        if (auto* all = dialog->findChild<QPushButton*>(QStringLiteral("bnSkipAll")))
            s.skipAllEnabled = all->isEnabled();
        seen << s;
        if (actions_.isEmpty()) {
            ++unanswered;
            dialog->reject();
            return;
        }
        actions_.dequeue()(dialog);
    }

    QTimer timer_;
    QQueue<Action> actions_;
};

// The program folder of the tests holds a small tax-office and country reference.
inline void WriteScreenReferences(const IsolatedEnvironment& env) {
    const auto write = [&](const char* name, const char* text) {
        QFile f(env.ProgramFile(QString::fromLatin1(name)));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text);
    };
    write("InspectionNumbers.xml",
          "<Inspections><Inspection Code=\"7701\">ИФНС России № 1 по г. Москве</Inspection>"
          "<Inspection Code=\"7728\">ИФНС России № 28 по г. Москве</Inspection>"
          "<Inspection Code=\"6952\">Межрайонная ИФНС России № 12 по Тверской "
          "области</Inspection></Inspections>");
    write("Oksm.xml",
          "<Countries><Country Code=\"643\">РОССИЯ</Country><Country Code=\"804\">УКРАИНА</Country>"
          "<Country Code=\"112\">БЕЛАРУСЬ</Country></Countries>");
}

// Types text into w key by key, as a user would, Cyrillic letters included.
inline void TypeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        const Qt::Key key = c.unicode() < 0x80 && c.isLetterOrNumber()
                                ? Qt::Key(c.toUpper().unicode())
                                : (c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Press, w, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, key, QString(c), Qt::NoModifier);
    }
}

// Clicks a control where a user would: a check box or radio button on its box, anything else in
// its middle.
inline void ClickOn(QWidget* w) {
    if (w->inherits("QCheckBox") || w->inherits("QRadioButton"))
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    else
        QTest::mouseClick(w, Qt::LeftButton);
}

// Shows the window and makes it active, so that focus can be asked about.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The main window of a screen test, and its controls found by name and touched as a user would.
struct MainWindowProbe {
    FakeCoreServices services; // outlives the window
    std::unique_ptr<TFormMain> form;

    template <class T = QWidget> T* W(const char* name) const {
        T* w = form->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    // Saves d to path and opens the file in a new main window, as a user opens one.
    bool OpenSaved(mTDeclaration& d, const QString& path) {
        form.reset(); // a window holding the file lets go of it
        d.SaveToFile(path);
        form = std::make_unique<TFormMain>(QStringList{path}, &services);
        return ShowActive(form.get());
    }
    void Click(const char* name) const { ClickOn(W(name)); }
    void Trigger(const char* action) const { form->Action(QLatin1String(action))->trigger(); }
    // The declaration as a save would write it: the field being typed in and the screen are stored first.
    QByteArray SavedBytes() const {
        form->History().CommitField();
        {
            LoadingScope quiet(*form);
            form->CurrentFrame()->Store();
        }
        return form->Declaration().SaveToBytes();
    }
    void Type(const char* name, const QString& text) const {
        W(name)->setFocus();
        TypeText(W(name), text);
    }
    // Types over what the field shows, as a user who selects it first.
    void Retype(const char* name, const QString& text) const {
        auto* field = W<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        if (text.isEmpty() || !field->hasSelectedText()) QTest::keyClick(field, Qt::Key_Delete);
        Type(name, text);
    }
    QString Text(const char* name) const { return W<QLineEdit>(name)->text(); }
    // Chooses an item of a drop-down list from the keyboard, as a user would.
    void Choose(const char* list, int item) const {
        auto* cb = W<QComboBox>(list);
        cb->setFocus();
        while (cb->currentIndex() < item)
            QTest::keyClick(cb, Qt::Key_Down);
        while (cb->currentIndex() > item)
            QTest::keyClick(cb, Qt::Key_Up);
    }
    bool Enabled(Section s) const { return form->SectionButton(s)->isEnabled(); }
    void ClickSection(Section s) const { QTest::mouseClick(form->SectionButton(s), Qt::LeftButton); }
    // Opens a declaration file in a new main window and goes to the section.
    void OpenOn(const QString& file, Section s) {
        form.reset(); // the old window lets go of its file first
        form = std::make_unique<TFormMain>(QStringList{file}, &services);
        QVERIFY(ShowActive(form.get()));
        ClickSection(s);
    }
    // "Сохранить" (the window's file keeps its name), and the file as it was written.
    std::unique_ptr<mTDeclaration> SaveAndRead(const QString& file) const {
        form->Action(QStringLiteral("acSave"))->trigger();
        // The window holds its file while it is open: read a copy.
        const QString copy = file + QStringLiteral(".read");
        QFile::remove(copy);
        QFile::copy(file, copy);
        auto d = std::make_unique<mTDeclaration>();
        d->LoadFromFile(copy);
        QFile::remove(copy);
        return d;
    }
};

// A screen test: its main window, the program's folders with the reference files the screens read, a
// folder for the test's declarations and the answers to the program's questions. The test's own slots
// call PrepareProgram (initTestCase), StartTest (init) and EndTest (cleanup).
struct ScreenTest : MainWindowProbe {
    IsolatedEnvironment env;
    QTemporaryDir files;
    std::unique_ptr<ScriptedPrompts> prompts;

    void PrepareProgram() {
        WriteScreenReferences(env);
        RegisterProgramScreens();
    }
    void StartTest() { prompts = std::make_unique<ScriptedPrompts>(); }
    void EndTest() {
        services.check = {};
        form.reset();
        prompts.reset();
    }
};
