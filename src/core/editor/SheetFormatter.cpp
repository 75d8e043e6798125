#include "SheetFormatter.h"

#include "analysis/FlatText.h"
#include "analysis/StyleSheetParser.h"
#include "css/CssTokenizer.h"

#include <QVarLengthArray>

#include <algorithm>
#include <utility>
#include <vector>

namespace SheetFormatter {
namespace {

// The white space of CSS; other control characters are text and stay.
bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_'
        || u >= 0x80;
}

// The parts of the sheet the analysis reads as selectors, from their first to their
// last visible character. The analysis knows neither strings nor at-rules, so these
// can differ from the rules' own selectors.
std::vector<std::pair<qsizetype, qsizetype>> selectorSpans(QStringView sheet)
{
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    if (sheet.isEmpty())
        return spans;
    const FlatText flat = joinAndStripComments(sheet, true);
    SheetAnalysis analysis;
    StyleSheetParser parser;
    const QList<Occurrence> occurrences = parser.parseSheet(flat.text, analysis);
    // Where the lines start, split as the analysis splits them.
    std::vector<qsizetype> lineStarts{0};
    for (qsizetype i = 0; i < sheet.size(); ++i) {
        const char16_t c = sheet[i].unicode();
        if (c == u'\n' || c == u'\r' || c == 0) {
            if (c == u'\r' && i + 1 < sheet.size() && sheet[i + 1] == u'\n')
                ++i;
            lineStarts.push_back(i + 1);
        }
    }
    const auto sheetOffset = [&](qsizetype flatOffset) {
        const auto [line, column] = flat.sheetPosition(flatOffset);
        return lineStarts[size_t(line)] + column;
    };
    for (const Occurrence &o : occurrences) {
        if (o.selector.isEmpty())
            continue;
        const qsizetype start = o.selector.data() - flat.text.constData();
        spans.emplace_back(sheetOffset(start), sheetOffset(start + o.selector.size() - 1) + 1);
    }
    return spans;
}

// The walk over the sheet's blocks and items (a declaration or statement up to its
// ";", a rule up to its "{", a comment between them), proposing the white space
// between them.
class Layout
{
public:
    Layout(QStringView sheet, const QString &indent) : m_s(sheet), m_n(sheet.size()), m_indent(indent)
    {
        // The comments, strings, addresses and escaped names of the sheet, whose insides
        // are never laid out.
        Css::Tokenizer tokens(sheet);
        for (Css::Token t = tokens.next(); t.kind != Css::TokenKind::End; t = tokens.next()) {
            if (!Css::isOpaque(t.kind) && !sheet.sliced(t.start, t.end - t.start).contains(u'\\'))
                continue;
            // A backslash before a line end escapes nothing; without the line end it
            // would escape what follows: the two stay together.
            if (t.kind == Css::TokenKind::Delim && t.end < m_n)
                t.end += sheet.sliced(t.end).startsWith(u"\r\n") ? 2 : 1;
            // A hex escape takes the blank after it ("\\a {"), which the layout may
            // change as long as one stays: it is no part of the atom.
            else if (!Css::isOpaque(t.kind) && isSpace(sheet[t.end - 1])) {
                const qsizetype blank = t.end - (sheet.sliced(0, t.end).endsWith(u"\r\n") ? 2 : 1);
                if (sheet[blank - 1] != u'\\') // "\\ " is an escaped blank, part of the name
                    t.end = blank;
            }
            m_atoms.push_back(t);
        }
    }

    QList<Edit> run()
    {
        block(0);
        return m_edits;
    }

private:
    QChar at(qsizetype i) const { return i < m_n ? m_s[i] : QChar(); }

    qsizetype spaceEnd(qsizetype i) const
    {
        while (i < m_n && isSpace(m_s[i]))
            ++i;
        return i;
    }

    // After the last character before `end` that is no white space, but not before `start`.
    qsizetype visibleEnd(qsizetype start, qsizetype end) const
    {
        while (end > start && isSpace(m_s[end - 1]))
            --end;
        return end;
    }

    int lineEnds(qsizetype from, qsizetype to) const
    {
        int count = 0;
        for (qsizetype i = from; i < to; ++i)
            count += m_s[i] == u'\n' || (m_s[i] == u'\r' && at(i + 1) != u'\n');
        return count;
    }

    QString lineBreak(int depth, bool blankLine) const
    {
        return QString(blankLine ? 2 : 1, u'\n') + m_indent.repeated(depth);
    }

    // Whether `at` lies strictly inside an atom, where nothing is laid out.
    bool insideAtom(qsizetype at) const
    {
        const auto after = std::upper_bound(m_atoms.cbegin(), m_atoms.cend(), at,
                                            [](qsizetype p, const Css::Token &t) { return p < t.start; });
        return after != m_atoms.cbegin() && at > (after - 1)->start && at < (after - 1)->end;
    }

    void propose(qsizetype start, qsizetype end, const QString &text)
    {
        // Where the walk strays into a comment (the analysis's comments are not always
        // CSS's), nothing inside it changes.
        if (insideAtom(start) || insideAtom(end))
            return;
        // The line end that closes an unclosed string stays, or the string would
        // run on into what follows.
        if (!text.startsWith(u'\n') && std::binary_search(m_openStringEnds.cbegin(), m_openStringEnds.cend(), start))
            return;
        // Nor may white space come between or go from "/" and "*": the analysis finds
        // comments its own way, also where this walk sees none.
        const QChar before = start > 0 ? m_s[start - 1] : QChar();
        const QChar after = at(end);
        const bool commentMark = (before == u'/' && after == u'*') || (before == u'*' && after == u'/');
        if (commentMark && (start == end) != text.isEmpty())
            return;
        if (m_s.sliced(start, end - start) != text)
            m_edits.append({start, end, text});
    }

    // The atom (comment, string, address, escaped name) that starts at `i`, if one does.
    // The walk goes forward, and so does the search.
    const Css::Token *atomAt(qsizetype i)
    {
        if (m_atom > 0 && m_atoms[m_atom - 1].start >= i)
            m_atom = size_t(std::lower_bound(m_atoms.cbegin(), m_atoms.cend(), i,
                                             [](const Css::Token &t, qsizetype p) { return t.start < p; })
                            - m_atoms.cbegin());
        while (m_atom < m_atoms.size() && m_atoms[m_atom].start < i)
            ++m_atom;
        return m_atom < m_atoms.size() && m_atoms[m_atom].start == i ? &m_atoms[m_atom] : nullptr;
    }

    bool commentAt(qsizetype i)
    {
        const Css::Token *atom = atomAt(i);
        return atom && atom->kind == Css::TokenKind::Comment;
    }

    // The end of the atom that starts at `i`; `i` when none starts there.
    qsizetype atomEnd(qsizetype i)
    {
        const Css::Token *atom = atomAt(i);
        if (!atom)
            return i;
        if (atom->kind != Css::TokenKind::BadString)
            return atom->end;
        // A string left open ends with its line.
        const qsizetype lineEnd = atom->end;
        if (m_openStringEnds.empty() || m_openStringEnds.back() < lineEnd)
            m_openStringEnds.push_back(lineEnd);
        // The analysis knows no unclosed string: a "/*" in it opens a comment that may
        // run on past the line.
        const qsizetype open = m_s.sliced(i + 1, lineEnd - i - 1).indexOf(u"/*");
        if (open < 0)
            return lineEnd;
        const qsizetype close = m_s.indexOf(u"*/", i + 3 + open);
        return qMax(lineEnd, close < 0 ? m_n : close + 2);
    }

    // The items of a block from m_pos, up to and including its "}" (none at the top).
    void block(int depth)
    {
        bool first = true;
        for (;;) {
            const qsizetype gapStart = m_pos;
            const qsizetype next = spaceEnd(m_pos);
            if (next == m_n) {
                propose(gapStart, next,
                        lineEnds(gapStart, next) > 0 && !(first && depth == 0) ? QStringLiteral("\n") : QString());
                m_pos = m_n;
                return;
            }
            if (m_s[next] == u'}') {
                // An empty block closes on its line; a "}" without its "{" gets a line of its own.
                propose(gapStart, next, first ? QString() : lineBreak(qMax(depth - 1, 0), false));
                m_pos = next + 1;
                if (depth > 0)
                    return;
                first = false;
                continue;
            }
            const bool comment = commentAt(next);
            QString gap;
            if (first && depth == 0)
                gap = QString(); // the sheet starts with its first item
            else if (comment && lineEnds(gapStart, next) == 0)
                gap = QStringLiteral(" "); // a comment at the end of a line stays there
            else
                gap = lineBreak(depth, !first && lineEnds(gapStart, next) > 1); // one blank line stays
            propose(gapStart, next, gap);
            first = false;
            if (comment)
                m_pos = atomEnd(next);
            else
                item(next, depth);
        }
    }

    void item(qsizetype start, int depth)
    {
        qsizetype k = start;
        qsizetype atomsEnd = start; // white space inside them ("\\" and a line end) is theirs
        // Brackets open in the item: their braces and semicolons are the value's, as are
        // those of a block in a custom property's value ("--x: {b}").
        QVarLengthArray<char16_t, 8> closers;
        const bool custom = m_s.sliced(start).startsWith(u"--");
        bool value = false;
        while (k < m_n) {
            if (const qsizetype after = atomEnd(k); after > k) {
                k = atomsEnd = after;
                continue;
            }
            const QChar c = m_s[k];
            if (c == u'(' || c == u'[' || (c == u'{' && (!closers.isEmpty() || (custom && value)))) {
                closers.append(c == u'(' ? u')' : c == u'[' ? u']' : u'}');
            } else if (!closers.isEmpty() && (c == u')' || c == u']' || c == u'}')) {
                if (closers.back() == c.unicode())
                    closers.removeLast();
            } else if (c == u'{' || c == u'}' || (c == u';' && closers.isEmpty())) {
                break;
            } else if (c == u':' && closers.isEmpty()) {
                value = true;
            }
            ++k;
        }
        const qsizetype end = visibleEnd(atomsEnd, k);
        if (k < m_n && m_s[k] == u'{') {
            if (end > start)
                propose(end, k, QStringLiteral(" "));
            m_pos = k + 1;
            block(depth + 1);
            return;
        }
        if (depth > 0)
            declaration(start, end);
        if (k < m_n && m_s[k] == u';') {
            propose(end, k, QString());
            m_pos = k + 1;
        } else {
            m_pos = end; // the block lays out the white space before its "}"
        }
    }

    // "name: value", unless a line break stands around the colon.
    void declaration(qsizetype start, qsizetype end)
    {
        qsizetype p = start;
        if (m_s[p] == u'*' || m_s[p] == u'_')
            ++p; // the hacks of old browsers
        const qsizetype nameStart = p;
        while (p < end && isNameChar(m_s[p]))
            ++p;
        const qsizetype colon = spaceEnd(p);
        if (p == nameStart || colon >= end || m_s[colon] != u':')
            return;
        if (lineEnds(p, colon) == 0)
            propose(p, colon, QString());
        const qsizetype value = spaceEnd(colon + 1);
        if (value < end && lineEnds(colon + 1, value) == 0)
            propose(colon + 1, value, QStringLiteral(" "));
    }

    QStringView m_s;
    qsizetype m_n;
    QString m_indent;
    qsizetype m_pos = 0;
    QList<Edit> m_edits;
    std::vector<Css::Token> m_atoms; // in order
    size_t m_atom = 0; // where the last search for an atom ended
    std::vector<qsizetype> m_openStringEnds; // in increasing order, as the walk finds them
};

} // namespace

namespace {

// What the analysis finds in a sheet, for telling whether formatting changed it.
QStringList analysisOf(QStringView sheet)
{
    const FlatText flat = joinAndStripComments(sheet, !sheet.isEmpty());
    SheetAnalysis a;
    StyleSheetParser().parseSheet(flat.text, a);
    return {a.elementSelectors.join(u'|'),  a.classSelectors.join(u'|'),        a.idSelectors.join(u'|'),
            a.repeatedSelectors.join(u'|'), QString::number(flat.commentCount), QString::number(a.parseError)};
}

} // namespace

QList<Edit> edits(QStringView sheet, const QString &indent)
{
    const QList<Edit> proposed = Layout(sheet, indent).run();
    // White space inside what the analysis reads as one selector stays as it is.
    const auto spans = selectorSpans(sheet);
    QList<Edit> kept;
    kept.reserve(proposed.size());
    size_t s = 0;
    for (const Edit &e : proposed) {
        while (s < spans.size() && spans[s].second <= e.start)
            ++s;
        if (s == spans.size() || spans[s].first >= e.start)
            kept.append(e);
    }
    // The analysis reads comments its own way ("/*/" closes one, a stray "*/" ends
    // the removal); where that differs from CSS enough for the layout to change what
    // it finds, the sheet is left as it is rather than have its analysis change.
    if (!kept.isEmpty() && analysisOf(applied(sheet, kept)) != analysisOf(sheet))
        return {};
    return kept;
}

QList<Edit> within(const QList<Edit> &edits, qsizetype from, qsizetype to)
{
    QList<Edit> kept;
    for (const Edit &e : edits) {
        // White space put in at either end belongs to what lies outside.
        const bool atAnEnd = e.start == e.end && (e.start == from || e.start == to);
        if (e.start >= from && e.end <= to && !atAnEnd)
            kept.append(e);
    }
    return kept;
}

QString applied(QStringView sheet, const QList<Edit> &edits)
{
    QString out;
    out.reserve(sheet.size() + sheet.size() / 4);
    qsizetype copied = 0;
    for (const Edit &e : edits) {
        out += sheet.sliced(copied, e.start - copied);
        out += e.text;
        copied = e.end;
    }
    out += sheet.sliced(copied);
    return out;
}

qsizetype positionAfter(const QList<Edit> &edits, qsizetype position)
{
    qsizetype shift = 0;
    for (const Edit &e : edits) {
        if (e.end <= position)
            shift += e.text.size() - (e.end - e.start);
        else if (e.start < position)
            return e.start + shift + e.text.size();
        else
            break;
    }
    return position + shift;
}

} // namespace SheetFormatter
