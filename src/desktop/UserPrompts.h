#pragma once

#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

// Every modal question the main window asks outside its own forms: message boxes, the file and
// folder choosers and the print dialog. The program uses the platform's dialogs; tests install
// their own answers, so no test ever waits on a modal window.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message box with the caption "Durovid 2010".
    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // The declaration open dialog; an empty name when cancelled.
    virtual QString OpenFileName(QWidget* parent);
    // The declaration save dialog; an empty name when cancelled.
    virtual QString SaveFileName(QWidget* parent);
    // Any file to read, in the given folder with the given name filter; an empty name when cancelled.
    virtual QString OpenAnyFile(QWidget* parent, const QString& folder, const QString& filter);
    // The folder chooser of the export; an empty name when cancelled.
    virtual QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& start);
    // The print dialog over printer; false when cancelled.
    virtual bool PrintSetup(QWidget* parent, QPrinter& printer);

    static UserPrompts& Current();
    // Installs prompts (not owned); nullptr goes back to the platform's dialogs.
    static void Install(UserPrompts* prompts);
};

inline const QString ApplicationCaption = QStringLiteral("Durovid 2010");
