#pragma once

#include "reference/ReferenceFile.h"

#include <QList>
#include <QStringList>

// One entry of the economic activity classifier.
struct OkvedEntry {
    QString Grup;  // level "1" to "6"
    QString Kod;   // hierarchical: an entry lies under another when its Kod begins with the other's
    QString Okved; // the code as shown and returned
    QString Name;
};

// "Sp_OKVED2.xml": one child of the root per classifier entry, with the attributes GRUP, Kod, OKVED and Name.
class mTOkvedClassifier : public mTReferenceFile {
public:
    static constexpr int Levels = 6;

    const QList<OkvedEntry>& Entries() const {
        Ready();
        return entries_;
    }
    // Names of the entries of a level whose Kod begins with the prefix, in document order.
    QStringList Names(int level, const QString& kodPrefix = {}) const;
    // The first entry of the level with exactly this name, nullptr when none.
    const OkvedEntry* Find(int level, const QString& name) const;

protected:
    void Clear() override { entries_.clear(); }
    void Read(const ReferenceXml::Document& document) override;

private:
    QList<OkvedEntry> entries_;
};
