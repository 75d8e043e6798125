#pragma once

#include "analysis/SheetAnalysis.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, kept as PNG files (16, 24 and 32 px) in the resources.
namespace Pictures {

// 345 x 90: the splash window and the head of the about box.
QPixmap splash();

// A picture by name ("new", "open", "save", ...). Where the desktop's icon theme has
// an icon for the same action, that one, so the program looks like its neighbours;
// ours otherwise. An empty icon for unknown names.
QIcon icon(const QString &name);

// The small pictures of the analysis views.
enum class AnalysisPicture {
    Element, // blue diamond
    Class, // green diamond
    Id, // magenta diamond
    Declaration, // orange diamond
    Status, // the root of the status tree
    SelectorsTab,
    Comments,
    NoError,
    Error,
    NotAnalysed,
    AtRule, // teal diamond
};
QIcon analysisPicture(AnalysisPicture picture);
QIcon selectorPicture(SelectorKind kind);
QIcon statusPicture(ParserStatus status);

} // namespace Pictures
