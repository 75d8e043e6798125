#pragma once

#include <QString>

// The first "{" and the first "}" at or after a position of a text that is walked
// forward, rule by rule: each brace is looked at once. A position past the end of
// the text means there is none.
class BraceFinder
{
public:
    explicit BraceFinder(const QString &text) : m_text(text) { }
    qsizetype open(qsizetype from) { return next(from, QLatin1Char('{'), m_open); }
    qsizetype close(qsizetype from) { return next(from, QLatin1Char('}'), m_close); }
    qsizetype none() const { return m_text.size(); }

private:
    qsizetype next(qsizetype from, QChar brace, qsizetype &cache)
    {
        if (cache < from) {
            const qsizetype at = m_text.indexOf(brace, from);
            cache = at < 0 ? m_text.size() : at;
        }
        return cache;
    }

    const QString &m_text;
    qsizetype m_open = -1;
    qsizetype m_close = -1;
};
