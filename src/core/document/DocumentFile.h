#pragma once

#include "TextFileFormat.h"

#include <QString>

// Reading and writing a whole style sheet. Failures throw AppError with the
// messages the user sees.
namespace DocumentFile {

// Throws "Datei %s kann nicht geöffnet werden", also for what is not a regular file,
// and the size error for a file over the size limit.
TextFileFormat::Decoded read(const QString &path);
// The same, the text in one piece.
TextFileFormat::DecodedText readText(const QString &path);

// Writes to a temporary file beside the target and replaces the target only when
// everything was written, so a failed save leaves the old file as it was. Throws
// "Datei %s kann nicht erstellt werden". Returns false, writing nothing, when the
// text holds a character the format's encoding cannot hold: changing a file's
// encoding is the user's decision.
bool write(const QString &path, const QStringList &lines, const TextFileFormat::Format &format);

} // namespace DocumentFile
