#include "print/ReturnForm.h"

#include "print/PrintComponent.h"
#include "print/ReturnLabels.h"
#include "print/XmlElements.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <pugixml.hpp>

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Name(const pugi::xml_node& node) {
    return Text(node.name());
}

void AddValues(const pugi::xml_node& element, int depth, QList<ReturnForm::Row>& rows) {
    for (const pugi::xml_attribute& a : element.attributes())
        rows.append({depth, ReturnLabels::ForAttribute(Text(a.name())), Text(a.value()), false});
}

void AddRows(const pugi::xml_node& element, int depth, QList<ReturnForm::Row>& rows) {
    AddValues(element, depth, rows);
    for (const pugi::xml_node& child : ChildElements(element)) {
        rows.append({depth, ReturnLabels::ForElement(Name(child)), QString(), true});
        AddRows(child, depth + 1, rows);
    }
}

ReturnForm::Sheet SheetOf(const pugi::xml_node& element) {
    ReturnForm::Sheet sheet{ReturnLabels::ForElement(Name(element)), {}};
    AddRows(element, 0, sheet.Rows);
    return sheet;
}

bool IsBody(const pugi::xml_node& node) {
    return Name(node) == QStringLiteral("НДФЛ3") || Name(node) == QStringLiteral("НДФЛ4");
}

} // namespace

ReturnForm ReturnForm::FromXml(const QString& xml, const QString& inspectionName) {
    const QByteArray utf8 = xml.toUtf8();
    pugi::xml_document dom;
    if (!dom.load_buffer(utf8.constData(), size_t(utf8.size()), pugi::parse_default, pugi::encoding_utf8))
        throw PrintComponentError(QStringLiteral("Текст декларации не является документом XML."));
    const pugi::xml_node document = dom.document_element().first_child();
    if (!document) throw PrintComponentError(QStringLiteral("В тексте декларации нет документа."));

    ReturnForm form;
    pugi::xml_node body;
    for (const pugi::xml_node& child : ChildElements(document))
        if (IsBody(child)) body = child;
    form.FormTitle = Name(body) == QStringLiteral("НДФЛ4")
                         ? QStringLiteral("Декларация по форме 4-НДФЛ")
                         : QStringLiteral("Налоговая декларация по форме 3-НДФЛ за %1 год")
                               .arg(Text(document.attribute("ОтчетГод").value()));

    const pugi::xml_node name = document.select_node(".//*[@Фамилия]").node();
    form.Taxpayer = QStringLiteral("%1 %2 %3")
                        .arg(Text(name.attribute("Фамилия").value()), Text(name.attribute("Имя").value()),
                             Text(name.attribute("Отчество").value()))
                        .simplified();
    if (name.parent() && Name(name.parent()) == QStringLiteral("Подписант")) form.Taxpayer.clear();
    const pugi::xml_node inn = document.select_node(".//*[@ИННФЛ]").node();
    if (inn) form.Taxpayer += QStringLiteral(", ИНН ") + Text(inn.attribute("ИННФЛ").value());
    form.TaxOffice =
        QStringLiteral("%1 %2").arg(Text(document.attribute("КодНО").value()), inspectionName).trimmed();

    // The title sheet: the document's own data and everything but the body.
    Sheet title{ReturnLabels::ForElement(Name(document)), {}};
    AddValues(dom.document_element(), 0, title.Rows);
    AddValues(document, 0, title.Rows);
    for (const pugi::xml_node& child : ChildElements(document)) {
        if (IsBody(child)) continue;
        title.Rows.append({0, ReturnLabels::ForElement(Name(child)), QString(), true});
        AddRows(child, 1, title.Rows);
    }
    form.Sheets.append(title);

    // The body: the totals by rate and every appendix on sheets of their own.
    if (body.first_attribute()) {
        Sheet own{ReturnLabels::ForElement(Name(body)), {}};
        AddValues(body, 0, own.Rows);
        form.Sheets.append(own);
    }
    for (const pugi::xml_node& part : ChildElements(body)) {
        if (Name(part) != QStringLiteral("ИтогУплВозв")) {
            form.Sheets.append(SheetOf(part));
            continue;
        }
        if (part.first_attribute()) {
            Sheet totals{ReturnLabels::ForElement(Name(part)), {}};
            AddValues(part, 0, totals.Rows);
            form.Sheets.append(totals);
        }
        for (const pugi::xml_node& group : ChildElements(part)) {
            if (Name(group) != QStringLiteral("СведДохВыч")) {
                form.Sheets.append(SheetOf(group));
                continue;
            }
            for (const pugi::xml_node& appendix : ChildElements(group))
                form.Sheets.append(SheetOf(appendix));
        }
    }
    return form;
}

int ReturnForm::Render(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) throw PrintComponentError(QStringLiteral("Не удалось начать печать."));
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const int width = page.width();
    const int height = page.height();
    const double mm = device.logicalDpiY() / 25.4;

    QFont plain(QStringLiteral("DejaVu Sans"));
    plain.setPointSizeF(9.5);
    QFont bold = plain;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPointSizeF(12);

    int pages = 0;
    int y = 0;
    auto drawText = [&](const QFont& font, const QRect& area, int flags, const QString& text) {
        painter.setFont(font);
        QRect used;
        painter.drawText(area, flags | Qt::TextWordWrap, text, &used);
        return used.height();
    };
    auto textHeight = [&](const QFont& font, int areaWidth, const QString& text, int flags) {
        painter.setFont(font);
        return painter.boundingRect(QRect(0, 0, areaWidth, 100000), flags | Qt::TextWordWrap, text).height();
    };
    auto startPage = [&](const QString& sheetTitle, bool continued) {
        if (pages > 0) device.newPage();
        ++pages;
        y = 0;
        y += drawText(bold, QRect(0, y, width, height), Qt::AlignLeft, FormTitle);
        drawText(plain, QRect(0, height - int(6 * mm), width, int(6 * mm)), Qt::AlignRight,
                 QStringLiteral("Страница %1").arg(pages));
        y += drawText(plain, QRect(0, y, width, height), Qt::AlignLeft,
                      QStringLiteral("Налогоплательщик: ") + Taxpayer);
        y += drawText(plain, QRect(0, y, width, height), Qt::AlignLeft,
                      QStringLiteral("Налоговый орган: ") + TaxOffice);
        y += int(1.5 * mm);
        painter.drawLine(0, y, width, y);
        y += int(3 * mm);
        y += drawText(heading, QRect(0, y, width, height), Qt::AlignLeft,
                      continued ? sheetTitle + QStringLiteral(" (продолжение)") : sheetTitle);
        y += int(2 * mm);
    };

    const int bottom = height - int(8 * mm);
    const int indent = int(5 * mm);
    const int valueLeft = int(width * 0.6);
    const int valueWidth = width - valueLeft;
    for (const Sheet& sheet : Sheets) {
        startPage(sheet.Title, false);
        for (const Row& row : sheet.Rows) {
            const int left = row.Depth * indent;
            const int labelWidth = row.Heading ? width - left : valueLeft - left - int(2 * mm);
            const QFont& labelFont = row.Heading ? bold : plain;
            // Values such as file identifiers have no blanks: they wrap anywhere.
            const int valueFlags = Qt::AlignLeft | Qt::TextWrapAnywhere;
            const int rowHeight =
                std::max(textHeight(labelFont, labelWidth, row.Label, Qt::AlignLeft),
                         row.Heading ? 0 : textHeight(bold, valueWidth, row.Value, valueFlags)) +
                int(1 * mm);
            if (y + rowHeight > bottom) startPage(sheet.Title, true);
            drawText(labelFont, QRect(left, y, labelWidth, rowHeight), Qt::AlignLeft, row.Label);
            if (!row.Heading) {
                drawText(bold, QRect(valueLeft, y, valueWidth, rowHeight), valueFlags, row.Value);
                painter.setPen(QPen(Qt::lightGray, 0));
                painter.drawLine(left, y + rowHeight - int(0.5 * mm), width, y + rowHeight - int(0.5 * mm));
                painter.setPen(QPen(Qt::black, 0));
            }
            y += rowHeight;
        }
    }
    painter.end();
    return pages;
}
