#include "SheetEditor.h"

#include "ChangeBatch.h"
#include "ColourSwatches.h"
#include "UnknownNames.h"

#include "UndoGroup.h"
#include "document/TextFileFormat.h"
#include "editor/IndentRules.h"
#include "editor/SheetFormatter.h"
#include "highlighter/CssLexer.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexer.h>

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace {

constexpr int kLineNumberMargin = 0;
constexpr int kBookmarkMargin = 1;
constexpr int kBookmarkMask = (1 << SheetEditor::kBookmarks) - 1;
constexpr int kGutterPadding = 5;

QStringList localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

SheetEditor::SheetEditor(QWidget *parent)
    : QsciScintilla(parent), m_colourSwatches(new ColourSwatches(*this)), m_unknownNames(new UnknownNames(*this))
{
    configure();
    clearControlKeys();
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int, int, int, int, int, int, int) {
                onModified(position, type);
            });
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        // An undo that moves the caret back along its line reports only the content.
        const long position = currentPos();
        if ((updated & SC_UPDATE_SELECTION) || ((updated & SC_UPDATE_CONTENT) && position != m_reportedCaret)) {
            m_reportedCaret = position;
            emit caretMoved();
        }
    });
    connect(this, &QsciScintilla::linesChanged, this, &SheetEditor::updateGutterWidth);
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, [this](int value) {
        const long top = send(SCI_DOCLINEFROMVISIBLE, value) + 1;
        QToolTip::showText(QCursor::pos(), QStringLiteral("Top Line: %1").arg(top), this);
    });
}

long SheetEditor::send(unsigned int msg, unsigned long w, long l) const
{
    return SendScintilla(msg, w, l);
}

void SheetEditor::configure()
{
    setUtf8(true);
    setEolMode(EolUnix); // the buffer keeps LF; the file's own style is used on saving
    // Lines in view keep their layout between paints: a long (minified) line is laid out
    // once per change, not again for every question about where its text stands.
    send(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);

    // The control takes sizes in points only: 10 points are 13 pixels at 96 dpi.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    setFont(font);
    setColor(palette().color(QPalette::WindowText));

    setSelectionBackgroundColor(QColor(128, 0, 0));
    setSelectionForegroundColor(palette().color(QPalette::HighlightedText));
    setEdgeMode(EdgeLine);
    setEdgeColumn(80);
    setEdgeColor(QColor(192, 192, 192));

    setTabWidth(IndentRules::kTabWidth);
    setIndentationsUseTabs(false);
    setIndentationWidth(0); // indenting a block uses the tab width
    setAutoIndent(false); // Enter does its own indenting and trimming
    send(SCI_SETVIRTUALSPACEOPTIONS, SCVS_USERACCESSIBLE | SCVS_RECTANGULARSELECTION);
    setBraceMatching(SloppyBraceMatch);

    setCaretLineVisible(true);
    setCaretLineBackgroundColor(QColor(244, 209, 128));
    send(SCI_SETCARETLINEVISIBLEALWAYS, 1);

    QFont gutterFont(QStringLiteral("Terminal"));
    gutterFont.setStyleHint(QFont::Monospace);
    gutterFont.setPointSizeF(8.25); // 11 pixels at 96 dpi
    setMarginsFont(gutterFont);
    setMarginsBackgroundColor(palette().color(QPalette::Button));
    setMarginsForegroundColor(palette().color(QPalette::ButtonText));
    setMarginType(kLineNumberMargin, NumberMargin);
    setMarginLineNumbers(kLineNumberMargin, true);
    setMarginType(kBookmarkMargin, SymbolMargin);
    setMarginMarkerMask(kBookmarkMargin, kBookmarkMask);
    setMarginMarkerMask(kLineNumberMargin, 0);
    setMarginWidth(kBookmarkMargin, 14);
    for (int i = 0; i < kBookmarks; ++i) {
        markerDefine(char('0' + i), i);
        setMarkerBackgroundColor(QColor(0, 0, 128), i);
        setMarkerForegroundColor(Qt::white, i);
    }
    setFolding(NoFoldStyle);
    updateGutterWidth();

    setWhitespaceVisibility(WsInvisible);
    setEolVisibility(false);

    // Text is measured in short runs of one colour that are kept for reuse; with room
    // for many, an edit in a very long line re-measures only what changed.
    send(SCI_SETPOSITIONCACHE, 1 << 16);

    // The horizontal scroll bar follows the longest line shown instead of a fixed width.
    send(SCI_SETSCROLLWIDTH, 1);
    send(SCI_SETSCROLLWIDTHTRACKING, 1);
}

void SheetEditor::clearControlKeys()
{
    // The editor offers exactly its own key table; with no key in the control's
    // command set, every main-menu shortcut reaches its action.
    standardCommands()->clearKeys();
    standardCommands()->clearAlternateKeys();
    send(SCI_CLEARALLCMDKEYS);
}

void SheetEditor::updateGutterWidth()
{
    int digits = 4;
    for (long n = send(SCI_GETLINECOUNT); n >= 10000; n /= 10)
        ++digits;
    setMarginWidth(kLineNumberMargin,
                   m_gutterVisible && m_lineNumbers
                       ? QFontMetrics(font()).horizontalAdvance(QString(digits + 1, QLatin1Char('9'))) + kGutterPadding
                       : 0);
}

void SheetEditor::onModified(int position, int type)
{
    if (type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT))
        m_places.forgetAfter(position);
    if (type & SC_MOD_INSERTTEXT)
        m_noLines = false;
    if (!(type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) || m_silent)
        return;
    m_changePending = true;
    if (m_batchDepth == 0) {
        m_changePending = false;
        emit changed();
    }
}

// ---- line list ----

int SheetEditor::lineCount() const
{
    if (send(SCI_GETTEXTLENGTH) == 0)
        return m_noLines ? 0 : 1;
    return int(send(SCI_GETLINECOUNT));
}

QString SheetEditor::line(int index) const
{
    QString t = text(index);
    while (t.endsWith(QLatin1Char('\n')) || t.endsWith(QLatin1Char('\r')))
        t.chop(1);
    return t;
}

QStringList SheetEditor::allLines() const
{
    const QString all = text();
    if (all.isEmpty())
        return m_noLines ? QStringList() : QStringList(QString());
    QStringList result = TextFileFormat::splitLines(all);
    // A final line end leaves an empty line after it, as the analysis counts it.
    if (all.endsWith(QLatin1Char('\n')) || all.endsWith(QLatin1Char('\r')) || all.endsWith(QChar(0)))
        result << QString();
    return result;
}

QString SheetEditor::wholeText() const
{
    const long length = send(SCI_GETTEXTLENGTH);
    const auto *bytes = reinterpret_cast<const char *>(send(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, length);
}

void SheetEditor::setLines(const QStringList &newLines)
{
    ++m_silent;
    markerDeleteAll();
    setText(newLines.join(QLatin1Char('\n')));
    m_noLines = newLines.isEmpty();
    send(SCI_EMPTYUNDOBUFFER);
    send(SCI_SETSAVEPOINT);
    send(SCI_GOTOPOS, 0);
    send(SCI_CHOOSECARETX);
    --m_silent;
    emit caretMoved(); // the control does not count a new text as a caret move
}

void SheetEditor::insertRecordedLine(int index, const QString &text)
{
    ++m_silent;
    if (index < lineCount()) {
        const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
        SendScintilla(SCI_INSERTTEXT, send(SCI_POSITIONFROMLINE, qMax(0, index)), bytes.constData());
    } else {
        const QByteArray bytes = (lineCount() == 0 ? text : QLatin1Char('\n') + text).toUtf8();
        SendScintilla(SCI_INSERTTEXT, send(SCI_GETTEXTLENGTH), bytes.constData());
        m_noLines = false;
    }
    --m_silent;
}

void SheetEditor::appendRecordedLines(const QStringList &lines, bool report)
{
    if (lines.isEmpty())
        return;
    ChangeBatch batch(*this);
    UndoGroup group(*this);
    if (!report)
        ++m_silent;
    QString text = lines.join(QLatin1Char('\n'));
    if (lineCount() != 0)
        text.prepend(QLatin1Char('\n'));
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_INSERTTEXT, send(SCI_GETTEXTLENGTH), bytes.constData());
    m_noLines = false;
    if (!report)
        --m_silent;
}

void SheetEditor::clearAll()
{
    setLines({});
}

void SheetEditor::replaceSelection(const QString &text)
{
    ChangeBatch batch(*this);
    QString insertion = text;
    // Text typed right of the line end is padded with blanks; do the same here.
    if (!hasSelectedText()) {
        const long main = send(SCI_GETMAINSELECTION);
        const long virtualSpace = send(SCI_GETSELECTIONNCARETVIRTUALSPACE, main);
        insertion.prepend(QString(int(virtualSpace), QLatin1Char(' ')));
        send(SCI_SETEMPTYSELECTION, currentPos());
    }
    const QByteArray bytes = insertion.toUtf8();
    SendScintilla(SCI_REPLACESEL, 0UL, bytes.constData());
    send(SCI_CHOOSECARETX);
}

void SheetEditor::formatSheet()
{
    const QString text = wholeText();
    const auto *bytes = reinterpret_cast<const char *>(send(SCI_GETCHARACTERPOINTER));
    // Characters of the text from the control's byte positions, and back.
    const auto characters = [&](long position) { return QString::fromUtf8(bytes, position).size(); };
    const auto bytesOf = [](QStringView t) { return long(QStringView(t).toUtf8().size()); };

    const QString indent = indentationsUseTabs() ? QStringLiteral("\t") : QString(tabWidth(), QLatin1Char(' '));
    QList<SheetFormatter::Edit> edits = SheetFormatter::edits(text, indent);
    const long anchorBytes = send(SCI_GETANCHOR);
    const long caretBytes = currentPos();
    const qsizetype anchor = characters(anchorBytes);
    const qsizetype caret = anchorBytes == caretBytes ? anchor : characters(caretBytes);
    if (anchor != caret)
        edits = SheetFormatter::within(edits, qMin(anchor, caret), qMax(anchor, caret));
    if (edits.isEmpty())
        return;

    // One replacement from the first change to the last.
    const qsizetype from = edits.first().start;
    const qsizetype to = edits.last().end;
    const QString result = SheetFormatter::applied(text, edits);
    const qsizetype replacedTo = SheetFormatter::positionAfter(edits, to);
    const QByteArray replacement = QStringView(result).sliced(from, replacedTo - from).toUtf8();
    const long start = bytesOf(QStringView(text).first(from));
    const long end = start + bytesOf(QStringView(text).sliced(from, to - from));

    ChangeBatch batch(*this);
    send(SCI_SETTARGETRANGE, start, end);
    SendScintilla(SCI_REPLACETARGET, replacement.size(), replacement.constData());
    const long newAnchor = bytesOf(QStringView(result).first(SheetFormatter::positionAfter(edits, anchor)));
    const long newCaret = bytesOf(QStringView(result).first(SheetFormatter::positionAfter(edits, caret)));
    send(SCI_SETSEL, newAnchor, newCaret);
    send(SCI_CHOOSECARETX);
    send(SCI_SCROLLCARET);
}

// ---- caret ----

long SheetEditor::currentPos() const
{
    return send(SCI_GETCURRENTPOS);
}

int SheetEditor::caretLine() const
{
    return int(send(SCI_LINEFROMPOSITION, currentPos())) + 1;
}

int SheetEditor::caretColumn() const
{
    const long main = send(SCI_GETMAINSELECTION);
    return int(send(SCI_GETCOLUMN, currentPos()) + send(SCI_GETSELECTIONNCARETVIRTUALSPACE, main)) + 1;
}

int SheetEditor::caretCharacterColumn() const
{
    const long pos = currentPos();
    const long lineStart = send(SCI_POSITIONFROMLINE, send(SCI_LINEFROMPOSITION, pos));
    const long main = send(SCI_GETMAINSELECTION);
    return int(send(SCI_COUNTCHARACTERS, lineStart, pos) + send(SCI_GETSELECTIONNCARETVIRTUALSPACE, main)) + 1;
}

void SheetEditor::setCaretPosition(int line, int column)
{
    const long lineIndex = qBound(0L, long(line) - 1, send(SCI_GETLINECOUNT) - 1);
    const long wanted = qMax(0, column - 1);
    const long pos = send(SCI_FINDCOLUMN, lineIndex, wanted);
    const long reached = send(SCI_GETCOLUMN, pos);
    send(SCI_SETSEL, pos, pos);
    const long virtualSpace = wanted > reached ? wanted - reached : 0;
    send(SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, virtualSpace);
    send(SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, virtualSpace);
    send(SCI_CHOOSECARETX);
    send(SCI_SCROLLCARET);
}

void SheetEditor::setCaretLine(int line)
{
    setCaretPosition(line, caretColumn());
}

void SheetEditor::setCaretColumn(int column)
{
    setCaretPosition(caretLine(), column);
}

// ---- state ----

bool SheetEditor::isDocumentModified() const
{
    return send(SCI_GETMODIFY) != 0;
}

void SheetEditor::clearModified()
{
    send(SCI_SETSAVEPOINT);
}

bool SheetEditor::canUndoEdit() const
{
    return send(SCI_CANUNDO) != 0;
}

bool SheetEditor::canRedoEdit() const
{
    return send(SCI_CANREDO) != 0;
}

void SheetEditor::setLineEndMark(const QString &mark)
{
    m_lineEndMark = mark;
    viewport()->update();
}

void SheetEditor::paintEvent(QPaintEvent *e)
{
    QsciScintilla::paintEvent(e);
    if (m_specialChars && m_lineEndMark != QLatin1String("LF"))
        paintLineEndMarks();
}

// The control names the line end it holds, always LF; over its mark goes the name of
// the line end the file will get, drawn the way the control draws its own.
void SheetEditor::paintLineEndMarks()
{
    QPainter painter(viewport());
    QFont font = lexer() ? lexer()->defaultFont() : this->font();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QColor ink = lexer() ? lexer()->defaultColor() : color();
    const QColor paper = lexer() ? lexer()->defaultPaper() : this->paper();
    const long lastLine = send(SCI_GETLINECOUNT) - 1;
    const long firstVisible = send(SCI_GETFIRSTVISIBLELINE);
    const long shown = send(SCI_LINESONSCREEN) + 1;
    for (long visible = firstVisible; visible < firstVisible + shown; ++visible) {
        const long line = send(SCI_DOCLINEFROMVISIBLE, visible);
        if (line >= lastLine) // the last line has no line end in the control
            break;
        const long end = send(SCI_GETLINEENDPOSITION, line);
        const int x = int(send(SCI_POINTXFROMPOSITION, 0, end));
        const int y = int(send(SCI_POINTYFROMPOSITION, 0, end));
        const int height = int(send(SCI_TEXTHEIGHT, line));
        const QRect blob(x + 1, y + 1, metrics.horizontalAdvance(m_lineEndMark) + 2, height - 2);
        if (blob.left() >= viewport()->width())
            continue;
        painter.fillRect(blob.adjusted(-1, -1, 1, 1), paper);
        painter.fillRect(blob, ink);
        painter.setPen(paper);
        painter.drawText(blob, Qt::AlignCenter, m_lineEndMark);
    }
}

void SheetEditor::setShowSpecialChars(bool on)
{
    m_specialChars = on;
    setWhitespaceVisibility(on ? WsVisible : WsInvisible);
    setEolVisibility(on);
}

void SheetEditor::setGutterVisible(bool on)
{
    m_gutterVisible = on;
    setMarginWidth(kBookmarkMargin, on ? 14 : 0);
    updateGutterWidth();
}

void SheetEditor::setLineNumbersVisible(bool on)
{
    m_lineNumbers = on;
    updateGutterWidth();
}

void SheetEditor::setColourSwatchesVisible(bool on)
{
    m_colourSwatches->setEnabled(on);
}

bool SheetEditor::colourSwatchesVisible() const
{
    return m_colourSwatches->isEnabled();
}

void SheetEditor::setCompletionEnabled(bool on)
{
    m_completion = on;
    if (!on)
        send(SCI_AUTOCCANCEL);
}

void SheetEditor::setPropertyTipsEnabled(bool on)
{
    m_propertyTips = on;
    if (!on)
        send(SCI_CALLTIPCANCEL);
}

int SheetEditor::colourSwatchIndicator() const
{
    return m_colourSwatches->indicator();
}

void SheetEditor::setUnknownNamesMarked(bool on)
{
    m_unknownNames->setEnabled(on);
}

bool SheetEditor::unknownNamesMarked() const
{
    return m_unknownNames->isEnabled();
}

void SheetEditor::setKnownPropertyNames(const QStringList &names, const QHash<QString, QStringList> &descriptors)
{
    m_unknownNames->setKnown(names, descriptors);
}

Css::Place SheetEditor::readingPlace(long position) const
{
    position = std::clamp(position, 0L, send(SCI_GETLENGTH));
    return m_places.before(position, [this](qsizetype from, qsizetype to) {
        return QByteArrayView(reinterpret_cast<const char *>(send(SCI_GETRANGEPOINTER, from, to - from)), to - from);
    });
}

int SheetEditor::unknownNameIndicator() const
{
    return m_unknownNames->indicator();
}

QString SheetEditor::unknownNameAt(long position) const
{
    const int indicator = m_unknownNames->indicator();
    if (!m_unknownNames->isEnabled() || position < 0 || !send(SCI_INDICATORVALUEAT, indicator, position))
        return {};
    const long start = send(SCI_INDICATORSTART, indicator, position);
    const long end = send(SCI_INDICATOREND, indicator, position);
    return QString::fromUtf8(reinterpret_cast<const char *>(send(SCI_GETRANGEPOINTER, start, end - start)),
                             end - start);
}

bool SheetEditor::selectNextUnknownName()
{
    const long length = send(SCI_GETLENGTH);
    const QByteArrayView text(reinterpret_cast<const char *>(send(SCI_GETCHARACTERPOINTER)), length);
    const QList<QPair<long, long>> names = m_unknownNames->unknownIn(text);
    if (names.isEmpty())
        return false;
    const long caret = send(SCI_GETCURRENTPOS);
    auto next
        = std::find_if(names.begin(), names.end(), [caret](const QPair<long, long> &n) { return n.first >= caret; });
    if (next == names.end())
        next = names.begin();
    send(SCI_SETSEL, next->first, next->first + next->second);
    return true;
}

void SheetEditor::setEditorFont(const QString &family, int pointSize)
{
    QFont f(family, pointSize);
    f.setStyleHint(QFont::TypeWriter);
    if (auto *css = qobject_cast<CssLexer *>(lexer()))
        css->setBaseFont(f);
    else
        setFont(f);
    updateGutterWidth();
}

// ---- bookmarks ----

int SheetEditor::bookmarkLine(int number) const
{
    const long line = send(SCI_MARKERNEXT, 0, 1L << number);
    return line < 0 ? 0 : int(line) + 1;
}

void SheetEditor::setBookmark(int number, int line)
{
    markerDeleteAll(number);
    markerAdd(line - 1, number);
}

void SheetEditor::gotoBookmark(int number)
{
    if (const int line = bookmarkLine(number))
        setCaretPosition(line, 1);
}

// ---- recorded edits ----

void SheetEditor::undo()
{
    ChangeBatch batch(*this);
    QsciScintilla::undo();
}

void SheetEditor::redo()
{
    ChangeBatch batch(*this);
    QsciScintilla::redo();
}

void SheetEditor::cut()
{
    ChangeBatch batch(*this);
    if (m_selectionMode == SC_SEL_LINES && hasSelectedText()) {
        copy();
        deleteSelectedLines();
        return;
    }
    QsciScintilla::cut();
}

void SheetEditor::paste()
{
    ChangeBatch batch(*this);
    QsciScintilla::paste();
}

void SheetEditor::removeSelectedText()
{
    ChangeBatch batch(*this);
    if (!deleteSelectedLines())
        QsciScintilla::removeSelectedText();
}

// In whole-line mode the control's selection stops before the last line's end, so a
// plain deletion would leave an empty line behind: take the lines with their ends.
bool SheetEditor::deleteSelectedLines()
{
    if (m_selectionMode != SC_SEL_LINES || !hasSelectedText())
        return false;
    const long first = send(SCI_LINEFROMPOSITION, send(SCI_GETSELECTIONSTART));
    const long last = send(SCI_LINEFROMPOSITION, send(SCI_GETSELECTIONEND));
    long from = send(SCI_POSITIONFROMLINE, first);
    long to = 0;
    if (last + 1 < send(SCI_GETLINECOUNT)) {
        to = send(SCI_POSITIONFROMLINE, last + 1);
    } else {
        // The last lines of the text give up the line end before them instead.
        to = send(SCI_GETTEXTLENGTH);
        if (first > 0)
            from = send(SCI_GETLINEENDPOSITION, first - 1);
    }
    send(SCI_SETEMPTYSELECTION, from);
    send(SCI_DELETERANGE, from, to - from);
    send(SCI_CHOOSECARETX);
    return true;
}

void SheetEditor::replaceSelectedText(const QString &text)
{
    replaceSelection(text);
}

void SheetEditor::clear()
{
    ChangeBatch batch(*this);
    QsciScintilla::clear();
}

// ---- events ----

void SheetEditor::inputMethodEvent(QInputMethodEvent *e)
{
    ChangeBatch batch(*this);
    QsciScintilla::inputMethodEvent(e);
}

void SheetEditor::mousePressEvent(QMouseEvent *e)
{
    ChangeBatch batch(*this);
    QsciScintilla::mousePressEvent(e);
}

void SheetEditor::mouseReleaseEvent(QMouseEvent *e)
{
    {
        ChangeBatch batch(*this);
        QsciScintilla::mouseReleaseEvent(e);
    }
    if (e->button() == Qt::LeftButton)
        emit clickReport();
}

void SheetEditor::contextMenuEvent(QContextMenuEvent *e)
{
    ChangeBatch batch(*this);
    QsciScintilla::contextMenuEvent(e);
}

void SheetEditor::dragEnterEvent(QDragEnterEvent *e)
{
    if (!localFiles(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
        return;
    }
    QsciScintilla::dragEnterEvent(e);
}

void SheetEditor::dragMoveEvent(QDragMoveEvent *e)
{
    if (!localFiles(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
        return;
    }
    QsciScintilla::dragMoveEvent(e);
}

void SheetEditor::dropEvent(QDropEvent *e)
{
    const QStringList files = localFiles(e->mimeData());
    if (!files.isEmpty()) {
        e->acceptProposedAction();
        emit filesDropped(files);
        return;
    }
    ChangeBatch batch(*this);
    QsciScintilla::dropEvent(e);
}

bool SheetEditor::focusNextPrevChild(bool)
{
    return false; // Tab belongs to the text
}

QString SheetEditor::referenceLineAbove(int lineIndex) const
{
    for (int i = lineIndex - 1; i >= 0; --i) {
        const QString candidate = line(i);
        if (!IndentRules::isBlankLine(candidate))
            return candidate;
    }
    return {};
}
