#pragma once

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfmLoadSoun;
}

// "Загрузка СОУН": explains how to complete the tax-office reference and imports the tax
// authority's directory table soun1.dbf into a new "InspectionNumbers.xml", read at the next start.
class TfmLoadSoun : public QDialog {
    Q_OBJECT

public:
    // The import: table path, output file, date "DD.MM.YYYY", version; true on success, or an error.
    using Import = std::function<bool(const QString& table, const QString& output, const QString& date,
                                      const QString& version)>;

    explicit TfmLoadSoun(QWidget* owner);
    ~TfmLoadSoun() override;

    // The program installs the import of the reference data at start-up; returns the previous one.
    static Import InstallImport(Import import);
    // Where the import writes (the per-user data folder, read before the program's own folder).
    static QString OutputFile();
    static inline const QString DownloadPage = QStringLiteral("https://www.nalog.ru/");

private:
    void Browse();
    void RunImport();

    std::unique_ptr<Ui::TfmLoadSoun> ui;
};
