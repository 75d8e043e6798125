#include "DeclarationNames.h"

namespace DeclarationNames {
namespace {

bool isNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || uchar(c) >= 0x80;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

class Reader
{
public:
    explicit Reader(QByteArrayView text) : m_text(text) { }
    char at(qsizetype i) const { return i < m_text.size() ? m_text[i] : '\0'; }

    qsizetype commentEnd(qsizetype i) const
    {
        const qsizetype close = m_text.indexOf(QByteArrayView("*/"), i);
        return close < 0 ? m_text.size() : close + 2;
    }

    // The end of the comment, string or escape at `i`; `i` when none starts there.
    qsizetype skipped(qsizetype i) const
    {
        const char c = m_text[i];
        if (c == '/' && at(i + 1) == '*')
            return commentEnd(i + 2);
        if (c == '\\')
            return std::min(i + 2, m_text.size());
        if (c != '"' && c != '\'')
            return i;
        for (++i; i < m_text.size(); ++i) {
            if (m_text[i] == c)
                return i + 1;
            if (m_text[i] == '\n' || m_text[i] == '\r' || m_text[i] == '\f')
                return i;
            if (m_text[i] == '\\')
                ++i;
        }
        return m_text.size();
    }

    qsizetype nameEnd(qsizetype i) const
    {
        while (i < m_text.size() && isNameByte(m_text[i]))
            ++i;
        return i;
    }

    // The first "{", ";" or "}" from `i` outside comments and strings, or the end.
    qsizetype nextTerminator(qsizetype i) const
    {
        while (i < m_text.size()) {
            const char c = m_text[i];
            if (c == '{' || c == ';' || c == '}')
                return i;
            const qsizetype after = skipped(i);
            i = after > i ? after : i + 1;
        }
        return m_text.size();
    }

private:
    QByteArrayView m_text;
};

} // namespace

QList<Name> find(QByteArrayView text, qsizetype from, qsizetype to, bool inComment, qsizetype *restart)
{
    const Reader reader(text);
    QList<Name> names;
    to = std::min(to, text.size());
    qsizetype i = inComment ? reader.commentEnd(0) : 0;
    bool atStart = true; // of a declaration, as far as this text tells
    if (restart)
        *restart = 0;
    while (i < to) {
        const char c = text[i];
        if (const qsizetype after = reader.skipped(i); after > i) {
            atStart = atStart && c == '/'; // a comment keeps the place, a string is text
            i = after;
            continue;
        }
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (c == '{' || c == ';' || c == '}') {
            atStart = true;
            ++i;
            if (restart && i <= from)
                *restart = i;
            continue;
        }
        if (!atStart || !isNameByte(c)) {
            atStart = false;
            ++i;
            continue;
        }
        atStart = false;
        const qsizetype end = reader.nameEnd(i);
        qsizetype colon = end;
        while (colon < text.size() && isBlank(text[colon]))
            ++colon;
        if (reader.at(colon) == ':' && c != '-' && i >= from && reader.at(reader.nextTerminator(colon)) != '{')
            names.append({i, end - i});
        i = end;
    }
    return names;
}

KnownNames::KnownNames(const QStringList &names)
{
    for (const QString &name : names)
        m_lower.insert(name.trimmed().toLower().toUtf8());
}

bool KnownNames::contains(QByteArrayView name) const
{
    const QByteArray lower = name.toByteArray().toLower();
    return m_lower.contains(lower) || (lower.startsWith('_') && m_lower.contains(lower.mid(1)));
}

QList<Name> unknown(QByteArrayView text, qsizetype from, qsizetype to, bool inComment, const KnownNames &known,
                    qsizetype *restart)
{
    QList<Name> out;
    if (restart)
        *restart = 0;
    if (known.isEmpty())
        return out;
    for (const Name &n : find(text, from, to, inComment, restart)) {
        if (!known.contains(text.sliced(n.start, n.length)))
            out.append(n);
    }
    return out;
}

} // namespace DeclarationNames
