#include "HighlighterAttributes.h"

HighlighterAttributes::HighlighterAttributes(bool forMainWindow, QObject *parent) : QObject(parent)
{
    m_styles[size_t(Attribute::Comment)] = {QStringLiteral("Comment"), {}, {}, false, true};
    m_styles[size_t(Attribute::Identifier)] = {QStringLiteral("Identifier"), {}, {}};
    m_styles[size_t(Attribute::Key)] = {QStringLiteral("Key"), {}, {}, true};
    m_styles[size_t(Attribute::Number)] = {QStringLiteral("Number"), {}, {}};
    m_styles[size_t(Attribute::Space)] = {QStringLiteral("Space"), {}, {}};
    m_styles[size_t(Attribute::String)] = {QStringLiteral("String"), {}, {}};
    m_styles[size_t(Attribute::Symbol)] = {QStringLiteral("Symbol"), {}, {}};
    if (forMainWindow) {
        const QColor maroon(128, 0, 0);
        m_styles[size_t(Attribute::Identifier)].foreground = maroon;
        m_styles[size_t(Attribute::Identifier)].bold = true;
        m_styles[size_t(Attribute::Key)].foreground = Qt::black;
        m_styles[size_t(Attribute::Number)].foreground = Qt::black;
        m_styles[size_t(Attribute::Number)].bold = true;
        m_styles[size_t(Attribute::String)].foreground = maroon;
    }
}

void HighlighterAttributes::setForeground(Attribute a, const QColor &colour)
{
    m_styles[size_t(a)].foreground = colour;
    emit changed();
}

void HighlighterAttributes::setBold(Attribute a, bool bold)
{
    m_styles[size_t(a)].bold = bold;
    emit changed();
}

HighlighterAttributes::Attribute HighlighterAttributes::attributeOf(TokenKind kind)
{
    switch (kind) {
    case TokenKind::Comment:
        return Attribute::Comment;
    case TokenKind::Identifier:
    case TokenKind::Unknown:
        return Attribute::Identifier;
    case TokenKind::Key:
        return Attribute::Key;
    case TokenKind::Number:
        return Attribute::Number;
    case TokenKind::Space:
        return Attribute::Space;
    case TokenKind::String:
        return Attribute::String;
    case TokenKind::Symbol:
        return Attribute::Symbol;
    case TokenKind::EndOfLine:
        break;
    }
    return Attribute::Space;
}
