#pragma once

#include <QStringList>

class QPrinter;

// Prints the lines with the header in bold at the top of every page, in "Courier New"
// of a 5.0 mm cell, on a printer already set up. Throws AppError when the printer
// cannot be used, or "Datei %s kann nicht erstellt werden" when its output file
// cannot be written (the old file then stays as it was).
void printSheet(QPrinter &printer, const QStringList &lines, const QString &header);
