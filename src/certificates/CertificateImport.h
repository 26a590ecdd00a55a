#pragma once

#include "certificates/IncomeCertificate.h"
#include "certificates/StandardDeductionCodes.h"
#include "records/ListLimits.h"
#include "records/SourseIncome.h"

#include <QList>

class TIncomeCertificateFile;
class mTDeclaration;

// One source of income that a certificate brings into a list of the declaration: the certificate's
// income at one rate, from one agent.
struct PlannedSource {
    // A source of the 35 % list holds one income code: the certificate's lines become one per code.
    struct SingleIncome {
        qint32 IncomeCode = 0;
        Money Income;
        qint32 DeductionCode = 0;
        Money Deduction;
    };

    ListLimits::List List = ListLimits::List::IncomeSources13;
    int Rate = 0;
    CertificateAgent Agent;
    QString Certificate;         // the certificate's label, for messages
    int CertificateLines = 0;    // income lines of the certificate at this rate
    QList<mTSourseIncome> Lines; // the lists of sources with lines (13 %, a non-resident's 30 % and 13 %)
    QList<SingleIncome> SingleIncomes; // the 35 % list
    Money Income;
    Money TaxBase;
    Money TaxComputed;
    Money TaxWithheld;
    bool StandardSource = false; // the agent granted standard deductions
    bool Duplicate = false;      // a source of the same agent is in that list already

    // "ООО «Ромашка» (ИНН 7701234567), ставка 13 %, 12 строк, доход 360 000,00, налог удержан 46 800"
    QString Summary() const;
};

// The import of a taxpayer's income certificates into a declaration, planned before anything changes:
// one source per certificate and rate, in the list the kind of return keeps that rate in, with the agent,
// the certificate's lines and its totals. A source of an agent whose source (same INN and KPP) is in that
// list already replaces it, and only when the user agrees. The standard deductions the certificates
// grant mark their sources as the ones the standard deductions are computed by and propose the choices of
// the standard-deductions screen; they are applied only when the user confirms them.
class TCertificateImport {
public:
    // Reads the certificates (positions in file) and plans their import. False with ErrorString() when
    // they cannot go in whole: a value that cannot be read, a certificate of another year than 2010, a
    // rate the kind of return keeps no list for, more lines or sources than a list may hold, a 4-NDFL
    // return.
    bool Plan(TIncomeCertificateFile& file, const QList<int>& certificates, const mTDeclaration& declaration);
    QString ErrorString() const { return error_; }

    const QList<PlannedSource>& Sources() const { return sources_; }
    bool HasDuplicates() const;
    const StandardDeductionCodes::Proposal& Standard() const { return standard_; }

    // Adds the planned sources (replacing the sources of the same agents), opens the declaration's
    // income in the Russian Federation, and with applyStandard sets the standard deductions proposed.
    void Apply(mTDeclaration& declaration, bool applyStandard) const;

private:
    bool Fail(const QString& message);
    bool PlanBlock(const IncomeCertificate& certificate, const CertificateRateBlock& block,
                   const mTDeclaration& declaration);

    QList<PlannedSource> sources_;
    StandardDeductionCodes::Proposal standard_;
    QString error_;
};
