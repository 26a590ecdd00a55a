#pragma once

#include <QList>
#include <QString>

class mTDeclaration;

// One document the tax office wants with the return, and what in the return asks for it.
struct AttachedDocument {
    QString Title; // "Справка о доходах физического лица по форме 2-НДФЛ"
    QString For; // "ООО «Реклама»", "Социальный вычет на лечение"

    friend bool operator==(const AttachedDocument&, const AttachedDocument&) = default;
};

// "Документы к декларации": the documents to attach, from what the declaration holds, in the order of
// the return. The count of attached sheets on the title page stays the taxpayer's own.
QList<AttachedDocument> AttachedDocuments(const mTDeclaration& declaration);

// The list as text, one document a line under its heading, for printing and copying.
QString AttachedDocumentsText(const QList<AttachedDocument>& documents);
