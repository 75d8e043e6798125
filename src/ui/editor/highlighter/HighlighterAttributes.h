#pragma once

#include "editor/highlighter/CssScanner.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <array>

// The CSS highlighter's display attributes: one set for the program, shared by every
// editor that colours with it, so that a change shows in all of them at once.
class HighlighterAttributes : public QObject
{
    Q_OBJECT

public:
    // The attributes, in the order they are created; each is also the number of the
    // editor control's style that draws it.
    enum class Attribute { Comment, Identifier, Key, Number, Space, String, Symbol };
    static constexpr int kAttributeCount = 7;

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
    explicit HighlighterAttributes(bool forMainWindow = true, QObject *parent = nullptr);

    const Style &style(Attribute a) const { return m_styles[size_t(a)]; }
    void setForeground(Attribute a, const QColor &colour);
    void setBold(Attribute a, bool bold);

    // The attribute a token kind is drawn with; the end of a line is drawn as space.
    static Attribute attributeOf(TokenKind kind);

signals:
    void changed();

private:
    std::array<Style, kAttributeCount> m_styles;
};
