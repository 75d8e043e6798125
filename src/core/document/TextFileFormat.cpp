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

// UTF-16 only with its mark: without one, such a file is bytes like any other.
bool decodeUtf16(const QByteArray &bytes, QString &text, Encoding &encoding)
{
    const bool little = bytes.startsWith("\xff\xfe");
    if ((!little && !bytes.startsWith("\xfe\xff")) || bytes.size() % 2 != 0)
        return false;
    QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, kFlags);
    text = decoder.decode(QByteArrayView(bytes).sliced(2));
    encoding = little ? Encoding::Utf16Le : Encoding::Utf16Be;
    return !decoder.hasError();
}

template<typename Text, typename Char>
LineEnd lineEndStyle(const Text &text, Char cr, Char lf)
{
    const bool hasCr = text.contains(cr);
    const bool hasLf = text.contains(lf);
    if (hasLf && !hasCr)
        return LineEnd::Lf;
    if (hasCr && !hasLf)
        return LineEnd::Cr;
    return LineEnd::CrLf;
}

QByteArray byteOrderMark(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return kUtf8Bom;
    case Encoding::Utf16Le:
        return QByteArrayLiteral("\xff\xfe");
    case Encoding::Utf16Be:
        return QByteArrayLiteral("\xfe\xff");
    case Encoding::Windows1252:
        break;
    }
    return {};
}

QStringEncoder encoderFor(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringEncoder(QStringConverter::Utf8, kFlags);
    case Encoding::Utf16Le:
        return QStringEncoder(QStringConverter::Utf16LE, kFlags);
    case Encoding::Utf16Be:
        return QStringEncoder(QStringConverter::Utf16BE, kFlags);
    case Encoding::Windows1252:
        break;
    }
    return QStringEncoder("windows-1252", kFlags);
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

DecodedText decodeText(const QByteArray &bytes)
{
    DecodedText result;
    Format &format = result.format;
    QString &text = result.text;
    if (decodeUtf16(bytes, text, format.encoding)) {
        format.byteOrderMark = true;
        format.lineEnd = lineEndStyle(text, QLatin1Char('\r'), QLatin1Char('\n'));
        const QChar last = text.isEmpty() ? QLatin1Char('\n') : text.back();
        format.lastLineEnded = last == QLatin1Char('\n') || last == QLatin1Char('\r') || last == QChar(0);
        format.nulCharacters = text.contains(QChar(0));
        for (qsizetype i = 0; i < text.size() && !format.halfCharacters; ++i) {
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            format.halfCharacters = text[i].isSurrogate() && !pair;
            i += pair;
        }
        return result;
    }
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
    format.lineEnd = lineEndStyle(bytes, '\r', '\n');
    const char last = bytes.isEmpty() ? '\n' : bytes.back();
    format.lastLineEnded = last == '\n' || last == '\r' || last == '\0';
    format.nulCharacters = bytes.contains('\0');
    return result;
}

Decoded decode(const QByteArray &bytes)
{
    DecodedText decoded = decodeText(bytes);
    return {splitLines(decoded.text), decoded.format};
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
    QStringEncoder encoder = encoderFor(format.encoding);
    const QByteArray eol = encoder.encode(QString::fromLatin1(lineEndBytes(format.lineEnd)));
    QByteArray result;
    if (format.byteOrderMark)
        result += byteOrderMark(format.encoding);
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
