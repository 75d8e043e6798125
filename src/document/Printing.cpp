#include "Printing.h"

#include "PrintLayout.h"
#include "app/AppError.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

void printSheet(QPrinter &printer, const QStringList &lines, const QString &header)
{
    printer.setDocName(header + QStringLiteral(" drucken"));
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(QStringLiteral("Der Drucker kann nicht verwendet werden"));
    // Logical units of 0.1 mm over the printable area.
    const QRectF area = printer.pageRect(QPrinter::Millimeter);
    painter.setWindow(0, 0, int(area.width() * 10), int(area.height() * 10));
    QFont regular(QStringLiteral("Courier New"));
    regular.setStyleHint(QFont::TypeWriter);
    regular.setPixelSize(PrintLayout::kCellHeight);
    QFont bold = regular;
    bold.setBold(true);
    painter.setFont(regular);
    const int lineHeight = painter.fontMetrics().height();
    const PrintLayout::Pages pages = PrintLayout::layout(lines, header, int(area.height()), lineHeight);
    int page = 1;
    for (const PrintLayout::Line &line : pages.lines) {
        if (line.page != page) {
            printer.newPage();
            page = line.page;
        }
        painter.setFont(line.header ? bold : regular);
        // Lines are cut at the right edge, not wrapped.
        painter.drawText(QRect(line.left, line.top, int(area.width() * 10) - line.left, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.text);
    }
    painter.end();
}
