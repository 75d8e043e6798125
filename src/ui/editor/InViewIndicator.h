#pragma once

#include "css/CssBlocks.h"

#include <QByteArrayView>
#include <QList>
#include <QObject>

#include <optional>

class SheetEditor;

// One of the editor control's indicators, set for the lines in view just before they
// are painted: a key costs only the lines on the screen, however long the sheet, and
// a mark that stays the same is not set again, so the control repaints nothing for it.
// The reading of a stretch in view starts at the editor's nearest reading place before
// it, also on a long (minified) line. Subclasses say where the marks go.
class InViewIndicator : public QObject
{
    Q_OBJECT

public:
    bool isEnabled() const { return m_enabled; }
    // Off removes every mark.
    void setEnabled(bool on);
    int indicator() const { return m_indicator; }

protected:
    struct Mark
    {
        qsizetype start = 0;
        qsizetype length = 0;
        long value = 1; // the indicator's value; with SC_INDICVALUEBIT a colour
    };

    InViewIndicator(SheetEditor &editor, int indicator);
    SheetEditor &editor() const { return m_editor; }
    // The marks to find again on the next paint, when what they depend on has changed.
    void invalidate();

    // The marks that start in [from, to) of `block`, in order. The block starts at a
    // place between the items of the sheet, inside `blocks`, and runs on past `to` far
    // enough to read a mark's end.
    virtual QList<Mark> marks(QByteArrayView block, qsizetype from, qsizetype to, const Css::Blocks &blocks) const = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A stretch of text in view: whole short lines, or the part in view of a long one.
    struct Segment
    {
        long line = 0; // where the segment starts
        long from = 0;
        long to = 0;
    };

    void refresh();
    QList<Segment> segmentsInView(long firstLine, long lastLine) const;
    void mark(const Segment &segment);
    long send(unsigned int message, unsigned long w = 0, long l = 0) const;

    // What the marks were last set for: the lines in view and the text's version.
    struct View
    {
        long firstLine = 0;
        long lastLine = 0;
        long xOffset = 0;
        int width = 0;
        quint64 textVersion = 0;
        bool operator==(const View &) const = default;
    };

    SheetEditor &m_editor;
    int m_indicator = -1;
    bool m_enabled = false;
    quint64 m_textVersion = 0;
    std::optional<View> m_shown;
};
