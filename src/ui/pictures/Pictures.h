#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, drawn at run time so that they are sharp at any size.
namespace Pictures {

// 345 x 90: the splash window and the head of the about box.
QPixmap splash();

// A picture by name ("new", "open", "save", ...); an empty icon for unknown names.
QIcon icon(const QString &name);

// The 16 x 16 pictures of the analysis views, by their index: 0 element (blue
// diamond), 1 class (green diamond), 2 ID (magenta diamond), 3 the status root, 4 the
// "Selektoren" tab, 6 no error, 7 error, 8 not analysed yet, 9 comments, 12
// declarations (orange diamond). An empty icon for other indexes.
QIcon parserImage(int index);

} // namespace Pictures
