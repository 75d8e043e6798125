#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a style sheet's bytes become lines and back.
namespace TextFileFormat {

enum class LineEnd { CrLf, Lf, Cr };
enum class Encoding { Utf8, Windows1252 };

struct Decoded
{
    QStringList lines;
    LineEnd lineEnd = LineEnd::CrLf;
    Encoding encoding = Encoding::Utf8;
};

// Valid UTF-8 is read as UTF-8; anything else as Windows-1252, where every byte is
// one character and maps back to the same byte. Lines end at CR LF, LF, CR and NUL;
// a line end after the last line makes no extra empty line. The remembered style is
// CR LF when both CR and LF occur or neither does, else the one that occurs.
Decoded decode(const QByteArray &bytes);

// Every line, the last one included, followed by the line end. Returns false when a
// character cannot be written in the encoding (nothing is produced then).
bool encode(const QStringList &lines, LineEnd lineEnd, Encoding encoding, QByteArray &out);

// Splits text at CR LF, LF, CR and NUL without the trailing empty line.
QStringList splitLines(const QString &text);

QByteArray lineEndBytes(LineEnd lineEnd);

} // namespace TextFileFormat
