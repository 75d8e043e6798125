#pragma once

#include "reference/PropertyGrammar.h"

#include <QObject>
#include <QString>

class SheetEditor;
class UiTexts;

// A call tip with what a property takes (its value syntax and initial value as the
// standards give them; in @font-face and its kind the descriptor's) while the caret
// stands in its declaration, and on hovering over its name. Where that is, the
// completion's context says, read from the editor's reading place before the caret, so
// a key costs next to nothing; in comments, strings and addresses there is none. The
// editor's switch turns it off. Hovering over a name marked unknown shows a tool tip
// with the known names nearest to it.
class PropertyTips : public QObject
{
    Q_OBJECT

public:
    PropertyTips(SheetEditor &editor, PropertyGrammar grammar, const UiTexts &texts, QObject *parent = nullptr);

    // The tip shown now; empty when none is.
    QString shownTip() const { return m_shown; }
    // The tool tip last shown for an unknown name; empty once it is gone.
    QString shownNote() const { return m_note; }

    // Names to propose for a misspelt one besides the standards' (the definitions').
    void setMoreNames(const QStringList &names) { m_moreNames = names; }
    // The tip for the caret's declaration, also while the tips are switched off.
    void showAtCaret();

private:
    void followCaret();
    void onDwell(long position, int x, int y);
    void showFor(long nameStart, const QString &name, const QString &atRule);
    void hide();
    QString tipFor(const QString &name, const QString &atRule) const;
    QString bytesBetween(long from, long to) const; // the editor's text between two byte offsets

    SheetEditor &m_editor;
    PropertyGrammar m_grammar;
    const UiTexts &m_texts;
    QStringList m_moreNames;
    QString m_shown;
    QString m_note;
    long m_shownAt = -1;
};
