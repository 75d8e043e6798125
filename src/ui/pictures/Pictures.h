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

} // namespace Pictures
