#include "CssLexer.h"

#include <Qsci/qsciscintilla.h>

namespace {

// The control's style of each attribute: its number.
int styleOf(TokenKind kind)
{
    return int(HighlighterAttributes::attributeOf(kind));
}

int utf8Length(QStringView text)
{
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else
            bytes += 3;
    }
    return bytes;
}

} // namespace

CssLexer::CssLexer(HighlighterAttributes &attributes, const QFont &font, QObject *parent)
    : QsciLexerCustom(parent), m_attributes(attributes), m_font(font)
{
    connect(&m_attributes, &HighlighterAttributes::changed, this, &CssLexer::refresh);
    refresh();
}

const char *CssLexer::language() const
{
    return "Cascading style sheets";
}

QString CssLexer::description(int style) const
{
    return style >= 0 && style < HighlighterAttributes::kAttributeCount
        ? m_attributes.style(HighlighterAttributes::Attribute(style)).name
        : QString();
}

const char *CssLexer::wordCharacters() const
{
    // Letters, digits and "_", and the Latin-1 letters; "-" is no word character.
    return "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
}

void CssLexer::setBaseFont(const QFont &font)
{
    m_font = font;
    refresh();
}

void CssLexer::refresh()
{
    setDefaultFont(m_font);
    setFont(m_font, QsciScintillaBase::STYLE_DEFAULT);
    for (int a = 0; a < HighlighterAttributes::kAttributeCount; ++a) {
        const HighlighterAttributes::Style &s = m_attributes.style(HighlighterAttributes::Attribute(a));
        QFont f = m_font;
        f.setBold(s.bold);
        f.setItalic(s.italic);
        f.setUnderline(s.underline);
        f.setStrikeOut(s.strikeOut);
        setFont(f, a);
        setColor(s.foreground.isValid() ? s.foreground : QColor(Qt::black), a);
        setPaper(s.background.isValid() ? s.background : QColor(Qt::white), a);
    }
}

void CssLexer::styleText(int start, int end)
{
    QsciScintilla *e = editor();
    if (!e)
        return;
    const long firstLine = e->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    const long lastLine = e->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, qMax(start, end - 1));
    const long from = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, firstLine);
    const long length = e->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const auto *text = reinterpret_cast<const char *>(e->SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));

    RangeState state = firstLine > 0 ? RangeState(e->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, firstLine - 1))
                                     : RangeState::Normal;
    const long to = lastLine + 1 < e->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT)
        ? e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, lastLine + 1)
        : length;
    m_styles.resize(to - from);
    char *styles = m_styles.data();
    QString line;
    for (long l = firstLine; l <= lastLine; ++l) {
        const long lineStart = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, l);
        const long lineEnd = e->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, l);
        const long next = l < lastLine ? e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, l + 1) : to;
        line = QString::fromUtf8(text + lineStart, lineEnd - lineStart);
        const bool ascii = line.size() == lineEnd - lineStart;
        m_scanner.setRangeState(state);
        long at = lineStart - from;
        for (m_scanner.loadLine(line); !m_scanner.atLineEnd(); m_scanner.nextToken()) {
            const int bytes = ascii ? int(m_scanner.tokenLength()) : utf8Length(m_scanner.tokenText());
            std::fill(styles + at, styles + at + bytes, char(styleOf(m_scanner.tokenKind())));
            at += bytes;
        }
        // The line break, and whatever the scanner left: plain space.
        std::fill(styles + at, styles + (next - from), char(HighlighterAttributes::Attribute::Space));
        state = m_scanner.rangeState();
        e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, l, long(state));
    }
    startStyling(from);
    e->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, to - from, styles);
}
