// Formatting a sheet: the edits replace white space with white space, in order; the
// analysis finds the same selectors, repeats, comments and error in the result, also
// when only a selection is formatted; and the result formats to itself.

#include "FuzzInput.h"
#include "analysis/FlatText.h"
#include "analysis/StyleSheetParser.h"
#include "editor/SheetFormatter.h"

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Control characters written out, so that a report shows the whole text.
QString visible(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    return out;
}

QString analysed(const QString &sheet)
{
    const FlatText flat = joinAndStripComments(sheet, !sheet.isEmpty());
    SheetAnalysis a;
    StyleSheetParser().parseSheet(flat.text, a);
    return QStringList{a.elementSelectors.join(u'|'),      a.classSelectors.join(u'|'),
                       a.idSelectors.join(u'|'),           a.repeatedSelectors.join(u'|'),
                       QString::number(flat.commentCount), QString::number(a.parseError)}
        .join(u'\n');
}

void checkKept(const QString &sheet, const QString &result, const QString &what)
{
    FUZZ_CHECK(analysed(result) == analysed(sheet),
               what + QStringLiteral(": \"%1\" became \"%2\"").arg(visible(sheet), visible(result)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto a = in.ConsumeIntegral<uint16_t>();
    const auto b = in.ConsumeIntegral<uint16_t>();
    const QString sheet = fuzzText(in, 2000);
    const QString indent = QStringLiteral("  ");

    const QList<SheetFormatter::Edit> edits = SheetFormatter::edits(sheet, indent);
    qsizetype end = 0;
    for (const SheetFormatter::Edit &e : edits) {
        FUZZ_CHECK(e.start >= end && e.end >= e.start && e.end <= sheet.size(), QStringLiteral("edit out of order"));
        end = e.end;
        const QString replaced = sheet.sliced(e.start, e.end - e.start);
        FUZZ_CHECK(std::all_of(replaced.cbegin(), replaced.cend(), isSpace)
                       && std::all_of(e.text.cbegin(), e.text.cend(), isSpace),
                   QStringLiteral("\"%1\" replaced by \"%2\"").arg(visible(replaced), visible(e.text)));
    }
    const QString result = SheetFormatter::applied(sheet, edits);
    checkKept(sheet, result, QStringLiteral("the whole sheet"));
    FUZZ_CHECK(
        SheetFormatter::edits(result, indent).isEmpty(),
        QStringLiteral("\"%1\" formats again to \"%2\"")
            .arg(visible(result), visible(SheetFormatter::applied(result, SheetFormatter::edits(result, indent)))));

    const qsizetype from = qsizetype(a) % (sheet.size() + 1);
    const qsizetype to = from + qsizetype(b) % (sheet.size() + 1 - from);
    checkKept(sheet, SheetFormatter::applied(sheet, SheetFormatter::within(edits, from, to)),
              QStringLiteral("a selection"));
    return 0;
}
