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
    const qsizetype n = text.size();
    if (n < 2)
        return 0;
    QChar *buffer = text.data(); // compacted in place: the kept text never outruns the input
    const QStringView all(text);
    // Where the next "/*" and "*/" start in the input; n when none. The searches only
    // move forward, and search for the first character alone, which is much faster.
    qsizetype nextOpen = -1, nextClose = -1;
    auto findFrom = [&](qsizetype from, char16_t first, char16_t second, qsizetype &cache) {
        while (cache < from) {
            const qsizetype at = all.indexOf(QChar(first), from);
            if (at < 0)
                cache = n;
            else if (at + 1 < n && buffer[at + 1].unicode() == second)
                cache = at;
            else
                from = at + 1;
        }
        return cache;
    };

    int count = 0;
    qsizetype kept = -1; // length of the kept text; -1 until the first removal
    qsizetype pos = 0;   // start of the input not yet kept
    for (;;) {
        const QChar last = kept > 0 ? buffer[kept - 1] : QChar();
        const bool seamOpen = last == QLatin1Char('/') && pos < n && buffer[pos] == QLatin1Char('*');
        const bool seamClose = last == QLatin1Char('*') && pos < n && buffer[pos] == QLatin1Char('/');
        if (seamClose)
            break; // a "*/" before every "/*"
        // -1 stands for a "/*" across the seam.
        const qsizetype openAt = seamOpen ? -1 : findFrom(pos, u'/', u'*', nextOpen);
        if (openAt == n)
            break;
        const qsizetype closeAt = findFrom(pos, u'*', u'/', nextClose);
        if (closeAt == n || closeAt < openAt)
            break;
        ++count;
        if (kept < 0)
            kept = openAt; // the text before the first comment stays where it is
        else if (seamOpen)
            --kept;
        else {
            std::copy(buffer + pos, buffer + openAt, buffer + kept);
            kept += openAt - pos;
        }
        pos = closeAt + 2;
    }
    if (kept < 0)
        return 0;
    std::copy(buffer + pos, buffer + n, buffer + kept);
    text.truncate(kept + (n - pos));
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

FlatText joinAndStripComments(const QStringList &lines)
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

FlatText joinAndStripComments(QStringView sheetText, bool hasLines)
{
    FlatText result;
    if (!hasLines)
        return result;
    // Every line end becomes one blank and the first line gets one in front, so the
    // joined text is at most one character longer than the sheet.
    const char16_t *in = reinterpret_cast<const char16_t *>(sheetText.utf16());
    const qsizetype n = sheetText.size();
    result.text.resize(n + 1);
    char16_t *out = reinterpret_cast<char16_t *>(result.text.data());
    qsizetype written = 0;
    auto appendLine = [&](qsizetype from, qsizetype to) {
        while (from < to && in[from] <= 0x20)
            ++from;
        while (to > from && in[to - 1] <= 0x20)
            --to;
        out[written++] = u' ';
        std::copy(in + from, in + to, out + written);
        written += to - from;
    };
    qsizetype start = 0;
    if (!sheetText.contains(u'\r') && !sheetText.contains(QChar(0))) {
        // The editor's own text: lines end with LF alone, found by a fast search.
        for (qsizetype i; (i = sheetText.indexOf(u'\n', start)) >= 0; start = i + 1)
            appendLine(start, i);
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = in[i];
            if (c > u'\r' || (c != u'\n' && c != u'\r' && c != 0))
                continue;
            appendLine(start, i);
            if (c == u'\r' && i + 1 < n && in[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    // The last line, also the empty one after a final line end.
    appendLine(start, n);
    result.text.truncate(written);
    result.commentCount = stripComments(result.text);
    return result;
}

QList<Occurrence> StyleSheetParser::parseSheet(const QString &flatText, SheetAnalysis &analysis)
{
    analysis.parseError = false;

    QList<Occurrence> occurrences;
    occurrences.reserve(m_previous.size() + 16);
    const QChar *w = flatText.constData();
    const qsizetype n = flatText.size();
    qsizetype lastVisible = n - 1;
    while (lastVisible >= 0 && isTrimmed(w[lastVisible]))
        --lastVisible;

    BraceFinder braces(flatText);
    qsizetype pos = 0;
    while (pos <= lastVisible) {
        const qsizetype open = braces.open(pos);
        const qsizetype close = braces.close(pos);
        if (open == n || close == n) {
            analysis.parseError = true;
            break;
        }
        const QStringView selector = trimmedView(QStringView(w + pos, open - pos));
        occurrences.append({selector, selectorKind(selector), false});
        pos = close + 1;
    }

    // Most edits change declarations only: the same selectors in the same order give
    // the same lists and repeats as last time. Otherwise the unchanged beginning is
    // replayed and only the rest is looked up.
    const qsizetype common = qMin(occurrences.size(), m_previous.size());
    qsizetype prefix = 0;
    while (prefix < common && occurrences[prefix].selector == m_previous[prefix].selector)
        ++prefix;
    if (prefix == occurrences.size() && prefix == m_previous.size()) {
        for (qsizetype i = 0; i < prefix; ++i)
            occurrences[i].repeat = m_previous[i].repeat;
    } else {
        for (SelectorSet &set : m_sets)
            set.begin();
        std::vector<Recorded> recorded(size_t(occurrences.size()));
        qsizetype repeatsInPrefix = 0;
        for (qsizetype i = 0; i < prefix; ++i) {
            recorded[size_t(i)] = m_recorded[size_t(i)];
            m_sets[int(occurrences[i].kind)].replay(recorded[size_t(i)].entry, recorded[size_t(i)].outcome);
            occurrences[i].repeat = m_previous[i].repeat;
            repeatsInPrefix += occurrences[i].repeat;
        }
        m_repeated.resize(repeatsInPrefix); // the same repeats, in the same order
        for (qsizetype i = prefix; i < occurrences.size(); ++i) {
            Occurrence &o = occurrences[i];
            Recorded &r = recorded[size_t(i)];
            r.outcome = m_sets[int(o.kind)].record(o.selector, r.entry);
            o.repeat = r.outcome == SelectorSet::Outcome::Repeat;
            if (o.repeat)
                m_repeated << o.selector.toString();
        }
        for (SelectorSet &set : m_sets)
            set.finish();
        m_recorded = std::move(recorded);
    }
    m_previousText = flatText; // keeps the viewed text alive
    m_previous = occurrences;

    analysis.repeatedSelectors = m_repeated;
    analysis.elementSelectors = m_sets[int(SelectorKind::Element)].sorted();
    analysis.classSelectors = m_sets[int(SelectorKind::Class)].sorted();
    analysis.idSelectors = m_sets[int(SelectorKind::Id)].sorted();
    return occurrences;
}

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
