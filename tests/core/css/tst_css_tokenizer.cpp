#include "css/CssTokenizer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <vector>

namespace {

const char *const kKindNames[]
    = {"Ident",      "Function",  "AtKeyword",  "Hash",       "String",      "BadString",    "Url",
       "BadUrl",     "Delim",     "Number",     "Percentage", "Dimension",   "Whitespace",   "Cdo",
       "Cdc",        "Colon",     "Semicolon",  "Comma",      "LeftBracket", "RightBracket", "LeftParen",
       "RightParen", "LeftBrace", "RightBrace", "Comment",    "End"};

QString kindName(Css::TokenKind kind)
{
    return QString::fromLatin1(kKindNames[int(kind)]);
}

// Tokens as "Kind start end", one per line, so that a difference shows where it is.
template<typename View>
QStringList tokensOf(View text, const std::vector<qsizetype> &toUtf16 = {})
{
    QStringList out;
    Css::Tokenizer tokenizer(text);
    for (Css::Token t = tokenizer.next(); t.kind != Css::TokenKind::End; t = tokenizer.next()) {
        const auto map = [&](qsizetype i) { return toUtf16.empty() ? i : toUtf16[size_t(i)]; };
        out << QStringLiteral("%1 %2 %3").arg(kindName(t.kind)).arg(map(t.start)).arg(map(t.end));
    }
    return out;
}

// Where each byte of the UTF-8 form of `text` is in UTF-16 code units; one entry past the end.
std::vector<qsizetype> utf16Offsets(const QString &text)
{
    std::vector<qsizetype> offsets;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const qsizetype bytes = QStringView(text).sliced(i, pair ? 2 : 1).toUtf8().size();
        for (qsizetype b = 0; b < bytes; ++b)
            offsets.push_back(i);
        if (pair)
            ++i;
    }
    offsets.push_back(text.size());
    return offsets;
}

} // namespace

class TestCssTokenizer : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithCssTree_data();
    void agreesWithCssTree();
    void startsBetweenTokens_data();
    void startsBetweenTokens();
    void startsInsideAComment();
    void marksWhatTheEndClosed_data();
    void marksWhatTheEndClosed();
};

// The fixture holds css-tree's tokens of edge cases and of lines of real sheets
// (tools/css-syntax/generate.sh writes it).
void TestCssTokenizer::agreesWithCssTree_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QFile file(QStringLiteral(TEST_DATA_DIR "/css/tokens.json"));
    QVERIFY2(file.open(QIODevice::ReadOnly), "the tokens' fixture is missing");
    const QJsonArray cases = QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("cases")).toArray();
    QVERIFY(cases.size() > 50);
    for (const QJsonValue &c : cases) {
        const QJsonObject o = c.toObject();
        QStringList expected;
        for (const QJsonValue &t : o.value(QLatin1String("tokens")).toArray()) {
            const QJsonArray a = t.toArray();
            expected << QStringLiteral("%1 %2 %3").arg(a[0].toString()).arg(a[1].toInt()).arg(a[2].toInt());
        }
        QTest::newRow(qPrintable(o.value(QLatin1String("name")).toString()))
            << o.value(QLatin1String("text")).toString() << expected;
    }
}

void TestCssTokenizer::agreesWithCssTree()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(tokensOf(QStringView(text)), expected);
    // The same tokens over the control's UTF-8 bytes.
    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(tokensOf(QByteArrayView(utf8), utf16Offsets(text)), expected);
}

// A reading that starts where an earlier one passed between two tokens finds the same
// tokens from there: the swatches and the names read from such places on long lines.
void TestCssTokenizer::startsBetweenTokens_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("declarations") << QStringLiteral("a{color:red;background:url(x;y) no-repeat}b{c:\"d;e\"}");
    QTest::newRow("escapes and comments") << QStringLiteral("\\31 a/*x*/#b\\:c{d:-e\\ f}");
    QTest::newRow("numbers") << QStringLiteral("x:1e3px -.5% +2 --y");
}

void TestCssTokenizer::startsBetweenTokens()
{
    QFETCH(QString, text);
    const QStringList whole = tokensOf(QStringView(text));
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const qsizetype from = whole[i].section(u' ', 1, 1).toLongLong();
        Css::Tokenizer tokenizer{QStringView(text), from};
        QStringList rest;
        for (Css::Token t = tokenizer.next(); t.kind != Css::TokenKind::End; t = tokenizer.next())
            rest << QStringLiteral("%1 %2 %3").arg(kindName(t.kind)).arg(t.start).arg(t.end);
        QCOMPARE(rest, whole.mid(i));
    }
}

void TestCssTokenizer::startsInsideAComment()
{
    const QString text = QStringLiteral(" a { b */ c { d: \"*/\" }");
    Css::Tokenizer tokenizer{QStringView(text), 0, true};
    const Css::Token comment = tokenizer.next();
    QCOMPARE(int(comment.kind), int(Css::TokenKind::Comment));
    QCOMPARE(comment.end, text.indexOf(u"*/") + 2);
    QCOMPARE(int(tokenizer.next().kind), int(Css::TokenKind::Whitespace));
    QCOMPARE(int(tokenizer.next().kind), int(Css::TokenKind::Ident));

    Css::Tokenizer open{QStringView(u" never closed"), 0, true};
    QCOMPARE(open.next(), (Css::Token{Css::TokenKind::Comment, 0, 13, true}));
    QCOMPARE(int(open.next().kind), int(Css::TokenKind::End));
}

// A comment, string or address that only the text's end closes is marked, so that the
// analysis can tell where a sheet was left open.
void TestCssTokenizer::marksWhatTheEndClosed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("unclosed");
    QTest::newRow("comment") << QStringLiteral("a /* b") << true;
    QTest::newRow("closed comment") << QStringLiteral("a /* b */") << false;
    QTest::newRow("comment of one star") << QStringLiteral("a /*/") << true;
    QTest::newRow("string") << QStringLiteral("a \"b") << true;
    QTest::newRow("string ending in an escaped quote") << QStringLiteral("a \"b\\\"") << true;
    QTest::newRow("closed string") << QStringLiteral("a 'b'") << false;
    QTest::newRow("address") << QStringLiteral("url(x") << true;
    QTest::newRow("address gone wrong") << QStringLiteral("url(x y") << true;
    QTest::newRow("closed address") << QStringLiteral("url(x y)") << false;
}

void TestCssTokenizer::marksWhatTheEndClosed()
{
    QFETCH(QString, text);
    QFETCH(bool, unclosed);
    Css::Tokenizer tokenizer{QStringView(text)};
    Css::Token last;
    for (Css::Token t = tokenizer.next(); t.kind != Css::TokenKind::End; t = tokenizer.next())
        last = t;
    QCOMPARE(last.unclosed, unclosed);
    QCOMPARE(last.end, text.size());
}

QTEST_GUILESS_MAIN(TestCssTokenizer)
#include "tst_css_tokenizer.moc"
