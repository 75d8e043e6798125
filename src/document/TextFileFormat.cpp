#include "TextFileFormat.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFileFormat {

namespace {

// A byte order mark is taken off before decoding and written from the format, so no
// converter may add or drop one.
constexpr auto kFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
const QByteArray kUtf8Bom = QByteArrayLiteral("\xef\xbb\xbf");

bool decodeUtf8(const QByteArray &bytes, QString &text)
{
    QStringDecoder decoder(QStringConverter::Utf8, kFlags);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

LineEnd lineEndStyle(const QByteArray &bytes)
{
    const bool hasCr = bytes.contains('\r');
    const bool hasLf = bytes.contains('\n');
    if (hasLf && !hasCr)
        return LineEnd::Lf;
    if (hasCr && !hasLf)
        return LineEnd::Cr;
    return LineEnd::CrLf;
}

} // namespace

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const QChar *data = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n' && c != u'\0')
            continue;
        lines.append(QString(data + start, i - start));
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(QString(data + start, n - start));
    return lines;
}

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    Format &format = result.format;
    QString text;
    if (decodeUtf8(bytes, text)) {
        format.encoding = Encoding::Utf8;
        if (bytes.startsWith(kUtf8Bom)) {
            format.byteOrderMark = true;
            text.remove(0, 1);
        }
    } else {
        QStringDecoder decoder("windows-1252", kFlags);
        text = decoder.decode(bytes);
        format.encoding = Encoding::Windows1252;
    }
    result.lines = splitLines(text);
    format.lineEnd = lineEndStyle(bytes);
    const char last = bytes.isEmpty() ? '\n' : bytes.back();
    format.lastLineEnded = last == '\n' || last == '\r' || last == '\0';
    return result;
}

QByteArray lineEndBytes(LineEnd lineEnd)
{
    switch (lineEnd) {
    case LineEnd::Lf:
        return QByteArrayLiteral("\n");
    case LineEnd::Cr:
        return QByteArrayLiteral("\r");
    case LineEnd::CrLf:
        break;
    }
    return QByteArrayLiteral("\r\n");
}

bool encode(const QStringList &lines, const Format &format, QByteArray &out)
{
    const QByteArray eol = lineEndBytes(format.lineEnd);
    const bool utf8 = format.encoding == Encoding::Utf8;
    QStringEncoder encoder = utf8 ? QStringEncoder(QStringConverter::Utf8, kFlags)
                                  : QStringEncoder("windows-1252", kFlags);
    QByteArray result;
    if (utf8 && format.byteOrderMark)
        result += kUtf8Bom;
    for (const QString &line : lines) {
        result += encoder.encode(line);
        result += eol;
    }
    if (!lines.isEmpty() && !format.lastLineEnded)
        result.chop(eol.size());
    if (encoder.hasError())
        return false;
    out = std::move(result);
    return true;
}

bool encode(const QStringList &lines, LineEnd lineEnd, Encoding encoding, QByteArray &out)
{
    return encode(lines, Format{lineEnd, encoding}, out);
}

} // namespace TextFileFormat
