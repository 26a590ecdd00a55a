#pragma once

#include "reference/CodeNameRow.h"
#include "reference/ReferenceFile.h"

// A reference file of code and name pairs: each child of the root gives its attribute Code and, as the
// name, its text. "InspectionNumbers.xml" (tax offices) and "Oksm.xml" (countries) are of this kind.
class mTCodeNameList : public mTReferenceFile {
public:
    const QList<CodeNameRow>& Rows() const {
        Ready();
        return rows_;
    }
    int Count() const { return int(Rows().size()); }
    // The first row with exactly this code, -1 when none.
    int IndexOfCode(const QString& code) const { return RowOfCode(Rows(), code, -1); }

protected:
    void Clear() override { rows_.clear(); }
    void Read(const ReferenceXml::Document& document) override;

private:
    QList<CodeNameRow> rows_;
};
