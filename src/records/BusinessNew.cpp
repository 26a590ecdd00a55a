#include "records/BusinessNew.h"

template <class IO> void mTBusinessNew::Fields(IO& io, int index) {
    io.Stream(StreamName("@BusinessIncome", index));
    io.Str("ActivityKind", ActivityKind);
    io.Str("OKVED", OKVED);
    io.Amount("Income", Income);
    io.Byte("HasDocumentedExpenses", HasDocumentedExpenses);
    if (io.Take(HasDocumentedExpenses == 1)) {
        io.Stream(StreamName("@BusinessExpense", index));
        io.Amount("ExpensesTotal", ExpensesTotal);
        io.Amount("ExpensesMaterial", ExpensesMaterial);
        io.Amount("ExpensesDepreciation", ExpensesDepreciation);
        io.Amount("ExpensesLabour", ExpensesLabour);
        io.Amount("ExpensesLabourContracts", ExpensesLabourContracts);
        io.Amount("ExpensesOther", ExpensesOther);
        AmountArray(io, "OtherExpenseParts", OtherExpenseParts);
    }
    if (io.Take(HasDocumentedExpenses != 1)) io.Amount("NormativeExpenses", NormativeExpenses);
}

DUROVID_LIST_RECORD_STORAGE(mTBusinessNew, 379, 380)
