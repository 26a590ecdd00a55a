#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfmLoadSoun;
}

// "Загрузка СОУН": explains how to complete the tax-office reference and imports the tax
// authority's directory table soun1.dbf into a new "InspectionNumbers.xml", read at the next start.
class TfmLoadSoun : public QDialog {
    Q_OBJECT

public:
    explicit TfmLoadSoun(QWidget* owner);
    ~TfmLoadSoun() override;

    // Where the import writes (the per-user data folder, read before the program's own folder).
    static QString OutputFile();
    static inline const QString DownloadPage = QStringLiteral("https://www.nalog.ru/");

signals:
    // A new tax-office file has been written.
    void Imported(const QString& fileName);

private:
    void Browse();
    void RunImport();

    std::unique_ptr<Ui::TfmLoadSoun> ui;
};
