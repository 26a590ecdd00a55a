#include "shell/RecoveryOffer.h"

#include "desktop/UserPrompts.h"
#include "records/Declaration.h"
#include "records/RecoveryCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Whose return the copy holds, read from the copy itself: its description names a file, and only the
// taxpayer tells the user whether that is really theirs.
QString Taxpayer(const RecoveryCopy& copy) {
    mTDeclaration declaration;
    try {
        copy.Load(declaration);
    } catch (const std::exception&) {
        return QStringLiteral("копия повреждена, налогоплательщик неизвестен");
    }
    const mTPersonInformation& p = declaration.Person;
    QString name = p.SurName.trimmed();
    for (const QString& part : {p.FirstName.trimmed(), p.Patronymic.trimmed()})
        if (!part.isEmpty()) name += QLatin1Char(' ') + part.left(1) + QLatin1Char('.');
    name = name.trimmed();
    if (name.isEmpty()) name = QStringLiteral("фамилия не указана");
    const QString inn = p.INN.trimmed().isEmpty() ? QStringLiteral("не указан") : p.INN.trimmed();
    return QStringLiteral("налогоплательщик %1, ИНН %2").arg(name, inn);
}

} // namespace

RecoveryChoice AskAboutRecoveryCopy(QWidget* parent, const RecoveryCopy& copy) {
    const QString file = copy.DocumentFileName();
    const QString when = copy.Written().toLocalTime().toString(QStringLiteral("dd.MM.yyyy в HH:mm"));
    const QString which = file.isEmpty() ? QStringLiteral("декларации без имени")
                                         : QStringLiteral("декларации «%1» из папки %2")
                                               .arg(QFileInfo(file).fileName(),
                                                    QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
    QMessageBox box(
        QMessageBox::Question, ApplicationCaption,
        QStringLiteral("Программа была завершена некорректно. Осталась резервная копия %1 (%2), "
                       "записанная %3.\n\nВ ней есть изменения, которые не были сохранены в файле.")
            .arg(which, Taxpayer(copy), when),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("fmRecoveryOffer"));
    // One role for all three, so that they stand in the order they are offered.
    QPushButton* restore = box.addButton(QStringLiteral("Восстановить"), QMessageBox::ActionRole);
    restore->setObjectName(QStringLiteral("bnRestore"));
    QPushButton* openSaved = nullptr;
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        openSaved = box.addButton(QStringLiteral("Открыть сохранённый файл"), QMessageBox::ActionRole);
        openSaved->setObjectName(QStringLiteral("bnOpenSaved"));
    }
    QPushButton* remove = box.addButton(QStringLiteral("Удалить копию"), QMessageBox::ActionRole);
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
