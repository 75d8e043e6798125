// The preview page read back as a browser reads it: the head's style element holds
// the whole sheet and ends where the page ends it; the body holds one sample line per
// rule, each a sequence of well-formed tags and text, with no comment, no markup
// declaration, no element left open that would swallow the samples after it, and no
// attribute but those the samples write themselves.

#include "FuzzInput.h"
#include "analysis/StyleSheetParser.h"
#include "preview/PreviewPage.h"

namespace {

const QString kStyleOpen = QStringLiteral("<style type=\"text/css\">\r\n<!-- \r\n");
const QString kStyleClose = QStringLiteral("\r\n-->\r\n</style>\r\n</head>\r\n<Body>\r\n\r\n");
const QString kBodyEnd = QStringLiteral("\r\n\r\n</Body>\r\n</Html>\r\n");

bool isAsciiLetter(QChar c)
{
    return c.unicode() < 0x80 && c.isLetter();
}

bool isTagSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\f')
        || c == QLatin1Char('\r');
}

// "</name" that ends the raw text of the element `name`, as the HTML tokenizer finds it.
qsizetype rawTextEnd(const QString &text, qsizetype from, const QString &name)
{
    for (qsizetype at = text.indexOf(QLatin1String("</"), from); at >= 0;
         at = text.indexOf(QLatin1String("</"), at + 2)) {
        const qsizetype after = at + 2 + name.size();
        if (QStringView(text).sliced(at + 2).startsWith(name, Qt::CaseInsensitive)
            && (after >= text.size() || isTagSpace(text[after]) || text[after] == QLatin1Char('/')
                || text[after] == QLatin1Char('>')))
            return at;
    }
    return -1;
}

// Walks one sample line as the tokenizer would and reports what would break the page.
QString checkSample(const QString &line)
{
    static const QStringList rawText{"style", "script", "textarea", "title", "xmp", "iframe", "noembed", "noframes"};
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i] != QLatin1Char('<')) {
            ++i;
            continue;
        }
        const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
        if (next == QLatin1Char('!') || next == QLatin1Char('?'))
            return QStringLiteral("a comment or declaration opens at %1").arg(i);
        const bool end = next == QLatin1Char('/');
        const qsizetype nameStart = i + (end ? 2 : 1);
        if (nameStart >= line.size() || !isAsciiLetter(line[nameStart])) {
            if (end)
                return QStringLiteral("a bogus comment opens at %1").arg(i);
            ++i; // "<" as text
            continue;
        }
        qsizetype j = nameStart;
        while (j < line.size() && !isTagSpace(line[j]) && line[j] != QLatin1Char('/') && line[j] != QLatin1Char('>'))
            ++j;
        const QString name = line.mid(nameStart, j - nameStart).toLower();
        // Attributes: only those the samples write themselves, a quoted value ending in
        // the tag, the tag ending in the line.
        static const QStringList ours{"class", "id", "href", "src", "value", "name", "size"};
        while (j < line.size() && line[j] != QLatin1Char('>')) {
            if (isTagSpace(line[j]) || line[j] == QLatin1Char('/')) {
                ++j;
                continue;
            }
            const qsizetype attributeStart = j;
            while (j < line.size() && !isTagSpace(line[j]) && line[j] != QLatin1Char('=')
                   && line[j] != QLatin1Char('>'))
                ++j;
            const QString attribute = line.mid(attributeStart, j - attributeStart).toLower();
            if (!end && !ours.contains(attribute))
                return QStringLiteral("the selector wrote the attribute \"%1\"").arg(attribute);
            if (j < line.size() && line[j] == QLatin1Char('=')) {
                ++j;
                const QChar quote = j < line.size() ? line[j] : QChar();
                if (quote == QLatin1Char('"') || quote == QLatin1Char('\'')) {
                    j = line.indexOf(quote, j + 1);
                    if (j < 0)
                        return QStringLiteral("a value in the tag \"%1\" does not end").arg(name);
                    ++j;
                } else {
                    while (j < line.size() && !isTagSpace(line[j]) && line[j] != QLatin1Char('>'))
                        ++j;
                }
            }
        }
        if (j >= line.size())
            return QStringLiteral("the tag \"%1\" at %2 does not end").arg(name).arg(i);
        i = j + 1;
        if (end)
            continue;
        if (name == QLatin1String("plaintext"))
            return QStringLiteral("a plaintext element opens");
        if (rawText.contains(name)) {
            const qsizetype close = rawTextEnd(line, i, name);
            if (close < 0)
                return QStringLiteral("the %1 element does not end in its sample").arg(name);
            i = close;
        }
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString sheet = fuzzText(in, 1500);
    const FlatText flat = joinAndStripComments(sheet.split(QLatin1Char('\n')));
    const QString page = PreviewPage::buildPage(flat.text);

    const qsizetype open = page.indexOf(kStyleOpen);
    FUZZ_CHECK(open > 0, QStringLiteral("no style element"));
    const qsizetype content = open + kStyleOpen.size();
    const qsizetype close = rawTextEnd(page, content, QStringLiteral("style"));
    FUZZ_CHECK(QStringView(page).sliced(close - 7).startsWith(kStyleClose),
               QStringLiteral("the style element ends early: ") + page.mid(close - 20, 60));
    const QString style = page.mid(content, close - 7 - content);
    QString expected = flat.text;
    expected.replace(QLatin1String("</"), QLatin1String("<\\/"));
    FUZZ_CHECK(style == expected, QStringLiteral("the style element does not hold the sheet"));

    const qsizetype body = close - 7 + kStyleClose.size();
    FUZZ_CHECK(page.endsWith(kBodyEnd), QStringLiteral("the page does not end as it should"));
    const QString samples = page.mid(body, page.size() - kBodyEnd.size() - body);
    const QStringList sampleLines
        = samples.isEmpty() ? QStringList() : samples.chopped(2).split(QStringLiteral("\r\n"));
    const QString expectedSamples = PreviewPage::buildSamples(flat.text);
    FUZZ_CHECK(sampleLines.size() == expectedSamples.count(QStringLiteral("\r\n")),
               QStringLiteral("%1 sample lines for %2 rules")
                   .arg(sampleLines.size())
                   .arg(expectedSamples.count(QStringLiteral("\r\n"))));
    for (const QString &line : sampleLines) {
        const QString fault = checkSample(line);
        FUZZ_CHECK(fault.isEmpty(), fault + QStringLiteral(" in: ") + line);
    }
    return 0;
}
