#pragma once

#include <QStringList>

// The value list of "font-family": the installed families plus "Default", each name
// once, in alphabetical order, without the foundry tags of the font database.
namespace FontList {

QStringList lines(const QStringList &installedFamilies);

// Replaces the file, lines ended by CR LF. Throws "Datei %s kann nicht erstellt werden".
void write(const QString &path, const QStringList &installedFamilies);

} // namespace FontList
