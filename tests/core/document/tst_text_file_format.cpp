#include "document/TextFileFormat.h"

#include <QTest>

using namespace TextFileFormat;

Q_DECLARE_METATYPE(TextFileFormat::LineEnd)
Q_DECLARE_METATYPE(TextFileFormat::Encoding)

class TestTextFileFormat : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<LineEnd>("lineEnd");
        QTest::newRow("empty file") << QByteArray() << QStringList{} << LineEnd::CrLf;
        QTest::newRow("no line end") << QByteArray("a") << QStringList{"a"} << LineEnd::CrLf;
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << LineEnd::CrLf;
        QTest::newRow("LF, last line open") << QByteArray("a\nb") << QStringList{"a", "b"} << LineEnd::Lf;
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"} << LineEnd::Cr;
        QTest::newRow("NUL ends a line") << QByteArray("a\0b", 3) << QStringList{"a", "b"} << LineEnd::CrLf;
        QTest::newRow("lone CR and lone LF count as CR LF")
            << QByteArray("a\rb\nc") << QStringList{"a", "b", "c"} << LineEnd::CrLf;
        QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << LineEnd::CrLf;
        QTest::newRow("empty lines kept") << QByteArray("\n\na\n\n") << QStringList{"", "", "a", ""} << LineEnd::Lf;
        QTest::newRow("just a line end") << QByteArray("\r\n") << QStringList{""} << LineEnd::CrLf;
    }
    void split()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(LineEnd, lineEnd);
        const Decoded d = decode(bytes);
        QCOMPARE(d.lines, lines);
        QCOMPARE(d.format.lineEnd, lineEnd);
    }

    void encoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("ASCII") << QByteArray("p { }") << Encoding::Utf8 << "p { }";
        QTest::newRow("UTF-8 umlauts") << QByteArray("/* Gr\xc3\xb6\xc3\x9f"
                                                     "e */")
                                       << Encoding::Utf8 << QString::fromUtf8("/* Größe */");
        QTest::newRow("Windows-1252 umlauts") << QByteArray("/* Gr\xf6\xdf"
                                                            "e */")
                                              << Encoding::Windows1252 << QString::fromUtf8("/* Größe */");
        QTest::newRow("euro sign 0x80") << QByteArray("a\x80") << Encoding::Windows1252 << QString::fromUtf8("a€");
        QTest::newRow("unassigned 0x81 kept as a character")
            << QByteArray("\x81") << Encoding::Windows1252 << QString(QChar(0x81));
        QTest::newRow("truncated UTF-8 sequence")
            << QByteArray("a\xc3") << Encoding::Windows1252 << QString::fromUtf8("aÃ");
    }
    void encoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        QFETCH(QString, firstLine);
        const Decoded d = decode(bytes);
        QCOMPARE(d.format.encoding, encoding);
        QCOMPARE(d.lines.value(0), firstLine);
    }

    // A file with one line-end style comes back byte for byte.
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("h1 {\r\n  color: red;\r\n}\r\n");
        QTest::newRow("LF") << QByteArray("h1 {\n  color: red;\n}\n");
        QTest::newRow("CR") << QByteArray("h1 {\r  color: red;\r}\r");
        QTest::newRow("empty lines") << QByteArray("\r\n\r\na\r\n\r\n");
        QTest::newRow("UTF-8 with umlauts") << QByteArray("/* \xc3\xa4\xc3\xb6\xc3\xbc \xc3\x84 */\n");
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbfp {}\r\n");
        QTest::newRow("byte order mark alone") << QByteArray("\xef\xbb\xbf");
        QTest::newRow("no line end after the last line") << QByteArray("a\r\nb");
        QTest::newRow("one line, no line end") << QByteArray("p {}");
        QTest::newRow("Windows-1252, no line end after the last line") << QByteArray("\xe4\nb");
        QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfe"
                                                 "p\0{\0\xe4\0}\0\r\0\n\0"
                                                 "a\0\r\0\n\0",
                                                 16);
        QTest::newRow("UTF-16 BE, beyond the BMP") << QByteArray("\xfe\xff"
                                                                 "\0p\xd8\x01\xdc\x00\0\n",
                                                                 10);
        QTest::newRow("UTF-16 LE, no line end after the last line") << QByteArray("\xff\xfe"
                                                                                  "a\0\n\0b\0",
                                                                                  8);
        QTest::newRow("Windows-1252 with umlauts") << QByteArray("/* \xe4\xf6\xfc\xc4\xd6\xdc\xdf */\r\n");
        QByteArray high;
        for (int b = 0x80; b <= 0xff; ++b)
            high += char(b);
        QTest::newRow("bytes 0x80 to 0xFF") << high + "\r\n";
        QByteArray controls;
        for (int b = 1; b < 0x20; ++b) {
            if (b != '\r' && b != '\n')
                controls += char(b);
        }
        QTest::newRow("control bytes") << controls + "\n";
    }
    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        const Decoded d = decode(bytes);
        QByteArray written;
        QVERIFY(encode(d.lines, d.format, written));
        QCOMPARE(written, bytes);
    }

    void utf16IsReadByItsMark_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("little endian") << QByteArray("\xff\xfep\0{\0}\0\n\0", 10) << Encoding::Utf16Le
                                       << QStringList{"p{}"};
        QTest::newRow("big endian") << QByteArray("\xfe\xff\0p\0\n", 6) << Encoding::Utf16Be << QStringList{"p"};
        QTest::newRow("odd length: bytes as they are") << QByteArray("\xff\xfep\0q", 5) << Encoding::Windows1252
                                                       << QStringList{QString::fromUtf8("ÿþp"), QStringLiteral("q")};
    }
    void utf16IsReadByItsMark()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        QFETCH(QStringList, lines);
        const Decoded d = decode(bytes);
        QCOMPARE(d.format.encoding, encoding);
        QCOMPARE(d.lines, lines);
    }

    // NULs end lines, as they always did; the format remembers that saving changes them.
    void nulCharactersAreNoted()
    {
        QVERIFY(decode(QByteArray("a\0b\n", 4)).format.nulCharacters);
        QVERIFY(!decode("a\nb\n").format.nulCharacters);
        QVERIFY(decode(QByteArray("\xff\xfe"
                                  "a\0\0\0",
                                  6))
                    .format.nulCharacters);
    }

    // The mark belongs to the file, not to the text the analysis reads.
    void byteOrderMarkIsNoCharacter()
    {
        const Decoded d = decode("\xef\xbb\xbfp {}\n");
        QCOMPARE(d.lines, QStringList{"p {}"});
        QVERIFY(d.format.byteOrderMark);
        QVERIFY(!decode("p {}\n").format.byteOrderMark);
        // Not valid UTF-8 after it: the three bytes are Windows-1252 text, kept as such.
        const Decoded w = decode("\xef\xbb\xbfp\xe4");
        QCOMPARE(w.format.encoding, Encoding::Windows1252);
        QVERIFY(!w.format.byteOrderMark);
        QCOMPARE(w.lines.value(0).size(), 5);
    }

    void everyLineGetsTheLineEnd_data()
    {
        QTest::addColumn<LineEnd>("lineEnd");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("CR LF") << LineEnd::CrLf << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("LF") << LineEnd::Lf << QByteArray("a\n\nb\n");
        QTest::newRow("CR") << LineEnd::Cr << QByteArray("a\r\rb\r");
    }
    void everyLineGetsTheLineEnd()
    {
        QFETCH(LineEnd, lineEnd);
        QFETCH(QByteArray, expected);
        QByteArray out;
        QVERIFY(encode({"a", "", "b"}, lineEnd, Encoding::Utf8, out));
        QCOMPARE(out, expected);
        QVERIFY(encode({}, lineEnd, Encoding::Utf8, out));
        QCOMPARE(out, QByteArray());
    }

    void windows1252CannotHoldEveryCharacter()
    {
        QByteArray out("untouched");
        QVERIFY(!encode({QString::fromUtf8("→")}, LineEnd::CrLf, Encoding::Windows1252, out));
        QCOMPARE(out, QByteArray("untouched"));
        QVERIFY(encode({QString::fromUtf8("ä€")}, LineEnd::CrLf, Encoding::Windows1252, out));
        QCOMPARE(out, QByteArray("\xe4\x80\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestTextFileFormat)
#include "tst_text_file_format.moc"
