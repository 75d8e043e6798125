#include "StyleSheetParser.h"

namespace {

bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

void appendTrimmedLine(QString &out, QStringView line)
{
    out += QLatin1Char(' ');
    out += trimmedView(line);
}

// Removes comments as the repeated search from the start would, in one pass: the
// kept text never holds a whole "/*" or "*/", so after a removal the next tokens
// can only start at the seam (the kept text's last character) or further on.
int stripComments(QString &text)
{
    const QChar *in = text.constData();
    const qsizetype n = text.size();
    auto tokenAt = [&](qsizetype i, char16_t first, char16_t second) {
        return i + 1 < n && in[i].unicode() == first && in[i + 1].unicode() == second;
    };
    // Where the next "/*" and "*/" start in the rest of the input; n when none.
    qsizetype nextOpen = -1, nextClose = -1;
    auto findFrom = [&](qsizetype from, char16_t first, char16_t second, qsizetype &cache) {
        if (cache >= from)
            return cache;
        qsizetype i = from;
        while (i < n && !tokenAt(i, first, second))
            ++i;
        cache = i;
        return i;
    };

    QString out;
    out.reserve(n);
    int count = 0;
    qsizetype pos = 0; // start of the input not yet copied
    for (;;) {
        const bool seamOpen = !out.isEmpty() && out.back() == QLatin1Char('/') && pos < n && in[pos] == QLatin1Char('*');
        const bool seamClose = !out.isEmpty() && out.back() == QLatin1Char('*') && pos < n && in[pos] == QLatin1Char('/');
        // Positions in the joined text: -1 is the seam.
        qsizetype open = seamOpen ? -1 : findFrom(pos, u'/', u'*', nextOpen);
        if (open == n)
            break; // no "/*"
        qsizetype close = seamClose ? -1 : findFrom(pos, u'*', u'/', nextClose);
        if (seamOpen) {
            // "/*" at the seam: "*/" may start at pos (the "/*/" case) or later.
            close = findFrom(pos, u'*', u'/', nextClose);
        }
        if (close == n || !(open < close))
            break;
        ++count;
        if (seamOpen) {
            out.chop(1);
        } else {
            out.append(in + pos, open - pos);
        }
        pos = close + 2;
    }
    out.append(in + pos, n - pos);
    text = std::move(out);
    return count;
}

} // namespace

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

FlatText JoinAndStripComments(const QStringList &lines)
{
    FlatText result;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 1;
    result.text.reserve(size);
    for (const QString &line : lines)
        appendTrimmedLine(result.text, line);
    result.commentCount = stripComments(result.text);
    return result;
}

FlatText JoinAndStripComments(QStringView sheetText, bool hasLines)
{
    FlatText result;
    if (!hasLines)
        return result;
    result.text.reserve(sheetText.size() + 1);
    const QChar *data = sheetText.data();
    const qsizetype n = sheetText.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\n' && c != u'\r' && c != u'\0')
            continue;
        appendTrimmedLine(result.text, QStringView(data + start, i - start));
        if (c == u'\r' && i + 1 < n && data[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    // The last line, also the empty one after a final line end.
    appendTrimmedLine(result.text, QStringView(data + start, n - start));
    result.commentCount = stripComments(result.text);
    return result;
}

QList<Occurrence> StyleSheetParser::ParseSheet(const QString &flatText, SheetAnalysis &analysis)
{
    analysis.ParseError = false;
    analysis.RepeatedSelectors.clear();
    for (SelectorSet &set : m_sets)
        set.begin();

    QList<Occurrence> occurrences;
    const QChar *w = flatText.constData();
    const qsizetype n = flatText.size();
    qsizetype lastVisible = n - 1;
    while (lastVisible >= 0 && isTrimmed(w[lastVisible]))
        --lastVisible;

    // Searches only ever move forward: each brace is looked at once.
    qsizetype open = -1, close = -1;
    auto next = [&](qsizetype from, QChar brace, qsizetype &cache) {
        if (cache < from) {
            const qsizetype at = flatText.indexOf(brace, from);
            cache = at < 0 ? n : at;
        }
        return cache;
    };

    qsizetype pos = 0;
    while (pos <= lastVisible) {
        if (next(pos, QLatin1Char('{'), open) == n || next(pos, QLatin1Char('}'), close) == n) {
            analysis.ParseError = true;
            break;
        }
        const QStringView selector = trimmedView(QStringView(w + pos, open - pos));
        const SelectorKind kind = selectorKind(selector);
        const auto outcome = m_sets[int(kind)].record(selector);
        const bool repeat = outcome == SelectorSet::Outcome::Repeat;
        if (repeat)
            analysis.RepeatedSelectors << selector.toString();
        occurrences.append({selector, kind, repeat});
        pos = close + 1;
    }

    analysis.ElementSelectors = m_sets[int(SelectorKind::Element)].finish();
    analysis.ClassSelectors = m_sets[int(SelectorKind::Class)].finish();
    analysis.IdSelectors = m_sets[int(SelectorKind::Id)].finish();
    return occurrences;
}

namespace {

QString withoutSpaces(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            out += c;
    }
    return out;
}

} // namespace

QString ExtractRule(const QStringList &lines, const QString &selector)
{
    const QString compact = withoutSpaces(trimmedView(JoinAndStripComments(lines).text));
    const QString key = withoutSpaces(selector) + QLatin1Char('{');
    // A key that does not occur deletes nothing: the text is taken from its start.
    const qsizetype from = qMax<qsizetype>(0, compact.indexOf(key));
    const qsizetype close = compact.indexOf(QLatin1Char('}'), from);
    return close < 0 ? compact.mid(from) : compact.mid(from, close - from + 1);
}

QStringList declarationsOf(const QString &ruleText, const QString &selector)
{
    QString rest = ruleText;
    rest.remove(QLatin1Char('}'));
    rest.remove(withoutSpaces(selector) + QLatin1Char('{'), Qt::CaseInsensitive);
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= rest.size(); ++i) {
        if (i < rest.size() && rest[i] != QLatin1Char(';') && rest[i].unicode() >= 0x20)
            continue;
        if (i > start)
            pieces << rest.mid(start, i - start);
        start = i + 1;
    }
    return pieces;
}
