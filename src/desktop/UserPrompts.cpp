#include "desktop/UserPrompts.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {
UserPrompts* installed = nullptr;
}

UserPrompts& UserPrompts::Current() {
    static UserPrompts platform;
    return installed ? *installed : platform;
}

void UserPrompts::Install(UserPrompts* prompts) {
    installed = prompts;
}

QMessageBox::StandardButton UserPrompts::Message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, ApplicationCaption, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

QString UserPrompts::OpenFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters({QStringLiteral("Durovid 2010 (*.kv0)"), QStringLiteral("Квиринт 2009 (*.kv9)"),
                           QStringLiteral("Квиринт 2008 (*.kv8)"), QStringLiteral("Квиринт 2007 (*.kv7)"),
                           QStringLiteral("Квиринт 2006 (*.kv6)"), QStringLiteral("Квиринт 2005 (*.kv5)"),
                           QStringLiteral("Квиринт 200* (*.kvl)")});
    dialog.setDefaultSuffix(QStringLiteral("kv0"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString UserPrompts::SaveFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(QStringLiteral("Durovid 2010 (*.kv0)"));
    dialog.setDefaultSuffix(QStringLiteral("kv0"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString UserPrompts::OpenAnyFile(QWidget* parent, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

QString UserPrompts::ExistingDirectory(QWidget* parent, const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

bool UserPrompts::PrintSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}
