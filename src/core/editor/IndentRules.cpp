#include "IndentRules.h"

namespace IndentRules {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Word starts: a non-blank character at column 0 or after a blank.
bool isWordStart(const QString &line, int i)
{
    return !isBlank(line[i]) && (i == 0 || isBlank(line[i - 1]));
}

} // namespace

bool isBlankLine(const QString &line)
{
    for (QChar c : line) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

int smartTabColumn(const QString &reference, int column)
{
    for (int i = column + 1; i < reference.size(); ++i) {
        if (isWordStart(reference, i))
            return i;
    }
    return (column / kTabWidth + 1) * kTabWidth;
}

int unindentColumn(const QString &reference, int column)
{
    if (column <= 0)
        return 0;
    for (int i = qMin<int>(column, reference.size()) - 1; i >= 0; --i) {
        if (isWordStart(reference, i))
            return i;
    }
    return (column - 1) / kTabWidth * kTabWidth;
}

bool inLeadingWhiteSpace(const QString &line, int column)
{
    const int end = qMin<int>(column, line.size());
    for (int i = 0; i < end; ++i) {
        if (!isBlank(line[i]))
            return false;
    }
    return true;
}

QString withoutTrailingBlanks(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && isBlank(line[end - 1]))
        --end;
    return line.left(end);
}

} // namespace IndentRules
