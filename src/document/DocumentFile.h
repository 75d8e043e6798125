#pragma once

#include "TextFileFormat.h"

#include <QString>

// Reading and writing a whole style sheet. Failures throw AppError with the
// messages the user sees.
namespace DocumentFile {

// Throws "Datei %s kann nicht geöffnet werden".
TextFileFormat::Decoded read(const QString &path);

// Writes to a temporary file beside the target and replaces the target only when
// everything was written, so a failed save leaves the old file as it was. Throws
// "Datei %s kann nicht erstellt werden". A text that Windows-1252 cannot hold is
// written as UTF-8 rather than losing characters; `encoding` then becomes Utf8.
void write(const QString &path, const QStringList &lines, TextFileFormat::LineEnd lineEnd,
           TextFileFormat::Encoding &encoding);

} // namespace DocumentFile
