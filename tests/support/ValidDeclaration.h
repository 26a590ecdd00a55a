#pragma once

// The one builder of the tests' declarations: it starts from a declaration whose taxpayer passes every
// rule of the taxpayer's screens and of the whole-declaration check, and a test changes only what it is
// about. The export's checked-in documents are built from its defaults, so they stay as they are.

#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "reference/DocumentKinds.h"
#include "reference/Regions.h"

#include <memory>

class ValidDeclaration {
public:
    // A new declaration as "Создать" makes it (income in the Russian Federation), with the valid taxpayer.
    ValidDeclaration() : owned_(CreateNewDeclaration()), d_(*owned_) { Fill(); }
    // Gives the taxpayer and the tax office to a declaration that exists; nothing else of it changes.
    explicit ValidDeclaration(mTDeclaration& existing) : d_(existing) { Fill(); }

    // The declaration that passes every rule: the valid taxpayer with one 13 % source of 100 000 roubles
    // of salary, 13 000 withheld.
    static std::unique_ptr<mTDeclaration> Clean() {
        return ValidDeclaration().Source13(Money::FromUnits(100000), Money::FromUnits(13000)).Take();
    }

    ValidDeclaration& Inspection(const QString& code, const QString& name = QString()) {
        d_.InspectionCode = code;
        d_.InspectionName = name;
        return *this;
    }
    ValidDeclaration& Name(const QString& surName, const QString& firstName, const QString& patronymic) {
        Person().SurName = surName;
        Person().FirstName = firstName;
        Person().Patronymic = patronymic;
        return *this;
    }
    ValidDeclaration& Inn(const QString& inn) {
        Person().INN = inn;
        return *this;
    }
    ValidDeclaration& Birth(TDateTime date, const QString& place) {
        Person().BirthDate = date;
        Person().BirthPlace = place;
        return *this;
    }
    // A passport of the Russian Federation (document kind 21), named as the kind picker names it unless
    // the test gives a name.
    ValidDeclaration& Passport(const QString& serial, TDateTime issued, const QString& issuedBy,
                               const QString& kindName = QString()) {
        mTPersonInformation& p = Person();
        p.DocTypeCode = 21;
        p.DocTypeName = kindName.isEmpty() ? TableName(DocumentKinds(), 21) : kindName;
        p.DocSerial = serial;
        p.DocIssueDate = issued;
        p.DocIssuedBy = issuedBy;
        return *this;
    }
    ValidDeclaration& Address(const QString& postIndex, quint16 region, const QString& city,
                              const QString& street, const QString& house, const QString& building,
                              const QString& flat) {
        mTPersonInformation& p = Person();
        p.PostIndex = postIndex;
        p.RegionCode = region;
        p.RegionName = TableName(Regions(), region);
        p.City = city;
        p.Street = street;
        p.House = house;
        p.Building = building;
        p.Flat = flat;
        return *this;
    }
    ValidDeclaration& Okato(const QString& okato) {
        Person().OKATO = okato;
        return *this;
    }
    ValidDeclaration& Phone(const QString& phone) {
        Person().HomePhone = phone;
        return *this;
    }
    // Appends a 13 % source with one line of salary (income code 2000).
    ValidDeclaration& Source13(Money income, Money withheld) {
        mTThirteenPercent* source = d_.IncomeSources13.At(d_.IncomeSources13.Add());
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeAmount = income;
        source->AddLine(line);
        source->TaxWithheld = withheld;
        return *this;
    }

    mTDeclaration& Declaration() { return d_; }
    mTPersonInformation& Person() { return d_.Person; }
    // The declaration the builder made (not one it was given).
    std::unique_ptr<mTDeclaration> Take() { return std::move(owned_); }

private:
    static QString TableName(std::span<const CodeTableRow> table, int code) {
        for (const CodeTableRow& row : table)
            if (row.Code == code) return QString::fromUtf8(row.Name);
        return QString();
    }

    void Fill() {
        Inspection(QStringLiteral("7701"), QStringLiteral("ИФНС России № 1 по г. Москве"));
        Name(QStringLiteral("Иванов"), QStringLiteral("Иван"), QStringLiteral("Иванович"));
        Inn(QStringLiteral("500100732259"));
        Birth(DateValue::FromYmd(1970, 2, 28), QStringLiteral("г. Тула"));
        Passport(QStringLiteral("45 03 123456"), DateValue::FromYmd(2003, 5, 17),
                 QStringLiteral("ОВД «Арбат» г. Москвы"));
        Person().CitizenshipSign = QStringLiteral("1");
        Address(QStringLiteral("119002"), 77, QStringLiteral("Москва"), QStringLiteral("Арбат"),
                QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("15"));
        Okato(QStringLiteral("45286552000"));
        Phone(QStringLiteral("1234567"));
    }

    std::unique_ptr<mTDeclaration> owned_;
    mTDeclaration& d_;
};

// A complete foreign income (US dollars at 30 roubles, dividends of 100) added to d, with the foreign
// income kind ticked.
inline mTCurrencyIncome* AddCurrencyIncome(mTDeclaration& d) {
    d.SetIncomeKinds(d.IncomeKinds | IncomeForeign);
    mTCurrencyIncome* c = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
    c->CurrencyCode = QStringLiteral("840");
    c->RateUnitsAtIncome = 1;
    c->RateAtIncome = Money::FromUnits(30);
    c->IncomeCode = 1010;
    c->SetIncomeCurrency(Money::FromUnits(100));
    return c;
}
