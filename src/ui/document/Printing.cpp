#include "Printing.h"

#include "app/AppError.h"
#include "app/WholeFile.h"
#include "document/PrintLayout.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

// The print font at a cell height (ascent plus descent) of `cell` units, so that lines
// placed one cell apart neither overlap nor leave gaps.
QFont cellFont(const QPaintDevice &device, int cell)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(cell);
    const int height = QFontMetrics(font, &device).height();
    if (height > 0)
        font.setPixelSize(qMax(1, cell * cell / height));
    return font;
}

// The pages onto the device; false when the device refused a step.
bool paint(QPagedPaintDevice &device, const QStringList &lines, const QString &header)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Logical units of 0.1 mm over the printable area.
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    painter.setWindow(0, 0, int(area.width() * 10), int(area.height() * 10));
    const int lineHeight = PrintLayout::kCellHeight;
    const QFont regular = cellFont(device, lineHeight);
    QFont bold = regular;
    bold.setBold(true);
    const PrintLayout::Pages pages = PrintLayout::layout(lines, header, int(area.height()), lineHeight);
    int page = 1;
    for (const PrintLayout::Line &line : pages.lines) {
        if (line.page != page) {
            if (!device.newPage())
                return false;
            page = line.page;
        }
        painter.setFont(line.header ? bold : regular);
        // Lines are cut at the right edge, not wrapped.
        painter.drawText(QRect(line.left, line.top, int(area.width() * 10) - line.left, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.text);
    }
    return painter.end();
}

} // namespace

void printSheet(QPrinter &printer, const QStringList &lines, const QString &header)
{
    const QString title = header + QStringLiteral(" drucken");
    printer.setDocName(title);
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (file.isEmpty()) {
        if (!paint(printer, lines, header))
            throw AppError(QStringLiteral("Der Drucker kann nicht verwendet werden"));
        return;
    }
    // Qt's PDF engine reports success over a file it could not write (a full disk): the
    // document is made in memory and written with every byte checked, so a failure
    // leaves no empty or half file and is reported.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Stylograf"));
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    if (!paint(writer, lines, header) || !writeWholeFile(file, buffer.data()))
        throw AppError::cannotCreate(file);
}
