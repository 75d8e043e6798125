#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

// 1-based position of the last occurrence of sub in s; 0 when absent or either is empty.
int lastPos(const QString &sub, const QString &s);

// "major.minor.release" of a four-part file version such as "1.1.0.1".
// Throws AppError("Keine Versionsinformationen vorhanden") when fileVersion is empty
// or not a version.
QString versionString(const QString &fileVersion);
// The same for the version this program was built with.
QString versionString();
// The build's four-part file version, empty when the build carries none.
QString buildFileVersion();

// Top-left corner that centres a window of outer size `window` on `screen`,
// truncating toward zero (a window larger than the screen gets a negative position).
QPoint centredPosition(const QSize &screen, const QSize &window);
