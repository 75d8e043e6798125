#include "CompletionController.h"

#include "ReferenceController.h"
#include "editor/ChangeBatch.h"
#include "editor/SheetEditor.h"
#include "editor/UndoGroup.h"
#include "reference/CompletionLists.h"

#include <QTimer>

namespace {

using Kind = CompletionContext::Kind;

bool isLetter(long c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// True when the declaration at `caret` has its ";" already (before its "}" or line end).
bool endsWithSemicolon(QStringView text, qsizetype caret)
{
    for (qsizetype i = caret; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u';')
            return true;
        if (c == u'}' || c == u'\n')
            return false;
    }
    return false;
}

} // namespace

CompletionController::CompletionController(SheetEditor &editor, const ReferenceController &reference, QObject *parent)
    : QObject(parent), m_editor(editor), m_reference(reference)
{
    m_editor.SendScintilla(QsciScintillaBase::SCI_AUTOCSETSEPARATOR, '\n');
    m_editor.SendScintilla(QsciScintillaBase::SCI_AUTOCSETMAXHEIGHT, 12);
    m_editor.SendScintilla(QsciScintillaBase::SCI_AUTOCSETIGNORECASE, 1);
    // The list comes ranked; the control sorts a copy for its own search.
    m_editor.SendScintilla(QsciScintillaBase::SCI_AUTOCSETORDER, QsciScintillaBase::SC_ORDER_CUSTOM);
    connect(&m_editor, &SheetEditor::completionRequested, this, [this] { show(true); });
    connect(&m_editor, &QsciScintillaBase::SCN_CHARADDED, this, &CompletionController::onCharacterAdded);
    connect(&m_editor, qOverload<const char *, int>(&QsciScintillaBase::SCN_USERLISTSELECTION), this,
            [this](const char *selection, int) { take(QString::fromUtf8(selection)); });
}

CompletionController::Place CompletionController::place() const
{
    // The context needs the text up to the caret, from a reading place before it, and
    // taking a value the rest of its line.
    using Base = QsciScintillaBase;
    Place p;
    const long caretBytes = m_editor.SendScintilla(Base::SCI_GETCURRENTPOS);
    const long lineEnd = m_editor.SendScintilla(Base::SCI_GETLINEENDPOSITION,
                                                m_editor.SendScintilla(Base::SCI_LINEFROMPOSITION, caretBytes));
    const Css::Place start = m_editor.readingPlace(caretBytes);
    const long from = long(start.offset);
    const auto *bytes
        = reinterpret_cast<const char *>(m_editor.SendScintilla(Base::SCI_GETRANGEPOINTER, from, lineEnd - from));
    p.text = QString::fromUtf8(bytes, caretBytes - from);
    p.caret = p.text.size();
    p.text += QString::fromUtf8(bytes + caretBytes - from, lineEnd - caretBytes);
    p.context = CompletionContext::at(p.text, p.caret, start.blocks);
    return p;
}

QStringList CompletionController::wordsFor(const CompletionContext &context) const
{
    // In the block of @font-face and its kind its descriptors; @page takes properties too.
    const bool properties = context.atRule.isEmpty() || context.atRule == QLatin1String("page");
    switch (context.kind) {
    case Kind::Selector:
        return m_reference.elementNames();
    case Kind::Property: {
        QStringList names = m_descriptors.value(context.atRule);
        if (properties)
            names += m_reference.propertyNames();
        return names;
    }
    case Kind::Value:
        return properties ? m_reference.valuesOf(context.property) : QStringList();
    case Kind::None:
        break;
    }
    return {};
}

QStringList CompletionController::offered() const
{
    const Place p = place();
    const QString typed = p.text.sliced(p.context.wordStart, p.caret - p.context.wordStart);
    return CompletionLists::matching(wordsFor(p.context), typed);
}

void CompletionController::show(bool asked)
{
    if (!m_editor.completionEnabled())
        return;
    const Place p = place();
    const QString typed = p.text.sliced(p.context.wordStart, p.caret - p.context.wordStart);
    const QStringList words = CompletionLists::matching(wordsFor(p.context), typed);
    // A list that would offer only what is typed already is no help, unless asked for.
    const bool done = words.size() == 1 && words.first().compare(typed, Qt::CaseInsensitive) == 0;
    if (words.isEmpty() || (done && !asked)) {
        m_editor.SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
        m_shown = Kind::None;
        return;
    }
    m_shown = p.context.kind;
    const QByteArray list = words.join(QLatin1Char('\n')).toUtf8();
    m_editor.SendScintilla(QsciScintillaBase::SCI_USERLISTSHOW, 1UL, list.constData());
}

void CompletionController::onCharacterAdded(int character)
{
    if (!m_editor.completionEnabled())
        return;
    if (m_editor.SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE)) {
        show(false); // narrowed to what is typed now
        return;
    }
    const long caret = m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const auto at
        = [&](long pos) { return pos >= 0 ? m_editor.SendScintilla(QsciScintillaBase::SCI_GETCHARAT, pos) : 0; };
    // The second letter of a word, where a property name is expected; a blank after a
    // colon, where a value is.
    const bool secondLetter = isLetter(character) && isLetter(at(caret - 2)) && !isLetter(at(caret - 3))
        && at(caret - 3) != '-' && at(caret - 3) != '_';
    const bool afterColon = character == ' ' && at(caret - 2) == ':';
    if (!secondLetter && !afterColon)
        return;
    const Kind kind = place().context.kind;
    if ((secondLetter && kind == Kind::Property) || (afterColon && kind == Kind::Value))
        show(false);
}

void CompletionController::take(const QString &word)
{
    const Place p = place();
    if (p.context.kind == Kind::None)
        return;
    QString insertion = word;
    if (p.context.kind == Kind::Property)
        insertion += QStringLiteral(": ");
    else if (p.context.kind == Kind::Value && !endsWithSemicolon(p.text, p.caret))
        insertion += QLatin1Char(';');
    const long caretBytes = m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long wordBytes = long(p.text.sliced(p.context.wordStart, p.caret - p.context.wordStart).toUtf8().size());
    {
        ChangeBatch batch(m_editor);
        UndoGroup group(m_editor);
        m_editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, caretBytes - wordBytes, caretBytes);
        m_editor.replaceSelection(insertion);
    }
    if (p.context.kind == Kind::Property)
        QTimer::singleShot(0, this, [this] { show(true); }); // its values next
}
