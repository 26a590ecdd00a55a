#pragma once

#include "form/ReturnPage.h"
#include "form/ReturnSheet.h"

#include <QString>
#include <vector>

// Lays a return out on the pages of the approved form from the XML text the export writes: the
// sheets the return uses, each as often as its data needs, a sheet that does not fit one page
// continued on the next with its heading repeated, pages numbered "001", "002", … throughout.
// The sheet tables (ReturnSheets.h) say what goes where; this class only places it.
class ReturnLayout {
public:
    // Lays out a 3-NDFL or 4-NDFL return, whichever the document is; false, with ErrorString(),
    // when the text is not a return.
    bool Lay(const QString& xml);
    // The same with the sheets given.
    bool Lay(const QString& xml, const std::vector<const FormSheet*>& sheets);

    const std::vector<ReturnPage>& Pages() const { return pages_; }
    // The name of the document, for the print job.
    const QString& Title() const { return title_; }
    const QString& ErrorString() const { return errorString_; }

private:
    bool LayDocument(const QString& xml, const std::vector<const FormSheet*>* sheets);

    std::vector<ReturnPage> pages_;
    QString title_;
    QString errorString_;
};
