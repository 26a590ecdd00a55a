#pragma once

#include "export/ExportElement.h"

#include <QDate>
#include <QString>

class kTSvodSum;
class mTDeclaration;

// What every element group reads: the declaration and its computed results.
struct ExportContext {
    const mTDeclaration& Declaration;
    const kTSvodSum& Sum;
};

// The date and identifier that make one export's file name and document date.
struct ExportStamp {
    QDate Date;
    QString Guid; // 36 upper-case characters, 8-4-4-4-12, no braces
};

// The representative's full name split into the three name attributes.
struct RepresentativeNameParts {
    QString SurName;    // " " when there is none
    QString FirstName;  // " " when there is none
    QString Patronymic; // empty when there is none
};

// Each element group of the document, in the file it is written by.
namespace ExportGroups {

// Header: file identifier, taxpayer and signer blocks, the estimated-income body.
bool IsEstimatedIncome(const mTDeclaration& declaration);
QString FileIdentifier(const mTDeclaration& declaration, const ExportStamp& stamp);
RepresentativeNameParts SplitRepresentativeName(const QString& fullName);
void WriteDocumentAttributes(const ExportContext& context, ExportElement document, const ExportStamp& stamp);
void WriteTaxpayer(const ExportContext& context, ExportElement document);
void WriteSigner(const ExportContext& context, ExportElement document);
void WriteEstimatedIncome(const ExportContext& context, ExportElement document);

// The totals by rate, whether the income and deduction details are written, the payment lines.
void WriteRateBlocks(const ExportContext& context, ExportElement totals);
bool HasIncomeDeductionDetails(const ExportContext& context);
void WritePaymentLines(const ExportContext& context, ExportElement body);

// The payer of an income: ИстФЛИн for a person or foreign source, ИстЮЛ for an organisation.
void AddSourceName(ExportElement parent, const QString& inn, const QString& kpp, const QString& name);

// The groups within the income and deduction details, in document order.
void WriteRussianIncome(const ExportContext& context, ExportElement details);
void WriteForeignIncome(const ExportContext& context, ExportElement details);
void WriteBusinessIncome(const ExportContext& context, ExportElement details);
void WriteExemptIncomeAndProfessionalDeductions(const ExportContext& context, ExportElement details);
void WriteSaleStandardSocialPensionDeductions(const ExportContext& context, ExportElement details);
void WriteSecuritiesAndHousingDeduction(const ExportContext& context, ExportElement details);

} // namespace ExportGroups
