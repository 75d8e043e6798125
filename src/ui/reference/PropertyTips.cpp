#include "PropertyTips.h"

#include "editor/SheetEditor.h"
#include "editor/highlighter/HighlighterAttributes.h"
#include "i18n/UiTexts.h"

#include <QToolTip>

namespace {

using Base = QsciScintillaBase;

// How far back from the caret its declaration is looked for.
constexpr long kReach = 4096;

bool isNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

} // namespace

PropertyTips::PropertyTips(SheetEditor &editor, PropertyGrammar grammar, const UiTexts &texts, QObject *parent)
    : QObject(parent), m_editor(editor), m_grammar(std::move(grammar)), m_texts(texts)
{
    m_editor.SendScintilla(Base::SCI_SETMOUSEDWELLTIME, 600);
    connect(&m_editor, &SheetEditor::caretMoved, this, &PropertyTips::followCaret);
    connect(&m_editor, &Base::SCN_DWELLSTART, this, [this](int position, int x, int y) { onDwell(position, x, y); });
    connect(&m_editor, &Base::SCN_DWELLEND, this, [this](int, int, int) {
        if (!m_note.isEmpty()) {
            m_note.clear();
            QToolTip::hideText();
        }
        followCaret();
    });
}

void PropertyTips::onDwell(long position, int x, int y)
{
    if (position < 0)
        return;
    if (const QString unknown = m_editor.unknownNameAt(position); !unknown.isEmpty()) {
        m_note = m_texts.text(UiText::UnknownProperty).arg(unknown);
        const QStringList nearest = m_grammar.nearest(unknown, m_moreNames);
        if (!nearest.isEmpty())
            m_note += QLatin1Char('\n') + m_texts.text(UiText::DidYouMean).arg(nearest.join(QStringLiteral(", ")));
        QToolTip::showText(m_editor.viewport()->mapToGlobal(QPoint(x, y)), m_note, m_editor.viewport());
        return;
    }
    if (!m_editor.propertyTipsEnabled())
        return;
    // The name under the mouse, when a colon follows it.
    long start = position, end = position;
    while (start > 0 && isNameByte(char(m_editor.SendScintilla(Base::SCI_GETCHARAT, start - 1))))
        --start;
    const long length = m_editor.SendScintilla(Base::SCI_GETLENGTH);
    while (end < length && isNameByte(char(m_editor.SendScintilla(Base::SCI_GETCHARAT, end))))
        ++end;
    long after = end;
    while (after < length && m_editor.SendScintilla(Base::SCI_GETCHARAT, after) == ' ')
        ++after;
    if (end > start && after < length && m_editor.SendScintilla(Base::SCI_GETCHARAT, after) == ':') {
        const QByteArray bytes(
            reinterpret_cast<const char *>(m_editor.SendScintilla(Base::SCI_GETRANGEPOINTER, start, end - start)),
            end - start);
        showFor(start, QString::fromUtf8(bytes));
    }
}

QString PropertyTips::tipFor(const QString &name) const
{
    const PropertyGrammar::Property *p = m_grammar.find(name);
    if (!p)
        return {};
    return p->name + QStringLiteral(": ") + p->syntax + QLatin1Char('\n') + m_texts.text(UiText::InitialValue)
        + QStringLiteral(": ") + p->initial;
}

void PropertyTips::showFor(long nameStart, const QString &name)
{
    const QString tip = tipFor(name);
    if (tip.isEmpty()) {
        hide();
        return;
    }
    if (tip == m_shown && nameStart == m_shownAt && m_editor.SendScintilla(Base::SCI_CALLTIPACTIVE))
        return;
    m_shown = tip;
    m_shownAt = nameStart;
    m_editor.SendScintilla(Base::SCI_CALLTIPSHOW, nameStart, tip.toUtf8().constData());
}

void PropertyTips::hide()
{
    if (m_shown.isEmpty())
        return;
    m_shown.clear();
    m_shownAt = -1;
    m_editor.SendScintilla(Base::SCI_CALLTIPCANCEL);
}

void PropertyTips::followCaret()
{
    if (!m_editor.propertyTipsEnabled()) {
        hide();
        return;
    }
    showAtCaret();
}

void PropertyTips::showAtCaret()
{
    if (m_editor.hasSelectedText()) {
        hide();
        return;
    }
    const long caret = m_editor.SendScintilla(Base::SCI_GETCURRENTPOS);
    const long lineStart
        = m_editor.SendScintilla(Base::SCI_POSITIONFROMLINE, m_editor.SendScintilla(Base::SCI_LINEFROMPOSITION, caret));
    // Not in a comment or a string, as the highlighter has coloured them.
    if (m_editor.lexer() && caret > lineStart) {
        const long style = m_editor.SendScintilla(Base::SCI_GETSTYLEAT, caret - 1);
        if (style == long(HighlighterAttributes::Attribute::Comment)
            || style == long(HighlighterAttributes::Attribute::String)) {
            hide();
            return;
        }
    }
    // The declaration starts after the last "{", ";" or "}" of the caret's line.
    const long from = std::max(lineStart, caret - kReach);
    const auto *text
        = reinterpret_cast<const char *>(m_editor.SendScintilla(Base::SCI_GETRANGEPOINTER, from, caret - from));
    long start = caret - from;
    while (start > 0 && text[start - 1] != '{' && text[start - 1] != ';' && text[start - 1] != '}')
        --start;
    long nameStart = start;
    while (nameStart < caret - from && (text[nameStart] == ' ' || text[nameStart] == '\t'))
        ++nameStart;
    long nameEnd = nameStart;
    while (nameEnd < caret - from && isNameByte(text[nameEnd]))
        ++nameEnd;
    long colon = nameEnd;
    while (colon < caret - from && (text[colon] == ' ' || text[colon] == '\t'))
        ++colon;
    const bool inValue = colon < caret - from && text[colon] == ':';
    const bool inName = nameEnd == caret - from && nameEnd > nameStart;
    if (nameEnd == nameStart || (!inValue && !inName)) {
        hide();
        return;
    }
    showFor(from + nameStart, QString::fromUtf8(text + nameStart, int(nameEnd - nameStart)));
}
