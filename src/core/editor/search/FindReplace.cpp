#include "FindReplace.h"

#include <cmath>

namespace FindReplace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

namespace {

bool wholeWordAt(const QString &line, qsizetype start, qsizetype end)
{
    return (start == 0 || !isWordChar(line[start - 1])) && (end >= line.size() || !isWordChar(line[end]));
}

// Whether a place lies inside a character written as a surrogate pair.
bool splitsCharacter(const QString &line, qsizetype at)
{
    return at > 0 && at < line.size() && line[at].isLowSurrogate() && line[at - 1].isHighSurrogate();
}

} // namespace

QList<Match> matches(const QStringList &lines, const QString &text, const Options &options, Position from, Position to)
{
    QList<Match> found;
    if (text.isEmpty())
        return found;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int first = qMax(0, from.line);
    const int last = qMin(int(lines.size()) - 1, to.line);
    for (int step = 0; step <= last - first; ++step) {
        const int l = options.backwards ? last - step : first + step;
        const QString &line = lines[l];
        QList<Match> inLine;
        for (qsizetype at = line.indexOf(text, 0, cs); at >= 0; at = line.indexOf(text, at + text.size(), cs)) {
            // Half a character is no occurrence: the search goes on from the next place.
            while (at >= 0 && (splitsCharacter(line, at) || splitsCharacter(line, at + text.size())))
                at = line.indexOf(text, at + 1, cs);
            if (at < 0)
                break;
            const Match m{l, int(at), int(at + text.size())};
            // Occurrences that reach outside the scope are skipped.
            if (Position{l, m.start} < from || to < Position{l, m.end})
                continue;
            if (options.wholeWord && !wholeWordAt(line, at, at + text.size()))
                continue;
            inLine << m;
        }
        if (options.backwards)
            std::reverse(inLine.begin(), inLine.end());
        found << inLine;
    }
    return found;
}

void remember(QStringList &history, const QString &text)
{
    if (text.isEmpty())
        return;
    for (qsizetype i = 0; i < history.size(); ++i) {
        if (history[i].compare(text, Qt::CaseInsensitive) == 0) {
            history.removeAt(i);
            break;
        }
    }
    history.prepend(text);
    while (history.size() > 10)
        history.removeLast();
}

QPoint placeNearMatch(const QRect &area, const QSize &dialog, int x, int lineTop, int lineBottom)
{
    const int width = area.width();
    const int height = area.height();
    int left;
    if (width <= dialog.width()) {
        left = area.left() - (dialog.width() - width) / 2;
    } else {
        left = x;
        if (left + dialog.width() > area.right())
            left = area.right() - dialog.width();
    }
    const int lowerThird = area.top() + int(std::lround(height * 2.0 / 3.0));
    const int top = lineBottom > lowerThird ? lineTop - dialog.height() - 4 : lineBottom + 4;
    return {left, top};
}

} // namespace FindReplace
