#include "SearchController.h"

#include "editor/ChangeBatch.h"

#include "editor/UndoGroup.h"

#include "app/Dialogs.h"
#include "editor/SheetEditor.h"

#include <QApplication>

#include <optional>

namespace {

long positionOf(SheetEditor &e, int line, int column)
{
    const long start = e.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return e.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, start, long(column));
}

FindReplace::Position placeOf(SheetEditor &e, long pos)
{
    const int line = int(e.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, pos));
    const long start = e.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return {line, int(e.SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, start, pos))};
}

} // namespace

SearchController::SearchController(SheetEditor &editor, Dialogs &dialogs, std::function<void(const QString &)> note)
    : m_editor(editor), m_dialogs(dialogs), m_note(std::move(note))
{
}

void SearchController::openSearchDialog(bool replace)
{
    if (!m_dialogs.editSearch(m_state, replace))
        return;
    m_continueFromCaret = m_state.fromCaret;
    if (m_state.searchText.isEmpty())
        return;
    runSearch(replace, m_state.backwards);
    m_continueFromCaret = true;
}

void SearchController::runSearch(bool replace, bool backwards)
{
    m_note(QString());
    Options o;
    o.replace = o.replaceAll = o.confirm = replace;
    o.backwards = backwards;
    o.matchCase = m_state.caseSensitive;
    o.wholeScope = !m_continueFromCaret;
    o.selectionOnly = m_state.selectedOnly;
    o.wholeWord = m_state.wholeWords;
    if (findAndReplace(m_state.searchText, m_state.replaceText, o) > 0)
        return;
    QApplication::beep();
    m_note(QStringLiteral("Text not found"));
    // No wrap-around: the selection collapses where the search stopped.
    const long anchor = m_editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long end = m_editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    m_editor.SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION, backwards ? anchor : end);
}

FindReplace::ReplaceAnswer SearchController::ask(const QString &text, const QString &replacement, long start)
{
    if (text == replacement)
        return FindReplace::ReplaceAnswer::SkipThis;
    QWidget *view = m_editor.viewport();
    const QRect area(view->mapToGlobal(QPoint(0, 0)), view->size());
    const QPoint at
        = view->mapToGlobal(QPoint(int(m_editor.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, start)),
                                   int(m_editor.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, start))));
    const int lineHeight = int(m_editor.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0));
    return m_dialogs.confirmReplace(text, area, at.x(), at.y(), at.y() + lineHeight);
}

int SearchController::findAndReplace(const QString &text, const QString &replacement, Options o)
{
    const QStringList lines = m_editor.allLines();
    if (text.isEmpty() || lines.isEmpty())
        return 0;
    FindReplace::Position from{0, 0};
    FindReplace::Position to{int(lines.size()) - 1, int(lines.last().size())};
    const long selStart = m_editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long selEnd = m_editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    if (o.selectionOnly && selStart != selEnd) {
        from = placeOf(m_editor, selStart);
        to = placeOf(m_editor, selEnd);
    } else if (!o.wholeScope) {
        const FindReplace::Position caret
            = placeOf(m_editor, m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
        (o.backwards ? to : from) = caret;
    }
    const QList<FindReplace::Match> found
        = FindReplace::matches(lines, text, {o.matchCase, o.wholeWord, o.backwards}, from, to);

    ChangeBatch batch(m_editor); // one analysis once the replacing is done
    std::optional<UndoGroup> rest; // "Yes to all": the rest is one undo step
    int count = 0;
    int shiftLine = -1, shift = 0; // replacements move later matches of their line
    for (const FindReplace::Match &m : found) {
        ++count;
        const int delta = (!o.backwards && m.line == shiftLine) ? shift : 0;
        const long start = positionOf(m_editor, m.line, m.start + delta);
        const long end = positionOf(m_editor, m.line, m.end + delta);
        m_editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, o.backwards ? end : start, o.backwards ? start : end);
        m_editor.SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
        if (!o.replace)
            break;
        auto answer = o.confirm ? ask(text, replacement, start) : FindReplace::ReplaceAnswer::ReplaceThis;
        if (answer == FindReplace::ReplaceAnswer::StopReplacing)
            break;
        if (answer == FindReplace::ReplaceAnswer::ReplaceRest) {
            o.confirm = false;
            rest.emplace(m_editor);
        }
        if (answer != FindReplace::ReplaceAnswer::SkipThis) {
            m_editor.replaceSelection(replacement);
            if (m.line != shiftLine) {
                shiftLine = m.line;
                shift = 0;
            }
            shift += int(replacement.size() - text.size());
        }
        if (!o.replaceAll)
            break;
    }
    return count;
}
