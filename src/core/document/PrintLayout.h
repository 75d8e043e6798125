#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where every printed line goes, in tenths of a millimetre from the top left of the
// printable area: the header in bold at the top of every page, then the lines, a new
// page when the next line would pass the height less two margins.
namespace PrintLayout {

constexpr int kMargin = 230; // 23.0 mm
constexpr int kCellHeight = 50; // 5.0 mm

struct Line
{
    int page; // from 1
    int left;
    int top;
    QString text;
    bool header;
    bool operator==(const Line &) const = default;
};

struct Pages
{
    int count = 1; // an empty text still prints one blank page
    QList<Line> lines;
};

// `printableHeightMm` in whole millimetres; `lineHeight` the print font's line height.
Pages layout(const QStringList &lines, const QString &header, int printableHeightMm, int lineHeight);

} // namespace PrintLayout
