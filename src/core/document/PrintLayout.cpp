#include "PrintLayout.h"

namespace PrintLayout {

Pages layout(const QStringList &lines, const QString &header, int printableHeightMm, int lineHeight)
{
    Pages pages;
    const int height = printableHeightMm * 10;
    int page = 1;
    int y = kMargin;
    for (const QString &text : lines) {
        if (height - 2 * kMargin < y) {
            ++page;
            y = kMargin;
        }
        if (y == kMargin) {
            pages.lines.append({page, kMargin, y, header, true});
            y += lineHeight;
        }
        pages.lines.append({page, kMargin, y, text, false});
        y += lineHeight;
    }
    pages.count = page;
    return pages;
}

} // namespace PrintLayout
