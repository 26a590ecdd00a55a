#pragma once

#include "explain/AttachedDocuments.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TfmAttachedDocuments;
}
class QTableWidget;

// "Документы к декларации": the documents to attach and what each is for, as a table that can be
// copied or printed.
class TfmAttachedDocuments : public QDialog {
    Q_OBJECT

public:
    TfmAttachedDocuments(QList<AttachedDocument> documents, QWidget* owner = nullptr);
    ~TfmAttachedDocuments() override;

    QTableWidget* Table() const;
    // The list as the text that is copied and printed.
    QString Text() const { return AttachedDocumentsText(documents_); }

private:
    void Print();

    std::unique_ptr<Ui::TfmAttachedDocuments> ui;
    QList<AttachedDocument> documents_;
};
