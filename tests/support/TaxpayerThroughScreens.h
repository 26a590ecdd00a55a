#pragma once

// The taxpayer of the worked examples, entered on the taxpayer screen of a main window as a user
// would: typed into the fields, the document kind and the region chosen in their pickers. A declaration
// begun with "Создать" then passes the whole-declaration check and can be exported.

#include "support/ScreenTestSupport.h"

#include "controls/DatePicker.h"

#include <QRadioButton>

namespace TaxpayerThroughScreens {

inline const QString Inn = QStringLiteral("695012345651");
inline const QString Okato = QStringLiteral("28401000000");

// Fills the name and the address pages; the window is left on the address page. The pickers are
// answered through the test's own script (a second one would race it for the dialogs).
inline void Fill(MainWindowProbe& p, ModalScript& pickers) {
    p.ClickSection(Section::PersonData);
    p.Type("meSurName", QStringLiteral("Иванов"));
    p.Type("meFirstName", QStringLiteral("Иван"));
    p.Type("mePatronymic", QStringLiteral("Иванович"));
    p.Type("meINN", Inn);
    p.W<TDatePicker>("dtBirthDate")->setDate(QDate(1975, 5, 14));
    p.Type("meBirthPlace", QStringLiteral("г. Тверь"));
    pickers.Then(ModalScript::Pick(QStringLiteral("21")));
    p.Click("bnDocType");
    p.Type("meDocSerial", QStringLiteral("2803123456"));
    p.W<TDatePicker>("dtDocIssueDate")->setDate(QDate(2005, 6, 1));
    p.Type("meDocIssuedBy", QStringLiteral("ОВД Центрального района г. Твери"));

    p.Click("fbPersonAddress");
    p.Type("mePostIndex", QStringLiteral("170100"));
    pickers.Then(ModalScript::Pick(QStringLiteral("69")));
    p.Click("bnRegion");
    p.Type("meCity", QStringLiteral("Тверь"));
    p.Type("meStreet", QStringLiteral("ул. Советская"));
    p.Type("meHouse", QStringLiteral("12"));
    p.Type("meFlat", QStringLiteral("34"));
    p.Type("meOKATO", Okato);
    p.Type("mePhone", QStringLiteral("84822123456"));
    QVERIFY(pickers.Done());
}

} // namespace TaxpayerThroughScreens
