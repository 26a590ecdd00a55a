#include "screens/income/CertificateImport.h"

#include "certificates/CertificateFile.h"
#include "certificates/CertificateHolders.h"
#include "certificates/CertificateImport.h"
#include "checks/ScreenPositions.h"
#include "desktop/UserPrompts.h"
#include "dialogs/CertificatePerson.h"
#include "dialogs/CertificateSummary.h"
#include "records/Declaration.h"
#include "screens/ScreenHost.h"

#include <QApplication>
#include <QDir>

namespace {

int SubScreenOf(ListLimits::List list) {
    switch (list) {
    case ListLimits::List::IncomeSources13NR:
        return RussianIncomeSubScreen::NonResident13;
    case ListLimits::List::IncomeSources30:
        return RussianIncomeSubScreen::Dividends;
    case ListLimits::List::IncomeSources35:
        return RussianIncomeSubScreen::ThirtyFivePercent;
    default:
        return RussianIncomeSubScreen::ThirteenPercent;
    }
}

} // namespace

bool ImportIncomeCertificate(QWidget* owner, ScreenHost& host, const std::function<void(int)>& show) {
    // The step begins before anything is read: the screen's fields are in the records by then, so the
    // plan sees the declaration as the user left it. Left without a change, it leaves no step.
    ChangeScope scope(host);
    const auto refuse = [owner](const QString& message) {
        UserPrompts::Current().Message(owner, QMessageBox::Critical, message);
        return false;
    };
    const QString path = UserPrompts::Current().OpenAnyFile(
        owner, QDir::homePath(), QStringLiteral("Справки 2-НДФЛ (*.xml *.XML);;Все файлы (*)"));
    if (path.isEmpty()) return false;

    mTDeclaration& declaration = **host.DeclarationRef();
    TIncomeCertificateFile file;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool loaded = file.Load(path);
        QApplication::restoreOverrideCursor();
        if (!loaded) return refuse(file.ErrorString());
    }
    const CertificateHolders holders = FindHolders(file, declaration.Person);
    int holder = holders.Chosen;
    if (holder < 0) {
        TfmCertificatePerson choice(owner, holders);
        if (choice.exec() != QDialog::Accepted || choice.Chosen() < 0) return false;
        holder = choice.Chosen();
    }
    TCertificateImport import;
    if (!import.Plan(file, holders.People[holder].Certificates, declaration))
        return refuse(import.ErrorString());
    TfmCertificateSummary summary(owner, import);
    if (summary.exec() != QDialog::Accepted) return false;

    import.Apply(declaration, summary.ApplyStandard());
    show(SubScreenOf(import.Sources().first().List));
    scope.Name(QStringLiteral("загрузка справки 2-НДФЛ"));
    return true;
}
