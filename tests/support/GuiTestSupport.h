#pragma once

// What the desktop-program tests share: settings and data folders of their own, scripted answers to
// every modal question, and screenshots on request.

#include "desktop/ProgramDir.h"
#include "desktop/UserPrompts.h"
#include "print/PrintComponent.h"
#include "shell/CoreServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QQueue>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

// Answers the program's questions from queues and records every message shown.
class ScriptedPrompts : public UserPrompts {
public:
    struct Shown {
        QMessageBox::Icon icon;
        QString text;
    };

    ScriptedPrompts() { UserPrompts::Install(this); }
    ~ScriptedPrompts() override { UserPrompts::Install(nullptr); }

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons) override {
        messages.append({icon, text});
        if (!answers.isEmpty()) return answers.dequeue();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }
    QString OpenFileName(QWidget*) override {
        ++openDialogs;
        return openNames.isEmpty() ? QString() : openNames.dequeue();
    }
    QString SaveFileName(QWidget*) override {
        ++saveDialogs;
        return saveNames.isEmpty() ? QString() : saveNames.dequeue();
    }
    QString OpenAnyFile(QWidget*, const QString&, const QString&) override {
        ++openDialogs;
        return openNames.isEmpty() ? QString() : openNames.dequeue();
    }
    QString ExistingDirectory(QWidget*, const QString& caption, const QString&) override {
        ++folderDialogs;
        folderCaption = caption;
        return folder;
    }
    bool PrintSetup(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (!printAccepted) return false;
        printer.setCopyCount(printCopies);
        if (!pdfFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfFile);
        }
        return true;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const Shown& m : messages)
            texts << m.text;
        return texts;
    }

    QList<Shown> messages;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> openNames, saveNames;
    QString folder, folderCaption, pdfFile;
    int openDialogs = 0, saveDialogs = 0, folderDialogs = 0, printDialogs = 0;
    bool printAccepted = true;
    int printCopies = 1;
};

// The core's services as a test wants them: a part it sets replaces the core's own.
class FakeCoreServices : public CoreServices {
public:
    std::function<CheckResult(const mTDeclaration&, ICheckAnswerer&)> check;
    std::function<ExportOutcome(const QString& folder, quint16 mode)> exportDocument;
    std::function<std::unique_ptr<TPrintComponent>()> printComponent;

    CheckResult CheckDeclaration(const mTDeclaration& declaration, ICheckAnswerer& answerer) override {
        return check ? check(declaration, answerer) : CoreServices::CheckDeclaration(declaration, answerer);
    }
    ExportOutcome Export(const QString& folder, mTDeclaration& declaration, quint16 mode) override {
        return exportDocument ? exportDocument(folder, mode)
                              : CoreServices::Export(folder, declaration, mode);
    }
    std::unique_ptr<TPrintComponent> CreatePrintComponent() override {
        return printComponent ? printComponent() : CoreServices::CreatePrintComponent();
    }
};

// Points settings, per-user data and the program folder at temporary folders.
class IsolatedEnvironment {
public:
    IsolatedEnvironment() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Вектрон"));
        QCoreApplication::setApplicationName(QStringLiteral("Durovid 2010"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        SetProgramDir(program.path());
        SetUserDataDir(user.path());
    }
    ~IsolatedEnvironment() {
        SetProgramDir(QString());
        SetUserDataDir(QString());
    }

    QString ProgramFile(const QString& name) const { return program.filePath(name); }
    QString UserFile(const QString& name) const { return user.filePath(name); }
    void ClearSettings() const {
        QSettings s(QStringLiteral("Вектрон"), QStringLiteral("Durovid 2010"));
        s.clear();
        s.sync();
    }

    QTemporaryDir settings, program, user;
};

// With DUROVID_SHOTS set to a folder, saves what widget shows there as name.png.
inline void SaveShot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("DUROVID_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}
