#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a style sheet's bytes become lines and back.
namespace TextFileFormat {

enum class LineEnd { CrLf, Lf, Cr };
enum class Encoding { Utf8, Windows1252, Utf16Le, Utf16Be };

// How a file's text lies in its bytes: found on reading, used again on writing, so
// that a file opened and saved without edits comes back byte for byte.
struct Format
{
    LineEnd lineEnd = LineEnd::CrLf;
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false; // a mark before the text (UTF-16 always has one); never part of the text
    bool lastLineEnded = true; // a line end follows the last line
    bool nulCharacters = false; // NULs were read as line ends: saving changes the file
    // UTF-16 held half a surrogate pair, which no editor text holds: saving changes the file
    bool halfCharacters = false;
};

struct Decoded
{
    QStringList lines;
    Format format;
};

struct DecodedText
{
    QString text; // the lines with their line ends as in the file
    Format format;
};

// UTF-16 with its byte order mark is read as UTF-16, valid UTF-8 as UTF-8, anything
// else as Windows-1252, where every byte is one character and maps back to the same
// byte. Lines end at CR LF, LF, CR and NUL;
// a line end after the last line makes no extra empty line. The remembered style is
// CR LF when both CR and LF occur or neither does, else the one that occurs.
Decoded decode(const QByteArray &bytes);
// The same text in one piece: decode's lines are splitLines(text).
DecodedText decodeText(const QByteArray &bytes);

// Every line followed by the line end, the last one only when the format says so.
// Returns false when a character cannot be written in the encoding (nothing is
// produced then).
bool encode(const QStringList &lines, const Format &format, QByteArray &out);
// Every line, the last one included, followed by the line end; no byte order mark.
bool encode(const QStringList &lines, LineEnd lineEnd, Encoding encoding, QByteArray &out);

// Splits text at CR LF, LF, CR and NUL without the trailing empty line.
QStringList splitLines(const QString &text);

QByteArray lineEndBytes(LineEnd lineEnd);

} // namespace TextFileFormat
