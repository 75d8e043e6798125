#pragma once

#include "editor/highlighter/CssScanner.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <Qsci/qscilexercustom.h>

// The CSS highlighter's display attributes: one set for the program, shared by every
// editor that colours with it, so that a change shows in all of them at once.
class TSynCssSyn : public QObject
{
    Q_OBJECT

public:
    // The attributes, in the order they are created.
    enum Attribute { CommentAttri, IdentifierAttri, KeyAttri, NumberAttri, SpaceAttri, StringAttri, SymbolAttri, AttributeCount };

    struct Style
    {
        QString name;
        QColor foreground; // invalid: the editor's own colour
        QColor background; // invalid: the editor's own colour
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
    };

    // With the defaults of the class; `forMainWindow` adds the main window's own colours.
    explicit TSynCssSyn(bool forMainWindow = true, QObject *parent = nullptr);

    const Style &style(Attribute a) const { return m_styles[a]; }
    void setForeground(Attribute a, const QColor &colour);
    void setBold(Attribute a, bool bold);

    // The attribute a token kind is drawn with; AttributeCount for EndOfLine.
    static Attribute attributeOf(TokenKind kind);

signals:
    void changed();

private:
    Style m_styles[AttributeCount];
};

// Colours one editor's text with the shared attributes, line by line, carrying the
// comment state in the control's per-line state.
class CssLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    CssLexer(TSynCssSyn &attributes, const QFont &font, QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    const char *wordCharacters() const override;
    void styleText(int start, int end) override;

    // Applies the shared attributes to the styles of this lexer.
    void refresh();
    void setBaseFont(const QFont &font);

private:
    TSynCssSyn &m_attributes;
    QFont m_font;
    CssScanner m_scanner;
    QByteArray m_styles;
};
