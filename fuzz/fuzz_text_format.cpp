// A file's bytes decoded and encoded again: the text survives any round trip, and a
// file with one line-end style and no NUL comes back byte for byte.

#include "FuzzInput.h"
#include "document/TextFileFormat.h"

#include <QStringDecoder>

using namespace TextFileFormat;

namespace {

// One style of line ends throughout, as the format can write it again.
template<typename Text, typename Char>
bool oneLineEndStyle(const Text &text, Char cr, Char lf)
{
    bool crlf = false, lone = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == cr && i + 1 < text.size() && text[i + 1] == lf) {
            crlf = true;
            ++i;
        } else if (text[i] == cr || text[i] == lf) {
            lone = true;
        }
    }
    if (crlf)
        return !lone;
    return !(text.contains(cr) && text.contains(lf));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Decoded d = decode(bytes);
    const bool utf16 = d.format.encoding == Encoding::Utf16Le || d.format.encoding == Encoding::Utf16Be;
    // Text that merely starts with the bytes of a UTF-16 mark ("þÿ" in Windows-1252)
    // may read as UTF-16 once rewritten: such a file is no style sheet.
    if (!utf16 && (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")))
        return 0;
    QByteArray written;
    FUZZ_CHECK(encode(d.lines, d.format, written), QStringLiteral("decoded text cannot be encoded again"));
    const Decoded again = decode(written);
    FUZZ_CHECK(again.lines == d.lines, QStringLiteral("lines change on a round trip"));
    FUZZ_CHECK(again.format.encoding == d.format.encoding, QStringLiteral("the encoding changes"));
    bool clean = !d.format.nulCharacters;
    if (utf16) {
        const QString text = QStringDecoder(d.format.encoding == Encoding::Utf16Le ? QStringConverter::Utf16LE
                                                                                   : QStringConverter::Utf16BE)
                                 .decode(bytes.sliced(2));
        clean = clean && oneLineEndStyle(text, QLatin1Char('\r'), QLatin1Char('\n'));
    } else {
        clean = clean && oneLineEndStyle(bytes, '\r', '\n');
    }
    if (clean)
        FUZZ_CHECK(written == bytes, QStringLiteral("%1 bytes came back as %2").arg(bytes.size()).arg(written.size()));
    return 0;
}
