#pragma once

#include <QtGlobal>

// The positions a check names and a screen shows: the rules report them, "Исправить" hands them to the
// screen, and the screen puts the focus on the field (or selects the record) they stand for. Positions
// of list screens are record numbers counted from 1.

// "Задание условий".
namespace ConditionsPosition {
enum : quint16 {
    Inspection = 1,
    EstimatedIncome = 2,
    RepresentativeName = 3,
    RepresentativeDocument = 4,
    RepresentativeOrg = 5
};
}

// The taxpayer's name page.
namespace PersonPosition {
enum : quint16 {
    SurName = 1,
    FirstName = 2,
    Patronymic = 3,
    INN = 4,
    DocType = 5,
    DocSerial = 6,
    DocIssueDate = 7,
    DocIssuedBy = 8,
    BirthPlace = 9,
    OKATO = 10,
    BirthDate = 11
};
}

// The taxpayer's address page.
namespace AddressPosition {
enum : quint16 { Region = 2, OKATO = 4, Locality = 5 };
}

// The standard-deduction sub-screen.
namespace StandardDeductionPosition {
enum : quint16 { Months = 2 };
}

// The social-deduction sub-screen.
namespace SocialDeductionPosition {
enum : quint16 { Charity = 1, ChildEducation = 3 };
}

// The property-deduction sub-screen.
namespace PropertyDeductionPosition {
enum : quint16 {
    ObjectKind = 1,
    PostIndex = 2,
    DwellingRegDate = 4,
    FirstUseYear = 5,
    CarryOver = 6,
    CarryOverInterest = 7,
    PriorDeclCost = 8,
    PriorDeclInterest = 9,
    OwnershipKind = 10,
    TaxpayerSign = 11,
    RegionCode = 12,
    ActDate = 13,
    LandRegDate = 14
};
}

// Sub-screens of the screens that hold several.
namespace PersonDataPage {
enum : int { Name = 0, Address = 1 };
}
namespace RussianIncomeSubScreen {
enum : int { ThirteenPercent = 0, Dividends = 1, ThirtyFivePercent = 2, NonResident13 = 3 };
}
namespace DeductionsSubScreen {
enum : int { Standard = 0, Property = 1, Social = 2, Securities = 3 };
}
