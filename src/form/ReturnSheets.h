#pragma once

#include "form/ReturnSheet.h"

// The sheets of the approved forms, one table each, and the order in which a return prints them.
//
// 3-NDFL for 2010: the form and its filling rules approved by the order of the tax service of
// 25.11.2010 № ММВ-7-3/654@; 4-NDFL: the form approved by the order of 27.12.2010 № ММВ-7-3/768@.
namespace ReturnSheets {

// Title pages (TitleSheets.cpp).
const FormSheet& TitlePage();
const FormSheet& TitlePageTwo();
const FormSheet& EstimatedIncomePage();

// Sections 1 to 6 (SectionSheets.cpp).
const FormSheet& Section1();
const FormSheet& Section2();
const FormSheet& Section3();
const FormSheet& Section4();
const FormSheet& Section5();
const FormSheet& Section6();

// Income sheets А to Г3 (IncomeSheets.cpp).
const FormSheet& SheetA();
const FormSheet& SheetB();
const FormSheet& SheetV();
const FormSheet& SheetG1();
const FormSheet& SheetG2();
const FormSheet& SheetG3();

// Deduction sheets Д to И (DeductionSheets.cpp): З securities and futures, И new housing.
const FormSheet& SheetD();
const FormSheet& SheetE();
const FormSheet& SheetZh1();
const FormSheet& SheetZh2();
const FormSheet& SheetZh3();
const FormSheet& SheetZ();
const FormSheet& SheetI();

// Every sheet of a form in the order of the form; a sheet is printed for each element its table names.
const std::vector<const FormSheet*>& Ndfl3();
const std::vector<const FormSheet*>& Ndfl4();

} // namespace ReturnSheets
