#include "FlatText.h"

#include <algorithm>

namespace {

void appendTrimmedLine(QString &out, QStringView line, std::vector<FlatText::Line> &lines)
{
    const QStringView kept = trimmedView(line);
    lines.push_back({out.size(), kept.isEmpty() ? 0 : kept.data() - line.data()});
    out += QLatin1Char(' ');
    out += kept;
}

// Removes comments as the repeated search from the start would, in one pass: the
// kept text never holds a whole "/*" or "*/", so after a removal the next tokens
// can only start at the seam (the kept text's last character) or further on.
int stripComments(QString &text, std::vector<FlatText::Piece> &pieces)
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
    qsizetype pos = 0; // start of the input not yet kept
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
        if (kept < 0) {
            kept = openAt; // the text before the first comment stays where it is
        } else if (seamOpen) {
            --kept;
        } else if (openAt > pos) {
            pieces.push_back({kept, pos - kept});
            std::copy(buffer + pos, buffer + openAt, buffer + kept);
            kept += openAt - pos;
        }
        pos = closeAt + 2;
    }
    if (kept < 0)
        return 0;
    if (pos < n)
        pieces.push_back({kept, pos - kept});
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
    result.lines.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        appendTrimmedLine(result.text, line, result.lines);
    result.commentCount = stripComments(result.text, result.pieces);
    return result;
}

namespace {

// Joins the lines of in[0, n), each trimmed and preceded by one blank, into out and
// returns the length written. `out` may be in - 1: every line end becomes one blank,
// so what is written never overtakes what is still to be read.
qsizetype joinLines(const char16_t *in, qsizetype n, char16_t *out, std::vector<FlatText::Line> &lines)
{
    qsizetype written = 0;
    auto appendLine = [&](qsizetype from, qsizetype to) {
        const qsizetype lineStart = from;
        while (from < to && in[from] <= 0x20)
            ++from;
        lines.push_back({written, from < to ? from - lineStart : 0});
        while (to > from && in[to - 1] <= 0x20)
            --to;
        out[written++] = u' ';
        std::copy(in + from, in + to, out + written); // forward: the target never lies after the source
        written += to - from;
    };
    const QStringView text(in, n);
    qsizetype start = 0;
    if (!text.contains(u'\r') && !text.contains(QChar(0))) {
        // The editor's own text: lines end with LF alone, found by a fast search.
        for (qsizetype i; (i = text.indexOf(u'\n', start)) >= 0; start = i + 1)
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
    return written;
}

} // namespace

FlatText joinAndStripComments(QStringView sheetText, bool hasLines)
{
    FlatText result;
    if (!hasLines)
        return result;
    // The joined text is at most one character longer than the sheet.
    result.text.resize(sheetText.size() + 1);
    result.text.truncate(joinLines(reinterpret_cast<const char16_t *>(sheetText.utf16()), sheetText.size(),
                                   reinterpret_cast<char16_t *>(result.text.data()), result.lines));
    result.commentCount = stripComments(result.text, result.pieces);
    return result;
}

FlatText joinAndStripComments(QString &&sheetText, bool hasLines)
{
    FlatText result;
    if (!hasLines)
        return result;
    // In the sheet's own buffer, moved on by one character for the first blank.
    const qsizetype n = sheetText.size();
    result.text = std::move(sheetText);
    result.text.resize(n + 1);
    char16_t *data = reinterpret_cast<char16_t *>(result.text.data());
    std::copy_backward(data, data + n, data + n + 1);
    result.text.truncate(joinLines(data + 1, n, data, result.lines));
    result.commentCount = stripComments(result.text, result.pieces);
    return result;
}

FlatText joinAndStripFileText(QString &&fileText)
{
    const bool hasLines = !fileText.isEmpty();
    if (fileText.endsWith(u'\n')) {
        fileText.chop(1);
        if (fileText.endsWith(u'\r'))
            fileText.chop(1);
    } else if (fileText.endsWith(u'\r') || fileText.endsWith(QChar(0))) {
        fileText.chop(1);
    }
    return joinAndStripComments(std::move(fileText), hasLines);
}

std::pair<qsizetype, qsizetype> FlatText::sheetPosition(qsizetype offset) const
{
    // Back to the joined text: the last piece starting at or before the offset moved it.
    qsizetype joined = offset;
    const auto piece = std::upper_bound(pieces.begin(), pieces.end(), offset,
                                        [](qsizetype o, const Piece &p) { return o < p.start; });
    if (piece != pieces.begin())
        joined += std::prev(piece)->shift;
    const auto line = std::upper_bound(lines.begin(), lines.end(), joined,
                                       [](qsizetype o, const Line &l) { return o < l.joinedStart; });
    if (line == lines.begin())
        return {0, 0};
    const Line &l = *std::prev(line);
    return {std::prev(line) - lines.begin(), qMax<qsizetype>(0, joined - l.joinedStart - 1 + l.trimmed)};
}
