#pragma once

#include "reference/PropertyGrammar.h"

#include <QObject>
#include <QString>

class SheetEditor;
class UiTexts;

// A call tip with what a property takes (its value syntax and initial value as the
// standards give them) while the caret stands in its declaration, and on hovering
// over its name. Looks only at the caret's declaration, so a key costs next to
// nothing. The editor's switch turns it off.
class PropertyTips : public QObject
{
    Q_OBJECT

public:
    PropertyTips(SheetEditor &editor, PropertyGrammar grammar, const UiTexts &texts, QObject *parent = nullptr);

    // The tip shown now; empty when none is.
    QString shownTip() const { return m_shown; }

private:
    void followCaret();
    void showFor(long nameStart, const QString &name);
    void hide();
    QString tipFor(const QString &name) const;

    SheetEditor &m_editor;
    PropertyGrammar m_grammar;
    const UiTexts &m_texts;
    QString m_shown;
    long m_shownAt = -1;
};
