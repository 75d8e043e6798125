#pragma once

#include "HighlighterAttributes.h"
#include "editor/highlighter/CssScanner.h"

#include <QFont>

#include <Qsci/qscilexercustom.h>

// Colours one editor's text with the shared attributes, line by line, carrying the
// comment state in the control's per-line state.
class CssLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    CssLexer(HighlighterAttributes &attributes, const QFont &font, QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    const char *wordCharacters() const override;
    void styleText(int start, int end) override;

    // Applies the shared attributes to the styles of this lexer.
    void refresh();
    void setBaseFont(const QFont &font);

private:
    HighlighterAttributes &m_attributes;
    QFont m_font;
    CssScanner m_scanner;
    QByteArray m_styles;
};
