// The editor's key table. Keys not listed here and carrying Ctrl or Alt are left to
// the window (menu shortcuts, mnemonics); plain keys type their text.

#include "ChangeBatch.h"
#include "SheetEditor.h"
#include "UndoGroup.h"
#include "editor/IndentRules.h"

#include <QKeyEvent>

namespace {

using Mods = Qt::KeyboardModifiers;

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

// The digit of a top-row key pressed with Shift, whatever symbol the layout puts on
// it; -1 for other keys.
int shiftedDigit(const QKeyEvent *e)
{
    const int key = e->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    // X11 scan codes 10..19 are the keys 1..9, 0 on every layout.
    const quint32 scan = e->nativeScanCode();
    if (scan >= 10 && scan <= 19)
        return scan == 19 ? 0 : int(scan) - 9;
    return -1;
}

} // namespace

void SheetEditor::keyPressEvent(QKeyEvent *e)
{
    {
        ChangeBatch batch(*this);
        if (!runEditorKey(e)) {
            if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
                e->ignore();
                return;
            }
            QsciScintilla::keyPressEvent(e);
        }
    }
    emit keyReport();
}

bool SheetEditor::runEditorKey(QKeyEvent *e)
{
    const Mods mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = e->key();
    const bool shift = mods.testFlag(Qt::ShiftModifier);

    auto cmd = [this](unsigned int msg) { send(msg); };
    // An open completion list takes the keys that choose from it: the control's own
    // key table, which would pass them on, is empty.
    if (mods == kNone && send(SCI_AUTOCACTIVE)) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            cmd(SCI_AUTOCCOMPLETE);
            return true;
        case Qt::Key_Escape:
            cmd(SCI_AUTOCCANCEL);
            return true;
        case Qt::Key_Up:
            cmd(SCI_LINEUP);
            return true;
        case Qt::Key_Down:
            cmd(SCI_LINEDOWN);
            return true;
        case Qt::Key_PageUp:
            cmd(SCI_PAGEUP);
            return true;
        case Qt::Key_PageDown:
            cmd(SCI_PAGEDOWN);
            return true;
        default:
            break;
        }
    }
    // A movement, and with Shift its variant that selects in the selection mode chosen
    // with Shift+Ctrl+N, C or L.
    auto move = [&](unsigned int plain, unsigned int extend, unsigned int rectExtend = 0) {
        if (!shift) {
            cmd(plain);
        } else if (m_selectionMode == SC_SEL_RECTANGLE && rectExtend) {
            cmd(rectExtend);
        } else if (m_selectionMode == SC_SEL_LINES) {
            // While the mode is "sticky" a plain move extends by whole lines; the
            // second call ends the stickiness and keeps the line selection.
            send(SCI_SETSELECTIONMODE, SC_SEL_LINES);
            cmd(plain);
            send(SCI_SETSELECTIONMODE, SC_SEL_LINES);
        } else {
            cmd(extend);
        }
    };
    auto setSelectionMode = [this](int mode) {
        m_selectionMode = mode;
        // Twice: the first call would leave plain moves extending the selection.
        send(SCI_SETSELECTIONMODE, mode);
        send(SCI_SETSELECTIONMODE, mode);
    };
    const long lineIndex = send(SCI_LINEFROMPOSITION, currentPos());
    const bool firstLine = lineIndex == 0;
    const bool lastLine = lineIndex == send(SCI_GETLINECOUNT) - 1;

    const Mods noShift = mods & ~Qt::ShiftModifier;
    if (noShift == kNone) {
        switch (key) {
        // Up on the first line and Down on the last keep the caret where it is.
        case Qt::Key_Up:
            if (shift || !firstLine)
                move(SCI_LINEUP, SCI_LINEUPEXTEND, SCI_LINEUPRECTEXTEND);
            return true;
        case Qt::Key_Down:
            if (shift || !lastLine)
                move(SCI_LINEDOWN, SCI_LINEDOWNEXTEND, SCI_LINEDOWNRECTEXTEND);
            return true;
        case Qt::Key_Left:
            move(SCI_CHARLEFT, SCI_CHARLEFTEXTEND, SCI_CHARLEFTRECTEXTEND);
            return true;
        case Qt::Key_Right:
            move(SCI_CHARRIGHT, SCI_CHARRIGHTEXTEND, SCI_CHARRIGHTRECTEXTEND);
            return true;
        case Qt::Key_PageUp:
            move(SCI_PAGEUP, SCI_PAGEUPEXTEND, SCI_PAGEUPRECTEXTEND);
            return true;
        case Qt::Key_PageDown:
            move(SCI_PAGEDOWN, SCI_PAGEDOWNEXTEND, SCI_PAGEDOWNRECTEXTEND);
            return true;
        case Qt::Key_Home:
            move(SCI_HOME, SCI_HOMEEXTEND, SCI_HOMERECTEXTEND);
            return true;
        case Qt::Key_End:
            move(SCI_LINEEND, SCI_LINEENDEXTEND, SCI_LINEENDRECTEXTEND);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            newLine();
            return true;
        case Qt::Key_Backspace:
            smartBackspace();
            return true;
        case Qt::Key_Tab:
            shift ? cmd(SCI_BACKTAB) : smartTab();
            return true;
        case Qt::Key_Backtab:
            cmd(SCI_BACKTAB);
            return true;
        default:
            break;
        }
    }
    if (mods == kNone) {
        switch (key) {
        case Qt::Key_Insert:
            cmd(SCI_EDITTOGGLEOVERTYPE);
            return true;
        case Qt::Key_Delete:
            if (!deleteSelectedLines())
                cmd(SCI_CLEAR);
            return true;
        default:
            break;
        }
    }
    if (key == Qt::Key_Space && (mods == kShift || mods == kCtrl) && m_completion) {
        emit completionRequested();
        return true;
    }
    if (mods == kShift) {
        switch (key) {
        case Qt::Key_Delete:
            cut();
            return true;
        case Qt::Key_Insert:
            paste();
            return true;
        default:
            break;
        }
    }
    if (noShift == kCtrl) {
        switch (key) {
        case Qt::Key_Up:
            if (!shift) {
                cmd(SCI_LINESCROLLUP);
                return true;
            }
            return false;
        case Qt::Key_Down:
            if (!shift) {
                cmd(SCI_LINESCROLLDOWN);
                return true;
            }
            return false;
        case Qt::Key_Left:
            move(SCI_WORDLEFT, SCI_WORDLEFTEXTEND);
            return true;
        case Qt::Key_Right:
            move(SCI_WORDRIGHT, SCI_WORDRIGHTEXTEND);
            return true;
        case Qt::Key_PageUp:
            moveToVisibleLine(false, shift);
            return true;
        case Qt::Key_PageDown:
            moveToVisibleLine(true, shift);
            return true;
        case Qt::Key_Home:
            move(SCI_DOCUMENTSTART, SCI_DOCUMENTSTARTEXTEND);
            return true;
        case Qt::Key_End:
            move(SCI_DOCUMENTEND, SCI_DOCUMENTENDEXTEND);
            return true;
        default:
            break;
        }
    }
    if (mods == kCtrl) {
        switch (key) {
        case Qt::Key_Insert:
            copy();
            return true;
        case Qt::Key_Backspace:
            cmd(SCI_DELWORDLEFT);
            return true;
        case Qt::Key_T:
            cmd(SCI_DELWORDRIGHTEND);
            return true;
        case Qt::Key_Y:
            cmd(SCI_LINEDELETE);
            return true;
        case Qt::Key_M:
            newLine();
            return true;
        default:
            break;
        }
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            gotoBookmark(key - Qt::Key_0);
            return true;
        }
    }
    if (mods == (kCtrl | kShift)) {
        switch (key) {
        case Qt::Key_Y:
            cmd(SCI_DELLINERIGHT);
            return true;
        case Qt::Key_I:
            indentSelectedLines(true);
            return true;
        case Qt::Key_U:
            indentSelectedLines(false);
            return true;
        case Qt::Key_N:
            setSelectionMode(SC_SEL_STREAM);
            return true;
        case Qt::Key_C:
            setSelectionMode(SC_SEL_RECTANGLE);
            return true;
        case Qt::Key_L:
            setSelectionMode(SC_SEL_LINES);
            return true;
        case Qt::Key_B:
            moveToMatchingBrace();
            return true;
        default:
            break;
        }
        if (const int digit = shiftedDigit(e); digit >= 0) {
            setBookmark(digit, caretLine());
            return true;
        }
    }
    if (mods == kAlt && key == Qt::Key_Backspace) {
        undo();
        return true;
    }
    if (mods == (kAlt | kShift) && key == Qt::Key_Backspace) {
        redo();
        return true;
    }
    return false;
}

void SheetEditor::moveToVisibleLine(bool last, bool extend)
{
    const long first = send(SCI_DOCLINEFROMVISIBLE, send(SCI_GETFIRSTVISIBLELINE));
    long target = first;
    if (last) {
        const long visibleLast = send(SCI_GETFIRSTVISIBLELINE) + send(SCI_LINESONSCREEN) - 1;
        target = qMin(send(SCI_DOCLINEFROMVISIBLE, visibleLast), send(SCI_GETLINECOUNT) - 1);
    }
    long current = send(SCI_LINEFROMPOSITION, currentPos());
    // Line steps keep the caret's remembered column, as Up and Down do.
    const unsigned int step
        = target < current ? (extend ? SCI_LINEUPEXTEND : SCI_LINEUP) : (extend ? SCI_LINEDOWNEXTEND : SCI_LINEDOWN);
    for (; current != target; current += target < current ? -1 : 1)
        send(step);
}

void SheetEditor::indentSelectedLines(bool in)
{
    int lineFrom = caretLine() - 1, lineTo = lineFrom, indexFrom = 0, indexTo = 0;
    if (hasSelectedText()) {
        getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
        if (lineTo > lineFrom && indexTo == 0)
            --lineTo; // a selection ending at a line start leaves that line alone
    }
    UndoGroup group(*this);
    for (int i = lineFrom; i <= lineTo; ++i)
        in ? indent(i) : unindent(i);
}

void SheetEditor::smartTab()
{
    const int lineIndex = caretLine() - 1;
    if (hasSelectedText()) {
        int lineFrom, indexFrom, lineTo, indexTo;
        getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
        if (lineFrom != lineTo) {
            send(SCI_TAB); // indents the selected lines
            return;
        }
    }
    const int column = caretColumn() - 1;
    const int target = IndentRules::smartTabColumn(referenceLineAbove(lineIndex), column);
    replaceSelection(QString(target - column, QLatin1Char(' ')));
}

void SheetEditor::smartBackspace()
{
    if (deleteSelectedLines())
        return;
    const int lineIndex = caretLine() - 1;
    const int column = caretColumn() - 1;
    const QString text = line(lineIndex);
    if (hasSelectedText() || column == 0 || column > text.size() || !IndentRules::inLeadingWhiteSpace(text, column)) {
        send(SCI_DELETEBACK);
        return;
    }
    const int target = IndentRules::unindentColumn(referenceLineAbove(lineIndex), column);
    const long lineStart = send(SCI_POSITIONFROMLINE, lineIndex);
    send(SCI_DELETERANGE, lineStart + target, column - target);
    send(SCI_CHOOSECARETX);
}

void SheetEditor::newLine()
{
    UndoGroup group(*this);
    if (hasSelectedText())
        removeSelectedText();
    const int lineIndex = caretLine() - 1;
    const QString text = line(lineIndex);
    const int column = qMin<int>(caretColumn() - 1, text.size());
    int indentLength = 0;
    while (indentLength < column && (text[indentLength] == QLatin1Char(' ') || text[indentLength] == QLatin1Char('\t')))
        ++indentLength;
    const long pos = currentPos();
    send(SCI_SETEMPTYSELECTION, pos); // a caret right of the line end starts the next line at the indent
    const QByteArray insertion = (QLatin1Char('\n') + text.left(indentLength)).toUtf8();
    SendScintilla(SCI_INSERTTEXT, pos, insertion.constData());
    send(SCI_GOTOPOS, pos + insertion.size());

    // The line just left loses its trailing blanks.
    const QString left = line(lineIndex);
    const QString trimmed = IndentRules::withoutTrailingBlanks(left);
    if (trimmed.size() < left.size()) {
        const long start = send(SCI_POSITIONFROMLINE, lineIndex);
        const long from = start + trimmed.toUtf8().size();
        send(SCI_DELETERANGE, from, send(SCI_GETLINEENDPOSITION, lineIndex) - from);
    }
    send(SCI_CHOOSECARETX);
    send(SCI_SCROLLCARET);
}
