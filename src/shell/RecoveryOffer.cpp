#include "shell/RecoveryOffer.h"

#include "desktop/UserPrompts.h"
#include "records/RecoveryCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

RecoveryChoice AskAboutRecoveryCopy(QWidget* parent, const RecoveryCopy& copy) {
    const QString file = copy.DocumentFileName();
    const QString when = copy.Written().toLocalTime().toString(QStringLiteral("dd.MM.yyyy в HH:mm"));
    const QString which = file.isEmpty() ? QStringLiteral("декларации без имени")
                                         : QStringLiteral("декларации «%1» (%2)")
                                               .arg(QFileInfo(file).fileName(),
                                                    QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
    QMessageBox box(QMessageBox::Question, ApplicationCaption,
                    QStringLiteral("Работа программы была прервана. Сохранилась резервная копия %1, "
                                   "записанная %2.\n\nИзменения, не сохраненные в файле, есть только в ней.")
                        .arg(which, when),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("fmRecoveryOffer"));
    QPushButton* restore = box.addButton(QStringLiteral("Восстановить"), QMessageBox::AcceptRole);
    restore->setObjectName(QStringLiteral("bnRestore"));
    QPushButton* openSaved = nullptr;
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        openSaved = box.addButton(QStringLiteral("Открыть сохранённый файл"), QMessageBox::RejectRole);
        openSaved->setObjectName(QStringLiteral("bnOpenSaved"));
    }
    QPushButton* remove = box.addButton(QStringLiteral("Удалить копию"), QMessageBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("bnDelete"));
    box.setDefaultButton(restore);
    // Escape only closes the question: nothing is lost, and the copy is offered again next time.
    auto* later = box.addButton(QMessageBox::Cancel);
    later->hide();
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore) return RecoveryChoice::Restore;
    if (openSaved && box.clickedButton() == openSaved) return RecoveryChoice::OpenSaved;
    if (box.clickedButton() == remove) return RecoveryChoice::Delete;
    return RecoveryChoice::Later;
}
