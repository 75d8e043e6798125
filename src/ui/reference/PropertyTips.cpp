#include "PropertyTips.h"

#include "editor/CompletionContext.h"
#include "editor/SheetEditor.h"
#include "i18n/UiTexts.h"

#include <QToolTip>

namespace {

using Base = QsciScintillaBase;

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
    // The completion list wins while it is open (a tip would close it); the tip follows
    // once it is gone.
    const auto afterList
        = [this] { QMetaObject::invokeMethod(this, &PropertyTips::followCaret, Qt::QueuedConnection); };
    connect(&m_editor, &Base::SCN_AUTOCCANCELLED, this, afterList);
    connect(&m_editor, qOverload<const char *, int>(&Base::SCN_USERLISTSELECTION), this, afterList);
    connect(&m_editor, &SheetEditor::keyReport, this, afterList); // Escape closes the list without a notice
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
    // The name under the mouse, when it starts a declaration: the context at its end
    // is a property's name, and a colon follows it.
    long start = position, end = position;
    while (start > 0 && isNameByte(char(m_editor.SendScintilla(Base::SCI_GETCHARAT, start - 1))))
        --start;
    const long length = m_editor.SendScintilla(Base::SCI_GETLENGTH);
    while (end < length && isNameByte(char(m_editor.SendScintilla(Base::SCI_GETCHARAT, end))))
        ++end;
    long after = end;
    while (after < length && m_editor.SendScintilla(Base::SCI_GETCHARAT, after) == ' ')
        ++after;
    if (end == start || after >= length || m_editor.SendScintilla(Base::SCI_GETCHARAT, after) != ':')
        return;
    const Css::Place place = m_editor.readingPlace(start);
    const QString text = bytesBetween(place.offset, end);
    const CompletionContext context = CompletionContext::at(text, text.size(), place.blocks);
    const qsizetype nameLength = bytesBetween(start, end).size();
    if (context.kind == CompletionContext::Kind::Property && context.wordStart == text.size() - nameLength)
        showFor(start, text.right(nameLength), context.atRule);
}

QString PropertyTips::bytesBetween(long from, long to) const
{
    return QString::fromUtf8(
        reinterpret_cast<const char *>(m_editor.SendScintilla(Base::SCI_GETRANGEPOINTER, from, to - from)), to - from);
}

QString PropertyTips::tipFor(const QString &name, const QString &atRule) const
{
    const PropertyGrammar::Property *p = atRule.isEmpty() ? nullptr : m_grammar.findDescriptor(atRule, name);
    if (!p && (atRule.isEmpty() || atRule == QLatin1String("page")))
        p = m_grammar.find(name);
    if (!p)
        return {};
    return p->name + QStringLiteral(": ") + p->syntax + QLatin1Char('\n') + m_texts.text(UiText::InitialValue)
        + QStringLiteral(": ") + p->initial;
}

void PropertyTips::showFor(long nameStart, const QString &name, const QString &atRule)
{
    const QString tip = tipFor(name, atRule);
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
    if (!m_editor.propertyTipsEnabled() || m_editor.SendScintilla(Base::SCI_AUTOCACTIVE)) {
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
    // The caret's declaration, as completion sees it: its name while the caret is in
    // it (the rest of the name after the caret too), its property while in its value.
    const long caret = m_editor.SendScintilla(Base::SCI_GETCURRENTPOS);
    const Css::Place place = m_editor.readingPlace(caret);
    const QString text = bytesBetween(place.offset, caret);
    const CompletionContext context = CompletionContext::at(text, text.size(), place.blocks);
    QString name;
    long nameStart = -1;
    if (context.kind == CompletionContext::Kind::Property && context.wordStart < text.size()) {
        long end = caret;
        const long length = m_editor.SendScintilla(Base::SCI_GETLENGTH);
        while (end < length && isNameByte(char(m_editor.SendScintilla(Base::SCI_GETCHARAT, end))))
            ++end;
        nameStart = long(place.offset) + long(text.left(context.wordStart).toUtf8().size());
        name = bytesBetween(nameStart, end);
    } else if (context.kind == CompletionContext::Kind::Value) {
        name = context.property;
        nameStart = long(place.offset) + long(text.left(context.nameStart).toUtf8().size());
    }
    if (name.isEmpty()) {
        hide();
        return;
    }
    showFor(nameStart, name, context.atRule);
}
